// The registry of the program's windows: every window once, under its number and the short
// name the window table gives it, in creation order. A window leaves the registry when it is
// destroyed.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace Fenster {
Q_NAMESPACE
// The program's windows in their fixed creation order. The window table in the app folder
// gives each number its class and its short name.
enum class Nr {
    Main, Guide, Info, Interferenz, Beugung3, Schwarzkoerper, PlanckGesetz, PlanckKonstante2, Hallwachs,
    Gegenfeld2, EinsteinGl, HSerien, Spektren3D, HAtom3, HAtomProbe3, FranckHertz2, FranckHertzAnordnung2,
    FranckHertzKurve2, BohrAtom2, Doppelspalt, Heisenberg, StWellen, Schroedinger3, Photozelle5,
    Anzahl  // not a window: the count, and "no window"
};
Q_ENUM_NS(Nr)
}  // namespace Fenster
using FensterNr = Fenster::Nr;
inline constexpr int FensterAnzahl = int(FensterNr::Anzahl);

// Registers a window under its number (FensterNr::Anzahl: none, for helper windows) and its
// short name, which names the files it exports.
void FensterAnmelden(FensterNr nr, QWidget *fenster, const QString &kurzname = {});
QWidget *FensterVon(FensterNr nr);
// The registered window of class T (exactly T, not a subclass), or null.
template <class T>
T *FensterVon()
{
    return static_cast<T *>(FensterDerKlasse(T::staticMetaObject));
}
QWidget *FensterDerKlasse(const QMetaObject &klasse);
// The short name a window is registered under; its class name when it has none.
QString FensterKurzname(const QWidget *fenster);
QList<QWidget *> AlleFenster();
void FensterEntfernen(QWidget *fenster);
// Shows a window maximised on top of the others and activates it.
void FensterOeffnen(QWidget *fenster);
