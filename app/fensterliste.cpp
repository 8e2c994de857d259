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
// joins with its line: Zeile<TFormX>(FensterNr::X, short name, QT_TRANSLATE_NOOP("Fensterliste", subject)).
constexpr std::array<FensterEintrag, FensterAnzahl> Fensterliste = {{
    {FensterNr::Main, &TFormMain::staticMetaObject, nullptr, nullptr, nullptr},  // created by ErzeugeAlleFenster
    Zeile<TFormGuide>(FensterNr::Guide),
    Zeile<TFormInfo>(FensterNr::Info),
    Zeile<TFormInterferenz>(FensterNr::Interferenz, "Interferenz",
                            QT_TRANSLATE_NOOP("Fensterliste", "Ausbreitung und Überlagerung von Wellen")),
    Zeile<TFormBeugung3>(FensterNr::Beugung3, "Beugung", QT_TRANSLATE_NOOP("Fensterliste", "Beugung")),
    Zeile<TFormSchwarzkoerper>(FensterNr::Schwarzkoerper, "Schwarzkoerper",
                               QT_TRANSLATE_NOOP("Fensterliste", "Strahlung eines schwarzen Körpers")),
    Zeile<TFormPlanckGesetz>(FensterNr::PlanckGesetz, "Planckgesetz",
                             QT_TRANSLATE_NOOP("Fensterliste", "Das Strahlungsgesetz von Max Planck")),
    Zeile<TFormPlanckKonstante2>(FensterNr::PlanckKonstante2, "Planckkonstante",
                                 QT_TRANSLATE_NOOP("Fensterliste", "Bestimmung der Planck’schen Konstante")),
    Zeile<TFormHallwachs>(FensterNr::Hallwachs, "Hallwachs", QT_TRANSLATE_NOOP("Fensterliste", "Der Hallwachs-Effekt")),
    Zeile<TFormGegenfeld2>(FensterNr::Gegenfeld2, "Gegenfeld",
                           QT_TRANSLATE_NOOP("Fensterliste", "Photoeffekt – Gegenfeldmethode")),
    Zeile<TFormEinsteinGl>(FensterNr::EinsteinGl, "Einsteingleichung",
                           QT_TRANSLATE_NOOP("Fensterliste", "Ergebnis der Messungen mit einer Photozelle")),
    Zeile<TFormHSerien>(FensterNr::HSerien, "Wasserstoffserien",
                        QT_TRANSLATE_NOOP("Fensterliste", "Spektralserien des atomaren Wasserstoffs")),
    Zeile<TFormSpektren3D>(FensterNr::Spektren3D, "Spektren",
                           QT_TRANSLATE_NOOP("Fensterliste", "Spektren von einatomigen Gasen")),
    Zeile<TFormHAtom3>(FensterNr::HAtom3, "Energiestufen",
                       QT_TRANSLATE_NOOP("Fensterliste", "Energiestufen im Wasserstoffatom")),
    Zeile<TFormHAtomProbe3>(FensterNr::HAtomProbe3, "Energiestufenprobe",
                            QT_TRANSLATE_NOOP("Fensterliste", "Prüfe Energiestufen im Wasserstoffatom")),
    Zeile<TFormFranckHertz2>(FensterNr::FranckHertz2, "FranckHertz",
                             QT_TRANSLATE_NOOP("Fensterliste", "Franck-Hertz-Versuch: Durchführung")),
    Zeile<TFormFranckHertzAnordnung2>(FensterNr::FranckHertzAnordnung2, "FranckHertzAnordnung",
                                      QT_TRANSLATE_NOOP("Fensterliste", "Franck-Hertz-Versuch: Anordnung")),
    Zeile<TFormFranckHertzKurve2>(FensterNr::FranckHertzKurve2, "FranckHertzKurve",
                                  QT_TRANSLATE_NOOP("Fensterliste", "Franck-Hertz-Versuch: Auffängerstrom")),
    Zeile<TFormBohrAtom2>(FensterNr::BohrAtom2, "Bohr",
                          QT_TRANSLATE_NOOP("Fensterliste", "Das Modell des Wasserstoffatoms von Niels Bohr")),
    Zeile<TFormDoppelspalt>(FensterNr::Doppelspalt, "Doppelspalt",
                            QT_TRANSLATE_NOOP("Fensterliste", "Doppelspaltversuch mit Elektronen oder Photonen")),
    Zeile<TFormHeisenberg>(FensterNr::Heisenberg, "Unschaerfe",
                           QT_TRANSLATE_NOOP("Fensterliste", "Heisenberg’sche Unschärferelation")),
    Zeile<TFormStWellen>(FensterNr::StWellen, "StehendeWellen", QT_TRANSLATE_NOOP("Fensterliste", "Stehende Wellen")),
    Zeile<TFormSchroedinger3>(FensterNr::Schroedinger3, "Atommodell",
                              QT_TRANSLATE_NOOP("Fensterliste", "Das quantenmechanische Atommodell")),
    Zeile<TFormPhotozelle5>(FensterNr::Photozelle5, "Photozelle",
                            QT_TRANSLATE_NOOP("Fensterliste", "Die Vakuum-Photozelle")),
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

QString vereinfacht(QString s)
{
    s = s.trimmed().toLower();
    s.replace(QStringLiteral("ä"), QStringLiteral("ae"));
    s.replace(QStringLiteral("ö"), QStringLiteral("oe"));
    s.replace(QStringLiteral("ü"), QStringLiteral("ue"));
    s.replace(QStringLiteral("ß"), QStringLiteral("ss"));
    s.remove(QLatin1Char('-'));
    return s;
}
}  // namespace

FensterNr FensterMitKurzname(const QString &name)
{
    const QString gesucht = vereinfacht(name);
    if (gesucht.isEmpty())
        return FensterNr::Anzahl;
    for (const FensterEintrag &e : Fensterliste)
        if (e.kurz && vereinfacht(QString::fromLatin1(e.kurz)) == gesucht)
            return e.nr;
    return FensterNr::Anzahl;
}

TFormMain *ErzeugeAlleFenster(QSize monitor)
{
    auto *haupt = new TFormMain(monitor);
    FensterAnmelden(FensterNr::Main, haupt);
    for (const FensterEintrag &e : Fensterliste)
        if (e.erzeuge)
            FensterAnmelden(e.nr, e.erzeuge(), QString::fromLatin1(e.kurz));
    return haupt;
}
