// Drawing of the standing-wave window: the rope picture with its clamps and axis, the two
// component pictures with their captions, the wavelength marker, and one frame of the
// opposed waves (steps 1 to 4) or of the clamped string (step 5).
#pragma once

#include "canvas.h"
#include "stwellen.h"

namespace StehendeWellen {

struct Bildzustand {
    Werte w;
    Gegenwellen g;
    bool festesEnde = true;
    bool gegenphasig = false;
    bool wellenberg = true;
    bool komponenten = false;  // the component pictures show the two waves
    int baeuche = 4;           // antinodes in step 5
    TColor grund = 0;          // picture background
    TColor formFarbe = 0;      // background of the wavelength marker
};

class StWellenBild {
public:
    // rope picture, upper and lower component picture, wavelength marker
    StWellenBild(Canvas &seil, Canvas &oben, Canvas &unten, const Bildzustand &z)
        : seil_(seil), oben_(oben), unten_(unten), z_(z)
    {
    }

    void Image0Vorbereiten(bool mitSeil);
    void Image1Vorbereiten(bool mitSeil);
    void Image2Vorbereiten(bool mitSeil);
    void Achsen();
    static void ImageLambdaVorbereiten(Canvas &c, int lambda, TColor formFarbe);

    // One frame of the opposed waves at frame t.
    void FrameGegenwellen(double t);
    // One frame of the clamped string at frame t.
    void FrameStehend(double t);

    // y of the rope at x in the last frame drawn (for checks), NaN before the first.
    double letzteAuslenkung(int x) const;

private:
    void Komponente(Canvas &c, bool obenBild, bool mitSeil);
    void KnotenMarken();
    template <class F, class Farbe>
    void Linie(Canvas &c, int Y0, int von, int bis, F &&y, Farbe &&farbe, int breite);
    Canvas &seil_, &oben_, &unten_;
    const Bildzustand &z_;
    std::vector<double> letzte_;
    int letzteVon_ = 0;
};

}  // namespace StehendeWellen
