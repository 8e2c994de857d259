// The start screen: geometry, title picture, portrait reveal and its buttons.
#include "bild.h"
#include "canvas.h"
#include "infofenster.h"
#include "startfenster.h"
#include "richtext.h"
#include "simfenster.h"
#include "startbild.h"
#include "testhilfen.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

TEST(Startgeometrie, PortraitsKeepClearOfTheLetteringAtEverySupportedSize)
{
    FrischerZustand();
    for (const QSize groesse : {QSize(1024, 600), QSize(1024, 768), QSize(1280, 720), QSize(1280, 800),
                                QSize(1280, 1024), QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1440)}) {
        const Startgeometrie g = BerechneStartgeometrie(groesse.width(), groesse.height());
        Bildschirmeinteilung(g.breite, g.hoehe);
        // The lettering as the start screen draws it: the box of the title picture's red pixels.
        QImage bild = Titelbild(g.titel.width(), g.titel.height(), FarbeHintergrund, SchriftGross);
        Canvas c(&bild);
        QRect schrift;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (c.pixel(x, y) == 0x0000FFu)
                    schrift |= QRect(x, y, 1, 1);
        ASSERT_FALSE(schrift.isEmpty());
        schrift.translate(g.titel.topLeft());
        const QRect schirm(0, 0, g.breite, g.hoehe);
        const std::string wo = std::to_string(groesse.width()) + "x" + std::to_string(groesse.height());
        EXPECT_TRUE(schirm.contains(schrift)) << wo;
        EXPECT_TRUE(schirm.contains(g.knoepfe)) << wo;
        for (int k = 0; k < PortraitAnzahl; ++k) {
            const QRect &p = g.portrait[k];
            EXPECT_TRUE(schirm.contains(p)) << wo << " portrait " << k;
            EXPECT_FALSE(p.intersects(schrift)) << wo << " portrait " << k;
            EXPECT_FALSE(p.intersects(g.knoepfe)) << wo << " portrait " << k;
            for (int l = k + 1; l < PortraitAnzahl; ++l)
                EXPECT_FALSE(p.intersects(g.portrait[l])) << wo << " portraits " << k << ", " << l;
        }
    }
}

TEST(Titelbild, RingsShowTheRadialWaveBrightInTheCentreDarkAtItsNodes)
{
    // The rings are the 3s radial wave at 20 px per Bohr radius: ring i has radius 2i px, so
    // the nodes at 1,90 and 7,10 Bohr radii fall on rings 19 and 71.
    const TColor hinten = 0x964401;
    std::vector<int> rot;
    for (int i = 1; i <= 170; ++i)
        rot.push_back(int(TitelRingFarbe(i, hinten) & 0xFF));
    EXPECT_GE(rot.front(), 230);  // bright centre
    std::vector<int> dunkel;      // rings darker than all within 8 rings, by a visible step
    for (int k = 0; k < int(rot.size()); ++k) {
        const auto von = rot.begin() + std::max(0, k - 8), bis = rot.begin() + std::min(int(rot.size()), k + 9);
        if (rot[k] == *std::min_element(von, bis) && *std::max_element(von, bis) - rot[k] >= 5 &&
            (k == 0 || rot[k - 1] > rot[k]))
            dunkel.push_back(k + 1);
    }
    EXPECT_EQ(dunkel, (std::vector<int>{19, 71}));
    EXPECT_EQ(TitelRingFarbe(170, hinten), hinten);  // the outermost ring fades into the background
}

TEST(Titelbild, DrawsRingsAroundTheCentreAndTheTitleInRed)
{
    FrischerZustand();
    Bildschirmeinteilung(1264, 960);
    QImage bild(680, 680, QImage::Format_RGB32);
    bild.fill(0xFFFFFFFFu);
    Canvas c(&bild);
    ZeichneTitelbild(c, FarbeHintergrund, SchriftGross);
    EXPECT_EQ(c.pixel(0, 0), FarbeHintergrund);
    // The ring of radius 40 around (340, 350): its box excludes the right edge, so its
    // rightmost pixel is at x = 379; the next rings' width-3 pens stop short of it.
    EXPECT_EQ(c.pixel(340 + 40 - 1, 350), TitelRingFarbe(20, FarbeHintergrund));
    // Above the title the rings are mirror images about the centre (the right and bottom
    // edges of each ring's box are left out, so the axes lie between pixels 339 and 340).
    for (int y : {40, 120, 200})
        for (int dx = 1; dx < 300; ++dx)
            ASSERT_EQ(c.pixel(340 - dx, y), c.pixel(339 + dx, y)) << dx << " " << y;
    // The picture a start screen gets is this picture.
    EXPECT_EQ(Titelbild(680, 680, FarbeHintergrund, SchriftGross), bild);
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
        for (Panel *p : haupt->portraits())
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
    EXPECT_EQ(haupt->panelButtons()->geometry(), QRect(1038, 69, 218, 681));
    EXPECT_EQ(haupt->imageTitel()->geometry(), QRect(179, 69, 680, 680));
    EXPECT_TRUE(TextPfad.endsWith(QStringLiteral("/QuantenTexte/")));
    EXPECT_EQ(haupt->bitBtnStart()->text(), QStringLiteral("&Auf geht’s!"));
    EXPECT_EQ(haupt->bitBtnEnde()->text(), QStringLiteral("Programm &Ende"));
    EXPECT_EQ(haupt->bitBtnEnde()->geometry(), QRect(8, 584, 201, 81));
}

