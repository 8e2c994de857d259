// The shared module: colour of a frequency, screen classes, line tables, helpers and the wait.
#include "global.h"
#include "testhilfen.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>

TEST(FarbeAusFrequenz, SampleValuesAndEdges)
{
    EXPECT_EQ(FarbeAusFrequenz(374), 0u);
    EXPECT_EQ(FarbeAusFrequenz(801), 0u);
    EXPECT_EQ(FarbeAusFrequenz(375), 0x00003Cu);  // only red, from the 363–459 THz arc
    EXPECT_EQ(FarbeAusFrequenz(515), 0x00DCFFu);
    EXPECT_EQ(FarbeAusFrequenz(730) & 0xFF, 100u);  // violet tinge peaks at 730 THz
    EXPECT_EQ(FarbeAusFrequenz(400), 0x00009Fu);
    EXPECT_EQ(FarbeAusFrequenz(500), 0x00C4FFu);
    EXPECT_EQ(FarbeAusFrequenz(600), 0xA7FF00u);
    EXPECT_EQ(FarbeAusFrequenz(685), 0xFF450Fu);
    EXPECT_EQ(FarbeAusFrequenz(750), 0xB30051u);
    EXPECT_EQ(FarbeAusFrequenz(800), 0x110000u);
}

TEST(FarbeAusFrequenz, ChannelsStayInByteRangeOverTheVisibleBand)
{
    for (int f = 375; f <= 800; ++f) {
        const TColor c = FarbeAusFrequenz(f);
        EXPECT_EQ(c >> 24, 0u) << f;
        EXPECT_NE(c, 0u) << "visible light is never black: " << f;
    }
}

TEST(Bildschirmeinteilung, ScreenClassesSetFontsAndLayout)
{
    FrischerZustand();
    Bildschirmeinteilung(1600, 1050);
    EXPECT_EQ(SchriftKlein, 12);
    EXPECT_EQ(SchriftNormal, 16);
    EXPECT_EQ(SchriftMittel, 20);
    EXPECT_EQ(SchriftGross, 24);
    EXPECT_EQ(SchriftGrossDoppelt, 48);

    Bildschirmeinteilung(1599, 1200);
    EXPECT_EQ(SchriftMittel, 18);
    EXPECT_EQ(SchriftMittelDoppelt, 36);

    Bildschirmeinteilung(1280, 799);
    EXPECT_EQ(SchriftKlein, 8);
    EXPECT_EQ(SchriftGross, 20);

    Bildschirmeinteilung(1264, 960);
    EXPECT_EQ(ZurueckLinks, 1264 - 193);
    EXPECT_EQ(ZurueckOben, 960 - 121);
    EXPECT_EQ(ZurueckBreite, 161);
    EXPECT_EQ(ZurueckHoehe, 81);
    EXPECT_EQ(SpalteLinks, 1264 - 225);
    EXPECT_EQ(SpalteBreite, 185);
    EXPECT_EQ(SpalteRand, 8);
}

TEST(GlobalInitialisieren, ResetsDefaults)
{
    Planckkonstante = 1e-30;
    TexteVonDatei = false;
    FarbeZeichengrund = 0;
    FrischerZustand();
    EXPECT_DOUBLE_EQ(Planckkonstante, 6.626e-34);
    EXPECT_TRUE(TexteVonDatei);
    EXPECT_TRUE(PiepsAn);
    EXPECT_EQ(FarbeZeichengrund, FarbeHintergrund);
    EXPECT_EQ(FarbeHintergrund, 0x964401u);
    EXPECT_EQ(BildschirmBreite, 1027);
    EXPECT_EQ(BildschirmHoehe, 740);
    EXPECT_DOUBLE_EQ(Massstab.horizontal, 1.0);
    EXPECT_DOUBLE_EQ(Massstab.vertikal, 1.0);
    EXPECT_DOUBLE_EQ(Massstab.einheitlich, 1.0);
}

TEST(Linienspektren, CountsFrequenciesAndColours)
{
    FrischerZustand();
    const int anzahl[SpektrenAnzahl] = {8, 5, 7, 4, 4, 7, 7, 5, 4, 2, 6, 6};
    for (int s = 0; s < SpektrenAnzahl; ++s)
        EXPECT_EQ(Spektren[s].Anzahl, anzahl[s]) << s;

    // Spot checks against the published table: nm / THz / colour.
    struct Probe {
        int tabelle, linie, nm, thz;
        TColor farbe;
    };
    const Probe proben[] = {
        {SpektrumCalzium, 0, 558, 538, 0x00F4E6}, {SpektrumCalzium, 7, 423, 709, 0xF50049},
        {SpektrumCadmium, 0, 644, 466, 0x0077FF}, {SpektrumCaesium, 6, 456, 658, 0xFFC100},
        {SpektrumEisen, 2, 438, 685, 0xFF450F},   {SpektrumWasserstoff, 0, 656, 457, 0x005EFF},
        {SpektrumWasserstoff, 3, 410, 732, 0xD70064}, {SpektrumHelium, 0, 728, 412, 0x0000C2},
        {SpektrumHelium, 6, 403, 744, 0xC0005A},  {SpektrumQuecksilber, 3, 546, 549, 0x00FBC9},
        {SpektrumKalium, 4, 404, 743, 0xC2005C},  {SpektrumMagnesium, 1, 517, 580, 0x55FF3A},
        {SpektrumNatrium, 0, 569, 527, 0x00EAF8}, {SpektrumNatrium, 1, 589, 509, 0x00D3FF},
        {SpektrumNeon, 5, 471, 637, 0xF8F300},    {SpektrumSonne, 0, 686, 437, 0x001DF2},
    };
    for (const Probe &p : proben) {
        const Spektrallinie &l = Spektren[p.tabelle].Linie[p.linie];
        EXPECT_EQ(l.WellenlaengeNm, p.nm);
        EXPECT_EQ(l.FrequenzTHz, p.thz) << p.nm;
        EXPECT_EQ(l.Farbe, p.farbe) << p.nm;
        EXPECT_DOUBLE_EQ(l.Frequenz, p.thz * 1e12);
        EXPECT_DOUBLE_EQ(l.Wellenlaenge, p.nm * 1e-9);
    }
    // Records beyond Anzahl stay empty.
    EXPECT_EQ(Spektren[SpektrumNatrium].Linie[2].WellenlaengeNm, 0);
}

