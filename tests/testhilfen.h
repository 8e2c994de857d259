// Small helpers shared by the test programs.
#pragma once

#include "global.h"
#include "lauf.h"
#include "steuerelemente.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Handles events for the given time.
inline void Ereignisse(int ms = 0)
{
    QElapsedTimer t;
    t.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    while (t.elapsed() < ms);
}

// Resets the shared module as at program start, with a fixed random seed.
inline void FrischerZustand(std::uint64_t saat = 20261208)
{
    GlobalInitialisieren();
    ZufallStarten(saat);
}

// Fresh shared state on a screen of the given usable size, laid out as the start screen does.
inline void Bildschirm(int breite, int hoehe)
{
    FrischerZustand();
    BildschirmBreite = breite;
    BildschirmHoehe = hoehe;
    Bildschirmeinteilung(breite, hoehe);
}

// Collects the message boxes shown while it lives, instead of showing them.
struct MeldungsSammler {
    QList<MeldungsEintrag> liste;
    MeldungsSammler()
    {
        MeldungsBeobachter = [this](const MeldungsEintrag &m) { liste.append(m); };
    }
    ~MeldungsSammler() { MeldungsBeobachter = nullptr; }
    MeldungsSammler(const MeldungsSammler &) = delete;
    MeldungsSammler &operator=(const MeldungsSammler &) = delete;
};

// A virtual clock in place while it lives: runs advance only when the test says, so that a
// test needs no waiting and sees the same frames every time.
struct TestTakt {
    VirtuellerTakt takt;
    TestTakt() { Takt::Setzen(&takt); }
    ~TestTakt() { Takt::Setzen(nullptr); }
    TestTakt(const TestTakt &) = delete;
    TestTakt &operator=(const TestTakt &) = delete;

    // Advances by ms, tick by tick, handling the events between the ticks.
    void Weiter(int ms)
    {
        for (int t = 0; t < ms; t += 15) {
            takt.Tick();
            QCoreApplication::processEvents();
        }
    }
    // Advances tick by tick until bedingung holds; false if it has not after maxMs.
    bool Bis(const std::function<bool()> &bedingung, int maxMs = 600000)
    {
        for (int t = 0; t <= maxMs; t += 15) {
            QCoreApplication::processEvents();
            if (bedingung())
                return true;
            takt.Tick();
        }
        return false;
    }
};
