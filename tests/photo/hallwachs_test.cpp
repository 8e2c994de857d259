// The Hallwachs and the vacuum-photocell window: their sketches, tempo and needle values,
// the stream of electrons, the layout on three screens, and sessions that run the light,
// change the controls during the run and leave.
#include "bild.h"
#include "hallwachsfenster.h"
#include "photozellenfenster.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Photoeffekt;

namespace {


Stromart HallwachsArt(double linkeGrenze)
{
    Stromart a;
    a.ruheX = a.startX = 700;
    a.geschwindigkeit = HallwachsUVGeschwindigkeit();
    a.linkeGrenze = linkeGrenze;
    return a;
}

}  // namespace

TEST(HallwachsModell, SpeedsTempoAndNeedle)
{
    // ½ m v² = h f − W e with each window's constants
    const double vH = HallwachsUVGeschwindigkeit();
    EXPECT_NEAR(0.5 * 9.11e-31 * vH * vH, 6.63e-34 * 1.5e15 - 4.83 * 1.6e-19, 1e-30);
    EXPECT_NEAR(vH, -6.976e5, 1e3);
    EXPECT_NEAR(PhotozellenUVGeschwindigkeit(6.626e-34), -1.2205e6, 1e3);

    const int verzoegerung[] = {31, 15, 7, 3, 1, 0};
    for (int p = 0; p <= 5; ++p) {
        EXPECT_EQ(HallwachsTempo(p).verzoegerung, verzoegerung[p]);
        EXPECT_EQ(PhotozellenTempo(p).verzoegerung, verzoegerung[p]);
        EXPECT_EQ(HallwachsTempo(p).phasenSchritt, p + 7);
        EXPECT_NEAR(HallwachsTempo(p).dt, 3e-5 * std::pow(1.2, p), 1e-15);
        EXPECT_NEAR(PhotozellenTempo(p).dt, 1e-5 * std::pow(1.5, p), 1e-15);
    }

    EXPECT_DOUBLE_EQ(Ausschlag(true, true, 15), 1.0);
    EXPECT_DOUBLE_EQ(Ausschlag(true, true, 3), 0.2);
    EXPECT_DOUBLE_EQ(Ausschlag(false, true, 15), 0.0);
    EXPECT_DOUBLE_EQ(Ausschlag(true, false, 15), 0.0);
}

TEST(HallwachsModell, SketchesFollowThePictureSize)
{
    const HallwachsSkizze h = HallwachsDaten(984, 798, 960);
    EXPECT_EQ(h.rRoh, 9);
    EXPECT_EQ(h.abstand, 19);
    EXPECT_EQ(h.plattenX, 984 - 221);  // 176 × 984 / 784 = 220,9
    EXPECT_EQ(h.ringX, 382);
    EXPECT_EQ(h.plattenOben, 399 - 190);
    EXPECT_EQ(h.plattenUnten, 399 + 209);
    EXPECT_EQ(h.drehpunkt, QPoint(482, 713));
    EXPECT_EQ(h.galvBuchse, 83 - 21);  // w = round(64 × 960/740), minus round(16 s)
    EXPECT_EQ(h.strahlen, 8);
    EXPECT_EQ(HallwachsDaten(984, 450, 960).strahlen, 7);  // r = 6 with a spacing of 11

    const PhotozellenSkizze p = PhotozellenDaten(1047, 760, 960, 18, 140);
    EXPECT_EQ(p.r, 8);
    EXPECT_EQ(p.D, 17);
    EXPECT_EQ(p.zelleLinks, 419);
    EXPECT_EQ(p.zelleRechts, 419 + 298);
    EXPECT_EQ(p.zelleOben, 69);
    EXPECT_EQ(p.y0, (69 + 69 + 425) / 2 - 178);
    EXPECT_EQ(p.kathodeX, 717 - 20);
    EXPECT_EQ(p.startX, 697 - 16);
    EXPECT_EQ(p.anodeX, 419 + 10 + 32);
    EXPECT_EQ(p.drehpunkt, QPoint(461 + 10 - 83, 69 + 425 + 104 + 16));
}

