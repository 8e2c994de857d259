// The wave-propagation window: one or two rope waves on a line, one or two water waves on
// a surface, animated frame by frame; for two water centres the time-averaged intensity,
// and for water the sections AB and CD beside the picture. The physics is in
// interferenz.*, the places in interferenzlayout.*, the drawing in interferenzbild.*.
#pragma once

#include "interferenz.h"
#include "interferenzbild.h"
#include "interferenzlayout.h"
#include "simfenster.h"

#include <QImage>
#include <QLabel>

class Bild;

class TFormInterferenz : public SimFenster {
    Q_OBJECT
public:
    explicit TFormInterferenz(QWidget *parent = nullptr);

    // ---- the controls, for tests ----
    Bild *image1Dim() const { return Image1Dim; }
    Bild *image2Dim() const { return Image2Dim; }
    Bild *imageIntensitaet() const { return ImageIntensitaet; }
    Bild *imageSchnittWaagr() const { return ImageSchnittWaagr; }
    QLabel *labelWellenlaengeEins() const { return LabelWellenlaengeEins; }
    QLabel *labelAmplitudeEins() const { return LabelAmplitudeEins; }
    QLabel *labelAmplitudeFestEins() const { return LabelAmplitudeFestEins; }
    Panel *panelWZentren() const { return PanelWZentren; }
    Panel *panelMarkierePkt() const { return PanelMarkierePkt; }
    Panel *panelKnoten() const { return PanelKnoten; }
    Panel *panelWellendatenZwei() const { return PanelWellendatenZwei; }
    Panel *panelWelle() const { return PanelWelle; }
    Panel *panelAusschnitt() const { return PanelAusschnitt; }
    RadioGroup *radioGroupDimension() const { return RadioGroupDimension; }
    RadioGroup *radioGroupWellenzug() const { return RadioGroupWellenzug; }
    RadioGroup *radioGroupAnfangszustand() const { return RadioGroupAnfangszustand; }
    RadioGroup *radioGroupAuslInt() const { return RadioGroupAuslInt; }
    RadioGroup *radioGroupGleicheW() const { return RadioGroupGleicheW; }
    RadioGroup *radioGroupZahlWellen() const { return RadioGroupZahlWellen; }
    RadioGroup *radioGroupRichtung2() const { return RadioGroupRichtung2; }
    RadioGroup *radioGroupPhasen() const { return RadioGroupPhasen; }
    RadioGroup *radioGroupZPunkte() const { return RadioGroupZPunkte; }
    RadioGroup *radioGroupImage() const { return RadioGroupImage; }
    RadioGroup *radioGroupFormat() const { return RadioGroupFormat; }
    QCheckBox *checkBoxEinzelWellen() const { return CheckBoxEinzelWellen; }
    TrackBar *trackBarWellenlaengeEins() const { return TrackBarWellenlaengeEins; }
    TrackBar *trackBarAmplitudeEins() const { return TrackBarAmplitudeEins; }

    // ---- state (read by tests) ----
    const Interferenz::Layout &layout() const { return layout_; }
    const Interferenz::Wellenwerte &werte() const { return werte_; }
    const Interferenz::WasserGeometrie &wasser() const { return wasser_; }
    const Interferenz::Markierung &markierung() const { return markierung_; }

    // ---- handlers that do not stop a run ----
    void RadioGroupAuslIntClick();
    void CheckBoxEinzelWellenClick();
    void RadioGroupZPunkteClick();
    void RadioGroupKnotenClick();

protected:
    void FormActivate() override;
    void Vorbereiten() override;
    Ablauf Simulation() override;
    void BilderZeichnen() override;

private:
    // ---- pictures ----
    Bild *Image1Dim = nullptr, *Image1DimEins = nullptr, *Image1DimZwei = nullptr;
    Bild *Image2Dim = nullptr, *ImageIntensitaet = nullptr;
    Bild *ImageSchnittWaagr = nullptr, *ImageSchnittSenkr = nullptr;
    Bild *ImageLambdaEins = nullptr, *ImageLambdaZwei = nullptr;
    QLabel *LabelA = nullptr, *LabelB = nullptr, *LabelC = nullptr, *LabelD = nullptr;
    QLabel *LabelSchnittAB = nullptr, *LabelAuslenkungAB = nullptr, *LabelAuslenkungCD = nullptr,
           *LabelSchnittCD = nullptr;

