// Export for worksheets: the CSV format, the proposed names, and the frame's export of a
// window's pictures — context menu, Ctrl+S and Ctrl+C, also while a run goes on.
#include "bild.h"
#include "einstellungen.h"
#include "export.h"
#include "simfenster.h"
#include "testhilfen.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
constexpr double keineZahl = std::numeric_limits<double>::quiet_NaN();
constexpr double unendlich = std::numeric_limits<double>::infinity();

// A window with one picture that draws a frame per step of its run; the test acts from
// inside the run through the hook.
class Testfenster : public SimFenster {
public:
    Testfenster() : SimFenster(QStringLiteral("Test"))
    {
        auto *spalte = new Panel(this);
        ErzeugeLaufsteuerung(spalte);
        bild = new Bild(this);
        bild->setBildGroesse(120, 80);
        klein = new Bild(this);
        klein->setBildGroesse(20, 20);
        eingabe = new QLineEdit(QStringLiteral("Text im Feld"), this);
        eingabe->move(0, 100);
    }
    Bild *bild, *klein;
    QLineEdit *eingabe;
    int bilder = 0;
    std::function<void(int)> beiBild;

protected:
    Ablauf Simulation() override
    {
        for (bilder = 1; bilder <= 10; ++bilder) {
            bild->canvas().brush.color = 0x0000FF * (bilder % 2);
            bild->canvas().fillRect(0, 0, 120, 80);
            if (beiBild)
                beiBild(bilder);
            co_await Warte(1);
            if (Gestoppt())
                co_return;
        }
    }
};

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        EinstellungenVergessen();
        FrischerZustand();
        ExportOrdnerMerken(ordner.path());
        fenster = std::make_unique<Testfenster>();
        fenster->show();
        fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
        export_ = fenster->findChild<FensterExport *>();
        ASSERT_NE(export_, nullptr);
    }
    void TearDown() override { EinstellungenVergessen(); }

    // Accepts the open save dialog with the file name given.
    QString annehmen(const QString &name)
    {
        QFileDialog *d = export_->offenerDialog();
        EXPECT_NE(d, nullptr);
        if (!d)
            return {};
        const QString datei = ordner.filePath(name);
        // typed into the name field, as the user does
        auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        EXPECT_NE(name, nullptr);
        if (name)
            name->setText(datei);
        static_cast<QDialog *>(d)->accept();  // as the dialog's save button
        Ereignisse();
        return datei;
    }

    QTemporaryDir ordner;
    std::unique_ptr<Testfenster> fenster;
    FensterExport *export_ = nullptr;
};
}  // namespace

TEST(Csv, GermanAndInternationalFormat)
{
    WerteTabelle t;
    t.spalten = {QStringLiteral("Wellenlänge / nm"), QStringLiteral("a; b"), QStringLiteral("sagt \"ja\", c")};
    t.zeilen = {{500, 1.5e13, keineZahl}, {2.5, -0.001234567, unendlich}};
    struct Fall {
        bool komma;
        const char *erwartet;
    };
    const Fall faelle[] = {
        {true, "\xEF\xBB\xBFWellenlänge / nm;\"a; b\";\"sagt \"\"ja\"\", c\"\r\n500;1,5E+13;\r\n2,5;-0,00123457;\r\n"},
        {false, "\xEF\xBB\xBFWellenlänge / nm,a; b,\"sagt \"\"ja\"\", c\"\r\n500,1.5E+13,\r\n2.5,-0.00123457,\r\n"},
    };
    for (const Fall &f : faelle)
        EXPECT_EQ(CsvText(t, f.komma), QByteArray(f.erwartet)) << f.komma;
}

TEST(Csv, NamesFromTheWindowAndTheDate)
{
    EXPECT_EQ(ExportName(QStringLiteral("Schwarzkoerper"), QDate(2026, 12, 9), QStringLiteral("png")),
              QStringLiteral("Schwarzkoerper-2026-12-09.png"));
    // A window registered under a short name proposes it; one without proposes its class name.
    QWidget fenster;
    EXPECT_EQ(FensterKurzname(&fenster), QStringLiteral("QWidget"));
    FensterAnmelden(FensterNr::Anzahl, &fenster, QStringLiteral("Neu"));
    EXPECT_EQ(FensterKurzname(&fenster), QStringLiteral("Neu"));
}

