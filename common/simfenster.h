// The simulation window frame: the pattern every simulation window is built on.
//
// A window derives from SimFenster, creates its own controls in its constructor using
// the helpers below, and overrides
//   FormActivate()  – runs each time the window is opened (shown),
//   Vorbereiten()   – prepares the drawing before a run starts,
//   Simulation()    – the run, a coroutine (common/lauf.h): per frame compute and draw,
//                     co_await Warte(Verzoegerung), and return once Gestoppt().
// The run protocol (on/off, pause, speed, restart, stop on hide and close, back) and the
// hint and result panels live here, so that each window's code holds only what it adds.
#pragma once

#include "fensterregister.h"
#include "global.h"
#include "glyphen.h"
#include "lauf.h"
#include "steuerelemente.h"
#include "wertetabelle.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QWidget>

#include <functional>

class Bild;
class QProgressBar;
class RichEdit;

// The place of the wished size nearest to the wished place inside the screen that keeps
// 4 px off every occupied rectangle, lowering the height down to mindesthoehe where it
// must; the wished place itself where it is free, an empty rectangle where nothing is.
QRect FreierPlatz(const QRect &wunsch, const QList<QRect> &belegt, const QRect &schirm, int mindesthoehe = 34);

// A hint or result panel: a hidden panel over the drawing with a read-only rich-text
// control, a delete button and optionally the check box "Diesen Text neu erstellen".
// Its text comes from the file (when set and found) or from the built-in writer.
struct TextTafel {
    Panel *panel = nullptr;
    RichEdit *edit = nullptr;
    QPushButton *loeschen = nullptr;
    QCheckBox *neu = nullptr;
    BitBtn *knopf = nullptr;  // the button that shows and hides the panel
    QIcon offen, zu;          // its glyphs
    QString datei;            // file name in the text directory, empty for built-in only
    std::function<void()> selbst;  // writes the built-in text

    void setzeGeometrie(int links, int oben, int breite, int hoehe);
    void schreiben();  // file or built-in text by the text rule
    bool sichtbar() const;
};

class SimFenster : public QWidget {
    Q_OBJECT
public:
    explicit SimFenster(const QString &caption, QWidget *parent = nullptr);
    ~SimFenster() override;

    // ---- run control -------------------------------------------------------------
    bool an = false;      // a run is switched on
    bool pause = false;   // the run is paused
    int Verzoegerung = 0; // ms to wait after each frame

    void AnAusSchalten(bool ein);
    virtual void BitBtnLichtClick();
    virtual void BitBtnStopClick();
    virtual void BitBtnZurueckClick();
    virtual void TrackBarTempoChange();
    virtual void UpDownTempoClick();
    // The delay for a speed position; the common rule is 2^(Max − position) − 1.
    virtual int VerzoegerungAusTempo(int position, int max) const;

    // ---- hint and result panels --------------------------------------------------------
    void BitBtnHinweisClick();
    void BitBtnErgebnisClick();
    void TafelVerbergen(TextTafel &t);  // a click into the panel or its text

    // ---- the run (common/lauf.h) ----------------------------------------------------------------
    bool LaufAktiv() const { return laufObjekt_.Aktiv(); }
    const Lauf &LaufObjekt() const { return laufObjekt_; }

    // ---- pictures --------------------------------------------------------------------------
    // Draws the window's pictures if they are not drawn yet (the window is shown, or export or
    // a test asks for a picture of a window not yet shown).
    void BilderBereitstellen();
    bool BilderGezeichnet() const { return bilderGezeichnet_; }

    // ---- export (common/export.*) -----------------------------------------------------------
    // The values the window computed or measured, for "Werte speichern (CSV) …"; a window
    // without values returns an empty table. Its pictures are exported by the frame.
    virtual WerteTabelle Werte() const { return {}; }
    // The picture the window is about, which Ctrl+S and Ctrl+C take while it is visible; a
    // window that chooses none has the largest visible picture taken.
    void HauptBildSetzen(Bild *bild) { hauptBild_ = bild; }
    Bild *GewaehltesHauptBild() const { return hauptBild_; }

    // ---- screen readers (common/zugang.*) ------------------------------------------------------
    // Names a picture and says what it shows now (was() is asked each time it is read); while a
    // run is going, its state follows ("Der Ablauf läuft." / "Der Ablauf ist angehalten.").
    void BildBeschreiben(Bild *bild, const QString &name, std::function<QString()> was);
    // The run's state as read with the pictures: empty when no run is going.
    QString LaufZustand() const;

