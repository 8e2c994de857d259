#include "kurznamen.h"

const Kurzname Kurznamen[KurznamenAnzahl] = {
    {"TFormInterferenz", "Interferenz", "Ausbreitung und Überlagerung von Wellen"},
    {"TFormBeugung3", "Beugung", "Beugung"},
    {"TFormSchwarzkoerper", "Schwarzkoerper", "Strahlung eines schwarzen Körpers"},
    {"TFormPlanckGesetz", "Planckgesetz", "Das Strahlungsgesetz von Max Planck"},
    {"TFormPhotozelle5", "Photozelle", "Die Vakuum-Photozelle"},
    {"TFormHallwachs", "Hallwachs", "Der Hallwachs-Effekt"},
    {"TFormGegenfeld2", "Gegenfeld", "Photoeffekt – Gegenfeldmethode"},
    {"TFormEinsteinGl", "Einsteingleichung", "Ergebnis der Messungen mit einer Photozelle"},
    {"TFormPlanckKonstante2", "Planckkonstante", "Bestimmung der Planck’schen Konstante"},
    {"TFormSpektren3D", "Spektren", "Spektren von einatomigen Gasen"},
    {"TFormHSerien", "Wasserstoffserien", "Spektralserien des atomaren Wasserstoffs"},
    {"TFormHAtom3", "Energiestufen", "Energiestufen im Wasserstoffatom"},
    {"TFormHAtomProbe3", "Energiestufenprobe", "Prüfe Energiestufen im Wasserstoffatom"},
    {"TFormFranckHertzAnordnung2", "FranckHertzAnordnung", "Franck-Hertz-Versuch: Anordnung"},
    {"TFormFranckHertz2", "FranckHertz", "Franck-Hertz-Versuch: Durchführung"},
    {"TFormFranckHertzKurve2", "FranckHertzKurve", "Franck-Hertz-Versuch: Auffängerstrom"},
    {"TFormBohrAtom2", "Bohr", "Das Modell des Wasserstoffatoms von Niels Bohr"},
    {"TFormDoppelspalt", "Doppelspalt", "Doppelspaltversuch mit Elektronen oder Photonen"},
    {"TFormHeisenberg", "Unschaerfe", "Heisenberg’sche Unschärferelation"},
    {"TFormStWellen", "StehendeWellen", "Stehende Wellen"},
    {"TFormSchroedinger3", "Atommodell", "Das quantenmechanische Atommodell"},
};

namespace {
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

QString KurznameVon(const QString &klasse)
{
    for (const Kurzname &k : Kurznamen)
        if (klasse == QLatin1String(k.klasse))
            return QString::fromLatin1(k.kurz);
    QString kurz = klasse;
    if (kurz.startsWith(QLatin1String("TForm")))
        kurz.remove(0, 5);
    return kurz.isEmpty() ? QStringLiteral("Quantenpfad") : kurz;
}

QString KlasseVonKurzname(const QString &name)
{
    const QString gesucht = vereinfacht(name);
    if (gesucht.isEmpty())
        return {};
    for (const Kurzname &k : Kurznamen)
        if (vereinfacht(QString::fromLatin1(k.kurz)) == gesucht)
            return QString::fromLatin1(k.klasse);
    return {};
}
