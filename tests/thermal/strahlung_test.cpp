// The radiation laws of the thermal windows and the geometry of their pictures,
// checked against the guide's numbers and against independent physics (Wien's
// displacement law, the Stefan–Boltzmann law, the classical and Wien limits).
#include "strahlung.h"
#include "strahlungsgeometrie.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Waermestrahlung;

namespace {

constexpr double c = Lichtgeschwindigkeit;
constexpr double H = 6.626e-34;  // Planck's constant as the program starts with it

class StrahlungTest : public ::testing::Test {
protected:
    void SetUp() override { FrischerZustand(); }
};

// Position of the largest value of f on a grid from a to b.
template <class F>
double Maximalstelle(F f, double a, double b, int n)
{
    double best = a, bestWert = -1;
    for (int i = 0; i <= n; ++i) {
        const double q = a + (b - a) * i / n;
        const double w = f(q);
        if (w > bestWert) {
            bestWert = w;
            best = q;
        }
    }
    return best;
}

}  // namespace

TEST_F(StrahlungTest, PlanckDensityMatchesTheTextbookFormula)
{
    // 580 nm at 5000 K, written out with plain exp (x ≈ 4.96, no cancellation issue)
    const double h = 6.626e-34, k = 1.3807e-23, l = 580e-9, T = 5000;
    const double x = h * c / (l * k * T);
    EXPECT_NEAR(x, 4.961, 1e-3);
    const double erwartet = 2 * h * c * c / std::pow(l, 5) / (std::exp(x) - 1);
    EXPECT_NEAR(PlanckLambda(l, T, H) / erwartet, 1.0, 1e-12);
    EXPECT_NEAR(WienLambda(l, T, H) / (2 * h * c * c / std::pow(l, 5) * std::exp(-x)), 1.0, 1e-12);
    EXPECT_NEAR(RJLambda(l, T, H) / (2 * c * k * T / std::pow(l, 4)), 1.0, 1e-12);
    // over frequency: the same heights at ν = c/λ
    EXPECT_NEAR(PlanckNu(c / l, T, H) / PlanckLambda(l, T, H), 1.0, 1e-12);
    EXPECT_NEAR(WienNu(c / l, T, H) / WienLambda(l, T, H), 1.0, 1e-12);
    EXPECT_NEAR(RJNu(c / l, T, H) / RJLambda(l, T, H), 1.0, 1e-12);
    EXPECT_NEAR(WienRelNu(c / l, T, H), WienRelLambda(l, T, H), 1e-12);
    EXPECT_NEAR(RJRelNu(c / l, T, H), RJRelLambda(l, T, H), 1e-12);
    // the ratios are the quotients of the densities
    EXPECT_NEAR(WienRelLambda(l, T, H), WienLambda(l, T, H) / PlanckLambda(l, T, H), 1e-12);
    EXPECT_NEAR(RJRelLambda(l, T, H), RJLambda(l, T, H) / PlanckLambda(l, T, H), 1e-12);
}

TEST_F(StrahlungTest, MaximaFollowWiensDisplacementLaw)
{
    // true maximum of the wavelength density: λ = hc / (4.965114 k T) = 579.5 nm at 5000 K
    const double lmax = Maximalstelle([](double l) { return PlanckLambda(l, 5000, H); }, 400e-9, 800e-9, 40000);
    EXPECT_NEAR(lmax * 1e9, 579.5, 0.1);
    // Wien's displacement constant b = hc / (4,965114 k) = 2,898 · 10⁻³ m·K puts the maxima on the peaks
    EXPECT_NEAR(WienKonstante(H), 2.898e-3, 1e-6);
    EXPECT_NEAR(MaximumLambda(5000, H) / lmax, 1.0, 2e-4);
    // the frequency curve uses the wavelength density: its maximum is at c/λmax ≈ 517 THz
    const double numax = Maximalstelle([](double nu) { return PlanckNu(nu, 5000, H); }, 300e12, 800e12, 50000);
    EXPECT_NEAR(numax * 1e-12, 517.3, 0.3);
    EXPECT_NEAR(MaximumNu(5000, H) * 1e-12, 517.3, 0.1);
    // the maximum moves as 1/T
    const double lmax2000 = Maximalstelle([](double l) { return PlanckLambda(l, 2000, H); }, 1000e-9, 2000e-9, 40000);
    EXPECT_NEAR(lmax2000 / lmax, 2.5, 1e-3);
}

