#include "bohrfenster.h"

#include "bild.h"
#include "richtext.h"
#include "bausteine.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpressionValidator>

#include <cmath>

using namespace Atome;
using namespace Wasserstoff;

namespace {

// "auf Bahn Nummer" in front of its edit (left edge bis): indented under the radio button's text
// where it fits there, else smaller and further left.
QLabel *BahnNummerText(QWidget *panel, int bis)
{
    const QString text = TFormBohrAtom2::tr("auf Bahn Nummer");
    auto *label = Beschriftung(panel, text, 22, 51, bis - 4 - 22);
    QFont schrift = label->font();
    int x = 22;
    while (QFontMetrics(schrift).horizontalAdvance(text) > bis - 4 - x) {
        if (schrift.pointSizeF() > 8)
            schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
        else if (x > 8)
            x = 8;
        else if (schrift.pointSizeF() > 7)
            schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
        else
            break;
    }
    label->setFont(schrift);
    Setze(label, x, 51, bis - 4 - x, 18);
    return label;
}

// A word in front of an edit or drop-down at x 54: from x 28, a longer one reaching further left.
void WortDavor(QWidget *panel, const QString &text, int y)
{
    auto *label = Beschriftung(panel, text, 28, y, 24);
    const int links = std::clamp(52 - QFontMetrics(label->font()).horizontalAdvance(text), 8, 28);
    Setze(label, links, y, 52 - links, 18);
}

// A label whose text runs past its right edge: in a smaller font, down to 9 px.
void Einpassen(QLabel *label)
{
    QFont schrift = label->font();
    while (QFontMetrics(schrift).horizontalAdvance(label->text()) > label->width() && schrift.pixelSize() > 9)
        schrift.setPixelSize(schrift.pixelSize() - 1);
    if (schrift != label->font())
        label->setFont(schrift);
}

}  // namespace

