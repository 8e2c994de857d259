#include "markup.h"

#include "richedit.h"
#include "sprache.h"
#include "textstil.h"

#include <QFile>

#include <algorithm>

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
            s_.zeile(AktuelleSprache() == Sprache::Englisch ? AufforderungsTextEnglisch : AufforderungsText);
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
    edit->zumAnfang();
}

QString LadeText(const QString &resourcePath)
{
    QFile f(resourcePath);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}
