#include "heisenbergbild.h"

#include "xorsprite.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Heisenberg {

QImage PhotonBild(const GanzZufall &ganz)
{
    QImage bild(25, 25, QImage::Format_RGB32);
    Canvas c(&bild);
    c.brush.color = 0x000000;
    c.fillRect(0, 0, 25, 25);
    c.setPixel(12, 12, 0xFFFFFF);
    for (int r = 1; r <= 12; ++r) {
        const int anzahl = 6 * (Runde(3.0 * r - r * r / 16.0) / 6);
        if (anzahl <= 0)
            continue;
        const double start = ganz(360) * M_PI / 180;
        for (int i = 0; i < anzahl; ++i) {
            const double w = start + i * 2 * M_PI / anzahl;
            c.setPixel(12 + Runde(r * std::cos(w)), 12 - Runde(r * std::sin(w)), 0xFFFFFF);
        }
    }
    return bild;
}

QImage MarkerBild()
{
    QImage bild(11, 11, QImage::Format_RGB32);
    Canvas c(&bild);
    c.brush.color = 0x000000;
    c.fillRect(0, 0, 11, 11);
    c.pen.color = 0xFFFFFF;
    c.brush.color = 0xFFFFFF;
    c.ellipse(0, 0, 11, 11);
    c.brush.color = 0x000000;
    c.pen.color = 0x000000;
    c.rectangle(3, 3, 8, 8);
    c.pen.color = 0xFFFFFF;
    c.moveTo(5, 2);
    c.lineTo(8, 5);
    c.lineTo(5, 8);
    c.lineTo(2, 5);
    c.lineTo(5, 2);
    return bild;
}

QPoint HeisenbergBild::Pixel(double x, double y) const { return {z_.m.X0 + Runde(x), z_.m.Y0 - Runde(y)}; }

void HeisenbergBild::Loeschen()
{
    c_.brush = Pinsel{};
    c_.brush.color = z_.grund;
    c_.fillRect(0, 0, c_.width(), c_.height());
}

void HeisenbergBild::ImageVorbereiten()
{
    if (Vergroessert(z_.schritt))
        ZeichneSpaltZoom();
    else
        ZeichneSpalt();
    if (z_.schritt == 4) {
        ZeichneOrtsKoo(true);
        VerschliesseSpalt();
    } else if (z_.schritt == 5) {
        ZeichneOrtsKoo(false);
    } else if (z_.schritt == 6) {
        ZeichneGeschwindigkeit();
    }
    if (Vergroessert(z_.schritt))
        SchreibeMassstab();
}

void HeisenbergBild::ZeichneSpalt()
{
    const Masse &m = z_.m;
    c_.pen = Stift{0xC0C0C0, 1};
    c_.brush = Pinsel{0x000000, PinselStil::Solid};
    c_.rectangle(m.X0 - 12, 0, m.X0 + 4, m.Y0 - z_.b);
    c_.rectangle(m.X0 - 12, m.Y0 + z_.b - 1, m.X0 + 4, 2 * m.Y0);
    c_.pen = Stift{};
    c_.brush = Pinsel{};
}

void HeisenbergBild::ZeichneSpaltZoom()
{
    const Masse &m = z_.m;
    c_.pen = Stift{0xC0C0C0, 1};
    c_.brush = Pinsel{0x000000, PinselStil::Solid};
    c_.rectangle(m.X0 - 2, 0, m.X0 + 2 * z_.s - 1, m.Y0 - 2);
    c_.rectangle(m.X0 - 2, m.Y0 + 2, m.X0 + 2 * z_.s - 1, 2 * m.Y0);
    c_.pen = Stift{};
    c_.brush = Pinsel{};
}

void HeisenbergBild::VerschliesseSpalt()
{
    const Masse &m = z_.m;
    c_.pen = Stift{0x808080, 1};
    c_.brush = Pinsel{0xA0A0A0, PinselStil::Solid};
    c_.rectangle(m.X0 + 4, m.Y0 - z_.b - 40, m.X0 + 12, m.Y0 + z_.b + 40);
    c_.brush = Pinsel{0x404040, PinselStil::DiagCross};
    c_.rectangle(m.X0 + 4, m.Y0 - z_.b - 40, m.X0 + 12, m.Y0 + z_.b + 40);
    c_.pen = Stift{};
    c_.brush = Pinsel{};
}

