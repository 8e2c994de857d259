// The Franck–Hertz kit: tube unit and radii, atom placement, thermal collisions, the XOR
// bookkeeping of the sprites, one electron's flight with its inelastic collisions and the
// meter, and the recorded curve with an independent check of its minima.
#include "canvas.h"
#include "franckhertz.h"
#include "franckhertzbild.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

using namespace FranckHertz;

namespace {

// Counts the XOR drawings and remembers whether an excitation happened.
struct Zaehler : Maler {
    int atome = 0, elektron = 0;
    void AtomXor(const TGasAtom &) override { ++atome; }
    void ElektronXor(float, int) override { ++elektron; }
};

Gas GasFuer(const Rohrpunkte &p, int rand = 0)
{
    Gas g;
    g.Einrichten(p, AtomRadien(p.e).r, rand);
    return g;
}

int Angeregte(const Gas &g)
{
    int n = 0;
    for (int k = 1; k <= g.N; ++k)
        n += g.atom[std::size_t(k)].angeregt;
    return n;
}

}  // namespace

TEST(FranckHertzKit, TubeUnitAndRadii)
{
    FrischerZustand();
    // the run window on the largest screens and the smallest tube units
    EXPECT_EQ(FaktorDurchfuehrung(1016 - 121, 49, 1904 - 225, 177), 51);
    struct Fall {
        int e, r, re;
    };
    for (const Fall &f : {Fall{50, 24, 12}, Fall{100, 24, 12}, Fall{49, 24, 12}, Fall{47, 22, 11}, Fall{38, 18, 9},
                          Fall{27, 12, 6}, Fall{20, 12, 6}, Fall{8, 12, 6}}) {
        const Radien r = AtomRadien(f.e);
        EXPECT_EQ(r.r, f.r) << f.e;
        EXPECT_EQ(r.re, f.re) << f.e;
    }
    const Rohrpunkte p = DefinierePunkte(Variante::Kurve, 30, 30, 30);
    EXPECT_EQ(p.t, 150);
    EXPECT_EQ(p.L, 30 + 270);
    EXPECT_EQ(p.S2, QPoint(30 + 270 + 15, 300));
    EXPECT_EQ(p.Voltmeter, QPoint(180, 270));
    EXPECT_EQ(p.R1, 54);
    EXPECT_EQ(p.R2, 12);
}

TEST(FranckHertzKit, ThirtyAtomsArePlacedApartAndAwayFromTheGrid)
{
    for (int e : {27, 38, 50}) {
        for (std::uint64_t saat : {1u, 2u, 3u}) {
            FrischerZustand(saat);
            const Rohrpunkte p = DefinierePunkte(Variante::Durchfuehrung, e, 3 * e, e);
            Gas g = GasFuer(p, saat == 1 ? 0 : KathodenAbstand);
            Zaehler z;
            ASSERT_EQ(g.InitAtome(1, 30, 4, &z), 30) << e;
            EXPECT_EQ(z.atome, 30);
            for (int i = 1; i <= 30; ++i) {
                const TGasAtom &a = g.atom[std::size_t(i)];
                EXPECT_GT(std::abs(a.ort.x - p.gitterX), g.r) << e << " atom " << i;
                EXPECT_GE(a.ort.x, p.kathodeX + g.r + g.rand);
                EXPECT_LE(a.ort.x, p.auffaengerX - g.r - g.rand);
                EXPECT_GE(a.ort.y, p.Y0 + g.r);
                EXPECT_LE(a.ort.y, p.Y0 + p.t - g.r);
                EXPECT_LE(std::abs(a.v.x), 2.0f);
                for (int j = 1; j < i; ++j)
                    EXPECT_GE(std::hypot(a.ort.x - g.atom[std::size_t(j)].ort.x, a.ort.y - g.atom[std::size_t(j)].ort.y),
                              2 * g.r);
            }
        }
    }
}

TEST(FranckHertzKit, PlacementInATubeTooSmallGivesUpAndKeepsWhatFits)
{
    FrischerZustand();
    const Rohrpunkte p = DefinierePunkte(Variante::Durchfuehrung, 8, 24, 8);  // r = 12 in a 48-px tube
    Gas g = GasFuer(p);
    g.versucheJeAtom = 2000;
    const int n = g.InitAtome(1, 30, 4, nullptr);
    EXPECT_GT(n, 0);
    EXPECT_LT(n, 30);
    EXPECT_EQ(g.N, n);
}

