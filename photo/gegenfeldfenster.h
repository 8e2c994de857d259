// What the counter-field window and the Planck-constant window share: the photocell with
// its counter voltage, the lamp with the choice of its light, the quanta and electrons of
// the run, the galvanometer, the light switch with pause and abort, and the tempo. Each
// window adds its controls, its way of showing the light and its texts.
#pragma once

#include "bausteine.h"
#include "gegenfeldbild.h"
#include "lampenwahl.h"
#include "simfenster.h"

#include <QLabel>
#include <QRegion>

#include <array>

class Bild;

namespace Photoeffekt {
// The columns and the picture of both windows: the light choice at the left, the picture
// in the middle, the apparatus controls at the right.
struct GegenfeldLayout {
    QRect titel, bild, links, rechts, zurueck;
};
GegenfeldLayout BerechneGegenfeldLayout(int bildschirmBreite, int bildschirmHoehe, const Spaltenwerte &spalte,
                                        const QRect &zurueck, int titelHoehe, int linksBreite);
}  // namespace Photoeffekt

class GegenfeldFenster : public SimFenster {
    Q_OBJECT
public:
    // ---- controls ----
    Bild *Image1 = nullptr;
    Lampenwahl *PanelLichtwahl = nullptr;
    TrackBar *TrackBarSpannung = nullptr;
    UpDown *UpDownSpannung = nullptr;
    TrackBar *TrackBarI = nullptr;  // the intensity
    BitBtn *BitBtnabbrechen = nullptr;

    // ---- state ----
    int frequenz = 466;  // THz
    int metall = 1;
    double U = 1.0;      // V
    int intensitaet = 13;
    TColor lichtFarbe = 0;
    double dt = 0;
    int phase = 0;
    bool abbruch = false;
    bool laeuft = false;  // the run loop is on the stack
    TColor Zeichengrund = 0;
    Photoeffekt::GegenfeldSkizze skizze;
    Photoeffekt::ElektronenSprites sprites;
    Photoeffekt::Lampe lampe;
    Photoeffekt::Wellenbild wellen;
    Photoeffekt::Messgeraet messgeraet;
    Photoeffekt::GegenfeldLauf lauf;
    QImage quantInnen, quantAussen;

    bool WellenSichtbar() const { return wellenGezeigt_; }
    int QuantenGezeichnet() const;
    double AbloeseEV() const { return Photoeffekt::Metalle[metall].abloeseEV; }

    // ---- handlers ----
    void BitBtnLichtClick() override;
    void BitBtnZurueckClick() override;
    void TrackBarTempoChange() override;
    int VerzoegerungAusTempo(int position, int max) const override;
    void BitBtnabbrechenClick();
    void TrackBarSpannungChange();
    void IntensitaetChange();
    void LichtwahlGeaendert();

protected:
    GegenfeldFenster(const QString &caption, QWidget *parent);

    // Creates the picture, the light choice, the voltage and intensity controls, the run
    // controls; the derived window places them and calls Aufbauen().
    void ErzeugeGemeinsam(const Photoeffekt::GegenfeldLayout &l, int spannungStart, int iMin, int iStart);
    // Helpers for the control panels.
    static Panel *Tafel(QWidget *eltern, int x, int y, int w, int h);
    // The voltage bar's scale 0 … 1,5 (volts), after the bar has its panel.
    void SpannungsSkala(bool mitEinheit = true);
    // The voltage panel: its caption at titelOben, the bar and its up-down at barOben, the scale.
    void SpannungsTafel(Panel *tafel, const QString &titel, int titelOben, int barOben, bool mitEinheit);
    // The run panel, from rand down: "&Licht" with the lamp, pause and abort (knopfHoehe px
    // high), "Simulation" and the speed bar with its up-down and scale.
    void LaufTafel(Panel *tafel, int rand, int knopfHoehe);
    // Takes the sketch and the lamp (set by DatenSchaltSkizze) into the waves and the run.
    void SkizzeUebernehmen(int wellenLaenge, int pixelSchritt, const Photoeffekt::Laufart &art);
    void Aufbauen();

    // ---- the window's own part ----
    virtual void DatenSchaltSkizze() = 0;
    virtual TColor MinusFarbe() const = 0;
    virtual bool WellenModell() const = 0;   // the waves are drawn while the light is on
    virtual bool QuantenModell() const = 0;  // the quanta are drawn
    virtual int NaechstePhase() const = 0;   // the waves' phase of the next frame
    virtual double WellenK(int fTHz) const = 0;  // wave number factor
    virtual int Wartezeit(int msSeitWarten) const = 0;
    virtual void SpannungGeaendert() {}
    virtual void LaufEnde() {}

    void Simulation() override;
    void FormActivate() override;
    void FormClose() override;

    void NeuZeichnen();  // photocell, electrons, needle, lamp, lens, label
    void WellenZeigen();
    void WellenVerbergen();
    void QuantZeigen(int k, bool zeichnen);
    void QuantenBilden();
    void LinseZeichnen();
    void LichtAus();
    void Geaendert(const QRect &r) { schmutz_ += r; }
    void Zeigen();

private:
    struct Gezeichnet {
        bool an = false;
        QImage bild;
        double x = 0, y = 0;
    };
    std::array<Gezeichnet, Photoeffekt::ElektronenAnzahl> quantGezeichnet_{};
    bool wellenGezeigt_ = false;
    int wellenPhase_ = 0;
    Photoeffekt::Wellenbild wellenGezeichnet_;
    TColor wellenFarbe_ = 0;
    bool tempoGeaendert_ = false;
    bool spannungGezeigt_ = false;
    double spannungGezeigtU_ = 0;
    QRegion schmutz_;
};
