// The English edition's built-in texts: every German text has an English one under the same
// resource name, read while the language is English, with the same headings, prompts, step
// marks and placeholders in the same order.
#include "markup.h"
#include "sprache.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The lines that give a text its structure, each reduced to its kind ("##", "=#", ">>>",
// "@@ 3", …), and every placeholder.
QStringList Gerippe(const QString &text)
{
    static const QRegularExpression kopf(QStringLiteral("^(=?#{1,3} |=|>>>|@@ *\\d+)"));
    static const QRegularExpression platzhalter(QStringLiteral("@[A-Z]+@"));
    QStringList g;
    for (const QString &zeile : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = kopf.match(zeile);
        if (m.hasMatch())
            g << m.captured(1).trimmed();
        for (auto it = platzhalter.globalMatch(zeile); it.hasNext();)
            g << it.next().captured(0);
    }
    return g;
}

}  // namespace

TEST(Sprache, EveryBuiltInTextHasAnEnglishOneOfTheSameStructure)
{
    SpracheSetzen(Sprache::Deutsch);
    QStringList namen;
    for (QDirIterator it(QStringLiteral(":/texte"), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        namen << it.next();
    ASSERT_GE(namen.size(), 99);
    for (const QString &name : namen) {
        SpracheSetzen(Sprache::Deutsch);
        const QString deutsch = LadeText(name);
        SpracheSetzen(Sprache::Englisch);
        const QString englisch = LadeText(name);
        EXPECT_NE(englisch, deutsch) << name.toStdString() << " has no English text";
        EXPECT_EQ(Gerippe(englisch), Gerippe(deutsch)) << name.toStdString();
        // English typography and numbers (comments excepted)
        static const QRegularExpression kommentar(QStringLiteral("^%%.*$"), QRegularExpression::MultilineOption);
        static const QRegularExpression deutsch_(QStringLiteral("„|\"|\\d,\\d|\\w'\\w"));
        const QRegularExpressionMatch m = deutsch_.match(QString(englisch).remove(kommentar));
        EXPECT_FALSE(m.hasMatch()) << name.toStdString() << ": „" << m.captured(0).toStdString() << "“";
    }
    SpracheSetzen(Sprache::Deutsch);
    EXPECT_TRUE(LadeText(QStringLiteral(":/texte/guide/seite01.txt")).contains(QStringLiteral("Licht")));
}
