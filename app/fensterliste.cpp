#include "fensterliste.h"

#include "formguide.h"
#include "forminfo.h"
#include "formmain.h"
#include "formplanckgesetz.h"
#include "formschwarzkoerper.h"

// The start screen comes first: its creation measures the monitor and sets the layout
// values that every later window reads. Several simulation windows rewrite the
// control-column values for the windows after them, so the order matters. A new window
// joins by giving its line a factory: {FensterNr::X, Erzeuge<TFormX>}.
constexpr std::array<FensterEintrag, FensterAnzahl> Fensterliste = {{
    {FensterNr::Main, nullptr},  // created by ErzeugeAlleFenster itself
    {FensterNr::Guide, Erzeuge<TFormGuide>},
    {FensterNr::Info, Erzeuge<TFormInfo>},
    {FensterNr::Interferenz, nullptr},
    {FensterNr::Beugung3, nullptr},
    {FensterNr::Schwarzkoerper, Erzeuge<TFormSchwarzkoerper>},
    {FensterNr::PlanckGesetz, Erzeuge<TFormPlanckGesetz>},
    {FensterNr::PlanckKonstante2, nullptr},
    {FensterNr::Hallwachs, nullptr},
    {FensterNr::Gegenfeld2, nullptr},
    {FensterNr::EinsteinGl, nullptr},
    {FensterNr::HSerien, nullptr},
    {FensterNr::Spektren3D, nullptr},
    {FensterNr::HAtom3, nullptr},
    {FensterNr::HAtomProbe3, nullptr},
    {FensterNr::FranckHertz2, nullptr},
    {FensterNr::FranckHertzAnordnung2, nullptr},
    {FensterNr::FranckHertzKurve2, nullptr},
    {FensterNr::BohrAtom2, nullptr},
    {FensterNr::Doppelspalt, nullptr},
    {FensterNr::Heisenberg, nullptr},
    {FensterNr::StWellen, nullptr},
    {FensterNr::Schroedinger3, nullptr},
    {FensterNr::Photozelle5, nullptr},
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
