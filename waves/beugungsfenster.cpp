#include "beugungsfenster.h"

#include "bausteine.h"
#include "bild.h"
#include "richtext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>

#include <algorithm>

using namespace Beugung;

namespace Beugung {
void DrueckPanel::mousePressEvent(QMouseEvent *e)
{
    Panel::mousePressEvent(e);
    if (e->button() == Qt::LeftButton)
        emit gedrueckt();
}

void DrueckPanel::mouseReleaseEvent(QMouseEvent *e)
{
    Panel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton)
        emit losgelassen();
}
}  // namespace Beugung

namespace {
const Art ArtFolge[] = {Art::Spalt, Art::ZweiSpalten, Art::Gitter, Art::Kante, Art::Hindernis, Art::Ohne};

QString Q(const char *s) { return QString::fromUtf8(s); }

// The slit-width bar shows the full width of one slit: twice its value, or half of it for two slits.
QList<TrackBar::Marke> SkalaSpaltB(bool zweiSpalten)
{
    QList<TrackBar::Marke> marken;
    for (int wert = 40; wert <= 100; wert += 20) {
        const QString zahl = QString::number(zweiSpalten ? wert / 2 : wert * 2);
        marken.append(
            {wert, wert == 100 ? QCoreApplication::translate("TFormBeugung3", "%1\u00a0Pixel").arg(zahl) : zahl});
    }
    return marken;
}
}  // namespace

TFormBeugung3::TFormBeugung3(QWidget *parent) : SimFenster(tr("Eine weitere Welleneigenschaft: Beugung"), parent)
{
    grund_ = FarbeZeichengrund;  // this window's own drawing background from now on
    Bildschirmmasse b;
    b.breite = BildschirmBreite;
    b.hoehe = BildschirmHoehe;
    b.zurueckOben = ZurueckOben;
    b.spalte = StandardSpalte(BildschirmBreite);
    b.F = Massstab.einheitlich;
    layout_ = BerechneLayout(b);
    z_.wAnim = Runde(16 * b.F);
    z_.grund = grund_;
    BilderFreigebbar();  // every show draws the picture anew (FormActivate)

    ErzeugeTitel(tr("Beugung einer ebenen Welle"), layout_.titel.left(), layout_.titel.top(), layout_.titel.width(),
                 layout_.titel.height());
    Image1 = new Bild(this);
    BildBeschreiben(Image1, tr("Beugungsbild: Welle und Blende"), [this] { return BildBeschreibung(); });
    ErzeugeLinkeSpalte();
    ErzeugeRechteSpalte();

    Hinweis.setzeGeometrie(layout_.hinweis.left(), layout_.hinweis.top(), layout_.hinweis.width(),
                           layout_.hinweis.height());
    Setze(Hinweis.edit, 8, 8, layout_.hinweis.width() - 16, layout_.hinweis.height() - 40);
    Hinweis.edit->setHintergrund(0xFFFF95);
    Hinweis.panel->setFarbe(FarbePanel);
    ErzeugeRechenTafel();
    BitBtnZurueck->raise();

    WerteLesen();
    RadioGroupZeichenflaecheClick();  // the picture is drawn when the window is shown
}

