// The radiation pictures drawn on a plain canvas: where the curves peak, where the
// Rayleigh–Jeans drawing stops, how the unit line, the spectrum and the visible-range
// mark look, and that a changed or unusable Planck constant is handled.
#include "canvas.h"
#include "strahlungsbild.h"
#include "testhilfen.h"

#include <QSet>
#include <gtest/gtest.h>

#include <cmath>

using namespace Waermestrahlung;

namespace {

constexpr double c = Lichtgeschwindigkeit;

// Curves are searched right of the yellow axis title "Strahlungsleistung".
constexpr int RechtsVomTitel = 250;

// A picture of the size the black-body window has on a 1920 × 1080 screen.
struct Probe {
    explicit Probe(int w = 1639, int h = 779) : bild(w, h, QImage::Format_RGB32), canvas(&bild) {}
    QImage bild;
    Canvas canvas;

    TColor px(int x, int y) const { return canvas.pixel(x, y); }
    // Topmost row holding the colour, and the middle of its run of columns there (-1: none).
    QPoint oben(TColor farbe, int von = 0, int bis = -1) const
    {
        if (bis < 0)
            bis = bild.width();
        for (int y = 0; y < bild.height(); ++y) {
            int erste = -1, letzte = -1;
            for (int x = von; x < bis; ++x)
                if (px(x, y) == farbe) {
                    if (erste < 0)
                        erste = x;
                    letzte = x;
                }
            if (erste >= 0)
                return {(erste + letzte) / 2, y};
        }
        return {-1, -1};
    }
    int anzahl(TColor farbe) const
    {
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                n += px(x, y) == farbe;
        return n;
    }
    // Leftmost column holding the colour in rows 0 … bisZeile − 1 (-1: none).
    int links(TColor farbe, int bisZeile) const
    {
        for (int x = 0; x < bild.width(); ++x)
            for (int y = 0; y < bisZeile; ++y)
                if (px(x, y) == farbe)
                    return x;
        return -1;
    }
};

SchwarzkoerperZustand NurGemessen(bool ueberFrequenz)
{
    SchwarzkoerperZustand z;
    z.ueberFrequenz = ueberFrequenz;
    z.gemessen = true;
    z.strichbreite = 1;
    return z;
}

class StrahlungsbildTest : public ::testing::Test {
protected:
    void SetUp() override { FrischerZustand(); }
};

}  // namespace

TEST_F(StrahlungsbildTest, MeasuredCurvePeaksAtTheReferenceHeight)
{
    // over wavelength: 5000 K (= Tref) peaks at 580 nm exactly on the dashed line at Hmax
    Probe p;
    SchwarzkoerperBild bild(p.canvas, BerechneMasse(1639, 779, 70));
    bild.ZeichneKurven(NurGemessen(false));
    const Diagrammmasse &m = bild.m;
    const QPoint spitze = p.oben(FarbeGemessen, RechtsVomTitel);
    EXPECT_EQ(spitze.y(), m.Y0 - m.Hmax);
    EXPECT_NEAR(spitze.x(), m.X0 + 580e-9 * bild.skalaLambda, 3.0);

    // the heights themselves: the largest lies at 580 nm (±1 px) and equals Hmax
    const Referenz ref = StrahlungsReferenz(5000, 6.626e-34);
    int xmax = 0;
    double hmax = -1;
    for (int x = 1; x <= m.L; ++x) {
        const double h = KurvenHoehe(Kurvenart::Gemessen, false, x, 5000, bild.skalaLambda, ref, m.Hmax, 6.626e-34);
        if (h > hmax)
            hmax = h, xmax = x;
    }
    EXPECT_NEAR(xmax / bild.skalaLambda * 1e9, 580.0, 1.0 / bild.skalaLambda * 1e9);
    EXPECT_NEAR(hmax, m.Hmax, 0.01);

    // over frequency the wavelength density peaks at about 517 THz, at the same height
    Probe q;
    SchwarzkoerperBild bildF(q.canvas, BerechneMasse(1639, 779, 70));
    bildF.ZeichneKurven(NurGemessen(true));
    const QPoint spitzeF = q.oben(FarbeGemessen, RechtsVomTitel);
    EXPECT_EQ(spitzeF.y(), m.Y0 - m.Hmax);
    EXPECT_NEAR((spitzeF.x() - m.X0) / bildF.skalaNu * 1e-12, 517.0, 4.0);
}

