#include "beugungsbild.h"

#include "kacheln.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace Beugung {

namespace {

// The field's grid is even with the pitch of the tiles: then a whole frame goes onto the
// canvas as one grid of tiles.
bool GitterPasst(const Huygens::Feld &f, int d)
{
    auto gleichmaessig = [d](const std::vector<int> &w) {
        for (std::size_t i = 1; i < w.size(); ++i)
            if (w[i] - w[i - 1] != d)
                return false;
        return true;
    };
    return f.d == d && !f.leer() && gleichmaessig(f.spaltenX) && gleichmaessig(f.zeilenY);
}

// One colour per tile, top row first; kept between frames.
std::vector<TColor> &Kachelpuffer(std::size_t n)
{
    thread_local std::vector<TColor> puffer;
    puffer.resize(n);
    return puffer;
}

}  // namespace

void BeugungsBild::Quadrat0(int x, int y, TColor farbe)
{
    const int h = z_.d() / 2;
    c_.brush.color = farbe;
    c_.brush.style = PinselStil::Solid;
    c_.fillRect(z_.m.X0 + x - h, z_.m.Y0 - y - h, z_.m.X0 + x + h + 1, z_.m.Y0 - y + h + 1);
}

void BeugungsBild::Streifen(int x, int von, int bis, TColor farbe)
{
    const int h = z_.d() / 2;
    c_.brush.color = farbe;
    c_.brush.style = PinselStil::Solid;
    c_.fillRect(z_.m.X0 + x - h, von, z_.m.X0 + x + h + 1, bis);
}

void BeugungsBild::Vorbereiten(TColor fuellung)
{
    c_.brush.color = fuellung;
    c_.brush.style = PinselStil::Solid;
    c_.fillRect(0, 0, c_.width(), c_.height());
    ZeichneBlende();
}

void BeugungsBild::ZeichneBlende()
{
    const int X0 = z_.m.X0, Y0 = z_.m.Y0;
    c_.pen = Stift{};
    c_.brush.color = 0x000000;
    c_.brush.style = PinselStil::Solid;
    if (!z_.simulation) {
        if (z_.kante) {
            c_.rectangle(X0 - 6, 0, X0, Y0);
        } else {
            c_.rectangle(X0 - 6, 0, X0 + 1, Y0 - z_.wAnim);
            c_.rectangle(X0 - 6, Y0 + z_.wAnim, X0, 2 * Y0);
        }
        return;
    }
    if (!z_.blende)
        return;
    Ursprung u{&c_, X0, Y0};
    for (int y = -Y0; y <= Y0; ++y)
        if (!z_.blende->istOffen(y))
            u.Line0(-6, y, z_.s - 1, y);
}

namespace {

// The idealised wave's distance and attenuation at every tile behind the diaphragm, rows
// from the top; they depend on the geometry only, so frames of one run share them.
struct AnimationsTabelle {
    int d = 0, X0 = 0, xB = 0, yMax = 0, w = 0;
    bool kante = false;
    int spalten = 0, zeilen = 0, yOben = 0;  // yOben: world y of the top row
    std::vector<Punktwelle> p;
};

const AnimationsTabelle &AnimationsWerte(int d, int X0, int xB, int yMax, int wOeffnung, bool kante)
{
    thread_local AnimationsTabelle t;
    if (t.d == d && t.X0 == X0 && t.xB == xB && t.yMax == yMax && t.w == wOeffnung && t.kante == kante &&
        !t.p.empty())
        return t;
    t = AnimationsTabelle{d, X0, xB, yMax, wOeffnung, kante, 0, 0, 0, {}};
    const int oben = (yMax / d) * d;  // the highest row y = 0, d, 2d, … reaches
    t.spalten = xB / d;
    t.zeilen = kante ? oben / d + 1 : 2 * (oben / d) + 1;
    t.yOben = oben;
    t.p.resize(std::size_t(t.spalten) * std::size_t(t.zeilen));
    for (int j = 0; j < t.zeilen; ++j)
        for (int i = 0; i < t.spalten; ++i)
            t.p[std::size_t(j) * std::size_t(t.spalten) + std::size_t(i)] =
                AnimationsWelle((i + 1) * d, oben - j * d, wOeffnung, X0, !kante);
    return t;
}

}  // namespace

