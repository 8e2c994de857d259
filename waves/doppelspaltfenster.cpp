#include "doppelspaltfenster.h"

#include "bausteine.h"
#include "bild.h"
#include "richtext.h"

#include <QApplication>

#include <algorithm>
#include <utility>

using namespace Doppelspalt;

namespace {
// Shrinks a control's bold font (from 10 down to 7 points) until its text fits the width.
void SchriftEinpassen(QWidget *w, const QString &text, int breite)
{
    for (int punkte = 10; punkte >= 7; --punkte) {
        SetzeSchrift(w, QStringLiteral("Trebuchet MS"), punkte, true);
        if (w->fontMetrics().horizontalAdvance(text) <= breite)
            return;
    }
}
}  // namespace

TFormDoppelspalt::TFormDoppelspalt(QWidget *parent)
    : SimFenster(tr("Doppelspaltversuch mit Elektronen oder Photonen"), parent)
{
    grund_ = FarbeZeichengrund;  // this window's own drawing background from now on
    z_.grund = grund_;
    Bildschirmmasse b;
    b.breite = BildschirmBreite;
    b.hoehe = BildschirmHoehe;
    b.zurueckOben = ZurueckOben;
    b.spalteLinks = StandardSpalte(BildschirmBreite).links;
    layout_ = BerechneLayout(b);
    const Layout &l = layout_;

    ErzeugeTitel(tr("Der Doppelspaltversuch"), l.titel.left(), l.titel.top(), l.titel.width(), l.titel.height());
    Image1 = new Bild(this);
    Image1->move(l.bild.topLeft());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());
    BildBeschreiben(Image1, tr("Schirm mit den Auftreffpunkten"), [this] { return BildBeschreibung(); });

    ErzeugeSpalte();
    ErzeugeUnten();

    // the text panels take exactly the picture's bounds
    auto tafel = [&](TextTafel &t, TColor farbe) {
        t.setzeGeometrie(l.bild.left(), l.bild.top(), l.bild.width(), l.bild.height());
        Setze(t.edit, 8, 8, l.bild.width() - 18, l.bild.height() - 40);
        t.edit->setHintergrund(farbe);
        t.panel->setFarbe(FarbePanel);
        t.loeschen->setText(tr("l&öschen"));
        Setze(t.loeschen, l.bild.width() - 8 - 97, l.bild.height() - 28, 97, 24);
    };
    tafel(Hinweis, 0xFFFF95);
    tafel(Ergebnis, 0xBFFFFF);
    SchreibeHinweiseSelbst();
    SchreibeBeobachtungSelbst();
    BitBtnZurueck->raise();

    TrackBarPauseChange();
    ZeichneAlles();  // the state; the screen is drawn when the window is first shown
}

