#include "franckhertz.h"

#include "global.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace FranckHertz {

// ---- vectors ---------------------------------------------------------------------------------

void TPolarVektor::SetzeXY(float nx, float ny)
{
    x = nx;
    y = ny;
    laenge = std::sqrt(x * x + y * y);
    winkel = std::atan2(y, x);
}

void TPolarVektor::SetzePolar(float l, float w)
{
    laenge = l;
    winkel = w;
    x = l * std::cos(w);
    y = l * std::sin(w);
}

void TPolarVektor::Skaliere(float s)
{
    x *= s;
    y *= s;
    laenge *= std::fabs(s);
}

// ---- tube unit and points ------------------------------------------------------------------------

namespace {
constexpr int KleinsteEinheit = 8;  // keeps a usable picture on tiny screens
}

int FaktorAnordnung(int R, int titelUnten, int F2, int W, int hw, int mw)
{
    const int e = std::min((R - titelUnten - 6 * F2 - 24) / 10, std::min(W - hw - mw - 16, 1200) / 22);
    return std::max(e, KleinsteEinheit);
}

int FaktorDurchfuehrung(int R, int titelUnten, int simLinks, int atomeRechts)
{
    const int e = std::min((R - titelUnten - 24) / 16, std::min(simLinks - atomeRechts - 24, 1200) / 22);
    return std::max(e, KleinsteEinheit);
}

int FaktorKurve(int R, int titelUnten, int B, int atomeRechts)
{
    const int e = std::min(Runde(0.6 * (R + 81 - titelUnten - 8)) / 13, (B - atomeRechts - 16) / 22);
    return std::max(e, KleinsteEinheit);
}

Rohrpunkte DefinierePunkte(Variante art, int X0, int Y0, int e)
{
    Rohrpunkte p;
    p.art = art;
    p.e = e;
    p.X0 = X0;
    p.Y0 = Y0;
    p.t = art == Variante::Kurve ? 5 * e : 6 * e;
    p.L = art == Variante::Kurve ? Y0 + 9 * e : Y0 + 10 * e;
    p.kathodeX = X0 + e;
    p.gitterX = X0 + 11 * e;
    p.auffaengerX = X0 + 17 * e;
    p.kathodeOben = {p.kathodeX, Y0 + 12};
    p.kathodeUnten = {p.kathodeX, Y0 + p.t - 12};
    p.gitterOben = {p.gitterX, Y0};
    p.gitterUnten = {p.gitterX, Y0 + p.t};
    p.auffaengerOben = {p.auffaengerX, Y0 + 8};
    p.auffaengerUnten = {p.auffaengerX, Y0 + p.t - 8};
    p.C1 = {X0 + e, p.L};
    p.C2 = {X0 + 17 * e, p.L};
    p.UaMinus = {X0 + 3 * e + 16, p.L};
    p.UaPlus = {X0 + 7 * e - 16, p.L};
    p.S1 = {X0 + 8 * e, p.L};
    p.S2 = {X0 + 9 * e + e / 2, p.L};
    p.UgPlus = {X0 + 12 * e + 16, p.L};    // wired to the grid
    p.UgMinus = {X0 + 16 * e - 16, p.L};   // wired through the meter to the collector
    p.Voltmeter = {X0 + 5 * e, art == Variante::Kurve ? Y0 + 8 * e : Y0 + 9 * e};
    p.Amperemeter = {X0 + 19 * e - 16, Y0 + 9 * e};
    p.H1 = {X0 - 2 * e, Y0 + 3 * e};
    p.H2 = {X0 - 2 * e, Y0 + 4 * e};
    p.R1 = Runde(1.8 * e);
    p.R2 = Runde(0.4 * e);
    return p;
}

Radien AtomRadien(int e)
{
    Radien r;
    r.r = std::clamp((e / 2) & ~1, 12, 24);
    r.re = r.r / 2;
    return r;
}

// ---- the gas -------------------------------------------------------------------------------------

void Gas::Einrichten(const Rohrpunkte &p, int radius, int randAbstand)
{
    r = radius;
    rand = randAbstand;
    kathodeX = p.kathodeX;
    gitterX = p.gitterX;
    auffaengerX = p.auffaengerX;
    Y0 = p.Y0;
    t = p.t;
}

