// Replays the fuzzing seeds and every input the fuzzers ever found through the same path as
// the fuzz targets (fuzz/leser.h): the RTF files of tests/daten/rtf/ and rtf_funde/ through the
// RTF reader, the built-in texts and markup_funde/ through the markup writer, each into a shown
// control, laid out and painted. Under the sanitizers a fixed fault stays fixed; a warning of
// the toolkit while reading fails as the fuzzers do. Large hostile files from the generator
// go the same way; every RTF input stays within a work budget in proportion to its size.
#include "grossdateien.h"
#include "leser.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList Warnungen;

// Steps of reading and of the layout a file of this size may take: a few per byte, and the
// fixed bounds of the tab work.
qint64 Budget(qsizetype bytes)
{
    return 64 * qint64(bytes) + 2 * RtfMaxTabArbeit;
}

// Reads RTF through the shown control and checks the work it took; whether a bound cut it.
bool RtfMitBudget(const QByteArray &daten)
{
    const RtfBericht bericht = RtfEinlesen(daten);
    EXPECT_LE(bericht.leseSchritte, 4 * qint64(daten.size()));
    EXPECT_LE(bericht.layoutSchritte, Budget(daten.size()));
    EXPECT_LE(LayoutSchritte(*LeserControl().document()), Budget(daten.size()));
    return bericht.gekuerzt;
}

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
            RtfMitBudget(daten);
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

// Large files in the shapes that cost the most, as small as the sanitizers allow: each ends
// where a bound cuts it (with the closing line) or shows whole, within the budget.
struct Grossdatei {
    const char *name;
    grossdateien::Form form;
    int n, m;
    bool gekuerzt;
};

class Grossdateien : public testing::TestWithParam<Grossdatei> {};

TEST_P(Grossdateien, InDerArbeitsgrenze)
{
    const Grossdatei &g = GetParam();
    const QByteArray daten = grossdateien::Erzeuge(g.form, g.n, g.m);
    Warnungen.clear();
    const QtMessageHandler vorher = qInstallMessageHandler(Sammle);
    EXPECT_EQ(RtfMitBudget(daten), g.gekuerzt);
    qInstallMessageHandler(vorher);
    EXPECT_TRUE(Warnungen.isEmpty()) << Warnungen.join(u'\n').toStdString();
    const QTextDocument &doc = *LeserControl().document();
    EXPECT_EQ(doc.lastBlock().text() == RtfGekuerztHinweis, g.gekuerzt);
    EXPECT_GT(doc.characterCount(), 1);
}

using grossdateien::Form;
INSTANTIATE_TEST_SUITE_P(
    Formen, Grossdateien,
    testing::Values(Grossdatei{"FormatlaeufeMalZellen", Form::formateVorZeile, 1000, 3000, true},
                    Grossdatei{"FormatlaeufeMalTabs", Form::formateVorTabs, 1500, 1000, true},
                    Grossdatei{"ZellenJeZeile", Form::breiteZeile, 5000, 0, true},
                    Grossdatei{"ZeilenMalZellen", Form::zeilenMalZellen, 2100, 10, true},
                    Grossdatei{"FormatlaeufeJeAbsatz", Form::langeZeile, 3000, 0, true},
                    Grossdatei{"TiefeListe", Form::tiefeListe, 3000, 0, false},
                    Grossdatei{"VieleTabellen", Form::vieleTabellen, 300, 8, false},
                    Grossdatei{"VieleBilder", Form::vieleBilder, 200, 20000, false}),
    [](const testing::TestParamInfo<Grossdatei> &i) { return std::string(i.param.name); });
