// The black-body window: radiation curves of a black body over frequency or wavelength,
// measured (Planck) against the laws of Wien and Rayleigh–Jeans, their ratios to the
// measurement, the displacement locus and the visible spectrum. No animation: every
// change of a control redraws the picture at once.
#pragma once

#include "strahlungsfenster.h"
#include "strahlungswerte.h"

class TFormSchwarzkoerper : public StrahlungsFenster {
    Q_OBJECT
public:
    explicit TFormSchwarzkoerper(QWidget *parent = nullptr);

    // ---- the controls (the shared ones in StrahlungsFenster) ----
    Panel *panelHinweise() const { return PanelHinweise; }
    Panel *panelKurven() const { return PanelKurven; }
    QCheckBox *checkBoxPlanckStrahlung() const { return CheckBoxPlanckStrahlung; }
    QCheckBox *checkBoxWienStrahlung() const { return CheckBoxWienStrahlung; }
    QCheckBox *checkBoxRayleighJeansStrahlung() const { return CheckBoxRayleighJeansStrahlung; }
    QCheckBox *checkBoxWienRelativ() const { return CheckBoxWienRelativ; }
    QCheckBox *checkBoxRayleighJeansRelativ() const { return checkboxRayleighJeansRelativ; }
    QCheckBox *checkBoxVerschiebung() const { return CheckBoxVerschiebung; }
    QPushButton *bitBtnInfoLoeschen() const { return BitBtnInfoLoeschen; }

    const Waermestrahlung::SchwarzkoerperLayout &layout() const { return layout_; }
    // The drawing settings as the controls give them.
    Waermestrahlung::SchwarzkoerperZustand Zustand() const;

    // The curves shown, for "Werte speichern (CSV) …".
    WerteTabelle Werte() const override { return Waermestrahlung::SchwarzkoerperWerte(Zustand(), Masse(), Planckkonstante); }

    // ---- drawing and handlers ----
    void ZeichneKurven();
    void SchreibeHinweiseSelbst();

protected:
    void Neuzeichnen() override { ZeichneKurven(); }

private:
    // ---- controls ----
    Panel *PanelHinweise = nullptr;  // the hint button's panel
    Panel *PanelKurven = nullptr;    // curve kinds under the picture
    QCheckBox *CheckBoxPlanckStrahlung = nullptr;
    QCheckBox *CheckBoxWienStrahlung = nullptr;
    QCheckBox *CheckBoxRayleighJeansStrahlung = nullptr;
    QCheckBox *CheckBoxWienRelativ = nullptr;
    QCheckBox *checkboxRayleighJeansRelativ = nullptr;
    QCheckBox *CheckBoxVerschiebung = nullptr;
    QPushButton *BitBtnInfoLoeschen = nullptr;

    void ErzeugeKurvenTafel();
    void ErzeugeUntereTafeln();
    // What the picture shows now, for screen readers.
    QString BildBeschreibung() const;

    Waermestrahlung::SchwarzkoerperLayout layout_;
};
