#include "glossar.h"

#include <QCoreApplication>

namespace {
// The terms in German; the drop-down shows them translated.
const char *const begriffe[] = {
    QT_TRANSLATE_NOOP("Glossar", "Ablösearbeit"), QT_TRANSLATE_NOOP("Glossar", "Alkali-Metall"),
    QT_TRANSLATE_NOOP("Glossar", "Alpha-Teilchen"), QT_TRANSLATE_NOOP("Glossar", "anregen"),
    QT_TRANSLATE_NOOP("Glossar", "Äther"), QT_TRANSLATE_NOOP("Glossar", "Atomhülle"),
    QT_TRANSLATE_NOOP("Glossar", "Atomkern"), QT_TRANSLATE_NOOP("Glossar", "Atomkern"),
    QT_TRANSLATE_NOOP("Glossar", "Auslenkung"), QT_TRANSLATE_NOOP("Glossar", "Beugung"),
    QT_TRANSLATE_NOOP("Glossar", "Bohr"), QT_TRANSLATE_NOOP("Glossar", "Compton-Effekt "),
    QT_TRANSLATE_NOOP("Glossar", "De Broglie"), QT_TRANSLATE_NOOP("Glossar", "Determinismus"),
    QT_TRANSLATE_NOOP("Glossar", "Doppelspalt"), QT_TRANSLATE_NOOP("Glossar", "Dualismus"),
    QT_TRANSLATE_NOOP("Glossar", "Einstein"), QT_TRANSLATE_NOOP("Glossar", "elektromagnetische Strahlung"),
    QT_TRANSLATE_NOOP("Glossar", "Elektronvolt"), QT_TRANSLATE_NOOP("Glossar", "Energie und Spannung"),
    QT_TRANSLATE_NOOP("Glossar", "Ernest Rutherford"), QT_TRANSLATE_NOOP("Glossar", "Franck"),
    QT_TRANSLATE_NOOP("Glossar", "Fraunhofer-Linien"), QT_TRANSLATE_NOOP("Glossar", "Heisenberg"),
    QT_TRANSLATE_NOOP("Glossar", "Hertz Gustav"), QT_TRANSLATE_NOOP("Glossar", "Hertz Heinrich"),
    QT_TRANSLATE_NOOP("Glossar", "Huygens"), QT_TRANSLATE_NOOP("Glossar", "Impuls"),
    QT_TRANSLATE_NOOP("Glossar", "Intensität"), QT_TRANSLATE_NOOP("Glossar", "Interferenz"),
    QT_TRANSLATE_NOOP("Glossar", "Korpuskel"), QT_TRANSLATE_NOOP("Glossar", "Lichtquant"),
    QT_TRANSLATE_NOOP("Glossar", "Lichtwellen"), QT_TRANSLATE_NOOP("Glossar", "Materiewellen"),
    QT_TRANSLATE_NOOP("Glossar", "Orbital"), QT_TRANSLATE_NOOP("Glossar", "Photoelektronen"),
    QT_TRANSLATE_NOOP("Glossar", "Photon"), QT_TRANSLATE_NOOP("Glossar", "Photozelle"),
    QT_TRANSLATE_NOOP("Glossar", "Planck"), QT_TRANSLATE_NOOP("Glossar", "Quanten"),
    QT_TRANSLATE_NOOP("Glossar", "Ruhemasse"), QT_TRANSLATE_NOOP("Glossar", "Schrödinger"),
    QT_TRANSLATE_NOOP("Glossar", "Schwarzer Körper"), QT_TRANSLATE_NOOP("Glossar", "Seriengrenze"),
    QT_TRANSLATE_NOOP("Glossar", "Spektrum"), QT_TRANSLATE_NOOP("Glossar", "Stehende Welle"),
    QT_TRANSLATE_NOOP("Glossar", "Strahlungsgesetze"), QT_TRANSLATE_NOOP("Glossar", "Strahlungskurve"),
    QT_TRANSLATE_NOOP("Glossar", "Wellenlänge"),
};
}  // namespace

const QStringList &GlossarBegriffe()
{
    static const QStringList liste = [] {
        QStringList l;
        for (const char *b : begriffe)
            l << QString::fromUtf8(b);
        return l;
    }();
    return liste;
}

QString GlossarBegriffAngezeigt(int i)
{
    return i >= 0 && i < GlossarBegriffe().size() ? QCoreApplication::translate("Glossar", begriffe[i]) : QString();
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
