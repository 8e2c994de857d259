#include "photolayout.h"

#include <algorithm>

namespace Photoeffekt {

namespace {
PhotoBildschirm Aktuell(Spaltenwerte spalte)
{
    PhotoBildschirm b;
    b.breite = BildschirmBreite;
    b.hoehe = BildschirmHoehe;
    b.spalte = spalte;
    b.zurueck = QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
    return b;
}
}  // namespace

PhotoBildschirm HallwachsBildschirm() { return Aktuell(StandardSpalte(BildschirmBreite)); }

PhotoBildschirm PhotozellenBildschirm() { return Aktuell(SchmaleSpalte(BildschirmBreite)); }

PhotoLayout BerechnePhotoLayout(const PhotoBildschirm &b)
{
    PhotoLayout l;
    l.zurueck = b.zurueck;
    // The picture fills the space left of the column, under the title and above the back
    // button; on lower screens it reaches down to the bottom, so that the sketch with its
    // circuit fits (the back button stands in the column, not under the picture).
    const int bildOben = 8 + TitelHoehe + 8;
    const int bildUnten = b.hoehe >= 936 ? b.zurueck.top() - 8 : b.hoehe - 8;
    l.bild = QRect(8, bildOben, std::max(b.spalte.links - 16, 1), std::max(bildUnten - bildOben, 1));
    const int titelBreite = std::min(l.bild.width(), 640);
    l.titel = QRect(l.bild.left() + (l.bild.width() - titelBreite) / 2, 8, titelBreite, TitelHoehe);

    // The column's four panels, spread evenly between the top and the back button.
    const int summe = LichtHoehe + SchaltungHoehe + SimulationHoehe + HinweiseHoehe;
    const int frei = b.zurueck.top() - 16 - summe;
    const int abstand = std::clamp(frei / 5, 4, 40);
    int y = 8 + std::max(0, (frei - 3 * abstand) / 2);
    auto panel = [&](int hoehe) {
        const QRect r(b.spalte.links, y, b.spalte.breite, hoehe);
        y += hoehe + abstand;
        return r;
    };
    l.licht = panel(LichtHoehe);
    l.schaltung = panel(SchaltungHoehe);
    l.simulation = panel(SimulationHoehe);
    l.hinweise = panel(HinweiseHoehe);

    // A screen too low for the column and the back button under it: the back button stands
    // in the picture's lower left corner, which the sketches leave empty.
    if (l.hinweise.bottom() + 8 >= b.zurueck.top())
        l.zurueck = QRect(l.bild.left(), l.bild.bottom() + 1 - b.zurueck.height(), b.zurueck.width(), b.zurueck.height());

    const int tafelBreite = std::min(l.bild.width() - 16, 900);
    const int tafelUnten = l.zurueck.left() < b.spalte.links ? l.zurueck.top() - 8 : l.bild.bottom() + 1;
    l.tafel = QRect(l.bild.left() + (l.bild.width() - tafelBreite) / 2, l.bild.top(), tafelBreite,
                    std::max(tafelUnten - l.bild.top(), 1));
    return l;
}

}  // namespace Photoeffekt
