// Physics, layout and pictures of the wave-propagation window without widgets: the values
// the controls give, superposition on the rope and on water, the intensity, the marked
// points and the geometry of the pictures.
#include "interferenz.h"
#include "interferenzbild.h"
#include "interferenzlayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace Interferenz;

namespace {

// Two identical rope waves that already fill the rope, wavelength 3·pos.
SeilLauf StehendeWelle(int pos, bool gegenphasig, int A = 40, int R = 419)
{
    Steuerwerte st;
    st.posLambda1 = pos;
    st.posAmplitude1 = A;
    st.verschieden = false;
    st.gegenphasig = gegenphasig;
    st.schonUnterwegs = true;
    return SeilLaufVon(BerechneWerte(st), R, true, true);
}

// The largest |D| at x over two periods, finely sampled.
int GroessterAusschlag(const SeilLauf &l, int x)
{
    int m = 0;
    for (double t = 0; t < 2 * 2 * M_PI / l.q1.omega; t += 1.0 / 64)
        m = std::max(m, std::abs(SeilAuslenkung(l, x, t).D));
    return m;
}

}  // namespace

TEST(Interferenz, ValuesFromTheControls)
{
    struct Fall {
        int lambda1, lambda2, N, A1, A2;
        bool verschieden, einzelzug, unterwegs;
        int eL1, eL2, eA2;
        bool frisch;
    };
    const Fall faelle[] = {
        {70, 40, 8, 40, 30, true, false, false, 210, 120, 30, true},
        {70, 40, 8, 40, 30, false, false, true, 210, 210, 40, false},
        {10, 100, 32, 60, 10, true, true, true, 30, 300, 10, true},  // a single train always starts fresh
    };
    for (const Fall &f : faelle) {
        Steuerwerte st;
        st.posLambda1 = f.lambda1;
        st.posLambda2 = f.lambda2;
        st.schwingungsDauer = f.N;
        st.posAmplitude1 = f.A1;
        st.posAmplitude2 = f.A2;
        st.verschieden = f.verschieden;
        st.einzelzug = f.einzelzug;
        st.schonUnterwegs = f.unterwegs;
        const Wellenwerte v = BerechneWerte(st);
        EXPECT_EQ(v.lambda1, f.eL1);
        EXPECT_EQ(v.lambda2, f.eL2);
        EXPECT_EQ(v.A2, f.eA2);
        EXPECT_EQ(v.frischerStart, f.frisch);
        EXPECT_DOUBLE_EQ(v.c, double(f.eL1) / f.N);
        // both waves travel at the same speed: ω/k equal
        EXPECT_NEAR(v.omega2 * v.lambda2 / (2 * M_PI), v.c, 1e-12);
    }
    EXPECT_DOUBLE_EQ(Zeitschritt(15), 17.0 / 32);
    EXPECT_DOUBLE_EQ(Zeitschritt(0), 1.0);
}

TEST(Interferenz, StandingWaveNodesRestAntinodesSwingDouble)
{
    struct Fall {
        int pos;  // λ1 = 3·pos
        bool gegenphasig;
        int b;
        int ruheHoechstens;  // |D| at the node (λ1 not a multiple of 4: the nearest pixel)
    };
    const Fall faelle[] = {{40, false, 0, 0}, {40, false, -1, 0}, {40, true, 0, 0},
                           {40, true, -1, 0}, {70, false, 0, 1},  {70, true, -1, 0}, {33, false, -1, 2}};
    for (const Fall &f : faelle) {
        const SeilLauf l = StehendeWelle(f.pos, f.gegenphasig);
        const int lambda = 3 * f.pos;
        const Markierung bauch = KnotenOderBauch(false, f.gegenphasig, lambda, f.b, l.R);
        const Markierung knoten = KnotenOderBauch(true, f.gegenphasig, lambda, f.b, l.R);
        ASSERT_EQ(bauch.anzahl, 1);
        // antiphase shifts the marks by a quarter wavelength
        const double verschiebung = f.gegenphasig ? lambda / 4.0 : 0;
        EXPECT_NEAR(bauch.x[0], f.b * lambda / 2.0 + verschiebung, 0.5) << f.pos;
        EXPECT_NEAR(knoten.x[0], f.b * lambda / 2.0 + lambda / 4.0 + verschiebung, 0.5) << f.pos;
        EXPECT_GE(GroessterAusschlag(l, bauch.x[0]), 2 * 40 - 1) << f.pos << " " << f.gegenphasig;
        EXPECT_LE(GroessterAusschlag(l, knoten.x[0]), f.ruheHoechstens) << f.pos << " " << f.gegenphasig;
    }
}

