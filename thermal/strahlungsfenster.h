// What the black-body and the Planck window share: the picture, the choice between the
// fixed temperatures and one variable temperature, the pen width, the temperature whose
// maximum fills the picture height, the horizontal axis (quantity and range) and the
// spectrum switch; the state these controls give and their handlers. Each window adds
// its own panels and curves, places the shared controls with the builders below and
// redraws in Neuzeichnen().
#pragma once

#include "simfenster.h"
#include "strahlung.h"
#include "strahlungsbild.h"
#include "strahlungslayout.h"

#include <QGroupBox>

#include <array>

class Bild;

class StrahlungsFenster : public SimFenster {
    Q_OBJECT
public:
    // The picture's measures (origin, axis length, maximum height).
    Waermestrahlung::Diagrammmasse Masse() const;
    // ---- the controls, for tests and the layout check ----
    Bild *image1() const { return Image1; }
    Panel *panelKurve() const { return PanelKurve; }
    Panel *panelLambdaF() const { return PanelLambdaF; }
    Panel *panelFrequenz() const { return PanelFrequenz; }
    Panel *panelWellenlaenge() const { return PanelWellenlaenge; }
    Panel *panelTemperatur() const { return PanelTemperatur; }
    RadioGroup *radioGroupTempWahl() const { return RadioGroupTempWahl; }
    RadioGroup *radioGroupLambdaF() const { return RadioGroupLambdaF; }
    QGroupBox *groupBoxTemperaturen() const { return GroupBoxTemperaturen; }
    QGroupBox *groupBoxVariTemperatur() const { return GroupBoxVariTemperatur; }
    // the five temperature check boxes, from 2000 K up
    std::array<QCheckBox *, 5> CheckBoxTemp() const
    {
        return {CheckBoxTemp2000, CheckBoxTemp3000, CheckBoxTemp4000, CheckBoxTemp5000, CheckBoxTemp5875};
    }
    TrackBar *trackBarTemperatur() const { return TrackBarTemperatur; }
    TrackBar *trackBarBreite() const { return TrackBarBreite; }
    TrackBar *trackBarMaxLeistung() const { return TrackBarMaxLeistung; }
    TrackBar *trackBarFrequenz() const { return TrackBarFrequenz; }
    TrackBar *trackBarWLaenge() const { return TrackBarWLaenge; }
    UpDown *upDownTemperatur() const { return UpDownTemperatur; }
    UpDown *upDownMaxLeistung() const { return UpDownMaxLeistung; }
    QCheckBox *checkBoxSpektrum() const { return CheckBoxSpektrum; }

    // ---- handlers ----
    void RadioGroupTempWahlClick();
    void RadioGroupLambdaFClick();
    void TrackBarTemperaturChange();
    void TrackBarMaxLeistungChange();
    void TrackBarFrequenzChange();
    void TrackBarWLaengeChange();
    void CheckBoxSpektrumClick();

protected:
    // ---- controls ----
    Bild *Image1 = nullptr;
    Panel *PanelKurve = nullptr;     // options column
    Panel *PanelLambdaF = nullptr;   // frequency / wavelength choice under the picture
    Panel *PanelFrequenz = nullptr;  // axis range over frequency
    Panel *PanelWellenlaenge = nullptr;
    Panel *PanelTemperatur = nullptr;
    RadioGroup *RadioGroupTempWahl = nullptr;
    RadioGroup *RadioGroupLambdaF = nullptr;
    QGroupBox *GroupBoxTemperaturen = nullptr;
    QGroupBox *GroupBoxVariTemperatur = nullptr;
    QCheckBox *CheckBoxTemp2000 = nullptr, *CheckBoxTemp3000 = nullptr, *CheckBoxTemp4000 = nullptr,
              *CheckBoxTemp5000 = nullptr, *CheckBoxTemp5875 = nullptr;
    TrackBar *TrackBarTemperatur = nullptr;
    TrackBar *TrackBarBreite = nullptr;
    TrackBar *TrackBarMaxLeistung = nullptr;
    TrackBar *TrackBarFrequenz = nullptr;
    TrackBar *TrackBarWLaenge = nullptr;
    // the track bars' up-downs (null in the Planck window, which has none)
    UpDown *UpDownTemperatur = nullptr;
    UpDown *UpDownMaxLeistung = nullptr;
    UpDown *UpDownFrequenz = nullptr;
    UpDown *UpDownWLaenge = nullptr;
    QCheckBox *CheckBoxSpektrum = nullptr;

