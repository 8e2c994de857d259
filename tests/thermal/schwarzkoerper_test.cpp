// The black-body window: its layout on the two screen sizes it is laid out for, the
// controls' defaults, and a session that opens it, works its main controls and leaves.
#include "bild.h"
#include "planckgesetzfenster.h"
#include "schwarzkoerperfenster.h"
#include "richtext.h"
#include "thermalhilfen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Waermestrahlung;

namespace {

// The window's own widgets that stand side by side: none may overlap another or leave the screen.
void PruefeUeberlappung(const QList<QWidget *> &widgets, int w, int h)
{
    for (int i = 0; i < widgets.size(); ++i) {
        const QRect a = widgets[i]->geometry();
        EXPECT_TRUE(QRect(0, 0, w, h).contains(a)) << widgets[i]->objectName().toStdString() << " " << a.x() << ","
                                                    << a.y() << " " << a.width() << "x" << a.height();
        for (int j = i + 1; j < widgets.size(); ++j)
            EXPECT_FALSE(a.intersects(widgets[j]->geometry())) << i << " overlaps " << j;
    }
}

class SchwarzkoerperTest : public ::testing::Test {
protected:
    void TearDown() override { Planckkonstante = 6.626e-34; }
};

}  // namespace

TEST_F(SchwarzkoerperTest, LayoutOnTheScreensItIsMadeFor)
{
    struct Fall {
        int w, h;
        QRect titel, bild, hinweis, kurve, hinweise, lambdaF, kurven;
    };
    const Fall faelle[] = {
        {1904, 1016, {575, 8, 505, 57}, {8, 73, 1639, 779}, {423, 73, 809, 779}, {1655, 133, 217, 561},
         {1655, 803, 217, 49}, {305, 860, 201, 145}, {811, 860, 569, 145}},
        {1264, 960, {255, 8, 505, 57}, {8, 73, 999, 723}, {103, 73, 809, 723}, {1015, 105, 217, 561},
         {1015, 747, 217, 49}, {92, 804, 201, 145}, {385, 804, 569, 145}},
    };
    for (const Fall &f : faelle) {
        Bildschirm(f.w, f.h);
        TFormSchwarzkoerper fenster;
        EXPECT_EQ(fenster.PanelTitel->geometry(), f.titel) << f.w;
        EXPECT_EQ(fenster.image1()->geometry(), f.bild) << f.w;
        EXPECT_EQ(fenster.Hinweis.panel->geometry(), f.hinweis) << f.w;
        EXPECT_EQ(fenster.panelKurve()->geometry(), f.kurve) << f.w;
        EXPECT_EQ(fenster.panelHinweise()->geometry(), f.hinweise) << f.w;
        EXPECT_EQ(fenster.panelLambdaF()->geometry(), f.lambdaF) << f.w;
        EXPECT_EQ(fenster.panelKurven()->geometry(), f.kurven) << f.w;
        EXPECT_EQ(fenster.BitBtnZurueck->geometry(), QRect(f.w - 193, f.h - 121, 161, 81)) << f.w;
        EXPECT_EQ(fenster.Hinweis.edit->geometry(), QRect(8, 8, f.hinweis.width() - 16, f.hinweis.height() - 40));
        EXPECT_EQ(fenster.bitBtnInfoLoeschen()->geometry(),
                  QRect(f.hinweis.width() - 113, f.hinweis.height() - 33, 105, 25));
        // the picture's own geometry
        EXPECT_EQ(fenster.Masse().X0, 50);
        EXPECT_EQ(fenster.Masse().Y0, f.bild.height() - 140);
        EXPECT_EQ(fenster.Masse().L, f.bild.width() - 70);
        EXPECT_EQ(fenster.Masse().Hmax, f.bild.height() - 190);
        PruefeUeberlappung({fenster.PanelTitel, fenster.image1(), fenster.panelKurve(), fenster.panelHinweise(),
                            fenster.panelLambdaF(), fenster.panelKurven(), fenster.BitBtnZurueck},
                           f.w, f.h);
        // every control inside its panel
        for (QWidget *panel : {static_cast<QWidget *>(fenster.panelKurve()), static_cast<QWidget *>(fenster.panelKurven()),
                               static_cast<QWidget *>(fenster.panelLambdaF())})
            for (QWidget *kind : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(panel->rect().contains(kind->geometry())) << kind->metaObject()->className();
        QList<QCheckBox *> farbige = fenster.panelKurven()->findChildren<QCheckBox *>();
        farbige << fenster.checkBoxVerschiebung();
        for (QCheckBox *b : farbige)
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
    }
}

TEST_F(SchwarzkoerperTest, ControlsStartAsDescribed)
{
    Bildschirm(1904, 1016);
    TFormSchwarzkoerper f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("  Strahlung eines Schwarzen Körpers"));
    EXPECT_EQ(f.PanelTitel->caption(), QStringLiteral("Die Strahlung eines Schwarzen Körpers"));
    EXPECT_EQ(f.radioGroupTempWahl()->ItemIndex(), 0);
    EXPECT_EQ(f.radioGroupLambdaF()->ItemIndex(), 0);
    EXPECT_EQ(f.radioGroupLambdaF()->items(), (QStringList{QStringLiteral("der Frequenz"), QStringLiteral("der Wellenlänge")}));
    for (QCheckBox *b : f.CheckBoxTemp())
        EXPECT_EQ(b->isChecked(), b == f.CheckBoxTemp()[3]) << b->text().toStdString();
    EXPECT_EQ(f.CheckBoxTemp()[4]->text(), QStringLiteral("T = 5875 Kelvin"));
    struct Bereich {
        TrackBar *bar;
        int min, max, pos;
    };
    for (const Bereich &b : {Bereich{f.trackBarTemperatur(), 10, 60, 50}, Bereich{f.trackBarBreite(), 1, 7, 3},
                             Bereich{f.trackBarMaxLeistung(), 20, 60, 50}, Bereich{f.trackBarFrequenz(), 20, 180, 120},
                             Bereich{f.trackBarWLaenge(), 100, 300, 250}}) {
        EXPECT_EQ(b.bar->Min(), b.min);
        EXPECT_EQ(b.bar->Max(), b.max);
        EXPECT_EQ(b.bar->Position(), b.pos);
    }
    for (QCheckBox *b : {f.checkBoxPlanckStrahlung(), f.checkBoxWienStrahlung(), f.checkBoxRayleighJeansStrahlung(),
                         f.checkBoxWienRelativ(), f.checkBoxRayleighJeansRelativ(), f.checkBoxVerschiebung(), f.checkBoxSpektrum()})
        EXPECT_FALSE(b->isChecked()) << b->text().toStdString();
    EXPECT_EQ(f.checkBoxWienRelativ()->text(), QStringLiteral("„W&ien“ : „gemessen“"));
    EXPECT_EQ(f.checkBoxRayleighJeansRelativ()->text(), QStringLiteral("„Rayleigh-&Jeans“ : „gemessen“"));
    EXPECT_EQ(f.panelTemperatur()->caption(), QStringLiteral("T = 5000 Kelvin"));
    EXPECT_TRUE(f.panelFrequenz()->isVisibleTo(&f));
    EXPECT_FALSE(f.panelWellenlaenge()->isVisibleTo(&f));
    EXPECT_FALSE(f.groupBoxVariTemperatur()->isVisibleTo(&f));
    EXPECT_EQ(f.Zustand().refTemperatur, 5000);

    // when first shown only the axes: 5000 K is ticked, but no curve kind
    FensterOeffnen(&f);
    QImage nurAchsen(f.image1()->bild().size(), QImage::Format_RGB32);
    Canvas c(&nurAchsen);
    SchwarzkoerperZustand z;
    z.temperatur = {false, false, false, false, false};
    SchwarzkoerperBild(c, BerechneMasse(nurAchsen.width(), nurAchsen.height(), 70)).ZeichneKurven(z);
    EXPECT_EQ(f.image1()->bild(), nurAchsen);
}

