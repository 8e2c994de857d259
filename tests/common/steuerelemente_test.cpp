// Controls kit: the keys of buttons (also in an open drop-down list), clicks on panels, the
// edit filter, track-bar keys, up-down limits and radio group index; compressing a panel to a
// lower height; check marks on dark check boxes.
#include "anwendung.h"
#include "canvas.h"
#include "steuerelemente.h"
#include "testhilfen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

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
    // The second press of a double-click is no new click, so
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

// Enter presses the focused button in a window without a default button; an accelerator
// presses its button at once (the same event, not after a timer of the button's own).
TEST(Knoepfe, EnterPressesTheFocusedButtonAndAnAcceleratorItsOwnAtOnce)
{
    QWidget fenster;
    auto *knopf = new QPushButton(QStringLiteral("&Los"), &fenster);
    auto *bitbtn = new BitBtn(QStringLiteral("&Weiter"), &fenster);
    Setze(bitbtn, 0, 40, 80, 24);
    int los = 0, weiter = 0;
    QObject::connect(knopf, &QPushButton::clicked, [&] { ++los; });
    QObject::connect(bitbtn, &QPushButton::clicked, [&] { ++weiter; });
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    struct Fall {
        QPushButton *fokus;
        Qt::Key taste;
        Qt::KeyboardModifiers mod;
        int los, weiter;
    };
    const Fall faelle[] = {
        {knopf, Qt::Key_Return, Qt::NoModifier, 1, 0},
        {knopf, Qt::Key_Enter, Qt::KeypadModifier, 2, 0},
        {bitbtn, Qt::Key_Return, Qt::NoModifier, 2, 1},
        {bitbtn, Qt::Key_Return, Qt::ControlModifier, 2, 1},  // with a modifier: nothing
        {knopf, Qt::Key_W, Qt::AltModifier, 2, 2},
        {bitbtn, Qt::Key_L, Qt::AltModifier, 3, 2},
    };
    for (const Fall &f : faelle) {
        f.fokus->setFocus();
        QTest::keyClick(f.fokus, f.taste, f.mod);
        EXPECT_EQ(los, f.los);
        EXPECT_EQ(weiter, f.weiter);
    }
}

TEST(EditFilter, PastedAndInsertedTextPassesTheKeyFilter)
{
    Edit e;
    e.tastenFilter = [](QChar &taste) {
        if (!taste.isDigit() && taste != QLatin1Char('\b'))
            taste = QChar();
    };
    e.setText(QStringLiteral(" 3 + 4"));  // set from code: left as it is
    EXPECT_EQ(e.text(), QStringLiteral(" 3 + 4"));
    e.insert(QStringLiteral("x"));        // inserted from code likewise
    EXPECT_EQ(e.text(), QStringLiteral(" 3 + 4x"));
    e.clear();
    struct Fall {
        QString eingefuegt;
        QKeySequence taste;
        QString erwartet;
    };
    const Fall faelle[] = {{QStringLiteral("12"), QKeySequence(Qt::CTRL | Qt::Key_V), QStringLiteral("12")},
                           {QStringLiteral("a3b"), QKeySequence(Qt::CTRL | Qt::Key_V), QStringLiteral("123")},
                           {QStringLiteral("Seite 4!"), QKeySequence(Qt::SHIFT | Qt::Key_Insert), QStringLiteral("1234")},
                           {QStringLiteral("xyz"), QKeySequence(Qt::CTRL | Qt::Key_V), QStringLiteral("1234")}};
    for (const Fall &f : faelle) {
        QApplication::clipboard()->setText(f.eingefuegt);
        QTest::keySequence(&e, f.taste);
        EXPECT_EQ(e.text(), f.erwartet) << f.eingefuegt.toStdString();
    }
}

