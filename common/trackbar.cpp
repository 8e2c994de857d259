// The track bar: key directions, the scale labels and where they stand.
#include "trackbar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

TrackBar::TrackBar(Qt::Orientation o, QWidget *parent) : QSlider(o, parent)
{
    setSingleStep(1);
    setPageStep(2);
    setTracking(true);
    setTickPosition(o == Qt::Vertical ? QSlider::TicksRight : QSlider::TicksBelow);
    setTickInterval(1);
    if (o == Qt::Vertical) {
        setInvertedAppearance(true);
        setInvertedControls(true);
    }
}

TrackBar::~TrackBar() { delete skala_.data(); }

void TrackBar::setBereich(int min, int max, int position)
{
    setRange(min, max);
    setValue(position);
}

void TrackBar::keyPressEvent(QKeyEvent *e)
{
    if (orientation() == Qt::Horizontal) {
        // Up and PgUp lead toward the minimum, Down and PgDn toward the maximum.
        QAbstractSlider::SliderAction aktion = QAbstractSlider::SliderNoAction;
        switch (e->key()) {
        case Qt::Key_Up: aktion = QAbstractSlider::SliderSingleStepSub; break;
        case Qt::Key_Down: aktion = QAbstractSlider::SliderSingleStepAdd; break;
        case Qt::Key_PageUp: aktion = QAbstractSlider::SliderPageStepSub; break;
        case Qt::Key_PageDown: aktion = QAbstractSlider::SliderPageStepAdd; break;
        default: break;
        }
        if (aktion != QAbstractSlider::SliderNoAction) {
            triggerAction(aktion);
            e->accept();
            return;
        }
    }
    QSlider::keyPressEvent(e);
}

namespace {
// The strip of scale labels under (or over) a track bar.
class TrackBarSkala : public QWidget {
public:
    TrackBarSkala(TrackBar *bar, QWidget *eltern) : QWidget(eltern), bar_(bar)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        eltern->installEventFilter(this);
    }

    // Right under (or right above) the bar, as wide as the parent allows around it (clear
    // of its frame), so that the end labels fit.
    void platzieren(bool oben)
    {
        oben_ = oben;
        const int hoehe = QFontMetrics(font()).height() + 2;
        const int rand = 24;
        const QRect innen = parentWidget()->contentsRect().adjusted(4, 0, -4, 0);
        const int links = std::max(innen.left(), bar_->x() - rand);
        const int rechts = std::min(innen.right() + 1, bar_->x() + bar_->width() + rand);
        setGeometry(links, oben ? bar_->y() - hoehe : bar_->y() + bar_->height(), std::max(0, rechts - links), hoehe);
        update();
    }

protected:
    bool eventFilter(QObject *objekt, QEvent *e) override
    {
        if (objekt == parentWidget() && e->type() == QEvent::Resize)
            platzieren(oben_);
        return false;
    }

    void changeEvent(QEvent *e) override
    {
        QWidget::changeEvent(e);
        if (e->type() == QEvent::FontChange)
            platzieren(oben_);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const QList<QRect> felder = bar_->skalaFelder();
        for (int i = 0; i < felder.size(); ++i)
            p.drawText(felder[i].translated(-pos()), Qt::AlignLeft | Qt::AlignVCenter, bar_->skalaMarken()[i].text);
    }

private:
    TrackBar *bar_;
    bool oben_ = false;
};
}  // namespace

int TrackBar::wertMitte(int wert) const
{
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect rinne = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect griff = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    if (orientation() == Qt::Horizontal) {
        const int spanne = rinne.width() - griff.width();
        return rinne.left() + QStyle::sliderPositionFromValue(minimum(), maximum(), wert, spanne, opt.upsideDown) +
               griff.width() / 2;
    }
    const int spanne = rinne.height() - griff.height();
    return rinne.top() + QStyle::sliderPositionFromValue(minimum(), maximum(), wert, spanne, opt.upsideDown) +
           griff.height() / 2;
}

void TrackBar::setSkala(const QList<Marke> &marken, bool oben)
{
    marken_ = marken;
    skalaOben_ = oben;
    if (marken_.isEmpty() || !parentWidget()) {
        delete skala_.data();
        skala_ = nullptr;
        return;
    }
    if (!skala_) {  // a strip once made keeps its font when the marks change
        skala_ = new TrackBarSkala(this, parentWidget());
        skala_->setEnabled(isEnabled());
        skala_->setVisible(isVisibleTo(parentWidget()));
    }
    skalaPlatzieren();
}

QList<QRect> TrackBar::skalaFelder() const
{
    QList<QRect> felder;
    if (!skala_)
        return felder;
    const QFontMetrics fm(skala_->font());
    const QRect streifen = skala_->geometry();
    for (const Marke &m : marken_) {
        // Centred on the value (a number with its unit after a no-break space: the number),
        // but inside the strip.
        const int breite = fm.horizontalAdvance(m.text);
        const int anker = fm.horizontalAdvance(m.text.section(QChar(0x00A0), 0, 0));
        const int links = std::clamp(x() + wertMitte(m.wert) - anker / 2, streifen.left(),
                                     std::max(streifen.left(), streifen.right() + 1 - breite));
        felder.append(QRect(links, streifen.top(), breite, streifen.height()));
    }
    // Texts that would come closer than a space give way: to the left, and where the strip
    // ends there, to the right.
    const int abstand = fm.horizontalAdvance(QLatin1Char(' '));
    for (qsizetype i = felder.size() - 2; i >= 0; --i)
        if (felder[i].right() + abstand >= felder[i + 1].left())
            felder[i].moveRight(felder[i + 1].left() - abstand - 1);
    if (!felder.isEmpty() && felder[0].left() < streifen.left())
        felder[0].moveLeft(streifen.left());
    for (qsizetype i = 1; i < felder.size(); ++i)
        if (felder[i].left() <= felder[i - 1].right() + abstand)
            felder[i].moveLeft(felder[i - 1].right() + abstand + 1);
    return felder;
}

void TrackBar::skalaPlatzieren()
{
    if (skala_)
        static_cast<TrackBarSkala *>(skala_.data())->platzieren(skalaOben_);
}

void TrackBar::moveEvent(QMoveEvent *e)
{
    QSlider::moveEvent(e);
    skalaPlatzieren();
}

void TrackBar::resizeEvent(QResizeEvent *e)
{
    QSlider::resizeEvent(e);
    skalaPlatzieren();
}

void TrackBar::changeEvent(QEvent *e)
{
    QSlider::changeEvent(e);
    if (skala_ && (e->type() == QEvent::EnabledChange))
        skala_->setEnabled(isEnabled());
}

bool TrackBar::event(QEvent *e)
{
    if (skala_ && (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent))
        skala_->setVisible(e->type() == QEvent::ShowToParent);
    return QSlider::event(e);
}
