// Reader for RTF files (as written by WordPad, Word, LibreOffice Writer and pandoc) into a
// RichEdit: fonts (also the East Asian font of \dbch text and the Symbol font's table), sizes,
// colours, bold/italic/underline, super- and subscript, paragraph indents, spacing and
// alignment, table rows (one line each, cells separated by tabs), list numbers, footnote marks,
// code pages and Unicode escapes. Pictures, objects, headers, footers, footnote texts, tables of
// fonts/styles/lists and other non-text destinations are skipped.
//
// Hostile input is handled in bounded time and memory: the reader is not recursive,
// group nesting deeper than RtfMaxTiefe shares the innermost state, numbers are
// clamped, \binN skips at most the rest of the data, tables are capped, files larger
// than RtfMaxDateiGroesse are refused, and the shown text stops after RtfMaxZeichen
// characters, RtfMaxAbsaetze paragraphs or an estimated height of RtfMaxHoehe pixels at a
// width of RtfMinBreite, and after RtfMaxFormatwechsel changes of the character format. The
// products that cost the text layout more than their size are bounded as well: format runs
// per paragraph, cells per table row, cells in the document (rows × cells) and, summed over
// the paragraphs, tabs × (format runs + tabs) (the layout measures the rest of the paragraph
// at every tab that reaches a tab stop of a table row). Where a bound is reached the text is
// cut and one line in italics says so; the file itself is never changed. A word longer than
// 200 characters gets an invisible break opportunity (U+200B) every 200 characters. So reading
// and laying out any file takes work in proportion to its size, and at most about a second;
// real texts stay far below the bounds.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;
class RichEdit;

// Pictures take most of a file with photos; they are skipped, so only absurd sizes are refused.
inline constexpr qint64 RtfMaxDateiGroesse = 256 * 1024 * 1024;  // bytes
inline constexpr int RtfMaxZeichen = 1'000'000;                  // characters shown
inline constexpr int RtfMaxAbsaetze = 100'000;                   // paragraphs shown
inline constexpr int RtfMaxFormatwechsel = 100'000;              // changes of the character format
inline constexpr int RtfMaxTiefe = 512;                          // saved group states
inline constexpr int RtfMaxLaeufeJeAbsatz = 5'000;               // format runs in one paragraph
inline constexpr int RtfMaxZellenJeZeile = 64;                   // cells of one table row
inline constexpr int RtfMaxZellen = 20'000;                      // cells in the document
inline constexpr qint64 RtfMaxTabArbeit = 1'000'000;             // Σ tabs × (runs + tabs) per paragraph
// The text layout fails on documents taller than about 8 million pixels; the estimate (lines
// at the narrowest text control, font size, \line, spacing before and after) stops at half.
inline constexpr double RtfMaxHoehe = 4'000'000;                  // pixels, estimated
inline constexpr double RtfMinBreite = 200;                       // pixels of text width

// The line that ends a text cut at a bound, in German; the reader writes it in the program's
// language (context "Rtf").
inline constexpr char RtfGekuerztQuelle[] =
    QT_TRANSLATE_NOOP("Rtf", "Die Datei ist zu umfangreich und wird nur bis hierher angezeigt.");
inline const QString RtfGekuerztHinweis = QString::fromUtf8(RtfGekuerztQuelle);

// What a load did: whether a bound cut the text, and its work in counted steps — the reader's
// (bytes read, characters, format runs and paragraphs written) and the layout's to come (the
// characters, and at each tab the runs and tabs of its paragraph that the layout measures).
struct RtfBericht {
    bool gekuerzt = false;
    qint64 leseSchritte = 0;
    qint64 layoutSchritte = 0;
};

// Loads an RTF file into the control, replacing its content. False (control empty)
// when the file cannot be read, is too large, or is not RTF.
bool LadeRtf(RichEdit *edit, const QString &dateipfad, RtfBericht *bericht = nullptr);

// The same from data in memory.
bool LadeRtfDaten(RichEdit *edit, const QByteArray &daten, RtfBericht *bericht = nullptr);

// Reads RTF data into a document, replacing its content; the reading alone, without a control.
bool LeseRtf(QTextDocument *doc, const QByteArray &daten, RtfBericht *bericht = nullptr);
