#include "fensterliste.h"

#include "beugungsfenster.h"
#include "bohrfenster.h"
#include "formguide.h"
#include "forminfo.h"
#include "forminterferenz.h"
#include "formmain.h"
#include "formplanckgesetz.h"
#include "formschwarzkoerper.h"
#include "schroedingerfenster.h"
#include "simfenster.h"
#include "spektrenfenster.h"
#include "stwellenfenster.h"

// The start screen comes first: its creation measures the monitor and sets the layout
// values that every later window reads. Several simulation windows rewrite the
// control-column values for the windows after them, so the order matters.
const FensterEintrag Fensterliste[24] = {
    {"TFormMain", nullptr},  // created by ErzeugeAlleFenster itself
    {"TFormGuide", []() -> QWidget * { return new TFormGuide; }},
    {"TFormInfo", []() -> QWidget * { return new TFormInfo; }},
    {"TFormInterferenz", []() -> QWidget * { return new TFormInterferenz; }},
    {"TFormBeugung3", []() -> QWidget * { return new TFormBeugung3; }},
    {"TFormSchwarzkoerper", []() -> QWidget * { return new TFormSchwarzkoerper; }},
    {"TFormPlanckGesetz", []() -> QWidget * { return new TFormPlanckGesetz; }},
    {"TFormPlanckKonstante2", nullptr},
    {"TFormHallwachs", nullptr},
    {"TFormGegenfeld2", nullptr},
    {"TFormEinsteinGl", nullptr},
    {"TFormHSerien", nullptr},
    {"TFormSpektren3D", []() -> QWidget * { return new TFormSpektren3D; }},
    {"TFormHAtom3", nullptr},
    {"TFormHAtomProbe3", nullptr},
    {"TFormFranckHertz2", nullptr},
    {"TFormFranckHertzAnordnung2", nullptr},
    {"TFormFranckHertzKurve2", nullptr},
    {"TFormBohrAtom2", []() -> QWidget * { return new TFormBohrAtom2; }},
    {"TFormDoppelspalt", nullptr},
    {"TFormHeisenberg", nullptr},
    {"TFormStWellen", []() -> QWidget * { return new TFormStWellen; }},
    {"TFormSchroedinger3", []() -> QWidget * { return new TFormSchroedinger3; }},
    {"TFormPhotozelle5", nullptr},
};

TFormMain *ErzeugeAlleFenster(QSize monitor)
{
    auto *haupt = new TFormMain(monitor);
    FensterAnmelden(QString::fromLatin1(Fensterliste[0].klasse), haupt);
    for (int i = 1; i < 24; ++i)
        if (Fensterliste[i].erzeuge)
            FensterAnmelden(QString::fromLatin1(Fensterliste[i].klasse), Fensterliste[i].erzeuge());
    return haupt;
}
