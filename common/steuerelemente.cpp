#include "steuerelemente.h"

#include "canvas.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QValidator>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

std::function<void(const MeldungsEintrag &)> MeldungsBeobachter;

void Setze(QWidget *w, int links, int oben, int breite, int hoehe)
{
    w->setGeometry(links, oben, std::max(breite, 0), std::max(hoehe, 0));
}

namespace {
// The rows a panel's children form: their vertical extents, overlapping or touching ones merged.
std::vector<std::pair<int, int>> Zeilen(const QWidget *tafel)
{
    std::vector<std::pair<int, int>> zeilen;
    for (const QWidget *k : tafel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        zeilen.emplace_back(k->y(), k->y() + k->height());
    std::sort(zeilen.begin(), zeilen.end());
    std::vector<std::pair<int, int>> vereint;
    for (const auto &z : zeilen) {
        if (!vereint.empty() && z.first <= vereint.back().second)
            vereint.back().second = std::max(vereint.back().second, z.second);
        else
            vereint.push_back(z);
    }
    return vereint;
}

int Belegt(const std::vector<std::pair<int, int>> &zeilen)
{
    int belegt = 0;
    for (const auto &z : zeilen)
        belegt += z.second - z.first;
    return belegt;
}
}  // namespace

int Spielraum(const QWidget *tafel) { return std::max(0, tafel->height() - Belegt(Zeilen(tafel))); }

void Stauchen(QWidget *tafel, int hoehe)
{
    hoehe = std::max(hoehe, 0);
    const QList<QWidget *> kinder = tafel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    std::vector<int> oben;  // before any move: a track bar moves its scale with it
    for (const QWidget *k : kinder)
        oben.push_back(k->y());
    const std::vector<std::pair<int, int>> vereint = Zeilen(tafel);
    const int belegt = Belegt(vereint);
    const int luecken = tafel->height() - belegt;
    if (tafel->height() > hoehe && luecken > 0) {
        const double f = std::max(0, hoehe - belegt) / double(luecken);
        // new top of each row: its rows above at full height, the gaps above scaled
        std::vector<int> verschiebung;
        int zeilenDavor = 0;
        for (const auto &z : vereint) {
            const int neu = int(std::lround(f * (z.first - zeilenDavor))) + zeilenDavor;
            verschiebung.push_back(neu - z.first);
            zeilenDavor += z.second - z.first;
        }
        for (std::size_t i = 0; i < oben.size(); ++i) {
            const auto zeile = std::upper_bound(vereint.begin(), vereint.end(), std::make_pair(oben[i], INT_MAX));
            kinder[qsizetype(i)]->move(kinder[qsizetype(i)]->x(),
                                       oben[i] + verschiebung[std::size_t(zeile - vereint.begin() - 1)]);
        }
    }
    tafel->resize(tafel->width(), hoehe);
}

void SetzeFarbe(QWidget *w, TColor hintergrund)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QFarbe(hintergrund));
    p.setColor(QPalette::Base, QFarbe(hintergrund));
    p.setColor(QPalette::Button, QFarbe(hintergrund));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void SetzeTextFarbe(QWidget *w, TColor text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QFarbe(text));
    p.setColor(QPalette::Text, QFarbe(text));
    p.setColor(QPalette::ButtonText, QFarbe(text));
    w->setPalette(p);
}

void SetzeSchrift(QWidget *w, const QString &name, int punkte, bool fett, bool kursiv)
{
    Schrift s;
    s.name = name;
    s.size = punkte;
    s.bold = fett;
    s.italic = kursiv;
    QFont f = QSchrift(s);
    f.setStyleStrategy(QFont::PreferDefault);  // controls may smooth their text
    w->setFont(f);
}

// ---- Panel -----------------------------------------------------------------------

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

// ---- BitBtn ----------------------------------------------------------------------

BitBtn::BitBtn(const QString &caption, QWidget *parent, Art art) : QPushButton(caption, parent), art_(art)
{
    setAutoDefault(false);
    setDefault(art == Art::Standard);
    FensterBeobachten();
}

// Esc and Enter reach the window only when the focused control leaves them alone; an open
// drop-down list or menu keeps them for itself.
void BitBtn::FensterBeobachten()
{
    if (art_ == Art::Normal)
        return;
    QWidget *f = window();
    if (f == fenster_)
        return;
    if (fenster_)
        fenster_->removeEventFilter(this);
    fenster_ = f;
    if (f != this)
        f->installEventFilter(this);
}

