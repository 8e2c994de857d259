// Typography and spelling of every visible German text: the built-in texts of all resource
// files, the captions, items and tool tips of every window, and the string literals of the
// sources (the captions drawn on pictures).
#include "fensterliste.h"
#include "guidefenster.h"
#include "infofenster.h"
#include "startfenster.h"
#include "richtext.h"
#include "seiten.h"
#include "steuerelemente.h"
#include "testhilfen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Regel {
    const char *name;
    QRegularExpression muster;
};

const QString Einheit = QStringLiteral("(?:nm|µm|mm|cm|m|s|Hz|THz|eV|K|V|mV|J|J·s|C)");

// One table of rules, applied line by line; a list item's leading "- " is markup, not a minus.
const QList<Regel> &Regeln()
{
    static const QList<Regel> r{
        {"acute accent used as apostrophe", QRegularExpression(QStringLiteral("´"))},
        {"typewriter apostrophe", QRegularExpression(QStringLiteral("'"))},
        {"straight double quote", QRegularExpression(QStringLiteral("\""))},
        {"hyphen-minus between spaces", QRegularExpression(QStringLiteral("(^|\\s)-(\\s|$)"))},
        {"hyphen-minus as minus before a digit", QRegularExpression(QStringLiteral("(^|[^\\p{L}\\d])-\\d"))},
        {"normal space between number and unit",
         QRegularExpression(QStringLiteral("\\d\\}? ") + Einheit + QStringLiteral("(?![\\p{L}\\d])"))},
        {"normal space inside a number", QRegularExpression(QStringLiteral("\\d \\d{3}(?!\\d)"))},
        {"capital Du inside a sentence", QRegularExpression(QStringLiteral("[\\p{Ll},;]\\s+(Du|Dir|Dich|Dein\\p{L}*)\\b"))},
        {"ASCII comparison", QRegularExpression(QStringLiteral("[<>]="))},
        {"pi spelt out", QRegularExpression(QStringLiteral("(\\d|\\b)pi\\b"))},
        {"bullet as product sign", QRegularExpression(QStringLiteral("•"))},
        {"computer exponent", QRegularExpression(QStringLiteral("\\d[eE][-+]\\d"))},
        {"old or hyphenated spelling",
         QRegularExpression(QStringLiteral("\\b(Bohr|Huygens|Planck|Wien|Heisenberg)s?sch(e|en|er|es)?\\b|Gas-Atom|"
                                           "Photo-(Elektron|Effekt)|Wasserstoff-Atom\\b|Energie-(Stufe|Portion|Diagramm)|"
                                           "Serien-Grenze|Atom-Modell|Gesamt-Energie|Glüh-Kathode|Nano-Meter|"
                                           "Tera-Hertz|Infra-Rot|Ultra-Violett|(ein|mehr)-atomig|Unschärfe-Relation|(Photonen|Quanten)-Energie|"
                                           "(Haupt|Neben)-Quantenzahl|Elektronen-Ort|Massstab|MessGerät|Calzium|Caesium|mit Hilfe|z\\.B\\.|"
                                           "\\p{L}- \\p{L}*[Aa]tom"))},
        {"double space", QRegularExpression(QStringLiteral("\\S  +\\S"))},
        {"no space after an ordinal", QRegularExpression(QStringLiteral("(^|\\s)\\d\\.\\p{Lu}"))},
    };
    return r;
}

const QRegularExpression Markup(QStringLiteral("^(=?#{1,3} +|> +|- |\\d\\) +)?\\s*"));

// The faults of one text, as "rule: line" entries.
QStringList Verstoesse(const QString &text)
{
    QStringList fehler;
    for (QString zeile : text.split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QStringLiteral("%%")))
            continue;
        // markup and indentation at the start of a line are no double spaces
        zeile.remove(Markup);
        for (const Regel &r : Regeln())
            if (r.muster.match(zeile).hasMatch())
                fehler << QStringLiteral("%1: %2").arg(QLatin1String(r.name), zeile);
    }
    return fehler;
}

// Every visible text a window's widgets carry.
QStringList Beschriftungen(const QWidget *fenster)
{
    QStringList t{fenster->windowTitle(), fenster->toolTip()};
    for (const QWidget *w : fenster->findChildren<const QWidget *>()) {
        t << w->toolTip();
        if (auto *b = qobject_cast<const QAbstractButton *>(w))
            t << b->text();
        if (auto *l = qobject_cast<const QLabel *>(w))
            t << l->text();
        if (auto *p = qobject_cast<const Panel *>(w))
            t << p->caption();
        if (auto *g = qobject_cast<const QGroupBox *>(w))
            t << g->title();
        if (auto *r = qobject_cast<const RadioGroup *>(w))
            t << r->items();
        if (auto *c = qobject_cast<const QComboBox *>(w)) {
            t << c->placeholderText();
            for (int i = 0; i < c->count(); ++i)
                t << c->itemText(i);
        }
    }
    t.removeAll(QString());
    return t;
}

}  // namespace