TEST(TrackBarTasten, ArrowsPagesAndEndsMoveAsTheyShould)
{
    struct Fall {
        Qt::Orientation o;
        Qt::Key taste;
        int erwartet;
    };
    const Fall faelle[] = {
        {Qt::Horizontal, Qt::Key_Right, 6}, {Qt::Horizontal, Qt::Key_Left, 4},
        {Qt::Horizontal, Qt::Key_Up, 4},    {Qt::Horizontal, Qt::Key_Down, 6},
        {Qt::Horizontal, Qt::Key_Home, 0},  {Qt::Horizontal, Qt::Key_End, 10},
        {Qt::Horizontal, Qt::Key_PageDown, 7}, {Qt::Horizontal, Qt::Key_PageUp, 3},
        {Qt::Vertical, Qt::Key_Down, 6},    {Qt::Vertical, Qt::Key_Up, 4},
    };
    for (const Fall &f : faelle) {
        TrackBar t(f.o);
        t.setBereich(0, 10, 5);
        int aenderungen = 0;
        QObject::connect(&t, &QSlider::valueChanged, [&] { ++aenderungen; });
        QTest::keyClick(&t, f.taste);
        EXPECT_EQ(t.Position(), f.erwartet) << int(f.o) << " " << f.taste;
        EXPECT_EQ(aenderungen, 1) << f.taste;
    }
}

TEST(UpDownKlick, StopsOrWrapsAtTheLimits)
{
    struct Fall {
        bool wrap;
        int start;
        UpDown::Knopf knopf;
        int erwartet;
        int signale;
    };
    const Fall faelle[] = {
        {false, 3, UpDown::Naechster, 4, 1}, {false, 5, UpDown::Naechster, 5, 0},
        {false, 1, UpDown::Voriger, 1, 0},   {true, 5, UpDown::Naechster, 1, 1},
        {true, 1, UpDown::Voriger, 5, 1},    {true, 3, UpDown::Voriger, 2, 1},
    };
    for (const Fall &f : faelle) {
        UpDown u;
        u.setBereich(1, 5, f.start);
        u.setWrap(f.wrap);
        int signale = 0;
        QObject::connect(&u, &UpDown::geklickt, [&] { ++signale; });
        u.klick(f.knopf);
        EXPECT_EQ(u.Position(), f.erwartet) << f.wrap << f.start;
        EXPECT_EQ(signale, f.signale) << f.wrap << f.start;
    }
}

TEST(UpDownKlick, AHeldArrowDoesNotClickAgainInsideAMessageItsClickOpened)
{
    // The handler waits in its own event loop, as a message box does, while the arrow is
    // held: the arrow's repeat must not nest a second click (and message) inside it.
    UpDown u;
    u.setBereich(1, 50, 1);
    u.resize(20, 40);
    u.show();
    QToolButton *hoch = u.findChildren<QToolButton *>().first();
    int tiefe = 0, tiefste = 0, klicks = 0;
    QObject::connect(&u, &UpDown::geklickt, [&] {
        ++klicks;
        tiefste = std::max(tiefste, ++tiefe);
        Ereignisse(hoch->autoRepeatDelay() + 4 * hoch->autoRepeatInterval());
        --tiefe;
    });
    QTest::mousePress(hoch, Qt::LeftButton);
    Ereignisse(hoch->autoRepeatDelay() + 2 * hoch->autoRepeatInterval());
    QTest::mouseRelease(hoch, Qt::LeftButton);
    EXPECT_EQ(tiefste, 1);
    EXPECT_FALSE(hoch->isDown());
    EXPECT_EQ(u.Position(), 1 + klicks);
}

