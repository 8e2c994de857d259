// Hydrogen physics and pictures: Rydberg lines, series rows and naming, colours, level geometry.
#include "hatombild.h"
#include "hatomprobebild.h"
#include "hserienbild.h"
#include "testhilfen.h"
#include "wasserstoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace Wasserstoff;

TEST(Wasserstoff, SeriesWavelengthsAgreeWithTheRydbergFormula)
{
    // independent: 1/λ = R∞·(1/n² − 1/m²) with the CODATA value
    const double R = 10973731.568;
    struct Fall { int n, m; double nm; } faelle[] = {
        {2, 3, 656}, {2, 4, 486}, {2, 5, 434}, {2, 6, 410}, {1, 2, 121.5}, {3, 4, 1875}, {1, 0, 91.1}, {2, 0, 364.6}};
    for (const auto &f : faelle) {
        const double kehr = f.m ? 1.0 / (f.m * f.m) : 0.0;
        const double erwartet = 1e9 / (R * (1.0 / (f.n * f.n) - kehr));
        const double lambda = WellenlaengeNm(SerienFrequenz(f.n, f.m));
        EXPECT_NEAR(lambda, erwartet, 0.003 * erwartet) << f.n << "→" << f.m;
        EXPECT_NEAR(lambda, f.nm, std::max(0.8, 0.001 * f.nm)) << f.n << "→" << f.m;
    }
    EXPECT_EQ(Runde(SerienFrequenz(2, 3)), 457);
    EXPECT_EQ(Runde(SerienFrequenz(2, 4)), 617);
}

TEST(Wasserstoff, LevelEnergiesAndPhotons)
{
    EXPECT_NEAR(Bindungsenergie(1), 13.6, 0.02);
    EXPECT_NEAR(Bindungsenergie(2), 3.4, 0.01);
    EXPECT_NEAR(Anregungsenergie(2), 10.2, 0.01);
    EXPECT_EQ(EnergieText(Anregungsenergie(3)), QStringLiteral("12,1"));
    EXPECT_EQ(EnergieText(Bindungsenergie(1) - Bindungsenergie(3)), QStringLiteral("12,1"));
    // the level windows keep one decimal below 1 eV, Bohr's atom window two
    EXPECT_EQ(EnergieText(Bindungsenergie(3) - Bindungsenergie(4)), QStringLiteral("0,7"));
    EXPECT_EQ(EnergieText(Bindungsenergie(3) - Bindungsenergie(4), EnergieStellen::zweiUnterEinem),
              QStringLiteral("0,66"));
    // 3 → 2 gives Hα, 2 → 1 Lyman α (2466 THz)
    EXPECT_EQ(PhotonFrequenzTHz(Anregungsenergie(3) - Anregungsenergie(2)), 457);
    EXPECT_NEAR(PhotonFrequenzTHz(Anregungsenergie(2)), 2467, 1);
}

TEST(Wasserstoff, LineColoursAndTheExportTable)
{
    EXPECT_EQ(LinienFarbe(2, 3, SerienFrequenz(2, 3)), FarbeAusFrequenz(457));
    EXPECT_EQ(LinienFarbe(2, 4, SerienFrequenz(2, 4)), FarbeAusFrequenz(617));
    EXPECT_EQ(LinienFarbe(2, 5, 0), 0xFC9F2Eu);
    EXPECT_EQ(LinienFarbe(2, 6, 0), 0xFF919Bu);
    EXPECT_EQ(LinienFarbe(2, 7, 0), 0xC0C0C0u);
    EXPECT_EQ(LinienFarbe(1, 3, 0), 0xC0C0C0u);
    EXPECT_EQ(WasserstoffLinien(3, 4).size(), 12);
    const Linie halpha = WasserstoffLinien(2, 4)[4];  // the first Balmer line follows four Lyman lines
    EXPECT_EQ(halpha.n, 2);
    EXPECT_EQ(halpha.m, 3);
    EXPECT_NEAR(halpha.frequenzTHz, 456.92, 0.005);
}

TEST(HSerien, RowsForSeparationAndSeriesCount)
{
    HSerienGeometrie g;
    HSerienEinstellung e;
    e.serien = 3;
    g.Vorbereiten(1000, 600, e);
    EXPECT_EQ(g.yWellenlaenge, 108);
    EXPECT_EQ(g.yFrequenz, 522);
    EXPECT_EQ(g.band, 410);
    // D = 10: three rows of equal height, series 1 at the top
    int vorher = 0;
    for (int n = 1; n <= 3; ++n) {
        const HSerienZeile z = g.Zeile(n, 10);
        EXPECT_EQ(z.laenge, g.zeilenHoehe - 12);
        if (n == 1)
            EXPECT_EQ(z.oben, g.yWellenlaenge + 8);
        else
            EXPECT_NEAR(z.oben - vorher, g.zeilenHoehe, 1);
        vorher = z.oben;
    }
    // D = 0: every series over the whole band
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(g.Zeile(n, 0).oben, g.yWellenlaenge + 8);
        EXPECT_EQ(g.Zeile(n, 0).laenge, g.band - 12);
    }
}