TFormBohrAtom2::TFormBohrAtom2(QWidget *parent)
    : SimFenster(tr("  Das Modell des Wasserstoffatoms von Niels Bohr"), parent)
{
    const Spaltenwerte spalte = SchmaleSpalte(BildschirmBreite);
    layout_ = BerechneBohrLayout(BildschirmBreite, BildschirmHoehe, spalte.breite, spalte.links,
                                 QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe));
    const BohrLayout &l = layout_;
    grund_ = FarbeHintergrund;

    ErzeugeTitel(BildschirmBreite >= 1100 ? tr("Das Bohr’sche Atommodell: ein Planetensystem")
                                          : tr("Das Bohr’sche Atommodell"),
                 l.titel.left(), l.titel.top(), l.titel.width(), l.titel.height());
    TitelEinpassen(PanelTitel);
    ImageHNiveaus = new Bild(this);
    ImageHNiveaus->move(l.niveaus.topLeft());
    ImageHNiveaus->setBildGroesse(l.niveaus.width(), l.niveaus.height());
    ImageBohrAtom = new Bild(this);
    ImageBohrAtom->move(l.atom.topLeft());
    ImageBohrAtom->setBildGroesse(l.atom.width(), l.atom.height());
    const int P = l.P;

    // the state
    PanelAtom = ErzeugePanel(this, l.panelAtom);
    SetzeSchrift(PanelAtom, QStringLiteral("Trebuchet MS"), 9, true);
    Beschriftung(PanelAtom, tr("Ein Wasserstoffatom"), 8, 4, P - 16);
    Beschriftung(PanelAtom, tr("befindet sich"), 8, 22, P - 16);
    Beschriftung(PanelAtom, tr("im Zustand "), 8, 45, 80);
    EditNrVorher = ZiffernEdit(PanelAtom, QStringLiteral("3"), 88, 42);
    EditNrVorher->setAccessibleName(tr("Zustand, in dem sich das Atom befindet (höchstens 6)"));
    UpDownNrVorher = ZiffernUpDown(PanelAtom, EditNrVorher, 1, 6, 116, 42);
    Beschriftung(PanelAtom, tr("max."), 140, 38, 34, 16);
    Beschriftung(PanelAtom, QStringLiteral("6"), 140, 52, 34, 16);

    ErzeugeEnergieTafel(true);   // giving off energy
    ErzeugeEnergieTafel(false);  // taking up energy
    for (QComboBox *box : {ComboBoxSerieEmission, ComboBoxSerieAbsorption}) {
        for (int s = 1; s <= 5; ++s)
            box->addItem(SerienVorsilbe(s));
        box->setCurrentIndex(1);
    }
    connect(ComboBoxSerieEmission, &QComboBox::currentIndexChanged, this, [this] { ComboBoxSerieChange(); });
    connect(ComboBoxSerieAbsorption, &QComboBox::currentIndexChanged, this, [this] { LinieGewaehlt(); });

    // the run
    PanelSimulation = ErzeugePanel(this, l.panelSimulation);
    BitBtnStart = new BitBtn(tr("&beginnen"), PanelSimulation);
    BitBtnStart->setGlyph(GlyphBild(Glyphe::Start));
    Setze(BitBtnStart, 8, 8, P - 56, 33);
    Panel2 = new Panel(PanelSimulation, Panel::Rand::Gesenkt);
    Panel2->setFarbe(0x0000FF);
    Setze(Panel2, P - 40, 12, 25, 25);
    BitBtnPause = new BitBtn(tr("&warten"), PanelSimulation);
    BitBtnPause->setGlyph(GlyphBild(Glyphe::Pause));
    Setze(BitBtnPause, 8, 48, P - 56, 33);
    Beschriftung(PanelSimulation, tr("langsam"), 8, 90, 70);
    Beschriftung(PanelSimulation, tr("schnell"), 8, 164, 70);
    TrackBarTempo = new TrackBar(Qt::Vertical, PanelSimulation);
    TrackBarTempo->setAccessibleName(tr("Tempo"));
    TrackBarTempo->setBereich(1, 5, 3);
    TrackBarTempo->setTickPosition(QSlider::TicksRight);
    Setze(TrackBarTempo, 84, 88, 32, 96);
    UpDownTempo = new UpDown(PanelSimulation);
    UpDownTempo->setBereich(1, 5, 3);
    Setze(UpDownTempo, 122, 116, 20, 40);
    connect(TrackBarTempo, &QSlider::valueChanged, this, [this] { TrackBarTempoChange(); });
    connect(UpDownTempo, &UpDown::geklickt, this, [this] { TrackBarTempo->setPosition(UpDownTempo->Position()); });
    CheckBoxStop = new QCheckBox(tr("Stopp bei Änderung"), PanelSimulation);
    Setze(CheckBoxStop, 8, 194, P - 16, 22);
    connect(BitBtnStart, &QPushButton::clicked, this, [this] { BitBtnStartClick(); });
    connect(BitBtnPause, &QPushButton::clicked, this, [this] { BitBtnPauseClick(); });
    connect(Panel2, &Panel::geklickt, this, [this] { BitBtnStartClick(); });
    connect(BitBtnEmission, &QPushButton::clicked, this, [this] { BitBtnEmissionClick(); });
    connect(BitBtnAbsorbtion, &QPushButton::clicked, this, [this] { BitBtnAbsorbtionClick(); });

    PanelZeigeStufen = ErzeugePanel(this, l.panelZeigeStufen);
    const QStringList zeigeStufen = tr("Zeige Energiestufen\ndes H-Atoms").split(QLatin1Char('\n'));
    CheckBoxZeigeHNiveaus = new QCheckBox(zeigeStufen.value(0), PanelZeigeStufen);
    Setze(CheckBoxZeigeHNiveaus, 8, 4, P - 16, 22);
    CheckBoxZeigeHNiveaus->setChecked(true);
    Beschriftung(PanelZeigeStufen, zeigeStufen.value(1), 28, 26, P - 36);
    connect(CheckBoxZeigeHNiveaus, &QCheckBox::toggled, this, [this] { CheckBoxZeigeHNiveausClick(); });

    PanelErgebnis = ErzeugePanel(this, l.panelErgebnis);
    ErzeugeHinweis(PanelErgebnis, tr("&Hinweise"), QString(), [this] { SchreibeHinweiseSelbst(); });
    Setze(BitBtnHinweis, 6, 5, l.panelErgebnis.width() - 12, l.panelErgebnis.height() - 10);
    Hinweis.setzeGeometrie(l.hinweis.left(), l.hinweis.top(), l.hinweis.width(), l.hinweis.height());
    Setze(Hinweis.edit, 8, 8, l.hinweis.width() - 16, l.hinweis.height() - 40);
    Hinweis.panel->setFarbe(FarbePanel);
    BitBtnInfoLoeschen = Hinweis.loeschen;
    BitBtnInfoLoeschen->setText(tr("l&öschen"));
    Setze(BitBtnInfoLoeschen, l.hinweis.width() - 8 - 105, l.hinweis.height() - 8 - 25, 105, 25);
    Hinweis.panel->raise();
    BitBtnZurueck->raise();

    // the numbers and the numbers' edits
    NiveauEingabe(EditNrVorher, [this](int v) { NeuesNiveau(v); });
    NiveauEingabe(EditNrNachher1, [this](int v) { ZielSetzen(v); });
    NiveauEingabe(EditNrNachher2, [this](int v) { ZielSetzen(v); });
    connect(EditLinieAbsorption, &QLineEdit::textChanged, this, [this] { LinieGewaehlt(); });

    n_ = EditNrVorher->text().toInt();
    t_ = EditNrNachher1->text().toInt();
    TrackBarTempoChange();
    Aktionen(false);
    theta_ = Zufall() * 2 * M_PI;
    fertig_ = true;
    Hinweis.schreiben();
    BildBeschreiben(ImageBohrAtom, tr("Wasserstoffatom nach Bohr"), [this] { return AtomBeschreibung(); });
    BildBeschreiben(ImageHNiveaus, tr("Energiestufen des Wasserstoffatoms"), [this] { return NiveauBeschreibung(); });
}