TEST_F(StrahlungTest, ReferenceMaximaAgreeAndSitAtThePeak)
{
    for (int Tref : {2000, 5000, 6000}) {
        const Referenz r = StrahlungsReferenz(Tref, H);
        ASSERT_TRUE(r.gueltig());
        EXPECT_NEAR(r.nu / r.lambda, 1.0, 1e-12) << Tref;
        // the displacement law's maximum is the peak
        const double spitze =
            PlanckLambda(Maximalstelle([&](double l) { return PlanckLambda(l, Tref, H); }, 0.9 * MaximumLambda(Tref, H),
                                       1.1 * MaximumLambda(Tref, H), 20000),
                         Tref, H);
        EXPECT_NEAR(spitze / r.lambda, 1.0, 1e-9);
        // the Planck window's shapes, each against its own reference, give the same heights
        const Referenz f = FormReferenz(Tref, H);
        ASSERT_TRUE(f.gueltig());
        EXPECT_NEAR(PlanckFormLambda(700e-9, 4000, H) / f.lambda, PlanckLambda(700e-9, 4000, H) / r.lambda, 1e-12);
        EXPECT_NEAR(PlanckFormNu(300e12, 4000, H) / f.nu, PlanckNu(300e12, 4000, H) / r.nu, 1e-12);
    }
}

TEST_F(StrahlungTest, TotalRadiationFollowsStefanBoltzmann)
{
    // ∫ B_λ dλ = σT⁴/π with σ = 2π⁵k⁴/(15c²h³), integrated on a logarithmic grid
    const double h = H, k = Boltzmann, T = 3000;
    const double sigma = 2 * std::pow(M_PI, 5) * std::pow(k, 4) / (15 * c * c * std::pow(h, 3));
    const int n = 200000;
    const double a = std::log(20e-9), b = std::log(1e-2);
    double summe = 0;
    for (int i = 0; i <= n; ++i) {
        const double u = a + (b - a) * i / n;
        const double l = std::exp(u);
        summe += (i == 0 || i == n ? 0.5 : 1.0) * PlanckLambda(l, T, H) * l;
    }
    summe *= (b - a) / n;
    EXPECT_NEAR(summe / (sigma * std::pow(T, 4) / M_PI), 1.0, 1e-4);
}

TEST_F(StrahlungTest, RatiosTendToOneInTheirRegions)
{
    // Wien holds for short wavelengths, Rayleigh–Jeans for long ones
    EXPECT_NEAR(WienRelLambda(100e-9, 5000, H), 1.0, 1e-12);
    EXPECT_LT(WienRelLambda(100e-6, 5000, H), 0.03);
    EXPECT_NEAR(RJRelLambda(1e-3, 5000, H), 1.0, 0.002);
    EXPECT_GT(RJRelLambda(300e-9, 5000, H), 30.0);
    EXPECT_NEAR(WienRelNu(3000e12, 5000, H), 1.0, 1e-12);
    EXPECT_NEAR(RJRelNu(1e11, 5000, H), 1.0, 0.001);
    // the ratios lie on the right side of 1 everywhere
    for (double l = 100e-9; l < 1e-4; l *= 1.3) {
        EXPECT_LE(WienRelLambda(l, 3000, H), 1.0);
        EXPECT_GE(RJRelLambda(l, 3000, H), 1.0);
    }
    // small x: no cancellation in 1 − e^(−x) and (eˣ − 1)/x
    const double x = XLambda(1.0, 5000, H);  // about 2.9e-6
    EXPECT_NEAR(WienRelLambda(1.0, 5000, H) / x, 1.0 - x / 2, 1e-11);
    EXPECT_NEAR(RJRelLambda(1.0, 5000, H), 1.0 + x / 2, 1e-11);
}

TEST_F(StrahlungTest, ExtremeArgumentsStayFiniteOrAreLeftOut)
{
    // 2000 K at the first pixel of a short wavelength axis: x far beyond 700
    const double l = 0.5e-9;
    ASSERT_GT(XLambda(l, 2000, H), 700.0);
    EXPECT_EQ(PlanckLambda(l, 2000, H), 0.0);
    EXPECT_EQ(WienLambda(l, 2000, H), 0.0);
    EXPECT_EQ(WienRelLambda(l, 2000, H), 1.0);
    EXPECT_TRUE(std::isinf(RJRelLambda(l, 2000, H)));
    EXPECT_EQ(PlanckNu(c / l, 2000, H), 0.0);
    EXPECT_EQ(WienNu(c / l, 2000, H), 0.0);
    EXPECT_TRUE(std::isfinite(RJLambda(l, 2000, H)));
    // arguments that have no meaning give NaN, never a crash or a number
    for (double bad : {0.0, -1e-6, std::nan(""), double(INFINITY)}) {
        EXPECT_TRUE(std::isnan(PlanckLambda(bad, 5000, H)));
        EXPECT_TRUE(std::isnan(PlanckNu(bad, 5000, H)));
        EXPECT_TRUE(std::isnan(RJRelNu(bad, 5000, H)));
        EXPECT_TRUE(std::isnan(PlanckLambda(500e-9, bad, H)));
        EXPECT_TRUE(std::isnan(MaximumLambda(bad, H)));
    }
}