TEST_F(SchwarzkoerperTest, OpenWorkTheControlsAndGoBack)
{
    Bildschirm(1264, 960);
    TFormSchwarzkoerper f;
    FensterOeffnen(&f);
    Ereignisse(20);
    ASSERT_TRUE(f.isVisible());
    const int Y0 = f.Masse().Y0, Hmax = f.Masse().Hmax;
    QImage vorher = f.image1()->bild();

    // the measured curve of 5000 K: its top touches the dashed line at Hmax
    f.checkBoxPlanckStrahlung()->setChecked(true);
    EXPECT_NE(f.image1()->bild(), vorher);
    EXPECT_NEAR(ObersteZeile(f.image1()->bild(), FarbeGemessen), Y0 - Hmax, 1);  // pen width 3

    // over wavelength
    vorher = f.image1()->bild();
    f.radioGroupLambdaF()->setItemIndex(1);
    EXPECT_FALSE(f.Zustand().ueberFrequenz);
    EXPECT_TRUE(f.panelWellenlaenge()->isVisible());
    EXPECT_FALSE(f.panelFrequenz()->isVisible());
    EXPECT_NE(f.image1()->bild(), vorher);

    // the other curve kinds, ratios, locus and spectrum each change the picture
    for (QCheckBox *b : {f.checkBoxWienStrahlung(), f.checkBoxRayleighJeansStrahlung(), f.checkBoxWienRelativ(),
                         f.checkBoxRayleighJeansRelativ(), f.checkBoxVerschiebung(), f.checkBoxSpektrum(),
                         f.CheckBoxTemp()[0], f.CheckBoxTemp()[4]}) {
        vorher = f.image1()->bild();
        b->setChecked(true);
        EXPECT_NE(f.image1()->bild(), vorher) << b->text().toStdString();
    }
    EXPECT_TRUE(f.Zustand().mitSpektrum);
    for (TrackBar *t : {f.trackBarBreite(), f.trackBarWLaenge(), f.trackBarMaxLeistung()}) {
        vorher = f.image1()->bild();
        t->setPosition(t->Min());
        EXPECT_NE(f.image1()->bild(), vorher);
    }
    EXPECT_EQ(f.Zustand().refTemperatur, 2000);
    EXPECT_EQ(f.upDownMaxLeistung()->Position(), 20);
    f.upDownMaxLeistung()->klick(UpDown::Naechster);
    EXPECT_EQ(f.trackBarMaxLeistung()->Position(), 21);
    EXPECT_EQ(f.Zustand().refTemperatur, 2100);

    // one variable temperature: moving it always shows exactly one set of curves
    for (QCheckBox *b : f.findChildren<QCheckBox *>())
        if (b != f.checkBoxPlanckStrahlung())
            b->setChecked(false);
    f.trackBarMaxLeistung()->setPosition(50);
    f.radioGroupTempWahl()->setItemIndex(1);
    EXPECT_TRUE(f.groupBoxVariTemperatur()->isVisible());
    EXPECT_FALSE(f.groupBoxTemperaturen()->isVisible());
    for (int pos : {40, 30}) {
        f.trackBarTemperatur()->setPosition(pos);
        EXPECT_EQ(f.panelTemperatur()->caption(), QStringLiteral("T = %1 Kelvin").arg(pos * 100));
        EXPECT_EQ(f.upDownTemperatur()->Position(), pos);
        const double hoehe = std::pow(pos / 50.0, 5) * Hmax;  // the peak scales with T⁵
        EXPECT_NEAR(ObersteZeile(f.image1()->bild(), FarbeGemessen), Y0 - hoehe, 2.0) << pos;
    }
    f.upDownTemperatur()->klick(UpDown::Voriger);
    EXPECT_EQ(f.trackBarTemperatur()->Position(), 29);
    EXPECT_EQ(f.Zustand().varTemperatur, 2900);

    // the hint panel and its delete button
    f.BitBtnHinweis->click();
    EXPECT_TRUE(f.Hinweis.panel->isVisible());
    const QString hinweis = f.Hinweis.edit->toPlainText();
    EXPECT_TRUE(hinweis.contains(QStringLiteral("Zeige Verhältnis „Wien“ : „gemessen“"))) << hinweis.toStdString();
    EXPECT_TRUE(hinweis.contains(QStringLiteral("bzw.")));
    f.bitBtnInfoLoeschen()->click();
    EXPECT_FALSE(f.Hinweis.panel->isVisible());

    // back to the text
    EXPECT_EQ(f.BitBtnZurueck->text(), QStringLiteral("&zurück zum Text"));
    f.BitBtnZurueck->click();
    Ereignisse(10);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(SchwarzkoerperTest, ReopeningUsesTheCurrentPlanckConstantAndSurvivesABadOne)
{
    Bildschirm(1264, 960);
    TFormSchwarzkoerper f;
    f.checkBoxPlanckStrahlung()->setChecked(true);
    f.radioGroupLambdaF()->setItemIndex(1);
    FensterOeffnen(&f);
    Ereignisse(10);
    const QImage vorher = f.image1()->bild();
    f.close();

    Planckkonstante = 1.1 * 6.626e-34;  // as the Planck-constant window may leave it
    FensterOeffnen(&f);
    Ereignisse(10);
    EXPECT_NE(f.image1()->bild(), vorher);
    f.close();

    for (double h : {0.0, -1e-34}) {
        Planckkonstante = h;
        FensterOeffnen(&f);
        Ereignisse(10);
        for (QCheckBox *b : f.findChildren<QCheckBox *>())
            b->setChecked(true);
        f.radioGroupTempWahl()->setItemIndex(1);
        f.trackBarTemperatur()->setPosition(10);
        f.radioGroupTempWahl()->setItemIndex(0);
        // nothing can be computed: no curve pixel right of the axis title
        EXPECT_EQ(ObersteZeile(f.image1()->bild(), FarbeRJ), -1) << h;
        EXPECT_EQ(ObersteZeile(f.image1()->bild(), FarbeVerschiebung), -1) << h;
        f.BitBtnZurueck->click();
    }
}

TEST_F(SchwarzkoerperTest, TinyScreensDoNotBreakEitherWindow)
{
    for (auto [w, h] : {std::pair{640, 480}, std::pair{0, 0}}) {
        Bildschirm(w, h);
        TFormSchwarzkoerper s;
        TFormPlanckGesetz p;
        for (QCheckBox *b : s.findChildren<QCheckBox *>())
            b->setChecked(true);
        for (QCheckBox *b : p.findChildren<QCheckBox *>())
            b->setChecked(true);
        s.radioGroupLambdaF()->setItemIndex(1);
        p.radioGroupLambdaF()->setItemIndex(1);
        EXPECT_GE(s.image1()->bild().height(), 1);
        EXPECT_GE(p.image1()->bild().height(), 1);
        EXPECT_EQ(s.image1()->canvas().pixel(0, 0), 0x000000u) << w;  // drawn, black ground
    }
}
