// The Franck–Hertz run window: the pupil heats the cathode and closes the switch; electrons
// then fly one after another through the gas-filled tube, are accelerated by Ua, braked by
// Ug behind the grid, and may give the excitation energy to a gas atom. The current meter
// shows the share of the last ten electrons that reached the collector.
#pragma once

#include "franckhertz.h"
#include "franckhertzbild.h"
#include "simfenster.h"

#include <memory>

class Bild;

class TFormFranckHertz2 : public SimFenster {
    Q_OBJECT
public:
    explicit TFormFranckHertz2(QWidget *parent = nullptr);

    // ---- the controls, for the tests ----
    Bild *image1() const { return Image1; }
    Panel *panelAtome() const { return PanelAtome; }
    Panel *panelSimulation() const { return PanelSimulation; }
    Panel *panelHinweise() const { return PanelHinweise; }
    Panel *panelBeschleuniggSp() const { return PanelBeschleuniggSp; }
    Panel *panelGegenSp() const { return PanelGegenSp; }
    Panel *panelAnregEnWert() const { return PanelAnregEnWert; }
    TrackBar *trackbarUa() const { return TrackbarUa; }
    TrackBar *trackBarAnregEnergie() const { return TrackBarAnregEnergie; }
    TrackBar *trackBarZahlAtome() const { return TrackBarZahlAtome; }
    TrackBar *trackBarStop() const { return TrackBarStop; }
    UpDown *upDownUa() const { return UpDownUa; }
    QCheckBox *checkBoxAtomBewegung() const { return CheckBoxAtomBewegung; }
    QCheckBox *checkBoxGalvanometer() const { return CheckBoxGalvanometer; }
    QCheckBox *checkBoxElekZeigen() const { return CheckBoxElekZeigen; }
    BitBtn *bitBtnHeizen() const { return BitBtnHeizen; }
    BitBtn *bitBtnSchalter() const { return BitBtnSchalter; }

    // ---- state, read by the tests ----
    int e() const { return e_; }
    const FranckHertz::Rohrpunkte &punkte() const { return punkte_; }
    const FranckHertz::Radien &radien() const { return radien_; }
    const FranckHertz::Gas &gas() const { return gas_; }
    const FranckHertz::ElektronenLauf *lauf() const { return lauf_.get(); }
    bool heizungAn() const { return heizungAn_; }
    bool laeuft() const { return elektronen_; }  // electrons fly

    // ---- handlers ----
    void BitBtnStopClick() override;
    void TrackBarTempoChange() override;
    int VerzoegerungAusTempo(int position, int max) const override;

protected:
    void FormActivate() override;
    void Vorbereiten() override;  // re-reads the parameters
    // The window's one run: electrons fly while the cathode glows and the switch is closed,
    // otherwise the atoms move while their motion is switched on.
    Ablauf Simulation() override;
    void LaufBeendet() override;
    // The apparatus as the state has it, and the atoms where they are.
    void BilderZeichnen() override;

private:
    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelAtome = nullptr, *PanelSimulation = nullptr, *PanelHinweise = nullptr;
    Panel *PanelBeschleuniggSp = nullptr, *PanelGegenSp = nullptr, *PanelAnregEnWert = nullptr;
    TrackBar *TrackbarUa = nullptr, *TrackBarUg = nullptr, *TrackBarAnregEnergie = nullptr, *TrackBarZahlAtome = nullptr;
    UpDown *UpDownUa = nullptr, *UpDownUg = nullptr, *UpDownAnregEnergie = nullptr, *UpDownZahlAtome = nullptr;
    TrackBar *TrackBarAnregzeit = nullptr, *TrackBarStossW = nullptr, *TrackBarTemperatur = nullptr,
             *TrackBarStop = nullptr;
    QCheckBox *CheckBoxAtomBewegung = nullptr, *CheckBoxGalvanometer = nullptr, *CheckBoxElekZeigen = nullptr;
    BitBtn *BitBtnHeizen = nullptr, *BitBtnSchalter = nullptr;
    QPushButton *BitBtnInfoLoeschen = nullptr, *BitBtnErgebnisLoeschen = nullptr;

    // ---- state ----
    int e_ = 0;
    FranckHertz::Rohrpunkte punkte_;
    FranckHertz::Radien radien_;
    FranckHertz::Gas gas_;
    std::unique_ptr<FranckHertz::ElektronenLauf> lauf_;
    FranckHertz::Zeiger stromZeiger, voltZeiger;
    bool heizungAn_ = false, schalterZu = false;
    bool heizt = false;          // the cathode is warming up
    bool elektronen_ = false;    // electrons fly (the pause button acts)
    float temperatur = 4;        // thermal speed
    double dt = 2.05e-5;

    // ---- handlers ----
    void BitBtnHeizenClick();
    void BitBtnSchalterClick();
    void CheckBoxAtomBewegungClick();
    void CheckBoxGalvanometerClick();
    void CheckBoxElekZeigenClick();
    void TrackbarUaChange();
    void TrackBarUgChange();
    void TrackBarAnregEnergieChange();
    void TrackBarZahlAtomeChange();
    void TrackBarTemperaturChange();

    // The run's parameters from the controls.
    FranckHertz::LaufParameter Parameter() const;
    double Ua() const;
    double Ug() const;

    // Starts the run where there is something to animate and none goes already.
    void SchleifeStarten();
    Ablauf Heitzen();      // the cathode warms up, then the run goes on
    Ablauf Elektronen();   // electrons one after another until heating or switch goes off
    bool ElektronenEnde() const { return Gestoppt() || !heizungAn_ || !schalterZu; }
    void PauseAufheben();
    void SchreibeSpannung(double alt, double neu, int mitteX);
    void ZeichneGeraet();  // the apparatus from the state (not the atoms)
    void ZeichneAlles();   // the whole picture from the state, the atoms placed anew
    void ZeigerAuf(double wert);
    void SchreibeHinweise();
    void SchreibeErgebnis();
    QString BildBeschreibung() const;  // what the picture shows now, for screen readers
    FranckHertz::Rohrzeichner Zeichner();

    std::unique_ptr<FranckHertz::Sprites> sprites_;
    std::unique_ptr<FranckHertz::SpriteMaler> maler_;
    double uaAlt_ = 4.0, ugAlt_ = 1.0;
    TColor zeichengrund_ = 0;
};