TEST(HSerien, NamingAndLineWidthRules)
{
    struct Fall { int n, s, d; bool benannt; } faelle[] = {
        {1, 3, 10, true}, {3, 3, 10, true}, {1, 6, 0, false}, {2, 6, 8, false}, {2, 6, 9, true},
        {5, 6, 10, true}, {6, 6, 10, false}, {4, 3, 10, false}};
    for (const auto &f : faelle)
        EXPECT_EQ(SerieBenannt(f.n, f.s, f.d), f.benannt) << f.n << " " << f.s << " " << f.d;
    EXPECT_EQ(LinienBreite(2, 7, true, false), 2);
    EXPECT_EQ(LinienBreite(2, 8, true, false), 1);
    EXPECT_EQ(LinienBreite(1, 2, true, true), 1);
    EXPECT_EQ(LinienBreite(3, 6, true, true), 2);
    EXPECT_EQ(LinienBreite(3, 7, true, true), 1);
    EXPECT_EQ(LinienBreite(3, 4, false, true), 1);
}

TEST(HSerien, PictureColoursNamesAndEdges)
{
    FrischerZustand();
    for (bool wellenlaenge : {false, true}) {
        QImage bild(900, 500, QImage::Format_RGB32);
        Canvas c(&bild);
        HSerienGeometrie g;
        HSerienEinstellung e;
        e.wellenlaenge = wellenlaenge;
        e.massstab = true;
        e.serien = 5;
        e.trennung = 10;
        HSerienBild(c, g).ZeigeHSerien(e);
        const HSerienZeile z = g.Zeile(2, 10);
        const int y = z.oben + z.laenge / 2;
        EXPECT_EQ(c.pixel(g.XLinie(SerienFrequenz(2, 3), wellenlaenge), y), FarbeAusFrequenz(457));
        EXPECT_EQ(c.pixel(g.XLinie(SerienFrequenz(2, 4), wellenlaenge), y), FarbeAusFrequenz(617));
        EXPECT_EQ(c.pixel(0, 0), 0x808080u);  // the border
        // no name runs over the right edge: the last columns hold no grey text
        for (int x = bild.width() - 6; x < bild.width() - 1; ++x)
            for (int yy = g.yWellenlaenge + 1; yy < g.yFrequenz; ++yy)
                ASSERT_NE(c.pixel(x, yy), 0xC0C0C0u) << wellenlaenge << " " << x << "," << yy;
        // the names are written: grey text right of the Balmer limit / of the first Paschen line
        int grau = 0;
        for (int x = 0; x < bild.width(); ++x)
            grau += c.pixel(x, g.Zeile(5, 10).oben + g.Zeile(5, 10).laenge / 2) == 0xC0C0C0u;
        EXPECT_GT(grau, 12 + 3);  // more than the twelve lines and an arrow
    }
}

TEST(HAtom, GeometryOfTheUprightPictureAndTheLevels)
{
    struct Fall { int w, h, C, x0, y0; } faelle[] = {{951, 880, 146, 308, 792}, {1583, 976, 252, 520, 878}};
    for (const auto &f : faelle) {
        HAtomGeometrie g;
        g.Vorbereiten(f.w, f.h);
        EXPECT_EQ(g.C, f.C);
        EXPECT_EQ(g.x0, f.x0);
        EXPECT_EQ(g.y0, f.y0);
        EXPECT_EQ(g.D, 2 * f.C - 32);
        EXPECT_EQ(g.hoehe[0], g.hoehe[1]);
        // the ionisation height is 13,6 eV on a scale of 15 eV over the baseline height
        EXPECT_NEAR(g.hoehe[1], f.y0 * 13.6 / 15, 1.5);
        for (int j = 2; j <= 16; ++j)
            EXPECT_EQ(g.hoehe[j], Runde(Bindungsenergie(j) * g.k)) << j;
        ProbeGeometrie p;
        p.Vorbereiten(f.w, f.h);
        EXPECT_EQ(p.C, g.C);
        EXPECT_EQ(p.x0 + p.atomX, 16 + 16);  // the level diagram starts 32 px from the left
        EXPECT_NEAR(p.g[2], f.y0 * 10.2 / 15, 1.5);
        EXPECT_NEAR(p.g[9] + Runde(Bindungsenergie(9) * p.k), p.grenze[1], 1);  // excitation + binding = ionisation
    }
}

TEST(HAtom, StepOneSpectrumShowsBalmerInItsColours)
{
    FrischerZustand();
    QImage bild(951, 880, QImage::Format_RGB32);
    Canvas c(&bild);
    HAtomGeometrie g;
    g.Vorbereiten(bild.width(), bild.height());
    HAtomBild(c, g).ZeigeSerienHorizontal(8, true);
    const int r = (g.yb - 16) / 4;
    const int yBalmer = g.yb - r - (r - 8) / 2;  // middle of row 2
    for (int m : {3, 4}) {
        const double f = StufenLinienFrequenz(2, m);
        EXPECT_EQ(c.pixel(41 + Runde(f * g.sF), yBalmer), FarbeAusFrequenz(Runde(f))) << m;
    }
    EXPECT_EQ(c.pixel(41 + Runde(StufenLinienFrequenz(2, 5) * g.sF), yBalmer), 0xFC9F2Eu);
    // the Lyman limit is marked across its row
    const int xGrenze = 41 + Runde(Runde(RydbergFrequenz * 1e-12) * g.sF);
    int gelb = 0;
    for (int y = g.yb - r + 8; y < g.yb; ++y)
        gelb += c.pixel(xGrenze, y) == 0x00FFFFu;
    EXPECT_GT(gelb, 10);
}