void TFormBeugung3::ErzeugeLinkeSpalte()
{
    const int innen = layout_.animSimu.width() - 16;
    PanelAnimSimu = ErzeugePanel(this, layout_.animSimu);
    GroupBoxZeige = new QGroupBox(tr("Zeige"), PanelAnimSimu);
    Setze(GroupBoxZeige, 8, 4, innen, 125);
    RadioButtonAnimation = new QRadioButton(tr("Animation"), GroupBoxZeige);
    Setze(RadioButtonAnimation, 10, 22, innen - 20, 22);
    Beschriftung(GroupBoxZeige, tr("(idealisiert)"), 32, 44, innen - 40);
    RadioButtonSimulation = new QRadioButton(tr("Simulation"), GroupBoxZeige);
    Setze(RadioButtonSimulation, 10, 70, innen - 20, 22);
    Beschriftung(GroupBoxZeige, tr("(realistischer)"), 32, 92, innen - 40);
    RadioButtonSimulation->setChecked(true);
    connect(RadioButtonSimulation, &QRadioButton::toggled, this, [this] { RadioButtonModusClick(); });

    // animation mode
    PanelDatenEinf = ErzeugePanel(this, layout_.datenEinf);
    RadioGroupArtBeugungEinf = new RadioGroup(tr("Beugung an"), {tr("Kante"), tr("Spalt")}, PanelDatenEinf, 2);
    Setze(RadioGroupArtBeugungEinf, 8, 4, innen, 48);
    RadioGroupArtBeugungEinf->setItemIndex(1);
    RadioGruppeVerdichten(RadioGroupArtBeugungEinf);
    connect(RadioGroupArtBeugungEinf, &RadioGroup::geklickt, this, [this] { RadioGroupArtBeugungEinfClick(); });
    RadioGroupWellenzug =
        new RadioGroup(QString(), {tr("Nur 1 „Berg und Tal“"), tr("Fortlaufende Welle")}, PanelDatenEinf);
    Setze(RadioGroupWellenzug, 4, 60, innen + 8, 66);
    SetzeSchrift(RadioGroupWellenzug, QStringLiteral("Trebuchet MS"), 9, true);
    RadioGroupWellenzug->setItemIndex(1);
    RadioGruppeVerdichten(RadioGroupWellenzug);
    connect(RadioGroupWellenzug, &RadioGroup::geklickt, this, [this] { RadioGroupWellenzugClick(); });
    RadiogroupAnfangszustand =
        new RadioGroup(tr("Die Welle "), {tr("startet erst"), tr("ist schon unterwegs")}, PanelDatenEinf);
    Setze(RadiogroupAnfangszustand, 4, 134, innen + 8, 66);
    SetzeSchrift(RadiogroupAnfangszustand, QStringLiteral("Trebuchet MS"), 9, true);
    RadiogroupAnfangszustand->setItemIndex(0);
    RadioGruppeVerdichten(RadiogroupAnfangszustand);
    connect(RadiogroupAnfangszustand, &RadioGroup::geklickt, this, [this] { Stoppen(); });
    GroupBoxRichtungen = new QGroupBox(tr("Die Ausbreitungsrichtung"), PanelDatenEinf);
    Setze(GroupBoxRichtungen, 8, 210, innen, 100);
    CheckBoxRichtungenVorBlende = new QCheckBox(tr("der ungebeugten"), GroupBoxRichtungen);
    Setze(CheckBoxRichtungenVorBlende, 10, 22, innen - 20, 22);
    CheckBoxRichtungenNachBlende = new QCheckBox(tr("der gebeugten"), GroupBoxRichtungen);
    Setze(CheckBoxRichtungenNachBlende, 10, 46, innen - 20, 22);
    Beschriftung(GroupBoxRichtungen, tr("Welle"), 32, 70, innen - 40);
    for (QCheckBox *c : {CheckBoxRichtungenVorBlende, CheckBoxRichtungenNachBlende})
        connect(c, &QCheckBox::toggled, this, [this] { CheckBoxRichtungenClick(); });

    // simulation mode
    PanelDatenKompl = ErzeugePanel(this, layout_.datenKompl);
    RadioGroupArtBeugung = new RadioGroup(
        tr("Beugung an"), {tr("Spalt"), tr("Doppelspalt"), tr("Gitter"), tr("Kante"), tr("Hindernis"), tr("ohne")},
        PanelDatenKompl);
    Setze(RadioGroupArtBeugung, 8, 4, innen, 126);
    RadioGroupArtBeugung->setItemIndex(1);
    RadioGruppeVerdichten(RadioGroupArtBeugung);
    connect(RadioGroupArtBeugung, &RadioGroup::geklickt, this, [this] { RadioGroupArtBeugungClick(); });

    auto tafel = [&](int oben, const QString &titel, const QList<TrackBar::Marke> &skala, int min, int max,
                     int pos, TrackBar *&bar, UpDown *&ud, QLabel **titelLabel) {
        Panel *p = new Panel(PanelDatenKompl, Panel::Rand::Gesenkt);
        p->setFarbe(FarbePanel);
        Setze(p, 8, oben, innen, 84);
        QLabel *t = Beschriftung(p, titel, 6, 2, innen - 12);
        const Schieber s = ErzeugeSkalenSchieber(p, min, max, pos, QRect(4, 22, innen - 8, 32), skala,
                                                 [this] { TrackBarBlendeChange(); });
        bar = s.bar;
        ud = s.updown;
        if (titelLabel)
            *titelLabel = t;
        return p;
    };
    PanelSpaltB = tafel(136, tr("Spaltbreite"), SkalaSpaltB(false), 40, 100, 80, TrackBarSpaltB, UpDownSpaltB,
                        &LabelSpaltB);
    PanelSpaltAbst = tafel(224, tr("Abstand der Spalte"),
                           {{50, Q("100")}, {75, Q("150")}, {100, tr("200\u00a0Pixel")}}, 50, 100, 80,
                           TrackBarSpaltAbst, UpDownSpaltAbst, nullptr);
    PanelZahnAbst = tafel(136, tr("Gitterkonstante"), {{20, Q("40")}, {30, Q("60")}, {40, tr("80\u00a0Pixel")}}, 20,
                          40, 20, TrackBarGitterKonst, UpDownGitterKonst, nullptr);

    Panel1 = new DrueckPanel(PanelDatenKompl);
    Panel1->setFarbe(0xFFCF00);
    Panel1->setCaption(tr("Zeige Intensität "));
    Panel1->setToolTip(tr("Zeigt die Wellenintensität, solange die linke Maustaste darauf gedrückt ist"));
    Panel1->setCursor(Qt::PointingHandCursor);
    Setze(Panel1, 8, 314, innen, layout_.datenKompl.height() - 8 - 314);
    connect(Panel1, &DrueckPanel::gedrueckt, this, [this] { Panel1MouseDown(); });
    connect(Panel1, &DrueckPanel::losgelassen, this, [this] { Panel1MouseUp(); });

    PanelHinweise = ErzeugePanel(this, layout_.hinweise);
    ErzeugeHinweis(PanelHinweise, tr("&Hinweise"), QString(), [this] { SchreibeHinweise(); });
    Setze(BitBtnHinweis, 8, 6, innen, layout_.hinweise.height() - 12);
}

