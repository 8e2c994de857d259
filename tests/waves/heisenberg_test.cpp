// The uncertainty window: the first minimum and the direction tables, the spread of the
// photon directions, the wave field from the shared wavelet sums, the photons' paths, the
// layout, and a session through the steps that runs, changes step and leaves.
#include "bild.h"
#include "heisenberg.h"
#include "heisenbergbild.h"
#include "heisenbergfenster.h"
#include "richtext.h"
#include "testhilfen.h"


#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace Heisenberg;

namespace {
struct Zufallsquelle {
    std::mt19937 gen{11};
    GanzZufall ganz() { return [this](int n) { return int(gen() % unsigned(std::max(n, 1))); }; }
    ReellZufall reell() { return [this] { return std::uniform_real_distribution<double>(0, 1)(gen); }; }
};
}  // namespace

TEST(Heisenberg, FirstMinimumAndDirectionTables)
{
    struct Fall {
        int b;
        double lambda;
    };
    for (const Fall &f : {Fall{80, 60}, Fall{40, 60}, Fall{100, 20}, Fall{30, 50}}) {
        const double t1 = ErstesMinimum(f.b, f.lambda);
        EXPECT_NEAR(std::sin(t1), f.lambda / (2.0 * f.b), 1e-12);
        const Richtungen r = BerechneRichtungen(f.b, f.lambda);
        EXPECT_EQ(r.I[0], 1.0);
        // the first zero of the table lies at sin θ = λ / 2b (within one 0.25° step)
        int k = 1;
        while (k < 360 && !(r.I[std::size_t(k)] <= r.I[std::size_t(k - 1)] && r.I[std::size_t(k)] < r.I[std::size_t(k + 1)]))
            ++k;
        EXPECT_NEAR(k * 0.25 * M_PI / 180, t1, 0.25 * M_PI / 180 + 1e-9) << f.b;
        EXPECT_LT(r.I[std::size_t(k)], 1e-3);
        for (int i = 0; i <= 360; ++i)
            EXPECT_NEAR(r.I[std::size_t(i)], r.A[std::size_t(i)] * r.A[std::size_t(i)], 1e-15);
    }
    // a slit narrower than the wavelength: the first minimum at 90°
    EXPECT_DOUBLE_EQ(ErstesMinimum(30, 80), M_PI / 2);
    EXPECT_DOUBLE_EQ(ErstesMinimum(39, 80), M_PI / 2);
    EXPECT_LT(ErstesMinimum(40, 80), M_PI / 2 + 1e-12);
}

TEST(Heisenberg, ZoomedViewShowsTheIntensity)
{
    // the brightness code is round(112 · (sin u / u)²) in the direction of the tile, so that
    // a side lobe looks as faint as the share of photons it receives
    const int b = 80;
    const double lambda = 60;
    const Richtungen r = BerechneRichtungen(b, lambda);
    auto erwartet = [&](int x, int y) {
        const double theta = std::round(std::atan2(std::abs(y), x) / M_PI * 720) * 0.25 * M_PI / 180;
        const double u = M_PI * 2 * b * std::sin(theta) / lambda;
        return int(std::lround(112 * (u == 0 ? 1.0 : std::pow(std::sin(u) / u, 2))));
    };
    const std::pair<int, int> punkte[] = {{40, 0}, {300, 60}, {200, -90}, {120, 120}, {60, 200}};
    for (auto [x, y] : punkte)
        EXPECT_EQ(IntensCode(x, y, r), erwartet(x, y)) << x << "," << y;
    // the first side lobe (u ≈ 1,43 π, about 32,4°) gets under 5 % of the centre's brightness
    const int seite = IntensCode(400, int(std::lround(400 * std::tan(32.4 * M_PI / 180))), r);
    EXPECT_GT(seite, 0);
    EXPECT_LE(seite, 112 * 5 / 100);
}

TEST(Heisenberg, NarrowerSlitSpreadsThePhotonsWider)
{
    Zufallsquelle q;
    const Masse m = MasseVon(4, 57);
    auto mittlererWinkel = [&](int b) {
        const Richtungen r = BerechneRichtungen(b, 60);
        double summe = 0;
        int zwischenMinima = 0;
        const int n = 4000;
        for (int i = 0; i < n; ++i) {
            Photon p;
            p.speed = 2;
            Starte(p, m, b, false, r, q.ganz(), q.reell());
            EXPECT_TRUE(p.aktiv);
            EXPECT_EQ(p.x, m.xmin);
            EXPECT_LE(std::abs(p.y), b - p.halb);
            EXPECT_TRUE(p.y == 0 || (p.y > 0) == (p.k > 0) || p.k == 0);
            EXPECT_NEAR(std::hypot(p.vx, p.vy), 2.0, 1e-12);
            summe += std::abs(p.k) * 0.25;
            zwischenMinima += std::abs(p.k) * 0.25 * M_PI / 180 < ErstesMinimum(b, 60);
        }
        EXPECT_GT(zwischenMinima, n * 8 / 10) << b;  // most photons go into the main maximum
        return summe / n;
    };
    const double breit = mittlererWinkel(100), mittel = mittlererWinkel(60), schmal = mittlererWinkel(35);
    EXPECT_LT(breit, mittel);
    EXPECT_LT(mittel, schmal);
}

