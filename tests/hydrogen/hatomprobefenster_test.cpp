// The level exercises: refusals, the photon of a jump, the edit filters and going back.
#include "hatomprobefenster.h"
#include "bild.h"
#include "hatomprobebild.h"
#include "testhilfen.h"
#include "wasserstoff.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

using namespace Wasserstoff;

TEST(HAtomProbe, RulesOfEmissionAndAbsorption)
{
    struct E { int n, t; Entscheid e; } emission[] = {
        {6, 5, Entscheid::KeineSerie}, {2, 3, Entscheid::MussAufnehmen}, {1, 1, Entscheid::Grundzustand},
        {3, 3, Entscheid::SchonDort},  {3, 2, Entscheid::Flug},          {9, 1, Entscheid::Flug},
        {9, 4, Entscheid::Flug},       {5, 5, Entscheid::SchonDort}};
    for (const auto &f : emission)
        EXPECT_EQ(EmissionPruefen(f.n, f.t), f.e) << f.n << "→" << f.t;
    // every target up to 9 is reached in the series that starts on the current level
    struct A { int n, s, k; Entscheid e; } absorption[] = {
        {1, 1, 8, Entscheid::Flug},         {1, 1, 9, Entscheid::ZuHoch},       {3, 3, 4, Entscheid::Flug},
        {3, 3, 6, Entscheid::Flug},         {3, 3, 7, Entscheid::ZuHoch},       {4, 4, 5, Entscheid::Flug},
        {4, 4, 6, Entscheid::ZuHoch},       {2, 1, 1, Entscheid::FalscheSerie}, {3, 2, 1, Entscheid::FalscheSerie},
        {9, 1, 1, Entscheid::FalscheSerie}, {9, 4, 9, Entscheid::FalscheSerie}, {6, 4, 1, Entscheid::FalscheSerie}};
    for (const auto &f : absorption)
        EXPECT_EQ(AbsorptionPruefen(f.n, f.s, f.k), f.e) << f.n << " " << f.s << " " << f.k;
    EXPECT_TRUE(EntscheidText(Entscheid::ZuHoch, 0).contains(QStringLiteral("größer als 9")));
    EXPECT_TRUE(EntscheidText(Entscheid::FalscheSerie, 9).contains(QStringLiteral("aus der gewählten Serie")));
    EXPECT_EQ(PhotonFarbe(2, 3), FarbeAusFrequenz(457));
    EXPECT_EQ(PhotonFarbe(2, 4), FarbeAusFrequenz(617));
    EXPECT_EQ(PhotonFarbe(2, 5), 0xFC9F2Eu);
    EXPECT_EQ(PhotonFarbe(1, 2), 0xC0C0C0u);
}

TEST(HAtomProbe, PhotonPictureGrowsWithEnergy)
{
    FrischerZustand();
    ProbeGeometrie g;
    g.Vorbereiten(960, 880);
    EXPECT_LT(PhotonRadius(g, 3, 4), PhotonRadius(g, 2, 3));
    EXPECT_LT(PhotonRadius(g, 2, 3), PhotonRadius(g, 1, 2));
    const int R = PhotonRadius(g, 2, 3);
    const QImage bild = PhotonBild(R, PhotonFarbe(2, 3));
    ASSERT_EQ(bild.width(), 2 * R);
    Canvas c(const_cast<QImage *>(&bild));
    EXPECT_EQ(c.pixel(R, R), FarbeAusFrequenz(457));
    EXPECT_EQ(c.pixel(0, 0), 0u);  // black: unchanged under XOR
}

TEST(HAtomProbe, LabelsNeverOverlap)
{
    // a label moves past the one before it, or is left out where the room ends
    const QList<QRect> wunsch = {QRect(60, 0, 40, 10), QRect(60, 5, 40, 10), QRect(60, 8, 40, 10)};
    const QList<QRect> orte = MarkenSetzen(wunsch, 0, 100, true);
    EXPECT_EQ(orte[0], wunsch[0]);
    EXPECT_EQ(orte[1], QRect(20, 5, 40, 10));
    EXPECT_TRUE(orte[2].isNull());
    EXPECT_EQ(MarkenSetzen(wunsch, 0, 200, false, {QRect(90, 0, 5, 20)})[0], QRect(95, 0, 40, 10));
    // the whole picture at every supported screen size and current level
    FrischerZustand();
    for (QSize s : {QSize(1008, 536), QSize(1264, 656), QSize(1264, 960), QSize(1904, 1016)}) {
        const QSize groesse = ProbeBildGroesse(s.width(), s.height());
        QImage bild(groesse, QImage::Format_RGB32);
        Canvas c(&bild);
        ProbeGeometrie g;
        g.Vorbereiten(groesse.width(), groesse.height());
        ProbeBild p(c, g);
        for (int n = 1; n <= ProbeStufen; ++n) {
            QList<Marke> marken = p.AtomMarken(n);
            for (int s = 1; s <= 4; ++s)
                marken += p.SerienMarken(s);
            int gezeigt = 0;
            for (int i = 0; i < marken.size(); ++i) {
                if (marken[i].ort.isNull())
                    continue;
                ++gezeigt;
                EXPECT_TRUE(bild.rect().contains(marken[i].ort)) << s.height() << " " << marken[i].text.toStdString();
                for (int j = i + 1; j < marken.size(); ++j)
                    EXPECT_FALSE(marken[i].ort.intersects(marken[j].ort))
                        << s.height() << ": " << marken[i].text.toStdString() << "/" << marken[j].text.toStdString();
            }
            EXPECT_GE(gezeigt, marken.size() - 4) << s.height();  // at most the crowded top labels give way
        }
    }
}

