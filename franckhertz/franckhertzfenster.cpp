#include "franckhertzfenster.h"

#include "bild.h"
#include "franckhertzsteuerung.h"
#include "richtext.h"
#include "zahltext.h"
#include "zugang.h"

#include <QFontMetrics>
#include <QTextCursor>

#include <algorithm>
#include <utility>

using namespace FranckHertz;

namespace {
constexpr TColor FarbeInfo = 0xFFFF95;
}  // namespace

TFormFranckHertz2::TFormFranckHertz2(QWidget *parent)
    : SimFenster(tr("Franck-Hertz-Versuch: Durchführung"), parent)
{
    zeichengrund_ = FarbeZeichengrund;
    const int W = BildschirmBreite, R = ZurueckOben;
    const int Spalte = SchmaleSpalte(W).breite;
    const int atomeRechts = 8 + Spalte;
    const int simLinks = W <= 1100 ? W - Spalte - 8 : ZurueckLinks - 32;
    const int titelBreite = std::max(200, std::min(simLinks - atomeRechts - 16, 640));
    ErzeugeTitel(tr("Der Franck-Hertz-Versuch: Durchführung"), (atomeRechts + simLinks - titelBreite) / 2, 8,
                 titelBreite, 41);
    TitelEinpassen(PanelTitel);
    const int titelUnten = 8 + 41;

    // ---- atom panel ----
    PanelAtome = ErzeugeFeld(this, 8, titelUnten + 24, Spalte, 100);
    const int iw = Spalte - 16;
    int y = 6;
    Regler r = ErzeugeRegler(PanelAtome, 8, y, iw, {tr("Zahl der Gasatome")},
                             Zahlenskala(10, 30, 5, 1), 10, 30, 20, true,
                             [this] { TrackBarZahlAtomeChange(); });
    TrackBarZahlAtome = r.bar;
    UpDownZahlAtome = r.updown;
    y += r.hoehe + 6;
    r = ErzeugeRegler(PanelAtome, 8, y, iw, {tr("Bewegung der Atome")},
                      {{0, tr("nein", "no motion")}, {3, tr("schwach")}, {6, tr("stark")}},
                      0, 6, 4, false, [this] { TrackBarTemperaturChange(); });
    TrackBarTemperatur = r.bar;
    y += r.hoehe + 4;
    const QStringList bewegung = tr("Bewegung der Gas-\nAtome simulieren").split(QLatin1Char('\n'));
    CheckBoxAtomBewegung = new QCheckBox(bewegung.value(0), PanelAtome);
    Setze(CheckBoxAtomBewegung, 8, y, iw, 20);
    Beschriftung(PanelAtome, bewegung.value(1), 28, y + 18, iw - 20);
    connect(CheckBoxAtomBewegung, &QCheckBox::toggled, this, [this] { CheckBoxAtomBewegungClick(); });
    y += 44;
    r = ErzeugeRegler(PanelAtome, 8, y, iw, {tr("Anregungsenergie")},
                      Zahlenskala(20, 100, 20, 10, QStringLiteral("eV")), 20, 100, 49, true,
                      [this] { TrackBarAnregEnergieChange(); });
    TrackBarAnregEnergie = r.bar;
    UpDownAnregEnergie = r.updown;
    y += r.hoehe + 2;
    PanelAnregEnWert = new Panel(PanelAtome, Panel::Rand::Gesenkt);
    PanelAnregEnWert->setFarbe(FarbePanel);
    Setze(PanelAnregEnWert, 8, y, iw, 22);
    y += 28;
    r = ErzeugeRegler(PanelAtome, 8, y, iw, {tr("Dauer der Anregung")},
                      {{2, tr("klein")}, {20, tr("groß")}}, 2, 20, 16, false, nullptr);
    TrackBarAnregzeit = r.bar;
    y += r.hoehe + 6;
    r = ErzeugeRegler(PanelAtome, 8, y, iw, tr("Wahrscheinlichkeit\nfür Stoß (Anregung)").split(QLatin1Char('\n')),
                      {{1, tr("klein")}, {20, tr("groß")}}, 1, 20, 15, false, nullptr);
    TrackBarStossW = r.bar;
    y += r.hoehe + 6;
    PanelAtome->resize(Spalte, y);

    // ---- simulation panel ----
    PanelSimulation = ErzeugeFeld(this, simLinks, titelUnten + 24, Spalte, 100);
    y = 8;
    BitBtnStop = new BitBtn(tr("&unterbrechen"), PanelSimulation);
    BitBtnStop->setGlyph(GlyphBild(Glyphe::Pause));
    BitBtnStop->setEnabled(false);
    Setze(BitBtnStop, 8, y, iw, 30);
    connect(BitBtnStop, &QPushButton::clicked, this, [this] { BitBtnStopClick(); });
    y += 38;
    r = ErzeugeRegler(PanelSimulation, 8, y, iw, {tr("Simulation")},
                      {{0, tr("langsam")}, {50, tr("schnell")}}, 0, 50, 40, false,
                      [this] { TrackBarTempoChange(); });
    TrackBarTempo = r.bar;
    y += r.hoehe + 6;
    r = ErzeugeRegler(PanelSimulation, 8, y, iw, {tr("Stopp bei Stoß:")},
                      {{0, tr("nein", "no stop")}, {1, tr("kurz")}, {3, tr("lang")}}, 0, 3, 1,
                      false, nullptr);
    TrackBarStop = r.bar;
    y += r.hoehe + 6;
    const QStringList messgeraet = tr("mit &Messgerät für\n    Strom zum Auffänger").split(QLatin1Char('\n'));
    CheckBoxGalvanometer = new QCheckBox(messgeraet.value(0), PanelSimulation);
    CheckBoxGalvanometer->setChecked(true);
    Setze(CheckBoxGalvanometer, 8, y, iw, 20);
    Beschriftung(PanelSimulation, messgeraet.value(1), 8, y + 18, iw);
    connect(CheckBoxGalvanometer, &QCheckBox::toggled, this, [this] { CheckBoxGalvanometerClick(); });
    y += 42;
    const QStringList endpunkte = tr("mit &Endpunkten der\n  Elektronenbahnen").split(QLatin1Char('\n'));
    CheckBoxElekZeigen = new QCheckBox(endpunkte.value(0), PanelSimulation);
    Setze(CheckBoxElekZeigen, 8, y, iw, 20);
    Beschriftung(PanelSimulation, endpunkte.value(1), 8, y + 18, iw);
    connect(CheckBoxElekZeigen, &QCheckBox::toggled, this, [this] { CheckBoxElekZeigenClick(); });
    y += 44;
    PanelSimulation->resize(Spalte, y);

    // ---- hint buttons ----
    PanelHinweise = ErzeugeFeld(this, simLinks, PanelSimulation->y() + y + 16, Spalte, 88);
    ErzeugeHinweis(PanelHinweise, tr("&Hinweise/Info"), QString(), [this] { SchreibeHinweise(); });
    ErzeugeErgebnis(PanelHinweise, tr("&Beobachtung"), QString(), [this] { SchreibeErgebnis(); });
    Setze(BitBtnHinweis, 8, 8, iw, 32);
    Setze(BitBtnErgebnis, 8, 48, iw, 32);
    BitBtnErgebnis->setEnabled(false);

    // ---- picture ----
    e_ = FaktorDurchfuehrung(R, titelUnten, simLinks, atomeRechts);
    const int bildLinks = std::max(0, atomeRechts + (simLinks - atomeRechts - 22 * e_) / 2);
    const int bildOben = titelUnten + 8;
    Image1 = new Bild(this);
    Image1->move(bildLinks, bildOben);
    Image1->setBildGroesse(22 * e_, 16 * e_);
    punkte_ = DefinierePunkte(Variante::Durchfuehrung, e_, 3 * e_, e_);
    radien_ = AtomRadien(e_);
    gas_.Einrichten(punkte_, radien_.r, KathodenAbstand);
    lauf_ = std::make_unique<ElektronenLauf>(punkte_, radien_);

    // ---- heating and switch under the voltage readings, voltage panels under the picture ----
    const int knopfOben = bildOben + punkte_.L + SchriftMittel + 24;
    const int panelOben = std::max(bildOben + 16 * e_, knopfOben + 30 + 4);
    const int wSp = std::min(250, 9 * e_ - 8);
    const QString beschleunigung = tr("Beschleunigungsspannung");
    const QStringList uaTitel = QFontMetrics(font()).horizontalAdvance(beschleunigung) <= wSp - 12
                                    ? QStringList{beschleunigung}
                                    : tr("Beschleunigungs-\nspannung").split(QLatin1Char('\n'));
    PanelBeschleuniggSp = ErzeugeFeld(this, bildLinks + punkte_.X0 + 5 * e_ - wSp / 2, panelOben, wSp, 66);
    r = ErzeugeRegler(PanelBeschleuniggSp, 6, 3, wSp - 12, uaTitel,
                      {{20, QStringLiteral("2")},
                       {100, QStringLiteral("10")},
                       {200, QStringLiteral("20")},
                       {300, QStringLiteral("30\u00a0V")}},
                      20, 300, 40, true, [this] { TrackbarUaChange(); });
    TrackbarUa = r.bar;
    UpDownUa = r.updown;
    const int panelHoehe = r.hoehe + 8;
    PanelBeschleuniggSp->resize(wSp, panelHoehe);
    PanelGegenSp = ErzeugeFeld(this, bildLinks + punkte_.X0 + 14 * e_ - wSp / 2, panelOben, wSp, panelHoehe);
    r = ErzeugeRegler(PanelGegenSp, 6, 3, wSp - 12, {tr("Gegenspannung")},
                      Zahlenskala(0, 50, 10, 10, QStringLiteral("V")), 0, 50, 10, true,
                      [this] { TrackBarUgChange(); });
    TrackBarUg = r.bar;
    UpDownUg = r.updown;

    BitBtnSchalter = new BitBtn(tr("Schalter zu/auf"), this);
    BitBtnSchalter->setGlyph(GlyphBild(Glyphe::Ende));
    // 140 px wide, wider where the caption needs it (beside the glyph and the margins)
    const int schalterBreite =
        std::max(140, QFontMetrics(BitBtnSchalter->font()).horizontalAdvance(OhneMarken(BitBtnSchalter->text())) + 40);
    Setze(BitBtnSchalter, bildLinks + (punkte_.S1.x() + punkte_.S2.x()) / 2 - schalterBreite / 2, knopfOben,
          schalterBreite, 30);
    connect(BitBtnSchalter, &QPushButton::clicked, this, [this] { BitBtnSchalterClick(); });
    BitBtnHeizen = new BitBtn(tr("&Kathode heizen"), this);
    BitBtnHeizen->setGlyph(GlyphBild(Glyphe::Ende));
    BitBtnHeizen->setToolTip(tr("Keine Elektronenemission ohne glühende Kathode!"));
    Setze(BitBtnHeizen, std::max(bildLinks, bildLinks + punkte_.kathodeX - 8 - 75), knopfOben, 150, 30);
    connect(BitBtnHeizen, &QPushButton::clicked, this, [this] { BitBtnHeizenClick(); });
    if (BitBtnSchalter->x() < BitBtnHeizen->x() + BitBtnHeizen->width() + 4)  // a small picture: side by side
        BitBtnSchalter->move(BitBtnHeizen->x() + BitBtnHeizen->width() + 4, BitBtnSchalter->y());

    // ---- text panels ----
    const int tafelOben = W >= 1100 ? bildOben : 16;
    const int tafelLinks = W >= 1100 ? bildLinks : 16;
    const int tafelBreite = W >= 1100 ? simLinks - 16 - bildLinks : ZurueckLinks - 32;
    const int tafelHoehe = std::min(ZurueckOben + ZurueckHoehe - 32, BildschirmHoehe - 8) - tafelOben;
    for (TextTafel *t : {&Hinweis, &Ergebnis}) {
        t->setzeGeometrie(tafelLinks, tafelOben, tafelBreite, tafelHoehe);
        Setze(t->edit, 8, 8, tafelBreite - 16, tafelHoehe - 48);
        t->loeschen->setText(tr("l&öschen"));
        Setze(t->loeschen, tafelBreite - 8 - 105, tafelHoehe - 8 - 25, 105, 25);
    }
    Hinweis.panel->setFarbe(FarbeInfo);
    Hinweis.edit->setHintergrund(FarbeInfo);
    Ergebnis.panel->setFarbe(0xBFFFFF);
    BitBtnInfoLoeschen = Hinweis.loeschen;
    BitBtnErgebnisLoeschen = Ergebnis.loeschen;
    for (QPushButton *b : {BitBtnInfoLoeschen, BitBtnErgebnisLoeschen})
        connect(b, &QPushButton::clicked, this, [this] {
            Hinweis.knopf->setGlyph(Hinweis.zu);
            Ergebnis.knopf->setGlyph(Ergebnis.zu);
        });
    Hinweis.schreiben();
    Ergebnis.schreiben();
    Hinweis.panel->raise();
    Ergebnis.panel->raise();
    BitBtnZurueck->raise();

    // ---- state; the picture is drawn when the window is first shown ----
    temperatur = float(TrackBarTemperatur->Position());
    Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
    dt = (TrackBarTempo->Position() + 1) * 5e-7;
    // "\u00A0" ends its literal where a letter a–f follows: lupdate would read that as part of the escape
    PanelAnregEnWert->setCaption(tr("ist %1\u00A0" "eV").arg(Komma(TrackBarAnregEnergie->Position() / 10.0, 1)));
    uaAlt_ = Ua();
    ugAlt_ = Ug();
    gas_.InitAtome(1, TrackBarZahlAtome->Position(), temperatur, nullptr);  // drawn with the picture
    BildBeschreiben(Image1, tr("Franck-Hertz-Röhre mit Gasatomen und Schaltung"),
                    [this] { return BildBeschreibung(); });
}

