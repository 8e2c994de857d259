// The Planck window: layout, the start picture, the formula pictures and their check
// boxes, the visible-range mark, and a session through its main controls.
#include "bild.h"
#include "planckgesetzfenster.h"
#include "thermalhilfen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Waermestrahlung;

namespace {

int Anzahl(const QImage &bild, TColor farbe)
{
    Canvas c(const_cast<QImage *>(&bild));
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 250; x < bild.width(); ++x)
            n += c.pixel(x, y) == farbe;
    return n;
}

class PlanckGesetzTest : public ::testing::Test {
protected:
    void TearDown() override { Planckkonstante = 6.626e-34; }
};

}  // namespace

TEST_F(PlanckGesetzTest, LayoutOnTheScreensItIsMadeFor)
{
    struct Fall {
        int w, h;
        QRect bild, kurve, lambdaF, gesetz, zurueck;
    };
    const Fall faelle[] = {
        {1904, 1016, {8, 73, 1639, 779}, {1655, 133, 209, 561}, {356, 860, 305, 105}, {1017, 860, 265, 105},
         {1703, 895, 161, 81}},
        {1264, 960, {8, 73, 999, 723}, {1015, 105, 209, 561}, {143, 804, 305, 105}, {591, 804, 265, 105},
         {1063, 839, 161, 81}},
    };
    for (const Fall &f : faelle) {
        Bildschirm(f.w, f.h);
        TFormPlanckGesetz fenster;
        EXPECT_EQ(fenster.image1()->geometry(), f.bild) << f.w;
        EXPECT_EQ(fenster.panelKurve()->geometry(), f.kurve) << f.w;
        EXPECT_EQ(fenster.panelLambdaF()->geometry(), f.lambdaF) << f.w;
        EXPECT_EQ(fenster.panelGesetz()->geometry(), f.gesetz) << f.w;
        EXPECT_EQ(fenster.BitBtnZurueck->geometry(), f.zurueck) << f.w;
        EXPECT_EQ(fenster.imageGesetzFr()->geometry(), QRect(392, 80, 401, 193));
        EXPECT_EQ(fenster.imageKonstanten()->geometry(), QRect(392, 280, 401, 97));
        EXPECT_EQ(fenster.Masse().L, f.bild.width() - 100);
        EXPECT_EQ(fenster.Masse().Hmax, f.bild.height() - 190);
        const QList<QWidget *> nebeneinander{fenster.PanelTitel, fenster.image1(), fenster.panelKurve(),
                                             fenster.panelLambdaF(), fenster.panelGesetz(), fenster.BitBtnZurueck};
        for (int i = 0; i < nebeneinander.size(); ++i) {
            EXPECT_TRUE(QRect(0, 0, f.w, f.h).contains(nebeneinander[i]->geometry())) << i;
            for (int j = i + 1; j < nebeneinander.size(); ++j)
                EXPECT_FALSE(nebeneinander[i]->geometry().intersects(nebeneinander[j]->geometry())) << i << " " << j;
        }
        for (QWidget *panel : {static_cast<QWidget *>(fenster.panelKurve()), static_cast<QWidget *>(fenster.panelLambdaF()),
                               static_cast<QWidget *>(fenster.panelGesetz())})
            for (QWidget *kind : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(panel->rect().contains(kind->geometry())) << kind->metaObject()->className();
    }
}

TEST_F(PlanckGesetzTest, StartPictureAndDefaults)
{
    Bildschirm(1904, 1016);
    TFormPlanckGesetz f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("  Das Strahlungsgesetz von Max Planck"));
    EXPECT_EQ(f.PanelTitel->caption(), QStringLiteral("Das Planck’sche Strahlungsgesetz"));
    for (QCheckBox *b : f.CheckBoxTemp())
        EXPECT_EQ(b->isChecked(), b == f.CheckBoxTemp()[4]);
    EXPECT_EQ(f.trackBarMaxLeistung()->Position(), 60);
    EXPECT_EQ(f.Zustand().refTemperatur, 6000);
    EXPECT_EQ(f.trackBarFrequenz()->Position(), 120);
    EXPECT_EQ(f.trackBarWLaenge()->Position(), 250);
    EXPECT_EQ(f.trackBarTemperatur()->Position(), 50);
    EXPECT_EQ(f.trackBarBreite()->Position(), 3);
    EXPECT_TRUE(f.Zustand().ueberFrequenz);
    EXPECT_FALSE(f.checkBoxKonstanten()->isEnabled());
    // when shown, 5875 K over frequency, its peak slightly under the dashed line: (5875/6000)^5 of Hmax
    FensterOeffnen(&f);
    const double hoehe = std::pow(5875.0 / 6000, 5) * f.Masse().Hmax;
    EXPECT_NEAR(ObersteZeile(f.image1()->bild(), FarbeGemessen), f.Masse().Y0 - hoehe, 2.0);
    // at 5900 K almost exactly on the line
    f.trackBarMaxLeistung()->setPosition(59);
    EXPECT_NEAR(ObersteZeile(f.image1()->bild(), FarbeGemessen), f.Masse().Y0 - 0.979 * f.Masse().Hmax, 2.0);
}