TEST(Helfer, ZweiHochMinimumMaximumRunde)
{
    EXPECT_EQ(ZweiHoch(0), 1);
    EXPECT_EQ(ZweiHoch(4), 16);
    EXPECT_EQ(ZweiHoch(45), 1 << 30);  // larger exponents stay at the largest power an int holds
    EXPECT_EQ(ZweiHoch(-3), 1);
    EXPECT_EQ(ZweiHoch(10), 1024);
    EXPECT_EQ(Minimum(-2, 5), -2);
    EXPECT_EQ(Maximum(-2, 5), 5);
    EXPECT_EQ(Runde(0.5), 0);
    EXPECT_EQ(Runde(1.5), 2);
    EXPECT_EQ(Runde(2.5), 2);
    EXPECT_EQ(Runde(-2.5), -2);
    EXPECT_EQ(Runde(NAN), 0);
    EXPECT_EQ(Runde(INFINITY), 2000000000);
    EXPECT_EQ(Runde(-1e300), -2000000000);
}

TEST(Helfer, SmoothProfilesAreContinuousInValueAndSlope)
{
    EXPECT_DOUBLE_EQ(SanfterUebergang(0), 0);
    EXPECT_DOUBLE_EQ(SanfterUebergang(1), 1);
    EXPECT_NEAR(SanfterUebergang(0.5), 0.5, 1e-15);
    EXPECT_NEAR(SanftesProfil(0), 0, 1e-15);
    EXPECT_NEAR(SanftesProfil(1), 1, 1e-12);
    const double h = 1e-7;
    for (double grenze : {1.0 / 3, 2.0 / 3}) {
        EXPECT_NEAR(SanftesProfil(grenze - h), SanftesProfil(grenze + h), 1e-6) << grenze;
        const double links = (SanftesProfil(grenze - h) - SanftesProfil(grenze - 2 * h)) / h;
        const double rechts = (SanftesProfil(grenze + 2 * h) - SanftesProfil(grenze + h)) / h;
        EXPECT_NEAR(links, rechts, 1e-4) << grenze;
    }
    double vorher = -1;
    for (int i = 0; i <= 100; ++i) {
        const double y = SanftesProfil(i / 100.0);
        EXPECT_GE(y, vorher);
        vorher = y;
    }
}

TEST(SinCosTabelle, CoversZeroToTwoPiInclusive)
{
    FrischerZustand();
    EXPECT_DOUBLE_EQ(SinCosTabelle.Sin48[24], 1.0);
    EXPECT_NEAR(SinCosTabelle.Sin48[96], 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(SinCosTabelle.Cos48[96], 1.0);
    EXPECT_FLOAT_EQ(SinCosTabelle.Sin96[48], 1.0f);
    EXPECT_FLOAT_EQ(SinCosTabelle.Cos96[96], -1.0f);
    EXPECT_FLOAT_EQ(SinCosTabelle.Sin192[288], -1.0f);
    EXPECT_FLOAT_EQ(SinCosTabelle.Cos192[384], 1.0f);
}

TEST(Zufall, SeededSequencesRepeatAndStayInRange)
{
    ZufallStarten(7);
    const double a = Zufall();
    const int b = Zufall(10);
    ZufallStarten(7);
    EXPECT_EQ(Zufall(), a);
    EXPECT_EQ(Zufall(10), b);
    int zaehler[5] = {};
    for (int i = 0; i < 5000; ++i) {
        const double x = Zufall();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        const int n = Zufall(5);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 5);
        ++zaehler[n];
    }
    for (int z : zaehler)
        EXPECT_GT(z, 800);  // roughly uniform
    EXPECT_EQ(Zufall(0), 0);
    EXPECT_EQ(Zufall(-4), 0);
}

TEST(TickZahl, TicksAdvanceInSixtyFourthsOfASecond)
{
    // Every tick count is a whole number of 1/64 s steps, rounded down to milliseconds.
    std::uint64_t t = TickZahl();
    for (int i = 0; i < 3; ++i) {
        while (TickZahl() == t) {
        }
        t = TickZahl();
        const std::uint64_t schritte = (t * 64 + 999) / 1000;
        EXPECT_EQ(schritte * 1000 / 64, t);
    }
}

