// The guide window: navigation, page list, texts from files or built in, the
// counter-field flag, glossary jumps and biographies.
#include "guidefenster.h"
#include "glossar.h"
#include "portrait.h"
#include "richtext.h"
#include "simfenster.h"
#include "testhilfen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QWheelEvent>
#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class GuideTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Bildschirm(1264, 960);
        guide = std::make_unique<TFormGuide>();
        TextPfad = QStringLiteral("/kein/solches/Verzeichnis/");
        guide->show();
    }

    bool sichtbar(QWidget *w) const { return w->isVisibleTo(guide.get()); }
    QString text() const { return guide->richEditTheorie()->toPlainText(); }

    std::unique_ptr<TFormGuide> guide;
    MeldungsSammler sammler;
    QList<MeldungsEintrag> &meldungen = sammler.liste;
};

}  // namespace

TEST_F(GuideTest, FirstAndLastPageHideWhatLeadsNowhere)
{
    EXPECT_EQ(guide->aktuelleSeite(), 1);
    EXPECT_FALSE(sichtbar(guide->bitBtnzurueck()));
    EXPECT_FALSE(sichtbar(guide->bitBtnSeite1()));
    EXPECT_TRUE(sichtbar(guide->bitBtnWeiter()));
    EXPECT_TRUE(sichtbar(guide->bitBtnZeigen()));
    for (int i = 1; i < 23; ++i)
        guide->bitBtnWeiter()->click();
    EXPECT_EQ(guide->aktuelleSeite(), 23);
    EXPECT_FALSE(sichtbar(guide->bitBtnWeiter()));
    EXPECT_FALSE(sichtbar(guide->bitBtnZeigen()));
    EXPECT_TRUE(sichtbar(guide->bitBtnzurueck()));
    EXPECT_EQ(guide->panelTheorie()->caption().trimmed(),
              QStringLiteral("Seite 23: Quantenphysik und modernes Weltbild"));
    guide->bitBtnSeite1()->click();
    EXPECT_EQ(guide->aktuelleSeite(), 1);
    EXPECT_EQ(guide->panelSeite()->caption(), QStringLiteral("Seite 1"));
}

TEST_F(GuideTest, PageListGoesToTheChosenPage)
{
    guide->comboBoxSeitenwahl()->setCurrentIndex(10);
    emit guide->comboBoxSeitenwahl()->activated(10);
    EXPECT_EQ(guide->aktuelleSeite(), 11);
    EXPECT_EQ(guide->panelTheorie()->caption(), QStringLiteral("  Seite 11: Spektren von Gasen "));
    EXPECT_EQ(guide->comboBoxSeitenwahl()->currentIndex(), -1);  // the placeholder again
    EXPECT_EQ(guide->panelSeite()->caption(), QStringLiteral("Seite 11"));
}

TEST_F(GuideTest, EveryPageHasItsBuiltInTextBeginningWithItsTitle)
{
    for (int n = 1; n <= 23; ++n) {
        guide->SeiteWaehlen(n);
        guide->Seitevorbereiten();
        const QString t = text();
        EXPECT_GT(t.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size(), 250) << n;
        // The first line is the page's first title line of its markup.
        const QString markup = LadeText(QStringLiteral(":/texte/guide/seite%1.txt").arg(n, 2, 10, QLatin1Char('0')));
        QString titel = markup.section(QLatin1Char('\n'), 0, 0);
        ASSERT_TRUE(titel.startsWith(QLatin1Char('#'))) << n;
        titel.remove(QRegularExpression(QStringLiteral("^#+ ")));
        EXPECT_EQ(t.section(QLatin1Char('\n'), 0, 0), titel) << n;
        EXPECT_FALSE(t.contains(QLatin1Char('*'))) << "markup left in page " << n;
        EXPECT_FALSE(t.contains(QStringLiteral(">>>"))) << n;
    }
}