QString TFormFranckHertz2::BildBeschreibung() const
{
    int angeregt = 0;
    for (int k = 1; k <= gas_.N; ++k)
        angeregt += gas_.atom[std::size_t(k)].angeregt ? 1 : 0;
    const QString energie = Komma(TrackBarAnregEnergie->Position() / 10.0, 1);
    const QString atome = angeregt == 0
                              ? tr("%1 Gasatome mit der Anregungsenergie %2\u00A0" "eV, keines davon angeregt")
                                    .arg(gas_.N)
                                    .arg(energie)
                              : tr("%1 Gasatome mit der Anregungsenergie %2\u00A0" "eV, davon %3 angeregt")
                                    .arg(gas_.N)
                                    .arg(energie)
                                    .arg(angeregt);
    QString text = tr("Beschleunigungsspannung %1\u00A0V, Gegenspannung %2\u00A0V; %3.")
                       .arg(Komma(Ua(), 1), Komma(Ug(), 1), atome);
    text += QLatin1Char(' ') + (heizt ? tr("Die Kathode wird geheizt") : heizungAn_ ? tr("Die Kathode glüht")
                                                                               : tr("Die Kathode ist kalt"));
    text += schalterZu ? tr(", der Schalter ist geschlossen") : tr(", der Schalter ist offen");
    if (elektronen_)
        text += CheckBoxElekZeigen->isChecked()
                    ? tr(": Elektronen fliegen einzeln zum Auffänger, ihre Endpunkte bleiben eingezeichnet.")
                    : tr(": Elektronen fliegen einzeln zum Auffänger.");
    else
        text += QLatin1Char('.');
    text += QLatin1Char(' ') + (!CheckBoxGalvanometer->isChecked() ? tr("Der Strommesser ist abgeschaltet")
                                : stromZeiger.wert > 0
                                    ? tr("Der Strommesser zeigt %1\u00A0% seines Vollausschlags")
                                          .arg(Runde(100 * stromZeiger.wert))
                                    : tr("Der Zeiger des Strommessers steht auf null"));
    // electron n is booked once its flight has ended
    const int gebucht = std::min(lauf_->n - (lauf_->phase != 0 ? 1 : 0), 10);
    const int erreicht = lauf_->fenster.Anzahl();
    if (elektronen_ && gebucht == 1)
        text += erreicht > 0 ? tr("; das erste Elektron erreichte den Auffänger.")
                             : tr("; das erste Elektron erreichte den Auffänger nicht.");
    else if (elektronen_ && gebucht > 1)
        text += erreicht == 0         ? tr("; keines der letzten %1 Elektronen erreichte den Auffänger.").arg(gebucht)
                : erreicht == 1       ? tr("; eines der letzten %1 Elektronen erreichte den Auffänger.").arg(gebucht)
                : erreicht == gebucht ? tr("; die letzten %1 Elektronen erreichten alle den Auffänger.").arg(gebucht)
                                      : tr("; %1 der letzten %2 Elektronen erreichten den Auffänger.")
                                            .arg(erreicht)
                                            .arg(gebucht);
    else
        text += QLatin1Char('.');
    return text;
}

