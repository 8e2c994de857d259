#include "planckgesetzfenster.h"

#include "bild.h"
#include "strahlungssteuerung.h"

#include <cmath>

using namespace Waermestrahlung;

namespace {

// "6,63 · 10⁻³⁴" as the constants picture writes the value.
QString Zehnerpotenz(double wert)
{
    int exponent = 0;
    const QString mantisse = Mantisse(wert, exponent);
    if (!std::isfinite(wert))
        return mantisse;
    static const char16_t hoch[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString potenz = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (QChar z : QString::number(std::abs(exponent)))
        potenz += QChar(hoch[z.digitValue()]);
    return mantisse + QStringLiteral("\u00A0·\u00A010") + potenz;
}

}  // namespace

TFormPlanckGesetz::TFormPlanckGesetz(QWidget *parent)
    : StrahlungsFenster(tr("  Das Strahlungsgesetz von Max Planck"), 100, parent)
{
    layout_ = BerechnePlanckLayout(AktuelleBildschirmwerte());
    const PlanckLayout &l = layout_;

    ErzeugeTitelUndBild(tr("Das Planck’sche Strahlungsgesetz"), l);
    ErzeugeKurvenTafel();
    ErzeugeUntereTafeln();
    Setze(BitBtnZurueck, l.zurueck.left(), l.zurueck.top(), l.zurueck.width(), l.zurueck.height());
    BitBtnZurueck->raise();

    // the formula pictures over the drawing, hidden until asked for
    auto formelBild = [this](const QRect &ort) {
        auto *b = new Bild(this);
        b->move(ort.topLeft());
        b->setBildGroesse(ort.width(), ort.height());
        b->setCursor(Qt::PointingHandCursor);
        b->hide();
        return b;
    };
    ImageGesetzFr = formelBild(l.gesetzBild);
    ImageGesetzWL = formelBild(l.gesetzBild);
    ImageKonstanten = formelBild(l.konstantenBild);
    connect(ImageGesetzFr, &Bild::geklickt, this, [this] { ImageGesetzClick(); });
    connect(ImageGesetzWL, &Bild::geklickt, this, [this] { ImageGesetzClick(); });
    connect(ImageKonstanten, &Bild::geklickt, this, [this] { ImageKonstantenClick(); });

    Anfangswerte();
    BildBeschreiben(Image1, tr("Strahlungskurven nach Planck"), [this] { return BildBeschreibung(); });
    BildBeschreiben(ImageGesetzFr, tr("Planck’sches Strahlungsgesetz über der Frequenz"), [] {
        return tr("S = 2·h·f³/c² · 1/(e^(h·f/(k·T)) − 1). Ein Körper der Temperatur T strahlt pro m² und sr zwischen "
                  "f und f + df die Leistung S · df ab; die Kurve zeigt dagegen die Leistung pro "
                  "Wellenlängenintervall, eingetragen bei f = c/λ.");
    });
    BildBeschreiben(ImageGesetzWL, tr("Planck’sches Strahlungsgesetz über der Wellenlänge"), [] {
        return tr("S = 2·h·c²/λ⁵ · 1/(e^(h·c/(λ·k·T)) − 1). Ein Körper mit der absoluten Temperatur T strahlt im "
                  "Wellenlängenbereich von λ bis λ + dλ pro m² und sr die Leistung S · dλ ab (W·m⁻³·sr⁻¹).");
    });
    BildBeschreiben(ImageKonstanten, tr("Konstanten des Strahlungsgesetzes"), [] { return KonstantenBeschreibung(); });
}

QString TFormPlanckGesetz::BildBeschreibung() const
{
    const PlanckZustand z = Zustand();
    QString text = AchsenSatz(z, z.mitSpektrum ? tr(", mit dem markierten und farbig gezeigten sichtbaren Bereich")
                                               : tr(", mit dem markierten sichtbaren Bereich"));
    const QList<int> Ts = GezeigteTemperaturen(z);
    text += QLatin1Char(' ');
    if (Ts.isEmpty()) {
        text += tr("Keine Temperatur gewählt.");
    } else if (Ts.size() == 1) {
        const QString wo = MaximumText(z, Ts.first());
        text += wo.isEmpty() ? tr("Strahlungskurve für %1\u00A0K.").arg(Ts.first())
                             : tr("Strahlungskurve für %1\u00A0K mit dem Maximum %2.").arg(Ts.first()).arg(wo);
    } else {
        const QString maxima = MaximaListe(z, Ts);
        text += maxima.isEmpty() ? tr("Strahlungskurven für %1.").arg(Temperaturliste(Ts))
                                 : tr("Strahlungskurven mit den Maxima %1.").arg(maxima);
    }
    return text;
}

QString TFormPlanckGesetz::KonstantenBeschreibung()
{
    return tr("h = %1\u00A0J·s (Planck’sche Konstante), c = %2\u00A0m/s (Lichtgeschwindigkeit), "
              "k = %3\u00A0J/K (Boltzmann-Konstante).")
        .arg(Zehnerpotenz(Planckkonstante), Zehnerpotenz(Lichtgeschwindigkeit), Zehnerpotenz(Boltzmann));
}

void TFormPlanckGesetz::BilderZeichnen()
{
    SchreibeGesetz(ImageGesetzFr->canvas(), true);
    SchreibeGesetz(ImageGesetzWL->canvas(), false);
    SchreibeKonstanten(ImageKonstanten->canvas(), Planckkonstante);
}

void TFormPlanckGesetz::ErzeugeKurvenTafel()
{
    const QRect &k = layout_.kurve;
    PanelKurve = ErzeugePanel(this, QRect(k.left(), k.top(), k.width(), KurveHoehe));
    ErzeugeTemperaturwahl(8, 70, 86, 5875, {{10, QStringLiteral("1000 K")}, {60, QStringLiteral("6000 K")}}, false);
    const auto boxen = CheckBoxTemp();
    for (std::size_t i = 0; i < boxen.size(); ++i)
        connect(boxen[i], &QCheckBox::toggled, this, [this, i] { CheckBoxTempClick(int(i)); });
    ErzeugeBreiteUndBezug(244, 306, 60, {{20, QStringLiteral("2000")}, {40, QStringLiteral("4000")}, {60, QStringLiteral("6000 K")}}, false);
    ErzeugeSpektrumSchalter(432, tr("mit dem &Spektrum"), tr("des sichtbaren Lichts"));
    Stauchen(PanelKurve, k.height());
}

void TFormPlanckGesetz::ErzeugeUntereTafeln()
{
    const PlanckLayout &l = layout_;
    PanelLambdaF = ErzeugePanel(this, l.lambdaF);
    Beschriftung(PanelLambdaF, tr("Zeichne die Planck’sche Strahlungskurve"), 8, 2, l.lambdaF.width() - 16);
    ErzeugeLambdaFWahl(tr("&abhängig von der "), {tr("Frequenz"), tr("Wellenlänge")},
                       QRect(8, 22, 126, 76));
    ErzeugeAchsentafeln(PanelLambdaF, QRect(140, 20, l.lambdaF.width() - 146, 82), false);

    PanelGesetz = ErzeugePanel(this, l.gesetz);
    Beschriftung(PanelGesetz, tr("Zeige das"), 12, 10, l.gesetz.width() - 24);
    CheckBoxGesetz = new QCheckBox(tr("&Planck’sche Strahlungsgesetz"), PanelGesetz);
    Setze(CheckBoxGesetz, 12, 32, l.gesetz.width() - 24, 22);
    CheckBoxKonstanten = new QCheckBox(tr("Erkläre die &Konstanten"), PanelGesetz);
    Setze(CheckBoxKonstanten, 12, 66, l.gesetz.width() - 24, 22);
    CheckBoxKonstanten->setEnabled(false);
    connect(CheckBoxGesetz, &QCheckBox::toggled, this, [this] { CheckBoxGesetzClick(); });
    connect(CheckBoxKonstanten, &QCheckBox::toggled, this, [this] { CheckBoxKonstantenClick(); });
}

bool TFormPlanckGesetz::bereit() const
{
    return Image1 && TrackBarWLaenge && CheckBoxSpektrum && CheckBoxKonstanten && ImageKonstanten;
}

PlanckZustand TFormPlanckGesetz::Zustand() const
{
    PlanckZustand z;
    ZustandFuellen(z);
    // the formula pictures that will stand over the drawing, in its coordinates
    if (CheckBoxGesetz->isChecked()) {
        z.verdeckt = layout_.gesetzBild;
        if (CheckBoxKonstanten->isChecked())
            z.verdeckt = z.verdeckt.united(layout_.konstantenBild);
        z.verdeckt.translate(-Image1->pos());
    }
    return z;
}

void TFormPlanckGesetz::FormelBilderZeigen()
{
    const bool gesetz = CheckBoxGesetz->isChecked();
    ImageGesetzFr->setVisible(gesetz && ueberFrequenz);
    ImageGesetzWL->setVisible(gesetz && !ueberFrequenz);
    const bool konstanten = gesetz && CheckBoxKonstanten->isChecked();
    if (konstanten)
        SchreibeKonstanten(ImageKonstanten->canvas(), Planckkonstante);  // the h in use now, also after reopening
    ImageKonstanten->setVisible(konstanten);
    for (Bild *b : {ImageGesetzFr, ImageGesetzWL, ImageKonstanten})
        if (b->isVisible())
            b->raise();
}

void TFormPlanckGesetz::Vorbereiten()
{
    if (!bereit())
        return;
    Skalen();
    PlanckBild(Image1->canvas(), Masse()).Vorbereiten(Zustand());
    PanelFrequenz->setVisible(ueberFrequenz);
    PanelWellenlaenge->setVisible(!ueberFrequenz);
    FormelBilderZeigen();
}

void TFormPlanckGesetz::ZeichneStrahlungskurven()
{
    if (!bereit())
        return;
    Skalen();
    PlanckBild(Image1->canvas(), Masse()).ZeichneStrahlungskurven(Zustand());
    PanelFrequenz->setVisible(ueberFrequenz);
    PanelWellenlaenge->setVisible(!ueberFrequenz);
    FormelBilderZeigen();
}

void TFormPlanckGesetz::CheckBoxTempClick(int index)
{
    if (!bereit())
        return;
    if (!CheckBoxTemp()[std::size_t(index)]->isChecked()) {
        ZeichneStrahlungskurven();
        return;
    }
    if (RadioGroupTempWahl->ItemIndex() != 0)
        return;  // the fixed curves are not shown
    Skalen();
    PlanckBild(Image1->canvas(), Masse()).ZeichneKurve(FesteTemperaturen[std::size_t(index)], true, Zustand());
}

void TFormPlanckGesetz::CheckBoxGesetzClick()
{
    CheckBoxKonstanten->setEnabled(CheckBoxGesetz->isChecked());
    ZeichneStrahlungskurven();  // the visible-range label moves out from under the formula
}

void TFormPlanckGesetz::CheckBoxKonstantenClick() { ZeichneStrahlungskurven(); }

void TFormPlanckGesetz::ImageGesetzClick()
{
    CheckBoxKonstanten->setChecked(false);
    CheckBoxGesetz->setChecked(false);
}

void TFormPlanckGesetz::ImageKonstantenClick() { CheckBoxKonstanten->setChecked(false); }
