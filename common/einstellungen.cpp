#include "einstellungen.h"

#include "global.h"
#include "sprache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#ifndef QP_DATENVERZEICHNIS
#define QP_DATENVERZEICHNIS "/usr/share/quantenpfad"
#endif

namespace {
const QString schluesselText = QStringLiteral("Texte/Verzeichnis");
const QString schluesselLaufzeit = QStringLiteral("Texte/ErstZurLaufzeit");
const QString schluesselStill = QStringLiteral("Signale/ComputerSeiStad");
const QString schluesselExport = QStringLiteral("Export/Ordner");
const QString schluesselSprache = QStringLiteral("Allgemein/Sprache");
}  // namespace

QString EinstellungenDatei()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quantenpfad/Quantenpfad.conf");
}

Einstellungen EinstellungenLaden()
{
    QSettings s(EinstellungenDatei(), QSettings::IniFormat);
    Einstellungen e;
    e.textverzeichnis = s.value(schluesselText).toString();
    e.texteZurLaufzeit = s.value(schluesselLaufzeit, false).toBool();
    e.computerStill = s.value(schluesselStill, false).toBool();
    e.exportOrdner = s.value(schluesselExport).toString();
    e.sprache = s.value(schluesselSprache).toString();
    return e;
}

void EinstellungenSpeichern(const Einstellungen &e)
{
    QSettings s(EinstellungenDatei(), QSettings::IniFormat);
    if (e.textverzeichnis.isEmpty())
        s.remove(schluesselText);
    else
        s.setValue(schluesselText, e.textverzeichnis);
    s.setValue(schluesselLaufzeit, e.texteZurLaufzeit);
    s.setValue(schluesselStill, e.computerStill);
    if (e.exportOrdner.isEmpty())
        s.remove(schluesselExport);
    else
        s.setValue(schluesselExport, e.exportOrdner);
    if (e.sprache.isEmpty())
        s.remove(schluesselSprache);
    else
        s.setValue(schluesselSprache, e.sprache);
}

void EinstellungenVergessen()
{
    QFile::remove(EinstellungenDatei());
}

QString ExportOrdner()
{
    const QString gemerkt = EinstellungenLaden().exportOrdner;
    if (!gemerkt.isEmpty() && QFileInfo(gemerkt).isDir())
        return gemerkt;
    for (auto ort : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation}) {
        const QString pfad = QStandardPaths::writableLocation(ort);
        if (!pfad.isEmpty() && QFileInfo(pfad).isDir())
            return pfad;
    }
    return QDir::homePath();
}

void ExportOrdnerMerken(const QString &ordner)
{
    Einstellungen e = EinstellungenLaden();
    e.exportOrdner = ordner;
    EinstellungenSpeichern(e);
}

QString AlsTextPfad(const QString &verzeichnis)
{
    QString pfad = QDir::cleanPath(QFileInfo(verzeichnis).absoluteFilePath());
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    return pfad;
}

QStringList TextverzeichnisOrte(const QString &startverzeichnis)
{
    const QString name = QStringLiteral("QuantenTexte");
    QStringList orte{AlsTextPfad(QDir(startverzeichnis).filePath(name))};
    const QString benutzer = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!benutzer.isEmpty())
        orte << AlsTextPfad(benutzer + QStringLiteral("/Quantenpfad/") + name);
    QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    system.removeAll(benutzer);
    QStringList kandidaten;
    for (const QString &d : std::as_const(system))
        kandidaten << d + QStringLiteral("/quantenpfad/") + name;
    kandidaten << QStringLiteral(QP_DATENVERZEICHNIS "/") + name;
    for (const QString &k : std::as_const(kandidaten)) {
        const QString ort = AlsTextPfad(k);
        if (!orte.contains(ort))
            orte << ort;
    }
    return orte;
}

QString TextverzeichnisSuchen(const QString &startverzeichnis)
{
    const QStringList orte = TextverzeichnisOrte(startverzeichnis);
    for (const QString &ort : orte)
        if (QFileInfo(ort).isDir())
            return ort;
    return orte.first();
}

namespace {
// Characters of the text markup shown as they are.
QString ohneMarken(const QString &text)
{
    QString s;
    for (QChar c : text) {
        if (QStringLiteral("\\*~_^/{}").contains(c))
            s += QLatin1Char('\\');
        s += c;
    }
    return s;
}
}  // namespace

QString TextverzeichnisEinsetzen(const QString &markup)
{
    const QString marke = QStringLiteral("@TEXTVERZEICHNIS@");
    if (!markup.contains(marke))
        return markup;
    QString satz;
    // the English texts are read from the folder "en" inside the text directory
    const bool englisch = AktuelleSprache() == Sprache::Englisch;
    if (TextPfad.isEmpty() && !englisch) {
        satz = QCoreApplication::translate("Einstellungen",
                                           "Zurzeit sucht das Programm die Dateien direkt im Startverzeichnis „%1“.")
                   .arg(ohneMarken(QDir::currentPath()));
    } else {
        const QString basis = TextPfad.isEmpty() ? QDir::currentPath() + QLatin1Char('/') : TextPfad;
        const QString ort = QDir::cleanPath(QFileInfo(basis + (englisch ? QStringLiteral("en") : QString())).absoluteFilePath());
        satz = QFileInfo(ort).isDir()
                   ? QCoreApplication::translate("Einstellungen",
                                                 "Zurzeit liest das Programm die Texte aus dem Verzeichnis „%1“.")
                         .arg(ohneMarken(ort))
                   : QCoreApplication::translate("Einstellungen", "Das Verzeichnis „%1“ gibt es zurzeit nicht; das "
                                                                  "Programm erstellt deshalb alle Texte selbst.")
                         .arg(ohneMarken(ort));
    }
    QString ergebnis = markup;
    return ergebnis.replace(marke, satz);
}