void HeisenbergBild::ZeichnePfeil(double kopf, double winkel, double laenge, double x, double y)
{
    const QPoint a = Pixel(x, y);
    const double ex = x + laenge * std::cos(winkel), ey = y + laenge * std::sin(winkel);
    const QPoint e = Pixel(ex, ey);
    c_.moveTo(a.x(), a.y());
    c_.lineTo(e.x(), e.y());
    if (laenge == 0)
        return;
    for (double d : {0.45, -0.45}) {
        const QPoint s = Pixel(ex - kopf * std::cos(winkel + d), ey - kopf * std::sin(winkel + d));
        c_.moveTo(e.x(), e.y());
        c_.lineTo(s.x(), s.y());
    }
}

// Letters d, v and x as strokes in a box of the given height, its lower left corner at (x, y).
void HeisenbergBild::Buchstaben(const QString &text, double x, double y, double h)
{
    const double w = h * 0.55;
    for (QChar ch : text) {
        auto linie = [&](double x1, double y1, double x2, double y2) {
            const QPoint a = Pixel(x + x1 * w, y + y1 * h), b = Pixel(x + x2 * w, y + y2 * h);
            c_.moveTo(a.x(), a.y());
            c_.lineTo(b.x(), b.y());
        };
        if (ch == QLatin1Char('x')) {
            linie(0, 0, 1, 0.6);
            linie(0, 0.6, 1, 0);
        } else if (ch == QLatin1Char('v')) {
            linie(0, 0.6, 0.5, 0);
            linie(0.5, 0, 1, 0.6);
        } else if (ch == QLatin1Char('d')) {
            linie(1, 0, 1, 1);
            linie(1, 0.5, 0.3, 0.6);
            linie(0.3, 0.6, 0, 0.3);
            linie(0, 0.3, 0.3, 0);
            linie(0.3, 0, 1, 0.1);
        } else if (ch == QChar(0x0394)) {  // Δ
            linie(0, 0, 1, 0);
            linie(1, 0, 0.5, 1);
            linie(0.5, 1, 0, 0);
        } else if (ch == QLatin1Char('p')) {
            linie(0, 0.6, 0, -0.4);
            linie(0, 0.6, 0.7, 0.6);
            linie(0.7, 0.6, 1, 0.3);
            linie(1, 0.3, 0.7, 0);
            linie(0.7, 0, 0, 0);
        }
        x += w * 1.5;
    }
}

void HeisenbergBild::ZeichneOrtsKoo(bool mitDx)
{
    const Masse &m = z_.m;
    c_.pen = Stift{0xD700D7, 3};
    const double xa = m.xmin + 24;
    ZeichnePfeil(14, M_PI / 2, 2.0 * m.Y0 - 60, xa, -m.Y0 + 30);
    c_.font = Schrift{};
    c_.font.size = 16;
    c_.font.bold = true;
    c_.font.color = 0xD700D7;
    c_.brush.style = PinselStil::Clear;
    const QPoint spitze = Pixel(xa, m.Y0 - 30);
    c_.textOut(spitze.x() + 10, spitze.y() - 4, QStringLiteral("x"));
    if (mitDx) {
        const QPoint mitte = Pixel(-12, 0);
        const QString xText = QStringLiteral(" x "), spalt = QCoreApplication::translate("HeisenbergBild", "Spalt  ");
        c_.textOut(mitte.x() - c_.textWidth(xText) - 4, mitte.y() - c_.textHeight(xText) - 2, xText);
        const QPoint oben = Pixel(-12, z_.b + 40);
        c_.textOut(oben.x() - c_.textWidth(spalt), oben.y() - c_.textHeight(spalt), spalt);
        c_.pen = Stift{0xD700D7, 1, PenStil::DashDot};
        c_.moveTo(0, m.Y0);
        c_.lineTo(m.breite, m.Y0);
        c_.pen = Stift{0xA97BFD, 2};
        ZeichnePfeil(10, M_PI / 2, z_.b, -4, 0);
        ZeichnePfeil(10, -M_PI / 2, z_.b, -4, 0);
        c_.pen = Stift{0xA97BFD, 2};
        Buchstaben(QStringLiteral("Δx"), -40, z_.b / 2.0 - 6, 14);
        Buchstaben(QStringLiteral("Δx"), -40, -z_.b / 2.0 - 6, 14);
    }
    c_.pen = Stift{};
    c_.brush = Pinsel{};
}

