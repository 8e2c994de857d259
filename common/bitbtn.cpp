// The push button with a glyph; Enter on a focused push button and accelerators press at once.
#include "bitbtn.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcutEvent>

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

// ---- Enter on a focused button, and accelerators --------------------------------------

namespace {
class KnopfFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *objekt, QEvent *e) override
    {
        if (e->type() == QEvent::Shortcut)
            return Kuerzel(objekt, static_cast<QShortcutEvent *>(e));
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

private:
    // A button's accelerator presses it at once, as a click does: no delayed release on a
    // timer of its own, which would press it after the window has moved on (or closed).
    static bool Kuerzel(QObject *objekt, const QShortcutEvent *e)
    {
        auto *knopf = qobject_cast<QAbstractButton *>(objekt);
        if (!knopf || e->isAmbiguous() || !knopf->isVisible() || !knopf->isEnabled())
            return false;
        if (knopf->focusPolicy() != Qt::NoFocus)
            knopf->setFocus(Qt::ShortcutFocusReason);
        knopf->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        knopf->click();
        return true;
    }
};
}  // namespace

void KnoepfeAnTastenBinden()
{
    static QPointer<KnopfFilter> filter;
    if (filter || !qApp)
        return;
    filter = new KnopfFilter(qApp);
    qApp->installEventFilter(filter);
}
