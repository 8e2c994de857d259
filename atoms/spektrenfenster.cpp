#include "spektrenfenster.h"

#include "bild.h"
#include "richtext.h"
#include "bausteine.h"

#include <QLayout>

#include <algorithm>

using namespace Atome;

TFormSpektren3D::TFormSpektren3D(QWidget *parent)
    : SimFenster(tr("  Spektren von einatomigen Gasen"), parent)
{
    BilderFreigebbar();  // the picture is drawn anew from the state on every show (FormActivate)
    const Spaltenwerte spalte = StandardSpalte(BildschirmBreite);  // read once, at creation
    layout_ = BerechneSpektrenLayout(BildschirmBreite, BildschirmHoehe, spalte,
                                     QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe));
    const SpektrenLayout &l = layout_;
    z_.grund = FarbeHintergrund;
    z_.s = VertikalerMassstab(BildschirmHoehe, l.titel.height());

    ErzeugeTitel(SpektrenTitel(0), l.titel.left(), l.titel.top(), l.titel.width(), l.titel.height());
    TitelEinpassen(PanelTitel);
    Image1 = new Bild(this);
    Image1->move(l.bild.topLeft());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());

    const int innen = l.linien.width() - 16;
    PanelLinien = ErzeugePanel(this, l.linien);
    RadioGroupSpektren = new RadioGroup(tr("&Spektrum von"), GasNamen(), PanelLinien, 2);
    Setze(RadioGroupSpektren, 8, 8, innen, l.linien.height() - 16);
    connect(RadioGroupSpektren, &RadioGroup::geklickt, this, [this] { RadioGroupSpektrenClick(); });

    PanelSonnenSpektrum = ErzeugePanel(this, l.sonne);
    Beschriftung(PanelSonnenSpektrum, tr("Zeige zum Vergleich das"), 8, 4, innen);
    RadioGroupFraunhofer = new RadioGroup(tr("Spektrum der Sonne"), {tr("ohne"), tr("mit")}, PanelSonnenSpektrum, 2);
    Setze(RadioGroupFraunhofer, 8, 24, innen, 52);
    RadioGroupFraunhofer->setItemIndex(1);
    Beschriftung(PanelSonnenSpektrum, tr("Fraunhofer-Linien"), 8, 80, innen);
    connect(RadioGroupFraunhofer, &RadioGroup::geklickt, this, [this] { RadioGroupFraunhoferClick(); });

    PanelAbhaengigk = ErzeugePanel(this, l.abhaengig);
    RadioGroupAbhaengigK =
        new RadioGroup(tr("Ordne die Spektren nach"), {tr("Frequenzen"), tr("Wellenlängen")}, PanelAbhaengigk, 2);
    SetzeSchrift(RadioGroupAbhaengigK, QStringLiteral("Trebuchet MS"), 9, true);
    Setze(RadioGroupAbhaengigK, 8, 6, innen, l.abhaengig.height() - 12);
    RadioGroupAbhaengigK->setItemIndex(0);
    connect(RadioGroupAbhaengigK, &RadioGroup::geklickt, this, [this] { RadioGroupAbhaengigKClick(); });

    PanelBlickRichtung = ErzeugePanel(this, l.blick);
    Beschriftung(PanelBlickRichtung, tr("Blickrichtung"), 8, 4, innen);
    const Schieber breite = ErzeugeSchieber(PanelBlickRichtung, -70, 60, -40,
                                                             QRect(8, 24, innen, 28), true,
                                                             [this] { TrackBarSehBreiteChange(); });
    TrackBarSehBreite = breite.bar;
    UpDownSehBreite = breite.updown;
    TrackBarSehBreite->setToolTip(tr("von links oder rechts"));
    TrackBarSehBreite->setAccessibleName(tr("Blickrichtung von links oder rechts"));
    const Schieber hoehe = ErzeugeSchieber(PanelBlickRichtung, 20, 45, 30,
                                                            QRect(8, 56, innen, 28), true,
                                                            [this] { TrackBarSehHoeheChange(); });
    TrackBarSehHoehe = hoehe.bar;
    UpDownSehHoehe = hoehe.updown;
    TrackBarSehHoehe->setAccessibleName(tr("Blickrichtung von oben"));
    TrackBarSehHoehe->setToolTip(tr("von oben"));

    PanelAnordnung = ErzeugePanel(this, l.anordnung);
    RadioGroupAnordnung = new RadioGroup(tr("Mit Versuchs&anordnung"), {tr("ja "), tr("nein")}, PanelAnordnung, 2);
    Setze(RadioGroupAnordnung, 8, 6, innen, l.anordnung.height() - 12);
    RadioGroupAnordnung->setItemIndex(0);
    connect(RadioGroupAnordnung, &RadioGroup::geklickt, this, [this] { RadioGroupAnordnungClick(); });
    for (RadioGroup *g : {RadioGroupSpektren, RadioGroupFraunhofer, RadioGroupAbhaengigK, RadioGroupAnordnung})
        RadioGruppeVerdichten(g);
    RadioGroupAbhaengigK->layout()->setContentsMargins(2, 0, 0, 2);  // "Wellenlängen" fits its half

    PanelInfo = ErzeugePanel(this, l.info);
    ErzeugeHinweis(PanelInfo, tr("&Info"), QString(), [this] { SchreibeHinweisSelbst(); });
    Setze(BitBtnHinweis, 8, 6, l.info.width() - 16, l.info.height() - 12);
    Hinweis.setzeGeometrie(l.hinweis.left(), l.hinweis.top(), l.hinweis.width(), l.hinweis.height());
    // the panel's caption above its text, as a heading
    LabelBeobachtung = Beschriftung(Hinweis.panel, tr("Beobachtung"), 8, 6, l.hinweis.width() - 16, 24);
    SetzeSchrift(LabelBeobachtung, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(Hinweis.edit, 8, 34, l.hinweis.width() - 16, l.hinweis.height() - 34 - 40);
    Hinweis.panel->setFarbe(FarbePanel);
    BitBtnInfoLoeschen = Hinweis.loeschen;
    BitBtnInfoLoeschen->setText(tr("l&öschen"));
    Setze(BitBtnInfoLoeschen, l.hinweis.width() - 8 - 105, l.hinweis.height() - 8 - 25, 105, 25);
    Hinweis.panel->raise();

    Setze(BitBtnZurueck, l.zurueck.left(), l.zurueck.top(), l.zurueck.width(), l.zurueck.height());
    BitBtnZurueck->raise();

    tabellen_ = KopiereSpektren();
    z_.gas = 0;
    z_.mitSonnenLinien = RadioGroupFraunhofer->ItemIndex() == 1;
    z_.nachFrequenz = RadioGroupAbhaengigK->ItemIndex() == 0;
    z_.mitAnordnung = RadioGroupAnordnung->ItemIndex() == 0;
    z_.sehBreite = TrackBarSehBreite->Position();
    z_.sehHoehe = TrackBarSehHoehe->Position();
    Hinweis.schreiben();
    BildBeschreiben(Image1, tr("Spektrum der Sonne und Linienspektrum des Gases"),
                    [this] { return BildBeschreibung(); });
}