void TFormFranckHertz2::BilderZeichnen()
{
    Image1->canvas().font = Schrift{QStringLiteral("Comic Sans MS"), SchriftMittel, true, false, false, 0x000000};
    sprites_ = std::make_unique<Sprites>(DefiniereAtomeElektron(radien_));
    maler_ = std::make_unique<SpriteMaler>(Image1->canvas(), *sprites_);
    ZeichneGeraet();
    for (int k = 1; k <= gas_.N; ++k)
        maler_->AtomXor(gas_.atom[std::size_t(k)]);
}

Rohrzeichner TFormFranckHertz2::Zeichner()
{
    Rohrzeichner z(Image1->canvas(), punkte_);
    z.grund = zeichengrund_;
    return z;
}

double TFormFranckHertz2::Ua() const { return TrackbarUa->Position() / 10.0; }
double TFormFranckHertz2::Ug() const { return TrackBarUg->Position() / 10.0; }

LaufParameter TFormFranckHertz2::Parameter() const
{
    LaufParameter p;
    p.Ua = Ua();
    p.Ug = Ug();
    p.E = TrackBarAnregEnergie->Position() / 10.0;
    p.dt = dt;
    p.P = TrackBarStossW->Position();
    p.T = 3 * TrackBarAnregzeit->Position();
    p.stossPause = TrackBarStop->Position() * 200;
    return p;
}

