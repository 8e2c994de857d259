#include "fensterregister.h"

#include <QGuiApplication>
#include <QMetaEnum>
#include <QWidget>

namespace {
struct Eintrag {
    FensterNr nr;
    QString klasse;
    QWidget *fenster;
};

QList<Eintrag> &verzeichnis()
{
    static QList<Eintrag> v;
    return v;
}

void Anmelden(FensterNr nr, const QString &klasse, QWidget *fenster)
{
    if (!fenster)
        return;
    verzeichnis().append({nr, klasse, fenster});
    QObject::connect(fenster, &QObject::destroyed, [fenster] { FensterEntfernen(fenster); });
}
}  // namespace

QString FensterKlasse(FensterNr nr)
{
    const char *name = QMetaEnum::fromType<FensterNr>().valueToKey(int(nr));
    return nr == FensterNr::Anzahl || !name ? QString() : QStringLiteral("TForm") + QLatin1String(name);
}

void FensterAnmelden(FensterNr nr, QWidget *fenster)
{
    if (fenster)
        Anmelden(nr, QString::fromLatin1(fenster->metaObject()->className()), fenster);
}

void FensterAnmelden(const QString &klasse, QWidget *fenster)
{
    FensterNr nr = FensterNr::Anzahl;
    for (int i = 0; i < FensterAnzahl; ++i)
        if (FensterKlasse(FensterNr(i)) == klasse)
            nr = FensterNr(i);
    Anmelden(nr, klasse, fenster);
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

QWidget *FensterVon(const QString &klasse)
{
    for (const Eintrag &e : verzeichnis())
        if (e.klasse == klasse)
            return e.fenster;
    return nullptr;
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