void TFormDoppelspalt::ErzeugeSpalte()
{
    const Layout &l = layout_;
    const int innen = SpaltenBreite - 16;

    PanelAnordnung = ErzeugePanel(this, l.anordnung);
    RadioGroupAnordnung = new RadioGroup(tr("Mit &Versuchsanordnung"), {tr("ja "), tr("nein")}, PanelAnordnung, 2);
    Setze(RadioGroupAnordnung, 8, 4, innen, 44);
    RadioGroupAnordnung->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupAnordnung);
    connect(RadioGroupAnordnung, &RadioGroup::geklickt, this, [this] { RadioGroupAnordnungClick(); });
    CheckBoxZoom = new QCheckBox(tr("Schirm &größer zeichnen"), PanelAnordnung);
    Setze(CheckBoxZoom, 10, 50, innen - 4, 20);
    connect(CheckBoxZoom, &QCheckBox::toggled, this, [this] { CheckBoxZoomClick(); });

    PanelSehrichtung = new Panel(PanelAnordnung, Panel::Rand::Gesenkt);
    PanelSehrichtung->setFarbe(FarbePanel);
    Setze(PanelSehrichtung, 8, 74, innen, 81);
    Beschriftung(PanelSehrichtung, tr("Blickrichtung"), 6, 2, 120);
    TrackBarSehBreite = new TrackBar(Qt::Horizontal, PanelSehrichtung);
    TrackBarSehBreite->setBereich(-45, 45, 40);
    TrackBarSehBreite->setTickPosition(QSlider::TicksBelow);
    TrackBarSehBreite->setTickInterval(15);
    Setze(TrackBarSehBreite, 4, 24, 112, 30);
    TrackBarSehBreite->setAccessibleName(tr("Blickrichtung von links oder rechts"));
    UpDownSehBreite = new UpDown(PanelSehrichtung, Qt::Horizontal);
    UpDownSehBreite->setBereich(-45, 45, 40);  // the bar's range: a click never jumps
    Setze(UpDownSehBreite, 30, 56, 40, 20);
    TrackBarSehHoehe = new TrackBar(Qt::Vertical, PanelSehrichtung);
    TrackBarSehHoehe->setBereich(45, 80, 75);
    Setze(TrackBarSehHoehe, 124, 4, 28, 73);
    TrackBarSehHoehe->setAccessibleName(tr("Blickrichtung von oben"));
    UpDownSehHoehe = new UpDown(PanelSehrichtung);
    UpDownSehHoehe->setBereich(45, 80, 75);
    UpDownSehHoehe->setSchritt(-1);
    Setze(UpDownSehHoehe, 154, 14, 20, 50);
    connect(UpDownSehBreite, &UpDown::geklickt, this,
            [this] { TrackBarSehBreite->setPosition(UpDownSehBreite->Position()); });
    connect(UpDownSehHoehe, &UpDown::geklickt, this,
            [this] { TrackBarSehHoehe->setPosition(UpDownSehHoehe->Position()); });
    connect(TrackBarSehBreite, &QSlider::valueChanged, this, [this](int w) {
        UpDownSehBreite->setPosition(w);
        TrackBarSehChange();
    });
    connect(TrackBarSehHoehe, &QSlider::valueChanged, this, [this](int w) {
        UpDownSehHoehe->setPosition(w);
        TrackBarSehChange();
    });

    auto tafel = [&](const QRect &ort, const QString &titel, int min, int max, int pos, TrackBar *&bar,
                     UpDown *&ud, std::function<void()> geaendert) {
        Panel *p = ErzeugePanel(this, ort);
        Beschriftung(p, titel, 8, 2, innen);
        const Schieber s = ErzeugeSchieber(p, min, max, pos, QRect(8, 20, innen, 30), true, std::move(geaendert));
        bar = s.bar;
        ud = s.updown;
        bar->setSkala({{min, tr("klein")}, {max, tr("groß")}});
        SetzeSchrift(bar->skala(), QStringLiteral("Trebuchet MS"), 8, true);
        return p;
    };
    PanelSpaltAbstand = tafel(l.spaltAbstand, tr("Abstand der 2 Spalte"), 6, 12, 8, TrackBarSpaltAbst,
                              UpDownSpaltAbst, [this] { TrackBarSpaltAbstChange(); });
    PanelLambda = tafel(l.lambda, tr("Wellenlänge"), 5, 40, 15, TrackBarLambda, UpDownlambda,
                        [this] { TrackBarLambdaChange(); });

    PanelGraph = ErzeugePanel(this, l.graph);
    CheckBoxGraph = new QCheckBox(tr("Mit &Wellenintensität"), PanelGraph);
    Setze(CheckBoxGraph, 10, 10, innen - 4, 22);
    connect(CheckBoxGraph, &QCheckBox::toggled, this, [this] { CheckBoxGraphClick(); });

    PanelSimulation = ErzeugePanel(this, l.simulation);
    Beschriftung(PanelSimulation, tr("Simulation"), 8, 2, innen, 18, Qt::AlignCenter);
    TrackBarPause = new TrackBar(Qt::Horizontal, PanelSimulation);
    TrackBarPause->setBereich(0, 5, 4);
    TrackBarPause->setTickPosition(QSlider::TicksBelow);
    TrackBarPause->setTickInterval(1);
    Setze(TrackBarPause, 8, 20, innen, 30);
    TrackBarPause->setSkala({{0, tr("langsam")}, {5, tr("schnell")}});
    SetzeSchrift(TrackBarPause->skala(), QStringLiteral("Trebuchet MS"), 8, true);
    connect(TrackBarPause, &QSlider::valueChanged, this, [this] { TrackBarPauseChange(); });
    ErzeugeLaufsteuerung(PanelSimulation);
    BitBtnUnterbrechen = BitBtnStop;
    Setze(PanelKontrolle, 8, 72, 26, 26);
    Setze(BitBtnLicht, 42, 70, innen - 34, 30);
    Setze(BitBtnStop, 42, 106, innen - 34, 30);
    BitBtnLoeschen = new BitBtn(tr("Schirm &löschen"), PanelSimulation);
    Setze(BitBtnLoeschen, 8, 144, innen, 32);
    BitBtnLoeschen->setEnabled(false);
    connect(BitBtnLoeschen, &QPushButton::clicked, this, [this] { BitBtnLoeschenClick(); });
}

