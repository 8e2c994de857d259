#include "spektrenfenster.h"

#include "bild.h"
#include "richtext.h"
#include "bausteine.h"

#include <QLayout>

using namespace Atome;

TFormSpektren3D::TFormSpektren3D(QWidget *parent)
    : SimFenster(QStringLiteral("  Spektren von einatomigen Gasen"), parent)
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
    RadioGroupSpektren = new RadioGroup(QStringLiteral("&Spektrum von"), GasNamen(), PanelLinien, 2);
    Setze(RadioGroupSpektren, 8, 8, innen, l.linien.height() - 16);
    connect(RadioGroupSpektren, &RadioGroup::geklickt, this, [this] { RadioGroupSpektrenClick(); });

    PanelSonnenSpektrum = ErzeugePanel(this, l.sonne);
    Beschriftung(PanelSonnenSpektrum, QStringLiteral("Zeige zum Vergleich das"), 8, 4, innen);
    RadioGroupFraunhofer = new RadioGroup(QStringLiteral("Spektrum der Sonne"),
                                          {QStringLiteral("ohne"), QStringLiteral("mit")}, PanelSonnenSpektrum, 2);
    Setze(RadioGroupFraunhofer, 8, 24, innen, 52);
    RadioGroupFraunhofer->setItemIndex(1);
    Beschriftung(PanelSonnenSpektrum, QStringLiteral("Fraunhofer-Linien"), 8, 80, innen);
    connect(RadioGroupFraunhofer, &RadioGroup::geklickt, this, [this] { RadioGroupFraunhoferClick(); });

    PanelAbhaengigk = ErzeugePanel(this, l.abhaengig);
    RadioGroupAbhaengigK = new RadioGroup(QStringLiteral("Ordne die Spektren nach"),
                                          {QStringLiteral("Frequenzen"), QStringLiteral("Wellenlängen")},
                                          PanelAbhaengigk, 2);
    SetzeSchrift(RadioGroupAbhaengigK, QStringLiteral("Trebuchet MS"), 9, true);
    Setze(RadioGroupAbhaengigK, 8, 6, innen, l.abhaengig.height() - 12);
    RadioGroupAbhaengigK->setItemIndex(0);
    connect(RadioGroupAbhaengigK, &RadioGroup::geklickt, this, [this] { RadioGroupAbhaengigKClick(); });

    PanelBlickRichtung = ErzeugePanel(this, l.blick);
    Beschriftung(PanelBlickRichtung, QStringLiteral("Blickrichtung"), 8, 4, innen);
    const Schieber breite = ErzeugeSchieber(PanelBlickRichtung, -70, 60, -40,
                                                             QRect(8, 24, innen, 28), true,
                                                             [this] { TrackBarSehBreiteChange(); });
    TrackBarSehBreite = breite.bar;
    UpDownSehBreite = breite.updown;
    TrackBarSehBreite->setToolTip(QStringLiteral("von links oder rechts"));
    const Schieber hoehe = ErzeugeSchieber(PanelBlickRichtung, 20, 45, 30,
                                                            QRect(8, 56, innen, 28), true,
                                                            [this] { TrackBarSehHoeheChange(); });
    TrackBarSehHoehe = hoehe.bar;
    UpDownSehHoehe = hoehe.updown;
    TrackBarSehHoehe->setToolTip(QStringLiteral("von oben"));

    PanelAnordnung = ErzeugePanel(this, l.anordnung);
    RadioGroupAnordnung = new RadioGroup(QStringLiteral("Mit Versuchs&anordnung"),
                                         {QStringLiteral("ja "), QStringLiteral("nein")}, PanelAnordnung, 2);
    Setze(RadioGroupAnordnung, 8, 6, innen, l.anordnung.height() - 12);
    RadioGroupAnordnung->setItemIndex(0);
    connect(RadioGroupAnordnung, &RadioGroup::geklickt, this, [this] { RadioGroupAnordnungClick(); });
    for (RadioGroup *g : {RadioGroupSpektren, RadioGroupFraunhofer, RadioGroupAbhaengigK, RadioGroupAnordnung})
        RadioGruppeVerdichten(g);
    RadioGroupAbhaengigK->layout()->setContentsMargins(2, 0, 0, 2);  // "Wellenlängen" fits its half

    PanelInfo = ErzeugePanel(this, l.info);
    ErzeugeHinweis(PanelInfo, QStringLiteral("&Info"), QString(), [this] { SchreibeHinweisSelbst(); });
    Setze(BitBtnHinweis, 8, 6, l.info.width() - 16, l.info.height() - 12);
    Hinweis.setzeGeometrie(l.hinweis.left(), l.hinweis.top(), l.hinweis.width(), l.hinweis.height());
    // the panel's caption above its text, as a heading
    LabelBeobachtung = Beschriftung(Hinweis.panel, QStringLiteral("Beobachtung"), 8, 6, l.hinweis.width() - 16, 24);
    SetzeSchrift(LabelBeobachtung, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(Hinweis.edit, 8, 34, l.hinweis.width() - 16, l.hinweis.height() - 34 - 40);
    Hinweis.panel->setFarbe(FarbePanel);
    BitBtnInfoLoeschen = Hinweis.loeschen;
    BitBtnInfoLoeschen->setText(QStringLiteral("l&öschen"));
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
    w.spalten = {QStringLiteral("Spektrum (1–11 Gas, 12 Sonne)"), QStringLiteral("Wellenlänge / nm"),
                 QStringLiteral("Frequenz / THz")};
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

void TFormSpektren3D::SchreibeHinweisSelbst()
{
    TextStil stil = StilHinweis();
    stil.kleineUeberschriftFarbe = FarbeHinweisText;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/atoms/spektren_hinweis.txt")), stil);
}
