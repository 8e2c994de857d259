// The keyboard in every window: each caption marks at most one letter as its accelerator,
// no two visible controls of a window share one (in each choice of its radio groups too),
// and Tab reaches every control, the back button last.
#include "fensterliste.h"
#include "panel.h"
#include "radiogroup.h"
#include "trackbar.h"
#include "simfenster.h"
#include "sprache.h"
#include "testhilfen.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QMap>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace {
QString Beschriftung(const QWidget *w)
{
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->buddy() ? l->text() : QString();
    if (auto *p = qobject_cast<const Panel *>(w))
        return p->caption();
    return {};
}

std::string Name(const QWidget *fenster, const QWidget *w)
{
    return std::string(fenster->metaObject()->className()) + ": " + w->metaObject()->className() + " „" +
           Beschriftung(w).toStdString() + "“";
}

// The characters a caption marks ("&&" is a literal ampersand; a final '&' marks nothing
// and counts as a mark of a non-letter).
QList<QChar> Markiert(const QString &text)
{
    QList<QChar> z;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            z.append(i + 1 < text.size() ? text[i + 1] : QChar(QLatin1Char(' ')));
        }
    return z;
}

// Checks the captions of the controls of fenster visible now; a fault seen in an earlier
// state of the window is not reported again.
void TastenPruefen(const QWidget *fenster, const std::string &zustand, QSet<std::string> &gemeldet)
{
    const auto melden = [&](const std::string &fehler) {
        if (!gemeldet.contains(fehler)) {
            gemeldet.insert(fehler);
            ADD_FAILURE() << fehler << zustand;
        }
    };
    QMap<QString, const QWidget *> vergeben;  // letter (lower case) -> control
    for (const QWidget *w : fenster->findChildren<QWidget *>()) {
        // every caption, hidden ones too, marks at most one letter
        const QList<QChar> z = Markiert(Beschriftung(w));
        if (z.size() > 1)
            melden(Name(fenster, w) + " marks more than one letter");
        for (QChar c : z)
            if (!c.isLetter())
                melden(Name(fenster, w) + " marks a non-letter");
        if (w->isWindow() || !w->isVisibleTo(fenster))
            continue;
        for (QChar c : z) {
            const QString k = QString(c).toLower();
            if (auto it = vergeben.constFind(k); it != vergeben.cend() && *it != w)
                melden(Name(fenster, *it) + " and " + Name(fenster, w) + " share „" + k.toStdString() + "“");
            vergeben.insert(k, w);
        }
    }
}

bool Fokussierbar(const QWidget *fenster, const QWidget *w)
{
    return !w->isWindow() && w->isVisibleTo(fenster) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

void TabPruefen(QWidget *fenster)
{
    QList<QWidget *> kette;
    for (QWidget *w = fenster->nextInFocusChain(); w && w != fenster && kette.size() < 10000; w = w->nextInFocusChain())
        if (Fokussierbar(fenster, w))
            kette.append(w);
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (Fokussierbar(fenster, w)) {
            EXPECT_TRUE(kette.contains(w)) << Name(fenster, w) << " is not reached with Tab";
        }
    }
    auto *sim = qobject_cast<SimFenster *>(fenster);
    if (sim && sim->BitBtnZurueck && Fokussierbar(fenster, sim->BitBtnZurueck) && !kette.isEmpty()) {
        EXPECT_EQ(kette.last(), sim->BitBtnZurueck)
            << fenster->metaObject()->className() << ": Tab reaches " << Name(fenster, kette.last())
            << " after the back button";
    }
}
}  // namespace

class TastaturInJederSprache : public ::testing::TestWithParam<Sprache> {
protected:
    void TearDown() override { SpracheSetzen(Sprache::Deutsch); }
};

INSTANTIATE_TEST_SUITE_P(Sprachen, TastaturInJederSprache, ::testing::Values(Sprache::Deutsch, Sprache::Englisch));

