// The diffraction window: the Huygens sums against their definition, the diaphragm masks,
// the wave formulas and colours, the layout, and a session that runs both modes and leaves.
#include "beugung.h"
#include "beugungsbild.h"
#include "beugungsfenster.h"
#include "bild.h"
#include "huygens.h"
#include "testhilfen.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace Beugung;

namespace {

int Offen(const Huygens::Blende &b)
{
    int n = 0;
    for (int y = -Huygens::MaskenRand; y <= Huygens::MaskenRand; ++y)
        n += b.istOffen(y);
    return n;
}

float IntensitaetBei(const Huygens::Feld &f, int x, int y)
{
    for (std::size_t sp = 0; sp < f.spaltenX.size(); ++sp)
        for (std::size_t ze = 0; ze < f.zeilenY.size(); ++ze)
            if (f.spaltenX[sp] == x && f.zeilenY[ze] == y)
                return f.intensitaet[f.index(sp, ze)];
    ADD_FAILURE() << "no grid point " << x << "," << y;
    return -1;
}

}  // namespace

TEST(Beugung, MasksOpenTheRowsOfEachKind)
{
    GlobalInitialisieren();
    struct Fall {
        Art art;
        int offen;
        bool symmetrisch;
        std::vector<int> offeneZeilen, gesperrteZeilen;
    };
    const Fall faelle[] = {
        {Art::Spalt, 161, true, {-80, 0, 80}, {-81, 81}},
        {Art::ZweiSpalten, 82, true, {-100, -60, 60, 80, 100}, {0, 59, 101}},
        {Art::Gitter, 342, true, {10, 29, 50, -69}, {0, 9, 30, 49, -70}},
        {Art::Kante, 341, false, {-340, 0}, {1, 340}},
        {Art::Hindernis, 522, true, {-80, 80, 340}, {0, 79, -79}},
        {Art::Ohne, 681, true, {-340, 0, 340}, {}},
    };
    for (const Fall &f : faelle) {
        const Huygens::Blende b = Maske(f.art, 80, 80, 20);
        EXPECT_EQ(Offen(b), f.offen) << int(f.art);
        EXPECT_EQ(b.symmetrisch, f.symmetrisch) << int(f.art);
        for (int y : f.offeneZeilen)
            EXPECT_TRUE(b.istOffen(y)) << int(f.art) << " " << y;
        for (int y : f.gesperrteZeilen)
            EXPECT_FALSE(b.istOffen(y)) << int(f.art) << " " << y;
        for (int y = 0; f.symmetrisch && y <= Huygens::MaskenRand; ++y)
            ASSERT_EQ(b.istOffen(y), b.istOffen(-y)) << int(f.art) << " " << y;
    }
}

TEST(Beugung, HuygensSumsEqualTheTermByTermDefinition)
{
    GlobalInitialisieren();
    for (Art art : {Art::Spalt, Art::ZweiSpalten, Art::Gitter, Art::Kante, Art::Hindernis}) {
        Huygens::Auftrag a;
        a.blende = Maske(art, 40, 60, 24);
        a.lambda = 37;
        a.xB = 60;
        a.yMax = 45;
        a.d = 5;
        const auto f = Huygens::Berechne(a, SinCosTabelle);
        ASSERT_TRUE(f);
        // the largest raw intensity over the grid, from the definition
        double groesste = 0;
        for (int x : f->spaltenX)
            for (int y : f->zeilenY) {
                const auto [re, im] = Huygens::DirekteSumme(a.blende, a.lambda, x, y, SinCosTabelle);
                groesste = std::max(groesste, re * re + im * im);
            }
        for (std::size_t sp = 0; sp < f->spaltenX.size(); sp += 3)
            for (std::size_t ze = 0; ze < f->zeilenY.size(); ze += 2) {
                const auto [re, im] =
                    Huygens::DirekteSumme(a.blende, a.lambda, f->spaltenX[sp], f->zeilenY[ze], SinCosTabelle);
                const std::size_t i = f->index(sp, ze);
                EXPECT_NEAR(f->intensitaet[i], (re * re + im * im) / groesste, 1e-5) << int(art);
                EXPECT_NEAR(f->amplitude[i], 56 * std::sqrt((re * re + im * im) / groesste), 1e-3);
                EXPECT_EQ(f->phase[i], Huygens::PhasenIndex(re, im)) << int(art);
            }
    }
}

