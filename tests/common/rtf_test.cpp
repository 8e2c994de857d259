// The RTF reader: samples written by pandoc, LibreOffice Writer and in the manner of
// WordPad, the control words one by one, and hostile input.
#include "richtext.h"
#include "rtf.h"
#include "testhilfen.h"
#include "texthilfen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QAbstractTextDocumentLayout>

#include <gtest/gtest.h>

#include <random>

namespace {

QString Pfad(const char *name)
{
    return QStringLiteral(QP_TESTDATEN "/rtf/") + QString::fromLatin1(name);
}

// The block whose text contains `teil`.
QTextBlock BlockMit(RichEdit &e, const QString &teil)
{
    for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next())
        if (b.text().contains(teil))
            return b;
    ADD_FAILURE() << "no block contains " << teil.toStdString();
    return {};
}

QColor Vordergrund(const QTextCharFormat &f)
{
    return f.foreground().color();
}

bool Laden(RichEdit &e, const QByteArray &rtf)
{
    return LadeRtfDaten(&e, rtf);
}

}  // namespace

TEST(RtfMuster, PandocAusgabe)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtf(&e, Pfad("pandoc_quanten.rtf")));
    const QString t = Text(e);
    EXPECT_TRUE(t.contains(QStringLiteral("Die Strahlung eines Schwarzen Körpers")));
    EXPECT_TRUE(t.contains(QStringLiteral("Größe: Wärme.")));
    // \u8217' and \u8211- : the ASCII fallbacks after \uN are skipped (\uc1).
    EXPECT_TRUE(t.contains(QStringLiteral("Wien’sches Gesetz")));
    EXPECT_TRUE(t.contains(QStringLiteral("Rayleigh–Jeans")));
    EXPECT_TRUE(t.contains(QStringLiteral("Äußerst schön: grüße Ökologie, Übermaß, 5 €.")));
    EXPECT_FALSE(t.contains(QStringLiteral("Helvetica")));

    const QTextCharFormat titel = FormatVon(e, QStringLiteral("Strahlung eines"));
    EXPECT_EQ(titel.fontWeight(), QFont::Bold);
    EXPECT_EQ(titel.property(QTextFormat::FontPixelSize).toInt(), 24);  // \fs36 = 18 pt
    EXPECT_EQ(titel.fontFamilies().toStringList(), QStringList{QStringLiteral("Helvetica")});
    EXPECT_TRUE(FormatVon(e, QStringLiteral("Schwarzer K")).fontItalic());
    EXPECT_EQ(FormatVon(e, QStringLiteral("jede")).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatVon(e, QStringLiteral(" absorbiert ")).fontWeight(), QFont::Normal);

    // \li360 \fi-360: hanging indent of a quarter inch; \sa180 = 12 px below.
    const QTextBlockFormat liste = BlockMit(e, QStringLiteral("Wien")).blockFormat();
    EXPECT_DOUBLE_EQ(liste.leftMargin(), 24.0);
    EXPECT_DOUBLE_EQ(liste.textIndent(), -24.0);
    EXPECT_TRUE(BlockMit(e, QStringLiteral("Wien")).text().startsWith(QStringLiteral("\u2022\tWien")));
    EXPECT_DOUBLE_EQ(BlockMit(e, QStringLiteral("absorbiert")).blockFormat().bottomMargin(), 12.0);
}

