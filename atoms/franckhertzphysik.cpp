#include "franckhertzphysik.h"

#include "global.h"

#include <algorithm>
#include <cmath>
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
// xorshift64*: a uniform double in [0, 1) from 53 bits.
inline double ZufallLokal(std::uint64_t &z)
{
    z ^= z >> 12;
    z ^= z << 25;
    z ^= z >> 27;
    return double((z * 0x2545F4914F6CDD1DULL) >> 11) * 0x1.0p-53;
}
}  // namespace

namespace {

// Position after n steps of v += a, x += v·dt from (x, v).
inline double NachSchritten(double x, double v, double a, double dt, double n)
{
    return x + dt * (n * v + a * n * (n + 1) / 2);
}

// The smallest n ≥ 1 at which the position reaches ziel (x_n ≥ ziel), or 0 if never.
inline long ErsterSchrittBis(double x, double v, double a, double dt, double ziel)
{
    const double A = dt * a / 2, B = dt * (v + a / 2), C = x - ziel;
    double n;
    if (A == 0) {
        if (B <= 0)
            return 0;
        n = -C / B;
    } else {
        const double D = B * B - 4 * A * C;
        if (D < 0)
            return 0;
        const double w = std::sqrt(D);
        const double r1 = (-B + w) / (2 * A), r2 = (-B - w) / (2 * A);
        n = std::min(r1, r2) > 0 ? std::min(r1, r2) : std::max(r1, r2);
        if (n <= 0)
            n = 1;
    }
    long m = std::max(1L, long(std::ceil(n)));
    while (m > 1 && NachSchritten(x, v, a, dt, double(m - 1)) >= ziel)
        --m;
    for (int i = 0; i < 4 && NachSchritten(x, v, a, dt, double(m)) < ziel; ++i)
        ++m;
    return NachSchritten(x, v, a, dt, double(m)) >= ziel ? m : 0;
}

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
    const double a1dt = (k.U / double(k.gitterX - k.kathodeX)) * qm * dt;
    const double a2dt = -(std::max(k.Ug, 0.0) / double(k.auffaengerX - k.gitterX)) * qm * dt;
    const double vUg = std::sqrt(2 * Ladung * std::max(k.Ug, 1e-9) / Masse);
    // chance of an excitation in one step: p·Δ·sqrt(v/vmin) with Δ = v·dt
    const double cq = k.p * dt / std::sqrt(vmin);
    const double xG = k.gitterX, xA = k.auffaengerX;
    const double vmin2 = vmin * vmin;
    const double halbeVUg2 = 0.5 / (vUg * vUg);

    // Until the electron first exceeds vmin its flight is the same for every electron.
    double x0 = k.kathodeX, v0 = 0;
    do {
        v0 += a1dt;
        x0 += v0 * dt;
    } while (x0 < xG && v0 <= vmin);

    // The flight without an excitation is the same for every electron too: its states after
    // each step and the product of the (1 − q) so far, until it falls to vmin behind the grid
    // or reaches the collector. An electron follows it up to its first excitation.
    struct Stand {
        double x, v, rest;
    };
    std::vector<Stand> gemeinsam;
    {
        double x = x0, v = v0, rest = 1.0;
        auto faktor = [&] { rest *= 1.0 - cq * v * std::sqrt(v); };
        if (v > vmin)
            faktor();
        gemeinsam.push_back({x, v, rest});
        while (x < xG && v > vmin) {
            v += a1dt;
            x += v * dt;
            faktor();
            gemeinsam.push_back({x, v, rest});
        }
        while (x >= xG && x < xA && v > vmin) {
            v += a2dt;
            x += v * dt;
            if (v > vmin)
                faktor();
            gemeinsam.push_back({x, v, rest});
        }
    }

    int n = 0;
    for (int el = 0; el < k.N; ++el) {
        // Each step above vmin excites with its own chance q; the first excitation comes at
        // the first step where the product of the (1 − q) falls below one uniform number.
        double schwelle = ZufallLokal(zustand), rest = 1.0;
        double x, v;
        auto stoss = [&] {
            rest *= 1.0 - cq * v * std::sqrt(v);
            if (rest < schwelle) {
                v = std::sqrt(v * v - vmin2);
                schwelle = ZufallLokal(zustand);
                rest = 1.0;
            }
        };
        {
            const auto ende = std::partition_point(gemeinsam.begin(), gemeinsam.end(),
                                                   [&](const Stand &s) { return !(s.rest < schwelle); });
            if (ende == gemeinsam.end()) {
                x = gemeinsam.back().x;
                v = gemeinsam.back().v;
                rest = gemeinsam.back().rest;
            } else {
                x = ende->x;
                v = std::sqrt(ende->v * ende->v - vmin2);
                schwelle = ZufallLokal(zustand);
            }
        }
        // acceleration between cathode and grid
        while (x < xG) {
            if (v <= vmin) {
                // no excitation possible: jump to the step that exceeds vmin or reaches the grid
                long nv = std::max(1L, long(std::floor((vmin - v) / a1dt)) + 1);
                while (nv > 1 && v + double(nv - 1) * a1dt > vmin)
                    --nv;
                while (v + double(nv) * a1dt <= vmin)
                    ++nv;
                const long nx = ErsterSchrittBis(x, v, a1dt, dt, xG);
                const long schritte = nx > 0 ? std::min(nv, nx) : nv;
                x = NachSchritten(x, v, a1dt, dt, double(schritte));
                v += double(schritte) * a1dt;
            } else {
                v += a1dt;
                x += v * dt;
            }
            if (v > vmin)
                stoss();
        }
        // braking between grid and collector
        while (x >= xG && x < xA) {
            if (v <= vmin) {
                // slower from here on: it reaches the collector or turns back
                const long na = ErsterSchrittBis(x, v, a2dt, dt, xA);
                if (na == 0)
                    break;
                x = NachSchritten(x, v, a2dt, dt, double(na));
                v += double(na) * a2dt;
                break;
            }
            v += a2dt;
            x += v * dt;
            if (v > vmin)
                stoss();
        }
        if (x >= xA && ZufallLokal(zustand) < v * v * halbeVUg2 && ZufallLokal(zustand) < v / vmin)
            ++n;
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

}  // namespace FranckHertz
