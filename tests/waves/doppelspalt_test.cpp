// The double-slit window: the intensity table against the fringe and envelope formulas, the
// draw of a quantum, the speed rule, the measures and the layout, the dots that respect what
// stands in front of the screen, and a run that turns the view and leaves.
#include "bild.h"
#include "doppelspalt.h"
#include "doppelspaltbild.h"
#include "doppelspaltfenster.h"
#include "testhilfen.h"


#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

using namespace Doppelspalt;

TEST(Doppelspalt, FringesAndEnvelopeFollowLambdaAndSlitDistance)
{
    struct Fall {
        int lambdaPos, d, abstand, huelleNull;  // fringe spacing 300·Λ/d, envelope zero 150·Λ
    };
    const Fall faelle[] = {{40, 6, 100, 300}, {40, 8, 75, 300}, {20, 6, 50, 150}, {20, 12, 25, 150}};
    for (const Fall &f : faelle) {
        const double L = LambdaAus(f.lambdaPos);
        const auto I = Intensitaeten(400, L, f.d);
        ASSERT_EQ(I.size(), 401u);
        EXPECT_DOUBLE_EQ(I[0], 1.0);
        auto huelle = [&](int u) {
            const double p = 2 * M_PI * u / (300 * L);
            return std::pow(std::sin(p) / p, 2);
        };
        // bright fringes on the envelope, dark ones halfway between, nothing at the envelope's zero
        for (int k = 1; k * f.abstand < f.huelleNull; ++k) {
            EXPECT_NEAR(I[std::size_t(k * f.abstand)], huelle(k * f.abstand), 1e-12) << f.lambdaPos << " " << f.d;
            if (f.abstand % 2 == 0) {
                EXPECT_NEAR(I[std::size_t(k * f.abstand - f.abstand / 2)], 0.0, 1e-12);
            }
        }
        EXPECT_NEAR(I[std::size_t(f.huelleNull)], 0.0, 1e-12);
        for (double v : I) {
            EXPECT_GE(v, 0.0);
            EXPECT_LE(v, 1.0);
        }
    }
    EXPECT_EQ(Graustufe(0), 85);
    EXPECT_EQ(Graustufe(1), 255);
}

TEST(Doppelspalt, SpeedMeasuresAndProjection)
{
    GlobalInitialisieren();
    const int delay[] = {31, 15, 7, 3, 1, 0};
    for (int pos = 0; pos <= 5; ++pos) {
        EXPECT_EQ(VerzoegerungAus(pos), delay[pos]);
        EXPECT_EQ(VierfachAus(pos), pos == 5);
    }
    const Masse mit = MasseVon(1040, 715, 65, true, false);  // b = round(32.5) = 32
    EXPECT_EQ(std::vector<int>({mit.X0, mit.Y0, mit.hw, mit.hh, mit.L, mit.xS, mit.xQ}),
              std::vector<int>({520, 192, 192, 128, 512, 358, 486}));
    const Masse ohne = MasseVon(1040, 715, 65, false, false);
    EXPECT_EQ(std::vector<int>({ohne.X0, ohne.Y0, ohne.hw, ohne.hh, ohne.n}),
              std::vector<int>({520, 238, 280, 120, 1}));
    const Masse zoom = MasseVon(1040, 715, 65, false, true);
    EXPECT_EQ(std::vector<int>({zoom.Y0, zoom.hw, zoom.hh, zoom.n}), std::vector<int>({357, 520, 357, 2}));

    Projektion vorn{100, 200, Blick::Aus(0, 90)};  // φ = 0, θ = 0: face-on
    EXPECT_EQ(vorn(50, 30, 20), QPoint(120, 170));
    Projektion schraeg{100, 200, Blick::Aus(40, 75)};
    const double s = std::sin(40 * M_PI / 180), c = std::cos(40 * M_PI / 180);
    const double st = std::sin(15 * M_PI / 180), ct = std::cos(15 * M_PI / 180);
    EXPECT_EQ(schraeg(300, 10, 50), QPoint(100 + Runde(50 * c - 300 * s),
                                          200 - Runde(10 * ct - st * (300 * c + 50 * s))));
    EXPECT_LE(MantelFarbe(M_PI / 2, true) & 0xFF, 255u);
    EXPECT_EQ(MantelFarbe(-M_PI / 2, false), TColor(150 - 64 - 46) | TColor(96 - 64) << 16);
}

