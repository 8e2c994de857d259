// What the fuzz targets and the replay test feed their bytes through: the RTF reader and
// the markup writer into a shown rich-text control of a fixed size, laid out to the end,
// as the program does with a teacher's file or a built-in text.
#pragma once

#include "global.h"
#include "richtext.h"
#include "rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QCoreApplication>
#include <QTextDocument>

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

inline void RtfEinlesen(const QByteArray &daten)
{
    RichEdit &e = LeserControl();
    LadeRtfDaten(&e, daten);
    LeserAuslegen(e);
}

inline void MarkupEinlesen(const QByteArray &daten)
{
    RichEdit &e = LeserControl();
    SchreibeMarkup(&e, QString::fromUtf8(daten), StilTheorie());
    LeserAuslegen(e);
}
