#include "strahlungslayout.h"

#include <algorithm>

namespace Waermestrahlung {

namespace {

constexpr int TitelBreite = 505, TitelOben = 8, TitelHoehe = 57;
constexpr int KleineTafelHoehe = 105;  // the panels under the picture on all but wide, high screens
constexpr int KnopfMindesthoehe = 34;
constexpr int NiedrigUnter = 704;      // usable height of a 768 px screen

// The row under the panels under the picture, right-aligned in the left area: a button of
// the given width, the row's full height.
QRect InDerUnterenZeile(const StrahlungsLayout &l, int hoehe, int rechts, int breite)
{
    const int oben = l.unterkante + KleineTafelHoehe + 8;
    return QRect(rechts - breite, oben, breite, std::max(hoehe - 8 - oben, 1));
}

// The back button: its shared place where nothing else stands there; else under what the
// column holds (unten), as high as there is room for; else in the row under the panels.
QRect Zurueckplatz(const StrahlungsLayout &l, const Bildschirmwerte &b, int rechts, int unten)
{
    const QRect geteilt(rechts - b.zurueck.width(), b.zurueck.top(), b.zurueck.width(), b.zurueck.height());
    if (geteilt.top() >= unten + 8 && geteilt.bottom() < b.hoehe)
        return geteilt;
    const int frei = b.hoehe - 8 - (unten + 8);
    if (frei >= KnopfMindesthoehe)
        return QRect(geteilt.left(), unten + 8, geteilt.width(), std::min(frei, b.zurueck.height()));
    return InDerUnterenZeile(l, b.hoehe, l.linkerBereich - 8, b.zurueck.width());
}

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
    l.niedrig = b.hoehe < NiedrigUnter;
    l.titel = QRect((l.linkerBereich - TitelBreite) / 2, TitelOben, TitelBreite, TitelHoehe);
    l.bild = BildUnter(TitelOben + TitelHoehe, l.linkerBereich, l.unterkante);
    const int kurveOben = std::max(8, (l.unterkante - 594) / 2);
    l.kurve = QRect(l.linkerBereich, kurveOben, l.spaltenBreite, std::min(KurveHoehe, b.hoehe - 8 - kurveOben));
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
    l.grosseTafeln = b.breite >= 1200 && !l.niedrig;
    const int F = (l.linkerBereich - 201 - 537) / 3;
    const QSize lambdaF = l.grosseTafeln ? QSize(201, 145) : QSize(185, 105);
    const QSize kurven = l.grosseTafeln ? QSize(569, 145) : QSize(561, 105);
    l.kurvenAbstand = l.grosseTafeln ? 28 : 24;
    l.lambdaF = QRect(QPoint(F, l.unterkante), lambdaF);
    l.kurven = QRect(QPoint(F + lambdaF.width() + F, l.unterkante), kurven);
    const int rechts = b.zurueck.left() + b.zurueck.width();
    if (l.hinweise.bottom() < b.hoehe - 8) {
        l.zurueck = Zurueckplatz(l, b, rechts, l.hinweise.bottom() + 1);
    } else {
        // no room under the column: the hint button and the back button share the row
        l.zurueck = InDerUnterenZeile(l, b.hoehe, l.linkerBereich - 8, b.zurueck.width());
        l.hinweise = InDerUnterenZeile(l, b.hoehe, l.zurueck.left() - 8, l.spaltenBreite);
    }
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
    l.zurueck = Zurueckplatz(l, b, kurveRechts, l.kurve.bottom() + 1);
    l.gesetzBild = QRect(392, 80, 401, 193);
    l.konstantenBild = QRect(392, 280, 401, 97);
    return l;
}

}  // namespace Waermestrahlung
