#include "fensterliste.h"

#include "beugungsfenster.h"
#include "bohrfenster.h"
#include "doppelspaltfenster.h"
#include "einsteinfenster.h"
#include "franckhertzfenster.h"
#include "franckhertzanordnungfenster.h"
#include "franckhertzkurvefenster.h"
#include "guidefenster.h"
#include "hallwachsfenster.h"
#include "hatomfenster.h"
#include "hatomprobefenster.h"
#include "hserienfenster.h"
#include "infofenster.h"
#include "interferenzfenster.h"
#include "startfenster.h"
#include "photozellenfenster.h"
#include "planckgesetzfenster.h"
#include "schwarzkoerperfenster.h"
#include "gegenfeldfenster.h"
#include "heisenbergfenster.h"
#include "planckkonstantefenster.h"
#include "schroedingerfenster.h"
#include "spektrenfenster.h"
#include "stwellenfenster.h"

// The start screen comes first: its creation measures the monitor and sets the layout
// values that every later window reads; no window rewrites them for the windows after it
// (the control columns come from the screen alone: StandardSpalte, SchmaleSpalte). A new window
// joins by giving its line a factory: {FensterNr::X, Erzeuge<TFormX>}.
constexpr std::array<FensterEintrag, FensterAnzahl> Fensterliste = {{
    {FensterNr::Main, nullptr},  // created by ErzeugeAlleFenster itself
    {FensterNr::Guide, Erzeuge<TFormGuide>},
    {FensterNr::Info, Erzeuge<TFormInfo>},
    {FensterNr::Interferenz, Erzeuge<TFormInterferenz>},
    {FensterNr::Beugung3, Erzeuge<TFormBeugung3>},
    {FensterNr::Schwarzkoerper, Erzeuge<TFormSchwarzkoerper>},
    {FensterNr::PlanckGesetz, Erzeuge<TFormPlanckGesetz>},
    {FensterNr::PlanckKonstante2, Erzeuge<TFormPlanckKonstante2>},
    {FensterNr::Hallwachs, Erzeuge<TFormHallwachs>},
    {FensterNr::Gegenfeld2, Erzeuge<TFormGegenfeld2>},
    {FensterNr::EinsteinGl, Erzeuge<TFormEinsteinGl>},
    {FensterNr::HSerien, Erzeuge<TFormHSerien>},
    {FensterNr::Spektren3D, Erzeuge<TFormSpektren3D>},
    {FensterNr::HAtom3, Erzeuge<TFormHAtom3>},
    {FensterNr::HAtomProbe3, Erzeuge<TFormHAtomProbe3>},
    {FensterNr::FranckHertz2, Erzeuge<TFormFranckHertz2>},
    {FensterNr::FranckHertzAnordnung2, Erzeuge<TFormFranckHertzAnordnung2>},
    {FensterNr::FranckHertzKurve2, Erzeuge<TFormFranckHertzKurve2>},
    {FensterNr::BohrAtom2, Erzeuge<TFormBohrAtom2>},
    {FensterNr::Doppelspalt, Erzeuge<TFormDoppelspalt>},
    {FensterNr::Heisenberg, Erzeuge<TFormHeisenberg>},
    {FensterNr::StWellen, Erzeuge<TFormStWellen>},
    {FensterNr::Schroedinger3, Erzeuge<TFormSchroedinger3>},
    {FensterNr::Photozelle5, Erzeuge<TFormPhotozelle5>},
}};

namespace {
constexpr bool InNummernfolge()
{
    for (int i = 0; i < FensterAnzahl; ++i)
        if (Fensterliste[std::size_t(i)].nr != FensterNr(i))
            return false;
    return true;
}
static_assert(InNummernfolge(), "every window number has its line, in number order");
}  // namespace

TFormMain *ErzeugeAlleFenster(QSize monitor)
{
    auto *haupt = new TFormMain(monitor);
    FensterAnmelden(FensterNr::Main, haupt);
    for (const FensterEintrag &e : Fensterliste)
        if (e.erzeuge)
            FensterAnmelden(e.nr, e.erzeuge());
    return haupt;
}
