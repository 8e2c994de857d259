// The three Franck–Hertz windows: the polarity of both sources, the layout on the screens
// the program meets, and one session per window that works its
// main controls during a run and leaves with the back button.
#include "bild.h"
#include "canvas.h"
#include "export.h"
#include "franckhertzfenster.h"
#include "franckhertzanordnungfenster.h"
#include "franckhertzkurvefenster.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

namespace {

// Widgets side by side: inside the screen and not overlapping one another.
void PruefeNebeneinander(const QList<QWidget *> &widgets, int w, int h, const char *fenster)
{
    for (int i = 0; i < widgets.size(); ++i) {
        const QRect a = widgets[i]->geometry();
        EXPECT_TRUE(QRect(0, 0, w, h).contains(a)) << fenster << " " << w << "x" << h << " widget " << i << " at "
                                                   << a.x() << "," << a.y() << " " << a.width() << "x" << a.height();
        for (int j = i + 1; j < widgets.size(); ++j)
            EXPECT_FALSE(a.intersects(widgets[j]->geometry())) << fenster << " " << w << "x" << h << ": " << i
                                                               << " overlaps " << j;
    }
}

int Pixel(Bild *b, TColor farbe)
{
    Canvas c(&b->bild());
    int n = 0;
    for (int y = 0; y < b->bild().height(); ++y)
        for (int x = 0; x < b->bild().width(); ++x)
            n += c.pixel(x, y) == farbe;
    return n;
}

}  // namespace

TEST(FranckHertzFenster, LayoutOnTheScreens)
{
    struct Fall {
        int w, h, eLauf, rLauf;
    };
    for (const Fall &f : {Fall{1904, 1016, 51, 24}, Fall{1264, 960, 38, 18}, Fall{1264, 656, 28, 14}}) {
        Bildschirm(f.w, f.h);
        {
            TFormFranckHertz2 lauf;
            EXPECT_EQ(lauf.e(), f.eLauf) << f.w;
            EXPECT_EQ(lauf.radien().r, f.rLauf) << f.w;
            EXPECT_EQ(lauf.image1()->size(), QSize(22 * f.eLauf, 16 * f.eLauf));
            EXPECT_EQ(lauf.gas().N, 20);
            PruefeNebeneinander({lauf.PanelTitel, lauf.panelAtome(), lauf.panelSimulation(), lauf.panelHinweise(),
                                 lauf.image1(), lauf.panelBeschleuniggSp(), lauf.panelGegenSp(), lauf.BitBtnZurueck},
                                f.w, f.h, "run");
            // heating and switch buttons sit on the picture's lower part, clear of the panels
            PruefeNebeneinander(
                {lauf.panelAtome(), lauf.bitBtnHeizen(), lauf.bitBtnSchalter(), lauf.panelBeschleuniggSp()}, f.w, f.h,
                "run buttons");
        }
        {
            TFormFranckHertzAnordnung2 anordnung;
            PruefeNebeneinander({anordnung.PanelTitel, anordnung.image1(), anordnung.panelZahlAtome(),
                                 anordnung.panelTemperatur(), anordnung.BitBtnHinweis, anordnung.BitBtnStop,
                                 anordnung.BitBtnZurueck},
                                f.w, f.h, "set-up");
            EXPECT_EQ(anordnung.bitBtnMitGas()->geometry(), anordnung.BitBtnStop->geometry());
        }
        {
            TFormFranckHertzKurve2 kurve;
            PruefeNebeneinander({kurve.PanelTitel, kurve.image1(), kurve.image2(), kurve.panelAtome(),
                                 kurve.panelSpannung(), kurve.panelSimulation(), kurve.panelHinweise(),
                                 kurve.BitBtnZurueck},
                                f.w, f.h, "curve");
            EXPECT_EQ(kurve.image1()->size(), QSize(23 * kurve.e(), 12 * kurve.e()));
            // Ctrl+S saves the curve, whichever picture is larger
            EXPECT_EQ(kurve.findChild<FensterExport *>()->HauptBild(), kurve.image2());
        }
    }
}