TEST(FranckHertzKit, CollisionsOncePerPairAndNotAfterAWallHit)
{
    struct Fall {
        const char *name;
        bool amBoden;       // atom 1 hits the bottom wall in this frame
        bool umgekehrt;     // the pair in the other index order
        int stoesse;
    };
    const Fall faelle[] = {{"free pair", false, false, 1},
                           {"free pair, other order", false, true, 1},
                           {"atom 1 at the wall", true, false, 0}};
    for (const Fall &f : faelle) {
        const Rohrpunkte p = DefinierePunkte(Variante::Durchfuehrung, 50, 150, 50);
        Gas g = GasFuer(p);  // r = 24, touching below 44
        g.N = 2;
        const float y = f.amBoden ? float(p.Y0 + p.t - g.r - 1) : float(p.Y0 + p.t / 2);
        TGasAtom a, b;
        a.ort.SetzeXY(400, y);
        a.v.SetzeXY(3, f.amBoden ? 4.0f : 0.0f);
        b.ort.SetzeXY(436, y);
        b.v.SetzeXY(f.amBoden ? 12.0f : -3.0f, 0);
        g.atom[1] = f.umgekehrt ? b : a;
        g.atom[2] = f.umgekehrt ? a : b;
        const float px = a.v.x + b.v.x, py = a.v.y + b.v.y;
        const float energie = a.v.x * a.v.x + a.v.y * a.v.y + b.v.x * b.v.x + b.v.y * b.v.y;
        Zaehler z;
        g.TemperaturBewegung(&z);
        EXPECT_EQ(g.stoesseImLetztenSchritt, f.stoesse) << f.name;
        EXPECT_EQ(z.atome % 2, 0) << f.name;  // every sprite erased and drawn again
        if (!f.amBoden) {
            // momentum and energy of the equal masses are kept
            const TGasAtom &c = g.atom[1], &d = g.atom[2];
            EXPECT_NEAR(c.v.x + d.v.x, px, 1e-4) << f.name;
            EXPECT_NEAR(c.v.y + d.v.y, py, 1e-4) << f.name;
            EXPECT_NEAR(c.v.x * c.v.x + c.v.y * c.v.y + d.v.x * d.v.x + d.v.y * d.v.y, energie, 1e-3) << f.name;
            EXPECT_LT(std::min(c.v.x, d.v.x), 0.0f);  // they fly apart
        } else {
            EXPECT_TRUE(g.wandStoss[1]);
            EXPECT_EQ(g.atom[1].v.y, -4.0f);
        }
    }
}

TEST(FranckHertzKit, XorDrawingOfMovingAtomsRestoresThePicture)
{
    FrischerZustand(7);
    const Rohrpunkte p = DefinierePunkte(Variante::Durchfuehrung, 30, 90, 30);
    QImage bild(22 * 30, 16 * 30, QImage::Format_RGB32);
    Canvas c(&bild);
    Rohrzeichner z(c, p);
    Zeiger v, s;
    z.ZeichneFranckHertz(v, s);
    const QImage vorher = bild.copy();
    const Sprites sp = DefiniereAtomeElektron(AtomRadien(30));
    SpriteMaler maler(c, sp);
    Gas g = GasFuer(p);
    g.InitAtome(1, 30, 6, &maler);
    EXPECT_NE(bild, vorher);
    int stoesse = 0;
    for (int i = 0; i < 200; ++i) {
        g.TemperaturBewegung(&maler);
        stoesse += g.stoesseImLetztenSchritt;
    }
    g.TemperaturAendern(6, 0);
    g.TemperaturAendern(0, 3);  // from standstill: new symmetric velocities
    g.SetzeAnzahl(12, 3, &maler);
    for (int i = 0; i < 50; ++i)
        g.TemperaturBewegung(&maler);
    EXPECT_GT(stoesse, 0);
    g.LoescheAtome(1, g.N, &maler);
    EXPECT_EQ(bild, vorher);
}

