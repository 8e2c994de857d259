#include "anwendung.h"

#include "farbe.h"
#include "sprache.h"
#include "steuerelemente.h"
#include "zugang.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {
// The face of a push button: its colour, or light where that would not let its caption be read.
const QColor Hell(0xEF, 0xEF, 0xEF);
QColor KnopfFlaeche(const QPalette &p)
{
    const bool lesbar = Kontrastverhaeltnis(FarbeAusRgb(p.color(QPalette::ButtonText).rgb()),
                                            FarbeAusRgb(p.color(QPalette::Button).rgb())) >= 4.5;
    return lesbar ? p.color(QPalette::Button) : Hell;
}

// The colour a control's focus frame stands on: a push button's face, else the background
// of the nearest widget that fills its own.
QColor FokusGrund(const QWidget *w)
{
    if (auto *b = qobject_cast<const QPushButton *>(w))
        return KnopfFlaeche(b->palette());
    for (const QWidget *p = w; p; p = p->parentWidget())
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(p->backgroundRole());
    return Qt::white;
}

// The keyboard focus: a solid frame two pixels wide in black or white, whichever stands out
// from what it is drawn on, so that it shows on every panel colour.
void FokusRahmen(QPainter *p, const QRect &r, const QWidget *w)
{
    if (r.width() < 4 || r.height() < 4)
        return;
    const QColor c = QFarbe(TextFarbeAuf(FarbeAusRgb(FokusGrund(w).rgb())));
    p->save();
    p->fillRect(QRect(r.left(), r.top(), r.width(), 2), c);
    p->fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), c);
    p->fillRect(QRect(r.left(), r.top(), 2, r.height()), c);
    p->fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), c);
    p->restore();
}

// Fusion, with drop-down lists that open below their box and show as many entries as
// the box asks for (its maximum visible count) instead of a list over the box, and with
// check and radio boxes that stay light on a dark background, so that the mark shows.
class Anwendungsstil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_PanelButtonCommand && KnopfFlaeche(option->palette) != option->palette.color(QPalette::Button)) {
            // a button on a dark panel keeps a light face, so that its caption stays readable
            QStyleOption hell(*option);
            hell.palette.setColor(QPalette::Button, Hell);
            QProxyStyle::drawPrimitive(element, &hell, painter, widget);
            return;
        }
        if (element == PE_FrameFocusRect) {
            if (option->state & State_KeyboardFocusChange)
                FokusRahmen(painter, option->rect, widget);
            return;
        }
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
    void drawComplexControl(ComplexControl steuer, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(steuer, option, painter, widget);
        if ((steuer == CC_Slider || steuer == CC_ComboBox) && (option->state & State_HasFocus) &&
            (option->state & State_KeyboardFocusChange))
            FokusRahmen(painter, option->rect, widget);
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
    SpracheSetzen(Sprache::Deutsch);
}