bool BitBtn::event(QEvent *e)
{
    if (e->type() == QEvent::ParentChange || e->type() == QEvent::Show)
        FensterBeobachten();
    return QPushButton::event(e);
}

bool BitBtn::eventFilter(QObject *objekt, QEvent *e)
{
    if (objekt != fenster_ || e->type() != QEvent::KeyPress)
        return QPushButton::eventFilter(objekt, e);
    const auto *k = static_cast<QKeyEvent *>(e);
    if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (art_ == Art::Abbrechen && k->key() == Qt::Key_Escape && isVisible() && isEnabled()) {
        click();
        return true;
    }
    if (art_ == Art::Standard && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
        // Enter on another focused button presses that one.
        auto *b = qobject_cast<QPushButton *>(QApplication::focusWidget());
        if (b && b != this && b->window() == fenster_ && b->isVisible() && b->isEnabled()) {
            b->click();
            return true;
        }
        if (isVisible() && isEnabled()) {
            click();
            return true;
        }
    }
    return false;
}

void BitBtn::setGlyph(const QIcon &glyph)
{
    setIcon(glyph);
    if (!glyph.isNull())
        setIconSize(QSize(24, 24));
}

// ---- TrackBar --------------------------------------------------------------------

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

// ---- UpDown ----------------------------------------------------------------------

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

// ---- RadioGroup ------------------------------------------------------------------

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent, int spalten)
    : QGroupBox(caption, parent), items_(items), spalten_(std::max(1, spalten)), gruppe_(new QButtonGroup(this))
{
    new QGridLayout(this);
    connect(gruppe_, &QButtonGroup::idToggled, this, [this](int id, bool an) {
        if (an && id != index_) {
            index_ = id;
            emit geklickt();
        }
    });
    aufbauen();
}

void RadioGroup::aufbauen()
{
    QSignalBlocker sperre(gruppe_);
    auto *raster = static_cast<QGridLayout *>(layout());
    for (QAbstractButton *b : knoepfe_) {
        gruppe_->removeButton(b);
        delete b;
    }
    knoepfe_.clear();
    const int n = int(items_.size());
    const int zeilen = std::max(1, (n + spalten_ - 1) / spalten_);
    for (int i = 0; i < n; ++i) {
        auto *b = new QRadioButton(items_[i], this);
        gruppe_->addButton(b, i);
        raster->addWidget(b, i % zeilen, i / zeilen);
        knoepfe_.append(b);
    }
    index_ = std::min(index_, n - 1);
    if (index_ >= 0)
        knoepfe_[index_]->setChecked(true);
}

void RadioGroup::setItemIndex(int i)
{
    if (i < -1 || i >= knoepfe_.size() || i == index_)
        return;
    if (i == -1) {
        QSignalBlocker sperre(gruppe_);
        gruppe_->setExclusive(false);
        if (auto *b = gruppe_->checkedButton())
            b->setChecked(false);
        gruppe_->setExclusive(true);
        index_ = -1;
        return;
    }
    knoepfe_[i]->setChecked(true);  // idToggled sets index_ and emits geklickt()
}

void RadioGroup::setItems(const QStringList &items)
{
    items_ = items;
    aufbauen();
}

void RadioGroup::setSpalten(int spalten)
{
    spalten_ = std::max(1, spalten);
    aufbauen();
}

QAbstractButton *RadioGroup::knopf(int i) const
{
    return i >= 0 && i < knoepfe_.size() ? knoepfe_[i] : nullptr;
}

// ---- Edit ------------------------------------------------------------------------

// Passes what arrives other than by a key press (pasted, dropped, middle click) through
// the edit's key filter, character by character; the text that was there stays as it is.
class Eingabefilter : public QValidator {
public:
    explicit Eingabefilter(Edit *edit) : QValidator(edit), edit_(edit) {}
    State validate(QString &eingabe, int &pos) const override
    {
        if (!edit_->tastenFilter || !edit_->einfuegen_)
            return Acceptable;
        const QString alt = edit_->vorher_;
        qsizetype vorne = 0;
        while (vorne < alt.size() && vorne < eingabe.size() && alt[vorne] == eingabe[vorne])
            ++vorne;
        qsizetype hinten = 0;
        while (hinten < alt.size() - vorne && hinten < eingabe.size() - vorne &&
               alt[alt.size() - 1 - hinten] == eingabe[eingabe.size() - 1 - hinten])
            ++hinten;
        const QString neu = eingabe.mid(vorne, eingabe.size() - vorne - hinten);
        QString gefiltert;
        for (QChar zeichen : neu) {
            edit_->tastenFilter(zeichen);
            if (!zeichen.isNull() && zeichen.isPrint())
                gefiltert += zeichen;
        }
        if (gefiltert != neu) {
            eingabe = eingabe.left(vorne) + gefiltert + eingabe.right(hinten);
            pos = int(vorne + gefiltert.size());
        }
        return Acceptable;
    }

private:
    Edit *edit_;
};

