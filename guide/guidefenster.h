// The guide: 23 theory pages with navigation, the page's portrait with the biography
// behind it, a glossary, and "zeig’s mir!" to open each page's simulation window.
#pragma once

#include "seiten.h"
#include "steuerelemente.h"

#include <QCheckBox>
#include <QComboBox>
#include <optional>
#include <QLabel>
#include <QWidget>

class Bild;
class RichEdit;

class TFormGuide : public QWidget {
    Q_OBJECT
public:
    explicit TFormGuide(QWidget *parent = nullptr);

    int aktuelleSeite() const { return AktuelleSeite; }
    int biographieNr() const { return BiographieNr; }
    // Makes page n (1 to SeitenAnzahl) the current one; the next preparation or opening shows it.
    void SeiteWaehlen(int n) { AktuelleSeite = n; }

    // ---- pages, glossary and biographies ----
    void Seitevorbereiten();
    void BitBtnZeigenClick();
    void EditGlossarDblClick();
    void SchreibeBiographie(int n);

    // ---- the controls, for the tests ----
    Panel *panelTheorie() const { return PanelTheorie; }
    RichEdit *richEditTheorie() const { return RichEditTheorie; }
    QCheckBox *checkBoxNeuTheorie() const { return CheckBoxNeuTheorie; }
    Panel *panelSeite() const { return PanelSeite; }
    BitBtn *bitBtnZeigen() const { return BitBtnZeigen; }
    BitBtn *bitBtnWeiter() const { return BitBtnWeiter; }
    BitBtn *bitBtnzurueck() const { return BitBtnzurueck; }
    BitBtn *bitBtnSeite1() const { return BitBtnSeite1; }
    QComboBox *comboBoxSeitenwahl() const { return ComboBoxSeitenwahl; }
    QComboBox *comboBoxGlossar() const { return ComboBoxGlossar; }
    Edit *editGlossar() const { return EditGlossar; }
    Panel *panelFoto(int nr) const { return PanelFoto[nr]; }  // by biography number
    QPushButton *buttonFoto(int nr) const { return ButtonFoto[nr]; }
    Panel *panelZuHertz() const { return PanelZuHertz; }
    Panel *panelBiographie() const { return PanelBiographie; }
    RichEdit *richEditBiographie() const { return RichEditBiographie; }

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    // ---- controls ----
    Panel *PanelTheorie = nullptr;
    RichEdit *RichEditTheorie = nullptr;
    QCheckBox *CheckBoxNeuTheorie = nullptr;
    Panel *PanelSeite = nullptr;
    Panel *PanelButtons = nullptr;
    BitBtn *BitBtnZeigen = nullptr;
    BitBtn *BitBtnWeiter = nullptr;
    BitBtn *BitBtnzurueck = nullptr;
    BitBtn *BitBtnSeite1 = nullptr;
    Panel *PanelSeitenwahl = nullptr;
    QComboBox *ComboBoxSeitenwahl = nullptr;
    BitBtn *BitBtnEnde = nullptr;

    Panel *PanelGlossar = nullptr;
    QComboBox *ComboBoxGlossar = nullptr;
    Edit *EditGlossar = nullptr;

    Panel *PanelFoto[10] = {};  // by biography number
    QPushButton *ButtonFoto[10] = {};
    Panel *PanelZuHertz = nullptr;
    Panel *PanelBiographie = nullptr;
    RichEdit *RichEditBiographie = nullptr;
    QCheckBox *CheckBoxNeuBiogr = nullptr;
    QPushButton *ButtonBiogrLoeschen = nullptr;

    // ---- pages ----
    void BeschrifteSeite();
    void SchreibeTheorie();
    void SchreibeTheorieSelbst();
    // Opens the page's window; false (with a note when it is not built yet) when there is none.
    bool WaehleUnit();
    void BitBtnWeiterClick();
    void BitBtnzurueckClick();
    void BitBtnSeite1Click();
    void ComboBoxSeitenwahlClick(int index);
    void CheckBoxNeuTheorieClick(bool angekreuzt);

    // ---- glossary and biographies ----
    void ComboBoxGlossarClick(int index);
    void PanelFotoClick();
    void SchreibeBiographieSelbst(int n);
    void CheckBoxNeuBiogrClick(bool angekreuzt);
    void ButtonBiogrLoeschenClick();

    int AktuelleSeite = 1;
    int BiographieNr = KeineBiographie;
    std::optional<std::uint64_t> glossarDruck_;  // the program's time of the last press on the glossary's drop-down
    QPoint glossarDruckOrt_;
};