TEST(Typografie, TheRulesCatchWhatTheyShould)
{
    const struct {
        const char *text;
        bool fehler;
    } faelle[] = {
        {"Lass Dir´s zeigen", true},         {"Lass dir’s zeigen", false},
        {"zeig's mir", true},                {"\"Wien\" : \"gemessen\"", true},
        {"Animation - Simulation", true},    {"Animation – Simulation", false},
        {"- ein Listenpunkt", false},        {"h = 6,6·10^{-34} J·s", true},
        {"E = −13,6 eV", true},              {"E = −13,6\u00a0eV", false},
        {"Uran-235 und He-4", false},        {"bei 656 nm (rot)", true},        {"bei 656\u00a0nm (rot)", false},
        {"von 1 bis 5 Serien", false},       {"10^{8} m/s", true},
        {"365 000-mal", true},               {"1629–1695", false},
        {"%% comment with \"quotes\"", false},
        {"Dann siehst Du es", true},         {"Du siehst es", false},           {"Wähle, was dir gefällt", false},
        {"dx >= h", true},                   {"Δx·Δp ≥ h/(4π)", false},         {"h/2pi", true},
        {"y = m•x + b", true},               {"y = m·x + b", false},            {"6,6E-0034", true},
        {"Bohrsche Bahn", true},             {"Bohr’sche Bahn", false},         {"ein Gas-Atom", true},
        {"das Wasserstoff- Atommodell", true}, {"Wasserstoff-Atommodell", false}, {"Photo-Elektronen", true},
        {"z.B. Zink", true},                 {"z.\u00a0B. Zink", false},       {"zwei  Spalte", true},
        {"   eingerückt", false},            {"die 1.Frequenz", true},          {"die 1. Frequenz", false},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(!Verstoesse(QString::fromUtf8(f.text)).isEmpty(), f.fehler) << f.text;
}

TEST(Typografie, EveryBuiltInText)
{
    int dateien = 0;
    QDirIterator it(QStringLiteral(":/texte"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        ++dateien;
        for (const QString &f : Verstoesse(LadeText(pfad)))
            ADD_FAILURE() << pfad.toStdString() << " – " << f.toStdString();
    }
    EXPECT_GE(dateien, 43);  // 23 pages, 10 biographies, 9 information pages, the black-body hint
}

TEST(Typografie, CaptionsOfTheWindows)
{
    Bildschirm(1264, 960);
    std::vector<std::unique_ptr<QWidget>> fenster;
    fenster.push_back(std::make_unique<TFormMain>(QSize(1280, 1024)));
    for (const FensterEintrag &e : Fensterliste)
        if (e.erzeuge)
            fenster.emplace_back(e.erzeuge());
    QStringList texte{AufforderungsText};
    for (const auto &w : fenster)
        texte << Beschriftungen(w.get());
    for (int n = 1; n <= SeitenAnzahl; ++n)
        texte << QString::fromUtf8(SeiteNr(n).titel) << QString::fromUtf8(SeiteNr(n).listeneintrag);
    EXPECT_GT(texte.size(), 150);
    for (const QString &t : texte)
        for (const QString &f : Verstoesse(t))
            ADD_FAILURE() << f.toStdString();
}

// Captions drawn on pictures are no widgets: every string literal of the sources is checked.
TEST(Typografie, StringLiteralsOfTheSources)
{
    const QRegularExpression literal(QStringLiteral("(?:QStringLiteral|Q|QLatin1String)\\(\"((?:[^\"\\\\]|\\\\.)*)\"\\)"));
    int dateien = 0;
    for (const char *ordner : {"app", "common", "guide", "waves", "thermal", "photo", "franckhertz", "hydrogen", "atoms"}) {
        QDirIterator it(QStringLiteral(QP_TESTDATEN "/../../") + QLatin1String(ordner), {QStringLiteral("*.cpp")},
                        QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            ++dateien;
            const QString quelle = QString::fromUtf8(f.readAll());
            for (auto m = literal.globalMatch(quelle); m.hasNext();) {
                // placeholders are no digits; a literal without a word is no caption
                QString t = m.next().captured(1);
                t.replace(QStringLiteral("\\u00A0"), QStringLiteral("\u00a0"), Qt::CaseInsensitive)
                    .replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral("X"));
                if (!t.contains(QRegularExpression(QStringLiteral("\\p{L}{2}"))))
                    continue;
                for (const QString &fehler : Verstoesse(t))
                    ADD_FAILURE() << f.fileName().toStdString() << " – " << fehler.toStdString();
            }
        }
    }
    EXPECT_GT(dateien, 80);
}
