// The simulation window frame, driven through a small counting window that exists only
// here: run, pause, speed, back, restart, runs side by side and the hint and result panels.
#include "richtext.h"
#include "simfenster.h"
#include "testhilfen.h"

#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Zaehlfenster : public SimFenster {
public:
    Zaehlfenster() : SimFenster(QStringLiteral("Zählfenster"))
    {
        ErzeugeTitel(QStringLiteral("Zählen"), 0, 0, 400, 40);
        auto *spalte = new Panel(this);
        Setze(spalte, SpalteLinks, 48, SpalteBreite, 400);
        ErzeugeLaufsteuerung(spalte);
        ErzeugeTempo(spalte, 0, 4, 4);
        ErzeugeHinweis(spalte, QStringLiteral("&Hinweis"), QStringLiteral("ZaehlHinweis.RTF"),
                       [this] { Hinweis.edit->setPlainText(QStringLiteral("eingebauter Hinweis")); });
        ErzeugeErgebnis(spalte, QStringLiteral("&Beobachtung"), QString(),
                        [this] { Ergebnis.edit->setPlainText(QStringLiteral("eingebaute Beobachtung")); }, true);
        BitBtnErgebnis->setEnabled(false);
        Hinweis.setzeGeometrie(8, 48, 300, 200);
        Ergebnis.setzeGeometrie(8, 48, 300, 200);
    }

    int laeufe = 0;        // how many runs began
    int bilder = 0;        // frames of the newest run
    int grenze = 100000;   // frames after which a run ends by itself
    int aktivierungen = 0;
    QList<int> verzoegerungen;

protected:
    void FormActivate() override { ++aktivierungen; }
    Ablauf Simulation() override
    {
        ++laeufe;
        for (bilder = 0; bilder < grenze; ++bilder) {
            verzoegerungen.append(Verzoegerung);
            co_await Warte(Verzoegerung);
            if (Gestoppt())
                break;
        }
    }
};

class SimFensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bildschirm(1264, 960);
        fenster = std::make_unique<Zaehlfenster>();
    }
    TestTakt takt;
    std::unique_ptr<Zaehlfenster> fenster;
};

}  // namespace

TEST_F(SimFensterTest, PauseHoldsTheFramesAndWeiterResumes)
{
    fenster->BitBtnLicht->click();
    takt.Weiter(80);
    fenster->BitBtnStop->click();
    EXPECT_EQ(fenster->BitBtnStop->text(), QStringLiteral("&Weiter"));
    const int inPause = fenster->bilder;
    takt.Weiter(300);
    EXPECT_EQ(fenster->bilder, inPause);
    fenster->BitBtnStop->click();
    takt.Weiter(100);
    EXPECT_GT(fenster->bilder, inPause);
    fenster->BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster->LaufAktiv(); }));

    EXPECT_EQ(fenster->laeufe, 1);
    EXPECT_FALSE(fenster->an);
    EXPECT_EQ(fenster->BitBtnStop->text(), QStringLiteral("&unterbrechen"));
    EXPECT_FALSE(fenster->BitBtnStop->isEnabled());
    EXPECT_EQ(fenster->PanelKontrolle->farbe(), 0x0000FFu);
    EXPECT_TRUE(fenster->BitBtnErgebnis->isEnabled());
}

TEST_F(SimFensterTest, LampIsGreenWhileRunningAndAClickOnItStops)
{
    fenster->BitBtnLicht->click();
    takt.Weiter(60);
    EXPECT_TRUE(fenster->LaufAktiv());
    EXPECT_EQ(fenster->PanelKontrolle->farbe(), 0x00FF00u);
    EXPECT_TRUE(fenster->BitBtnStop->isEnabled());
    emit fenster->PanelKontrolle->geklickt();
    ASSERT_TRUE(takt.Bis([&] { return !fenster->LaufAktiv(); }));
    EXPECT_FALSE(fenster->an);
    EXPECT_EQ(fenster->PanelKontrolle->farbe(), 0x0000FFu);
}

TEST_F(SimFensterTest, BackOrHidingDuringARunEndsItAtItsNextFrame)
{
    for (const bool zurueck : {true, false}) {
        FensterOeffnen(fenster.get());
        ASSERT_TRUE(fenster->isVisible());
        fenster->BitBtnLicht->click();
        takt.Weiter(100);
        const int bisher = fenster->bilder;
        if (zurueck)
            fenster->BitBtnZurueck->click();
        else
            fenster->hide();
        takt.Weiter(15);
        EXPECT_FALSE(fenster->isVisible());
        EXPECT_FALSE(fenster->LaufAktiv());
        EXPECT_LE(fenster->bilder - bisher, 1);
        EXPECT_FALSE(fenster->an);
    }
}

