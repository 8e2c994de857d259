#include "schwarzkoerperfenster.h"

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
    SetzeTextFarbe(b, TextFarbeAuf(farbe));  // black or white, whichever reads better on it
    Setze(b, x, y, b->sizeHint().width() + 8, 22);
    return b;
}

}  // namespace

TFormSchwarzkoerper::TFormSchwarzkoerper(QWidget *parent)
    : StrahlungsFenster(tr("  Strahlung eines Schwarzen Körpers"), 70, parent)
{
    layout_ = BerechneSchwarzkoerperLayout(AktuelleBildschirmwerte());
    const SchwarzkoerperLayout &l = layout_;

    ErzeugeTitelUndBild(tr("Die Strahlung eines Schwarzen Körpers"), l);
    ErzeugeKurvenTafel();
    ErzeugeUntereTafeln();

    PanelHinweise = ErzeugePanel(this, l.hinweise);
    ErzeugeHinweis(PanelHinweise, tr("&Hinweise/Info"), QString(), [this] { SchreibeHinweiseSelbst(); });
    const int rand = l.hinweise.height() >= 49 ? 6 : 3;
    Setze(BitBtnHinweis, 8, rand, l.hinweise.width() - 16, l.hinweise.height() - 2 * rand);
    Hinweis.setzeGeometrie(l.hinweis.left(), l.hinweis.top(), l.hinweis.width(), l.hinweis.height());
    Setze(Hinweis.edit, 8, 8, l.hinweis.width() - 16, l.hinweis.height() - 40);
    BitBtnInfoLoeschen = Hinweis.loeschen;
    BitBtnInfoLoeschen->setText(tr("l&öschen"));
    Setze(BitBtnInfoLoeschen, l.hinweis.width() - 8 - 105, l.hinweis.height() - 8 - 25, 105, 25);
    Hinweis.panel->setFarbe(FarbePanel);
    Hinweis.panel->raise();

    Setze(BitBtnZurueck, l.zurueck.left(), l.zurueck.top(), l.zurueck.width(), l.zurueck.height());
    BitBtnZurueck->raise();

    Anfangswerte();  // the curves are drawn when the window is shown
    BildBeschreiben(Image1, tr("Strahlungskurven des Schwarzen Körpers"), [this] { return BildBeschreibung(); });
}

void TFormSchwarzkoerper::ErzeugeKurvenTafel()
{
    const QRect &k = layout_.kurve;
    PanelKurve = ErzeugePanel(this, QRect(k.left(), k.top(), k.width(), KurveHoehe));
    const int w = layout_.kurve.width();
    const int innen = w - 16;

    ErzeugeTemperaturwahl(6, 68, 78, 5000, {{10, QStringLiteral("1000 K")}, {60, QStringLiteral("6000 K")}}, true);
    for (QCheckBox *b : CheckBoxTemp())
        connect(b, &QCheckBox::toggled, this, [this] { ZeichneKurven(); });
    ErzeugeBreiteUndBezug(228, 278, 50, {{20, QStringLiteral("2000")}, {40, QStringLiteral("4000")}, {60, QStringLiteral("6000 K")}}, true);
    // range of the horizontal axis: one panel per quantity in the same place
    ErzeugeAchsentafeln(PanelKurve, QRect(8, 384, innen, 84), true);

    CheckBoxVerschiebung = new QCheckBox(tr("Mit Wien-&Verschiebungs-Gesetz"), PanelKurve);
    SetzeFarbe(CheckBoxVerschiebung, FarbeVerschiebung);
    for (int groesse = 10; groesse > 7 && CheckBoxVerschiebung->sizeHint().width() + 4 > w - 8; --groesse)
        SetzeSchrift(CheckBoxVerschiebung, QStringLiteral("Trebuchet MS"), groesse, groesse == 10);  // fits the column
    Setze(CheckBoxVerschiebung, 4, 476, std::min(w - 8, CheckBoxVerschiebung->sizeHint().width() + 4), 22);
    CheckBoxVerschiebung->setToolTip(tr("Wien’sches Verschiebungsgesetz"));
    connect(CheckBoxVerschiebung, &QCheckBox::toggled, this, [this] { ZeichneKurven(); });
    ErzeugeSpektrumSchalter(506, tr("Mit dem &Spektrum des"), tr("sichtbaren Lichts"));
    Stauchen(PanelKurve, k.height());
}