int TFormFranckHertz2::VerzoegerungAusTempo(int position, int) const { return 50 - position; }

// ---- drawing helpers -------------------------------------------------------------------------------

void TFormFranckHertz2::SchreibeSpannung(double alt, double neu, int mitteX)
{
    if (!BilderGezeichnet())
        return;  // written with the picture
    Canvas &c = Image1->canvas();
    const Schrift vorher = c.font;
    c.font = Schrift{QStringLiteral("Comic Sans MS"), 12, true, false, false, FarbeBeschriftung};
    c.brush.style = PinselStil::Clear;
    const KopierModus modus = c.copyMode;
    c.copyMode = KopierModus::SrcCopy;
    auto schreibe = [&](double wert, TColor farbe) {
        const QString text = QStringLiteral("= %1\u00A0V").arg(Komma(wert, 1));
        c.font.color = farbe;
        c.textOut(mitteX - c.textWidth(text) / 2, punkte_.L + SchriftMittel, text);
    };
    if (alt >= 0)
        schreibe(alt, zeichengrund_);
    schreibe(neu, FarbeBeschriftung);
    c.font = vorher;
    c.copyMode = modus;
}

void TFormFranckHertz2::ZeigerAuf(double wert)
{
    if (!BilderGezeichnet())
        return;  // drawn with the picture
    Rohrzeichner z = Zeichner();
    z.ZeigerSetzen(stromZeiger, wert);
}

