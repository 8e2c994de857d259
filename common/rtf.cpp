// Reading RTF files and data into a document or a RichEdit: the entry points of the reader.
#include "rtf.h"

#include "richedit.h"
#include "rtfleser.h"

#include <QFile>
#include <QFileInfo>
#include <QSizeF>
#include <QTextDocument>

namespace {

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

// While a text goes in, its document has no page size, so that nothing lays it out: a shown
// control lays its document out whole when an edit of part of it ends, and again when its cursor,
// moved along to the end, is put back to the beginning. With the size back, the control lays out
// what it shows at once and the rest a piece at a time while the event loop goes on.
class OhneLayout {
public:
    explicit OhneLayout(QTextDocument *doc) : doc_(doc), seite_(doc->pageSize()) { doc_->setPageSize(QSizeF(0, 0)); }
    ~OhneLayout() { doc_->setPageSize(seite_); }
    OhneLayout(const OhneLayout &) = delete;
    OhneLayout &operator=(const OhneLayout &) = delete;

private:
    QTextDocument *doc_;
    QSizeF seite_;
};

}  // namespace

using rtfintern::RtfLeser;

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
    const OhneLayout ohne(doc);
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
    const OhneLayout ohne(edit->document());
    const bool gelesen = LeseRtf(edit->document(), daten, bericht);
    edit->zumAnfang();
    return gelesen;
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