int Gas::InitAtome(int first, int last, float T, Maler *m)
{
    first = std::max(first, 1);
    last = std::min(last, MaxAtome);
    const int xLinks = kathodeX + r + rand;
    const int xSpanne = auffaengerX - r - rand - xLinks + 1;
    const int ySpanne = t - 2 * r + 1;
    for (int k = first; k <= last; ++k) {
        bool platz = false;
        int x = 0, y = 0;
        for (int versuch = 0; versuch < versucheJeAtom && !platz && xSpanne > 0 && ySpanne > 0; ++versuch) {
            x = xLinks + Zufall(xSpanne);
            if (std::abs(x - gitterX) <= r)
                continue;  // drawn again
            y = Y0 + r + Zufall(ySpanne);
            platz = true;
            for (int j = 1; j < k && platz; ++j) {
                const float dx = atom[j].ort.x - x, dy = atom[j].ort.y - y;
                platz = dx * dx + dy * dy >= float(4 * r * r);
            }
        }
        if (!platz) {
            N = k - 1;
            return N;
        }
        TGasAtom &a = atom[k];
        a = TGasAtom{};
        a.ort.SetzeXY(float(x), float(y));
        a.angeregt = angeregteAmAnfang && Zufall(3) + 1 >= k ? 1 : 0;
        const float vx = float((2 * Zufall() - 1) * T / 2), vy = float((2 * Zufall() - 1) * T / 2);
        a.v.SetzeXY(vx, vy);
        if (m)
            m->AtomXor(a);
        N = k;
    }
    return N;
}

void Gas::LoescheAtome(int first, int last, Maler *m)
{
    if (!m)
        return;
    for (int k = std::max(first, 1); k <= std::min(last, MaxAtome); ++k)
        m->AtomXor(atom[k]);
}

void Gas::SetzeAnzahl(int n, float T, Maler *m)
{
    n = std::clamp(n, 0, MaxAtome);
    if (n > N)
        InitAtome(N + 1, n, T, m);
    else if (n < N) {
        LoescheAtome(n + 1, N, m);
        N = n;
    }
}

void Gas::Verschiebe(int k, float x, float y, Maler *m)
{
    if (m)
        m->AtomXor(atom[k]);
    // a collision never pushes an atom into the cathode or the collector
    x = std::min(std::max(x, float(kathodeX + r + rand)), float(auffaengerX - r - rand));
    atom[k].ort.SetzeXY(x, y);
    if (m)
        m->AtomXor(atom[k]);
}

void Gas::TemperaturBewegung(Maler *m)
{
    for (auto &zeile : paarMarke)
        zeile.fill(false);
    wandStoss.fill(false);
    stoesseImLetztenSchritt = 0;
    const float beruehrt = float(2 * (r - 2));
    const float halb = float(r - 2);
    for (int i = 1; i <= N; ++i) {
        TGasAtom &a = atom[i];
        float px = a.ort.x + a.v.x, py = a.ort.y + a.v.y;
        bool wand = true;
        if (py > float(Y0 + t - r)) {
            py = float(Y0 + t - r);
            a.v.SetzeXY(a.v.x, -a.v.y);
        } else if (py < float(Y0 + r)) {
            py = float(Y0 + r);
            a.v.SetzeXY(a.v.x, -a.v.y);
        } else if (px < float(kathodeX + r + rand)) {
            px = float(kathodeX + r + rand);
            a.v.SetzeXY(-a.v.x, a.v.y);
        } else if (px > float(auffaengerX - r - rand)) {
            px = float(auffaengerX - r - rand);
            a.v.SetzeXY(-a.v.x, a.v.y);
        } else {
            wand = false;
        }
        wandStoss[std::size_t(i)] = wand;
        if (!wand) {
            for (int j = 1; j <= N; ++j) {
                if (j == i || paarMarke[std::size_t(i)][std::size_t(j)] || paarMarke[std::size_t(j)][std::size_t(i)])
                    continue;
                TGasAtom &b = atom[std::size_t(j)];
                const float dx = b.ort.x - px, dy = b.ort.y - py;
                if (dx * dx + dy * dy >= beruehrt * beruehrt)
                    continue;
                // elastic collision of equal masses
                const float mx = (px + b.ort.x) / 2, my = (py + b.ort.y) / 2;
                const float phi = std::atan2(dy, dx);
                const float nx = std::cos(phi), ny = std::sin(phi);
                px = mx - halb * nx;
                py = my - halb * ny;
                const float qx = mx + halb * nx, qy = my + halb * ny;
                const float cx = (a.v.x + b.v.x) / 2, cy = (a.v.y + b.v.y) / 2;
                TPolarVektor va, vb;
                va.SetzeXY(a.v.x - cx, a.v.y - cy);
                const float theta = 2 * phi - va.winkel;
                const float betrag = va.laenge;
                va.SetzePolar(betrag, theta + float(M_PI));
                vb.SetzePolar(betrag, theta);
                a.v.SetzeXY(va.x + cx, va.y + cy);
                b.v.SetzeXY(vb.x + cx, vb.y + cy);
                Verschiebe(j, qx + b.v.x, qy + b.v.y, m);
                paarMarke[std::size_t(i)][std::size_t(j)] = true;
                ++stoesseImLetztenSchritt;
            }
        }
        Verschiebe(i, px, py, m);
    }
}

