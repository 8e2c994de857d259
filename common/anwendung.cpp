#include "anwendung.h"

#include "steuerelemente.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {
// Fusion, with drop-down lists that open below their box and show as many entries as
// the box asks for (its maximum visible count) instead of a list over the box.
class Anwendungsstil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hinweis, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *antwort) const override
    {
        if (hinweis == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hinweis, option, widget, antwort);
    }
};
}  // namespace

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
    EnterDruecktKnoepfe();
}
