#include "heisenbergfenster.h"

#include "bausteine.h"
#include "bild.h"
#include "richtext.h"
#include "zahltext.h"

#include <QApplication>

#include <algorithm>
#include <utility>

using namespace Heisenberg;

namespace {
QString Q(const char *s) { return QString::fromUtf8(s); }
}  // namespace

TFormHeisenberg::TFormHeisenberg(QWidget *parent) : SimFenster(tr("Heisenberg’sche Unschärferelation"), parent)
{
    grund_ = FarbeZeichengrund;  // this window's own drawing background from now on
    z_.grund = grund_;
    Bildschirmmasse b;
    b.breite = BildschirmBreite;
    b.hoehe = BildschirmHoehe;
    b.zurueckOben = ZurueckOben;
    layout_ = BerechneLayout(b);
    const Layout &l = layout_;
    BilderFreigebbar();  // every show opens on the step's starting picture (FormActivate)

    ErzeugeTitel(tr("Die Heisenberg’sche Unschärferelation"), l.titel.left(), l.titel.top(), l.titel.width(),
                 l.titel.height());
    Image1 = new Bild(this);
    BildBeschreiben(Image1, tr("Spalt mit Licht und Photonen"), [this] { return BildBeschreibung(); });
    ErzeugeTextTafel();
    ErzeugeSpalte();
    ErzeugeUnten();

    ErzeugeHinweis(PanelHinweise, tr("Infos"), QString(), [this] { SchreibeHinweise(); });
    BitBtnInfo = BitBtnHinweis;
    Setze(BitBtnInfo, 8, 8, l.hinweise.width() - 16, l.hinweise.height() - 16);
    Hinweis.setzeGeometrie(l.info.left(), l.info.top(), l.info.width(), l.info.height());
    Hinweis.edit->setHintergrund(0xFFFF95);
    Hinweis.panel->setFarbe(FarbePanel);
    Hinweis.loeschen->setText(tr("Info löschen"));

    const QRect gross = l.bild(4);
    const RechenTafel rechne =
        ErzeugeRechenTafel(this, QRect(gross.center().x() - 170, gross.center().y() - 45, 340, 90), 384);
    PanelIchRechne = rechne.panel;
    ProgressBar1 = rechne.balken;
    BitBtnZurueck->raise();

    ImageSetzen(4, grund_);
    ImageSetzen(RadioGroupZeichenflaeche->ItemIndex() + 2, grund_);
    schritt_ = 1;
    PaneleButtonAktualisieren();  // the picture is drawn when the window is shown
}

// The sprites, and the step's picture before any run (FormActivate draws it again on every show).
void TFormHeisenberg::BilderZeichnen()
{
    if (photonBild_.isNull()) {
        photonBild_ = PhotonBild([](int n) { return Zufall(n); });
        markerBild_ = MarkerBild();
    }
    HeisenbergBild bild(Image1->canvas(), z_);
    bild.Loeschen();
    inhalt_ = {};
    AlleNichtGezeichnet();
    bild.ImageVorbereiten();
}

