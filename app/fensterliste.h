// The program's windows in their fixed creation order: the one table that gives each
// window number its class.
#pragma once

#include "fensterregister.h"

#include <QSize>

#include <array>

class QWidget;
class TFormMain;

struct FensterEintrag {
    FensterNr nr;
    QWidget *(*erzeuge)();  // null while the window is not part of the program yet
};

// Creates a window of class T.
template <class T>
QWidget *Erzeuge()
{
    return new T;
}

extern const std::array<FensterEintrag, FensterAnzahl> Fensterliste;

// Creates the start screen (measuring the monitor) and then every other window once, in
// order, registering each under its number and class name.
TFormMain *ErzeugeAlleFenster(QSize monitor = {});
