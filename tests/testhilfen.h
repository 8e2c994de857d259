// Small helpers shared by the test programs.
#pragma once

#include "global.h"
#include "steuerelemente.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>

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