void TFormBeugung3::ErzeugeRechteSpalte()
{
    const int innen = layout_.lambda.width() - 16;
    auto tafel = [&](const QRect &ort, const QString &titel, const QList<TrackBar::Marke> &skala, int min, int max,
                     int pos, TrackBar *&bar, UpDown *&ud, std::function<void()> geaendert) {
        Panel *p = ErzeugePanel(this, ort);
        Beschriftung(p, titel, 8, 6, innen);
        const Schieber s = ErzeugeSchieber(p, min, max, pos, QRect(8, 28, innen, 32), true, std::move(geaendert));
        bar = s.bar;
        ud = s.updown;
        bar->setSkala(skala);
        return p;
    };
    PanelLambda = tafel(layout_.lambda, tr("Wellenlänge"),
                        {{20, Q("20")}, {40, Q("40")}, {60, Q("60")}, {80, tr("80\u00a0Pixel")}}, 20, 80, 60,
                        TrackBarLambda, UpDownLambda, [this] { TrackBarLambdaChange(); });
    PanelZahlBilder = tafel(layout_.zahlBilder, tr("Bilder pro Schwingung"),
                            {{8, Q("8")}, {16, Q("16")}, {24, Q("24")}, {32, Q("32")}}, 8, 32, 8, TrackBarSchwDauer,
                            UpDownSchwDauer, [this] { TrackBarSchwDauerChange(); });
    PanelAufloesung = tafel(layout_.aufloesung, tr("Zeichne Wellen"), {{1, tr("fein")}, {4, tr("grob")}}, 1, 4, 2,
                            TrackBarAufloesung, UpDownAufloesung, [this] { TrackBarAufloesungChange(); });
    TrackBarSchwDauer->setTickInterval(4);
    TrackBarAufloesung->setTickInterval(1);

    PanelZeichenFl = ErzeugePanel(this, layout_.zeichenFl);
    RadioGroupZeichenflaeche =
        new RadioGroup(tr(" Gezeichneter Ausschnitt "), {tr("klein"), tr("mittel"), tr("groß")}, PanelZeichenFl);
    Setze(RadioGroupZeichenflaeche, 8, 4, innen, layout_.zeichenFl.height() - 8);
    RadioGroupZeichenflaeche->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupZeichenflaeche);
    connect(RadioGroupZeichenflaeche, &RadioGroup::geklickt, this, [this] { RadioGroupZeichenflaecheClick(); });

    PanelLicht = ErzeugePanel(this, layout_.licht);
    LabelSimulation = Beschriftung(PanelLicht, tr("Simulation"), 8, 4, innen, 20, Qt::AlignCenter);
    ErzeugeLaufsteuerung(PanelLicht);
    Setze(PanelKontrolle, 8, 30, 26, 26);
    Setze(BitBtnLicht, 42, 28, innen - 34, 30);
    Setze(BitBtnStop, 42, 64, innen - 34, 30);
    ErzeugeTempo(PanelLicht, 0, 4, 3, true);
    TempoSetzen(122, innen, 32);
}

