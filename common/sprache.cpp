// The program's language and the default locale that carries it.
#include "sprache.h"

#include <QLocale>

namespace {
Sprache aktuell = Sprache::Deutsch;
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

Sprache AktuelleSprache() { return aktuell; }

void SpracheSetzen(Sprache s)
{
    aktuell = s;
    QLocale::setDefault(s == Sprache::Deutsch ? QLocale(QLocale::German, QLocale::Germany)
                                              : QLocale(QLocale::English, QLocale::UnitedKingdom));
}

QString SprachKuerzel(Sprache s) { return s == Sprache::Deutsch ? QStringLiteral("de") : QStringLiteral("en"); }
