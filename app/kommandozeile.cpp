#include "kommandozeile.h"

#include "fensterliste.h"
#include "guidefenster.h"
#include "seiten.h"
#include "simfenster.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#ifndef QP_VERSION
#define QP_VERSION "1.0"
#endif

namespace {
// The first guide page that opens the window, 0 when none does.
int SeiteVon(FensterNr nr)
{
    for (int n = 1; n <= SeitenAnzahl; ++n)
        if (SeiteNr(n).fenster == nr)
            return n;
    return 0;
}

// The lines of the windows the command line can open, in the order of the guide.
std::vector<const FensterEintrag *> Aufrufbare()
{
    std::vector<const FensterEintrag *> liste;
    for (const FensterEintrag &e : Fensterliste)
        if (e.erzeuge && e.kurz)
            liste.push_back(&e);
    const auto seite = [](const FensterEintrag *e) {
        const int n = SeiteVon(e->nr);
        return n > 0 ? n : SeitenAnzahl + 1;
    };
    std::stable_sort(liste.begin(), liste.end(),
                     [&](const FensterEintrag *a, const FensterEintrag *b) { return seite(a) < seite(b); });
    return liste;
}

Aufruf fehler(const QString &meldung)
{
    Aufruf a;
    a.art = Aufruf::Art::Fehler;
    a.meldung = meldung;
    return a;
}

// An error of a command line that chose its language: the message is shown in it.
Aufruf fehlerIn(std::optional<Sprache> sprache, const QString &meldung)
{
    Aufruf a = fehler(meldung);
    a.sprache = sprache;
    return a;
}
}  // namespace

QStringList VerfuegbareFenster()
{
    QStringList namen;
    for (const FensterEintrag *e : Aufrufbare())
        namen << QString::fromLatin1(e->kurz).toLower();
    return namen;
}

QString VersionText() { return QStringLiteral("Quantenpfad " QP_VERSION "\n"); }

QString HilfeText(Sprache sprache)
{
    if (sprache == Sprache::Englisch) {
        QString t = QStringLiteral(
            "Usage: quantenpfad [options]\n"
            "\n"
            "Quantenpfad – a program for learning quantum physics at upper secondary school.\n"
            "\n"
            "Options:\n"
            "  -h, --help                 shows this help\n"
            "  -v, --version              shows the version number\n"
            "  --seite N                  opens the guide at page N (1 to %1)\n"
            "  --fenster NAME             opens a simulation window over its page of the\n"
            "                             guide (names below)\n"
            "  --textverzeichnis FOLDER   reads the texts from FOLDER for this run\n"
            "  --sprache de|en, --language de|en\n"
            "                             German or English (kept for the next start)\n"
            "  --zuruecksetzen, --reset   forgets the kept settings\n"
            "\n"
            "Windows:\n")
                        .arg(SeitenAnzahl);
        // the subjects in the captions' language: English once the English captions are installed
        for (const FensterEintrag *e : Aufrufbare())
            t += QStringLiteral("  %1%2\n")
                     .arg(QString::fromLatin1(e->kurz).toLower(), -27)
                     .arg(e->thema ? QCoreApplication::translate("Fensterliste", e->thema) : QString());
        return t;
    }
    QString t = QStringLiteral(
        "Aufruf: quantenpfad [Optionen]\n"
        "\n"
        "Quantenpfad – ein Lernprogramm zur Quantenphysik für die Oberstufe.\n"
        "\n"
        "Optionen:\n"
        "  -h, --help                 zeigt diese Hilfe\n"
        "  -v, --version              zeigt die Versionsnummer\n"
        "  --seite N                  öffnet den Leitfaden auf Seite N (1 bis %1)\n"
        "  --fenster NAME             öffnet ein Simulationsfenster über seiner Seite\n"
        "                             des Leitfadens (Namen unten)\n"
        "  --textverzeichnis ORDNER   liest die Texte für diesen Lauf aus ORDNER\n"
        "  --sprache de|en, --language de|en\n"
        "                             Deutsch oder Englisch (bleibt für den nächsten Start)\n"
        "  --zuruecksetzen, --reset   vergisst die gespeicherten Einstellungen\n"
        "\n"
        "Fenster:\n")
                    .arg(SeitenAnzahl);
    for (const FensterEintrag *e : Aufrufbare())
        t += QStringLiteral("  %1%2\n")
                 .arg(QString::fromLatin1(e->kurz).toLower(), -27)
                 .arg(QString::fromUtf8(e->thema ? e->thema : ""));
    return t;
}