void BeugungsBild::AnimationsFrame(int t)
{
    const Masse &m = z_.m;
    const Welle &w = z_.w;
    const int d = z_.d(), h = d / 2;
    const int hoehe = c_.height();
    const TSinCosTabelle &tab = SinCosTabelle;
    auto farbe = [&](double r, double F1) {
        if (!Aktiv(r, t, w, z_.frischerStart, z_.einzelZug))
            return z_.grund;
        return FarbCodeAnimation(Runde(Auslenkung(r, t, w, tab) * F1));
    };
    // incident plane wave, stripes up to the diaphragm
    const int xVon = -(std::abs(m.xA) / d) * d, streifen = -xVon / d + 1;
    std::vector<TColor> einfall(static_cast<std::size_t>(streifen));
    for (int i = 0; i < streifen; ++i)
        einfall[std::size_t(i)] = farbe(xVon + i * d, 1.0);
    FuelleKacheln(c_, m.X0 + xVon - h, 0, d, std::max(1, hoehe), streifen, 1, einfall.data());
    // behind the diaphragm: wavelets from the border of the opening (from the edge itself),
    // every tile from the fixed table of distances and attenuations
    const AnimationsTabelle &a = AnimationsWerte(d, m.X0, m.xB, m.yMax, z_.kante ? 0 : z_.wAnim, z_.kante);
    if (a.spalten > 0) {
        std::vector<TColor> &kacheln = Kachelpuffer(a.p.size());
        for (std::size_t i = 0; i < a.p.size(); ++i)
            kacheln[i] = farbe(a.p[i].r, a.p[i].F1);
        FuelleKacheln(c_, m.X0 + d - h, m.Y0 - a.yOben - h, d, d, a.spalten, a.zeilen, kacheln.data());
        if (z_.kante) {  // below the edge the plane wave passes undisturbed
            std::vector<TColor> unten(static_cast<std::size_t>(a.spalten));
            for (int i = 0; i < a.spalten; ++i)
                unten[std::size_t(i)] = farbe((i + 1) * d, 1.0);
            const int von = m.Y0 + d / 2 + 1;
            if (hoehe > von)
                FuelleKacheln(c_, m.X0 + d - h, von, d, hoehe - von, a.spalten, 1, unten.data());
        }
    }
    ZeichnePfeile(t);
    ZeichneBlende();
}

void BeugungsBild::Pfeil(double x1, double y1, double x2, double y2, bool spitze)
{
    Ursprung u{&c_, z_.m.X0, z_.m.Y0};
    u.Line0(x1, y1, x2, y2);
    if (!spitze)
        return;
    const double phi = std::atan2(y2 - y1, x2 - x1);
    for (double a : {phi + 0.45, phi - 0.45})
        u.Line0(x2, y2, x2 - 11 * std::cos(a), y2 - 11 * std::sin(a));
}

void BeugungsBild::ZeichnePfeile(int t)
{
    if (!z_.pfeileVor && !z_.pfeileNach)
        return;
    const Masse &m = z_.m;
    const Welle &w = z_.w;
    c_.pen = Stift{0xE3028F, 4};
    const double front = w.c() * t;
    if (z_.pfeileVor) {
        const double F = z_.frischerStart ? front : 2.0 * m.X0;
        for (int i = -3; i <= 3; ++i) {
            const int y = (m.Y0 / 4) * i;
            const bool gesperrt = z_.kante ? i > 0 : std::abs(y) > z_.wAnim;
            double von = -m.X0;
            if (z_.einzelZug)
                von = std::max(F - w.lambda, von);
            const double bis = gesperrt ? std::min(F, -12.0) : std::min(F, double(m.xB));
            if (bis > von)
                Pfeil(von, y, bis, y, true);
        }
    }
    if (z_.pfeileNach && (front > 0 || !z_.frischerStart)) {
        const double F = z_.frischerStart ? front : 3.0 * m.X0;
        const int iVon = z_.kante ? 1 : -3;
        for (int i = iVon; i <= 3; ++i) {
            const double phi = i * M_PI / 8;
            double von = 3;
            if (z_.einzelZug && F - w.lambda >= 3)
                von = F - w.lambda;
            double bis = std::min(F, m.xB / std::cos(phi));
            if (i != 0)
                bis = std::min(bis, m.Y0 / std::abs(std::sin(phi)));
            if (bis > von)
                Pfeil(von * std::cos(phi), von * std::sin(phi), bis * std::cos(phi), bis * std::sin(phi), bis >= F);
        }
    }
    c_.pen = Stift{};
}