TEST_F(StrahlungsbildTest, HotterCurvesRiseAboveTheReferenceAndStayInsideTheBand)
{
    Probe p;
    SchwarzkoerperBild bild(p.canvas, BerechneMasse(1639, 779, 70));
    SchwarzkoerperZustand z = NurGemessen(false);
    z.refTemperatur = 2000;
    z.temperatur = {true, true, true, true, true};
    bild.ZeichneKurven(z);  // 5875 K on a 2000 K scale: 200 times Hmax, clamped
    EXPECT_EQ(p.oben(FarbeGemessen, RechtsVomTitel).y(), 0);  // leaves the picture at the top
    // the peak of T lies (T/Tref)^5 times as high: Wien's displacement law with B ∝ T⁵
    const Referenz ref = StrahlungsReferenz(5000, 6.626e-34);
    const double s = bild.skalaLambda;
    const double h4000 = KurvenHoehe(Kurvenart::Gemessen, false, MaximumLambda(4000, 6.626e-34) * s, 4000, s, ref, 500, 6.626e-34);
    EXPECT_NEAR(h4000 / 500, std::pow(4000.0 / 5000, 5), 1e-3);
}

TEST_F(StrahlungsbildTest, RatiosTendToTheUnitLine)
{
    const Diagrammmasse m = BerechneMasse(1639, 779, 70);
    const double sL = SkalaWellenlaenge(m.L, 250), sF = SkalaFrequenz(m.L, 120);
    const Referenz ref = StrahlungsReferenz(5000, 6.626e-34);
    auto h = [&](Kurvenart a, bool f, int x, double T) {
        return KurvenHoehe(a, f, x, T, f ? sF : sL, ref, m.Hmax, 6.626e-34);
    };
    // Wien at short wavelengths / high frequencies, Rayleigh–Jeans toward ν = 0
    EXPECT_NEAR(h(Kurvenart::WienRelativ, false, 50, 5000), EinheitsHoehe, 1e-6);
    EXPECT_NEAR(h(Kurvenart::WienRelativ, true, m.L, 3000), EinheitsHoehe, 1e-3);
    EXPECT_LT(h(Kurvenart::WienRelativ, false, m.L, 5000), 0.75 * EinheitsHoehe);
    EXPECT_NEAR(h(Kurvenart::RayleighJeansRelativ, true, 1, 5000), EinheitsHoehe, 0.75);  // x ≈ 0.007
    // Rayleigh–Jeans over wavelength: falls toward 1 with growing λ and never below it
    double vorher = INFINITY;
    for (int x = 100; x <= m.L; x += 100) {
        const double y = h(Kurvenart::RayleighJeansRelativ, false, x, 5000);
        EXPECT_LT(y, vorher);
        EXPECT_GT(y, EinheitsHoehe);
        vorher = y;
    }
    // for a long-wavelength axis end (30 µm at 6000 K) it comes within 5 % of 1
    const double sWeit = SkalaWellenlaenge(m.L, 3000);
    EXPECT_NEAR(KurvenHoehe(Kurvenart::RayleighJeansRelativ, false, m.L, 6000, sWeit, ref, m.Hmax, 6.626e-34) / EinheitsHoehe,
                1.0, 0.05);
}