Aufruf KommandozeileAuswerten(const QStringList &argumente)
{
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("hilfe")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption seite(QStringLiteral("seite"), QString(), QStringLiteral("N"));
    const QCommandLineOption fenster(QStringLiteral("fenster"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption texte(QStringLiteral("textverzeichnis"), QString(), QStringLiteral("ORDNER"));
    const QCommandLineOption zurueck(QStringList{QStringLiteral("zuruecksetzen"), QStringLiteral("reset")});
    const QCommandLineOption sprache(QStringList{QStringLiteral("sprache"), QStringLiteral("language")}, QString(),
                                     QStringLiteral("de|en"));
    p.addOptions({hilfe, version, seite, fenster, texte, zurueck, sprache});
    // Qt's own options, which the application object takes.
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "display", "style",
                             "stylesheet", "session", "name", "qmljsdebugger"})
        p.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("x")));
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        p.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!p.parse(argumente.isEmpty() ? QStringList{QStringLiteral("quantenpfad")} : argumente)) {
        if (!p.unknownOptionNames().isEmpty()) {
            const QString name = p.unknownOptionNames().constFirst();
            return fehler(QCoreApplication::translate("Kommandozeile", "Unbekannte Option „%1%2“.")
                              .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        const QString text = p.errorText();  // "Missing value after '--seite'."
        const qsizetype a = text.indexOf(QLatin1Char('\'')), b = text.lastIndexOf(QLatin1Char('\''));
        if (text.startsWith(QLatin1String("Missing value")) && a >= 0 && b > a)
            return fehler(QCoreApplication::translate("Kommandozeile", "Nach „%1“ fehlt ein Wert.")
                              .arg(text.mid(a + 1, b - a - 1)));
        return fehler(text);
    }
    std::optional<Sprache> gewaehlt;
    if (p.isSet(sprache)) {
        const QString wert = p.values(sprache).constLast();
        gewaehlt = SpracheAusText(wert);
        if (!gewaehlt)
            return fehler(
                QCoreApplication::translate("Kommandozeile", "Unbekannte Sprache „%1“: möglich sind de und en.").arg(wert));
    }
    if (p.isSet(hilfe)) {
        Aufruf a;
        a.art = Aufruf::Art::Hilfe;
        a.sprache = gewaehlt;
        return a;
    }
    if (p.isSet(version)) {
        Aufruf a;
        a.art = Aufruf::Art::Version;
        return a;
    }
    if (!p.positionalArguments().isEmpty())
        return fehlerIn(gewaehlt, QCoreApplication::translate("Kommandozeile", "Unerwartetes Argument „%1“.")
                          .arg(p.positionalArguments().first()));

    Aufruf a;
    a.sprache = gewaehlt;
    if (p.isSet(seite)) {
        const QString wert = p.values(seite).constLast();
        bool ok = false;
        a.seite = wert.trimmed().toInt(&ok);
        if (!ok || a.seite < 1 || a.seite > SeitenAnzahl)
            return fehlerIn(gewaehlt, QCoreApplication::translate("Kommandozeile",
                                                      "Ungültige Seitennummer „%1“: Der Leitfaden hat die Seiten 1 bis %2.")
                              .arg(wert)
                              .arg(SeitenAnzahl));
    }
    if (p.isSet(fenster)) {
        const QString name = p.values(fenster).constLast();
        a.fenster = FensterMitKurzname(name);
        const std::vector<const FensterEintrag *> aufrufbar = Aufrufbare();
        if (std::none_of(aufrufbar.begin(), aufrufbar.end(), [&](const FensterEintrag *e) { return e->nr == a.fenster; }))
            return fehlerIn(gewaehlt, QCoreApplication::translate("Kommandozeile", "Unbekanntes Fenster „%1“. Möglich sind: %2.")
                              .arg(name, VerfuegbareFenster().join(QStringLiteral(", "))));
    }
    if (p.isSet(texte)) {
        a.textverzeichnis = p.values(texte).constLast();
        if (!QFileInfo(a.textverzeichnis).isDir())
            return fehlerIn(gewaehlt, QCoreApplication::translate("Kommandozeile", "Das Textverzeichnis „%1“ gibt es nicht.")
                              .arg(a.textverzeichnis));
    }
    a.zuruecksetzen = p.isSet(zurueck);
    return a;
}

void KommandozeileAnwenden(const Aufruf &aufruf)
{
    int seite = aufruf.seite;
    if (seite == 0 && aufruf.fenster != FensterNr::Anzahl)
        seite = SeiteVon(aufruf.fenster);
    auto *guide = FensterVon<TFormGuide>();
    if (seite > 0 && guide) {
        guide->SeiteWaehlen(seite);
        FensterOeffnen(guide);  // shows the page
    }
    if (aufruf.fenster == FensterNr::Anzahl)
        return;
    // Through the page's "zeig’s mir!" when the page opens this window, so that it is
    // prepared as from the guide (the counter-field window's view, for one).
    if (guide && guide->isVisible() && aufruf.fenster == SeiteNr(guide->aktuelleSeite()).fenster)
        guide->BitBtnZeigenClick();
    else
        FensterOeffnen(FensterVon(aufruf.fenster));
}