TEST_F(GuideTest, AFileInTheTextDirectoryReplacesOnlyItsPage)
{
    QTemporaryDir dir;
    QFile datei(dir.filePath(QStringLiteral("QuantenText5.RTF")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("{\\rtf1\\ansi\\ansicpg1252 Lehrertext f\\'fcr Seite 5\\par}");
    datei.close();
    TextPfad = dir.path() + QLatin1Char('/');

    guide->SeiteWaehlen(5);
    guide->Seitevorbereiten();
    EXPECT_TRUE(text().contains(QStringLiteral("Lehrertext für Seite 5")));
    guide->bitBtnWeiter()->click();
    EXPECT_FALSE(text().contains(QStringLiteral("Lehrertext")));
    EXPECT_GT(text().size(), 1000);

    // Built-in texts chosen: the file is ignored.
    TexteVonDatei = false;
    guide->bitBtnzurueck()->click();
    EXPECT_FALSE(text().contains(QStringLiteral("Lehrertext")));
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(GuideTest, TheCheckBoxSwitchesBetweenBuiltInTextAndFileWithoutFallBack)
{
    guide->SeiteWaehlen(4);
    guide->Seitevorbereiten();
    const QString eingebaut = text();
    // Ticked by hand: built-in text. Unticked by hand: the file alone — missing, so an error,
    // and the page keeps the text it showed.
    QTest::mouseClick(guide->checkBoxNeuTheorie(), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_TRUE(guide->checkBoxNeuTheorie()->isChecked());
    EXPECT_EQ(text(), eingebaut);
    QTest::mouseClick(guide->checkBoxNeuTheorie(), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_FALSE(guide->checkBoxNeuTheorie()->isChecked());
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].typ, MeldungsTyp::Fehler);
    EXPECT_TRUE(meldungen[0].text.contains(QStringLiteral("QuantenText4.RTF")));
    EXPECT_EQ(text(), eingebaut);

    // Preparing a page unticks the box silently: no second message.
    QTest::mouseClick(guide->checkBoxNeuTheorie(), Qt::LeftButton, {}, QPoint(8, 10));
    guide->bitBtnWeiter()->click();
    EXPECT_FALSE(guide->checkBoxNeuTheorie()->isChecked());
    EXPECT_EQ(meldungen.size(), 1);

    // With built-in texts chosen, unticking writes the built-in text.
    TexteVonDatei = false;
    QTest::mouseClick(guide->checkBoxNeuTheorie(), Qt::LeftButton, {}, QPoint(8, 10));
    QTest::mouseClick(guide->checkBoxNeuTheorie(), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_GT(text().size(), 1000);
}

TEST_F(GuideTest, PagesSevenAndNineChooseTheCounterFieldView)
{
    auto *gegenfeld = new QWidget;
    FensterAnmelden(FensterNr::Gegenfeld2, gegenfeld);
    guide->SeiteWaehlen(7);
    guide->Seitevorbereiten();
    GegenfeldKlassisch = false;
    guide->bitBtnZeigen()->click();
    EXPECT_TRUE(GegenfeldKlassisch);
    EXPECT_TRUE(gegenfeld->isVisible());
    EXPECT_EQ(guide->bitBtnZeigen()->text(), QStringLiteral("zeig’s &mir nochmal!"));
    gegenfeld->hide();
    guide->SeiteWaehlen(9);
    guide->Seitevorbereiten();
    EXPECT_EQ(guide->bitBtnZeigen()->text(), QStringLiteral("zeig’s &mir!"));
    guide->bitBtnZeigen()->click();
    EXPECT_FALSE(GegenfeldKlassisch);
    EXPECT_TRUE(gegenfeld->isVisible());
    FensterEntfernen(gegenfeld);
    delete gegenfeld;

    // A page whose window is not built yet gives a note and keeps its caption.
    guide->SeiteWaehlen(13);
    guide->Seitevorbereiten();
    guide->bitBtnZeigen()->click();
    EXPECT_TRUE(guide->isVisible());
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].typ, MeldungsTyp::Information);
    EXPECT_EQ(guide->bitBtnZeigen()->text(), QStringLiteral("zeig’s &mir!"));
}

TEST_F(GuideTest, GlossaryLeadsToPages)
{
    const int strahlung = GlossarBegriffe().indexOf(QStringLiteral("Strahlungskurve"));
    emit guide->comboBoxGlossar()->activated(strahlung);
    EXPECT_EQ(guide->editGlossar()->text(), QStringLiteral(" 3 + 4"));
    guide->EditGlossarDblClick();
    EXPECT_EQ(guide->aktuelleSeite(), 3);

    guide->SeiteWaehlen(4);
    guide->Seitevorbereiten();
    emit guide->comboBoxGlossar()->activated(GlossarBegriffe().indexOf(QStringLiteral("Planck")));
    guide->EditGlossarDblClick();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0].typ, MeldungsTyp::Information);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Du bist schon auf der gesuchten Seite."));

    guide->editGlossar()->clear();
    QTest::keyClicks(guide->editGlossar(), QStringLiteral("4x5"));
    EXPECT_EQ(guide->editGlossar()->text(), QStringLiteral("45"));  // only digits get through
    guide->EditGlossarDblClick();
    EXPECT_EQ(guide->editGlossar()->text(), QStringLiteral("(max. 23)"));
    EXPECT_EQ(guide->aktuelleSeite(), 4);

    guide->editGlossar()->clear();
    guide->EditGlossarDblClick();
    ASSERT_EQ(meldungen.size(), 2);
    EXPECT_EQ(meldungen[1].typ, MeldungsTyp::Warnung);
    EXPECT_EQ(meldungen[1].text, QStringLiteral("Fehlerhafte Seiten-Nummer?"));
    EXPECT_EQ(meldungen[1].knopf, MeldungsKnopf::Wiederholen);
}

