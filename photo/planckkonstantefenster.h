// The Planck-constant window: the counter-field photocell of the counter-field window, in
// which the pupil measures the stopping voltage for two frequencies, enters both
// measurements and computes h; a plausible result becomes the program's Planck constant.
#pragma once

#include "gegenfeldfenster.h"

class TFormPlanckKonstante2 : public GegenfeldFenster {
    Q_OBJECT
public:
    explicit TFormPlanckKonstante2(QWidget *parent = nullptr);

    // ---- controls and state, read by the tests ----
    RadioGroup *radioGroupMetall() const { return RadioGroupMetall; }
    RadioGroup *radioGroupArtLicht() const { return RadioGroupArtLicht; }
    Panel *panelGegSpannung3() const { return PanelGegSpannung3; }
    Edit *editFr1() const { return EditFr1; }
    Edit *editFr2() const { return EditFr2; }
    Edit *editSp1() const { return EditSp1; }
    Edit *editsp2() const { return Editsp2; }
    QLineEdit *editPlanckK() const { return EditPlanckK; }
    BitBtn *bitBtnRechne() const { return BitBtnRechne; }
    double letztesH() const { return letztesH_; }  // also when it was not taken over

    // The two measurements as entered, and the h computed from them, for the worksheet export.
    WerteTabelle Werte() const override;

protected:
    void DatenSchaltSkizze() override;
    TColor MinusFarbe() const override { return 10747904; }
    bool WellenModell() const override { return artLicht == 0; }
    bool QuantenModell() const override { return artLicht == 1; }
    int NaechstePhase() const override { return (phase + 8) % 384; }
    double WellenK(int fTHz) const override { return fTHz * 6.0 / 400.0; }
    int Wartezeit(int) const override { return Verzoegerung; }
    void SpannungGeaendert() override;
    void LaufEnde() override;

private:
    RadioGroup *RadioGroupMetall = nullptr;
    RadioGroup *RadioGroupArtLicht = nullptr;
    TrackBar *TrackBarIntensitaet = nullptr;
    Panel *PanelGegSpannung3 = nullptr;
    Panel *PanelRechne = nullptr;
    Edit *EditFr1 = nullptr, *EditFr2 = nullptr, *EditSp1 = nullptr, *Editsp2 = nullptr;
    QLineEdit *EditPlanckK = nullptr;
    BitBtn *BitBtnRechne = nullptr, *BitBtnHilfe = nullptr;
    BitBtn *&BitBtnAbbrechen = BitBtnabbrechen;
    int artLicht = 1;  // 0 waves, 1 photons, 2 nothing
    double letztesH_ = 0;  // the last value computed, also when it was not taken over

    void BitBtnRechneClick();
    void RadioGroupArtLichtClick();
    void RadioGroupMetallClick();
    void SchreibeHinweisSelbst();
    void SchreibeHilfeSelbst();
    Photoeffekt::GegenfeldLayout layout_;
};