TEST(Doppelspalt, DrawsAreSymmetricWithoutABrightCross)
{
    std::mt19937 gen(7);
    const auto ganz = [&](int n) { return int(gen() % unsigned(n)); };
    const auto reell = [&] { return std::uniform_real_distribution<double>(0, 1)(gen); };
    const std::vector<double> eins(11, 1.0);
    std::map<int, int> zaehlA, zaehlC;
    const int n = 210000;
    for (int i = 0; i < n; ++i) {
        const Ziehung z = Ziehe(eins, 10, 4, ganz, reell);
        ASSERT_TRUE(z.angenommen);
        ASSERT_LE(std::abs(z.a), 9);
        ASSERT_LE(std::abs(z.c), 3);
        ++zaehlA[z.a];
        ++zaehlC[z.c];
    }
    // every whole value, 0 included, equally likely: 19 values across, 7 up
    for (int a = -9; a <= 9; ++a)
        EXPECT_NEAR(zaehlA[a], n / 19.0, 0.05 * n / 19.0) << a;
    for (int c = -3; c <= 3; ++c)
        EXPECT_NEAR(zaehlC[c], n / 7.0, 0.05 * n / 7.0) << c;
    // acceptance follows the table
    const std::vector<double> halb(11, 0.25);
    int angenommen = 0;
    for (int i = 0; i < 40000; ++i)
        angenommen += Ziehe(halb, 10, 4, ganz, reell).angenommen;
    EXPECT_NEAR(angenommen, 10000, 400);
}

TEST(Doppelspalt, DotsNeverCoverWhatStandsInFrontOfTheScreen)
{
    GlobalInitialisieren();
    for (bool mit : {true, false}) {
        QImage bild(1040, 715, QImage::Format_RGB32);
        Canvas c(&bild);
        Zustand z;
        z.mit = mit;
        z.m = MasseVon(1040, 715, 65, mit, false);
        z.blick = Blick::Aus(40, 75);
        z.I = Intensitaeten(z.m.hw, 0.75, 8);
        z.lampe = true;
        z.graph = true;
        z.grund = 0x964401;
        DoppelspaltBild zeichner(c, z);
        zeichner.ZeichneAlles();
        const QImage vorher = bild.copy();
        for (int a = -(z.m.hw - 1); a < z.m.hw; ++a)
            for (int cc = -(z.m.hh - 1); cc < z.m.hh; ++cc)
                zeichner.Treffer(a, cc, true);
        int gelb = 0, verletzt = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const TColor alt = FarbeAusRgb(vorher.pixel(x, y)), neu = c.pixel(x, y);
                if (alt == neu)
                    continue;
                gelb += neu == Gelb;
                verletzt += !IstGrau(alt) || neu != Gelb;  // only grey pixels may turn yellow
            }
        EXPECT_EQ(verletzt, 0) << mit;
        EXPECT_GT(gelb, 1000) << mit;
        // the diaphragm, the lit disc, the table and the red graph are still there
        if (mit) {
            const Projektion pr = zeichner.projektion();
            for (QPoint p : {pr(z.m.xS, 40, 70), pr(z.m.xS, 0, 30), pr(z.m.xS / 2, -z.m.hh, 0)})
                EXPECT_FALSE(IstGrau(c.pixel(p.x(), p.y())));
        }
        EXPECT_EQ(c.pixel(z.m.X0 + (mit ? 0 : 0), mit ? zeichner.projektion()(0, 100, 0).y() : z.m.Y0 - 100),
                  0x0000FFu);
    }
}

TEST(Doppelspalt, QuantaStayOffTheScreenBorderAndClearingRemovesThem)
{
    GlobalInitialisieren();
    for (bool zoom : {true, false}) {
        QImage bild(1040, 715, QImage::Format_RGB32);
        Canvas c(&bild);
        Zustand z;
        z.mit = false;
        z.m = MasseVon(1040, 715, 65, false, zoom);
        z.I = Intensitaeten(z.m.hw, 0.75, 8);
        z.grund = 0x964401;
        DoppelspaltBild zeichner(c, z);
        zeichner.ZeichneSchirm();
        // the border: silver pixels within two pixels of the background or the picture's
        // edge, apart from the axes through the centre
        std::vector<QPoint> rand;
        auto grau = [&](int x, int y) { return IstGrau(c.pixel(x, y)); };
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                bool amRand = false;
                for (int dy = -2; dy <= 2 && !amRand && c.pixel(x, y) == 0xC0C0C0u; ++dy)
                    for (int dx = -2; dx <= 2 && !amRand; ++dx)
                        amRand = !grau(x + dx, y + dy);
                if (amRand && x != z.m.X0 && y != z.m.Y0)
                    rand.push_back({x, y});
            }
        ASSERT_GT(rand.size(), 1000u) << zoom;
        z.klassisch = true;  // the stripes of the expectation leave the border alone too
        zeichner.ZeichneAlles();
        const QImage leer = bild.copy();
        for (int a = -(z.m.hw - 1); a < z.m.hw; ++a)
            for (int cc = -(z.m.hh - 1); cc < z.m.hh; ++cc)
                zeichner.Treffer(a, cc, false);
        int getroffen = 0;
        for (QPoint p : rand)
            getroffen += c.pixel(p.x(), p.y()) != 0xC0C0C0u;
        EXPECT_EQ(getroffen, 0) << zoom;
        EXPECT_NE(bild, leer);
        zeichner.ZeichneAlles();  // "Schirm löschen"
        EXPECT_TRUE(bild == leer) << zoom;
    }
}