TEST_F(StrahlungsbildTest, RayleighJeansDrawingStopsAboveTheTopLimit)
{
    for (bool relativ : {false, true}) {
        Probe p;
        SchwarzkoerperBild bild(p.canvas, BerechneMasse(1639, 779, 70));
        SchwarzkoerperZustand z;
        z.ueberFrequenz = false;
        z.strichbreite = 1;
        (relativ ? z.rayleighJeansRelativ : z.rayleighJeans) = true;
        bild.ZeichneKurven(z);
        const Kurvenart art = relativ ? Kurvenart::RayleighJeansRelativ : Kurvenart::RayleighJeans;
        const TColor farbe = relativ ? FarbeRJRel : FarbeRJ;
        // the first x (from the right) whose height exceeds Y0 − 10 is the last point drawn
        const Referenz ref = StrahlungsReferenz(5000, 6.626e-34);
        int xStopp = bild.m.L;
        while (xStopp > 1 && KurvenHoehe(art, false, xStopp, 5000, bild.skalaLambda, ref, bild.m.Hmax, 6.626e-34) <= bild.m.Y0 - 10)
            --xStopp;
        ASSERT_GT(xStopp, 1) << relativ;
        // (above the unit line and its label "1", which share the ratio's colour)
        const int ersteSpalte = p.links(farbe, bild.m.Y0 - 160);
        EXPECT_GE(ersteSpalte, bild.m.X0 + xStopp - 1) << relativ;
        EXPECT_LE(ersteSpalte, bild.m.X0 + xStopp + 1) << relativ;
        // and it reaches up to Y0 − 10 (row 10; the end pixel of the last line is left out)
        EXPECT_LE(p.oben(farbe).y(), 11) << relativ;
    }
}

TEST_F(StrahlungsbildTest, UnitLineColoursFollowTheTickedRatios)
{
    const int zeile = 779 - 140 - 150;
    auto farben = [&](bool wien, bool rj) {
        Probe p;
        SchwarzkoerperBild bild(p.canvas, BerechneMasse(1639, 779, 70));
        SchwarzkoerperZustand z;
        z.temperatur = {false, false, false, false, false};  // the line alone
        z.wienRelativ = wien;
        z.rayleighJeansRelativ = rj;
        bild.ZeichneKurven(z);
        QSet<TColor> menge;
        for (int x = bild.m.X0 + 1; x < bild.m.X0 + bild.m.L - 30; ++x)
            menge.insert(p.px(x, zeile));
        return menge;
    };
    EXPECT_EQ(farben(true, false), (QSet<TColor>{FarbeWienRel, 0x000000}));
    EXPECT_EQ(farben(false, true), (QSet<TColor>{FarbeRJRel, 0x000000}));
    EXPECT_EQ(farben(true, true), (QSet<TColor>{FarbeRJRel, FarbeWienRel}));  // gaps in the Wien colour
    EXPECT_EQ(farben(false, false), (QSet<TColor>{0x000000}));
}

TEST_F(StrahlungsbildTest, UnitLabelAboveASmallPictureGoesToItsTop)
{
    // In a picture 250 px high the unit line (150 px above the axis at Y0 = 110) lies
    // above the top; its label "1" then stands at the top edge, left of the axis.
    Probe p(400, 250);
    SchwarzkoerperBild bild(p.canvas, BerechneMasse(400, 250, 70));
    SchwarzkoerperZustand z;
    z.temperatur = {false, false, false, false, false};
    z.wienRelativ = true;
    bild.ZeichneKurven(z);
    ASSERT_LT(bild.m.Y0 - EinheitsHoehe, 0);
    int label = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < bild.m.X0; ++x)
            label += p.px(x, y) == FarbeWienRel;
    EXPECT_GT(label, 0);
}

