// The rich-text control, the writer, the text markup and the file-or-built-in rule.
#include "richtext.h"
#include "steuerelemente.h"
#include "testhilfen.h"
#include "texthilfen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTimer>

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr double K = 96.0 / 72.0;

std::vector<QTextBlock> Bloecke(RichEdit &e)
{
    std::vector<QTextBlock> v;
    for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next())
        v.push_back(b);
    return v;
}

int Pixel(const QTextCharFormat &f)
{
    return f.property(QTextFormat::FontPixelSize).toInt();
}

Qt::Alignment Ausr(const QTextBlock &b)
{
    return b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

// A style with distinct values everywhere, so that each block shows where it took them from.
TextStil TestStil()
{
    TextStil s;
    s.farbe = 0x010203;
    s.groesse = 12;
    s.hintergrund = 0xBFFFFF;
    s.hervorhebung1 = 0x0000FF;
    s.hervorhebung1Fett = true;
    s.hervorhebung2 = 0x00FF00;
    s.kapitelGroesse = 20;
    s.kapitelFarbe = 0x6702A4;
    s.abschnittGroesse = 15;
    s.abschnittFarbe = 0xA40294;
    s.kleineUeberschriftFarbe = 0x112233;
    s.bemerkungFarbe = 0xC0C0C0;
    s.aufforderungFarbe = 0x706086;
    s.listeFarbe = 0x800080;
    return s;
}

class MarkupTest : public ::testing::Test {
protected:
    void SetUp() override { FrischerZustand(); }
    void schreibe(const QString &m) { SchreibeMarkup(&e, m, stil); }
    RichEdit e;
    TextStil stil = TestStil();
};

}  // namespace

