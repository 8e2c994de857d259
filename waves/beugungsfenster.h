// The diffraction window: a plane water wave meets a diaphragm and spreads behind it,
// either drawn from simple formulas (animation) or computed from Huygens wavelets
// (simulation), with the time-averaged intensity shown while a panel is held down.
#pragma once

#include "beugung.h"
#include "beugungsbild.h"
#include "huygens.h"
#include "simfenster.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QRadioButton>

#include <optional>

class Bild;

namespace Beugung {
// A panel that reports the press and the release of the left mouse button.
class DrueckPanel : public Panel {
    Q_OBJECT
public:
    using Panel::Panel;
signals:
    void gedrueckt();
    void losgelassen();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};
}  // namespace Beugung

class TFormBeugung3 : public SimFenster {
    Q_OBJECT
public:
    explicit TFormBeugung3(QWidget *parent = nullptr);

    // ---- the controls, for tests ----
    Bild *image1() const { return Image1; }
    Panel *panelDatenEinf() const { return PanelDatenEinf; }
    Panel *panelDatenKompl() const { return PanelDatenKompl; }
    Beugung::DrueckPanel *panel1() const { return Panel1; }
    QRadioButton *radioButtonAnimation() const { return RadioButtonAnimation; }
    RadioGroup *radioGroupArtBeugungEinf() const { return RadioGroupArtBeugungEinf; }
    RadioGroup *radioGroupWellenzug() const { return RadioGroupWellenzug; }
    RadioGroup *radiogroupAnfangszustand() const { return RadiogroupAnfangszustand; }
    RadioGroup *radioGroupArtBeugung() const { return RadioGroupArtBeugung; }
    RadioGroup *radioGroupZeichenflaeche() const { return RadioGroupZeichenflaeche; }
    QCheckBox *checkBoxRichtungenVorBlende() const { return CheckBoxRichtungenVorBlende; }
    QCheckBox *checkBoxRichtungenNachBlende() const { return CheckBoxRichtungenNachBlende; }
    TrackBar *trackBarSpaltB() const { return TrackBarSpaltB; }
    TrackBar *trackBarSchwDauer() const { return TrackBarSchwDauer; }

    // ---- state (read by tests) ----
    const Beugung::Zustand &zustand() const { return z_; }
    const Huygens::Blende &blende() const { return blende_; }
    const std::optional<Huygens::Feld> &feld() const { return feld_; }
    const Beugung::Layout &layout() const { return layout_; }
    bool neuRechnen() const { return neuRechnen_; }
    int zeitpunkt() const { return t_; }
    const Panel *panelIchRechne() const { return PanelIchRechne; }

    // ---- handlers ----
    void RadioButtonModusClick();
    void RadioGroupArtBeugungEinfClick();
    void RadioGroupWellenzugClick();
    void RadioGroupArtBeugungClick();
    void TrackBarBlendeChange();
    void TrackBarLambdaChange();
    void TrackBarSchwDauerChange();
    void TrackBarAufloesungChange();
    void RadioGroupZeichenflaecheClick();
    void CheckBoxRichtungenClick();
    void Panel1MouseDown();
    void Panel1MouseUp();

protected:
    void FormActivate() override;
    void Vorbereiten() override;
    Ablauf Simulation() override;
    int VerzoegerungAusTempo(int position, int max) const override;

private:
    // Computes the Huygens tables now.
    Ablauf BerechnePhaseIntens();

    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelAnimSimu = nullptr, *PanelDatenEinf = nullptr, *PanelDatenKompl = nullptr, *PanelHinweise = nullptr;
    Panel *PanelLambda = nullptr, *PanelZahlBilder = nullptr, *PanelAufloesung = nullptr, *PanelZeichenFl = nullptr,
          *PanelLicht = nullptr;
    Panel *PanelSpaltB = nullptr, *PanelSpaltAbst = nullptr, *PanelZahnAbst = nullptr;
    Beugung::DrueckPanel *Panel1 = nullptr;
    Panel *PanelIchRechne = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QGroupBox *GroupBoxZeige = nullptr, *GroupBoxRichtungen = nullptr;
    QRadioButton *RadioButtonAnimation = nullptr, *RadioButtonSimulation = nullptr;
    RadioGroup *RadioGroupArtBeugungEinf = nullptr, *RadioGroupWellenzug = nullptr,
               *RadiogroupAnfangszustand = nullptr, *RadioGroupArtBeugung = nullptr,
               *RadioGroupZeichenflaeche = nullptr;
    QCheckBox *CheckBoxRichtungenVorBlende = nullptr, *CheckBoxRichtungenNachBlende = nullptr;
    TrackBar *TrackBarSpaltB = nullptr, *TrackBarSpaltAbst = nullptr, *TrackBarGitterKonst = nullptr,
             *TrackBarLambda = nullptr, *TrackBarSchwDauer = nullptr, *TrackBarAufloesung = nullptr;
    UpDown *UpDownSpaltB = nullptr, *UpDownSpaltAbst = nullptr, *UpDownGitterKonst = nullptr,
           *UpDownLambda = nullptr, *UpDownSchwDauer = nullptr, *UpDownAufloesung = nullptr;
    QLabel *LabelSpaltB = nullptr, *LabelSimulation = nullptr;

    void ErzeugeLinkeSpalte();
    void ErzeugeRechteSpalte();
    void ErzeugeRechenTafel();
    void Stoppen();
    void WerteLesen();
    void MaskeBauen();
    Ablauf SimulationEinf();
    Ablauf SimulationKompl();
    void SchreibeHinweise();
    bool simulationsModus() const;

    Beugung::Layout layout_;
    Beugung::Zustand z_;
    Huygens::Blende blende_;
    std::optional<Huygens::Feld> feld_;
    bool neuRechnen_ = true;
    bool intensitaetZeigen_ = false;
    TColor grund_ = 0;
    int t_ = 0;

    // What the picture shows, for screen readers.
    enum class Inhalt { Blende, Welle, Intensitaet };
    Inhalt inhalt_ = Inhalt::Blende;
    QString BildBeschreibung() const;
};
