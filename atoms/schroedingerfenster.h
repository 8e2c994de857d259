// The quantum-mechanical atom window: a section through |ψ|² of a hydrogen state
// (n = 1..3, l < n, m = 0) as grey tones, as a cloud of random pixels or as a slow series
// of simulated position measurements, with the graph along the axis, labelled axes and
// the Bohr radius. It shows that the atom has no sharp boundary.
#pragma once

#include "schroedinger.h"
#include "schroedingerbild.h"
#include "simfenster.h"


class Bild;

class TFormSchroedinger3 : public SimFenster {
    Q_OBJECT
public:
    explicit TFormSchroedinger3(QWidget *parent = nullptr);
    ~TFormSchroedinger3() override;

    // ---- controls, for the tests ----
    Bild *image1() const { return Image1; }
    Panel *panelGraph() const { return PanelGraph; }
    Panel *panelAtom() const { return PanelAtom; }
    Panel *panelAchsen() const { return PanelAchsen; }
    Panel *panelDarstellung() const { return PanelDarstellung; }
    Panel *panelSimulation() const { return PanelSimulation; }
    Panel *panelLoeschen() const { return PanelLoeschen; }
    Panel *panelMassStab() const { return PanelMassStab; }
    Panel *panelZustand() const { return PanelZustand; }
    Panel *panelTexte() const { return PanelTexte; }
    Panel *panelZustand5() const { return PanelZustand5; }
    TrackBar *trackBarMassStab() const { return TrackBarMassStab; }
    RadioGroup *radioGroupHQZ() const { return RadioGroupHQZ; }
    RadioGroup *radioGroupNQZ() const { return RadioGroupNQZ; }
    BitBtn *bitBtnUnterbrechen() const { return BitBtnUnterbrechen; }
    QCheckBox *checkBoxGraph() const { return CheckBoxGraph; }
    QCheckBox *checkBoxAtomScheibe() const { return CheckBoxAtomScheibe; }
    QCheckBox *checkBoxAtomRand() const { return CheckBoxAtomRand; }
    QCheckBox *checkBoxAchsen() const { return CheckBoxAchsen; }

    // ---- state (read by tests) ----
    const Atome::SchroedingerLayout &layout() const { return layout_; }
    const Atome::AtomAnsicht &ansicht() const { return a_; }
    const Atome::WMaxTabelle &wmax() const { return wmax_; }
    int n() const { return n_; }
    int l() const { return l_; }
    int punktVerzoegerung() const { return punktVerzoegerung_; }
    bool grauBild() const { return grauBild_; }
    int gezeichnetePunkte() const { return punkte_; }
    bool zeichnet() const { return LaufAktiv(); }

    WerteTabelle Werte() const override;

    // ---- handlers ----
    void TrackBarMassStabChange();
    void RadioGroupHQZClick();
    void RadioGroupNQZClick();
    void PanelFarbCodeClick();
    void PanelWahrschPixelClick();
    void PanelElektronen1Click();
    void BitBtnUnterbrechenClick();
    void TrackBarTempoChange() override;
    void CheckBoxGraphClick();
    void CheckBoxAchsenClick();
    void CheckBoxAtomScheibeClick();
    void CheckBoxAtomRandClick();
    void BitBtnLoeschenClick();
    void SchreibeHinweise();
    void SchreibeErgebnis();

    void ZeichneWahrscheinlichkeit(bool grau);
    void ZeichneElektronen();

private:
    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelGraph = nullptr, *PanelAtom = nullptr, *PanelAchsen = nullptr, *PanelDarstellung = nullptr,
          *PanelSimulation = nullptr, *PanelLoeschen = nullptr, *PanelMassStab = nullptr, *PanelZustand = nullptr,
          *PanelTexte = nullptr, *PanelZustand5 = nullptr, *PanelFarbCode = nullptr, *PanelWahrschPixel = nullptr,
          *PanelElektronen1 = nullptr, *PanelElektronen2 = nullptr;
    TrackBar *TrackBarMassStab = nullptr;
    RadioGroup *RadioGroupHQZ = nullptr, *RadioGroupNQZ = nullptr;
    BitBtn *BitBtnUnterbrechen = nullptr, *BitBtnLoeschen = nullptr;
    QCheckBox *CheckBoxGraph = nullptr, *CheckBoxAtomScheibe = nullptr, *CheckBoxAtomRand = nullptr,
              *CheckBoxAchsen = nullptr;

    // The empty picture with the axes, and the measurement dots; drawn once, when the window
    // is first shown: what is drawn on the picture afterwards stays across re-opening.
    void BilderZeichnen() override;
    // The picture's canvas; its start picture is drawn first if the window was not shown yet.
    Canvas &Leinwand();
    void Vorbereiten(bool loeschen);
    void Zusaetze(bool mitAtom);
    // The runs: a picture of the probability, or measurements dot by dot.
    void LaufBeendet() override;
    Ablauf Wahrscheinlichkeit(bool grau);
    Ablauf Elektronen();
    Ablauf ZeichneFarbCode();
    Ablauf ZeichneMonteCarlo();
    void Skala();

    Atome::SchroedingerLayout layout_;
    Atome::AtomAnsicht a_;
    Atome::WMaxTabelle wmax_;
    int n_ = 1, l_ = 0;
    int punktVerzoegerung_ = 1;
    bool grauBild_ = false;
    int punkte_ = 0;
    int bildNr_ = 0;    // counts the clearings and redrawings of the whole picture
    QImage aktuell_, alt_;
    bool fertig_ = false;

    // What is on the picture, kept with every drawing and clearing, for screen readers.
    struct Inhalt {
        bool grau = false;   // the grey image (from its start)
        int wolke = 0;       // pixels of the cloud
        int messungen = 0;   // measured positions
        bool graph = false, achsen = false, scheibe = false, rand = false;
    } inhalt_;
    QString BildBeschreibung() const;
};
