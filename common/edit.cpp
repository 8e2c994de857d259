// The edit field: the key filter for key presses and for pasted, dropped or inserted text.
#include "edit.h"

#include <QKeyEvent>
#include <QValidator>

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
