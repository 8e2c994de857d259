// The information window: nine pages about the program, chosen with nine buttons in four
// groups, and the program-wide text settings (text directory, built-in texts, beep).
#pragma once

#include "steuerelemente.h"

#include <QCheckBox>
#include <QComboBox>
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
    void SchreibeInfo();
    void RichEditPfadExit();

    // ---- the controls, for the tests and the session settings ----
    Panel *panelVorwort() const { return PanelVorwort; }
    Panel *panelInhalte() const { return PanelInhalte; }
    Panel *panelInfos() const { return PanelInfos; }
    Panel *panelEinstellungen() const { return PanelEinstellungen; }
    BitBtn *bitBtnInfo(int seite) const { return BitBtnInfo[seite]; }
    Panel *panelRichedit() const { return PanelRichedit; }
    RichEdit *richEditInfo() const { return RichEditInfo; }
    Panel *panelTexte() const { return PanelTexte; }
    QLineEdit *richEditPfad() const { return RichEditPfad; }
    QCheckBox *checkBoxTexteIntern() const { return CheckBoxTexteIntern; }
    Panel *panelSeiStad() const { return PanelSeiStad; }
    QCheckBox *checkBoxPieps() const { return CheckBoxPieps; }
    QComboBox *comboBoxSprache() const { return ComboBoxSprache; }
    BitBtn *bitBtnEnde() const { return BitBtnEnde; }

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    // ---- controls ----
    Panel *PanelVorwort = nullptr, *PanelInhalte = nullptr, *PanelInfos = nullptr, *PanelEinstellungen = nullptr;
    BitBtn *BitBtnInfo[9] = {};
    Panel *PanelRichedit = nullptr;
    RichEdit *RichEditInfo = nullptr;
    Panel *PanelTexte = nullptr;
    QLineEdit *RichEditPfad = nullptr;
    QCheckBox *CheckBoxTexteIntern = nullptr;
    Panel *PanelSeiStad = nullptr;
    QCheckBox *CheckBoxPieps = nullptr;
    QComboBox *ComboBoxSprache = nullptr;  // the language of the next start
    BitBtn *BitBtnEnde = nullptr;

    void Buttonaktualisieren();  // the current page's button disabled, the others enabled
    void FaerbePanele();
    // The error box about a missing directory, once no mouse button is held and unless the program ends.
    void PfadFehlerMelden();
    QString pfadAngewendet_;  // the entry's text when it was last shown or applied
};