TEST(FranckHertzKit, NeedleErasedByTheDialEdgeRuleLeavesTheDialIntact)
{
    const Rohrpunkte p = DefinierePunkte(Variante::Durchfuehrung, 40, 120, 40);
    auto zifferblatt = [&](QImage &bild) {
        bild = QImage(22 * 40, 16 * 40, QImage::Format_RGB32);
        bild.fill(Qt::darkBlue);
        Canvas c(&bild);
        Rohrzeichner z(c, p);
        z.MessGGehaeuse(p.Amperemeter, true);
    };
    for (double start : {0.0, 1.0, 0.4}) {
        QImage a, b;
        zifferblatt(a);
        zifferblatt(b);
        const QImage leer = a.copy();
        Canvas ca(&a), cb(&b);
        Rohrzeichner za(ca, p), zb(cb, p);
        Zeiger x{p.Amperemeter, 0, false}, y{p.Amperemeter, 0, false};
        za.ZeigerSetzen(x, start);
        za.ZeigerSetzen(x, 0.7);
        zb.ZeigerSetzen(y, 0.7);
        for (int py = 0; py < a.height(); ++py)
            for (int px = 0; px < a.width(); ++px)
                if (ca.pixel(px, py) != cb.pixel(px, py)) {
                    ASSERT_EQ(ca.pixel(px, py), FarbeSkalaRand) << start;  // only the edge colour is left behind
                }
        // the edge itself is intact
        Canvas cl(const_cast<QImage *>(&leer));
        for (int py = 0; py < a.height(); ++py)
            for (int px = 0; px < a.width(); ++px)
                if (cl.pixel(px, py) == FarbeSkalaRand && cb.pixel(px, py) == FarbeSkalaRand) {
                    ASSERT_EQ(ca.pixel(px, py), FarbeSkalaRand);
                }
    }
    // the needle never goes beyond the stop
    QImage a, b;
    zifferblatt(a);
    zifferblatt(b);
    Canvas ca(&a), cb(&b);
    Rohrzeichner za(ca, p), zb(cb, p);
    Zeiger x{p.Amperemeter, 0, false}, y{p.Amperemeter, 0, false};
    za.ZeigerSetzen(x, 1.7);
    zb.ZeigerSetzen(y, 1.0);
    EXPECT_EQ(a, b);
    EXPECT_EQ(x.wert, 1.0);
    for (int I : {0, 100, 800, 8000, 20000})
        EXPECT_LE(StromZeiger(I, 1000), 1.0);
}

// ---- the run window's electron ----------------------------------------------------------------------

namespace {

struct Ergebnis {
    int angeregt = 0, angekommen = 0, nicht = 0;
    double m = 0;
    bool zuLangsam = false;  // an excitation at a speed not above vmin
};

// Flies n electrons through a tube with 30 atoms; every flight ends by itself.
Ergebnis Fliegen(const LaufParameter &par, int n, std::uint64_t saat = 11, std::vector<double> *mVerlauf = nullptr)
{
    FrischerZustand(saat);
    const Rohrpunkte p = DefinierePunkte(Variante::Durchfuehrung, 40, 120, 40);
    const Radien rad = AtomRadien(40);
    Gas g = GasFuer(p);
    g.InitAtome(1, 30, 4, nullptr);
    ElektronenLauf lauf(p, rad);
    lauf.par = par;
    lauf.LaufBeginnen();
    Ergebnis erg;
    for (int i = 0; i < n; ++i) {
        lauf.NeuesElektron(p.Y0 + rad.re + Zufall(6 * 40 - 2 * rad.re + 1));
        for (int schritt = 0; schritt < 100000; ++schritt) {
            const double vor = lauf.v;
            const int vorher = Angeregte(g);
            if (!lauf.Schritt(&g, true, nullptr))
                break;
            const int neu = Angeregte(g) - vorher;
            if (neu > 0) {
                erg.angeregt += neu;
                // one excitation: the electron keeps sqrt(v² − vmin²) of the speed it had
                const double v = lauf.phase == 1 ? vor + par.Ua / (p.gitterX - lauf.x0()) * Ladung / Masse * par.dt
                                                 : vor - par.Ug / (p.auffaengerX - p.gitterX) * Ladung / Masse * par.dt;
                if (v <= lauf.vmin)
                    erg.zuLangsam = true;
                if (neu == 1) {
                    EXPECT_NEAR(lauf.v, std::sqrt(v * v - lauf.vmin * lauf.vmin), 1e-6 * v);
                }
            }
        }
        lauf.Buchen(false);
        ElektronenLauf::AlleAbregen(g, nullptr);
        if (mVerlauf)
            mVerlauf->push_back(lauf.m);
    }
    erg.angekommen = lauf.angekommen;
    erg.nicht = lauf.nichtAngekommen;
    erg.m = lauf.m;
    return erg;
}

}  // namespace