void TFormFranckHertz2::ZeichneGeraet()
{
    Rohrzeichner z = Zeichner();
    z.ZeichneFranckHertz(voltZeiger, stromZeiger);
    z.BeschrifteAtome(*sprites_, SchriftMittelDoppelt);
    if (heizungAn_)
        z.ZeichneKathode2(FarbeHeiss);
    z.ZeichneSchalter(!schalterZu);
    SchreibeSpannung(-1, Ua(), punkte_.X0 + 5 * e_);
    SchreibeSpannung(-1, Ug(), punkte_.X0 + 14 * e_);
    if (CheckBoxGalvanometer->isChecked())
        z.ZeigerSetzen(stromZeiger, lauf_->m);
}

void TFormFranckHertz2::ZeichneAlles()
{
    if (!BilderGezeichnet())
        return;  // drawn when shown
    const bool elektron = maler_->elektronDa;
    const float ex = maler_->elektronX;
    const int ey = maler_->elektronY;
    ZeichneGeraet();
    // the atoms placed anew, the electron in flight drawn again
    const int n = gas_.N;
    gas_.N = 0;
    gas_.InitAtome(1, n, temperatur, maler_.get());
    maler_->elektronDa = false;
    if (elektron)
        maler_->ElektronXor(ex, ey);
}

// ---- texts ----------------------------------------------------------------------------------------

