// The energy-level window: the twelve steps, replay without waits, tempo 4, going back.
#include "bild.h"
#include "hatomfenster.h"
#include "richtext.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

namespace {

void Bis(TFormHAtom3 &f, int schritt)
{
    while (f.schritt() < schritt)
        f.bitBtnWeiter()->click();
}

}  // namespace

TEST(FormHAtom3, StepButtonsAndTheFinalScene)
{
    Bildschirm(1264, 960);
    TFormHAtom3 f;
    FensterOeffnen(&f);
    EXPECT_EQ(f.panelSchritt2()->caption(), QStringLiteral("Schritt 1 / 12"));
    EXPECT_TRUE(f.bitBtnSchrittZurueck()->isHidden());
    EXPECT_TRUE(f.bitBtnzurueckzurueck()->isHidden());
    f.TrackBarTempo->setPosition(4);  // every step at once
    Bis(f, 12);
    EXPECT_EQ(f.warteschritte(), 0);
    EXPECT_TRUE(f.bitBtnWeiter()->isHidden());
    EXPECT_FALSE(f.bitBtnSchrittZurueck()->isHidden());
    const auto &g = f.geometrie();
    const auto &s = f.szene();
    for (int n = 1; n <= 4; ++n) {
        EXPECT_NEAR(s.serieX[n], (n - 1) * g.C - (2 * g.C - 16), 1e-9) << n;
        EXPECT_NEAR(s.serieY[n], g.hoehe[0] - g.hoehe[n], 1e-9) << n;  // each series on its lower level
    }
    EXPECT_NEAR(s.atomX, 2 * g.C + 16, 1e-9);
    EXPECT_TRUE(s.formel);
    f.bitBtnzurueckzurueck()->click();
    EXPECT_EQ(f.schritt(), 1);
    EXPECT_TRUE(f.bitBtnSchrittZurueck()->isHidden());
}

TEST(FormHAtom3, BackFromNineReplaysWithoutWaits)
{
    Bildschirm(1264, 960);
    TFormHAtom3 f;
    FensterOeffnen(&f);
    f.TrackBarTempo->setPosition(4);
    Bis(f, 9);
    const auto szene9 = f.szene();
    f.TrackBarTempo->setPosition(3);  // animated again: the replay still must not wait
    const int warten = f.warteschritte();
    f.bitBtnSchrittZurueck()->click();
    EXPECT_EQ(f.warteschritte(), warten);
    EXPECT_EQ(f.schritt(), 8);
    EXPECT_EQ(f.panelSchritt2()->caption(), QStringLiteral("Schritt 8 / 12"));
    EXPECT_NE(f.richEditText()->toPlainText().indexOf(QStringLiteral("Balmer")), -1);
    const auto &g = f.geometrie();
    EXPECT_NEAR(f.szene().serieX[2], g.C, 1e-9);  // Balmer raised but not yet moved left
    EXPECT_NEAR(f.szene().serieY[2], g.hoehe[0] - g.hoehe[2], 1e-9);
    EXPECT_NE(f.szene().serieX[2], szene9.serieX[2]);
}

TEST(FormHAtom3, AnimatedStepEndsOnBack)
{
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormHAtom3 f;
    FensterOeffnen(&f);
    f.TrackBarTempo->setPosition(1);
    f.bitBtnWeiter()->click();
    f.bitBtnWeiter()->click();  // step 3 animates its photon bars
    takt.Weiter(150);
    f.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&f] { return !f.LaufAktiv(); }));
    EXPECT_GT(f.warteschritte(), 0);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.findChild<Bild *>()->angelegt());  // the step ended without drawing on the hidden window
    EXPECT_TRUE(f.bitBtnWeiter()->isEnabled());
    // opened again, the next steps go on from a complete step 3
    FensterOeffnen(&f);
    f.TrackBarTempo->setPosition(4);
    f.bitBtnWeiter()->click();
    EXPECT_EQ(f.schritt(), 4);
    EXPECT_TRUE(f.szene().atom);
    f.trackBarLinien()->setPosition(12);  // redraws step 4 with more lines
    EXPECT_EQ(f.schritt(), 4);
}
