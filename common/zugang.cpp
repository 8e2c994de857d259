// Screen readers: the interfaces of the picture and the panel, and names for unnamed controls.
#include "zugang.h"

#include "bild.h"
#include "edit.h"
#include "panel.h"
#include "trackbar.h"
#include "updown.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolButton>

#include <limits>

namespace {

// A picture: a graphic whose description is what it shows now.
class BildZugang : public QAccessibleWidget {
public:
    explicit BildZugang(QWidget *w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<const Bild *>(widget())->beschreibung();
        return QAccessibleWidget::text(t);
    }
};

// A panel: with a caption it reads as that text (a value shown, a title), else it is a pane.
class PanelZugang : public QAccessibleWidget {
public:
    explicit PanelZugang(QWidget *w) : QAccessibleWidget(w, QAccessible::Pane) {}
    QAccessible::Role role() const override
    {
        return caption().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return OhneMarken(caption());
        return QAccessibleWidget::text(t);
    }

private:
    QString caption() const { return static_cast<const Panel *>(widget())->caption(); }
};

QAccessibleInterface *Fabrik(const QString &klasse, QObject *o)
{
    if (!o || !o->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(o);
    if (klasse == QLatin1String("Bild"))
        return new BildZugang(w);
    if (klasse == QLatin1String("Panel"))
        return new PanelZugang(w);
    return nullptr;
}

bool Benennbar(const QWidget *w)
{
    return qobject_cast<const TrackBar *>(w) || qobject_cast<const UpDown *>(w) || qobject_cast<const Edit *>(w) ||
           qobject_cast<const QComboBox *>(w);
}

// The text a widget shows that may stand for a control beside it: a label's or a panel's
// caption, when it is words (a caption that starts with a digit or a sign is a value shown).
QString Beschriftung(const QWidget *w)
{
    QString t;
    if (auto *l = qobject_cast<const QLabel *>(w))
        t = Qt::mightBeRichText(l->text()) ? QTextDocumentFragment::fromHtml(l->text()).toPlainText() : l->text();
    else if (auto *p = qobject_cast<const Panel *>(w); p && p->findChildren<QWidget *>().isEmpty())
        t = p->caption();
    t = OhneMarken(t).trimmed();
    while (t.endsWith(QLatin1Char(':')))
        t = t.chopped(1).trimmed();
    if (t.isEmpty() || !t[0].isLetter())
        return {};
    return t;
}

// The label lines stacked right above the widget oben (each at most 6 px above the next).
QString ZeilenDarueber(const QWidget *oben, QString text)
{
    for (int zeilen = 0; zeilen < 3; ++zeilen) {
        const QRect g = oben->geometry();
        const QWidget *naechste = nullptr;
        for (const QWidget *s : oben->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect r = s->geometry();
            if (s != oben && !s->isHidden() && !Beschriftung(s).isEmpty() && r.left() <= g.right() &&
                r.right() >= g.left() && r.top() < g.top() - 4 && r.bottom() < g.bottom() && g.top() - r.bottom() <= 6)
                naechste = s;
        }
        if (!naechste)
            break;
        text = ZeilenVerbinden({Beschriftung(naechste), text});
        oben = naechste;
    }
    return text;
}

// The nearest caption before the control in its row, or right above it.
QString NachbarText(const QWidget *c)
{
    const QWidget *p = c->parentWidget();
    if (!p)
        return {};
    const QRect g = c->geometry();
    const QWidget *beste = nullptr;
    bool darueber = false;
    int abstand = std::numeric_limits<int>::max();
    for (const QWidget *s : p->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (s == c || s->isHidden())
            continue;
        const QString t = Beschriftung(s);
        if (t.isEmpty())
            continue;
        const QRect r = s->geometry();
        int d = std::numeric_limits<int>::max();
        bool ueber = false;
        const bool zeile = r.top() <= g.bottom() && r.bottom() >= g.top();
        const bool spalte = r.left() <= g.right() && r.right() >= g.left();
        if (zeile && r.right() <= g.left() + 2) {
            d = g.left() - r.right();
        } else if (spalte && r.bottom() <= g.top() + 2) {
            d = g.top() - r.bottom();
            ueber = true;
        }
        if (d < abstand && d <= 40) {
            abstand = d;
            beste = s;
            darueber = ueber;
        }
    }
    if (!beste)
        return {};
    return darueber ? ZeilenDarueber(beste, Beschriftung(beste)) : Beschriftung(beste);
}

// The unit a track bar's scale gives with its last mark ("0 … 10 eV" → "eV").
QString Einheit(const TrackBar *b)
{
    if (b->skalaMarken().isEmpty())
        return {};
    const QString letzte = b->skalaMarken().last().text.trimmed();
    const qsizetype leer = letzte.lastIndexOf(QRegularExpression(QStringLiteral("[\\s\\x{00A0}]")));
    if (leer <= 0 || !letzte[0].isDigit())
        return {};
    const QString einheit = letzte.mid(leer + 1);
    return einheit.isEmpty() || einheit[0].isDigit() ? QString() : einheit;
}

QString Gruppentitel(const QWidget *c)
{
    for (const QWidget *p = c->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (auto *g = qobject_cast<const QGroupBox *>(p); g && !g->title().isEmpty())
            return OhneMarken(g->title()).trimmed();
    return {};
}

// The track bar or edit right beside an up-down (in its row, at most 12 px off): the control
// whose value its arrows change.
const QWidget *PartnerNeben(const UpDown *u)
{
    const QRect g = u->geometry();
    for (const QWidget *b : u->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<const TrackBar *>(b) && !qobject_cast<const Edit *>(b))
            continue;
        const QRect r = b->geometry();
        if (r.top() <= g.bottom() && r.bottom() >= g.top() &&
            (std::abs(g.left() - r.right()) <= 12 || std::abs(r.left() - g.right()) <= 12))
            return b;
    }
    return nullptr;
}

}  // namespace

void ZugangEinrichten()
{
    static const bool eingerichtet = (QAccessible::installFactory(Fabrik), true);
    (void)eingerichtet;
}

QString ZeilenVerbinden(const QStringList &zeilen)
{
    QString text;
    for (const QString &z : zeilen) {
        const QString t = z.trimmed();
        if (t.isEmpty())
            continue;
        if (text.endsWith(QLatin1Char('-')) && t[0].isLower())
            text.chop(1);  // a word divided at the line's end
        else if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += t;
    }
    return text;
}

QString OhneMarken(const QString &caption)
{
    QString t;
    t.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                t += caption[++i];
            continue;
        }
        t += caption[i] == QLatin1Char('\n') ? QChar(QLatin1Char(' ')) : caption[i];
    }
    return t;
}