void TFormBeugung3::ErzeugeRechenTafel()
{
    const RechenTafel t = ::ErzeugeRechenTafel(this, layout_.ichRechne, 100);
    PanelIchRechne = t.panel;
    ProgressBar1 = t.balken;
}

int TFormBeugung3::VerzoegerungAusTempo(int position, int) const { return Beugung::VerzoegerungAusTempo(position); }

bool TFormBeugung3::simulationsModus() const { return RadioButtonSimulation->isChecked(); }

void TFormBeugung3::WerteLesen()
{
    z_.w.lambda = TrackBarLambda->Position();
    z_.w.N = TrackBarSchwDauer->Position();
    z_.s = TrackBarAufloesung->Position();
    z_.simulation = simulationsModus();
    z_.kante = RadioGroupArtBeugungEinf->ItemIndex() == 0;
    z_.einzelZug = RadioGroupWellenzug->ItemIndex() == 0;
    z_.frischerStart = RadiogroupAnfangszustand->ItemIndex() == 0 || z_.einzelZug;
    z_.pfeileVor = CheckBoxRichtungenVorBlende->isChecked();
    z_.pfeileNach = CheckBoxRichtungenNachBlende->isChecked();
    z_.m = MasseVon(Image1->bildGroesse().width(), Image1->bildGroesse().height());
    z_.blende = &blende_;
    z_.feld = feld_ ? &*feld_ : nullptr;
    z_.grund = grund_;
    PanelDatenEinf->setVisible(!z_.simulation);
    PanelDatenKompl->setVisible(z_.simulation);
    RadiogroupAnfangszustand->setVisible(!z_.einzelZug);
    LabelSimulation->setText(z_.simulation ? tr("Simulation") : tr("Animation"));
}

