// The RTF reader's state: groups, the meaning of control words, the font and colour tables,
// text bytes, and code pages.
#include "rtfleser.h"

#include <algorithm>
#include <array>

namespace rtfintern {

namespace {

constexpr int MaxTabelle = 4096;       // entries of the font and colour tables
constexpr int MaxTwips = 31680;        // 22 inches
constexpr int MaxHalbpunkte = 3276;    // 1638 points
constexpr int MaxNameLaenge = 256;     // bytes of a font name
constexpr int SymbolSeite = 42;        // the code page of the Symbol font (\fcharset2)

// The Symbol font, bytes 0x20 to 0xFF, in Unicode (0 for the unused bytes 0x7F to 0x9F, 0xF0, 0xFF).
constexpr std::array<char16_t, 224> SymbolZeichen = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B, 0x002C,
    0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039,
    0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6,
    0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3,
    0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, 0x203E,
    0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
    0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6,
    0x007B, 0x007C, 0x007D, 0x223C, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190,
    0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260,
    0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205,
    0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207, 0x00AE, 0x00A9,
    0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA,
    0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8,
    0x23A9, 0x23AA, 0,      0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5,
    0x23A6, 0x23AB, 0x23AC, 0x23AD, 0};
static_assert(SymbolZeichen[0xB7 - 0x20] == 0x2022 && SymbolZeichen[0x61 - 0x20] == 0x03B1 &&
              SymbolZeichen[0xF2 - 0x20] == 0x222B && SymbolZeichen[0xFE - 0x20] == 0x23AD);

// Windows code page 1252, bytes 0x80 to 0x9F (the rest equals Latin-1).
constexpr std::array<char16_t, 32> Cp1252Oben = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Code page of an \fcharset value; 0 for "the document's code page".
int CodePageVonZeichensatz(int zeichensatz)
{
    switch (zeichensatz) {
    case 2: return SymbolSeite;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0;
    }
}

// Code pages whose characters may take two bytes, the second one below 0x80.
bool IstDoppelbyte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

// The first byte of a two-byte character in such a code page.
bool IstFuehrendesByte(int codePage, unsigned char b)
{
    if (codePage == 932)
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    return b >= 0x81 && b <= 0xFE;
}

}  // namespace

void RtfLeser::gruppeAuf()
{
    sternFolgt_ = false;
    gruppeAnfang_ = true;
    if (int(stapel_.size()) >= RtfMaxTiefe) {
        ++ueberlauf_;
        return;
    }
    stapel_.push_back(s_);
}

void RtfLeser::gruppeZu()
{
    sternFolgt_ = gruppeAnfang_ = false;
    if (ueberlauf_ > 0) {
        --ueberlauf_;
        return;
    }
    if (stapel_.empty())
        return;  // a surplus '}'
    if (s_.ziel == Ziel::schriften)
        schriftNameFertig();
    if (listeAnfang_ >= 0 && listeTiefe_ == int(stapel_.size()))
        listenTextFertig();
    if (stapel_.size() == 1)
        absatzEnde(false);  // the end of the document: its last paragraph keeps its properties
    s_ = stapel_.back();
    stapel_.pop_back();
}

