#include "fensterregister.h"

#include <QGuiApplication>
#include <QWidget>

namespace {
struct Eintrag {
    FensterNr nr;
    QString kurzname;
    QWidget *fenster;
};

QList<Eintrag> &verzeichnis()
{
    static QList<Eintrag> v;
    return v;
}

}  // namespace

void FensterAnmelden(FensterNr nr, QWidget *fenster, const QString &kurzname)
{
    if (!fenster)
        return;
    verzeichnis().append({nr, kurzname, fenster});
    QObject::connect(fenster, &QObject::destroyed, [fenster] { FensterEntfernen(fenster); });
}

QWidget *FensterVon(FensterNr nr)
{
    if (nr == FensterNr::Anzahl)
        return nullptr;
    for (const Eintrag &e : verzeichnis())
        if (e.nr == nr)
            return e.fenster;
    return nullptr;
}

QWidget *FensterDerKlasse(const QMetaObject &klasse)
{
    for (const Eintrag &e : verzeichnis())
        if (e.fenster->metaObject() == &klasse)
            return e.fenster;
    return nullptr;
}

QString FensterKurzname(const QWidget *fenster)
{
    for (const Eintrag &e : verzeichnis())
        if (e.fenster == fenster && !e.kurzname.isEmpty())
            return e.kurzname;
    return fenster ? QString::fromLatin1(fenster->metaObject()->className()) : QString();
}

QList<QWidget *> AlleFenster()
{
    QList<QWidget *> liste;
    for (const Eintrag &e : verzeichnis())
        liste.append(e.fenster);
    return liste;
}

void FensterEntfernen(QWidget *fenster)
{
    verzeichnis().removeIf([fenster](const Eintrag &e) { return e.fenster == fenster; });
}

void FensterOeffnen(QWidget *fenster)
{
    if (!fenster)
        return;
    fenster->showMaximized();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {  // it has no stacking
        fenster->raise();
        fenster->activateWindow();
    }
}