TEST(Beugung, FieldIsNormalisedMirroredOnlyWhenSymmetricAndCancellable)
{
    GlobalInitialisieren();
    const Masse m = MasseVon(396, 298);  // the small picture at 1280 × 1024
    for (Art art : {Art::Spalt, Art::Gitter, Art::Kante}) {
        Huygens::Auftrag a;
        a.blende = Maske(art, 80, 80, 20);
        a.lambda = 60;
        a.xB = m.xB;
        a.yMax = m.yMax;
        a.d = 3;
        const auto f = Huygens::Berechne(a, SinCosTabelle);
        ASSERT_TRUE(f);
        float maxI = 0, maxA = 0;
        for (std::size_t i = 0; i < f->intensitaet.size(); ++i) {
            maxI = std::max(maxI, f->intensitaet[i]);
            maxA = std::max(maxA, f->amplitude[i]);
            ASSERT_LT(f->phase[i], 96);
        }
        EXPECT_FLOAT_EQ(maxI, 1.f);
        EXPECT_FLOAT_EQ(maxA, 56.f);
        // the whole field: rows from −yMax (edge) or the mirror of the top row
        EXPECT_EQ(f->zeilenY.back(), art == Art::Kante ? 148 : 147);
        EXPECT_EQ(f->zeilenY.front(), art == Art::Kante ? -149 : -147);
        if (art == Art::Kante) {  // lit side brighter than the shadow side
            EXPECT_GT(IntensitaetBei(*f, 150, -53), 3 * IntensitaetBei(*f, 150, 97));
        } else {
            for (std::size_t sp = 0; sp < f->spaltenX.size(); ++sp)
                for (std::size_t ze = 0; ze < f->zeilenY.size(); ++ze)
                    ASSERT_EQ(f->intensitaet[f->index(sp, ze)],
                              f->intensitaet[f->index(sp, f->zeilenY.size() - 1 - ze)]);
        }
    }
    Huygens::Auftrag a;
    a.blende = Maske(Art::Spalt, 80, 80, 20);
    a.xB = 100;
    a.yMax = 50;
    int spalten = 0;
    EXPECT_FALSE(Huygens::Berechne(a, SinCosTabelle, [&](int fertig, int) { return (spalten = fertig) < 10; }));
    EXPECT_EQ(spalten, 10);
}

TEST(Beugung, WithoutDiaphragmThePlaneWavePassesUndisturbed)
{
    GlobalInitialisieren();
    Huygens::Auftrag a;
    a.blende = Maske(Art::Ohne, 80, 80, 20);
    a.lambda = 40;
    a.xB = 120;
    a.yMax = 40;
    a.d = 1;
    const auto f = Huygens::Berechne(a, SinCosTabelle);
    ASSERT_TRUE(f);
    // straight wave fronts: along a row the phase grows by 96 steps per wavelength, and at a
    // fixed x it is the same in every row near the axis; the amplitude only ripples (the
    // wavelet source has a limited height)
    const std::size_t mitte = f->zeilenY.size() / 2;
    const int bezug = f->phase[f->index(20, mitte)] - Runde(96.0 * f->spaltenX[20] / a.lambda);
    for (std::size_t sp = 20; sp < f->spaltenX.size(); sp += 7)
        for (std::size_t ze = mitte - 40; ze <= mitte + 40; ze += 10) {
            const std::size_t i = f->index(sp, ze);
            const int abw = Huygens::Mod96(f->phase[i] - Runde(96.0 * f->spaltenX[sp] / a.lambda) - bezug + 48) - 48;
            EXPECT_LE(std::abs(abw), 4) << f->spaltenX[sp] << "," << f->zeilenY[ze];
            EXPECT_NEAR(f->amplitude[i], f->amplitude[f->index(sp, mitte)], 0.25 * f->amplitude[i]);
        }
}

