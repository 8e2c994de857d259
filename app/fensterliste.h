// The program's windows in their fixed creation order: the one table that gives each
// window number its class, its short name (command line, names of exported files) and the
// subject the command line's help lists.
#pragma once

#include "fensterregister.h"

#include <QSize>

#include <array>

class QWidget;
class TFormMain;

struct FensterEintrag {
    FensterNr nr;
    const QMetaObject *klasse;
    QWidget *(*erzeuge)();  // null while the window is not part of the program yet
    const char *kurz;       // e.g. "Schwarzkoerper" (ASCII, no blanks); null: none
    const char *thema;      // e.g. "Strahlung eines schwarzen Körpers" (UTF-8, German; translated in the
                            // context "Fensterliste"); null: none
};

// Creates a window of class T.
template <class T>
QWidget *Erzeuge()
{
    return new T;
}

// The line of window T.
template <class T>
constexpr FensterEintrag Zeile(FensterNr nr, const char *kurz = nullptr, const char *thema = nullptr)
{
    return {nr, &T::staticMetaObject, Erzeuge<T>, kurz, thema};
}

extern const std::array<FensterEintrag, FensterAnzahl> Fensterliste;

// The window of a short name, ignoring case; ä, ö, ü and ß may stand for ae, oe, ue and ss,
// hyphens do not count. FensterNr::Anzahl when there is none.
FensterNr FensterMitKurzname(const QString &name);

// Creates the start screen (measuring the monitor) and then every other window once, in
// order, registering each under its number and class name.
TFormMain *ErzeugeAlleFenster(QSize monitor = {});