TEST_F(PlanckGesetzTest, FormulaPicturesFollowTheirCheckBoxes)
{
    Bildschirm(1264, 960);
    TFormPlanckGesetz f;
    FensterOeffnen(&f);
    Ereignisse(10);
    // the constants alone show nothing
    f.checkBoxKonstanten()->setChecked(true);
    EXPECT_FALSE(f.imageKonstanten()->isVisible());
    f.checkBoxGesetz()->setChecked(true);
    EXPECT_TRUE(f.checkBoxKonstanten()->isEnabled());
    EXPECT_TRUE(f.imageGesetzFr()->isVisible());
    EXPECT_FALSE(f.imageGesetzWL()->isVisible());
    EXPECT_TRUE(f.imageKonstanten()->isVisible());
    // the formula follows the axis
    f.radioGroupLambdaF()->setItemIndex(1);
    EXPECT_FALSE(f.imageGesetzFr()->isVisible());
    EXPECT_TRUE(f.imageGesetzWL()->isVisible());
    EXPECT_TRUE(f.panelWellenlaenge()->isVisible());
    EXPECT_FALSE(f.panelFrequenz()->isVisible());
    // a click on the constants hides them, a click on the formula hides both
    emit f.imageKonstanten()->geklickt();
    EXPECT_FALSE(f.checkBoxKonstanten()->isChecked());
    EXPECT_FALSE(f.imageKonstanten()->isVisible());
    f.checkBoxKonstanten()->setChecked(true);
    emit f.imageGesetzWL()->geklickt();
    EXPECT_FALSE(f.checkBoxGesetz()->isChecked());
    EXPECT_FALSE(f.checkBoxKonstanten()->isChecked());
    EXPECT_FALSE(f.imageGesetzWL()->isVisible());
    EXPECT_FALSE(f.imageKonstanten()->isVisible());
    // the formulas are drawn, in white on their red ground
    EXPECT_EQ(f.imageGesetzFr()->canvas().pixel(200, 1), 0xFFFFFFu);
    EXPECT_EQ(f.imageGesetzFr()->canvas().pixel(200, 8), FarbeGesetzGrund);
    EXPECT_NE(f.imageGesetzFr()->bild(), f.imageGesetzWL()->bild());
}

TEST_F(PlanckGesetzTest, ConstantsShowTheSharedPlanckConstant)
{
    int exponent = 0;
    EXPECT_EQ(Mantisse(6.626e-34, exponent), QStringLiteral("6,63"));
    EXPECT_EQ(exponent, -34);
    EXPECT_EQ(Mantisse(2.9979e8, exponent), QStringLiteral("3,00"));
    EXPECT_EQ(exponent, 8);
    EXPECT_EQ(Mantisse(9.996e-23, exponent), QStringLiteral("1,00"));
    EXPECT_EQ(exponent, -22);
    struct Fall {
        double wert;
        const char *mantisse;
        int exponent;
    };
    const Fall faelle[] = {{0.0, "0,00", 0},
                           {-1.602e-19, "−1,60", -19},
                           {4.9406564584124654e-324, "4,94", -324},  // the smallest subnormal
                           {2.5e-310, "2,50", -310},
                           {std::nan(""), "keine Zahl", 0},
                           {INFINITY, "unendlich", 0}};
    for (const Fall &f : faelle) {
        EXPECT_EQ(Mantisse(f.wert, exponent), QString::fromUtf8(f.mantisse)) << f.wert;
        EXPECT_EQ(exponent, f.exponent) << f.wert;
    }

    QImage a(401, 97, QImage::Format_RGB32), b(401, 97, QImage::Format_RGB32);
    Canvas ca(&a), cb(&b);
    SchreibeKonstanten(ca, Planckkonstante);
    Planckkonstante = 6.5e-34;
    SchreibeKonstanten(cb, Planckkonstante);
    EXPECT_NE(a, b);

    // The window shows the value in use when it is opened again, also if the constants
    // stayed on since the last opening.
    Bildschirm(1264, 960);
    TFormPlanckGesetz f;
    f.checkBoxGesetz()->setChecked(true);
    f.checkBoxKonstanten()->setChecked(true);
    FensterOeffnen(&f);
    Ereignisse(10);
    ASSERT_TRUE(f.imageKonstanten()->isVisible());
    EXPECT_EQ(f.imageKonstanten()->bild(), a);  // FrischerZustand: 6.626e-34
    f.close();
    Planckkonstante = 6.5e-34;  // as the Planck-constant window may leave it
    FensterOeffnen(&f);
    Ereignisse(10);
    ASSERT_TRUE(f.imageKonstanten()->isVisible());
    EXPECT_EQ(f.imageKonstanten()->bild(), b);
    f.close();
}