TEST(Beugung, WaveFrameIsEveryTileInItsCode)
{
    // each tile of a frame shows its point's code: the incident stripes left of the
    // diaphragm, the field's points behind it (symmetric and not, at every resolution)
    GlobalInitialisieren();
    struct Fall {
        Art art;
        int s, t;
    };
    for (const Fall &fall : {Fall{Art::ZweiSpalten, 1, 0}, Fall{Art::Kante, 2, 5}, Fall{Art::Spalt, 3, 13}}) {
        Zustand z;
        z.m = MasseVon(160, 120);
        z.s = fall.s;
        z.grund = 0x964401;
        Huygens::Auftrag a;
        a.blende = Maske(fall.art, 20, 30, 10);
        a.lambda = 30;
        a.xB = z.m.xB;
        a.yMax = z.m.yMax;
        a.d = z.d();
        const auto f = Huygens::Berechne(a, SinCosTabelle);
        ASSERT_TRUE(f);
        z.blende = &a.blende;
        z.feld = &*f;
        QImage bild(160, 120, QImage::Format_RGB32), soll(160, 120, QImage::Format_RGB32);
        bild.fill(Qt::red);
        Canvas c(&bild), r(&soll);
        BeugungsBild(c, z).ZeichneWellen(fall.t);
        soll.fill(Qt::red);
        const int d = z.d(), h = d / 2;
        auto kachel = [&](int x, int y, int breite, int hoehe, int code) {
            r.brush.color = FarbCodeAuslenkg(code);
            r.fillRect(x, y, x + breite, y + hoehe);
        };
        for (int x = -(std::abs(z.m.xA) / d) * d; x <= 0; x += d)
            kachel(z.m.X0 + x - h, 0, d, 120, EinfallCode(x, fall.t, z.w, SinCosTabelle));
        for (std::size_t sp = 0; sp < f->spaltenX.size(); ++sp)
            for (std::size_t ze = 0; ze < f->zeilenY.size(); ++ze) {
                const std::size_t i = f->index(sp, ze);
                kachel(z.m.X0 + f->spaltenX[sp] - h, z.m.Y0 - f->zeilenY[ze] - h, d, d,
                       SimulationsCode(f->amplitude[i], f->phase[i], fall.t, z.w, SinCosTabelle));
            }
        BeugungsBild(r, z).ZeichneBlende();
        EXPECT_TRUE(bild == soll) << fall.s;

        // the idealised animation behind a slit or an edge: each tile from its distance and attenuation
        z.simulation = false;
        z.kante = fall.art == Art::Kante;
        z.wAnim = 12;
        BeugungsBild(c, z).AnimationsFrame(fall.t + 40);
        auto farbe = [&](double rr, double F1) {
            return Aktiv(rr, fall.t + 40, z.w, z.frischerStart, z.einzelZug)
                       ? FarbCodeAnimation(Runde(Auslenkung(rr, fall.t + 40, z.w, SinCosTabelle) * F1))
                       : z.grund;
        };
        for (int x = -(std::abs(z.m.xA) / d) * d; x <= 0; x += d) {
            r.brush.color = farbe(x, 1.0);
            r.fillRect(z.m.X0 + x - h, 0, z.m.X0 + x + h + 1, 120);
        }
        for (int x = d; x <= z.m.xB; x += d) {
            for (int y = z.kante ? 0 : -z.m.yMax; y <= z.m.yMax; ++y) {
                if (std::abs(y) % d != 0)
                    continue;
                const Punktwelle p = AnimationsWelle(x, y, z.kante ? 0 : z.wAnim, z.m.X0, !z.kante);
                r.brush.color = farbe(p.r, p.F1);
                r.fillRect(z.m.X0 + x - h, z.m.Y0 - y - h, z.m.X0 + x + h + 1, z.m.Y0 - y + h + 1);
            }
            if (z.kante) {
                r.brush.color = farbe(x, 1.0);
                r.fillRect(z.m.X0 + x - h, z.m.Y0 + h + 1, z.m.X0 + x + h + 1, 120);
            }
        }
        BeugungsBild(r, z).ZeichneBlende();
        EXPECT_TRUE(bild == soll) << "animation " << fall.s;
    }
}

