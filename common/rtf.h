// Reader for RTF files (as written by WordPad, Word and LibreOffice Writer) into a
// RichEdit: fonts, sizes, colours, bold/italic/underline, super- and subscript,
// paragraph indents, spacing and alignment, code pages and Unicode escapes. Pictures,
// objects, headers, footers, tables of fonts/styles/lists and other non-text
// destinations are skipped.
//
// Hostile input is handled in bounded time and memory: the reader is not recursive,
// group nesting deeper than RtfMaxTiefe shares the innermost state, numbers are
// clamped, \binN skips at most the rest of the data, tables are capped, files larger
// than RtfMaxDateiGroesse are refused, and the shown text stops after RtfMaxZeichen
// characters or RtfMaxAbsaetze paragraphs (the rest of the file is ignored); after
// RtfMaxFormatwechsel changes of the character format the rest of the text keeps the
// last format. A word longer than 200 characters gets an invisible break opportunity
// (U+200B) every 200 characters. With these limits no file takes more than a few
// seconds to load and lay out; real texts stay far below them.
#pragma once

#include <QByteArray>
#include <QString>

class RichEdit;

inline constexpr qint64 RtfMaxDateiGroesse = 32 * 1024 * 1024;  // bytes
inline constexpr int RtfMaxZeichen = 1'000'000;                  // characters shown
inline constexpr int RtfMaxAbsaetze = 100'000;                   // paragraphs shown
inline constexpr int RtfMaxFormatwechsel = 100'000;              // changes of the character format
inline constexpr int RtfMaxTiefe = 512;                          // saved group states

// Loads an RTF file into the control, replacing its content. False (control empty)
// when the file cannot be read, is too large, or is not RTF.
bool LadeRtf(RichEdit *edit, const QString &dateipfad);

// The same from data in memory.
bool LadeRtfDaten(RichEdit *edit, const QByteArray &daten);