TEST(HallwachsModell, OnlyUltravioletLightReleasesElectronsUpToTheLimit)
{
    FrischerZustand();
    for (bool uv : {false, true}) {
        Elektronenstrom s;
        s.art = HallwachsArt(0);
        s.Aufstellen(100, 19);
        int hoechstens = 0, gestartet = 0;
        for (int bild = 0; bild < 2000; ++bild) {
            gestartet += s.Ausloesen(uv, true, 15, 9) >= 0;
            s.Bewege(3e-5);
            hoechstens = std::max(hoechstens, s.Fliegende());
        }
        if (uv) {
            EXPECT_EQ(hoechstens, 9);
            EXPECT_GT(gestartet, 100);
        } else {
            EXPECT_EQ(gestartet, 0);
            EXPECT_EQ(hoechstens, 0);
        }
        EXPECT_EQ(s.Ausloesen(true, false, 15, 9), -1);  // no light, no electron
    }
}

TEST(HallwachsModell, ElectronsVanishAtTheRingOrStopThereForOneFrame)
{
    // Hallwachs: gone as soon as it is left of the ring (with circuit)
    Elektronenstrom h;
    h.art = HallwachsArt(400);
    h.Aufstellen(100, 19);
    int gezeichnet = 0;
    h.zeichne = [&](const TElektron &, bool) { ++gezeichnet; };
    h.Starte(h.e[4], -1e6);
    EXPECT_EQ(gezeichnet, 2);  // rest picture erased, flight picture drawn
    int bilder = 0;
    while (h.e[4].fliegt && bilder < 100) {
        h.Bewege(3e-5);
        ++bilder;
    }
    EXPECT_EQ(bilder, 11);  // 30 px a frame from 700: at 400 after 10 frames, left of it after 11
    EXPECT_EQ(h.e[4].x, 700);
    EXPECT_EQ(gezeichnet, 2 + 2 * 11 + 2);  // launch, 11 moves, return: each erases and draws

    // photocell: stopped at the ring, home the frame after
    Elektronenstrom p;
    p.art.ruheX = 700;
    p.art.startX = 684;
    p.art.begrenzt = true;
    p.art.linkeGrenze = 461;
    p.art.rechteGrenze = 685;
    p.Aufstellen(100, 17);
    p.Starte(p.e[0], -2e7);
    p.Bewege(1e-5);  // 200 px
    EXPECT_DOUBLE_EQ(p.e[0].x, 484);
    p.Bewege(1e-5);
    EXPECT_DOUBLE_EQ(p.e[0].x, 461);
    EXPECT_TRUE(p.e[0].fliegt);
    p.Bewege(1e-5);
    EXPECT_FALSE(p.e[0].fliegt);
    EXPECT_EQ(p.e[0].x, 700);
}

// ---- the windows -------------------------------------------------------------------------------

TEST(HallwachsFenster, LayoutStaysOnScreenAndTheSketchInsideThePicture)
{
    const QSize schirme[] = {{1264, 960}, {1904, 1016}, {1264, 656}, {1008, 704}};
    for (QSize s : schirme) {
        Bildschirm(s.width(), s.height());
        TFormHallwachs h;
        TFormPhotozelle5 p;
        for (HallwachsFenster *f : {static_cast<HallwachsFenster *>(&h), static_cast<HallwachsFenster *>(&p)}) {
            const QList<QWidget *> teile = {f->PanelTitel,     f->image1(),        f->panelLichtwahl(), f->panelSchaltung(),
                                            f->panelLicht(),     f->panelHinweise(), f->BitBtnZurueck};
            for (int i = 0; i < teile.size(); ++i) {
                EXPECT_TRUE(QRect(0, 0, s.width(), s.height()).contains(teile[i]->geometry())) << s.width() << " " << i;
                for (int j = i + 1; j < teile.size(); ++j)
                    EXPECT_FALSE(teile[i]->geometry().intersects(teile[j]->geometry())) << i << " " << j;
            }
            for (Panel *panel : {f->panelLichtwahl(), f->panelSchaltung(), f->panelLicht(), f->panelHinweise()})
                for (QWidget *kind : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                    if (!kind->isHidden()) {
                        EXPECT_TRUE(panel->rect().contains(kind->geometry())) << kind->metaObject()->className();
                    }
                }
            const QRect bild = f->image1()->bild().rect();
            f->radioGroupStromkreis()->setItemIndex(1);
            EXPECT_TRUE(bild.contains(f->messgeraet().g.umriss())) << s.width() << "x" << s.height();
        }
        EXPECT_EQ(p.panelLicht()->width(), 169);
        EXPECT_EQ(p.panelLicht()->x(), s.width() - 201);
        EXPECT_EQ(h.panelLicht()->x(), s.width() - 225);
        EXPECT_LT(h.skizze().plattenUnten + h.skizze().r, h.skizze().leitungY);
        EXPECT_LT(p.skizze().leitungY + 72, p.image1()->height()) << s.height();  // the voltage label fits
    }
}

