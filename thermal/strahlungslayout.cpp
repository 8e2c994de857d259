#include "strahlungslayout.h"

#include <algorithm>

namespace Waermestrahlung {

namespace {

constexpr int TitelBreite = 505, TitelOben = 8, TitelHoehe = 57;
constexpr int KurveHoehe = 561;

// Width, lower edge and the picture under a title panel of the given bottom.
QRect BildUnter(int titelUnten, int linkerBereich, int unterkante)
{
    const int oben = titelUnten + 8;
    return QRect(8, oben, std::max(linkerBereich - 16, 1), std::max(unterkante - oben - 8, 1));
}

int Unterkante(int hoehe) { return std::min(hoehe - 156, EntworfeneFensterHoehe / 4 * 3); }

// The part both windows share; the column is the screen-size function's column widened by
// spaltenZugabe.
void GemeinsamesLayout(StrahlungsLayout &l, const Bildschirmwerte &b, int spaltenZugabe)
{
    l.spaltenBreite = b.spalte.breite + spaltenZugabe;
    // At least 832 px where the screen has room for it and the column; narrower screens
    // keep the column on the screen.
    l.linkerBereich = std::min(std::max(832, b.spalte.links - 24), b.breite - l.spaltenBreite - 4);
    l.unterkante = Unterkante(b.hoehe);
    l.titel = QRect((l.linkerBereich - TitelBreite) / 2, TitelOben, TitelBreite, TitelHoehe);
    l.bild = BildUnter(TitelOben + TitelHoehe, l.linkerBereich, l.unterkante);
    l.kurve = QRect(l.linkerBereich, std::max(8, (l.unterkante - 594) / 2), l.spaltenBreite, KurveHoehe);
}

}  // namespace

Bildschirmwerte AktuelleBildschirmwerte()
{
    Bildschirmwerte b;
    b.breite = BildschirmBreite;
    b.hoehe = BildschirmHoehe;
    b.spalte = StandardSpalte(BildschirmBreite);
    b.zurueck = QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
    return b;
}

SchwarzkoerperLayout BerechneSchwarzkoerperLayout(const Bildschirmwerte &b)
{
    SchwarzkoerperLayout l;
    GemeinsamesLayout(l, b, 32);
    const int hinweisBreite = std::min(l.bild.width(), 809);
    l.hinweis = QRect((l.linkerBereich - hinweisBreite) / 2, l.bild.top(), hinweisBreite, l.bild.height());
    const int kurveUnten = l.kurve.top() + l.kurve.height();
    l.hinweise = QRect(l.linkerBereich, std::max(l.unterkante - 57, kurveUnten + 8), l.spaltenBreite, 49);
    l.grosseTafeln = b.breite >= 1200;
    const int F = (l.linkerBereich - 201 - 537) / 3;
    const QSize lambdaF = l.grosseTafeln ? QSize(201, 145) : QSize(185, 105);
    const QSize kurven = l.grosseTafeln ? QSize(569, 145) : QSize(561, 105);
    l.kurvenAbstand = l.grosseTafeln ? 28 : 24;
    l.lambdaF = QRect(QPoint(F, l.unterkante), lambdaF);
    l.kurven = QRect(QPoint(F + lambdaF.width() + F, l.unterkante), kurven);
    l.zurueck = b.zurueck;
    return l;
}

PlanckLayout BerechnePlanckLayout(const Bildschirmwerte &b)
{
    PlanckLayout l;
    GemeinsamesLayout(l, b, 24);
    const int V = (l.linkerBereich - 586) / 3;
    l.lambdaF = QRect(V, l.unterkante, 305, 105);
    l.gesetz = QRect(V + 305 + V, l.unterkante, 265, 105);
    const int kurveRechts = l.kurve.left() + l.kurve.width();
    l.zurueck = QRect(kurveRechts - b.zurueck.width(), b.zurueck.top(), b.zurueck.width(), b.zurueck.height());
    l.gesetzBild = QRect(392, 80, 401, 193);
    l.konstantenBild = QRect(392, 280, 401, 97);
    return l;
}

}  // namespace Waermestrahlung