void Gas::TemperaturAendern(float alt, float neu)
{
    for (int k = 1; k <= N; ++k) {
        TGasAtom &a = atom[std::size_t(k)];
        if (alt > 0) {
            const float s = neu / alt;
            a.v.Skaliere(s);
        } else {
            a.v.SetzeXY(float((2 * Zufall() - 1) * neu / 2), float((2 * Zufall() - 1) * neu / 2));
        }
    }
}

// ---- one electron at a time ------------------------------------------------------------------------

double Mindestgeschwindigkeit(double E) { return std::sqrt(2 * E * Ladung / Masse); }

void Ankunftsfenster::Buchen(int n, bool angekommen)
{
    auto dropAeltesten = [this] {
        std::rotate(stempel_.begin(), stempel_.begin() + 1, stempel_.end());
        --c_;
    };
    // a stamp n0 + 10 is forgotten once ten more electrons have been emitted, so that
    // the window holds the arrivals among electrons n − 9 … n
    while (c_ > 0 && stempel_[0] <= n)
        dropAeltesten();
    if (c_ == 10)
        dropAeltesten();
    if (angekommen)
        stempel_[std::size_t(c_++)] = n + 10;
}

double Ankunftsfenster::Anzeige(int n) const
{
    if (n <= 0)
        return 0;
    return n > 10 ? c_ / 10.0 : double(c_) / n;
}

void ElektronenLauf::LaufBeginnen()
{
    fenster.Leeren();
    n = 0;
    m = 0;
    phase = 0;
    vmin = Mindestgeschwindigkeit(par.E);
}

void ElektronenLauf::NeuesElektron(int yStart)
{
    y = yStart;
    x = float(x0());
    ++n;
    v = 0;
    s = 0;
    vmin = Mindestgeschwindigkeit(par.E);
    phase = 1;
}

bool ElektronenLauf::Schritt(Gas *gas, bool atomBewegung, Maler *maler)
{
    if (phase == 1 && !(x < float(p_.gitterX)))
        phase = 2;
    if (phase == 2 && !(float(p_.gitterX) < x && x < float(p_.auffaengerX)))
        phase = 0;
    if (phase == 0)
        return false;
    const double qm = Ladung / Masse;
    float neuX;
    if (phase == 1) {
        ++s;
        if (atomBewegung && gas)
            gas->TemperaturBewegung(maler);
        const double a1 = (par.Ua / double(p_.gitterX - x0())) * qm;
        v += a1 * par.dt;
        neuX = float(x + v * par.dt);
        if (float(p_.gitterX - 2 * rad_.re) < neuX && neuX < float(p_.gitterX + rad_.re) && Zufall() * v * 30 < vmin)
            neuX = float(p_.gitterX - rad_.re);  // held just before the grid
    } else {
        const double a2 = -(par.Ug / double(p_.auffaengerX - p_.gitterX)) * qm;
        v += a2 * par.dt;
        if (atomBewegung && gas)
            gas->TemperaturBewegung(maler);
        neuX = std::clamp(float(x + v * par.dt), float(p_.gitterX), float(p_.auffaengerX));
    }
    if (maler)
        maler->ElektronXor(x, y);
    x = neuX;
    if (maler)
        maler->ElektronXor(x, y);
    if (gas)
        Stossdurchgang(*gas, maler);
    return true;
}

