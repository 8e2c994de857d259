#include "zahltext.h"

#include "sprache.h"

QString MitKomma(QString text)
{
    return AktuelleSprache() == Sprache::Englisch ? text : text.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString Komma(double wert, int stellen) { return MitKomma(QString::number(wert, 'f', stellen)); }

QString KommaMitMinus(double wert, int stellen)
{
    QString s = Komma(wert, stellen);
    if (!s.startsWith(QLatin1Char('-')))
        return s;
    bool null = true;
    for (QChar z : QStringView(s).mid(1))
        null = null && (z == QLatin1Char('0') || z == QLatin1Char(',') || z == QLatin1Char('.'));
    if (null)
        return s.mid(1);
    return s.replace(0, 1, QChar(0x2212));
}