void RtfLeser::wort(Wort w, bool hatZahl, int wert)
{
    if (s_.ziel == Ziel::ueberspringen)
        return;
    if (s_.ziel == Ziel::schriften) {
        schriftWort(w, hatZahl, wert);
        return;
    }
    if (s_.ziel == Ziel::farben) {
        const int k = std::clamp(wert, 0, 255);
        if (w == Wort::red)
            rot_ = k, farbeGesetzt_ = true;
        else if (w == Wort::green)
            gruen_ = k, farbeGesetzt_ = true;
        else if (w == Wort::blue)
            blau_ = k, farbeGesetzt_ = true;
        return;
    }
    Zeichen &z = s_.z;
    Absatz &p = s_.p;
    switch (w) {
    case Wort::ansi: codePage_ = 1252; break;
    case Wort::mac: codePage_ = 10000; break;
    case Wort::pc: codePage_ = 437; break;
    case Wort::pca: codePage_ = 850; break;
    case Wort::ansicpg: if (wert > 0) codePage_ = wert; break;
    case Wort::deff: deff_ = wert; formate_.clear(); break;
    case Wort::fonttbl: s_.ziel = Ziel::schriften; schriftName_.clear(); break;
    case Wort::colortbl: s_.ziel = Ziel::farben; rot_ = gruen_ = blau_ = 0; farbeGesetzt_ = false; break;
    case Wort::ueberspringen: s_.ziel = Ziel::ueberspringen; break;
    case Wort::f: z.schrift = wert; break;
    case Wort::fs: z.halbpunkte = hatZahl ? std::clamp(wert, 1, MaxHalbpunkte) : 24; break;
    case Wort::loch:
    case Wort::hich: s_.klasse = Schriftklasse::latein; break;
    case Wort::dbch: s_.klasse = Schriftklasse::doppelbyte; break;
    case Wort::rtlch: s_.klasse = Schriftklasse::rechtsLinks; break;
    case Wort::ltrch:
        if (s_.klasse == Schriftklasse::rechtsLinks)
            s_.klasse = Schriftklasse::latein;
        break;
    case Wort::af:
        if (s_.klasse == Schriftklasse::doppelbyte)
            s_.dbchSchrift = wert;
        break;
    case Wort::afs:
        if (s_.klasse == Schriftklasse::doppelbyte)
            s_.dbchHalbpunkte = hatZahl ? std::clamp(wert, 1, MaxHalbpunkte) : 0;
        break;
    case Wort::b: z.fett = Schalter(hatZahl, wert); break;
    case Wort::i: z.kursiv = Schalter(hatZahl, wert); break;
    case Wort::ul: z.unterstrichen = Schalter(hatZahl, wert); break;
    case Wort::ulnone: z.unterstrichen = false; break;
    case Wort::strike: z.durchgestrichen = Schalter(hatZahl, wert); break;
    case Wort::v: z.versteckt = Schalter(hatZahl, wert); break;
    case Wort::super: z.lage = 1; break;
    case Wort::sub: z.lage = -1; break;
    case Wort::nosupersub: z.lage = 0; break;
    case Wort::up: z.lage = !hatZahl || wert != 0 ? 1 : 0; break;
    case Wort::dn: z.lage = !hatZahl || wert != 0 ? -1 : 0; break;
    case Wort::cf: z.farbe = std::max(wert, 0); break;
    case Wort::cb:
    case Wort::highlight: z.grund = std::max(wert, 0); break;
    case Wort::plain:
        z = Zeichen{};
        s_.klasse = Schriftklasse::latein;
        s_.dbchSchrift = -1;
        s_.dbchHalbpunkte = 0;
        break;
    case Wort::pard: p = Absatz{}; break;
    case Wort::intbl: p.tabelle = true; break;
    case Wort::li: p.links = std::clamp(wert, -MaxTwips, MaxTwips); break;
    case Wort::ri: p.rechts = std::clamp(wert, -MaxTwips, MaxTwips); break;
    case Wort::fi: p.erste = std::clamp(wert, -MaxTwips, MaxTwips); break;
    case Wort::sb: p.davor = std::clamp(wert, 0, MaxTwips); break;
    case Wort::sa: p.danach = std::clamp(wert, 0, MaxTwips); break;
    case Wort::ql: p.ausrichtung = Ausrichtung::links; break;
    case Wort::qc: p.ausrichtung = Ausrichtung::zentriert; break;
    case Wort::qr: p.ausrichtung = Ausrichtung::rechts; break;
    case Wort::qj: p.ausrichtung = Ausrichtung::blocksatz; break;
    case Wort::par:
        // Inside a table cell a paragraph goes on in the same line as the row.
        if (p.tabelle)
            zellenAbsatz_ = true;
        else
            absatzEnde(true);
        break;
    case Wort::nestrow: zellenAbsatz_ = true; break;
    case Wort::trowd: zellenRaender_.clear(); break;
    case Wort::cellx:
        if (zellenRaender_.size() < std::size_t(RtfMaxZellenJeZeile))
            zellenRaender_.push_back(std::clamp(wert, 0, MaxTwips));
        break;
    case Wort::row:
        // The row ends its line, without the separator after its last cell.
        zellenAbsatz_ = false;
        bytesAusgeben();
        if (lauf_.endsWith(u'\t'))
            lauf_.chop(1);
        absatzEnde(true, true);
        break;
    case Wort::page: absatzEnde(true); break;
    case Wort::line: zeichen(0x2028); break;
    case Wort::cell:
    case Wort::nestcell:
        zellenAbsatz_ = false;
        if (++zellenInZeile_ > RtfMaxZellenJeZeile || ++zellen_ > RtfMaxZellen) {
            voll_ = true;
            break;
        }
        zeichen(u'\t');
        break;
    case Wort::tab: zeichen(u'\t'); break;
    case Wort::listtext: listenTextBeginnt(); break;
    case Wort::chftn:
        // The automatic number of a footnote; the footnote's own text is not shown.
        if (fussnoten_ < 1'000'000)
            ++fussnoten_;
        for (QChar c : QString::number(fussnoten_))
            zeichen(c.unicode());
        break;
    case Wort::u: {
        int k = wert < 0 ? wert + 65536 : wert;
        // The Symbol font's characters written as U+F020 to U+F0FF.
        if (k >= 0xF020 && k <= 0xF0FF && codePageVon(s_.wirksam()) == SymbolSeite &&
            SymbolZeichen[k - 0xF020])
            k = SymbolZeichen[k - 0xF020];
        if (k >= 0x20 && k <= 0xFFFF)
            zeichen(char16_t(k));
        else if (k == 9)
            zeichen(u'\t');
        ueberspringeUc_ = s_.uc;
        break;
    }
    case Wort::uc: s_.uc = std::clamp(wert, 0, 16); break;
    case Wort::emdash: zeichen(0x2014); break;
    case Wort::endash: zeichen(0x2013); break;
    case Wort::emspace: zeichen(0x2003); break;
    case Wort::enspace: zeichen(0x2002); break;
    case Wort::qmspace: zeichen(0x2005); break;
    case Wort::bullet: zeichen(0x2022); break;
    case Wort::lquote: zeichen(0x2018); break;
    case Wort::rquote: zeichen(0x2019); break;
    case Wort::ldblquote: zeichen(0x201C); break;
    case Wort::rdblquote: zeichen(0x201D); break;
    default: break;
    }
}

