#include "formplanckgesetz.h"

#include "bild.h"
#include "strahlungssteuerung.h"

using namespace Waermestrahlung;

TFormPlanckGesetz::TFormPlanckGesetz(QWidget *parent)
    : SimFenster(QStringLiteral("  Das Strahlungsgesetz von Max Planck"), parent)
{
    layout_ = BerechnePlanckLayout(AktuelleBildschirmwerte());
    const PlanckLayout &l = layout_;

    ErzeugeTitel(QStringLiteral("Das Planck´sche Strahlungsgesetz"), l.titel.left(), l.titel.top(), l.titel.width(),
                 l.titel.height());
    TitelEinpassen(PanelTitel);
    Image1 = new Bild(this);
    Image1->move(l.bild.topLeft());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());

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

    const Diagrammmasse m = BerechneMasse(Image1->bild().width(), Image1->bild().height(), 100);
    UrsprungX = m.X0;
    UrsprungY = m.Y0;
    AchsenLaenge = m.L;
    MaxHoehe = m.Hmax;
    Referenzen();
    VarTemperatur = TrackBarTemperatur->Position() * 100;
    PanelTemperatur->setCaption(QStringLiteral("T = %1 Kelvin").arg(VarTemperatur));
    ueberFrequenz = RadioGroupLambdaF->ItemIndex() == 0;
    mitSpektrum = CheckBoxSpektrum->isChecked();
    GroupBoxTemperaturen->setVisible(RadioGroupTempWahl->ItemIndex() == 0);
    GroupBoxVariTemperatur->setVisible(RadioGroupTempWahl->ItemIndex() == 1);

    ZeichneStrahlungskurven();
    SchreibeGesetz(ImageGesetzFr->canvas(), true);
    SchreibeGesetz(ImageGesetzWL->canvas(), false);
    SchreibeKonstanten(ImageKonstanten->canvas());
}

void TFormPlanckGesetz::ErzeugeKurvenTafel()
{
    const PlanckLayout &l = layout_;
    PanelKurve = new Panel(this);
    PanelKurve->setFarbe(FarbePanel);
    Setze(PanelKurve, l.kurve.left(), l.kurve.top(), l.kurve.width(), l.kurve.height());
    const int innen = l.kurve.width() - 16;

    RadioGroupTempWahl = new RadioGroup(QStringLiteral("&Temperatur"),
                                        {QStringLiteral("vorgegeben (1 bis 5)"), QStringLiteral("variabel (jeweils 1)")},
                                        PanelKurve);
    Setze(RadioGroupTempWahl, 8, 8, innen, 70);
    RadioGroupTempWahl->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupTempWahl);
    connect(RadioGroupTempWahl, &RadioGroup::geklickt, this, [this] { RadioGroupTempWahlClick(); });

    GroupBoxTemperaturen = new QGroupBox(PanelKurve);
    GroupBoxTemperaturen->setToolTip(QStringLiteral("Kelvin = Einheit der Temperatur ab absolutem Nullpunkt"));
    Setze(GroupBoxTemperaturen, 8, 86, innen, 142);
    for (std::size_t i = 0; i < FesteTemperaturen.size(); ++i) {
        auto *b = new QCheckBox(QStringLiteral("T = %1 Kelvin").arg(FesteTemperaturen[i]), GroupBoxTemperaturen);
        Setze(b, 12, 14 + int(i) * 25, innen - 24, 22);
        b->setChecked(FesteTemperaturen[i] == 5875);
        connect(b, &QCheckBox::toggled, this, [this, i] { CheckBoxTempClick(int(i)); });
        CheckBoxTemp[i] = b;
    }
    CheckBoxTemp2000 = CheckBoxTemp[0];
    CheckBoxTemp3000 = CheckBoxTemp[1];
    CheckBoxTemp4000 = CheckBoxTemp[2];
    CheckBoxTemp5000 = CheckBoxTemp[3];
    CheckBoxTemp5875 = CheckBoxTemp[4];
    CheckBoxTemp5875->setToolTip(QStringLiteral("Temperatur der Sonnenoberfläche"));

    GroupBoxVariTemperatur = new QGroupBox(PanelKurve);
    Setze(GroupBoxVariTemperatur, 8, 86, innen, 142);
    Beschriftung(GroupBoxVariTemperatur, QStringLiteral("1000 K                     6000 K"), 8, 18, innen - 16);
    TrackBarTemperatur = ErzeugeSchieber(GroupBoxVariTemperatur, 10, 60, 50, QRect(8, 40, innen - 16, 28), false,
                                         [this] { TrackBarTemperaturChange(); })
                             .bar;
    PanelTemperatur = new Panel(GroupBoxVariTemperatur, Panel::Rand::Gesenkt);
    PanelTemperatur->setFarbe(FarbeGemessen);
    Setze(PanelTemperatur, 8, 84, innen - 16, 30);
    GroupBoxVariTemperatur->hide();

    Beschriftung(PanelKurve, QStringLiteral("Strichbreite"), 8, 244, innen);
    TrackBarBreite =
        ErzeugeSchieber(PanelKurve, 1, 7, 3, QRect(8, 262, innen, 26), false, [this] { ZeichneStrahlungskurven(); }).bar;

    Beschriftung(PanelKurve, QStringLiteral("Vertikale Achse:"), 8, 306, innen);
    Beschriftung(PanelKurve, QStringLiteral("Bildhöhe = max. Strahlungs-"), 8, 324, innen);
    Beschriftung(PanelKurve, QStringLiteral("leistung bei der Temperatur"), 8, 342, innen);
    TrackBarMaxLeistung = ErzeugeSchieber(PanelKurve, 20, 60, 60, QRect(8, 362, innen, 26), false,
                                          [this] { TrackBarMaxLeistungChange(); })
                              .bar;
    Beschriftung(PanelKurve, QStringLiteral("2000         4000          6000 K"), 8, 388, innen);

    CheckBoxSpektrum = new QCheckBox(QStringLiteral("mit dem &Spektrum"), PanelKurve);
    Setze(CheckBoxSpektrum, 8, 432, innen, 22);
    Beschriftung(PanelKurve, QStringLiteral("des sichtbaren Lichts"), 28, 452, innen - 20);
    connect(CheckBoxSpektrum, &QCheckBox::toggled, this, [this] { CheckBoxSpektrumClick(); });
}

