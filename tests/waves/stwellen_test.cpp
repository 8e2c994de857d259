// The standing-wave window: the opposed pulses and their reflection, the clamped string,
// the speed rule, colours and layout, and a session through the five steps.
#include "bild.h"
#include "stwellen.h"
#include "stwellenfenster.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace StehendeWellen;

namespace {
// X0 = 352 and u = 93 on a 1280 × 1024 screen; default controls: A = 84, N = 20, λ = 160.
Werte Standard(int schritt) { return BerechneWerte(schritt, 352, 93, 50, 20, 80); }
double Summe(const Gegenwellen &g, const Werte &w, double x, double t)
{
    const auto [y1, y2] = Auslenkungen(g, w, x, t);
    return y1 + y2;
}
}  // namespace

TEST(StehendeWellen, ValuesOfTheControls)
{
    const Werte w = Standard(1);
    EXPECT_EQ(w.Amax, 84);
    EXPECT_EQ(w.A, 84);
    EXPECT_EQ(w.lambda, 160);
    EXPECT_DOUBLE_EQ(w.c, 8);
    EXPECT_EQ(std::make_pair(w.xL, w.xR), std::make_pair(-352, 352));
    EXPECT_EQ(std::make_pair(Standard(3).xL, Standard(3).xR), std::make_pair(-352, 332));
    EXPECT_EQ(std::make_pair(Standard(5).xL, Standard(5).xR), std::make_pair(-332, 332));
    EXPECT_EQ(BerechneWerte(1, 352, 93, 10, 8, 30).A, 17);
    const int warten[] = {248, 120, 56, 24, 8, 0};
    for (int pos = 0; pos <= 5; ++pos)
        EXPECT_EQ(VerzoegerungAusTempo(pos), warten[pos]);
    // colours are clamped per channel
    EXPECT_EQ(SeilFarbe(84, 0), TColor(0xAB9D00));
    EXPECT_EQ(SeilFarbe(20, 112), TColor(0xFFFF00));
    EXPECT_EQ(KomponentenFarbe(200, -100), TColor(0x390000));
}

TEST(StehendeWellen, TwoPulsesMeetInTheMiddle)
{
    // the crests' centres meet at x = 0 when the fronts have run X0 + λ/4: t = 49
    struct Fall {
        bool wellental, gegenphasig;
        double mitte;  // displacement at x = 0 when they meet
        double danach; // at x = 248 when they have passed (t = 80)
    };
    const Fall faelle[] = {
        {false, false, 168, 84},   // two crests: double height, then each runs on
        {false, true, 0, 84},      // crest and trough cancel for a moment
        {true, false, -168, -84},  // two troughs
    };
    const Werte w = Standard(1);
    for (const Fall &f : faelle) {
        const Gegenwellen g = AufbauGegenwellen(w, f.wellental, f.gegenphasig, true);
        EXPECT_TRUE(g.einzelPuls);
        EXPECT_NEAR(Summe(g, w, 0, 49), f.mitte, 1e-9);
        EXPECT_NEAR(Summe(g, w, 248, 80), f.danach, 1e-9);
        EXPECT_NEAR(std::abs(Summe(g, w, -248, 80)), 84, 1e-9);
        EXPECT_EQ(Summe(g, w, 0, 20), 0);  // not yet arrived
    }
    EXPECT_DOUBLE_EQ(AufbauGegenwellen(w, false, false, true).laenge, (704 + 80) / 8.0);
}