TEST_F(PlanckGesetzTest, VisibleRangeLabelSplitsWhenTheBandIsNarrow)
{
    // a picture as on a 1024-pixel screen; white text above the bracket's stroke height
    // exists only when "sichtbarer" stands over "Bereich"
    auto geteilt = [](int positionWLaenge) {
        QImage bild(816, 503, QImage::Format_RGB32);
        Canvas c(&bild);
        PlanckBild p(c, BerechneMasse(816, 503, 100));
        PlanckZustand z;
        z.ueberFrequenz = false;
        z.positionWLaenge = positionWLaenge;
        z.temperatur = {false, false, false, false, false};
        p.Vorbereiten(z);
        const int a = Runde((p.m.Y0 + p.m.Hmax) / 2.0);
        const int xa = Runde(p.m.X0 + Lichtgeschwindigkeit / 7.7e14 * p.skalaLambda);
        const int xb = Runde(p.m.X0 + Lichtgeschwindigkeit / 3.8e14 * p.skalaLambda);
        int weiss = 0;
        for (int y = 0; y < p.m.Y0 - a - 12; ++y)
            for (int x = xa + 3; x < xb - 2; ++x)
                weiss += c.pixel(x, y) == 0xFFFFFFu;
        return weiss > 0;
    };
    EXPECT_FALSE(geteilt(100));
    EXPECT_TRUE(geteilt(300));
}

TEST_F(PlanckGesetzTest, OpenWorkTheControlsAndGoBack)
{
    Bildschirm(1904, 1016);
    TFormPlanckGesetz f;
    FensterOeffnen(&f);
    Ereignisse(20);
    ASSERT_TRUE(f.isVisible());
    const int einKurve = Anzahl(f.image1()->bild(), FarbeGemessen);
    const QImage start = f.image1()->bild();

    // ticking a temperature adds its curve, unticking removes it again
    f.CheckBoxTemp()[2]->setChecked(true);
    EXPECT_GT(Anzahl(f.image1()->bild(), FarbeGemessen), einKurve);
    f.CheckBoxTemp()[2]->setChecked(false);
    EXPECT_EQ(f.image1()->bild(), start);

    // the axis, its range, the width and the spectrum redraw
    QImage vorher = f.image1()->bild();
    f.radioGroupLambdaF()->setItemIndex(1);
    EXPECT_NE(f.image1()->bild(), vorher);
    for (TrackBar *t : {f.trackBarWLaenge(), f.trackBarBreite(), f.trackBarMaxLeistung()}) {
        vorher = f.image1()->bild();
        t->setPosition(t->Min());
        EXPECT_NE(f.image1()->bild(), vorher);
    }
    vorher = f.image1()->bild();
    f.checkBoxSpektrum()->setChecked(true);
    EXPECT_TRUE(f.Zustand().mitSpektrum);
    EXPECT_NE(f.image1()->bild(), vorher);

    // one variable temperature: exactly its curve
    f.trackBarMaxLeistung()->setPosition(60);
    f.trackBarBreite()->setPosition(1);
    f.checkBoxSpektrum()->setChecked(false);
    f.radioGroupTempWahl()->setItemIndex(1);
    EXPECT_TRUE(f.groupBoxVariTemperatur()->isVisible());
    for (int pos : {50, 40}) {
        f.trackBarTemperatur()->setPosition(pos);
        EXPECT_EQ(f.panelTemperatur()->caption(), QStringLiteral("T = %1 Kelvin").arg(pos * 100));
        EXPECT_NEAR(ObersteZeile(f.image1()->bild(), FarbeGemessen),
                    f.Masse().Y0 - std::pow(pos / 60.0, 5) * f.Masse().Hmax, 2.0);
    }
    f.radioGroupTempWahl()->setItemIndex(0);
    EXPECT_TRUE(f.groupBoxTemperaturen()->isVisible());

    EXPECT_EQ(f.BitBtnZurueck->text(), QStringLiteral("&zurück zum Text"));
    f.BitBtnZurueck->click();
    Ereignisse(10);
    EXPECT_FALSE(f.isVisible());
}
