#include "glossar.h"

const QStringList &GlossarBegriffe()
{
    static const QStringList begriffe = {
        QStringLiteral("Ablösearbeit"), QStringLiteral("Alkali-Metall"), QStringLiteral("Alpha-Teilchen"),
        QStringLiteral("anregen"), QStringLiteral("Äther"), QStringLiteral("Atomhülle"), QStringLiteral("Atomkern"),
        QStringLiteral("Atomkern"), QStringLiteral("Auslenkung"), QStringLiteral("Beugung"), QStringLiteral("Bohr"),
        QStringLiteral("Compton-Effekt "), QStringLiteral("De Broglie"), QStringLiteral("Determinismus"),
        QStringLiteral("Doppelspalt"), QStringLiteral("Dualismus"), QStringLiteral("Einstein"),
        QStringLiteral("elektromagnetische Strahlung"), QStringLiteral("Elektronvolt"),
        QStringLiteral("Energie und Spannung"), QStringLiteral("Ernest Rutherford"), QStringLiteral("Franck"),
        QStringLiteral("Fraunhofer-Linien"), QStringLiteral("Heisenberg"), QStringLiteral("Hertz Gustav"),
        QStringLiteral("Hertz Heinrich"), QStringLiteral("Huygens"), QStringLiteral("Impuls"),
        QStringLiteral("Intensität"), QStringLiteral("Interferenz"), QStringLiteral("Korpuskel"),
        QStringLiteral("Lichtquant"), QStringLiteral("Lichtwellen"), QStringLiteral("Materiewellen"),
        QStringLiteral("Orbital"), QStringLiteral("Photoelektronen"), QStringLiteral("Photon"),
        QStringLiteral("Photozelle"), QStringLiteral("Planck"), QStringLiteral("Quanten"),
        QStringLiteral("Ruhemasse"), QStringLiteral("Schrödinger"), QStringLiteral("Schwarzer Körper"),
        QStringLiteral("Seriengrenze"), QStringLiteral("Spektrum"), QStringLiteral("Stehende Welle"),
        QStringLiteral("Strahlungsgesetze"), QStringLiteral("Strahlungskurve"), QStringLiteral("Wellenlänge"),
    };
    return begriffe;
}

namespace {
struct Verweis {
    const char *praefix;
    const char *seiten;
};
// Read row by row, left to right; the first match wins.
const Verweis verweise[] = {
    {"Ablöse", " 8"},  {"Alkali", " 6"},     {"Alpha-", "18"},  {"anrege", "13"},  {"angere", "13"},
    {"Atomke", "18"},  {"Atomhü", "18"},     {"Äther", " 9"},   {"Auslen", " 1"},  {"Beugun", " 2"},
    {"Compto", " 8"},  {"Doppel", "19"},     {"Dualis", "19"},  {"elektr", " 3"},  {"Elektr", " 7"},
    {"Energi", " 7"},  {"Ernest", "18"},     {"Fraunh", "11"},  {"Impuls", "19 + 20"}, {"Intens", " 1"},
    {"Interf", " 1"},  {"Korpus", " 1"},     {"Lichtw", " 1 + 2"}, {"Lichtq", " 8"}, {"Materi", "19"},
    {"Orbita", "22"},  {"Photoe", " 5"},     {"Photon", " 8"},  {"Photoz", " 5"},  {"Quante", " 6"},
    {"Ruhema", " 8"},  {"Schwar", " 3"},     {"Serien", "12"},  {"Spektr", "11 + 12"}, {"Stehen", "21"},
    {"Strahl", " 3 + 4"}, {"Wellen", " 1"},  {"Huygen", " 1"},  {"Planck", " 4"},  {"Einste", " 8"},
    {"Franck", "15"},  {"Hertz G", "16"},    {"Hertz H", " 5"}, {"Bohr", "18"},    {"De Bro", "19"},
    {"Heisen", "20"},  {"Schröd", "22"},     {"Determ", "23"},
};
}  // namespace

QString GlossarSeitenText(const QString &begriff)
{
    for (const Verweis &v : verweise) {
        const QString praefix = QString::fromUtf8(v.praefix);
        // Six characters are compared; four for "Bohr", seven for the two "Hertz" prefixes.
        int laenge = 6;
        if (praefix == QLatin1String("Bohr"))
            laenge = 4;
        else if (praefix.startsWith(QLatin1String("Hertz")))
            laenge = 7;
        if (begriff.left(laenge) == praefix)
            return QString::fromUtf8(v.seiten);
    }
    return QStringLiteral(" 1");
}

int GlossarSeitenNummer(const QString &seitenText)
{
    QString kopf = seitenText.left(2);
    if (kopf.startsWith(QLatin1Char(' ')))
        kopf = kopf.mid(1);
    bool ok = false;
    const int n = kopf.toInt(&ok);
    // A pasted "-5" is no page number either.
    return ok && n > 0 ? n : 0;
}
