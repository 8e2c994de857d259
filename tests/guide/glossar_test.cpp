// The glossary's prefix rule and page numbers.
#include "glossar.h"

#include <gtest/gtest.h>

TEST(Glossar, FortyNineTermsInOrder)
{
    const QStringList &b = GlossarBegriffe();
    ASSERT_EQ(b.size(), 49);
    EXPECT_EQ(b.first(), QStringLiteral("Ablösearbeit"));
    EXPECT_EQ(b[6], b[7]);  // "Atomkern" twice
    EXPECT_EQ(b.last(), QStringLiteral("Wellenlänge"));
}

TEST(Glossar, PrefixRule)
{
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Strahlungskurve")), QStringLiteral(" 3 + 4"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Strahlungsgesetze")), QStringLiteral(" 3 + 4"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Äther")), QStringLiteral(" 9"));
    // The five-letter prefix matches only the term itself: six characters are compared.
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Ätherwind")), QStringLiteral(" 1"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Hertz Gustav")), QStringLiteral("16"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Hertz Heinrich")), QStringLiteral(" 5"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Bohr")), QStringLiteral("18"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Bohrsches Modell")), QStringLiteral("18"));
    // Case matters: "elektr…" and "Elektr…" lead to different pages.
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("elektromagnetische Strahlung")), QStringLiteral(" 3"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Elektronvolt")), QStringLiteral(" 7"));
    // "Photoe" comes before "Photon": Photoelektronen → 5, Photon → 8.
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Photoelektronen")), QStringLiteral(" 5"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Photon")), QStringLiteral(" 8"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Atomkern")), QStringLiteral("18"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Compton-Effekt ")), QStringLiteral(" 8"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Wellenlänge")), QStringLiteral(" 1"));
    EXPECT_EQ(GlossarSeitenText(QStringLiteral("Unbekannt")), QStringLiteral(" 1"));
    EXPECT_EQ(GlossarSeitenText(QString()), QStringLiteral(" 1"));
    // Every term leads to a real page.
    for (const QString &t : GlossarBegriffe()) {
        const int n = GlossarSeitenNummer(GlossarSeitenText(t));
        EXPECT_GE(n, 1) << t.toStdString();
        EXPECT_LE(n, 23) << t.toStdString();
    }
}

TEST(Glossar, PageNumberFromItsText)
{
    EXPECT_EQ(GlossarSeitenNummer(QStringLiteral(" 3 + 4")), 3);
    EXPECT_EQ(GlossarSeitenNummer(QStringLiteral("19 + 20")), 19);
    EXPECT_EQ(GlossarSeitenNummer(QStringLiteral("45")), 45);
    EXPECT_EQ(GlossarSeitenNummer(QStringLiteral("7")), 7);
    EXPECT_EQ(GlossarSeitenNummer(QString()), 0);
    EXPECT_EQ(GlossarSeitenNummer(QStringLiteral("(max. 23)")), 0);
    EXPECT_EQ(GlossarSeitenNummer(QStringLiteral("123")), 12);
    // Pasted text gets past the key filter: a sign makes no page.
    EXPECT_EQ(GlossarSeitenNummer(QStringLiteral("-5")), 0);
    EXPECT_EQ(GlossarSeitenNummer(QStringLiteral("-")), 0);
}