void TFormBohrAtom2::BilderZeichnen()
{
    elektron_.bild = LadeElektronBild(QStringLiteral("BMElektron9-a.bmp"));
    ZeichneAlles();
}

TFormBohrAtom2::~TFormBohrAtom2() = default;

void TFormBohrAtom2::ErzeugeEnergieTafel(bool abgeben)
{
    const int P = layout_.P;
    Panel *&tafel = abgeben ? PanelEmission : PanelAbsorption;
    QRadioButton *&sprung = abgeben ? RadioButtonSprungDown : RadioButtonSprungUp;
    Edit *&nr = abgeben ? EditNrNachher1 : EditNrNachher2;
    UpDown *&nrUpDown = abgeben ? UpDownNrNachher1 : UpDownNrNachher2;
    QRadioButton *&photon = abgeben ? RadioButtonEmission : RadioButtonAbsorption;
    Edit *&linie = abgeben ? EditLinieEmission : EditLinieAbsorption;
    UpDown *&linieUpDown = abgeben ? UpDown2 : UpDownLinieAbsorption;
    QComboBox *&serie = abgeben ? ComboBoxSerieEmission : ComboBoxSerieAbsorption;
    BitBtn *&ok = abgeben ? BitBtnEmission : BitBtnAbsorbtion;

    tafel = ErzeugePanel(this, abgeben ? layout_.panelEmission : layout_.panelAbsorption);
    SetzeSchrift(tafel, QStringLiteral("Trebuchet MS"), 9, true);
    const QString titel = abgeben ? tr("Es soll Energie abgeben") : tr("Es soll Energie aufnehmen");
    Beschriftung(tafel, titel, 8, 4, P - 16);
    sprung = new QRadioButton(tr("durch einen Sprung"), tafel);
    Setze(sprung, 8, 26, P - 16, 22);
    sprung->setChecked(true);
    nr = ZiffernEdit(tafel, abgeben ? QStringLiteral("2") : QStringLiteral("4"), P - 8 - 17 - 26, 48);
    nrUpDown = ZiffernUpDown(tafel, nr, 1, 6, P - 8 - 17, 48);
    BahnNummerText(tafel, nr->x());
    photon = new QRadioButton(abgeben ? tr("durch Emission") : tr("durch Absorption"), tafel);
    Setze(photon, 8, 78, P - 16, 22);
    // "der [1]. Linie der [Balmer-] Serie", in English "line [1] of the [Balmer] series"
    WortDavor(tafel, tr("der", "in front of the line's number"), 103);
    linie = ZiffernEdit(tafel, QStringLiteral("1"), 54, 100);
    linieUpDown = ZiffernUpDown(tafel, linie, 1, 6, 82, 100);
    Beschriftung(tafel, tr(". Linie"), 102, 103, 60);
    WortDavor(tafel, tr("der", "in front of the series"), 133);
    serie = new QComboBox(tafel);
    Setze(serie, 54, 130, 84, 24);
    Einpassen(Beschriftung(tafel, tr("Serie"), 140, 133, P - 144));
    ok = new BitBtn(abgeben ? tr("ok, &gib Energie ab") : tr("&nimm Energie auf!"), tafel);
    Setze(ok, 8, 164, P - 16, 33);
    nr->setAccessibleName(abgeben ? tr("Energie abgeben durch einen Sprung auf Bahn Nummer")
                                  : tr("Energie aufnehmen durch einen Sprung auf Bahn Nummer"));
    linie->setAccessibleName(abgeben ? tr("Energie abgeben durch Emission der Linie Nummer")
                                     : tr("Energie aufnehmen durch Absorption der Linie Nummer"));
    serie->setAccessibleName(abgeben ? tr("Serie der emittierten Linie") : tr("Serie der absorbierten Linie"));
}