void TFormSpektren3D::ZeichneAlles()
{
    if (!BilderGezeichnet())
        return;  // a hidden window (or one being built) is drawn when it is shown
    if (!bild_)
        bild_ = std::make_unique<SpektrenBild>(Image1->canvas(), tabellen_);
    bild_->ZeichneAlles(z_);
}

const SpektrenGeometrie &TFormSpektren3D::geometrie() const
{
    static const SpektrenGeometrie ungezeichnet;
    return bild_ ? bild_->geometrie() : ungezeichnet;
}

void TFormSpektren3D::RadioGroupSpektrenClick()
{
    const int i = RadioGroupSpektren->ItemIndex();
    z_.gas = i < 0 ? 0 : i + 1;
    PanelTitel->setCaption(SpektrenTitel(z_.gas));
    ZeichneAlles();
}

void TFormSpektren3D::RadioGroupFraunhoferClick()
{
    z_.mitSonnenLinien = RadioGroupFraunhofer->ItemIndex() == 1;
    ZeichneAlles();
}

void TFormSpektren3D::RadioGroupAbhaengigKClick()
{
    z_.nachFrequenz = RadioGroupAbhaengigK->ItemIndex() == 0;
    ZeichneAlles();
}

void TFormSpektren3D::RadioGroupAnordnungClick()
{
    z_.mitAnordnung = RadioGroupAnordnung->ItemIndex() == 0;
    PanelBlickRichtung->setVisible(z_.mitAnordnung);
    ZeichneAlles();
}

