// The Planck window: radiation curves of Planck's law alone, over frequency or wavelength,
// for up to five fixed temperatures or one variable temperature, with the visible range
// marked; optionally the law as a typeset formula and the values of its constants.
// No animation: every change redraws at once.
#pragma once

#include "strahlungsfenster.h"
#include "strahlungswerte.h"

class TFormPlanckGesetz : public StrahlungsFenster {
    Q_OBJECT
public:
    explicit TFormPlanckGesetz(QWidget *parent = nullptr);

    // ---- the controls (the shared ones in StrahlungsFenster) ----
    Bild *imageGesetzFr() const { return ImageGesetzFr; }
    Bild *imageGesetzWL() const { return ImageGesetzWL; }
    Bild *imageKonstanten() const { return ImageKonstanten; }
    Panel *panelGesetz() const { return PanelGesetz; }
    QCheckBox *checkBoxGesetz() const { return CheckBoxGesetz; }
    QCheckBox *checkBoxKonstanten() const { return CheckBoxKonstanten; }

    const Waermestrahlung::PlanckLayout &layout() const { return layout_; }
    Waermestrahlung::PlanckZustand Zustand() const;

    // The curves shown, for "Werte speichern (CSV) …".
    WerteTabelle Werte() const override { return Waermestrahlung::PlanckWerte(Zustand(), Masse(), Planckkonstante); }

    // ---- drawing and handlers ----
    void ZeichneStrahlungskurven();
    void CheckBoxTempClick(int index);
    void CheckBoxGesetzClick();
    void CheckBoxKonstantenClick();
    void ImageGesetzClick();
    void ImageKonstantenClick();

protected:
    void Vorbereiten() override;
    void Neuzeichnen() override { ZeichneStrahlungskurven(); }
    void BilderZeichnen() override;  // the formula pictures; the curves are drawn on every show

private:
    // ---- controls ----
    Bild *ImageGesetzFr = nullptr;
    Bild *ImageGesetzWL = nullptr;
    Bild *ImageKonstanten = nullptr;
    Panel *PanelGesetz = nullptr;
    QCheckBox *CheckBoxGesetz = nullptr;
    QCheckBox *CheckBoxKonstanten = nullptr;

    void ErzeugeKurvenTafel();
    void ErzeugeUntereTafeln();
    void FormelBilderZeigen();
    bool bereit() const;
    // What the pictures show now, for screen readers.
    QString BildBeschreibung() const;
    static QString KonstantenBeschreibung();

    Waermestrahlung::PlanckLayout layout_;
};
