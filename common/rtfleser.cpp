#include "rtf.h"

#include "richtext.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

constexpr int MaxTabelle = 4096;       // entries of the font and colour tables
constexpr int MaxTwips = 31680;        // 22 inches
constexpr int MaxHalbpunkte = 3276;    // 1638 points
constexpr int MaxNameLaenge = 256;     // bytes of a font name
constexpr int MaxWortLaenge = 200;     // characters of a word without a break opportunity
constexpr int SymbolSeite = 42;        // the code page of the Symbol font (\fcharset2)
constexpr double ZeilenFaktor = 1.5;   // estimated line height per pixel of font size (real fonts: 1.1 to 1.4)
constexpr double TabBreite = 80;       // pixels of a tab stop
constexpr int MinPixelHochTief = 2;    // raised and lowered text: two thirds of it still at least one pixel

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

// Characters of the East Asian scripts (the text an RTF writer marks with \dbch).
bool IstOstasiatisch(char16_t c)
{
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7AF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

enum class Ziel : std::uint8_t { text, ueberspringen, schriften, farben };

struct Zeichen {
    int schrift = -1;  // font number; -1 = the default font
    int halbpunkte = 24;
    bool fett = false, kursiv = false, unterstrichen = false, durchgestrichen = false, versteckt = false;
    std::int8_t lage = 0;  // 1 superscript, -1 subscript
    int farbe = 0;         // colour table index; 0 = automatic
    int grund = 0;         // background colour index; 0 = none
    bool operator==(const Zeichen &) const = default;
};

struct Absatz {
    int links = 0, rechts = 0, erste = 0;  // twips; erste relative to links
    int davor = 0, danach = 0;             // twips
    Ausrichtung ausrichtung = Ausrichtung::links;
    bool tabelle = false;                  // \intbl: a paragraph inside a table cell
};

// Which characters the text that follows holds (\loch, \hich, \dbch, \rtlch): the associated
// font and size (\af, \afs) set after \dbch apply to East Asian text.
enum class Schriftklasse : std::uint8_t { latein, doppelbyte, rechtsLinks };

struct Zustand {
    Zeichen z;
    Absatz p;
    Ziel ziel = Ziel::text;
    int uc = 1;
    Schriftklasse klasse = Schriftklasse::latein;
    int dbchSchrift = -1;    // -1: the font of \f
    int dbchHalbpunkte = 0;  // 0: the size of \fs

    // The character format the text gets.
    Zeichen wirksam() const
    {
        Zeichen w = z;
        if (klasse == Schriftklasse::doppelbyte) {
            if (dbchSchrift >= 0)
                w.schrift = dbchSchrift;
            if (dbchHalbpunkte > 0)
                w.halbpunkte = dbchHalbpunkte;
        }
        return w;
    }
};

struct SchriftEintrag {
    QString name;
    int codePage = 0;
};

enum class Wort {
    unbekannt, rtf, ansi, mac, pc, pca, ansicpg, deff, fonttbl, colortbl, ueberspringen,
    f, fcharset, cpg, red, green, blue,
    fs, b, i, ul, ulnone, strike, v, super, sub, nosupersub, up, dn, cf, cb, highlight, plain,
    par, pard, li, ri, fi, sb, sa, ql, qc, qr, qj, line, tab, page, cell, row, intbl, nestcell, nestrow, trowd, cellx,
    listtext, chftn, loch, hich, dbch, rtlch, ltrch, af, afs,
    u, uc, bin,
    emdash, endash, emspace, enspace, qmspace, bullet, lquote, rquote, ldblquote, rdblquote
};

const std::unordered_map<std::string_view, Wort> &Woerter()
{
    static const std::unordered_map<std::string_view, Wort> w = [] {
        std::unordered_map<std::string_view, Wort> m = {
            {"rtf", Wort::rtf}, {"ansi", Wort::ansi}, {"mac", Wort::mac}, {"pc", Wort::pc}, {"pca", Wort::pca},
            {"ansicpg", Wort::ansicpg}, {"deff", Wort::deff}, {"fonttbl", Wort::fonttbl},
            {"colortbl", Wort::colortbl}, {"f", Wort::f}, {"fcharset", Wort::fcharset}, {"cpg", Wort::cpg},
            {"red", Wort::red}, {"green", Wort::green}, {"blue", Wort::blue}, {"fs", Wort::fs},
            {"b", Wort::b}, {"i", Wort::i}, {"ul", Wort::ul}, {"uld", Wort::ul}, {"uldb", Wort::ul},
            {"ulw", Wort::ul}, {"ulwave", Wort::ul}, {"uldash", Wort::ul}, {"ulth", Wort::ul},
            {"ulnone", Wort::ulnone}, {"strike", Wort::strike}, {"v", Wort::v}, {"super", Wort::super},
            {"sub", Wort::sub}, {"nosupersub", Wort::nosupersub}, {"up", Wort::up}, {"dn", Wort::dn},
            {"cf", Wort::cf}, {"cb", Wort::cb}, {"chcbpat", Wort::cb}, {"highlight", Wort::highlight},
            {"plain", Wort::plain}, {"par", Wort::par}, {"pard", Wort::pard}, {"li", Wort::li},
            {"ri", Wort::ri}, {"fi", Wort::fi}, {"sb", Wort::sb}, {"sa", Wort::sa}, {"ql", Wort::ql},
            {"qc", Wort::qc}, {"qr", Wort::qr}, {"qj", Wort::qj}, {"line", Wort::line}, {"tab", Wort::tab},
            {"page", Wort::page}, {"sect", Wort::page}, {"cell", Wort::cell}, {"row", Wort::row},
            {"intbl", Wort::intbl}, {"trowd", Wort::trowd}, {"cellx", Wort::cellx}, {"nestcell", Wort::nestcell}, {"nestrow", Wort::nestrow},
            {"listtext", Wort::listtext}, {"pntext", Wort::listtext}, {"chftn", Wort::chftn},
            {"loch", Wort::loch}, {"hich", Wort::hich}, {"dbch", Wort::dbch}, {"rtlch", Wort::rtlch},
            {"ltrch", Wort::ltrch}, {"af", Wort::af}, {"afs", Wort::afs},
            {"u", Wort::u}, {"uc", Wort::uc}, {"bin", Wort::bin}, {"emdash", Wort::emdash},
            {"endash", Wort::endash}, {"emspace", Wort::emspace}, {"enspace", Wort::enspace},
            {"qmspace", Wort::qmspace}, {"bullet", Wort::bullet}, {"lquote", Wort::lquote},
            {"rquote", Wort::rquote}, {"ldblquote", Wort::ldblquote}, {"rdblquote", Wort::rdblquote}};
        // Destinations whose text is not shown.
        for (const char *n : {"stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer",
                              "footerl", "footerr", "footerf", "pict", "object", "objdata", "footnote",
                              "annotation", "fldinst", "xe", "tc", "txe", "rxe", "listtable",
                              "listoverridetable", "revtbl", "rsidtbl", "filetbl", "pgdsctbl", "generator",
                              "themedata", "colorschememapping", "latentstyles", "datastore", "xmlnstbl",
                              "pn", "pntxta", "pntxtb", "private", "shpinst", "nonshppict", "template",
                              "bkmkstart", "bkmkend", "atnid", "atnauthor", "atntime", "atnref", "atndate",
                              "mmathPr", "docvar", "userprops", "operator", "author", "title", "subject",
                              "keywords", "comment", "doccomm", "company", "buptim", "creatim", "printim",
                              "revtim"})
            m.emplace(n, Wort::ueberspringen);
        return m;
    }();
    return w;
}

class RtfLeser {
public:
    RtfLeser(QTextDocument *doc, const QByteArray &daten, qsizetype anfang)
        : d_(daten.constData()), n_(std::size_t(daten.size())), pos_(std::size_t(anfang)), cursor_(doc)
    {
        stapel_.reserve(64);
    }

    void lies()
    {
        cursor_.beginEditBlock();
        cursor_.movePosition(QTextCursor::End);
        while (pos_ < n_ && !voll_) {
            const char c = d_[pos_];
            switch (c) {
            case '{':
                ++pos_;
                ueberspringeUc_ = 0;
                gruppeAuf();
                break;
            case '}':
                ++pos_;
                ueberspringeUc_ = 0;
                gruppeZu();
                break;
            case '\\':
                ++pos_;
                steuerung();
                break;
            case '\r':
            case '\n':
                ++pos_;
                break;
            default:
                gruppeAnfang_ = sternFolgt_ = false;
                if (s_.ziel == Ziel::ueberspringen && ueberspringeUc_ == 0) {
                    // Picture data and other hidden destinations: on to the next brace or backslash.
                    while (pos_ < n_ && d_[pos_] != '{' && d_[pos_] != '}' && d_[pos_] != '\\')
                        ++pos_;
                    break;
                }
                ++pos_;
                if (ueberspringeUc_ > 0) {
                    --ueberspringeUc_;
                    break;
                }
                textByte(static_cast<unsigned char>(c));
                break;
            }
        }
        // A truncated document ends its last paragraph here; a complete one did so at its last '}'.
        if (!stapel_.empty())
            absatzEnde(false);
        else
            laufAusgeben();
        if (voll_)
            hinweisAnfuegen();
        cursor_.endEditBlock();
        bericht_.gekuerzt = voll_;
        bericht_.leseSchritte += qint64(pos_);
    }

    const RtfBericht &bericht() const { return bericht_; }

private:
    // ---- groups ----
    void gruppeAuf()
    {
        sternFolgt_ = false;
        gruppeAnfang_ = true;
        if (int(stapel_.size()) >= RtfMaxTiefe) {
            ++ueberlauf_;
            return;
        }
        stapel_.push_back(s_);
    }

    void gruppeZu()
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

    // ---- control words and symbols ----
    void steuerung()
    {
        if (pos_ >= n_)
            return;
        const char c = d_[pos_];
        const bool amGruppenanfang = gruppeAnfang_;
        gruppeAnfang_ = false;
        if (!IstBuchstabe(c)) {
            ++pos_;
            // \* counts only as the first thing of a group: {\*\name ...}.
            sternFolgt_ = c == '*' && amGruppenanfang;
            symbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < n_ && IstBuchstabe(d_[pos_]))
            ++pos_;
        const std::size_t laenge = pos_ - start;
        bool hatZahl = false;
        long long zahl = 0;
        bool negativ = false;
        if (pos_ < n_ && d_[pos_] == '-' && pos_ + 1 < n_ && IstZiffer(d_[pos_ + 1])) {
            negativ = true;
            ++pos_;
        }
        while (pos_ < n_ && IstZiffer(d_[pos_])) {
            hatZahl = true;
            if (zahl < 10'000'000'000LL)
                zahl = zahl * 10 + (d_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < n_ && d_[pos_] == ' ')
            ++pos_;
        if (negativ)
            zahl = -zahl;
        const int wert = int(std::clamp<long long>(zahl, -2'000'000'000LL, 2'000'000'000LL));

        Wort w = Wort::unbekannt;
        if (laenge <= 32) {
            const auto &tabelle = Woerter();
            const auto it = tabelle.find(std::string_view(d_ + start, laenge));
            if (it != tabelle.end())
                w = it->second;
        }
        if (w == Wort::bin) {
            // Binary data: skipped in every destination.
            const std::size_t anzahl = wert > 0 ? std::size_t(wert) : 0;
            pos_ += std::min(anzahl, n_ - pos_);
            return;
        }
        if (ueberspringeUc_ > 0) {
            --ueberspringeUc_;
            sternFolgt_ = false;
            return;
        }
        if (sternFolgt_) {
            // {\*\name ...}: a destination this reader does not show.
            sternFolgt_ = false;
            s_.ziel = Ziel::ueberspringen;
            return;
        }
        wort(w, hatZahl, wert);
    }

    void symbol(char c)
    {
        switch (c) {
        case '\'': {
            // Two hex digits; an incomplete escape is dropped with the digits it has.
            const int h = pos_ < n_ ? HexWert(d_[pos_]) : -1;
            if (h < 0)
                return;
            ++pos_;
            const int l = pos_ < n_ ? HexWert(d_[pos_]) : -1;
            if (l < 0)
                return;
            ++pos_;
            if (ueberspringeUc_ > 0) {
                --ueberspringeUc_;
                return;
            }
            textByte(static_cast<unsigned char>(h * 16 + l));
            return;
        }
        case '*':
            return;
        case '\r':
        case '\n':
            if (!ueberspringen())
                wort(Wort::par, false, 0);
            return;
        default:
            break;
        }
        if (ueberspringeUc_ > 0) {
            --ueberspringeUc_;
            return;
        }
        switch (c) {
        case '\\': case '{': case '}': textByte(static_cast<unsigned char>(c)); break;
        case '~': zeichen(0x00A0); break;
        case '-': zeichen(0x00AD); break;
        case '_': zeichen(0x2011); break;
        case '\t': zeichen(u'\t'); break;
        default: break;  // \| \: and unknown symbols
        }
    }

    bool ueberspringen() const { return s_.ziel == Ziel::ueberspringen; }

    static bool Schalter(bool hatZahl, int wert) { return !hatZahl || wert != 0; }

    void wort(Wort w, bool hatZahl, int wert)
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

    // ---- font and colour tables ----
    void schriftWort(Wort w, bool hatZahl, int wert)
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

    void schriftNameFertig()
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

    void tabellenByte(unsigned char b)
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

    // ---- text ----
    void textByte(unsigned char b)
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

    void zeichen(char16_t c)
    {
        if (s_.ziel != Ziel::text || s_.z.versteckt || voll_)
            return;
        if (!zellenAbsatzAusgeben() || !vorbereiten() || (c == u'\t' && !platzFuerTab()))
            return;
        bytesAusgeben();
        anfuegen(QChar(c));
        zaehle();
    }

    // Each tab makes the layout measure the runs and tabs of its paragraph; the product,
    // summed over the paragraphs, is bounded.
    bool platzFuerTab()
    {
        tabArbeit_ += laeufeImAbsatz_ + 2 * tabsImAbsatz_ + 1;
        ++tabsImAbsatz_;
        bericht_.layoutSchritte += laeufeImAbsatz_ + 2 * tabsImAbsatz_;
        if (tabArbeit_ > RtfMaxTabArbeit)
            voll_ = true;
        return !voll_;
    }

    // The closing line of a text cut at a bound.
    void hinweisAnfuegen()
    {
        Zeichen z;
        z.kursiv = true;
        const QTextCharFormat f = format(z);
        cursor_.insertBlock(absatzFormat(Absatz{}), f);
        cursor_.insertText(RtfGekuerztHinweis, f);
    }

    // A paragraph end inside a table cell followed by more text of the cell: a space. When the
    // table has ended meanwhile (\pard without \intbl, no \row), the paragraph ends after all.
    // False when a bound was reached.
    bool zellenAbsatzAusgeben()
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

    // {\listtext ...}: the number or bullet of a list item as text. A list without a number
    // leaves only blanks and a tab there, which are removed when the group ends.
    void listenTextBeginnt()
    {
        if (listeAnfang_ >= 0)
            return;
        laufAusgeben();
        listeAnfang_ = cursor_.position();
        listeTiefe_ = int(stapel_.size());
    }

    void listenTextFertig()
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

    // Appends to the pending run. A word longer than MaxWortLaenge gets an invisible break
    // opportunity (zero-width space) after every MaxWortLaenge characters: Qt's line
    // breaking takes quadratic time on a long unbreakable word.
    // The second half of a surrogate pair is not counted and never separated from the first.
    void anfuegen(QChar c)
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

    // ---- the estimated height of the document at the narrowest width it is shown in ----
    // Counts the lines of the current paragraph segment (up to a \line) as its estimated width
    // over the width left beside the indents, each as high as the largest font in it. The text
    // stops when the estimate passes RtfMaxHoehe: the text layout fails on documents that tall.
    void hoeheSchaetzen(char16_t u)
    {
        if (u == 0x2028) {
            segmentEnde();
        } else {
            segmentBreite_ += u == u'\t' ? TabBreite : IstOstasiatisch(u) ? laufPixel_ : 0.6 * laufPixel_;
            segmentZeile_ = std::max(segmentZeile_, ZeilenFaktor * laufPixel_);
            ++segmentZeichen_;
        }
        if (hoehe_ + segmentHoehe() > RtfMaxHoehe)
            voll_ = true;
    }

    double segmentHoehe() const
    {
        const double breite = std::max(1.0, RtfMinBreite - (std::max(s_.p.links, 0) + std::max(s_.p.rechts, 0)) / 15.0);
        const double zeilen = std::clamp(std::ceil(segmentBreite_ / breite), 1.0, std::max(1.0, segmentZeichen_));
        const double zeile = segmentZeile_ > 0 ? segmentZeile_ : ZeilenFaktor * PixelGroesse(s_.wirksam().halbpunkte / 2.0);
        return zeilen * zeile;
    }

    void segmentEnde()
    {
        hoehe_ += segmentHoehe();
        segmentBreite_ = segmentZeile_ = segmentZeichen_ = 0;
    }

    void zaehle()
    {
        if (++zeichenAnzahl_ >= RtfMaxZeichen)
            voll_ = true;
    }

    // Makes the pending run take the current character state. False, and the text ends,
    // beyond RtfMaxFormatwechsel changes, RtfMaxLaeufeJeAbsatz runs of one paragraph, or when
    // the tabs of the paragraph would measure too many runs.
    bool vorbereiten()
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

    void bytesAusgeben()
    {
        zweitesByteFaellig_ = false;
        if (bytes_.isEmpty())
            return;
        for (QChar c : dekodiere(bytes_, codePageVon(laufZeichen_)))
            anfuegen(c);
        bytes_.clear();
    }

    void laufAusgeben()
    {
        bytesAusgeben();
        if (lauf_.isEmpty())
            return;
        cursor_.insertText(lauf_, formatAusZwischenspeicher(laufZeichen_));
        bericht_.leseSchritte += lauf_.size();
        lauf_.clear();
    }

    // A table row gets a tab stop at the right edge of each cell but the last (\cellx) and is
    // aligned left.
    void absatzEnde(bool neuerAbsatz, bool tabellenZeile = false)
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

    // ---- formats ----
    int codePageVon(const Zeichen &z) const
    {
        const int nr = z.schrift >= 0 ? z.schrift : deff_;
        const auto it = schriften_.constFind(nr);
        if (it != schriften_.constEnd() && it->codePage > 0)
            return it->codePage;
        return codePage_;
    }

    QString dekodiere(const QByteArray &b, int codePage)
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

    QStringDecoder *decoder(int codePage)
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

    // The formats of the last few character states; documents switch between a handful.
    const QTextCharFormat &formatAusZwischenspeicher(const Zeichen &z)
    {
        for (const auto &[zeichen, f] : formate_)
            if (zeichen == z)
                return f;
        if (formate_.size() >= 16)
            formate_.erase(formate_.begin());
        formate_.emplace_back(z, format(z));
        return formate_.back().second;
    }

    QTextCharFormat format(const Zeichen &z) const
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

    static QTextBlockFormat absatzFormat(const Absatz &p)
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

    static bool IstBuchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IstZiffer(char c) { return c >= '0' && c <= '9'; }
    static int HexWert(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    const char *d_;
    std::size_t n_;
    std::size_t pos_;
    QTextCursor cursor_;

    Zustand s_;
    std::vector<Zustand> stapel_;
    int ueberlauf_ = 0;  // groups opened beyond the stack's depth
    bool sternFolgt_ = false;
    bool gruppeAnfang_ = false;
    int ueberspringeUc_ = 0;
    bool zweitesByteFaellig_ = false;
    bool zellenAbsatz_ = false;
    int listeAnfang_ = -1, listeTiefe_ = 0;
    int fussnoten_ = 0;

    int codePage_ = 1252;
    int deff_ = 0;
    QHash<int, SchriftEintrag> schriften_;
    QHash<int, int> schriftCodePage_;
    int definierteSchrift_ = 0;
    QByteArray schriftName_;
    std::vector<std::optional<TColor>> farben_;
    std::vector<int> zellenRaender_;  // twips, of the current table row
    int rot_ = 0, gruen_ = 0, blau_ = 0;
    bool farbeGesetzt_ = false;
    std::map<int, std::unique_ptr<QStringDecoder>> decoder_;
    std::vector<std::pair<Zeichen, QTextCharFormat>> formate_;

    Zeichen laufZeichen_;
    int laufPixel_ = PixelGroesse(12);
    double hoehe_ = 0, segmentBreite_ = 0, segmentZeile_ = 0, segmentZeichen_ = 0;
    QString lauf_;
    QByteArray bytes_;
    int zeichenAnzahl_ = 0;
    int formatwechsel_ = 0;
    int wortLaenge_ = 0;
    int absaetze_ = 0;
    int laeufeImAbsatz_ = 0, tabsImAbsatz_ = 0;
    int zellenInZeile_ = 0, zellen_ = 0;
    qint64 tabArbeit_ = 0;
    bool voll_ = false;  // a bound was reached: the text ends
    RtfBericht bericht_;
};

// Offset of "{\rtf" after an optional byte order mark and blanks; -1 if the data is not RTF.
qsizetype RtfAnfang(const QByteArray &daten)
{
    qsizetype i = 0;
    if (daten.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < daten.size() && (daten[i] == ' ' || daten[i] == '\t' || daten[i] == '\r' || daten[i] == '\n'))
        ++i;
    return daten.mid(i, 5) == "{\\rtf" ? i : -1;
}

}  // namespace

bool LeseRtf(QTextDocument *doc, const QByteArray &daten, RtfBericht *bericht)
{
    if (!doc)
        return false;
    doc->clear();
    if (daten.size() > RtfMaxDateiGroesse)
        return false;
    const qsizetype anfang = RtfAnfang(daten);
    if (anfang < 0)
        return false;
    RtfLeser leser(doc, daten, anfang);
    leser.lies();
    if (bericht)
        *bericht = leser.bericht();
    return true;
}

bool LadeRtfDaten(RichEdit *edit, const QByteArray &daten, RtfBericht *bericht)
{
    if (!edit)
        return false;
    edit->leeren();
    return LeseRtf(edit->document(), daten, bericht);
}

bool LadeRtf(RichEdit *edit, const QString &dateipfad, RtfBericht *bericht)
{
    if (!edit)
        return false;
    edit->leeren();
    if (!QFileInfo(dateipfad).isFile())
        return false;
    QFile f(dateipfad);
    if (!f.open(QIODevice::ReadOnly) || f.size() > RtfMaxDateiGroesse)
        return false;
    const QByteArray daten = f.read(RtfMaxDateiGroesse + 1);
    if (daten.size() > RtfMaxDateiGroesse)
        return false;
    return LadeRtfDaten(edit, daten, bericht);
}