void ElektronenLauf::Stossdurchgang(Gas &gas, Maler *maler)
{
    const float r2 = float(rad_.r * rad_.r);
    for (int k = 1; k <= gas.N; ++k) {
        TGasAtom &a = gas.atom[std::size_t(k)];
        if (a.angeregt) {
            if (par.T + Zufall(par.T + 1) < s - a.anregSchritt) {
                if (maler)
                    maler->AtomXor(a);
                a.angeregt = 0;
                a.anregSchritt = 0;
                if (maler)
                    maler->AtomXor(a);
            }
            continue;
        }
        const float dx = a.ort.x - x, dy = a.ort.y - float(y);
        if (dx * dx + dy * dy < r2 && v > vmin && Zufall() * par.P > 1) {
            if (maler)
                maler->AtomXor(a);
            a.angeregt = 1;
            a.anregSchritt = s;
            if (maler) {
                maler->AtomXor(a);
                if (par.stossPause > 0)
                    maler->StossPause(par.stossPause);
            }
            v = std::sqrt(v * v - vmin * vmin);
        }
    }
}

void ElektronenLauf::Buchen(bool gestoppt)
{
    if (gestoppt) {
        m = 0;
        return;
    }
    const bool da = x >= float(p_.auffaengerX);
    fenster.Buchen(n, da);
    if (da)
        ++angekommen;
    else
        ++nichtAngekommen;
    m = fenster.Anzeige(n);
}

void ElektronenLauf::AlleAbregen(Gas &gas, Maler *maler)
{
    for (int k = 1; k <= gas.N; ++k) {
        TGasAtom &a = gas.atom[std::size_t(k)];
        if (!a.angeregt)
            continue;
        if (maler)
            maler->AtomXor(a);
        a.angeregt = 0;
        a.anregSchritt = 0;
        if (maler)
            maler->AtomXor(a);
    }
}

// ---- the curve -------------------------------------------------------------------------------------

