// The hydrogen spectral-series window: the first three to six series over frequency or
// wavelength, with limits, names and the visible strip. No animation: every change of a
// control redraws the picture at once. Geometry and drawing live in hserienbild.*.
#pragma once

#include "hserienbild.h"
#include "simfenster.h"

#include <QLabel>
#include <QRadioButton>

class Bild;

class TFormHSerien : public SimFenster {
    Q_OBJECT
public:
    explicit TFormHSerien(QWidget *parent = nullptr);

    // ---- controls, for the tests ----
    Bild *image1() const { return Image1; }
    TrackBar *trackBarSerien() const { return TrackBarSerien; }
    TrackBar *trackBarLinien() const { return TrackBarLinien; }
    TrackBar *trackBarUnterscheidung() const { return TrackBarUnterscheidung; }
    UpDown *upDownSerien() const { return UpDownSerien; }
    UpDown *upDownLinien() const { return UpDownLinien; }
    QRadioButton *radioButtonFrequenz() const { return RadioButtonFrequenz; }
    QRadioButton *radioButtonWellenlaenge() const { return RadioButtonWellenlaenge; }
    QCheckBox *checkBoxLinienBreite() const { return CheckBoxLinienBreite; }
    QCheckBox *checkBoxGrenzen() const { return CheckBoxGrenzen; }
    QCheckBox *checkBoxMassstab() const { return CheckBoxMassstab; }
    QCheckBox *checkBoxSpektrum() const { return CheckBoxSpektrum; }

    const Wasserstoff::HSerienLayout &layout() const { return layout_; }
    const Wasserstoff::HSerienGeometrie &geometrie() const { return geometrie_; }
    Wasserstoff::HSerienEinstellung Einstellung() const;

    void ZeigeHSerien(bool wellenlaenge);
    void SchreibeHinweiseSelbst();
    // The lines drawn now, as CSV text (for the frame's export).
    // The lines shown, for the worksheet export.
    WerteTabelle Werte() const override;

protected:
    void BilderZeichnen() override;

private:
    Bild *Image1 = nullptr;
    Panel *PanelSerien = nullptr, *PanelLinien = nullptr, *PanelSpektrum = nullptr, *PanelHinweise = nullptr;
    TrackBar *TrackBarSerien = nullptr, *TrackBarLinien = nullptr, *TrackBarUnterscheidung = nullptr;
    UpDown *UpDownSerien = nullptr, *UpDownLinien = nullptr, *UpDownUnterscheidung = nullptr;
    QRadioButton *RadioButtonFrequenz = nullptr, *RadioButtonWellenlaenge = nullptr;
    QCheckBox *CheckBoxLinienBreite = nullptr, *CheckBoxGrenzen = nullptr, *CheckBoxMassstab = nullptr,
              *CheckBoxSpektrum = nullptr;
    QLabel *LabelMassstab = nullptr;

    int Serien = 6, Linien = 12;

    TrackBar *Regler(QWidget *eltern, int x, int y, int breite, int min, int max, int pos, UpDown *&updown);
    void Neuzeichnen();
    QString BildBeschreibung() const;  // what the picture shows now, for screen readers

    Wasserstoff::HSerienLayout layout_;
    Wasserstoff::HSerienGeometrie geometrie_;
};
