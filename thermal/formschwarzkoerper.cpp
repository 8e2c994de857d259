#include "formschwarzkoerper.h"

#include "bild.h"
#include "richtext.h"
#include "strahlungssteuerung.h"

#include <algorithm>

using namespace Waermestrahlung;

namespace {

// A check box whose background carries the colour of its curve.
QCheckBox *FarbigeBox(QWidget *eltern, const QString &text, TColor farbe, int x, int y)
{
    auto *b = new QCheckBox(text, eltern);
    SetzeFarbe(b, farbe);
    Setze(b, x, y, b->sizeHint().width() + 8, 22);
    return b;
}

}  // namespace

TFormSchwarzkoerper::TFormSchwarzkoerper(QWidget *parent)
    : SimFenster(QStringLiteral("  Strahlung eines schwarzen Körpers"), parent)
{
    layout_ = BerechneSchwarzkoerperLayout(AktuelleBildschirmwerte());
    const SchwarzkoerperLayout &l = layout_;

    ErzeugeTitel(QStringLiteral("Die Strahlung eines schwarzen Körpers"), l.titel.left(), l.titel.top(),
                 l.titel.width(), l.titel.height());
    TitelEinpassen(PanelTitel);
    Image1 = new Bild(this);
    Image1->move(l.bild.topLeft());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());

    ErzeugeKurvenTafel();
    ErzeugeUntereTafeln();

    PanelHinweise = new Panel(this);
    PanelHinweise->setFarbe(FarbePanel);
    Setze(PanelHinweise, l.hinweise.left(), l.hinweise.top(), l.hinweise.width(), l.hinweise.height());
    ErzeugeHinweis(PanelHinweise, QStringLiteral("&Hinweise/Info"), QString(), [this] { SchreibeHinweiseSelbst(); });
    Setze(BitBtnHinweis, 8, 6, l.hinweise.width() - 16, l.hinweise.height() - 12);
    Hinweis.setzeGeometrie(l.hinweis.left(), l.hinweis.top(), l.hinweis.width(), l.hinweis.height());
    Setze(Hinweis.edit, 8, 8, l.hinweis.width() - 16, l.hinweis.height() - 40);
    BitBtnInfoLoeschen = Hinweis.loeschen;
    BitBtnInfoLoeschen->setText(QStringLiteral("l&öschen"));
    Setze(BitBtnInfoLoeschen, l.hinweis.width() - 8 - 105, l.hinweis.height() - 8 - 25, 105, 25);
    Hinweis.panel->setFarbe(FarbePanel);
    Hinweis.panel->raise();

    BitBtnZurueck->raise();

    // origin, axis, scales, references, temperature and visibility from the controls
    const Diagrammmasse m = BerechneMasse(Image1->bild().width(), Image1->bild().height(), 70);
    UrsprungX = m.X0;
    UrsprungY = m.Y0;
    AchsenLaenge = m.L;
    MaxHoehe = m.Hmax;
    Skalen();
    VarTemperatur = TrackBarTemperatur->Position() * 100;
    PanelTemperatur->setCaption(QStringLiteral("T = %1 Kelvin").arg(VarTemperatur));
    ueberFrequenz = RadioGroupLambdaF->ItemIndex() == 0;
    mitSpektrum = CheckBoxSpektrum->isChecked();
    GroupBoxTemperaturen->setVisible(RadioGroupTempWahl->ItemIndex() == 0);
    GroupBoxVariTemperatur->setVisible(RadioGroupTempWahl->ItemIndex() == 1);
    PanelFrequenz->setVisible(ueberFrequenz);
    PanelWellenlaenge->setVisible(!ueberFrequenz);

    ZeichneKurven();
}