void TFormBeugung3::MaskeBauen()
{
    const int i = std::clamp(RadioGroupArtBeugung->ItemIndex(), 0, 5);
    const Art art = ArtFolge[i];
    blende_ = Maske(art, TrackBarSpaltB->Position(), TrackBarSpaltAbst->Position(), TrackBarGitterKonst->Position());
    PanelSpaltB->setVisible(art == Art::Spalt || art == Art::ZweiSpalten || art == Art::Hindernis || art == Art::Ohne);
    PanelSpaltAbst->setVisible(art == Art::ZweiSpalten);
    PanelZahnAbst->setVisible(art == Art::Gitter);
    if (art == Art::ZweiSpalten) {
        LabelSpaltB->setText(tr("Breite Einzelspalt"));
    } else {
        LabelSpaltB->setText(art == Art::Spalt ? tr("Spaltbreite") : tr("Hindernisbreite"));
    }
    TrackBarSpaltB->setSkala(SkalaSpaltB(art == Art::ZweiSpalten));
    neuRechnen_ = true;
}

void TFormBeugung3::Vorbereiten()
{
    WerteLesen();
    if (BitBtnStop)
        BitBtnStop->setText(tr("&unterbrechen"));
    if (BilderGezeichnet())
        BeugungsBild(Image1->canvas(), z_).Vorbereiten(grund_);
    inhalt_ = Inhalt::Blende;
}

void TFormBeugung3::Stoppen()
{
    LaufStoppen();
    AnAusSchalten(false);
    Vorbereiten();
}

void TFormBeugung3::FormActivate()
{
    AnAusSchalten(false);
    pause = false;
    RadioGroupZeichenflaecheClick();
    SchreibeHinweise();
}

Ablauf TFormBeugung3::Simulation()
{
    if (Hinweis.sichtbar())
        TafelVerbergen(Hinweis);
    WerteLesen();
    if (z_.simulation) {
        if (neuRechnen_)
            co_await BerechnePhaseIntens();
        if (neuRechnen_)
            co_return;  // stopped while computing
        co_await SimulationKompl();
    } else {
        co_await SimulationEinf();
    }
}

Ablauf TFormBeugung3::BerechnePhaseIntens()
{
    Huygens::Auftrag a;
    a.blende = blende_;
    a.lambda = z_.w.lambda;
    a.xB = z_.m.xB;
    a.yMax = z_.m.yMax;
    a.d = z_.d();
    // The sums take at most about a fifth of a second (largest picture, finest grid); the panel
    // shows meanwhile, and the event loop gets its turns between the columns.
    Huygens::Rechnung r(a, SinCosTabelle);
    co_await MitRechenTafel(PanelIchRechne, ProgressBar1, [&] {
        const bool weiter = r.Schritt();
        const int prozent = (100 * r.fertig() / std::max(1, r.gesamt())) / 5 * 5;
        if (prozent != ProgressBar1->value())
            ProgressBar1->setValue(prozent);
        return weiter;
    });
    if (r.fertig() < r.gesamt())
        co_return;  // stopped: the old field stays, and the next run computes anew
    feld_ = r.Ergebnis();
    z_.feld = &*feld_;
    neuRechnen_ = false;
}

Ablauf TFormBeugung3::SimulationEinf()
{
    const int laenge = Laufzeit(z_.m, z_.w);
    BeugungsBild bild(Image1->canvas(), z_);
    for (t_ = Startzeit(z_.m, z_.w);; ++t_) {
        bild.AnimationsFrame(t_);
        inhalt_ = Inhalt::Welle;
        co_await Warte(std::uint32_t(Verzoegerung));
        if (Gestoppt())
            break;
        if (z_.einzelZug && t_ > laenge)
            break;
    }
}

Ablauf TFormBeugung3::SimulationKompl()
{
    BeugungsBild bild(Image1->canvas(), z_);
    for (t_ = 0;;) {
        if (intensitaetZeigen_) {
            bild.ZeichneIntensitaet();
            inhalt_ = Inhalt::Intensitaet;
            while (intensitaetZeigen_ && !Gestoppt())
                co_await Warte(std::uint32_t(std::max(Verzoegerung, 1)));
            if (Gestoppt())
                break;
            continue;  // resume the wave where it stopped
        }
        bild.ZeichneWellen(t_);
        inhalt_ = Inhalt::Welle;
        co_await Warte(std::uint32_t(Verzoegerung));
        if (Gestoppt())
            break;
        ++t_;
    }
}

