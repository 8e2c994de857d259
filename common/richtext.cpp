#include "richtext.h"

#include "steuerelemente.h"

#include "rtf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {
constexpr double PunktInPixel = 96.0 / 72.0;
constexpr int ErsterAbsatzBeschrieben = 1;  // user state of a first block that holds a written line
}  // namespace


int PixelGroesse(double punkte)
{
    // 1638 points is the largest size word processors offer.
    const double p = std::isfinite(punkte) ? std::clamp(punkte, 0.0, 1638.0) : 0.0;
    return std::max(1, Runde(p * 96 / 72.0));
}

// ---- RichEdit --------------------------------------------------------------------------

RichEdit::RichEdit(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Its own plain default font, so that the bold font of the window does not show
    // through in text without a font of its own.
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(PixelGroesse(10));
    schrift.setBold(false);
    setFont(schrift);
    setHintergrund(0xFFFFFF);
}

void RichEdit::setHintergrund(TColor farbe)
{
    hintergrund_ = farbe & 0xFFFFFF;
    QPalette p = palette();
    p.setColor(QPalette::Base, QFarbe(hintergrund_));
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void RichEdit::leeren()
{
    clear();
}

void RichEdit::mouseReleaseEvent(QMouseEvent *e)
{
    QTextEdit::mouseReleaseEvent(e);
    emit mausLosgelassen();
}

bool RichEdit::canInsertFromMimeData(const QMimeData *quelle) const
{
    return quelle && quelle->hasText();
}

void RichEdit::insertFromMimeData(const QMimeData *quelle)
{
    if (quelle && quelle->hasText())
        textCursor().insertText(quelle->text());
}

// ---- attributes ---------------------------------------------------------------------------

QTextCharFormat Zeichenattribute::format() const
{
    QTextCharFormat f;
    f.setForeground(QFarbe(farbe));
    f.setProperty(QTextFormat::FontPixelSize, PixelGroesse(groesse));
    f.setFontFamilies(QStringList{schrift});
    f.setFontWeight(fett ? QFont::Bold : QFont::Normal);
    f.setFontItalic(kursiv);
    f.setFontUnderline(unterstrichen);
    if (lage == Lage::hoch)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (lage == Lage::tief)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (hintergrund)
        f.setBackground(QFarbe(*hintergrund));
    return f;
}

QTextBlockFormat Absatzattribute::format() const
{
    QTextBlockFormat f;
    // First line at ersterEinzug, later lines at ersterEinzug + linkerEinzug; Qt puts the
    // first line at leftMargin + textIndent and the later ones at leftMargin.
    f.setLeftMargin((ersterEinzug + linkerEinzug) * PunktInPixel);
    f.setTextIndent(-linkerEinzug * PunktInPixel);
    f.setRightMargin(rechterEinzug * PunktInPixel);
    switch (ausrichtung) {
    case Ausrichtung::links: f.setAlignment(Qt::AlignLeft); break;
    case Ausrichtung::zentriert: f.setAlignment(Qt::AlignHCenter); break;
    case Ausrichtung::rechts: f.setAlignment(Qt::AlignRight); break;
    case Ausrichtung::blocksatz: f.setAlignment(Qt::AlignJustify); break;
    }
    return f;
}

// ---- TextSchreiber ---------------------------------------------------------------------

TextSchreiber::TextSchreiber(RichEdit *edit) : edit_(edit) {}

namespace {
// True while the document holds nothing that a writer wrote: the first line then goes
// into the existing empty block instead of a new one.
bool Unbeschrieben(QTextDocument *doc)
{
    return doc->isEmpty() && doc->blockCount() == 1 && doc->firstBlock().userState() != ErsterAbsatzBeschrieben;
}
}  // namespace

void TextSchreiber::zeile(const QString &text)
{
    QTextDocument *doc = edit_->document();
    const QTextCharFormat cf = zeichen.format();
    const QTextBlockFormat bf = absatz.format();
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    if (Unbeschrieben(doc)) {
        c.setBlockFormat(bf);
        c.setBlockCharFormat(cf);
    } else {
        c.insertBlock(bf, cf);
    }
    c.insertText(text, cf);
    doc->firstBlock().setUserState(ErsterAbsatzBeschrieben);
}

void TextSchreiber::anhaengen(const QString &text)
{
    QTextDocument *doc = edit_->document();
    if (Unbeschrieben(doc)) {
        zeile(text);
        return;
    }
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    c.insertText(text, zeichen.format());
}

void TextSchreiber::leeren()
{
    edit_->leeren();
}

void TextSchreiber::ersteZeileErsetzen(const QString &text)
{
    QTextDocument *doc = edit_->document();
    if (Unbeschrieben(doc)) {
        zeile(text);
        return;
    }
    const QTextBlock b = doc->firstBlock();
    QTextCursor c(b);
    QTextCharFormat f = b.charFormat();
    if (b.length() > 1) {
        c.movePosition(QTextCursor::NextCharacter);
        f = c.charFormat();
        c.movePosition(QTextCursor::StartOfBlock);
    }
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(text, f);
}

// ---- styles -------------------------------------------------------------------------------

namespace {
TextStil GrundStil(TColor farbe, int groesse, TColor marke, TColor hintergrund)
{
    TextStil s;
    s.farbe = farbe;
    s.groesse = groesse;
    s.hintergrund = hintergrund;
    s.hervorhebung1 = marke;
    s.hervorhebung2 = marke;
    s.kapitelGroesse = groesse;
    s.kapitelFarbe = marke;
    s.abschnittGroesse = groesse;
    s.abschnittFarbe = marke;
    s.kleineUeberschriftFarbe = marke;
    s.aufforderungFarbe = marke;
    return s;
}
}  // namespace

const QString AufforderungsText = QStringLiteral("Lass dir’s zeigen →   ");

TextStil StilHinweis()
{
    TextStil s = GrundStil(FarbeHinweisText, SchriftMittel, FarbeHervorhebung, 0xFFFFFF);
    s.hervorhebung2 = FarbeHinweisMarke;
    return s;
}

TextStil StilErgebnis()
{
    TextStil s = GrundStil(FarbeErgebnisText, SchriftMittel, FarbeErgebnisMarke, 0xBFFFFF);
    s.hervorhebung2 = FarbeErgebnisMarke2;
    return s;
}

TextStil StilText2()
{
    return GrundStil(FarbeText2, SchriftMittel, FarbeTextMarke2, FarbeTextGrund);
}

TextStil StilTheorie()
{
    TextStil s = GrundStil(0xA2642D, SchriftMittel - 2, 0x640EB1, 0xBFFFFF);
    s.hervorhebung1Fett = true;
    s.hervorhebung2 = 0x719933;
    s.hervorhebung2Fett = true;
    s.kapitelGroesse = SchriftMittel + 2;
    s.kapitelFarbe = 0x6702A4;
    s.abschnittGroesse = SchriftMittel;
    s.abschnittFarbe = 0xA40294;
    s.bemerkungFarbe = 0xC0C0C0;
    s.aufforderungFarbe = 0x706086;
    return s;
}

TextStil StilBiographie()
{
    TextStil s = GrundStil(0x9F5B00, SchriftMittel - 2, 0x800080, 0xEECB02);
    s.hervorhebung1Fett = true;
    s.hervorhebung2 = 0x9F5B00;
    s.hervorhebung2Fett = true;
    s.kapitelGroesse = SchriftMittel + 2;
    s.abschnittGroesse = SchriftMittel;
    s.kapitelAbstand = 6;
    s.zentriertGroesse = SchriftNormal;
    return s;
}

TextStil StilInfo()
{
    TextStil s = GrundStil(0x673D56, SchriftMittel, 0x800080, 0xAEFFB9);
    s.hervorhebung1Fett = true;
    s.kapitelGroesse = SchriftGross;
    s.abschnittGroesse = SchriftGross;
    s.abstandGroesse = 4;
    s.kapitelAbstand = 6;
    s.listeFarbe = 0x800080;
    return s;
}

// ---- markup -------------------------------------------------------------------------------

namespace {

bool IstMarkenZeichen(QChar c)
{
    switch (c.unicode()) {
    case '*': case '~': case '_': case '^': case '\\': case '/': case '{': case '}':
        return true;
    default:
        return false;
    }
}

// Writes the inline marks of one paragraph. Marks that are not closed within the
// paragraph are written as they stand.
class InlineSchreiber {
public:
    InlineSchreiber(TextSchreiber &s, const TextStil &stil, const Zeichenattribute &basis)
        : s_(s), stil_(stil), basis_(basis) {}

    void schreibe(const QString &t)
    {
        t_ = t;
        fehltAb_[0] = fehltAb_[1] = fehltAb_[2] = fehltAb_[3] = fehltAb_[4] = int(t.size()) + 1;
        teil(0, int(t.size()), basis_, true);
        if (erstes_)
            ausgeben(QString(), basis_);
    }

private:
    enum Marke { Stern, DoppelStern, Tilde, DoppelSchraeg, Klammer };

    // Position of the closing mark at or after `ab` (before `bis`), escapes skipped; -1 if none.
    int suche(int ab, int bis, Marke m)
    {
        if (ab >= fehltAb_[m])
            return -1;
        for (int i = ab; i < bis; ++i) {
            const QChar c = t_[i];
            if (c == u'\\' && i + 1 < bis && IstMarkenZeichen(t_[i + 1])) {
                ++i;
                continue;
            }
            switch (m) {
            case Stern: if (c == u'*') return i; break;
            case DoppelStern: if (c == u'*' && i + 1 < bis && t_[i + 1] == u'*') return i; break;
            case Tilde: if (c == u'~') return i; break;
            case DoppelSchraeg: if (c == u'/' && i + 1 < bis && t_[i + 1] == u'/') return i; break;
            case Klammer: if (c == u'}') return i; break;
            }
        }
        if (bis == int(t_.size()))
            fehltAb_[m] = std::min(fehltAb_[m], ab);
        return -1;
    }

    void ausgeben(const QString &text, const Zeichenattribute &a)
    {
        s_.zeichen = a;
        if (erstes_) {
            s_.zeile(text);
            erstes_ = false;
        } else if (!text.isEmpty()) {
            s_.anhaengen(text);
        }
    }

    // Writes t_[von, bis) in the attributes a; spans (highlights, bold, italic) only
    // where `spannen` is set, super- and subscripts always.
    void teil(int von, int bis, const Zeichenattribute &a, bool spannen)
    {
        QString lauf;
        auto weg = [&] {
            if (!lauf.isEmpty()) {
                ausgeben(lauf, a);
                lauf.clear();
            }
        };
        int i = von;
        while (i < bis) {
            const QChar c = t_[i];
            const QChar n = i + 1 < bis ? t_[i + 1] : QChar();
            if (c == u'\\' && i + 1 < bis && IstMarkenZeichen(n)) {
                lauf += n;
                i += 2;
                continue;
            }
            if ((c == u'^' || c == u'_') && n == u'{') {
                const int j = suche(i + 2, bis, Klammer);
                if (j >= 0) {
                    weg();
                    Zeichenattribute b = a;
                    b.lage = c == u'^' ? Zeichenattribute::Lage::hoch : Zeichenattribute::Lage::tief;
                    teil(i + 2, j, b, false);
                    i = j + 1;
                    continue;
                }
            }
            if (spannen) {
                int laenge = 0;  // length of the mark
                int j = -1;
                Zeichenattribute b = a;
                if (c == u'*' && n == u'*') {
                    laenge = 2;
                    j = suche(i + 2, bis, DoppelStern);
                    b.fett = true;
                } else if (c == u'*') {
                    laenge = 1;
                    j = suche(i + 1, bis, Stern);
                    b.farbe = stil_.hervorhebung1;
                    b.fett = b.fett || stil_.hervorhebung1Fett;
                } else if (c == u'~') {
                    laenge = 1;
                    j = suche(i + 1, bis, Tilde);
                    b.farbe = stil_.hervorhebung2;
                    b.fett = b.fett || stil_.hervorhebung2Fett;
                } else if (c == u'/' && n == u'/') {
                    laenge = 2;
                    j = suche(i + 2, bis, DoppelSchraeg);
                    b.kursiv = true;
                }
                if (laenge > 0) {
                    if (j > i + laenge) {
                        weg();
                        teil(i + laenge, j, b, false);
                        i = j + laenge;
                    } else {
                        lauf += t_.mid(i, laenge);
                        i += laenge;
                    }
                    continue;
                }
            }
            lauf += c;
            ++i;
        }
        weg();
    }

    TextSchreiber &s_;
    const TextStil &stil_;
    Zeichenattribute basis_;
    QString t_;
    bool erstes_ = true;
    int fehltAb_[5] = {};  // per mark: from this position on there is no closing mark
};

class MarkupLeser {
public:
    MarkupLeser(RichEdit *edit, const TextStil &stil) : s_(edit), stil_(stil) {}

    void lies(const QString &markup)
    {
        QString text = markup;
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        const QStringList zeilen = text.split(u'\n');
        for (QString z : zeilen)
            zeile(z);
        schliessen();
    }

private:
    enum class Art { keine, text, liste, nummer, bemerkung };

    Zeichenattribute basis(int groesse, TColor farbe) const
    {
        Zeichenattribute a;
        a.farbe = farbe;
        a.groesse = groesse;
        a.schrift = stil_.schrift;
        return a;
    }

    Absatzattribute grundAbsatz() const
    {
        Absatzattribute p;
        p.ersterEinzug = stil_.ersterEinzug;
        p.linkerEinzug = stil_.linkerEinzug;
        p.rechterEinzug = stil_.rechterEinzug;
        return p;
    }

    void abstand(int groesse)
    {
        s_.absatz = grundAbsatz();
        s_.zeichen = basis(groesse, stil_.farbe);
        s_.zeile(QStringLiteral(" "));
        geschrieben_ = true;
    }

    // Called before every block that is written: the spacer of preceding empty lines.
    void vorBlock()
    {
        if (abstandFaellig_ && geschrieben_ && !nachKapitel_)
            abstand(stil_.abstandGroesse);
        abstandFaellig_ = false;
        nachKapitel_ = false;
    }

    void absatzSchreiben(const QString &text, const Absatzattribute &p, const Zeichenattribute &a)
    {
        s_.absatz = p;
        InlineSchreiber(s_, stil_, a).schreibe(text);
        geschrieben_ = true;
    }

    void schliessen()
    {
        if (art_ == Art::keine)
            return;
        Absatzattribute p = grundAbsatz();
        Zeichenattribute a = basis(stil_.groesse, stil_.farbe);
        switch (art_) {
        case Art::liste:
            p.ersterEinzug = stil_.listeErsterEinzug;
            p.linkerEinzug = stil_.listeLinkerEinzug;
            if (stil_.listeFarbe)
                a.farbe = *stil_.listeFarbe;
            break;
        case Art::nummer:
            p.ersterEinzug = stil_.nummerErsterEinzug;
            p.linkerEinzug = stil_.nummerLinkerEinzug;
            break;
        case Art::bemerkung:
            a.farbe = stil_.bemerkungFarbe;
            break;
        default:
            break;
        }
        absatzSchreiben(puffer_, p, a);
        art_ = Art::keine;
        puffer_.clear();
    }

    void oeffnen(Art art, const QString &text)
    {
        schliessen();
        vorBlock();
        art_ = art;
        puffer_ = text;
    }

    void ueberschrift(int stufe, const QString &text, Ausrichtung ausrichtung)
    {
        schliessen();
        vorBlock();
        Absatzattribute p = grundAbsatz();
        p.ausrichtung = ausrichtung;
        Zeichenattribute a;
        if (stufe == 1)
            a = basis(stil_.kapitelGroesse, stil_.kapitelFarbe);
        else if (stufe == 2)
            a = basis(stil_.abschnittGroesse, stil_.abschnittFarbe);
        else
            a = basis(stil_.groesse, stil_.kleineUeberschriftFarbe);
        a.fett = true;
        absatzSchreiben(text, p, a);
        if (stufe == 1) {
            abstand(stil_.kapitelAbstand);
            nachKapitel_ = true;
        }
    }

    // Heading level of a line beginning with "# ", "## " or "### "; 0 otherwise.
    static int Stufe(const QString &z)
    {
        for (int k = 1; k <= 3; ++k)
            if (z.size() > k && z[k] == u' ' && z.left(k) == QString(k, u'#'))
                return k;
        return 0;
    }

    void zeile(QString z)
    {
        // Trailing blanks (and the carriage return of CR LF files) do not count.
        int ende = int(z.size());
        while (ende > 0 && (z[ende - 1] == u'\r' || z[ende - 1] == u' ' || z[ende - 1] == u'\t'))
            --ende;
        z.truncate(ende);

        if (z.startsWith(QStringLiteral("%%")) && (z.size() == 2 || z[2] == u' '))
            return;

        // A line ending in an unescaped backslash ends its paragraph.
        int striche = 0;
        while (striche < z.size() && z[z.size() - 1 - striche] == u'\\')
            ++striche;
        const bool umbruch = striche % 2 == 1;
        if (umbruch)
            z.chop(1);

        if (z.isEmpty()) {
            schliessen();
            abstandFaellig_ = abstandFaellig_ || !umbruch;
            return;
        }
        if (z == u'.' || (z.size() <= 3 && z.startsWith(u'.') && Zahl(z.mid(1)) > 0)) {
            schliessen();
            vorBlock();
            abstand(z.size() == 1 ? stil_.abstandGroesse : Zahl(z.mid(1)));
            return;
        }
        if (z.size() > 1 && z[0] == u'=') {
            const QString rest = z.mid(1);
            if (const int k = Stufe(rest)) {
                ueberschrift(k, rest.mid(k + 1), Ausrichtung::zentriert);
            } else {
                schliessen();
                vorBlock();
                Absatzattribute p = grundAbsatz();
                p.ausrichtung = Ausrichtung::zentriert;
                absatzSchreiben(rest, p,
                                basis(stil_.zentriertGroesse > 0 ? stil_.zentriertGroesse : stil_.groesse, stil_.farbe));
            }
            return;
        }
        if (const int k = Stufe(z)) {
            ueberschrift(k, z.mid(k + 1), Ausrichtung::links);
            return;
        }
        if (z == QStringLiteral(">>>")) {
            schliessen();
            vorBlock();
            Absatzattribute p = grundAbsatz();
            p.ausrichtung = Ausrichtung::rechts;
            Zeichenattribute a = basis(stil_.groesse, stil_.aufforderungFarbe);
            a.fett = true;
            s_.absatz = p;
            s_.zeichen = a;
            s_.zeile(AufforderungsText);
            geschrieben_ = true;
            return;
        }
        if (z.startsWith(QStringLiteral("> "))) {
            if (art_ == Art::bemerkung)
                puffer_ += u' ' + z.mid(2).trimmed();
            else
                oeffnen(Art::bemerkung, z.mid(2));
        } else if (z.startsWith(QStringLiteral("- "))) {
            oeffnen(Art::liste, z);
        } else if (z.size() > 3 && z[0] >= u'1' && z[0] <= u'9' && z[1] == u')' && z[2] == u' ') {
            oeffnen(Art::nummer, z);
        } else if (art_ != Art::keine) {
            puffer_ += u' ' + z.trimmed();
        } else {
            oeffnen(Art::text, z);
        }
        if (umbruch)
            schliessen();
    }

    // A size of 1 to 72 written as digits; 0 otherwise.
    static int Zahl(const QString &s)
    {
        bool ok = false;
        const int n = s.toInt(&ok);
        return ok && n >= 1 && n <= 72 && s.size() <= 2 && s[0].isDigit() ? n : 0;
    }

    TextSchreiber s_;
    const TextStil &stil_;
    Art art_ = Art::keine;
    QString puffer_;
    bool abstandFaellig_ = false;
    bool nachKapitel_ = false;
    bool geschrieben_ = false;
};

}  // namespace

void SchreibeMarkup(RichEdit *edit, const QString &markup, const TextStil &stil)
{
    if (!edit)
        return;
    edit->leeren();
    edit->setHintergrund(stil.hintergrund);
    MarkupLeser(edit, stil).lies(markup);
    edit->verticalScrollBar()->setValue(0);
}

QString LadeText(const QString &resourcePath)
{
    QFile f(resourcePath);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// ---- text files -------------------------------------------------------------------------

QString FindeTextDatei(const QString &verzeichnis, const QString &dateiname)
{
    if (dateiname.isEmpty() || dateiname.contains(u'/'))
        return QString();
    const QDir dir(verzeichnis.isEmpty() ? QStringLiteral(".") : verzeichnis);
    auto pfad = [&](const QString &name) { return verzeichnis.isEmpty() ? name : dir.filePath(name); };

    const QFileInfo genau(dir, dateiname);
    if (genau.isFile())
        return pfad(dateiname);
    if (!dir.exists())
        return QString();
    const QStringList namen = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : namen)
        if (name.compare(dateiname, Qt::CaseInsensitive) == 0)
            return pfad(name);
    return QString();
}

void SchreibeTextOderDatei(RichEdit *edit, const QString &dateiname, const std::function<void()> &selbst)
{
    if (!edit)
        return;
    edit->leeren();
    if (TexteVonDatei) {
        const QString pfad = FindeTextDatei(TextPfad, dateiname);
        if (!pfad.isEmpty() && LadeRtf(edit, pfad))
            return;
        edit->leeren();
    }
    if (selbst)
        selbst();
}

bool LadeTextOhneErsatz(RichEdit *edit, const QString &dateiname)
{
    if (!edit)
        return false;
    edit->leeren();
    const QString pfad = FindeTextDatei(TextPfad, dateiname);
    if (!pfad.isEmpty() && LadeRtf(edit, pfad))
        return true;
    edit->leeren();
    const QString name = TextPfad + dateiname;
    const QString meldung = pfad.isEmpty()
        ? QStringLiteral("Die Datei „%1“ wurde nicht gefunden.").arg(name)
        : QStringLiteral("Die Datei „%1“ kann nicht als Text geladen werden.").arg(name);
    Meldung(edit->window(), MeldungsTyp::Fehler, meldung);
    return false;
}
