// Screen readers: what the accessibility interfaces tell of the program's own controls.
//
// A picture (Bild) is a graphic with a name and a description of what it shows now, asked for
// each time it is read; a panel with a caption is a static text (its caption); a track bar,
// an up-down and an edit are named after the label that stands for them in their window
// (NamenVergeben), and the up-down's arrows after the control they change.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Installs the interfaces of the picture and the panel; once, before the first window.
void ZugangEinrichten();

// A caption as a screen reader reads it: without the accelerator marks ("&&" is one '&') and
// with line breaks as blanks.
QString OhneMarken(const QString &caption);

// Caption lines as one: a word divided at a line's end ("Beschleunigungs-", "spannung") is
// joined again, other lines with a blank.
QString ZeilenVerbinden(const QStringList &zeilen);

// Gives every track bar, up-down, edit and drop-down of fenster that has no accessible name
// yet the name of what stands for it: a label that is its buddy, else the text nearest before
// it in its row or right above it (a label or a panel's caption, with the lines stacked over
// it), else the title of its group box; a track bar's name ends with the unit of its scale;
// an up-down beside a track bar or an edit takes that control's name. The up-down's arrows are
// named "<name>: höher" and "<name>: niedriger". Runs again after a window shows other controls.
void NamenVergeben(QWidget *fenster);