TEST(RichEditSteuerung, EigenschaftenUndMaus)
{
    RichEdit e;
    EXPECT_TRUE(e.isReadOnly());
    EXPECT_FALSE(e.acceptRichText());
    EXPECT_EQ(e.lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(e.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    e.setHintergrund(0x02CBEE);  // 0x00BBGGRR: red EE, green CB, blue 02
    EXPECT_EQ(e.hintergrund(), TColor(0x02CBEE));
    EXPECT_EQ(e.palette().color(QPalette::Base), QColor(0xEE, 0xCB, 0x02));

    int losgelassen = 0;
    QObject::connect(&e, &RichEdit::mausLosgelassen, [&] { ++losgelassen; });
    e.resize(200, 100);
    const QPointF p(10, 10);
    QMouseEvent druck(QEvent::MouseButtonPress, p, e.viewport()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent los(QEvent::MouseButtonRelease, p, e.viewport()->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(e.viewport(), &druck);
    EXPECT_EQ(losgelassen, 0);
    QApplication::sendEvent(e.viewport(), &los);
    EXPECT_EQ(losgelassen, 1);
}

TEST(Schriftgroesse, PunkteInPixelBei96Dpi)
{
    EXPECT_EQ(PixelGroesse(8), 11);
    EXPECT_EQ(PixelGroesse(9), 12);
    EXPECT_EQ(PixelGroesse(10), 13);
    EXPECT_EQ(PixelGroesse(12), 16);
    EXPECT_EQ(PixelGroesse(14), 19);
    EXPECT_EQ(PixelGroesse(1.5), 2);   // 2.0
    EXPECT_EQ(PixelGroesse(7.875), 10);  // 10.5: halves to even
    EXPECT_EQ(PixelGroesse(0), 1);
    EXPECT_EQ(PixelGroesse(-4), 1);
    EXPECT_EQ(PixelGroesse(std::nan("")), 1);
    EXPECT_EQ(PixelGroesse(1e300), PixelGroesse(1638));
}

TEST(TextSchreiberTest, AttributeLandenImDokument)
{
    RichEdit e;
    TextSchreiber s(&e);
    s.zeichen.farbe = 0xBD2B86;  // red 0x86, green 0x2B, blue 0xBD
    s.zeichen.groesse = 18;
    s.zeichen.schrift = QStringLiteral("Comic Sans MS");
    s.absatz.ersterEinzug = 8;
    s.absatz.linkerEinzug = 0;
    s.absatz.rechterEinzug = 8;
    s.zeile(QStringLiteral("Erste Zeile"));

    s.zeichen.fett = true;
    s.zeichen.kursiv = true;
    s.zeichen.unterstrichen = true;
    s.zeichen.groesse = 6;
    s.absatz.ersterEinzug = 16;
    s.absatz.linkerEinzug = 20;
    s.absatz.ausrichtung = Ausrichtung::blocksatz;
    s.zeile(QStringLiteral("- Liste"));
    s.zeichen = Zeichenattribute{};
    s.zeichen.farbe = 0x0000FF;
    s.anhaengen(QStringLiteral(" rot"));

    s.absatz = Absatzattribute{};
    s.absatz.ausrichtung = Ausrichtung::rechts;
    s.zeile(QStringLiteral("<b>kein HTML</b>"));
    s.absatz.ausrichtung = Ausrichtung::zentriert;
    s.zeile(QString());

    const auto b = Bloecke(e);
    ASSERT_EQ(b.size(), 4u);  // the first line goes into the empty first block
    EXPECT_EQ(Text(e), QStringLiteral("Erste Zeile\n- Liste rot\n<b>kein HTML</b>\n"));

    const QTextBlockFormat f0 = b[0].blockFormat();
    EXPECT_DOUBLE_EQ(f0.leftMargin(), 8 * K);
    EXPECT_DOUBLE_EQ(f0.textIndent(), 0);
    EXPECT_DOUBLE_EQ(f0.rightMargin(), 8 * K);
    EXPECT_EQ(Ausr(b[0]), Qt::AlignLeft);
    // First line at 16 pt, later lines at 16 + 20 pt.
    const QTextBlockFormat f1 = b[1].blockFormat();
    EXPECT_DOUBLE_EQ(f1.leftMargin() + f1.textIndent(), 16 * K);
    EXPECT_DOUBLE_EQ(f1.leftMargin(), 36 * K);
    EXPECT_EQ(Ausr(b[1]), Qt::AlignJustify);
    EXPECT_EQ(Ausr(b[2]), Qt::AlignRight);
    EXPECT_EQ(Ausr(b[3]), Qt::AlignHCenter);

    const QTextCharFormat c0 = FormatVon(e, QStringLiteral("Erste"));
    EXPECT_EQ(c0.foreground().color(), QColor(0x86, 0x2B, 0xBD));
    EXPECT_EQ(Pixel(c0), 24);
    EXPECT_EQ(c0.fontFamilies().toStringList(), QStringList{QStringLiteral("Comic Sans MS")});
    EXPECT_EQ(c0.fontWeight(), QFont::Normal);
    EXPECT_FALSE(c0.fontItalic());
    const QTextCharFormat c1 = FormatVon(e, QStringLiteral("- Liste"));
    EXPECT_EQ(c1.fontWeight(), QFont::Bold);
    EXPECT_TRUE(c1.fontItalic());
    EXPECT_TRUE(c1.fontUnderline());
    EXPECT_EQ(Pixel(c1), 8);
    const QTextCharFormat c2 = FormatVon(e, QStringLiteral(" rot"));
    EXPECT_EQ(c2.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(c2.fontWeight(), QFont::Normal);
    EXPECT_EQ(Pixel(c2), 13);

    s.ersteZeileErsetzen(QStringLiteral("2. Die Strahlungsgesetze"));
    EXPECT_EQ(Bloecke(e)[0].text(), QStringLiteral("2. Die Strahlungsgesetze"));
    EXPECT_EQ(Pixel(FormatVon(e, QStringLiteral("Strahlungsgesetze"))), 24);
    EXPECT_EQ(Bloecke(e).size(), 4u);

    s.leeren();
    EXPECT_TRUE(e.document()->isEmpty());
    s.zeile(QString());  // an empty first line still counts as a line
    s.zeile(QStringLiteral("zweite"));
    EXPECT_EQ(Text(e), QStringLiteral("\nzweite"));
    e.leeren();  // cleared from outside: the next line is the first again
    s.zeile(QStringLiteral("neu"));
    EXPECT_EQ(Text(e), QStringLiteral("neu"));
}

TEST(Stile, LesenDieGlobalenBeimAufruf)
{
    FrischerZustand();
    Bildschirmeinteilung(1280, 1024);  // SchriftMittel 18
    const TextStil t = StilTheorie();
    EXPECT_EQ(t.groesse, 16);
    EXPECT_EQ(t.kapitelGroesse, 20);
    EXPECT_EQ(t.abschnittGroesse, 18);
    EXPECT_EQ(t.farbe, TColor(0xA2642D));
    EXPECT_EQ(t.hintergrund, TColor(0xBFFFFF));
    EXPECT_TRUE(t.hervorhebung1Fett && t.hervorhebung2Fett);
    EXPECT_EQ(t.hervorhebung2, TColor(0x719933));
    Bildschirmeinteilung(1700, 1100);  // SchriftMittel 20
    EXPECT_EQ(StilTheorie().groesse, 18);
    EXPECT_EQ(StilHinweis().groesse, 20);
    EXPECT_EQ(StilBiographie().zentriertGroesse, SchriftNormal);
    EXPECT_EQ(StilInfo().kapitelGroesse, SchriftGross);

    FarbeHinweisText = 0x123456;
    EXPECT_EQ(StilHinweis().farbe, TColor(0x123456));
    EXPECT_EQ(StilHinweis().hervorhebung1, FarbeHervorhebung);
    EXPECT_EQ(StilErgebnis().hervorhebung2, FarbeErgebnisMarke2);
    EXPECT_EQ(StilErgebnis().hintergrund, TColor(0xBFFFFF));
    EXPECT_EQ(StilText2().hintergrund, FarbeTextGrund);
    FrischerZustand();
}

TEST_F(MarkupTest, Bloecke)
{
    schreibe(QStringLiteral("\n"
                            "# 2. Die Strahlungsgesetze\n"
                            "\n"
                            "## 2.1 Problem\n"
                            "Ein Schwarzer Körper\n"
                            "  absorbiert alles.\n"
                            "%% nicht gezeigt\n"
                            "Noch im selben Absatz.\n"
                            "\n"
                            "\n"
                            "### Klein\n"
                            "> Die Animation\n"
                            "> zeigt es.\n"
                            "- erstens\n"
                            "  weiter\n"
                            "1) Aussage\n"
                            ">>>\n"
                            "=Geboren 1858 in Kiel\n"
                            "=# Max Planck\n"
                            ".\n"
                            ".12\n"
                            "Zeile eins\\\n"
                            "Zeile zwei\n"
                            "\n"));
    EXPECT_EQ(e.hintergrund(), TColor(0xBFFFFF));
    const auto b = Bloecke(e);
    const QStringList erwartet = {
        QStringLiteral("2. Die Strahlungsgesetze"),
        QStringLiteral(" "),  // the chapter's blank line (it absorbs the empty line after it)
        QStringLiteral("2.1 Problem"),
        QStringLiteral("Ein Schwarzer Körper absorbiert alles. Noch im selben Absatz."),
        QStringLiteral(" "),  // two empty lines: one spacer
        QStringLiteral("Klein"),
        QStringLiteral("Die Animation zeigt es."),
        QStringLiteral("- erstens weiter"),
        QStringLiteral("1) Aussage"),
        AufforderungsText,
        QStringLiteral("Geboren 1858 in Kiel"),
        QStringLiteral("Max Planck"),
        QStringLiteral(" "),
        QStringLiteral(" "),
        QStringLiteral(" "),
        QStringLiteral("Zeile eins"),
        QStringLiteral("Zeile zwei")};
    ASSERT_EQ(b.size(), std::size_t(erwartet.size())) << Text(e).toStdString();
    for (int i = 0; i < erwartet.size(); ++i)
        EXPECT_EQ(b[i].text(), erwartet[i]) << i;

    auto zf = [&](int i) { return b[i].begin().fragment().charFormat(); };
    // Chapter: bold, chapter size and colour; its blank line at size 8.
    EXPECT_EQ(zf(0).fontWeight(), QFont::Bold);
    EXPECT_EQ(Pixel(zf(0)), PixelGroesse(20));
    EXPECT_EQ(zf(0).foreground().color(), QFarbe(0x6702A4));
    EXPECT_EQ(Pixel(zf(1)), PixelGroesse(8));
    EXPECT_EQ(Pixel(zf(2)), PixelGroesse(15));
    EXPECT_EQ(zf(2).foreground().color(), QFarbe(0xA40294));
    EXPECT_EQ(zf(2).fontWeight(), QFont::Bold);
    // Text in the base attributes and paragraph indents 8 / 0 / 8.
    EXPECT_EQ(zf(3).foreground().color(), QFarbe(0x010203));
    EXPECT_EQ(Pixel(zf(3)), 16);
    EXPECT_EQ(zf(3).fontWeight(), QFont::Normal);
    EXPECT_EQ(zf(3).fontFamilies().toStringList(), QStringList{QStringLiteral("Comic Sans MS")});
    EXPECT_DOUBLE_EQ(b[3].blockFormat().leftMargin(), 8 * K);
    EXPECT_DOUBLE_EQ(b[3].blockFormat().textIndent(), 0);
    EXPECT_DOUBLE_EQ(b[3].blockFormat().rightMargin(), 8 * K);
    EXPECT_EQ(Pixel(zf(4)), PixelGroesse(6));
    // Small heading: text size, bold, its colour.
    EXPECT_EQ(Pixel(zf(5)), 16);
    EXPECT_EQ(zf(5).fontWeight(), QFont::Bold);
    EXPECT_EQ(zf(5).foreground().color(), QFarbe(0x112233));
    EXPECT_EQ(zf(6).foreground().color(), QFarbe(0xC0C0C0));
    // List: first line at 16, later lines at 36; numbered: 16 and 40.
    EXPECT_DOUBLE_EQ(b[7].blockFormat().leftMargin() + b[7].blockFormat().textIndent(), 16 * K);
    EXPECT_DOUBLE_EQ(b[7].blockFormat().leftMargin(), 36 * K);
    EXPECT_EQ(zf(7).foreground().color(), QFarbe(0x800080));
    EXPECT_DOUBLE_EQ(b[8].blockFormat().leftMargin() + b[8].blockFormat().textIndent(), 16 * K);
    EXPECT_DOUBLE_EQ(b[8].blockFormat().leftMargin(), 40 * K);
    EXPECT_EQ(zf(8).foreground().color(), QFarbe(0x010203));
    // Prompt: bold, right-aligned, prompt colour.
    EXPECT_EQ(Ausr(b[9]), Qt::AlignRight);
    EXPECT_EQ(zf(9).fontWeight(), QFont::Bold);
    EXPECT_EQ(zf(9).foreground().color(), QFarbe(0x706086));
    EXPECT_EQ(Ausr(b[10]), Qt::AlignHCenter);
    EXPECT_EQ(zf(10).fontWeight(), QFont::Normal);
    EXPECT_EQ(Ausr(b[11]), Qt::AlignHCenter);
    EXPECT_EQ(Pixel(zf(11)), PixelGroesse(20));
    EXPECT_EQ(Pixel(zf(12)), PixelGroesse(8));
    EXPECT_EQ(Pixel(zf(13)), PixelGroesse(6));
    EXPECT_EQ(Pixel(zf(14)), PixelGroesse(12));
    EXPECT_EQ(Ausr(b[16]), Qt::AlignLeft);
}

TEST_F(MarkupTest, ZentrierteZeileInEigenerGroesse)
{
    stil.zentriertGroesse = 9;
    schreibe(QStringLiteral("=Geboren\n=\n"));
    ASSERT_EQ(Bloecke(e).size(), 2u);
    EXPECT_EQ(Pixel(FormatVon(e, QStringLiteral("Geboren"))), PixelGroesse(9));
    EXPECT_EQ(Bloecke(e)[1].text(), QStringLiteral("="));  // '=' alone is plain text
}

TEST_F(MarkupTest, InlineMarken)
{
    schreibe(QStringLiteral("Ein *Quant* und ~Welle~, **fett** und //kursiv//: E_{kin} = h·f, "
                            "h = 6,6·10^{-34} Js, *E_{kin} groß*, \\*kein\\* \\\\ \\_{x} a\\/\\/b"));
    EXPECT_EQ(Text(e), QStringLiteral("Ein Quant und Welle, fett und kursiv: Ekin = h·f, h = 6,6·10-34 Js, "
                                      "Ekin groß, *kein* \\ _{x} a//b"));
    const QTextCharFormat q = FormatVon(e, QStringLiteral("Quant"));
    EXPECT_EQ(q.foreground().color(), QFarbe(0x0000FF));
    EXPECT_EQ(q.fontWeight(), QFont::Bold);
    const QTextCharFormat w = FormatVon(e, QStringLiteral("Welle"));
    EXPECT_EQ(w.foreground().color(), QFarbe(0x00FF00));
    EXPECT_EQ(w.fontWeight(), QFont::Normal);
    const QTextCharFormat f = FormatVon(e, QStringLiteral("fett"));
    EXPECT_EQ(f.fontWeight(), QFont::Bold);
    EXPECT_EQ(f.foreground().color(), QFarbe(0x010203));
    EXPECT_TRUE(FormatVon(e, QStringLiteral("kursiv")).fontItalic());
    EXPECT_EQ(FormatVon(e, QStringLiteral("-34")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(FormatVon(e, QStringLiteral("kin")).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(FormatVon(e, QStringLiteral(" = h")).verticalAlignment(), QTextCharFormat::AlignNormal);
    // A subscript inside a highlight keeps the highlight.
    EXPECT_EQ(FormatVon(e, QStringLiteral(" groß")).foreground().color(), QFarbe(0x0000FF));
    bool gefunden = false;
    for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text() == QStringLiteral("kin") &&
                it.fragment().charFormat().foreground().color() == QFarbe(0x0000FF)) {
                gefunden = true;
                EXPECT_EQ(it.fragment().charFormat().verticalAlignment(), QTextCharFormat::AlignSubScript);
            }
    EXPECT_TRUE(gefunden);
    EXPECT_EQ(FormatVon(e, QStringLiteral("*kein*")).fontWeight(), QFont::Normal);
}

TEST_F(MarkupTest, UnausgeglicheneMarkenBleibenStehen)
{
    const struct {
        const char *markup, *text;
    } faelle[] = {
        {"ein *Stern", "ein *Stern"},
        {"a ** b", "a ** b"},
        {"x^{2", "x^{2"},
        {"x_{", "x_{"},
        {"~", "~"},
        {"****", "****"},
        {"**", "**"},
        {"a // b", "a // b"},
        {"*a* *b", "a *b"},
        {"\\", ""},  // a lone backslash ends the (empty) paragraph
        {"^{}", ""},
        {"ende\\\\", "ende\\"},
    };
    for (const auto &f : faelle) {
        schreibe(QString::fromUtf8(f.markup));
        EXPECT_EQ(Text(e), QString::fromUtf8(f.text)) << f.markup;
    }
}

TEST_F(MarkupTest, ZufaelligeMarkenVerlierenKeineBuchstaben)
{
    std::mt19937 zufall(99);
    const QString zeichen = QStringLiteral("ab*~_^{}/\\ ");
    for (int lauf = 0; lauf < 300; ++lauf) {
        QString m = QStringLiteral("x");
        const int n = int(zufall() % 60);
        for (int i = 0; i < n; ++i)
            m += zeichen[int(zufall() % zeichen.size())];
        m += u'y';
        schreibe(m);
        auto buchstaben = [](const QString &s) {
            QString r;
            for (QChar c : s)
                if (c.isLetter())
                    r += c;
            return r;
        };
        ASSERT_EQ(buchstaben(Text(e)), buchstaben(m)) << m.toStdString();
    }
}

TEST_F(MarkupTest, LeererTextUndNeuSchreiben)
{
    schreibe(QStringLiteral("alt"));
    schreibe(QString());
    EXPECT_TRUE(e.document()->isEmpty());
    schreibe(QChar(0xFEFF) + QStringLiteral("neu\r\nweiter  \r\n\r\n"));  // byte order mark, CR LF
    EXPECT_EQ(Text(e), QStringLiteral("neu weiter"));
}

TEST(Textdateien, LadeTextLiestUtf8)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("t.txt"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("# Größe\nλ = 500 nm").toUtf8());
    f.close();
    EXPECT_EQ(LadeText(pfad), QStringLiteral("# Größe\nλ = 500 nm"));
    EXPECT_TRUE(LadeText(dir.filePath(QStringLiteral("fehlt.txt"))).isEmpty());
}

namespace {

const QByteArray DateiRtf = "{\\rtf1\\ansi Aus der Datei: Gr\\'fc\\'dfe\\par}";

class TextdateiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FrischerZustand();
        ASSERT_TRUE(dir.isValid());
        TextPfad = dir.path() + u'/';
    }
    void TearDown() override { FrischerZustand(); }
    void lege(const QString &name, const QByteArray &inhalt)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    std::function<void()> selbst()
    {
        return [this] {
            ++selbstAufrufe;
            SchreibeMarkup(&e, QStringLiteral("Eingebauter Text"), StilHinweis());
        };
    }
    QTemporaryDir dir;
    RichEdit e;
    int selbstAufrufe = 0;
};

}  // namespace

TEST_F(TextdateiTest, DateinameOhneRuecksichtAufGrossschreibung)
{
    lege(QStringLiteral("quantentext7.rtf"), DateiRtf);
    lege(QStringLiteral("Genau.RTF"), DateiRtf);
    lege(QStringLiteral("genau.rtf"), DateiRtf);
    EXPECT_EQ(FindeTextDatei(TextPfad, QStringLiteral("QuantenText7.RTF")), dir.filePath(QStringLiteral("quantentext7.rtf")));
    EXPECT_EQ(FindeTextDatei(TextPfad, QStringLiteral("genau.rtf")), dir.filePath(QStringLiteral("genau.rtf")));
    EXPECT_EQ(FindeTextDatei(TextPfad, QStringLiteral("Genau.RTF")), dir.filePath(QStringLiteral("Genau.RTF")));
    EXPECT_TRUE(FindeTextDatei(TextPfad, QStringLiteral("QuantenText8.RTF")).isEmpty());
    EXPECT_TRUE(FindeTextDatei(dir.filePath(QStringLiteral("fehlt/")), QStringLiteral("genau.rtf")).isEmpty());
    EXPECT_TRUE(FindeTextDatei(TextPfad, QString()).isEmpty());
    // A directory of that name is no text file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Ordner.rtf")));
    EXPECT_TRUE(FindeTextDatei(TextPfad, QStringLiteral("ordner.rtf")).isEmpty());

    // An empty directory means the current directory and the bare file name.
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(FindeTextDatei(QString(), QStringLiteral("QUANTENTEXT7.rtf")), QStringLiteral("quantentext7.rtf"));
    TextPfad.clear();
    SchreibeTextOderDatei(&e, QStringLiteral("QuantenText7.RTF"), selbst());
    EXPECT_TRUE(Text(e).startsWith(QStringLiteral("Aus der Datei: Grüße")));
    QDir::setCurrent(vorher);
}

TEST_F(TextdateiTest, DateiOderEingebauterText)
{
    lege(QStringLiteral("quantentext3.rtf"), DateiRtf);
    lege(QStringLiteral("Kaputt.RTF"), QByteArray("kein RTF"));

    SchreibeTextOderDatei(&e, QStringLiteral("QuantenText3.RTF"), selbst());
    EXPECT_EQ(selbstAufrufe, 0);
    EXPECT_EQ(Text(e), QStringLiteral("Aus der Datei: Grüße\n"));

    // Missing file, a file that is not RTF, a missing directory: the built-in text, no message.
    for (const char *name : {"QuantenText4.RTF", "Kaputt.RTF"}) {
        SchreibeTextOderDatei(&e, QString::fromLatin1(name), selbst());
        EXPECT_EQ(Text(e), QStringLiteral("Eingebauter Text")) << name;
    }
    TextPfad = dir.filePath(QStringLiteral("gibtsnicht/"));
    SchreibeTextOderDatei(&e, QStringLiteral("QuantenText3.RTF"), selbst());
    EXPECT_EQ(Text(e), QStringLiteral("Eingebauter Text"));
    EXPECT_EQ(selbstAufrufe, 3);

    // Built-in texts chosen: the file is not read even though it is there.
    TextPfad = dir.path() + u'/';
    TexteVonDatei = false;
    SchreibeTextOderDatei(&e, QStringLiteral("QuantenText3.RTF"), selbst());
    EXPECT_EQ(Text(e), QStringLiteral("Eingebauter Text"));
    EXPECT_EQ(selbstAufrufe, 4);
}

TEST_F(TextdateiTest, OhneErsatzMeldetDieFehlendeDatei)
{
    lege(QStringLiteral("heisenberg1.rtf"), DateiRtf);
    QString meldung;
    std::optional<MeldungsTyp> art;
    auto beobachte = [&] {
        MeldungsBeobachter = [&](const MeldungsEintrag &m) {
            meldung = m.text;
            art = m.typ;
        };
    };

    beobachte();
    EXPECT_TRUE(LadeTextOhneErsatz(&e, QStringLiteral("Heisenberg1.RTF")));
    Ereignisse(20);
    EXPECT_TRUE(meldung.isEmpty());
    EXPECT_TRUE(Text(e).startsWith(QStringLiteral("Aus der Datei")));

    beobachte();
    EXPECT_FALSE(LadeTextOhneErsatz(&e, QStringLiteral("Heisenberg2.RTF")));
    EXPECT_EQ(art, MeldungsTyp::Fehler);
    EXPECT_TRUE(meldung.contains(TextPfad + QStringLiteral("Heisenberg2.RTF"))) << meldung.toStdString();
    EXPECT_TRUE(Text(e).startsWith(QStringLiteral("Aus der Datei")));  // the text shown before stays
    MeldungsBeobachter = nullptr;
}
