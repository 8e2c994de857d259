// The Hallwachs window (TFormHallwachs, below) and the frame it lends to the vacuum-photocell
// window (HallwachsFenster). What both windows share: light of two kinds (visible or
// ultraviolet) from a lamp onto a metal, the intensity, the choice between a circuit with
// galvanometer and none, the labels, the run that releases electrons while the light is on
// and lets those in flight finish after it is switched off, and the handlers of these
// controls. Each window adds its sketch, its labels and its texts.
#pragma once

#include "hallwachs.h"
#include "photolayout.h"
#include "photobild.h"
#include "simfenster.h"

#include <QRegion>

class Bild;

class HallwachsFenster : public SimFenster {
    Q_OBJECT
public:
    // ---- controls and state, read by the tests ----
    Bild *image1() const { return Image1; }
    Panel *panelLichtwahl() const { return PanelLichtwahl; }
    Panel *panelSchaltung() const { return PanelSchaltung; }
    Panel *panelLicht() const { return PanelLicht; }
    Panel *panelHinweise() const { return PanelHinweise; }
    RadioGroup *radioGroupUVLicht() const { return RadioGroupUVLicht; }
    RadioGroup *radioGroupStromkreis() const { return RadioGroupStromkreis; }
    TrackBar *trackBarIntensitaet() const { return TrackBarIntensitaet; }
    UpDown *upDownIntensitaet() const { return UpDownIntensitaet; }
    QCheckBox *checkBoxBeschriftung() const { return CheckBoxBeschriftung; }
    const Photoeffekt::Tempo &tempo() const { return tempo_; }
    int bilder() const { return bilder_; }
    const Photoeffekt::Elektronenstrom &strom() const { return strom_; }
    const Photoeffekt::Lampe &lampe() const { return lampe_; }
    const Photoeffekt::Wellenbild &wellen() const { return wellen_; }
    const Photoeffekt::Messgeraet &messgeraet() const { return messgeraet_; }
    TColor zeichengrund() const { return Zeichengrund; }

    bool WellenSichtbar() const { return wellenGezeigt_; }

    // ---- handlers ----
    void BitBtnLichtClick() override;
    void BitBtnZurueckClick() override;
    void TrackBarTempoChange() override;

    // What the two windows name differently.
    struct Texte {
        QString caption, titel, titelZeile2;
        QString lichtCaption;
        QStringList lichtItems;
        QStringList schaltLabel;  // lines above the circuit choice
        QString stromCaption;
        QString beschriftung;
        bool mitTitelZeile2 = false;
    };

protected:
    HallwachsFenster(const Texte &texte, const Photoeffekt::PhotoBildschirm &bildschirm, QWidget *parent);

    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelLicht = nullptr;  // light switch, pause and tempo; a click toggles the light

    // ---- state ----
    bool stromkreis = false;  // measuring circuit instead of earthing
    Photoeffekt::Elektronenstrom strom_;
    Photoeffekt::ElektronenSprites sprites;
    Photoeffekt::Lampe lampe_;
    Photoeffekt::Wellenbild wellen_;
    Photoeffekt::Messgeraet messgeraet_;
    TColor Zeichengrund = 0;  // this window's drawing background

    // Creates the controls and computes the sketch; call at the end of the derived constructor.
    void Aufbauen();

    // What the pictures' descriptions (screen readers) say differently in the two windows.
    struct BildTexte {
        QString ziel;              // what the light falls on (accusative)
        QString verbunden;         // the two parts that the circuit connects
        QString ohneKreis;         // the sentence for the sketch without circuit
        QString fliegenMitKreis;   // where released electrons fly, with circuit
        QString fliegenOhneKreis;  // and without
    };
    // Names the picture and has it described from the state; after Aufbauen().
    void BildBeschreibenMit(const QString &name, BildTexte texte);
    // The sprites and the whole sketch, drawn anew on every show.
    void BilderZeichnen() override;