Edit *TFormBohrAtom2::ZiffernEdit(QWidget *eltern, const QString &text, int x, int y)
{
    auto *e = new Edit(eltern);
    e->setText(text);
    e->setAlignment(Qt::AlignCenter);
    e->setMaxLength(1);
    // only the digits 1 to 9, typed or pasted; a typed digit replaces the whole text
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-9]?")), e));
    e->tastenFilter = [e](QChar &taste) {
        if (taste >= QLatin1Char('1') && taste <= QLatin1Char('9'))
            e->setText(QString(taste));
        taste = QChar();
    };
    Setze(e, x, y, 26, 24);
    return e;
}

UpDown *TFormBohrAtom2::ZiffernUpDown(QWidget *eltern, Edit *edit, int min, int max, int x, int y)
{
    auto *u = new UpDown(eltern);
    u->setBereich(min, max, std::clamp(edit->text().toInt(), min, max));
    Setze(u, x, y, 17, 24);
    connect(u, &UpDown::geklickt, edit, [u, edit] { edit->setText(QString::number(u->Position())); });
    connect(edit, &QLineEdit::textChanged, u, [u, edit] {
        bool ok = false;
        const int v = edit->text().toInt(&ok);
        if (ok)
            u->setPosition(std::clamp(v, u->Min(), u->Max()));
    });
    return u;
}

void TFormBohrAtom2::NiveauEingabe(Edit *edit, std::function<void(int)> setze)
{
    connect(edit, &QLineEdit::textChanged, this, [this, edit, setze = std::move(setze)] {
        bool ok = false;
        const int v = edit->text().toInt(&ok);
        if (!ok)
            return;  // an empty field is ignored
        if (v > BohrBahnen) {
            Meldung(this, MeldungsTyp::Information, tr("Nur die ersten 6 Bahnen werden gezeichnet!"));
            edit->setText(QStringLiteral("6"));
            return;
        }
        setze(v);
    });
}

QPoint TFormBohrAtom2::Pixel(double x, double y) const
{
    const int m = layout_.l / 2;
    return {m + Runde(x), m - Runde(y)};
}

QPoint TFormBohrAtom2::ElektronOrt(double winkel) const
{
    const double r = n_ * n_ * layout_.r1;
    return {Runde(r * std::cos(winkel)), Runde(r * std::sin(winkel))};
}

void TFormBohrAtom2::ElektronZeigen()
{
    const QPoint p = ElektronOrt(theta_);
    elektron_.zeigen(ImageBohrAtom->canvas(), Pixel(p.x(), p.y()));
}

void TFormBohrAtom2::ElektronSchritt()
{
    elektron_.verbergen(ImageBohrAtom->canvas());
    theta_ += WinkelSchritt(n_);
    ElektronZeigen();
}

void TFormBohrAtom2::ZeichneAlles()
{
    if (!BilderGezeichnet())
        return;  // drawn when shown
    ZeichneBohrAtom(ImageBohrAtom->canvas(), layout_, n_, t_);
    elektron_.vergessen();
    photon_.vergessen();
    if (!uebergang_)  // else the transition stays marked in the diagram
        NiveausZeichnen();
    ElektronZeigen();
}