TEST_F(StrahlungsbildTest, ChangedPlanckConstantMovesTheCurvesAndTheReferenceWithThem)
{
    auto zeichne = [](Probe &p, double h) {
        SchwarzkoerperBild bild(p.canvas, BerechneMasse(1639, 779, 70));
        SchwarzkoerperZustand z = NurGemessen(false);
        z.verschiebung = true;
        z.h = h;
        bild.ZeichneKurven(z);
        return bild;
    };
    Probe vorher;
    zeichne(vorher, 6.626e-34);
    Probe nachher;
    const SchwarzkoerperBild bild = zeichne(nachher, 1.1 * 6.626e-34);
    EXPECT_NE(vorher.bild, nachher.bild);
    // the maximum moves with h to 1.1 · 579.5 nm, and Wien's constant follows h: the
    // reference (5000 K) still touches the dashed line and the locus still meets the peak
    const QPoint spitze = nachher.oben(FarbeGemessen, RechtsVomTitel);
    EXPECT_NEAR((spitze.x() - bild.m.X0) / bild.skalaLambda * 1e9, 1.1 * 579.5, 3.0);
    EXPECT_EQ(spitze.y(), bild.m.Y0 - bild.m.Hmax);
    bool ortAnDerSpitze = false;
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            ortAnDerSpitze |= nachher.canvas.pixel(spitze.x() + dx, spitze.y() + dy) == FarbeVerschiebung;
    EXPECT_TRUE(ortAnDerSpitze);
}

TEST_F(StrahlungsbildTest, UnusablePlanckConstantDrawsOnlyTheAxes)
{
    Probe leer;
    {
        SchwarzkoerperBild bild(leer.canvas, BerechneMasse(1639, 779, 70));
        SchwarzkoerperZustand z;
        z.verschiebung = false;
        bild.ZeichneKurven(z);
    }
    for (double h : {0.0, -6.626e-34, std::nan(""), double(INFINITY)}) {
        for (bool variabel : {false, true}) {
            Probe p;
            SchwarzkoerperBild bild(p.canvas, BerechneMasse(1639, 779, 70));
            SchwarzkoerperZustand z;
            z.variabel = variabel;
            z.temperatur = {true, true, true, true, true};
            z.gemessen = z.wien = z.rayleighJeans = z.verschiebung = true;
            z.h = h;
            bild.ZeichneKurven(z);
            EXPECT_EQ(p.bild, leer.bild) << h;
        }
        Probe q(816, 503), ohneKurven(816, 503);
        PlanckZustand pz;
        pz.temperatur = {true, true, true, true, true};
        pz.h = h;
        PlanckBild(q.canvas, BerechneMasse(816, 503, 100)).ZeichneStrahlungskurven(pz);
        PlanckBild(ohneKurven.canvas, BerechneMasse(816, 503, 100)).Vorbereiten(pz);
        EXPECT_EQ(q.bild, ohneKurven.bild) << h;
    }
}

TEST_F(StrahlungsbildTest, ExtremeSettingsDrawWithoutOverflow)
{
    // shortest and longest axes, the coolest curves on the hottest scale and back;
    // the sanitizers catch any NaN or infinity that reached an integer
    for (int pf : {20, 180})
        for (int pw : {100, 300})
            for (int tref : {2000, 6000})
                for (bool f : {false, true}) {
                    Probe p(400, 300);
                    SchwarzkoerperBild bild(p.canvas, BerechneMasse(400, 300, 70));
                    SchwarzkoerperZustand z;
                    z.ueberFrequenz = f;
                    z.positionFrequenz = pf;
                    z.positionWLaenge = pw;
                    z.refTemperatur = tref;
                    z.temperatur = {true, true, true, true, true};
                    z.gemessen = z.wien = z.rayleighJeans = z.wienRelativ = z.rayleighJeansRelativ = true;
                    z.verschiebung = z.mitSpektrum = true;
                    z.strichbreite = 7;
                    bild.ZeichneKurven(z);
                    z.variabel = true;
                    z.varTemperatur = 1000;
                    bild.ZeichneKurven(z);
                    // the picture is complete down to the secondary scale 80 px under the axis
                    const TColor neben = f ? FarbeWellenSkala : FarbeFrequenzSkala;
                    const int x = bild.m.X0 + bild.m.L / 2;
                    const int y = bild.m.Y0 + 80;
                    EXPECT_TRUE(p.px(x, y - 1) == neben || p.px(x, y) == neben || p.px(x, y + 1) == neben)
                        << pf << " " << pw << " " << tref << " " << f;
                }
    // a picture too small for any axis
    Probe winzig(10, 10);
    SchwarzkoerperBild bild(winzig.canvas, BerechneMasse(10, 10, 70));
    SchwarzkoerperZustand z;
    z.gemessen = z.rayleighJeans = z.rayleighJeansRelativ = z.mitSpektrum = true;
    bild.ZeichneKurven(z);
    PlanckBild planck(winzig.canvas, BerechneMasse(10, 10, 100));
    PlanckZustand pz;
    pz.mitSpektrum = true;
    planck.ZeichneStrahlungskurven(pz);
    EXPECT_EQ(winzig.px(9, 9), 0x000000u);  // cleared, nothing else fits
}