TEST(Heisenberg, PhotonPathsAndLeaving)
{
    const Masse m = MasseVon(3, 50);
    EXPECT_EQ(std::vector<int>({m.breite, m.hoehe, m.X0, m.Y0, m.xmin, m.xmax}),
              std::vector<int>({450, 400, 150, 200, -150, 300}));
    Photon p;
    p.x = -3;
    p.y = 10;
    p.speed = 2;
    p.vx = 1;
    p.vy = 1.5;
    Bewege(p);  // before the slit straight on
    EXPECT_EQ(p.x, -1);
    EXPECT_EQ(p.y, 10);
    EXPECT_FALSE(Verlaesst(p, m, 4));
    Bewege(p);
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, 10);
    Bewege(p);  // behind it along the direction
    EXPECT_EQ(p.x, 2);
    EXPECT_EQ(p.y, 11.5);
    EXPECT_TRUE(Verlaesst(p, m, 4));  // absorbed at the covered slit
    for (int schritt : {2, 3, 5, 6})
        EXPECT_FALSE(Verlaesst(p, m, schritt));
    p.y = 201;
    EXPECT_TRUE(Verlaesst(p, m, 3));
    p.y = 0;
    p.x = 301;
    EXPECT_TRUE(Verlaesst(p, m, 6));
}

TEST(Heisenberg, WaveFieldFromTheSharedWaveletSums)
{
    GlobalInitialisieren();
    const auto f = BerechneWellenfeld(40, 50, SinCosTabelle);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->spaltenX.size(), 456u);
    EXPECT_EQ(f->zeilenY.size(), 2u * 285 + 1);
    float groesste = 0;
    for (float a : f->amplitude)
        groesste = std::max(groesste, a);
    EXPECT_FLOAT_EQ(groesste, 56.f);
    Huygens::Blende spalt;
    for (int y = -40; y <= 40; ++y)
        spalt.setzeOffen(y, true);
    for (auto [x, y] : {std::pair{10, 0}, std::pair{200, 50}, std::pair{456, 285}}) {
        const auto [re, im] = Huygens::DirekteSumme(spalt, 50, x, y, SinCosTabelle);
        const std::size_t i = f->index(std::size_t(x - 1), std::size_t(285 + y));
        EXPECT_EQ(f->phase[i], Huygens::PhasenIndex(re, im));
        EXPECT_EQ(f->phase[i], f->phase[f->index(std::size_t(x - 1), std::size_t(285 - y))]);
    }
    // the frame's codes stay within the colour range, also for negative phase indices
    for (int t : {-200, 0, 7, 1000})
        for (int ph : {0, 50, 95}) {
            EXPECT_LE(std::abs(FeldCode(56.f, ph, t, 24, SinCosTabelle)), 56);
            EXPECT_LE(std::abs(EinfallCode(-300, t, 2.5, 24, SinCosTabelle)), 56);
        }
}

TEST(Heisenberg, LayoutOnTheScreens)
{
    for (auto [breite, hoehe, U] : {std::tuple{1264, 960, 57}, std::tuple{1904, 1016, 57}, std::tuple{1264, 656, 39}}) {
        Bildschirm(breite, hoehe);
        const Layout l = BerechneLayout({breite, hoehe, ZurueckOben});
        EXPECT_EQ(l.U, U) << hoehe;
        for (int a = 2; a <= 4; ++a) {
            const Masse m = MasseVon(a, l.U);
            const QRect r = l.bild(a);
            EXPECT_EQ(r.size(), QSize(m.breite, m.hoehe));
            EXPECT_EQ(r.topLeft() + QPoint(m.X0, m.Y0), QPoint(l.XC, l.YC));  // the origin stays
            EXPECT_LE(m.xmax, FeldBreite);
            EXPECT_LE(m.Y0, FeldHoehe);
        }
        EXPECT_LT(l.text.right(), l.bild(4).left());
        EXPECT_LT(l.bild(4).right(), l.spaltB.left());
        EXPECT_LE(l.spaltB.right(), breite);
        EXPECT_LE(l.simulation.bottom(), ZurueckOben);
        EXPECT_LE(l.bild(4).bottom(), l.zeichenflaeche.top());
        EXPECT_EQ(l.zeichenflaeche.bottom() + 1, ZurueckOben);
    }
}

