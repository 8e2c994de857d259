// The command line: each option, bad input with status 2 (also from the program itself),
// and what the options open once the windows exist.
#include "fensterliste.h"
#include "guidefenster.h"
#include "startfenster.h"
#include "kommandozeile.h"
#include "simfenster.h"
#include "testhilfen.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
Aufruf auswerten(QStringList argumente)
{
    argumente.prepend(QStringLiteral("quantenpfad"));
    return KommandozeileAuswerten(argumente);
}
}  // namespace

TEST(Kommandozeile, OptionsAndBadInput)
{
    QTemporaryDir dir;
    using A = Aufruf::Art;
    struct Fall {
        QStringList argumente;
        A art;
        int seite;
        FensterNr fenster = FensterNr::Anzahl;
    };
    const Fall faelle[] = {
        {{}, A::Starten, 0},
        {{"--help"}, A::Hilfe, 0},
        {{"-h"}, A::Hilfe, 0},
        {{"--version"}, A::Version, 0},
        {{"-v"}, A::Version, 0},
        {{"--seite", "5"}, A::Starten, 5},
        {{"--seite=23"}, A::Starten, 23},
        {{"--fenster", "schwarzkoerper"}, A::Starten, 0, FensterNr::Schwarzkoerper},
        {{"--fenster", "Schwarzkörper", "--seite", "4"}, A::Starten, 4, FensterNr::Schwarzkoerper},
        {{"-platform", "offscreen", "--style", "fusion", "--seite", "3"}, A::Starten, 3},
        {{"--textverzeichnis", dir.path()}, A::Starten, 0},
        {{"--zuruecksetzen"}, A::Starten, 0},
        {{"--reset"}, A::Starten, 0},
        {{"--seite", "0"}, A::Fehler, 0},
        {{"--seite", "24"}, A::Fehler, 0},
        {{"--seite", "drei"}, A::Fehler, 0},
        {{"--seite"}, A::Fehler, 0},
        {{"--fenster", "gibtsnicht"}, A::Fehler, 0},
        {{"--textverzeichnis", dir.filePath("fehlt")}, A::Fehler, 0},
        {{"--unbekannt"}, A::Fehler, 0},
        {{"datei.rtf"}, A::Fehler, 0},
        {{"--sprache", "en"}, A::Starten, 0},
        {{"--sprache", "fr"}, A::Fehler, 0},
    };
    for (const Fall &f : faelle) {
        const Aufruf a = auswerten(f.argumente);
        const std::string name = f.argumente.join(' ').toStdString();
        EXPECT_EQ(a.art, f.art) << name;
        EXPECT_EQ(a.status(), f.art == A::Fehler ? 2 : 0) << name;
        EXPECT_EQ(a.meldung.isEmpty(), f.art != A::Fehler) << name;
        if (f.art == A::Starten) {
            EXPECT_EQ(a.seite, f.seite) << name;
            EXPECT_EQ(a.fenster, f.fenster) << name;
        }
    }
    EXPECT_TRUE(auswerten({"--reset"}).zuruecksetzen);
    EXPECT_EQ(auswerten({"--sprache", "en"}).sprache, Sprache::Englisch);
    EXPECT_EQ(auswerten({"--language=DE", "--help"}).sprache, Sprache::Deutsch);
    EXPECT_FALSE(auswerten({}).sprache.has_value());
    EXPECT_EQ(auswerten({"--textverzeichnis", dir.path()}).textverzeichnis, dir.path());
    // The help lists the windows there are, by their short names.
    for (const QString &name : VerfuegbareFenster())
        EXPECT_TRUE(HilfeText().contains(QStringLiteral("  ") + name + QLatin1Char(' '))) << name.toStdString();
    EXPECT_TRUE(VerfuegbareFenster().contains(QStringLiteral("schwarzkoerper")));
}

TEST(Kommandozeile, TheProgramEndsWithHelpVersionAndErrorsWithoutAScreen)
{
    struct Fall {
        QStringList argumente;
        int status;
        const char *ausgabe;  // in stdout (status 0) or stderr (status 2)
        const char *locale = "de_DE.UTF-8";  // the system's
    };
    const Fall faelle[] = {
        {{"--help"}, 0, "--fenster NAME"},
        {{"--version"}, 0, "Quantenpfad 1.0\n"},
        {{"--seite", "0"}, 2, "Ungültige Seitennummer „0“"},
        {{"--fenster", "mond"}, 2, "Unbekanntes Fenster „mond“"},
        {{"--gibtsnicht"}, 2, "Unbekannte Option „--gibtsnicht“"},
        {{"--seite"}, 2, "Nach „--seite“ fehlt ein Wert"},
        {{"--sprache", "en", "--help"}, 0, "Usage: quantenpfad [options]"},
        {{"--help", "--language", "de"}, 0, "Aufruf: quantenpfad [Optionen]"},
        {{"--sprache", "en", "--seite", "0"}, 2, "Invalid page number “0”"},
        {{"--help"}, 0, "Usage: quantenpfad [options]", "en_US.UTF-8"},  // the system's language
        {{"--help"}, 0, "Usage: quantenpfad [options]", "fr_FR.UTF-8"},
        {{"--help"}, 0, "Aufruf: quantenpfad [Optionen]", "de_AT.UTF-8"},
        {{"--help", "--sprache", "de"}, 0, "Aufruf: quantenpfad [Optionen]", "en_GB.UTF-8"},
    };
    const QTemporaryDir konfiguration;
    for (const Fall &f : faelle) {
        QProcess p;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("keine"));  // no screen needed
        umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), konfiguration.path());     // no kept language
        umgebung.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(f.locale));
        p.setProcessEnvironment(umgebung);
        p.start(QStringLiteral(QP_PROGRAMM), f.argumente);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), f.status) << f.argumente.join(' ').toStdString();
        const QString ausgabe = QString::fromLocal8Bit(f.status == 0 ? p.readAllStandardOutput() : p.readAllStandardError());
        EXPECT_TRUE(ausgabe.contains(QString::fromUtf8(f.ausgabe))) << ausgabe.toStdString();
    }
}

TEST(Kommandozeile, PageAndWindowAreOpened)
{
    FrischerZustand();
    std::unique_ptr<TFormMain> haupt(ErzeugeAlleFenster(QSize(1280, 1024)));
    auto *guide = qobject_cast<TFormGuide *>(FensterVon(FensterNr::Guide));
    QWidget *planck = FensterVon(FensterNr::PlanckGesetz);
    ASSERT_NE(guide, nullptr);
    ASSERT_NE(planck, nullptr);

    KommandozeileAnwenden(auswerten({"--seite", "12"}));
    EXPECT_TRUE(guide->isVisible());
    EXPECT_EQ(guide->aktuelleSeite(), 12);
    EXPECT_TRUE(guide->panelTheorie()->caption().startsWith(QStringLiteral("  Seite 12")));
    guide->hide();

    // A window alone opens over its own page of the guide.
    KommandozeileAnwenden(auswerten({"--fenster", "planckgesetz"}));
    EXPECT_EQ(guide->aktuelleSeite(), 4);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(planck->isVisible());

    for (QWidget *w : AlleFenster())
        if (w != haupt.get())
            delete w;
}
