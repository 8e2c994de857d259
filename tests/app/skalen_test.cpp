// Every window's track-bar scales, at two screen sizes: each mark names a value in its bar's
// range, and no mark's text runs into another mark or into another visible control.
#include "fensterliste.h"
#include "startfenster.h"
#include "steuerelemente.h"
#include "testhilfen.h"

#include <QLabel>
#include <QStyle>
#include <gtest/gtest.h>

#include <algorithm>

namespace {
// What a text must keep clear of: a label's own text, any other control whole.
QRect Belegt(QWidget *w)
{
    auto *l = qobject_cast<QLabel *>(w);
    if (!l || l->wordWrap())
        return w->geometry();
    if (l->text().isEmpty())
        return l->pixmap().isNull() ? QRect() : w->geometry();
    const QSize text = l->fontMetrics().size(0, l->text());
    return QStyle::alignedRect(l->layoutDirection(), l->alignment(), text, l->contentsRect())
        .translated(l->pos())
        .intersected(l->geometry());
}

QString Text(QWidget *w)
{
    auto *l = qobject_cast<QLabel *>(w);
    return l ? l->text() : QString();
}
}  // namespace

TEST(Skalen, MarksStayInRangeAndClearOfOtherControls)
{
    for (const QSize groesse : {QSize(1280, 1024), QSize(1920, 1080)}) {
        FrischerZustand();
        TFormMain *haupt = ErzeugeAlleFenster(groesse);
        for (QWidget *fenster : AlleFenster()) {
            if (fenster == haupt)
                continue;
            FensterOeffnen(fenster);
            const QString name = QString::fromLatin1(fenster->metaObject()->className()) +
                                 QStringLiteral(" %1×%2").arg(groesse.width()).arg(groesse.height());
            QList<TrackBar *> bars;
            for (TrackBar *bar : fenster->findChildren<TrackBar *>())
                if (bar->skala() && bar->isVisibleTo(fenster))
                    bars.append(bar);
            for (TrackBar *bar : bars) {
                const QString wo = name + QLatin1Char(' ') + bar->skalaMarken().constFirst().text;
                for (const TrackBar::Marke &m : bar->skalaMarken()) {
                    EXPECT_TRUE(m.wert >= bar->Min() && m.wert <= bar->Max()) << wo.toStdString();
                }
                QList<QRect> felder = bar->skalaFelder();
                for (QRect &f : felder)
                    f.adjust(0, 1, 0, -1);  // the text's line, without the strip's padding
                for (QWidget *nachbar : bar->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                    const bool streifen = std::any_of(bars.begin(), bars.end(),
                                                      [nachbar](TrackBar *b) { return b->skala() == nachbar; });
                    if (nachbar == bar || streifen || !nachbar->isVisibleTo(fenster))
                        continue;
                    for (const QRect &f : felder) {
                        const QRect belegt = Belegt(nachbar);
                        EXPECT_FALSE(f.intersects(belegt))
                            << wo.toStdString() << " / " << nachbar->metaObject()->className() << ' '
                            << Text(nachbar).toStdString() << ": " << f.y() << '+' << f.height() << " / "
                            << belegt.y() << '+' << belegt.height();
                    }
                }
                for (TrackBar *andere : bars) {
                    if (andere == bar || andere->parentWidget() != bar->parentWidget())
                        continue;
                    for (const QRect &f : felder)
                        for (const QRect &g : andere->skalaFelder()) {
                            EXPECT_FALSE(f.intersects(g)) << wo.toStdString();
                        }
                }
                for (int i = 1; i < felder.size(); ++i) {
                    EXPECT_LT(felder[i - 1].right(), felder[i].left()) << wo.toStdString();
                }
            }
            fenster->close();
        }
        for (QWidget *w : AlleFenster())
            delete w;
    }
}