void TFormSchwarzkoerper::ErzeugeKurvenTafel()
{
    const SchwarzkoerperLayout &l = layout_;
    PanelKurve = new Panel(this);
    PanelKurve->setFarbe(FarbePanel);
    Setze(PanelKurve, l.kurve.left(), l.kurve.top(), l.kurve.width(), l.kurve.height());
    const int w = l.kurve.width();
    const int innen = w - 16;

    RadioGroupTempWahl = new RadioGroup(QStringLiteral("&Temperatur"),
                                        {QStringLiteral("vorgegeben (1 bis 5)"), QStringLiteral("variabel (jeweils 1)")},
                                        PanelKurve);
    Setze(RadioGroupTempWahl, 8, 6, innen, 68);
    RadioGroupTempWahl->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupTempWahl);
    connect(RadioGroupTempWahl, &RadioGroup::geklickt, this, [this] { RadioGroupTempWahlClick(); });

    // the five fixed temperatures
    GroupBoxTemperaturen = new QGroupBox(PanelKurve);
    GroupBoxTemperaturen->setToolTip(QStringLiteral("Kelvin = Einheit der Temperatur ab absolutem Nullpunkt"));
    Setze(GroupBoxTemperaturen, 8, 78, innen, 142);
    for (std::size_t i = 0; i < FesteTemperaturen.size(); ++i) {
        auto *b = new QCheckBox(QStringLiteral("T = %1 Kelvin").arg(FesteTemperaturen[i]), GroupBoxTemperaturen);
        Setze(b, 12, 14 + int(i) * 25, innen - 24, 22);
        b->setChecked(FesteTemperaturen[i] == 5000);
        connect(b, &QCheckBox::toggled, this, [this] { ZeichneKurven(); });
        CheckBoxTemp[i] = b;
    }
    CheckBoxTemp2000 = CheckBoxTemp[0];
    CheckBoxTemp3000 = CheckBoxTemp[1];
    CheckBoxTemp4000 = CheckBoxTemp[2];
    CheckBoxTemp5000 = CheckBoxTemp[3];
    CheckBoxTemp5875 = CheckBoxTemp[4];
    CheckBoxTemp5875->setToolTip(QStringLiteral("Temperatur der Sonnenoberfläche"));

    // one variable temperature in the same place
    GroupBoxVariTemperatur = new QGroupBox(PanelKurve);
    Setze(GroupBoxVariTemperatur, 8, 78, innen, 142);
    Beschriftung(GroupBoxVariTemperatur, QStringLiteral("1000 K                   6000 K"), 8, 18, innen - 16);
    const Schieber temperatur = ErzeugeSchieber(GroupBoxVariTemperatur, 10, 60, 50, QRect(8, 40, innen - 16, 28),
                                                true, [this] { TrackBarTemperaturChange(); });
    TrackBarTemperatur = temperatur.bar;
    UpDownTemperatur = temperatur.updown;
    PanelTemperatur = new Panel(GroupBoxVariTemperatur, Panel::Rand::Gesenkt);
    PanelTemperatur->setFarbe(FarbeGemessen);
    Setze(PanelTemperatur, 8, 84, innen - 16, 30);
    GroupBoxVariTemperatur->hide();

    // pen width of the fixed-temperature curves
    Beschriftung(PanelKurve, QStringLiteral("Strichbreite"), 8, 228, innen);
    TrackBarBreite = ErzeugeSchieber(PanelKurve, 1, 7, 3, QRect(8, 246, innen, 26), false, [this] { ZeichneKurven(); }).bar;

    // reference temperature of the picture height
    Beschriftung(PanelKurve, QStringLiteral("Vertikale Achse:"), 8, 278, innen);
    Beschriftung(PanelKurve, QStringLiteral("Bildhöhe = max. Strahlungs-"), 8, 296, innen);
    Beschriftung(PanelKurve, QStringLiteral("leistung bei der Temperatur"), 8, 314, innen);
    const Schieber leistung = ErzeugeSchieber(PanelKurve, 20, 60, 50, QRect(8, 334, innen, 26), true,
                                              [this] { TrackBarMaxLeistungChange(); });
    TrackBarMaxLeistung = leistung.bar;
    UpDownMaxLeistung = leistung.updown;
    Beschriftung(PanelKurve, QStringLiteral("2000       4000       6000 K"), 8, 360, innen);

    // range of the horizontal axis: one panel per quantity in the same place
    const QRect achse(8, 384, innen, 84);
    const Achsentafel frequenz =
        ErzeugeAchsentafel(PanelKurve, achse, QStringLiteral("Frequenzen von 0 bis"),
                           QStringLiteral("200       1000    1800 THz "), 20, 180, 120, true, [this] { TrackBarFrequenzChange(); });
    PanelFrequenz = frequenz.panel;
    TrackBarFrequenz = frequenz.schieber.bar;
    UpDownFrequenz = frequenz.schieber.updown;
    const Achsentafel wellenlaenge =
        ErzeugeAchsentafel(PanelKurve, achse, QStringLiteral("Wellenlängen von 0 bis"),
                           QStringLiteral("1           2            3 µm"), 100, 300, 250, true, [this] { TrackBarWLaengeChange(); });
    PanelWellenlaenge = wellenlaenge.panel;
    TrackBarWLaenge = wellenlaenge.schieber.bar;
    UpDownWLaenge = wellenlaenge.schieber.updown;

    CheckBoxVerschiebung = new QCheckBox(QStringLiteral("Mit Wien-&Verschiebungs-Gesetz"), PanelKurve);
    SetzeFarbe(CheckBoxVerschiebung, FarbeVerschiebung);
    for (int groesse = 10; groesse > 7 && CheckBoxVerschiebung->sizeHint().width() + 4 > w - 8; --groesse)
        SetzeSchrift(CheckBoxVerschiebung, QStringLiteral("Trebuchet MS"), groesse, groesse == 10);  // fits the column
    Setze(CheckBoxVerschiebung, 4, 476, std::min(w - 8, CheckBoxVerschiebung->sizeHint().width() + 4), 22);
    CheckBoxVerschiebung->setToolTip(QStringLiteral("Wiensches Verschiebungsgesetz"));
    connect(CheckBoxVerschiebung, &QCheckBox::toggled, this, [this] { ZeichneKurven(); });
    CheckBoxSpektrum = new QCheckBox(QStringLiteral("Mit dem &Spektrum des"), PanelKurve);
    Setze(CheckBoxSpektrum, 8, 506, innen, 22);
    Beschriftung(PanelKurve, QStringLiteral("sichtbaren Lichts"), 28, 526, innen - 20);
    connect(CheckBoxSpektrum, &QCheckBox::toggled, this, [this] { CheckBoxSpektrumClick(); });
}