void TFormBohrAtom2::NiveausZeichnen()
{
    if (CheckBoxZeigeHNiveaus->isChecked()) {
        ZeichneHNiveaus(ImageHNiveaus->canvas(), layout_, n_, t_);
        stufenN_ = n_;
        stufenT_ = t_;
    } else {
        LoescheHNiveaus(ImageHNiveaus->canvas(), grund_);
    }
    linieMarkiert_ = false;
}

void TFormBohrAtom2::NeuesNiveau(int n)
{
    n_ = n;
    ZeichneAlles();
}

void TFormBohrAtom2::ZielSetzen(int t)
{
    t_ = ZielBegrenzt(t);
    ZeichneAlles();
}

void TFormBohrAtom2::ComboBoxSerieChange()
{
    if (!fertig_)
        return;
    const int s = ComboBoxSerieAbsorption->currentIndex() + 1, k = EditLinieAbsorption->text().toInt();
    if (LinieZeigbar(s, k))
        ZielSetzen(s + k);
}

void TFormBohrAtom2::LinieGewaehlt()
{
    bool ok = false;
    const int k = EditLinieAbsorption->text().toInt(&ok);
    if (!ok || !fertig_)
        return;
    const int s = ComboBoxSerieAbsorption->currentIndex() + 1;
    if (LinieZeigbar(s, k)) {
        ZielSetzen(s + k);
    } else {  // the same limit as the absorption itself
        Piepsen();
        Meldung(this, MeldungsTyp::Information, ZuHochText(), MeldungsKnopf::Wiederholen);
    }
}

void TFormBohrAtom2::TrackBarTempoChange()
{
    Verzoegerung = BohrVerzoegerung(TrackBarTempo->Position());
    UpDownTempo->setPosition(TrackBarTempo->Position());
}

void TFormBohrAtom2::CheckBoxZeigeHNiveausClick()
{
    if (!BilderGezeichnet())
        return;  // drawn when shown
    NiveausZeichnen();
}

void TFormBohrAtom2::Aktionen(bool ein)
{
    BitBtnEmission->setEnabled(ein);
    BitBtnAbsorbtion->setEnabled(ein);
}

void TFormBohrAtom2::Ablehnen(const Wahl &w)
{
    Piepsen();
    Meldung(this, w.typ, w.meldung, MeldungsKnopf::Wiederholen);
}

void TFormBohrAtom2::BitBtnStartClick()
{
    if (!an) {
        an = true;
        Panel2->setFarbe(0x00FF00);
        BitBtnStart->setCaption(tr("&beenden"));
        Aktionen(!uebergang_);
        BilderBereitstellen();  // the electron circles on the pictures
        LaufStarten();  // a run still ending is followed by the new one
    } else {
        Ausschalten();
        LaufStoppen();
    }
}

void TFormBohrAtom2::Ausschalten()
{
    an = false;
    Panel2->setFarbe(0x0000FF);
    BitBtnStart->setCaption(tr("&beginnen"));
    Aktionen(false);
    if (pause && LaufAktiv())
        SimFenster::BitBtnStopClick();  // the run no longer holds in its waits
    pause = false;
    BitBtnPause->setCaption(tr("&warten"));
}

void TFormBohrAtom2::BitBtnPauseClick()
{
    if (LaufAktiv())
        SimFenster::BitBtnStopClick();  // the run holds in its waits while paused
    else
        pause = !pause;
    BitBtnPause->setCaption(pause ? tr("&weiter") : tr("&warten"));
}

Ablauf TFormBohrAtom2::Simulation()
{
    ZeichneAlles();
    elektron_.verbergen(ImageBohrAtom->canvas());
    theta_ = Zufall() * 2 * M_PI;
    ElektronZeigen();
    while (!Gestoppt()) {
        if (auftrag_ != Auftrag::keiner) {  // a transition was asked for: the photon flies
            const bool abgeben = auftrag_ == Auftrag::abgeben;
            auftrag_ = Auftrag::keiner;
            if (abgeben)
                co_await EmittierePhoton(auftragZiel_);
            else
                co_await AbsorbierePhoton(auftragZiel_);
            continue;
        }
        ElektronSchritt();
        co_await Warte(std::uint32_t(Verzoegerung));
    }
}

void TFormBohrAtom2::LaufBeendet()
{
    // ended from outside (back button, another window) or switched off
    Ausschalten();
    auftrag_ = Auftrag::keiner;
    uebergang_ = false;
    SimFenster::LaufBeendet();
}