TEST_F(ExportTest, ContextMenuOnEveryPicture)
{
    for (Bild *b : {fenster->bild, fenster->klein}) {
        std::unique_ptr<QMenu> m(export_->Kontextmenue(b));
        QStringList texte;
        for (QAction *a : m->actions())
            if (!a->isSeparator())
                texte << a->text();
        // A window that lists no values offers no CSV.
        EXPECT_EQ(texte, (QStringList{QStringLiteral("Bild speichern …"), QStringLiteral("Bild kopieren")}));
    }
    // A right click on a picture opens it.
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), fenster->klein->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(fenster->klein, &e);
    Ereignisse();
    auto *menue = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    menue->actions().at(1)->trigger();  // "Bild kopieren": the small picture
    menue->close();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(20, 20));
}

TEST_F(ExportTest, CtrlSSavesTheMainPictureUnderTheProposedName)
{
    fenster->bild->canvas().pen.color = 0x00FF00;
    fenster->bild->canvas().lineTo(119, 79);
    QTest::keyClick(fenster.get(), Qt::Key_S, Qt::ControlModifier);
    QFileDialog *d = export_->offenerDialog();
    ASSERT_NE(d, nullptr);
    const QString vorschlag = ExportName(FensterKurzname(fenster.get()), QDate::currentDate(), QStringLiteral("png"));
    ASSERT_FALSE(d->selectedFiles().isEmpty());
    EXPECT_EQ(d->selectedFiles().first(), ordner.filePath(vorschlag));  // the last folder used

    const QString datei = annehmen(QStringLiteral("bild.png"));
    const QImage gelesen(datei);
    EXPECT_EQ(gelesen.size(), fenster->bild->bild().size());
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32), fenster->bild->bild());
}

TEST_F(ExportTest, CtrlCCopiesThePictureButATextFieldKeepsIt)
{
    QTest::keyClick(fenster.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(120, 80));

    fenster->eingabe->setFocus();
    fenster->eingabe->selectAll();
    QTest::keyClick(fenster->eingabe, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Text im Feld"));
}

TEST_F(ExportTest, TheChosenMainPictureWinsOverTheLargestWhileVisible)
{
    struct Fall {
        Bild *gewaehlt;
        bool kleinSichtbar;
        QSize kopiert;
    };
    for (const Fall &f : {Fall{nullptr, true, {120, 80}}, Fall{fenster->klein, true, {20, 20}},
                          Fall{fenster->klein, false, {120, 80}}}) {
        fenster->HauptBildSetzen(f.gewaehlt);
        fenster->klein->setVisible(f.kleinSichtbar);
        QTest::keyClick(fenster.get(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), f.kopiert);
        std::unique_ptr<QMenu> m(export_->Kontextmenue(f.gewaehlt ? f.gewaehlt : fenster->bild));
        EXPECT_EQ(m->actions().at(0)->shortcut().isEmpty(), !f.kleinSichtbar) << "Ctrl+S shown on its menu";
    }
}

TEST_F(ExportTest, SavingDuringARunKeepsTheRunGoing)
{
    QImage verlangt;
    QString datei;
    bool anBeimSpeichern = false;
    fenster->beiBild = [&](int n) {
        if (n == 3) {
            verlangt = fenster->bild->bild().copy();
            QTest::keyClick(fenster.get(), Qt::Key_S, Qt::ControlModifier);  // the dialog does not block
        } else if (n == 6) {
            anBeimSpeichern = fenster->an;
            datei = annehmen(QStringLiteral("lauf.png"));
        }
    };
    TestTakt takt;
    fenster->BitBtnLichtClick();
    ASSERT_TRUE(takt.Bis([&] { return !fenster->LaufAktiv(); }));
    EXPECT_EQ(fenster->bilder, 11);  // all ten frames ran
    EXPECT_TRUE(anBeimSpeichern);
    const QImage gelesen(datei);
    ASSERT_FALSE(gelesen.isNull()) << datei.toStdString();
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32).pixel(5, 5), verlangt.pixel(5, 5));
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32), verlangt);  // the picture when asked
    EXPECT_NE(gelesen.convertToFormat(QImage::Format_RGB32), fenster->bild->bild());
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReported)
{
    MeldungsSammler meldungen;
    QTest::keyClick(fenster.get(), Qt::Key_S, Qt::ControlModifier);
    annehmen(QStringLiteral("gibt/es/nicht/bild.png"));
    ASSERT_EQ(meldungen.liste.size(), 1);
    EXPECT_EQ(meldungen.liste.first().typ, MeldungsTyp::Fehler);
}
