// A window's values for a worksheet: named columns (with their units) and rows of numbers.
// A window lists what it computed or measured; the export writes it as CSV.
#pragma once

#include <QList>
#include <QStringList>

struct WerteTabelle {
    QStringList spalten;         // column titles, "Größe / Einheit"
    QList<QList<double>> zeilen; // one value per column; NaN or ±inf leave the cell empty

    // The window has values to offer at all.
    bool angeboten() const { return !spalten.isEmpty(); }
    // There is something to save now.
    bool leer() const { return zeilen.isEmpty(); }
};