TEST(Interferenz, SingleTrainsLeaveTheRopeByTheEndTime)
{
    for (bool verschieden : {false, true})
        for (auto [links, rechts] : {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}}) {
            Steuerwerte st;
            st.einzelzug = true;
            st.verschieden = verschieden;
            st.posLambda2 = 100;  // the second train is the longer one
            const Wellenwerte v = BerechneWerte(st);
            const SeilLauf l = SeilLaufVon(v, 300, links, rechts);
            const double lang = links && rechts && verschieden ? 300 : 210;
            EXPECT_EQ(l.endzeit, Runde((600 + lang) / v.c) + v.N);
            bool unterwegs = false;
            for (int x = -300; x <= 300; ++x) {
                EXPECT_EQ(SeilAuslenkung(l, x, l.endzeit + 0.01).D, 0) << x;
                unterwegs = unterwegs || SeilAuslenkung(l, x, l.endzeit - v.N - 1).D != 0;
            }
            EXPECT_TRUE(unterwegs);
            // a single wave from the right has the first wave's amplitude and wavelength
            if (!links) {
                EXPECT_EQ(l.q2.lambda, v.lambda1);
            }
        }
}

TEST(Interferenz, CentresPhaseActsOnlyBetweenTwoRopeWaves)
{
    // a wave alone starts the same way from either end, whatever the phase choice says;
    // two waves in antiphase give the right-hand wave the opposite sign
    auto lauf = [](bool gegenphasig, bool links, bool rechts) {
        Steuerwerte st;
        st.gegenphasig = gegenphasig;
        st.verschieden = false;
        return SeilLaufVon(BerechneWerte(st), 300, links, rechts);
    };
    for (bool gegenphasig : {false, true}) {
        const SeilLauf links = lauf(gegenphasig, true, false), rechts = lauf(gegenphasig, false, true);
        const SeilLauf beide = lauf(gegenphasig, true, true), synchron = lauf(false, true, true);
        for (double t : {20.0, 37.5})
            for (int x = -300; x <= 300; x += 7) {
                EXPECT_EQ(SeilAuslenkung(rechts, x, t).D, SeilAuslenkung(links, -x, t).D) << gegenphasig << " " << x;
                EXPECT_DOUBLE_EQ(SeilAuslenkung(beide, x, t).y2,
                                 (gegenphasig ? -1 : 1) * SeilAuslenkung(synchron, x, t).y2);
            }
    }
}

TEST(Interferenz, WaterCentresInAntiphaseAndMirrors)
{
    Steuerwerte st;
    st.dimension = 2;
    st.gegenphasig = true;
    st.schonUnterwegs = true;
    const Wellenwerte v = BerechneWerte(st);
    const WasserLauf lr = WasserLaufVon(v, Zentren::LinksRechts, 224, 224);
    const WasserLauf bl = WasserLaufVon(v, Zentren::BeideLinks, 224, 224);
    for (int t = 0; t < 16; t += 3)
        for (int q = -224; q <= 224; q += 4) {
            EXPECT_EQ(WasserAuslenkung(lr, 0, q, t).wert, 0);  // the symmetry line stays at rest
            EXPECT_EQ(SchnittWert(lr, 0, q, t), 0);
            EXPECT_EQ(WasserAuslenkung(bl, q, 0, t).wert, 0);  // "beide links": the axis stays dark
            EXPECT_EQ(WasserAuslenkung(bl, q, 40, t).wert, -WasserAuslenkung(bl, q, -40, t).wert);
        }
    for (int q = -224; q <= 224; q += 8) {
        EXPECT_NEAR(Intensitaet(lr, 0, q), 0, 1e-12);
        EXPECT_NEAR(Intensitaet(bl, q, 0), 0, 1e-12);
    }
    st.gegenphasig = false;
    EXPECT_NEAR(Intensitaet(WasserLaufVon(BerechneWerte(st), Zentren::LinksRechts, 224, 224), 0, 50), 1, 1e-12);
    EXPECT_EQ(IntensitaetsFarbe(0), 0xAF8500u);
    EXPECT_EQ(IntensitaetsFarbe(1), 0xFFD500u);
}

