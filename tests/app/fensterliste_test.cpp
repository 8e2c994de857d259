// The window table: every guide page's window has its line, each built window is created
// once under its class name and opens, and a destroyed window leaves the registry.
#include "fensterliste.h"
#include "formmain.h"
#include "seiten.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

TEST(Fensterliste, EveryPagesWindowIsInTheTableAndOnceBuiltIsCreatedAndOpens)
{
    FrischerZustand();
    TFormMain *haupt = ErzeugeAlleFenster(QSize(1280, 1024));
    EXPECT_EQ(FensterVon(FensterNr::Main), haupt);
    for (const FensterEintrag &e : Fensterliste) {
        QWidget *w = FensterVon(e.nr);
        EXPECT_EQ(w != nullptr, e.erzeuge != nullptr || e.nr == FensterNr::Main) << FensterKlasse(e.nr).toStdString();
        if (w && e.nr != FensterNr::Main) {
            EXPECT_EQ(QString::fromLatin1(w->metaObject()->className()), FensterKlasse(e.nr));
        }
    }
    for (int n = 1; n <= SeitenAnzahl; ++n) {
        const FensterNr nr = SeiteNr(n).fenster;
        if (n == SeitenAnzahl) {
            EXPECT_EQ(nr, FensterNr::Anzahl);  // the last page has no window
            continue;
        }
        ASSERT_LT(int(nr), FensterAnzahl) << n;
        EXPECT_FALSE(FensterKlasse(nr).isEmpty()) << n;
        QWidget *w = FensterVon(nr);
        if (!Fensterliste[std::size_t(nr)].erzeuge)
            continue;
        ASSERT_NE(w, nullptr) << n;
        EXPECT_EQ(FensterVon(FensterKlasse(nr)), w) << n;
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
