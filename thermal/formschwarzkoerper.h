// The black-body window: radiation curves of a black body over frequency or wavelength,
// measured (Planck) against the laws of Wien and Rayleigh–Jeans, their ratios to the
// measurement, the displacement locus and the visible spectrum. No animation: every
// change of a control redraws the picture at once.
#pragma once

#include "simfenster.h"
#include "strahlungsdiagramm.h"
#include "strahlungslayout.h"

#include <QGroupBox>

#include <array>

class Bild;

class TFormSchwarzkoerper : public SimFenster {
    Q_OBJECT
public:
    explicit TFormSchwarzkoerper(QWidget *parent = nullptr);

    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelKurve = nullptr;     // options column
    Panel *PanelHinweise = nullptr;  // the hint button's panel
    Panel *PanelLambdaF = nullptr;   // frequency / wavelength choice under the picture
    Panel *PanelKurven = nullptr;    // curve kinds under the picture
    Panel *PanelFrequenz = nullptr;
    Panel *PanelWellenlaenge = nullptr;
    Panel *PanelTemperatur = nullptr;
    RadioGroup *RadioGroupTempWahl = nullptr;
    RadioGroup *RadioGroupLambdaF = nullptr;
    QGroupBox *GroupBoxTemperaturen = nullptr;
    QGroupBox *GroupBoxVariTemperatur = nullptr;
    QCheckBox *CheckBoxTemp2000 = nullptr, *CheckBoxTemp3000 = nullptr, *CheckBoxTemp4000 = nullptr,
              *CheckBoxTemp5000 = nullptr, *CheckBoxTemp5875 = nullptr;
    std::array<QCheckBox *, 5> CheckBoxTemp{};
    TrackBar *TrackBarTemperatur = nullptr;
    UpDown *UpDownTemperatur = nullptr;
    TrackBar *TrackBarBreite = nullptr;
    TrackBar *TrackBarMaxLeistung = nullptr;
    UpDown *UpDownMaxLeistung = nullptr;
    TrackBar *TrackBarFrequenz = nullptr;
    UpDown *UpDownFrequenz = nullptr;
    TrackBar *TrackBarWLaenge = nullptr;
    UpDown *UpDownWLaenge = nullptr;
    QCheckBox *CheckBoxPlanckStrahlung = nullptr;
    QCheckBox *CheckBoxWienStrahlung = nullptr;
    QCheckBox *CheckBoxRayleighJeansStrahlung = nullptr;
    QCheckBox *CheckBoxWienRelativ = nullptr;
    QCheckBox *checkboxRayleighJeansRelativ = nullptr;
    QCheckBox *CheckBoxVerschiebung = nullptr;
    QCheckBox *CheckBoxSpektrum = nullptr;
    QPushButton *BitBtnInfoLoeschen = nullptr;

    // ---- state ----
    int UrsprungX = 50;      // X0
    int UrsprungY = 0;       // Y0
    int AchsenLaenge = 0;    // L
    int MaxHoehe = 0;        // Hmax
    int ZweitAchseY = -80;   // world y of the secondary scale
    double SkalaFrequenz = 0;      // px per Hz
    double SkalaWellenlaenge = 0;  // px per m
    int RefTemperatur = 5000;
    double RefWertLambda = 0, RefWertNu = 0;
    int VarTemperatur = 5000;
    bool ueberFrequenz = true;
    bool mitSpektrum = false;

    const Waermestrahlung::SchwarzkoerperLayout &layout() const { return layout_; }
    // The drawing settings as the controls give them.
    Waermestrahlung::SchwarzkoerperZustand Zustand() const;

    // ---- drawing and handlers ----
    void ZeichneKurven();
    void RadioGroupTempWahlClick();
    void RadioGroupLambdaFClick();
    void TrackBarTemperaturChange();
    void TrackBarMaxLeistungChange();
    void TrackBarFrequenzChange();
    void TrackBarWLaengeChange();
    void CheckBoxSpektrumClick();
    void SchreibeHinweiseSelbst();

protected:
    void FormActivate() override;

private:
    void ErzeugeKurvenTafel();
    void ErzeugeUntereTafeln();
    void Skalen();  // scales, reference temperature and reference maxima from the controls

    Waermestrahlung::SchwarzkoerperLayout layout_;
};