void TFormSchwarzkoerper::ErzeugeUntereTafeln()
{
    const SchwarzkoerperLayout &l = layout_;
    PanelLambdaF = new Panel(this);
    PanelLambdaF->setFarbe(FarbePanel);
    Setze(PanelLambdaF, l.lambdaF.left(), l.lambdaF.top(), l.lambdaF.width(), l.lambdaF.height());
    const bool gross = l.grosseTafeln;
    Beschriftung(PanelLambdaF, QStringLiteral("Strahlungskurve"), 8, gross ? 8 : 4, l.lambdaF.width() - 16);
    RadioGroupLambdaF = new RadioGroup(QStringLiteral("&abhängig von "),
                                       {QStringLiteral("der Frequenz"), QStringLiteral("der Wellenlänge")}, PanelLambdaF);
    Setze(RadioGroupLambdaF, 8, gross ? 30 : 22, l.lambdaF.width() - 16, gross ? 100 : 76);
    RadioGroupLambdaF->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupLambdaF);
    connect(RadioGroupLambdaF, &RadioGroup::geklickt, this, [this] { RadioGroupLambdaFClick(); });

    PanelKurven = new Panel(this);
    PanelKurven->setFarbe(FarbePanel);
    Setze(PanelKurven, l.kurven.left(), l.kurven.top(), l.kurven.width(), l.kurven.height());
    const int a = l.kurvenAbstand;
    const int oben = (l.kurven.height() - 2 * a - 22) / 2;
    const int rechts = l.kurven.width() / 2 + 24;
    CheckBoxPlanckStrahlung = FarbigeBox(PanelKurven, QStringLiteral("&gemessene Kurve"), FarbeGemessen, 12, oben);
    CheckBoxWienStrahlung =
        FarbigeBox(PanelKurven, QStringLiteral("berechnet nach &Wien´schem Gesetz"), FarbeWien, 12, oben + a);
    CheckBoxRayleighJeansStrahlung =
        FarbigeBox(PanelKurven, QStringLiteral("berechnet nach &Rayleigh-Jeans-G."), FarbeRJ, 12, oben + 2 * a);
    Beschriftung(PanelKurven, QStringLiteral("Zeige  Verhältnis (Quotient)"), rechts, oben, l.kurven.width() - rechts - 8,
                 22);
    CheckBoxWienRelativ =
        FarbigeBox(PanelKurven, QStringLiteral("\"W&ien\" : \"gemessen\""), FarbeWienRel, rechts, oben + a);
    checkboxRayleighJeansRelativ =
        FarbigeBox(PanelKurven, QStringLiteral("\"Rayleigh-&Jeans\" : \"gemessen\""), FarbeRJRel, rechts, oben + 2 * a);
    for (QCheckBox *b : {CheckBoxPlanckStrahlung, CheckBoxWienStrahlung, CheckBoxRayleighJeansStrahlung,
                         CheckBoxWienRelativ, checkboxRayleighJeansRelativ})
        connect(b, &QCheckBox::toggled, this, [this] { ZeichneKurven(); });
}

