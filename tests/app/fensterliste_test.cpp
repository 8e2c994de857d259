// The window table: every guide page's window has its line and its own short name, each
// built window is created once as its class, none rewrites the shared layout values, none
// holds picture memory before it is shown, and each opens; a
// destroyed window leaves the registry; on low and narrow screens every simulation window
// keeps its controls on the screen.
#include "fensterliste.h"
#include "startfenster.h"
#include "seiten.h"
#include "testhilfen.h"
#include "bild.h"
#include "simfenster.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QSet>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {
std::array<int, 13> Layoutwerte()
{
    return {SpalteBreite, SpalteRand, SpalteLinks, ZurueckBreite, ZurueckHoehe, ZurueckLinks, ZurueckOben,
            SchriftKlein, SchriftNormal, SchriftMittel, SchriftGross, SchriftMittelDoppelt, SchriftGrossDoppelt};
}
}  // namespace

TEST(Fensterliste, EveryPagesWindowIsInTheTableAndOnceBuiltIsCreatedAndOpens)
{
    FrischerZustand();
    TFormMain *haupt = ErzeugeAlleFenster(QSize(1280, 1024));
    // no window's constructor rewrote the layout values the others read
    const std::array<int, 13> nachAllen = Layoutwerte();
    Bildschirmeinteilung(BildschirmBreite, BildschirmHoehe);
    EXPECT_EQ(nachAllen, Layoutwerte());
    EXPECT_EQ(FensterVon(FensterNr::Main), haupt);
    // a window not yet shown holds no picture memory
    for (QWidget *w : AlleFenster()) {
        if (w == haupt)
            continue;
        for (const Bild *b : w->findChildren<Bild *>()) {
            EXPECT_FALSE(b->angelegt()) << w->metaObject()->className() << " / " << b->objectName().toStdString()
                                        << " " << b->bildGroesse().width() << "x" << b->bildGroesse().height();
        }
    }
    for (const FensterEintrag &e : Fensterliste) {
        QWidget *w = FensterVon(e.nr);
        EXPECT_EQ(w != nullptr, e.erzeuge != nullptr || e.nr == FensterNr::Main) << e.klasse->className();
        if (w) {
            EXPECT_EQ(w->metaObject(), e.klasse) << e.klasse->className();
        }
    }
    for (int n = 1; n <= SeitenAnzahl; ++n) {
        const FensterNr nr = SeiteNr(n).fenster;
        if (n == SeitenAnzahl) {
            EXPECT_EQ(nr, FensterNr::Anzahl);  // the last page has no window
            continue;
        }
        ASSERT_LT(int(nr), FensterAnzahl) << n;
        QWidget *w = FensterVon(nr);
        if (!Fensterliste[std::size_t(nr)].erzeuge)
            continue;
        ASSERT_NE(w, nullptr) << n;
        EXPECT_EQ(FensterDerKlasse(*Fensterliste[std::size_t(nr)].klasse), w) << n;
        FensterOeffnen(w);
        EXPECT_TRUE(w->isVisible()) << n;
        w->close();
    }
    const QList<QWidget *> alle = AlleFenster();
    EXPECT_EQ(alle.size(), int(std::count_if(Fensterliste.begin(), Fensterliste.end(),
                                              [](const FensterEintrag &e) { return e.erzeuge; })) + 1);
    for (QWidget *w : alle)
        delete w;
    EXPECT_TRUE(AlleFenster().isEmpty());
}

