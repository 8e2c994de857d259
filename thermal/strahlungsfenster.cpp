#include "strahlungsfenster.h"

#include "bild.h"
#include "strahlungssteuerung.h"
#include "strahlungswerte.h"
#include "zugang.h"

using namespace Waermestrahlung;

StrahlungsFenster::StrahlungsFenster(const QString &caption, int achsenRand, QWidget *parent)
    : SimFenster(caption, parent), achsenRand_(achsenRand)
{
    BilderFreigebbar();  // curves and formulas are drawn anew on every show
}

void StrahlungsFenster::ErzeugeTitelUndBild(const QString &titel, const StrahlungsLayout &l)
{
    ErzeugeTitel(titel, l.titel.left(), l.titel.top(), l.titel.width(), l.titel.height());
    TitelEinpassen(PanelTitel);
    Image1 = new Bild(this);
    Image1->move(l.bild.topLeft());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());
}

void StrahlungsFenster::ErzeugeTemperaturwahl(int wahlOben, int wahlHoehe, int gruppenOben, int vorgabe,
                                              const QList<TrackBar::Marke> &skala, bool mitUpDown)
{
    const int innen = PanelKurve->width() - 16;
    RadioGroupTempWahl =
        new RadioGroup(tr("&Temperatur"), {tr("vorgegeben (1 bis 5)"), tr("variabel (jeweils 1)")}, PanelKurve);
    Setze(RadioGroupTempWahl, 8, wahlOben, innen, wahlHoehe);
    RadioGroupTempWahl->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupTempWahl);
    connect(RadioGroupTempWahl, &RadioGroup::geklickt, this, [this] { RadioGroupTempWahlClick(); });

    // the five fixed temperatures
    GroupBoxTemperaturen = new QGroupBox(PanelKurve);
    GroupBoxTemperaturen->setToolTip(tr("Kelvin = Einheit der Temperatur ab absolutem Nullpunkt"));
    Setze(GroupBoxTemperaturen, 8, gruppenOben, innen, 142);
    QCheckBox **boxen[] = {&CheckBoxTemp2000, &CheckBoxTemp3000, &CheckBoxTemp4000, &CheckBoxTemp5000,
                           &CheckBoxTemp5875};
    static_assert(std::size(boxen) == FesteTemperaturen.size());
    for (std::size_t i = 0; i < FesteTemperaturen.size(); ++i) {
        auto *b = new QCheckBox(tr("T = %1 Kelvin").arg(FesteTemperaturen[i]), GroupBoxTemperaturen);
        Setze(b, 12, 14 + int(i) * 25, innen - 24, 22);
        b->setChecked(FesteTemperaturen[i] == vorgabe);
        *boxen[i] = b;
    }
    CheckBoxTemp5875->setToolTip(tr("steht für die Sonnenoberfläche (rund 5800 K)"));

    // one variable temperature in the same place
    GroupBoxVariTemperatur = new QGroupBox(PanelKurve);
    Setze(GroupBoxVariTemperatur, 8, gruppenOben, innen, 142);
    const Schieber temperatur = ErzeugeSchieber(GroupBoxVariTemperatur, 10, 60, 50, QRect(8, 40, innen - 16, 28),
                                                mitUpDown, [this] { TrackBarTemperaturChange(); });
    temperatur.bar->setSkala(skala, true);
    TrackBarTemperatur = temperatur.bar;
    UpDownTemperatur = temperatur.updown;
    PanelTemperatur = new Panel(GroupBoxVariTemperatur, Panel::Rand::Gesenkt);
    PanelTemperatur->setFarbe(FarbeGemessen);
    Setze(PanelTemperatur, 8, 84, innen - 16, 30);
    GroupBoxVariTemperatur->hide();
}

void StrahlungsFenster::ErzeugeBreiteUndBezug(int breiteOben, int bezugOben, int bezugVorgabe,
                                              const QList<TrackBar::Marke> &skala, bool mitUpDown)
{
    const int innen = PanelKurve->width() - 16;
    // pen width of the curves
    Beschriftung(PanelKurve, tr("Strichbreite"), 8, breiteOben, innen);
    TrackBarBreite =
        ErzeugeSchieber(PanelKurve, 1, 7, 3, QRect(8, breiteOben + 18, innen, 26), false, [this] { Neuzeichnen(); })
            .bar;

    // reference temperature of the picture height
    Beschriftung(PanelKurve, tr("Vertikale Achse:"), 8, bezugOben, innen);
    Beschriftung(PanelKurve, tr("Bildhöhe = max. Strahlungs-"), 8, bezugOben + 18, innen);
    Beschriftung(PanelKurve, tr("leistung bei der Temperatur"), 8, bezugOben + 36, innen);
    const Schieber leistung = ErzeugeSchieber(PanelKurve, 20, 60, bezugVorgabe, QRect(8, bezugOben + 56, innen, 26),
                                              mitUpDown, [this] { TrackBarMaxLeistungChange(); });
    TrackBarMaxLeistung = leistung.bar;
    UpDownMaxLeistung = leistung.updown;
    TrackBarMaxLeistung->setSkala(skala);
}

