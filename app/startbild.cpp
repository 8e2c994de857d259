#include "startbild.h"

#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {
constexpr int KnopfBreite = 218, KnopfHoehe = 681;
constexpr int PortraitBreite = 128, PortraitHoehe = 168;
constexpr int D = KnopfHoehe / 2;  // 340
constexpr int SchriftAbstand = 8;  // least gap between the lettering and a portrait

// The lettering's two lines with their top-left corners in the title picture; sets the
// canvas font.
struct Titelzeilen {
    QString oben = QStringLiteral("Quanten"), unten = QStringLiteral("pfad");
    QPoint obenLinks, untenLinks;
    QRect kasten;  // both lines' text cells
};

Titelzeilen Titelschrift(Canvas &c, int schriftGross)
{
    c.font.name = QStringLiteral("Comic Sans MS");
    c.font.color = 0x0000FF;
    c.font.size = 2 * schriftGross;
    c.font.bold = true;
    Titelzeilen z;
    const QSize oben(c.textWidth(z.oben), c.textHeight(z.oben));
    const QSize unten(c.textWidth(z.unten), c.textHeight(z.unten));
    z.obenLinks = QPoint(D - oben.width() / 2, D - 2 * oben.height());
    z.untenLinks = QPoint(D - unten.width() / 2, D + unten.height());
    z.kasten = QRect(z.obenLinks, oben) | QRect(z.untenLinks, unten);
    return z;
}
}  // namespace

QRect TitelSchrift(int schriftGross)
{
    Canvas c;
    return Titelschrift(c, schriftGross).kasten;
}

Startgeometrie BerechneStartgeometrie(int monitorBreite, int monitorHoehe)
{
    Startgeometrie g;
    g.breite = monitorBreite - 16;
    g.hoehe = monitorHoehe - 64;
    // Screens lower than the button panel: the panel starts at the top and shrinks to the
    // screen (its buttons by knopfFaktor); the lower portraits rise onto the screen.
    const int knopfHoehe = std::min(KnopfHoehe, std::max(g.hoehe - 4, 1));
    g.knopfFaktor = double(knopfHoehe) / KnopfHoehe;
    g.knoepfe = QRect(g.breite - 226, std::max(0, (g.hoehe - KnopfHoehe) / 4), KnopfBreite, knopfHoehe);
    g.titel = QRect((g.breite - 226) / 2 - D, g.knoepfe.top(), 2 * D, 2 * D);
    const int oben = g.titel.top();
    const int boden = std::min(g.titel.top() + g.titel.height(), g.hoehe - 4);  // below the lower row
    int breite = PortraitBreite, hoehe = PortraitHoehe;
    // Where a row would reach the lettering (the lower one rises onto it on low screens), the
    // title moves until its lettering stands centred between the rows, and the portraits
    // shrink to keep clear of it.
    const QRect schrift = TitelSchrift(SchriftgroessenVon(BildschirmklasseVon(g.breite, g.hoehe)).gross)
                              .translated(g.titel.topLeft());
    if (oben + PortraitHoehe + SchriftAbstand > schrift.top() ||
        boden - PortraitHoehe < schrift.top() + schrift.height() + SchriftAbstand) {
        hoehe = std::clamp((boden - oben - schrift.height()) / 2 - SchriftAbstand, 16, PortraitHoehe);
        breite = hoehe * PortraitBreite / PortraitHoehe;
        g.titel.translate(0, (oben + boden - schrift.height()) / 2 - schrift.top());
    }
    const int luecke = (g.titel.width() - 4 * breite) / 3;
    for (int j = 0; j < 4; ++j) {
        const int links = j * (luecke + breite) + g.titel.left();
        g.portrait[j] = QRect(links, oben, breite, hoehe);               // upper row
        g.portrait[7 - j] = QRect(links, boden - hoehe, breite, hoehe);  // lower row
    }
    return g;
}

TColor TitelRingFarbe(int i, TColor hintergrund)
{
    const int r = 2 * i;
    const double x = r / 20.0;
    const float t = float(std::fabs((2 * x * x - 18 * x + 27) * std::exp(-x / 3)) / 27);
    const float m = t * (4.0f - 3.0f * std::sqrt(2.0f * t - t * t));
    const double grau = 192.0 * m + 63.0;
    const double w = double(r) / D;
    auto kanal = [&](TColor c) { return TColor(std::trunc(grau * (1 - w) + double(c) * w)); };
    const TColor R = kanal(hintergrund & 0xFF);
    const TColor G = kanal((hintergrund >> 8) & 0xFF);
    const TColor B = kanal((hintergrund >> 16) & 0xFF);
    return B * 65536 + G * 256 + R;
}

void ZeichneTitelbild(Canvas &c, TColor hintergrund, int schriftGross)
{
    c.pen.color = hintergrund;
    c.brush.color = hintergrund;
    c.brush.style = PinselStil::Solid;
    c.pen.width = 2;
    c.rectangle(0, 0, 2 * D, 2 * D);
    c.pen.width = 3;
    c.brush.style = PinselStil::Clear;
    for (int i = 1; i <= D / 2; ++i) {
        const int r = 2 * i;
        c.pen.color = TitelRingFarbe(i, hintergrund);
        c.ellipse(D - r, D - r + 10, D + r, D + r + 10);
    }
    c.pen.width = 1;
    const Titelzeilen z = Titelschrift(c, schriftGross);
    c.textOut(z.obenLinks.x(), z.obenLinks.y(), z.oben);
    c.textOut(z.untenLinks.x(), z.untenLinks.y(), z.unten);
}

QImage Titelbild(int breite, int hoehe, TColor hintergrund, int schriftGross, double skala)
{
    static QImage letztes;
    static std::tuple<int, int, TColor, int, double> zuLetzt;
    const std::tuple<int, int, TColor, int, double> wunsch(breite, hoehe, hintergrund, schriftGross, skala);
    if (letztes.isNull() || wunsch != zuLetzt) {
        QImage bild(GeraetKante(std::max(breite, 1), skala), GeraetKante(std::max(hoehe, 1), skala),
                    QImage::Format_RGB32);
        bild.setDevicePixelRatio(skala);
        bild.setDotsPerMeterX(int(std::lround(3780 * skala)));
        bild.setDotsPerMeterY(int(std::lround(3780 * skala)));
        bild.fill(0xFFFFFFFFu);
        Canvas c(&bild);
        ZeichneTitelbild(c, hintergrund, schriftGross);
        letztes = bild;
        zuLetzt = wunsch;
    }
    return letztes;
}
