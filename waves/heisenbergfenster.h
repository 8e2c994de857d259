// The uncertainty window: six guided steps from the diffraction of a light wave at a single
// slit, through photons flying in directions drawn from the diffraction pattern, to
// Heisenberg's relation between the position uncertainty dx at the slit and the spread dv
// of the transverse velocity.
#pragma once

#include "heisenberg.h"
#include "heisenbergbild.h"
#include "simfenster.h"

#include <QProgressBar>
#include <QRegion>

#include <array>
#include <optional>

class Bild;
class RichEdit;

class TFormHeisenberg : public SimFenster {
    Q_OBJECT
public:
    explicit TFormHeisenberg(QWidget *parent = nullptr);

    // ---- the controls, for tests ----
    Bild *image1() const { return Image1; }
    Panel *panelLambda() const { return PanelLambda; }
    Panel *panelMitIntens() const { return PanelMitIntens; }
    RichEdit *richEditText() const { return RichEditText; }
    QCheckBox *checkBoxNeuText() const { return CheckBoxNeuText; }
    QCheckBox *checkBoxMitIntens() const { return CheckBoxMitIntens; }
    BitBtn *bitBtnWeiter() const { return BitBtnWeiter; }
    BitBtn *bitBtnSchrittzurueck() const { return BitBtnSchrittzurueck; }
    RadioGroup *radioGroupZeichenflaeche() const { return RadioGroupZeichenflaeche; }
    TrackBar *trackBarSpaltB() const { return TrackBarSpaltB; }
    TrackBar *trackBarLambda() const { return TrackBarLambda; }

    // ---- state (read by tests) ----
    int schritt() const { return schritt_; }
    const Heisenberg::Zustand &zustand() const { return z_; }
    const Heisenberg::Layout &layout() const { return layout_; }
    const std::array<Heisenberg::Photon, 20> &photonen() const { return ph_; }
    const std::optional<Huygens::Feld> &feld() const { return feld_; }
    bool feldNoetig() const { return neuFeld_; }
    int zeitpunkt() const { return t_; }
    int groesse() const { return a_; }

    // ---- handlers ----
    void BitBtnWeiterClick();
    void BitBtnSchrittzurueckClick();
    void BitBtnzurueckzurueckClick();
    void CheckBoxNeuTextClick();
    void TrackBarSpaltBChange();
    void TrackBarLambdaChange();
    void TrackBarAufloesungChange();
    void CheckBoxMitIntensClick();
    void CheckBoxSpurClick();
    void RadioGroupZeichenflaecheClick();
    void BitBtnInfoClick();

protected:
    void FormActivate() override;
    void Vorbereiten() override;
    Ablauf Simulation() override;
    void BilderZeichnen() override;

private:
    // Computes the Huygens tables now; false when cancelled.
    Ablauf BerechnePhaseIntens();

    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelText = nullptr, *PanelErgebnis1 = nullptr, *PanelZeichenflaeche = nullptr,
          *PanelHinweise = nullptr, *PanelSpaltB = nullptr, *PanelLambda = nullptr, *PanelAufloesung = nullptr,
          *PanelMitIntens = nullptr, *PanelSpur = nullptr, *PanelSimulation = nullptr, *PanelIchRechne = nullptr;
    RichEdit *RichEditText = nullptr;
    QCheckBox *CheckBoxNeuText = nullptr, *CheckBoxMitIntens = nullptr, *CheckBoxSpur = nullptr;
    BitBtn *BitBtnWeiter = nullptr, *BitBtnSchrittzurueck = nullptr, *BitBtnzurueckzurueck = nullptr,
           *BitBtnInfo = nullptr;
    RadioGroup *RadioGroupZeichenflaeche = nullptr;
    TrackBar *TrackBarSpaltB = nullptr, *TrackBarLambda = nullptr, *TrackBarAufloesung = nullptr;
    UpDown *UpDownSpaltB = nullptr, *UpDownLambda = nullptr, *UpDownAufloesung = nullptr;
    QLabel *LabelAufloesung = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    void ErzeugeTextTafel();
    void ErzeugeSpalte();
    void ErzeugeUnten();
    void PaneleButtonAktualisieren();
    void SchrittSetzen(int n);
    void ImageSetzen(int a, TColor farbe);
    void Stoppen();
    void WerteLesen();
    void BildNeu();  // picture, intensity, decorations and the photons again
    void Startbild();  // the step's picture before any run: cleared, slit and decorations
    bool IntensitaetGezeigt() const;
    void SchreibeText();
    void SchreibeTextSelbst();
    void SchreibeTextVonDatei();
    void SchreibeHinweise();
    // sprites
    struct Gezeichnet {
        bool ja = false;
        QPoint mitte;
        bool gross = true;
    };
    QRect SpriteZeichnen(int i);
    QRect SpriteLoeschen(int i);
    void AlleNichtGezeichnet();

    Heisenberg::Layout layout_;
    Heisenberg::Zustand z_;
    std::optional<Huygens::Feld> feld_;
    Heisenberg::Richtungen richtungen_;
    std::array<Heisenberg::Photon, 20> ph_{};
    std::array<Gezeichnet, 20> gezeichnet_{};
    QImage photonBild_, markerBild_;
    TColor grund_ = 0;
    int schritt_ = 1;
    int a_ = 4;
    int t_ = 0;
    bool neuFeld_ = true, neuRichtung_ = true;

    // ---- what the picture shows besides the step's slit and decorations, for screen readers ----
    struct Inhalt {
        bool welle = false;        // a frame of the light wave
        bool intensitaet = false;  // the zoomed intensity
        bool spuren = false;       // photon traces
    };
    Inhalt inhalt_;
    QString BildBeschreibung() const;
};