void TFormDoppelspalt::ErzeugeUnten()
{
    const Layout &l = layout_;
    PanelKlassisch = ErzeugePanel(this, l.klassisch);
    CheckBoxKlassisch =
        new QCheckBox(tr("Erwartung auf Grund der Wellentheorie (mit starker Lichtquelle)"), PanelKlassisch);
    Setze(CheckBoxKlassisch, 10, 6, l.klassisch.width() - 16, 22);
    SchriftEinpassen(CheckBoxKlassisch, CheckBoxKlassisch->text(), l.klassisch.width() - 16 - 24);
    const QString grau = tr("Zur besseren Unterscheidung mit Graustufen (statt gelb)");
    QLabel *label = Beschriftung(PanelKlassisch, grau, 30, 30, l.klassisch.width() - 36);
    SchriftEinpassen(label, grau, l.klassisch.width() - 36);
    connect(CheckBoxKlassisch, &QCheckBox::toggled, this, [this] { CheckBoxKlassischClick(); });

    PanelBeobHinw = ErzeugePanel(this, l.beobHinw);
    const int halb = (l.beobHinw.width() - 24) / 2;
    ErzeugeHinweis(PanelBeobHinw, tr("&Infos"), QString(), [this] { SchreibeHinweiseSelbst(); });
    ErzeugeErgebnis(PanelBeobHinw, tr("&Beobachtung"), QString(), [this] { SchreibeBeobachtungSelbst(); });
    BitBtnBeobachtung = BitBtnErgebnis;
    Setze(BitBtnHinweis, 8, 8, halb, l.beobHinw.height() - 16);
    Setze(BitBtnBeobachtung, 16 + halb, 8, halb, l.beobHinw.height() - 16);
    BitBtnBeobachtung->setEnabled(false);
}

// ---- drawing ------------------------------------------------------------------------------

void TFormDoppelspalt::ZeichneAlles()
{
    const bool mit = RadioGroupAnordnung->ItemIndex() == 0;
    z_.mit = mit;
    z_.m = MasseVon(Image1->bildGroesse().width(), Image1->bildGroesse().height(), layout_.g, mit,
                    CheckBoxZoom->isChecked());
    z_.blick = mit ? Blick::Aus(TrackBarSehBreite->Position(), TrackBarSehHoehe->Position()) : Blick{};
    z_.d = TrackBarSpaltAbst->Position();
    z_.I = Intensitaeten(z_.m.hw, LambdaAus(TrackBarLambda->Position()), z_.d);
    z_.graph = CheckBoxGraph->isChecked();
    z_.klassisch = CheckBoxKlassisch->isChecked();
    z_.grund = grund_;
    PanelSehrichtung->setVisible(mit);
    if (BilderGezeichnet())
        BilderZeichnen();
    if (z_.klassisch)
        BitBtnLoeschen->setEnabled(true);
}