TEST_F(SimFensterTest, OnOffPressedTwiceDuringARunEndsTheRunAndStartsANewOne)
{
    fenster->BitBtnLicht->click();
    takt.Weiter(60);
    fenster->BitBtnLicht->click();  // off
    fenster->BitBtnLicht->click();  // on again while the first run still waits
    EXPECT_TRUE(fenster->an);
    takt.Weiter(60);
    EXPECT_EQ(fenster->laeufe, 2);
    EXPECT_TRUE(fenster->LaufAktiv());
    EXPECT_GT(fenster->bilder, 0);  // the new run goes on
    EXPECT_EQ(fenster->PanelKontrolle->farbe(), 0x00FF00u);
    fenster->BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster->LaufAktiv(); }));
    EXPECT_EQ(fenster->laeufe, 2);
    EXPECT_FALSE(fenster->an);
}

TEST_F(SimFensterTest, ARunEndsByItself)
{
    fenster->grenze = 5;
    fenster->BitBtnLicht->click();
    ASSERT_TRUE(takt.Bis([&] { return !fenster->LaufAktiv(); }));
    EXPECT_EQ(fenster->bilder, 5);
    EXPECT_FALSE(fenster->an);
    EXPECT_TRUE(fenster->BitBtnErgebnis->isEnabled());
}

TEST_F(SimFensterTest, RunsOfTwoWindowsGoOnSideBySide)
{
    Zaehlfenster zweites;
    fenster->BitBtnLicht->click();
    zweites.BitBtnLicht->click();
    takt.Weiter(300);
    const int a = fenster->bilder, b = zweites.bilder;
    takt.Weiter(300);
    EXPECT_GT(fenster->bilder, a);
    EXPECT_GT(zweites.bilder, b);
    zweites.BitBtnLicht->click();
    takt.Weiter(300);
    EXPECT_FALSE(zweites.an);
    EXPECT_TRUE(fenster->an);
    EXPECT_EQ(fenster->PanelKontrolle->farbe(), 0x00FF00u);
    EXPECT_EQ(zweites.PanelKontrolle->farbe(), 0x0000FFu);
}

TEST_F(SimFensterTest, AWindowDestroyedDuringItsRunTakesTheRunWithIt)
{
    fenster->BitBtnLicht->click();
    takt.Weiter(60);
    fenster.reset();
    takt.Weiter(60);  // nothing of the run is resumed
    EXPECT_FALSE(Takt::Aktuell().Wartende());
}

TEST_F(SimFensterTest, SpeedChangeDuringARunChangesTheDelayWithoutRestart)
{
    EXPECT_EQ(fenster->Verzoegerung, 0);
    fenster->BitBtnLicht->click();
    takt.Weiter(80);
    fenster->TrackBarTempo->setPosition(0);
    takt.Weiter(200);
    fenster->BitBtnLicht->click();
    takt.Bis([&] { return !fenster->LaufAktiv(); });
    EXPECT_EQ(fenster->laeufe, 1);
    ASSERT_FALSE(fenster->verzoegerungen.isEmpty());
    EXPECT_EQ(fenster->verzoegerungen.first(), 0);
    EXPECT_EQ(fenster->verzoegerungen.last(), 15);
    EXPECT_EQ(fenster->UpDownTempo->Position(), 0);
}

TEST_F(SimFensterTest, TrackBarAndUpDownStayInStepWithTheDelayRule)
{
    const int erwartet[5] = {15, 7, 3, 1, 0};
    for (int p = 0; p <= 4; ++p) {
        fenster->TrackBarTempo->setPosition(p);
        EXPECT_EQ(fenster->Verzoegerung, erwartet[p]);
        EXPECT_EQ(fenster->UpDownTempo->Position(), p);
    }
    fenster->UpDownTempo->klick(UpDown::Voriger);
    EXPECT_EQ(fenster->TrackBarTempo->Position(), 3);
    EXPECT_EQ(fenster->Verzoegerung, 1);
    fenster->UpDownTempo->klick(UpDown::Naechster);
    fenster->UpDownTempo->klick(UpDown::Naechster);  // at the limit: nothing happens
    EXPECT_EQ(fenster->TrackBarTempo->Position(), 4);
}

TEST_F(SimFensterTest, OpeningRunsFormActivateOnceAndClosingHidesTheWindow)
{
    FensterOeffnen(fenster.get());
    Ereignisse(20);
    FensterOeffnen(fenster.get());  // already open: brought to the front only
    EXPECT_EQ(fenster->aktivierungen, 1);
    fenster->close();
    EXPECT_FALSE(fenster->isVisible());
    FensterOeffnen(fenster.get());
    EXPECT_EQ(fenster->aktivierungen, 2);
    fenster->close();
}