void TFormSchwarzkoerper::ErzeugeUntereTafeln()
{
    const SchwarzkoerperLayout &l = layout_;
    PanelLambdaF = ErzeugePanel(this, l.lambdaF);
    const bool gross = l.grosseTafeln;
    Beschriftung(PanelLambdaF, tr("Strahlungskurve"), 8, gross ? 8 : 4, l.lambdaF.width() - 16);
    ErzeugeLambdaFWahl(tr("&abhängig von "), {tr("der Frequenz"), tr("der Wellenlänge")},
                       QRect(8, gross ? 30 : 22, l.lambdaF.width() - 16, gross ? 100 : 76));

    PanelKurven = ErzeugePanel(this, l.kurven);
    const int a = l.kurvenAbstand;
    const int oben = (l.kurven.height() - 2 * a - 22) / 2;
    const int rechts = l.kurven.width() / 2 + 24;
    CheckBoxPlanckStrahlung = FarbigeBox(PanelKurven, tr("&gemessene Kurve"), FarbeGemessen, 12, oben);
    CheckBoxWienStrahlung = FarbigeBox(PanelKurven, tr("berechnet nach &Wien’schem Gesetz"), FarbeWien, 12, oben + a);
    CheckBoxRayleighJeansStrahlung =
        FarbigeBox(PanelKurven, tr("berechnet nach &Rayleigh-Jeans-G."), FarbeRJ, 12, oben + 2 * a);
    Beschriftung(PanelKurven, tr("Zeige Verhältnis (Quotient)"), rechts, oben, l.kurven.width() - rechts - 8, 22);
    CheckBoxWienRelativ = FarbigeBox(PanelKurven, tr("„W&ien“ : „gemessen“"), FarbeWienRel, rechts, oben + a);
    checkboxRayleighJeansRelativ =
        FarbigeBox(PanelKurven, tr("„Rayleigh-&Jeans“ : „gemessen“"), FarbeRJRel, rechts, oben + 2 * a);
    for (QCheckBox *b : {CheckBoxPlanckStrahlung, CheckBoxWienStrahlung, CheckBoxRayleighJeansStrahlung,
                         CheckBoxWienRelativ, checkboxRayleighJeansRelativ})
        connect(b, &QCheckBox::toggled, this, [this] { ZeichneKurven(); });
}

SchwarzkoerperZustand TFormSchwarzkoerper::Zustand() const
{
    SchwarzkoerperZustand z;
    ZustandFuellen(z);
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
    Skalen();
    SchwarzkoerperBild(Image1->canvas(), Masse()).ZeichneKurven(Zustand());
}

QString TFormSchwarzkoerper::BildBeschreibung() const
{
    const SchwarzkoerperZustand z = Zustand();
    QString text = AchsenSatz(z, z.mitSpektrum ? tr(", mit dem Spektrum des sichtbaren Lichts") : QString());

    QStringList arten;
    if (z.gemessen)
        arten << tr("gemessen");
    if (z.wien)
        arten << tr("nach Wien");
    if (z.rayleighJeans)
        arten << tr("nach Rayleigh-Jeans");
    if (z.wienRelativ)
        arten << tr("Verhältnis „Wien“ : „gemessen“");
    if (z.rayleighJeansRelativ)
        arten << tr("Verhältnis „Rayleigh-Jeans“ : „gemessen“");
    const QList<int> Ts = GezeigteTemperaturen(z);
    const QString verschiebung = tr("die Kurve des Wien’schen Verschiebungsgesetzes durch die Maxima");
    text += QLatin1Char(' ');
    if (!arten.isEmpty() && !Ts.isEmpty())
        text += tr("Kurven für %1: %2").arg(Temperaturliste(Ts), Aufzaehlung(arten)) +
                (z.verschiebung ? tr("; dazu %1.").arg(verschiebung) : QStringLiteral("."));
    else if (z.verschiebung)
        text += tr("Gezeichnet ist nur %1.").arg(verschiebung);
    else if (Ts.isEmpty())
        text += tr("Keine Temperatur gewählt.");
    else
        text += tr("Keine Kurve gewählt.");

    if (z.gemessen && Ts.size() == 1) {
        const QString wo = MaximumText(z, Ts.first());
        if (!wo.isEmpty())
            text += QLatin1Char(' ') + tr("Die gemessene Kurve hat ihr Maximum %1.").arg(wo);
    } else if (z.gemessen && Ts.size() > 1) {
        const QString maxima = MaximaListe(z, Ts);
        if (!maxima.isEmpty())
            text += QLatin1Char(' ') + tr("Maxima der gemessenen Kurven %1.").arg(maxima);
    }
    return text;
}

void TFormSchwarzkoerper::SchreibeHinweiseSelbst()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    stil.listeFarbe = FarbeHinweisMarke;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/thermal/schwarzkoerper_hinweis.txt")), stil);
}