// The screen, cleared, with what is ticked and the apparatus in front of it; the hits are
// added by the run and stay (the picture is kept when the window is hidden).
void TFormDoppelspalt::BilderZeichnen()
{
    DoppelspaltBild(Image1->canvas(), z_).ZeichneAlles();
    aufSchirm_ = 0;
    gespiegelt_ = false;
}

void TFormDoppelspalt::ApparatNeu()
{
    if (!z_.mit || !BilderGezeichnet())
        return;
    DoppelspaltBild bild(Image1->canvas(), z_);
    bild.ZeichneTisch();
    bild.ZeichneSpaltBlende();
    bild.ZeichneQuelle();
}

void TFormDoppelspalt::StoppenUndZeichnen()
{
    LaufStoppen();
    z_.lampe = false;
    AnAusSchalten(false);
    ZeichneAlles();
}

// ---- run ------------------------------------------------------------------------------------

void TFormDoppelspalt::BitBtnLichtClick()
{
    z_.lampe = !z_.lampe;
    TafelVerbergen(Hinweis);
    TafelVerbergen(Ergebnis);
    AnAusSchalten(z_.lampe);
    pause = false;
    ApparatNeu();
    if (!z_.lampe)
        LaufStoppen();
    else
        LaufStarten();
}

void TFormDoppelspalt::LaufBeendet()
{
    SimFenster::LaufBeendet();  // the observation button with it
    if (z_.graph && BilderGezeichnet())
        DoppelspaltBild(Image1->canvas(), z_).ZeichneGraph(0x0000FF);
    if (!gestoppt_)
        Piepsen();
    const bool warAn = z_.lampe;
    z_.lampe = false;
    AnAusSchalten(false);
    if (warAn)
        ApparatNeu();
}

Ablauf TFormDoppelspalt::Simulation()
{
    BilderBereitstellen();  // the hits land on the drawn screen, also in a window never shown
    BitBtnLoeschen->setEnabled(true);
    Canvas &c = Image1->canvas();
    int k = 0;
    k_ = 0;
    gestoppt_ = true;  // until the hits are complete
    const auto ganz = [](int n) { return Zufall(n); };
    const auto reell = [] { return Zufall(); };
    while (k <= 320000 && !Gestoppt()) {
        // one batch of 64 hits, painted without a repaint per pixel; then only the changed
        // part of the picture is put on screen
        DoppelspaltBild bild(c, z_);
        auto melden = std::exchange(c.onChange, nullptr);
        QRect neu;
        for (int imStapel = 0; imStapel < 64 && k <= 320000;) {
            const Ziehung z = Ziehe(z_.I, z_.m.hw, z_.m.hh, ganz, reell);
            if (!z.angenommen)
                continue;
            neu |= bild.Treffer(z.a, z.c, vierfach_);
            ++aufSchirm_;
            gespiegelt_ = gespiegelt_ || vierfach_;
            k_ = ++k;
            ++imStapel;
            if (k == 1024)
                BitBtnBeobachtung->setEnabled(true);
        }
        c.onChange = std::move(melden);
        if (!neu.isEmpty())
            Image1->update(neu);
        co_await Warte(std::uint32_t(Verzoegerung));
    }
    gestoppt_ = Gestoppt();
}

// ---- handlers ---------------------------------------------------------------------------------

void TFormDoppelspalt::RadioGroupAnordnungClick() { StoppenUndZeichnen(); }
void TFormDoppelspalt::CheckBoxZoomClick() { StoppenUndZeichnen(); }
void TFormDoppelspalt::TrackBarSpaltAbstChange() { StoppenUndZeichnen(); }
void TFormDoppelspalt::TrackBarLambdaChange() { StoppenUndZeichnen(); }

void TFormDoppelspalt::TrackBarSehChange()
{
    // the view only redraws; a running simulation goes on painting into the new projection
    ZeichneAlles();
}

