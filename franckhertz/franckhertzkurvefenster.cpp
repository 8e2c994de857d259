#include "franckhertzkurvefenster.h"

#include "bild.h"
#include "franckhertzsteuerung.h"
#include "richtext.h"
#include "zahltext.h"

#include <QTextCursor>

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

using namespace FranckHertz;

namespace {
constexpr int Spalte = 185;
}  // namespace

TFormFranckHertzKurve2::TFormFranckHertzKurve2(QWidget *parent)
    : SimFenster(tr("Franck-Hertz-Versuch: Auffängerstrom in Abhängigkeit von der Beschleunigungsspannung"),
                 parent)
{
    zeichengrund_ = FarbeZeichengrund;
    zufall_ ^= ZufallSaat() | 1u;
    const int W = BildschirmBreite, R = ZurueckOben, B = ZurueckLinks;
    const int titelBreite = std::min(W - 16, 760);
    ErzeugeTitel(tr("Franck-Hertz-Versuch: Auffängerstrom"), (W - titelBreite) / 2, 8, titelBreite, 41);
    TitelEinpassen(PanelTitel);
    const int titelUnten = 49;

    // tube unit; the simulation panel must stay on the screen
    e_ = std::min({FaktorKurve(R, titelUnten, B, 8 + Spalte), (W - 2 * Spalte - 64) / 23, (2 * B - W - 32) / 23});
    e_ = std::max(e_, 8);
    const int m = (W - 2 * Spalte - 23 * e_) / 2;
    const int bildLinks = m + Spalte + 16;
    const int bildOben = std::max(titelUnten + 8 + 3 * e_, R + ZurueckHoehe - 24 - 12 * e_);
    Image1 = new Bild(this);
    Image1->move(bildLinks, bildOben);
    Image1->setBildGroesse(23 * e_, 12 * e_);
    punkte_ = DefinierePunkte(Variante::Kurve, e_, e_, e_);
    Image2 = new Bild(this);
    Image2->move(bildLinks, titelUnten + 8);
    Image2->setBildGroesse(23 * e_, bildOben - titelUnten - 8);
    HauptBildSetzen(Image2);  // the window is about the curve, not the apparatus
    BildBeschreiben(Image1, tr("Franck-Hertz-Röhre mit Schaltung und Messgeräten"),
                    [this] { return RoehreBeschreibung(); });
    BildBeschreiben(Image2, tr("Auffängerstrom über der Beschleunigungsspannung"),
                    [this] { return KurveBeschreibung(); });

    // ---- atom panel and voltage panel ----
    const int iw = Spalte - 16;
    PanelAtome = ErzeugeFeld(this, m + 8, 0, Spalte, 100);
    int y = 6;
    Regler r = ErzeugeRegler(PanelAtome, 8, y, iw, {tr("Anregungsenergie:")},
                             Zahlenskala(40, 100, 20, 10, QStringLiteral("eV")), 40, 100, 49, true,
                             [this] { ParameterChange(); });
    TrackBarAnregEnergie = r.bar;
    UpDownAnregEnergie = r.updown;
    y += r.hoehe + 2;
    PanelAnregEn3 = new Panel(PanelAtome, Panel::Rand::Gesenkt);
    PanelAnregEn3->setFarbe(FarbePanel);
    Setze(PanelAnregEn3, 8, y, iw, 22);
    y += 30;
    r = ErzeugeRegler(PanelAtome, 8, y, iw, tr("Wahrscheinlichkeit\nfür Stoß (Anregung)").split(QLatin1Char('\n')),
                      {{5, tr("klein")}, {20, tr("groß")}}, 5, 20, 15, false,
                      [this] { ParameterChange(); });
    TrackBarStossW = r.bar;
    y += r.hoehe + 6;
    PanelAtome->resize(Spalte, y);

    PanelSpannung = ErzeugeFeld(this, m + 8, 0, Spalte, 100);
    y = 6;
    r = ErzeugeRegler(PanelSpannung, 8, y, iw, tr("max. Beschleunigungs-\nspannung:").split(QLatin1Char('\n')),
                      Zahlenskala(10, 30, 5, 1, QStringLiteral("V")), 10, 30, 20, true,
                      [this] { TrackBarUaMaxChange(); });
    TrackBarUaMax = r.bar;
    UpDownUaMax = r.updown;
    y += r.hoehe + 2;
    PanelBeschleuniggSp3 = new Panel(PanelSpannung, Panel::Rand::Gesenkt);
    PanelBeschleuniggSp3->setFarbe(FarbePanel);
    Setze(PanelBeschleuniggSp3, 8, y, iw, 22);
    y += 30;
    r = ErzeugeRegler(PanelSpannung, 8, y, iw, {tr("Gegenspannung:")},
                      Zahlenskala(10, 30, 10, 10, QStringLiteral("V")), 10, 30, 20, true,
                      [this] { ParameterChange(); });
    TrackBarUg = r.bar;
    UpDownUg = r.updown;
    y += r.hoehe + 2;
    PanelGegenSp3 = new Panel(PanelSpannung, Panel::Rand::Gesenkt);
    PanelGegenSp3->setFarbe(FarbePanel);
    Setze(PanelGegenSp3, 8, y, iw, 22);
    y += 30;
    PanelSpannung->resize(Spalte, y);
    {
        int oben = titelUnten + 8, abstand = 8;
        const int rest = R - titelUnten - PanelAtome->height() - PanelSpannung->height();
        if (oben + PanelAtome->height() + abstand + PanelSpannung->height() > R) {
            oben = titelUnten + std::max(0, rest / 3);
            abstand = std::max(0, rest / 3);
        }
        PanelAtome->move(m + 8, oben);
        PanelSpannung->move(m + 8, oben + PanelAtome->height() + abstand);
    }

    // ---- simulation panel ----
    PanelSimulation = ErzeugeFeld(this, bildLinks + 23 * e_ + 8, PanelAtome->y(), Spalte, 100);
    ErzeugeLaufsteuerung(PanelSimulation);
    BitBtnStart = BitBtnLicht;
    disconnect(BitBtnStart, &QPushButton::clicked, this, nullptr);
    disconnect(PanelKontrolle, &Panel::geklickt, this, nullptr);
    connect(BitBtnStart, &QPushButton::clicked, this, [this] { BitBtnStartClick(); });
    connect(PanelKontrolle, &Panel::geklickt, this, [this] { BitBtnStartClick(); });
    y = 8;
    Setze(PanelKontrolle, 8, y, 30, 30);
    Setze(BitBtnStart, 44, y, iw - 36, 30);
    y += 38;
    Setze(BitBtnStop, 8, y, iw, 30);
    y += 40;
    r = ErzeugeRegler(PanelSimulation, 8, y, iw, {tr("Spannung steigt")},
                      {{0, tr("in kleinen")}, {5, tr("großen")}}, 0, 5, 4, true,
                      [this] { ParameterChange(); });
    TrackBarSchritte = r.bar;
    UpDownSchritte = r.updown;
    TrackBarSchritte->setAccessibleName(tr("Spannung steigt in kleinen oder großen Schritten"));
    y += r.hoehe;
    Beschriftung(PanelSimulation, tr("Schritten"), 8, y, iw, 16);
    y += 22;
    r = ErzeugeRegler(PanelSimulation, 8, y, iw, {tr("mit")},
                      {{5, tr("wenig")}, {50, tr("vielen")}}, 5, 50, 40, false,
                      [this] { ParameterChange(); });
    TrackBarTempo = r.bar;
    TrackBarTempo->setAccessibleName(tr("Elektronen pro Schritt"));
    y += r.hoehe;
    Beschriftung(PanelSimulation, tr("Elektronen pro Schritt"), 8, y, iw, 16);
    y += 24;
    PanelSimulation->resize(Spalte, y);

    // ---- hint buttons, halfway down below the simulation panel ----
    const int simUnten = PanelSimulation->y() + PanelSimulation->height();
    PanelHinweise = ErzeugeFeld(this, PanelSimulation->x(), 0, Spalte, 88);
    PanelHinweise->move(PanelSimulation->x(),
                        std::clamp((simUnten + BildschirmHoehe) / 2 - 44, simUnten + 8, std::max(simUnten + 8, R - 96)));
    ErzeugeHinweis(PanelHinweise, tr("&Hinweise/Info"), QString(), [this] { SchreibeHinweise(); });
    ErzeugeErgebnis(PanelHinweise, tr("&Beobachtung"), QString(), [this] { SchreibeErgebnis(); });
    BitBtnInfo = BitBtnHinweis;
    Setze(BitBtnInfo, 8, 8, iw, 32);
    Setze(BitBtnErgebnis, 8, 48, iw, 32);
    BitBtnErgebnis->setEnabled(false);

    // ---- text panels ----
    const int tLinks = PanelAtome->x() + Spalte + 16;
    const int tBreite = std::max(200, PanelSimulation->x() - 32 - tLinks);
    const int tOben = titelUnten + 8;
    const int tHoehe = std::max(120, R - tOben);
    for (TextTafel *t : {&Hinweis, &Ergebnis}) {
        t->setzeGeometrie(tLinks, tOben, tBreite, tHoehe);
        Setze(t->edit, 8, 8, tBreite - 16, tHoehe - 48);
        t->loeschen->setText(tr("l&öschen"));
        Setze(t->loeschen, tBreite - 8 - 105, tHoehe - 8 - 25, 105, 25);
    }
    Hinweis.panel->setFarbe(0xFFFF95);
    Hinweis.edit->setHintergrund(0xFFFF95);
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

    // ---- notice over the graph ----
    PanelGeduld = new Panel(this);
    PanelGeduld->setFarbe(FarbeBalken);
    PanelGeduld->setCaption(tr("Bitte Geduld!\nDer Auffängerstrom ist (noch) sehr klein."));
    SetzeSchrift(PanelGeduld, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(PanelGeduld, bildLinks + (23 * e_ - 380) / 2, Image2->y() + (Image2->height() - 64) / 2, 380, 64);
    PanelGeduld->hide();

    Hinweis.panel->raise();
    Ergebnis.panel->raise();
    BitBtnZurueck->raise();
    SchreibeWerte();
}

void TFormFranckHertzKurve2::BilderZeichnen()
{
    Zeichner().ZeichneFranckHertz(voltZeiger, stromZeiger_);
    VorbereitenImage2();
}

Rohrzeichner TFormFranckHertzKurve2::Zeichner()
{
    Rohrzeichner z(Image1->canvas(), punkte_);
    z.grund = zeichengrund_;
    z.rohrInnen = FarbeGasKurve;
    return z;
}

double TFormFranckHertzKurve2::UaMax() const { return TrackBarUaMax->Position(); }
double TFormFranckHertzKurve2::Ug() const { return TrackBarUg->Position() / 10.0; }
double TFormFranckHertzKurve2::E() const { return TrackBarAnregEnergie->Position() / 10.0; }
int TFormFranckHertzKurve2::S() const { return TrackBarSchritte->Position(); }

void TFormFranckHertzKurve2::SchreibeWerte()
{
    PanelBeschleuniggSp3->setCaption(QStringLiteral("%1\u00A0V").arg(TrackBarUaMax->Position()));
    PanelGegenSp3->setCaption(tr("%1\u00A0Volt").arg(Komma(Ug(), 1)));
    PanelAnregEn3->setCaption(QStringLiteral("%1\u00A0eV").arg(Komma(E(), 1)));
}

void TFormFranckHertzKurve2::SchreibeHinweise()
{
    TextStil stil = StilHinweis();
    stil.abstandGroesse = 8;
    stil.hintergrund = 0xFFFF95;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/franckhertz/franckhertzkurve_hinweis.txt")), stil);
    Hinweis.edit->moveCursor(QTextCursor::Start);
}

void TFormFranckHertzKurve2::SchreibeErgebnis()
{
    TextStil stil = StilErgebnis();
    stil.abstandGroesse = 8;
    stil.hervorhebung2Fett = true;
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/franckhertz/franckhertzkurve_ergebnis.txt")), stil);
    Ergebnis.edit->moveCursor(QTextCursor::Start);
}

// ---- descriptions for screen readers ----------------------------------------------------------------

namespace {

// "a, b und c"
QString Aufzaehlung(const QStringList &teile)
{
    if (teile.size() < 2)
        return teile.join(QString());
    return teile.mid(0, teile.size() - 1).join(QStringLiteral(", ")) + TFormFranckHertzKurve2::tr(" und ") +
           teile.last();
}

QString Volt(double u, int stellen = 1) { return QStringLiteral("%1\u00A0V").arg(Komma(u, stellen)); }

}  // namespace

QString TFormFranckHertzKurve2::RoehreBeschreibung() const
{
    // "\u00A0" ends its literal before "eV": lupdate would read the "e" as part of the escape
    QString text = tr("Gasgefüllte Röhre mit Kathode, Gitter und Auffänger; höchste Beschleunigungsspannung "
                      "%1\u00A0V, Gegenspannung %2\u00A0V, Anregungsenergie der Atome %3\u00A0" "eV.")
                       .arg(TrackBarUaMax->Position())
                       .arg(Komma(Ug(), 1), Komma(E(), 1));
    if (an && !werte_.isEmpty())
        text += QLatin1Char(' ') + tr("Der Schalter ist geschlossen; das Spannungsmessgerät zeigt %1, "
                                      "der Strommesser %2\u00A0% seines Vollausschlags.")
                                       .arg(Volt(werte_.last().x()))
                                       .arg(Runde(100 * stromZeiger_.wert));
    else if (an)
        text += QLatin1Char(' ') + tr("Der Schalter ist geschlossen.");
    else
        text += QLatin1Char(' ') + tr("Der Schalter ist offen, beide Zeiger stehen auf null.");
    return text;
}

QString TFormFranckHertzKurve2::KurveBeschreibung() const
{
    QString text = tr("Die Achse der Beschleunigungsspannung reicht bis %1\u00A0V.")
                       .arg((TrackBarUaMax->Position() + 4) / 5 * 5);
    if (werte_.isEmpty())
        return text + QLatin1Char(' ') + tr("Noch keine Messwerte.");
    // voltages to the step's precision: small steps with two decimals
    const qsizetype n = werte_.size();
    const int stellen = n > 1 && (werte_.last().x() - werte_.first().x()) / double(n - 1) < 0.1 ? 2 : 1;
    text += QLatin1Char(' ') + (n == 1 ? tr("Aufgezeichnet bei %1").arg(Volt(werte_.first().x(), stellen))
                                       : tr("Aufgezeichnet von %1 bis %2 in %3 Schritten")
                                             .arg(Volt(werte_.first().x(), stellen), Volt(werte_.last().x(), stellen))
                                             .arg(n));
    const auto strom = std::find_if(werte_.cbegin(), werte_.cend(), [](const QPointF &p) { return p.y() > 0; });
    if (strom == werte_.cend())
        text += tr(", bisher ohne Strom.");
    else
        text += tr(", Strom ab %1.").arg(Volt(strom->x(), stellen));
    QStringList maxima;
    for (double u : KurvenMaxima(werte_))
        maxima.append(Volt(u, stellen));
    if (maxima.isEmpty())
        text += QLatin1Char(' ') + tr("Noch kein Maximum des Auffängerstroms.");
    else if (maxima.size() == 1)
        text += QLatin1Char(' ') + tr("Ein Maximum des Auffängerstroms bei %1.").arg(maxima.first());
    else
        text += QLatin1Char(' ') + tr("Maxima des Auffängerstroms bei %1.").arg(Aufzaehlung(maxima));
    return text;
}

// ---- the graph --------------------------------------------------------------------------------------

void TFormFranckHertzKurve2::VorbereitenImage2()
{
    werte_.clear();  // the recorded bars go with the graph
    N = 200 * TrackBarTempo->Position();
    const KurvenAchsen a = ZeichneKurvenAchsen(Image2->canvas(), zeichengrund_, e_, TrackBarUaMax->Position(), N);
    ursprungX = a.ursprungX;
    ursprungY = a.ursprungY;
    k_ = a.k;
    balkenSkala = a.balkenSkala;
}

// ---- run --------------------------------------------------------------------------------------------

void TFormFranckHertzKurve2::Ausschalten()
{
    AnAusSchalten(false);
    LaufStoppen();
    pause = false;
    BitBtnStop->setText(tr("&unterbrechen"));
    if (BilderGezeichnet())
        Zeichner().ZeichneSchalter(true);
    PanelGeduld->hide();
}

void TFormFranckHertzKurve2::BitBtnStartClick()
{
    if (an) {
        Ausschalten();
        return;
    }
    AnAusSchalten(true);
    BilderBereitstellen();  // the run draws on both pictures
    Zeichner().ZeichneSchalter(false);
    LaufStarten();  // a run still ending is followed by this one
}

Ablauf TFormFranckHertzKurve2::Simulation()
{
    VorbereitenImage2();
    PanelGeduld->show();
    PanelGeduld->raise();
    KurvenParameter par;
    par.p = TrackBarStossW->Position() * 8e-4;
    par.E = E();
    par.Ug = Ug();
    par.N = N;
    par.kathodeX = punkte_.kathodeX;
    par.gitterX = punkte_.gitterX;
    par.auffaengerX = punkte_.auffaengerX;
    const int s = S();
    const double uaMax = UaMax();
    double U = double(s) / k_;
    int t = 0;
    Rohrzeichner z = Zeichner();
    Canvas &c = Image2->canvas();
    while (U < uaMax && !Gestoppt()) {
        U = std::min(U + double(2 * s + 1) / k_, uaMax);
        z.ZeigerSetzen(voltZeiger, U / uaMax);
        par.U = U;
        const int n = KurvenSchritt(par, zufall_);
        if (n > 1)
            PanelGeduld->hide();
        const int I = Auffaengerstrom(n, U, uaMax);
        werte_.append(QPointF(U, I));
        ++t;
        ZeichneKurvenBalken(c, {ursprungX, ursprungY, k_, balkenSkala}, t, s, I);
        z.ZeigerSetzen(stromZeiger_, StromZeiger(I, N));
        co_await Warte(0);
    }
}

void TFormFranckHertzKurve2::LaufBeendet()
{
    SimFenster::LaufBeendet();
    Rohrzeichner z = Zeichner();
    z.ZeigerSetzen(stromZeiger_, 0);
    z.ZeigerSetzen(voltZeiger, 0);
    Ausschalten();
}

void TFormFranckHertzKurve2::BitBtnStopClick()
{
    if (LaufAktiv())
        SimFenster::BitBtnStopClick();  // the run holds in its waits while paused
    BitBtnStop->setText(pause ? tr("&weiter") : tr("&unterbrechen"));
}

void TFormFranckHertzKurve2::BitBtnZurueckClick()
{
    Ausschalten();
    close();
}

void TFormFranckHertzKurve2::FormClose()
{
    if (an)
        Ausschalten();
}

void TFormFranckHertzKurve2::TrackBarUaMaxChange()
{
    SchreibeWerte();
    if (an)
        Ausschalten();
    if (BilderGezeichnet())  // else the axes are drawn when shown
        VorbereitenImage2();
}

void TFormFranckHertzKurve2::ParameterChange()
{
    SchreibeWerte();
    if (an)
        Ausschalten();
}

void TFormFranckHertzKurve2::mousePressEvent(QMouseEvent *ev)
{
    SimFenster::mousePressEvent(ev);
    if (BitBtnErgebnis->isEnabled())
        BitBtnErgebnisClick();
}
