// The gas-spectra window: its tables, geometry and colours, what the picture shows for the
// chosen gas and ordering, closed outlines at the extreme view angles, and a session.
#include "bild.h"
#include "richtext.h"
#include "spektrenbild.h"
#include "spektrenfenster.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

using namespace Atome;

namespace {

struct Zeichnung {
    QImage img{900, 640, QImage::Format_RGB32};
    Canvas c{&img};
    SpektrenTabelle t = KopiereSpektren();
    SpektrenBild bild{c, t};
    SpektrenZustand z;
    Zeichnung(int gas, bool nachFrequenz, bool anordnung, int breite = -40, int hoehe = 30)
    {
        z.gas = gas;
        z.nachFrequenz = nachFrequenz;
        z.mitAnordnung = anordnung;
        z.sehBreite = breite;
        z.sehHoehe = hoehe;
        bild.ZeichneAlles(z);
    }
    const SpektrenGeometrie &g() const { return bild.geometrie(); }
    TColor gasBand(int v) const { return c.pixel(g().x(v), g().gasOben + g().h / 2); }
    TColor sonnenBand(int v) const { return c.pixel(g().x(v), g().sonneOben + g().h / 2); }
    // Pixels of a colour outside a rectangle.
    int ausserhalb(TColor farbe, const QRect &r) const
    {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (!r.contains(x, y) && c.pixel(x, y) == farbe)
                    ++n;
        return n;
    }
    int anzahl(TColor farbe) const { return ausserhalb(farbe, QRect()); }
    QRect umriss(double r, double y0, double y1, double z0, double z1) const
    {
        QRect b;
        for (double x : {-r, r})
            for (double y : {y0, y1})
                for (double z : {z0, z1}) {
                    const QPoint p = g().projiziere(bild.blick(), x, y, z);
                    b = b.united(QRect(p, QSize(1, 1)));
                }
        return b.adjusted(-3, -3, 3, 3);
    }
};

class SpektrenTest : public ::testing::Test {
protected:
    void SetUp() override { FrischerZustand(); }
};

}  // namespace

TEST_F(SpektrenTest, TablesFollowTheGasChoice)
{
    const SpektrenTabelle t = KopiereSpektren();
    EXPECT_EQ(t[0].Anzahl, 0);
    const struct {
        int slot, nm, anzahl;
    } faelle[] = {{1, 558, 8}, {5, 728, 7}, {6, 656, 4}, {7, 623, 7}, {10, 569, 2}, {11, 703, 6}, {12, 686, 6}};
    for (const auto &f : faelle) {
        EXPECT_EQ(t[f.slot].Linie[0].WellenlaengeNm, f.nm) << f.slot;
        EXPECT_EQ(t[f.slot].Anzahl, f.anzahl) << f.slot;
    }
    EXPECT_EQ(FarbeGas(t, 0), 12430353u);
    EXPECT_EQ(FarbeGas(t, 6), 0x005EFFu);
    EXPECT_EQ(FarbeGas(t, 12), 7377056u);
    EXPECT_EQ(SpektrenTitel(0), QStringLiteral("Spektren einatomiger Gase"));
    EXPECT_EQ(SpektrenTitel(3), QStringLiteral("Spektrum von Cäsium"));
    EXPECT_EQ(SpektrenTitel(11), QStringLiteral("Spektrum von Neon"));
}

TEST_F(SpektrenTest, ChannelsAreShadedSeparatelyAndClamped)
{
    EXPECT_EQ(KanalweiseAddieren(0x0000F0, 0x20, 0, 0), 0x0000FFu);
    EXPECT_EQ(KanalweiseAddieren(0x100010, -0x20, 0, 5), 0x150000u);
    EXPECT_EQ(ApparatGrau(60, M_PI / 6 + M_PI / 2), 0x6C8C9Cu);  // 0x305060 + 60 each
    EXPECT_EQ(ApparatGrau(60, M_PI / 6 - M_PI / 2), 0x001424u);  // blue stops at 0, red and green stay
    EXPECT_EQ(SpaltFarbe(0xFFFFFF), KanalweiseAddieren(3688528, 127, 127, 127));
}

