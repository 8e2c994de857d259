// The hydrogen level exercises: the pupil sets the atom's level and lets it emit a photon
// by jumping down, or absorb a photon of a chosen line; the level diagram blinks between
// the two levels and the photon flies out of the atom or into it. Picture and rules in
// hatomprobebild.*.
#pragma once

#include "hatomprobebild.h"
#include "simfenster.h"

#include <QComboBox>
#include <QImage>

class Bild;

class TFormHAtomProbe3 : public SimFenster {
    Q_OBJECT
public:
    explicit TFormHAtomProbe3(QWidget *parent = nullptr);

    // ---- controls, for the tests ----
    Bild *image1() const { return Image1; }
    Edit *editNrVorher() const { return EditNrVorher; }
    Edit *editNrNachher() const { return EditNrNachher; }
    Edit *editLinie() const { return EditLinie; }
    UpDown *upDownNrVorher() const { return UpDownNrVorher; }
    UpDown *upDownLinie() const { return UpDownLinie; }
    BitBtn *bitBtnEmittiere() const { return BitBtnEmittiere; }
    BitBtn *bitBtnAbsorbiere() const { return BitBtnAbsorbiere; }
    BitBtn *bitBtnBreak() const { return BitBtnBreak; }
    QComboBox *comboBoxSerie() const { return ComboBoxSerie; }

    const Wasserstoff::ProbeGeometrie &geometrie() const { return g_; }
    int Stufe() const;  // current level n
    // The photon as last drawn (for the tests): centre x, y, colour, frames flown.
    struct PhotonSpur {
        double x = 0;
        int y = 0;
        TColor farbe = 0;
        int schritte = 0;
        bool emission = false;
    };
    const PhotonSpur &photon() const { return Photon; }
    int blinken() const { return Blinken; }  // blink phases of the last flight

    void BitBtnEmittiereClick();
    void BitBtnAbsorbiereClick();
    void BitBtnBreakClick();
    void ZeichneAlles();
    void SchreibeHinweiseSelbst();

protected:
    void FormActivate() override;
    void BilderZeichnen() override;

private:
    Bild *Image1 = nullptr;
    Panel *PanelAtom = nullptr, *PanelSpring = nullptr, *PanelAbsorbe = nullptr, *PanelErgebnis = nullptr,
          *PanelSGrenzen = nullptr, *PanelAnimation = nullptr;
    Edit *EditNrVorher = nullptr, *EditNrNachher = nullptr, *EditLinie = nullptr;
    UpDown *UpDownNrVorher = nullptr, *UpDownNrNachher = nullptr, *UpDownLinie = nullptr;
    BitBtn *BitBtnEmittiere = nullptr, *BitBtnAbsorbiere = nullptr, *BitBtnBreak = nullptr, *BitBtnInfo = nullptr;
    QComboBox *ComboBoxSerie = nullptr;
    QCheckBox *CheckBoxGrenzen = nullptr;
    PhotonSpur Photon;
    int Blinken = 0;

    Edit *Ziffernfeld(QWidget *eltern, int x, int y, const QString &text, bool piepsen);
    void Zahlgeaendert(Edit *e, UpDown *u);
    void Ablehnen(Wasserstoff::Entscheid e, int stufe);
    // A quantum on its way from level a to b, then the atom on level danach: the run.
    Ablauf Flug(int a, int b, bool emission, int danach);
    Ablauf QuantUnterwegs(int a, int b, bool emission);
    Ablauf Blinke(int von, int nach, int mal, int d);  // the atom between two levels
    void AtomZeigen(int stufe);

    Wasserstoff::ProbeGeometrie g_;
    QImage elektron_;
    bool fliegt_ = false;  // a photon is on its way (the picture shows the flight)
    // The jump of the flight going on, between levels a < b (a = 0: none).
    struct Sprung {
        int a = 0, b = 0;
        bool emission = false;
    };
    Sprung sprung_;
    QString BildBeschreibung() const;  // what the picture shows now, for screen readers
};
