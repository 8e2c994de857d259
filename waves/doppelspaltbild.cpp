#include "doppelspaltbild.h"

#include <algorithm>
#include <cmath>

namespace Doppelspalt {

QRect SchirmInnen(const Masse &m)
{
    return QRect(QPoint(m.X0 - m.hw + 1, m.Y0 - m.hh + 1), QPoint(m.X0 + m.hw - 3, m.Y0 + m.hh - 3));
}

DoppelspaltBild::DoppelspaltBild(Canvas &c, const Zustand &z) : c_(c), z_(z)
{
    pr_.X0 = z.m.X0;
    pr_.Y0 = z.m.Y0;
    pr_.b = z.mit ? z.blick : Blick{};
}

void DoppelspaltBild::MoveToBS0(double x, double y, double z)
{
    const QPoint p = pr_(x, y, z);
    c_.moveTo(p.x(), p.y());
}

void DoppelspaltBild::LineToBS0(double x, double y, double z)
{
    const QPoint p = pr_(x, y, z);
    c_.lineTo(p.x(), p.y());
}

void DoppelspaltBild::LineBS0(double x1, double y1, double z1, double x2, double y2, double z2)
{
    MoveToBS0(x1, y1, z1);
    LineToBS0(x2, y2, z2);
}

void DoppelspaltBild::ZeichneAlles()
{
    ZeichneSchirm();
    if (z_.graph)
        ZeichneGraph(0x0000FF);
    if (z_.klassisch)
        ZeichneKlassisch();
    if (z_.mit) {
        ZeichneTisch();
        ZeichneSpaltBlende();
        ZeichneQuelle();
    }
}

void DoppelspaltBild::ZeichneSchirm()
{
    const Masse &m = z_.m;
    c_.pen = Stift{};
    c_.brush = Pinsel{};
    c_.brush.color = z_.grund;
    c_.fillRect(0, 0, c_.width(), c_.height());
    c_.pen.color = 0xC0C0C0;
    c_.pen.width = 2;
    if (z_.mit) {
        MoveToBS0(0, m.hh, m.hw);
        LineToBS0(0, m.hh, -m.hw);
        LineToBS0(0, -m.hh, -m.hw);
        LineToBS0(0, -m.hh, m.hw);
        LineToBS0(0, m.hh, m.hw);
        c_.brush.color = 0x000000;
        c_.floodFill(m.X0, m.Y0, 0xC0C0C0, FuellArt::Rand);
    } else {
        c_.brush.color = 0x000000;
        c_.rectangle(m.X0 - m.hw, m.Y0 - m.hh, m.X0 + m.hw, m.Y0 + m.hh);
    }
    ZeichneAchsen();
}

void DoppelspaltBild::ZeichneAchsen()
{
    const Masse &m = z_.m;
    c_.pen = Stift{0xC0C0C0, 1, PenStil::DashDot, PenModus::Copy};
    c_.brush.style = PinselStil::Clear;
    LineBS0(0, 0, -m.hw, 0, 0, m.hw);
    LineBS0(0, -m.hh, 0, 0, m.hh, 0);
    c_.pen = Stift{};
    c_.brush = Pinsel{};
}

void DoppelspaltBild::ZeichneTisch()
{
    const Masse &m = z_.m;
    c_.pen = Stift{0xC0C0C0, 2};
    MoveToBS0(0, -m.hh, -m.hw);
    LineToBS0(m.L, -m.hh, -m.hw);
    LineToBS0(m.L, -m.hh, m.hw);
    LineToBS0(0, -m.hh, m.hw);
    LineToBS0(0, -m.hh, -m.hw);
    const QPoint p = pr_(m.xS / 2, -m.hh, 0);
    c_.brush.color = 0x001040;
    c_.floodFill(p.x(), p.y(), 0xC0C0C0, FuellArt::Rand);
    // the lamp's stand with its highlight
    c_.pen = Stift{0x617C7B, 9};
    LineBS0(m.xQ, 0, 0, m.xQ, -m.hh, 0);
    c_.pen = Stift{0x779594, 1};
    LineBS0(m.xQ + 2, 0, -2, m.xQ + 2, -m.hh, -2);
    c_.pen = Stift{};
}

void DoppelspaltBild::ZeichneSpaltBlende()
{
    const Masse &m = z_.m;
    const double x = m.xS;
    c_.pen = Stift{BlendenRand, 1};
    MoveToBS0(x, 60, 100);
    LineToBS0(x, 60, -100);
    LineToBS0(x, -60, -100);
    LineToBS0(x, -60, 100);
    LineToBS0(x, 60, 100);
    QPoint p = pr_(x, 0, 0);
    c_.brush.color = BlendenFuellung;
    c_.floodFill(p.x(), p.y(), BlendenRand, FuellArt::Rand);
    if (z_.lampe) {
        c_.pen = Stift{BlendeBeleuchtet, 1};
        MoveToBS0(x, 0, 45);
        for (int i = 1; i <= 48; ++i) {
            const double w = i * M_PI / 24;
            LineToBS0(x, 45 * std::sin(w), 45 * std::cos(w));
        }
        c_.brush.color = BlendeBeleuchtet;
        c_.floodFill(p.x(), p.y(), BlendeBeleuchtet, FuellArt::Rand);
    }
    ZeichneDoppelSpalt();
    c_.pen = Stift{0x617C7B, 9};
    LineBS0(x, -60, 0, x, -m.hh, 0);
    c_.pen = Stift{0x779594, 1};
    LineBS0(x + 2, -60, -2, x + 2, -m.hh, -2);
    c_.pen = Stift{};
}

void DoppelspaltBild::ZeichneDoppelSpalt()
{
    const double x = z_.m.xS;
    const double d = z_.d;
    for (int s : {-1, 1}) {
        const double z1 = s * (d - 4) / 2, z2 = s * (d + 4) / 2;
        c_.pen = Stift{0x808080, 1};
        MoveToBS0(x, 30, z1);
        LineToBS0(x, 30, z2);
        LineToBS0(x, -30, z2);
        LineToBS0(x, -30, z1);
        LineToBS0(x, 30, z1);
        // the inside of the slit, row by row (it is only a few pixels wide)
        c_.pen.color = z_.lampe ? Gelb : 0x000000;
        const double zi1 = std::min(z1, z2) + 1, zi2 = std::max(z1, z2) - 1;
        for (double zz = zi1; zz <= zi2; zz += 0.5)
            LineBS0(x, 29, zz, x, -29, zz);
    }
    c_.pen = Stift{};
}

void DoppelspaltBild::ZeichneQuelle()
{
    const Masse &m = z_.m;
    const auto &t = SinCosTabelle;
    c_.pen = Stift{z_.lampe ? Gelb : 0x808080, 2};
    const double xv = m.xQ - 34;
    MoveToBS0(xv, 15 * t.Sin96[0], 15 * t.Cos96[0]);
    for (int i = 1; i <= 192; ++i)
        LineToBS0(xv, 15 * t.Sin96[i], 15 * t.Cos96[i]);
    const double a0 = MantelStartwinkel(z_.blick);
    for (int i = 1; i <= 24; ++i) {
        const double a = i * M_PI / 24 + a0;
        c_.pen = Stift{MantelFarbe(a, z_.lampe), 2};
        LineBS0(m.xQ + 32, 15 * std::sin(a), 15 * std::cos(a), m.xQ - 32, 15 * std::sin(a), 15 * std::cos(a));
    }
    c_.pen = Stift{0x818181, 2};
    const double xh = m.xQ + 32;
    MoveToBS0(xh, 15 * t.Sin96[0], 15 * t.Cos96[0]);
    for (int i = 1; i <= 192; ++i)
        LineToBS0(xh, 15 * t.Sin96[i], 15 * t.Cos96[i]);
    const QPoint p = pr_(xh, 0, 0);
    c_.brush.color = z_.lampe ? 0x6460C8 : 0x646040;
    c_.floodFill(p.x(), p.y(), 0x818181, FuellArt::Rand);
    c_.pen = Stift{};
}

void DoppelspaltBild::ZeichneGraph(TColor farbe)
{
    const Masse &m = z_.m;
    c_.pen = Stift{farbe, m.n + 1};
    for (int s : {-1, 1}) {
        if (z_.mit) {
            MoveToBS0(0, 100, 0);
            for (int u = 1; u <= m.hw && u < int(z_.I.size()); ++u)
                LineToBS0(0, 100 * z_.I[std::size_t(u)], s * u);
        } else {
            c_.moveTo(m.X0, m.Y0 - m.n * 100);
            for (int u = 1; u <= m.hw && u < int(z_.I.size()); ++u)
                c_.lineTo(m.X0 + m.n * s * u, m.Y0 - Runde(m.n * 100 * z_.I[std::size_t(u)]));
        }
    }
    c_.pen = Stift{};
}

void DoppelspaltBild::ZeichneKlassisch()
{
    const Masse &m = z_.m;
    for (int u = 0; u <= m.hw - 2 && u < int(z_.I.size()); ++u) {
        const int q = Graustufe(z_.I[std::size_t(u)]);
        c_.pen = Stift{TColor(q) * 0x010101u, 1};
        for (int s : {-1, 1}) {
            if (z_.mit) {
                const QPoint unten = pr_(0, -m.hh, s * u), oben = pr_(0, m.hh, s * u);
                c_.moveTo(unten.x(), unten.y() - 2);
                c_.lineTo(oben.x(), oben.y() + 1);
            } else {
                const QRect innen = SchirmInnen(m);
                for (int k = 0; k < m.n; ++k) {
                    const int x = m.X0 + s * (m.n * u + k);
                    if (x < innen.left() || x > innen.right())
                        continue;
                    c_.moveTo(x, innen.top());
                    c_.lineTo(x, innen.bottom() + 1);
                }
            }
        }
    }
    c_.pen = Stift{};
    if (z_.graph)
        ZeichneGraph(0x0000FF);
}

QRect DoppelspaltBild::Punkt(int a, int c)
{
    QRect r;
    if (z_.mit) {
        const QPoint p = pr_(0, c, a);
        if (IstGrau(c_.pixel(p.x(), p.y()))) {
            c_.setPixel(p.x(), p.y(), Gelb);
            r = QRect(p, QSize(1, 1));
        }
        return r;
    }
    const Masse &m = z_.m;
    const int px = m.X0 + m.n * a, py = m.Y0 + m.n * c, h = m.n - 1;
    // a dot lands on the screen only: what falls on its border or beside it is lost
    const QRect ort = QRect(QPoint(px - h, py - h), QPoint(px + h, py + h)).intersected(SchirmInnen(m));
    for (int y = ort.top(); y <= ort.bottom(); ++y)
        for (int x = ort.left(); x <= ort.right(); ++x)
            if (IstGrau(c_.pixel(x, y))) {  // outside the picture the pixel is not grey: lost
                c_.setPixel(x, y, Gelb);
                r |= QRect(x, y, 1, 1);
            }
    return r;
}

QRect DoppelspaltBild::Treffer(int a, int c, bool vierfach)
{
    QRect r = Punkt(a, c);
    if (vierfach) {
        r |= Punkt(a, -c);
        r |= Punkt(-a, c);
        r |= Punkt(-a, -c);
    }
    return r;
}

}  // namespace Doppelspalt