TEST_F(SpektrenTest, GeometryWithAndWithoutTheSetUp)
{
    const SpektrenGeometrie mit = Daten(1000, 600, true, 1.0);
    EXPECT_EQ(mit.Ws, 600);
    EXPECT_EQ(mit.cx, 650);
    EXPECT_EQ(mit.h, 80);
    EXPECT_EQ(mit.x(400), mit.x0);
    EXPECT_EQ(mit.x(750), mit.x0 + mit.Wsp);
    const SpektrenGeometrie ohne = Daten(1000, 600, false, 1.25);
    EXPECT_EQ(ohne.Ws, 900);
    EXPECT_EQ(ohne.h, 150);
    EXPECT_EQ(ohne.cy, 390);
    EXPECT_EQ(ohne.R, 50);
    EXPECT_DOUBLE_EQ(VertikalerMassstab(724, 57), 1.0 - 16.0 / (724 - 57 - 81));
}

TEST_F(SpektrenTest, BeforeAnyGasOnlyTheSunSpectrum)
{
    for (bool anordnung : {false, true}) {
        Zeichnung d(0, true, anordnung);
        for (int v = 400; v <= 750; v += 10)
            EXPECT_EQ(d.gasBand(v), 0u) << v;
        const TColor sonne = d.sonnenBand(600);  // neighbouring strokes of pen 3 overlap
        EXPECT_TRUE(sonne == FarbeAusFrequenz(600) || sonne == FarbeAusFrequenz(601)) << sonne;
        EXPECT_EQ(d.anzahl(0x0000FF), 0);  // no wires
        if (anordnung) {
            const QPoint m = d.g().projiziere(d.bild.blick(), 0, 0, 2 * d.g().cx / 3.0 + 50);
            EXPECT_EQ(d.c.pixel(m.x(), m.y()), 12430353u);
        }
    }
}

TEST_F(SpektrenTest, LinesSitAtTheirFrequencyOrWavelength)
{
    const struct {
        int gas;
        bool nachFrequenz;
        int v;
        TColor farbe;
        bool fraunhofer;
    } faelle[] = {
        {10, false, 589, 0x00D3FF, true}, {10, false, 569, 0x00EAF8, false},  // sodium beside the D line
        {10, true, 509, 0x00D3FF, true},  {10, true, 527, 0x00EAF8, false},   // ... ordered by frequency
        {6, false, 656, 0x005EFF, true},  {6, true, 457, 0x005EFF, true},     // hydrogen's red line
    };
    for (const auto &f : faelle) {
        Zeichnung d(f.gas, f.nachFrequenz, false);
        EXPECT_EQ(d.gasBand(f.v), f.farbe) << f.v;
        EXPECT_EQ(d.sonnenBand(f.v) == 0u, f.fraunhofer) << f.v;  // the sun's dark line above it
    }
    Zeichnung d(10, true, false);
    EXPECT_LT(d.g().x(509), d.g().cx);
    Zeichnung w(10, false, false);
    EXPECT_GT(w.g().x(589), w.g().cx);
    EXPECT_NE(w.sonnenBand(600), 0u);  // no Fraunhofer line there
}

TEST_F(SpektrenTest, FillsStayInsideTheOutlinesAtTheExtremeViews)
{
    for (int breite : {-70, -40, 60})
        for (int hoehe : {20, 45}) {
            Zeichnung d(0, true, true, breite, hoehe);
            const double zt = 2 * d.g().cx / 3.0 + 50, zs = 2 * d.g().cx / 3.0;
            const QRect roehre = d.umriss(d.g().rRoehre, -100, 100, zt - d.g().rRoehre, zt + d.g().rRoehre);
            EXPECT_EQ(d.ausserhalb(12430353, roehre), 0) << breite << " " << hoehe;
            EXPECT_GT(d.anzahl(12430353), 0) << breite << " " << hoehe;
            const QRect spalt = d.umriss(d.g().R, -d.g().R, d.g().R, zs, zs);
            EXPECT_EQ(d.ausserhalb(SpaltFarbe(12430353), spalt), 0) << breite << " " << hoehe;
            EXPECT_GT(d.anzahl(SpaltFarbe(12430353)), 0) << breite << " " << hoehe;
        }
}

