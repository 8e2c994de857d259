// The counter-field window (TFormGegenfeld2, below) and the frame it lends to the
// Planck-constant window (GegenfeldFenster). What both windows share: the photocell with
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
#include <algorithm>
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
    // ---- controls and state, read by the tests ----
    Bild *image1() const { return Image1; }
    Lampenwahl *panelLichtwahl() const { return PanelLichtwahl; }
    TrackBar *trackBarSpannung() const { return TrackBarSpannung; }
    TrackBar *trackBarI() const { return TrackBarI; }
    BitBtn *bitBtnabbrechen() const { return BitBtnabbrechen; }
    int frequenz() const { return frequenz_; }
    const Photoeffekt::GegenfeldSkizze &skizze() const { return skizze_; }
    const Photoeffekt::Lampe &lampe() const { return lampe_; }
    const Photoeffekt::Messgeraet &messgeraet() const { return messgeraet_; }
    const Photoeffekt::GegenfeldLauf &lauf() const { return lauf_; }

    bool WellenSichtbar() const { return wellenGezeigt_; }
    int QuantenGezeichnet() const;

    // ---- handlers ----
    void BitBtnLichtClick() override;
    void BitBtnZurueckClick() override;
    void TrackBarTempoChange() override;
    int VerzoegerungAusTempo(int position, int max) const override;

protected:
    GegenfeldFenster(const QString &caption, QWidget *parent);

    // ---- controls ----
    Bild *Image1 = nullptr;
    Lampenwahl *PanelLichtwahl = nullptr;
    TrackBar *TrackBarI = nullptr;  // the intensity
    BitBtn *BitBtnabbrechen = nullptr;

    // ---- state ----
    int frequenz_ = 466;  // THz
    int metall = 1;
    double U = 1.0;      // V
    double dt = 0;
    int phase = 0;
    TColor Zeichengrund = 0;
    Photoeffekt::GegenfeldSkizze skizze_;
    Photoeffekt::ElektronenSprites sprites;
    Photoeffekt::Lampe lampe_;
    Photoeffekt::GegenfeldLauf lauf_;

    double AbloeseEV() const { return Photoeffekt::Metalle[metall].abloeseEV; }

    // Creates the picture, the light choice, the voltage and intensity controls, the run
    // controls; the derived window places them and calls Aufbauen().
    void ErzeugeGemeinsam(const Photoeffekt::GegenfeldLayout &l, int spannungStart, int iMin, int iStart);
    // Helpers for the control panels.
    static Panel *Tafel(QWidget *eltern, int x, int y, int w, int h);
    // The voltage panel: its caption at titelOben, the bar and its up-down at barOben, the scale.
    void SpannungsTafel(Panel *tafel, const QString &titel, int titelOben, int barOben, bool mitEinheit);
    // The metal panel: its text at the top, below it (from gruppeOben, gruppeHoehe high) the
    // choice of the light-sensitive metal under the title titel, the second metal chosen.
    static RadioGroup *MetallTafel(Panel *tafel, const QString &text, const QString &titel, int gruppeOben,
                                   int gruppeHoehe);
    // The intensity panel: "Intensität:" at titelOben, the bar (klein … groß) at barOben.
    static void IntensitaetsTafel(Panel *tafel, TrackBar *bar, int titelOben, int barOben);
    // The run panel, from rand down: "&Licht" with the lamp, pause and abort (knopfHoehe px
    // high), "Simulation" and the speed bar with its up-down and scale.
    void LaufTafel(Panel *tafel, int rand, int knopfHoehe);
    // Takes the sketch and the lamp (set by DatenSchaltSkizze) into the waves and the run.
    void SkizzeUebernehmen(int wellenLaenge, int pixelSchritt, const Photoeffekt::Laufart &art);
    void Aufbauen();
    // The electron and quantum pictures; the sketch is drawn on every show (FormActivate).
    void BilderZeichnen() override;

    // ---- the window's own part ----
    virtual void DatenSchaltSkizze() = 0;  // the sketch, its lamp and the run's geometry
    virtual TColor MinusFarbe() const = 0;
    virtual bool WellenModell() const = 0;   // the waves are drawn while the light is on
    virtual bool QuantenModell() const = 0;  // the quanta are drawn
    virtual int NaechstePhase() const = 0;   // the waves' phase of the next frame
    virtual double WellenK(int fTHz) const = 0;  // wave number factor
    virtual int Wartezeit(int msSeitWarten) const = 0;
    virtual void SpannungGeaendert() {}
    virtual void LaufEnde() {}

    // Switches the light on as a run begins, or for a run still draining.
    void LichtAn();
    Ablauf Simulation() override;
    void FormActivate() override;

    void WellenZeigen();
    void WellenVerbergen();
    void QuantZeigen(int k, bool zeichnen);
    void Zeigen();

private:
    TrackBar *TrackBarSpannung = nullptr;
    UpDown *UpDownSpannung = nullptr;

    int intensitaet = 13;
    TColor lichtFarbe = 0;
    Photoeffekt::Wellenbild wellen;
    Photoeffekt::Messgeraet messgeraet_;
    QImage quantInnen, quantAussen;

    void BitBtnabbrechenClick();
    void TrackBarSpannungChange();
    void IntensitaetChange();
    void LichtwahlGeaendert();
    // The voltage bar's scale 0 … 1,5 (volts), after the bar has its panel.
    void SpannungsSkala(bool mitEinheit = true);
    void NeuZeichnen();  // photocell, electrons, needle, lamp, lens, label
    void QuantenBilden();
    void LinseZeichnen();
    void LichtAus();
    void Geaendert(const QRect &r) { schmutz_ += r; }
    // What the picture shows now, for screen readers.
    QString BildBeschreibung() const;

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

// The counter-field window: light of a chosen frequency falls through a ring onto a metal
// layer in a vacuum photocell; the released electrons run against a counter voltage, and
// the galvanometer shows those that reach the ring. The guide opens it with the light as
// waves (page 7) or as quanta (page 9).
class TFormGegenfeld2 : public GegenfeldFenster {
    Q_OBJECT
public:
    explicit TFormGegenfeld2(QWidget *parent = nullptr);

    // ---- controls, read by the tests ----
    RadioGroup *radioGroupMetallwahl() const { return RadioGroupMetallwahl; }
    Panel *panelMetall2() const { return PanelMetall2; }

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
    RadioGroup *RadioGroupMetallwahl = nullptr;
    Panel *PanelMetall2 = nullptr, *PanelMetall4 = nullptr;
    TrackBar *IntensitaetsTrackBar = nullptr;
    BitBtn *BitBtnInfo = nullptr;
    BitBtn *&BitBtnUnterbrechen = BitBtnStop;
    QCheckBox *CheckBoxNeuHinweis = nullptr;
    bool wellenModell = true;  // the light as waves (true) or as quanta

    void RadioGroupMetallwahlClick();
    void SchreibeHinweisSelbst();
    Photoeffekt::GegenfeldLayout layout_;
};