TEST(Fensterliste, EveryPagesWindowHasItsOwnShortNameWhichLeadsBackToIt)
{
    QSet<QString> vergeben;
    for (int n = 1; n < SeitenAnzahl; ++n) {
        const FensterEintrag &e = Fensterliste[std::size_t(SeiteNr(n).fenster)];
        ASSERT_TRUE(e.kurz && *e.kurz) << n;
        EXPECT_EQ(FensterMitKurzname(QString::fromLatin1(e.kurz)), e.nr) << e.kurz;
        vergeben.insert(QString::fromLatin1(e.kurz).toLower());
    }
    int mitKurzname = 0;
    for (const FensterEintrag &e : Fensterliste)
        mitKurzname += e.kurz != nullptr;
    EXPECT_EQ(vergeben.size(), mitKurzname);  // no two windows share one
    // Typed by hand: case, umlauts and hyphens do not matter.
    struct Fall {
        const char *name;
        FensterNr nr;
    };
    for (const Fall &f : {Fall{"Schwarzkörper", FensterNr::Schwarzkoerper}, Fall{"PLANCKGESETZ", FensterNr::PlanckGesetz},
                          Fall{"franck-hertz-kurve", FensterNr::FranckHertzKurve2}, Fall{"unschärfe", FensterNr::Heisenberg},
                          Fall{"", FensterNr::Anzahl}, Fall{"gibtsnicht", FensterNr::Anzahl}})
        EXPECT_EQ(FensterMitKurzname(QString::fromUtf8(f.name)), f.nr) << f.name;
    // The register hands the short name on (it names the exported files).
    FrischerZustand();
    ErzeugeAlleFenster(QSize(1280, 1024));
    EXPECT_EQ(FensterKurzname(FensterVon(FensterNr::Schwarzkoerper)), QStringLiteral("Schwarzkoerper"));
    for (QWidget *w : AlleFenster())
        delete w;
}

namespace {
std::string Name(const QWidget *w)
{
    QString n = QString::fromLatin1(w->metaObject()->className());
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        n += QLatin1String(" „") + b->text() + QLatin1String("“");
    if (auto *b = qobject_cast<const QLabel *>(w))
        n += QLatin1String(" „") + b->text().left(24) + QLatin1String("“");
    if (auto *b = qobject_cast<const QGroupBox *>(w))
        n += QLatin1String(" „") + b->title() + QLatin1String("“");
    return n.toStdString();
}
}  // namespace

TEST(Fensterliste, OnLowAndNarrowScreensEveryControlIsOnTheScreenAndNoneCoversAnother)
{
    // monitors of netbooks and classroom projectors; the usable screen is 16 px narrower
    // and 64 px lower (BildschirmBreite, BildschirmHoehe)
    for (QSize monitor : {QSize(1024, 600), QSize(1280, 720), QSize(1024, 768)}) {
        FrischerZustand();
        ErzeugeAlleFenster(monitor);
        const QRect schirm(0, 0, BildschirmBreite, BildschirmHoehe);
        for (const FensterEintrag &e : Fensterliste) {
            auto *f = qobject_cast<SimFenster *>(FensterVon(e.nr));
            if (!f)
                continue;
            const std::string name = std::string(e.klasse->className()) + " " + std::to_string(monitor.width()) +
                                     "x" + std::to_string(monitor.height());
            FensterOeffnen(f);
            for (const QWidget *w : f->findChildren<QWidget *>()) {
                if (w->isWindow() || !w->isVisibleTo(f))
                    continue;
                const QRect r(w->mapTo(f, QPoint(0, 0)), w->size());
                EXPECT_TRUE(schirm.contains(r)) << name << ": " << Name(w) << " at " << r.x() << "," << r.y() << " "
                                                << r.width() << "x" << r.height();
            }
            // controls of the window itself: none covers another (a picture may carry controls,
            // two alternatives may share one place, frames may share a border pixel)
            QList<const QWidget *> oben;
            for (const QWidget *w : f->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (!w->isWindow() && w->isVisibleTo(f) && !qobject_cast<const Bild *>(w))
                    oben.append(w);
            for (qsizetype i = 0; i < oben.size(); ++i)
                for (qsizetype j = i + 1; j < oben.size(); ++j) {
                    const QRect a = oben[i]->geometry(), b = oben[j]->geometry();
                    EXPECT_TRUE(a == b || !a.adjusted(1, 1, -1, -1).intersects(b))
                        << name << ": " << Name(oben[i]) << " and " << Name(oben[j]);
                }
            f->close();
        }
        for (QWidget *w : AlleFenster())
            delete w;
    }
}
