#include "textdatei.h"

#include "richedit.h"
#include "rtf.h"
#include "sprache.h"
#include "steuerelemente.h"

#include <QDir>
#include <QGuiApplication>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <memory>

QString TextOrdner() { return AktuelleSprache() == Sprache::Englisch ? TextPfad + QStringLiteral("en/") : TextPfad; }

QString FindeTextDatei(const QString &verzeichnis, const QString &dateiname)
{
    if (dateiname.isEmpty() || dateiname.contains(u'/'))
        return QString();
    const QDir dir(verzeichnis.isEmpty() ? QStringLiteral(".") : verzeichnis);
    auto pfad = [&](const QString &name) { return verzeichnis.isEmpty() ? name : dir.filePath(name); };

    const QFileInfo genau(dir, dateiname);
    if (genau.isFile())
        return pfad(dateiname);
    if (!dir.exists())
        return QString();
    const QStringList namen = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : namen)
        if (name.compare(dateiname, Qt::CaseInsensitive) == 0)
            return pfad(name);
    return QString();
}

namespace {

// Files from this size on take a noticeable time (about a tenth of a second and more) to read
// and lay out: a busy cursor shows while they load.
constexpr qint64 GrosseDatei = 256 * 1024;

bool LadeMitZeiger(RichEdit *edit, const QString &pfad)
{
    const bool gross = QFileInfo(pfad).size() >= GrosseDatei;
    if (gross)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool geladen = LadeRtf(edit, pfad);
    if (gross)
        QGuiApplication::restoreOverrideCursor();
    return geladen;
}

}  // namespace

void SchreibeTextOderDatei(RichEdit *edit, const QString &dateiname, const std::function<void()> &selbst)
{
    if (!edit)
        return;
    edit->leeren();
    if (TexteVonDatei) {
        const QString pfad = FindeTextDatei(TextOrdner(), dateiname);
        if (!pfad.isEmpty() && LadeMitZeiger(edit, pfad)) {
            edit->zumAnfang();
            return;
        }
        edit->leeren();
    }
    if (selbst)
        selbst();
    edit->zumAnfang();
}

bool LadeTextOhneErsatz(RichEdit *edit, const QString &dateiname)
{
    if (!edit)
        return false;
    const std::unique_ptr<QTextDocument> vorher(edit->document()->clone());
    const QString pfad = FindeTextDatei(TextOrdner(), dateiname);
    if (!pfad.isEmpty() && LadeMitZeiger(edit, pfad)) {
        edit->zumAnfang();
        return true;
    }
    // The text shown before stays.
    if (edit->document()->isEmpty() && !vorher->isEmpty()) {
        QTextCursor(edit->document()).insertFragment(QTextDocumentFragment(vorher.get()));
        edit->zumAnfang();
    }
    const QString name = TextOrdner() + dateiname;
    const QString meldung = pfad.isEmpty()
        ? QCoreApplication::translate("Textdatei", "Die Datei „%1“ wurde nicht gefunden.").arg(name)
        : QCoreApplication::translate("Textdatei", "Die Datei „%1“ kann nicht als Text geladen werden.").arg(name);
    Meldung(edit->window(), MeldungsTyp::Fehler, meldung);
    return false;
}
