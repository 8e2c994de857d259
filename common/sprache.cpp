// The program's language and the default locale that carries it.
#include "sprache.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {
Sprache aktuell = Sprache::Deutsch;
// the English captions of every folder, installed while the language is English
std::vector<std::unique_ptr<QTranslator>> uebersetzer;
}

std::optional<Sprache> SpracheAusText(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("de") || t == QLatin1String("deutsch") || t == QLatin1String("german"))
        return Sprache::Deutsch;
    if (t == QLatin1String("en") || t == QLatin1String("englisch") || t == QLatin1String("english"))
        return Sprache::Englisch;
    return std::nullopt;
}

Sprache SpracheDesSystems(const QString &localeName)
{
    return localeName.trimmed().toLower().startsWith(QLatin1String("de")) ? Sprache::Deutsch : Sprache::Englisch;
}

Sprache AktuelleSprache() { return aktuell; }

void SpracheSetzen(Sprache s)
{
    aktuell = s;
    QLocale::setDefault(s == Sprache::Deutsch ? QLocale(QLocale::German, QLocale::Germany)
                                              : QLocale(QLocale::English, QLocale::UnitedKingdom));
    for (const auto &t : uebersetzer)
        QCoreApplication::removeTranslator(t.get());
    uebersetzer.clear();
    if (s != Sprache::Englisch)
        return;
    for (const char *ordner : {"app", "common", "guide", "waves", "thermal", "photo", "atoms", "franckhertz", "hydrogen"}) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(QStringLiteral(":/i18n/%1_en.qm").arg(QLatin1String(ordner)))) {
            QCoreApplication::installTranslator(t.get());
            uebersetzer.push_back(std::move(t));
        }
    }
}

QString SprachKuerzel(Sprache s) { return s == Sprache::Deutsch ? QStringLiteral("de") : QStringLiteral("en"); }
