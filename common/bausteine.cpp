#include "bausteine.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLayout>

#include <algorithm>

void TitelEinpassen(Panel *titel)
{
    const QString text = titel->caption();
    QFont f = titel->font();
    while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(text) > titel->width() - 16)
        f.setPixelSize(f.pixelSize() - 1);
    titel->setFont(f);
}

Panel *ErzeugePanel(QWidget *eltern, const QRect &ort)
{
    auto *p = new Panel(eltern);
    p->setFarbe(FarbePanel);
    Setze(p, ort.left(), ort.top(), ort.width(), ort.height());
    return p;
}

void RadioGruppeVerdichten(RadioGroup *gruppe)
{
    if (gruppe->layout()) {
        gruppe->layout()->setContentsMargins(8, 0, 8, 2);
        gruppe->layout()->setSpacing(0);
    }
}

QLabel *Beschriftung(QWidget *eltern, const QString &text, int x, int y, int w, int h, Qt::Alignment ausrichtung)
{
    auto *l = new QLabel(text, eltern);
    l->setAlignment(ausrichtung);
    Setze(l, x, y, w, h);
    return l;
}

Schieber ErzeugeSchieber(QWidget *eltern, int min, int max, int position, const QRect &ort, bool mitUpDown,
                         std::function<void()> geaendert)
{
    Schieber s;
    const int udBreite = mitUpDown ? 20 : 0;
    s.bar = new TrackBar(Qt::Horizontal, eltern);
    s.bar->setBereich(min, max, position);
    s.bar->setTickPosition(QSlider::TicksBelow);
    s.bar->setTickInterval(std::max(1, (max - min) / 10));
    Setze(s.bar, ort.left(), ort.top(), ort.width() - udBreite - (mitUpDown ? 2 : 0), ort.height());
    if (mitUpDown) {
        s.updown = new UpDown(eltern);
        s.updown->setBereich(min, max, position);
        Setze(s.updown, ort.left() + ort.width() - udBreite, ort.top(), udBreite, ort.height());
        TrackBar *bar = s.bar;
        QObject::connect(s.updown, &UpDown::geklickt, bar, [bar, ud = s.updown] { bar->setPosition(ud->Position()); });
    }
    UpDown *ud = s.updown;
    QObject::connect(s.bar, &QSlider::valueChanged, s.bar, [ud, geaendert = std::move(geaendert)](int wert) {
        if (ud)
            ud->setPosition(wert);
        if (geaendert)
            geaendert();
    });
    return s;
}

RechenTafel ErzeugeRechenTafel(QWidget *eltern, const QRect &ort, int bereich)
{
    RechenTafel t;
    t.panel = new Panel(eltern);
    t.panel->setFarbe(FarbeRechnen);
    t.panel->setAusrichtung(Qt::AlignHCenter | Qt::AlignTop);
    t.panel->setCaption(QCoreApplication::translate("Bausteine", "Bitte Geduld: Ich rechne!"));
    SetzeSchrift(t.panel, QStringLiteral("Trebuchet MS"), SchriftMittel, true);
    Setze(t.panel, ort.left(), ort.top(), ort.width(), ort.height());
    t.balken = new QProgressBar(t.panel);
    t.balken->setRange(0, bereich);
    t.balken->setTextVisible(false);
    Setze(t.balken, 16, ort.height() - 16 - 24, ort.width() - 32, 24);
    t.panel->hide();
    return t;
}

Schieber ErzeugeSkalenSchieber(QWidget *eltern, int min, int max, int position, const QRect &ort,
                               const QList<TrackBar::Marke> &skala, std::function<void()> geaendert)
{
    const Schieber s = ErzeugeSchieber(eltern, min, max, position, ort, true, std::move(geaendert));
    s.bar->setSkala(skala);
    SetzeSchrift(s.bar->skala(), QStringLiteral("Trebuchet MS"), 8, true);
    return s;
}