void TFormPlanckGesetz::ErzeugeUntereTafeln()
{
    const PlanckLayout &l = layout_;
    PanelLambdaF = new Panel(this);
    PanelLambdaF->setFarbe(FarbePanel);
    Setze(PanelLambdaF, l.lambdaF.left(), l.lambdaF.top(), l.lambdaF.width(), l.lambdaF.height());
    Beschriftung(PanelLambdaF, QStringLiteral("Zeichne die Planck´sche Strahlungskurve"), 8, 2, l.lambdaF.width() - 16);
    RadioGroupLambdaF = new RadioGroup(QStringLiteral("&abhängig von der "),
                                       {QStringLiteral("Frequenz"), QStringLiteral("Wellenlänge")}, PanelLambdaF);
    Setze(RadioGroupLambdaF, 8, 22, 126, 76);
    RadioGroupLambdaF->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupLambdaF);
    connect(RadioGroupLambdaF, &RadioGroup::geklickt, this, [this] { RadioGroupLambdaFClick(); });

    const QRect achse(140, 20, l.lambdaF.width() - 146, 82);
    const Achsentafel frequenz =
        ErzeugeAchsentafel(PanelLambdaF, achse, QStringLiteral("Frequenzen von 0 bis"),
                           QStringLiteral("200       1000    1800 THz "), 20, 180, 120, false,
                           [this] { ZeichneStrahlungskurven(); });
    PanelFrequenz = frequenz.panel;
    TrackBarFrequenz = frequenz.schieber.bar;
    const Achsentafel wellenlaenge =
        ErzeugeAchsentafel(PanelLambdaF, achse, QStringLiteral("Wellenlängen von 0 bis"),
                           QStringLiteral("1           2            3 µm"), 100, 300, 250, false,
                           [this] { ZeichneStrahlungskurven(); });
    PanelWellenlaenge = wellenlaenge.panel;
    TrackBarWLaenge = wellenlaenge.schieber.bar;

    PanelGesetz = new Panel(this);
    PanelGesetz->setFarbe(FarbePanel);
    Setze(PanelGesetz, l.gesetz.left(), l.gesetz.top(), l.gesetz.width(), l.gesetz.height());
    Beschriftung(PanelGesetz, QStringLiteral("Zeige das"), 12, 10, l.gesetz.width() - 24);
    CheckBoxGesetz = new QCheckBox(QStringLiteral("&Planck´sche Strahlungsgesetz"), PanelGesetz);
    Setze(CheckBoxGesetz, 12, 32, l.gesetz.width() - 24, 22);
    CheckBoxKonstanten = new QCheckBox(QStringLiteral("Erkläre die &Konstanten"), PanelGesetz);
    Setze(CheckBoxKonstanten, 12, 66, l.gesetz.width() - 24, 22);
    CheckBoxKonstanten->setEnabled(false);
    connect(CheckBoxGesetz, &QCheckBox::toggled, this, [this] { CheckBoxGesetzClick(); });
    connect(CheckBoxKonstanten, &QCheckBox::toggled, this, [this] { CheckBoxKonstantenClick(); });
}

bool TFormPlanckGesetz::bereit() const
{
    return Image1 && TrackBarWLaenge && CheckBoxSpektrum && CheckBoxKonstanten && ImageKonstanten;
}