TEST(Interferenz, FreshStartLeavesUnreachedWaterInTheBackground)
{
    const TColor grund = 0x964401;
    for (Zentren art : {Zentren::Links, Zentren::LinksRechts, Zentren::BeideLinks}) {
        Steuerwerte st;
        st.dimension = 2;
        st.aufloesung = 1;
        const WasserLauf l = WasserLaufVon(BerechneWerte(st), art, 160, 160);
        QImage bild(321, 320, QImage::Format_RGB32);
        Canvas c(&bild);
        ZeichneWasserFrame(c, l, 4, grund);  // the waves have come 4·c = 105 px
        EXPECT_EQ(c.pixel(160, 160), grund);  // the centre of the picture is farther
        EXPECT_NE(c.pixel(2, 150), grund);    // near the left centre(s)
        // with the wave already under way nothing is left in the background
        st.schonUnterwegs = true;
        const WasserLauf voll = WasserLaufVon(BerechneWerte(st), art, 160, 160);
        ZeichneWasserFrame(c, voll, 0, grund);
        int grundPixel = 0;
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 321; ++x)
                grundPixel += c.pixel(x, y) == grund;
        EXPECT_EQ(grundPixel, 0);
    }
}

TEST(Interferenz, MarkedPointsKeepAwayFromTheEnds)
{
    std::mt19937 gen(7);
    for (int R : {300, 419, 500})
        for (int runde = 0; runde < 300; ++runde) {
            const int n = runde % 4;
            const Markierung m = ZufallsPunkte(n, R, [&](int k) {
                return k <= 0 ? 0 : std::uniform_int_distribution<int>(0, k - 1)(gen);
            });
            EXPECT_EQ(m.anzahl, n);
            EXPECT_TRUE(std::is_sorted(m.x.begin(), m.x.end()));
            for (int i = 0; i < 3; ++i) {
                if (i < n) {
                    EXPECT_GE(m.x[i], -R + 50);
                    EXPECT_LE(m.x[i], R - 51);
                } else {
                    EXPECT_EQ(m.x[i], R);
                }
            }
        }
}

TEST(Interferenz, LayoutOfPicturesAndPanels)
{
    Bildschirmmasse b;
    b.breite = 1264;
    b.hoehe = 960;
    b.spalteLinks = 1039;
    b.zurueck = QRect(1071, 839, 161, 81);
    const Layout l = BerechneLayout(b);
    EXPECT_EQ(l.XC, 620);
    EXPECT_EQ(l.R, 419);
    EXPECT_EQ(l.image1Dim, QRect(201, 244, 838, 240));
    EXPECT_EQ(l.image1DimEins, QRect(201, 124, 838, 120));
    EXPECT_EQ(l.image1DimZwei, QRect(201, 484, 838, 120));
    EXPECT_EQ(l.hinweise, QRect(32, 665, 161, 105));
    EXPECT_EQ(l.textTafel, QRect(201, 64, 830, 775));
    EXPECT_EQ(l.zurueck, b.zurueck);
    const WasserGeometrie w = BerechneWasser(l, Groesse::klein, Format::quadrat);
    EXPECT_EQ(w.bild.size(), QSize(321, 320));
    EXPECT_EQ(QPoint(w.X0, w.Y0), QPoint(160, 160));
    EXPECT_EQ(w.bild.topLeft(), QPoint(564 - 160, 352 - 160));
    EXPECT_EQ(w.schnittSenkr, QRect(w.bild.right() + 17, w.bild.top(), 113, 320));
    EXPECT_EQ(w.schnittWaagr, QRect(w.bild.left(), w.bild.bottom() + 21, 321, 113));
    EXPECT_EQ(WasserHalbmasse(Groesse::gross, Format::hoch), QPoint(168, 224));
    EXPECT_EQ(WasserHalbmasse(Groesse::mittel, Format::quer), QPoint(192, 144));

    // a low screen: everything stays on it and clear of the back button
    b.hoehe = 656;
    b.zurueck = QRect(1071, 535, 161, 81);
    const Layout k = BerechneLayout(b);
    const QRect schirm(0, 0, 1264, 656);
    const WasserGeometrie g = BerechneWasser(k, Groesse::gross, Format::quadrat);
    for (const QRect &r : {k.hinweise, k.zurueck, k.wZentrenWasser, g.schnittWaagr, g.schnittSenkr,
                           LambdaZweiSeil(k, true)})
        EXPECT_TRUE(schirm.contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    EXPECT_FALSE(k.zurueck.intersects(k.einAus));
    EXPECT_FALSE(k.hinweise.intersects(k.markierePkt));
    EXPECT_GE(k.hinweisKnopfHoehe, 30);
}
