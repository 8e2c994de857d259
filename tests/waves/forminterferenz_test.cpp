// The wave-propagation window with its widgets: the panels and captions of the four
// set-ups, its places on a normal and a low screen, and sessions that run the rope and
// the water animation, change controls during the run and leave with the back button.
#include "bild.h"
#include "interferenzfenster.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

using namespace Interferenz;

TEST(FormInterferenz, PanelsAndCaptionsOfEachSetUp)
{
    Bildschirm(1264, 960);
    TFormInterferenz f;
    struct Fall {
        int dimension, zahl, gleich;
        const char *wellenlaenge, *amplitude, *titel, *skala;
        bool zweitePanel, markiere, knoten, amplitudeBar, ausschnitt, phasen;
    };
    const Fall faelle[] = {
        {0, 0, 1, "Wellenlänge:", "Amplitude:", "Ausbreitung einer Seilwelle", "klein … groß", false,
         true, false, true, false, false},
        {0, 1, 1, "Wellenlänge 1:", "Amplitude 1:", "Überlagerung zweier Seilwellen",
         "klein … groß", true, true, false, true, false, true},
        {0, 1, 0, "gemeinsame Wellenlänge:", "gemeinsame Amplitude:", "Überlagerung zweier Seilwellen",
         "klein … groß", false, false, true, true, false, true},
        {1, 0, 1, "gemeinsame Wellenlänge:", "gemeinsame Amplitude:", "Ausbreitung einer Wasserwelle", "(festgelegt)",
         false, false, false, false, true, false},
        {1, 1, 0, "gemeinsame Wellenlänge:", "gemeinsame Amplitude:", "Überlagerung zweier Wasserwellen",
         "(festgelegt)", false, false, false, false, true, true},
    };
    for (const Fall &c : faelle) {
        f.radioGroupDimension()->setItemIndex(c.dimension);
        f.radioGroupZahlWellen()->setItemIndex(c.zahl);
        f.radioGroupGleicheW()->setItemIndex(c.gleich);
        EXPECT_EQ(f.labelWellenlaengeEins()->text(), QString::fromUtf8(c.wellenlaenge)) << c.titel;
        EXPECT_EQ(f.labelAmplitudeEins()->text(), QString::fromUtf8(c.amplitude)) << c.titel;
        EXPECT_EQ(f.PanelTitel->caption(), QString::fromUtf8(c.titel));
        // under the amplitude bar its scale, in its place for water waves "(festgelegt)"
        QStringList skala;
        if (f.trackBarAmplitudeEins()->skala()->isVisibleTo(&f))
            for (const TrackBar::Marke &m : f.trackBarAmplitudeEins()->skalaMarken())
                skala << m.text;
        if (f.labelAmplitudeFestEins()->isVisibleTo(&f))
            skala << f.labelAmplitudeFestEins()->text();
        EXPECT_EQ(skala.join(QStringLiteral(" … ")), QString::fromUtf8(c.skala)) << c.titel;
        EXPECT_EQ(f.panelWellendatenZwei()->isVisibleTo(&f), c.zweitePanel) << c.titel;
        EXPECT_EQ(f.panelMarkierePkt()->isVisibleTo(&f), c.markiere) << c.titel;
        EXPECT_EQ(f.panelKnoten()->isVisibleTo(&f), c.knoten) << c.titel;
        EXPECT_EQ(f.trackBarAmplitudeEins()->isVisibleTo(&f), c.amplitudeBar) << c.titel;
        EXPECT_EQ(f.panelAusschnitt()->isVisibleTo(&f), c.ausschnitt) << c.titel;
        // the centres' phase shows wherever two waves run, whole and apart inside its panel
        QWidget *phasen = f.radioGroupPhasen();
        ASSERT_EQ(phasen->isVisibleTo(&f), c.phasen) << c.titel;
        if (c.phasen) {
            EXPECT_TRUE(phasen->parentWidget()->rect().adjusted(2, 2, -2, -2).contains(phasen->geometry())) << c.titel;
            for (QWidget *n : phasen->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (n != phasen && n->isVisibleTo(&f)) {
                    EXPECT_FALSE(n->geometry().intersects(phasen->geometry())) << c.titel;
                }
        }
        EXPECT_EQ(f.image1Dim()->isVisibleTo(&f), c.dimension == 0);
        EXPECT_EQ(f.image2Dim()->isVisibleTo(&f), c.dimension == 1);
        // rope: only the frames-per-period part of the wave panel shows
        EXPECT_EQ(f.panelWelle()->geometry(),
                  c.dimension == 0 ? QRect(1039, 336, 185, 81) : QRect(1039, 168, 185, 265));
        EXPECT_EQ(f.panelWZentren()->height(), c.dimension == 0 ? 137 : 209);
    }
    // "quadrat." with "klein": 321 × 320 pixels, origin at (160, 160)
    f.radioGroupImage()->setItemIndex(0);
    f.radioGroupFormat()->setItemIndex(1);
    EXPECT_EQ(f.image2Dim()->bild().size(), QSize(321, 320));
    EXPECT_EQ(QPoint(f.wasser().X0, f.wasser().Y0), QPoint(160, 160));
    EXPECT_EQ(f.imageSchnittWaagr()->geometry().top(), f.image2Dim()->geometry().bottom() + 21);
}

TEST(FormInterferenz, EverythingOnTheScreenAndApart)
{
    for (auto [w, h] : {std::pair{1264, 960}, std::pair{1904, 1016}, std::pair{1264, 656}}) {
        Bildschirm(w, h);
        TFormInterferenz f;
        f.resize(w, h);
        for (int dimension : {0, 1}) {
            f.radioGroupDimension()->setItemIndex(dimension);
            f.checkBoxEinzelWellen()->setChecked(true);
            QList<QWidget *> sichtbar;
            for (QWidget *k : f.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (k->isVisibleTo(&f) && k != f.Hinweis.panel && k != f.Ergebnis.panel)
                    sichtbar << k;
            for (int i = 0; i < sichtbar.size(); ++i) {
                const QRect a = sichtbar[i]->geometry();
                EXPECT_TRUE(QRect(0, 0, w, h).contains(a)) << w << "x" << h << " " << a.x() << "," << a.y();
                for (int j = i + 1; j < sichtbar.size(); ++j) {
                    // the marked-points panel touches the centres panel by its bevel only
                    const QRect b = sichtbar[j]->geometry();
                    EXPECT_LE(a.intersected(b).height() * a.intersected(b).width(), 185)
                        << w << "x" << h << " " << sichtbar[i]->metaObject()->className() << " " << a.x() << ","
                        << a.y() << " / " << sichtbar[j]->metaObject()->className() << " " << b.x() << "," << b.y();
                }
            }
        }
    }
}

TEST(FormInterferenz, RopeRunKeepsGoingOnTempoAndLeavesWithBack)
{
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormInterferenz f;
    FensterOeffnen(&f);
    Ereignisse(20);
    QImage ruhe = f.image1Dim()->bild(), frame;
    f.BitBtnLicht->click();
    takt.Weiter(150);
    f.TrackBarTempo->setPosition(0);  // the slowest tempo: 15 ms
    EXPECT_TRUE(f.an);
    f.radioGroupZPunkte()->setItemIndex(2);
    f.checkBoxEinzelWellen()->setChecked(true);
    EXPECT_TRUE(f.an);
    frame = f.image1Dim()->bild();
    takt.Weiter(100);
    // off and on again while the run is still ending: the run restarts, it does not nest
    f.BitBtnLicht->click();
    f.BitBtnLicht->click();
    EXPECT_TRUE(f.an);
    const QImage nachNeustart = f.image1Dim()->bild();
    // then back as soon as a new frame has been drawn
    EXPECT_TRUE(takt.Bis([&] { return f.image1Dim()->bild() != nachNeustart; }, 10000));
    EXPECT_TRUE(f.LaufAktiv());
    f.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_EQ(f.Verzoegerung, 15);
    EXPECT_NE(frame, ruhe);
    EXPECT_EQ(f.markierung().anzahl, 2);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.an);
    EXPECT_TRUE(f.BitBtnErgebnis->isEnabled());

    // opened again: at rest, in the same place, the marks drawn anew on the rope
    const QRect ort = f.image1Dim()->geometry();
    FensterOeffnen(&f);
    Ereignisse(20);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.image1Dim()->geometry(), ort);
    EXPECT_EQ(f.PanelKontrolle->farbe(), 0x0000FFu);
    const int X0 = f.image1Dim()->bild().width() / 2, Y0 = f.image1Dim()->bild().height() / 2;
    ASSERT_EQ(f.markierung().anzahl, 2);
    EXPECT_EQ(f.image1Dim()->canvas().pixel(X0 + f.markierung().x[0], Y0 - 8), 0x000000u);  // the mass's outline
    f.close();
}

