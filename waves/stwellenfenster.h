// The standing-wave window: five guided steps from two opposed waves on a rope to the
// vibrating string clamped at both ends, with the two component waves shown on request.
#pragma once

#include "simfenster.h"
#include "stwellen.h"
#include "stwellenbild.h"

#include <memory>

class Bild;
class RichEdit;

class TFormStWellen : public SimFenster {
    Q_OBJECT
public:
    explicit TFormStWellen(QWidget *parent = nullptr);

    // ---- the controls, for tests ----
    Panel *panelSchrittNr() const { return PanelSchrittNr; }
    Panel *panelBergTal() const { return PanelBergTal; }
    Panel *panelWZentren() const { return PanelWZentren; }
    Panel *panelFestLose() const { return PanelFestLose; }
    Panel *panelZBaeuche() const { return PanelZBaeuche; }
    Panel *panelWellenLaenge() const { return PanelWellenLaenge; }
    BitBtn *bitBtnWeiter() const { return BitBtnWeiter; }
    BitBtn *bitBtnSchrittZurueck() const { return BitBtnSchrittZurueck; }
    BitBtn *bitBtnzurueckzurueck() const { return BitBtnzurueckzurueck; }
    RadioGroup *radioGroupFestLose() const { return RadioGroupFestLose; }
    TrackBar *trackBarAmplitude() const { return TrackBarAmplitude; }
    TrackBar *trackBarZBaeuche() const { return TrackBarZBaeuche; }
    TrackBar *trackBarPause() const { return TrackBarPause; }
    QCheckBox *checkBoxEinzelWellen() const { return CheckBoxEinzelWellen; }

    // ---- state (read by tests) ----
    int schritt() const { return schritt_; }
    const StehendeWellen::Bildzustand &zustand() const { return z_; }
    const StehendeWellen::Layout &layout() const { return layout_; }
    const StehendeWellen::StWellenBild &bild() const { return *bild_; }  // once drawn
    int zeitpunkt() const { return t_; }

    // ---- handlers ----
    void BitBtnLichtClick() override;
    void BitBtnWeiterClick();
    void BitBtnSchrittZurueckClick();
    void BitBtnzurueckzurueckClick();
    void RadioGroupBergTalClick();
    void CheckBoxEinzelWellenClick();
    void TrackBarPauseChange();

protected:
    void Vorbereiten() override;
    Ablauf Simulation() override;
    // The prepared string: the wavelength marker, the rope at rest and the component pictures.
    void BilderZeichnen() override;
    void LaufBeendet() override;
    int VerzoegerungAusTempo(int position, int max) const override;

private:
    // ---- controls ----
    Bild *Image0 = nullptr, *Image1 = nullptr, *Image2 = nullptr, *ImageLambda = nullptr;
    Panel *PanelText = nullptr, *PanelSchrittNr = nullptr, *PanelBeobachtButton = nullptr;
    RichEdit *RichEditText = nullptr;
    BitBtn *BitBtnWeiter = nullptr, *BitBtnSchrittZurueck = nullptr, *BitBtnzurueckzurueck = nullptr;
    Panel *PanelBergTal = nullptr, *PanelWZentren = nullptr, *PanelFestLose = nullptr, *PanelWelle = nullptr,
          *PanelAmplitude = nullptr, *PanelZBaeuche = nullptr, *PanelWellenLaenge = nullptr,
          *PanelEinzelWellen = nullptr, *PanelSimulation = nullptr;
    RadioGroup *RadioGroupBergTal = nullptr, *RadioGroupPhasen = nullptr, *RadioGroupFestLose = nullptr;
    TrackBar *TrackBarSchwDauer = nullptr, *TrackBarAmplitude = nullptr, *TrackBarWellenlaenge = nullptr,
             *TrackBarZBaeuche = nullptr, *TrackBarPause = nullptr;
    UpDown *UpDownSchwDauer = nullptr, *UpDownAmplitude = nullptr, *UpDownWellenlaenge = nullptr,
           *UpDownZBaeuche = nullptr;
    QCheckBox *CheckBoxEinzelWellen = nullptr;
    QLabel *LabelEinzelWellen = nullptr;

    void ErzeugeTextTafel();
    void ErzeugeSpalte();
    void Aktualisieren(bool boxBeschriften = true);
    StehendeWellen::StWellenBild &Zeichner();  // made at the first drawing
    void Stoppen();
    Ablauf SimulationWellenGegeneinander();
    Ablauf SimulationStehendeWellen();
    void WerteLesen();
    void SchreibeText();
    void SchreibeErgebnis();

    StehendeWellen::Layout layout_;
    StehendeWellen::Bildzustand z_;
    std::unique_ptr<StehendeWellen::StWellenBild> bild_;
    int schritt_ = 1;
    int t_ = 0;

    // ---- what the pictures show, for screen readers ----
    bool ruhend_ = true;  // the pictures show the prepared string, no frame of a run
    QString SeilBeschreibung() const;
    QString KomponentenBeschreibung(bool oben) const;
};
