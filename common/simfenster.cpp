#include "simfenster.h"

#include "canvas.h"
#include "export.h"
#include "richtext.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>

// ---- text panels ----------------------------------------------------------------------

void TextTafel::setzeGeometrie(int links, int oben, int breite, int hoehe)
{
    Setze(panel, links, oben, breite, hoehe);
    Setze(edit, 8, 8, breite - 16, hoehe - 32);
    if (loeschen)
        Setze(loeschen, breite - 8 - 97, hoehe - 24, 97, 20);
    if (neu)
        Setze(neu, 8, hoehe - 24, 220, 20);
}

void TextTafel::schreiben()
{
    if (datei.isEmpty()) {
        edit->clear();
        if (selbst)
            selbst();
    } else {
        SchreibeTextOderDatei(edit, datei, selbst);
    }
}

bool TextTafel::sichtbar() const { return panel && panel->isVisible(); }

// ---- the frame ------------------------------------------------------------------------

SimFenster::SimFenster(const QString &caption, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(caption);
    SetzeFarbe(this, FarbeHintergrund);
    SetzeSchrift(this, QStringLiteral("Trebuchet MS"), 10, true);
    FarbeZeichengrund = FarbeHintergrund;

    BitBtnZurueck = new BitBtn(QStringLiteral("&zurück zum Text"), this, BitBtn::Art::Abbrechen);
    BitBtnZurueck->setGlyph(GlyphBild(Glyphe::Zurueck));
    SetzeSchrift(BitBtnZurueck, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(BitBtnZurueck, ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
    connect(BitBtnZurueck, &QPushButton::clicked, this, [this] { BitBtnZurueckClick(); });

    new FensterExport(this);  // PNG and CSV export of the pictures and values
}

SimFenster::~SimFenster() = default;

Panel *SimFenster::ErzeugeTitel(const QString &text, int links, int oben, int breite, int hoehe)
{
    PanelTitel = new Panel(this);
    PanelTitel->setFarbe(FarbeTitel);
    PanelTitel->setCaption(text);
    SetzeSchrift(PanelTitel, QStringLiteral("Trebuchet MS"), SchriftGross, true);
    Setze(PanelTitel, links, oben, breite, hoehe);
    return PanelTitel;
}

Panel *SimFenster::ErzeugeDatum(const QString &datum)
{
    PanelDatum = new Panel(this, Panel::Rand::Gesenkt);
    PanelDatum->setFarbe(FarbeHintergrund);
    PanelDatum->setTextFarbe(0xFFFFFF);
    PanelDatum->setCaption(datum);
    SetzeSchrift(PanelDatum, QStringLiteral("Trebuchet MS"), 8, false);
    Setze(PanelDatum, 0, 0, 73, 17);
    return PanelDatum;
}

void SimFenster::ErzeugeLaufsteuerung(QWidget *eltern, const QString &lichtCaption)
{
    PanelKontrolle = new Panel(eltern, Panel::Rand::Gesenkt);
    PanelKontrolle->setFarbe(0x0000FF);
    PanelKontrolle->setCursor(Qt::PointingHandCursor);
    connect(PanelKontrolle, &Panel::geklickt, this, [this] { BitBtnLichtClick(); });

    BitBtnLicht = new BitBtn(lichtCaption, eltern);
    BitBtnLicht->setGlyph(GlyphBild(Glyphe::Licht));
    connect(BitBtnLicht, &QPushButton::clicked, this, [this] { BitBtnLichtClick(); });

    BitBtnStop = new BitBtn(QStringLiteral("&unterbrechen"), eltern);
    BitBtnStop->setGlyph(GlyphBild(Glyphe::Pause));
    BitBtnStop->setEnabled(false);
    connect(BitBtnStop, &QPushButton::clicked, this, [this] { BitBtnStopClick(); });
}

void SimFenster::ErzeugeTempo(QWidget *eltern, int min, int max, int position, const QString &beschriftung)
{
    LabelTempo = new QLabel(beschriftung, eltern);
    TrackBarTempo = new TrackBar(Qt::Horizontal, eltern);
    TrackBarTempo->setBereich(min, max, position);
    UpDownTempo = new UpDown(eltern);
    UpDownTempo->setBereich(min, max, position);
    Verzoegerung = VerzoegerungAusTempo(position, max);
    connect(TrackBarTempo, &QSlider::valueChanged, this, [this] { TrackBarTempoChange(); });
    connect(UpDownTempo, &UpDown::geklickt, this, [this] { UpDownTempoClick(); });
}

void SimFenster::ErzeugeTafel(TextTafel &t, QWidget *knopfEltern, const QString &caption, const QString &datei,
                              std::function<void()> selbst, bool mitNeuBox, Glyphe offen, Glyphe zu)
{
    t.datei = datei;
    t.selbst = std::move(selbst);
    t.offen = GlyphBild(offen);
    t.zu = GlyphBild(zu);
    t.panel = new Panel(this);
    t.panel->hide();
    t.edit = new RichEdit(t.panel);
    if (&t == &Ergebnis) {
        t.edit->setHintergrund(0xBFFFFF);  // light yellow, also behind a teacher's file
        t.panel->setToolTip(QStringLiteral("Verschwindet mit Mausklick"));
    }
    t.loeschen = new QPushButton(QStringLiteral("Text &löschen"), t.panel);
    SetzeSchrift(t.loeschen, QStringLiteral("Trebuchet MS"), 8, false);
    connect(t.loeschen, &QPushButton::clicked, t.panel, &QWidget::hide);
    connect(t.panel, &Panel::geklickt, this, [this, &t] { TafelVerbergen(t); });
    connect(t.edit, &RichEdit::mausLosgelassen, this, [this, &t] { TafelVerbergen(t); });
    if (mitNeuBox) {
        t.neu = new QCheckBox(QStringLiteral("Diesen Text neu erstellen"), t.panel);
        SetzeSchrift(t.neu, QStringLiteral("Trebuchet MS"), 8, false);
        connect(t.neu, &QCheckBox::toggled, this, [&t](bool angekreuzt) {
            if (angekreuzt) {
                t.edit->clear();
                if (t.selbst)
                    t.selbst();
            } else {
                t.schreiben();
            }
        });
    }
    t.knopf = new BitBtn(caption, knopfEltern);
    t.knopf->setGlyph(t.zu);
    t.schreiben();
}

void SimFenster::ErzeugeHinweis(QWidget *knopfEltern, const QString &caption, const QString &datei,
                                std::function<void()> selbst, bool mitNeuBox)
{
    ErzeugeTafel(Hinweis, knopfEltern, caption, datei, std::move(selbst), mitNeuBox, Glyphe::HinweisOffen,
                 Glyphe::HinweisZu);
    BitBtnHinweis = Hinweis.knopf;
    connect(BitBtnHinweis, &QPushButton::clicked, this, [this] { BitBtnHinweisClick(); });
}

void SimFenster::ErzeugeErgebnis(QWidget *knopfEltern, const QString &caption, const QString &datei,
                                 std::function<void()> selbst, bool mitNeuBox)
{
    ErzeugeTafel(Ergebnis, knopfEltern, caption, datei, std::move(selbst), mitNeuBox, Glyphe::BuchOffen,
                 Glyphe::BuchZu);
    BitBtnErgebnis = Ergebnis.knopf;
    connect(BitBtnErgebnis, &QPushButton::clicked, this, [this] { BitBtnErgebnisClick(); });
}

void SimFenster::TafelUmschalten(TextTafel &eigene, TextTafel &andere)
{
    if (andere.panel) {
        andere.panel->hide();
        andere.knopf->setGlyph(andere.zu);
    }
    if (!eigene.panel)
        return;
    eigene.panel->setVisible(!eigene.panel->isVisible());
    if (eigene.panel->isVisible())
        eigene.panel->raise();
    eigene.knopf->setGlyph(eigene.panel->isVisible() ? eigene.offen : eigene.zu);
}

void SimFenster::BitBtnHinweisClick() { TafelUmschalten(Hinweis, Ergebnis); }
void SimFenster::BitBtnErgebnisClick() { TafelUmschalten(Ergebnis, Hinweis); }

void SimFenster::TafelVerbergen(TextTafel &t)
{
    t.panel->hide();
    if (t.knopf)
        t.knopf->setGlyph(t.zu);
}

// ---- run protocol ---------------------------------------------------------------------

void SimFenster::AnAusSchalten(bool ein)
{
    an = ein;
    if (PanelKontrolle)
        PanelKontrolle->setFarbe(ein ? 0x00FF00 : 0x0000FF);
    if (BitBtnStop) {
        BitBtnStop->setEnabled(ein);
        if (ein)
            BitBtnStop->setText(QStringLiteral("&unterbrechen"));
    }
}

void SimFenster::BitBtnLichtClick()
{
    Stopp = true;
    AnAusSchalten(!an);
    Vorbereiten();
    pause = false;
    if (!an)
        return;
    Stopp = false;
    Simulation();
    if (an)
        AnAusSchalten(false);
    Stopp = true;
    if (BitBtnErgebnis)
        BitBtnErgebnis->setEnabled(true);
}

bool SimFenster::Laufen(const std::function<void()> &lauf, const std::function<bool()> &nochAn)
{
    if (imLauf_) {
        nochmal_ = true;
        return false;
    }
    imLauf_ = true;
    do {
        nochmal_ = false;
        Stopp = false;
        lauf();
    } while (nochmal_ && nochAn() && !ProgrammEndet);
    imLauf_ = false;
    nochmal_ = false;
    return true;
}

void SimFenster::BitBtnStopClick()
{
    pause = !pause;
    if (BitBtnStop)
        BitBtnStop->setText(pause ? QStringLiteral("&Weiter") : QStringLiteral("&unterbrechen"));
    while (pause && !Stopp && an && !ProgrammEndet)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void SimFenster::BitBtnZurueckClick()
{
    Stopp = true;
    close();
}

int SimFenster::VerzoegerungAusTempo(int position, int max) const { return ZweiHoch(max - position) - 1; }

void SimFenster::TrackBarTempoChange()
{
    if (UpDownTempo)
        UpDownTempo->setPosition(TrackBarTempo->Position());
    Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
}

void SimFenster::UpDownTempoClick()
{
    if (TrackBarTempo)
        TrackBarTempo->setPosition(UpDownTempo->Position());
}

void SimFenster::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    if (TrackBarTempo)
        Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
    FormActivate();
}

void SimFenster::closeEvent(QCloseEvent *e)
{
    Stopp = true;
    FormClose();
    e->accept();
}