TEST(FranckHertzLauf, ElectronsAtomsAndTheMeter)
{
    struct Fall {
        const char *name;
        double Ua, Ug;
        int P;
        int angeregtMin, angeregtMax;
        double m;  // meter after the last electron (−1: not checked)
    };
    const Fall faelle[] = {
        {"Ua below E: never excites, all arrive", 4.0, 1.0, 20, 0, 0, 1.0},
        {"Ug above Ua: all fall back", 2.0, 3.0, 20, 0, 0, 0.0},
        {"P = 1: never collides", 30.0, 1.0, 1, 0, 0, 1.0},
        {"fast electrons excite", 30.0, 1.0, 20, 1, 100000, -1},
    };
    for (const Fall &f : faelle) {
        LaufParameter par;
        par.Ua = f.Ua;
        par.Ug = f.Ug;
        par.E = 4.9;
        par.P = f.P;
        par.dt = 2.05e-5;
        const Ergebnis erg = Fliegen(par, 15);
        EXPECT_GE(erg.angeregt, f.angeregtMin) << f.name;
        EXPECT_LE(erg.angeregt, f.angeregtMax) << f.name;
        EXPECT_FALSE(erg.zuLangsam) << f.name;
        EXPECT_EQ(erg.angekommen + erg.nicht, 15) << f.name;
        if (f.m >= 0) {
            EXPECT_DOUBLE_EQ(erg.m, f.m) << f.name;
        }
    }
}