// ---- screen readers --------------------------------------------------------------------------

QString TFormBeugung3::BildBeschreibung() const
{
    QStringList saetze;
    const QString lambda = QString::number(Runde(z_.w.lambda));
    const Art art = z_.simulation ? ArtFolge[std::clamp(RadioGroupArtBeugung->ItemIndex(), 0, 5)] : Art::Spalt;
    if (!z_.simulation) {
        saetze << (z_.kante ? tr("Idealisierte Animation: Beugung einer ebenen Welle an einer Kante; "
                                 "Wellenlänge %1\u00A0Pixel.")
                            : tr("Idealisierte Animation: Beugung einer ebenen Welle an einem Spalt; "
                                 "Wellenlänge %1\u00A0Pixel."))
                      .arg(lambda);
    } else {
        // the widths as the bars' scales give them (see SkalaSpaltB)
        const int b = TrackBarSpaltB->Position();
        switch (art) {
        case Art::Spalt:
            saetze << tr("Simulation: Beugung an einem Spalt von %1\u00A0Pixel Breite; Wellenlänge %2\u00A0Pixel.")
                          .arg(QString::number(2 * b), lambda);
            break;
        case Art::ZweiSpalten:
            saetze << tr("Simulation: Beugung an einem Doppelspalt, jeder Spalt %1\u00A0Pixel breit, Abstand der "
                         "Spalte %2\u00A0Pixel; Wellenlänge %3\u00A0Pixel.")
                          .arg(QString::number(b / 2), QString::number(2 * TrackBarSpaltAbst->Position()), lambda);
            break;
        case Art::Gitter:
            saetze << tr("Simulation: Beugung an einem Gitter mit der Gitterkonstante %1\u00A0Pixel; "
                         "Wellenlänge %2\u00A0Pixel.")
                          .arg(QString::number(2 * TrackBarGitterKonst->Position()), lambda);
            break;
        case Art::Kante:
            saetze << tr("Simulation: Beugung an einer Kante; Wellenlänge %1\u00A0Pixel.").arg(lambda);
            break;
        case Art::Hindernis:
            saetze << tr("Simulation: Beugung an einem Hindernis von %1\u00A0Pixel Breite; "
                         "Wellenlänge %2\u00A0Pixel.")
                          .arg(QString::number(2 * b), lambda);
            break;
        case Art::Ohne:
            saetze << tr("Simulation: eine ebene Welle ohne Blende; Wellenlänge %1\u00A0Pixel.").arg(lambda);
            break;
        }
    }

    if (!PanelIchRechne->isHidden()) {
        saetze << tr("Die Wellen hinter der Blende werden gerade berechnet.");
        return saetze.join(QLatin1Char(' '));
    }
    switch (inhalt_) {
    case Inhalt::Blende:
        saetze << (art == Art::Ohne ? tr("Noch ist keine Welle gezeichnet.")
                                    : tr("Noch ist keine Welle gezeichnet, nur die Blende."));
        break;
    case Inhalt::Intensitaet:
        saetze << tr("Gezeigt wird die zeitlich gemittelte Intensität hinter der Blende: je heller, desto größer.");
        break;
    case Inhalt::Welle:
        if (z_.simulation) {
            saetze << (art == Art::Ohne ? tr("Die ebene Welle läuft ungehindert von links nach rechts.")
                                        : tr("Von links läuft die ebene Welle auf die Blende zu; dahinter zeigt die "
                                             "Simulation die Überlagerung der Elementarwellen aus allen offenen "
                                             "Stellen."));
            break;
        }
        {
            // the plane front is at x = c·t, the diaphragm at x = 0
            const double front = z_.w.c() * t_;
            const bool dahinter = !z_.frischerStart || front > 0;
            if (z_.einzelZug && t_ >= Laufzeit(z_.m, z_.w))
                saetze << tr("Der Wellenzug hat das Bild verlassen.");
            else if (!dahinter)
                saetze << tr("Die ebene Welle läuft von links auf die Blende zu.");
            else
                saetze << (z_.kante ? tr("Hinter der Kante breitet sich die Welle auch in den Bereich des "
                                         "geometrischen Schattens aus.")
                                    : tr("Hinter dem Spalt breitet sich die Welle auch in den Bereich des "
                                         "geometrischen Schattens aus."));
            if (z_.pfeileVor && z_.pfeileNach && dahinter)
                saetze << tr("Pfeile zeigen die Ausbreitungsrichtungen der ungebeugten und der gebeugten Welle.");
            else if (z_.pfeileVor)
                saetze << tr("Pfeile zeigen die Ausbreitungsrichtung der ungebeugten Welle.");
            else if (z_.pfeileNach && dahinter)
                saetze << tr("Pfeile zeigen die Ausbreitungsrichtungen der gebeugten Welle.");
        }
        break;
    }
    return saetze.join(QLatin1Char(' '));
}