TEST(Heisenberg, WindowRunsThroughTheStepsAndLeaves)
{
    Bildschirm(1264, 960);
    MeldungsSammler meldungen;
    TFormHeisenberg fenster;
    FensterOeffnen(&fenster);
    Ereignisse(20);
    fenster.TrackBarTempo->setPosition(8);
    EXPECT_EQ(fenster.Verzoegerung, 0);
    fenster.trackBarSpaltB()->setPosition(40);

    // step 1: the wave field is computed at the start; a step change stops the run
    TestTakt takt;
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return fenster.zeitpunkt() > 2; }));
    EXPECT_TRUE(fenster.an);
    EXPECT_FALSE(fenster.feldNoetig());
    fenster.bitBtnWeiter()->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    EXPECT_EQ(fenster.schritt(), 2);
    EXPECT_TRUE(meldungen.liste.isEmpty());

    // step 4: no photon is ever behind the covered slit
    fenster.bitBtnWeiter()->click();
    fenster.bitBtnWeiter()->click();
    EXPECT_EQ(fenster.schritt(), 4);
    EXPECT_FALSE(fenster.panelLambda()->isVisible());
    const Masse m = fenster.zustand().m;
    const QImage vorher = fenster.image1()->bild().copy();
    bool hinterDemSpalt = false;
    int aktivGesehen = 0;
    fenster.TrackBarTempo->setPosition(5);  // c = 3: photons reach the slit within the run
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] {
        for (const Photon &p : fenster.photonen()) {
            hinterDemSpalt |= p.aktiv && p.x >= 0;
            aktivGesehen += p.aktiv;
        }
        return fenster.zeitpunkt() > 150;
    }));
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(hinterDemSpalt);
    EXPECT_GT(aktivGesehen, 0) << fenster.zeitpunkt();
    const QImage &nachher = fenster.image1()->bild();
    for (int y = 0; y < m.hoehe; y += 3)
        for (int x = m.X0 + 13; x < m.breite; x += 3)
            ASSERT_EQ(nachher.pixel(x, y), vorher.pixel(x, y)) << x << "," << y;

    // step 6 with a slit narrower than the wavelength: the spread reaches 90°
    fenster.bitBtnWeiter()->click();
    fenster.bitBtnWeiter()->click();
    EXPECT_EQ(fenster.schritt(), 6);
    fenster.trackBarLambda()->setPosition(80);
    fenster.trackBarSpaltB()->setPosition(30);
    EXPECT_DOUBLE_EQ(fenster.zustand().theta1, M_PI / 2);
    EXPECT_TRUE(fenster.panelMitIntens()->isVisible());
    EXPECT_FALSE(fenster.bitBtnWeiter()->isVisible());

    // the step's file is loaded only on request; a missing file is reported, the text shown stays
    TextPfad = QStringLiteral("/nicht/vorhanden/");
    fenster.checkBoxNeuText()->setChecked(true);
    const QString gezeigt = fenster.richEditText()->toPlainText();
    EXPECT_FALSE(gezeigt.isEmpty());
    fenster.checkBoxNeuText()->setChecked(false);
    ASSERT_EQ(meldungen.liste.size(), 1);
    EXPECT_TRUE(meldungen.liste[0].text.contains(QStringLiteral("Heisenberg6.RTF")));
    EXPECT_EQ(fenster.richEditText()->toPlainText(), gezeigt);
    fenster.checkBoxNeuText()->setChecked(true);
    fenster.bitBtnSchrittzurueck()->click();  // unticks the box without loading a file
    EXPECT_FALSE(fenster.checkBoxNeuText()->isChecked());
    EXPECT_EQ(meldungen.liste.size(), 1);
    EXPECT_FALSE(fenster.richEditText()->toPlainText().isEmpty());

    // step 5 with the intensity, the picture size changed during the run; then back to the guide
    fenster.checkBoxMitIntens()->setChecked(true);
    fenster.BitBtnLicht->click();
    takt.Weiter(150);
    fenster.radioGroupZeichenflaeche()->setItemIndex(0);
    EXPECT_TRUE(fenster.an);
    EXPECT_EQ(fenster.image1()->bild().size(), QSize(6 * 57, 6 * 57));
    takt.Weiter(250);
    fenster.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    EXPECT_FALSE(fenster.isVisible());
    TextPfad.clear();
}

TEST(Heisenberg, ReopenedAfterBackShowsTheStepsStartingPicture)
{
    // left with the back button during a run (the wave in step 1, intensity and photons in
    // step 3): opened again, the lamp is red and the picture is the one the step starts with
    Bildschirm(1264, 960);
    TFormHeisenberg fenster;
    FensterOeffnen(&fenster);
    Ereignisse(20);
    fenster.TrackBarTempo->setPosition(8);
    fenster.trackBarSpaltB()->setPosition(30);
    TestTakt takt;
    for (int schritt : {1, 3}) {
        while (fenster.schritt() < schritt)
            fenster.bitBtnWeiter()->click();
        const QImage start = fenster.image1()->bild().copy();
        fenster.BitBtnLicht->click();
        ASSERT_TRUE(takt.Bis([&] { return fenster.an && fenster.zeitpunkt() > 3; })) << schritt;
        ASSERT_NE(fenster.image1()->bild(), start) << schritt;  // the run has drawn
        fenster.BitBtnZurueck->click();
        ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
        ASSERT_FALSE(fenster.isVisible()) << schritt;
        EXPECT_FALSE(fenster.image1()->angelegt()) << schritt;  // hidden, the picture's memory is returned
        FensterOeffnen(&fenster);
        Ereignisse(20);
        EXPECT_EQ(fenster.PanelKontrolle->farbe(), 0x0000FFu) << schritt;
        EXPECT_TRUE(fenster.image1()->bild() == start) << schritt;
    }
    fenster.close();
}
