// The RTF reader's tokens: the main loop over the bytes, braces, control words with their
// numbers, and control symbols.
#include "rtfleser.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace rtfintern {

namespace {

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

}  // namespace

void RtfLeser::lies()
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

void RtfLeser::steuerung()
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

void RtfLeser::symbol(char c)
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

}  // namespace rtfintern
