// The panel: colour, bevel, caption and clicks.
#include "panel.h"

#include "canvas.h"
#include "steuerelemente.h"

#include <QMouseEvent>
#include <QPainter>

Panel::Panel(QWidget *parent, Rand rand) : QFrame(parent)
{
    setRand(rand);
    setFarbe(farbe_);
}

void Panel::setFarbe(TColor farbe)
{
    farbe_ = farbe;
    SetzeFarbe(this, farbe);
    update();
}

void Panel::setCaption(const QString &text)
{
    caption_ = text;
    update();
}

void Panel::setRand(Rand rand)
{
    switch (rand) {
    case Rand::Keiner:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Rand::Gehoben:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    case Rand::Gesenkt:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    }
    setLineWidth(1);
}

void Panel::setTextFarbe(TColor farbe)
{
    textFarbe_ = farbe;
    SetzeTextFarbe(this, farbe);
    update();
}

void Panel::setAusrichtung(Qt::Alignment a)
{
    ausrichtung_ = a;
    update();
}

void Panel::paintEvent(QPaintEvent *e)
{
    QFrame::paintEvent(e);
    if (caption_.isEmpty())
        return;
    QPainter p(this);
    p.setFont(font());
    p.setPen(QFarbe(textFarbe_));
    p.drawText(contentsRect().adjusted(2, 0, -2, 0), int(ausrichtung_) | Qt::TextSingleLine, caption_);
}

void Panel::mousePressEvent(QMouseEvent *e)
{
    gedrueckt_ = e->button() == Qt::LeftButton;
    e->accept();
}

void Panel::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double-click: no second click follows.
    gedrueckt_ = false;
    e->accept();
}

void Panel::mouseReleaseEvent(QMouseEvent *e)
{
    const bool klick = gedrueckt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    gedrueckt_ = false;
    e->accept();
    if (klick)
        emit geklickt();
}
