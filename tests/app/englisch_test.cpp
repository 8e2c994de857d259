// The English edition in every window: no caption left in German, none wider than its control,
// and the English captions' accelerators unique in each window.
#include "fensterliste.h"
#include "fensterregister.h"
#include "panel.h"
#include "sprache.h"
#include "testhilfen.h"
#include "zugang.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

namespace {

// Words that occur in German captions and never in English ones.
const QSet<QString> DeutscheWoerter = {
    QStringLiteral("und"),    QStringLiteral("der"),     QStringLiteral("die"),    QStringLiteral("das"),
    QStringLiteral("des"),    QStringLiteral("dem"),     QStringLiteral("den"),    QStringLiteral("zurück"),
    QStringLiteral("seite"),  QStringLiteral("mit"),     QStringLiteral("für"),    QStringLiteral("von"),
    QStringLiteral("zum"),    QStringLiteral("zur"),     QStringLiteral("nicht"),  QStringLiteral("ist"),
    QStringLiteral("eine"),   QStringLiteral("oder"),    QStringLiteral("über"),   QStringLiteral("weiter"),
    QStringLiteral("zeige"),  QStringLiteral("zeichne"), QStringLiteral("wähle"),  QStringLiteral("langsam"),
    QStringLiteral("schnell"), QStringLiteral("spannung"), QStringLiteral("wellenlänge"), QStringLiteral("licht"),
    QStringLiteral("unterbrechen"), QStringLiteral("hinweis"), QStringLiteral("hinweise"), QStringLiteral("beobachtung"),
};

QString Klartext(const QString &t)
{
    return OhneMarken(Qt::mightBeRichText(t) ? QTextDocumentFragment::fromHtml(t).toPlainText() : t);
}

// The caption a control shows and the width it has for it (0: it may wrap or scroll).
struct Beschriftet {
    QString text;
    int platz = 0;
};

std::optional<Beschriftet> Beschriftung(const QWidget *w)
{
    const int rand = 4;  // the button's frame and a pixel of air on each side
    if (auto *b = qobject_cast<const QPushButton *>(w)) {
        const int symbol = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        return Beschriftet{b->text(), b->width() - symbol - 2 * rand};
    }
    if (auto *b = qobject_cast<const QAbstractButton *>(w))  // check box, radio button
        return Beschriftet{b->text(), b->width() - 20};
    if (auto *l = qobject_cast<const QLabel *>(w))
        return Beschriftet{l->text(), l->wordWrap() ? 0 : l->width()};
    if (auto *g = qobject_cast<const QGroupBox *>(w))
        return Beschriftet{g->title(), g->width() - 2 * rand};
    if (auto *p = qobject_cast<const Panel *>(w))
        return Beschriftet{p->caption(), p->caption().contains(QLatin1Char('\n')) ? 0 : p->width() - 2};
    return std::nullopt;
}

}  // namespace

TEST(Englisch, EveryWindowSpeaksEnglishInCaptionsThatFit)
{
    FrischerZustand();
    SpracheSetzen(Sprache::Englisch);
    ErzeugeAlleFenster(QSize(1280, 1024));
    static const QRegularExpression wort(QStringLiteral("[\\p{L}]+"));
    for (QWidget *f : AlleFenster()) {
        FensterOeffnen(f);
        Ereignisse();
        const std::string fenster = f->metaObject()->className();
        QSet<QString> gemeldet;
        const auto pruefe = [&](const QString &roh, int platz, const QFontMetrics &fm, const std::string &was) {
            const QString text = Klartext(roh);
            if (text.trimmed().isEmpty() || gemeldet.contains(text))
                return;
            for (auto it = wort.globalMatch(text); it.hasNext();) {
                const QString w = it.next().captured(0).toLower();
                if (DeutscheWoerter.contains(w)) {
                    gemeldet.insert(text);
                    ADD_FAILURE() << fenster << ": " << was << " „" << text.toStdString() << "“ is German";
                    return;
                }
            }
            int breite = 0;
            for (const QString &zeile : text.split(QLatin1Char('\n')))
                breite = std::max(breite, fm.horizontalAdvance(zeile));
            if (platz > 0 && breite > platz) {
                gemeldet.insert(text);
                ADD_FAILURE() << fenster << ": " << was << " „" << text.toStdString() << "“ needs " << breite
                              << " px, has " << platz;
            }
        };
        for (const QWidget *w : f->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(f) || w->isWindow())
                continue;
            if (auto b = Beschriftung(w))
                pruefe(b->text, b->platz, w->fontMetrics(), w->metaObject()->className());
            if (auto *c = qobject_cast<const QComboBox *>(w))
                for (int i = 0; i < c->count(); ++i)
                    pruefe(c->itemText(i), 0, c->fontMetrics(), "drop-down entry");
            if (auto *t = qobject_cast<const QTabBar *>(w))
                for (int i = 0; i < t->count(); ++i)
                    pruefe(t->tabText(i), 0, t->fontMetrics(), "tab");
        }
        pruefe(f->windowTitle(), 0, f->fontMetrics(), "window title");
        f->close();
    }
    for (QWidget *w : AlleFenster())
        delete w;
    SpracheSetzen(Sprache::Deutsch);
}