void NamenVergeben(QWidget *fenster)
{
    const QList<QWidget *> alle = fenster->findChildren<QWidget *>();
    QList<UpDown *> updowns;
    for (QWidget *w : alle) {
        if (!Benennbar(w) || !w->accessibleName().isEmpty())
            continue;
        if (auto *u = qobject_cast<UpDown *>(w)) {
            updowns.append(u);  // after the bars
            continue;
        }
        QString name;
        for (const QWidget *l : alle)
            if (auto *label = qobject_cast<const QLabel *>(l); label && label->buddy() == w)
                name = Beschriftung(label);
        if (name.isEmpty())
            name = NachbarText(w);
        if (name.isEmpty())
            name = Gruppentitel(w);
        if (auto *b = qobject_cast<TrackBar *>(w); b && !name.isEmpty()) {
            const QString einheit = Einheit(b);
            if (!einheit.isEmpty() && !name.contains(einheit))
                name += QStringLiteral(" (") + einheit + QLatin1Char(')');
        }
        w->setAccessibleName(name);
    }
    for (UpDown *u : updowns) {
        const QWidget *b = PartnerNeben(u);
        QString name = b ? b->accessibleName() : QString();
        if (name.isEmpty())
            name = NachbarText(u);
        if (name.isEmpty())
            name = Gruppentitel(u);
        u->setAccessibleName(name);
    }
    // a drop-down's name is read as its current entry on this desktop: its label goes along
    // as the description
    for (QWidget *w : alle)
        if (auto *c = qobject_cast<QComboBox *>(w); c && !c->accessibleName().isEmpty() && c->accessibleDescription().isEmpty())
            c->setAccessibleDescription(c->accessibleName());
    // the arrows of every up-down, named after it
    for (QWidget *w : alle)
        if (auto *u = qobject_cast<UpDown *>(w); u && !u->accessibleName().isEmpty()) {
            const QList<QToolButton *> pfeile = u->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
            for (QToolButton *p : pfeile) {
                const bool hoch = p->arrowType() == Qt::UpArrow || p->arrowType() == Qt::RightArrow;
                p->setAccessibleName((hoch ? QCoreApplication::translate("Zugang", "%1: höher")
                                           : QCoreApplication::translate("Zugang", "%1: niedriger"))
                                         .arg(u->accessibleName()));
            }
        }
}
