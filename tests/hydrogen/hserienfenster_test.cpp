// The spectral-series window: layout on several screens, the controls and going back.
#include "bild.h"
#include "hserienfenster.h"
#include "richtext.h"
#include "testhilfen.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(FormHSerien, LayoutStaysOnScreen)
{
    struct Fall { int w, h; } faelle[] = {{1264, 960}, {1904, 1016}, {1264, 680}, {1008, 740}};
    for (const auto &f : faelle) {
        Bildschirm(f.w, f.h);
        TFormHSerien fenster;
        const auto &l = fenster.layout();
        const QRect schirm(0, 0, f.w, f.h);
        for (const QRect &r : {l.titel, l.bild, l.serien, l.linien, l.spektrum, l.hinweisKnopf, l.hinweis})
            EXPECT_TRUE(schirm.contains(r)) << f.w << "x" << f.h;
        EXPECT_FALSE(l.serien.intersects(l.linien));
        EXPECT_FALSE(l.bild.intersects(l.serien));
        EXPECT_FALSE(l.spektrum.intersects(l.hinweisKnopf));
        const QRect zurueck(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
        for (const QRect &r : {l.bild, l.linien, l.spektrum, l.hinweisKnopf})
            EXPECT_FALSE(r.intersects(zurueck)) << f.w << "x" << f.h;
    }
}

TEST(FormHSerien, ControlsRedrawAndBackCloses)
{
    Bildschirm(1264, 960);
    TFormHSerien fenster;
    FensterOeffnen(&fenster);
    EXPECT_EQ(fenster.trackBarSerien()->Position(), 6);
    EXPECT_EQ(fenster.trackBarLinien()->Position(), 12);
    EXPECT_EQ(fenster.trackBarUnterscheidung()->Position(), 0);
    EXPECT_TRUE(fenster.radioButtonFrequenz()->isChecked());
    EXPECT_FALSE(fenster.checkBoxMassstab()->isVisible());
    const QImage anfang = fenster.image1()->bild().copy();

    fenster.trackBarSerien()->setPosition(3);
    EXPECT_EQ(fenster.upDownSerien()->Position(), 3);
    EXPECT_EQ(fenster.Einstellung().serien, 3);
    fenster.upDownLinien()->klick(UpDown::Naechster);
    EXPECT_EQ(fenster.trackBarLinien()->Position(), 13);
    EXPECT_EQ(fenster.Einstellung().linien, 13);
    fenster.trackBarUnterscheidung()->setPosition(10);
    EXPECT_NE(fenster.image1()->bild(), anfang);

    fenster.radioButtonWellenlaenge()->setChecked(true);
    EXPECT_TRUE(fenster.checkBoxMassstab()->isVisible());
    const QImage wl = fenster.image1()->bild().copy();
    fenster.checkBoxMassstab()->setChecked(true);
    EXPECT_NE(fenster.image1()->bild(), wl);
    for (QCheckBox *b : {fenster.checkBoxLinienBreite(), fenster.checkBoxGrenzen(), fenster.checkBoxSpektrum()}) {
        const QImage vorher = fenster.image1()->bild().copy();
        b->setChecked(true);
        EXPECT_NE(fenster.image1()->bild(), vorher);
    }
    EXPECT_EQ(fenster.Werte().zeilen.size(), fenster.Einstellung().serien * fenster.Einstellung().linien);  // the export lists every line shown

    fenster.BitBtnHinweis->click();
    EXPECT_TRUE(fenster.Hinweis.sichtbar());
    EXPECT_FALSE(fenster.Hinweis.edit->toPlainText().isEmpty());
    fenster.Hinweis.loeschen->click();
    EXPECT_FALSE(fenster.Hinweis.sichtbar());

    fenster.BitBtnZurueck->click();
    EXPECT_FALSE(fenster.isVisible());
}
