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

// Windows code page 1252, bytes 0x80 to 0x9F (the rest equals Latin-1).
constexpr std::array<char16_t, 32> Cp1252Oben = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Code page of an \fcharset value; 0 for "the document's code page".
int CodePageVonZeichensatz(int zeichensatz)
{
    switch (zeichensatz) {
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
};

struct Zustand {
    Zeichen z;
    Absatz p;
    Ziel ziel = Ziel::text;
    int uc = 1;
};

struct SchriftEintrag {
    QString name;
    int codePage = 0;
};

enum class Wort {
    unbekannt, rtf, ansi, mac, pc, pca, ansicpg, deff, fonttbl, colortbl, ueberspringen,
    f, fcharset, cpg, red, green, blue,
    fs, b, i, ul, ulnone, strike, v, super, sub, nosupersub, up, dn, cf, cb, highlight, plain,
    par, pard, li, ri, fi, sb, sa, ql, qc, qr, qj, line, tab, page, cell, row,
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
        cursor_.endEditBlock();
    }

private:
    // ---- groups ----
    void gruppeAuf()
    {
        sternFolgt_ = false;
        if (int(stapel_.size()) >= RtfMaxTiefe) {
            ++ueberlauf_;
            return;
        }
        stapel_.push_back(s_);
    }

    void gruppeZu()
    {
        sternFolgt_ = false;
        if (ueberlauf_ > 0) {
            --ueberlauf_;
            return;
        }
        if (stapel_.empty())
            return;  // a surplus '}'
        if (s_.ziel == Ziel::schriften)
            schriftNameFertig();
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
        if (!IstBuchstabe(c)) {
            ++pos_;
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
            sternFolgt_ = true;
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
        case Wort::plain: z = Zeichen{}; break;
        case Wort::pard: p = Absatz{}; break;
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
        case Wort::page:
        case Wort::row: absatzEnde(true); break;
        case Wort::line: zeichen(0x2028); break;
        case Wort::tab:
        case Wort::cell: zeichen(u'\t'); break;
        case Wort::u: {
            const int k = wert < 0 ? wert + 65536 : wert;
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
            e.name = dekodiere(schriftName_, e.codePage ? e.codePage : codePage_).trimmed();
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
        if (s_.z.versteckt)
            return;
        if (b < 0x20 && b != '\t')
            return;
        vorbereiten();
        if (b < 0x80 && !(IstDoppelbyte(codePageVon(laufZeichen_)) && !bytes_.isEmpty())) {
            bytesAusgeben();
            anfuegen(QChar(char16_t(b)));
        } else {
            bytes_.append(char(b));  // decoded with the code page when the run of bytes ends
        }
        zaehle();
    }

    void zeichen(char16_t c)
    {
        if (s_.ziel != Ziel::text || s_.z.versteckt)
            return;
        vorbereiten();
        bytesAusgeben();
        anfuegen(QChar(c));
        zaehle();
    }

    // Appends to the pending run. A word longer than MaxWortLaenge gets an invisible break
    // opportunity (zero-width space) after every MaxWortLaenge characters: Qt's line
    // breaking takes quadratic time on a long unbreakable word.
    void anfuegen(QChar c)
    {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == 0x2028 || u == 0x200B) {
            wortLaenge_ = 0;
        } else if (++wortLaenge_ > MaxWortLaenge) {
            lauf_ += QChar(0x200B);
            wortLaenge_ = 1;
        }
        lauf_ += c;
    }

    void zaehle()
    {
        if (++zeichenAnzahl_ >= RtfMaxZeichen)
            voll_ = true;
    }

    // Makes the pending run take the current character state.
    // Beyond RtfMaxFormatwechsel changes the text keeps the last format.
    void vorbereiten()
    {
        if (s_.z == laufZeichen_ || formatwechsel_ >= RtfMaxFormatwechsel)
            return;
        laufAusgeben();
        laufZeichen_ = s_.z;
        ++formatwechsel_;
    }

    void bytesAusgeben()
    {
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
        lauf_.clear();
    }

    void absatzEnde(bool neuerAbsatz)
    {
        laufAusgeben();
        const QTextBlockFormat f = absatzFormat(s_.p);
        if (cursor_.blockFormat() != f)
            cursor_.setBlockFormat(f);
        if (cursor_.block().length() <= 1)
            cursor_.setBlockCharFormat(formatAusZwischenspeicher(s_.z));  // the height of an empty line
        if (neuerAbsatz) {
            cursor_.insertBlock();
            wortLaenge_ = 0;
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
        f.setProperty(QTextFormat::FontPixelSize, PixelGroesse(z.halbpunkte / 2.0));
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
    int ueberspringeUc_ = 0;

    int codePage_ = 1252;
    int deff_ = 0;
    QHash<int, SchriftEintrag> schriften_;
    QHash<int, int> schriftCodePage_;
    int definierteSchrift_ = 0;
    QByteArray schriftName_;
    std::vector<std::optional<TColor>> farben_;
    int rot_ = 0, gruen_ = 0, blau_ = 0;
    bool farbeGesetzt_ = false;
    std::map<int, std::unique_ptr<QStringDecoder>> decoder_;
    std::vector<std::pair<Zeichen, QTextCharFormat>> formate_;

    Zeichen laufZeichen_;
    QString lauf_;
    QByteArray bytes_;
    int zeichenAnzahl_ = 0;
    int formatwechsel_ = 0;
    int wortLaenge_ = 0;
    int absaetze_ = 0;
    bool voll_ = false;
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

bool LadeRtfDaten(RichEdit *edit, const QByteArray &daten)
{
    if (!edit)
        return false;
    edit->leeren();
    if (daten.size() > RtfMaxDateiGroesse)
        return false;
    const qsizetype anfang = RtfAnfang(daten);
    if (anfang < 0)
        return false;
    RtfLeser(edit->document(), daten, anfang).lies();
    return true;
}

bool LadeRtf(RichEdit *edit, const QString &dateipfad)
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
    return LadeRtfDaten(edit, daten);
}
