// Portraits of the physicists: a JPEG photo from the text directory when the teacher put
// one there (for example "Planck.jpg"), otherwise a portrait card drawn by the program.
#pragma once

#include <QImage>
#include <QString>

class Bild;

struct Physiker {
    const char *kurz;      // file stem of an optional photo, e.g. "Planck"
    const char *name;      // full name
    const char *lebensdaten;  // "1858 – 1947"
};

// The physicists the start screen and the guide show.
const Physiker *PhysikerVon(const QString &kurz);

// A portrait card of the given (logical) size at skala device pixels per pixel, drawn with the canvas.
QImage PortraitKarte(const Physiker &p, int breite, int hoehe, double skala = 1);

// The photo <kurz>.jpg (any case) from the text directory, or the card when there is
// none or it cannot be decoded; at skala device pixels per pixel.
QImage PortraitBild(const QString &kurz, int breite, int hoehe, double skala = 1);

// Shows the portrait in the picture widget (read when first shown) and keeps it there: after
// PortraitsNeuLaden the widget shows what the text directory holds then.
void PortraitZeigen(Bild *bild, const QString &kurz, int breite, int hoehe);
// Reloads every portrait shown with PortraitZeigen, after the text directory changed.
void PortraitsNeuLaden();
