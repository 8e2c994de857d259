// Rich text of the windows: the read-only rich-text control, the one writer that
// mirrors the classic character/paragraph attribute model, the styles of the built-in
// texts, the renderer of the text markup (docs/textmarkup.md), and the rule that
// shows a text from an RTF file or writes the built-in one.
#pragma once

#include "canvas.h"
#include "global.h"

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextEdit>

#include <functional>
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

// Character attributes of the text written next (the classic SelAttributes).
struct Zeichenattribute {
    TColor farbe = 0x000000;
    double groesse = 10;  // points
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    QString schrift = QStringLiteral("Comic Sans MS");
    // Vertical position: hochgestellt / tiefgestellt (not in the classic control; used by the markup).
    enum class Lage { normal, hoch, tief } lage = Lage::normal;
    std::optional<TColor> hintergrund;  // character background, none by default

    QTextCharFormat format() const;
};

// Paragraph attributes of the paragraphs written next (the classic Paragraph).
// Indents in points as the classic control has them: the first line starts at
// ersterEinzug, the later lines at ersterEinzug + linkerEinzug.
struct Absatzattribute {
    double ersterEinzug = 0;
    double linkerEinzug = 0;
    double rechterEinzug = 0;
    Ausrichtung ausrichtung = Ausrichtung::links;

    QTextBlockFormat format() const;
};

// Writes into a RichEdit the way the classic code did: set the attributes, then add
// lines. Plain text only; every insertion carries the current attributes.
class TextSchreiber {
public:
    explicit TextSchreiber(RichEdit *edit);

    Zeichenattribute zeichen;
    Absatzattribute absatz;

    // Appends text as a new paragraph (Lines.Add) with the current attributes.
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

// Everything in which the built-in texts of the windows differ. Sizes in points.
struct TextStil {
    TColor farbe = 0x000000;
    int groesse = 12;
    QString schrift = QStringLiteral("Comic Sans MS");
    TColor hintergrund = 0xFFFFFF;
    TColor hervorhebung1 = 0x000000;
    bool hervorhebung1Fett = false;
    TColor hervorhebung2 = 0x000000;
    bool hervorhebung2Fett = false;
    int kapitelGroesse = 14;
    TColor kapitelFarbe = 0x000000;
    int abschnittGroesse = 12;
    TColor abschnittFarbe = 0x000000;
    TColor kleineUeberschriftFarbe = 0x000000;
    TColor bemerkungFarbe = 0xC0C0C0;
    TColor aufforderungFarbe = 0x000000;
    int ersterEinzug = 8, linkerEinzug = 0, rechterEinzug = 8;
    int abstandGroesse = 6;  // the blank line between paragraphs
    int listeErsterEinzug = 16, listeLinkerEinzug = 20;
    int nummerErsterEinzug = 16, nummerLinkerEinzug = 24;
    int kapitelAbstand = 8;  // size of the blank line after a chapter title
    int zentriertGroesse = 0;  // size of centred lines; 0 = the base size
    std::optional<TColor> listeFarbe;  // colour of list items; none = the base colour
};

// The styles of the windows; they read the shared colours and font sizes when called.
TextStil StilHinweis();     // hint panels
TextStil StilErgebnis();    // result panels
TextStil StilText2();       // the text panels in the second colour scheme
TextStil StilTheorie();     // guide pages
TextStil StilBiographie();  // biographies in the guide
TextStil StilInfo();        // information window

// The prompt line of the guide's texts.
extern const QString AufforderungsText;

// Renders text markup into the control: clears it, sets the background, writes.
void SchreibeMarkup(RichEdit *edit, const QString &markup, const TextStil &stil);

// Reads a UTF-8 text (usually from the resources, ":/..."); empty if it cannot be read.
QString LadeText(const QString &resourcePath);

// Finds a file in a directory ignoring the case of its name: the exact name first,
// then a case-insensitive scan. An empty directory means the current directory (the
// bare file name is returned). Empty if there is no such file.
QString FindeTextDatei(const QString &verzeichnis, const QString &dateiname);

// Clears the control; shows TextPfad + dateiname (found ignoring case) if TexteVonDatei
// is set and the file loads as RTF; otherwise calls selbst() to write the built-in text.
// No message is shown.
void SchreibeTextOderDatei(RichEdit *edit, const QString &dateiname, const std::function<void()> &selbst);

// Clears the control and loads TextPfad + dateiname without fall-back: on failure an
// error message box names the file and the control stays empty.
bool LadeTextOhneErsatz(RichEdit *edit, const QString &dateiname);
