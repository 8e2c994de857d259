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

    // ---- controls and state, read by the tests ----
    Bild *image1() const { return Image1; }
    QCheckBox *checkBoxRb() const { return CheckBoxRb; }
    QCheckBox *checkBoxCs() const { return CheckBoxCs; }
    QCheckBox *checkBoxVerbLinien() const { return CheckBoxVerbLinien; }
    QCheckBox *checkBoxDreieck() const { return CheckBoxDreieck; }
    QCheckBox *checkBoxSpektrum() const { return CheckBoxSpektrum; }
    RadioGroup *radioGroupSpektren() const { return RadioGroupSpektren; }
    const Photoeffekt::EinsteinAchsen &achsen() const { return achsen_; }

    void BitBtnZurueckClick() override;

protected:
    // The whole plot (once the window is shown).
    void Zeichnen();
    void FormActivate() override { Zeichnen(); }

private:
    Bild *Image1 = nullptr;
    QCheckBox *CheckBoxNa = nullptr, *CheckBoxKa = nullptr, *CheckBoxRb = nullptr, *CheckBoxCs = nullptr;
    QCheckBox *CheckBoxVerbLinien = nullptr, *CheckBoxDreieck = nullptr;
    RadioGroup *RadioGroupSpektren = nullptr;
    QCheckBox *CheckBoxspektralLinien = nullptr, *CheckBoxSpektrum = nullptr;
    QCheckBox *CheckBoxNeuErgebnis = nullptr;

    Linienspektrum Lampen[4];
    bool gezeigt[4] = {false, false, false, false};
    Photoeffekt::EinsteinAchsen achsen_;
    TColor Zeichengrund = 0;

    // What the plot shows, from the controls.
    Photoeffekt::EinsteinAnsicht Ansicht() const;
    // What the plot shows now, for screen readers.
    QString BildBeschreibung() const;
    QCheckBox *MetallBox(int i) const;
    void CheckBoxMetallClick(int i);
    void CheckBoxVerbLinienClick();
    void SchreibeHinweisSelbst();
    void SchreibeErgebnisSelbst();
};
