// Replays the fuzzing seeds and every input the fuzzers ever found through the same path as
// the fuzz targets (fuzz/leser.h): the RTF files of tests/daten/rtf/ and rtf_funde/ through the
// RTF reader, the built-in texts and markup_funde/ through the markup writer, each into a shown
// control, laid out and painted. Under the sanitizers a fixed fault stays fixed; a warning of
// the toolkit while reading fails as the fuzzers do.
#include "fuzz/leser.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList Warnungen;

void Sammle(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    if (typ != QtDebugMsg && typ != QtInfoMsg && !text.contains(QLatin1String("OpenType support missing")))
        Warnungen.append(text);
}

struct Ordner {
    const char *pfad;  // below the source tree
    bool rtf;
    bool mussDateienHaben;
};

void Wiedergabe(const Ordner &o)
{
    const QDir dir(QStringLiteral(QP_TESTDATEN "/../../") + QString::fromLatin1(o.pfad));
    const QStringList namen = dir.entryList(QDir::Files, QDir::Name);
    if (o.mussDateienHaben) {
        EXPECT_FALSE(namen.isEmpty()) << o.pfad;
    }
    for (const QString &name : namen) {
        SCOPED_TRACE((QString::fromLatin1(o.pfad) + u'/' + name).toStdString());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray daten = f.readAll();
        Warnungen.clear();
        const QtMessageHandler vorher = qInstallMessageHandler(Sammle);
        if (o.rtf)
            RtfEinlesen(daten);
        else
            MarkupEinlesen(daten);
        qInstallMessageHandler(vorher);
        EXPECT_TRUE(Warnungen.isEmpty()) << Warnungen.join(u'\n').toStdString();
        // Every input stays within the height the text layout copes with.
        EXPECT_LT(LeserControl().document()->size().height(), 8'000'000.0);
    }
}

}  // namespace

TEST(Wiedergabe, SaatUndFundeDurchDieLeser)
{
    for (const Ordner &o : {Ordner{"tests/daten/rtf", true, true}, Ordner{"tests/daten/rtf_funde", true, true},
                            Ordner{"guide/texte", false, true}, Ordner{"tests/daten/markup_funde", false, true}})
        Wiedergabe(o);
}
