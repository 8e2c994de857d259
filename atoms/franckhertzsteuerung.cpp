#include "franckhertzsteuerung.h"

#include <QFontMetrics>
#include <QLocale>

#include <algorithm>

namespace FranckHertz {

void TitelEinpassen(Panel *titel)
{
    const QString text = titel->caption();
    QFont f = titel->font();
    while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(text) > titel->width() - 16)
        f.setPixelSize(f.pixelSize() - 1);
    titel->setFont(f);
}

Panel *ErzeugeFeld(QWidget *eltern, int x, int y, int w, int h)
{
    auto *p = new Panel(eltern);
    p->setFarbe(FarbePanel);
    Setze(p, x, y, w, h);
    return p;
}

QLabel *Beschriftung(QWidget *eltern, const QString &text, int x, int y, int w, int h, Qt::Alignment ausrichtung)
{
    auto *l = new QLabel(text, eltern);
    l->setAlignment(ausrichtung);
    Setze(l, x, y, w, h);
    return l;
}

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
    const int ud = mitUpDown ? 20 : 0;
    r.bar = new TrackBar(Qt::Horizontal, eltern);
    r.bar->setBereich(min, max, position);
    r.bar->setTickPosition(QSlider::TicksBelow);
    r.bar->setTickInterval(std::max(1, (max - min) / 10));
    r.bar->setPageStep(std::max(1, (max - min) / 10));
    Setze(r.bar, x, oben, w - ud - (mitUpDown ? 2 : 0), 26);
    if (mitUpDown) {
        r.updown = new UpDown(eltern);
        r.updown->setBereich(min, max, position);
        Setze(r.updown, x + w - ud, oben, ud, 26);
        TrackBar *bar = r.bar;
        QObject::connect(r.updown, &UpDown::geklickt, bar, [bar, u = r.updown] { bar->setPosition(u->Position()); });
    }
    oben += 26;
    if (!skala.isEmpty()) {
        r.bar->setSkala(skala);
        QFont f = r.bar->skala()->font();
        f.setPixelSize(std::max(9, f.pixelSize() - 2));
        f.setBold(false);
        r.bar->skala()->setFont(f);
        oben += 16;
    }
    UpDown *u = r.updown;
    QObject::connect(r.bar, &QSlider::valueChanged, r.bar, [u, g = std::move(geaendert)](int wert) {
        if (u)
            u->setPosition(wert);
        if (g)
            g();
    });
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

QString Komma(double wert, int stellen)
{
    return QString::number(wert, 'f', stellen).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace FranckHertz
