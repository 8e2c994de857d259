// The Franck–Hertz set-up window: the tube with glow cathode, grid and collector, its
// circuit with both voltage sources, the voltmeter and the current meter, the heating
// circuit, and — after "Gasfüllung" — the gas atoms in thermal motion.
#pragma once

#include "franckhertz.h"
#include "franckhertzbild.h"
#include "simfenster.h"

#include <memory>

class Bild;

class TFormFranckHertzAnordnung2 : public SimFenster {
    Q_OBJECT
public:
    explicit TFormFranckHertzAnordnung2(QWidget *parent = nullptr);

    // ---- the controls, for the tests ----
    Bild *image1() const { return Image1; }
    Panel *panelZahlAtome() const { return PanelZahlAtome; }
    Panel *panelTemperatur() const { return PanelTemperatur; }
    TrackBar *trackBarZahlAtome() const { return TrackBarZahlAtome; }
    TrackBar *trackBarTemperatur() const { return TrackBarTemperatur; }
    BitBtn *bitBtnMitGas() const { return BitBtnMitGas; }
    QPushButton *bitBtnHinwLoeschen() const { return BitBtnHinwLoeschen; }

    // ---- state, read by the tests ----
    const FranckHertz::Rohrpunkte &punkte() const { return punkte_; }
    const FranckHertz::Gas &gas() const { return gas_; }

    void BitBtnStopClick() override;

protected:
    void FormActivate() override;
    // The thermal motion of the filled gas, as long as the window is open.
    Ablauf Simulation() override;
    void LaufBeendet() override;
    void BilderZeichnen() override;

private:
    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelZahlAtome = nullptr, *PanelTemperatur = nullptr;
    TrackBar *TrackBarZahlAtome = nullptr, *TrackBarTemperatur = nullptr;
    BitBtn *BitBtnMitGas = nullptr;
    QPushButton *BitBtnHinwLoeschen = nullptr;

    // ---- state ----
    int e = 0, hw = 0, mw = 0;
    FranckHertz::Rohrpunkte punkte_;
    FranckHertz::Radien radien;
    FranckHertz::Gas gas_;
    FranckHertz::Zeiger voltZeiger, stromZeiger;
    float temperatur = 4;
    bool gasGefuellt = false;

    // ---- handlers ----
    void BitBtnMitGasClick();
    void TrackBarZahlAtomeChange();
    void TrackBarTemperaturChange();
    void HinweisUmschalten();
    void HinweisVerbergen();

    void BeschrifteSchaltung();
    QString BildBeschreibung() const;  // what the picture shows now, for screen readers
    void SchreibeHinweise();
    FranckHertz::Rohrzeichner Zeichner();
    // The atoms' painter while the picture is drawn; until then the gas moves undrawn.
    FranckHertz::SpriteMaler *AtomMaler() const;

    TColor zeichengrund_ = 0;
    std::unique_ptr<FranckHertz::Sprites> sprites_;
    std::unique_ptr<FranckHertz::SpriteMaler> maler_;
};