    // ---- the window's own part ----
    // Sketch coordinates, lamp, waves, instrument and the electrons' kind of motion.
    virtual void DatenSchaltSkizze() = 0;
    // The electron sprites on this window's metal.
    virtual Photoeffekt::ElektronenSprites ElektronenBilder() const = 0;
    // The static sketch (without electrons, needle, waves and labels).
    virtual void ZeichneAnordnung() = 0;
    // The labels; the waves leave out the boxes they cover (wellen_.frei).
    virtual void BeschrifteAnordnung() = 0;
    virtual Photoeffekt::Tempo TempoAus(int p) const = 0;
    virtual void SchreibeHinweis() = 0;
    virtual void SchreibeErgebnis() = 0;
    // Switching the light off sends every electron home (true) or lets those in flight finish.
    virtual bool AusSchickHeim() const = 0;
    // XOR-draws the waves at phase a in the light's colour farbe; drawing twice erases them.
    virtual QRect ZeichneWellen(Canvas &c, const Photoeffekt::Wellenbild &w, int a, TColor farbe);

    // Switches the light on as a run begins, or for a run still draining.
    void LichtAn();
    Ablauf Simulation() override;
    void FormActivate() override;

private:
    // ---- controls ----
    Panel *PanelLichtwahl = nullptr;  // light kind and intensity
    Panel *PanelSchaltung = nullptr;  // circuit and labels
    Panel *PanelHinweise = nullptr;   // the text buttons
    RadioGroup *RadioGroupUVLicht = nullptr;
    RadioGroup *RadioGroupStromkreis = nullptr;
    TrackBar *TrackBarIntensitaet = nullptr;
    UpDown *UpDownIntensitaet = nullptr;
    QCheckBox *CheckBoxBeschriftung = nullptr;

    // ---- state ----
    bool uv = true;          // ultraviolet light chosen
    int intensitaet = 9;     // I, 3..15
    TColor lichtFarbe = 0;   // red 255 for visible light, black for ultraviolet
    Photoeffekt::Tempo tempo_;
    int phase = 0;           // wave phase, 0..191
    double ausschlag = 0;    // needle reading
    int bilder_ = 0;         // frames of the current run
    Photoeffekt::PhotoLayout layout_;

    // ---- handlers ----
    void RadioGroupUVLichtClick();
    void TrackBarIntensitaetChange();
    void RadioGroupStromkreisClick();
    void CheckBoxBeschriftungClick();

    // Redraws everything: sketch, electrons at rest, needle, lens, labels, waves.
    void NeuZeichnen();
    void WellenZeigen();
    void WellenVerbergen();
    void NadelStellen(double d);
    void LinseZeichnen();
    void Geaendert(const QRect &r) { schmutz_ += r; }
    // Puts what changed on screen.
    void Zeigen();

    QString BildBeschreibung(const BildTexte &t) const;
    void ErzeugeLichtwahl(const Texte &texte);
    void ErzeugeSchaltung(const Texte &texte);
    void ErzeugeSimulation();
    void ErzeugeHinweise();
    void LichtAus();
    void LichtKindSetzen();
    // Draws or erases every electron in flight (before and after copying over them).
    void FliegendeUmschalten();

    Photoeffekt::Echtfarben echtfarben_;  // the electrons in flight
    bool wellenGezeigt_ = false;
    int wellenPhase_ = 0;
    Photoeffekt::Wellenbild wellenGezeichnet_;
    TColor wellenFarbe_ = 0;
    QRegion schmutz_;
};

// The Hallwachs window: visible or ultraviolet light on an earthed zinc plate or one wired
// through a galvanometer and a voltage source to a ring in front of it. Only ultraviolet
// light releases electrons, however bright the visible light is.
class TFormHallwachs : public HallwachsFenster {
    Q_OBJECT
public:
    explicit TFormHallwachs(QWidget *parent = nullptr);

    const Photoeffekt::HallwachsSkizze &skizze() const { return skizze_; }

protected:
    void DatenSchaltSkizze() override;
    Photoeffekt::ElektronenSprites ElektronenBilder() const override;
    void ZeichneAnordnung() override;
    void BeschrifteAnordnung() override;
    Photoeffekt::Tempo TempoAus(int p) const override { return Photoeffekt::HallwachsTempo(p); }
    void SchreibeHinweis() override;
    void SchreibeErgebnis() override;
    bool AusSchickHeim() const override { return true; }

private:
    Photoeffekt::HallwachsSkizze skizze_;
    double UVGeschwindigkeit = 0;  // m/s
    int bildschirmHoehe_ = 740;
};