void TFormFranckHertz2::SchreibeHinweise()
{
    TextStil stil = StilHinweis();
    stil.abstandGroesse = 8;
    stil.hintergrund = FarbeInfo;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/franckhertz/franckhertz_hinweis.txt")), stil);
    Hinweis.edit->moveCursor(QTextCursor::Start);
}

void TFormFranckHertz2::SchreibeErgebnis()
{
    TextStil stil = StilErgebnis();
    stil.abstandGroesse = 8;
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/franckhertz/franckhertz_ergebnis.txt")), stil);
    Ergebnis.edit->moveCursor(QTextCursor::Start);
}

// ---- the run ---------------------------------------------------------------------------------------

Ablauf TFormFranckHertz2::Simulation()
{
    while (!Gestoppt()) {
        if (heizungAn_ && schalterZu) {
            co_await Elektronen();
        } else if (CheckBoxAtomBewegung->isChecked()) {
            if (temperatur > 0)
                gas_.TemperaturBewegung(maler_.get());
            co_await Warte(std::uint32_t(Verzoegerung));
        } else {
            break;
        }
    }
}

Ablauf TFormFranckHertz2::Elektronen()
{
    BitBtnStop->setEnabled(true);
    BitBtnStop->setText(tr("&unterbrechen"));
    BitBtnErgebnis->setEnabled(true);
    lauf_->par = Parameter();
    lauf_->LaufBeginnen();
    elektronen_ = true;
    const int re = radien_.re;
    while (!ElektronenEnde()) {
        lauf_->par = Parameter();  // Ua, Ug and E act from the next electron
        lauf_->NeuesElektron(punkte_.Y0 + re + Zufall(6 * e_ - 2 * re + 1));
        maler_->ElektronXor(lauf_->x, lauf_->y);
        while (!ElektronenEnde()) {
            lauf_->par.dt = dt;
            lauf_->par.P = TrackBarStossW->Position();
            lauf_->par.T = 3 * TrackBarAnregzeit->Position();
            lauf_->par.stossPause = TrackBarStop->Position() * 200;
            maler_->stossPause = 0;
            if (!lauf_->Schritt(&gas_, CheckBoxAtomBewegung->isChecked() && temperatur > 0, maler_.get()))
                break;
            // after an excitation the picture stands a while (Stopp bei Stoß)
            co_await Warte(std::uint32_t(Verzoegerung + std::exchange(maler_->stossPause, 0)));
        }
        const bool gestoppt = ElektronenEnde();
        lauf_->Buchen(gestoppt);
        if (maler_->elektronDa) {
            if (CheckBoxElekZeigen->isChecked() && !gestoppt)
                maler_->elektronDa = false;  // stays on the picture as an end point
            else
                maler_->ElektronXor(maler_->elektronX, maler_->elektronY);
        }
        if (CheckBoxGalvanometer->isChecked())
            ZeigerAuf(gestoppt ? 0.0 : lauf_->m);
        ElektronenLauf::AlleAbregen(gas_, maler_.get());
        if (gestoppt)
            break;
        co_await Warte(std::uint32_t(Verzoegerung));
    }
    elektronen_ = false;
    BitBtnStop->setEnabled(false);
    BitBtnStop->setText(tr("&unterbrechen"));
}

Ablauf TFormFranckHertz2::Heitzen()
{
    BilderBereitstellen();  // the run draws on the picture
    heizt = true;
    for (int i = 1; i <= 32 && !Gestoppt(); ++i) {
        Zeichner().ZeichneKathode2(TColor(3 * i + 159));
        if (CheckBoxAtomBewegung->isChecked() && temperatur > 0)
            gas_.TemperaturBewegung(maler_.get());
        co_await Warte(0);
    }
    heizt = false;
    if (Gestoppt()) {
        Zeichner().ZeichneKathode2(FarbeKaltLauf);
        co_return;
    }
    heizungAn_ = true;
    BitBtnHeizen->setGlyph(GlyphBild(Glyphe::Start));
    co_await Simulation();
}

void TFormFranckHertz2::LaufBeendet()
{
    // the observation opens once electrons have flown, not when only the atoms moved
    const bool ergebnis = BitBtnErgebnis->isEnabled();
    SimFenster::LaufBeendet();
    BitBtnErgebnis->setEnabled(ergebnis);
    heizt = false;
    elektronen_ = false;
    BitBtnStop->setEnabled(false);
}