void TFormDoppelspalt::CheckBoxGraphClick()
{
    z_.graph = CheckBoxGraph->isChecked();
    if (!BilderGezeichnet())
        return;
    DoppelspaltBild(Image1->canvas(), z_).ZeichneGraph(z_.graph ? 0x0000FF : 0x000000);
    ApparatNeu();  // what stands in front of the screen stays in front
}

void TFormDoppelspalt::CheckBoxKlassischClick()
{
    z_.klassisch = CheckBoxKlassisch->isChecked();
    if (!z_.klassisch) {
        ZeichneAlles();
        return;
    }
    BitBtnLoeschen->setEnabled(true);
    if (!BilderGezeichnet())
        return;
    DoppelspaltBild(Image1->canvas(), z_).ZeichneKlassisch();
    ApparatNeu();
}

void TFormDoppelspalt::TrackBarPauseChange()
{
    Verzoegerung = VerzoegerungAus(TrackBarPause->Position());
    vierfach_ = VierfachAus(TrackBarPause->Position());
}

void TFormDoppelspalt::BitBtnLoeschenClick()
{
    ZeichneAlles();
    if (!z_.lampe)
        BitBtnLoeschen->setEnabled(false);
}

// ---- screen readers ---------------------------------------------------------------------------

QString TFormDoppelspalt::BildBeschreibung() const
{
    QStringList saetze;
    if (z_.mit)
        saetze << (z_.lampe ? tr("Schräge Ansicht der Versuchsanordnung: Die sehr schwache Lampe leuchtet durch den "
                                 "Doppelspalt auf den Schirm.")
                            : tr("Schräge Ansicht der Versuchsanordnung: Lampe, Doppelspalt und Schirm; die Lampe ist "
                                 "aus."));
    else
        saetze << (z_.m.n > 1 ? tr("Der Schirm von vorn, vergrößert.") : tr("Der Schirm von vorn."));

    if (aufSchirm_ == 0)
        saetze << tr("Noch kein Quant ist auf dem Schirm angekommen.");
    else if (aufSchirm_ == 1)
        saetze << tr("Bisher ist ein Quant auf dem Schirm angekommen.");
    else
        saetze << (gespiegelt_ ? tr("Bisher sind %1 Quanten auf dem Schirm angekommen, zum Teil vierfach gespiegelt "
                                    "eingezeichnet.")
                               : tr("Bisher sind %1 Quanten auf dem Schirm angekommen."))
                      .arg(aufSchirm_);

    if (z_.graph) {
        // the maxima of the intensity right of the middle; fainter ones than 5 % of the middle hardly show
        int seitlich = 0;
        for (std::size_t u = 1; u + 1 < z_.I.size(); ++u)
            seitlich += z_.I[u] > z_.I[u - 1] && z_.I[u] >= z_.I[u + 1] && z_.I[u] >= 0.05;
        if (seitlich == 0)
            saetze << tr("Die rote Kurve der Wellenintensität hat ein einziges Maximum in der Mitte.");
        else
            saetze << (seitlich == 1 ? tr("Die rote Kurve der Wellenintensität hat ihr höchstes Maximum in der "
                                          "Mitte und ein weiteres zu jeder Seite.")
                                     : tr("Die rote Kurve der Wellenintensität hat ihr höchstes Maximum in der "
                                          "Mitte und %1 weitere zu jeder Seite.")
                                           .arg(seitlich));
    }
    if (z_.klassisch)
        saetze << tr("Graue Streifen zeigen, wie hell der Schirm nach der Wellentheorie mit starker Lichtquelle wäre.");
    return saetze.join(QLatin1Char(' '));
}

// ---- texts ------------------------------------------------------------------------------------

void TFormDoppelspalt::SchreibeHinweiseSelbst()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    stil.abstandGroesse = 8;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/waves/doppelspalt_info.txt")), stil);
}

void TFormDoppelspalt::SchreibeBeobachtungSelbst()
{
    TextStil stil = StilErgebnis();
    stil.abstandGroesse = 8;
    stil.hervorhebung2Fett = true;
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/waves/doppelspalt_beobachtung.txt")), stil);
}