void TFormPlanckGesetz::Referenzen()
{
    SkalaFrequenz = Waermestrahlung::SkalaFrequenz(AchsenLaenge, TrackBarFrequenz->Position());
    SkalaWellenlaenge = Waermestrahlung::SkalaWellenlaenge(AchsenLaenge, TrackBarWLaenge->Position());
    RefTemperatur = TrackBarMaxLeistung->Position() * 100;
    const Referenz ref = FormReferenz(RefTemperatur);
    RefWertLambda = ref.lambda;
    RefWertNu = ref.nu;
}

PlanckZustand TFormPlanckGesetz::Zustand() const
{
    PlanckZustand z;
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
    return z;
}

void TFormPlanckGesetz::FormelBilderZeigen()
{
    const bool gesetz = CheckBoxGesetz->isChecked();
    ImageGesetzFr->setVisible(gesetz && ueberFrequenz);
    ImageGesetzWL->setVisible(gesetz && !ueberFrequenz);
    const bool konstanten = gesetz && CheckBoxKonstanten->isChecked();
    if (konstanten)
        SchreibeKonstanten(ImageKonstanten->canvas());  // the h in use now, also after reopening
    ImageKonstanten->setVisible(konstanten);
    for (Bild *b : {ImageGesetzFr, ImageGesetzWL, ImageKonstanten})
        if (b->isVisible())
            b->raise();
}

void TFormPlanckGesetz::Vorbereiten()
{
    if (!bereit())
        return;
    Referenzen();
    PlanckBild(Image1->canvas(), BerechneMasse(Image1->bild().width(), Image1->bild().height(), 100))
        .Vorbereiten(Zustand());
    PanelFrequenz->setVisible(ueberFrequenz);
    PanelWellenlaenge->setVisible(!ueberFrequenz);
    FormelBilderZeigen();
}

void TFormPlanckGesetz::ZeichneStrahlungskurven()
{
    if (!bereit())
        return;
    Vorbereiten();
    PlanckBild bild(Image1->canvas(), BerechneMasse(Image1->bild().width(), Image1->bild().height(), 100));
    const PlanckZustand z = Zustand();
    if (z.variabel) {
        bild.ZeichneKurve(z.varTemperatur, true, z);
        return;
    }
    for (std::size_t i = 0; i < FesteTemperaturen.size(); ++i)
        if (z.temperatur[i])
            bild.ZeichneKurve(FesteTemperaturen[i], true, z);
}

void TFormPlanckGesetz::FormActivate()
{
    // The Planck-constant window may have replaced h since the last opening.
    ZeichneStrahlungskurven();
}

void TFormPlanckGesetz::CheckBoxTempClick(int index)
{
    if (!bereit())
        return;
    if (!CheckBoxTemp[std::size_t(index)]->isChecked()) {
        ZeichneStrahlungskurven();
        return;
    }
    if (RadioGroupTempWahl->ItemIndex() != 0)
        return;  // the fixed curves are not shown
    Referenzen();
    PlanckBild(Image1->canvas(), BerechneMasse(Image1->bild().width(), Image1->bild().height(), 100))
        .ZeichneKurve(FesteTemperaturen[std::size_t(index)], true, Zustand());
}

void TFormPlanckGesetz::RadioGroupTempWahlClick()
{
    const bool fest = RadioGroupTempWahl->ItemIndex() == 0;
    GroupBoxTemperaturen->setVisible(fest);
    GroupBoxVariTemperatur->setVisible(!fest);
    ZeichneStrahlungskurven();
}

void TFormPlanckGesetz::RadioGroupLambdaFClick()
{
    ueberFrequenz = RadioGroupLambdaF->ItemIndex() == 0;
    ZeichneStrahlungskurven();
}

void TFormPlanckGesetz::TrackBarTemperaturChange()
{
    VarTemperatur = TrackBarTemperatur->Position() * 100;
    if (PanelTemperatur)
        PanelTemperatur->setCaption(QStringLiteral("T = %1 Kelvin").arg(VarTemperatur));
    ZeichneStrahlungskurven();
}

void TFormPlanckGesetz::TrackBarMaxLeistungChange() { ZeichneStrahlungskurven(); }

void TFormPlanckGesetz::CheckBoxSpektrumClick()
{
    mitSpektrum = CheckBoxSpektrum->isChecked();
    ZeichneStrahlungskurven();
}

void TFormPlanckGesetz::CheckBoxGesetzClick()
{
    CheckBoxKonstanten->setEnabled(CheckBoxGesetz->isChecked());
    FormelBilderZeigen();
}

void TFormPlanckGesetz::CheckBoxKonstantenClick() { FormelBilderZeigen(); }

void TFormPlanckGesetz::ImageGesetzClick()
{
    CheckBoxKonstanten->setChecked(false);
    CheckBoxGesetz->setChecked(false);
}

void TFormPlanckGesetz::ImageKonstantenClick() { CheckBoxKonstanten->setChecked(false); }