// Ua: minus at the cathode side, plus at the grid side. Ug brakes: plus wired to the grid,
// minus (through the meter) to the collector.
TEST(FranckHertzFenster, PolaritySignsOfBothSourcesInAllThreeWindows)
{
    using namespace FranckHertz;
    Bildschirm(1264, 960);
    TFormFranckHertzAnordnung2 anordnung;
    TFormFranckHertz2 lauf;
    TFormFranckHertzKurve2 kurve;
    for (SimFenster *f : std::initializer_list<SimFenster *>{&anordnung, &lauf, &kurve})
        FensterOeffnen(f);  // the pictures are drawn when shown
    struct Fall {
        const char *name;
        Bild *bild;
        Rohrpunkte p;
    };
    for (const Fall &f : {Fall{"set-up", anordnung.image1(), anordnung.punkte()},
                          Fall{"run", lauf.image1(), lauf.punkte()}, Fall{"curve", kurve.image1(), kurve.punkte()}}) {
        EXPECT_LT(std::abs(f.p.UgPlus.x() - f.p.gitterX), std::abs(f.p.UgMinus.x() - f.p.gitterX)) << f.name;
        EXPECT_LT(std::abs(f.p.UgMinus.x() - f.p.auffaengerX), std::abs(f.p.UgPlus.x() - f.p.auffaengerX)) << f.name;
        EXPECT_LT(f.p.UaMinus.x(), f.p.UaPlus.x()) << f.name;
        Rohrzeichner z(f.bild->canvas(), f.p);
        Canvas &c = f.bild->canvas();
        for (auto [buchse, plus] : {std::pair{f.p.UaMinus, false}, std::pair{f.p.UaPlus, true},
                                    std::pair{f.p.UgPlus, true}, std::pair{f.p.UgMinus, false}}) {
            const QPoint m = z.PolungsOrt(buchse);
            EXPECT_EQ(c.pixel(m.x() - 6, m.y()), plus ? FarbePlus : FarbeMinus) << f.name << " at " << buchse.x();
            EXPECT_EQ(c.pixel(m.x(), m.y() - 6) == FarbePlus, plus) << f.name << " at " << buchse.x();
        }
    }
}

// The cathode is redrawn in copy mode while it heats: an atom drawn by XOR over it would keep
// a cut-off arc when erased. Placed or moving fast, no atom reaches the cathode's stroke.
TEST(FranckHertzFenster, AtomsStayClearOfTheCathode)
{
    using namespace FranckHertz;
    Bildschirm(1264, 960);
    TFormFranckHertz2 lauf;
    TFormFranckHertzAnordnung2 anordnung;
    // the windows' gases as they set them up, moved here without drawing
    Gas imLauf = lauf.gas(), inAnordnung = anordnung.gas();
    inAnordnung.InitAtome(1, 30, 10, nullptr);
    for (Gas *g : {&imLauf, &inAnordnung}) {
        g->TemperaturAendern(4, 20);
        int naechste = 1 << 20;
        for (int schritt = 0; schritt < 400; ++schritt) {
            for (int k = 1; k <= g->N; ++k)
                naechste = std::min(naechste, Runde(g->atom[std::size_t(k)].ort.x) - g->r - g->kathodeX);
            g->TemperaturBewegung(nullptr);
        }
        EXPECT_GT(naechste, KathodenBreite / 2);
    }
}

TEST(FranckHertzFenster, RunWindowHeatSwitchPauseAndBack)
{
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormFranckHertz2 f;
    FensterOeffnen(&f);
    Ereignisse(20);
    f.TrackBarTempo->setPosition(50);  // no delay
    EXPECT_EQ(f.Verzoegerung, 0);
    f.trackBarZahlAtome()->setPosition(30);
    EXPECT_EQ(f.gas().N, 30);
    f.trackBarZahlAtome()->setPosition(12);
    EXPECT_EQ(f.gas().N, 12);
    f.trackbarUa()->setPosition(300);
    EXPECT_EQ(f.upDownUa()->Position(), 300);
    f.trackBarStop()->setPosition(0);
    f.trackBarAnregEnergie()->setPosition(20);
    EXPECT_EQ(f.panelAnregEnWert()->caption(), QStringLiteral("ist 2,0\u00A0eV"));

    f.bitBtnHeizen()->click();  // warms the cathode, then nothing runs: the switch is open
    EXPECT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_TRUE(f.heizungAn());
    EXPECT_FALSE(f.LaufAktiv());

    f.bitBtnSchalter()->click();  // closed: electrons fly until the window closes
    takt.Weiter(150);
    f.checkBoxAtomBewegung()->setChecked(true);
    takt.Weiter(100);
    f.BitBtnStop->click();  // pauses
    const float x = f.lauf()->x;
    takt.Weiter(100);
    const bool pausiert = f.pause && f.lauf()->x == x;
    f.checkBoxGalvanometer()->setChecked(false);  // while paused
    const bool stoppKnopfFrei = f.BitBtnStop->isEnabled();
    f.BitBtnStop->click();  // resumes
    takt.Weiter(150);
    f.checkBoxElekZeigen()->setChecked(true);
    f.checkBoxGalvanometer()->setChecked(true);
    takt.Weiter(200);
    f.checkBoxElekZeigen()->setChecked(false);
    takt.Weiter(200);
    f.bitBtnSchalter()->click();  // open: the flight under way ends
    f.bitBtnSchalter()->click();  // closed again at once: the same run goes on
    takt.Weiter(400);
    EXPECT_TRUE(f.laeuft());
    f.BitBtnZurueck->click();
    EXPECT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));

    EXPECT_TRUE(pausiert);
    EXPECT_TRUE(stoppKnopfFrei);
    EXPECT_GT(f.lauf()->n, 3);
    EXPECT_GT(f.lauf()->angekommen, 0);
    EXPECT_FALSE(f.laeuft());
    EXPECT_FALSE(f.LaufAktiv());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.LaufObjekt().Stopp());
    EXPECT_TRUE(f.BitBtnErgebnis->isEnabled());
    EXPECT_FALSE(f.BitBtnStop->isEnabled());
    // no electron left behind by the erased flights; atoms still all there
    EXPECT_EQ(f.gas().N, 12);
}

