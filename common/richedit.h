// The read-only rich-text control and the one writer that fills it: character and
// paragraph attributes set first, then lines added with them.
#pragma once

#include "canvas.h"
#include "global.h"

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextEdit>

#include <optional>

class QMimeData;

// Pixel size of a font of the given point size, independent of the screen's dpi
// (96 dpi); at least 1.
int PixelGroesse(double punkte);

// Read-only rich-text control with a vertical scroll bar, wrapping at its width.
// Text is only ever inserted as plain text with formats; HTML is never parsed.
class RichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit RichEdit(QWidget *parent = nullptr);

    void setHintergrund(TColor farbe);
    TColor hintergrund() const { return hintergrund_; }

    // Empties the control (text and formats).
    void leeren();
    // Puts the cursor on the first line and scrolls there: a text opens at its beginning.
    void zumAnfang();

signals:
    // A mouse button was released over the text.
    void mausLosgelassen();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    bool canInsertFromMimeData(const QMimeData *quelle) const override;
    void insertFromMimeData(const QMimeData *quelle) override;

private:
    TColor hintergrund_ = 0xFFFFFF;
};

enum class Ausrichtung { links, zentriert, rechts, blocksatz };

// Character attributes of the text written next.
struct Zeichenattribute {
    TColor farbe = 0x000000;
    double groesse = 10;  // points
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    QString schrift = QStringLiteral("Comic Sans MS");
    // Vertical position: hochgestellt / tiefgestellt (used by the markup).
    enum class Lage { normal, hoch, tief } lage = Lage::normal;
    std::optional<TColor> hintergrund;  // character background, none by default

    QTextCharFormat format() const;
};

// Paragraph attributes of the paragraphs written next. Indents in points: the first line starts at
// ersterEinzug, the later lines at ersterEinzug + linkerEinzug.
struct Absatzattribute {
    double ersterEinzug = 0;
    double linkerEinzug = 0;
    double rechterEinzug = 0;
    Ausrichtung ausrichtung = Ausrichtung::links;

    QTextBlockFormat format() const;
};

// Writes into a RichEdit: set the attributes, then add lines. Plain text only; every
// insertion carries the current attributes.
class TextSchreiber {
public:
    explicit TextSchreiber(RichEdit *edit);

    Zeichenattribute zeichen;
    Absatzattribute absatz;

    // Appends text as a new paragraph with the current attributes.
    void zeile(const QString &text);
    // Continues the last paragraph with the current character attributes.
    void anhaengen(const QString &text);
    // Empties the control.
    void leeren();
    // Replaces the text of the first paragraph, keeping the format of its first character.
    void ersteZeileErsetzen(const QString &text);

    RichEdit *edit() const { return edit_; }

private:
    RichEdit *edit_;
};