void TFormSpektren3D::TrackBarSehBreiteChange()
{
    z_.sehBreite = TrackBarSehBreite->Position();
    ZeichneAlles();
}

void TFormSpektren3D::TrackBarSehHoeheChange()
{
    z_.sehHoehe = TrackBarSehHoehe->Position();
    ZeichneAlles();
}

WerteTabelle TFormSpektren3D::Werte() const
{
    WerteTabelle w;
    w.spalten = {tr("Spektrum (1–11 Gas, 12 Sonne)"), tr("Wellenlänge / nm"), tr("Frequenz / THz")};
    const auto zeilen = [&](int slot) {
        const Linienspektrum &sp = tabellen_[slot];
        for (int i = 0; i < sp.Anzahl; ++i)
            w.zeilen.append({double(slot), double(sp.Linie[i].WellenlaengeNm), double(sp.Linie[i].FrequenzTHz)});
    };
    if (z_.gas >= 1 && z_.gas <= 11)
        zeilen(z_.gas);
    if (z_.mitSonnenLinien)
        zeilen(SonnenSlot);
    return w;
}

namespace {

// "a, b und c"
QString Aufzaehlung(const QStringList &teile)
{
    if (teile.size() < 2)
        return teile.join(QString());
    return teile.mid(0, teile.size() - 1).join(QStringLiteral(", ")) + TFormSpektren3D::tr(" und ") + teile.last();
}

// The lines' values on the axis, from left to right.
QString LinienWerte(const Linienspektrum &sp, bool nachFrequenz)
{
    QList<int> werte;
    for (int i = 0; i < sp.Anzahl; ++i)
        werte.append(LinienWert(sp.Linie[i], nachFrequenz));
    std::sort(werte.begin(), werte.end());
    QStringList texte;
    for (int w : werte)
        texte.append(QString::number(w));
    return Aufzaehlung(texte) + (nachFrequenz ? QStringLiteral("\u00A0THz") : QStringLiteral("\u00A0nm"));
}

}  // namespace

QString TFormSpektren3D::BildBeschreibung() const
{
    const bool f = z_.nachFrequenz;
    const Linienspektrum &sonne = tabellen_[SonnenSlot];
    QString text = (f ? tr("Oben das Spektrum der Sonne, nach Frequenzen geordnet von 400 bis 750\u00A0THz (links "
                           "Infrarot, rechts Ultraviolett),")
                      : tr("Oben das Spektrum der Sonne, nach Wellenlängen geordnet von 400 bis 750\u00A0nm (links "
                           "Ultraviolett, rechts Infrarot),"));
    text += QLatin1Char(' ') + (z_.mitSonnenLinien ? tr("mit %1 dunklen Fraunhofer-Linien bei %2.")
                                                         .arg(sonne.Anzahl)
                                                         .arg(LinienWerte(sonne, f))
                                                   : tr("ohne Fraunhofer-Linien."));
    const bool mitGas = z_.gas >= 1 && z_.gas <= 11;
    const QString gas = GasImSatz(z_.gas);
    if (mitGas)
        text += QLatin1Char(' ') + tr("Darunter das Linienspektrum von %1 mit %2 hellen Linien bei %3.")
                                       .arg(gas)
                                       .arg(tabellen_[z_.gas].Anzahl)
                                       .arg(LinienWerte(tabellen_[z_.gas], f));
    else
        text += QLatin1Char(' ') + tr("Darunter ist noch kein Linienspektrum: Es ist kein Gas gewählt.");
    if (z_.mitAnordnung)
        text += QLatin1Char(' ') + (mitGas ? tr("Dazu die Versuchsanordnung: Das Licht der leuchtenden Röhre mit %1 "
                                                "fällt in den Spektralapparat, punktierte Lichtwege führen von ihm "
                                                "zu den Linien.")
                                                 .arg(gas)
                                           : tr("Dazu die Versuchsanordnung: eine leere Röhre vor dem "
                                                "Spektralapparat."));
    return text;
}

void TFormSpektren3D::SchreibeHinweisSelbst()
{
    TextStil stil = StilHinweis();
    stil.kleineUeberschriftFarbe = FarbeHinweisText;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/atoms/spektren_hinweis.txt")), stil);
}
