// The hydrogen energy-level window: twelve guided steps from the spectral series to the
// level scheme, with eased motion of the series columns and the level diagram. The
// picture is in hatombild.*; this class holds the steps, their waits and the controls.
#pragma once

#include "hatombild.h"
#include "simfenster.h"

#include <QStringList>

class Bild;
class RichEdit;

class TFormHAtom3 : public SimFenster {
    Q_OBJECT
public:
    explicit TFormHAtom3(QWidget *parent = nullptr);

    // ---- controls and state, read by the tests ----
    Panel *panelSchritt2() const { return PanelSchritt2; }
    TrackBar *trackBarLinien() const { return TrackBarLinien; }
    BitBtn *bitBtnWeiter() const { return BitBtnWeiter; }
    BitBtn *bitBtnSchrittZurueck() const { return BitBtnSchrittZurueck; }
    BitBtn *bitBtnzurueckzurueck() const { return BitBtnzurueckzurueck; }
    RichEdit *richEditText() const { return RichEditText; }
    int schritt() const { return Schritt; }
    int warteschritte() const { return Warteschritte; }  // a fast replay makes none
    const Wasserstoff::HAtomGeometrie &geometrie() const { return g_; }
    const Wasserstoff::HAtomSzene &szene() const { return s_; }

    void BitBtnWeiterClick();
    void BitBtnSchrittZurueckClick();
    void BitBtnzurueckzurueckClick();
    void Zeichne(int schritt);
    void Aktualisieren();
    void SchreibeText();
    void SchreibeHinweiseSelbst();

protected:
    void FormActivate() override;
    void BilderZeichnen() override;

private:
    Bild *Image1 = nullptr;
    Panel *PanelSerien = nullptr, *PanelText = nullptr, *PanelErgebnis = nullptr, *PanelSchritt2 = nullptr;
    TrackBar *TrackBarLinien = nullptr;
    QCheckBox *CheckBoxGrenzen = nullptr;
    BitBtn *BitBtnWeiter = nullptr, *BitBtnSchrittZurueck = nullptr, *BitBtnzurueckzurueck = nullptr;
    RichEdit *RichEditText = nullptr;

    int Schritt = 1;
    bool Animation = true;       // tempo below its maximum
    bool SchnellDurchlauf = false;
    int Warteschritte = 0;       // waits made (for the tests: a fast replay makes none)

    bool animiert() const;
    Ablauf Verweilen(double ms);  // waits while the step animates, else not at all
    void Neuzeichnen();
    void Knoepfe(bool frei);
    Ablauf SchrittZeichnen(int schritt);
    Ablauf Bewegen(int frames, double ms, bool profil, std::function<void(double)> setze);
    Ablauf Seitwaerts(int n, double ms);
    Ablauf Heben(int n, int teiler, double ms);
    Ablauf Uebergaenge(int a);
    void Startszene();
    QString BildBeschreibung() const;  // what the picture shows now, for screen readers

    Wasserstoff::HAtomGeometrie g_;
    Wasserstoff::HAtomSzene s_;
    QStringList schrittTexte_;
    bool nachholen_ = false;  // the lines bar moved during a step: drawn again at its end
};
