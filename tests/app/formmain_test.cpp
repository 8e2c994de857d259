// The start screen: geometry, title picture, portrait reveal and its buttons.
#include "bild.h"
#include "canvas.h"
#include "forminfo.h"
#include "formmain.h"
#include "richtext.h"
#include "simfenster.h"
#include "startbild.h"
#include "testhilfen.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

TEST(Startgeometrie, On1280x1024)
{
    const Startgeometrie g = BerechneStartgeometrie(1280, 1024);
    EXPECT_EQ(g.breite, 1264);
    EXPECT_EQ(g.hoehe, 960);
    EXPECT_EQ(g.knoepfe, QRect(1038, 69, 218, 681));
    EXPECT_EQ(g.titel, QRect(179, 69, 680, 680));
    // Four columns 56 px apart; the lower row stands on the picture's bottom.
    EXPECT_EQ(g.portrait[0], QRect(179, 69, 128, 168));   // Planck
    EXPECT_EQ(g.portrait[3], QRect(179 + 3 * 184, 69, 128, 168));  // Hertz
    EXPECT_EQ(g.portrait[7], QRect(179, 69 + 680 - 168, 128, 168));  // Schrödinger, lower left
    EXPECT_EQ(g.portrait[4], QRect(179 + 3 * 184, 581, 128, 168));   // Bohr, lower right
}

TEST(Startgeometrie, LowMonitorsKeepEverythingOnTheScreen)
{
    // 745 px and more: the formula as it stands; below, nothing leaves the screen.
    EXPECT_EQ(BerechneStartgeometrie(1024, 768).knoepfe, QRect(782, 5, 218, 681));
    EXPECT_EQ(BerechneStartgeometrie(1024, 745).knoepfe.top(), 0);
    for (int hoehe : {741, 720, 600}) {
        const Startgeometrie g = BerechneStartgeometrie(1024, hoehe);
        const QRect schirm(0, 0, g.breite, g.hoehe);
        EXPECT_TRUE(schirm.contains(g.knoepfe)) << hoehe;
        for (const QRect &p : g.portrait)
            EXPECT_TRUE(schirm.contains(p)) << hoehe;
    }
}

TEST(Titelbild, RingColoursFollowTheRadialWaveFormula)
{
    const TColor hinten = 0x964401;
    for (int i : {1, 10, 45, 90, 135, 170}) {
        const double x = 2 * i / 20.0;
        const double t = std::fabs((2 * x * x - 18 * x + 27) * std::exp(-x / 3)) / 27;
        const double m = t * (4 - 3 * std::sqrt(2 * t - t * t));
        const double grau = 192 * m + 63;
        const double w = 2.0 * i / 340;
        const int r = int(grau * (1 - w) + 0x01 * w);
        const int gr = int(grau * (1 - w) + 0x44 * w);
        const int b = int(grau * (1 - w) + 0x96 * w);
        const TColor f = TitelRingFarbe(i, hinten);
        EXPECT_NEAR(int(f & 0xFF), r, 1) << i;
        EXPECT_NEAR(int((f >> 8) & 0xFF), gr, 1) << i;
        EXPECT_NEAR(int(f >> 16), b, 1) << i;
    }
    // Bright centre; the outermost ring has all but faded into the background.
    EXPECT_GE(TitelRingFarbe(1, hinten) & 0xFF, 230u);
    const TColor rand = TitelRingFarbe(170, hinten);
    EXPECT_EQ(rand, hinten);
}

TEST(Titelbild, DrawsRingsAroundTheCentreAndTheTitleInRed)
{
    FrischerZustand();
    Bildschirmeinteilung(1264, 960);
    QImage bild(680, 680, QImage::Format_RGB32);
    Canvas c(&bild);
    ZeichneTitelbild(c, FarbeHintergrund, SchriftGross);
    EXPECT_EQ(c.pixel(0, 0), FarbeHintergrund);
    // The ring of radius 40 around (340, 350): its box excludes the right edge, so its
    // rightmost pixel is at x = 379; the next rings' width-3 pens stop short of it.
    EXPECT_EQ(c.pixel(340 + 40 - 1, 350), TitelRingFarbe(20, FarbeHintergrund));
    int rot = 0;
    for (int y = 0; y < 680; ++y)
        for (int x = 0; x < 680; ++x)
            rot += c.pixel(x, y) == 0x0000FFu;
    EXPECT_GT(rot, 500);
}

class StartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FrischerZustand();
        haupt = std::make_unique<TFormMain>(QSize(1280, 1024));
    }
    int sichtbar() const
    {
        int n = 0;
        for (Panel *p : haupt->Portraits)
            n += p->isVisibleTo(haupt.get());
        return n;
    }
    std::unique_ptr<TFormMain> haupt;
};