void TFormBohrAtom2::PhotonBauen(int nUnten, int k)
{
    photonF_ = UebergangsFrequenz(nUnten, nUnten + k);
    photonFarbe_ = LinienFarbe(nUnten, nUnten + k, photonF_);
    photonR_ = std::max(1, PhotonRadius(photonF_, layout_.s));
    photon_.vergessen();
    photon_.bild = PhotonBild(photonR_, photonFarbe_, [] { return Zufall(); });
    ++photonen_;
}

void TFormBohrAtom2::PhotonSchritt()
{
    Canvas &c = ImageBohrAtom->canvas();
    photon_.verbergen(c);
    px_ += Runde(12 * std::cos(phi_));
    py_ += Runde(12 * std::sin(phi_));
    photon_.zeigen(c, Pixel(px_, py_));
}

bool TFormBohrAtom2::UebergangBeginnen(int ziel)
{
    if (uebergang_ || !an)
        return false;
    uebergang_ = true;
    Aktionen(false);
    sprungUnten_ = std::min(n_, ziel);
    sprungOben_ = std::max(n_, ziel);
    sprungAus_ = ziel < n_;
    if (CheckBoxZeigeHNiveaus->isChecked()) {
        ZeichnePhotonInHNiveaus(ImageHNiveaus->canvas(), layout_, n_, ziel);
        linieMarkiert_ = true;
    }
    PhotonBauen(std::min(n_, ziel), std::abs(n_ - ziel));
    return true;
}

Ablauf TFormBohrAtom2::EmittierePhoton(int ziel)
{
    const QPoint e = ElektronOrt(theta_);
    px_ = e.x();
    py_ = e.y();
    phi_ = theta_ + M_PI / 2;
    Canvas &c = ImageBohrAtom->canvas();
    photon_.zeigen(c, Pixel(px_, py_));
    if (CheckBoxStop->isChecked())
        co_await Warte(std::uint32_t(10 * Verzoegerung));
    if (!Gestoppt()) {
        t_ = ziel;
        EditNrVorher->setText(QString::number(ziel));  // redraws the atom with the electron on orbit t
        if (n_ != ziel)
            NeuesNiveau(ziel);
        photon_.zeigen(c, Pixel(px_, py_));
        const double grenze = layout_.l / 2.0 + photonR_;
        while (!Gestoppt() && std::abs(px_) <= grenze && std::abs(py_) <= grenze) {
            PhotonSchritt();
            ElektronSchritt();
            co_await Warte(std::uint32_t(Verzoegerung));
        }
        photon_.verbergen(c);
    }
    if (CheckBoxZeigeHNiveaus->isChecked())
        NiveausZeichnen();
    uebergang_ = false;
    Aktionen(an && !Gestoppt());
}

Ablauf TFormBohrAtom2::AbsorbierePhoton(int ziel)
{
    const int D = layout_.l / 2 - photonR_;
    const int m = std::max(0, D / 12);
    const double spaeter = theta_ + m * WinkelSchritt(n_);
    phi_ = spaeter - M_PI / 2;
    const QPoint e = ElektronOrt(spaeter);
    px_ = e.x() - Runde(D * std::cos(phi_));
    py_ = e.y() - Runde(D * std::sin(phi_));
    Canvas &c = ImageBohrAtom->canvas();
    photon_.zeigen(c, Pixel(px_, py_));
    for (int i = 0; i < m && !Gestoppt(); ++i) {
        PhotonSchritt();
        ElektronSchritt();
        co_await Warte(std::uint32_t(Verzoegerung));
    }
    if (!Gestoppt()) {
        if (CheckBoxStop->isChecked())
            co_await Warte(std::uint32_t(10 * Verzoegerung));
        t_ = ziel;
        EditNrVorher->setText(QString::number(ziel));
        if (n_ != ziel)
            NeuesNiveau(ziel);
    } else {
        photon_.verbergen(c);
    }
    uebergang_ = false;
    Aktionen(an && !Gestoppt());
}

