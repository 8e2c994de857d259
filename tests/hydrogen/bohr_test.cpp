// Bohr's atom window: the physics of orbits, levels and photons against the textbook
// values, the rules that choose or refuse a transition, the electron picture, the layout,
// and a session that emits and absorbs photons while the electron circles.
#include "bild.h"
#include "bohrfenster.h"
#include "testhilfen.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <cmath>

using namespace Atome;
using namespace Wasserstoff;

namespace {
class BohrTest : public ::testing::Test {
protected:
    void SetUp() override { FrischerZustand(); }
};
}  // namespace

TEST_F(BohrTest, LevelsAndLinesAgreeWithHydrogen)
{
    EXPECT_EQ(NiveauFrequenz(1), 0);
    EXPECT_EQ(NiveauFrequenz(2), 2467);
    EXPECT_EQ(UebergangsFrequenz(2, 3), 457);  // H-alpha
    EXPECT_EQ(UebergangsFrequenz(1, 2), 2467);
    // independent checks: c / f gives the Balmer wavelengths, h f / e the Lyman-alpha energy
    const struct {
        int unten, oben;
        double nm;
    } balmer[] = {{2, 3, 656.3}, {2, 4, 486.1}, {2, 5, 434.0}, {2, 6, 410.2}};
    for (const auto &b : balmer)
        EXPECT_NEAR(Lichtgeschwindigkeit / (UebergangsFrequenz(b.unten, b.oben) * 1e12) * 1e9, b.nm, 1.0) << b.oben;
    EXPECT_NEAR(UebergangsFrequenz(1, 2) * 1e12 * 6.626e-34 / Elementarladung,
                GesamtEnergie(2) - GesamtEnergie(1), 0.02);
    EXPECT_EQ(EnergieText(GesamtEnergie(2), EnergieStellen::zweiUnterEinem), QStringLiteral("−3,4"));
    EXPECT_EQ(EnergieText(GesamtEnergie(1), EnergieStellen::zweiUnterEinem), QStringLiteral("−13,6"));
    // below 1 eV two decimals
    const char *energien[] = {"", "−13,6", "−3,4", "−1,5", "−0,85", "−0,54", "−0,38"};
    for (int n = 3; n <= 6; ++n)
        EXPECT_EQ(EnergieText(GesamtEnergie(n), EnergieStellen::zweiUnterEinem), QString::fromUtf8(energien[n])) << n;
    EXPECT_DOUBLE_EQ(WinkelSchritt(2), 0.15);
    EXPECT_EQ(BohrVerzoegerung(5), 0);
    EXPECT_EQ(BohrVerzoegerung(1), 200);
}

