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
    int e = 0;
    FranckHertz::Rohrpunkte punkte;
    FranckHertz::Radien radien;
    FranckHertz::Gas gas;
    std::unique_ptr<FranckHertz::ElektronenLauf> lauf;
    FranckHertz::Zeiger stromZeiger, voltZeiger;
    bool heizungAn = false, schalterZu = false, schliessen = false;
    bool heizt = false;         // the cathode is being heated
    bool laeuft = false;        // an electron run is under way
    bool schleifeAktiv = false; // the one loop (run or atom motion) is active
    float temperatur = 4;       // thermal speed
    double dt = 2.05e-5;

    // ---- handlers ----
    void BitBtnHeizenClick();
    void BitBtnSchalterClick();
    void BitBtnStopClick() override;
    void BitBtnZurueckClick() override;
    void CheckBoxAtomBewegungClick();
    void CheckBoxGalvanometerClick();
    void CheckBoxElekZeigenClick();
    void TrackbarUaChange();
    void TrackBarUgChange();
    void TrackBarAnregEnergieChange();
    void TrackBarZahlAtomeChange();
    void TrackBarTemperaturChange();
    void TrackBarTempoChange() override;
    int VerzoegerungAusTempo(int position, int max) const override;

    // The run's parameters from the controls.
    FranckHertz::LaufParameter Parameter() const;
    double Ua() const;
    double Ug() const;

protected:
    void FormActivate() override;
    void FormClose() override;
    void Vorbereiten() override;  // re-reads the parameters
    void SimulationAlt();   // one electron run

private:
    void Schleife();  // the run or the continuous atom motion, never twice at once
    void Heitzen();
    void SchreibeSpannung(double alt, double neu, int mitteX);
    void ZeichneAlles();  // the whole picture from the state
    void ZeigerAuf(double wert);
    void SchreibeHinweise();
    void SchreibeErgebnis();
    FranckHertz::Rohrzeichner Zeichner();

    std::unique_ptr<FranckHertz::Sprites> sprites_;
    std::unique_ptr<FranckHertz::SpriteMaler> maler_;
    double uaAlt_ = 4.0, ugAlt_ = 1.0;
    TColor zeichengrund_ = 0;
};