TEST_F(GuideTest, EveryBiographyLoadsAndAgreesWithThePortraitTable)
{
    guide->panelBiographie()->show();
    for (int n = 0; n < KeineBiographie; ++n) {
        const Biographie &b = BiographieVon(n);
        const Physiker *p = PhysikerVon(QString::fromLatin1(b.kurz));
        ASSERT_NE(p, nullptr) << b.kurz;
        guide->SchreibeBiographie(n);
        const QString bio = guide->richEditBiographie()->toPlainText();
        const QString nachname = QString::fromUtf8(p->name).section(QLatin1Char(' '), -1);
        const QString geboren = QString::fromUtf8(p->lebensdaten).left(4);
        EXPECT_GT(bio.size(), 400) << b.kurz;
        EXPECT_TRUE(bio.contains(nachname)) << b.kurz;
        EXPECT_TRUE(bio.contains(geboren)) << b.kurz << " " << geboren.toStdString();
    }
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(GuideTest, PortraitsOpenAndCloseTheirBiography)
{
    guide->SeiteWaehlen(5);
    guide->Seitevorbereiten();
    EXPECT_EQ(guide->biographieNr(), BioHHertz);
    EXPECT_TRUE(sichtbar(guide->panelFoto(BioHHertz)));
    EXPECT_FALSE(sichtbar(guide->panelFoto(BioPlanck)));
    guide->buttonFoto(BioHHertz)->click();
    EXPECT_TRUE(sichtbar(guide->panelBiographie()));
    EXPECT_TRUE(guide->richEditBiographie()->toPlainText().startsWith(QStringLiteral("Heinrich")));
    guide->buttonFoto(BioHHertz)->click();
    EXPECT_FALSE(sichtbar(guide->panelBiographie()));

    // Changing the page hides an open biography.
    guide->buttonFoto(BioHHertz)->click();
    guide->bitBtnWeiter()->click();
    EXPECT_FALSE(sichtbar(guide->panelBiographie()));
    EXPECT_EQ(guide->biographieNr(), KeineBiographie);

    guide->SeiteWaehlen(15);
    guide->Seitevorbereiten();
    EXPECT_TRUE(sichtbar(guide->panelFoto(BioFranck)));
    EXPECT_TRUE(sichtbar(guide->panelZuHertz()));
}

TEST_F(GuideTest, EscWithTheGlossaryListOpenClosesOnlyTheList)
{
    guide->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(guide.get()));
    guide->comboBoxGlossar()->showPopup();
    QWidget *liste = QApplication::activePopupWidget();
    ASSERT_NE(liste, nullptr);
    QTest::keyClick(guide->comboBoxGlossar()->view(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(guide->isVisible());
    // With the list closed, Esc is the back button's again.
    QTest::keyClick(guide.get(), Qt::Key_Escape);
    EXPECT_FALSE(guide->isVisible());
}

TEST_F(GuideTest, ADoubleClickOnTheGlossaryDropDownGoesToThePage)
{
    emit guide->comboBoxGlossar()->activated(GlossarBegriffe().indexOf(QStringLiteral("Impuls")));
    ASSERT_EQ(guide->editGlossar()->text(), QStringLiteral("19 + 20"));
    QComboBox *liste = guide->comboBoxGlossar();
    const QPoint mitte = liste->rect().center();
    // The first click opens the list; it shows ten entries at a time.
    QTest::mouseClick(liste, Qt::LeftButton, {}, mitte);
    ASSERT_TRUE(liste->view()->isVisible());
    const int zeile = liste->view()->sizeHintForRow(0);
    EXPECT_GE(liste->view()->height(), 9 * zeile);
    EXPECT_LE(liste->view()->height(), 11 * zeile);
    // The second press arrives in the open list, at the same place on the screen.
    QWidget *popup = liste->view()->parentWidget();
    QTest::mousePress(popup, Qt::LeftButton, {}, popup->mapFromGlobal(liste->mapToGlobal(mitte)));
    Ereignisse(10);
    EXPECT_FALSE(liste->view()->isVisible());
    EXPECT_EQ(guide->aktuelleSeite(), 19);
    EXPECT_TRUE(meldungen.isEmpty());

    // Two single clicks far apart in time are no double-click: the list just closes.
    QTest::mouseClick(liste, Qt::LeftButton, {}, mitte);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mousePress(popup, Qt::LeftButton, {}, popup->mapFromGlobal(liste->mapToGlobal(mitte)));
    Ereignisse(10);
    EXPECT_EQ(guide->aktuelleSeite(), 19);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(GuideTest, OnlyAChoiceInTheOpenPageListTurnsThePage)
{
    guide->SeiteWaehlen(5);
    guide->Seitevorbereiten();
    QComboBox *liste = guide->comboBoxSeitenwahl();
    liste->setFocus();
    // wheel and keys over the closed box change nothing
    QWheelEvent rad(QPointF(20, 10), liste->mapToGlobal(QPointF(20, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(liste, &rad);
    for (Qt::Key taste : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_S})
        QTest::keyClick(liste, taste);
    EXPECT_EQ(guide->aktuelleSeite(), 5);
    EXPECT_EQ(liste->currentIndex(), -1);
    // Enter on an entry of the open list does
    liste->showPopup();
    liste->view()->setCurrentIndex(liste->model()->index(11, 0));
    QTest::keyClick(liste->view(), Qt::Key_Return);
    EXPECT_EQ(guide->aktuelleSeite(), 12);
    // the open list shows every entry whole
    const QFontMetrics fm(liste->view()->font());
    for (int i = 0; i < liste->count(); ++i)
        EXPECT_LE(fm.horizontalAdvance(liste->itemText(i)), liste->view()->viewport()->width()) << i;
}
