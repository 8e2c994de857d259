// The gas-spectra window: the line spectrum of a chosen gas below the sun's spectrum,
// ordered by frequency or wavelength, optionally with the set-up of discharge tube and
// spectroscope in a view the pupil can turn. Nothing moves: every change redraws.
#pragma once

#include "simfenster.h"
#include "spektren.h"
#include "spektrenbild.h"

#include <QLabel>

class Bild;

class TFormSpektren3D : public SimFenster {
    Q_OBJECT
public:
    explicit TFormSpektren3D(QWidget *parent = nullptr);

    // ---- controls, for the tests ----
    Bild *image1() const { return Image1; }
    Panel *panelLinien() const { return PanelLinien; }
    Panel *panelSonnenSpektrum() const { return PanelSonnenSpektrum; }
    Panel *panelAbhaengigk() const { return PanelAbhaengigk; }
    Panel *panelBlickRichtung() const { return PanelBlickRichtung; }
    Panel *panelAnordnung() const { return PanelAnordnung; }
    Panel *panelInfo() const { return PanelInfo; }
    RadioGroup *radioGroupSpektren() const { return RadioGroupSpektren; }
    RadioGroup *radioGroupAbhaengigK() const { return RadioGroupAbhaengigK; }
    RadioGroup *radioGroupAnordnung() const { return RadioGroupAnordnung; }
    TrackBar *trackBarSehBreite() const { return TrackBarSehBreite; }
    TrackBar *trackBarSehHoehe() const { return TrackBarSehHoehe; }
    UpDown *upDownSehBreite() const { return UpDownSehBreite; }
    UpDown *upDownSehHoehe() const { return UpDownSehHoehe; }
    QPushButton *bitBtnInfoLoeschen() const { return BitBtnInfoLoeschen; }
    QLabel *labelBeobachtung() const { return LabelBeobachtung; }

    // ---- state ----
    const Atome::SpektrenZustand &zustand() const { return z_; }
    const Atome::SpektrenLayout &layout() const { return layout_; }
    const Atome::SpektrenTabelle &tabellen() const { return tabellen_; }
    // The geometry last drawn with (default until the window is first shown).
    const Atome::SpektrenGeometrie &geometrie() const;

    // The lines shown, for "Werte speichern (CSV) …".
    WerteTabelle Werte() const override;

    // ---- handlers ----
    void RadioGroupSpektrenClick();
    void RadioGroupFraunhoferClick();
    void RadioGroupAbhaengigKClick();
    void RadioGroupAnordnungClick();
    void TrackBarSehBreiteChange();
    void TrackBarSehHoeheChange();
    void ZeichneAlles();
    void SchreibeHinweisSelbst();
    // What the picture shows now, for screen readers.
    QString BildBeschreibung() const;

protected:
    void FormActivate() override { ZeichneAlles(); }

private:
    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelLinien = nullptr, *PanelSonnenSpektrum = nullptr, *PanelAbhaengigk = nullptr,
          *PanelBlickRichtung = nullptr, *PanelAnordnung = nullptr, *PanelInfo = nullptr;
    RadioGroup *RadioGroupSpektren = nullptr, *RadioGroupFraunhofer = nullptr, *RadioGroupAbhaengigK = nullptr,
               *RadioGroupAnordnung = nullptr;
    TrackBar *TrackBarSehBreite = nullptr, *TrackBarSehHoehe = nullptr;
    UpDown *UpDownSehBreite = nullptr, *UpDownSehHoehe = nullptr;
    QPushButton *BitBtnInfoLoeschen = nullptr;
    QLabel *LabelBeobachtung = nullptr;  // the hint panel's caption

    Atome::SpektrenLayout layout_;
    Atome::SpektrenTabelle tabellen_{};
    Atome::SpektrenZustand z_;
    std::unique_ptr<Atome::SpektrenBild> bild_;  // made when the picture is first drawn
};
