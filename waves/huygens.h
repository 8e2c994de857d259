// Huygens wavelets behind a diaphragm: every open row of the diaphragm plane (x = 0) sends
// a circular wavelet; at each grid point behind it the wavelets are summed with the
// 96-step sine and cosine tables, giving the phase, the intensity and the amplitude of the
// wave there. Widget-free, so that every window showing diffraction can use it.
#pragma once

#include "global.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace Huygens {

// The diaphragm rows run from −MaskenRand to MaskenRand.
inline constexpr int MaskenRand = 340;

// One flag per row y of the diaphragm plane: open or blocked.
struct Blende {
    std::vector<char> offen = std::vector<char>(2 * MaskenRand + 1, 0);
    bool symmetrisch = true;  // open rows mirror about y = 0: only y ≥ 0 is computed

    bool istOffen(int y) const { return y >= -MaskenRand && y <= MaskenRand && offen[std::size_t(y + MaskenRand)]; }
    void setzeOffen(int y, bool o)
    {
        if (y >= -MaskenRand && y <= MaskenRand)
            offen[std::size_t(y + MaskenRand)] = o;
    }
    // The open rows as closed intervals [von, bis], from the bottom up.
    std::vector<std::pair<int, int>> offeneBereiche() const;
};

// What to compute: grid x = d, 2d, … up to xB and y from the first row (0 when the
// diaphragm is symmetric, else −yMax) up to yMax in steps of d.
struct Auftrag {
    Blende blende;
    double lambda = 60;  // pixels
    int xB = 0, yMax = 0, d = 1;
};

// The field on the grid. Rows are stored for every y drawn: for a symmetric diaphragm the
// computed rows y ≥ 0 and their mirror images −y, otherwise the computed rows.
struct Feld {
    int d = 1;
    std::vector<int> spaltenX;  // x of each column, ascending
    std::vector<int> zeilenY;   // y of each row, ascending
    std::vector<std::uint8_t> phase;   // 0..95, steps of 2π/96
    std::vector<float> intensitaet;    // normalised: the brightest point has 1
    std::vector<float> amplitude;      // 56 · √intensity

    std::size_t index(std::size_t spalte, std::size_t zeile) const { return spalte * zeilenY.size() + zeile; }
    bool leer() const { return spaltenX.empty() || zeilenY.empty(); }
};

// Called after each computed column with the number done and the number of columns;
// returning false cancels the computation.
using Fortschritt = std::function<bool(int fertig, int gesamt)>;

// The wavelet sums. A term depends only on the column x and |y − y′|, so each column's
// terms are summed once into a running table and every grid point takes its sums over the
// open intervals from that table. Empty when cancelled.
std::optional<Feld> Berechne(const Auftrag &a, const TSinCosTabelle &tabelle, const Fortschritt &fortschritt = {});

// A window's field step: computes the field with rechnen (at most about a fifth of a second)
// and shows the progress through zeigen. On success the field replaces feld; false when
// rechnen gave none, feld then stays as it was.
bool FeldSchritt(std::optional<Feld> &feld, const std::function<std::optional<Feld>(const Fortschritt &)> &rechnen,
                 const std::function<void(int fertig, int gesamt)> &zeigen);

// The raw sums (Re, Im) at one point, term by term as the definition reads (for checks).
std::pair<double, double> DirekteSumme(const Blende &b, double lambda, int x, int y, const TSinCosTabelle &tabelle);

// The phase index 0..95 of a sum (Re, Im).
int PhasenIndex(double re, double im);

// An index taken mod 96, brought into 0..95 also for negative values.
inline int Mod96(int i)
{
    const int m = i % 96;
    return m < 0 ? m + 96 : m;
}

}  // namespace Huygens