void TFormFranckHertz2::SchleifeStarten()
{
    if (LaufAktiv() && !Gestoppt())
        return;  // the run going on sees the change itself
    if (isVisible() && ((heizungAn_ && schalterZu) || CheckBoxAtomBewegung->isChecked()))
        LaufStarten();
}

void TFormFranckHertz2::PauseAufheben()
{
    if (pause)
        SimFenster::BitBtnStopClick();
}

// ---- handlers ----------------------------------------------------------------------------------------

void TFormFranckHertz2::BitBtnHeizenClick()
{
    if (heizt)
        return;  // the cathode is warming up already
    if (!heizungAn_) {
        LaufStarten([this] { return Heitzen(); });
    } else {
        heizungAn_ = false;
        PauseAufheben();
        BitBtnHeizen->setGlyph(GlyphBild(Glyphe::Ende));
        Zeichner().ZeichneKathode2(FarbeKaltLauf);
        lauf_->m = 0;
        ZeigerAuf(0);
        SchleifeStarten();
    }
}

void TFormFranckHertz2::BitBtnSchalterClick()
{
    schalterZu = !schalterZu;
    if (BilderGezeichnet())
        Zeichner().ZeichneSchalter(!schalterZu);
    if (schalterZu) {
        BitBtnSchalter->setGlyph(GlyphBild(Glyphe::Start));
    } else {
        PauseAufheben();
        BitBtnSchalter->setGlyph(GlyphBild(Glyphe::Ende));
        lauf_->m = 0;
        ZeigerAuf(0);
    }
    SchleifeStarten();
}

void TFormFranckHertz2::BitBtnStopClick()
{
    if (elektronen_)
        SimFenster::BitBtnStopClick();  // the run holds in its waits while paused
}

void TFormFranckHertz2::FormActivate()
{
    dt = (TrackBarTempo->Position() + 1) * 5e-7;
    SchleifeStarten();
}

void TFormFranckHertz2::Vorbereiten()
{
    dt = (TrackBarTempo->Position() + 1) * 5e-7;
    Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
    if (!elektronen_) {
        BitBtnStop->setEnabled(false);
        BitBtnStop->setText(tr("&unterbrechen"));
    }
}

void TFormFranckHertz2::CheckBoxAtomBewegungClick()
{
    if (CheckBoxAtomBewegung->isChecked())
        SchleifeStarten();
}

void TFormFranckHertz2::CheckBoxGalvanometerClick()
{
    Vorbereiten();
    // the needle follows the electrons only while the meter is switched on
    ZeigerAuf(CheckBoxGalvanometer->isChecked() ? lauf_->m : 0.0);
}

void TFormFranckHertz2::CheckBoxElekZeigenClick()
{
    Vorbereiten();
    if (!CheckBoxElekZeigen->isChecked())
        ZeichneAlles();  // the end points go
}

void TFormFranckHertz2::TrackbarUaChange()
{
    if (UpDownUa)
        UpDownUa->setPosition(TrackbarUa->Position());
    SchreibeSpannung(uaAlt_, Ua(), punkte_.X0 + 5 * e_);
    uaAlt_ = Ua();
}

void TFormFranckHertz2::TrackBarUgChange()
{
    SchreibeSpannung(ugAlt_, Ug(), punkte_.X0 + 14 * e_);
    ugAlt_ = Ug();
}

void TFormFranckHertz2::TrackBarAnregEnergieChange()
{
    PanelAnregEnWert->setCaption(tr("ist %1\u00A0" "eV").arg(Komma(TrackBarAnregEnergie->Position() / 10.0, 1)));
}

void TFormFranckHertz2::TrackBarZahlAtomeChange()
{
    gas_.SetzeAnzahl(TrackBarZahlAtome->Position(), temperatur, maler_.get());
}

void TFormFranckHertz2::TrackBarTemperaturChange()
{
    const float neu = float(TrackBarTemperatur->Position());
    gas_.TemperaturAendern(temperatur, neu);
    temperatur = neu;
}

void TFormFranckHertz2::TrackBarTempoChange()
{
    Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
    dt = (TrackBarTempo->Position() + 1) * 5e-7;
}
