// The start screen: title picture, eight portraits revealed one after another, the
// author panel and the five buttons. Closing it ends the program.
#pragma once

#include "startbild.h"
#include "steuerelemente.h"

#include <QTimer>
#include <QWidget>

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

    Bild *ImageTitel = nullptr;
    Panel *PanelButtons = nullptr;
    Panel *PanelAutor = nullptr;
    Panel *PanelAutor1 = nullptr;
    Panel *PanelAutor2 = nullptr;
    // Reveal order: Planck, Einstein, Franck, Hertz, Bohr, de Broglie, Heisenberg, Schrödinger.
    Panel *Portraits[PortraitAnzahl] = {};
    BitBtn *BitBtnProgramm = nullptr;
    BitBtn *BitBtnInfo = nullptr;
    BitBtn *BitBtnText = nullptr;
    BitBtn *BitBtnStart = nullptr;
    BitBtn *BitBtnEnde = nullptr;
    QTimer Timer1;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void InfoOeffnen(int seite);
    Startgeometrie geo_;
    int ticks_ = 0;
};
