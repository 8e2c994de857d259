// The guide's glossary: which page explains a term, and reading a page number back.
#pragma once

#include <QString>
#include <QStringList>

// The 49 terms of the glossary's drop-down, in German and in the German order.
const QStringList &GlossarBegriffe();
// Term i as the drop-down shows it: in the language in use.
QString GlossarBegriffAngezeigt(int i);

// The page text for a term (" 8", "19 + 20", …); " 1" when no prefix matches.
QString GlossarSeitenText(const QString &begriff);

// The page number a page text stands for: its first two characters (a leading blank is
// dropped), 0 when they are not a positive number.
int GlossarSeitenNummer(const QString &seitenText);
