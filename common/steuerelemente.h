// The controls kit: thin Qt widgets for what the windows call panel, button with glyph,
// track bar, up-down, radio group and edit with key filter, plus typed message boxes
// and the beep. Everything else (check box, label, drop-down, progress bar, timer,
// page control) is plain Qt.
#pragma once

#include "global.h"
#include "meldungstyp.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QToolButton;
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

// A panel: a coloured area with an optional bevel and a centred caption. A click on
// the panel (or on a child that does not take the mouse) emits geklickt(); a
// double-click is one click.
class Panel : public QFrame {
    Q_OBJECT
public:
    enum class Rand { Keiner, Gehoben, Gesenkt };
    explicit Panel(QWidget *parent = nullptr, Rand rand = Rand::Gehoben);

    void setFarbe(TColor farbe);
    TColor farbe() const { return farbe_; }
    void setCaption(const QString &text);
    QString caption() const { return caption_; }
    void setRand(Rand rand);
    void setTextFarbe(TColor farbe);
    void setAusrichtung(Qt::Alignment a);

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    TColor farbe_ = 0xFFFFFF;
    TColor textFarbe_ = 0x000000;
    QString caption_;
    Qt::Alignment ausrichtung_ = Qt::AlignCenter;
    bool gedrueckt_ = false;
};

// A push button with an optional glyph. The cancel button answers Esc, the default
// button Enter, anywhere in its window unless the focused control or an open drop-down
// list uses the key itself.
class BitBtn : public QPushButton {
    Q_OBJECT
public:
    enum class Art { Normal, Abbrechen, Standard };
    explicit BitBtn(const QString &caption, QWidget *parent = nullptr, Art art = Art::Normal);
    void setGlyph(const QIcon &glyph);
    QIcon glyph() const { return icon(); }
    void setCaption(const QString &text) { setText(text); }
    QString caption() const { return text(); }

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    void FensterBeobachten();
    Art art_;
    QPointer<QWidget> fenster_;
};

// A track bar. Horizontal: minimum at the left; vertical: minimum at the top. Up, Left
// and PgUp decrease, Down, Right and PgDn increase. valueChanged is the change handler's
// signal: it fires for changes by the user and by code when the value differs.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(Qt::Orientation o, QWidget *parent = nullptr);
    ~TrackBar() override;
    int Position() const { return value(); }
    void setPosition(int p) { setValue(p); }
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    void setBereich(int min, int max, int position);
    void setFrequenz(int f) { setTickInterval(f); }
    // Scale labels: each text centred on the groove position of its value, in a strip of
    // the bar's parent right under the bar (or right above it); the strip follows the bar.
    struct Marke {
        int wert;
        QString text;
    };
    // The strip is shown and hidden with the bar; new marks replace the old ones.
    void setSkala(const QList<Marke> &marken, bool oben = false);
    QWidget *skala() const { return skala_.data(); }
    const QList<Marke> &skalaMarken() const { return marken_; }
    // Where each mark's text stands, in the parent's coordinates (empty without a strip).
    QList<QRect> skalaFelder() const;
    // The x of a value's groove position, in the bar's coordinates.
    int wertMitte(int wert) const;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool event(QEvent *e) override;

private:
    void skalaPlatzieren();
    QPointer<QWidget> skala_;  // a child of the parent, going with the bar
    QList<Marke> marken_;
    bool skalaOben_ = false;
};

// The up-down control: two arrow buttons holding a position in Min..Max. A click on
// an arrow changes the position and then emits geklickt(); setting the position from
// code is silent. At a limit (without wrap) a click changes nothing and emits nothing.
class UpDown : public QWidget {
    Q_OBJECT
public:
    enum Knopf { Naechster, Voriger };  // up/right arrow, down/left arrow
    explicit UpDown(QWidget *parent = nullptr, Qt::Orientation o = Qt::Vertical);
    void setBereich(int min, int max, int position);
    void setPosition(int p);
    int Position() const { return pos_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    void setSchritt(int s) { inc_ = s; }
    void setWrap(bool w) { wrap_ = w; }
    void klick(Knopf k);  // what a click on an arrow does

signals:
    void geklickt(UpDown::Knopf k);

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    QToolButton *hoch_, *runter_;
    Qt::Orientation o_;
    int pos_ = 0, min_ = 0, max_ = 100, inc_ = 1;
    bool wrap_ = false;
    bool imKlick_ = false;  // the last click's handler still runs (e.g. shows a message)
};

// A captioned group of radio buttons. ItemIndex −1 selects none. geklickt() fires when
// the index changes, by the user or by code; changing the items keeps the index
// (clamped) and fires nothing.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr,
                        int spalten = 1);
    int ItemIndex() const { return index_; }
    void setItemIndex(int i);
    void setItems(const QStringList &items);
    QStringList items() const { return items_; }
    void setSpalten(int spalten);
    QAbstractButton *knopf(int i) const;

signals:
    void geklickt();

private:
    void aufbauen();
    QStringList items_;
    int spalten_ = 1;
    int index_ = -1;
    QButtonGroup *gruppe_;
    QList<QAbstractButton *> knoepfe_;
};

// An edit field whose key presses pass through a filter first: the filter may change
// the character or set it to QChar() to swallow it (character keys, Enter = '\r',
// Backspace = '\b' and Esc = '\x1b' reach the filter; arrows and Delete do not). Text
// that arrives otherwise (pasted, dropped, middle click) passes the filter character by
// character as well.
class Edit : public QLineEdit {
    Q_OBJECT
public:
    explicit Edit(QWidget *parent = nullptr);
    std::function<void(QChar &taste)> tastenFilter;

signals:
    void doppelKlick();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

private:
    friend class Eingabefilter;
    // Runs tun with text arriving by pasting (ja) passed through the filter.
    void Einfuegen(bool ja, const std::function<void()> &tun);
    bool einfuegen_ = false;  // text being pasted, dropped or inserted by a middle click
    QString vorher_;          // the text before the change being checked
};

// Enter (or the keypad's Enter) without modifiers presses the focused push button, in every
// window. Installed once for the application; later calls do nothing.
void EnterDruecktKnoepfe();

// Typed message boxes with a single button, as the windows use them.
enum class MeldungsKnopf { Ok, Abbrechen, Wiederholen };
void Meldung(QWidget *parent, MeldungsTyp typ, const QString &text, MeldungsKnopf knopf = MeldungsKnopf::Ok);

// When set (by tests), messages go here instead of a modal box.
struct MeldungsEintrag {
    MeldungsTyp typ;
    QString text;
    MeldungsKnopf knopf;
};
extern std::function<void(const MeldungsEintrag &)> MeldungsBeobachter;

// The platform's beep (only when PiepsAn is set).
void Piepsen();
