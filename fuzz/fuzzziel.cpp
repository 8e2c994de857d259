// libFuzzer target: arbitrary bytes through one reader into a shown rich-text control, laid
// out and painted, or into a bare document. A warning of the toolkit counts as a finding.
// QP_LESER names the reader (fuzz/leser.h): RtfEinlesen (a teacher's file), RtfNurLesen (the
// same, read only) or MarkupEinlesen (the built-in texts).
#include "anwendung.h"
#include "global.h"
#include "leser.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
bool beimLesen = false;

void Meldungen(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    // A font without OpenType tables for a script is a fact of the system, not a finding.
    if (beimLesen && typ != QtDebugMsg && typ != QtInfoMsg && !text.contains(QLatin1String("OpenType support missing")))
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GlobalInitialisieren();
    new QApplication(*argc, *argv);
    AnwendungEinrichten();
    LeserControl();
    qInstallMessageHandler(Meldungen);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    beimLesen = true;
    QP_LESER(QByteArray(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    beimLesen = false;
    return 0;
}