TEST(HallwachsFenster, VisibleLightReleasesNothingAndUltravioletMovesTheNeedleWithIntensity)
{
    Bildschirm(1264, 960);
    TFormHallwachs f;
    FensterOeffnen(&f);
    f.radioGroupStromkreis()->setItemIndex(1);
    f.trackBarIntensitaet()->setPosition(15);
    f.radioGroupUVLicht()->setItemIndex(0);
    EXPECT_EQ(f.upDownIntensitaet()->Position(), 15);

    int hoechstens = 0;
    TestTakt takt;
    f.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] {
        hoechstens = std::max(hoechstens, f.strom().Fliegende());
        return f.bilder() >= 80;
    }));
    EXPECT_EQ(f.messgeraet().wert(), 0.0);
    EXPECT_TRUE(f.WellenSichtbar());
    f.BitBtnLicht->click();  // off: the run ends by itself
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_EQ(hoechstens, 0);
    EXPECT_FALSE(f.LaufAktiv());
    EXPECT_FALSE(f.an);
    EXPECT_FALSE(f.WellenSichtbar());
    EXPECT_TRUE(f.BitBtnErgebnis->isEnabled());

    // ultraviolet: full scale at I = 15, a fifth at I = 3; switching the circuit sends all home
    f.radioGroupUVLicht()->setItemIndex(1);
    double beiFuenfzehn = -1, beiDrei = -1;
    int nachUmschalten = -1, spaeter = 0;
    f.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return f.strom().Fliegende() >= 2; }));
    beiFuenfzehn = f.messgeraet().wert();
    f.trackBarIntensitaet()->setPosition(3);
    beiDrei = f.messgeraet().wert();
    f.trackBarIntensitaet()->setPosition(15);
    f.radioGroupStromkreis()->setItemIndex(0);
    nachUmschalten = f.strom().Fliegende();
    ASSERT_TRUE(takt.Bis([&] { return (spaeter = f.strom().Fliegende()) > 0; }));
    f.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_DOUBLE_EQ(beiFuenfzehn, 1.0);
    EXPECT_DOUBLE_EQ(beiDrei, 0.2);
    EXPECT_EQ(nachUmschalten, 0);
    EXPECT_GT(spaeter, 0);  // launching went on after the switch
    // the back button ended the run and closed the window
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.LaufAktiv());
    EXPECT_FALSE(f.an);
    EXPECT_TRUE(f.LaufObjekt().Stopp());
    EXPECT_EQ(f.strom().Fliegende(), 0);
    EXPECT_FALSE(f.WellenSichtbar());
}

TEST(HallwachsFenster, TempoSetsTheDelayAndTheTimeStep)
{
    Bildschirm(1264, 960);
    TFormHallwachs h;
    TFormPhotozelle5 p;
    EXPECT_EQ(h.Verzoegerung, 3);  // default position 3
    h.TrackBarTempo->setPosition(0);
    EXPECT_EQ(h.Verzoegerung, 31);
    EXPECT_EQ(h.UpDownTempo->Position(), 0);
    EXPECT_NEAR(h.tempo().dt, 3e-5, 1e-15);
    p.TrackBarTempo->setPosition(5);
    EXPECT_EQ(p.Verzoegerung, 0);
    EXPECT_NEAR(p.tempo().dt, 1e-5 * std::pow(1.5, 5), 1e-15);

    // during a run the new tempo takes effect without a restart; closing the window ends the run
    FensterOeffnen(&h);
    h.TrackBarTempo->setPosition(5);
    int bilderVorher = 0;
    TestTakt takt;
    h.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return h.bilder() >= 20; }));
    bilderVorher = h.bilder();
    h.UpDownTempo->klick(UpDown::Voriger);
    ASSERT_TRUE(takt.Bis([&] { return h.bilder() >= bilderVorher + 5; }));
    h.close();
    ASSERT_TRUE(takt.Bis([&] { return !h.LaufAktiv(); }));
    EXPECT_EQ(h.TrackBarTempo->Position(), 4);
    EXPECT_EQ(h.Verzoegerung, 1);
    EXPECT_NEAR(h.tempo().dt, 3e-5 * std::pow(1.2, 4), 1e-15);
    EXPECT_GE(h.bilder(), bilderVorher + 5);  // the same run went on
    EXPECT_FALSE(h.LaufAktiv());
    EXPECT_FALSE(h.an);
    EXPECT_FALSE(h.isVisible());
}