TEST(RadioGroupIndex, ChangesByCodeItemsAndNoSelection)
{
    RadioGroup g(QStringLiteral("Wahl"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    int klicks = 0;
    QObject::connect(&g, &RadioGroup::geklickt, [&] { ++klicks; });
    struct Schritt {
        std::function<void()> tun;
        int index, klicks;
    };
    const Schritt schritte[] = {
        {[&] { g.setItemIndex(2); }, 2, 1},
        {[&] { g.setItemIndex(2); }, 2, 1},                                    // unchanged: silent
        {[&] { g.setItemIndex(-1); }, -1, 1},                                  // none selected
        {[&] { g.setItemIndex(7); }, -1, 1},                                   // out of range: ignored
        {[&] { g.setItemIndex(1); }, 1, 2},
        {[&] { g.setItems({QStringLiteral("x")}); }, 0, 2},                    // clamped, silent
        {[&] { g.setItems({QStringLiteral("x"), QStringLiteral("y")}); }, 0, 2},
        {[&] { g.knopf(1)->click(); }, 1, 3},                                  // by the user
    };
    for (std::size_t i = 0; i < std::size(schritte); ++i) {
        schritte[i].tun();
        EXPECT_EQ(g.ItemIndex(), schritte[i].index) << i;
        EXPECT_EQ(klicks, schritte[i].klicks) << i;
        int angekreuzt = 0;
        for (int k = 0; g.knopf(k); ++k)
            angekreuzt += g.knopf(k)->isChecked();
        EXPECT_EQ(angekreuzt, g.ItemIndex() >= 0 ? 1 : 0) << i;
    }
}

TEST(TrackBarSkala, LabelsSitUnderTheGroovePositionsOfTheirValues)
{
    QWidget eltern;
    eltern.resize(400, 100);
    auto *bar = new TrackBar(Qt::Horizontal, &eltern);
    bar->setBereich(20, 180, 120);
    Setze(bar, 50, 10, 300, 26);
    bar->setSkala({{20, QStringLiteral("200")}, {100, QStringLiteral("1000")}, {180, QStringLiteral("1800 THz")}});
    ASSERT_NE(bar->skala(), nullptr);
    EXPECT_EQ(bar->skala()->y(), 36);  // right under the bar
    const int a = bar->wertMitte(20), m = bar->wertMitte(100), e = bar->wertMitte(180);
    EXPECT_LT(a, 20);
    EXPECT_GT(e, 280);
    EXPECT_NEAR(m, (a + e) / 2.0, 1.0);
    // the strip follows the bar
    eltern.show();
    Setze(bar, 60, 40, 200, 26);
    EXPECT_EQ(bar->skala()->y(), 66);
    EXPECT_NEAR(bar->wertMitte(100), 100, 2);
    // the strip is hidden and shown with the bar; new marks replace the old strip
    for (const bool sichtbar : {false, true}) {
        bar->setVisible(sichtbar);
        EXPECT_EQ(bar->skala()->isVisible(), sichtbar);
    }
    bar->setSkala({{20, QStringLiteral("klein")}, {180, QStringLiteral("groß")}}, true);
    ASSERT_EQ(bar->skalaMarken().size(), 2);
    EXPECT_EQ(bar->skalaMarken().last().text, QStringLiteral("groß"));
    EXPECT_EQ(eltern.findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 2);  // the bar and one strip
    EXPECT_TRUE(bar->skala()->isVisible());
    EXPECT_EQ(bar->skala()->geometry().bottom(), 39);  // right above the bar
    // a font of its own and a narrower parent keep it in place
    QFont gross = bar->skala()->font();
    gross.setPixelSize(30);
    bar->skala()->setFont(gross);
    EXPECT_EQ(bar->skala()->geometry().bottom(), 39);
    EXPECT_GE(bar->skala()->height(), 30);
    eltern.resize(240, 100);
    EXPECT_EQ(bar->skala()->geometry().right(), 235);  // clear of the parent's edge
    delete bar;  // the strip goes with it
    EXPECT_TRUE(eltern.findChildren<QWidget *>(Qt::FindDirectChildrenOnly).isEmpty());
}

TEST(TrackBarSkala, NumbersSitOnTheirValuesAndCrowdedTextsGiveWay)
{
    QWidget eltern;
    eltern.resize(600, 100);
    auto *bar = new TrackBar(Qt::Horizontal, &eltern);
    bar->setBereich(30, 100, 80);
    const QList<TrackBar::Marke> marken = {{40, QStringLiteral("80")},
                                           {60, QStringLiteral("120")},
                                           {80, QStringLiteral("160")},
                                           {100, QStringLiteral("200\u00a0Pixel")}};
    for (const int breite : {400, 110}) {
        Setze(bar, 50, 10, breite, 26);
        bar->setSkala(marken);
        const QList<QRect> felder = bar->skalaFelder();
        ASSERT_EQ(felder.size(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(bar->skala()->geometry().contains(felder[i])) << breite << ' ' << i;
            if (i > 0) {
                EXPECT_LT(felder[i - 1].right(), felder[i].left()) << breite << ' ' << i;
            }
        }
        if (breite == 400) {  // room enough: each number centred on its value
            for (int i : {0, 1, 2}) {
                EXPECT_NEAR(felder[i].center().x(), bar->x() + bar->wertMitte(marken[i].wert), 1.0) << i;
            }
        }
    }
}

TEST(Stauchen, RowsKeepTheirHeightsAndOrderWhileTheGapsShrinkAlike)
{
    struct Fall {
        int hoehe;                  // asked for
        std::vector<int> oben;      // the children's tops afterwards
        int spielraum;              // afterwards
    };
    // a panel 100 px high with rows 10–30 (two children side by side), 40–60 and 80–90
    const Fall faelle[] = {
        {70, {4, 4, 28, 56}, 20},     // gaps 10, 10, 20, 10 → 4, 4, 8, 4
        {50, {0, 0, 20, 40}, 0},      // no gaps left
        {30, {0, 0, 20, 40}, 0},      // lower than the rows: the gaps go, the rows stay
        {120, {10, 10, 40, 80}, 70},  // higher: nothing moves
    };
    for (const Fall &f : faelle) {
        QWidget tafel;
        tafel.resize(200, 100);
        const std::vector<QRect> kinder = {{0, 10, 50, 20}, {60, 15, 50, 10}, {0, 40, 100, 20}, {0, 80, 100, 10}};
        std::vector<QWidget *> w;
        for (const QRect &r : kinder) {
            w.push_back(new QWidget(&tafel));
            w.back()->setGeometry(r);
        }
        EXPECT_EQ(Spielraum(&tafel), 50);
        Stauchen(&tafel, f.hoehe);
        EXPECT_EQ(tafel.height(), f.hoehe);
        EXPECT_EQ(w[0]->y(), f.oben[0]) << f.hoehe;
        EXPECT_EQ(w[1]->y() - w[0]->y(), 5) << f.hoehe;  // a row moves as one
        EXPECT_EQ(w[2]->y(), f.oben[2]) << f.hoehe;
        EXPECT_EQ(w[3]->y(), f.oben[3]) << f.hoehe;
        EXPECT_EQ(Spielraum(&tafel), f.spielraum) << f.hoehe;
        for (std::size_t i = 0; i < w.size(); ++i)
            EXPECT_EQ(w[i]->size(), kinder[i].size());
    }
}

TEST(Haekchen, CheckAndRadioBoxesOnADarkBackgroundShowALightBox)
{
    struct Fall {
        TColor farbe;
        bool dunkel;
    };
    const Fall faelle[] = {{0x00C100, true},  {0xC400C4, true},  {0xFF00FF, true}, {0x964401, true},
                           {0x00FFFF, false}, {0x00FF00, false}, {0xFBCB3C, false}};
    for (const Fall &f : faelle) {
        EXPECT_EQ(IstDunkel(QFarbe(f.farbe)), f.dunkel) << std::hex << f.farbe;
        for (bool radio : {false, true}) {
            std::unique_ptr<QAbstractButton> b;
            if (radio)
                b = std::make_unique<QRadioButton>(QStringLiteral("x"));
            else
                b = std::make_unique<QCheckBox>(QStringLiteral("x"));
            SetzeFarbe(b.get(), f.farbe);
            b->setChecked(true);
            b->resize(60, 22);
            const QImage bild = b->grab().toImage();
            // the box's middle row: with a dark background some pixel there is nearly white
            int hellste = 0;
            for (int x = 0; x < 22; ++x)
                hellste = std::max(hellste, qGray(bild.pixel(x, bild.height() / 2 - 3)));
            EXPECT_EQ(hellste > 200, f.dunkel || qGray(QFarbe(f.farbe).rgb()) > 200)
                << std::hex << f.farbe << " radio " << radio;
        }
    }
}
