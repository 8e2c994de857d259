// The start screen: title picture, eight portraits revealed one after another, the
// author panel and the five buttons. Closing it ends the program.
#pragma once

#include "startbild.h"
#include "steuerelemente.h"

#include "lauf.h"
#include <QWidget>

#include <array>

class Bild;

class TFormMain : public QWidget {
    Q_OBJECT
public:
    // monitor: the monitor's full size; empty means the screen the window is on.
    explicit TFormMain(QSize monitor = {}, QWidget *parent = nullptr);

    void FormClick();
    void Timer1Timer();
    void BitBtnProgrammClick();
    void BitBtnInfoClick();
    void BitBtnTextClick();
    void BitBtnStartClick();
    void BitBtnEndeClick();

    int tickZaehler() const { return ticks_; }
    const Startgeometrie &geometrie() const { return geo_; }

    // ---- controls and the reveal timer, for the tests ----
    Bild *imageTitel() const { return ImageTitel; }
    Panel *panelButtons() const { return PanelButtons; }
    // Reveal order: Planck, Einstein, Franck, Hertz, Bohr, de Broglie, Heisenberg, Schrödinger.
    const std::array<Panel *, PortraitAnzahl> &portraits() const { return Portraits; }
    BitBtn *bitBtnProgramm() const { return BitBtnProgramm; }
    BitBtn *bitBtnInfo() const { return BitBtnInfo; }
    BitBtn *bitBtnText() const { return BitBtnText; }
    BitBtn *bitBtnStart() const { return BitBtnStart; }
    BitBtn *bitBtnEnde() const { return BitBtnEnde; }
    // The reveal goes on (a run on the program's clock, one step every 250 ms).
    bool zeitgeberAn() const { return Timer1.Aktiv() && !Timer1.Stopp(); }

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    Bild *ImageTitel = nullptr;
    Panel *PanelButtons = nullptr;
    Panel *PanelAutor = nullptr;
    Panel *PanelAutor1 = nullptr;
    Panel *PanelAutor2 = nullptr;
    std::array<Panel *, PortraitAnzahl> Portraits = {};
    BitBtn *BitBtnProgramm = nullptr;
    BitBtn *BitBtnInfo = nullptr;
    BitBtn *BitBtnText = nullptr;
    BitBtn *BitBtnStart = nullptr;
    BitBtn *BitBtnEnde = nullptr;
    Lauf Timer1;  // the portraits' reveal
    Ablauf Enthuellen();

    void InfoOeffnen(int seite);
    Startgeometrie geo_;
    int ticks_ = 0;
};