TEST(Beugung, WaveFormulasColoursAndSpeed)
{
    GlobalInitialisieren();
    // speed: 80, 60, 40, 20, 0 ms
    for (int pos = 0; pos <= 4; ++pos)
        EXPECT_EQ(VerzoegerungAusTempo(pos), 80 - 20 * pos);
    // colours stay in range; the intensity's doubled code keeps blue at 255 at most
    EXPECT_EQ(FarbCodeIntens(112), TColor(0xFFCF00));
    EXPECT_EQ(FarbCodeIntens(0), TColor(0x8F5F00));
    EXPECT_EQ(FarbCodeAuslenkg(56), TColor(0xFFFF00));
    EXPECT_EQ(FarbCodeAuslenkg(-56), TColor(0x8F8F00));
    EXPECT_EQ(FarbCodeAnimation(56), TColor(0xFFCF00));
    // more frames per period: slower, but the same wavelength on screen
    for (int N : {8, 13, 32}) {
        const Welle w{60, N};
        for (int t : {0, 5, 17})
            for (int x = -200; x <= 0; x += 10) {
                ASSERT_EQ(EinfallCode(x, t, w, SinCosTabelle), EinfallCode(x - 60, t, w, SinCosTabelle));
                ASSERT_NEAR(Auslenkung(x, t, w, SinCosTabelle), Auslenkung(x + 60, t, w, SinCosTabelle), 4);
            }
    }
    // animation: in the beam the distance is x; an edge has no undisturbed band in its shadow
    EXPECT_EQ(AnimationsWelle(100, 10, 16, 198, true).r, 100);
    EXPECT_DOUBLE_EQ(AnimationsWelle(100, 10, 16, 198, true).F1, std::exp(-2.0 * 84 / 198));
    EXPECT_EQ(AnimationsWelle(12, 10, 16, 198, true).F1, 1.0);
    EXPECT_GT(AnimationsWelle(100, 10, 0, 198, false).r, 100);
    EXPECT_LT(AnimationsWelle(100, 60, 16, 198, true).F1, AnimationsWelle(100, 60, 16, 198, false).F1);
    // a single train: fresh start, a wavelength long
    const Welle w{60, 8};
    EXPECT_FALSE(Aktiv(100, 10, w, true, true));    // front at 75
    EXPECT_TRUE(Aktiv(100, 14, w, true, true));     // front at 105
    EXPECT_FALSE(Aktiv(100, 22, w, true, true));    // front at 165 > 100 + λ
    EXPECT_TRUE(Aktiv(100, -50, w, false, false));  // already under way
    const Masse m = MasseVon(792, 596);
    EXPECT_EQ(m.X0, 198);
    EXPECT_EQ(m.xA, -198);
    EXPECT_EQ(m.xB, 594);
    EXPECT_EQ(m.yMax, 298);
    EXPECT_EQ(Startzeit(m, w), -26);
    EXPECT_EQ(Laufzeit(m, w), Runde((std::sqrt(594.0 * 594 + 298.0 * 298) + 198) / 7.5) + 8);
}

TEST(Beugung, LayoutOnTheScreens)
{
    struct Fall {
        int w, h;
        int f;
        QRect flaeche, klein, gross;
    };
    const Fall faelle[] = {
        {1264, 960, 16, {201, 65, 830, 599}, {309, 215, 396, 298}, {210, 66, 792, 596}},
        {1904, 1016, 16, {201, 65, 1470, 599}, {469, 215, 396, 298}, {370, 66, 792, 596}},
    };
    for (const Fall &f : faelle) {
        Bildschirm(f.w, f.h);
        Beugung::Bildschirmmasse b{f.w, f.h, ZurueckOben, StandardSpalte(f.w), 1.0};
        const Layout l = BerechneLayout(b);
        EXPECT_EQ(l.f, f.f);
        EXPECT_EQ(l.flaeche, f.flaeche) << f.w;
        EXPECT_EQ(Bildort(l.flaeche, 0), f.klein) << f.w;
        EXPECT_EQ(Bildort(l.flaeche, 2), f.gross) << f.w;
        EXPECT_EQ(l.animSimu, QRect(8, 72, 185, 137));
        EXPECT_EQ(l.datenKompl, QRect(8, 241, 185, 393));
        EXPECT_EQ(l.hinweise, QRect(8, 666, 185, 57));
        EXPECT_EQ(l.licht, QRect(f.w - 225, 516, 185, 169));
        EXPECT_EQ(l.hinweis, QRect(201, 65, f.flaeche.width(), ZurueckOben - 65));
        EXPECT_EQ(l.ichRechne.top() + l.ichRechne.height() / 2, 57 + 226 + 16);
    }
    // below 768 px everything stays on the screen and clear of the back button
    Bildschirm(1264, 656);
    const Layout l = BerechneLayout({1264, 656, ZurueckOben, StandardSpalte(1264), 1.0});
    EXPECT_LE(l.hinweise.bottom(), 656);
    EXPECT_LT(l.licht.bottom(), ZurueckOben);
    EXPECT_LE(l.flaeche.bottom(), 656);
    EXPECT_LE(Bildort(l.flaeche, 2).bottom(), 656);
}

