// The RTF reader's document writer: runs and paragraphs into the document, their formats,
// and the bounds on text, formats, tabs and estimated height.
#include "rtfleser.h"

#include <QCoreApplication>
#include <QTextBlock>

#include <algorithm>
#include <cmath>

namespace rtfintern {

namespace {

constexpr int MaxWortLaenge = 200;     // characters of a word without a break opportunity
constexpr double ZeilenFaktor = 1.5;   // estimated line height per pixel of font size (real fonts: 1.1 to 1.4)
constexpr double TabBreite = 80;       // pixels of a tab stop
constexpr int MinPixelHochTief = 2;    // raised and lowered text: two thirds of it still at least one pixel

// Characters of the East Asian scripts (the text an RTF writer marks with \dbch).
bool IstOstasiatisch(char16_t c)
{
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7AF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

}  // namespace

bool RtfLeser::platzFuerTab()
{
    tabArbeit_ += laeufeImAbsatz_ + 2 * tabsImAbsatz_ + 1;
    ++tabsImAbsatz_;
    bericht_.layoutSchritte += laeufeImAbsatz_ + 2 * tabsImAbsatz_;
    if (tabArbeit_ > RtfMaxTabArbeit)
        voll_ = true;
    return !voll_;
}

void RtfLeser::hinweisAnfuegen()
{
    Zeichen z;
    z.kursiv = true;
    const QTextCharFormat f = format(z);
    cursor_.insertBlock(absatzFormat(Absatz{}), f);
    cursor_.insertText(QCoreApplication::translate("Rtf", RtfGekuerztQuelle), f);
}

bool RtfLeser::zellenAbsatzAusgeben()
{
    if (!zellenAbsatz_)
        return !voll_;
    zellenAbsatz_ = false;
    if (!s_.p.tabelle) {
        absatzEnde(true);
        return !voll_;
    }
    if (!vorbereiten())
        return false;
    bytesAusgeben();
    anfuegen(QChar(u' '));
    return true;
}

void RtfLeser::listenTextBeginnt()
{
    if (listeAnfang_ >= 0)
        return;
    laufAusgeben();
    listeAnfang_ = cursor_.position();
    listeTiefe_ = int(stapel_.size());
}

void RtfLeser::listenTextFertig()
{
    laufAusgeben();
    QTextCursor c(cursor_.document());
    c.setPosition(listeAnfang_);
    c.setPosition(cursor_.position(), QTextCursor::KeepAnchor);
    const QString t = c.selectedText();
    if (!t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar z) {
            return z == u' ' || z == u'\t' || z == QChar(0x00A0);
        }))
        c.removeSelectedText();
    listeAnfang_ = -1;
}

void RtfLeser::anfuegen(QChar c)
{
    const char16_t u = c.unicode();
    if (c.isLowSurrogate()) {
        lauf_ += c;
        return;
    }
    if (u == u' ' || u == u'\t' || u == 0x2028 || u == 0x200B) {
        wortLaenge_ = 0;
    } else if (++wortLaenge_ > MaxWortLaenge) {
        lauf_ += QChar(0x200B);
        wortLaenge_ = 1;
    }
    lauf_ += c;
    ++bericht_.layoutSchritte;
    hoeheSchaetzen(u);
}

void RtfLeser::hoeheSchaetzen(char16_t u)
{
    if (u == 0x2028) {
        segmentEnde();
    } else {
        segmentBreite_ += u == u'\t' ? TabBreite : IstOstasiatisch(u) ? laufPixel_ : 0.6 * laufPixel_;
        segmentZeile_ = std::max(segmentZeile_, ZeilenFaktor * laufPixel_);
        ++segmentZeichen_;
    }
    // The segment is at most one line per character high: only near the bound is it worked out.
    if (segmentZeile_ > 0 && hoehe_ + std::max(1.0, segmentZeichen_) * segmentZeile_ <= RtfMaxHoehe)
        return;
    if (hoehe_ + segmentHoehe() > RtfMaxHoehe)
        voll_ = true;
}

double RtfLeser::segmentHoehe() const
{
    const double breite = std::max(1.0, RtfMinBreite - (std::max(s_.p.links, 0) + std::max(s_.p.rechts, 0)) / 15.0);
    const double zeilen = std::clamp(std::ceil(segmentBreite_ / breite), 1.0, std::max(1.0, segmentZeichen_));
    const double zeile = segmentZeile_ > 0 ? segmentZeile_ : ZeilenFaktor * PixelGroesse(s_.wirksam().halbpunkte / 2.0);
    return zeilen * zeile;
}

void RtfLeser::segmentEnde()
{
    hoehe_ += segmentHoehe();
    segmentBreite_ = segmentZeile_ = segmentZeichen_ = 0;
}

void RtfLeser::zaehle()
{
    if (++zeichenAnzahl_ >= RtfMaxZeichen)
        voll_ = true;
}