TEST(PhotozellenFenster, AfterTheLightIsOffTheElectronsReachTheRingAndTheRunEnds)
{
    Bildschirm(1264, 960);
    TFormPhotozelle5 f;
    FensterOeffnen(&f);
    f.radioGroupStromkreis()->setItemIndex(1);
    f.trackBarIntensitaet()->setPosition(15);
    Ereignisse();
    const QImage vorher = f.image1()->bild().copy();
    EXPECT_FALSE(f.BitBtnErgebnis->isEnabled());

    int hoechstens = 0, beimAus = 0;
    double links = 1e9;
    double zeiger = -1;
    const auto beobachten = [&] {
        hoechstens = std::max(hoechstens, f.strom().Fliegende());
        for (const TElektron &e : f.strom().e)
            if (e.fliegt)
                links = std::min(links, e.x);
    };
    TestTakt takt;
    f.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] {
        beobachten();
        return f.bilder() >= 40 && f.strom().Fliegende() >= 3;
    }));
    zeiger = f.messgeraet().wert();
    beimAus = f.strom().Fliegende();
    f.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] {
        beobachten();
        return !f.LaufAktiv();  // the last electron is home
    }));
    EXPECT_DOUBLE_EQ(zeiger, 1.0);
    EXPECT_GE(beimAus, 3);
    EXPECT_LE(hoechstens, 15);
    EXPECT_DOUBLE_EQ(links, f.skizze().anodeX);  // they fly as far as the ring
    EXPECT_FALSE(f.LaufAktiv());
    EXPECT_EQ(f.strom().Fliegende(), 0);
    EXPECT_TRUE(f.BitBtnErgebnis->isEnabled());
    EXPECT_TRUE(f.LaufObjekt().Stopp());
    // no wave, electron or needle is left over: the picture is as before the run
    EXPECT_EQ(f.image1()->bild(), vorher);

    // red light releases nothing; the labels go and come back during the run; back ends it
    f.radioGroupUVLicht()->setItemIndex(0);
    int rot = 0;
    f.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] {
        rot = std::max(rot, f.strom().Fliegende());
        return f.bilder() >= 30;
    }));
    f.checkBoxBeschriftung()->setChecked(false);
    f.checkBoxBeschriftung()->setChecked(true);
    ASSERT_TRUE(takt.Bis([&] {
        rot = std::max(rot, f.strom().Fliegende());
        return f.bilder() >= 60;
    }));
    f.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_EQ(rot, 0);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.LaufAktiv());
    EXPECT_FALSE(f.an);
    // opened again, the sketch shows nothing of the run
    FensterOeffnen(&f);
    EXPECT_EQ(f.image1()->bild(), vorher);
}

TEST(HallwachsFenster, RaisingTheIntensityDuringARunRaisesTheElectronsInFlight)
{
    Bildschirm(1008, 536);  // a small picture: quick frames
    TFormHallwachs h;
    TFormPhotozelle5 p;
    TestTakt takt;
    for (HallwachsFenster *f : {static_cast<HallwachsFenster *>(&h), static_cast<HallwachsFenster *>(&p)}) {
        FensterOeffnen(f);
        f->TrackBarTempo->setPosition(0);  // the slowest flight
        int hoechstens[2] = {0, 0};  // started at 15; started at 3 and raised to 15 at frame 20
        for (int lauf : {0, 1}) {
            f->trackBarIntensitaet()->setPosition(lauf == 0 ? 15 : 3);
            // checked at every tick of the clock: every frame is seen
            f->BitBtnLicht->click();
            ASSERT_TRUE(takt.Bis([&] { return f->bilder() >= 20; }));
            f->trackBarIntensitaet()->setPosition(15);
            ASSERT_TRUE(takt.Bis([&] {
                hoechstens[lauf] = std::max(hoechstens[lauf], f->strom().Fliegende());
                return f->bilder() >= 80;
            }));
            f->BitBtnLicht->click();
            ASSERT_TRUE(takt.Bis([&] { return !f->LaufAktiv(); }));
        }
        EXPECT_GT(hoechstens[1], 3) << f->metaObject()->className();
        EXPECT_EQ(hoechstens[1], hoechstens[0]) << f->metaObject()->className() << " " << hoechstens[0];
        f->close();
    }
}