TEST_P(TastaturInJederSprache, EveryWindowsAcceleratorsAreSingleLettersOfTheirOwnAndTabEndsAtTheBackButton)
{
    FrischerZustand();
    SpracheSetzen(GetParam());
    ErzeugeAlleFenster(QSize(1280, 1024));
    for (QWidget *f : AlleFenster()) {
        FensterOeffnen(f);
        Ereignisse();
        QSet<std::string> gemeldet;
        TastenPruefen(f, "", gemeldet);
        TabPruefen(f);
        // each choice of a radio group visible at first (it may swap the controls beside it)
        for (RadioGroup *g : f->findChildren<RadioGroup *>()) {
            if (!g->isVisibleTo(f) || !g->isEnabled())
                continue;
            const int vorher = g->ItemIndex();
            for (int i = 0; i < g->items().size(); ++i) {
                if (!g->knopf(i)->isEnabled())
                    continue;
                g->setItemIndex(i);
                Ereignisse();
                TastenPruefen(f, " (choice „" + g->items()[i].toStdString() + "“ of „" + g->title().toStdString() + "“)",
                             gemeldet);
            }
            g->setItemIndex(vorher);
            Ereignisse();
        }
        // each step of a window that goes through steps
        for (QAbstractButton *b : f->findChildren<QAbstractButton *>())
            if (const QString t = b->text().remove(QLatin1Char('&'));
                t == QStringLiteral("nächster Schritt") || t == QStringLiteral("next step"))
                for (int schritt = 2; schritt < 16 && b->isVisibleTo(f) && b->isEnabled(); ++schritt) {
                    b->click();
                    Ereignisse();
                    TastenPruefen(f, " (step " + std::to_string(schritt) + ")", gemeldet);
                }
        f->close();
    }
    for (QWidget *w : AlleFenster())
        delete w;
}

// The keys work every control: Space toggles a check box, the arrows move a track bar and the
// choice of a radio group, in every window (messages a change brings are collected).
TEST(Tastatur, SpaceTogglesCheckBoxesAndArrowsMoveTrackBarsAndRadioGroupsInEveryWindow)
{
    FrischerZustand();
    ErzeugeAlleFenster(QSize(1280, 1024));
    MeldungsSammler meldungen;
    for (QWidget *f : AlleFenster()) {
        FensterOeffnen(f);
        Ereignisse();
        const std::string fenster = f->metaObject()->className();
        const auto bedienbar = [&](QWidget *w) { return w->isVisibleTo(f) && w->isEnabled() && !w->isWindow(); };
        for (QCheckBox *c : f->findChildren<QCheckBox *>()) {
            if (!bedienbar(c) || !(c->focusPolicy() & Qt::TabFocus))
                continue;
            const bool vorher = c->isChecked();
            c->setFocus();
            QTest::keyClick(c, Qt::Key_Space);
            Ereignisse();
            if (!c->isEnabled() || !c->isVisibleTo(f))
                continue;  // the window took it away (a mode it switched)
            EXPECT_NE(c->isChecked(), vorher) << fenster << ": Space on „" << c->text().toStdString() << "“";
            QTest::keyClick(c, Qt::Key_Space);
            Ereignisse();
        }
        for (TrackBar *t : f->findChildren<TrackBar *>()) {
            if (!bedienbar(t) || t->Min() == t->Max())
                continue;
            const int vorher = t->Position();
            const Qt::Key taste = vorher < t->Max() ? Qt::Key_Right : Qt::Key_Left;
            t->setFocus();
            QTest::keyClick(t, taste);
            Ereignisse();
            EXPECT_NE(t->Position(), vorher) << fenster << ": an arrow on the track bar „"
                                             << t->accessibleName().toStdString() << "“";
            t->setPosition(vorher);
            Ereignisse();
        }
        for (RadioGroup *g : f->findChildren<RadioGroup *>()) {
            const int vorher = g->ItemIndex();
            if (!bedienbar(g) || vorher < 0 || g->items().size() < 2 || !g->knopf(vorher)->isEnabled())
                continue;
            // the arrow toward a neighbour: down or right, from the last one up or left
            for (Qt::Key taste : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left}) {
                g->knopf(vorher)->setFocus();
                QTest::keyClick(g->knopf(vorher), taste);
                Ereignisse();
                if (g->ItemIndex() != vorher)
                    break;
            }
            EXPECT_NE(g->ItemIndex(), vorher) << fenster << ": the arrows in „" << g->title().toStdString() << "“";
            g->setItemIndex(vorher);
            Ereignisse();
        }
        f->close();
    }
    for (QWidget *w : AlleFenster())
        delete w;
}