void BeugungsBild::ZeichneWellen(int t)
{
    const Masse &m = z_.m;
    const int d = z_.d(), h = d / 2;
    const TSinCosTabelle &tab = SinCosTabelle;
    // the incident wave: one row of stripes of tile width over the full height
    const int xVon = -(std::abs(m.xA) / d) * d, streifen = -xVon / d + 1;
    std::vector<TColor> einfall(static_cast<std::size_t>(streifen));
    for (int i = 0; i < streifen; ++i)
        einfall[std::size_t(i)] = FarbCodeAuslenkg(EinfallCode(xVon + i * d, t, z_.w, tab));
    FuelleKacheln(c_, m.X0 + xVon - h, 0, d, std::max(1, c_.height()), streifen, 1, einfall.data());
    if (z_.feld) {
        const Huygens::Feld &f = *z_.feld;
        if (GitterPasst(f, d)) {
            // a frame differs from the last only by the phase step: the fixed amplitude and
            // phase of each point and the frame's offset give its code
            const int versatz = Huygens::Mod96(Runde(-z_.w.p() * (t + 1)));
            std::array<TColor, 113> farbe{};  // codes −56..56
            for (int k = -56; k <= 56; ++k)
                farbe[std::size_t(k + 56)] = FarbCodeAuslenkg(k);
            const std::size_t ns = f.spaltenX.size(), nz = f.zeilenY.size();
            std::vector<TColor> &kacheln = Kachelpuffer(ns * nz);
            for (std::size_t sp = 0; sp < ns; ++sp) {
                const std::size_t i0 = f.index(sp, 0);
                for (std::size_t ze = 0; ze < nz; ++ze) {
                    const int k = Runde(f.amplitude[i0 + ze] * tab.Sin48[(versatz + f.phase[i0 + ze]) % 96]);
                    kacheln[(nz - 1 - ze) * ns + sp] =
                        k >= -56 && k <= 56 ? farbe[std::size_t(k + 56)] : FarbCodeAuslenkg(k);
                }
            }
            FuelleKacheln(c_, m.X0 + f.spaltenX.front() - h, m.Y0 - f.zeilenY.back() - h, d, d, int(ns), int(nz),
                           kacheln.data());
        } else {
            for (std::size_t sp = 0; sp < f.spaltenX.size(); ++sp)
                for (std::size_t ze = 0; ze < f.zeilenY.size(); ++ze) {
                    const std::size_t i = f.index(sp, ze);
                    Quadrat0(f.spaltenX[sp], f.zeilenY[ze],
                             FarbCodeAuslenkg(SimulationsCode(f.amplitude[i], f.phase[i], t, z_.w, tab)));
                }
        }
    }
    ZeichneBlende();
}

void BeugungsBild::ZeichneIntensitaet()
{
    const Masse &m = z_.m;
    const int h = z_.d() / 2;
    c_.brush.color = z_.grund;
    c_.brush.style = PinselStil::Solid;
    c_.fillRect(0, 0, m.X0 + h + 1, c_.height());
    if (z_.feld) {
        const Huygens::Feld &f = *z_.feld;
        for (std::size_t sp = 0; sp < f.spaltenX.size(); ++sp)
            for (std::size_t ze = 0; ze < f.zeilenY.size(); ++ze)
                Quadrat0(f.spaltenX[sp], f.zeilenY[ze],
                         FarbCodeIntens(2 * Runde(56.0 * f.intensitaet[f.index(sp, ze)])));
    }
    ZeichneBlende();
}

}  // namespace Beugung