    // ---- panels and controls ----
    Panel *PanelDaten = nullptr, *PanelWZentren = nullptr, *PanelMarkierePkt = nullptr, *PanelKnoten = nullptr;
    Panel *PanelWellenDatenEins = nullptr, *PanelWellendatenZwei = nullptr, *PanelWelle = nullptr;
    Panel *PanelEinAus = nullptr, *PanelHinweise = nullptr, *PanelAusschnitt = nullptr, *PanelEinzelWellen = nullptr;
    RadioGroup *RadioGroupDimension = nullptr, *RadioGroupWellenzug = nullptr, *RadioGroupAnfangszustand = nullptr,
               *RadioGroupAuslInt = nullptr, *RadioGroupGleicheW = nullptr, *RadioGroupZahlWellen = nullptr,
               *RadioGroupRichtung1 = nullptr, *RadioGroupRichtung2 = nullptr, *RadioGroupPhasen = nullptr,
               *RadioGroupZPunkte = nullptr, *RadioGroupKnoten = nullptr, *RadioGroupImage = nullptr,
               *RadioGroupFormat = nullptr;
    QCheckBox *CheckBoxEinzelWellen = nullptr;
    TrackBar *TrackBarWellenlaengeEins = nullptr, *TrackBarWellenlaengeZwei = nullptr,
             *TrackBarAmplitudeEins = nullptr, *TrackBarAmplitudeZwei = nullptr, *TrackBarSchwDauer = nullptr,
             *TrackBarAufloesung = nullptr;
    UpDown *UpDownWellenlaengeEins = nullptr, *UpDownWellenlaengeZwei = nullptr, *UpDownAmplitudeEins = nullptr,
           *UpDownAmplitudeZwei = nullptr, *UpDownSchwDauer = nullptr;
    QLabel *LabelWellenlaengeEins = nullptr, *LabelAmplitudeEins = nullptr, *LabelAmplitudeFestEins = nullptr;
    QWidget *AufloesungsTeil = nullptr;  // "Auflösung" with its bar and scale

    TColor Zeichengrund = 0;  // this window's picture background
    Interferenz::Steuerwerte Steuerung() const;

    // ---- working methods ----
    void Stoppen();
    void FormatVorbereiten();
    void PaneleRadioGroupsAktualisieren();
    void ImageLambdaEinsVorbereiten();
    void ImageLambdaZweiVorbereiten();
    void Image1DimVorbereiten(bool mitSeil);
    void Image2DimVorbereiten();
    void SchreibeHinweiseSelbst();
    void SchreibeErgebnisSelbst();

    void ErzeugeLinkeSpalte();
    void ErzeugeRechteSpalte();
    void ErzeugeBilder();
    void SeilMarkerPlatzieren();
    void BilderZeigen();
    Ablauf SimulationSeilwellen(bool links, bool rechts);
    Ablauf Simulation1WasserWelle(Interferenz::Zentren art);
    Ablauf Simulation2Wasserwellen(Interferenz::Zentren art);
    // Both: the water run with one or two centres (the second draws the intensity picture first).
    Ablauf Wasserwellen(Interferenz::Zentren art, bool zweiZentren);
    void ParameterGeaendert();
    Interferenz::Zentren WasserZentren() const;  // the centres the water groups choose
    QString LambdaEinsText() const;              // the caption of the wavelength-1 marker

    // ---- what the pictures show, for screen readers ----
    void BilderBeschreiben();
    QString SeilBeschreibung(int welle) const;  // 0: the superposition, 1 or 2: that wave alone
    QString WasserBeschreibung() const;
    QString IntensitaetBeschreibung() const;
    QString SchnittBeschreibung(bool ab) const;
    QString LambdaBeschreibung(bool zwei) const;
    QString Wellenlaengen(double weg, double lambda) const;  // the whole wavelengths in weg, in words
    double seilZeit_ = -1;  // time of the rope frame drawn last; −1: the rope at rest
    int wasserZeit_ = -1;   // likewise for the water picture and its sections

    Interferenz::Layout layout_;
    Interferenz::Wellenwerte werte_;
    Interferenz::WasserGeometrie wasser_;
    Interferenz::Markierung markierung_;
    QImage zentrumLinks_, zentrumRechts_, masse_;
    bool erzeugt_ = false;  // all controls exist
};