TEST_F(StartTest, PortraitsAppearFromTickThreeToTen)
{
    TestTakt takt;  // the reveal's steps follow the program's clock
    EXPECT_TRUE(haupt->zeitgeberAn());
    EXPECT_TRUE(takt.Bis([&] { return haupt->tickZaehler() == 1; }, 400));
    haupt->Timer1Timer();
    EXPECT_EQ(sichtbar(), 0);
    haupt->Timer1Timer();
    EXPECT_EQ(sichtbar(), 1);
    EXPECT_TRUE(haupt->portraits()[0]->isVisibleTo(haupt.get()));  // Planck first
    for (int t = 4; t <= 10; ++t)
        haupt->Timer1Timer();
    EXPECT_EQ(sichtbar(), 8);
    EXPECT_FALSE(haupt->zeitgeberAn());
}

TEST_F(StartTest, AClickShowsAllAtOnceAndLaterTicksChangeNothing)
{
    haupt->Timer1Timer();
    haupt->FormClick();
    EXPECT_EQ(sichtbar(), 8);
    EXPECT_FALSE(haupt->zeitgeberAn());
    for (int t = 0; t < 12; ++t)
        haupt->Timer1Timer();
    EXPECT_EQ(sichtbar(), 8);
}

TEST_F(StartTest, InformationButtonsSetThePage)
{
    TFormInfo info;
    FensterAnmelden(FensterNr::Info, &info);
    haupt->bitBtnProgramm()->click();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(InfoSeite, 1);
    EXPECT_EQ(sichtbar(), 8);
    haupt->bitBtnInfo()->click();
    EXPECT_EQ(InfoSeite, 4);
    haupt->bitBtnText()->click();
    EXPECT_EQ(InfoSeite, 7);
}

TEST_F(StartTest, AnInformationWindowAlreadyOpenShowsTheNewPage)
{
    auto *info = new TFormInfo;
    FensterAnmelden(FensterNr::Info, info);
    haupt->bitBtnInfo()->click();
    ASSERT_TRUE(info->isVisible());
    EXPECT_FALSE(info->bitBtnInfo(4)->isEnabled());
    const QString seite4 = info->richEditInfo()->toPlainText();
    // The start screen is brought back over it, and "Texte, Einstellungen" is pressed.
    haupt->bitBtnText()->click();
    EXPECT_EQ(InfoSeite, 7);
    EXPECT_FALSE(info->bitBtnInfo(7)->isEnabled());
    EXPECT_TRUE(info->bitBtnInfo(4)->isEnabled());
    EXPECT_TRUE(info->panelTexte()->isVisibleTo(info));
    EXPECT_NE(info->richEditInfo()->toPlainText(), seite4);
    FensterEntfernen(info);
    delete info;
}

TEST_F(StartTest, EndButtonEndsTheProgramAndClosesTheStartScreen)
{
    haupt->show();
    haupt->bitBtnEnde()->click();
    EXPECT_TRUE(ProgrammEndet);
    EXPECT_FALSE(haupt->isVisible());
    ProgrammEndet = false;
}

TEST_F(StartTest, EnterStartsTheGuideAndEscEndsTheProgram)
{
    QWidget guide;
    FensterAnmelden(FensterNr::Guide, &guide);
    haupt->show();
    QApplication::setActiveWindow(haupt.get());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : haupt.get(), Qt::Key_Return);
    EXPECT_TRUE(guide.isVisible());
    FensterEntfernen(&guide);

    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : haupt.get(), Qt::Key_Escape);
    EXPECT_TRUE(ProgrammEndet);
    EXPECT_FALSE(haupt->isVisible());
    ProgrammEndet = false;
}
