// Small helpers shared by the test programs.
#pragma once

#include "global.h"

#include <QCoreApplication>
#include <QElapsedTimer>

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