TEST(FormInterferenz, ParameterStopsTheRunAndASingleTrainEndsByItself)
{
    Bildschirm(1264, 960);
    TFormInterferenz f;
    FensterOeffnen(&f);
    Ereignisse(20);
    TestTakt takt;
    f.BitBtnLicht->click();
    takt.Weiter(100);
    f.trackBarWellenlaengeEins()->setPosition(50);
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));  // the change has stopped the run
    EXPECT_FALSE(f.an);
    EXPECT_EQ(f.werte().lambda1, 150);
    EXPECT_EQ(f.PanelKontrolle->farbe(), 0x0000FFu);

    f.radioGroupWellenzug()->setItemIndex(0);
    EXPECT_FALSE(f.radioGroupAnfangszustand()->isVisibleTo(&f));
    f.trackBarWellenlaengeEins()->setPosition(100);
    f.BitBtnLicht->click();  // ends after round((2R + λ)/c) + N rope frames
    EXPECT_TRUE(f.an);
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_FALSE(f.an);
    EXPECT_EQ(f.PanelKontrolle->farbe(), 0x0000FFu);
    EXPECT_TRUE(f.isVisible());
    f.close();
}

TEST(FormInterferenz, WaterRunShowsIntensityWithoutStopping)
{
    Bildschirm(1264, 960);
    TFormInterferenz f;
    f.radioGroupDimension()->setItemIndex(1);
    f.radioGroupImage()->setItemIndex(0);
    f.radioGroupRichtung2()->setItemIndex(0);  // "links + rechts"
    f.radioGroupPhasen()->setItemIndex(1);     // antiphase
    FensterOeffnen(&f);
    Ereignisse(20);
    // once the picture has moved on from the first frame: intensity, then off
    TestTakt takt;
    f.BitBtnLicht->click();
    takt.Weiter(1);
    const QImage erstes = f.image2Dim()->bild();
    EXPECT_TRUE(takt.Bis([&] { return f.image2Dim()->bild() != erstes; }, 10000));
    f.radioGroupAuslInt()->setItemIndex(1);
    EXPECT_TRUE(f.an);
    takt.Weiter(50);
    f.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_TRUE(f.imageIntensitaet()->isVisible());
    EXPECT_FALSE(f.image2Dim()->isVisible());
    // antiphase: dark on the symmetry line, bright a quarter wavelength beside it… somewhere
    const int X0 = f.wasser().X0;
    const TColor dunkel = IntensitaetsFarbe(0);
    for (int y = 4; y < f.imageIntensitaet()->bild().height() - 4; y += 16)
        EXPECT_EQ(f.imageIntensitaet()->canvas().pixel(X0, y), dunkel) << y;
    f.close();
}
