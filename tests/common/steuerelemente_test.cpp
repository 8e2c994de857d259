// Controls kit: the default and cancel buttons' keys while a drop-down list is open,
// and clicks on panels.
#include "steuerelemente.h"
#include "testhilfen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

TEST(BitBtnTasten, EnterAndEscInAnOpenListBelongToTheList)
{
    QWidget fenster;
    auto *liste = new QComboBox(&fenster);
    liste->addItems({QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")});
    auto *standard = new BitBtn(QStringLiteral("&OK"), &fenster, BitBtn::Art::Standard);
    auto *abbrechen = new BitBtn(QStringLiteral("&Abbrechen"), &fenster, BitBtn::Art::Abbrechen);
    Setze(liste, 8, 8, 120, 24);
    Setze(standard, 8, 40, 80, 24);
    Setze(abbrechen, 96, 40, 80, 24);
    int ok = 0, ab = 0, gewaehlt = -1;
    QObject::connect(standard, &QPushButton::clicked, [&] { ++ok; });
    QObject::connect(abbrechen, &QPushButton::clicked, [&] { ++ab; });
    QObject::connect(liste, &QComboBox::activated, [&](int i) { gewaehlt = i; });
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    liste->setFocus();

    liste->showPopup();
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    liste->view()->setCurrentIndex(liste->model()->index(2, 0));
    QTest::keyClick(liste->view(), Qt::Key_Return);
    EXPECT_EQ(gewaehlt, 2);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    liste->showPopup();
    QTest::keyClick(liste->view(), Qt::Key_Escape);
    EXPECT_EQ(ab, 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(fenster.isVisible());

    // With the list closed the keys press the buttons.
    QTest::keyClick(liste, Qt::Key_Return);
    QTest::keyClick(liste, Qt::Key_Escape);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(ab, 1);
}

TEST(BitBtnTasten, EnterFromAFilteredEditOrAnotherFocusedButton)
{
    QWidget fenster;
    auto *eingabe = new Edit(&fenster);
    eingabe->tastenFilter = [](QChar &taste) {
        if (!taste.isDigit())
            taste = QChar();
    };
    auto *anderer = new BitBtn(QStringLiteral("&Weiter"), &fenster);
    auto *standard = new BitBtn(QStringLiteral("&OK"), &fenster, BitBtn::Art::Standard);
    int ok = 0, weiter = 0;
    QObject::connect(standard, &QPushButton::clicked, [&] { ++ok; });
    QObject::connect(anderer, &QPushButton::clicked, [&] { ++weiter; });
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));

    // The edit's filter swallows Enter; the default button gets it all the same.
    eingabe->setFocus();
    QTest::keyClicks(eingabe, QStringLiteral("4a2"));
    QTest::keyClick(eingabe, Qt::Key_Return);
    EXPECT_EQ(eingabe->text(), QStringLiteral("42"));
    EXPECT_EQ(ok, 1);
    // Enter on another focused button presses that one instead.
    anderer->setFocus();
    QTest::keyClick(anderer, Qt::Key_Return);
    EXPECT_EQ(weiter, 1);
    EXPECT_EQ(ok, 1);
    // A hidden default button takes nothing.
    standard->hide();
    eingabe->setFocus();
    QTest::keyClick(eingabe, Qt::Key_Return);
    EXPECT_EQ(ok, 1);
}

TEST(PanelKlick, ADoubleClickIsOneClick)
{
    // As on the classic desktop: the second press of a double-click is no new click, so
    // a double-click on a run lamp does not switch the run on and straight off again.
    Panel panel;
    Setze(&panel, 0, 0, 40, 40);
    int klicks = 0;
    QObject::connect(&panel, &Panel::geklickt, [&] { ++klicks; });
    panel.show();
    // What a widget gets from a double-click: press, release, double-click, release.
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseDClick(&panel, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(klicks, 1);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(klicks, 2);
}