TEST_F(StrahlungTest, EveryEvaluationUsesTheGivenPlanckConstant)
{
    const double vorher = PlanckLambda(580e-9, 5000, H);
    EXPECT_NE(PlanckLambda(580e-9, 5000, 2 * H), vorher);
    // with twice h the maximum lies at twice the wavelength, and so do the displacement
    // law's maximum and the reference
    const double lmax = Maximalstelle([](double l) { return PlanckLambda(l, 5000, 2 * H); }, 800e-9, 1600e-9, 40000);
    EXPECT_NEAR(lmax * 1e9, 2 * 579.5, 0.2);
    EXPECT_NEAR(MaximumLambda(5000, 2 * H) / MaximumLambda(5000, H), 2.0, 1e-12);
    EXPECT_NEAR(StrahlungsReferenz(5000, 2 * H).lambda / PlanckLambda(MaximumLambda(5000, 2 * H), 5000, 2 * H), 1.0,
                1e-12);
    // Rayleigh–Jeans is the classical law: the same for every h
    EXPECT_EQ(RJLambda(580e-9, 5000, 2 * H), RJLambda(580e-9, 5000, H));
    EXPECT_EQ(RJNu(500e12, 5000, 0.5 * H), RJNu(500e12, 5000, H));

    for (double h : {0.0, -6.626e-34, std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_TRUE(std::isnan(PlanckLambda(580e-9, 5000, h))) << h;
        EXPECT_TRUE(std::isnan(WienNu(500e12, 5000, h))) << h;
        EXPECT_TRUE(std::isnan(RJRelLambda(580e-9, 5000, h))) << h;
        EXPECT_TRUE(std::isnan(PlanckFormNu(500e12, 5000, h))) << h;
        EXPECT_TRUE(std::isnan(MaximumNu(5000, h))) << h;
        EXPECT_FALSE(StrahlungsReferenz(5000, h).gueltig()) << h;
        EXPECT_FALSE(FormReferenz(5000, h).gueltig()) << h;
        EXPECT_TRUE(std::isfinite(RJLambda(580e-9, 5000, h))) << h;
    }
}

// ---- geometry -----------------------------------------------------------------------------------

TEST(StrahlungsGeometrie, OriginAxisAndScales)
{
    const Diagrammmasse m = BerechneMasse(1639, 779, 70);
    EXPECT_EQ(m.X0, 50);
    EXPECT_EQ(m.Y0, 639);
    EXPECT_EQ(m.L, 1569);
    EXPECT_EQ(m.Hmax, 589);
    EXPECT_EQ(BerechneMasse(1639, 779, 100).L, 1539);
    // the axis end (position × 10 THz resp. × 10 nm) lies 20 px before L
    EXPECT_NEAR(SkalaFrequenz(m.L, 120) * 1200e12, m.L - 20, 1e-9);
    EXPECT_NEAR(SkalaWellenlaenge(m.L, 250) * 2500e-9, m.L - 20, 1e-9);
    // heights are clamped a little beyond the picture, NaN stays NaN
    EXPECT_EQ(m.begrenzt(1e300), m.Y0 + 16);
    EXPECT_EQ(m.begrenzt(-INFINITY), m.Y0 - 779 - 16);
    EXPECT_EQ(m.begrenzt(100.0), 100.0);
    EXPECT_TRUE(std::isnan(m.begrenzt(NAN)));
    EXPECT_TRUE(std::isnan(Hoehe(1.0, 0.0, 500)));
    EXPECT_TRUE(std::isnan(Hoehe(1.0, NAN, 500)));
    EXPECT_DOUBLE_EQ(Hoehe(0.5, 2.0, 500), 125.0);
}

TEST(StrahlungsGeometrie, TickStepsFollowTheOneTwoFiveSeries)
{
    struct Fall {
        double pxProEinheit, schritt;
    };
    for (const Fall &f : {Fall{13, 10}, Fall{12, 10}, Fall{11.9, 20}, Fall{6, 20}, Fall{5.9, 50}, Fall{2.5, 50},
                          Fall{2.39, 100}, Fall{1.0, 200}, Fall{0.3, 500}, Fall{0.1, 2000}, Fall{1e-4, 2e6}})
        EXPECT_EQ(TickSchritt(f.pxProEinheit), f.schritt) << f.pxProEinheit;
    for (double bad : {0.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_EQ(TickSchritt(bad), 0.0) << bad;
}

TEST(StrahlungsGeometrie, MainAxisTicks)
{
    const int L = 1569;
    // frequency axis up to 1190 THz: 1.30 px/THz, step 100 THz, ticks from 0 below L − 20
    const auto f = HauptTicks(true, SkalaFrequenz(L, 119), L);
    ASSERT_FALSE(f.isEmpty());
    EXPECT_EQ(f.first().wert, 0);
    EXPECT_EQ(f.first().x, 0.0);
    EXPECT_EQ(f[1].wert, 100);
    EXPECT_NEAR(f[1].x, 100 * 1549.0 / 1190, 1e-9);
    for (const Tick &t : f)
        EXPECT_LT(t.x, L - 20);
    EXPECT_EQ(f.last().wert, 1100);
    // wavelength axis up to 2500 nm: 0.62 px/nm, step 200 nm, ticks from 200 nm
    const auto w = HauptTicks(false, SkalaWellenlaenge(L, 250), L);
    ASSERT_EQ(w.size(), 12);
    EXPECT_EQ(w.first().wert, 200);
    EXPECT_EQ(w.last().wert, 2400);
    // a zoomed-in axis gets finer steps, and a broken scale none
    EXPECT_EQ(HauptTicks(false, SkalaWellenlaenge(L, 100), L)[0].wert, 100);
    EXPECT_TRUE(HauptTicks(true, 0.0, L).isEmpty());
    EXPECT_TRUE(HauptTicks(true, SkalaFrequenz(10, 120), 10).isEmpty());
}

TEST(StrahlungsGeometrie, NoTickAtTheAxisEnd)
{
    // The axis ends at position × 10 THz resp. nm, exactly at L − 20; a tick there is not
    // below L − 20, whatever the rounding of k·step·scale (1200 THz on the Planck window's
    // 999-pixel picture used to appear, 2500 nm on other widths not).
    for (int L : {766, 899, 929, 1539, 1569}) {
        for (int pos = 20; pos <= 180; ++pos)
            for (const Tick &t : HauptTicks(true, SkalaFrequenz(L, pos), L))
                ASSERT_LT(t.wert, pos * 10) << L << " " << pos;
        for (int pos = 100; pos <= 300; ++pos)
            for (const Tick &t : HauptTicks(false, SkalaWellenlaenge(L, pos), L))
                ASSERT_LT(t.wert, pos * 10) << L << " " << pos;
    }
}

TEST(StrahlungsGeometrie, SecondaryScaleTicksSitAtTheOtherQuantity)
{
    const int L = 1569;
    const double sNu = SkalaFrequenz(L, 120);
    auto finde = [](const QVector<Tick> &ticks, int wert) -> const Tick * {
        for (const Tick &t : ticks)
            if (t.wert == wert)
                return &t;
        return nullptr;
    };
    // under the frequency axis: wavelengths in nm
    const auto nm = NebenTicks(true, sNu, L);
    const Tick *t500 = finde(nm, 500);
    ASSERT_NE(t500, nullptr);
    EXPECT_TRUE(t500->beschriftet);
    EXPECT_NEAR(t500->x, c / 500e-9 * sNu, 1e-9);
    EXPECT_EQ(finde(nm, 200), nullptr);  // 1499 THz lies beyond the axis
    ASSERT_NE(finde(nm, 450), nullptr);
    EXPECT_FALSE(finde(nm, 450)->beschriftet);
    EXPECT_TRUE(finde(nm, 1000)->beschriftet);
    EXPECT_FALSE(finde(nm, 2000)->beschriftet);
    EXPECT_TRUE(finde(nm, 4000)->beschriftet);
    for (const Tick &t : nm) {
        EXPECT_GE(t.x, 0.0);
        EXPECT_LE(t.x, L);
    }
    // under the wavelength axis: frequencies in THz
    const double sL = SkalaWellenlaenge(L, 250);
    const auto thz = NebenTicks(false, sL, L);
    EXPECT_EQ(finde(thz, 100), nullptr);  // 2998 nm lies beyond 2528 nm
    ASSERT_NE(finde(thz, 150), nullptr);
    EXPECT_TRUE(finde(thz, 150)->beschriftet);
    EXPECT_NEAR(finde(thz, 150)->x, c / 150e12 * sL, 1e-9);
    EXPECT_FALSE(finde(thz, 250)->beschriftet);
    EXPECT_TRUE(finde(thz, 4000)->beschriftet);
    EXPECT_FALSE(finde(thz, 3000)->beschriftet);
    EXPECT_TRUE(NebenTicks(false, NAN, L).isEmpty());
}
