// Loading RTF into the rich-text control: a large formatted text as word processors
// write it, the worst case of a format change after every character, and picture data skipped.
#include "richtext.h"
#include "rtf.h"

#include <QByteArray>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

// About `bytes` of RTF: paragraphs with indents and alignment, bold and coloured runs,
// umlauts as \'xx and Unicode escapes.
QByteArray FormatierterText(qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                     "{\\f1\\fnil\\fcharset0 Comic Sans MS;}}"
                     "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\\uc1\n";
    int n = 0;
    while (rtf.size() < bytes) {
        rtf += n % 3 == 0 ? "\\pard\\li720\\fi-360\\qj " : n % 3 == 1 ? "\\pard\\qc " : "\\pard\\ri360 ";
        rtf += "\\f1\\fs24 Die Planck-Konstante verkn\\'fcpft {\\b Energie} und {\\cf1\\i Frequenz}: "
               "E = h\\'b7f. Gr\\'f6\\'dfe Quanten \\u8364? {\\cf2\\ul Licht} besteht aus Photonen, "
               "deren Energie mit der Frequenz w\\'e4chst; das erkl\\'e4rt den Photoeffekt.\\par\n";
        ++n;
    }
    rtf += "}";
    return rtf;
}

void BM_RtfLaden1MB(benchmark::State &state)
{
    const QByteArray rtf = FormatierterText(1024 * 1024);
    RichEdit edit;
    for (auto _ : state) {
        LadeRtfDaten(&edit, rtf);
        benchmark::DoNotOptimize(edit.document()->characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_RtfLaden1MB)->Unit(benchmark::kMillisecond);

void BM_RtfFormatwechselJedesZeichen(benchmark::State &state)
{
    QByteArray rtf = "{\\rtf1 ";
    while (rtf.size() < 1024 * 1024)
        rtf += "\\b a\\b0 b";
    rtf += "}";
    RichEdit edit;
    for (auto _ : state) {
        LadeRtfDaten(&edit, rtf);
        benchmark::DoNotOptimize(edit.document()->characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_RtfFormatwechselJedesZeichen)->Unit(benchmark::kMillisecond);

// 16 MB of picture data inside the text: skipped, the text around it shown (aim under 1 s).
void BM_RtfBilddaten16MB(benchmark::State &state)
{
    QByteArray rtf = "{\\rtf1 vor{\\pict\\pngblip ";
    rtf += QByteArray(16 * 1024 * 1024, 'a');
    rtf += "}nach}";
    RichEdit edit;
    for (auto _ : state) {
        LadeRtfDaten(&edit, rtf);
        benchmark::DoNotOptimize(edit.document()->characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_RtfBilddaten16MB)->Unit(benchmark::kMillisecond);

}  // namespace
