// The quantum-atom window: the wave functions against the textbook hydrogen functions,
// their nodes, the grey tones and scales, the layout, and a session that draws each
// representation and leaves during a run of measurements.
#include "bild.h"
#include "canvas.h"
#include "schroedingerfenster.h"
#include "testhilfen.h"


#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace Atome;

namespace {
class SchroedingerTest : public ::testing::Test {
protected:
    void SetUp() override { FrischerZustand(); }
};

// Normalised radial functions R_nl(r) of hydrogen in units of a0 (textbook form).
double LehrbuchR(int n, int l, double r)
{
    switch (n * 10 + l) {
    case 10: return 2 * std::exp(-r);
    case 20: return 1 / (2 * std::sqrt(2.0)) * (2 - r) * std::exp(-r / 2);
    case 21: return 1 / (2 * std::sqrt(6.0)) * r * std::exp(-r / 2);
    case 30: return 2 / (81 * std::sqrt(3.0)) * (27 - 18 * r + 2 * r * r) * std::exp(-r / 3);
    case 31: return 8 / (27 * std::sqrt(6.0)) * r * (1 - r / 6) * std::exp(-r / 3);
    case 32: return 4 / (81 * std::sqrt(30.0)) * r * r * std::exp(-r / 3);
    }
    return 0;
}
// Angular part of Y_l0 up to its constant: 1, cos θ, 3 cos²θ − 1.
double LehrbuchY(int l, double t) { return l == 0 ? 1 : l == 1 ? std::cos(t) : 3 * std::cos(t) * std::cos(t) - 1; }
}  // namespace

TEST_F(SchroedingerTest, WaveFunctionsAreTheTextbookOnesUpToAFactor)
{
    for (int n = 1; n <= 3; ++n)
        for (int l = 0; l < n; ++l) {
            const double faktor = Psi(n, l, LehrbuchY(l, 0.3), 1.3) / (LehrbuchR(n, l, 1.3) * LehrbuchY(l, 0.3));
            for (double r : {0.2, 0.9, 2.5, 4.0, 7.7, 12.0})
                for (double t : {0.1, 0.7, 1.2, 2.8}) {
                    const double c = WinkelFaktor(l, std::cos(t));
                    EXPECT_NEAR(Psi(n, l, c, r), faktor * LehrbuchR(n, l, r) * LehrbuchY(l, t),
                                1e-9 * std::abs(faktor)) << n << l << " " << r << " " << t;
                }
        }
    EXPECT_EQ(Psi(1, 1, 1, 1), 0.0);
    EXPECT_EQ(Psi(3, 3, 1, 1), 0.0);
    EXPECT_EQ(Psi(4, 0, 1, 1), 0.0);
}

TEST_F(SchroedingerTest, NodesWhereTheTheorySaysSo)
{
    EXPECT_NEAR(Psi(2, 0, 1, 2.0), 0, 1e-12);
    // 3s: 27 − 18ρ + 2ρ² = 0 at ρ = (9 ∓ 3√3)/2 ≈ 1,90 and 7,10
    const double r1 = (9 - 3 * std::sqrt(3.0)) / 2, r2 = (9 + 3 * std::sqrt(3.0)) / 2;
    EXPECT_NEAR(r1, 1.90, 0.005);
    EXPECT_NEAR(r2, 7.10, 0.005);
    EXPECT_NEAR(Psi(3, 0, 1, r1), 0, 1e-9);
    EXPECT_NEAR(Psi(3, 0, 1, r2), 0, 1e-9);
    EXPECT_LT(Psi(3, 0, 1, r1 - 0.1) * Psi(3, 0, 1, r1 + 0.1), 0);  // a sign change: a node
    // 3d nodal cones at 54,7°
    const double kegel = std::acos(1 / std::sqrt(3.0));
    EXPECT_NEAR(kegel * 180 / M_PI, 54.7, 0.05);
    EXPECT_NEAR(WinkelFaktor(2, std::cos(kegel)), 0, 1e-12);
    // 3p radial node at ρ = 6
    EXPECT_NEAR(Psi(3, 1, 1, 6), 0, 1e-12);
}

