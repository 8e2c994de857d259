// The renderer of the text markup of the built-in texts (docs/textmarkup.md).
#pragma once

#include <QString>

class RichEdit;
struct TextStil;

// Renders text markup into the control: clears it, sets the background, writes.
void SchreibeMarkup(RichEdit *edit, const QString &markup, const TextStil &stil);

// Reads a UTF-8 text (usually from the resources, ":/..."); empty if it cannot be read.
QString LadeText(const QString &resourcePath);
