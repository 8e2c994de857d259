// The run model: coroutines paced by a virtual clock, helpers that wait, restart, pause,
// destruction mid-run, and message boxes that do not stack.
#include "lauf.h"
#include "steuerelemente.h"
#include "testhilfen.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Protokoll {
    QStringList eintraege;
    Ablauf Helfer(Lauf &lauf, QString name, int bilder)
    {
        for (int i = 0; i < bilder; ++i) {
            eintraege << name + QString::number(i);
            co_await lauf.Warte(0);
        }
    }
    Ablauf Haupt(Lauf &lauf)
    {
        co_await Helfer(lauf, QStringLiteral("a"), 2);
        if (lauf.Stopp())
            co_return;
        co_await Helfer(lauf, QStringLiteral("b"), 2);
        eintraege << QStringLiteral("ende");
    }
};

}  // namespace

TEST(Lauf, HelpersRunInOrderOneFramePerTickAndTheEndIsReported)
{
    {
        // A wait of ms ends at the first tick after now + ms: 15 ms take two ticks of 15,625 ms.
        TestTakt takt;
        Lauf lauf;
        int bilder = 0;
        lauf.Starten([&]() -> Ablauf {
            for (;; ++bilder)
                co_await lauf.Warte(15);
        });
        takt.takt.Tick();
        EXPECT_EQ(bilder, 0);
        EXPECT_EQ(takt.takt.Fortsetzungen(), 0u);  // a tick that resumes nothing counts no frame
        takt.takt.Tick();
        EXPECT_EQ(bilder, 1);
        EXPECT_EQ(takt.takt.Fortsetzungen(), 1u);
    }
    TestTakt takt;
    Lauf lauf;
    Protokoll p;
    int enden = 0;
    lauf.beiEnde = [&] { ++enden; };
    lauf.Starten([&] { return p.Haupt(lauf); });
    EXPECT_EQ(p.eintraege, QStringList{QStringLiteral("a0")});  // runs to its first wait at once
    const QList<QStringList> erwartet = {
        {"a0"}, {"a0", "a1"}, {"a0", "a1", "b0"}, {"a0", "a1", "b0", "b1"}, {"a0", "a1", "b0", "b1", "ende"}};
    for (int t = 0; t < erwartet.size(); ++t) {
        EXPECT_EQ(p.eintraege, erwartet[t]) << "tick " << t;
        takt.takt.Tick();
    }
    EXPECT_FALSE(lauf.Aktiv());
    EXPECT_EQ(enden, 1);
    EXPECT_FALSE(Takt::Aktuell().Wartende());
}

TEST(Lauf, PauseHoldsAStopEndsAndARestartFollowsTheEnd)
{
    TestTakt takt;
    Lauf lauf;
    Protokoll p, q;
    int enden = 0;
    lauf.beiEnde = [&] { ++enden; };
    lauf.Starten([&] { return p.Haupt(lauf); });
    lauf.Pausieren(true);
    takt.Weiter(500);
    EXPECT_EQ(p.eintraege.size(), 1);
    lauf.Pausieren(false);
    takt.takt.Tick();
    EXPECT_EQ(p.eintraege.size(), 2);
    lauf.Starten([&] { return q.Haupt(lauf); });  // asked while the first still waits
    EXPECT_TRUE(lauf.Stopp());
    takt.takt.Tick();  // the first ends after its helper, the second begins at once
    EXPECT_EQ(p.eintraege, (QStringList{"a0", "a1"}));
    EXPECT_EQ(q.eintraege, QStringList{"a0"});
    EXPECT_FALSE(lauf.Stopp());
    EXPECT_EQ(enden, 0);
    lauf.Stoppen();
    EXPECT_TRUE(takt.Bis([&] { return !lauf.Aktiv(); }, 100));
    EXPECT_EQ(enden, 1);
}

TEST(Lauf, AbortingOrDestroyingDropsTheRunWhereItWaits)
{
    TestTakt takt;
    Protokoll p;
    {
        Lauf lauf;
        lauf.Starten([&] { return p.Haupt(lauf); });
        EXPECT_TRUE(Takt::Aktuell().Wartende());
    }
    EXPECT_FALSE(Takt::Aktuell().Wartende());
    Lauf lauf;
    lauf.Starten([&] { return p.Haupt(lauf); });
    Lauf::AlleAbbrechen();
    EXPECT_FALSE(lauf.Aktiv());
    takt.Weiter(200);
    EXPECT_EQ(p.eintraege, (QStringList{"a0", "a0"}));
}

TEST(Meldung, ABoxIsModalForItsWindowAndNoneStacksOnAnother)
{
    QWidget fenster;
    fenster.show();
    QMessageBox *erste = Meldung(&fenster, MeldungsTyp::Information, QStringLiteral("eins"));
    ASSERT_NE(erste, nullptr);
    EXPECT_EQ(erste->windowModality(), Qt::WindowModal);
    for (int i = 0; i < 50; ++i)  // a held arrow clicking again and again
        EXPECT_EQ(Meldung(&fenster, MeldungsTyp::Warnung, QStringLiteral("zwei")), nullptr);
    EXPECT_EQ(fenster.findChildren<QMessageBox *>().size(), 1);

    // A run awaiting the box goes on once it is closed.
    TestTakt takt;
    Lauf lauf;
    bool weiter = false;
    lauf.Starten([&]() -> Ablauf {
        co_await Geschlossen(erste);
        weiter = true;
    });
    takt.Weiter(100);
    EXPECT_FALSE(weiter);
    erste->done(0);
    EXPECT_TRUE(weiter);
    EXPECT_FALSE(lauf.Aktiv());
}

TEST(Lauf, OnTheRealClockAWaitLastsItsTimeWhileEventsAreHandled)
{
    Lauf lauf;
    bool behandelt = false, fertig = false;
    QElapsedTimer uhr;
    uhr.start();
    lauf.Starten([&]() -> Ablauf {
        co_await lauf.Warte(100);
        fertig = true;
    });
    QTimer::singleShot(0, [&] { behandelt = true; });
    while (!fertig)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_TRUE(behandelt);
    EXPECT_GE(uhr.elapsed(), 90);
}
