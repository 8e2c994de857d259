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

// The wavelet sums, a column at a time, so that a run can give the event loop a turn between
// columns. A term depends only on the column x and |y − y′|, so each column's terms are summed
// once into a running table and every grid point takes its sums over the open intervals from
// that table.
class Rechnung {
public:
    Rechnung(const Auftrag &a, const TSinCosTabelle &tabelle);
    // Sums the next column; false once every column is done.
    bool Schritt();
    int fertig() const { return int(spalte_); }
    int gesamt() const { return int(f_.spaltenX.size()); }
    // The field, normalised to its brightest point (once, after the last column).
    Feld Ergebnis();

private:
    Feld f_;
    const TSinCosTabelle &tabelle_;
    double lambda_;
    std::vector<int> rechenY_;
    std::size_t versatz_ = 0;  // stored row of computed row 0
    bool sym_ = true;
    std::vector<std::pair<int, int>> bereiche_;
    int maxAbstand_ = 0;
    std::vector<double> summeRe_, summeIm_, rohI_;
    double groesste_ = 0;
    std::size_t spalte_ = 0;
};

// The whole field at once; empty when fortschritt cancels it.
std::optional<Feld> Berechne(const Auftrag &a, const TSinCosTabelle &tabelle, const Fortschritt &fortschritt = {});

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
