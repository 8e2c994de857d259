// The Hallwachs window: visible or ultraviolet light on an earthed zinc plate or one wired
// through a galvanometer and a voltage source to a ring in front of it. Only ultraviolet
// light releases electrons, however bright the visible light is.
#pragma once

#include "hallwachsfenster.h"

class TFormHallwachs : public HallwachsFenster {
    Q_OBJECT
public:
    explicit TFormHallwachs(QWidget *parent = nullptr);

    Photoeffekt::HallwachsSkizze skizze;
    double UVGeschwindigkeit = 0;  // m/s

protected:
    void DatenSchaltSkizze() override;
    void ZeichneAnordnung() override;
    void BeschrifteAnordnung() override;
    Photoeffekt::Tempo TempoAus(int p) const override { return Photoeffekt::HallwachsTempo(p); }
    void SchreibeHinweis() override;
    void SchreibeErgebnis() override;
    bool AusSchickHeim() const override { return true; }

private:
    int bildschirmHoehe_ = 740;
};