TEST(StehendeWellen, ReflectionAtFixedAndFreeEnds)
{
    // the reflected crest comes from the mirror centre 2·xR + X0 = 1016; at t = 132 its
    // centre is at x = 0 and the incident pulse has long passed
    const Werte w = Standard(3);
    for (bool fest : {true, false}) {
        const Gegenwellen g = AufbauGegenwellen(w, false, false, fest);
        EXPECT_DOUBLE_EQ(g.x2, 1016);
        EXPECT_NEAR(Summe(g, w, 0, 132), fest ? -84 : 84, 1e-9);
        // at the end itself: a fixed end stays at rest, a free end swings with double height
        const double amEnde = Summe(g, w, w.xR, (332 + 352 + 40) / 8.0);
        EXPECT_NEAR(amEnde, fest ? 0 : 168, 1e-9);
        EXPECT_EQ(KomponentenTexte(3, true, false, fest).unten,
                  fest ? QString::fromUtf8("reflektiertes Wellental") : QString::fromUtf8("reflektierter Wellenberg"));
    }
    EXPECT_DOUBLE_EQ(AufbauGegenwellen(w, false, false, true).laenge, (4 * 352 + 80) / 8.0);
    EXPECT_EQ(KomponentenTexte(1, false, true, true).unten, QString::fromUtf8("von rechts kommender Wellenberg"));
    // step 4: continuous wave and its reflection at a fixed end: nodes half a wavelength apart
    const Werte w4 = Standard(4);
    const Gegenwellen g4 = AufbauGegenwellen(w4, false, false, true);
    for (double t = 200; t < 220; t += 1.5)
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(Summe(g4, w4, w4.xR - k * 80, t), 0, 1e-9) << k;
}

TEST(StehendeWellen, ClampedStringHasExactlyNLoops)
{
    const Werte w = Standard(5);
    for (int n = 1; n <= 5; ++n) {
        for (double t : {0.0, 3.0, 7.5}) {
            const auto summe = [&](int x) {
                const auto [y1, y2] = StehendeAuslenkungen(w, n, x, t);
                return y1 + y2;
            };
            EXPECT_NEAR(summe(w.xL), 0, 1e-9);
            EXPECT_NEAR(summe(w.xR), 0, 1e-9);
            int wechsel = 0;
            for (int x = w.xL + 2; x < w.xR - 2; ++x)
                wechsel += (summe(x) > 0) != (summe(x + 1) > 0) && std::abs(summe(x)) + std::abs(summe(x + 1)) > 1e-6;
            if (std::abs(std::cos(w.omega * t)) > 0.1) {
                EXPECT_EQ(wechsel, n - 1) << n << " " << t;
            }
        }
    }
}

TEST(StehendeWellen, NodesAndAntinodesOfStepTwo)
{
    const Werte w = Standard(2);
    const Marken gleich = KnotenUndBaeuche(w, false), gegen = KnotenUndBaeuche(w, true);
    const Gegenwellen gs = AufbauGegenwellen(w, false, false, true), gg = AufbauGegenwellen(w, false, true, true);
    for (double t = 150; t < 170; t += 0.5) {  // both waves cover the rope
        for (double x : gleich.knoten)
            ASSERT_NEAR(Summe(gs, w, x, t), 0, 1e-9) << x;
        for (double x : gegen.knoten)
            ASSERT_NEAR(Summe(gg, w, x, t), 0, 1e-9) << x;
    }
    double groesste = 0;
    for (double t = 150; t < 170; t += 0.25)
        groesste = std::max(groesste, std::abs(Summe(gs, w, gleich.baeuche.front(), t)));
    EXPECT_NEAR(groesste, 168, 1);
}

