// What the fuzz targets and the replay test feed their bytes through: the RTF reader and
// the markup writer into a shown rich-text control of a fixed size, laid out to the end,
// as the program does with a teacher's file or a built-in text; and the RTF reader alone
// into a document, without layout or painting, fast enough for large inputs.
#pragma once

#include "global.h"
#include "richtext.h"
#include "rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QCoreApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

// The control the inputs are shown in; created on first use, shown at 400 × 300 pixels
// (about a hint panel; narrower than this the window does not get).
inline RichEdit &LeserControl()
{
    static RichEdit *edit = [] {
        // The font sizes of the built-in texts, as the start screen sets them on a 1280 × 1024 screen.
        BildschirmBreite = 1280;
        BildschirmHoehe = 1024;
        Bildschirmeinteilung(BildschirmBreite, BildschirmHoehe);
        auto *e = new RichEdit;
        e->resize(400, 300);
        e->show();
        QCoreApplication::processEvents();
        return e;
    }();
    return *edit;
}

// Lays the whole document out, scrolls to its end and paints once.
inline void LeserAuslegen(RichEdit &e)
{
    e.document()->documentLayout()->documentSize();
    e.moveCursor(QTextCursor::End);
    e.ensureCursorVisible();
    e.viewport()->grab();
}

inline RtfBericht RtfEinlesen(const QByteArray &daten)
{
    RichEdit &e = LeserControl();
    RtfBericht bericht;
    LadeRtfDaten(&e, daten, &bericht);
    LeserAuslegen(e);
    return bericht;
}

// The work of the laid-out document in counted steps: per paragraph its characters, lines and
// format runs, and where it has tab stops, at each tab its runs and tabs (the layout measures
// the rest of the paragraph there).
inline qint64 LayoutSchritte(const QTextDocument &doc)
{
    qint64 schritte = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        qint64 laeufe = 0;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            ++laeufe;
        const qint64 tabs = b.text().count(u'\t');
        schritte += b.length() + (b.layout() ? b.layout()->lineCount() : 0) + laeufe;
        if (!b.blockFormat().tabPositions().isEmpty())
            schritte += tabs * (laeufe + 2 * tabs);
    }
    return schritte;
}

// The RTF reader alone, into a document without a layout.
inline void RtfNurLesen(const QByteArray &daten)
{
    static QTextDocument *doc = new QTextDocument;
    LeseRtf(doc, daten);
}

inline void MarkupEinlesen(const QByteArray &daten)
{
    RichEdit &e = LeserControl();
    SchreibeMarkup(&e, QString::fromUtf8(daten), StilTheorie());
    LeserAuslegen(e);
}
