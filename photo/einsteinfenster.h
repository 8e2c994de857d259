// The Einstein-equation window: the kinetic energy of the photo electrons over the light's
// frequency for the lines of a gas lamp and up to four metals, as the counter-field method
// gives it in theory: parallel straight lines with the slope h. Nothing is animated; every
// change redraws the plot.
#pragma once

#include "einstein.h"
#include "einsteinbild.h"
#include "simfenster.h"

#include <QGroupBox>

class Bild;

class TFormEinsteinGl : public SimFenster {
    Q_OBJECT
public:
    explicit TFormEinsteinGl(QWidget *parent = nullptr);

    Bild *Image1 = nullptr;
    QCheckBox *CheckBoxNa = nullptr, *CheckBoxKa = nullptr, *CheckBoxRb = nullptr, *CheckBoxCs = nullptr;
    QCheckBox *CheckBoxVerbLinien = nullptr, *CheckBoxDreieck = nullptr;
    RadioGroup *RadioGroupSpektren = nullptr;
    QCheckBox *CheckBoxspektralLinien = nullptr, *CheckBoxSpektrum = nullptr;
    QCheckBox *CheckBoxNeuErgebnis = nullptr;

    Linienspektrum Lampen[4];
    bool gezeigt[4] = {false, false, false, false};
    Photoeffekt::EinsteinAchsen achsen;
    TColor Zeichengrund = 0;

    QCheckBox *MetallBox(int i) const;
    void CheckBoxMetallClick(int i);
    void CheckBoxVerbLinienClick();

    void BitBtnZurueckClick() override;

    // The whole plot.
    void SimulationAlt();

protected:
    void FormActivate() override { SimulationAlt(); }

private:
    void SchreibeHinweisSelbst();
    void SchreibeErgebnisSelbst();
};
