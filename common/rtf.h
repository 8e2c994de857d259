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
// width of RtfMinBreite (the rest of the file is ignored); after RtfMaxFormatwechsel changes
// of the character format the rest of the text keeps the last format. A word longer than 200
// characters gets an invisible break opportunity (U+200B) every 200 characters. With these
// limits no file takes more than a few seconds to load and lay out; real texts stay far below
// them.
#pragma once

#include <QByteArray>
#include <QString>

class RichEdit;

// Pictures take most of a file with photos; they are skipped, so only absurd sizes are refused.
inline constexpr qint64 RtfMaxDateiGroesse = 256 * 1024 * 1024;  // bytes
inline constexpr int RtfMaxZeichen = 1'000'000;                  // characters shown
inline constexpr int RtfMaxAbsaetze = 100'000;                   // paragraphs shown
inline constexpr int RtfMaxFormatwechsel = 100'000;              // changes of the character format
inline constexpr int RtfMaxTiefe = 512;                          // saved group states
// The text layout fails on documents taller than about 8 million pixels; the estimate (lines
// at the narrowest text control, font size, \line, spacing before and after) stops at half.
inline constexpr double RtfMaxHoehe = 4'000'000;                  // pixels, estimated
inline constexpr double RtfMinBreite = 200;                       // pixels of text width

// Loads an RTF file into the control, replacing its content. False (control empty)
// when the file cannot be read, is too large, or is not RTF.
bool LadeRtf(RichEdit *edit, const QString &dateipfad);

// The same from data in memory.
bool LadeRtfDaten(RichEdit *edit, const QByteArray &daten);
