// Texts from the text directory: finding a file ignoring case, and the rule that shows a
// teacher's RTF file or writes the built-in text.
#pragma once

#include <QString>

#include <functional>

class RichEdit;

// Finds a file in a directory ignoring the case of its name: the exact name first,
// then a case-insensitive scan. An empty directory means the current directory (the
// bare file name is returned). Empty if there is no such file.
QString FindeTextDatei(const QString &verzeichnis, const QString &dateiname);

// The folder of the teachers' files for the language in use: TextPfad, and its subfolder
// "en/" in English.
QString TextOrdner();

// Clears the control; shows TextOrdner() + dateiname (found ignoring case) if TexteVonDatei
// is set and the file loads as RTF; otherwise calls selbst() to write the built-in text.
// No message is shown.
void SchreibeTextOderDatei(RichEdit *edit, const QString &dateiname, const std::function<void()> &selbst);

// Loads TextOrdner() + dateiname into the control without fall-back: on failure an error
// message box names the file and the control keeps the text it showed.
bool LadeTextOhneErsatz(RichEdit *edit, const QString &dateiname);
