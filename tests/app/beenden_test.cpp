// Closing the start screen ends the program, also while an animation runs in another
// window: the run ends at its next frame and the event loop returns with status 0.
#include "fensterliste.h"
#include "startfenster.h"
#include "simfenster.h"
#include "testhilfen.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class Endlosfenster : public SimFenster {
public:
    Endlosfenster() : SimFenster(QStringLiteral("Endlos"))
    {
        auto *spalte = new Panel(this);
        ErzeugeLaufsteuerung(spalte);
    }
    int bilder = 0;

protected:
    Ablauf Simulation() override
    {
        while (true) {
            ++bilder;
            co_await Warte(0);
            if (Gestoppt())
                break;
        }
    }
};
}  // namespace

TEST(Programmende, ClosingTheStartScreenDuringARunEndsTheRunAndTheEventLoop)
{
    FrischerZustand();
    TFormMain *haupt = ErzeugeAlleFenster(QSize(1280, 1024));
    haupt->show();
    auto *fenster = new Endlosfenster;
    FensterAnmelden(FensterNr::Anzahl, fenster);
    FensterOeffnen(fenster);
    ASSERT_NE(FensterVon(FensterNr::Guide), nullptr);
    FensterOeffnen(FensterVon(FensterNr::Guide));

    int bilderBeimSchliessen = -1;
    QTimer::singleShot(0, fenster, [fenster] { fenster->BitBtnLicht->click(); });
    QTimer::singleShot(200, haupt, [&] {
        bilderBeimSchliessen = fenster->bilder;
        haupt->close();  // the close box and "Programm &Ende" both end here
    });
    QTimer notbremse;
    notbremse.setSingleShot(true);
    notbremse.start(20000);
    QObject::connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(99); });

    const int rc = QApplication::exec();
    EXPECT_EQ(rc, 0);
    EXPECT_FALSE(fenster->LaufAktiv());
    for (const Lauf *l : Lauf::Alle())
        EXPECT_FALSE(l->Aktiv());
    EXPECT_FALSE(Takt::Aktuell().Wartende());
    EXPECT_GT(bilderBeimSchliessen, 0);
    EXPECT_LE(fenster->bilder - bilderBeimSchliessen, 1);
    EXPECT_FALSE(fenster->an);
    for (QWidget *w : AlleFenster())
        EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
    ProgrammEndet = false;
}