void RtfLeser::schriftWort(Wort w, bool hatZahl, int wert)
{
    switch (w) {
    case Wort::f:
        schriftNameFertig();
        definierteSchrift_ = wert;
        break;
    case Wort::fcharset:
        if (hatZahl)
            schriftCodePage_[definierteSchrift_] = CodePageVonZeichensatz(wert);
        break;
    case Wort::cpg:
        if (hatZahl && wert > 0)
            schriftCodePage_[definierteSchrift_] = wert;
        break;
    case Wort::ueberspringen:
        s_.ziel = Ziel::ueberspringen;
        break;
    default:
        break;
    }
}

void RtfLeser::schriftNameFertig()
{
    if (schriftName_.isEmpty())
        return;
    if (schriften_.size() < MaxTabelle || schriften_.contains(definierteSchrift_)) {
        SchriftEintrag &e = schriften_[definierteSchrift_];
        e.codePage = schriftCodePage_.value(definierteSchrift_, 0);
        e.name = dekodiere(schriftName_, e.codePage && e.codePage != SymbolSeite ? e.codePage : codePage_)
                     .trimmed();
        // Of the symbol fonts only Symbol itself has a known table; the others keep their bytes.
        if (e.codePage == SymbolSeite && e.name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) != 0)
            e.codePage = 0;
        formate_.clear();
    }
    schriftName_.clear();
}

