// Quantenpfad: the program entry. Reads the command line, initialises the shared module,
// creates every window once in its fixed order, applies the kept settings and the command
// line, shows the start screen and runs the event loop until the start screen closes.
#include "anwendung.h"
#include "einstellungen.h"
#include "fensterliste.h"
#include "startfenster.h"
#include "global.h"
#include "kommandozeile.h"
#include "simfenster.h"
#include "sitzung.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <optional>

#ifndef QP_APP_ID
#define QP_APP_ID "io.github.quantenpfad.Quantenpfad"
#endif

int main(int argc, char **argv)
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const Aufruf aufruf = KommandozeileAuswerten(argumente);
    // The language: as given on the command line (and kept from then on), else as kept, else the
    // system's (German for a German locale, English for any other).
    const Sprache system = SpracheDesSystems(QLocale::system().name());
    const Sprache sprache = aufruf.sprache.value_or(
        aufruf.zuruecksetzen ? system : SpracheAusText(EinstellungenLaden().sprache).value_or(system));
    if (aufruf.art != Aufruf::Art::Starten) {
        // In English the help's subjects and the message need the English captions, and these an
        // application object (one without a screen): the command line is read again with them.
        std::optional<QCoreApplication> kern;
        Aufruf ende = aufruf;
        if (sprache == Sprache::Englisch) {
            kern.emplace(argc, argv);
            SpracheSetzen(sprache);
            ende = KommandozeileAuswerten(argumente);
        }
        const QString text =
            ende.art == Aufruf::Art::Hilfe      ? HilfeText(sprache)
            : ende.art == Aufruf::Art::Version ? VersionText()
                                               : QCoreApplication::translate("Kommandozeile",
                                                                             "quantenpfad: %1\nHilfe: quantenpfad --help\n")
                                                     .arg(ende.meldung);
        std::fputs(text.toLocal8Bit().constData(), ende.art == Aufruf::Art::Fehler ? stderr : stdout);
        return ende.status();
    }

    GlobalInitialisieren();
    // The screen's factor as the desktop gives it, fractions included: pictures are drawn at
    // device pixels at any factor (a rounded 1.5 would make everything a third larger).
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quantenpfad"));
    QApplication::setDesktopFileName(QStringLiteral(QP_APP_ID));
    QIcon symbol;
    for (int n : {16, 24, 32, 48, 64, 128, 256})
        symbol.addFile(QStringLiteral(":/symbol/%1.png").arg(n), QSize(n, n));
    QApplication::setWindowIcon(symbol);
    AnwendungEinrichten();
    if (aufruf.zuruecksetzen)
        EinstellungenVergessen();
    SpracheSetzen(sprache);
    if (aufruf.sprache) {
        Einstellungen e = EinstellungenLaden();
        e.sprache = SprachKuerzel(*aufruf.sprache);
        EinstellungenSpeichern(e);
    }
    // Qt's own dialogs (the export's file dialog) in German.
    QTranslator qtDeutsch;
    if (sprache == Sprache::Deutsch &&
        qtDeutsch.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    TFormMain *haupt = ErzeugeAlleFenster();
    SitzungBeginnen(aufruf.textverzeichnis);
    haupt->showMaximized();
    KommandozeileAnwenden(aufruf);
    const int rc = app.exec();
    SitzungSichern();

    // Windows live until the end; delete them after the loop, the start screen last.
    const QList<QWidget *> fenster = AlleFenster();
    for (auto it = fenster.crbegin(); it != fenster.crend(); ++it)
        delete *it;
    return rc;
}