namespace {

// Position after n steps of v += a, x += v·dt from (x, v).
inline double NachSchritten(double x, double v, double a, double dt, double n)
{
    return x + dt * (n * v + a * n * (n + 1) / 2);
}

// floor(y) for |y| ≤ 1e15 (y is clamped to that range).
inline double Abrunden(double y)
{
    y = std::clamp(y, -1e15, 1e15);
    const double t = double(std::int64_t(y));
    return t > y ? t - 1 : t;
}

// The smallest n ≥ 1 at which the position reaches ziel > x (x_n ≥ ziel), or 0 if never.
inline double ErsterSchrittBis(double x, double v, double a, double dt, double ziel)
{
    // root of dt·a/2·n² + dt·(v + a/2)·n + (x − ziel) = 0 in the form free of cancellation
    const double B = dt * (v + a / 2), C = x - ziel;
    const double D = B * B - 2 * dt * a * C;
    if (!(D >= 0))
        return 0;
    const double nenner = B + std::sqrt(D);
    if (!(nenner > 0))
        return 0;
    double m = std::max(1.0, -Abrunden(2 * C / nenner));
    while (m > 1 && NachSchritten(x, v, a, dt, m - 1) >= ziel)
        --m;
    for (int i = 0; i < 4 && NachSchritten(x, v, a, dt, m) < ziel; ++i)
        ++m;
    return NachSchritten(x, v, a, dt, m) >= ziel ? m : 0;
}

// The smallest n ≥ 1 with v + n·a > vmin (a > 0, ka = 1/a).
inline double ErsterSchrittUeber(double v, double vmin, double a, double ka)
{
    if (v > vmin)
        return 1;
    double n = std::max(1.0, Abrunden((vmin - v) * ka) + 1);
    while (n > 1 && v + (n - 1) * a > vmin)
        --n;
    while (v + n * a <= vmin)
        ++n;
    return n;
}

// The number of steps 1 … m with v − n·b > vmin (b > 0, kb = 1/b).
inline double SchritteUeber(double v, double vmin, double b, double kb)
{
    double m = std::max(0.0, -Abrunden((vmin - v) * kb) - 1);
    while (m > 0 && !(v - m * b > vmin))
        --m;
    while (v - (m + 1) * b > vmin)
        ++m;
    return m;
}

// xorshift64*: 64 random bits.
inline std::uint64_t ZufallBits(std::uint64_t &z)
{
    z ^= z >> 12;
    z ^= z << 25;
    z ^= z >> 27;
    return z * 0x2545F4914F6CDD1DULL;
}

// A uniform double in [0, 1) from 53 bits.
inline double ZufallLokal(std::uint64_t &z) { return double(ZufallBits(z) >> 11) * 0x1.0p-53; }

// −ln u for a uniform u in (0, 1): an exponential waiting "time" with mean 1. The logarithm is
// taken from the exponent and a series in s = (m − 1)/(m + 1) for the mantissa m in [0.7, 1.4],
// exact to about 1e−9.
inline double ExpZufall(std::uint64_t &z)
{
    const double u = (double(ZufallBits(z) >> 11) + 0.5) * 0x1.0p-53;
    std::uint64_t bits;
    std::memcpy(&bits, &u, sizeof bits);
    // u = 2^e · m with m in [√½, √2)
    const std::uint64_t verschoben = bits - 0x3FE6A09E667F3BCDULL;
    const std::int64_t e = std::int64_t(verschoben) >> 52;
    const std::uint64_t mBits = bits - (std::uint64_t(e) << 52);
    double m;
    std::memcpy(&m, &mBits, sizeof m);
    const double s = (m - 1) / (m + 1), s2 = s * s;
    const double lnM = 2 * s * (1 + s2 * (1.0 / 3 + s2 * (1.0 / 5 + s2 * (1.0 / 7 + s2 * (1.0 / 9)))));
    return -(double(e) * 0.6931471805599453 + lnM);
}

// Chance of an excitation in one step at speed u: q = cq·u^1.5. Its hazard −ln(1 − q) adds up
// along the flight; the first excitation comes where the sum passes an Exp(1) number, which is
// the same as a random test with chance q at every step.
inline double Gefahr(double cq, double u)
{
    const double q = cq * u * std::sqrt(u);
    return q < 1 ? -std::log1p(-q) : 50.0;
}

// The integral G(u) of the hazard over the speed from uLo, tabulated, and its inverse. A run of
// steps at speeds w + a, w + 2a, … w + na sums the hazards (G(w + (n + ½)a) − G(w + ½a)) / a
// (midpoint rule; a is far below u, so this is exact to far better than a part in 10⁴).
class Gefahrintegral {
public:
    Gefahrintegral(double cq, double uLo, double uHi) : uLo_(uLo), du_((uHi - uLo) / Stuetzen), kdu_(1 / du_)
    {
        double hAlt = Gefahr(cq, uLo);
        for (std::size_t i = 1; i <= Stuetzen; ++i) {
            const double h = Gefahr(cq, uLo + double(i) * du_);
            g_[i].wert = g_[i - 1].wert + (hAlt + h) / 2 * du_;
            hAlt = h;
        }
        gMax_ = g_[Stuetzen].wert;
        kdg_ = gMax_ > 0 ? Stuetzen / gMax_ : 0.0;
        // the inverse on an even grid of G: where the piecewise linear G reaches j·gMax/Stuetzen
        std::size_t i = 0;
        for (std::size_t j = 0; j <= Stuetzen; ++j) {
            const double g = double(j) * gMax_ / Stuetzen;
            while (i + 1 < Stuetzen && g_[i + 1].wert < g)
                ++i;
            const double d = g_[i + 1].wert - g_[i].wert;
            const double f = d > 0 ? std::clamp((g - g_[i].wert) / d, 0.0, 1.0) : 0.0;
            u_[j].wert = uLo_ + (double(i) + f) * du_;
        }
        for (std::size_t k = 0; k < Stuetzen; ++k) {
            g_[k].steigung = g_[k + 1].wert - g_[k].wert;
            u_[k].steigung = u_[k + 1].wert - u_[k].wert;
        }
    }

