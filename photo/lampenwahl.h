// The choice of the lamp's light in the photoelectric windows that work with a frequency:
// one tab per gas lamp (cadmium, helium, mercury, neon) whose radio buttons pick a spectral
// line, and a tab for the incandescent lamp with a track bar over 400..750 THz; the
// spectrum strip, where a click picks the line (or frequency) under it; the choice of
// the line width; and the two panels that show the chosen wavelength and frequency.
#pragma once

#include "steuerelemente.h"

#include <QLabel>
#include <QTabWidget>

class Bild;
class Canvas;

class Lampenwahl : public Panel {
    Q_OBJECT
public:
    Lampenwahl(QWidget *eltern, int breite);
    static constexpr int Hoehe = 292;

    QTabWidget *PageControlFrequenz = nullptr;
    QWidget *TabSheetCd = nullptr, *TabSheetHe = nullptr, *TabSheetHg = nullptr, *TabSheetNe = nullptr,
            *TabSheetGluehlampe = nullptr;
    RadioGroup *RadioGroupCd = nullptr, *RadioGroupHe = nullptr, *RadioGroupHg = nullptr, *RadioGroupNe = nullptr;
    TrackBar *TrackBarKontinuum = nullptr;
    UpDown *UpDownKontinuum = nullptr;
    Panel *PanelLinien = nullptr;
    Bild *ImageSpektrum = nullptr;
    QLabel *LabelBreite = nullptr;
    RadioGroup *RadioGroupBreite = nullptr;
    Panel *PanelWellenlaenge = nullptr, *PanelFrequenz = nullptr;

    // The window's own copies of the four gas tables, in the order of the tabs.
    Linienspektrum Gase[4];
    int Art = 0;        // 0..3 a gas, 4 the incandescent lamp
    int Frequenz = 0;   // THz

    RadioGroup *GasGruppe(int art) const;

    // ---- handlers ----
    void ArtSpektrumAusPageControl();
    void PageControlFrequenzChange();
    void RadioGroupClick();
    void RadioGroupBreiteClick();
    void TrackBarKontinuumChange();
    // A click at x (pixels inside the strip): the lamp takes the frequency there, a gas
    // the first line within 5 THz of it; nothing happens if no line is that close.
    void ImageSpektrumClick(int x);

    // Redraws the strip if it is made; else it is drawn from the choice when first used.
    void ZeichneSpektrum();
    void FrequenzWellenlBeschriften();
    // The wavelength in nm that the panels show for a frequency in THz.
    static int WellenlaengeNm(int frequenzTHz);
    // What the strip shows now, for screen readers.
    QString SpektrumBeschreibung() const;

signals:
    // The chosen frequency or kind of lamp has changed.
    void geaendert();

private:
    void FrequenzUebernehmen();
    void ZeichneSpektrum(Canvas &c) const;
};
