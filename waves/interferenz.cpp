#include "interferenz.h"

#include <algorithm>
#include <cmath>

namespace Interferenz {

namespace {

TColor Blaugruen(int gruen, int blau)
{
    return TColor(std::clamp(gruen, 0, 255)) << 8 | TColor(std::clamp(blau, 0, 255)) << 16;
}

// Faster than std::hypot; the values here are far from overflow.
inline double Abstand(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

}  // namespace

Wellenwerte BerechneWerte(const Steuerwerte &st)
{
    Wellenwerte v;
    v.d = st.dimension == 2 ? 2 : 1;
    v.w = st.wellenzahl == 1 ? 1 : 2;
    v.N = std::max(1, st.schwingungsDauer);
    v.lambda1 = std::max(1, Runde(3 * st.fx * st.posLambda1));
    v.lambda2 = st.verschieden ? std::max(1, Runde(3 * st.fx * st.posLambda2)) : v.lambda1;
    v.c = double(v.lambda1) / v.N;
    v.omega1 = 2 * M_PI / v.N;
    v.omega2 = st.verschieden ? v.omega1 * v.lambda1 / v.lambda2 : v.omega1;
    v.sigma = st.gegenphasig ? -1 : 1;
    v.A1 = Runde(st.fy * st.posAmplitude1);
    v.A2 = st.verschieden ? Runde(st.fy * st.posAmplitude2) : v.A1;
    v.einzelzug = st.einzelzug;
    v.frischerStart = !st.schonUnterwegs || st.einzelzug;
    v.s = std::clamp(st.aufloesung, 1, 4);
    return v;
}

bool Aktiv(const Quelle &q, double r, double t, bool frischerStart, bool einzelzug)
{
    const double weg = q.c * t;
    return (!frischerStart || weg >= r) && (!einzelzug || weg <= r + q.lambda);
}

double Beitrag(const Quelle &q, double r, double t, bool frischerStart, bool einzelzug)
{
    if (!Aktiv(q, r, t, frischerStart, einzelzug))
        return 0;
    return q.amplitude * std::sin(q.omega * (t - r / q.c));
}

// ---- rope ----------------------------------------------------------------------------

SeilLauf SeilLaufVon(const Wellenwerte &v, int R, bool links, bool rechts)
{
    SeilLauf l;
    l.R = R;
    l.welle1 = links;
    l.welle2 = rechts;
    l.q1 = {double(v.lambda1), v.omega1, v.c, double(v.A1)};
    l.q2 = links ? Quelle{double(v.lambda2), v.omega2, v.c, double(v.A2)} : l.q1;
    l.sigma = links && rechts ? v.sigma : 1;  // one wave alone has no partner to be in antiphase with
    l.An = (links ? l.q1.amplitude : 0) + (rechts ? l.q2.amplitude : 0);
    if (l.An <= 0)
        l.An = 1;
    l.frischerStart = v.frischerStart;
    l.einzelzug = v.einzelzug;
    // both trains must have left the rope: the longer wavelength counts
    double lambda = 0;
    if (links)
        lambda = l.q1.lambda;
    if (rechts)
        lambda = std::max(lambda, l.q2.lambda);
    l.endzeit = Runde((2.0 * R + lambda) / v.c) + v.N;
    return l;
}

SeilPunkt SeilAuslenkung(const SeilLauf &l, int x, double t)
{
    SeilPunkt p;
    if (l.welle1)
        p.y1 = Beitrag(l.q1, std::abs(x + l.R), t, l.frischerStart, l.einzelzug);
    if (l.welle2)
        p.y2 = l.sigma * Beitrag(l.q2, std::abs(x - l.R), t, l.frischerStart, l.einzelzug);
    p.D = Runde(p.y1 + p.y2);
    return p;
}

TColor SeilFarbe(double wert, double amplitude)
{
    const int k = amplitude > 0 ? Runde(56 * wert / amplitude) : 0;
    return Blaugruen(157 + k, 199 + k);
}

double Zeitschritt(int verzoegerung) { return (32 - std::clamp(verzoegerung, 0, 31)) / 32.0; }

// ---- water ---------------------------------------------------------------------------

WasserLauf WasserLaufVon(const Wellenwerte &v, Zentren art, int X0, int Y0)
{
    WasserLauf l;
    l.art = art;
    l.X0 = X0;
    l.Y0 = Y0;
    l.sigma = v.sigma;
    l.frischerStart = v.frischerStart;
    l.einzelzug = v.einzelzug;
    l.s = v.s;
    const double breit = std::sqrt(4.0 * X0 * X0 + double(Y0) * Y0);
    switch (art) {
    case Zentren::Links:
    case Zentren::Rechts:
        l.z1x = art == Zentren::Links ? -X0 : X0;
        l.q = {double(v.lambda1), v.omega1, v.c, double(WasserAmplitudeEins)};
        l.laufzeit = Runde(breit / v.c) + v.N;
        break;
    case Zentren::LinksRechts:
        l.z1x = X0;
        l.z2x = -X0;
        l.q = {double(v.lambda1), v.omega1, v.c, double(WasserAmplitudeZwei)};
        l.laufzeit = Runde(breit / v.c) + v.N;
        break;
    case Zentren::BeideLinks:
        l.z1x = l.z2x = -X0;
        l.z1y = -AbstandBeideLinks;
        l.z2y = AbstandBeideLinks;
        l.q = {double(v.lambda1), v.omega1, v.c, double(WasserAmplitudeZwei)};
        l.laufzeit = v.N + Runde(2 * std::sqrt(double(X0) * X0 + double(Y0) * Y0) / v.c);
        break;
    }
    return l;
}

WasserWert WasserAuslenkung(const WasserLauf &l, double x, double y, double t)
{
    WasserWert w;
    const double r1 = Abstand(x - l.z1x, y - l.z1y);
    if (!l.zwei()) {
        if (!Aktiv(l.q, r1, t, l.frischerStart, l.einzelzug)) {
            w.grund = true;
            return w;
        }
        w.wert = Runde(56 * std::sin(l.q.omega * (t - r1 / l.q.c)));
        return w;
    }
    const double r2 = Abstand(x - l.z2x, y - l.z2y);
    const double b = Beitrag(l.q, r1, t, l.frischerStart, l.einzelzug);
    const double v = Beitrag(l.q, r2, t, l.frischerStart, l.einzelzug);
    w.wert = Runde(l.sigma * b + v);
    w.grund = l.frischerStart && b == 0 && v == 0;
    return w;
}

int SchnittWert(const WasserLauf &l, double x, double y, double t)
{
    const double r1 = Abstand(x - l.z1x, y - l.z1y);
    if (!l.zwei())
        return Runde(Beitrag(l.q, r1, t, l.frischerStart, l.einzelzug));
    const double r2 = Abstand(x - l.z2x, y - l.z2y);
    return Runde(l.sigma * Beitrag(l.q, r1, t, l.frischerStart, l.einzelzug) +
                 Beitrag(l.q, r2, t, l.frischerStart, l.einzelzug));
}

TColor WasserFarbe(const WasserLauf &l, int wert)
{
    return l.zwei() ? Blaugruen(133 + wert, 175 + wert) : Blaugruen(151 + wert, 199 + wert);
}

double Intensitaet(const WasserLauf &l, double x, double y)
{
    const double delta = Abstand(x - l.z1x, y - l.z1y) - Abstand(x - l.z2x, y - l.z2y);
    const double phase = M_PI * delta / l.q.lambda;
    const double c = std::cos(phase), s = std::sin(phase);
    return l.sigma > 0 ? c * c : s * s;
}

TColor IntensitaetsFarbe(double I)
{
    const int k = Runde(80 * I);
    return Blaugruen(133 + k, 175 + k);
}

// ---- marked rope points ---------------------------------------------------------------

Markierung ZufallsPunkte(int n, int R, const std::function<int(int)> &zufall)
{
    Markierung m;
    m.anzahl = std::clamp(n, 0, 3);
    m.x.fill(R);
    for (int i = 0; i < m.anzahl; ++i) {
        int abgelehnt = 0;
        for (;;) {
            const int p = std::clamp(zufall(2 * R - 100) + 50 - R, -R, R);
            bool zuNah = false;
            for (int j = 0; j < i; ++j)
                zuNah = zuNah || std::abs(p - m.x[j]) < 49 - abgelehnt;
            if (!zuNah) {
                m.x[i] = p;
                break;
            }
            ++abgelehnt;
        }
    }
    std::sort(m.x.begin(), m.x.end());
    return m;
}

Markierung KnotenOderBauch(bool knoten, bool gegenphasig, int lambda1, int b, int R)
{
    Markierung m;
    m.x.fill(R);
    m.anzahl = 1;
    // the exact place first, rounded once (λ1 need not be a multiple of 4)
    double x = b * (lambda1 / 2.0);
    if (knoten)
        x += lambda1 / 4.0;
    if (gegenphasig)
        x += lambda1 / 4.0;
    m.x[0] = std::clamp(Runde(x), -R, R);
    std::sort(m.x.begin(), m.x.end());
    return m;
}

}  // namespace Interferenz