    // ---- state ----
    int RefTemperatur = 0;  // K, from TrackBarMaxLeistung
    int VarTemperatur = 5000;
    bool ueberFrequenz = true;
    bool mitSpektrum = false;

    // achsenRand: picture width minus axis length.
    StrahlungsFenster(const QString &caption, int achsenRand, QWidget *parent);

    // The window's full redraw.
    virtual void Neuzeichnen() = 0;
    // The Planck-constant window may have replaced h since the last opening.
    void FormActivate() override;

    // ---- builders, in the order the window creates its controls ----
    // Title panel (its font fitted) and the picture.
    void ErzeugeTitelUndBild(const QString &titel, const Waermestrahlung::StrahlungsLayout &l);
    // In PanelKurve: RadioGroupTempWahl, the five fixed temperatures (vorgabe ticked) and
    // in their place the variable temperature with its scale over the bar. The temperature check
    // boxes are left for the window to connect.
    void ErzeugeTemperaturwahl(int wahlOben, int wahlHoehe, int gruppenOben, int vorgabe,
                               const QList<TrackBar::Marke> &skala, bool mitUpDown);
    // In PanelKurve: the pen width from breiteOben, the reference temperature of the picture
    // height from bezugOben (position bezugVorgabe, scale labels skala).
    void ErzeugeBreiteUndBezug(int breiteOben, int bezugOben, int bezugVorgabe, const QList<TrackBar::Marke> &skala,
                               bool mitUpDown);
    // The two axis-range panels in the same place.
    void ErzeugeAchsentafeln(QWidget *eltern, const QRect &ort, bool mitUpDown);
    // In PanelLambdaF: the choice of frequency or wavelength.
    void ErzeugeLambdaFWahl(const QString &titel, const QStringList &items, const QRect &ort);
    // In PanelKurve: CheckBoxSpektrum and the label of its second line.
    void ErzeugeSpektrumSchalter(int oben, const QString &text, const QString &zweiteZeile);

    // The values the controls give, after all controls exist; draws nothing.
    void Anfangswerte();
    // The reference temperature from its track bar.
    void Skalen();
    // The settings both windows' controls give.
    void ZustandFuellen(Waermestrahlung::StrahlungsZustand &z) const;

    // ---- the picture's description (screen readers) ----
    // What the axes show: the quantity and its range (zusatz follows the range), and the
    // temperature whose maximum is the picture height.
    QString AchsenSatz(const Waermestrahlung::StrahlungsZustand &z, const QString &zusatz) const;
    // Where the Planck curve of T peaks on the axis shown ("bei 580 nm"), and whether the peak
    // lies right of the axis or above the picture; empty where it cannot be computed.
    QString MaximumText(const Waermestrahlung::StrahlungsZustand &z, int T) const;
    // The maxima of the curves of the temperatures ("für 3000 K bei 966 nm und für 5000 K bei
    // 580 nm"); empty where none can be computed.
    QString MaximaListe(const Waermestrahlung::StrahlungsZustand &z, const QList<int> &temperaturen) const;
    // "3000 K und 5000 K"
    static QString Temperaturliste(const QList<int> &temperaturen);
    // "a", "a und b", "a, b und c"
    static QString Aufzaehlung(const QStringList &teile);

private:
    int achsenRand_;
};
