// The information window: nine pages about the program, chosen with nine buttons in four
// groups, and the program-wide text settings (text directory, built-in texts, beep).
#pragma once

#include "steuerelemente.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

class RichEdit;

class TFormInfo : public QWidget {
    Q_OBJECT
public:
    explicit TFormInfo(QWidget *parent = nullptr);

    // Opens the window (or brings it to the front) showing page seite (0..8).
    void ZeigeSeite(int seite);
    void SeitenKnopfClick(int seite);
    void Buttonaktualisieren();
    void SchreibeInfo();
    void FaerbePanele();
    void RichEditPfadExit();

    Panel *PanelVorwort = nullptr, *PanelInhalte = nullptr, *PanelInfos = nullptr, *PanelEinstellungen = nullptr;
    BitBtn *BitBtnInfo[9] = {};
    Panel *PanelRichedit = nullptr;
    RichEdit *RichEditInfo = nullptr;
    Panel *PanelTexte = nullptr;
    QLineEdit *RichEditPfad = nullptr;
    QCheckBox *CheckBoxTexteIntern = nullptr;
    Panel *PanelSeiStad = nullptr;
    QCheckBox *CheckBoxPieps = nullptr;
    BitBtn *BitBtnEnde = nullptr;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    // The error box about a missing directory, once no mouse button is held and unless the program ends.
    void PfadFehlerMelden();
    QString pfadAngewendet_;  // the entry's text when it was last shown or applied
};