void StrahlungsFenster::ErzeugeAchsentafeln(QWidget *eltern, const QRect &ort, bool mitUpDown)
{
    const Achsentafel frequenz =
        ErzeugeAchsentafel(eltern, ort, tr("Frequenzen von 0 bis"),
                           {{20, QStringLiteral("200")}, {100, QStringLiteral("1000")}, {180, QStringLiteral("1800 THz")}},
                           20, 180, 120, mitUpDown,
                           [this] { TrackBarFrequenzChange(); });
    PanelFrequenz = frequenz.panel;
    TrackBarFrequenz = frequenz.schieber.bar;
    UpDownFrequenz = frequenz.schieber.updown;
    const Achsentafel wellenlaenge =
        ErzeugeAchsentafel(eltern, ort, tr("Wellenlängen von 0 bis"),
                           {{100, QStringLiteral("1")}, {200, QStringLiteral("2")}, {300, QStringLiteral("3 µm")}}, 100,
                           300, 250, mitUpDown,
                           [this] { TrackBarWLaengeChange(); });
    PanelWellenlaenge = wellenlaenge.panel;
    TrackBarWLaenge = wellenlaenge.schieber.bar;
    UpDownWLaenge = wellenlaenge.schieber.updown;
}

void StrahlungsFenster::ErzeugeLambdaFWahl(const QString &titel, const QStringList &items, const QRect &ort)
{
    RadioGroupLambdaF = new RadioGroup(titel, items, PanelLambdaF);
    Setze(RadioGroupLambdaF, ort.left(), ort.top(), ort.width(), ort.height());
    RadioGroupLambdaF->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupLambdaF);
    connect(RadioGroupLambdaF, &RadioGroup::geklickt, this, [this] { RadioGroupLambdaFClick(); });
}

void StrahlungsFenster::ErzeugeSpektrumSchalter(int oben, const QString &text, const QString &zweiteZeile)
{
    const int innen = PanelKurve->width() - 16;
    CheckBoxSpektrum = new QCheckBox(text, PanelKurve);
    Setze(CheckBoxSpektrum, 8, oben, innen, 22);
    Beschriftung(PanelKurve, zweiteZeile, 28, oben + 20, innen - 20);
    CheckBoxSpektrum->setAccessibleName(ZeilenVerbinden({OhneMarken(text), zweiteZeile}));
    connect(CheckBoxSpektrum, &QCheckBox::toggled, this, [this] { CheckBoxSpektrumClick(); });
}

void StrahlungsFenster::Anfangswerte()
{
    Skalen();
    VarTemperatur = TrackBarTemperatur->Position() * 100;
    PanelTemperatur->setCaption(tr("T = %1 Kelvin").arg(VarTemperatur));
    ueberFrequenz = RadioGroupLambdaF->ItemIndex() == 0;
    mitSpektrum = CheckBoxSpektrum->isChecked();
    GroupBoxTemperaturen->setVisible(RadioGroupTempWahl->ItemIndex() == 0);
    GroupBoxVariTemperatur->setVisible(RadioGroupTempWahl->ItemIndex() == 1);
    PanelFrequenz->setVisible(ueberFrequenz);
    PanelWellenlaenge->setVisible(!ueberFrequenz);
}

void StrahlungsFenster::Skalen()
{
    RefTemperatur = TrackBarMaxLeistung->Position() * 100;
}

Diagrammmasse StrahlungsFenster::Masse() const
{
    return BerechneMasse(Image1->bildGroesse().width(), Image1->bildGroesse().height(), achsenRand_);
}

void StrahlungsFenster::ZustandFuellen(StrahlungsZustand &z) const
{
    z.ueberFrequenz = ueberFrequenz;
    z.mitSpektrum = mitSpektrum;
    z.positionFrequenz = TrackBarFrequenz->Position();
    z.positionWLaenge = TrackBarWLaenge->Position();
    z.refTemperatur = RefTemperatur;
    z.variabel = RadioGroupTempWahl->ItemIndex() == 1;
    z.varTemperatur = VarTemperatur;
    const auto boxen = CheckBoxTemp();
    for (std::size_t i = 0; i < boxen.size(); ++i)
        z.temperatur[i] = boxen[i]->isChecked();
    z.strichbreite = TrackBarBreite->Position();
    z.h = Planckkonstante;
}

