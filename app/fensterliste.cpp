#include "fensterliste.h"

#include "beugungsfenster.h"
#include "bohrfenster.h"
#include "doppelspaltfenster.h"
#include "einstein.h"
#include "formfranckhertz.h"
#include "formfranckhertzanordnung.h"
#include "formfranckhertzkurve.h"
#include "formguide.h"
#include "formhallwachs.h"
#include "formhatom3.h"
#include "formhatomprobe3.h"
#include "formhserien.h"
#include "forminfo.h"
#include "forminterferenz.h"
#include "formmain.h"
#include "formphotozelle.h"
#include "formplanckgesetz.h"
#include "formschwarzkoerper.h"
#include "gegenfeld.h"
#include "heisenbergfenster.h"
#include "planckkonstante.h"
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
    {"TFormPlanckKonstante2", []() -> QWidget * { return new TFormPlanckKonstante2; }},
    {"TFormHallwachs", []() -> QWidget * { return new TFormHallwachs; }},
    {"TFormGegenfeld2", []() -> QWidget * { return new TFormGegenfeld2; }},
    {"TFormEinsteinGl", []() -> QWidget * { return new TFormEinsteinGl; }},
    {"TFormHSerien", []() -> QWidget * { return new TFormHSerien; }},
    {"TFormSpektren3D", []() -> QWidget * { return new TFormSpektren3D; }},
    {"TFormHAtom3", []() -> QWidget * { return new TFormHAtom3; }},
    {"TFormHAtomProbe3", []() -> QWidget * { return new TFormHAtomProbe3; }},
    {"TFormFranckHertz2", []() -> QWidget * { return new TFormFranckHertz2; }},
    {"TFormFranckHertzAnordnung2", []() -> QWidget * { return new TFormFranckHertzAnordnung2; }},
    {"TFormFranckHertzKurve2", []() -> QWidget * { return new TFormFranckHertzKurve2; }},
    {"TFormBohrAtom2", []() -> QWidget * { return new TFormBohrAtom2; }},
    {"TFormDoppelspalt", []() -> QWidget * { return new TFormDoppelspalt; }},
    {"TFormHeisenberg", []() -> QWidget * { return new TFormHeisenberg; }},
    {"TFormStWellen", []() -> QWidget * { return new TFormStWellen; }},
    {"TFormSchroedinger3", []() -> QWidget * { return new TFormSchroedinger3; }},
    {"TFormPhotozelle5", []() -> QWidget * { return new TFormPhotozelle5; }},
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