void TFormBohrAtom2::EnergieTafelOk(bool abgeben)
{
    if (uebergang_ || !an)
        return;
    const bool sprung = (abgeben ? RadioButtonSprungDown : RadioButtonSprungUp)->isChecked();
    const int nr = (abgeben ? EditNrNachher1 : EditNrNachher2)->text().toInt();
    const int serie = (abgeben ? ComboBoxSerieEmission : ComboBoxSerieAbsorption)->currentIndex() + 1;
    const int linie = (abgeben ? EditLinieEmission : EditLinieAbsorption)->text().toInt();
    const Wahl w = sprung ? (abgeben ? SprungAb(n_, nr) : SprungAuf(n_, nr))
                          : (abgeben ? EmissionLinie(n_, serie, linie) : AbsorptionLinie(n_, serie, linie));
    if (!w.erlaubt) {
        Ablehnen(w);
    } else if (UebergangBeginnen(w.ziel)) {  // the run takes the photon on its next step
        auftrag_ = abgeben ? Auftrag::abgeben : Auftrag::aufnehmen;
        auftragZiel_ = w.ziel;
    }
}

void TFormBohrAtom2::BitBtnEmissionClick() { EnergieTafelOk(true); }

void TFormBohrAtom2::BitBtnAbsorbtionClick() { EnergieTafelOk(false); }

void TFormBohrAtom2::FormActivate() { TrackBarTempoChange(); }

WerteTabelle TFormBohrAtom2::Werte() const
{
    WerteTabelle w;
    w.spalten = {tr("Quantenzahl n"), tr("Bahnradius / r₁"), tr("Anregungsfrequenz / THz"), tr("Gesamtenergie / eV")};
    for (int k = 1; k <= BohrNiveaus; ++k)
        w.zeilen.append({double(k), double(k * k), double(NiveauFrequenz(k)), GesamtEnergie(k)});
    return w;
}

QString TFormBohrAtom2::AtomBeschreibung() const
{
    const auto energie = [](int n) { return EnergieText(GesamtEnergie(n), EnergieStellen::zweiUnterEinem); };
    QString text = tr("Der Kern und die ersten %1 Bahnen, beschriftet mit Gesamtenergie und Nummer. "
                      "Das Elektron ist auf Bahn %2 (Radius %3 · r₁, Gesamtenergie %4 eV)")
                       .arg(BohrBahnen)
                       .arg(n_)
                       .arg(n_ * n_)
                       .arg(energie(n_));
    if (t_ != n_)
        text += tr(", Bahn %1 ist als Ziel hervorgehoben").arg(t_);
    text += QLatin1Char('.');
    if (uebergang_)
        text += sprungAus_ ? tr(" Ein Photon von %1 THz fliegt aus dem Atom hinaus.").arg(photonF_)
                           : tr(" Ein Photon von %1 THz fliegt auf das Elektron zu.").arg(photonF_);
    return text;
}

QString TFormBohrAtom2::NiveauBeschreibung() const
{
    if (!CheckBoxZeigeHNiveaus->isChecked())
        return tr("Ausgeblendet: „Zeige Energiestufen“ ist ausgeschaltet.");
    const auto stufe = [](int n) {
        return tr("Stufe %1 (%2 eV)").arg(n).arg(EnergieText(GesamtEnergie(n), EnergieStellen::zweiUnterEinem));
    };
    // not drawn yet: it will show the state's levels
    const int n = BilderGezeichnet() ? stufenN_ : n_, t = BilderGezeichnet() ? stufenT_ : t_;
    QString text = tr("Die Stufen 1 bis %1, darüber gestrichelt die Ionisierungsgrenze bei 0 eV.").arg(BohrNiveaus);
    text += t != n ? tr(" Hervorgehoben sind %1 und %2.").arg(stufe(n), stufe(t)) : tr(" Hervorgehoben ist %1.").arg(stufe(n));
    if (linieMarkiert_ && BilderGezeichnet()) {
        text += tr(" Markiert ist der Übergang zwischen Stufe %1 und Stufe %2, eine Linie der %3 mit %4 THz.")
                    .arg(sprungUnten_)
                    .arg(sprungOben_)
                    .arg(SerienName(sprungUnten_))
                    .arg(UebergangsFrequenz(sprungUnten_, sprungOben_));
        if (uebergang_)
            text += sprungAus_ ? tr(" Das Atom sendet dieses Photon gerade aus.")
                               : tr(" Das Atom nimmt dieses Photon gerade auf.");
    }
    return text;
}

void TFormBohrAtom2::SchreibeHinweiseSelbst()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    stil.abstandGroesse = 8;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/hydrogen/bohr_hinweis.txt")), stil);
}