    // ---- standard controls (null where a window has none) -----------------------------
    Panel *PanelTitel = nullptr;
    Panel *PanelDatum = nullptr;
    BitBtn *BitBtnZurueck = nullptr;
    Panel *PanelKontrolle = nullptr;
    BitBtn *BitBtnLicht = nullptr;
    BitBtn *BitBtnStop = nullptr;
    TrackBar *TrackBarTempo = nullptr;
    UpDown *UpDownTempo = nullptr;
    BitBtn *BitBtnHinweis = nullptr;
    BitBtn *BitBtnErgebnis = nullptr;
    TextTafel Hinweis, Ergebnis;

protected:
    // ---- the window's own part -----------------------------------------------------------
    virtual void FormActivate() {}
    virtual void FormClose() {}
    virtual void Vorbereiten() {}
    virtual Ablauf Simulation() { co_return; }
    // Draws every picture of the window from its state. A window draws nothing while it is
    // created: this runs when it is first shown (before FormActivate), and, in a window whose
    // pictures are BilderFreigebbar, again on every show after a hide.
    virtual void BilderZeichnen() {}
    // BilderZeichnen draws every picture anew from the window's state (nothing drawn in them
    // survives otherwise, e.g. no recorded curve): their buffers are returned on hide.
    void BilderFreigebbar() { freigebbar_ = true; }

    // Starts the run (Simulation unless another is given); while one is still going, that
    // one is asked to stop and the new one follows once it has ended.
    void LaufStarten(std::function<Ablauf()> machen = {});
    // Asks the run to stop: its next wait ends at the next tick, and Gestoppt() holds.
    void LaufStoppen() { laufObjekt_.Stoppen(); }
    // The run is asked to stop (or none is going).
    bool Gestoppt() const { return laufObjekt_.Stopp() || ProgrammEndet; }
    // Waits ms (at least to the next tick of 1/64 s), the event loop going on meanwhile.
    Warten Warte(std::uint32_t ms) { return laufObjekt_.Warte(ms); }
    // For a run that computes long between its waits: gives the event loop a turn when the
    // clock asks for one (co_await Luftholen() between pieces of work).
    Ablauf Luftholen();
    // Computes piece by piece while the computing panel shows (its bar from 0): schritt() does
    // one piece and returns true while more remain. The event loop gets its turns between the
    // pieces; a stop ends the computation early, before its last piece.
    Ablauf MitRechenTafel(Panel *tafel, QProgressBar *balken, std::function<bool()> schritt);
    // What follows a run's end (lamp off, result button on); a window may add to it.
    virtual void LaufBeendet();

    // ---- creation helpers (the common part of every window's constructor) -------------
    Panel *ErzeugeTitel(const QString &text, int links, int oben, int breite, int hoehe);
    Panel *ErzeugeDatum(const QString &datum);
    // Lamp, "&an/aus" and "&unterbrechen" with their handlers, children of eltern.
    void ErzeugeLaufsteuerung(QWidget *eltern, const QString &lichtCaption = tr("&an/aus"));
    // Speed track bar with its up-down, its ends marked "langsam" and "schnell" (under the
    // bar, or over it).
    void ErzeugeTempo(QWidget *eltern, int min, int max, int position, bool skalaOben = false);
    // Places the speed bar (ticks below, one per step) and its up-down side by side at (8, y) in
    // a column breite wide.
    void TempoSetzen(int y, int breite, int hoehe);
    // Hint and result panels with their buttons ("&Hinweis", "&Beobachtung").
    void ErzeugeHinweis(QWidget *knopfEltern, const QString &caption, const QString &datei,
                        std::function<void()> selbst, bool mitNeuBox = false);
    void ErzeugeErgebnis(QWidget *knopfEltern, const QString &caption, const QString &datei,
                         std::function<void()> selbst, bool mitNeuBox = false);

    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void hideEvent(QHideEvent *e) override;

    // Where the place the window gave the back button is taken by another visible control or
    // leaves the screen, the button moves to the nearest free place (FreierPlatz); runs each
    // time the window is shown, after FormActivate.
    void ZurueckEinpassen();
    // Columns of controls that reach below the screen move up and close their gaps so that
    // they end 8 px above its bottom (see Stauchen); runs before ZurueckEinpassen.
    void SpaltenEinpassen();
    // Tab goes through the controls by their place: the left column top to bottom, the
    // controls over and on the pictures, the right column, the back button last; runs when
    // the window is first shown, after the controls are fitted in.
    void TabFolgeSetzen();

private:
    Lauf laufObjekt_;
    Bild *hauptBild_ = nullptr;
    bool bilderGezeichnet_ = false;
    void BilderZurueckgeben();  // of a window whose pictures are BilderFreigebbar
    bool freigebbar_ = false;
    QRect zurueckOrt_;
    void ErzeugeTafel(TextTafel &t, QWidget *knopfEltern, const QString &caption, const QString &datei,
                      std::function<void()> selbst, bool mitNeuBox, Glyphe offen, Glyphe zu);
    void TafelUmschalten(TextTafel &eigene, TextTafel &andere);
};
