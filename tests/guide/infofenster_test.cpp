// The information window: pages, button states and the text settings.
#include "guidefenster.h"
#include "infofenster.h"
#include "richtext.h"
#include "testhilfen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class InfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bildschirm(1264, 960);
        info = std::make_unique<TFormInfo>();
    }
    std::unique_ptr<TFormInfo> info;
    MeldungsSammler sammler;
    QList<MeldungsEintrag> &meldungen = sammler.liste;
};
}  // namespace

TEST_F(InfoTest, OpenedOnAPageItsButtonIsTheDisabledOne)
{
    InfoSeite = 4;
    info->show();
    for (int n = 0; n < 9; ++n)
        EXPECT_EQ(info->bitBtnInfo(n)->isEnabled(), n != 4) << n;
    EXPECT_FALSE(info->panelTexte()->isVisibleTo(info.get()));
    EXPECT_TRUE(info->richEditInfo()->toPlainText().size() > 200);

    info->bitBtnInfo(7)->click();
    EXPECT_EQ(InfoSeite, 7);
    EXPECT_FALSE(info->bitBtnInfo(7)->isEnabled());
    EXPECT_TRUE(info->bitBtnInfo(4)->isEnabled());
    EXPECT_TRUE(info->panelTexte()->isVisibleTo(info.get()));
    EXPECT_FALSE(info->panelSeiStad()->isVisibleTo(info.get()));
    info->bitBtnInfo(8)->click();
    EXPECT_TRUE(info->panelSeiStad()->isVisibleTo(info.get()));
    EXPECT_FALSE(info->panelTexte()->isVisibleTo(info.get()));
}

TEST_F(InfoTest, EveryPageHasText)
{
    info->show();
    for (int n = 0; n < 9; ++n) {
        info->SeitenKnopfClick(n);
        EXPECT_GT(info->richEditInfo()->toPlainText().size(), 300) << n;
        EXPECT_FALSE(info->richEditInfo()->toPlainText().contains(QLatin1Char('*'))) << n;
    }
}

TEST_F(InfoTest, DirectoryEntryKeepsInnerBlanksAndUmlautsAndDropsOuterBlanksAndSeparators)
{
    QTemporaryDir dir;
    const QString ordner = dir.filePath(QStringLiteral("Meine Texte/Übungen"));
    ASSERT_TRUE(QDir().mkpath(ordner));
    QFile datei(ordner + QStringLiteral("/QuantenText3.RTF"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("{\\rtf1 Eigener Text}");
    datei.close();

    info->richEditPfad()->setText(QStringLiteral("  ") + ordner + QStringLiteral(" //\\ "));
    info->RichEditPfadExit();
    EXPECT_EQ(info->richEditPfad()->text(), ordner);
    EXPECT_EQ(TextPfad, ordner + QLatin1Char('/'));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_FALSE(FindeTextDatei(TextPfad, QStringLiteral("QuantenText3.RTF")).isEmpty());
}

TEST_F(InfoTest, AMissingDirectoryIsReportedAndUsedAllTheSame)
{
    info->richEditPfad()->setText(QStringLiteral("/gibt/es/ nicht\\\\"));
    info->RichEditPfadExit();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].typ, MeldungsTyp::Fehler);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Dieses Verzeichnis existiert nicht! (Schreibfehler?)"));
    EXPECT_EQ(meldungen[0].knopf, MeldungsKnopf::Wiederholen);
    EXPECT_EQ(TextPfad, QStringLiteral("/gibt/es/ nicht/"));
}

TEST_F(InfoTest, AWrongDirectoryLeftInTheEntryGivesNoMessageWhenTheProgramEnds)
{
    TextPfad = QStringLiteral("QuantenTexte/");
    info->show();
    info->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(info.get()));
    info->richEditPfad()->setFocus();
    info->richEditPfad()->setText(QStringLiteral("/gibt/es/nicht"));
    ProgrammEndet = true;
    info->hide();
    ProgrammEndet = false;
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(TextPfad, QStringLiteral("/gibt/es/nicht/"));
}

