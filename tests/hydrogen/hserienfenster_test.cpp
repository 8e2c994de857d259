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
    EXPECT_EQ(fenster.TrackBarSerien->Position(), 6);
    EXPECT_EQ(fenster.TrackBarLinien->Position(), 12);
    EXPECT_EQ(fenster.TrackBarUnterscheidung->Position(), 0);
    EXPECT_TRUE(fenster.RadioButtonFrequenz->isChecked());
    EXPECT_FALSE(fenster.CheckBoxMassstab->isVisible());
    const QImage anfang = fenster.Image1->bild().copy();

    fenster.TrackBarSerien->setPosition(3);
    EXPECT_EQ(fenster.UpDownSerien->Position(), 3);
    EXPECT_EQ(fenster.Serien, 3);
    fenster.UpDownLinien->klick(UpDown::Naechster);
    EXPECT_EQ(fenster.TrackBarLinien->Position(), 13);
    EXPECT_EQ(fenster.Linien, 13);
    fenster.TrackBarUnterscheidung->setPosition(10);
    EXPECT_NE(fenster.Image1->bild(), anfang);

    fenster.RadioButtonWellenlaenge->setChecked(true);
    EXPECT_TRUE(fenster.CheckBoxMassstab->isVisible());
    const QImage wl = fenster.Image1->bild().copy();
    fenster.CheckBoxMassstab->setChecked(true);
    EXPECT_NE(fenster.Image1->bild(), wl);
    for (QCheckBox *b : {fenster.CheckBoxLinienBreite, fenster.CheckBoxGrenzen, fenster.CheckBoxSpektrum}) {
        const QImage vorher = fenster.Image1->bild().copy();
        b->setChecked(true);
        EXPECT_NE(fenster.Image1->bild(), vorher);
    }
    EXPECT_EQ(fenster.Werte().zeilen.size(), fenster.Serien * fenster.Linien);  // the export lists every line shown

    fenster.BitBtnHinweis->click();
    EXPECT_TRUE(fenster.Hinweis.sichtbar());
    EXPECT_FALSE(fenster.Hinweis.edit->toPlainText().isEmpty());
    fenster.Hinweis.loeschen->click();
    EXPECT_FALSE(fenster.Hinweis.sichtbar());

    Stopp = false;
    fenster.BitBtnZurueck->click();
    EXPECT_TRUE(Stopp);
    EXPECT_FALSE(fenster.isVisible());
}
