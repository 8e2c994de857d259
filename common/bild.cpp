#include "bild.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

namespace {
constexpr int MaxSeite = 16384;  // largest picture side
}

Bild::Bild(QWidget *parent) : QWidget(parent), canvas_(&bild_)
{
    setMouseTracking(true);
    canvas_.onChange = [this] { bildGeaendert(); };
    canvas_.vorGebrauch = [this] { anlegen(); };
}

void Bild::bildGeaendert()
{
    durchsichtigVeraltet_ = true;
    if (!neuZeichnenAnstehend_ && isVisible()) {
        neuZeichnenAnstehend_ = true;
        update();
    }
}

void Bild::setBildGroesse(int w, int h)
{
    freigeben();  // keeps the old size; the new one is set after it
    groesse_ = QSize(std::clamp(w, 0, MaxSeite), std::clamp(h, 0, MaxSeite));
    resize(groesse_);
}

void Bild::freigeben()
{
    groesse_ = bildGroesse();
    bild_ = QImage();
    durchsichtig_ = QImage();
    anstehend_ = true;  // the canvas keeps pointing at bild_; its next use makes the buffer
    bildGeaendert();
}

void Bild::anlegen()
{
    if (!anstehend_)
        return;
    anstehend_ = false;
    if (quelle_) {
        bild_ = quelle_().convertToFormat(QImage::Format_RGB32);
        durchsichtigVeraltet_ = true;
    } else {
        bild_ = QImage(groesse_, QImage::Format_RGB32);
        bild_.setDotsPerMeterX(3780);
        bild_.setDotsPerMeterY(3780);
        bild_.fill(0xFFFFFFFFu);
    }
    canvas_.setImage(&bild_);
}

void Bild::setQuelle(QSize groesse, std::function<QImage()> quelle)
{
    quelle_ = std::move(quelle);
    freigeben();
    groesse_ = groesse;
}

void Bild::ladeBild(const QImage &bild)
{
    anstehend_ = false;
    quelle_ = {};
    bild_ = bild.convertToFormat(QImage::Format_RGB32);
    canvas_.setImage(&bild_);
    bildGeaendert();
}

void Bild::setTransparent(bool an)
{
    if (an == transparent_)
        return;
    transparent_ = an;
    bildGeaendert();
}

void Bild::setStretch(bool an)
{
    if (an == stretch_)
        return;
    stretch_ = an;
    bildGeaendert();
}

QSize Bild::sizeHint() const
{
    return bildGroesse();
}

const QImage &Bild::transparentesBild()
{
    if (durchsichtigVeraltet_ && !bild_.isNull()) {
        durchsichtig_ = bild_.convertToFormat(QImage::Format_ARGB32);
        const QRgb schluessel = bild_.pixel(0, bild_.height() - 1) & 0xFFFFFFu;
        for (int y = 0; y < durchsichtig_.height(); ++y) {
            auto *z = reinterpret_cast<QRgb *>(durchsichtig_.scanLine(y));
            for (int x = 0; x < durchsichtig_.width(); ++x)
                if ((z[x] & 0xFFFFFFu) == schluessel)
                    z[x] = 0;
        }
        durchsichtigVeraltet_ = false;
    }
    return durchsichtig_;
}

void Bild::paintEvent(QPaintEvent *e)
{
    neuZeichnenAnstehend_ = false;
    if (anstehend_ && quelle_)
        anlegen();
    if (anstehend_) {
        // Nothing drawn yet: white (all of it the transparent colour when transparent).
        if (!transparent_) {
            const QRect weiss = e->rect().intersected(QRect(QPoint(), stretch_ ? size() : groesse_));
            if (!weiss.isEmpty())
                QPainter(this).fillRect(weiss, Qt::white);
        }
        return;
    }
    if (bild_.isNull())
        return;
    const QImage &q = transparent_ ? transparentesBild() : bild_;
    QPainter p(this);
    if (stretch_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(rect(), q);
    } else {
        const QRect r = e->rect().intersected(q.rect());
        if (!r.isEmpty())
            p.drawImage(r.topLeft(), q, r);
    }
}

void Bild::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        klickAnstehend_ = true;
    const QPoint p = e->position().toPoint();
    emit mausRunter(e->button(), p.x(), p.y());
}

void Bild::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    emit mausBewegt(p.x(), p.y());
}

void Bild::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    // A click is a left press and release on the widget; it comes before the release.
    if (e->button() == Qt::LeftButton && klickAnstehend_) {
        klickAnstehend_ = false;
        if (rect().contains(p))
            emit geklickt();
    }
    emit mausHoch(e->button(), p.x(), p.y());
}

void Bild::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double click: the double click, then the press; no click follows.
    klickAnstehend_ = false;
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        emit doppelKlick();
    emit mausRunter(e->button(), p.x(), p.y());
}
