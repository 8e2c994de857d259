#include "sitzung.h"

#include "einstellungen.h"
#include "infofenster.h"
#include "global.h"
#include "simfenster.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>

namespace {
QString automatisch;  // the directory found by searching
QString amStart;      // TextPfad when the run began

// Saves when the information window is hidden.
class InfoBeobachter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *objekt, QEvent *e) override
    {
        if (e->type() == QEvent::Hide)
            SitzungSichern();
        return QObject::eventFilter(objekt, e);
    }
};
}  // namespace

void SitzungBeginnen(const QString &textverzeichnis)
{
    const Einstellungen e = EinstellungenLaden();
    automatisch = TextverzeichnisSuchen(QDir::currentPath());
    if (!textverzeichnis.isEmpty())
        TextPfad = AlsTextPfad(textverzeichnis);
    else if (!e.textverzeichnis.isEmpty() && QFileInfo(e.textverzeichnis).isDir())
        TextPfad = AlsTextPfad(e.textverzeichnis);
    else
        TextPfad = automatisch;
    amStart = TextPfad;

    TexteVonDatei = !e.texteZurLaufzeit;
    PiepsAn = !e.computerStill;
    if (auto *info = qobject_cast<TFormInfo *>(FensterVon(FensterNr::Info))) {
        info->checkBoxTexteIntern()->setChecked(e.texteZurLaufzeit);
        info->checkBoxPieps()->setChecked(e.computerStill);
        info->installEventFilter(new InfoBeobachter(info));
    }
}

void SitzungSichern()
{
    Einstellungen e = EinstellungenLaden();
    if (TextPfad != amStart)  // changed in the information window
        e.textverzeichnis = TextPfad == automatisch ? QString() : TextPfad;
    e.texteZurLaufzeit = !TexteVonDatei;
    auto *info = qobject_cast<TFormInfo *>(FensterVon(FensterNr::Info));
    e.computerStill = info ? info->checkBoxPieps()->isChecked() : !PiepsAn;
    EinstellungenSpeichern(e);
}
