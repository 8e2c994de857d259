#include "anwendung.h"

#include "steuerelemente.h"
#include "zugang.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {
// Fusion, with drop-down lists that open below their box and show as many entries as
// the box asks for (its maximum visible count) instead of a list over the box, and with
// check and radio boxes that stay light on a dark background, so that the mark shows.
class Anwendungsstil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const auto *knopf = qstyleoption_cast<const QStyleOptionButton *>(option);
        if ((element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton) && knopf &&
            IstDunkel(knopf->palette.color(QPalette::Base))) {
            QStyleOptionButton hell(*knopf);
            hell.palette.setColor(QPalette::Base, Qt::white);
            hell.palette.setColor(QPalette::Text, Qt::black);
            hell.palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
            hell.palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x78, 0x78, 0x78));
            QProxyStyle::drawPrimitive(element, &hell, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    int styleHint(StyleHint hinweis, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *antwort) const override
    {
        if (hinweis == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hinweis, option, widget, antwort);
    }
};
}  // namespace

bool IstDunkel(const QColor &farbe)
{
    return 299 * farbe.red() + 587 * farbe.green() + 114 * farbe.blue() < 128 * 1000;
}

void AnwendungEinrichten()
{
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"),
                               {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    for (const char *name : {"Arial", "MS Sans Serif", "Tahoma"})
        QFont::insertSubstitutions(QString::fromLatin1(name),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Symbol"), {QStringLiteral("DejaVu Sans")});
    QApplication::setStyle(new Anwendungsstil(QStyleFactory::create(QStringLiteral("Fusion"))));
    QApplication::setQuitOnLastWindowClosed(false);
    KnoepfeAnTastenBinden();
    ZugangEinrichten();
}
