// The program's language: German (the default) or English. The language decides the built-in
// texts (resources of the language "en" stand beside the German ones under the same names and
// are found while the default locale is English) and how numbers are written.
#pragma once

#include <QString>

#include <optional>

enum class Sprache { Deutsch, Englisch };

// "de", "deutsch", "german" → German; "en", "englisch", "english" → English (any case); none
// for anything else.
std::optional<Sprache> SpracheAusText(const QString &text);

// The language of a locale name as the system gives it: German for "de…" ("de_AT.UTF-8"),
// English for every other.
Sprache SpracheDesSystems(const QString &localeName);

// The language in use; SpracheSetzen makes it the default locale (de_DE or en_GB), so that the
// built-in texts of that language are read from then on, and installs the English captions
// (:/i18n/<folder>_en.qm) for English. Windows created afterwards show the new language.
Sprache AktuelleSprache();
void SpracheSetzen(Sprache s);
// "de" or "en".
QString SprachKuerzel(Sprache s);