void StrahlungsFenster::FormActivate() { Neuzeichnen(); }

QString StrahlungsFenster::AchsenSatz(const StrahlungsZustand &z, const QString &zusatz) const
{
    const QString achse =
        z.ueberFrequenz ? tr("Strahlungsleistung über der Frequenz von 0 bis %1\u00A0THz").arg(z.positionFrequenz * 10)
                        : tr("Strahlungsleistung über der Wellenlänge von 0 bis %1\u00A0nm").arg(z.positionWLaenge * 10);
    return achse + zusatz +
           tr("; die Bildhöhe entspricht der maximalen Strahlungsleistung bei %1\u00A0K.").arg(z.refTemperatur);
}

QString StrahlungsFenster::MaximumText(const StrahlungsZustand &z, int T) const
{
    const bool uF = z.ueberFrequenz;
    // over frequency the curve is the wavelength density at λ = c/ν: its maximum lies at c/λmax
    const double q = uF ? MaximumNu(T, z.h) : MaximumLambda(T, z.h);  // Hz or m
    const double wert = uF ? q / 1e12 : q * 1e9;                       // THz or nm
    if (!(wert > 0 && wert < 1e9))
        return {};
    QString text = tr("bei %1\u00A0%2").arg(Runde(wert)).arg(uF ? QStringLiteral("THz") : QStringLiteral("nm"));
    const Diagrammmasse m = Masse();
    if (wert > Achsenbereich(z, m))
        return text + tr(" (rechts außerhalb der Achse)");
    // The Planck window's shapes differ from the densities by a constant factor only: the
    // heights relative to the reference maximum are the same.
    const double skala = uF ? SkalaFrequenz(m.L, z.positionFrequenz) : SkalaWellenlaenge(m.L, z.positionWLaenge);
    const double hoehe = KurvenHoehe(Kurvenart::Gemessen, uF, q * skala, T, skala,
                                     StrahlungsReferenz(z.refTemperatur, z.h), m.Hmax, z.h);
    if (hoehe > m.Y0)
        text += tr(" (über dem oberen Bildrand)");
    return text;
}

QString StrahlungsFenster::MaximaListe(const StrahlungsZustand &z, const QList<int> &temperaturen) const
{
    QStringList maxima;
    for (int T : temperaturen) {
        const QString wo = MaximumText(z, T);
        if (!wo.isEmpty())
            maxima << tr("für %1\u00A0K %2").arg(T).arg(wo);
    }
    return Aufzaehlung(maxima);
}

QString StrahlungsFenster::Temperaturliste(const QList<int> &temperaturen)
{
    QStringList teile;
    for (int T : temperaturen)
        teile << QStringLiteral("%1\u00A0K").arg(T);
    return Aufzaehlung(teile);
}

QString StrahlungsFenster::Aufzaehlung(const QStringList &teile)
{
    if (teile.size() < 2)
        return teile.join(QString());
    return teile.mid(0, teile.size() - 1).join(QStringLiteral(", ")) + tr(" und ") + teile.last();
}

void StrahlungsFenster::RadioGroupTempWahlClick()
{
    const bool fest = RadioGroupTempWahl->ItemIndex() == 0;
    GroupBoxTemperaturen->setVisible(fest);
    GroupBoxVariTemperatur->setVisible(!fest);
    VarTemperatur = TrackBarTemperatur->Position() * 100;
    Neuzeichnen();
}

void StrahlungsFenster::RadioGroupLambdaFClick()
{
    ueberFrequenz = RadioGroupLambdaF->ItemIndex() == 0;
    PanelFrequenz->setVisible(ueberFrequenz);
    PanelWellenlaenge->setVisible(!ueberFrequenz);
    Neuzeichnen();
}

void StrahlungsFenster::TrackBarTemperaturChange()
{
    VarTemperatur = TrackBarTemperatur->Position() * 100;
    if (PanelTemperatur)
        PanelTemperatur->setCaption(tr("T = %1 Kelvin").arg(VarTemperatur));
    Neuzeichnen();
}

void StrahlungsFenster::TrackBarMaxLeistungChange() { Neuzeichnen(); }
void StrahlungsFenster::TrackBarFrequenzChange() { Neuzeichnen(); }
void StrahlungsFenster::TrackBarWLaengeChange() { Neuzeichnen(); }

void StrahlungsFenster::CheckBoxSpektrumClick()
{
    mitSpektrum = CheckBoxSpektrum->isChecked();
    Neuzeichnen();
}