TEST_F(SpektrenTest, SetUpStaysInsideThePictureAtEveryView)
{
    for (QSize s : {QSize(1904, 1016), QSize(1264, 960), QSize(1264, 656), QSize(1008, 536)}) {
        Bildschirm(s.width(), s.height());
        TFormSpektren3D f;
        const QRect bild = f.image1()->bild().rect();
        for (int breite = f.trackBarSehBreite()->Min(); breite <= f.trackBarSehBreite()->Max(); ++breite)
            for (int hoehe = f.trackBarSehHoehe()->Min(); hoehe <= f.trackBarSehHoehe()->Max(); hoehe += 5) {
                SpektrenGeometrie g = Daten(bild.width(), bild.height(), true, f.zustand().s);
                const Blick b = Blick::ausPositionen(breite, hoehe);
                g.Einpassen(b);
                EXPECT_TRUE(bild.contains(g.AnordnungsUmriss(b))) << s.height() << ": " << breite << "/" << hoehe;
            }
    }
}

TEST_F(SpektrenTest, OpenChooseTurnAndGoBack)
{
    for (QSize s : {QSize(1904, 1016), QSize(1264, 960), QSize(1264, 656)}) {
        Bildschirm(s.width(), s.height());
        TFormSpektren3D f;
        const QList<QWidget *> teile = {f.panelLinien(),    f.panelSonnenSpektrum(), f.panelAbhaengigk(), f.panelBlickRichtung(),
                                        f.panelAnordnung(), f.panelInfo(),           f.BitBtnZurueck,   f.image1(),
                                        f.PanelTitel};
        for (int i = 0; i < teile.size(); ++i) {
            EXPECT_TRUE(QRect(0, 0, s.width(), s.height()).contains(teile[i]->geometry())) << i << " " << s.height();
            for (int j = i + 1; j < teile.size(); ++j)
                EXPECT_FALSE(teile[i]->geometry().intersects(teile[j]->geometry())) << i << "/" << j;
        }
        if (s.height() >= 768) {
            EXPECT_EQ(f.panelLinien()->x(), s.width() - 225 - 48);
        }
    }
    Bildschirm(1264, 960);
    TFormSpektren3D f;
    FensterOeffnen(&f);
    Ereignisse(10);
    EXPECT_EQ(f.radioGroupSpektren()->ItemIndex(), -1);
    EXPECT_EQ(f.zustand().gas, 0);
    f.radioGroupSpektren()->setItemIndex(5);
    EXPECT_EQ(f.zustand().gas, 6);
    EXPECT_EQ(f.PanelTitel->caption(), QStringLiteral("Spektrum von Wasserstoff"));
    EXPECT_EQ(f.Werte().zeilen.size(), 4 + 6);
    f.radioGroupAbhaengigK()->setItemIndex(1);
    EXPECT_FALSE(f.zustand().nachFrequenz);
    f.upDownSehBreite()->klick(UpDown::Naechster);
    EXPECT_EQ(f.trackBarSehBreite()->Position(), -39);
    f.trackBarSehHoehe()->setPosition(45);
    EXPECT_EQ(f.upDownSehHoehe()->Position(), 45);
    f.radioGroupAnordnung()->setItemIndex(1);
    EXPECT_FALSE(f.panelBlickRichtung()->isVisible());
    EXPECT_EQ(f.geometrie().Ws, Runde(0.9 * f.image1()->bild().width()));
    f.BitBtnHinweis->click();
    EXPECT_TRUE(f.Hinweis.panel->isVisible());
    EXPECT_FALSE(f.Hinweis.edit->toPlainText().isEmpty());
    EXPECT_TRUE(f.labelBeobachtung()->isVisible());  // the caption, clear of the text and the button
    EXPECT_EQ(f.labelBeobachtung()->text(), QStringLiteral("Beobachtung"));
    for (QWidget *w : QList<QWidget *>{f.Hinweis.edit, f.bitBtnInfoLoeschen()})
        EXPECT_FALSE(f.labelBeobachtung()->geometry().intersects(w->geometry()));
    f.bitBtnInfoLoeschen()->click();
    EXPECT_FALSE(f.Hinweis.panel->isVisible());
    f.BitBtnZurueck->click();
    Ereignisse(10);
    EXPECT_FALSE(f.isVisible());
}