void RtfLeser::tabellenByte(unsigned char b)
{
    if (s_.ziel == Ziel::schriften) {
        if (b == ';')
            schriftNameFertig();
        else if (schriftName_.size() < MaxNameLaenge)
            schriftName_.append(char(b));
    } else if (s_.ziel == Ziel::farben && b == ';') {
        if (int(farben_.size()) < MaxTabelle)
            farben_.push_back(farbeGesetzt_ ? std::optional<TColor>(TColor(rot_) | TColor(gruen_) << 8 |
                                                                    TColor(blau_) << 16)
                                            : std::nullopt);
        formate_.clear();
        rot_ = gruen_ = blau_ = 0;
        farbeGesetzt_ = false;
    }
}

void RtfLeser::textByte(unsigned char b)
{
    if (s_.ziel != Ziel::text) {
        tabellenByte(b);
        return;
    }
    if (zweitesByteFaellig_) {
        // The second byte of a two-byte character belongs to the first, whatever changed between.
        zweitesByteFaellig_ = false;
        bytes_.append(char(b));
        return;
    }
    if (s_.z.versteckt)
        return;
    if (b < 0x20 && b != '\t')
        return;
    if (!zellenAbsatzAusgeben() || !vorbereiten() || (b == '\t' && !platzFuerTab()))
        return;
    const int cp = codePageVon(laufZeichen_);
    if (b < 0x80 && cp != SymbolSeite) {
        bytesAusgeben();
        anfuegen(QChar(char16_t(b)));
    } else {
        bytes_.append(char(b));  // decoded with the code page when the run of bytes ends
        zweitesByteFaellig_ = IstDoppelbyte(cp) && IstFuehrendesByte(cp, b);
    }
    zaehle();
}

void RtfLeser::zeichen(char16_t c)
{
    if (s_.ziel != Ziel::text || s_.z.versteckt || voll_)
        return;
    if (!zellenAbsatzAusgeben() || !vorbereiten() || (c == u'\t' && !platzFuerTab()))
        return;
    bytesAusgeben();
    anfuegen(QChar(c));
    zaehle();
}

int RtfLeser::codePageVon(const Zeichen &z) const
{
    const int nr = z.schrift >= 0 ? z.schrift : deff_;
    const auto it = schriften_.constFind(nr);
    if (it != schriften_.constEnd() && it->codePage > 0)
        return it->codePage;
    return codePage_;
}

QString RtfLeser::dekodiere(const QByteArray &b, int codePage)
{
    if (codePage == SymbolSeite) {
        QString t;
        t.reserve(b.size());
        for (char c : b) {
            const auto u = static_cast<unsigned char>(c);
            if (u >= 0x20 && SymbolZeichen[u - 0x20])
                t += QChar(SymbolZeichen[u - 0x20]);
        }
        return t;
    }
    if (codePage != 1252 && codePage != 0) {
        QStringDecoder *dec = decoder(codePage);
        if (dec) {
            dec->resetState();
            QString t = dec->decode(b);
            if (!dec->hasError())
                return t;
        }
    }
    QString t;
    t.reserve(b.size());
    for (char c : b) {
        const auto u = static_cast<unsigned char>(c);
        t += QChar(u >= 0x80 && u < 0xA0 ? Cp1252Oben[u - 0x80] : char16_t(u));
    }
    return t;
}

QStringDecoder *RtfLeser::decoder(int codePage)
{
    auto it = decoder_.find(codePage);
    if (it == decoder_.end()) {
        QByteArray name = codePage == 10000 ? QByteArray("macintosh")
                          : codePage < 1000 ? "cp" + QByteArray::number(codePage)
                                            : "windows-" + QByteArray::number(codePage);
        auto dec = std::make_unique<QStringDecoder>(name.constData(), QStringDecoder::Flag::Stateless);
        if (!dec->isValid())
            dec.reset();
        it = decoder_.emplace(codePage, std::move(dec)).first;
    }
    return it->second.get();
}

}  // namespace rtfintern
