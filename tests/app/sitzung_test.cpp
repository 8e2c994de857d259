// Settings kept between runs: the text directory (chosen, found or gone), the two check
// boxes of the information window, forgetting them; and where the texts are looked for.
#include "einstellungen.h"
#include "fensterliste.h"
#include "infofenster.h"
#include "startfenster.h"
#include "richtext.h"
#include "simfenster.h"
#include "sitzung.h"
#include "sprache.h"
#include "testhilfen.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class SitzungTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QStandardPaths::setTestModeEnabled(true);
        FrischerZustand();
        haupt = ErzeugeAlleFenster(QSize(1280, 1024));
        info = qobject_cast<TFormInfo *>(FensterVon(FensterNr::Info));
    }
    static void TearDownTestSuite()
    {
        const QList<QWidget *> fenster = AlleFenster();
        for (auto it = fenster.crbegin(); it != fenster.crend(); ++it)
            delete *it;
    }
    void SetUp() override
    {
        EinstellungenVergessen();
        QDir::setCurrent(start.path());
    }
    void TearDown() override
    {
        EinstellungenVergessen();
        QDir::setCurrent(QDir::tempPath());
    }

    static inline TFormMain *haupt = nullptr;
    static inline TFormInfo *info = nullptr;
    QTemporaryDir start;  // the start directory
    QTemporaryDir anderes;
};
}  // namespace

TEST_F(SitzungTest, ChosenSettingsComeBackAndAMissingDirectoryFallsBackQuietly)
{
    MeldungsSammler meldungen;
    SitzungBeginnen();
    EXPECT_EQ(TextPfad, AlsTextPfad(start.filePath(QStringLiteral("QuantenTexte"))));  // none found
    EXPECT_TRUE(TexteVonDatei);

    // The user picks another directory and both boxes.
    TextPfad = anderes.path() + QLatin1Char('/');
    info->checkBoxTexteIntern()->setChecked(true);
    info->checkBoxPieps()->setChecked(true);
    FensterOeffnen(info);
    info->close();  // closing the information window keeps them
    ASSERT_TRUE(QFile::exists(EinstellungenDatei()));

    FrischerZustand();
    info->checkBoxTexteIntern()->setChecked(false);
    info->checkBoxPieps()->setChecked(false);
    SitzungBeginnen();
    EXPECT_EQ(TextPfad, AlsTextPfad(anderes.path()));
    EXPECT_FALSE(TexteVonDatei);
    EXPECT_FALSE(PiepsAn);
    EXPECT_TRUE(info->checkBoxTexteIntern()->isChecked());
    EXPECT_TRUE(info->checkBoxPieps()->isChecked());

    // The command line wins for one run and is not kept.
    QTemporaryDir einmal;
    SitzungBeginnen(einmal.path());
    EXPECT_EQ(TextPfad, AlsTextPfad(einmal.path()));
    SitzungSichern();
    EXPECT_EQ(EinstellungenLaden().textverzeichnis, AlsTextPfad(anderes.path()));

    // The chosen directory is gone: the default, without a message.
    const QString weg = AlsTextPfad(anderes.path());
    anderes.remove();
    SitzungBeginnen();
    EXPECT_EQ(TextPfad, AlsTextPfad(start.filePath(QStringLiteral("QuantenTexte"))));
    EXPECT_TRUE(meldungen.liste.isEmpty());

    // Forgotten: everything as at the first start.
    EinstellungenVergessen();
    SitzungBeginnen();
    EXPECT_TRUE(TexteVonDatei);
    EXPECT_TRUE(PiepsAn);
    EXPECT_FALSE(info->checkBoxTexteIntern()->isChecked());
    EXPECT_NE(TextPfad, weg);
}

TEST_F(SitzungTest, TextsAreLookedForBesideTheStartThenPerUserThenInTheSystem)
{
    const QStringList orte = TextverzeichnisOrte(start.path());
    ASSERT_GE(orte.size(), 3);
    EXPECT_EQ(orte[0], AlsTextPfad(start.filePath(QStringLiteral("QuantenTexte"))));
    EXPECT_EQ(orte[1], AlsTextPfad(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                   QStringLiteral("/Quantenpfad/QuantenTexte")));
    EXPECT_TRUE(orte.contains(QStringLiteral("/usr/share/quantenpfad/QuantenTexte/")));

    // The per-user folder when the start directory has none, the start directory's first.
    ASSERT_TRUE(QDir().mkpath(orte[1]));
    EXPECT_EQ(TextverzeichnisSuchen(start.path()), orte[1]);
    ASSERT_TRUE(QDir(start.path()).mkdir(QStringLiteral("QuantenTexte")));
    EXPECT_EQ(TextverzeichnisSuchen(start.path()), orte[0]);
    QDir(orte[1]).removeRecursively();

    // The information window's text page names the directory in use.
    TextPfad = orte[0];
    InfoSeite = 7;
    info->SchreibeInfo();
    EXPECT_TRUE(info->richEditInfo()->toPlainText().contains(QDir::cleanPath(orte[0])))
        << info->richEditInfo()->toPlainText().toStdString();
    TextPfad = anderes.filePath(QStringLiteral("fehlt/"));
    EXPECT_TRUE(TextverzeichnisEinsetzen(QStringLiteral("@TEXTVERZEICHNIS@")).contains(QStringLiteral("gibt es zurzeit nicht")));
    // In English the texts come from its folder "en", which the start directory's lacks.
    TextPfad = orte[0];
    SpracheSetzen(Sprache::Englisch);
    const QString englisch = TextverzeichnisEinsetzen(QStringLiteral("@TEXTVERZEICHNIS@"));
    SpracheSetzen(Sprache::Deutsch);
    EXPECT_TRUE(englisch.contains(QStringLiteral("QuantenTexte\\/en”")) && englisch.contains(QStringLiteral("does not exist")))
        << englisch.toStdString();
}
