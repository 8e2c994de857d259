// The up-down control: range, clicks on the arrows and their layout.
#include "updown.h"

#include <QPointer>
#include <QToolButton>

#include <algorithm>

UpDown::UpDown(QWidget *parent, Qt::Orientation o)
    : QWidget(parent), hoch_(new QToolButton(this)), runter_(new QToolButton(this)), o_(o)
{
    hoch_->setArrowType(o == Qt::Vertical ? Qt::UpArrow : Qt::RightArrow);
    runter_->setArrowType(o == Qt::Vertical ? Qt::DownArrow : Qt::LeftArrow);
    for (QToolButton *b : {hoch_, runter_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(hoch_, &QToolButton::clicked, this, [this] { klick(Naechster); });
    connect(runter_, &QToolButton::clicked, this, [this] { klick(Voriger); });
}

void UpDown::setBereich(int min, int max, int position)
{
    min_ = min;
    max_ = std::max(min, max);
    setPosition(position);
}

void UpDown::setPosition(int p) { pos_ = std::clamp(p, min_, max_); }

void UpDown::klick(Knopf k)
{
    if (imKlick_) {
        // A held arrow repeats while the last click's handler still runs, e.g. in a message
        // box that took the mouse: the press is over, so no click nests inside the handler.
        hoch_->setDown(false);
        runter_->setDown(false);
        return;
    }
    int neu = pos_ + (k == Naechster ? inc_ : -inc_);
    if (wrap_)
        neu = neu > max_ ? min_ : neu < min_ ? max_ : neu;
    else
        neu = std::clamp(neu, min_, max_);
    if (neu == pos_)
        return;
    pos_ = neu;
    imKlick_ = true;
    const QPointer<UpDown> selbst(this);
    emit geklickt(k);
    if (selbst)
        imKlick_ = false;
}

void UpDown::resizeEvent(QResizeEvent *)
{
    if (o_ == Qt::Vertical) {
        const int h = height() / 2;
        hoch_->setGeometry(0, 0, width(), h);
        runter_->setGeometry(0, h, width(), height() - h);
    } else {
        const int b = width() / 2;
        runter_->setGeometry(0, 0, b, height());
        hoch_->setGeometry(b, 0, width() - b, height());
    }
}
