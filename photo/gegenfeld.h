// The counter-field window: light of a chosen frequency falls through a ring onto a metal
// layer in a vacuum photocell; the released electrons run against a counter voltage, and
// the galvanometer shows those that reach the ring. The guide opens it with the light as
// waves (page 7) or as quanta (page 9).
#pragma once

#include "gegenfeldfenster.h"

#include <algorithm>

class TFormGegenfeld2 : public GegenfeldFenster {
    Q_OBJECT
public:
    explicit TFormGegenfeld2(QWidget *parent = nullptr);

    RadioGroup *RadioGroupMetallwahl = nullptr;
    Panel *PanelMetall2 = nullptr, *PanelMetall4 = nullptr;
    TrackBar *IntensitaetsTrackBar = nullptr;
    BitBtn *BitBtnInfo = nullptr;
    BitBtn *&BitBtnUnterbrechen = BitBtnStop;
    QCheckBox *CheckBoxNeuHinweis = nullptr;
    bool wellenModell = true;  // the light as waves (true) or as quanta

    void RadioGroupMetallwahlClick();
    static QString GrenzText(int nm);  // "551 nm = 0,551 µm"
    // The reading at the current setting, for the worksheet export.
    WerteTabelle Werte() const override;

protected:
    void DatenSchaltSkizze() override;
    TColor MinusFarbe() const override { return 16711680; }
    bool WellenModell() const override { return wellenModell; }
    bool QuantenModell() const override { return !wellenModell; }
    int NaechstePhase() const override;
    double WellenK(int fTHz) const override { return fTHz / 200.0; }
    int Wartezeit(int msSeitWarten) const override { return std::max(Verzoegerung, msSeitWarten); }
    void FormActivate() override;
    // Opened again from the other guide page while still shown: the view follows the guide.
    void changeEvent(QEvent *e) override;

private:
    void SchreibeHinweisSelbst();
    Photoeffekt::GegenfeldLayout layout_;
};