TEST_F(SchroedingerTest, GreyTonesScalesAndNames)
{
    EXPECT_EQ(GrauStufe(1), 255);
    EXPECT_EQ(GrauStufe(4), 255);  // the nucleus beyond the grid maximum stays at 255
    EXPECT_EQ(GrauStufe(0.25), 128);
    EXPECT_EQ(GrauTon(1), 0xFFFFFFu);
    EXPECT_EQ(BohrRadiusPixel(358, 35), 10);
    EXPECT_EQ(BohrRadiusPixel(20, 35), 1);  // never below one pixel
    EXPECT_EQ(PixelProNm(10), 189);
    const struct {
        int pos, bohr, nm;
    } schritte[] = {{5, 1, 1}, {8, 2, 1}, {10, 2, 2}, {12, 5, 2}, {24, 5, 5}, {25, 5, 10}, {35, 10, 10}};
    for (const auto &s : schritte) {
        EXPECT_EQ(BeschriftungBohr(s.pos), s.bohr) << s.pos;
        EXPECT_EQ(BeschriftungNm(s.pos), s.nm) << s.pos;
    }
    EXPECT_EQ(Zustandsname(2, 1), QStringLiteral("Orbital 2\u2002p"));
    EXPECT_EQ(MessZiel(3), 2048);
    EXPECT_EQ(WolkenZiel(2), 8192);
}

TEST_F(SchroedingerTest, GridMaximaAndTheGraphStayInsideThePicture)
{
    const WMaxTabelle w = BerechneWMax(100, 20);
    EXPECT_NEAR(w(1, 0), std::exp(-2 * std::sqrt(2.0) / 20), 1e-12);  // nearest grid point to the nucleus
    for (int n = 1; n <= 3; ++n)
        for (int l = 0; l < n; ++l) {
            EXPECT_GT(w(n, l), 0);
            for (int a0 : {1, 3, 20}) {
                const double k = GraphFaktor(n, l, a0, 100, 100);
                for (int j = 0; j <= 92; ++j) {
                    const double p = Psi(n, l, l, j / double(a0));
                    EXPECT_LE(p * p * k, 0.8 * 100 + 1e-9) << n << l << " " << a0;
                }
            }
        }
    // the four-fold symmetric image of 2p: bright lobes on the axis, dark on the vertical
    QImage bild(41, 41, QImage::Format_RGB32);
    bild.fill(Qt::red);
    const WMaxTabelle w20 = BerechneWMax(20, 4);
    GrauSpalten(bild, 20, 20, 20, 2, 1, 4, w20(2, 1), 0, 20);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x)
            EXPECT_NE(bild.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
    EXPECT_EQ(bild.pixel(12, 20), bild.pixel(28, 20));
    EXPECT_EQ(qGray(bild.pixel(20, 8)), 0);
    EXPECT_GT(qGray(bild.pixel(12, 20)), 200);
    // on a picture at device pixels each value fills its logical pixel
    for (const double s : {1.5, 2.0}) {
        QImage fein(GeraetKante(41, s), GeraetKante(41, s), QImage::Format_RGB32);
        fein.setDevicePixelRatio(s);
        fein.fill(Qt::red);
        GrauSpalten(fein, 20, 20, 20, 2, 1, 4, w20(2, 1), 0, 20);
        for (int y = 0; y < fein.height(); ++y)
            for (int x = 0; x < fein.width(); ++x)
                ASSERT_EQ(fein.pixel(x, y), bild.pixel(int(x / s), int(y / s))) << s << " " << x << "," << y;
    }
}