TEST_F(InfoTest, OnlyBlanksClearTheDirectory)
{
    info->richEditPfad()->setText(QStringLiteral("    "));
    info->RichEditPfadExit();
    EXPECT_TRUE(TextPfad.isEmpty());
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(InfoTest, CheckBoxesSwitchBuiltInTextsAndTheBeep)
{
    info->checkBoxTexteIntern()->setChecked(true);
    EXPECT_FALSE(TexteVonDatei);
    info->checkBoxTexteIntern()->setChecked(false);
    EXPECT_TRUE(TexteVonDatei);
    info->checkBoxPieps()->setChecked(true);
    EXPECT_FALSE(PiepsAn);
    info->checkBoxPieps()->setChecked(false);
    EXPECT_TRUE(PiepsAn);
}

TEST_F(InfoTest, TheEntryIsAppliedWhenLeftOrClosedButNotForItsContextMenu)
{
    QTemporaryDir dir;
    TextPfad = QStringLiteral("QuantenTexte/");
    info->show();
    info->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(info.get()));
    info->richEditPfad()->setFocus();
    info->richEditPfad()->setText(QStringLiteral(" ") + dir.path());
    // Opening the context menu (to paste, say) is no leaving of the entry.
    QFocusEvent menue(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(info->richEditPfad(), &menue);
    EXPECT_EQ(info->richEditPfad()->text(), QStringLiteral(" ") + dir.path());
    EXPECT_EQ(TextPfad, QStringLiteral("QuantenTexte/"));
    // Closing the window with the focus still in the entry applies it.
    info->close();
    EXPECT_EQ(TextPfad, dir.path() + QLatin1Char('/'));
    EXPECT_TRUE(meldungen.isEmpty());

    // Opened again and closed without a change: no message about the directory.
    TextPfad = QStringLiteral("/gibt/es/nicht/");
    info->show();
    info->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(info.get()));
    info->richEditPfad()->setFocus();
    info->close();
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(TextPfad, QStringLiteral("/gibt/es/nicht/"));
}

TEST(Erzeugung, TheGuideAndTheInformationWindowLeaveTheSharedSettingsAlone)
{
    Bildschirm(1264, 960);
    InfoSeite = 5;
    TextPfad = QStringLiteral("/eigene/Texte/");
    FarbeHintergrund = 0x123456;
    FarbePanel = 0x654321;
    {
        TFormInfo info;
        TFormGuide guide;
    }
    EXPECT_EQ(InfoSeite, 5);
    EXPECT_EQ(TextPfad, QStringLiteral("/eigene/Texte/"));
    EXPECT_EQ(FarbeHintergrund, 0x123456u);
    EXPECT_EQ(FarbePanel, 0x654321u);
}

TEST(InfoBildschirme, EveryControlOnScreenAndTheTextEndsAboveTheSettingsPanel)
{
    MeldungsSammler sammler;
    for (const QSize g : {QSize(1904, 1016), QSize(1008, 704), QSize(1264, 656), QSize(1008, 536)}) {
        Bildschirm(g.width(), g.height());
        TFormInfo info;
        info.resize(g);
        const QRect schirm(0, 0, g.width(), g.height());
        auto imFenster = [&](QWidget *w) { return QRect(w->mapTo(&info, QPoint(0, 0)), w->size()); };
        for (QWidget *w : std::initializer_list<QWidget *>{info.panelRichedit(), info.bitBtnEnde(), info.panelVorwort(),
                                                           info.panelInhalte(), info.panelInfos(),
                                                           info.panelEinstellungen()})
            EXPECT_TRUE(schirm.contains(imFenster(w))) << g.width() << "x" << g.height();
        for (int n = 0; n < 9; ++n) {
            EXPECT_TRUE(schirm.contains(imFenster(info.bitBtnInfo(n)))) << n << " " << g.height();
            if (n > 0) {
                EXPECT_FALSE(imFenster(info.bitBtnInfo(n)).intersects(imFenster(info.bitBtnInfo(n - 1)))) << n;
            }
        }
        EXPECT_FALSE(imFenster(info.panelEinstellungen()).intersects(imFenster(info.bitBtnEnde()))) << g.height();
        for (int seite : {7, 8}) {
            InfoSeite = seite;
            info.SchreibeInfo();
            Panel *tafel = seite == 7 ? info.panelTexte() : info.panelSeiStad();
            EXPECT_LE(info.richEditInfo()->geometry().bottom(), tafel->y()) << seite << " " << g.height();
        }
    }
}