TEST_F(BohrTest, PhotonsTakeTheirLineColourAndGrowWithTheJump)
{
    EXPECT_EQ(LinienFarbe(2, 3, 457), FarbeAusFrequenz(457));
    EXPECT_EQ(LinienFarbe(2, 3, 457), 0x005EFFu);  // red
    EXPECT_EQ(LinienFarbe(2, 6, UebergangsFrequenz(2, 6)), 0xFF919Bu);
    EXPECT_EQ(LinienFarbe(2, 5, UebergangsFrequenz(2, 5)), 0xFC9F2Eu);
    EXPECT_EQ(LinienFarbe(1, 2, 2467), 0xC0C0C0u);  // Lyman: invisible, grey
    EXPECT_EQ(UebergangsFarbe(1, 2), 0xFFFFFFu);
    EXPECT_EQ(UebergangsFarbe(2, 3), FarbeAusFrequenz(457));
    EXPECT_EQ(PhotonRadius(457, 0.2), 30);    // (91,4)^(1/4) ≈ 3,1
    EXPECT_EQ(PhotonRadius(2467, 0.2), 50);   // (493)^(1/4) ≈ 4,7
    EXPECT_EQ(PunkteAufRing(1), 0);
    EXPECT_EQ(PunkteAufRing(11), 24);
    const QImage bild = PhotonBild(30, 0x005EFF, [] { return 0.25; });
    EXPECT_EQ(bild.size(), QSize(60, 60));
    EXPECT_EQ(bild.pixel(30, 30), qRgb(0xFF, 0x5E, 0x00));
    EXPECT_EQ(bild.pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(BohrTest, TransitionsAreChosenOrRefused)
{
    const struct {
        Wahl w;
        bool erlaubt;
        int ziel;
        MeldungsTyp typ;
        const char *text;
    } faelle[] = {
        {SprungAb(3, 2), true, 2, MeldungsTyp::Information, ""},
        {SprungAb(2, 3), false, 0, MeldungsTyp::Warnung, "Dazu müsste das Atom Energie erhalten!"},
        {SprungAb(3, 3), false, 0, MeldungsTyp::Information, "Das Atom befindet sich schon in Stufe 3!"},
        {EmissionLinie(3, 2, 1), true, 2, MeldungsTyp::Information, ""},
        {EmissionLinie(2, 2, 1), false, 0, MeldungsTyp::Information, "Das Atom befindet sich schon in Stufe 2!"},
        {EmissionLinie(2, 3, 1), false, 0, MeldungsTyp::Warnung,
         "In diesem Zustand kann das Atom keine Linie der Paschen-Serie emittieren!"},
        {EmissionLinie(5, 2, 1), false, 0, MeldungsTyp::Warnung,
         "In diesem Zustand kann das Atom die 1. Linie der Balmer-Serie nicht emittieren!"},
        {SprungAuf(2, 5), true, 5, MeldungsTyp::Information, ""},
        {SprungAuf(4, 2), false, 0, MeldungsTyp::Warnung, "Dazu müsste das Atom Energie abgeben!"},
        {AbsorptionLinie(2, 2, 4), true, 6, MeldungsTyp::Information, ""},
        {AbsorptionLinie(5, 5, 2), false, 0, MeldungsTyp::Information,
         "Die Nummer des neuen Zustands wäre größer als 6 und kann deshalb nicht gezeigt werden!"},
        {AbsorptionLinie(3, 2, 1), false, 0, MeldungsTyp::Warnung,
         "In diesem Zustand kann das Atom kein Photon aus der Balmer-Serie absorbieren!"},
    };
    for (const auto &f : faelle) {
        EXPECT_EQ(f.w.erlaubt, f.erlaubt) << f.text;
        if (f.erlaubt) {
            EXPECT_EQ(f.w.ziel, f.ziel);
        } else {
            EXPECT_EQ(f.w.typ, f.typ) << f.text;
            EXPECT_EQ(f.w.meldung, QString::fromUtf8(f.text));
        }
    }
    EXPECT_EQ(ZielBegrenzt(14), 6);
    EXPECT_EQ(ZielBegrenzt(0), 1);
}

TEST_F(BohrTest, ElectronPictureBuiltInOrFromAGoodFile)
{
    const QImage eigen = ElektronBild();
    EXPECT_EQ(eigen.size(), QSize(18, 18));
    EXPECT_EQ(eigen.pixel(9, 9), qRgb(0x40, 0xC0, 0xFF));
    EXPECT_EQ(eigen.pixel(0, 0), qRgb(0, 0, 0));
    QTemporaryDir dir;
    const QString kaputt = dir.filePath(QStringLiteral("kaputt.bmp"));
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM this is no bitmap");
    f.close();
    EXPECT_EQ(LadeElektronBild(kaputt), eigen);
    EXPECT_EQ(LadeElektronBild(dir.filePath(QStringLiteral("fehlt.bmp"))), eigen);
    QImage gut(10, 12, QImage::Format_RGB32);
    gut.fill(Qt::red);
    const QString datei = dir.filePath(QStringLiteral("gut.bmp"));
    ASSERT_TRUE(gut.save(datei));
    EXPECT_EQ(LadeElektronBild(datei).size(), QSize(10, 12));
}

TEST_F(BohrTest, LayoutFromTheFranckHertzColumn)
{
    const BohrLayout l = BerechneBohrLayout(1904, 1016, 169, 1703, QRect(1711, 895, 161, 81));
    EXPECT_EQ(l.P, 177);
    EXPECT_EQ(l.l, 1016 - 65 - 16);
    EXPECT_EQ(l.g, (1703 - l.l - 177) / 2);
    EXPECT_EQ(l.atom, QRect(l.g + 177, 73, l.l, l.l));
    EXPECT_EQ(l.panelAtom, QRect(1703, 16, 177, 73));
    EXPECT_DOUBLE_EQ(l.r1, (l.l - 32) / 2.0 / 36.0);
    EXPECT_EQ(NiveauY(l, 1), l.l - 80);
    for (QSize s :
         {QSize(1904, 1016), QSize(1264, 960), QSize(1264, 656), QSize(1010, 700), QSize(1008, 536)}) {
        Bildschirm(s.width(), s.height());
        TFormBohrAtom2 f;
        EXPECT_GE(f.imageHNiveaus()->x(), 8) << s.width();
        for (Panel *p : {f.panelEmission(), f.panelAbsorption()}) {  // "auf Bahn Nummer" stands whole before its edit
            QLabel *bahn = nullptr;
            for (QLabel *t : p->findChildren<QLabel *>())
                if (t->text() == QStringLiteral("auf Bahn Nummer"))
                    bahn = t;
            ASSERT_NE(bahn, nullptr);
            EXPECT_LE(bahn->sizeHint().width(), bahn->width());
            EXPECT_LT(bahn->geometry().right(), (p == f.panelEmission() ? f.editNrNachher1() : f.editNrNachher2())->x());
        }
        // the texts of the atom picture: inside it and apart
        Canvas &c = f.imageBohrAtom()->canvas();
        const AtomTexte t = AtomTextOrte(f.layout(), [&c](const QString &text, bool fett) {
            c.font = Schrift{QStringLiteral("Trebuchet MS"), SchriftKlein, fett};
            return QSize(c.textWidth(text), c.textHeight(text));
        });
        QList<QRect> texte = {t.links, t.rechts};
        for (int k = 2; k <= BohrBahnen; ++k)
            texte << t.energie[k] << t.nummer[k];
        EXPECT_FALSE(t.energie[4].isNull() || t.energie[6].isNull() || t.nummer[2].isNull()) << s.width();
        for (int i = 0; i < texte.size(); ++i) {
            const QRect bild(0, 0, c.width(), c.height());
            EXPECT_TRUE(texte[i].isNull() || bild.contains(texte[i])) << i << " " << s.width();
            for (int j = i + 1; j < texte.size(); ++j)
                EXPECT_FALSE(texte[i].intersects(texte[j])) << i << "/" << j << " " << s.width();
        }
        const QList<QWidget *> teile = {f.PanelTitel,    f.imageHNiveaus(),   f.imageBohrAtom(),   f.panelAtom(),
                                        f.panelEmission(), f.panelAbsorption(), f.panelSimulation(), f.BitBtnZurueck};
        for (int i = 0; i < teile.size() && s.height() > 536; ++i) {  // 536: the back button moves when shown
            EXPECT_TRUE(QRect(0, 0, s.width(), s.height()).contains(teile[i]->geometry())) << i << " " << s.width();
            for (int j = i + 1; j < teile.size(); ++j)
                EXPECT_FALSE(teile[i]->geometry().intersects(teile[j]->geometry())) << i << "/" << j << " " << s.width();
        }
    }
}

TEST_F(BohrTest, LevelEditsRefuseWhatIsNoLevel)
{
    Bildschirm(1264, 960);
    MeldungsSammler meldungen;
    TFormBohrAtom2 f;
    FensterOeffnen(&f);
    Ereignisse(10);
    EXPECT_EQ(f.n(), 3);
    QTest::keyClick(f.editNrVorher(), Qt::Key_7);
    ASSERT_EQ(meldungen.liste.size(), 1);
    EXPECT_EQ(meldungen.liste[0].text, QStringLiteral("Nur die ersten 6 Bahnen werden gezeichnet!"));
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("6"));
    EXPECT_EQ(f.n(), 6);
    QTest::keyClick(f.editNrVorher(), Qt::Key_A);
    QTest::keyClick(f.editNrVorher(), Qt::Key_0);
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("6"));
    f.editNrVorher()->selectAll();
    f.editNrVorher()->insert(QStringLiteral("x2"));  // what a paste does
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("6"));
    f.upDownNrVorher()->klick(UpDown::Voriger);
    EXPECT_EQ(f.n(), 5);
    f.BitBtnZurueck->click();
}

