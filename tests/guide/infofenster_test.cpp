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
        EXPECT_EQ(info->BitBtnInfo[n]->isEnabled(), n != 4) << n;
    EXPECT_FALSE(info->PanelTexte->isVisibleTo(info.get()));
    EXPECT_TRUE(info->RichEditInfo->toPlainText().size() > 200);

    info->BitBtnInfo[7]->click();
    EXPECT_EQ(InfoSeite, 7);
    EXPECT_FALSE(info->BitBtnInfo[7]->isEnabled());
    EXPECT_TRUE(info->BitBtnInfo[4]->isEnabled());
    EXPECT_TRUE(info->PanelTexte->isVisibleTo(info.get()));
    EXPECT_FALSE(info->PanelSeiStad->isVisibleTo(info.get()));
    info->BitBtnInfo[8]->click();
    EXPECT_TRUE(info->PanelSeiStad->isVisibleTo(info.get()));
    EXPECT_FALSE(info->PanelTexte->isVisibleTo(info.get()));
}

TEST_F(InfoTest, EveryPageHasText)
{
    info->show();
    for (int n = 0; n < 9; ++n) {
        info->SeitenKnopfClick(n);
        EXPECT_GT(info->RichEditInfo->toPlainText().size(), 300) << n;
        EXPECT_FALSE(info->RichEditInfo->toPlainText().contains(QLatin1Char('*'))) << n;
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

    info->RichEditPfad->setText(QStringLiteral("  ") + ordner + QStringLiteral(" //\\ "));
    info->RichEditPfadExit();
    EXPECT_EQ(info->RichEditPfad->text(), ordner);
    EXPECT_EQ(TextPfad, ordner + QLatin1Char('/'));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_FALSE(FindeTextDatei(TextPfad, QStringLiteral("QuantenText3.RTF")).isEmpty());
}

TEST_F(InfoTest, AMissingDirectoryIsReportedAndUsedAllTheSame)
{
    info->RichEditPfad->setText(QStringLiteral("/gibt/es/ nicht\\\\"));
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
    info->RichEditPfad->setFocus();
    info->RichEditPfad->setText(QStringLiteral("/gibt/es/nicht"));
    ProgrammEndet = true;
    info->hide();
    ProgrammEndet = false;
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(TextPfad, QStringLiteral("/gibt/es/nicht/"));
}

TEST_F(InfoTest, OnlyBlanksClearTheDirectory)
{
    info->RichEditPfad->setText(QStringLiteral("    "));
    info->RichEditPfadExit();
    EXPECT_TRUE(TextPfad.isEmpty());
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(InfoTest, CheckBoxesSwitchBuiltInTextsAndTheBeep)
{
    info->CheckBoxTexteIntern->setChecked(true);
    EXPECT_FALSE(TexteVonDatei);
    info->CheckBoxTexteIntern->setChecked(false);
    EXPECT_TRUE(TexteVonDatei);
    info->CheckBoxPieps->setChecked(true);
    EXPECT_FALSE(PiepsAn);
    info->CheckBoxPieps->setChecked(false);
    EXPECT_TRUE(PiepsAn);
}

TEST_F(InfoTest, TheEntryIsAppliedWhenLeftOrClosedButNotForItsContextMenu)
{
    QTemporaryDir dir;
    TextPfad = QStringLiteral("QuantenTexte/");
    info->show();
    info->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(info.get()));
    info->RichEditPfad->setFocus();
    info->RichEditPfad->setText(QStringLiteral(" ") + dir.path());
    // Opening the context menu (to paste, say) is no leaving of the entry.
    QFocusEvent menue(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(info->RichEditPfad, &menue);
    EXPECT_EQ(info->RichEditPfad->text(), QStringLiteral(" ") + dir.path());
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
    info->RichEditPfad->setFocus();
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
        for (QWidget *w : std::initializer_list<QWidget *>{info.PanelRichedit, info.BitBtnEnde, info.PanelVorwort,
                                                           info.PanelInhalte, info.PanelInfos, info.PanelEinstellungen})
            EXPECT_TRUE(schirm.contains(imFenster(w))) << g.width() << "x" << g.height();
        for (int n = 0; n < 9; ++n) {
            EXPECT_TRUE(schirm.contains(imFenster(info.BitBtnInfo[n]))) << n << " " << g.height();
            if (n > 0) {
                EXPECT_FALSE(imFenster(info.BitBtnInfo[n]).intersects(imFenster(info.BitBtnInfo[n - 1]))) << n;
            }
        }
        EXPECT_FALSE(imFenster(info.PanelEinstellungen).intersects(imFenster(info.BitBtnEnde))) << g.height();
        for (int seite : {7, 8}) {
            InfoSeite = seite;
            info.SchreibeInfo();
            Panel *tafel = seite == 7 ? info.PanelTexte : info.PanelSeiStad;
            EXPECT_LE(info.RichEditInfo->geometry().bottom(), tafel->y()) << seite << " " << g.height();
        }
    }
}