TEST(StehendeWellen, LayoutFitsTheScreens)
{
    for (const auto &[W, H] : {std::pair{1264, 960}, std::pair{1904, 1016}, std::pair{1264, 656}}) {
        Bildschirm(W, H);
        const Layout l = BerechneLayout(W, H, ZurueckOben);
        const QRect zurueck(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
        EXPECT_EQ(l.image0.width(), l.spalteLinks - 8 - l.image0.left());
        EXPECT_EQ(l.image0.height(), 4 * l.u);
        EXPECT_EQ(l.imageLambda.bottom() + 1, l.image0.top());
        EXPECT_GT(l.image1.top(), l.titel.bottom());
        EXPECT_LT(l.image2.bottom(), ZurueckOben);
        EXPECT_LE(l.spalteLinks + l.spalteBreite, W);
        EXPECT_LT(l.text.bottom(), l.beobachtButton.top());
        EXPECT_LE(l.beobachtButton.bottom(), H);
        for (std::size_t i = 0; i < l.spalte.size(); ++i) {
            EXPECT_FALSE(l.spalte[i].intersects(zurueck)) << W << "x" << H << " " << i;
            EXPECT_FALSE(l.spalte[i].intersects(l.image0)) << i;
            if (i > 0) {
                EXPECT_GT(l.spalte[i].top(), l.spalte[i - 1].bottom()) << i;
            }
        }
    }
    Bildschirm(1264, 960);
    const Layout l = BerechneLayout(1264, 960, ZurueckOben);
    EXPECT_EQ(l.u, 93);
    EXPECT_EQ(l.image0, QRect(370, 262, 704, 372));
    EXPECT_EQ(l.spalteLinks, 1082);
}

TEST(StehendeWellen, WindowWalksThroughTheStepsAndLeavesDuringARun)
{
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormStWellen fenster;
    FensterOeffnen(&fenster);
    Ereignisse(20);
    EXPECT_EQ(fenster.panelSchrittNr()->caption(), QStringLiteral("Schritt 1 / 5"));
    EXPECT_FALSE(fenster.BitBtnErgebnis->isEnabled());
    EXPECT_FALSE(fenster.bitBtnSchrittZurueck()->isVisible());
    fenster.trackBarPause()->setPosition(5);
    EXPECT_EQ(fenster.Verzoegerung, 0);
    fenster.checkBoxEinzelWellen()->setChecked(true);

    // step 1: a single pulse ends by itself
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    EXPECT_GE(fenster.zeitpunkt(), fenster.zustand().g.laenge);
    EXPECT_FALSE(fenster.BitBtnErgebnis->isEnabled());

    // steps 2 to 4 show and hide their panels
    fenster.bitBtnWeiter()->click();
    EXPECT_TRUE(fenster.panelWZentren()->isVisible());
    EXPECT_FALSE(fenster.panelBergTal()->isVisible());
    fenster.bitBtnWeiter()->click();
    EXPECT_TRUE(fenster.panelFestLose()->isVisible());
    EXPECT_TRUE(fenster.bitBtnzurueckzurueck()->isVisible());
    fenster.radioGroupFestLose()->setItemIndex(1);
    fenster.BitBtnLicht->click();  // a free-end pulse, to its end
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    fenster.bitBtnWeiter()->click();
    fenster.bitBtnWeiter()->click();
    EXPECT_EQ(fenster.schritt(), 5);
    EXPECT_FALSE(fenster.bitBtnWeiter()->isVisible());
    EXPECT_TRUE(fenster.panelZBaeuche()->isVisible());
    EXPECT_FALSE(fenster.panelWellenLaenge()->isVisible());

    // step 5 runs until stopped: a changed control stops it, the observation follows
    fenster.trackBarZBaeuche()->setPosition(2);
    fenster.BitBtnLicht->click();
    takt.Weiter(150);
    EXPECT_TRUE(fenster.an);
    const Werte &w = fenster.zustand().w;
    EXPECT_NEAR(fenster.bild().letzteAuslenkung(w.xL), 0, 1e-9);
    EXPECT_NEAR(fenster.bild().letzteAuslenkung(w.xR), 0, 1e-9);
    fenster.trackBarAmplitude()->setPosition(30);
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    EXPECT_TRUE(fenster.BitBtnErgebnis->isEnabled());
    EXPECT_EQ(fenster.zustand().w.A, Runde(30 * 84 / 50.0));

    // off and on again during a run restarts the loop instead of nesting a second one; a
    // restart still pending as the program ends does not leave the lamp on; leaving during a
    // run ends it
    for (const bool programmEnde : {true, false}) {
        fenster.BitBtnLicht->click();
        takt.Weiter(80);
        fenster.BitBtnLicht->click();
        EXPECT_FALSE(fenster.an);
        fenster.BitBtnLicht->click();
        EXPECT_TRUE(fenster.an);  // returned at once, with the run on
        if (programmEnde) {
            ProgrammEndet = true;
            Lauf::AlleAbbrechen();
            takt.Weiter(100);
            EXPECT_FALSE(fenster.LaufAktiv());
            EXPECT_FALSE(fenster.an);
            ProgrammEndet = false;
            continue;
        }
        takt.Weiter(120);
        EXPECT_TRUE(fenster.an);
        fenster.BitBtnZurueck->click();
        ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    }
    EXPECT_FALSE(fenster.an);
    EXPECT_FALSE(fenster.isVisible());
    fenster.bitBtnzurueckzurueck()->click();
    EXPECT_EQ(fenster.schritt(), 1);
}
