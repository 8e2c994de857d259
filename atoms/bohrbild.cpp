#include "bohrbild.h"

#include <cmath>

namespace Atome {

namespace {

void Stift(Canvas &c, TColor farbe, int breite, PenStil stil = PenStil::Solid)
{
    c.pen = ::Stift{farbe, breite, stil, PenModus::Copy};
}

}  // namespace

void ZeichneBohrAtom(Canvas &c, const BohrLayout &l, int n, int t)
{
    c.copyMode = KopierModus::SrcCopy;
    c.brush = Pinsel{0, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
    const int m = l.l / 2;
    Stift(c, 0x0000FF, 1);
    c.brush = Pinsel{0x0000FF, PinselStil::Solid};
    c.ellipse(m - 3, m - 3, m + 4, m + 4);
    c.brush.style = PinselStil::Clear;
    for (int k = 1; k <= BohrBahnen; ++k) {
        const int r = Runde(k * k * l.r1);
        Stift(c, k == n || k == t ? 0x00FFFF : 0xFFFFFF, k == n ? 3 : k == t ? 2 : 1);
        c.ellipse(m - r, m - r, m + r + 1, m + r + 1);
    }
    c.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftKlein, false, false, false, 0x00FFFF};
    c.brush = Pinsel{0, PinselStil::Solid};
    for (int k = 2; k <= BohrBahnen; ++k) {
        const int r = Runde(k * k * l.r1);
        const QString nr = QString::number(k), e = EnergieText(GesamtEnergie(k));
        const int h = c.textHeight(nr);
        c.textOut(m + r - c.textWidth(nr) / 2, m - h / 2, nr);
        c.textOut(m - r - c.textWidth(e) / 2, m - h / 2, e);
    }
    c.font.bold = true;
    c.brush.style = PinselStil::Clear;
    const int r6 = Runde(36 * l.r1);
    const QString links = QStringLiteral("Gesamtenergie des Elektrons / eV"),
                  rechts = QStringLiteral("Quantenzahl = Bahnnummer");
    const int y = m + c.textHeight(links);
    c.textOut(m - r6 / 2 - c.textWidth(links) / 2, y, links);
    c.textOut(m + r6 / 2 - c.textWidth(rechts) / 2, y, rechts);
    c.copyMode = KopierModus::SrcInvert;
}

void LoescheHNiveaus(Canvas &c, TColor grund)
{
    c.brush = Pinsel{grund, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
}

void ZeichneHNiveaus(Canvas &c, const BohrLayout &l, int n, int t)
{
    c.copyMode = KopierModus::SrcCopy;
    LoescheHNiveaus(c, 0x815E01);
    c.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftKlein, false, false, false, 0xFFFFFF};
    const int w = c.width();
    for (int k = 1; k <= BohrNiveaus; ++k) {
        const int y = NiveauY(l, k);
        const bool markiert = k == n || k == t;
        Stift(c, markiert ? 0x029EF2 : 0xFFFFFF, k == n || k == 1 ? 3 : k == t ? 2 : 1);
        c.moveTo(0, y);
        c.lineTo(w, y);
        if (k <= 4) {
            c.brush = Pinsel{0x815E01, PinselStil::Solid};
            const QString e = QStringLiteral(" ") + EnergieText(GesamtEnergie(k)) + QStringLiteral("\u00A0eV ");
            const QString nr = QStringLiteral(" %1 ").arg(k);
            const int h = c.textHeight(e);
            c.textOut(w - 16 - c.textWidth(e), y - h - 1, e);
            c.textOut(16, y - h - 1, nr);
        }
    }
    Stift(c, 0xFFFFFF, 1, PenStil::Dash);
    c.brush.style = PinselStil::Clear;
    const int yi = IonisationY(l);
    c.moveTo(0, yi);
    c.lineTo(w, yi);
    c.pen.style = PenStil::Solid;
}

void ZeichnePhotonInHNiveaus(Canvas &c, const BohrLayout &l, int n, int t)
{
    const int oben = std::max(n, t), unten = std::min(n, t);
    if (oben == unten || unten < 1)
        return;
    c.copyMode = KopierModus::SrcCopy;
    Stift(c, UebergangsFarbe(unten, oben), 1);
    for (int x = l.P / 2 - 2; x <= l.P / 2 + 2; ++x) {
        c.moveTo(x, NiveauY(l, oben));
        c.lineTo(x, NiveauY(l, unten));
    }
    static const char *serien[5] = {"Lyman-Serie", "Balmer-Serie", "Paschen-Serie", "Brackett-Serie", "Pfund-Serie"};
    const int z = SchriftKlein;
    c.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftKlein, true, false, false, 0xFFFFFF};
    c.brush.style = PinselStil::Clear;
    const int yi = IonisationY(l);
    const QString eine = QStringLiteral("eine Linie der");
    c.textOut((l.P - c.textWidth(eine)) / 2, yi - 4 * z - 8, eine);
    if (unten <= 5) {
        const QString name = QString::fromLatin1(serien[unten - 1]);
        c.textOut((l.P - c.textWidth(name)) / 2, yi - 2 * z - 8, name);
    }
}

void XorSprite::zeigen(Canvas &c, QPoint mitte)
{
    if (gezeigt_)
        verbergen(c);
    ort_ = QPoint(mitte.x() - bild.width() / 2, mitte.y() - bild.height() / 2);
    c.copyMode = KopierModus::SrcInvert;
    c.draw(ort_.x(), ort_.y(), bild);
    gezeigt_ = true;
}

void XorSprite::verbergen(Canvas &c)
{
    if (!gezeigt_)
        return;
    c.copyMode = KopierModus::SrcInvert;
    c.draw(ort_.x(), ort_.y(), bild);
    gezeigt_ = false;
}

}  // namespace Atome
