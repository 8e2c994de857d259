#include "strahlungssteuerung.h"

#include <QCoreApplication>

namespace Waermestrahlung {

Achsentafel ErzeugeAchsentafel(QWidget *eltern, const QRect &ort, const QString &bereich,
                               const QList<TrackBar::Marke> &skala, int min, int max, int position, bool mitUpDown,
                               std::function<void()> geaendert)
{
    Achsentafel a;
    a.panel = new Panel(eltern, Panel::Rand::Keiner);
    a.panel->setFarbe(FarbePanel);
    Setze(a.panel, ort.left(), ort.top(), ort.width(), ort.height());
    const int w = ort.width();
    Beschriftung(a.panel, QCoreApplication::translate("Achsentafel", "Horizontale Achse:"), 4, 0, w - 8);
    Beschriftung(a.panel, bereich, 4, 18, w - 8);
    a.schieber = ErzeugeSchieber(a.panel, min, max, position, QRect(0, 38, w, 26), mitUpDown, std::move(geaendert));
    a.schieber.bar->setSkala(skala);
    return a;
}

}  // namespace Waermestrahlung
