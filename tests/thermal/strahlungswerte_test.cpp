// The values the black-body and the Planck window offer for worksheets: steps, columns,
// and a CSV saved from the window that reads back to the curves shown.
#include "bild.h"
#include "einstellungen.h"
#include "export.h"
#include "planckgesetzfenster.h"
#include "schwarzkoerperfenster.h"
#include "strahlungswerte.h"
#include "thermalhilfen.h"

#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace Waermestrahlung;

namespace {
// A CSV file as cells; the byte order mark is checked and dropped.
QList<QStringList> CsvLesen(const QString &datei, QChar trenner)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray inhalt = f.readAll();
    EXPECT_TRUE(inhalt.startsWith("\xEF\xBB\xBF"));
    inhalt.remove(0, 3);
    QList<QStringList> zeilen;
    for (const QString &z : QString::fromUtf8(inhalt).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        zeilen << z.split(trenner);
    return zeilen;
}

double Zahl(QString zelle, bool komma)
{
    if (komma) {
        EXPECT_FALSE(zelle.contains(QLatin1Char('.'))) << zelle.toStdString();
        zelle.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    bool ok = false;
    const double w = zelle.toDouble(&ok);
    EXPECT_TRUE(ok) << zelle.toStdString();
    return w;
}
}  // namespace

TEST(Strahlungswerte, StepsOfTheOneTwoFiveSeries)
{
    struct Fall {
        double bereich, schritt;
    };
    for (const Fall &f : {Fall{1220, 5}, Fall{2500, 5}, Fall{2600, 10}, Fall{300, 1}, Fall{1000, 2}, Fall{0, 0},
                          Fall{-5, 0}, Fall{NAN, 0}})
        EXPECT_EQ(Tabellenschritt(f.bereich), f.schritt) << f.bereich;
}

TEST(Strahlungswerte, ColumnsFollowTheTickedCurvesAndTemperatures)
{
    const Diagrammmasse m = BerechneMasse(1000, 600, 70);  // L = 930
    SchwarzkoerperZustand z;  // 5000 K ticked, no curve kind
    WerteTabelle t = SchwarzkoerperWerte(z, m, Planckkonstante);
    EXPECT_EQ(t.spalten, QStringList{QStringLiteral("Frequenz / THz")});
    EXPECT_TRUE(t.leer());

    z.gemessen = z.wienRelativ = true;
    z.temperatur = {true, false, false, true, false};
    z.ueberFrequenz = false;
    t = SchwarzkoerperWerte(z, m, Planckkonstante);
    EXPECT_EQ(t.spalten, (QStringList{QStringLiteral("Wellenlänge / nm"),
                                      QStringLiteral("gemessen (Planck) T = 2000 K / W·m⁻³·sr⁻¹"),
                                      QStringLiteral("gemessen (Planck) T = 5000 K / W·m⁻³·sr⁻¹"),
                                      QStringLiteral("Wien : gemessen T = 2000 K"), QStringLiteral("Wien : gemessen T = 5000 K")}));
    // 2500 nm lie 20 px before the axis end, so the axis reaches 2554 nm: 10 nm steps.
    ASSERT_EQ(t.zeilen.size(), 255);
    EXPECT_EQ(t.zeilen.first().first(), 10);
    EXPECT_EQ(t.zeilen.last().first(), 2550);
    EXPECT_NEAR(t.zeilen[49][2] / PlanckLambda(500e-9, 5000, Planckkonstante), 1, 1e-12);
    EXPECT_NEAR(t.zeilen[49][3] / WienRelLambda(500e-9, 2000, Planckkonstante), 1, 1e-12);

    z.variabel = true;
    z.varTemperatur = 3300;
    EXPECT_EQ(SchwarzkoerperWerte(z, m, Planckkonstante).spalten.size(), 3);  // one temperature, two curves

    PlanckZustand p;  // 5875 K over frequency
    t = PlanckWerte(p, BerechneMasse(1000, 600, 100), Planckkonstante);
    ASSERT_EQ(t.spalten.size(), 2);
    EXPECT_EQ(t.spalten[1], QStringLiteral("Planck T = 5875 K / W·m⁻³·sr⁻¹"));
    EXPECT_NEAR(t.zeilen[99][1] / PlanckNu(500e12, 5875, Planckkonstante), 1, 1e-12);
}

TEST(Strahlungswerte, TheWindowSavesTheShownCurvesAsCsv)
{
    QStandardPaths::setTestModeEnabled(true);
    Bildschirm(1264, 960);
    QTemporaryDir ordner;
    ExportOrdnerMerken(ordner.path());
    TFormSchwarzkoerper fenster;
    fenster.show();
    auto *ex = fenster.findChild<FensterExport *>();
    ASSERT_NE(ex, nullptr);

    // No curve shown: the entry is there but disabled.
    auto csvEintrag = [&] {
        std::unique_ptr<QMenu> m(ex->Kontextmenue(fenster.image1()));
        return m->actions().last()->isEnabled();
    };
    EXPECT_FALSE(csvEintrag());
    fenster.checkBoxPlanckStrahlung()->setChecked(true);
    EXPECT_TRUE(csvEintrag());

    struct Fall {
        QString filter;
        QChar trenner;
        bool komma;
    };
    for (const Fall &f : {Fall{FilterDezimalkomma, QLatin1Char(';'), true}, Fall{FilterDezimalpunkt, QLatin1Char(','), false}}) {
        ex->WerteSpeichern();
        QFileDialog *d = ex->offenerDialog();
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->selectedFiles().value(0).endsWith(QStringLiteral(".csv")));
        d->selectNameFilter(f.filter);
        const QString datei = ordner.filePath(QStringLiteral("werte.csv"));
        QFile::remove(datei);
        d->selectFile(datei);
        static_cast<QDialog *>(d)->accept();  // as the dialog's save button
        Ereignisse();

        const QList<QStringList> zeilen = CsvLesen(datei, f.trenner);
        ASSERT_GT(zeilen.size(), 100);
        EXPECT_EQ(zeilen[0], (QStringList{QStringLiteral("Frequenz / THz"),
                                          QStringLiteral("gemessen (Planck) T = 5000 K / W·m⁻³·sr⁻¹")}));
        // Three points along the curve, among them its maximum near 517 THz.
        for (int i : {10, 103, int(zeilen.size()) - 1}) {
            const double nu = Zahl(zeilen[i][0], f.komma) * 1e12;
            EXPECT_NEAR(Zahl(zeilen[i][1], f.komma) / PlanckNu(nu, 5000, Planckkonstante), 1.0, 1e-5) << i;
        }
    }
    EinstellungenVergessen();
}