TEST_F(SimFensterTest, HintAndResultPanelsExcludeEachOther)
{
    FensterOeffnen(fenster.get());
    fenster->BitBtnErgebnis->setEnabled(true);
    fenster->BitBtnHinweis->click();
    EXPECT_TRUE(fenster->Hinweis.sichtbar());
    EXPECT_EQ(fenster->BitBtnHinweis->icon().cacheKey(), fenster->Hinweis.offen.cacheKey());
    fenster->BitBtnErgebnis->click();
    EXPECT_FALSE(fenster->Hinweis.sichtbar());
    EXPECT_TRUE(fenster->Ergebnis.sichtbar());
    EXPECT_EQ(fenster->BitBtnHinweis->icon().cacheKey(), fenster->Hinweis.zu.cacheKey());
    EXPECT_EQ(fenster->BitBtnErgebnis->icon().cacheKey(), fenster->Ergebnis.offen.cacheKey());
    EXPECT_EQ(fenster->Ergebnis.panel->toolTip(), QStringLiteral("Verschwindet mit Mausklick"));

    // A click into the text hides the panel and closes the glyph.
    emit fenster->Ergebnis.edit->mausLosgelassen();
    EXPECT_FALSE(fenster->Ergebnis.sichtbar());
    EXPECT_EQ(fenster->BitBtnErgebnis->icon().cacheKey(), fenster->Ergebnis.zu.cacheKey());

    // The delete button hides without changing the glyph.
    fenster->BitBtnHinweis->click();
    fenster->Hinweis.loeschen->click();
    EXPECT_FALSE(fenster->Hinweis.sichtbar());
    EXPECT_EQ(fenster->BitBtnHinweis->icon().cacheKey(), fenster->Hinweis.offen.cacheKey());
    // The next click shows it again.
    fenster->BitBtnHinweis->click();
    EXPECT_TRUE(fenster->Hinweis.sichtbar());
    fenster->close();
}

TEST_F(SimFensterTest, TextsComeFromTheFileOrTheBuiltInWriterWithoutAMessage)
{
    MeldungsSammler meldungen;

    TextPfad = QStringLiteral("/gibt/es/nicht/");
    fenster->Hinweis.schreiben();
    EXPECT_EQ(fenster->Hinweis.edit->toPlainText(), QStringLiteral("eingebauter Hinweis"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile datei(dir.filePath(QStringLiteral("zaehlhinweis.rtf")));  // other case than asked for
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("{\\rtf1\\ansi Hinweis aus der Datei\\par}");
    datei.close();
    TextPfad = dir.path() + QLatin1Char('/');
    fenster->Hinweis.schreiben();
    EXPECT_TRUE(fenster->Hinweis.edit->toPlainText().contains(QStringLiteral("Hinweis aus der Datei")));

    TexteVonDatei = false;
    fenster->Hinweis.schreiben();
    EXPECT_EQ(fenster->Hinweis.edit->toPlainText(), QStringLiteral("eingebauter Hinweis"));

    // The check box writes the built-in text when ticked and the text rule when unticked.
    fenster->Ergebnis.edit->clear();
    fenster->Ergebnis.neu->setChecked(true);
    EXPECT_EQ(fenster->Ergebnis.edit->toPlainText(), QStringLiteral("eingebaute Beobachtung"));
    fenster->Ergebnis.edit->clear();
    fenster->Ergebnis.neu->setChecked(false);
    EXPECT_EQ(fenster->Ergebnis.edit->toPlainText(), QStringLiteral("eingebaute Beobachtung"));

    EXPECT_TRUE(meldungen.liste.isEmpty());
}

TEST(FreierPlatz, TheNearestFreePlaceOrALowerButtonOrNone)
{
    const QRect schirm(0, 0, 1000, 500);
    const QRect wunsch(800, 400, 160, 80);
    const QRect spalte(780, 8, 200, 420);  // a column reaching into the wished place
    struct Fall {
        QList<QRect> belegt;
        QRect erwartet;
    };
    const Fall faelle[] = {
        {{}, wunsch},                                                   // free: stays
        {{QRect(780, 8, 200, 300)}, wunsch},                            // 4 px off is enough
        {{spalte}, QRect(800, 432, 160, 60)},                           // under it, lower
        {{QRect(780, 8, 200, 462)}, QRect(616, 400, 160, 80)},          // no room under it: beside it
        {{spalte, QRect(0, 0, 780, 500)}, QRect(800, 432, 160, 60)},   // under it, lower
        {{QRect(0, 0, 1000, 480)}, QRect()},                            // no room at all
    };
    for (const Fall &f : faelle) {
        const QRect ort = FreierPlatz(wunsch, f.belegt, schirm);
        EXPECT_EQ(ort, f.erwartet) << ort.x() << "," << ort.y() << " " << ort.width() << "x" << ort.height();
        for (const QRect &b : f.belegt)
            EXPECT_FALSE(ort.intersects(b));
    }
}
