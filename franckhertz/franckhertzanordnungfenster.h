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

    Bild *Image1 = nullptr;
    Panel *PanelZahlAtome = nullptr, *PanelTemperatur = nullptr;
    TrackBar *TrackBarZahlAtome = nullptr, *TrackBarTemperatur = nullptr;
    BitBtn *BitBtnMitGas = nullptr;
    QPushButton *BitBtnHinwLoeschen = nullptr;

    int e = 0, hw = 0, mw = 0;
    FranckHertz::Rohrpunkte punkte;
    FranckHertz::Radien radien;
    FranckHertz::Gas gas;
    FranckHertz::Zeiger voltZeiger, stromZeiger;
    float temperatur = 4;
    bool gasGefuellt = false;
    bool bewegt = false;  // the motion loop is running
    bool schliessen = false;  // the window is being left: the motion loop ends

    void BitBtnMitGasClick();
    void BitBtnStopClick() override;
    void TrackBarZahlAtomeChange();
    void TrackBarTemperaturChange();
    void HinweisUmschalten();
    void HinweisVerbergen();

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    // The thermal motion of the filled gas, until the window is left.
    void Bewegen();
    void BeschrifteSchaltung();
    void SchreibeHinweise();
    FranckHertz::Rohrzeichner Zeichner();

    TColor zeichengrund_ = 0;
    std::unique_ptr<FranckHertz::Sprites> sprites_;
    std::unique_ptr<FranckHertz::SpriteMaler> maler_;
};
