// The Planck window: radiation curves of Planck's law alone, over frequency or wavelength,
// for up to five fixed temperatures or one variable temperature, with the visible range
// marked; optionally the law as a typeset formula and the values of its constants.
// No animation: every change redraws at once.
#pragma once

#include "simfenster.h"
#include "strahlungsdiagramm.h"
#include "strahlungslayout.h"

#include <QGroupBox>

#include <array>

class Bild;

class TFormPlanckGesetz : public SimFenster {
    Q_OBJECT
public:
    explicit TFormPlanckGesetz(QWidget *parent = nullptr);

    // ---- controls ----
    Bild *Image1 = nullptr;
    Bild *ImageGesetzFr = nullptr;
    Bild *ImageGesetzWL = nullptr;
    Bild *ImageKonstanten = nullptr;
    Panel *PanelKurve = nullptr;
    Panel *PanelLambdaF = nullptr;
    Panel *PanelGesetz = nullptr;
    Panel *PanelFrequenz = nullptr;
    Panel *PanelWellenlaenge = nullptr;
    Panel *PanelTemperatur = nullptr;
    RadioGroup *RadioGroupLambdaF = nullptr;
    RadioGroup *RadioGroupTempWahl = nullptr;
    QGroupBox *GroupBoxTemperaturen = nullptr;
    QGroupBox *GroupBoxVariTemperatur = nullptr;
    QCheckBox *CheckBoxTemp2000 = nullptr, *CheckBoxTemp3000 = nullptr, *CheckBoxTemp4000 = nullptr,
              *CheckBoxTemp5000 = nullptr, *CheckBoxTemp5875 = nullptr;
    std::array<QCheckBox *, 5> CheckBoxTemp{};
    TrackBar *TrackBarTemperatur = nullptr;
    TrackBar *TrackBarBreite = nullptr;
    TrackBar *TrackBarMaxLeistung = nullptr;
    TrackBar *TrackBarFrequenz = nullptr;
    TrackBar *TrackBarWLaenge = nullptr;
    QCheckBox *CheckBoxSpektrum = nullptr;
    QCheckBox *CheckBoxGesetz = nullptr;
    QCheckBox *CheckBoxKonstanten = nullptr;

    // ---- state ----
    int UrsprungX = 50;
    int UrsprungY = 0;
    int AchsenLaenge = 0;
    double MaxHoehe = 0;
    int ZweitAchseY = -80;
    double SkalaFrequenz = 0;
    double SkalaWellenlaenge = 0;
    int RefTemperatur = 6000;
    double RefWertLambda = 0, RefWertNu = 0;
    int VarTemperatur = 5000;
    bool ueberFrequenz = true;
    bool mitSpektrum = false;

    const Waermestrahlung::PlanckLayout &layout() const { return layout_; }
    Waermestrahlung::PlanckZustand Zustand() const;

    // ---- drawing and handlers ----
    void ZeichneStrahlungskurven();
    void CheckBoxTempClick(int index);
    void RadioGroupTempWahlClick();
    void RadioGroupLambdaFClick();
    void TrackBarTemperaturChange();
    void TrackBarMaxLeistungChange();
    void CheckBoxSpektrumClick();
    void CheckBoxGesetzClick();
    void CheckBoxKonstantenClick();
    void ImageGesetzClick();
    void ImageKonstantenClick();

protected:
    void Vorbereiten() override;
    void FormActivate() override;

private:
    void ErzeugeKurvenTafel();
    void ErzeugeUntereTafeln();
    void Referenzen();
    void FormelBilderZeigen();
    bool bereit() const;

    Waermestrahlung::PlanckLayout layout_;
};