bool RtfLeser::vorbereiten()
{
    const Zeichen z = s_.wirksam();
    if (voll_ || z == laufZeichen_)
        return !voll_;
    laufAusgeben();
    tabArbeit_ += tabsImAbsatz_;
    bericht_.layoutSchritte += tabsImAbsatz_ + 1;
    if (++formatwechsel_ > RtfMaxFormatwechsel || ++laeufeImAbsatz_ > RtfMaxLaeufeJeAbsatz ||
        tabArbeit_ > RtfMaxTabArbeit) {
        voll_ = true;
        return false;
    }
    laufZeichen_ = z;
    laufPixel_ = PixelGroesse(z.halbpunkte / 2.0);
    return true;
}

void RtfLeser::bytesAusgeben()
{
    zweitesByteFaellig_ = false;
    if (bytes_.isEmpty())
        return;
    for (QChar c : dekodiere(bytes_, codePageVon(laufZeichen_)))
        anfuegen(c);
    bytes_.clear();
}

void RtfLeser::laufAusgeben()
{
    bytesAusgeben();
    if (lauf_.isEmpty())
        return;
    cursor_.insertText(lauf_, formatAusZwischenspeicher(laufZeichen_));
    bericht_.leseSchritte += lauf_.size();
    lauf_.clear();
}

void RtfLeser::absatzEnde(bool neuerAbsatz, bool tabellenZeile)
{
    laufAusgeben();
    QTextBlockFormat f = absatzFormat(s_.p);
    if (tabellenZeile && zellenRaender_.size() > 1) {
        QList<QTextOption::Tab> tabs;
        for (std::size_t i = 0; i + 1 < zellenRaender_.size(); ++i)
            if (tabs.isEmpty() || zellenRaender_[i] / 15.0 > tabs.back().position)
                tabs.append(QTextOption::Tab(zellenRaender_[i] / 15.0, QTextOption::LeftTab));
        f.setTabPositions(tabs);
        f.setAlignment(Qt::AlignLeft);  // one alignment for all cells would shift the columns
    }
    if (cursor_.blockFormat() != f)
        cursor_.setBlockFormat(f);
    if (cursor_.block().length() <= 1)
        cursor_.setBlockCharFormat(formatAusZwischenspeicher(s_.wirksam()));  // the height of an empty line
    segmentEnde();
    hoehe_ += (s_.p.davor + s_.p.danach) / 15.0;
    if (hoehe_ > RtfMaxHoehe)
        voll_ = true;
    if (neuerAbsatz && !voll_) {
        zellenAbsatz_ = false;
        cursor_.insertBlock();
        ++bericht_.leseSchritte;
        wortLaenge_ = 0;
        laeufeImAbsatz_ = tabsImAbsatz_ = zellenInZeile_ = 0;
        zaehle();
        if (++absaetze_ >= RtfMaxAbsaetze)
            voll_ = true;
    }
}

const QTextCharFormat &RtfLeser::formatAusZwischenspeicher(const Zeichen &z)
{
    for (const auto &[zeichen, f] : formate_)
        if (zeichen == z)
            return f;
    if (formate_.size() >= 16)
        formate_.erase(formate_.begin());
    formate_.emplace_back(z, format(z));
    return formate_.back().second;
}

QTextCharFormat RtfLeser::format(const Zeichen &z) const
{
    QTextCharFormat f;
    const int nr = z.schrift >= 0 ? z.schrift : deff_;
    const auto it = schriften_.constFind(nr);
    if (it != schriften_.constEnd() && !it->name.isEmpty())
        f.setFontFamilies(QStringList{it->name});
    // Raised and lowered text is shown smaller (two thirds); it keeps at least one pixel.
    const int pixel = PixelGroesse(z.halbpunkte / 2.0);
    f.setProperty(QTextFormat::FontPixelSize, z.lage != 0 ? std::max(pixel, MinPixelHochTief) : pixel);
    f.setFontWeight(z.fett ? QFont::Bold : QFont::Normal);
    f.setFontItalic(z.kursiv);
    f.setFontUnderline(z.unterstrichen);
    f.setFontStrikeOut(z.durchgestrichen);
    if (z.lage > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (z.lage < 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (z.farbe > 0 && z.farbe < int(farben_.size()) && farben_[z.farbe])
        f.setForeground(QFarbe(*farben_[z.farbe]));
    if (z.grund > 0 && z.grund < int(farben_.size()) && farben_[z.grund])
        f.setBackground(QFarbe(*farben_[z.grund]));
    return f;
}

QTextBlockFormat RtfLeser::absatzFormat(const Absatz &p)
{
    // twips to pixels at 96 dpi: / 15. Text is kept inside the control.
    const int links = std::max(p.links, 0);
    const int erste = std::max(p.erste, -links);
    QTextBlockFormat f;
    f.setLeftMargin(links / 15.0);
    f.setTextIndent(erste / 15.0);
    f.setRightMargin(std::max(p.rechts, 0) / 15.0);
    f.setTopMargin(p.davor / 15.0);
    f.setBottomMargin(p.danach / 15.0);
    switch (p.ausrichtung) {
    case Ausrichtung::links: f.setAlignment(Qt::AlignLeft); break;
    case Ausrichtung::zentriert: f.setAlignment(Qt::AlignHCenter); break;
    case Ausrichtung::rechts: f.setAlignment(Qt::AlignRight); break;
    case Ausrichtung::blocksatz: f.setAlignment(Qt::AlignJustify); break;
    }
    return f;
}

}  // namespace rtfintern