void TFormHeisenberg::ErzeugeTextTafel()
{
    const QRect &r = layout_.text;
    PanelText = ErzeugePanel(this, r);
    const int innen = r.width() - 16;
    PanelErgebnis1 = new Panel(PanelText, Panel::Rand::Gesenkt);
    PanelErgebnis1->setFarbe(FarbeTitel);
    SetzeSchrift(PanelErgebnis1, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(PanelErgebnis1, 8, 6, innen, 28);
    const int knopfH = 34;
    const int unten = r.height() - 8;
    BitBtnSchrittzurueck = new BitBtn(tr("&Schritt zurück"), PanelText);
    BitBtnzurueckzurueck = new BitBtn(tr("zum &Beginn"), PanelText);
    const int halb = (innen - 8) / 2;
    Setze(BitBtnSchrittzurueck, 8, unten - knopfH, halb, knopfH);
    Setze(BitBtnzurueckzurueck, 16 + halb, unten - knopfH, halb, knopfH);
    BitBtnWeiter = new BitBtn(tr("&nächster Schritt"), PanelText);
    BitBtnWeiter->setGlyph(GlyphBild(Glyphe::Start));
    Setze(BitBtnWeiter, 8, unten - 2 * knopfH - 6, innen, knopfH);
    CheckBoxNeuText = new QCheckBox(tr("Diesen Text neu erstellen"), PanelText);
    SetzeSchrift(CheckBoxNeuText, QStringLiteral("Trebuchet MS"), 8, false);
    Setze(CheckBoxNeuText, 10, unten - 2 * knopfH - 32, innen, 20);
    RichEditText = new RichEdit(PanelText);
    RichEditText->setAccessibleName(tr("Erklärung des Schritts"));
    RichEditText->setHintergrund(FarbeTextGrund);
    Setze(RichEditText, 8, 40, innen, unten - 2 * knopfH - 32 - 4 - 40);
    connect(BitBtnWeiter, &QPushButton::clicked, this, [this] { BitBtnWeiterClick(); });
    connect(BitBtnSchrittzurueck, &QPushButton::clicked, this, [this] { BitBtnSchrittzurueckClick(); });
    connect(BitBtnzurueckzurueck, &QPushButton::clicked, this, [this] { BitBtnzurueckzurueckClick(); });
    connect(CheckBoxNeuText, &QCheckBox::toggled, this, [this] { CheckBoxNeuTextClick(); });
}

void TFormHeisenberg::ErzeugeSpalte()
{
    const Layout &l = layout_;
    const int innen = SpaltenBreite - 16;
    auto tafel = [&](const QRect &ort, const QString &titel, const QList<TrackBar::Marke> &skala, int min, int max,
                     int pos, TrackBar *&bar, UpDown *&ud, std::function<void()> geaendert, QLabel **titelLabel) {
        Panel *p = ErzeugePanel(this, ort);
        QLabel *t = Beschriftung(p, titel, 8, 4, innen);
        const Schieber s =
            ErzeugeSkalenSchieber(p, min, max, pos, QRect(8, 26, innen, 32), skala, std::move(geaendert));
        bar = s.bar;
        ud = s.updown;
        if (titelLabel)
            *titelLabel = t;
        return p;
    };
    // the slit-width bar shows the full width, twice its value
    PanelSpaltB = tafel(l.spaltB, tr("Spaltbreite"),
                        {{40, Q("80")}, {60, Q("120")}, {80, Q("160")}, {100, tr("200\u00a0Pixel")}}, 30, 100, 80,
                        TrackBarSpaltB, UpDownSpaltB, [this] { TrackBarSpaltBChange(); }, nullptr);
    PanelLambda = tafel(l.lambda, tr("Wellenlänge"),
                        {{20, Q("20")}, {40, Q("40")}, {60, Q("60")}, {80, tr("80\u00a0Pixel")}}, 20, 80, 60,
                        TrackBarLambda, UpDownLambda, [this] { TrackBarLambdaChange(); }, nullptr);
    PanelAufloesung = tafel(l.aufloesung, tr("Zeichne Wellen"), {{1, tr("fein")}, {4, tr("grob")}}, 1, 4, 2,
                            TrackBarAufloesung, UpDownAufloesung, [this] { TrackBarAufloesungChange(); },
                            &LabelAufloesung);
    TrackBarAufloesung->setTickInterval(1);

    PanelMitIntens = ErzeugePanel(this, l.mitIntens);
    CheckBoxMitIntens = new QCheckBox(tr("Mit Licht&intensität"), PanelMitIntens);
    SetzeSchrift(CheckBoxMitIntens, QStringLiteral("Trebuchet MS"), 9, true);
    Setze(CheckBoxMitIntens, 6, 10, SpaltenBreite - 10, 22);
    connect(CheckBoxMitIntens, &QCheckBox::toggled, this, [this] { CheckBoxMitIntensClick(); });
    PanelSpur = ErzeugePanel(this, l.mitIntens);
    CheckBoxSpur = new QCheckBox(tr("Zeige „Spuren“"), PanelSpur);
    Setze(CheckBoxSpur, 10, 10, innen, 22);
    connect(CheckBoxSpur, &QCheckBox::toggled, this, [this] { CheckBoxSpurClick(); });

    PanelSimulation = ErzeugePanel(this, l.simulation);
    Beschriftung(PanelSimulation, tr("Simulation"), 8, 2, innen, 18, Qt::AlignCenter);
    ErzeugeLaufsteuerung(PanelSimulation);
    Setze(PanelKontrolle, 8, 26, 24, 24);
    Setze(BitBtnLicht, 38, 22, innen - 30, 30);
    Setze(BitBtnStop, 8, 58, innen, 30);
    ErzeugeTempo(PanelSimulation, 1, 8, 4, true);
    TempoSetzen(116, innen, 32);
}

void TFormHeisenberg::ErzeugeUnten()
{
    const Layout &l = layout_;
    PanelZeichenflaeche = ErzeugePanel(this, l.zeichenflaeche);
    RadioGroupZeichenflaeche = new RadioGroup(tr(" &Gezeichneter Ausschnitt "), {tr("klein"), tr("mittel"), tr("groß")},
                                              PanelZeichenflaeche, 3);
    Setze(RadioGroupZeichenflaeche, 8, 6, l.zeichenflaeche.width() - 16, l.zeichenflaeche.height() - 14);
    RadioGroupZeichenflaeche->setItemIndex(2);
    RadioGruppeVerdichten(RadioGroupZeichenflaeche);
    connect(RadioGroupZeichenflaeche, &RadioGroup::geklickt, this, [this] { RadioGroupZeichenflaecheClick(); });
    PanelHinweise = ErzeugePanel(this, l.hinweise);
}

// ---- picture --------------------------------------------------------------------------------

void TFormHeisenberg::ImageSetzen(int a, TColor farbe)
{
    a_ = std::clamp(a, 2, 4);
    const QRect r = layout_.bild(a_);
    Image1->move(r.topLeft());
    Image1->setBildGroesse(r.width(), r.height());
    z_.m = MasseVon(a_, layout_.U);
    AlleNichtGezeichnet();
    inhalt_ = {};
    if (!BilderGezeichnet())
        return;
    Canvas &c = Image1->canvas();
    c.brush = Pinsel{farbe, PinselStil::Solid};
    c.fillRect(0, 0, r.width(), r.height());
}

void TFormHeisenberg::WerteLesen()
{
    z_.schritt = schritt_;
    z_.lambda = TrackBarLambda->Position();
    z_.b = TrackBarSpaltB->Position();
    z_.theta1 = ErstesMinimum(z_.b, z_.lambda);
    z_.s = TrackBarAufloesung->Position();
    z_.feld = feld_ ? &*feld_ : nullptr;
    z_.richtungen = &richtungen_;
    z_.grund = grund_;
}

void TFormHeisenberg::Vorbereiten()
{
    WerteLesen();
    BitBtnWeiter->setVisible(schritt_ < 6);
    BitBtnSchrittzurueck->setVisible(schritt_ > 1);
    BitBtnzurueckzurueck->setVisible(schritt_ > 2);
    BitBtnStop->setText(tr("&unterbrechen"));
    if (BilderGezeichnet())
        HeisenbergBild(Image1->canvas(), z_).ImageVorbereiten();
}

bool TFormHeisenberg::IntensitaetGezeigt() const
{
    return schritt_ == 3 || (schritt_ > 4 && CheckBoxMitIntens->isChecked());
}

void TFormHeisenberg::BildNeu()
{
    WerteLesen();
    AlleNichtGezeichnet();
    if (!BilderGezeichnet())
        return;
    HeisenbergBild bild(Image1->canvas(), z_);
    bild.Loeschen();
    inhalt_ = {};
    if (an && IntensitaetGezeigt() && !neuRichtung_) {
        bild.ZeichneIntensitaetZoom();
        inhalt_.intensitaet = true;
    }
    bild.ImageVorbereiten();
    if (an && schritt_ >= 3)
        for (int i = 0; i < int(ph_.size()); ++i)
            if (ph_[std::size_t(i)].aktiv)
                SpriteZeichnen(i);
}

void TFormHeisenberg::AlleNichtGezeichnet()
{
    for (auto &g : gezeichnet_)
        g.ja = false;
}

QRect TFormHeisenberg::SpriteZeichnen(int i)
{
    const Photon &p = ph_[std::size_t(i)];
    Gezeichnet &g = gezeichnet_[std::size_t(i)];
    HeisenbergBild bild(Image1->canvas(), z_);
    g.mitte = bild.Pixel(p.x, p.y);
    g.gross = p.halb >= 12;
    g.ja = true;
    return bild.Sprite(g.gross ? photonBild_ : markerBild_, g.mitte);
}

QRect TFormHeisenberg::SpriteLoeschen(int i)
{
    Gezeichnet &g = gezeichnet_[std::size_t(i)];
    if (!g.ja)
        return {};
    g.ja = false;
    return HeisenbergBild(Image1->canvas(), z_).Sprite(g.gross ? photonBild_ : markerBild_, g.mitte);
}

// ---- steps ------------------------------------------------------------------------------------

void TFormHeisenberg::PaneleButtonAktualisieren()
{
    LaufStoppen();
    if (Hinweis.sichtbar())
        TafelVerbergen(Hinweis);
    PanelAufloesung->setVisible(schritt_ != 4);
    PanelLambda->setVisible(schritt_ != 4);
    LabelAufloesung->setText(schritt_ <= 2 ? tr("Zeichne Wellen") : tr("Zeichne Intensität"));
    PanelSpur->setVisible(schritt_ == 3);
    PanelMitIntens->setVisible(schritt_ > 4);
    PanelErgebnis1->setCaption(tr("Schritt %1 / 6").arg(schritt_));
    SchreibeText();
    SchreibeHinweise();
    AnAusSchalten(false);
    {
        const QSignalBlocker sperre(CheckBoxNeuText);  // a step change loads no file
        CheckBoxNeuText->setChecked(false);
    }
    // the picture is cleared on every step change
    Startbild();
}

void TFormHeisenberg::Startbild()
{
    if (BilderGezeichnet())
        HeisenbergBild(Image1->canvas(), z_).Loeschen();
    inhalt_ = {};
    AlleNichtGezeichnet();
    for (auto &p : ph_)
        p.aktiv = false;
    Vorbereiten();
}

void TFormHeisenberg::SchrittSetzen(int n)
{
    schritt_ = std::clamp(n, 1, 6);
    PaneleButtonAktualisieren();
}

void TFormHeisenberg::BitBtnWeiterClick() { SchrittSetzen(schritt_ + 1); }
void TFormHeisenberg::BitBtnSchrittzurueckClick() { SchrittSetzen(schritt_ - 1); }
void TFormHeisenberg::BitBtnzurueckzurueckClick() { SchrittSetzen(1); }

// ---- run ----------------------------------------------------------------------------------------

void TFormHeisenberg::FormActivate()
{
    // a run left with the back button ends at its next tick without drawing again; the
    // window opens on the step's starting picture, not on that run's last frame
    LaufStoppen();
    AnAusSchalten(false);
    pause = false;
    Startbild();
}

void TFormHeisenberg::Stoppen()
{
    LaufStoppen();
    AnAusSchalten(false);
    Vorbereiten();
}

Ablauf TFormHeisenberg::BerechnePhaseIntens()
{
    // The sums take at most about a fifth of a second; the panel shows meanwhile, and the
    // event loop gets its turns between the columns.
    Huygens::Rechnung r(WellenfeldAuftrag(z_.b, z_.lambda), SinCosTabelle);
    co_await MitRechenTafel(PanelIchRechne, ProgressBar1, [&] {
        const bool weiter = r.Schritt();
        if (r.fertig() % 10 == 0 || !weiter)
            ProgressBar1->setValue(384 * r.fertig() / std::max(1, r.gesamt()));
        return weiter;
    });
    if (r.fertig() < r.gesamt())
        co_return;  // stopped: the field is computed anew next time
    feld_ = r.Ergebnis();
    z_.feld = &*feld_;
    neuFeld_ = false;
}

Ablauf TFormHeisenberg::Simulation()
{
    BilderBereitstellen();  // the sprites and the starting picture, also in a window never shown
    if (Hinweis.sichtbar())
        TafelVerbergen(Hinweis);
    WerteLesen();
    const int N = BilderProPeriode(TrackBarTempo->Position());
    z_.c = z_.lambda / N;
    z_.p = 96.0 / N;
    if (schritt_ <= 2 && neuFeld_) {
        co_await BerechnePhaseIntens();
        if (neuFeld_)
            co_return;  // stopped while computing
    }
    if (schritt_ >= 2 && neuRichtung_) {
        richtungen_ = BerechneRichtungen(z_.b, z_.lambda);
        neuRichtung_ = false;
    }
    const auto ganz = [](int n) { return Zufall(n); };
    const auto reell = [] { return Zufall(); };
    Canvas &c = Image1->canvas();
    const bool vergroessert = Vergroessert(schritt_);

    // photons of an earlier run vanish; the slots start afresh
    for (int i = 0; i < int(ph_.size()); ++i)
        SpriteLoeschen(i);
    if (IntensitaetGezeigt()) {
        HeisenbergBild(c, z_).ZeichneIntensitaetZoom();
        inhalt_.intensitaet = true;
    }
    HeisenbergBild(c, z_).ImageVorbereiten();
    if (schritt_ >= 2)
        for (int i = 0; i < int(ph_.size()); ++i) {
            Photon &p = ph_[std::size_t(i)];
            p = Photon{};
            p.speed = schritt_ == 3 ? 1.0 : z_.c;
            p.halb = vergroessert ? 5 : 12;
            if (StartetJetzt(z_.c, z_.m, reell)) {
                Starte(p, z_.m, z_.b, vergroessert, richtungen_, ganz, reell);
                if (schritt_ >= 3)
                    SpriteZeichnen(i);
            }
        }

    for (t_ = 0;; ++t_) {
        HeisenbergBild bild(c, z_);
        QRegion neu;
        auto melden = std::exchange(c.onChange, nullptr);
        if (schritt_ <= 2) {
            bild.ZeichneWellen(t_);
            AlleNichtGezeichnet();  // the frame covers the whole picture
            inhalt_.welle = true;
            neu = QRegion(QRect(QPoint(), Image1->bildGroesse()));
        }
        if (schritt_ >= 2)
            for (int i = 0; i < int(ph_.size()); ++i) {
                Photon &p = ph_[std::size_t(i)];
                if (!p.aktiv) {
                    if (StartetJetzt(z_.c, z_.m, reell)) {
                        p.speed = schritt_ == 3 ? 1.0 : z_.c;
                        p.halb = vergroessert ? 5 : 12;
                        Starte(p, z_.m, z_.b, vergroessert, richtungen_, ganz, reell);
                        neu += SpriteZeichnen(i);
                    }
                    continue;
                }
                neu += SpriteLoeschen(i);
                if (schritt_ == 3 && CheckBoxSpur->isChecked()) {
                    neu += bild.Spur(bild.Pixel(p.x, p.y));
                    inhalt_.spuren = true;
                }
                Bewege(p);
                if (Verlaesst(p, z_.m, schritt_)) {
                    p.aktiv = false;
                    continue;
                }
                neu += SpriteZeichnen(i);
            }
        if (schritt_ == 4) {
            bild.VerschliesseSpalt();
            neu += QRect(z_.m.X0 + 4, 0, 9, z_.m.hoehe);
        }
        c.onChange = std::move(melden);
        if (!neu.isEmpty())
            Image1->update(neu);
        co_await Warte(std::uint32_t(Verzoegerung));
        if (Gestoppt())
            break;
    }
}

// ---- parameter handlers ----------------------------------------------------------------------------

void TFormHeisenberg::TrackBarSpaltBChange()
{
    neuFeld_ = neuRichtung_ = true;
    // the old slit would stay visible under the new one: the picture starts afresh
    LaufStoppen();
    WerteLesen();
    if (BilderGezeichnet())
        HeisenbergBild(Image1->canvas(), z_).Loeschen();
    inhalt_ = {};
    AlleNichtGezeichnet();
    Stoppen();
}

void TFormHeisenberg::TrackBarLambdaChange()
{
    neuFeld_ = neuRichtung_ = true;
    Stoppen();
}

void TFormHeisenberg::TrackBarAufloesungChange()
{
    if (an && !Gestoppt()) {
        if (IntensitaetGezeigt())
            BildNeu();
        else
            z_.s = TrackBarAufloesung->Position();
        return;
    }
    Stoppen();
}

void TFormHeisenberg::CheckBoxMitIntensClick()
{
    if (an && !Gestoppt())
        BildNeu();
}

void TFormHeisenberg::CheckBoxSpurClick()
{
    // clearing the box removes the traces: picture, intensity, scale and photons again
    if (!CheckBoxSpur->isChecked())
        BildNeu();
}

void TFormHeisenberg::RadioGroupZeichenflaecheClick()
{
    ImageSetzen(RadioGroupZeichenflaeche->ItemIndex() + 2, grund_);
    if (an && !Gestoppt())
        BildNeu();
    else
        Vorbereiten();
}

void TFormHeisenberg::BitBtnInfoClick() { BitBtnHinweisClick(); }

// ---- screen readers ---------------------------------------------------------------------------------------

QString TFormHeisenberg::BildBeschreibung() const
{
    const int s = schritt_;
    const QString breite = QString::number(2 * z_.b);  // as the slit-width bar's scale shows it
    const QString lambda = QString::number(Runde(z_.lambda));
    const bool minimum = z_.theta1 < M_PI / 2;  // see ErstesMinimum
    const QString alpha = Komma(z_.theta1 * 180 / M_PI, 1) + QStringLiteral("°");
    QStringList saetze;
    if (s == 4)
        saetze << tr("In wirklicher Größe: ein Spalt von %1\u00A0Pixel Breite, dahinter abgedeckt.").arg(breite);
    else
        saetze << (Vergroessert(s) ? tr("Verkleinert im Maßstab 1 : 10: Licht der Wellenlänge %1\u00A0Pixel fällt "
                                        "von links auf einen Spalt von %2\u00A0Pixel Breite.")
                                   : tr("In wirklicher Größe: Licht der Wellenlänge %1\u00A0Pixel fällt von links "
                                        "auf einen Spalt von %2\u00A0Pixel Breite."))
                      .arg(lambda, breite);
    if (s == 4)
        saetze << tr("Die Ortsachse x zeigt nach oben; zwei Pfeile von der Spaltmitte zu den Rändern markieren die "
                     "Ortsunschärfe Δx = %1\u00A0Pixel, die halbe Spaltbreite.")
                      .arg(z_.b);
    else if (s == 5)
        saetze << tr("Die Ortsachse x zeigt nach oben, quer zur Flugrichtung.");
    if (s == 6)
        saetze << (minimum ? tr("Impulspfeile p: einer geradeaus, zwei unter α = %1 zu den ersten Minima; ihre "
                                "Querkomponente Δp ist %2·p.")
                                 .arg(alpha, Komma(std::sin(z_.theta1), 2))
                           : tr("Impulspfeile p: einer geradeaus und zwei quer dazu, denn es gibt kein erstes Minimum; "
                                "die Querkomponente Δp ist so groß wie p."));
    else if (s != 4)
        saetze << (minimum ? tr("Das erste Minimum der Beugung liegt unter α = %1 zur Flugrichtung.").arg(alpha)
                           : tr("Der Spalt ist nicht breiter als die Wellenlänge: Es gibt kein erstes Minimum, das "
                                "Licht breitet sich hinter dem Spalt nach allen Seiten aus."));

    if (!PanelIchRechne->isHidden())
        saetze << tr("Die Lichtwelle hinter dem Spalt wird gerade berechnet.");
    else if (inhalt_.welle)
        saetze << tr("Hinter dem Spalt breitet sich die Lichtwelle gebeugt aus.");
    else if (s <= 2)
        saetze << tr("Noch ist keine Lichtwelle gezeichnet.");
    if (inhalt_.intensitaet)
        saetze << tr("Die Lichtintensität hinter dem Spalt ist eingezeichnet: je heller, desto größer.");
    const bool photonen = std::any_of(gezeichnet_.begin(), gezeichnet_.end(), [](const Gezeichnet &g) { return g.ja; });
    if (photonen)
        saetze << (s == 4  ? tr("Photonen fliegen einzeln von links heran und werden an der Abdeckung absorbiert.")
                   : minimum ? tr("Photonen fliegen einzeln durch den Spalt, die meisten zwischen die beiden ersten "
                                  "Minima.")
                             : tr("Photonen fliegen einzeln durch den Spalt, in verschiedene Richtungen."));
    if (inhalt_.spuren)
        saetze << tr("Ihre Flugbahnen sind als Spuren eingezeichnet.");
    return saetze.join(QLatin1Char(' '));
}

// ---- texts --------------------------------------------------------------------------------------------

void TFormHeisenberg::SchreibeText() { SchreibeTextSelbst(); }

void TFormHeisenberg::SchreibeTextSelbst()
{
    TextStil stil = StilText2();
    stil.groesse = SchriftNormal;
    stil.ersterEinzug = 4;
    stil.rechterEinzug = 4;
    stil.abstandGroesse = 4;
    stil.hervorhebung1Fett = true;
    stil.hervorhebung2Fett = true;
    stil.kleineUeberschriftFarbe = FarbeTextMarke2;
    stil.abschnittGroesse = SchriftMittel;
    stil.abschnittFarbe = FarbeTextMarke2;
    SchreibeMarkup(RichEditText, LadeText(Q(":/texte/waves/heisenberg_schritt%1.txt").arg(schritt_)), stil);
}

void TFormHeisenberg::SchreibeTextVonDatei()
{
    LadeTextOhneErsatz(RichEditText, Q("Heisenberg%1.RTF").arg(schritt_));
}

void TFormHeisenberg::CheckBoxNeuTextClick()
{
    if (CheckBoxNeuText->isChecked())
        SchreibeTextSelbst();
    else
        SchreibeTextVonDatei();
}

void TFormHeisenberg::SchreibeHinweise()
{
    const int n = schritt_;
    auto teil = [](const char *name) { return LadeText(Q(":/texte/waves/heisenberg_info_%1.txt").arg(Q(name))); };
    QStringList teile{teil("kopf")};
    if (n == 2)
        teile << teil("unterschlagen");
    teile << teil(n == 1 ? "absorption1" : n == 2 ? "absorption2" : "absorption3");
    if (n <= 2)
        teile << teil("huygens");
    if (n == 3 || n == 5 || n == 6)
        teile << teil("fernfeld");
    if (n == 3)
        teile << teil("spuren");
    teile << teil(n <= 2 ? "tempo_wellen" : "tempo_regler");
    if (n == 4)
        teile << teil("abdeckung");
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    stil.abstandGroesse = 8;
    SchreibeMarkup(Hinweis.edit, teile.join(Q("\n\n")), stil);
}