TEST(RtfMuster, LibreOfficeWriter)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtf(&e, Pfad("lo_formatiert.rtf")));
    const QString t = Text(e);
    EXPECT_TRUE(t.startsWith(QStringLiteral("Größen der Quantenphysik\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("h = 6,626·10-34 Js verknüpft")));
    EXPECT_TRUE(t.contains(QStringLiteral("Übrigens: süße Grüße aus Ölbach – 10 € für ein Maß.")));
    for (const char *unsichtbar : {"Normal", "LibreOffice", "Default Page Style", "Times New Roman", "Heading"})
        EXPECT_FALSE(t.contains(QString::fromLatin1(unsichtbar))) << unsichtbar;

    const QTextBlock titel = BlockMit(e, QStringLiteral("Größen"));
    EXPECT_EQ(titel.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat tf = FormatVon(e, QStringLiteral("Größen"));
    EXPECT_EQ(tf.fontWeight(), QFont::Bold);
    EXPECT_EQ(tf.property(QTextFormat::FontPixelSize).toInt(), 21);  // 16 pt
    EXPECT_EQ(Vordergrund(tf), QColor(0xA4, 0x02, 0x67));
    EXPECT_EQ(tf.fontFamilies().toStringList(), QStringList{QStringLiteral("Comic Sans MS")});

    // \li1440 \ri720 \fi-360 \qj: 96 px left, 48 px right, first line 24 px further left.
    const QTextBlockFormat absatz = BlockMit(e, QStringLiteral("Planck")).blockFormat();
    EXPECT_DOUBLE_EQ(absatz.leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(absatz.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(absatz.textIndent(), -24.0);
    EXPECT_EQ(absatz.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);

    EXPECT_EQ(FormatVon(e, QStringLiteral("-34")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextCharFormat rot = FormatVon(e, QStringLiteral("Äquivalenz"));
    EXPECT_EQ(Vordergrund(rot), QColor(255, 0, 0));
    EXPECT_TRUE(rot.fontItalic());
    const QTextCharFormat blau = FormatVon(e, QStringLiteral("Welle und Teilchen"));
    EXPECT_EQ(Vordergrund(blau), QColor(0, 0, 255));
    EXPECT_TRUE(blau.fontUnderline());
    EXPECT_FALSE(FormatVon(e, QStringLiteral(" von ")).fontUnderline());
    EXPECT_EQ(FormatVon(e, QStringLiteral(" von ")).property(QTextFormat::FontPixelSize).toInt(), 15);  // 11 pt

    EXPECT_EQ(BlockMit(e, QStringLiteral("Lass Dir´s zeigen")).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST(RtfMuster, LibreOfficeListeMitNummern)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtf(&e, Pfad("lo_liste.rtf")));
    const QString t = Text(e);
    EXPECT_TRUE(t.contains(QStringLiteral("Einwände gegen das Bohr")));
    EXPECT_TRUE(t.contains(QStringLiteral(" 1.\tKreisende Elektronen müssten strahlen.")));
    EXPECT_TRUE(t.contains(QStringLiteral(" 2.\tWarum gerade diese Bahnen?")));
    EXPECT_EQ(FormatVon(e, QStringLiteral("fetten")).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatVon(e, QStringLiteral("Schluss mit")).fontWeight(), QFont::Normal);
    const QTextBlockFormat f = BlockMit(e, QStringLiteral("Kreisende")).blockFormat();
    EXPECT_DOUBLE_EQ(f.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(f.textIndent(), -32.0);
}

TEST(RtfMuster, WordPadCodepageUndFarben)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtf(&e, Pfad("wordpad.rtf")));
    const QString t = Text(e);
    EXPECT_TRUE(t.startsWith(QStringLiteral("Grüße aus München: äöü ÄÖÜ ß, 5 € und €.\n")));
    EXPECT_TRUE(t.contains(QStringLiteral("Einzug und unterstrichen und blau.")));
    // \fcharset204 selects code page 1251 for that font.
    EXPECT_TRUE(t.contains(QStringLiteral("Абв rechts")));

    const QTextCharFormat z = FormatVon(e, QStringLiteral("Zentriert"));
    EXPECT_EQ(Vordergrund(z), QColor(255, 0, 0));
    EXPECT_EQ(z.fontWeight(), QFont::Bold);
    EXPECT_EQ(z.property(QTextFormat::FontPixelSize).toInt(), 21);
    EXPECT_EQ(BlockMit(e, QStringLiteral("Zentriert")).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    const QTextBlockFormat einzug = BlockMit(e, QStringLiteral("Einzug")).blockFormat();
    EXPECT_DOUBLE_EQ(einzug.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(einzug.rightMargin(), 24.0);
    EXPECT_DOUBLE_EQ(einzug.textIndent(), -24.0);
    EXPECT_TRUE(FormatVon(e, QStringLiteral("Einzug")).fontItalic());
    EXPECT_FALSE(FormatVon(e, QStringLiteral(" und ")).fontItalic());
    EXPECT_TRUE(FormatVon(e, QStringLiteral("unterstrichen")).fontUnderline());
    EXPECT_EQ(Vordergrund(FormatVon(e, QStringLiteral("blau"))), QColor(0, 77, 187));
    EXPECT_FALSE(FormatVon(e, QStringLiteral("rechts")).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(BlockMit(e, QStringLiteral("rechts")).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST(RtfSteuerwoerter, SonderzeichenUndZiele)
{
    RichEdit e;
    ASSERT_TRUE(Laden(e, QByteArray(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial{\\*\\panose 0000};}}"
        "{\\header Kopfzeile\\par}{\\footer Fusszeile}{\\info{\\title Titel}{\\author Autor}}"
        "{\\stylesheet{\\s0 Normal;}}"
        "a\\{b\\}c\\\\d\\~e\\-f\\_g\\tab h\\line i"
        "{\\*\\unbekannt versteckt}{\\*\\fldinst HYPERLINK x}{\\fldrslt Link}"
        "{\\pict\\wmetafile8 0123abcdef{\\*\\blipuid 00ff}}"
        "\\uc2\\u8364\\'80\\'80 \\uc0\\u8364 \\u-3913?x\\par"
        "\\bin5 {}}} y\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\par"
        "{\\v versteckt}sichtbar}")));
    const QString t = Text(e);
    EXPECT_EQ(t, QStringLiteral("a{b}c\\d\u00A0e\u00ADf\u2011g\th\u2028iLink€ €\uF0B7?x\n"
                                "y—–‘’“”•\nsichtbar"));
}

TEST(RtfSteuerwoerter, SchalterMitNullUndGruppen)
{
    RichEdit e;
    ASSERT_TRUE(Laden(e, QByteArray("{\\rtf1 \\b fett\\b0 normal {\\i kursiv\\ul unter}wieder "
                                    "\\ul eins\\ul0 zwei\\ul drei\\ulnone vier \\b\\i\\plain schlicht "
                                    "{\\super hoch}{\\sub tief}\\fs20 klein}")));
    EXPECT_EQ(FormatVon(e, QStringLiteral("fett")).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatVon(e, QStringLiteral("normal")).fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatVon(e, QStringLiteral("kursiv")).fontItalic());
    EXPECT_TRUE(FormatVon(e, QStringLiteral("unter")).fontUnderline());
    EXPECT_FALSE(FormatVon(e, QStringLiteral("wieder")).fontItalic());
    EXPECT_FALSE(FormatVon(e, QStringLiteral("wieder")).fontUnderline());
    EXPECT_TRUE(FormatVon(e, QStringLiteral("eins")).fontUnderline());
    EXPECT_FALSE(FormatVon(e, QStringLiteral("zwei")).fontUnderline());
    EXPECT_TRUE(FormatVon(e, QStringLiteral("drei")).fontUnderline());
    EXPECT_FALSE(FormatVon(e, QStringLiteral("vier")).fontUnderline());
    const QTextCharFormat s = FormatVon(e, QStringLiteral("schlicht"));
    EXPECT_EQ(s.fontWeight(), QFont::Normal);
    EXPECT_FALSE(s.fontItalic());
    EXPECT_EQ(s.property(QTextFormat::FontPixelSize).toInt(), 16);  // \plain: 12 pt
    EXPECT_EQ(FormatVon(e, QStringLiteral("hoch")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(FormatVon(e, QStringLiteral("tief")).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(FormatVon(e, QStringLiteral("klein")).property(QTextFormat::FontPixelSize).toInt(), 13);
}

TEST(RtfSteuerwoerter, AbsatzEigenschaften)
{
    RichEdit e;
    ASSERT_TRUE(Laden(e, QByteArray("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;\\red200\\green100\\blue50;}"
                                    "\\li600\\fi300\\ri150\\qc eins\\par "
                                    "zwei\\pard\\qr\\par "  // \pard before \par: the paragraph ends as reset
                                    "\\qj\\cf2\\highlight1 drei\\cf0\\cb0 vier\\par "
                                    "\\pard\\fi-900\\li300 fuenf\\par}")));
    const QTextBlockFormat eins = BlockMit(e, QStringLiteral("eins")).blockFormat();
    EXPECT_DOUBLE_EQ(eins.leftMargin(), 40.0);
    EXPECT_DOUBLE_EQ(eins.textIndent(), 20.0);
    EXPECT_DOUBLE_EQ(eins.rightMargin(), 10.0);
    EXPECT_EQ(eins.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextBlockFormat zwei = BlockMit(e, QStringLiteral("zwei")).blockFormat();
    EXPECT_DOUBLE_EQ(zwei.leftMargin(), 0.0);
    EXPECT_EQ(zwei.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(BlockMit(e, QStringLiteral("drei")).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
    const QTextCharFormat drei = FormatVon(e, QStringLiteral("drei"));
    EXPECT_EQ(Vordergrund(drei), QColor(200, 100, 50));
    EXPECT_EQ(drei.background().color(), QColor(1, 2, 3));
    EXPECT_FALSE(FormatVon(e, QStringLiteral("vier")).hasProperty(QTextFormat::BackgroundBrush));
    // A first line further left than the margin is kept inside the control.
    const QTextBlockFormat fuenf = BlockMit(e, QStringLiteral("fuenf")).blockFormat();
    EXPECT_DOUBLE_EQ(fuenf.leftMargin(), 20.0);
    EXPECT_DOUBLE_EQ(fuenf.textIndent(), -20.0);
}

TEST(RtfLaden, KeinRtfOderKeineDatei)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtf(&e, Pfad("wordpad.rtf")));
    EXPECT_FALSE(LadeRtfDaten(&e, QByteArray("Dies ist kein RTF {\\rtf1 x}")));
    EXPECT_TRUE(e.document()->isEmpty());
    ASSERT_TRUE(LadeRtf(&e, Pfad("wordpad.rtf")));
    EXPECT_FALSE(LadeRtf(&e, Pfad("gibtsnicht.rtf")));
    EXPECT_TRUE(e.document()->isEmpty());
    EXPECT_FALSE(LadeRtf(&e, QStringLiteral(QP_TESTDATEN "/rtf")));  // a directory
    EXPECT_FALSE(LadeRtfDaten(&e, QByteArray()));
    EXPECT_FALSE(LadeRtfDaten(&e, QByteArray("{\\rt")));
    // Leading blanks and a UTF-8 byte order mark are tolerated.
    EXPECT_TRUE(LadeRtfDaten(&e, QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 ok}")));
    EXPECT_EQ(Text(e), QStringLiteral("ok"));
}

// A long text read into a shown control opens at its beginning, laid out as far as its first
// view; the rest is laid out when it is needed or while the event loop goes on.
TEST(RtfLaden, LangerTextNurBisZurErstenAnsichtAusgelegt)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 5000; ++i)
        rtf += "Ein Absatz mit {\\b fetten} und {\\i schr\\'e4gen} W\\'f6rtern.\\par ";
    rtf += "}";
    RichEdit e;
    e.resize(400, 300);
    e.show();
    Ereignisse();
    ASSERT_TRUE(LadeRtfDaten(&e, rtf));
    const QTextDocument &doc = *e.document();
    const QTextBlock erster = doc.firstBlock(), spaeter = doc.findBlockByNumber(4990);
    EXPECT_EQ(e.textCursor().position(), 0);
    e.viewport()->grab();
    EXPECT_GT(erster.layout()->lineCount(), 0);
    EXPECT_EQ(spaeter.layout()->lineCount(), 0);
    doc.documentLayout()->documentSize();
    EXPECT_GT(spaeter.layout()->lineCount(), 0);
}

TEST(RtfFeindlich, AbgeschnitteneDateien)
{
    QFile f(Pfad("lo_formatiert.rtf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray ganz = f.readAll();
    RichEdit e;
    for (qsizetype n = 5; n < ganz.size(); n += 7) {
        ASSERT_TRUE(LadeRtfDaten(&e, ganz.left(n))) << n;
    }
    // Cut in the middle of the last paragraph: what came before is there.
    const qsizetype schnitt = ganz.indexOf("Lass Dir");
    ASSERT_GT(schnitt, 0);
    ASSERT_TRUE(LadeRtfDaten(&e, ganz.left(schnitt + 4)));
    EXPECT_TRUE(Text(e).endsWith(QStringLiteral("ein Maß.\nLass")));
    // Cut inside \'xx, \uN and a control word.
    for (const char *rest : {"{\\rtf1 a\\'", "{\\rtf1 a\\'f", "{\\rtf1 a\\u", "{\\rtf1 a\\u-", "{\\rtf1 a\\b",
                             "{\\rtf1 a\\", "{\\rtf1 a\\bin", "{\\rtf1 a\\bin9"}) {
        ASSERT_TRUE(LadeRtfDaten(&e, QByteArray(rest))) << rest;
        EXPECT_EQ(Text(e), QStringLiteral("a")) << rest;
    }
}

TEST(RtfFeindlich, UnausgeglicheneKlammern)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtfDaten(&e, QByteArray("{\\rtf1 a}}}}} b{\\b c")));
    EXPECT_EQ(Text(e), QStringLiteral("a bc"));
    EXPECT_EQ(FormatVon(e, QStringLiteral("c")).fontWeight(), QFont::Bold);
    ASSERT_TRUE(LadeRtfDaten(&e, QByteArray("{\\rtf1 {\\b {\\i fett kursiv")));
    EXPECT_EQ(Text(e), QStringLiteral("fett kursiv"));
}

TEST(RtfFeindlich, HunderttausendGeschachtelteGruppen)
{
    const int n = 100000;
    QByteArray rtf = "{\\rtf1 ";
    rtf += QByteArray(n, '{');
    rtf += "\\b innen";
    rtf += QByteArray(n, '}');
    rtf += " aussen}";
    RichEdit e;
    ASSERT_TRUE(LadeRtfDaten(&e, rtf));
    EXPECT_EQ(Text(e), QStringLiteral("innen aussen"));
    EXPECT_EQ(FormatVon(e, QStringLiteral("innen")).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatVon(e, QStringLiteral("aussen")).fontWeight(), QFont::Normal);

    // Only opening braces: no recursion, no growth beyond the capped stack.
    ASSERT_TRUE(LadeRtfDaten(&e, "{\\rtf1 x" + QByteArray(n, '{') + "y"));
    EXPECT_EQ(Text(e), QStringLiteral("xy"));
}

TEST(RtfFeindlich, UeberlaufendeZahlen)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtfDaten(&e, QByteArray("{\\rtf1 \\fs99999999999999 gross\\fs-99999999999999 klein"
                                            "\\par\\li99999999999999999999\\fi-99999999999999\\ri-5 x"
                                            "\\u99999999999999?\\u-99999999999999?\\uc99999999 y"
                                            "\\cf99999999999 z\\f-99999999999 w}")));
    EXPECT_EQ(FormatVon(e, QStringLiteral("gross")).property(QTextFormat::FontPixelSize).toInt(), PixelGroesse(1638));
    EXPECT_EQ(FormatVon(e, QStringLiteral("klein")).property(QTextFormat::FontPixelSize).toInt(), 1);
    const QTextBlockFormat f = BlockMit(e, QStringLiteral("x")).blockFormat();
    EXPECT_DOUBLE_EQ(f.leftMargin(), 31680 / 15.0);
    EXPECT_DOUBLE_EQ(f.textIndent(), -31680 / 15.0);
    EXPECT_DOUBLE_EQ(f.rightMargin(), 0.0);
    EXPECT_EQ(Text(e), QStringLiteral("grossklein\nxyzw"));
}

TEST(RtfFeindlich, BinMitRiesigemN)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtfDaten(&e, QByteArray("{\\rtf1 vorher\\bin99999999999999999 {{{{ danach}")));
    EXPECT_EQ(Text(e), QStringLiteral("vorher"));
    ASSERT_TRUE(LadeRtfDaten(&e, QByteArray("{\\rtf1 a\\bin-7 b\\bin0 c}")));
    EXPECT_EQ(Text(e), QStringLiteral("abc"));
    QByteArray bin = "{\\rtf1 a{\\*\\blip\\bin6 ";
    bin += QByteArray("}\0\\{\xff}", 6);
    bin += "}b}";
    ASSERT_TRUE(LadeRtfDaten(&e, bin));
    EXPECT_EQ(Text(e), QStringLiteral("ab"));
}

TEST(RtfFeindlich, ZufallsBytes)
{
    std::mt19937 zufall(4711);
    RichEdit e;
    // Plain random bytes behind an RTF header.
    for (int lauf = 0; lauf < 4; ++lauf) {
        QByteArray d = "{\\rtf1 ";
        d.resize(200000);
        for (qsizetype i = 7; i < d.size(); ++i)
            d[i] = char(zufall() & 0xFF);
        ASSERT_TRUE(LadeRtfDaten(&e, d));
    }
    // Random sequences of RTF pieces, which reach the parser's corners far more often.
    const char *stuecke[] = {"{", "}", "\\", "\\'", "\\u", "\\uc", "\\bin", "\\*", "\\fonttbl", "\\colortbl",
                             "\\red", "\\f", "\\fs", "\\b", "\\par", "\\pard", "\\li", "\\fi", "\\qc", "\\cf",
                             "\\pict", "\\plain", "\\fcharset", ";", "-", "0", "12", "99999999999", "ab", " ",
                             "\xe4", "\\'e4", "\\'8", "\\~", "\\line", "\\ansicpg", "932", "\\'82", "\r\n"};
    for (int lauf = 0; lauf < 20; ++lauf) {
        QByteArray d = "{\\rtf1 ";
        for (int i = 0; i < 5000; ++i)
            d += stuecke[zufall() % std::size(stuecke)];
        ASSERT_TRUE(LadeRtfDaten(&e, d));
    }
}

TEST(RtfFeindlich, GrosseDateien)
{
    RichEdit e;

    // 16 MB of picture data: skipped quickly, the text around it is shown.
    QByteArray bild = "{\\rtf1 vor{\\pict\\pngblip ";
    bild += QByteArray(16 * 1024 * 1024, 'a');
    bild += "}nach}";
    ASSERT_TRUE(LadeRtfDaten(&e, bild));
    EXPECT_EQ(Text(e), QStringLiteral("vornach"));

    // Text beyond the character limit is cut off, and a line says so.
    QByteArray lang = "{\\rtf1 ";
    for (int i = 0; i < RtfMaxZeichen / 10 + 100; ++i)
        lang += "Wort Wort ";
    lang += "}";
    RtfBericht bericht;
    ASSERT_TRUE(LadeRtfDaten(&e, lang, &bericht));
    EXPECT_TRUE(bericht.gekuerzt);
    EXPECT_EQ(e.document()->characterCount() - 1, RtfMaxZeichen + 1 + RtfGekuerztHinweis.size());
    EXPECT_EQ(e.document()->lastBlock().text(), RtfGekuerztHinweis);
    EXPECT_TRUE(e.document()->lastBlock().charFormat().fontItalic());
}

TEST(RtfFeindlich, GrenzenFuerAbsaetzeUndFormatwechsel)
{
    RichEdit e;
    QByteArray absaetze = "{\\rtf1 ";
    for (int i = 0; i < RtfMaxAbsaetze + 10; ++i)
        absaetze += "\\par ";
    absaetze += "Ende}";
    ASSERT_TRUE(LadeRtfDaten(&e, absaetze));
    EXPECT_EQ(e.document()->blockCount(), RtfMaxAbsaetze + 2);
    EXPECT_FALSE(Text(e).contains(QStringLiteral("Ende")));
    EXPECT_EQ(e.document()->lastBlock().text(), RtfGekuerztHinweis);

    // The text ends at the last allowed change of format, in the document and in one paragraph.
    struct Fall {
        const char *name;
        QByteArray wiederholt;
        int anzahl, gezeigt;  // format runs
    };
    const Fall faelle[] = {
        {"document", "\\b a\\b0 b\\par ", RtfMaxFormatwechsel / 2 + 10, RtfMaxFormatwechsel},
        {"paragraph", "\\b a\\b0 b", RtfMaxLaeufeJeAbsatz / 2 + 10, RtfMaxLaeufeJeAbsatz},
        {"below both", "\\b a\\b0 b", RtfMaxLaeufeJeAbsatz / 2 - 10, RtfMaxLaeufeJeAbsatz - 20},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        RtfBericht bericht;
        ASSERT_TRUE(LadeRtfDaten(&e, "{\\rtf1 " + f.wiederholt.repeated(f.anzahl) + "\\i Ende}", &bericht));
        const QString t = Text(e).remove(QChar(0x200B)).remove(u'\n').remove(RtfGekuerztHinweis);
        EXPECT_EQ(t.size(), f.gezeigt + (bericht.gekuerzt ? 0 : 4));
        EXPECT_EQ(bericht.gekuerzt, f.gezeigt < 2 * f.anzahl);
    }
}

TEST(RtfFeindlich, LangeWoerterBekommenUnsichtbareUmbrueche)
{
    RichEdit e;
    const QByteArray wort(450, 'x');
    ASSERT_TRUE(LadeRtfDaten(&e, "{\\rtf1 " + wort + " kurz " + wort + "}"));
    const QString t = Text(e);
    EXPECT_EQ(t.count(QChar(0x200B)), 4);
    EXPECT_EQ(QString(t).remove(QChar(0x200B)), QString::fromLatin1(wort + " kurz " + wort));
    EXPECT_EQ(t.indexOf(QChar(0x200B)), 200);
}

// ---- faults found by fuzzing and stress files ---------------------------------------------

namespace {

// Collects the toolkit's warnings while it lives.
struct WarnungsSammler {
    static inline QStringList liste;
    QtMessageHandler vorher;
    WarnungsSammler()
    {
        liste.clear();
        vorher = qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext &, const QString &text) {
            if (typ == QtWarningMsg || typ == QtCriticalMsg)
                liste.append(text);
        });
    }
    ~WarnungsSammler() { qInstallMessageHandler(vorher); }
};

// A control as narrow as the reader's height estimate assumes, shown, so that it lays out.
struct SichtbaresEdit {
    RichEdit e;
    SichtbaresEdit()
    {
        e.resize(int(RtfMinBreite) + 30, 300);
        e.show();
    }
    double hoehe() { return e.document()->documentLayout()->documentSize().height(); }
};

QByteArray Datei(const char *name)
{
    QFile f(QStringLiteral(QP_TESTDATEN "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

}  // namespace

// Documents taller than the text layout copes with are cut off while reading; real ones are not.
TEST(RtfFunde, DieHoeheDesDokumentsIstBegrenzt)
{
    struct Fall {
        const char *name;
        QByteArray anfang, wiederholt;
        int anzahl;
        bool abgeschnitten;
    };
    QByteArray absatzabstand = Datei("rtf_funde/hoehe_absatzabstand.rtf");
    absatzabstand.chop(1);  // its closing brace: the end mark follows
    const Fall faelle[] = {
        {"spacing before and after at the largest size", absatzabstand, "", 0, true},
        {"480 000 line breaks", "{\\rtf1 ", "\\line", 480'000, true},
        {"a wide indent wraps every character", "{\\rtf1\\li31680\\fs200 ", "x", 100'000, true},
        {"3000 ordinary paragraphs", "{\\rtf1 ", "Ein Absatz mit einigen Wörtern, wie er in jedem Text steht.\\par ",
         3000, false},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        SichtbaresEdit s;
        ASSERT_TRUE(LadeRtfDaten(&s.e, f.anfang + f.wiederholt.repeated(f.anzahl) + "ENDE}"));
        const double h = s.hoehe();
        EXPECT_GT(h, 0.0);
        EXPECT_LT(h, RtfMaxHoehe);
        EXPECT_EQ(Text(s.e).endsWith(QStringLiteral("ENDE")), !f.abgeschnitten);
    }
}

// Pictures do not count against what is kept: a file with photos beyond the old 32 MiB shows
// its text; only absurd sizes are refused.
TEST(RtfFunde, BilderZaehlenNichtZurGroesse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fotos = dir.filePath(QStringLiteral("fotos.rtf"));
    {
        QFile f(fotos);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{\\rtf1 Vorher{\\pict\\jpegblip\\picw100\\pich100 ");
        const QByteArray hex = QByteArray("ffd8ffe000104a464946").repeated(1024 * 1024 / 20 + 1);
        for (int i = 0; i < 40; ++i)
            f.write(hex);
        f.write("}\\par Nachher mit Gr\\'fc\\'dfen}");
    }
    RichEdit e;
    ASSERT_TRUE(LadeRtf(&e, fotos));
    EXPECT_EQ(Text(e), QStringLiteral("Vorher\nNachher mit Grüßen"));

    const QString absurd = dir.filePath(QStringLiteral("absurd.rtf"));
    {
        QFile f(absurd);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{\\rtf1 ");
        ASSERT_TRUE(f.resize(RtfMaxDateiGroesse + 1));  // sparse: nothing is written
    }
    EXPECT_FALSE(LadeRtf(&e, absurd));
    EXPECT_TRUE(e.document()->isEmpty());
}

// The text each construct leaves in the control.
TEST(RtfFunde, TabellenSymboleListenFussnotenSterneDoppelbytes)
{
    struct Fall {
        const char *was;
        QByteArray rtf;
        QString text;
    };
    const Fall faelle[] = {
        {"pandoc's cells hold paragraphs; a row is one line",
         "{\\rtf1 {\\trowd\\cellx100\\cellx200\\intbl{{\\pard\\intbl A\\par}\\cell}{{\\pard\\intbl B\\par}\\cell}"
         "\\intbl\\row}{\\pard danach\\par}}",
         QStringLiteral("A\tB\ndanach\n")},
        {"two paragraphs in one cell stay in the row",
         "{\\rtf1 \\trowd\\pard\\intbl eins\\par zwei\\cell drei\\cell\\row\\pard x}", QStringLiteral("eins zwei\tdrei\nx")},
        {"a table paragraph whose table ends without \\row",
         "{\\rtf1 \\pard\\intbl a\\par\\pard b}", QStringLiteral("a\nb")},
        {"bytes and \\uF0xx in the Symbol font; other symbol fonts keep their bytes",
         "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}{\\f2\\fcharset2 Wingdings;}}"
         "{\\f1 \\'b7\\'61\\'b3\\'d6 \\u61623?}{\\f2 \\'b7}}",
         QStringLiteral("•α≥√ •·")},
        {"an empty list number leaves no tab",
         "{\\rtf1 {\\listtext\\pard\\plain \\tab}Titel\\par{\\listtext\\pard\\plain  1.\\tab}Eins\\par"
         "{\\pntext\\f0\\'b7\\tab}Punkt}",
         QStringLiteral("Titel\n 1.\tEins\n·\tPunkt")},
        {"footnote marks are numbered, their texts not shown",
         "{\\rtf1 A{\\super\\chftn}{\\*\\footnote\\chftn Text eins} B{\\super\\chftn}{\\footnote\\chftn zwei}.}",
         QStringLiteral("A1 B2.")},
        {"\\* inside a group is no destination", "{\\rtf1 a\\*b\\b c{\\i\\*\\fremd d}e}", QStringLiteral("abcde")},
        {"\\* after text in a group", "{\\rtf1 {x\\*\\b y}z}", QStringLiteral("xyz")},
        {"a double-byte character across a change of format",
         "{\\rtf1\\ansi\\ansicpg932 \\'93{\\b\\'fa}\\b\\'96\\b0\\'7b\\'95\\'5c.}", QStringLiteral("日本表.")},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.was);
        RichEdit e;
        ASSERT_TRUE(LadeRtfDaten(&e, f.rtf));
        EXPECT_EQ(Text(e), f.text);
    }
}

TEST(RtfFunde, TabellenUndFussnotenVonPandocUndLibreOffice)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtf(&e, Pfad("pandoc_bohr.rtf")));
    EXPECT_TRUE(Text(e).contains(QStringLiteral("\nn\tEnergie in eV\tRadius in nm\n1\t−13,6\t0,053\n")));
    // The cells' right edges (\cellx2880, \cellx5760) are the row's tab stops.
    const QList<QTextOption::Tab> tabs = BlockMit(e, QStringLiteral("0,053")).blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, 192.0);
    EXPECT_DOUBLE_EQ(tabs[1].position, 384.0);
    ASSERT_TRUE(LadeRtf(&e, Pfad("lo_welle.rtf")));
    EXPECT_TRUE(Text(e).contains(QStringLiteral("\nRot\t700\u00A0nm\t4,3·1014\u00A0Hz\n")));
    for (const char *datei : {"pandoc_photoeffekt.rtf", "lo_photoeffekt.rtf"}) {
        SCOPED_TRACE(datei);
        ASSERT_TRUE(LadeRtf(&e, Pfad(datei)));
        const QString t = Text(e);
        EXPECT_TRUE(t.contains(QStringLiteral("Fußnote gefällig?1 "))) << t.toStdString();
        EXPECT_FALSE(t.contains(QStringLiteral("Nobelpreis")));
        bool hochgestellteEins = false;
        for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().text() == QStringLiteral("1") &&
                    it.fragment().charFormat().verticalAlignment() == QTextCharFormat::AlignSuperScript)
                    hochgestellteEins = true;
        EXPECT_TRUE(hochgestellteEins);
        for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next())
            EXPECT_FALSE(b.text().startsWith(u'\t')) << b.text().toStdString();
    }
}

// \dbch selects the associated font and size (\af, \afs) for East Asian text.
TEST(RtfFunde, OstasiatischeSchriftUndGroesse)
{
    RichEdit e;
    ASSERT_TRUE(LadeRtfDaten(&e, QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset128 MS Mincho;}}"
                                            "\\f0\\fs24\\hich\\af0\\dbch\\af1\\afs32\\loch Latein {\\dbch \\'93\\'fa\\'96\\'7b}"
                                            "{\\dbch\\u26085?} Ende}")));
    EXPECT_EQ(Text(e), QStringLiteral("Latein 日本日 Ende"));
    const QTextCharFormat cjk = FormatVon(e, QStringLiteral("日本"));
    EXPECT_EQ(cjk.fontFamilies().toStringList(), QStringList{QStringLiteral("MS Mincho")});
    EXPECT_EQ(cjk.property(QTextFormat::FontPixelSize).toInt(), PixelGroesse(16));
    const QTextCharFormat latein = FormatVon(e, QStringLiteral("Latein"));
    EXPECT_EQ(latein.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    EXPECT_EQ(latein.property(QTextFormat::FontPixelSize).toInt(), PixelGroesse(12));
}

TEST(RtfFunde, LangeWoerterTrennenKeineSurrogatpaare)
{
    RichEdit e;
    QByteArray wort = QByteArray(199, 'x');
    for (int i = 0; i < 300; ++i)
        wort += "\\u-10179?\\u-8704?";  // U+1F600
    ASSERT_TRUE(LadeRtfDaten(&e, "{\\rtf1 " + wort + "}"));
    const QString t = Text(e);
    EXPECT_EQ(QString(t).remove(QChar(0x200B)), QString(199, u'x') + QString::fromUtf8("😀").repeated(300));
    for (qsizetype i = 0; i < t.size(); ++i)
        EXPECT_EQ(t[i].isHighSurrogate(), i + 1 < t.size() && t[i + 1].isLowSurrogate()) << i;
    EXPECT_EQ(t.count(QChar(0x200B)), 2);  // after 200 and 400 characters
}

// Very small raised and lowered text lays out without a warning of the toolkit.
TEST(RtfFunde, WinzigeHochUndTiefgestellteSchrift)
{
    for (const char *rtf : {"{\\rtf1\\fs1{\\super a}{\\sub b}\\fs2{\\up3 c}{\\dn3 d}\\fs3\\super e}",
                            "{\\rtf1\\fs-5\\sub x\\fs0 y}"}) {
        SCOPED_TRACE(rtf);
        WarnungsSammler w;
        SichtbaresEdit s;
        ASSERT_TRUE(LadeRtfDaten(&s.e, QByteArray(rtf)));
        s.hoehe();
        s.e.viewport()->grab();
        EXPECT_TRUE(WarnungsSammler::liste.isEmpty()) << WarnungsSammler::liste.join(u'\n').toStdString();
    }
}