    double G(double u) const
    {
        const double t = std::clamp((u - uLo_) * kdu_, 0.0, double(Stuetzen));
        const int i = int(t);
        return g_[std::size_t(i)].wert + (t - i) * g_[std::size_t(i)].steigung;
    }

    // The speed u with G(u) = g; −∞ below the table, +∞ above it.
    double Umkehr(double g) const
    {
        const double t = std::clamp(g * kdg_, 0.0, double(Stuetzen));
        const int j = int(t);
        const double u = u_[std::size_t(j)].wert + (t - j) * u_[std::size_t(j)].steigung;
        return g < 0 ? -HUGE_VAL : g > gMax_ ? HUGE_VAL : u;
    }

private:
    static constexpr std::size_t Stuetzen = 1024;
    double uLo_, du_, kdu_, gMax_ = 0, kdg_ = 0;
    // values at the nodes and slopes to the next node (0 after the last)
    struct Knoten {
        double wert = 0, steigung = 0;
    };
    std::array<Knoten, Stuetzen + 1> g_{}, u_{};
};

}  // namespace

int KurvenSchritt(const KurvenParameter &k, std::uint64_t &zustand)
{
    if (zustand == 0)
        zustand = 0x9E3779B97F4A7C15ULL;
    if (k.U <= 0 || k.N <= 0 || k.gitterX <= k.kathodeX || k.auffaengerX <= k.gitterX)
        return 0;
    const double qm = Ladung / Masse;
    const double dt = KurvenZeitschritt;
    const double vmin = std::sqrt(2 * k.E * qm);
    const double vmin2 = vmin * vmin;
    // speed gained per step before the grid, lost per step behind it
    const double a1 = (k.U / double(k.gitterX - k.kathodeX)) * qm * dt, ka1 = 1 / a1;
    const double b = (std::max(k.Ug, 0.0) / double(k.auffaengerX - k.gitterX)) * qm * dt, kb = b > 0 ? 1 / b : 0.0;
    const double vUg = std::sqrt(2 * Ladung * std::max(k.Ug, 1e-9) / Masse);
    const double halbeVUg2 = 0.5 / (vUg * vUg);
    // chance of an excitation in one step: p·Δ·sqrt(v/vmin) with Δ = v·dt
    const double cq = k.p * dt / std::sqrt(vmin);
    const double xK = k.kathodeX, xG = k.gitterX, xA = k.auffaengerX;

    // The flight without an excitation is the same for every electron: it reaches the grid
    // at step nGitter, faster than any electron that has excited an atom.
    const double nGitter = ErsterSchrittBis(xK, 0, a1, dt, xG);
    const double xGitter = NachSchritten(xK, 0, a1, dt, nGitter), vGitter = nGitter * a1;
    const bool anregbar = vGitter > vmin;
    const double rand = 2 * std::max(a1, b);
    const Gefahrintegral tafel(cq, anregbar ? std::max(0.0, vmin - rand) : 0.0, anregbar ? vGitter + rand : 1.0);
    const double n1Start = ErsterSchrittUeber(0, vmin, a1, ka1);
    const bool anregbarStart = anregbar && (n1Start == 1 || NachSchritten(xK, 0, a1, dt, n1Start - 1) < xG);
    const double g1Start = anregbarStart ? tafel.G((n1Start - 0.5) * a1) : 0.0;
    const double gefahrStart = anregbarStart ? (tafel.G(vGitter + 0.5 * a1) - g1Start) * ka1 : 0.0;
    const double naStart = ErsterSchrittBis(xGitter, vGitter, -b, dt, xA);

    // The electrons fly independently. A block of them at a time is moved from one excitation
    // to the next in passes over the block, which keeps the processor busy with several at once.
    struct Flug {
        double x, v;
        double rest;  // hazard left until the next excitation
        double g1;    // G at the start of the stretch before the grid
        bool frei;    // no excitation yet
    };
    constexpr std::size_t Block = 256;
    std::array<Flug, Block> flug;
    std::array<int, Block> listeA, listeB, listeC;
    int n = 0;
    for (int erstes = 0; erstes < k.N; erstes += int(Block)) {
        const std::size_t N = std::min(Block, std::size_t(k.N - erstes));
        int *aktiv = listeA.data(), *weiter = listeB.data(), *fertig = listeC.data();
        for (std::size_t i = 0; i < N; ++i) {
            flug[i] = {xK, 0.0, ExpZufall(zustand), 0.0, true};
            aktiv[i] = fertig[i] = int(i);
        }

        // acceleration between cathode and grid, one excitation per pass
        std::size_t nAktiv = anregbar ? N : 0, nFertig = anregbar ? 0 : N;
        while (nAktiv > 0) {
            std::size_t nWeiter = 0;
            for (std::size_t j = 0; j < nAktiv; ++j) {
                const int i = aktiv[j];
                Flug &f = flug[std::size_t(i)];
                const double x = f.x, v = f.v;
                // the first step faster than vmin, unless the grid comes first
                const double n1 = ErsterSchrittUeber(v, vmin, a1, ka1);
                const bool moeglich = (n1 == 1) | (NachSchritten(x, v, a1, dt, n1 - 1) < xG);
                const double g1 = tafel.G(v + (n1 - 0.5) * a1);
                const double w = tafel.Umkehr(g1 + a1 * f.rest);
                // the excitation comes at the first step whose speed interval reaches past w
                const double ne = std::max(n1, Abrunden((w - v) * ka1 - 0.5) + 1);
                const bool stoss = moeglich & ((ne == n1) | (NachSchritten(x, v, a1, dt, ne - 1) < xG));
                const double vn = v + ne * a1;
                if (stoss) {
                    f.x = NachSchritten(x, v, a1, dt, ne);
                    f.v = std::sqrt(std::max(vn * vn - vmin2, 0.0));
                    f.rest = ExpZufall(zustand);
                    f.frei = false;
                }
                f.g1 = moeglich ? g1 : HUGE_VAL;
                // an excitation in the step that reaches the grid ends this part of the flight
                const bool noch = stoss & (f.x < xG);
                weiter[nWeiter] = i;
                fertig[nFertig] = i;
                nWeiter += noch;
                nFertig += !noch;
            }
            std::swap(aktiv, weiter);
            nAktiv = nWeiter;
        }
        // to the grid without a further excitation; only those still faster than vmin can excite
        // an atom behind it
        std::size_t nEnde = 0;
        for (std::size_t j = 0; j < nFertig; ++j) {
            const int i = fertig[j];
            Flug &f = flug[std::size_t(i)];
            if (f.x < xG) {
                if (f.frei) {
                    if (anregbarStart)
                        f.rest -= gefahrStart;
                    f.x = xGitter;
                    f.v = vGitter;
                } else {
                    const double nG = ErsterSchrittBis(f.x, f.v, a1, dt, xG);
                    if (f.g1 < HUGE_VAL)
                        f.rest -= (tafel.G(f.v + (nG + 0.5) * a1) - f.g1) * ka1;
                    f.x = NachSchritten(f.x, f.v, a1, dt, nG);
                    f.v += nG * a1;
                }
            }
            const bool noch = (f.x < xA) & (f.v > vmin);
            aktiv[nAktiv] = i;
            fertig[nEnde] = i;
            nAktiv += noch;
            nEnde += !noch;
        }

        // braking between grid and collector, one excitation per pass
        nFertig = nEnde;
        while (nAktiv > 0) {
            std::size_t nWeiter = 0;
            for (std::size_t j = 0; j < nAktiv; ++j) {
                const int i = aktiv[j];
                Flug &f = flug[std::size_t(i)];
                const double x = f.x, v = f.v;
                // steps 1 … m are faster than vmin; the excitation comes at step ne
                double m, ne;
                if (b > 0) {
                    m = SchritteUeber(v, vmin, b, kb);
                    const double w = tafel.Umkehr(tafel.G(v - 0.5 * b) - b * f.rest);
                    ne = std::max(1.0, Abrunden((v - w) * kb - 0.5) + 1);
                } else {
                    m = HUGE_VAL;
                    ne = std::max(1.0, Abrunden(f.rest / Gefahr(cq, v)) + 1);
                }
                const bool stoss = (ne <= m) & ((ne == 1) | (NachSchritten(x, v, -b, dt, ne - 1) < xA));
                const double vn = v - ne * b;
                if (stoss) {
                    f.x = NachSchritten(x, v, -b, dt, ne);
                    f.v = std::sqrt(std::max(vn * vn - vmin2, 0.0));
                    f.rest = ExpZufall(zustand);
                    f.frei = false;
                }
                // an excitation in the step that reaches the collector ends the flight as well
                const bool noch = stoss & (f.x < xA) & (f.v > vmin);
                weiter[nWeiter] = i;
                fertig[nFertig] = i;
                nWeiter += noch;
                nFertig += !noch;
            }
            std::swap(aktiv, weiter);
            nAktiv = nWeiter;
        }

        // no excitation any more: each reaches the collector or turns back; the collector takes
        // it with a chance that grows with its speed
        for (std::size_t j = 0; j < nFertig; ++j) {
            Flug &f = flug[std::size_t(fertig[j])];
            if (f.x < xA) {
                const double na = f.frei ? naStart : ErsterSchrittBis(f.x, f.v, -b, dt, xA);
                if (na > 0) {
                    f.x = NachSchritten(f.x, f.v, -b, dt, na);
                    f.v -= na * b;
                }
            }
            if (f.x >= xA && ZufallLokal(zustand) < f.v * f.v * halbeVUg2 && ZufallLokal(zustand) < f.v / vmin)
                ++n;
        }
    }
    return n;
}

