// Portraits: a teacher's JPEG from the text directory, else the drawn card.
#include "portrait.h"
#include "testhilfen.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Portrait, PhotoFromTheTextDirectoryWinsAndABrokenOneFallsBackToTheCard)
{
    FrischerZustand();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TextPfad = dir.path() + QLatin1Char('/');

    const QImage karte = PortraitBild(QStringLiteral("Planck"), 120, 160);
    EXPECT_EQ(karte, PortraitKarte(*PhysikerVon(QStringLiteral("Planck")), 120, 160));

    QImage foto(60, 80, QImage::Format_RGB32);
    foto.fill(QColor(200, 30, 30));
    ASSERT_TRUE(foto.save(dir.filePath(QStringLiteral("planck.JPG")), "JPG"));  // any case
    const QImage gezeigt = PortraitBild(QStringLiteral("Planck"), 120, 160);
    ASSERT_EQ(gezeigt.size(), QSize(120, 160));
    const QColor mitte = gezeigt.pixelColor(60, 80);
    EXPECT_NEAR(mitte.red(), 200, 12);
    EXPECT_NEAR(mitte.green(), 30, 12);

    QFile kaputt(dir.filePath(QStringLiteral("Einstein.jpg")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("\xFF\xD8\xFF\xE0 this is not really a JPEG");
    kaputt.close();
    EXPECT_EQ(PortraitBild(QStringLiteral("Einstein"), 120, 160),
              PortraitKarte(*PhysikerVon(QStringLiteral("Einstein")), 120, 160));
}

TEST(Portrait, EveryPhysicistHasHisOwnCard)
{
    const char *namen[] = {"Huygens", "Planck", "Einstein", "Franck", "GHertz", "Bohr",
                           "DeBroglie", "Heisenberg", "Schroedinger", "HHertz"};
    QList<QImage> karten;
    for (const char *n : namen) {
        const Physiker *p = PhysikerVon(QString::fromLatin1(n));
        ASSERT_NE(p, nullptr) << n;
        karten.append(PortraitKarte(*p, 163, 225));
    }
    for (int i = 0; i < karten.size(); ++i)
        for (int j = i + 1; j < karten.size(); ++j)
            EXPECT_NE(karten[i], karten[j]) << namen[i] << " " << namen[j];
    EXPECT_EQ(PhysikerVon(QStringLiteral("Niemand")), nullptr);
}