TEST(FranckHertzFenster, SetUpWindowGasMotionPauseInfoAndBack)
{
    Bildschirm(1904, 1016);
    TestTakt takt;
    TFormFranckHertzAnordnung2 f;
    FensterOeffnen(&f);
    Ereignisse(20);
    f.trackBarZahlAtome()->setPosition(25);  // before the gas is filled: only recorded
    EXPECT_EQ(f.gas().N, 0);
    f.bitBtnMitGas()->click();  // the gas moves until the window closes
    EXPECT_EQ(f.gas().N, 25);
    const float x0 = f.gas().atom[1].ort.x;
    f.trackBarZahlAtome()->setPosition(30);
    f.trackBarTemperatur()->setPosition(10);
    takt.Weiter(150);
    f.BitBtnStop->click();
    takt.Weiter(50);
    EXPECT_EQ(f.BitBtnStop->text(), QStringLiteral("&weiter"));
    f.BitBtnHinweis->click();
    const bool stoppGesperrt = !f.BitBtnStop->isEnabled() && f.Hinweis.panel->isVisible();
    takt.Weiter(50);
    f.bitBtnHinwLoeschen()->click();
    f.BitBtnStop->click();
    takt.Weiter(250);
    f.BitBtnZurueck->click();
    EXPECT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_TRUE(stoppGesperrt);
    EXPECT_TRUE(f.BitBtnStop->isEnabled());
    EXPECT_EQ(f.gas().N, 30);
    EXPECT_NE(f.gas().atom[1].ort.x, x0);
    EXPECT_FALSE(f.LaufAktiv());
    EXPECT_FALSE(f.bitBtnMitGas()->isVisible());
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.image1()->angelegt());  // drawn anew when opened again

    // opened again: the gas moves as before, and "warten" pauses it
    FensterOeffnen(&f);
    const bool bewegtWieder = f.LaufAktiv();
    float x1 = f.gas().atom[1].ort.x;
    takt.Weiter(150);
    EXPECT_NE(f.gas().atom[1].ort.x, x1);
    f.BitBtnStop->click();
    x1 = f.gas().atom[1].ort.x;
    takt.Weiter(150);
    const bool gewartet = f.pause && f.gas().atom[1].ort.x == x1;
    f.BitBtnZurueck->click();
    EXPECT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_TRUE(bewegtWieder);
    EXPECT_TRUE(gewartet);
    EXPECT_FALSE(f.LaufAktiv());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.BitBtnStop->text(), QStringLiteral("&warten"));
}

