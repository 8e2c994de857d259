#include "bild.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

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

double Bild::skala() const
{
    return skala_ > 0 ? skala_ : devicePixelRatioF();
}

void Bild::setSkala(double s)
{
    skala_ = std::max(0.0, s);
    freigeben();
}

void Bild::setBildGroesse(int w, int h)
{
    freigeben();  // keeps the old size; the new one is set after it
    groesse_ = QSize(std::clamp(w, 0, MaxSeite), std::clamp(h, 0, MaxSeite));
    resize(groesse_);
}

void Bild::freigeben()
{
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
    const double s = skala();
    if (quelle_) {
        uebernehmen(quelle_(s));
        durchsichtigVeraltet_ = true;
    } else if (s == 1.0) {
        bild_ = QImage(groesse_, QImage::Format_RGB32);
        bild_.setDotsPerMeterX(3780);
        bild_.setDotsPerMeterY(3780);
        bild_.fill(0xFFFFFFFFu);
    } else {
        bild_ = QImage(GeraetKante(groesse_.width(), s), GeraetKante(groesse_.height(), s), QImage::Format_RGB32);
        bild_.setDevicePixelRatio(s);
        bild_.setDotsPerMeterX(int(std::lround(3780 * s)));
        bild_.setDotsPerMeterY(int(std::lround(3780 * s)));
        bild_.fill(0xFFFFFFFFu);
    }
    canvas_.setImage(&bild_);
}

void Bild::uebernehmen(const QImage &bild)
{
    const double s = skala();
    groesse_ = LogischeGroesse(bild);
    if (bild.devicePixelRatio() == s || bild.isNull()) {
        bild_ = bild.convertToFormat(QImage::Format_RGB32);
    } else {
        bild_ = bild.convertToFormat(QImage::Format_RGB32)
                    .scaled(GeraetKante(groesse_.width(), s), GeraetKante(groesse_.height(), s), Qt::IgnoreAspectRatio,
                            Qt::FastTransformation);
        bild_.setDevicePixelRatio(s);
    }
    bild_.setOffset({});
}

void Bild::setQuelle(QSize groesse, std::function<QImage()> quelle)
{
    setQuelle(groesse, std::function<QImage(double)>([q = std::move(quelle)](double) { return q(); }));
}

void Bild::setQuelle(QSize groesse, std::function<QImage(double)> quelle)
{
    quelle_ = std::move(quelle);
    freigeben();
    groesse_ = groesse;
}

void Bild::ladeBild(const QImage &bild)
{
    anstehend_ = false;
    quelle_ = {};
    uebernehmen(bild);
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

void Bild::setBeschreibung(std::function<QString()> beschreibung) { beschreibung_ = std::move(beschreibung); }

QString Bild::beschreibung() const { return beschreibung_ ? beschreibung_() : accessibleDescription(); }

void Bild::paintEvent(QPaintEvent *e)
{
    neuZeichnenAnstehend_ = false;
    // at most one announcement in 2 s, so that a run's frames do not flood the screen reader
    if (beschreibung_ && QAccessible::isActive() && (!gemeldetUhr_.isValid() || gemeldetUhr_.hasExpired(2000))) {
        QString jetzt = beschreibung_();
        if (jetzt != gemeldet_) {
            gemeldetUhr_.start();
            gemeldet_ = std::move(jetzt);
            QAccessibleEvent ereignis(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&ereignis);
        }
    }
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
    } else if (q.devicePixelRatio() == 1.0) {
        const QRect r = e->rect().intersected(q.rect());
        if (!r.isEmpty())
            p.drawImage(r.topLeft(), q, r);
    } else {
        // The buffer's device pixels that the exposed logical rectangle touches (at a ratio
        // like 1.5 its left edge may fall inside a device pixel), each onto one pixel of the
        // screen (when the screen has the buffer's ratio).
        const double s = q.devicePixelRatio();
        const QRect r = e->rect().intersected(QRect(QPoint(), groesse_));
        if (r.isEmpty())
            return;
        const QRect g = QRect(QPoint(int(std::floor(r.left() * s)), int(std::floor(r.top() * s))),
                              QPoint(GeraetKante(r.right() + 1, s) - 1, GeraetKante(r.bottom() + 1, s) - 1))
                            .intersected(q.rect());
        p.drawImage(QRectF(g.left() / s, g.top() / s, g.width() / s, g.height() / s), q, QRectF(g));
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
