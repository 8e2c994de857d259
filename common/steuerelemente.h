// The controls kit: thin Qt widgets for what the windows call panel, button with glyph,
// track bar, up-down, radio group and edit with key filter (one header each, all included
// here), plus placing, colours and fonts of widgets, typed message boxes and the beep.
// Everything else (check box, label, drop-down, progress bar, timer, page control) is plain Qt.
#pragma once

#include "bitbtn.h"
#include "edit.h"
#include "global.h"
#include "meldungstyp.h"
#include "panel.h"
#include "radiogroup.h"
#include "trackbar.h"
#include "updown.h"

#include <QCheckBox>
#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <coroutine>
#include <functional>

class QMessageBox;

struct Schrift;

// Moves and sizes a widget from left/top/width/height values (negative sizes count as 0).
void Setze(QWidget *w, int links, int oben, int breite, int hoehe);

// Fits a panel's children into the given lower height: the rows they form keep their
// heights and order, only the gaps between the rows and the margins shrink, all alike.
// A panel that is not higher than that only takes the new height.
void Stauchen(QWidget *tafel, int hoehe);
// How much lower Stauchen could make the panel: its height less its rows' heights.
int Spielraum(const QWidget *tafel);

// Background colour and the text colour of a widget, from TColor values.
void SetzeFarbe(QWidget *w, TColor hintergrund);
void SetzeTextFarbe(QWidget *w, TColor text);
// Font of a widget: family, size in points (pixel size fixed at 96 dpi), bold.
void SetzeSchrift(QWidget *w, const QString &name, int punkte, bool fett = false, bool kursiv = false);

// Typed message boxes with a single button, as the windows use them. The box is modal for
// its window only and does not hold the caller: Meldung returns at once with the box (null
// when a test observes the messages, or when a box is already open over the window – a
// held key or arrow cannot stack boxes). A run that must go on only after the box
// has closed awaits it: co_await Geschlossen(Meldung(…)).
enum class MeldungsKnopf { Ok, Abbrechen, Wiederholen };
QMessageBox *Meldung(QWidget *parent, MeldungsTyp typ, const QString &text, MeldungsKnopf knopf = MeldungsKnopf::Ok);

// Awaitable: goes on once the dialog has closed (at once for none).
class Geschlossen {
public:
    explicit Geschlossen(QDialog *d) : dialog_(d) {}
    ~Geschlossen() { QObject::disconnect(verbindung_); }
    Geschlossen(const Geschlossen &) = delete;
    Geschlossen &operator=(const Geschlossen &) = delete;
    bool await_ready() const { return !dialog_ || !dialog_->isVisible(); }
    void await_suspend(std::coroutine_handle<> h)
    {
        verbindung_ = QObject::connect(dialog_, &QDialog::finished, dialog_, [this, h] {
            QObject::disconnect(verbindung_);
            h.resume();
        });
    }
    void await_resume() const noexcept {}

private:
    QPointer<QDialog> dialog_;
    QMetaObject::Connection verbindung_;
};

// When set (by tests), messages go here instead of a modal box.
struct MeldungsEintrag {
    MeldungsTyp typ;
    QString text;
    MeldungsKnopf knopf;
};
extern std::function<void(const MeldungsEintrag &)> MeldungsBeobachter;

// The platform's beep (only when PiepsAn is set).
void Piepsen();