TEST_F(StartTest, CreationSetsTheSharedLayout)
{
    EXPECT_EQ(BildschirmBreite, 1264);
    EXPECT_EQ(BildschirmHoehe, 960);
    EXPECT_EQ(SchriftMittel, 16);  // 1264 < 1280: small screen class
    EXPECT_EQ(ZurueckLinks, 1264 - 193);
    EXPECT_EQ(haupt->PanelButtons->geometry(), QRect(1038, 69, 218, 681));
    EXPECT_EQ(haupt->ImageTitel->geometry(), QRect(179, 69, 680, 680));
    EXPECT_TRUE(TextPfad.endsWith(QStringLiteral("/QuantenTexte/")));
    EXPECT_EQ(haupt->BitBtnStart->text(), QStringLiteral("&Auf geht’s!"));
    EXPECT_EQ(haupt->BitBtnEnde->text(), QStringLiteral("Programm &Ende"));
    EXPECT_EQ(haupt->BitBtnEnde->geometry(), QRect(8, 584, 201, 81));
}

TEST_F(StartTest, PortraitsAppearFromTickThreeToTen)
{
    haupt->Timer1.stop();  // ticks are driven by hand
    haupt->Timer1Timer();
    haupt->Timer1Timer();
    EXPECT_EQ(sichtbar(), 0);
    haupt->Timer1Timer();
    EXPECT_EQ(sichtbar(), 1);
    EXPECT_TRUE(haupt->Portraits[0]->isVisibleTo(haupt.get()));  // Planck first
    for (int t = 4; t <= 10; ++t)
        haupt->Timer1Timer();
    EXPECT_EQ(sichtbar(), 8);
    EXPECT_FALSE(haupt->Timer1.isActive());
}

TEST_F(StartTest, AClickShowsAllAtOnceAndLaterTicksChangeNothing)
{
    haupt->Timer1Timer();
    haupt->FormClick();
    EXPECT_EQ(sichtbar(), 8);
    EXPECT_FALSE(haupt->Timer1.isActive());
    for (int t = 0; t < 12; ++t)
        haupt->Timer1Timer();
    EXPECT_EQ(sichtbar(), 8);
}

TEST_F(StartTest, InformationButtonsSetThePage)
{
    TFormInfo info;
    FensterAnmelden(FensterNr::Info, &info);
    haupt->BitBtnProgramm->click();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(InfoSeite, 1);
    EXPECT_EQ(sichtbar(), 8);
    haupt->BitBtnInfo->click();
    EXPECT_EQ(InfoSeite, 4);
    haupt->BitBtnText->click();
    EXPECT_EQ(InfoSeite, 7);
}

TEST_F(StartTest, AnInformationWindowAlreadyOpenShowsTheNewPage)
{
    auto *info = new TFormInfo;
    FensterAnmelden(QStringLiteral("TFormInfo"), info);
    haupt->BitBtnInfo->click();
    ASSERT_TRUE(info->isVisible());
    EXPECT_FALSE(info->BitBtnInfo[4]->isEnabled());
    const QString seite4 = info->RichEditInfo->toPlainText();
    // The start screen is brought back over it, and "Texte, Einstellungen" is pressed.
    haupt->BitBtnText->click();
    EXPECT_EQ(InfoSeite, 7);
    EXPECT_FALSE(info->BitBtnInfo[7]->isEnabled());
    EXPECT_TRUE(info->BitBtnInfo[4]->isEnabled());
    EXPECT_TRUE(info->PanelTexte->isVisibleTo(info));
    EXPECT_NE(info->RichEditInfo->toPlainText(), seite4);
    FensterEntfernen(info);
    delete info;
}

TEST_F(StartTest, EndButtonSetsStoppAndClosesTheStartScreen)
{
    haupt->show();
    Stopp = false;
    haupt->BitBtnEnde->click();
    EXPECT_TRUE(Stopp);
    EXPECT_TRUE(ProgrammEndet);
    EXPECT_FALSE(haupt->isVisible());
    ProgrammEndet = false;
}

TEST_F(StartTest, EnterStartsTheGuideAndEscEndsTheProgram)
{
    QWidget guide;
    FensterAnmelden(QStringLiteral("TFormGuide"), &guide);
    haupt->show();
    QApplication::setActiveWindow(haupt.get());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : haupt.get(), Qt::Key_Return);
    EXPECT_TRUE(guide.isVisible());
    FensterEntfernen(&guide);

    Stopp = false;
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : haupt.get(), Qt::Key_Escape);
    EXPECT_TRUE(Stopp);
    EXPECT_FALSE(haupt->isVisible());
    ProgrammEndet = false;
}
