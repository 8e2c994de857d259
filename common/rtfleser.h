// The RTF reader's inner parts, shared by its source files: character and paragraph state,
// control words, and the reader class (steps in rtftoken, rtfleser and rtfschreiber.cpp).
#pragma once

#include "rtf.h"

#include "richtext.h"

#include <QByteArray>
#include <QHash>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace rtfintern {

enum class Ziel : std::uint8_t { text, ueberspringen, schriften, farben };

struct Zeichen {
    int schrift = -1;  // font number; -1 = the default font
    int halbpunkte = 24;
    bool fett = false, kursiv = false, unterstrichen = false, durchgestrichen = false, versteckt = false;
    std::int8_t lage = 0;  // 1 superscript, -1 subscript
    int farbe = 0;         // colour table index; 0 = automatic
    int grund = 0;         // background colour index; 0 = none
    bool operator==(const Zeichen &) const = default;
};

struct Absatz {
    int links = 0, rechts = 0, erste = 0;  // twips; erste relative to links
    int davor = 0, danach = 0;             // twips
    Ausrichtung ausrichtung = Ausrichtung::links;
    bool tabelle = false;                  // \intbl: a paragraph inside a table cell
};

// Which characters the text that follows holds (\loch, \hich, \dbch, \rtlch): the associated
// font and size (\af, \afs) set after \dbch apply to East Asian text.
enum class Schriftklasse : std::uint8_t { latein, doppelbyte, rechtsLinks };

struct Zustand {
    Zeichen z;
    Absatz p;
    Ziel ziel = Ziel::text;
    int uc = 1;
    Schriftklasse klasse = Schriftklasse::latein;
    int dbchSchrift = -1;    // -1: the font of \f
    int dbchHalbpunkte = 0;  // 0: the size of \fs

    // The character format the text gets.
    Zeichen wirksam() const
    {
        Zeichen w = z;
        if (klasse == Schriftklasse::doppelbyte) {
            if (dbchSchrift >= 0)
                w.schrift = dbchSchrift;
            if (dbchHalbpunkte > 0)
                w.halbpunkte = dbchHalbpunkte;
        }
        return w;
    }
};

struct SchriftEintrag {
    QString name;
    int codePage = 0;
};

enum class Wort {
    unbekannt, rtf, ansi, mac, pc, pca, ansicpg, deff, fonttbl, colortbl, ueberspringen,
    f, fcharset, cpg, red, green, blue,
    fs, b, i, ul, ulnone, strike, v, super, sub, nosupersub, up, dn, cf, cb, highlight, plain,
    par, pard, li, ri, fi, sb, sa, ql, qc, qr, qj, line, tab, page, cell, row, intbl, nestcell, nestrow, trowd, cellx,
    listtext, chftn, loch, hich, dbch, rtlch, ltrch, af, afs,
    u, uc, bin,
    emdash, endash, emspace, enspace, qmspace, bullet, lquote, rquote, ldblquote, rdblquote
};

class RtfLeser {
public:
    RtfLeser(QTextDocument *doc, const QByteArray &daten, qsizetype anfang)
        : d_(daten.constData()), n_(std::size_t(daten.size())), pos_(std::size_t(anfang)), cursor_(doc)
    {
        stapel_.reserve(64);
    }

    void lies();

    const RtfBericht &bericht() const { return bericht_; }

private:
    // ---- tokens (rtftoken.cpp): bytes, control words and symbols ----
    void steuerung();
    void symbol(char c);

