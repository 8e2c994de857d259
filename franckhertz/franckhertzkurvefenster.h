// The Franck–Hertz curve window: the accelerating voltage rises step by step; at each step
// thousands of electrons are simulated without being drawn, and the share that reaches the
// collector gives the bar of the collector current in the graph above the apparatus.
#pragma once

#include "franckhertz.h"
#include "franckhertzbild.h"
#include "franckhertzkurvebild.h"
#include "simfenster.h"

#include <QPointF>
#include <QVector>

class Bild;

class TFormFranckHertzKurve2 : public SimFenster {
    Q_OBJECT
public:
    explicit TFormFranckHertzKurve2(QWidget *parent = nullptr);

    // ---- the controls, for the tests ----
    Bild *image1() const { return Image1; }  // the apparatus
    Bild *image2() const { return Image2; }  // the graph
    Panel *panelAtome() const { return PanelAtome; }
    Panel *panelSpannung() const { return PanelSpannung; }
    Panel *panelSimulation() const { return PanelSimulation; }
    Panel *panelHinweise() const { return PanelHinweise; }
    Panel *panelBeschleuniggSp3() const { return PanelBeschleuniggSp3; }
    Panel *panelGegenSp3() const { return PanelGegenSp3; }
    Panel *panelGeduld() const { return PanelGeduld; }
    TrackBar *trackBarUaMax() const { return TrackBarUaMax; }
    TrackBar *trackBarUg() const { return TrackBarUg; }
    TrackBar *trackBarSchritte() const { return TrackBarSchritte; }
    TrackBar *trackBarStossW() const { return TrackBarStossW; }
    BitBtn *bitBtnStart() const { return BitBtnStart; }

    // ---- state, read by the tests ----
    int e() const { return e_; }
    const FranckHertz::Rohrpunkte &punkte() const { return punkte_; }
    const FranckHertz::Zeiger &stromZeiger() const { return stromZeiger_; }
    int k() const { return k_; }             // graph pixels per volt

    // The recorded curve: accelerating voltage in V and collector current of each step.
    const QVector<QPointF> &Kurvenwerte() const { return werte_; }
    // The same curve for the worksheet export.
    WerteTabelle Werte() const override
    {
        WerteTabelle t;
        t.spalten = {tr("Beschleunigungsspannung U_a / V"), tr("Auffängerstrom / relative Einheiten")};
        for (const QPointF &p : werte_)
            t.zeilen.append({p.x(), p.y()});
        return t;
    }

    // The speed bar sets the electrons per step, not a delay: the curve never waits between steps.
    int VerzoegerungAusTempo(int, int) const override { return 0; }
    void BitBtnStopClick() override;
    void BitBtnZurueckClick() override;

protected:
    void FormClose() override;
    // The curve step by step up to the highest voltage.
    Ablauf Simulation() override;
    // Whenever a run ends without a new one following: both needles back, the switch open.
    void LaufBeendet() override;
    // The apparatus and the empty graph; the bars a run records stay until the next run.
    void BilderZeichnen() override;
    void mousePressEvent(QMouseEvent *ev) override;

private:
    // ---- controls ----
    Bild *Image1 = nullptr;  // the apparatus
    Bild *Image2 = nullptr;  // the graph
    Panel *PanelAtome = nullptr, *PanelSpannung = nullptr, *PanelSimulation = nullptr, *PanelHinweise = nullptr;
    Panel *PanelBeschleuniggSp3 = nullptr, *PanelGegenSp3 = nullptr, *PanelAnregEn3 = nullptr, *PanelGeduld = nullptr;
    TrackBar *TrackBarUaMax = nullptr, *TrackBarUg = nullptr, *TrackBarAnregEnergie = nullptr,
             *TrackBarSchritte = nullptr, *TrackBarStossW = nullptr;
    UpDown *UpDownUaMax = nullptr, *UpDownUg = nullptr, *UpDownAnregEnergie = nullptr, *UpDownSchritte = nullptr;
    BitBtn *BitBtnStart = nullptr, *BitBtnInfo = nullptr;
    QPushButton *BitBtnInfoLoeschen = nullptr, *BitBtnErgebnisLoeschen = nullptr;

    // ---- state ----
    int e_ = 0;
    FranckHertz::Rohrpunkte punkte_;
    FranckHertz::Zeiger voltZeiger, stromZeiger_;
    int N = 8000;            // electrons per step
    double balkenSkala = 0;  // bar pixels per arrival-weighted current unit
    int k_ = 0;              // graph pixels per volt
    int ursprungX = 0, ursprungY = 0;

    // ---- handlers ----
    void BitBtnStartClick();
    void TrackBarUaMaxChange();
    void ParameterChange();  // Ug, E, S, P or N

    double UaMax() const;
    double Ug() const;
    double E() const;
    int S() const;

    void VorbereitenImage2();  // the axes on an empty graph; the recorded curve is cleared
    // What the pictures show now, for screen readers.
    QString RoehreBeschreibung() const;
    QString KurveBeschreibung() const;
    void Ausschalten();
    void SchreibeWerte();
    void SchreibeHinweise();
    void SchreibeErgebnis();
    FranckHertz::Rohrzeichner Zeichner();

    TColor zeichengrund_ = 0;
    std::uint64_t zufall_ = 0x2545F4914F6CDD1DULL;
    QVector<QPointF> werte_;
};
