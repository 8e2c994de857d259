// The program's windows in their fixed creation order.
#pragma once

#include <QSize>

class QWidget;
class TFormMain;

struct FensterEintrag {
    const char *klasse;
    QWidget *(*erzeuge)();  // null while the window is not part of the program yet
};

extern const FensterEintrag Fensterliste[24];

// Creates the start screen (measuring the monitor) and then every other window once, in
// order, registering each under its class name.
TFormMain *ErzeugeAlleFenster(QSize monitor = {});