TEST(Doppelspalt, LayoutOnTheScreens)
{
    struct Fall {
        int breite, hoehe, g;
    };
    // the window's own column, whatever windows were created before it
    for (const Fall &f : {Fall{1264, 960, 63}, Fall{1904, 1016, 77}, Fall{1264, 656, 44}}) {
        Bildschirm(f.breite, f.hoehe);
        const Layout l = BerechneLayout({f.breite, f.hoehe, ZurueckOben, StandardSpalte(f.breite).links});
        EXPECT_EQ(l.g, f.g) << f.hoehe;
        EXPECT_EQ(l.bild.size(), QSize(16 * f.g, 11 * f.g));
        const int e = (f.breite - 16 * f.g - 201) / 3;
        EXPECT_EQ(l.bild.left(), e);
        EXPECT_EQ(l.anordnung.left(), 2 * e + 16 * f.g);
        EXPECT_EQ(l.klassisch.top(), f.hoehe - 89);
        EXPECT_LE(l.bild.bottom() + 8, l.klassisch.top());
        EXPECT_LE(l.simulation.bottom(), ZurueckOben);
        EXPECT_LE(l.anordnung.right(), f.breite);
        EXPECT_LT(l.beobHinw.right(), ZurueckLinks);
        EXPECT_EQ(l.spaltAbstand.top() - l.anordnung.bottom(), l.anordnung.top() / 2 + 1);
    }
}

TEST(Doppelspalt, WindowRunsTurnsTheViewAndLeaves)
{
    Bildschirm(1264, 960);
    TFormDoppelspalt fenster;
    FensterOeffnen(&fenster);
    Ereignisse(20);
    fenster.trackBarPause()->setPosition(0);
    EXPECT_EQ(fenster.Verzoegerung, 31);
    EXPECT_FALSE(fenster.vierfach());
    fenster.trackBarPause()->setPosition(5);
    EXPECT_EQ(fenster.Verzoegerung, 0);
    EXPECT_TRUE(fenster.vierfach());
    fenster.checkBoxGraph()->setChecked(true);
    EXPECT_FALSE(fenster.bitBtnBeobachtung()->isEnabled());

    auto gelbeZahl = [&] {
        int n = 0;
        const QImage &b = fenster.image1()->bild();
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += FarbeAusRgb(b.pixel(x, y)) == Gelb;
        return n;
    };
    TestTakt takt;
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return fenster.treffer() >= 256; }));
    EXPECT_TRUE(fenster.an);
    EXPECT_TRUE(fenster.bitBtnUnterbrechen()->isEnabled());
    const int trefferVorher = fenster.treffer();
    const int gelbVorher = gelbeZahl();
    fenster.trackBarSehBreite()->setPosition(-30);  // redraws; the run goes on
    EXPECT_TRUE(fenster.an);
    const int gelbNachDrehen = gelbeZahl();  // the lit slits and the lamp's rim: the dots are gone
    EXPECT_LT(gelbNachDrehen + 500, gelbVorher);
    ASSERT_TRUE(takt.Bis([&] { return fenster.treffer() >= trefferVorher + 1100; }));
    EXPECT_TRUE(fenster.an);
    EXPECT_GT(gelbeZahl(), gelbNachDrehen + 100);  // new dots in the new projection
    EXPECT_GE(fenster.treffer(), 1024);
    EXPECT_TRUE(fenster.bitBtnBeobachtung()->isEnabled());
    fenster.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    EXPECT_FALSE(fenster.lampe());
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_FALSE(fenster.bitBtnUnterbrechen()->isEnabled());

    // a parameter change stops the run; the screen view hides the viewing angles
    FensterOeffnen(&fenster);
    Ereignisse(20);
    fenster.BitBtnLicht->click();
    takt.Weiter(100);
    fenster.trackBarLambda()->setPosition(30);
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    // each up-down moves its bar by one step from where the bar stands
    fenster.upDownlambda()->klick(UpDown::Voriger);
    EXPECT_EQ(fenster.trackBarLambda()->Position(), 29);
    fenster.upDownSehHoehe()->klick(UpDown::Naechster);  // increment −1: the view tilts up
    EXPECT_EQ(fenster.trackBarSehHoehe()->Position(), 74);
    fenster.radioGroupAnordnung()->setItemIndex(1);
    EXPECT_FALSE(fenster.panelSehrichtung()->isVisible());
    fenster.checkBoxZoom()->setChecked(true);
    EXPECT_EQ(fenster.zustand().m.n, 2);
    fenster.checkBoxKlassisch()->setChecked(true);
    EXPECT_TRUE(fenster.bitBtnLoeschen()->isEnabled());
    fenster.close();
}