TEST(FranckHertzLauf, MeterIsTheShareOfTheLastTenElectrons)
{
    const bool da[] = {1, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    Ankunftsfenster f;
    const int n = int(std::size(da));
    for (int i = 1; i <= n; ++i) {
        f.Buchen(i, da[i - 1]);
        const int von = std::max(1, i - 9);
        const int c = int(std::count(da + von - 1, da + i, true));
        EXPECT_DOUBLE_EQ(f.Anzeige(i), double(c) / (i - von + 1)) << i;
    }
}

TEST(FranckHertzLauf, AFlightStoppedMidwayBooksNothing)
{
    FrischerZustand();
    const Rohrpunkte p = DefinierePunkte(Variante::Durchfuehrung, 40, 120, 40);
    ElektronenLauf lauf(p, AtomRadien(40));
    lauf.par.Ua = 10;
    lauf.LaufBeginnen();
    for (int i = 0; i < 3; ++i) {  // three electrons that arrive
        lauf.NeuesElektron(p.Y0 + 100);
        while (lauf.Schritt(nullptr, false, nullptr)) {
        }
        lauf.Buchen(false);
    }
    EXPECT_DOUBLE_EQ(lauf.m, 1.0);
    Zaehler z;
    lauf.NeuesElektron(p.Y0 + 100);
    lauf.Schritt(nullptr, false, &z);
    lauf.Schritt(nullptr, false, &z);
    EXPECT_EQ(z.elektron, 4);  // moved twice: erased and drawn each time
    lauf.Buchen(true);
    EXPECT_EQ(lauf.m, 0.0);
    EXPECT_EQ(lauf.angekommen, 3);
    EXPECT_EQ(lauf.nichtAngekommen, 0);
    EXPECT_EQ(lauf.fenster.Anzahl(), 3);
}

// ---- the curve ----------------------------------------------------------------------------------

namespace {
KurvenParameter Kurve(double U, double Ug, double E, int N)
{
    const Rohrpunkte p = DefinierePunkte(Variante::Kurve, 40, 40, 40);
    KurvenParameter k;
    k.U = U;
    k.Ug = Ug;
    k.E = E;
    k.N = N;
    k.kathodeX = p.kathodeX;
    k.gitterX = p.gitterX;
    k.auffaengerX = p.auffaengerX;
    return k;
}
}  // namespace

TEST(FranckHertzKurve, NoArrivalsBelowTheCounterVoltage)
{
    std::uint64_t z = 5;
    for (double Ug : {1.0, 2.0, 3.0})
        for (double U : {0.0, 0.2, Ug * 0.5, Ug - 0.05})
            EXPECT_EQ(KurvenSchritt(Kurve(U, Ug, 4.9, 2000), z), 0) << U << " " << Ug;
    EXPECT_GT(KurvenSchritt(Kurve(4.0, 2.0, 4.9, 2000), z), 0);
    EXPECT_EQ(Auffaengerstrom(1000, 10, 20), 500);
    EXPECT_EQ(Auffaengerstrom(3, 0.5, 1), 2);  // 1.5: halves to even
    EXPECT_DOUBLE_EQ(StromZeiger(800, 1000), 1.0);
    EXPECT_DOUBLE_EQ(StromZeiger(400, 1000), 0.5);
}

// An independent look at the simulated physics: the collector current falls at voltages
// spaced by the excitation energy.
TEST(FranckHertzKurve, CurrentMinimaAreSpacedByTheExcitationEnergy)
{
    for (double E : {4.9, 6.7}) {
        std::uint64_t z = 99;
        const double Ug = 2.0;
        std::vector<double> U, I;
        for (double u = 0.5; u <= 30.0; u += 0.1) {
            U.push_back(u);
            I.push_back(KurvenSchritt(Kurve(u, Ug, E, 4000), z) * u);
        }
        // smoothed, then the deepest point in each window between successive maxima
        std::vector<double> g(I.size());
        for (std::size_t i = 0; i < I.size(); ++i) {
            double s = 0;
            int n = 0;
            for (std::size_t j = i >= 3 ? i - 3 : 0; j <= std::min(I.size() - 1, i + 3); ++j, ++n)
                s += I[j];
            g[i] = s / n;
        }
        std::vector<double> minima;
        for (std::size_t i = 10; i + 10 < g.size(); ++i) {
            bool tief = true;
            for (std::size_t j = i - 10; j <= i + 10 && tief; ++j)
                tief = g[j] >= g[i];
            if (tief && g[i] < 0.9 * *std::max_element(g.begin(), g.begin() + long(i)))
                minima.push_back(U[i]);
        }
        ASSERT_GE(minima.size(), 2u) << E;
        for (std::size_t i = 1; i < minima.size(); ++i)
            EXPECT_NEAR(minima[i] - minima[i - 1], E, 0.6) << E << " minimum " << i;
    }
}

// The curve draws its excitations as waiting times instead of testing every step. Against the
// plain flight, where every step faster than vmin excites an atom with its own chance
// p·Δ·sqrt(v/vmin), the collector counts agree within the scatter of the counts.
TEST(FranckHertzKurve, CountsMatchTheFlightTestedStepByStep)
{
    const auto schrittweise = [](const KurvenParameter &k, std::uint64_t saat) {
        std::mt19937_64 zufall(saat);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        const double qm = Ladung / Masse, dt = KurvenZeitschritt;
        const double vmin = std::sqrt(2 * k.E * qm), vUg = std::sqrt(2 * k.Ug * qm);
        const double a1 = k.U / (k.gitterX - k.kathodeX) * qm * dt;
        const double a2 = -k.Ug / (k.auffaengerX - k.gitterX) * qm * dt;
        const auto stoss = [&](double &v) {
            if (v > vmin && u(zufall) < k.p * v * dt * std::sqrt(v / vmin))
                v = std::sqrt(v * v - vmin * vmin);
        };
        int n = 0;
        for (int i = 0; i < k.N; ++i) {
            double x = k.kathodeX, v = 0;
            while (x < k.gitterX) {
                v += a1;
                x += v * dt;
                stoss(v);
            }
            while (x >= k.gitterX && x < k.auffaengerX) {
                v += a2;
                x += v * dt;
                stoss(v);
            }
            if (x >= k.auffaengerX && u(zufall) < v * v / (2 * vUg * vUg) && u(zufall) < v / vmin)
                ++n;
        }
        return n;
    };
    const int N = 20000;
    for (double U : {6.0, 9.7, 12.0, 20.0, 30.0}) {
        std::uint64_t z = 17;
        const KurvenParameter k = Kurve(U, 2.0, 4.9, N);
        const int schnell = KurvenSchritt(k, z), langsam = schrittweise(k, 23);
        const double anteil = double(langsam) / N;
        const double streuung = std::sqrt(2 * N * anteil * (1 - anteil)) + 1;
        EXPECT_NEAR(schnell, langsam, 4.5 * streuung) << U;
    }
}

// The maxima a screen reader hears: peaks of a sawtooth in steps of 4.9 V, none at a still
// rising end, none in a low noisy curve.
TEST(FranckHertzKurve, MaximaOfARecordedCurve)
{
    const auto kurve = [](double bis, const std::function<double(double)> &strom) {
        QList<QPointF> w;
        for (double u = 0; u <= bis + 1e-9; u += 0.1)
            w.append({u, strom(u)});
        return w;
    };
    const auto saege = [](double u) { return 200.0 * std::fmod(u, 4.9) / 4.9 + 10 * u; };
    const QList<double> maxima = FranckHertz::KurvenMaxima(kurve(16, saege));
    ASSERT_EQ(maxima.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(maxima[i], 4.9 * (i + 1), 0.15) << i;
    EXPECT_TRUE(FranckHertz::KurvenMaxima(kurve(4.5, saege)).isEmpty());  // rising to the end
    EXPECT_TRUE(FranckHertz::KurvenMaxima(kurve(16, [](double u) { return u * 37 - std::floor(u * 37 / 3) * 3; }))
                    .isEmpty());
    EXPECT_TRUE(FranckHertz::KurvenMaxima({}).isEmpty());
}