TEST(HallwachsFenster, FullCurrentPutsTheNeedleOnTheEndOfTheScale)
{
    Bildschirm(1264, 960);
    TFormHallwachs h;
    TFormPhotozelle5 p;
    for (const Galvanometer &g : {h.messgeraet().g, p.messgeraet().g}) {
        // the scale ends on the diagonals through the pivot: 135° and 45°
        const QLine leer = ZeigerLinie(g, 0), voll = ZeigerLinie(g, 1);
        EXPECT_NEAR(std::atan2(leer.y1() - leer.y2(), leer.x2() - leer.x1()), 3 * M_PI / 4, 0.05);
        EXPECT_NEAR(std::atan2(voll.y1() - voll.y2(), voll.x2() - voll.x1()), M_PI / 4, 0.05);
    }
}

TEST(HallwachsFenster, ElectronsInFlightShowTheirOwnColoursOnAnyGround)
{
    Bildschirm(1264, 960);
    TFormHallwachs f;  // without circuit the electrons fly across the lamp to the left edge
    FensterOeffnen(&f);
    Ereignisse();
    const QImage vorher = f.image1()->bild().copy();
    const QImage elektron = ElektronenBild(f.skizze().r);
    const Lampe &l = f.lampe();
    const QPoint orte[] = {
        {f.skizze().plattenX - 200, f.skizze().plattenOben + 40},                         // background
        {l.linse1.x() - 40, (l.linse1.y() + l.linse2.y()) / 2 - 7},                    // lamp housing
        {f.skizze().r / 2, f.skizze().plattenOben},                                        // at the left edge
    };
    TElektron e = f.strom().e[3];
    e.fliegt = true;
    for (QPoint ort : orte) {
        e.x = ort.x();
        e.y = ort.y();
        f.strom().zeichne(e, true);
        const Canvas &c = f.image1()->canvas();
        int falsch = 0;
        for (int y = 0; y < elektron.height(); ++y)
            for (int x = 0; x < elektron.width(); ++x) {
                const TColor soll = FarbeAusRgb(elektron.pixel(x, y));
                const int px = ort.x() - f.skizze().r + x, py = ort.y() - f.skizze().r + y;
                if (soll != 0 && px >= 0 && c.pixel(px, py) != soll)
                    ++falsch;
            }
        EXPECT_EQ(falsch, 0) << ort.x() << "," << ort.y();
        f.strom().zeichne(e, true);
        EXPECT_EQ(f.image1()->bild(), vorher);
    }
    EXPECT_NE(FarbeAusRgb(vorher.pixel(orte[1])), f.zeichengrund());  // the housing is there
}

TEST(PhotozellenFenster, WavesShowTheLightsColourInsideTheCellAndLeaveTheLabelsClear)
{
    Bildschirm(1264, 960);
    TFormPhotozelle5 f;
    FensterOeffnen(&f);
    f.radioGroupUVLicht()->setItemIndex(0);  // red light releases nothing: only the waves change the picture
    Ereignisse();
    const QImage vorher = f.image1()->bild().copy();
    const PhotozellenSkizze &k = f.skizze();
    const QRect innen(QPoint(k.zelleLinks + k.t + 1, k.zelleOben + k.t + 1), QPoint(k.kathodeX, k.zelleUnten - k.t - 1));
    int drinnen = 0, falsch = 0, aufSchrift = 0;
    TestTakt takt;
    f.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return f.bilder() >= 3; }));
    const QImage jetzt = f.image1()->bild();
    for (int y = 0; y < jetzt.height(); ++y)
        for (int x = 0; x < jetzt.width(); ++x) {
            if (jetzt.pixel(x, y) == vorher.pixel(x, y))
                continue;
            const QPoint p(x, y);
            if (innen.contains(p)) {
                ++drinnen;
                falsch += FarbeAusRgb(jetzt.pixel(x, y)) != 255;
            }
            for (const QRect &r : f.wellen().frei)
                aufSchrift += r.contains(p);
        }
    f.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_GT(drinnen, 100);
    EXPECT_EQ(falsch, 0);
    EXPECT_GE(f.wellen().frei.size(), 7);  // the labels of glass, layer and ring
    EXPECT_EQ(aufSchrift, 0);
    f.close();
}