TEST(Beugung, WindowRunsBothModesAndLeavesDuringARun)
{
    Bildschirm(1264, 960);
    TFormBeugung3 fenster;
    FensterOeffnen(&fenster);
    Ereignisse(20);
    EXPECT_EQ(fenster.image1()->bild().size(), QSize(396, 298));
    fenster.radioGroupZeichenflaeche()->setItemIndex(1);
    EXPECT_EQ(fenster.image1()->bild().size(), QSize(596, 447));
    // the slit-width scale names the width of one slit: each of two slits, then the single slit
    for (const auto &[art, erste, letzte] :
         {std::tuple{1, "20", "50\u00a0Pixel"}, std::tuple{0, "80", "200\u00a0Pixel"}}) {
        fenster.radioGroupArtBeugung()->setItemIndex(art);
        const QList<TrackBar::Marke> &marken = fenster.trackBarSpaltB()->skalaMarken();
        ASSERT_EQ(marken.size(), 4);
        EXPECT_EQ(marken.first().text, QString::fromUtf8(erste));
        EXPECT_EQ(marken.last().text, QString::fromUtf8(letzte));
        EXPECT_EQ(marken.last().wert, fenster.trackBarSpaltB()->Max());
        EXPECT_TRUE(fenster.trackBarSpaltB()->skala()->isVisible());
    }
    fenster.TrackBarTempo->setPosition(4);

    // simulation: the tables are computed at the start, column by column with the event loop
    // going on; a stop meanwhile keeps no half field
    TestTakt takt;
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return fenster.panelIchRechne()->isVisible(); }));
    takt.Weiter(1);
    EXPECT_TRUE(fenster.neuRechnen());
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.panelIchRechne()->isVisible());
    EXPECT_TRUE(fenster.neuRechnen());
    EXPECT_FALSE(fenster.feld());
    // holding the panel shows the intensity and stops the wave, releasing it lets it go on
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.neuRechnen() && fenster.zeitpunkt() >= 2; }));
    EXPECT_TRUE(fenster.an);
    fenster.trackBarSchwDauer()->setPosition(16);  // goes on, slower, same wavelength
    EXPECT_TRUE(fenster.an);
    EXPECT_EQ(fenster.zustand().w.N, 16);
    EXPECT_EQ(fenster.zustand().w.lambda, 60);
    QTest::mousePress(fenster.panel1(), Qt::LeftButton);
    // the intensity is shown: the incident region is cleared
    ASSERT_TRUE(takt.Bis([&] { return fenster.image1()->canvas().pixel(2, 2) == FarbeHintergrund; }));
    const Masse &m = fenster.zustand().m;
    EXPECT_EQ(fenster.image1()->canvas().pixel(m.X0 + 60, m.Y0),
              FarbCodeIntens(2 * Runde(56 * IntensitaetBei(*fenster.feld(), 60, 0))));
    const int tGehalten = fenster.zeitpunkt();
    takt.Weiter(200);  // the wave stands while the panel is held
    EXPECT_EQ(fenster.zeitpunkt(), tGehalten);
    QTest::mouseRelease(fenster.panel1(), Qt::LeftButton);
    ASSERT_TRUE(takt.Bis([&] { return fenster.zeitpunkt() > tGehalten; }));
    // held again, then off and on: the held intensity does not keep the old run going, the
    // new one follows; leaving ends it
    QTest::mousePress(fenster.panel1(), Qt::LeftButton);
    takt.Weiter(50);
    fenster.BitBtnLicht->click();
    fenster.BitBtnLicht->click();
    EXPECT_TRUE(fenster.an);
    takt.Weiter(50);
    EXPECT_TRUE(fenster.LaufAktiv());
    EXPECT_TRUE(fenster.an);
    fenster.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    QTest::mouseRelease(fenster.panel1(), Qt::LeftButton);
    EXPECT_FALSE(fenster.an);
    EXPECT_FALSE(fenster.isVisible());

    // animation mode with a single train ends by itself; direction arrows are drawn
    FensterOeffnen(&fenster);
    Ereignisse(20);
    fenster.radioButtonAnimation()->setChecked(true);
    EXPECT_TRUE(fenster.panelDatenEinf()->isVisible());
    EXPECT_FALSE(fenster.panelDatenKompl()->isVisible());
    fenster.radioGroupWellenzug()->setItemIndex(0);
    EXPECT_FALSE(fenster.radiogroupAnfangszustand()->isVisible());
    fenster.checkBoxRichtungenVorBlende()->setChecked(true);
    fenster.checkBoxRichtungenNachBlende()->setChecked(true);
    fenster.BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    EXPECT_GT(fenster.zeitpunkt(), Laufzeit(fenster.zustand().m, fenster.zustand().w));

    // a continuous wave runs until the window closes; off and on again restarts the loop
    // instead of nesting a second run inside it
    fenster.radioGroupWellenzug()->setItemIndex(1);
    fenster.radioGroupArtBeugungEinf()->setItemIndex(0);
    fenster.BitBtnLicht->click();
    takt.Weiter(80);
    fenster.BitBtnLicht->click();
    fenster.BitBtnLicht->click();
    EXPECT_TRUE(fenster.an);  // returned at once, with the run on
    takt.Weiter(120);
    EXPECT_TRUE(fenster.an);
    fenster.close();
    ASSERT_TRUE(takt.Bis([&] { return !fenster.LaufAktiv(); }));
    EXPECT_FALSE(fenster.an);
    EXPECT_FALSE(fenster.isVisible());
}
