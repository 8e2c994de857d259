// The vacuum-photocell window: red or ultraviolet light through a metal ring onto the
// light-sensitive layer inside an evacuated glass bulb; ultraviolet light releases
// electrons that fly to the ring, optionally measured by a galvanometer.
#pragma once

#include "hallwachsfenster.h"

class TFormPhotozelle5 : public HallwachsFenster {
    Q_OBJECT
public:
    explicit TFormPhotozelle5(QWidget *parent = nullptr);

    const Photoeffekt::PhotozellenSkizze &skizze() const { return skizze_; }

protected:
    void DatenSchaltSkizze() override;
    Photoeffekt::ElektronenSprites ElektronenBilder() const override;
    void ZeichneAnordnung() override;
    void BeschrifteAnordnung() override;
    Photoeffekt::Tempo TempoAus(int p) const override { return Photoeffekt::PhotozellenTempo(p); }
    void SchreibeHinweis() override;
    void SchreibeErgebnis() override;
    bool AusSchickHeim() const override { return false; }
    QRect ZeichneWellen(Canvas &c, const Photoeffekt::Wellenbild &w, int a, TColor farbe) override;

private:
    Photoeffekt::PhotozellenSkizze skizze_;
    double UVGeschwindigkeit = 0;  // m/s
    Panel *PanelSimulation = nullptr;  // the light switch's panel
    int bildschirmHoehe_ = 740;
};
