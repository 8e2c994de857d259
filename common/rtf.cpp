// Reading RTF files and data into a document or a RichEdit: the entry points of the reader.
#include "rtf.h"

#include "rtfleser.h"

#include <QFile>
#include <QFileInfo>

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