void TFormSchwarzkoerper::Skalen()
{
    SkalaFrequenz = Waermestrahlung::SkalaFrequenz(AchsenLaenge, TrackBarFrequenz->Position());
    SkalaWellenlaenge = Waermestrahlung::SkalaWellenlaenge(AchsenLaenge, TrackBarWLaenge->Position());
    RefTemperatur = TrackBarMaxLeistung->Position() * 100;
    const Referenz ref = StrahlungsReferenz(RefTemperatur);
    RefWertLambda = ref.lambda;
    RefWertNu = ref.nu;
}

SchwarzkoerperZustand TFormSchwarzkoerper::Zustand() const
{
    SchwarzkoerperZustand z;
    z.ueberFrequenz = ueberFrequenz;
    z.mitSpektrum = mitSpektrum;
    z.positionFrequenz = TrackBarFrequenz->Position();
    z.positionWLaenge = TrackBarWLaenge->Position();
    z.refTemperatur = RefTemperatur;
    z.variabel = RadioGroupTempWahl->ItemIndex() == 1;
    z.varTemperatur = VarTemperatur;
    for (std::size_t i = 0; i < CheckBoxTemp.size(); ++i)
        z.temperatur[i] = CheckBoxTemp[i]->isChecked();
    z.strichbreite = TrackBarBreite->Position();
    z.gemessen = CheckBoxPlanckStrahlung->isChecked();
    z.wien = CheckBoxWienStrahlung->isChecked();
    z.rayleighJeans = CheckBoxRayleighJeansStrahlung->isChecked();
    z.wienRelativ = CheckBoxWienRelativ->isChecked();
    z.rayleighJeansRelativ = checkboxRayleighJeansRelativ->isChecked();
    z.verschiebung = CheckBoxVerschiebung->isChecked();
    return z;
}

void TFormSchwarzkoerper::ZeichneKurven()
{
    // Controls created later in the constructor fire no redraw before the picture is ready.
    if (!Image1 || !checkboxRayleighJeansRelativ || !CheckBoxSpektrum)
        return;
    Skalen();  // the reference maxima follow the current Planck constant
    SchwarzkoerperBild bild(Image1->canvas(),
                            BerechneMasse(Image1->bild().width(), Image1->bild().height(), 70));
    bild.ZeichneKurven(Zustand());
}

void TFormSchwarzkoerper::FormActivate()
{
    // The Planck-constant window may have replaced h since the last opening.
    ZeichneKurven();
}

void TFormSchwarzkoerper::RadioGroupTempWahlClick()
{
    const bool fest = RadioGroupTempWahl->ItemIndex() == 0;
    GroupBoxTemperaturen->setVisible(fest);
    GroupBoxVariTemperatur->setVisible(!fest);
    VarTemperatur = TrackBarTemperatur->Position() * 100;
    ZeichneKurven();
}

void TFormSchwarzkoerper::RadioGroupLambdaFClick()
{
    ueberFrequenz = RadioGroupLambdaF->ItemIndex() == 0;
    PanelFrequenz->setVisible(ueberFrequenz);
    PanelWellenlaenge->setVisible(!ueberFrequenz);
    ZeichneKurven();
}

void TFormSchwarzkoerper::TrackBarTemperaturChange()
{
    VarTemperatur = TrackBarTemperatur->Position() * 100;
    if (PanelTemperatur)
        PanelTemperatur->setCaption(QStringLiteral("T = %1 Kelvin").arg(VarTemperatur));
    ZeichneKurven();
}

void TFormSchwarzkoerper::TrackBarMaxLeistungChange() { ZeichneKurven(); }
void TFormSchwarzkoerper::TrackBarFrequenzChange() { ZeichneKurven(); }
void TFormSchwarzkoerper::TrackBarWLaengeChange() { ZeichneKurven(); }

void TFormSchwarzkoerper::CheckBoxSpektrumClick()
{
    mitSpektrum = CheckBoxSpektrum->isChecked();
    ZeichneKurven();
}

void TFormSchwarzkoerper::SchreibeHinweiseSelbst()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    stil.listeFarbe = FarbeHinweisMarke;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/thermal/schwarzkoerper_hinweis.txt")), stil);
}