TEST_F(StrahlungsbildTest, SpectrumFillsTheVisibleBandOnly)
{
    for (bool f : {true, false}) {
        Probe p;
        SchwarzkoerperBild bild(p.canvas, BerechneMasse(1639, 779, 70));
        SchwarzkoerperZustand z;
        z.ueberFrequenz = f;
        z.mitSpektrum = true;
        bild.ZeichneKurven(z);
        const double s = f ? bild.skalaNu : bild.skalaLambda;
        auto spalte = [&](double nm) { return Runde(bild.m.X0 + (f ? c / (nm * 1e-9) : nm * 1e-9) * s); };
        const int zeile = bild.m.Y0 - 200;
        // green light (530 nm) inside the band, black just outside both ends
        QSet<TColor> gruen;  // a column may hold several nanometres
        for (int nm = 526; nm <= 534; ++nm)
            gruen.insert(FarbeAusFrequenz(Runde(300000.0 / nm)));
        EXPECT_TRUE(gruen.contains(p.px(spalte(530), zeile))) << f;
        const int a = spalte(390), b = spalte(800);
        EXPECT_EQ(p.px(std::min(a, b) - 3, zeile), 0x000000u) << f;
        EXPECT_EQ(p.px(std::max(a, b) + 3, zeile), 0x000000u) << f;
        // no gap anywhere in the band
        for (int x = std::min(a, b) + 1; x < std::max(a, b); ++x)
            EXPECT_NE(p.px(x, zeile), 0x000000u) << f << " " << x;
    }
}

TEST_F(StrahlungsbildTest, PlanckPictureAtStartAndItsReference)
{
    // 5875 K on the 6000 K scale: the peak lies (5875/6000)^5 ≈ 0.90 of Hmax high
    Probe p;
    PlanckBild bild(p.canvas, BerechneMasse(1639, 779, 100));
    PlanckZustand z;
    z.strichbreite = 1;
    bild.ZeichneStrahlungskurven(z);
    const Diagrammmasse &m = bild.m;
    const int spitze = p.oben(FarbeGemessen, RechtsVomTitel).y();
    EXPECT_NEAR(m.Y0 - spitze, std::pow(5875.0 / 6000, 5) * m.Hmax, 1.5);
    // at Tref = 5900 K almost exactly on the dashed line
    Probe q;
    PlanckBild bild2(q.canvas, m);
    z.refTemperatur = 5900;
    bild2.ZeichneStrahlungskurven(z);
    EXPECT_NEAR(m.Y0 - q.oben(FarbeGemessen, RechtsVomTitel).y(), std::pow(5875.0 / 5900, 5) * m.Hmax, 1.5);
    EXPECT_LT(m.Hmax - (m.Y0 - q.oben(FarbeGemessen, RechtsVomTitel).y()), 0.03 * m.Hmax);
    // drawing a curve again in black erases it: what differs from the bare picture is black
    Probe leer;
    PlanckBild(leer.canvas, m).Vorbereiten(z);
    bild2.ZeichneKurve(5875, false, z);
    int geloescht = 0;
    for (int y = 0; y < q.bild.height(); ++y)
        for (int x = 0; x < q.bild.width(); ++x)
            if (q.px(x, y) != leer.px(x, y)) {
                EXPECT_EQ(q.px(x, y), 0x000000u);
                ++geloescht;
            }
    EXPECT_GT(geloescht, 0);  // where the curve ran along the axis
    EXPECT_EQ(q.anzahl(FarbeGemessen), leer.anzahl(FarbeGemessen));  // only the axis title stays yellow
}