    static bool IstBuchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IstZiffer(char c) { return c >= '0' && c <= '9'; }
    static int HexWert(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    // ---- reader state (rtfleser.cpp): groups, control words, tables and text ----
    void gruppeAuf();
    void gruppeZu();
    bool ueberspringen() const { return s_.ziel == Ziel::ueberspringen; }

    static bool Schalter(bool hatZahl, int wert) { return !hatZahl || wert != 0; }

    void wort(Wort w, bool hatZahl, int wert);
    void schriftWort(Wort w, bool hatZahl, int wert);
    void schriftNameFertig();
    void tabellenByte(unsigned char b);
    void textByte(unsigned char b);
    void zeichen(char16_t c);
    int codePageVon(const Zeichen &z) const;
    QString dekodiere(const QByteArray &b, int codePage);
    QStringDecoder *decoder(int codePage);

    // ---- document writer (rtfschreiber.cpp): runs, paragraphs, formats and bounds ----
    // Each tab makes the layout measure the runs and tabs of its paragraph; the product,
    // summed over the paragraphs, is bounded.
    bool platzFuerTab();
    // The closing line of a text cut at a bound.
    void hinweisAnfuegen();
    // A paragraph end inside a table cell followed by more text of the cell: a space. When the
    // table has ended meanwhile (\pard without \intbl, no \row), the paragraph ends after all.
    // False when a bound was reached.
    bool zellenAbsatzAusgeben();
    // {\listtext ...}: the number or bullet of a list item as text. A list without a number
    // leaves only blanks and a tab there, which are removed when the group ends.
    void listenTextBeginnt();
    void listenTextFertig();
    // Appends to the pending run. A word longer than MaxWortLaenge gets an invisible break
    // opportunity (zero-width space) after every MaxWortLaenge characters: Qt's line
    // breaking takes quadratic time on a long unbreakable word.
    // The second half of a surrogate pair is not counted and never separated from the first.
    void anfuegen(QChar c);
    // ---- the estimated height of the document at the narrowest width it is shown in ----
    // Counts the lines of the current paragraph segment (up to a \line) as its estimated width
    // over the width left beside the indents, each as high as the largest font in it. The text
    // stops when the estimate passes RtfMaxHoehe: the text layout fails on documents that tall.
    void hoeheSchaetzen(char16_t u);
    double segmentHoehe() const;
    void segmentEnde();
    void zaehle();
    // Makes the pending run take the current character state. False, and the text ends,
    // beyond RtfMaxFormatwechsel changes, RtfMaxLaeufeJeAbsatz runs of one paragraph, or when
    // the tabs of the paragraph would measure too many runs.
    bool vorbereiten();
    void bytesAusgeben();
    void laufAusgeben();
    // A table row gets a tab stop at the right edge of each cell but the last (\cellx) and is
    // aligned left.
    void absatzEnde(bool neuerAbsatz, bool tabellenZeile = false);
    // The formats of the last few character states; documents switch between a handful.
    const QTextCharFormat &formatAusZwischenspeicher(const Zeichen &z);
    QTextCharFormat format(const Zeichen &z) const;
    static QTextBlockFormat absatzFormat(const Absatz &p);

    const char *d_;
    std::size_t n_;
    std::size_t pos_;
    QTextCursor cursor_;

    Zustand s_;
    std::vector<Zustand> stapel_;
    int ueberlauf_ = 0;  // groups opened beyond the stack's depth
    bool sternFolgt_ = false;
    bool gruppeAnfang_ = false;
    int ueberspringeUc_ = 0;
    bool zweitesByteFaellig_ = false;
    bool zellenAbsatz_ = false;
    int listeAnfang_ = -1, listeTiefe_ = 0;
    int fussnoten_ = 0;

    int codePage_ = 1252;
    int deff_ = 0;
    QHash<int, SchriftEintrag> schriften_;
    QHash<int, int> schriftCodePage_;
    int definierteSchrift_ = 0;
    QByteArray schriftName_;
    std::vector<std::optional<TColor>> farben_;
    std::vector<int> zellenRaender_;  // twips, of the current table row
    int rot_ = 0, gruen_ = 0, blau_ = 0;
    bool farbeGesetzt_ = false;
    std::map<int, std::unique_ptr<QStringDecoder>> decoder_;
    std::vector<std::pair<Zeichen, QTextCharFormat>> formate_;

    Zeichen laufZeichen_;
    int laufPixel_ = PixelGroesse(12);
    double hoehe_ = 0, segmentBreite_ = 0, segmentZeile_ = 0, segmentZeichen_ = 0;
    QString lauf_;
    QByteArray bytes_;
    int zeichenAnzahl_ = 0;
    int formatwechsel_ = 0;
    int wortLaenge_ = 0;
    int absaetze_ = 0;
    int laeufeImAbsatz_ = 0, tabsImAbsatz_ = 0;
    int zellenInZeile_ = 0, zellen_ = 0;
    qint64 tabArbeit_ = 0;
    bool voll_ = false;  // a bound was reached: the text ends
    RtfBericht bericht_;
};

}  // namespace rtfintern
