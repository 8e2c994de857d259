// The settings kept between runs, as the program uses them: applied once all windows
// exist (text directory, the information window's two check boxes) and saved whenever the
// information window closes and when the program ends.
#pragma once

#include <QString>

// textverzeichnis: given on the command line for this run (not kept), or empty. The text
// directory is then the one chosen earlier if it still exists, else the first
// "QuantenTexte" found (common/einstellungen.h), without a message.
void SitzungBeginnen(const QString &textverzeichnis = {});
// Keeps what the user changed in this run.
void SitzungSichern();
