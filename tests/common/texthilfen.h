// Helpers of the rich-text and RTF tests: reading back what a control holds.
#pragma once

#include "richtext.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

// The text with paragraphs separated by '\n'; no-break spaces and line separators kept.
inline QString Text(RichEdit &e)
{
    return e.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

// The character format of the fragment that contains `teil`.
inline QTextCharFormat FormatVon(RichEdit &e, const QString &teil)
{
    for (QTextBlock b = e.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(teil))
                return it.fragment().charFormat();
    ADD_FAILURE() << "no fragment contains " << teil.toStdString();
    return {};
}
