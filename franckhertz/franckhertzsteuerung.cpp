#include "franckhertzsteuerung.h"

#include <QLocale>

#include <algorithm>

namespace FranckHertz {

Panel *ErzeugeFeld(QWidget *eltern, int x, int y, int w, int h) { return ErzeugePanel(eltern, QRect(x, y, w, h)); }

Regler ErzeugeRegler(QWidget *eltern, int x, int y, int w, const QStringList &titel,
                     const QList<TrackBar::Marke> &skala, int min, int max, int position, bool mitUpDown,
                     std::function<void()> geaendert)
{
    Regler r;
    int oben = y;
    for (const QString &zeile : titel) {
        Beschriftung(eltern, zeile, x, oben, w);
        oben += 17;
    }
    const Schieber s = ErzeugeSchieber(eltern, min, max, position, QRect(x, oben, w, 26), mitUpDown, std::move(geaendert));
    r.bar = s.bar;
    r.updown = s.updown;
    r.bar->setPageStep(std::max(1, (max - min) / 10));
    oben += 26;
    if (!skala.isEmpty()) {
        r.bar->setSkala(skala);
        QFont f = r.bar->skala()->font();
        f.setPixelSize(std::max(9, f.pixelSize() - 2));
        f.setBold(false);
        r.bar->skala()->setFont(f);
        oben += 16;
    }
    r.hoehe = oben - y;
    return r;
}

QList<TrackBar::Marke> Zahlenskala(int von, int bis, int schritt, int teiler, const QString &einheit)
{
    QList<TrackBar::Marke> marken;
    for (int wert = von; wert <= bis; wert += std::max(1, schritt))
        marken.append({wert, QString::number(wert / teiler)});
    if (!marken.isEmpty() && !einheit.isEmpty())
        marken.last().text += QChar(0x00A0) + einheit;
    return marken;
}

}  // namespace FranckHertz
