// The double-slit window: single quanta from a very weak lamp hit the screen one by one at
// places drawn with the probability of the wave intensity behind the double slit, so that
// the interference pattern builds up dot by dot; optionally the whole apparatus is shown in
// a rotatable oblique view.
#pragma once

#include "doppelspalt.h"
#include "doppelspaltbild.h"
#include "simfenster.h"

class Bild;

class TFormDoppelspalt : public SimFenster {
    Q_OBJECT
public:
    explicit TFormDoppelspalt(QWidget *parent = nullptr);

    // ---- the controls, for tests ----
    Bild *image1() const { return Image1; }
    Panel *panelSehrichtung() const { return PanelSehrichtung; }
    RadioGroup *radioGroupAnordnung() const { return RadioGroupAnordnung; }
    QCheckBox *checkBoxZoom() const { return CheckBoxZoom; }
    QCheckBox *checkBoxGraph() const { return CheckBoxGraph; }
    QCheckBox *checkBoxKlassisch() const { return CheckBoxKlassisch; }
    TrackBar *trackBarSehBreite() const { return TrackBarSehBreite; }
    TrackBar *trackBarSehHoehe() const { return TrackBarSehHoehe; }
    TrackBar *trackBarLambda() const { return TrackBarLambda; }
    TrackBar *trackBarPause() const { return TrackBarPause; }
    UpDown *upDownSehHoehe() const { return UpDownSehHoehe; }
    UpDown *upDownlambda() const { return UpDownlambda; }
    BitBtn *bitBtnUnterbrechen() const { return BitBtnUnterbrechen; }
    BitBtn *bitBtnLoeschen() const { return BitBtnLoeschen; }
    BitBtn *bitBtnBeobachtung() const { return BitBtnBeobachtung; }

    // ---- state (read by tests) ----
    const Doppelspalt::Zustand &zustand() const { return z_; }
    const Doppelspalt::Layout &layout() const { return layout_; }
    bool vierfach() const { return vierfach_; }
    int treffer() const { return k_; }
    bool lampe() const { return z_.lampe; }

    // ---- handlers ----
    void BitBtnLichtClick() override;
    void RadioGroupAnordnungClick();
    void CheckBoxZoomClick();
    void TrackBarSehChange();
    void TrackBarSpaltAbstChange();
    void TrackBarLambdaChange();
    void CheckBoxGraphClick();
    void CheckBoxKlassischClick();
    void TrackBarPauseChange();
    void BitBtnLoeschenClick();

protected:
    Ablauf Simulation() override;
    void LaufBeendet() override;
    void BilderZeichnen() override;

private:
    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelAnordnung = nullptr, *PanelSehrichtung = nullptr, *PanelSpaltAbstand = nullptr,
          *PanelLambda = nullptr, *PanelGraph = nullptr, *PanelSimulation = nullptr, *PanelKlassisch = nullptr,
          *PanelBeobHinw = nullptr;
    RadioGroup *RadioGroupAnordnung = nullptr;
    QCheckBox *CheckBoxZoom = nullptr, *CheckBoxGraph = nullptr, *CheckBoxKlassisch = nullptr;
    TrackBar *TrackBarSehBreite = nullptr, *TrackBarSehHoehe = nullptr, *TrackBarSpaltAbst = nullptr,
             *TrackBarLambda = nullptr, *TrackBarPause = nullptr;
    UpDown *UpDownSehBreite = nullptr, *UpDownSehHoehe = nullptr, *UpDownSpaltAbst = nullptr,
           *UpDownlambda = nullptr;
    BitBtn *BitBtnUnterbrechen = nullptr, *BitBtnLoeschen = nullptr, *BitBtnBeobachtung = nullptr;

    void ZeichneAlles();
    void ErzeugeSpalte();
    void ErzeugeUnten();
    void StoppenUndZeichnen();
    void ApparatNeu();
    void SchreibeHinweiseSelbst();
    void SchreibeBeobachtungSelbst();

    Doppelspalt::Layout layout_;
    Doppelspalt::Zustand z_;
    TColor grund_ = 0;
    bool vierfach_ = false;
    int k_ = 0;
    bool gestoppt_ = false; // the last run was stopped (or cut off) before its hits were complete

    // ---- what the picture shows, for screen readers ----
    int aufSchirm_ = 0;        // hits painted since the screen was last drawn afresh
    bool gespiegelt_ = false;  // some of them painted four-fold, mirrored
    QString BildBeschreibung() const;
};