int Auffaengerstrom(int n, double U, double UaMax) { return UaMax > 0 ? Runde(n * U / UaMax) : 0; }

double StromZeiger(int I, int N)
{
    if (N <= 0)
        return 0;
    return std::clamp(I * (250.0 / N) / 200.0, 0.0, 1.0);
}

QList<double> KurvenMaxima(const QList<QPointF> &werte)
{
    QList<double> maxima;
    const qsizetype n = werte.size();
    if (n < 3)
        return maxima;
    const double schritt = (werte.last().x() - werte.first().x()) / double(n - 1);
    const qsizetype b = schritt > 0 ? qsizetype(std::lround(0.2 / schritt)) : 0;
    // moving averages over ±b points, shortened at the ends
    std::vector<double> glatt(std::size_t(n), 0.0);
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype von = std::max<qsizetype>(0, i - b), bis = std::min(n - 1, i + b);
        double summe = 0;
        for (qsizetype j = von; j <= bis; ++j)
            summe += werte[j].y();
        glatt[std::size_t(i)] = summe / double(bis - von + 1);
    }
    const auto deutlich = [](double unterschied, double hoehe) {
        return hoehe > 0 && unterschied > std::max(0.15 * hoehe, 3 * std::sqrt(hoehe));
    };
    // from a low, a clear rise leads to a top; from a top, a clear fall confirms it
    bool steigt = false;
    qsizetype tief = 0, hoch = 0;
    for (qsizetype i = 1; i < n; ++i) {
        const double y = glatt[std::size_t(i)];
        if (!steigt) {
            if (y < glatt[std::size_t(tief)])
                tief = i;
            else if (deutlich(y - glatt[std::size_t(tief)], y)) {
                steigt = true;
                hoch = i;
            }
        } else if (y > glatt[std::size_t(hoch)]) {
            hoch = i;
        } else if (deutlich(glatt[std::size_t(hoch)] - y, glatt[std::size_t(hoch)])) {
            qsizetype spitze = hoch;
            for (qsizetype j = std::max<qsizetype>(0, hoch - b); j <= std::min(n - 1, hoch + b); ++j)
                if (werte[j].y() > werte[spitze].y())
                    spitze = j;
            maxima.append(werte[spitze].x());
            steigt = false;
            tief = i;
        }
    }
    return maxima;
}

}  // namespace FranckHertz