TEST(FranckHertzFenster, CurveWindowRecordsStepsEndsByItselfAndStopsOnChanges)
{
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormFranckHertzKurve2 f;
    FensterOeffnen(&f);
    Ereignisse(20);
    f.TrackBarTempo->setPosition(5);  // 1000 electrons per step
    f.trackBarUaMax()->setPosition(10);
    EXPECT_EQ(f.panelBeschleuniggSp3()->caption(), QStringLiteral("10\u00A0V"));
    f.trackBarUg()->setPosition(10);
    EXPECT_EQ(f.panelGegenSp3()->caption(), QStringLiteral("1,0\u00A0Volt"));
    for (int s : {5, 0}) {
        f.trackBarSchritte()->setPosition(s);
        f.bitBtnStart()->click();  // runs to its natural end
        EXPECT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
        EXPECT_FALSE(f.an);
        EXPECT_EQ(f.PanelKontrolle->farbe(), TColor(0x0000FF));
        EXPECT_FALSE(f.panelGeduld()->isVisible());
        EXPECT_TRUE(f.BitBtnErgebnis->isEnabled());
        const QVector<QPointF> &w = f.Kurvenwerte();
        ASSERT_GT(w.size(), 3) << s;
        for (int i = 1; i + 1 < w.size(); ++i)
            EXPECT_NEAR(w[i].x() - w[i - 1].x(), double(2 * s + 1) / f.k(), 1e-9) << s;
        EXPECT_DOUBLE_EQ(w.last().x(), 10.0);
        const WerteTabelle tabelle = f.Werte();  // the export lists the same curve
        ASSERT_EQ(tabelle.zeilen.size(), w.size());
        EXPECT_EQ(tabelle.zeilen.last(), (QList<double>{w.last().x(), w.last().y()}));
        for (const QPointF &p : w) {
            if (p.x() < 1.0) {
                EXPECT_EQ(p.y(), 0) << "no arrivals below Ug";
            }
        }
        EXPECT_GT(Pixel(f.image2(), 0x8CDBFD), 0);  // the bars stay
        EXPECT_DOUBLE_EQ(f.stromZeiger().wert, 0.0);
    }
    // a change of a parameter during a run switches it off, the bars stay
    f.TrackBarTempo->setPosition(50);
    f.trackBarUaMax()->setPosition(30);
    f.bitBtnStart()->click();
    takt.Weiter(150);
    f.trackBarStossW()->setPosition(6);
    EXPECT_FALSE(f.an);
    EXPECT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_GT(Pixel(f.image2(), 0x8CDBFD), 0);
    // off and on again within one wait starts afresh; back ends it
    f.bitBtnStart()->click();
    takt.Weiter(150);
    f.bitBtnStart()->click();
    f.bitBtnStart()->click();
    takt.Weiter(250);
    EXPECT_TRUE(f.an);
    EXPECT_TRUE(f.LaufAktiv());
    f.BitBtnZurueck->click();
    EXPECT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_FALSE(f.an);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.LaufObjekt().Stopp());
    EXPECT_GT(Pixel(f.image2(), 0x8CDBFD), 0);  // the recorded bars outlast the hide
}

// The program's end (every window hidden, then every run dropped where it waits) leaves no
// run behind and no lamp on, also where a restart was asked for just before.
TEST(FranckHertzFenster, TheProgramsEndLeavesNoRunOn)
{
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormFranckHertzAnordnung2 anordnung;
    TFormFranckHertz2 lauf;
    TFormFranckHertzKurve2 kurve;
    const struct {
        const char *name;
        SimFenster *f;
        std::function<void()> starten;
    } faelle[] = {
        {"set-up", &anordnung, [&] { anordnung.bitBtnMitGas()->click(); }},
        {"electrons", &lauf, [&] {
             lauf.bitBtnHeizen()->click();
             takt.Bis([&] { return lauf.heizungAn(); });
             lauf.bitBtnSchalter()->click();
         }},
        {"curve", &kurve, [&] { kurve.bitBtnStart()->click(); }},
        {"curve restarted", &kurve, [&] {
             kurve.bitBtnStart()->click();
             takt.Weiter(50);
             kurve.bitBtnStart()->click();  // off and on within one wait: a restart is asked for
             kurve.bitBtnStart()->click();
         }},
    };
    for (const auto &fall : faelle) {
        FensterOeffnen(fall.f);
        fall.starten();
        takt.Weiter(50);
        EXPECT_TRUE(fall.f->LaufAktiv()) << fall.name;
        ProgrammEndet = true;
        fall.f->hide();
        Lauf::AlleAbbrechen();
        takt.Weiter(100);
        EXPECT_FALSE(fall.f->LaufAktiv()) << fall.name;
        EXPECT_FALSE(fall.f->an) << fall.name;
        EXPECT_FALSE(Takt::Aktuell().Wartende()) << fall.name;
        ProgrammEndet = false;
    }
    EXPECT_FALSE(lauf.laeuft());
}