// ---- handlers ----------------------------------------------------------------------------

void TFormBeugung3::RadioButtonModusClick()
{
    Stoppen();
    SchreibeHinweise();
}

void TFormBeugung3::RadioGroupArtBeugungEinfClick() { Stoppen(); }

void TFormBeugung3::RadioGroupWellenzugClick() { Stoppen(); }

void TFormBeugung3::RadioGroupArtBeugungClick()
{
    LaufStoppen();
    MaskeBauen();
    Stoppen();
}

void TFormBeugung3::TrackBarBlendeChange() { RadioGroupArtBeugungClick(); }

void TFormBeugung3::TrackBarLambdaChange()
{
    neuRechnen_ = true;
    Stoppen();
}

void TFormBeugung3::TrackBarSchwDauerChange()
{
    if (an && !Gestoppt()) {  // the run goes on with the new speed; the wavelength stays
        z_.w.N = TrackBarSchwDauer->Position();
        return;
    }
    Stoppen();
}

void TFormBeugung3::TrackBarAufloesungChange()
{
    neuRechnen_ = true;
    Stoppen();
}

void TFormBeugung3::RadioGroupZeichenflaecheClick()
{
    LaufStoppen();
    const QRect ort = Bildort(layout_.flaeche, RadioGroupZeichenflaeche->ItemIndex());
    Image1->move(ort.topLeft());
    Image1->setBildGroesse(ort.width(), ort.height());
    MaskeBauen();
    Stoppen();
}

void TFormBeugung3::CheckBoxRichtungenClick()
{
    z_.pfeileVor = CheckBoxRichtungenVorBlende->isChecked();
    z_.pfeileNach = CheckBoxRichtungenNachBlende->isChecked();
}

void TFormBeugung3::Panel1MouseDown() { intensitaetZeigen_ = true; }
void TFormBeugung3::Panel1MouseUp() { intensitaetZeigen_ = false; }

void TFormBeugung3::SchreibeHinweise()
{
    QString text = LadeText(QStringLiteral(":/texte/waves/beugung_hinweis_blende.txt"));
    if (simulationsModus())
        text += QStringLiteral("\n\n") + LadeText(QStringLiteral(":/texte/waves/beugung_hinweis_simulation.txt"));
    text += QStringLiteral("\n\n") +
            LadeText(simulationsModus() ? QStringLiteral(":/texte/waves/beugung_hinweis_tempo_simulation.txt")
                                        : QStringLiteral(":/texte/waves/beugung_hinweis_tempo_animation.txt"));
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    SchreibeMarkup(Hinweis.edit, text, stil);
}