TEST_F(SchroedingerTest, OpenDrawAndLeaveDuringMeasurements)
{
    for (QSize s : {QSize(1904, 1016), QSize(1264, 960), QSize(1264, 656)}) {
        Bildschirm(s.width(), s.height());
        TFormSchroedinger3 f;
        const QList<QWidget *> teile = {f.PanelTitel,  f.image1(),         f.panelGraph(), f.panelAtom(),
                                        f.panelAchsen(), f.panelDarstellung(), f.panelSimulation(), f.panelLoeschen(),
                                        f.panelMassStab(), f.panelZustand(), f.panelTexte(),  f.BitBtnZurueck};
        for (int i = 0; i < teile.size(); ++i) {
            EXPECT_TRUE(QRect(0, 0, s.width(), s.height()).contains(teile[i]->geometry())) << i << " " << s.height();
            for (int j = i + 1; j < teile.size(); ++j)
                EXPECT_FALSE(teile[i]->geometry().intersects(teile[j]->geometry())) << i << "/" << j << " " << s.height();
        }
    }
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormSchroedinger3 f;
    FensterOeffnen(&f);
    const auto fertig = [&] { return takt.Bis([&f] { return !f.zeichnet(); }); };
    Ereignisse(10);
    EXPECT_EQ(f.radioGroupNQZ()->items().size(), 1);
    f.radioGroupHQZ()->setItemIndex(2);
    f.radioGroupNQZ()->setItemIndex(2);
    EXPECT_EQ(f.panelZustand5()->caption(), QStringLiteral("Orbital 3\u2002d"));
    f.radioGroupHQZ()->setItemIndex(0);  // l gives way to the last remaining item
    EXPECT_EQ(f.radioGroupNQZ()->items().size(), 1);
    EXPECT_EQ(f.l(), 0);
    f.trackBarMassStab()->setPosition(35);
    EXPECT_EQ(f.ansicht().a0, (f.ansicht().cx - 8) / 35);
    f.checkBoxAchsen()->click();
    f.checkBoxGraph()->click();
    f.PanelFarbCodeClick();
    ASSERT_TRUE(fertig());
    EXPECT_TRUE(f.grauBild());
    EXPECT_GE(f.image1()->canvas().pixel(f.ansicht().cx + 1, f.ansicht().cy + 1) & 0xFF, 0xD0u);  // bright by the nucleus
    f.radioGroupHQZ()->setItemIndex(1);
    f.radioGroupNQZ()->setItemIndex(1);
    f.trackBarMassStab()->setPosition(10);
    f.PanelFarbCodeClick();
    ASSERT_TRUE(fertig());
    EXPECT_TRUE(f.grauBild());
    f.PanelWahrschPixelClick();
    ASSERT_TRUE(fertig());
    EXPECT_GT(f.gezeichnetePunkte(), 8192);
    EXPECT_TRUE(f.BitBtnErgebnis->isEnabled());
    f.checkBoxAtomScheibe()->click();
    f.checkBoxAtomRand()->click();
    EXPECT_FALSE(f.checkBoxAtomScheibe()->isChecked());
    // measurements, paused, then the window is left during the run
    f.PanelElektronen1Click();
    takt.Weiter(80);
    EXPECT_TRUE(f.zeichnet());
    f.bitBtnUnterbrechen()->click();
    EXPECT_EQ(f.bitBtnUnterbrechen()->text(), QStringLiteral("&Weiter"));
    f.BitBtnZurueck->click();
    ASSERT_TRUE(fertig());
    EXPECT_FALSE(f.zeichnet());
    EXPECT_LT(f.gezeichnetePunkte(), MessZiel(2));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(SchroedingerTest, ClearingDuringMeasurementsLeavesNoOldDot)
{
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormSchroedinger3 f;
    FensterOeffnen(&f);
    const std::function<void()> aenderungen[] = {
        [&] { f.radioGroupHQZ()->setItemIndex(f.n() == 3 ? 1 : 2); },  // another main quantum number
        [&] { f.trackBarMassStab()->setPosition(f.trackBarMassStab()->Position() == 20 ? 25 : 20); },
        [&] { f.BitBtnLoeschenClick(); },
    };
    for (int i = 0; i < 3; ++i) {
        // slow: the change comes while a dot waits
        f.TrackBarTempo->setPosition(f.TrackBarTempo->Min());
        QImage danach;
        f.PanelElektronen1Click();
        takt.Weiter(150);
        EXPECT_TRUE(f.zeichnet());
        aenderungen[i]();
        danach = f.image1()->bild().copy();
        ASSERT_TRUE(takt.Bis([&f] { return !f.zeichnet(); }));
        ASSERT_FALSE(danach.isNull()) << i;
        EXPECT_EQ(f.image1()->bild(), danach) << i;
    }
}
