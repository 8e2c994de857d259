// The simulation window frame, driven through a small counting window that exists only
// here: run, pause, speed, back, nested runs and the hint and result panels.
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

    int laeufe = 0;        // how many loops were entered
    int tiefe = 0;         // loops currently on the stack
    int maxTiefe = 0;
    int bilder = 0;        // frames of the newest loop
    int grenze = 100000;   // frames after which a run ends by itself
    int aktivierungen = 0;
    QList<int> verzoegerungen;

protected:
    void FormActivate() override { ++aktivierungen; }
    void Simulation() override
    {
        ++laeufe;
        maxTiefe = std::max(maxTiefe, ++tiefe);
        for (bilder = 0; bilder < grenze; ++bilder) {
            verzoegerungen.append(Verzoegerung);
            Warte(Verzoegerung);
            if (Stopp)
                break;
        }
        --tiefe;
    }
};

// Runs f after ms milliseconds, from inside whatever loop is waiting then.
void Spaeter(int ms, std::function<void()> f) { QTimer::singleShot(ms, std::move(f)); }

class SimFensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bildschirm(1264, 960);
        fenster = std::make_unique<Zaehlfenster>();
    }
    std::unique_ptr<Zaehlfenster> fenster;
};

}  // namespace

TEST_F(SimFensterTest, PauseStopsTheFramesAndWeiterResumes)
{
    int vorPause = -1, inPause = -1, nachPause = -1;
    QString captionInPause;
    Spaeter(80, [&] { fenster->BitBtnStop->click(); });
    Spaeter(150, [&] {
        vorPause = fenster->bilder;
        captionInPause = fenster->BitBtnStop->text();
    });
    Spaeter(300, [&] {
        inPause = fenster->bilder;
        fenster->BitBtnStop->click();
    });
    Spaeter(450, [&] {
        nachPause = fenster->bilder;
        fenster->BitBtnLicht->click();
    });
    fenster->BitBtnLicht->click();

    EXPECT_EQ(captionInPause, QStringLiteral("&Weiter"));
    EXPECT_EQ(vorPause, inPause);
    EXPECT_GT(nachPause, inPause);
    EXPECT_EQ(fenster->laeufe, 1);
    EXPECT_FALSE(fenster->an);
    EXPECT_TRUE(Stopp);
    EXPECT_EQ(fenster->BitBtnStop->text(), QStringLiteral("&unterbrechen"));
    EXPECT_FALSE(fenster->BitBtnStop->isEnabled());
    EXPECT_EQ(fenster->PanelKontrolle->farbe(), 0x0000FFu);
    EXPECT_TRUE(fenster->BitBtnErgebnis->isEnabled());
}

TEST_F(SimFensterTest, LampIsGreenWhileRunningAndAClickOnItStops)
{
    TColor waehrend = 0;
    bool stopFrei = false;
    Spaeter(60, [&] {
        waehrend = fenster->PanelKontrolle->farbe();
        stopFrei = fenster->BitBtnStop->isEnabled();
        emit fenster->PanelKontrolle->geklickt();
    });
    fenster->BitBtnLicht->click();
    EXPECT_EQ(waehrend, 0x00FF00u);
    EXPECT_TRUE(stopFrei);
    EXPECT_FALSE(fenster->an);
    EXPECT_EQ(fenster->PanelKontrolle->farbe(), 0x0000FFu);
}

TEST_F(SimFensterTest, BackDuringARunEndsTheLoopAtItsNextFrameAndHidesTheWindow)
{
    FensterOeffnen(fenster.get());
    ASSERT_TRUE(fenster->isVisible());
    int beimZurueck = -1;
    Spaeter(100, [&] {
        beimZurueck = fenster->bilder;
        fenster->BitBtnZurueck->click();
    });
    fenster->BitBtnLicht->click();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_LE(fenster->bilder - beimZurueck, 1);
    EXPECT_EQ(fenster->tiefe, 0);
    EXPECT_TRUE(Stopp);
}

TEST_F(SimFensterTest, OnOffPressedTwiceDuringARunNestsAndEndsBothLoops)
{
    int tiefeNested = 0;
    Spaeter(60, [&] {
        fenster->BitBtnLicht->click();  // off
        fenster->BitBtnLicht->click();  // on again: a new loop runs inside this handler
    });
    Spaeter(200, [&] {
        tiefeNested = fenster->tiefe;
        fenster->BitBtnLicht->click();  // off: ends the nested loop and, through Stopp, the outer one
    });
    fenster->BitBtnLicht->click();
    EXPECT_EQ(fenster->laeufe, 2);
    EXPECT_EQ(fenster->maxTiefe, 2);
    EXPECT_EQ(tiefeNested, 2);
    EXPECT_EQ(fenster->tiefe, 0);
    EXPECT_FALSE(fenster->an);
}

TEST_F(SimFensterTest, ARunEndsByItselfAndLeavesStoppSet)
{
    fenster->grenze = 5;
    fenster->BitBtnLicht->click();
    EXPECT_EQ(fenster->bilder, 5);
    EXPECT_FALSE(fenster->an);
    EXPECT_TRUE(Stopp);
    EXPECT_TRUE(fenster->BitBtnErgebnis->isEnabled());
}

TEST_F(SimFensterTest, SpeedChangeDuringARunChangesTheDelayWithoutRestart)
{
    EXPECT_EQ(fenster->Verzoegerung, 0);
    Spaeter(80, [&] { fenster->TrackBarTempo->setPosition(0); });
    Spaeter(300, [&] { fenster->BitBtnLicht->click(); });
    fenster->BitBtnLicht->click();
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

TEST_F(SimFensterTest, OpeningRunsFormActivateOnceAndClosingSetsStopp)
{
    FensterOeffnen(fenster.get());
    Ereignisse(20);
    FensterOeffnen(fenster.get());  // already open: brought to the front only
    EXPECT_EQ(fenster->aktivierungen, 1);
    Stopp = false;
    fenster->close();
    EXPECT_TRUE(Stopp);
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