TEST_F(BohrTest, EmitAndAbsorbWhileTheElectronCircles)
{
    Bildschirm(1264, 960);
    MeldungsSammler meldungen;
    TestTakt takt;
    TFormBohrAtom2 f;
    FensterOeffnen(&f);
    Ereignisse(10);
    f.TrackBarTempo->setPosition(5);
    EXPECT_FALSE(f.bitBtnEmission()->isEnabled());
    f.bitBtnStart()->click();
    const double vorher = f.winkel();
    ASSERT_TRUE(takt.Bis([&] { return f.winkel() != vorher; }));
    EXPECT_TRUE(f.LaufAktiv());
    EXPECT_TRUE(f.bitBtnEmission()->isEnabled());
    EXPECT_NE(f.winkel(), vorher);  // the electron moves
    // the first Balmer line from n = 3
    f.radioButtonEmission()->setChecked(true);
    f.bitBtnEmission()->click();
    EXPECT_EQ(f.photonFrequenz(), 457);
    EXPECT_EQ(f.photonFarbe(), 0x005EFFu);
    ASSERT_TRUE(takt.Bis([&] { return !f.imUebergang(); }));
    EXPECT_EQ(f.n(), 2);
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("2"));
    EXPECT_TRUE(f.bitBtnEmission()->isEnabled());
    // refused: a Balmer line from n = 2
    f.bitBtnEmission()->click();
    ASSERT_EQ(meldungen.liste.size(), 1);
    EXPECT_EQ(meldungen.liste[0].knopf, MeldungsKnopf::Wiederholen);
    // absorption of the second Balmer line, left by the back button during the flight
    f.radioButtonAbsorption()->setChecked(true);
    f.editLinieAbsorption()->setText(QStringLiteral("2"));
    f.bitBtnAbsorbtion()->click();
    takt.Weiter(50);
    EXPECT_TRUE(f.imUebergang());
    EXPECT_EQ(f.photonFrequenz(), UebergangsFrequenz(2, 4));
    f.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_FALSE(f.an);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.bitBtnStart()->caption(), QStringLiteral("&beginnen"));
    EXPECT_FALSE(f.bitBtnEmission()->isEnabled());
}