Edit::Edit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new Eingabefilter(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) { vorher_ = text; });
}

void Edit::keyPressEvent(QKeyEvent *e)
{
    QChar taste;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        taste = QChar('\r');
        break;
    case Qt::Key_Backspace:
        taste = QChar('\b');
        break;
    case Qt::Key_Escape:
        taste = QChar(0x1b);
        break;
    default:
        // Shortcuts (Ctrl+V, Ctrl+A …) are no characters typed.
        if (!(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            !e->text().isEmpty() && e->text().at(0).isPrint())
            taste = e->text().at(0);
    }
    if (taste.isNull() || !tastenFilter) {
        Einfuegen(e->matches(QKeySequence::Paste), [&] { QLineEdit::keyPressEvent(e); });
        return;
    }
    const QChar vorher = taste;
    tastenFilter(taste);
    if (taste.isNull()) {
        // A swallowed Enter or Esc still reaches the window's default or cancel button.
        if (vorher == QLatin1Char('\r') || vorher == QChar(0x1b))
            e->ignore();
        else
            e->accept();
        return;
    }
    if (taste == vorher) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (taste.isPrint())
        insert(QString(taste));
    e->accept();
}

void Edit::Einfuegen(bool ja, const std::function<void()> &tun)
{
    const bool vorher = einfuegen_;
    einfuegen_ = einfuegen_ || ja;
    tun();
    einfuegen_ = vorher;
}

void Edit::mouseReleaseEvent(QMouseEvent *e)
{
    Einfuegen(e->button() == Qt::MiddleButton, [&] { QLineEdit::mouseReleaseEvent(e); });
}

void Edit::dropEvent(QDropEvent *e)
{
    Einfuegen(true, [&] { QLineEdit::dropEvent(e); });
}

void Edit::contextMenuEvent(QContextMenuEvent *e)
{
    Einfuegen(true, [&] { QLineEdit::contextMenuEvent(e); });  // its "Paste" runs in here
}

void Edit::mouseDoubleClickEvent(QMouseEvent *e)
{
    QLineEdit::mouseDoubleClickEvent(e);
    emit doppelKlick();
}

// ---- Enter on a focused button ------------------------------------------------------

namespace {
class EnterFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *objekt, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter)
            return false;
        if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || k->isAutoRepeat())
            return false;
        auto *knopf = qobject_cast<QPushButton *>(objekt);
        if (!knopf || knopf != QApplication::focusWidget() || !knopf->isVisible() || !knopf->isEnabled())
            return false;
        knopf->click();
        return true;
    }
};
}  // namespace

void EnterDruecktKnoepfe()
{
    static QPointer<EnterFilter> filter;
    if (filter || !qApp)
        return;
    filter = new EnterFilter(qApp);
    qApp->installEventFilter(filter);
}

// ---- messages and beep -------------------------------------------------------------

void Meldung(QWidget *parent, MeldungsTyp typ, const QString &text, MeldungsKnopf knopf)
{
    if (MeldungsBeobachter) {
        MeldungsBeobachter({typ, text, knopf});
        return;
    }
    QMessageBox::Icon symbol = QMessageBox::Information;
    QString titel = QStringLiteral("Information");
    if (typ == MeldungsTyp::Fehler) {
        symbol = QMessageBox::Critical;
        titel = QStringLiteral("Fehler");
    } else if (typ == MeldungsTyp::Warnung) {
        symbol = QMessageBox::Warning;
        titel = QStringLiteral("Warnung");
    }
    QMessageBox box(symbol, titel, text, QMessageBox::NoButton, parent);
    switch (knopf) {
    case MeldungsKnopf::Ok:
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        break;
    case MeldungsKnopf::Abbrechen:
        box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        break;
    case MeldungsKnopf::Wiederholen:
        box.addButton(QStringLiteral("&Wiederholen"), QMessageBox::AcceptRole);
        break;
    }
    box.exec();
}

void Piepsen()
{
    if (PiepsAn)
        QApplication::beep();
}
