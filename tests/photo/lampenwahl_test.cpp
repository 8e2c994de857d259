// The lamp's light choice: gas lines and the incandescent lamp, the strip and its clicks.
#include "bild.h"
#include "lampenwahl.h"
#include "photokit.h"
#include "testhilfen.h"

#include <QSignalSpy>
#include <QTabBar>
#include <gtest/gtest.h>

using namespace Photoeffekt;

TEST(Lampenwahl, LinesTabsAndStripClicks)
{
    Bildschirm(1264, 960);
    Lampenwahl w(nullptr, 185);
    QSignalSpy geaendert(&w, &Lampenwahl::geaendert);
    const int breite = w.ImageSpektrum->bild().width();

    // cadmium line 0 (466 THz) at the start, drawn on the strip
    EXPECT_EQ(w.Art, 0);
    EXPECT_EQ(w.Frequenz, 466);
    EXPECT_EQ(w.PanelFrequenz->caption(), QStringLiteral("466\u00A0THz"));
    EXPECT_EQ(w.PanelWellenlaenge->caption(), QStringLiteral("644\u00A0nm"));
    EXPECT_EQ(w.ImageSpektrum->canvas().pixel(StreifenX(466, breite), 20), FarbeAusFrequenz(466));

    // a click next to a line picks it; more than 5 THz from every line changes nothing
    w.ImageSpektrumClick(StreifenX(590, breite));
    EXPECT_EQ(w.RadioGroupCd->ItemIndex(), 2);
    EXPECT_EQ(w.Frequenz, 589);
    EXPECT_EQ(geaendert.count(), 1);
    const QImage vorher = w.ImageSpektrum->bild().copy();
    for (int f : {400, 520, 605, 750}) {
        w.ImageSpektrumClick(StreifenX(f, breite));
        EXPECT_EQ(w.Frequenz, 589) << f;
    }
    w.ImageSpektrumClick(-3);
    w.ImageSpektrumClick(breite);
    EXPECT_EQ(geaendert.count(), 1);
    EXPECT_EQ(w.ImageSpektrum->bild(), vorher);

    // another gas: its own line table; the other gas's buttons do not count there
    w.PageControlFrequenz->setCurrentIndex(2);  // mercury
    EXPECT_EQ(w.Frequenz, 482);
    w.RadioGroupCd->setItemIndex(4);
    EXPECT_EQ(w.Frequenz, 482);
    w.RadioGroupHg->setItemIndex(6);
    EXPECT_EQ(w.Frequenz, 741);

    // the incandescent lamp: continuum, width choice hidden, a click sets the track bar
    w.PageControlFrequenz->setCurrentIndex(4);
    EXPECT_EQ(w.Art, 4);
    EXPECT_EQ(w.Frequenz, 500);
    EXPECT_TRUE(w.RadioGroupBreite->isHidden());
    EXPECT_EQ(w.ImageSpektrum->canvas().pixel(0, 10), FarbeAusFrequenz(400));
    EXPECT_EQ(w.ImageSpektrum->canvas().pixel(breite - 1, 10), FarbeAusFrequenz(750));
    w.ImageSpektrumClick(breite - 1);
    EXPECT_EQ(w.Frequenz, 750);
    EXPECT_EQ(w.UpDownKontinuum->Position(), 750);
    // frequencies outside 400..750 THz cannot be chosen
    w.TrackBarKontinuum->setPosition(800);
    EXPECT_EQ(w.Frequenz, 750);
    w.TrackBarKontinuum->setPosition(350);
    EXPECT_EQ(w.Frequenz, 400);
}

TEST(Lampenwahl, TabsAndLineWidthsShowWholeAndPanelTextStandsOut)
{
    Bildschirm(1264, 656);
    for (int breite : {185, 215}) {  // the counter-field and the Planck-constant window's columns
        Lampenwahl w(nullptr, breite);
        w.show();
        Ereignisse();
        QTabBar *reiter = w.PageControlFrequenz->tabBar();
        for (int i = 0; i < reiter->count(); ++i) {
            const QRect r = reiter->tabRect(i);
            EXPECT_TRUE(reiter->rect().contains(r)) << breite << " " << reiter->tabText(i).toStdString();
            EXPECT_GE(r.width(), reiter->fontMetrics().horizontalAdvance(reiter->tabText(i)) + 8) << breite << " " << i;
        }
        for (int i = 0; i < 3; ++i) {
            const QAbstractButton *b = w.RadioGroupBreite->knopf(i);
            EXPECT_GE(b->width(), b->sizeHint().width()) << breite << " " << b->text().toStdString();
            EXPECT_TRUE(w.RadioGroupBreite->rect().contains(b->geometry())) << breite << " " << i;
        }
    }

    // the chosen light's colour fills both panels; their text takes black or white, whichever
    // stands out more (violet at 750 THz: white)
    Lampenwahl w(nullptr, 185);
    w.PageControlFrequenz->setCurrentIndex(4);
    for (int f = 400; f <= 750; f += 10) {
        w.TrackBarKontinuum->setPosition(f);
        for (Panel *p : {w.PanelFrequenz, w.PanelWellenlaenge}) {
            const TColor text = FarbeAusRgb(p->palette().color(QPalette::WindowText).rgb());
            EXPECT_EQ(p->farbe(), FarbeAusFrequenz(f));
            EXPECT_EQ(text, TextFarbeAuf(p->farbe())) << f;
            EXPECT_GE(Kontrastverhaeltnis(text, p->farbe()), 4.5) << f;
        }
    }
    EXPECT_EQ(FarbeAusRgb(w.PanelFrequenz->palette().color(QPalette::WindowText).rgb()), 0xFFFFFFu);
}
