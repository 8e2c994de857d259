// Loading RTF into the rich-text control: a large formatted text as word processors
// write it, a teacher's 1 MB text shown on a guide page, the worst case of a format change after
// every character, and picture data skipped.
#include "guidefenster.h"
#include "richtext.h"
#include "rtf.h"
#include "../tests/common/grossdateien.h"

#include <QAbstractTextDocumentLayout>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cctype>

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

// Where the text of a file begins: its first \pard after \sectd at the level of the document (not
// in a header or footer).
qsizetype TextAnfang(const QByteArray &d)
{
    const qsizetype sectd = d.indexOf("\\sectd");
    int tiefe = 0;
    for (qsizetype i = 0; sectd >= 0 && i + 5 < d.size(); ++i) {
        if (d[i] == '{') {
            ++tiefe;
        } else if (d[i] == '}') {
            --tiefe;
        } else if (d[i] == '\\') {
            if (i > sectd && tiefe == 1 && d.mid(i, 5) == "\\pard" && !std::isalpha(static_cast<unsigned char>(d[i + 5])))
                return i;
            ++i;  // an escaped brace or backslash
        }
    }
    return -1;
}

// A teacher's text as a word processor writes it, about `bytes` long: the bodies of the files
// LibreOffice Writer wrote among the seeds (headings, paragraphs, bold and italic runs, sub- and
// superscripts, lists, a table of four rows in two of them, a picture) in turn under the first
// one's header (tables of fonts, colours and styles).
QByteArray Lehrertext(qsizetype bytes)
{
    const QDir dir(QStringLiteral(QP_TESTDATEN "/rtf"));
    QByteArray kopf, text;
    for (const char *name : {"lo_bohr.rtf", "lo_photoeffekt.rtf", "lo_liste.rtf", "lo_formatiert.rtf"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QByteArray d = f.readAll();
        const qsizetype anfang = TextAnfang(d);
        if (anfang < 0)
            return {};
        if (kopf.isEmpty())
            kopf = d.left(anfang);
        text += d.mid(anfang, d.lastIndexOf('}') - anfang);
    }
    QByteArray rtf = kopf;
    while (rtf.size() < bytes)
        rtf += text;
    return rtf + "}";
}

// The 1 MB text as a guide page shows it on a 1920 × 1080 screen: the page's file in the text
// directory read into the theory text (busy cursor and all), then the event pass and the
// paint that put its first view on the screen (aim: under 100 ms, wall time).
void BM_RtfLehrertextSeite(benchmark::State &state)
{
    const QByteArray rtf = Lehrertext(1024 * 1024);
    QTemporaryDir dir;
    QFile datei(dir.filePath(QStringLiteral("QuantenText1.RTF")));
    if (rtf.isEmpty() || !datei.open(QIODevice::WriteOnly) || datei.write(rtf) != rtf.size()) {
        state.SkipWithError("no seeds or no temporary directory");
        return;
    }
    datei.close();
    GlobalInitialisieren();
    BildschirmBreite = 1904;
    BildschirmHoehe = 1016;
    Bildschirmeinteilung(1904, 1016);
    TextPfad = dir.path() + u'/';
    TexteVonDatei = true;
    TFormGuide guide;
    guide.SeiteWaehlen(1);
    guide.setGeometry(0, 0, BildschirmBreite, BildschirmHoehe);
    guide.show();  // shows page 1
    QCoreApplication::processEvents();
    for (auto _ : state) {
        guide.Seitevorbereiten();
        QCoreApplication::processEvents();
        QEvent anfrage(QEvent::UpdateRequest);  // the window system's next update
        QCoreApplication::sendEvent(&guide, &anfrage);
    }
    const QTextDocument *doc = guide.richEditTheorie()->document();
    state.counters["Absaetze"] = doc->blockCount();
    state.counters["Zeichen"] = doc->characterCount();
    state.counters["MB"] = double(rtf.size()) / 1e6;
    state.counters["gekuerzt"] = doc->lastBlock().text() == RtfGekuerztHinweis;
    TextPfad.clear();
    TexteVonDatei = false;
}
BENCHMARK(BM_RtfLehrertextSeite)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

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

// Hostile shapes as a shown page: read, laid out to the end and painted in a control of a hint
// panel's size (aim: any file up to 10 MB under 2 s). Arguments: the generator's form, n, m.
void BM_RtfFeindlicheSeite(benchmark::State &state)
{
    const QByteArray rtf = grossdateien::Erzeuge(grossdateien::Form(state.range(0)), int(state.range(1)),
                                                  int(state.range(2)));
    RichEdit edit;
    edit.resize(400, 300);
    edit.show();
    for (auto _ : state) {
        LadeRtfDaten(&edit, rtf);
        benchmark::DoNotOptimize(edit.document()->documentLayout()->documentSize());
        edit.viewport()->grab();
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["MB"] = double(rtf.size()) / 1e6;
}
using grossdateien::Form;
BENCHMARK(BM_RtfFeindlicheSeite)
    ->Args({int(Form::formateVorZeile), 5000, 20000})
    ->Args({int(Form::formateVorZeile), 200000, 100000})
    ->Args({int(Form::breiteZeile), 500000, 0})
    ->Args({int(Form::zeilenMalZellen), 20000, 40})
    ->Args({int(Form::tiefeListe), 100000, 0})
    ->Args({int(Form::langeZeile), 600000, 0})
    ->Args({int(Form::vieleTabellen), 10000, 10})
    ->Args({int(Form::vieleBilder), 1000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
