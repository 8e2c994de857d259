// Large hostile RTF files in the shapes that cost the reader and the text layout the most:
// format runs before a wide table row, rows of very many cells, many rows of many cells, deeply
// nested lists, long lines, many tables and many pictures. The replay test makes them small
// enough for the sanitizers; the benchmarks make them as large as teachers' files get.
#pragma once

#include <QByteArray>

namespace grossdateien {

enum class Form {
    formateVorZeile,  // n format runs, then one table row of m cells
    formateVorTabs,   // n format runs, then m tabs in the same paragraph
    breiteZeile,      // one table row of n cells
    zeilenMalZellen,  // n table rows of m cells each
    tiefeListe,       // n list items, each nested one level deeper
    langeZeile,       // one paragraph of n words
    vieleTabellen,    // n tables of 3 × m cells
    vieleBilder,      // n pictures of m bytes of data between short paragraphs
};

// Three format runs (bold, plain, italic), then the largest and the smallest size and a colour
// the table lacks.
inline constexpr char FormatLauf[] = "\\b x\\b0 y\\i z\\i0 \\fs2000 \\fs1 \\cf99999 ";

inline QByteArray Zeile(int zellen)
{
    QByteArray r = "\\trowd";
    for (int i = 1; i <= zellen; ++i)
        r += "\\cellx" + QByteArray::number(i * 100);
    r += "\\intbl ";
    for (int i = 0; i < zellen; ++i)
        r += "c\\cell ";
    return r + "\\row ";
}

inline QByteArray Erzeuge(Form form, int n, int m = 0)
{
    QByteArray r = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red200\\green0\\blue0;}\n";
    switch (form) {
    case Form::formateVorZeile:
        r += QByteArray(FormatLauf).repeated(n);
        r += Zeile(m);
        break;
    case Form::formateVorTabs:
        r += QByteArray(FormatLauf).repeated(n);
        r += QByteArray("c\\tab ").repeated(m);
        break;
    case Form::breiteZeile: r += Zeile(n); break;
    case Form::zeilenMalZellen:
        for (int i = 0; i < n; ++i)
            r += Zeile(m);
        break;
    case Form::tiefeListe:
        for (int i = 0; i < n; ++i)
            r += "{\\pard\\ls1\\ilvl" + QByteArray::number(i % 9) + "\\li" + QByteArray::number(360 * (i + 1)) +
                 "{\\listtext " + QByteArray::number(i + 1) + ".\\tab}Punkt\\par ";
        r += QByteArray("}").repeated(n);
        break;
    case Form::langeZeile: r += QByteArray("Wort \\b fett\\b0  ").repeated(n); break;
    case Form::vieleTabellen:
        for (int i = 0; i < n; ++i)
            r += "\\pard Tabelle\\par " + Zeile(m).repeated(3) + "\\pard\\par ";
        break;
    case Form::vieleBilder:
        for (int i = 0; i < n; ++i)
            r += "Bild{\\pict\\pngblip\\picw10\\pich10 " + QByteArray(m, 'a') + "}\\par ";
        break;
    }
    return r + "}";
}

}  // namespace grossdateien
