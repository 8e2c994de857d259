// Bohr's atom window: the hydrogen atom as a planetary system with six orbits and the
// electron circling; the pupil lets it give off or take up energy by a jump or by a chosen
// line, and a photon flies out of the atom or into it. Beside it the level diagram.
#pragma once

#include "bohr.h"
#include "bohrbild.h"
#include "simfenster.h"

#include <QComboBox>
#include <QRadioButton>

class Bild;

class TFormBohrAtom2 : public SimFenster {
    Q_OBJECT
public:
    explicit TFormBohrAtom2(QWidget *parent = nullptr);
    ~TFormBohrAtom2() override;

    // ---- controls, for the tests ----
    Bild *imageBohrAtom() const { return ImageBohrAtom; }
    Bild *imageHNiveaus() const { return ImageHNiveaus; }
    Panel *panelAtom() const { return PanelAtom; }
    Panel *panelEmission() const { return PanelEmission; }
    Panel *panelAbsorption() const { return PanelAbsorption; }
    Panel *panelSimulation() const { return PanelSimulation; }
    Edit *editNrVorher() const { return EditNrVorher; }
    Edit *editNrNachher1() const { return EditNrNachher1; }
    Edit *editNrNachher2() const { return EditNrNachher2; }
    Edit *editLinieAbsorption() const { return EditLinieAbsorption; }
    UpDown *upDownNrVorher() const { return UpDownNrVorher; }
    UpDown *upDownLinieAbsorption() const { return UpDownLinieAbsorption; }
    QRadioButton *radioButtonEmission() const { return RadioButtonEmission; }
    QRadioButton *radioButtonAbsorption() const { return RadioButtonAbsorption; }
    QComboBox *comboBoxSerieAbsorption() const { return ComboBoxSerieAbsorption; }
    BitBtn *bitBtnEmission() const { return BitBtnEmission; }
    BitBtn *bitBtnAbsorbtion() const { return BitBtnAbsorbtion; }
    BitBtn *bitBtnStart() const { return BitBtnStart; }

    // ---- state (read by tests) ----
    const Atome::BohrLayout &layout() const { return layout_; }
    int n() const { return n_; }
    int t() const { return t_; }
    double winkel() const { return theta_; }
    bool imUebergang() const { return uebergang_; }
    int photonFrequenz() const { return photonF_; }
    TColor photonFarbe() const { return photonFarbe_; }
    int photonRadius() const { return photonR_; }
    int photonenZahl() const { return photonen_; }

    WerteTabelle Werte() const override;

    // ---- handlers ----
    void BitBtnStartClick();
    void BitBtnPauseClick();
    void BitBtnEmissionClick();
    void BitBtnAbsorbtionClick();
    void TrackBarTempoChange() override;
    void CheckBoxZeigeHNiveausClick();
    void ComboBoxSerieChange();
    void SchreibeHinweiseSelbst();

protected:
    void FormActivate() override;
    Ablauf Simulation() override;
    void LaufBeendet() override;
    // The atom and the level diagram as the state has them; a finished absorption stays marked
    // in the diagram until the next redraw, so the pictures are kept across a hide.
    void BilderZeichnen() override;

private:
    // ---- controls ----
    Bild *ImageBohrAtom = nullptr, *ImageHNiveaus = nullptr;
    Panel *PanelAtom = nullptr, *PanelEmission = nullptr, *PanelAbsorption = nullptr, *PanelSimulation = nullptr,
          *PanelZeigeStufen = nullptr, *PanelErgebnis = nullptr, *Panel2 = nullptr;
    Edit *EditNrVorher = nullptr, *EditNrNachher1 = nullptr, *EditNrNachher2 = nullptr, *EditLinieEmission = nullptr,
         *EditLinieAbsorption = nullptr;
    UpDown *UpDownNrVorher = nullptr, *UpDownNrNachher1 = nullptr, *UpDownNrNachher2 = nullptr, *UpDown2 = nullptr,
           *UpDownLinieAbsorption = nullptr;
    QRadioButton *RadioButtonSprungDown = nullptr, *RadioButtonEmission = nullptr, *RadioButtonSprungUp = nullptr,
                 *RadioButtonAbsorption = nullptr;
    QComboBox *ComboBoxSerieEmission = nullptr, *ComboBoxSerieAbsorption = nullptr;
    BitBtn *BitBtnEmission = nullptr, *BitBtnAbsorbtion = nullptr, *BitBtnStart = nullptr, *BitBtnPause = nullptr;
    QCheckBox *CheckBoxStop = nullptr, *CheckBoxZeigeHNiveaus = nullptr;
    QPushButton *BitBtnInfoLoeschen = nullptr;

    // The panel that gives off energy (abgeben) or takes it up: by a jump or by a photon.
    void ErzeugeEnergieTafel(bool abgeben);
    void EnergieTafelOk(bool abgeben);  // its button: the chosen jump or line, if allowed
    Edit *ZiffernEdit(QWidget *eltern, const QString &text, int x, int y);
    UpDown *ZiffernUpDown(QWidget *eltern, Edit *edit, int min, int max, int x, int y);
    void NiveauEingabe(Edit *edit, std::function<void(int)> setze);
    void LinieGewaehlt();  // line edit or series box of the absorption changed
    void Ablehnen(const Atome::Wahl &w);
    void Aktionen(bool ein);
    void Ausschalten();  // the atom off: lamp, captions, actions and pause back to rest
    void ZeichneAlles();
    // The level diagram as the state has it (its transition no longer marked), or cleared
    // where it is switched off.
    void NiveausZeichnen();
    void NeuesNiveau(int n);
    void ZielSetzen(int t);
    QPoint Pixel(double x, double y) const;
    QPoint ElektronOrt(double winkel) const;
    void ElektronZeigen();
    void ElektronSchritt();
    void PhotonBauen(int nUnten, int k);
    void PhotonSchritt();
    // A transition to level ziel begins: controls off, its line in the level diagram, the
    // photon built; false while another runs or the atom is off.
    bool UebergangBeginnen(int ziel);
    // The photon's flight, a part of the run while the electron goes on circling.
    Ablauf EmittierePhoton(int ziel);
    Ablauf AbsorbierePhoton(int ziel);

    Atome::BohrLayout layout_;
    TColor grund_ = 0;
    int n_ = 3, t_ = 2;
    double theta_ = 0;
    enum class Auftrag { keiner, abgeben, aufnehmen };
    Auftrag auftrag_ = Auftrag::keiner;  // a transition begun, its flight not yet
    int auftragZiel_ = 0;
    bool uebergang_ = false;  // a photon is on its way
    XorSprite elektron_, photon_;
    double px_ = 0, py_ = 0, phi_ = 0;
    int photonF_ = 0, photonR_ = 0, photonen_ = 0;
    TColor photonFarbe_ = 0;
    bool fertig_ = false;
    // The last transition begun (between the levels unten < oben; 0: none yet) and what the
    // level diagram shows: the levels it highlights and whether that transition is marked.
    int sprungUnten_ = 0, sprungOben_ = 0;
    bool sprungAus_ = false;  // it gives off its photon
    int stufenN_ = 0, stufenT_ = 0;
    bool linieMarkiert_ = false;
    // What the pictures show now, for screen readers.
    QString AtomBeschreibung() const;
    QString NiveauBeschreibung() const;
};