TEST(FormHAtomProbe3, JumpsRefusalsAndFilters)
{
    Bildschirm(1264, 960);
    MeldungsSammler meldungen;
    PiepsAn = false;
    TestTakt takt;
    TFormHAtomProbe3 f;
    FensterOeffnen(&f);
    const auto gelandet = [&] { return takt.Bis([&f] { return !f.LaufAktiv(); }); };
    const QImage leer = f.image1()->bild().copy();
    f.TrackBarTempo->setPosition(4);

    // 3 → 2: Hα flies out to the right
    f.editNrVorher()->setText(QStringLiteral("3"));
    f.editNrNachher()->setText(QStringLiteral("2"));
    f.bitBtnEmittiere()->click();
    ASSERT_TRUE(gelandet());
    EXPECT_TRUE(meldungen.liste.isEmpty());
    EXPECT_EQ(f.photon().farbe, FarbeAusFrequenz(457));
    EXPECT_TRUE(f.photon().emission);
    EXPECT_GT(f.photon().x, f.geometrie().w);
    EXPECT_EQ(f.photon().schritte, 1);  // tempo 4: straight to the end
    EXPECT_EQ(f.blinken(), 2);
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("2"));
    EXPECT_EQ(f.upDownNrVorher()->Position(), 2);

    // 6 → 5 is refused
    f.editNrVorher()->setText(QStringLiteral("6"));
    f.editNrNachher()->setText(QStringLiteral("5"));
    f.bitBtnEmittiere()->click();
    ASSERT_EQ(meldungen.liste.size(), 1);
    EXPECT_EQ(meldungen.liste[0].typ, MeldungsTyp::Information);
    EXPECT_EQ(meldungen.liste[0].knopf, MeldungsKnopf::Wiederholen);
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("6"));

    // absorbing in state 9 is refused with the series message and the edits return to 1
    f.editNrVorher()->setText(QStringLiteral("9"));
    meldungen.liste.clear();
    f.editLinie()->setText(QStringLiteral("2"));
    meldungen.liste.clear();
    f.bitBtnAbsorbiere()->click();
    ASSERT_EQ(meldungen.liste.size(), 1);
    EXPECT_EQ(meldungen.liste[0].typ, MeldungsTyp::Warnung);
    EXPECT_EQ(meldungen.liste[0].text, EntscheidText(Entscheid::FalscheSerie, 9));
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("1"));
    EXPECT_EQ(f.editLinie()->text(), QStringLiteral("1"));
    EXPECT_EQ(f.upDownLinie()->Position(), 1);

    // a line number that would lead past the limit is named at once
    meldungen.liste.clear();
    f.editLinie()->setText(QStringLiteral("9"));
    ASSERT_EQ(meldungen.liste.size(), 1);
    EXPECT_EQ(meldungen.liste[0].typ, MeldungsTyp::Information);
    EXPECT_EQ(f.upDownLinie()->Position(), 9);

    // state 3, Paschen, line 4: up to level 7
    meldungen.liste.clear();
    f.editNrVorher()->setText(QStringLiteral("3"));
    f.comboBoxSerie()->setCurrentIndex(2);
    f.editLinie()->setText(QStringLiteral("4"));
    f.bitBtnAbsorbiere()->click();
    ASSERT_TRUE(gelandet());
    EXPECT_TRUE(meldungen.liste.isEmpty());
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("7"));
    f.editNrVorher()->setText(QStringLiteral("1"));
    f.comboBoxSerie()->setCurrentIndex(0);

    // absorbing the second Lyman line from 1 lifts the atom to 3
    meldungen.liste.clear();
    f.editLinie()->setText(QStringLiteral("2"));
    f.bitBtnAbsorbiere()->click();
    ASSERT_TRUE(gelandet());
    EXPECT_TRUE(meldungen.liste.isEmpty());
    EXPECT_FALSE(f.photon().emission);
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("3"));

    // digits only: letters, deletion and pasted text leave the last value
    f.editNrVorher()->setFocus();
    QTest::keyClicks(f.editNrVorher(), QStringLiteral("x0"));
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("3"));
    QTest::keyClick(f.editNrVorher(), Qt::Key_Backspace);
    f.editNrVorher()->setCursorPosition(0);
    QTest::keyClick(f.editNrVorher(), Qt::Key_Delete);
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("3"));
    QApplication::clipboard()->setText(QStringLiteral("0"));
    f.editNrVorher()->selectAll();
    f.editNrVorher()->paste();
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("3"));
    QTest::keyClicks(f.editNrVorher(), QStringLiteral("5"));  // a digit replaces the whole text
    EXPECT_EQ(f.editNrVorher()->text(), QStringLiteral("5"));
    EXPECT_NE(f.image1()->bild(), leer);
}

TEST(FormHAtomProbe3, FlightEndsOnBack)
{
    Bildschirm(1264, 960);
    MeldungsSammler meldungen;
    TestTakt takt;
    TFormHAtomProbe3 f;
    FensterOeffnen(&f);
    f.TrackBarTempo->setPosition(1);
    f.editNrVorher()->setText(QStringLiteral("4"));
    f.editNrNachher()->setText(QStringLiteral("2"));
    f.bitBtnEmittiere()->click();
    takt.Weiter(400);
    EXPECT_TRUE(f.bitBtnBreak()->isEnabled());
    f.bitBtnBreak()->click();  // pause, then leave while paused
    takt.Weiter(50);
    f.BitBtnZurueck->click();
    ASSERT_TRUE(takt.Bis([&f] { return !f.LaufAktiv(); }));
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.image1()->angelegt());  // the stopped flight drew nothing after the hide
    EXPECT_FALSE(f.bitBtnBreak()->isEnabled());
    EXPECT_TRUE(f.bitBtnEmittiere()->isEnabled());
}