void HeisenbergBild::ZeichneGeschwindigkeit()
{
    const double t1 = z_.theta1, L = 150;
    c_.pen = Stift{0x04AC93, 3};
    ZeichnePfeil(14, 0, L, 0, 0);
    ZeichnePfeil(14, t1, L, 0, 0);
    ZeichnePfeil(14, -t1, L, 0, 0);
    const double vx = L * std::cos(t1), dv = L * std::sin(t1);
    c_.pen = Stift{0x00C000, 3};
    if (vx > 0.5)
        ZeichnePfeil(14, 0, vx, 0, 0);
    ZeichnePfeil(12, M_PI / 2, dv, vx, 0);
    ZeichnePfeil(12, -M_PI / 2, dv, vx, 0);
    c_.pen = Stift{0x00C000, 2};
    Buchstaben(QStringLiteral("Δp"), vx + 8, dv / 2, 16);
    Buchstaben(QStringLiteral("Δp"), vx + 8, -dv / 2 - 16, 16);
    c_.pen = Stift{0x04AC93, 2};
    Buchstaben(QStringLiteral("p"), L + 16, -20, 16);
    c_.pen = Stift{};
}

void HeisenbergBild::SchreibeMassstab()
{
    c_.font = Schrift{};
    c_.font.size = 16;
    c_.font.bold = true;
    c_.font.color = 0xC0C0C0;
    c_.brush.style = PinselStil::Clear;
    const QString text = QCoreApplication::translate("HeisenbergBild", "Maßstab 1 : 10");
    c_.textOut(Runde(1.5 * z_.m.X0) - c_.textWidth(text) / 2, 10, text);
    c_.brush = Pinsel{};
}

void HeisenbergBild::Kachel(int x, int y, TColor farbe)
{
    const int s = z_.s;
    c_.brush.color = farbe;
    c_.fillRect(z_.m.X0 + x - s, z_.m.Y0 - y - s, z_.m.X0 + x + s, z_.m.Y0 - y + s);
}

void HeisenbergBild::ZeichneWellen(int t)
{
    const Masse &m = z_.m;
    const int d = 2 * z_.s;
    const auto &tab = SinCosTabelle;
    c_.brush = Pinsel{};
    for (int x = -(std::abs(m.xmin) / d) * d; x <= 0; x += d) {
        const int k = EinfallCode(x, t, z_.c, z_.p, tab);
        c_.brush.color = TColor(151 + k) << 8 | TColor(199 + k) << 16;
        c_.fillRect(m.X0 + x - z_.s, 0, m.X0 + x + z_.s, m.hoehe);
    }
    const Huygens::Feld *f = z_.feld;
    if (f && !f->leer()) {
        const int mitte = int(f->zeilenY.size() / 2);  // the row of y = 0
        for (int x = d; x <= m.xmax && x <= int(f->spaltenX.size()); x += d)
            for (int y = 0; y <= m.Y0 && y <= mitte; y += d) {
                const std::size_t i = f->index(std::size_t(x - 1), std::size_t(mitte + y));
                const int k = FeldCode(f->amplitude[i], f->phase[i], t, z_.p, tab);
                const TColor farbe = TColor(151 + k) << 8 | TColor(199 + k) << 16;
                Kachel(x, y, farbe);
                if (y > 0)
                    Kachel(x, -y, farbe);
            }
    }
    ZeichneSpalt();
}

void HeisenbergBild::ZeichneIntensitaetZoom()
{
    const Masse &m = z_.m;
    const int d = 2 * z_.s;
    c_.brush = Pinsel{0xFFCF00, PinselStil::Solid};
    c_.fillRect(0, 0, m.X0, m.hoehe);
    if (z_.richtungen)
        for (int x = d; x <= m.xmax + z_.s; x += d)
            for (int y = 0; y <= m.Y0 + z_.s; y += d) {
                const int k = IntensCode(x, y, *z_.richtungen);
                const TColor farbe = TColor(95 + k) << 8 | TColor(143 + k) << 16;
                Kachel(x, y, farbe);
                if (y > 0)
                    Kachel(x, -y, farbe);
            }
    c_.brush = Pinsel{};
    ZeichneSpaltZoom();
}

QRect HeisenbergBild::Sprite(const QImage &bild, QPoint mitte)
{
    const QPoint lo(mitte.x() - bild.width() / 2, mitte.y() - bild.height() / 2);
    return ZeichneXor(c_, lo.x(), lo.y(), bild);
}

QRect HeisenbergBild::Spur(QPoint p)
{
    if (p.x() < 0 || p.y() < 0 || p.x() >= c_.width() || p.y() >= c_.height())
        return {};
    c_.setPixel(p.x(), p.y(), SpurFarbe);
    return QRect(p, QSize(1, 1));
}

}  // namespace Heisenberg
