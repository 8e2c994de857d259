// The registry of the program's windows: every window once, under its number and its class
// name, in creation order. A window leaves the registry when it is destroyed.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace Fenster {
Q_NAMESPACE
// The program's windows in their fixed creation order. The window table in the app folder
// gives each number its class; the class of number X is TFormX.
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

// "TFormGuide" for FensterNr::Guide: the class name the number stands for.
QString FensterKlasse(FensterNr nr);

// Registers a window under its number and the class name of its meta-object.
void FensterAnmelden(FensterNr nr, QWidget *fenster);
// Registers a window under a name of its own (tests and helper windows); a window class
// name also gives the number.
void FensterAnmelden(const QString &klasse, QWidget *fenster);
QWidget *FensterVon(FensterNr nr);
QWidget *FensterVon(const QString &klasse);
// The registered window of class T, or null.
template <class T>
T *FensterVon()
{
    return qobject_cast<T *>(FensterVon(QString::fromLatin1(T::staticMetaObject.className())));
}
QList<QWidget *> AlleFenster();
void FensterEntfernen(QWidget *fenster);
// Shows a window maximised on top of the others and activates it.
void FensterOeffnen(QWidget *fenster);