// Holding the arrow of the absorption line past what can be shown asks each step; at most one
// box stands over the window, and once it is closed the atom goes on circling and obeys.
TEST_F(BohrTest, HeldLineArrowLeavesOneBoxAndAWorkingWindow)
{
    Bildschirm(1264, 960);
    TestTakt takt;
    TFormBohrAtom2 f;
    FensterOeffnen(&f);
    f.bitBtnStart()->click();
    f.comboBoxSerieAbsorption()->setCurrentIndex(4);  // from n = 5 the second line is already too high
    UpDown *pfeil = f.upDownLinieAbsorption();
    const auto offen = [&f] {
        int n = 0;
        for (QMessageBox *b : f.findChildren<QMessageBox *>())
            n += b->isVisible();
        return n;
    };
    for (int i = 0; i < 40; ++i) {  // an auto-repeating arrow clicks again and again
        pfeil->klick(UpDown::Voriger);
        pfeil->klick(UpDown::Naechster);
        takt.Weiter(15);
        EXPECT_LE(offen(), 1) << i;
    }
    EXPECT_EQ(offen(), 1);
    const double vorher = f.winkel();
    takt.Weiter(100);
    EXPECT_NE(f.winkel(), vorher);  // the box holds no run
    for (QMessageBox *b : f.findChildren<QMessageBox *>())
        b->accept();
    Ereignisse(10);
    EXPECT_EQ(offen(), 0);
    f.editLinieAbsorption()->setText(QStringLiteral("1"));
    f.radioButtonAbsorption()->setChecked(true);
    f.editNrVorher()->setText(QStringLiteral("5"));
    f.bitBtnAbsorbtion()->click();
    ASSERT_TRUE(takt.Bis([&] { return f.n() == 6 && !f.imUebergang(); }));
    EXPECT_TRUE(f.LaufAktiv());
    EXPECT_TRUE(f.bitBtnAbsorbtion()->isEnabled());
    f.bitBtnStart()->click();
    ASSERT_TRUE(takt.Bis([&] { return !f.LaufAktiv(); }));
    EXPECT_FALSE(f.an);
}

TEST_F(BohrTest, AbsorptionLineEditAndActionShareOneLimit)
{
    Bildschirm(1264, 960);
    MeldungsSammler meldungen;
    TFormBohrAtom2 f;
    FensterOeffnen(&f);
    const struct {
        int n, s, k;
        bool zeigbar;
    } faelle[] = {{3, 3, 4, false}, {3, 3, 3, true},  {1, 1, 5, true},
                  {2, 2, 5, false}, {5, 5, 1, true},  {4, 4, 6, false}};
    for (const auto &fall : faelle) {
        f.editNrVorher()->setText(QString::number(fall.n));
        f.editLinieAbsorption()->setText(QStringLiteral("1"));
        f.comboBoxSerieAbsorption()->setCurrentIndex(fall.s - 1);
        const int vorher = f.t();
        meldungen.liste.clear();
        f.editLinieAbsorption()->setText(QString::number(fall.k));
        const Wahl w = AbsorptionLinie(fall.n, fall.s, fall.k);
        EXPECT_EQ(w.erlaubt, fall.zeigbar) << fall.n << " " << fall.k;
        ASSERT_EQ(meldungen.liste.size(), fall.zeigbar ? 0 : 1) << fall.n << " " << fall.k;
        if (fall.zeigbar) {
            EXPECT_EQ(f.t(), w.ziel);
        } else {
            EXPECT_EQ(meldungen.liste[0].text, w.meldung);  // the edit says what the action would say
            EXPECT_EQ(f.t(), vorher);                       // and highlights no other orbit
        }
    }
}
