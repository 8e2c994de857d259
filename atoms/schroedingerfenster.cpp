#include "schroedingerfenster.h"

#include "bild.h"
#include "richtext.h"
#include "bausteine.h"
#include "zahltext.h"

#include <QShortcut>

#include <cmath>

using namespace Atome;

namespace {

// A raised panel that acts as a button.
Panel *KnopfPanel(QWidget *eltern, const QString &text, const QRect &ort)
{
    auto *p = new Panel(eltern);
    p->setFarbe(0xE0E0E0);
    p->setCaption(text);
    p->setCursor(Qt::PointingHandCursor);
    Setze(p, ort.left(), ort.top(), ort.width(), ort.height());
    return p;
}

}  // namespace

TFormSchroedinger3::TFormSchroedinger3(QWidget *parent)
    : SimFenster(tr("Das quantenmechanische Atommodell – berechnet mithilfe der Schrödinger-Gleichung"),
                 parent)
{
    layout_ = BerechneSchroedingerLayout(BildschirmBreite, BildschirmHoehe,
                                         QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe));
    const SchroedingerLayout &L = layout_;
    ErzeugeTitel(L.seite < 640 ? tr("Das H-Atommodell der Quantenmechanik")
                               : tr("Das Wasserstoff-Atommodell der Quantenmechanik"),
                 L.titel.left(), L.titel.top(), L.titel.width(), L.titel.height());
    TitelEinpassen(PanelTitel);
    Image1 = new Bild(this);
    Image1->move(L.bild.topLeft());
    Image1->setBildGroesse(L.bild.width(), L.bild.height());

    // left column
    const int w = 193 - 16;
    PanelGraph = ErzeugePanel(this, L.graph);
    SetzeSchrift(PanelGraph, QStringLiteral("Trebuchet MS"), 9, true);
    CheckBoxGraph = new QCheckBox(tr("Zeichne den &Graphen"), PanelGraph);
    Setze(CheckBoxGraph, 8, 4, w, 22);
    int y = 26;
    for (const char *t : {QT_TR_NOOP("der Wahrscheinlichkeit,"), QT_TR_NOOP("ein Elektron in einem"),
                          QT_TR_NOOP("kleinen Volumen dV "), QT_TR_NOOP("entlang der waagrechten"),
                          QT_TR_NOOP("Achse zu finden")}) {
        Beschriftung(PanelGraph, tr(t), 28, y, w - 20, 16);
        y += 16;
    }
    PanelAtom = ErzeugePanel(this, L.atom);
    SetzeSchrift(PanelAtom, QStringLiteral("Trebuchet MS"), 9, true);
    Beschriftung(PanelAtom, tr("Zeige die Größe des H-Atoms"), 8, 4, w);
    Beschriftung(PanelAtom, tr("mit dem Bohr’schen Radius"), 8, 22, w);
    CheckBoxAtomScheibe = new QCheckBox(tr("als Kreisfläche"), PanelAtom);
    Setze(CheckBoxAtomScheibe, 8, 48, w, 22);
    CheckBoxAtomRand = new QCheckBox(tr("als Kreisrand"), PanelAtom);
    Setze(CheckBoxAtomRand, 8, 74, w, 22);
    PanelAchsen = ErzeugePanel(this, L.achsen);
    SetzeSchrift(PanelAchsen, QStringLiteral("Trebuchet MS"), 9, true);
    CheckBoxAchsen = new QCheckBox(tr("Zeichne ein Koordinaten-"), PanelAchsen);
    Setze(CheckBoxAchsen, 8, 4, w, 22);
    Beschriftung(PanelAchsen, tr("    system mit Beschriftung"), 8, 26, w);
    PanelDarstellung = ErzeugePanel(this, L.darstellung);
    y = 4;
    for (const char *t : {QT_TR_NOOP("Stelle die Wahrscheinlich-"), QT_TR_NOOP("keit, ein Elektron in einem"),
                          QT_TR_NOOP("kleinen Volumen zu finden,"), QT_TR_NOOP("zeichnerisch dar durch")}) {
        Beschriftung(PanelDarstellung, tr(t), 8, y, w, 16);
        y += 16;
    }
    PanelFarbCode = KnopfPanel(PanelDarstellung, tr("Graustufen"), QRect(8, 74, w, 36));
    PanelWahrschPixel = KnopfPanel(PanelDarstellung, tr("Dichte farbiger Pixel"), QRect(8, 116, w, 36));
    //: the key of the "Dichte farbiger Pixel" panel; a letter no caption of the window uses
    const QString pixelTaste = tr("Alt+D");
    PanelWahrschPixel->setToolTip(pixelTaste);
    PanelSimulation = ErzeugePanel(this, L.simulation);
    PanelElektronen1 = KnopfPanel(PanelSimulation, tr("Simuliere Messungen"), QRect(8, 6, w, 22));
    PanelElektronen2 = KnopfPanel(PanelSimulation, tr("des Elektronenortes"), QRect(8, 28, w, 22));
    PanelElektronen1->setRand(Panel::Rand::Keiner);
    PanelElektronen2->setRand(Panel::Rand::Keiner);
    BitBtnUnterbrechen = new BitBtn(tr("&unterbrechen"), PanelSimulation);
    Setze(BitBtnUnterbrechen, 8, 54, w, 26);
    TrackBarTempo = new TrackBar(Qt::Horizontal, PanelSimulation);
    TrackBarTempo->setBereich(0, 4, 4);
    TrackBarTempo->setTickPosition(QSlider::TicksBelow);
    Setze(TrackBarTempo, 8, 82, w, 20);
    TrackBarTempo->setSkala({{0, tr("langsam")}, {4, tr("schnell")}});
    SetzeSchrift(TrackBarTempo->skala(), QStringLiteral("Trebuchet MS"), 8, true);
    PanelLoeschen = ErzeugePanel(this, L.loeschen);
    BitBtnLoeschen = new BitBtn(tr("Zeichnung &löschen"), PanelLoeschen);
    Setze(BitBtnLoeschen, 8, 8, w, L.loeschen.height() - 16);

    // right column
    const int wr = 169 - 16;
    PanelMassStab = ErzeugePanel(this, L.massstab);
    Beschriftung(PanelMassStab, tr("Bildausschnitt"), 8, 4, wr);
    Beschriftung(PanelMassStab, tr("Bohr’sche Radien"), 8, 22, wr);
    TrackBarMassStab = new TrackBar(Qt::Horizontal, PanelMassStab);
    TrackBarMassStab->setBereich(5, 35, 5);
    TrackBarMassStab->setTickPosition(QSlider::TicksBelow);
    TrackBarMassStab->setTickInterval(5);
    TrackBarMassStab->setToolTip(
        tr("Bohr’scher Radius = Radius der innersten Bahn im Bohr’schen Modell = 0,053\u00A0nm"));
    Setze(TrackBarMassStab, 8, 42, wr, 28);
    TrackBarMassStab->setSkala({{5, QStringLiteral("5")},
                                {15, QStringLiteral("15")},
                                {25, QStringLiteral("25")},
                                {35, QStringLiteral("35")}});
    PanelZustand = ErzeugePanel(this, L.zustand);
    Beschriftung(PanelZustand, tr("Zeige das H-Atom"), 8, 4, wr);
    Beschriftung(PanelZustand, tr("im Zustand mit der"), 8, 20, wr);
    RadioGroupHQZ = new RadioGroup(tr("&Hauptquantenzahl"),
                                   {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, PanelZustand, 3);
    Setze(RadioGroupHQZ, 8, 38, wr, 46);
    RadioGroupHQZ->setItemIndex(0);
    Beschriftung(PanelZustand, tr("und der"), 8, 88, wr);
    RadioGroupNQZ = new RadioGroup(tr("&Nebenquantenzahl"), {QStringLiteral("0")}, PanelZustand, 3);
    Setze(RadioGroupNQZ, 8, 106, wr, 46);
    RadioGroupNQZ->setItemIndex(0);
    for (RadioGroup *g : {RadioGroupHQZ, RadioGroupNQZ})
        RadioGruppeVerdichten(g);
    Beschriftung(PanelZustand, tr("Bezeichnung"), 8, 158, wr);
    PanelZustand5 = new Panel(PanelZustand, Panel::Rand::Gesenkt);
    PanelZustand5->setFarbe(0xFFFFFF);
    SetzeSchrift(PanelZustand5, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(PanelZustand5, 8, 180, wr, 34);
    PanelZustand->setToolTip(tr("nur Orbitale mit magnetischer Quantenzahl m = 0"));
    PanelTexte = ErzeugePanel(this, L.texte);
    // "Hin&weise" leaves Alt+H to the principal quantum number
    ErzeugeHinweis(PanelTexte, tr("Hin&weise "), QString(), [this] { SchreibeHinweise(); });
    ErzeugeErgebnis(PanelTexte, tr("&Beobachtung"), QString(), [this] { SchreibeErgebnis(); });
    Setze(BitBtnHinweis, 8, 8, wr, 40);
    Setze(BitBtnErgebnis, 8, 56, wr, 40);
    BitBtnErgebnis->setEnabled(false);
    for (TextTafel *t : {&Hinweis, &Ergebnis}) {
        t->setzeGeometrie(L.bild.left(), L.bild.top(), L.bild.width(), L.bild.height());
        Setze(t->edit, 8, 8, L.bild.width() - 16, L.bild.height() - 40);
        Setze(t->loeschen, L.bild.width() - 8 - 105, L.bild.height() - 8 - 25, 105, 25);
        t->panel->raise();
    }
    Hinweis.panel->setFarbe(0xFFE0B0);
    Ergebnis.panel->setFarbe(0xBFFFFF);
    BitBtnZurueck->raise();

    connect(TrackBarMassStab, &QSlider::valueChanged, this, [this] { TrackBarMassStabChange(); });
    connect(RadioGroupHQZ, &RadioGroup::geklickt, this, [this] { RadioGroupHQZClick(); });
    connect(RadioGroupNQZ, &RadioGroup::geklickt, this, [this] { RadioGroupNQZClick(); });
    connect(PanelFarbCode, &Panel::geklickt, this, [this] { PanelFarbCodeClick(); });
    connect(PanelWahrschPixel, &Panel::geklickt, this, [this] { PanelWahrschPixelClick(); });
    connect(PanelElektronen1, &Panel::geklickt, this, [this] { PanelElektronen1Click(); });
    connect(PanelElektronen2, &Panel::geklickt, this, [this] { PanelElektronen1Click(); });
    auto *kurz = new QShortcut(QKeySequence(pixelTaste), this);
    connect(kurz, &QShortcut::activated, this, [this] { PanelWahrschPixelClick(); });
    connect(BitBtnUnterbrechen, &QPushButton::clicked, this, [this] { BitBtnUnterbrechenClick(); });
    connect(TrackBarTempo, &QSlider::valueChanged, this, [this] { TrackBarTempoChange(); });
    connect(CheckBoxGraph, &QCheckBox::clicked, this, [this] { CheckBoxGraphClick(); });
    connect(CheckBoxAchsen, &QCheckBox::clicked, this, [this] { CheckBoxAchsenClick(); });
    connect(CheckBoxAtomScheibe, &QCheckBox::clicked, this, [this] { CheckBoxAtomScheibeClick(); });
    connect(CheckBoxAtomRand, &QCheckBox::clicked, this, [this] { CheckBoxAtomRandClick(); });
    connect(BitBtnLoeschen, &QPushButton::clicked, this, [this] { BitBtnLoeschenClick(); });

    a_.cx = L.bild.width() / 2;
    a_.cy = L.bild.height() / 2;
    a_.N = a_.cx;
    Skala();
    n_ = RadioGroupHQZ->ItemIndex() + 1;
    l_ = RadioGroupNQZ->ItemIndex();
    PanelZustand5->setCaption(Zustandsname(n_, l_));
    TrackBarTempoChange();
    fertig_ = true;
    Hinweis.schreiben();
    Ergebnis.schreiben();
    BildBeschreiben(Image1, tr("Schnitt durch das Wasserstoffatom"), [this] { return BildBeschreibung(); });
}

TFormSchroedinger3::~TFormSchroedinger3() = default;

void TFormSchroedinger3::Skala()
{
    a_.massstab = TrackBarMassStab->Position();
    a_.a0 = BohrRadiusPixel(a_.cx, a_.massstab);
    a_.proNm = PixelProNm(a_.a0);
    wmax_ = BerechneWMax(a_.N, a_.a0);
}

void TFormSchroedinger3::BilderZeichnen()
{
    aktuell_ = MessPunktBild(true);
    alt_ = MessPunktBild(false);
    Vorbereiten(true);
}

Canvas &TFormSchroedinger3::Leinwand()
{
    BilderBereitstellen();
    return Image1->canvas();
}

void TFormSchroedinger3::Vorbereiten(bool loeschen)
{
    if (!fertig_)
        return;
    if (loeschen) {
        LoescheAtomBild(Leinwand());
        ++bildNr_;
        inhalt_ = {};
    }
    grauBild_ = false;
    if (CheckBoxAchsen->isChecked()) {
        ZeichneAchsen(Leinwand(), a_);
        inhalt_.achsen = true;
    }
}

void TFormSchroedinger3::Zusaetze(bool mitAtom)
{
    Canvas &c = Leinwand();
    if (mitAtom && CheckBoxAtomScheibe->isChecked()) {
        ZeichneAtomScheibe(c, a_);
        inhalt_.scheibe = true;
    }
    if (mitAtom && CheckBoxAtomRand->isChecked()) {
        ZeichneAtomRand(c, a_);
        inhalt_.rand = true;
    }
    if (CheckBoxAchsen->isChecked()) {
        ZeichneAchsen(c, a_);
        inhalt_.achsen = true;
    }
    if (CheckBoxGraph->isChecked()) {
        ZeichneGraph(c, a_, n_, l_);
        inhalt_.graph = true;
    }
}

void TFormSchroedinger3::TrackBarMassStabChange()
{
    LaufStoppen();
    Skala();
    Vorbereiten(true);
}

void TFormSchroedinger3::RadioGroupHQZClick()
{
    LaufStoppen();  // a running measurement ends, as when choosing l
    n_ = RadioGroupHQZ->ItemIndex() + 1;
    QStringList items;
    for (int i = 0; i < NebenQuantenzahlen(n_); ++i)
        items << QString::number(i);
    RadioGroupNQZ->setItems(items);  // keeps the index, clamped to the last item
    l_ = std::max(0, RadioGroupNQZ->ItemIndex());
    PanelZustand5->setCaption(Zustandsname(n_, l_));
    Vorbereiten(true);
}

void TFormSchroedinger3::RadioGroupNQZClick()
{
    LaufStoppen();
    l_ = std::max(0, RadioGroupNQZ->ItemIndex());
    PanelZustand5->setCaption(Zustandsname(n_, l_));
    Vorbereiten(true);
}

void TFormSchroedinger3::PanelFarbCodeClick() { ZeichneWahrscheinlichkeit(true); }

void TFormSchroedinger3::PanelWahrschPixelClick() { ZeichneWahrscheinlichkeit(false); }

void TFormSchroedinger3::PanelElektronen1Click() { ZeichneElektronen(); }

void TFormSchroedinger3::ZeichneWahrscheinlichkeit(bool grau)
{
    ++bildNr_;  // a measurement still going leaves no dot in the new picture
    LaufStarten([this, grau] { return Wahrscheinlichkeit(grau); });
}

void TFormSchroedinger3::ZeichneElektronen()
{
    LaufStarten([this] { return Elektronen(); });
}

Ablauf TFormSchroedinger3::Wahrscheinlichkeit(bool grau)
{
    n_ = RadioGroupHQZ->ItemIndex() + 1;
    l_ = std::max(0, RadioGroupNQZ->ItemIndex());
    PanelZustand5->setCaption(Zustandsname(n_, l_));
    BitBtnUnterbrechen->setCaption(tr("&unterbrechen"));
    if (grau)
        co_await ZeichneFarbCode();
    else
        co_await ZeichneMonteCarlo();
    Zusaetze(true);
    BitBtnErgebnis->setEnabled(true);
}

Ablauf TFormSchroedinger3::ZeichneFarbCode()
{
    Canvas &c = Leinwand();
    const double w = wmax_(n_, l_);
    inhalt_ = {};  // the grey image covers the whole picture
    inhalt_.grau = true;
    if (l_ == 0) {
        // the rings outward one by one, the event loop getting its turns meanwhile
        for (int i = 1; i <= GrauSRingZahl(a_) && !Gestoppt(); ++i) {
            ZeichneGrauSRinge(c, a_, n_, w, i, i);
            co_await Luftholen();
        }
        if (!Gestoppt()) {
            ZeichneGrauSKern(c, a_, n_, w);
            if (CheckBoxAchsen->isChecked())
                ZeichneAchsen(c, a_);
            if (CheckBoxGraph->isChecked())
                ZeichneGraph(c, a_, n_, l_);
            inhalt_.achsen = CheckBoxAchsen->isChecked();
            inhalt_.graph = CheckBoxGraph->isChecked();
        }
        if (c.onChange)
            c.onChange();
    } else {
        // a column at a time, the four quadrants at once; the window stays responsive
        for (int i = 0; i <= a_.N && !Gestoppt(); i += 8) {
            GrauSpalten(Image1->bild(), a_.cx, a_.cy, a_.N, n_, l_, a_.a0, w, i, i + 7);
            if (CheckBoxAchsen->isChecked())
                ZeichneAchsen(c, a_);
            if (CheckBoxGraph->isChecked())
                ZeichneGraph(c, a_, n_, l_);
            inhalt_.achsen = CheckBoxAchsen->isChecked();
            inhalt_.graph = CheckBoxGraph->isChecked();
            if (c.onChange)
                c.onChange();
            co_await Luftholen();
        }
    }
    grauBild_ = true;
}

Ablauf TFormSchroedinger3::ZeichneMonteCarlo()
{
    Canvas &c = Leinwand();
    const int ziel = WolkenZiel(n_);
    const double w = wmax_(n_, l_);
    int anzahl = 0;
    Zufallspunkt p;
    const auto zufall = [] { return Zufall(); };
    // small states at a wide section accept few draws: the window stays responsive meanwhile
    for (long versuch = 1; anzahl <= ziel && !Gestoppt(); ++versuch) {
        if (ZiehePunkt(a_.N, n_, l_, a_.a0, w, zufall, p)) {
            c.setPixel(a_.cx + p.x, a_.cy - p.y, WolkenFarbe);
            ++anzahl;
            ++inhalt_.wolke;
        }
        if (versuch % 4096 == 0)
            co_await Luftholen();
    }
    punkte_ = anzahl;
}

Ablauf TFormSchroedinger3::Elektronen()
{
    BitBtnUnterbrechen->setEnabled(true);
    BitBtnUnterbrechen->setCaption(tr("&unterbrechen"));
    const int ziel = MessZiel(n_);
    Canvas &c = Leinwand();
    if (CheckBoxGraph->isChecked()) {
        ZeichneGraph(c, a_, n_, l_);
        inhalt_.graph = true;
    }
    const double w = wmax_(n_, l_);
    const int nn = n_, ll = l_, bild = bildNr_;
    int anzahl = 0;
    Zufallspunkt p;
    const auto zufall = [] { return Zufall(); };
    while (anzahl <= ziel && !Gestoppt()) {
        if (!ZiehePunkt(a_.N, nn, ll, a_.a0, w, zufall, p))
            continue;
        ++anzahl;
        if (anzahl % 32 == 0 && CheckBoxGraph->isChecked()) {
            ZeichneGraph(c, a_, nn, ll);
            inhalt_.graph = true;
        }
        c.copyMode = KopierModus::SrcCopy;
        c.draw(a_.cx + p.x - 5, a_.cy - p.y - 5, aktuell_, true, 0);
        ++inhalt_.messungen;
        co_await Warte(std::uint32_t(punktVerzoegerung_ * 30));  // holds while paused
        if (bildNr_ != bild)
            break;  // the picture was cleared or redrawn meanwhile: no dot of this run belongs in it
        c.draw(a_.cx + p.x - 5, a_.cy - p.y - 5, alt_, true, 0);
    }
    if (bildNr_ != bild)
        co_return;
    punkte_ = anzahl;
    Zusaetze(true);
    BitBtnErgebnis->setEnabled(true);
}

void TFormSchroedinger3::LaufBeendet()
{
    const bool ergebnis = BitBtnErgebnis->isEnabled();
    SimFenster::LaufBeendet();
    BitBtnErgebnis->setEnabled(ergebnis);  // only a picture drawn to its end opens the observation
}

void TFormSchroedinger3::BitBtnUnterbrechenClick()
{
    if (LaufAktiv())
        SimFenster::BitBtnStopClick();  // the measurement holds in its waits while paused
    else
        pause = !pause;
    BitBtnUnterbrechen->setCaption(pause ? tr("&Weiter") : tr("&unterbrechen"));
}

void TFormSchroedinger3::TrackBarTempoChange() { punktVerzoegerung_ = ZweiHoch(4 - TrackBarTempo->Position()); }

void TFormSchroedinger3::CheckBoxGraphClick()
{
    if (CheckBoxGraph->isChecked()) {
        ZeichneGraph(Leinwand(), a_, n_, l_);
        inhalt_.graph = true;
    }
}

void TFormSchroedinger3::CheckBoxAchsenClick()
{
    if (CheckBoxAchsen->isChecked()) {
        ZeichneAchsen(Leinwand(), a_);
        inhalt_.achsen = true;
    }
}

void TFormSchroedinger3::CheckBoxAtomScheibeClick()
{
    if (CheckBoxAtomScheibe->isChecked()) {
        CheckBoxAtomRand->setChecked(false);
        ZeichneAtomScheibe(Leinwand(), a_);
        inhalt_.scheibe = true;
    }
}

void TFormSchroedinger3::CheckBoxAtomRandClick()
{
    if (CheckBoxAtomRand->isChecked()) {
        CheckBoxAtomScheibe->setChecked(false);
        ZeichneAtomRand(Leinwand(), a_);
        inhalt_.rand = true;
    }
}

void TFormSchroedinger3::BitBtnLoeschenClick()
{
    LaufStoppen();
    LoescheAtomBild(Leinwand());
    ++bildNr_;
    inhalt_ = {};
    grauBild_ = false;
    for (TextTafel *t : {&Hinweis, &Ergebnis}) {
        t->panel->hide();
        t->knopf->setGlyph(t->zu);
    }
}

QString TFormSchroedinger3::BildBeschreibung() const
{
    QString text = tr("%1 des Wasserstoffatoms (Hauptquantenzahl %2, Nebenquantenzahl %3), Bildausschnitt bis "
                      "%4 Bohr’sche Radien vom Kern.")
                       .arg(Zustandsname(n_, l_))
                       .arg(n_)
                       .arg(l_)
                       .arg(a_.massstab);
    QStringList zu;
    if (inhalt_.grau)
        zu << tr("Graustufen (je heller, desto wahrscheinlicher ist das Elektron dort zu finden)");
    if (inhalt_.wolke > 0)
        zu << (inhalt_.wolke == 1 ? tr("ein Pixel der Punktwolke")
                                  : tr("eine Punktwolke aus %1 Pixeln, dicht, wo das Elektron wahrscheinlich ist")
                                        .arg(inhalt_.wolke));
    if (inhalt_.messungen > 0)
        zu << (inhalt_.messungen == 1 ? tr("ein gemessener Ort des Elektrons")
                                      : tr("%1 gemessene Orte des Elektrons").arg(inhalt_.messungen));
    text += QLatin1Char(' ') + (zu.isEmpty() ? tr("Die Wahrscheinlichkeit ist noch nicht dargestellt.")
                                             : tr("Zu sehen: %1.").arg(zu.join(QStringLiteral("; "))));
    QStringList dazu;
    if (inhalt_.graph) {
        const double gipfel = GraphGipfel(n_, l_, a_.a0, a_.cx);
        const QString verlauf =
            gipfel == 0                          ? tr("am höchsten beim Kern")
            : Runde(gipfel * a_.a0) >= a_.cx - 8 ? tr("zum Bildrand hin ansteigend")
                                                 : tr("am höchsten in %1 Bohr’schen Radien Abstand vom Kern")
                                                       .arg(Komma(gipfel, 1));
        dazu << tr("der Graph der Wahrscheinlichkeit entlang der waagrechten Achse, %1").arg(verlauf);
    }
    if (inhalt_.scheibe || inhalt_.rand)
        dazu << (inhalt_.scheibe ? tr("der Bohr’sche Radius als Kreisfläche")
                                 : tr("der Bohr’sche Radius als Kreisrand"));
    if (inhalt_.achsen)
        dazu << tr("die Achsen mit der Entfernung vom Kern, rechts in Bohr’schen Radien, links in Nanometern");
    if (!dazu.isEmpty())
        text += QLatin1Char(' ') + tr("Eingezeichnet: %1.").arg(dazu.join(QStringLiteral("; ")));
    return text;
}

WerteTabelle TFormSchroedinger3::Werte() const
{
    // |ψ|² along the horizontal axis, as the graph shows it
    WerteTabelle w;
    w.spalten = {tr("Entfernung vom Kern / Bohr’sche Radien"), tr("Entfernung vom Kern / nm"),
                 tr("|ψ|² (relativ)")};
    const double k = GraphFaktor(n_, l_, a_.a0, a_.cx, a_.cy);
    for (int j = -(a_.cx - 8); j <= a_.cx - 8; ++j) {
        const double rho = j / double(a_.a0);
        const double p = Psi(n_, l_, l_, std::abs(rho));
        w.zeilen.append({rho, rho * 0.0529, k > 0 ? p * p * k / (0.8 * a_.cy) : 0.0});
    }
    return w;
}

void TFormSchroedinger3::SchreibeHinweise()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFF0D8;
    stil.abstandGroesse = 8;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/atoms/schroedinger_hinweis.txt")), stil);
}

void TFormSchroedinger3::SchreibeErgebnis()
{
    TextStil stil = StilErgebnis();
    stil.abstandGroesse = 8;
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/atoms/schroedinger_ergebnis.txt")), stil);
}
