#include "hallwachsfenster.h"

#include "bausteine.h"
#include "bild.h"
#include "hallwachsbild.h"
#include "richtext.h"

#include <QCoreApplication>
#include <QLabel>

using namespace Photoeffekt;

HallwachsFenster::HallwachsFenster(const Texte &texte, const PhotoBildschirm &bildschirm, QWidget *parent)
    : SimFenster(texte.caption, parent)
{
    BilderFreigebbar();  // the sketch is drawn anew from the state on every show
    Zeichengrund = FarbeZeichengrund;
    layout_ = BerechnePhotoLayout(bildschirm);
    const PhotoLayout &l = layout_;

    ErzeugeTitel(texte.mitTitelZeile2 ? QString() : texte.titel, l.titel.left(), l.titel.top(), l.titel.width(),
                 l.titel.height());
    if (texte.mitTitelZeile2) {
        auto *zeile1 = new QLabel(texte.titel, PanelTitel);
        SetzeSchrift(zeile1, QStringLiteral("Trebuchet MS"), SchriftGross, true);
        zeile1->setAlignment(Qt::AlignCenter);
        Setze(zeile1, 4, 4, l.titel.width() - 8, 36);
        auto *zeile2 = new QLabel(texte.titelZeile2, PanelTitel);
        SetzeSchrift(zeile2, QStringLiteral("Trebuchet MS"), 10, true);
        zeile2->setAlignment(Qt::AlignCenter);
        Setze(zeile2, 4, 40, l.titel.width() - 8, 20);
    }

    Image1 = new Bild(this);
    Image1->move(l.bild.topLeft());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());

    ErzeugeLichtwahl(texte);
    ErzeugeSchaltung(texte);
    ErzeugeSimulation();
}

void HallwachsFenster::ErzeugeLichtwahl(const Texte &texte)
{
    PanelLichtwahl = ErzeugePanel(this, layout_.licht);
    const int innen = layout_.licht.width() - 16;
    RadioGroupUVLicht = new RadioGroup(texte.lichtCaption, texte.lichtItems, PanelLichtwahl);
    Setze(RadioGroupUVLicht, 8, 4, innen, 62);
    RadioGroupUVLicht->setItemIndex(1);
    RadioGruppeVerdichten(RadioGroupUVLicht);
    Beschriftung(PanelLichtwahl, tr("Lichtintensität"), 8, 72, innen);
    TrackBarIntensitaet = new TrackBar(Qt::Horizontal, PanelLichtwahl);
    TrackBarIntensitaet->setBereich(3, 15, 9);
    TrackBarIntensitaet->setTickPosition(QSlider::TicksBelow);
    TrackBarIntensitaet->setTickInterval(1);
    Setze(TrackBarIntensitaet, 8, 92, innen - 22, 26);
    UpDownIntensitaet = new UpDown(PanelLichtwahl);
    UpDownIntensitaet->setBereich(3, 15, 9);
    Setze(UpDownIntensitaet, 8 + innen - 20, 92, 20, 26);
    TrackBarIntensitaet->setSkala({{3, tr("klein")}, {15, tr("groß")}});
}

void HallwachsFenster::ErzeugeSchaltung(const Texte &texte)
{
    PanelSchaltung = ErzeugePanel(this, layout_.schaltung);
    const int innen = layout_.schaltung.width() - 16;
    int y = 4;
    for (const QString &zeile : texte.schaltLabel) {
        Beschriftung(PanelSchaltung, zeile, 8, y, innen);
        y += 17;
    }
    RadioGroupStromkreis = new RadioGroup(texte.stromCaption, {tr("nein"), tr("ja")}, PanelSchaltung, 2);
    Setze(RadioGroupStromkreis, 8, y + 2, innen, 80 - y);
    RadioGroupStromkreis->setItemIndex(0);
    RadioGruppeVerdichten(RadioGroupStromkreis);
    CheckBoxBeschriftung = new QCheckBox(texte.beschriftung, PanelSchaltung);
    CheckBoxBeschriftung->setChecked(true);
    for (int groesse = 10; groesse > 7 && CheckBoxBeschriftung->sizeHint().width() > innen; --groesse)
        SetzeSchrift(CheckBoxBeschriftung, QStringLiteral("Trebuchet MS"), groesse, true);  // fits the column
    Setze(CheckBoxBeschriftung, 8, 86, innen, 22);
}

void HallwachsFenster::ErzeugeSimulation()
{
    PanelLicht = ErzeugePanel(this, layout_.simulation);
    const int innen = layout_.simulation.width() - 16;
    ErzeugeLaufsteuerung(PanelLicht, tr("&Licht"));
    Setze(BitBtnLicht, 8, 8, innen - 38, 34);
    Setze(PanelKontrolle, 8 + innen - 30, 11, 30, 28);
    Setze(BitBtnStop, 8, 48, innen, 30);
    Beschriftung(PanelLicht, tr("Simulation"), 8, 84, innen);
    ErzeugeTempo(PanelLicht, 0, TempoMax, 3);
    TempoSetzen(102, innen, 26);
    connect(PanelLicht, &Panel::geklickt, this, [this] { BitBtnLichtClick(); });
}

void HallwachsFenster::ErzeugeHinweise()
{
    PanelHinweise = ErzeugePanel(this, layout_.hinweise);
    const int innen = layout_.hinweise.width() - 16;
    ErzeugeHinweis(PanelHinweise, tr("&Hinweise/Info"), QString(), [this] { SchreibeHinweis(); });
    Setze(BitBtnHinweis, 8, 6, innen, 34);
    ErzeugeErgebnis(PanelHinweise, tr("&Beobachtung"), QString(), [this] { SchreibeErgebnis(); });
    Setze(BitBtnErgebnis, 8, 44, innen, 34);
    BitBtnErgebnis->setEnabled(false);
    const QRect &t = layout_.tafel;
    for (TextTafel *tafel : {&Hinweis, &Ergebnis}) {
        tafel->setzeGeometrie(t.left(), t.top(), t.width(), t.height());
        tafel->panel->setFarbe(FarbePanel);
        tafel->panel->raise();
    }
}

void HallwachsFenster::Aufbauen()
{
    uv = RadioGroupUVLicht->ItemIndex() == 1;
    stromkreis = RadioGroupStromkreis->ItemIndex() == 1;
    intensitaet = TrackBarIntensitaet->Position();
    tempo_ = TempoAus(TrackBarTempo->Position());
    Verzoegerung = tempo_.verzoegerung;
    LichtKindSetzen();
    // at rest on the metal by their sprite; in flight in their true colours on any ground
    strom_.zeichne = [this](const TElektron &e, bool flug) {
        Canvas &c = Image1->canvas();
        Geaendert(flug ? echtfarben_.Umschalten(c, e) : ZeichneElektron(c, sprites, e, false));
    };
    DatenSchaltSkizze();
    ErzeugeHinweise();
    Setze(BitBtnZurueck, layout_.zurueck.left(), layout_.zurueck.top(), layout_.zurueck.width(),
          layout_.zurueck.height());
    BitBtnZurueck->raise();

    connect(RadioGroupUVLicht, &RadioGroup::geklickt, this, [this] { RadioGroupUVLichtClick(); });
    connect(TrackBarIntensitaet, &QSlider::valueChanged, this, [this] { TrackBarIntensitaetChange(); });
    connect(UpDownIntensitaet, &UpDown::geklickt, this,
            [this] { TrackBarIntensitaet->setPosition(UpDownIntensitaet->Position()); });
    connect(RadioGroupStromkreis, &RadioGroup::geklickt, this, [this] { RadioGroupStromkreisClick(); });
    connect(CheckBoxBeschriftung, &QCheckBox::toggled, this, [this] { CheckBoxBeschriftungClick(); });
}

void HallwachsFenster::BildBeschreibenMit(const QString &name, BildTexte texte)
{
    BildBeschreiben(Image1, name, [this, t = std::move(texte)] { return BildBeschreibung(t); });
}

QString HallwachsFenster::BildBeschreibung(const BildTexte &t) const
{
    const QString licht = RadioGroupUVLicht->items().value(uv ? 1 : 0).trimmed();  // "UV-Licht"
    QString text = an ? tr("Die Lampe bestrahlt %1 mit %2, Lichtintensität %3.").arg(t.ziel, licht).arg(intensitaet)
                      : tr("Die Lampe ist aus (Experiment mit %1, Lichtintensität %2).").arg(licht).arg(intensitaet);
    text += QLatin1Char(' ');
    if (stromkreis) {
        const int prozent = Runde(100 * ausschlag);
        text += prozent > 0 ? tr("%1 sind über das Messgerät und eine Spannungsquelle verbunden; es zeigt einen "
                                 "Ausschlag von %2\u00A0% des Vollausschlags.")
                                  .arg(t.verbunden)
                                  .arg(prozent)
                            : tr("%1 sind über das Messgerät und eine Spannungsquelle verbunden; es zeigt keinen "
                                 "Ausschlag.")
                                  .arg(t.verbunden);
    } else {
        text += t.ohneKreis;
    }
    const int n = strom_.Fliegende();
    const QString &wohin = stromkreis ? t.fliegenMitKreis : t.fliegenOhneKreis;
    text += QLatin1Char(' ') + (n == 0   ? tr("Kein Elektron fliegt.")
                                : n == 1 ? tr("1 Elektron fliegt %1.").arg(wohin)
                                         : tr("%1 Elektronen fliegen %2.").arg(n).arg(wohin));
    return text;
}

// ---- drawing ------------------------------------------------------------------------------

void HallwachsFenster::BilderZeichnen()
{
    Image1->canvas().onChange = nullptr;  // the window repaints only what changed
    sprites = ElektronenBilder();
    NeuZeichnen();
}

void HallwachsFenster::LichtKindSetzen()
{
    lichtFarbe = uv ? 0 : 255;
    wellen_.K = uv ? 2 : 1;
}

void HallwachsFenster::NeuZeichnen()
{
    wellenGezeigt_ = false;  // the sketch is drawn over them
    echtfarben_.Setzen(sprites.r);
    ZeichneAnordnung();
    strom_.AlleZuruecksetzen();
    for (const TElektron &e : strom_.e)
        strom_.zeichne(e, false);
    LinseZeichnen();
    if (stromkreis)
        messgeraet_.Anzeige(Image1->canvas(), ausschlag);
    wellen_.frei.clear();
    if (CheckBoxBeschriftung->isChecked())
        BeschrifteAnordnung();
    if (an)
        WellenZeigen();
    Geaendert(QRect(QPoint(), Image1->bildGroesse()));
    Zeigen();
}

void HallwachsFenster::WellenZeigen()
{
    if (wellenGezeigt_)
        return;
    wellenGezeichnet_ = wellen_;
    wellenGezeichnet_.amplitude = intensitaet;
    wellenFarbe_ = lichtFarbe;
    wellenPhase_ = phase;
    Geaendert(ZeichneWellen(Image1->canvas(), wellenGezeichnet_, wellenPhase_, wellenFarbe_));
    wellenGezeigt_ = true;
}

void HallwachsFenster::WellenVerbergen()
{
    if (!wellenGezeigt_)
        return;
    Geaendert(ZeichneWellen(Image1->canvas(), wellenGezeichnet_, wellenPhase_, wellenFarbe_));
    wellenGezeigt_ = false;
}

QRect HallwachsFenster::ZeichneWellen(Canvas &c, const Wellenbild &w, int a, TColor farbe)
{
    return ZeichneLichtWellen(c, lampe_, w, a, farbe ^ Zeichengrund);
}

void HallwachsFenster::NadelStellen(double d)
{
    ausschlag = d;
    if (!stromkreis)
        return;
    // The needle is erased by restoring the face under it: waves and flying electrons that
    // may pass over the instrument are taken away first and put back afterwards.
    const bool mitWellen = wellenGezeigt_;
    WellenVerbergen();
    FliegendeUmschalten();
    Geaendert(messgeraet_.Anzeige(Image1->canvas(), d));
    FliegendeUmschalten();
    if (mitWellen)
        WellenZeigen();
}

void HallwachsFenster::FliegendeUmschalten()
{
    for (const TElektron &e : strom_.e)
        if (e.fliegt)
            strom_.zeichne(e, true);
}

void HallwachsFenster::LinseZeichnen()
{
    // The lens may touch the waves' first pixels and electrons flying past the lamp: they
    // are taken away and put back.
    const bool mitWellen = wellenGezeigt_;
    WellenVerbergen();
    FliegendeUmschalten();
    Geaendert(ZeichneLampenLinse(Image1->canvas(), lampe_, an ? lichtFarbe : LinsenGrau));
    FliegendeUmschalten();
    if (mitWellen)
        WellenZeigen();
}

void HallwachsFenster::Zeigen()
{
    if (schmutz_.isEmpty())
        return;
    Image1->update(schmutz_);
    schmutz_ = QRegion();
}

// ---- run ------------------------------------------------------------------------------------

void HallwachsFenster::LichtAus()
{
    AnAusSchalten(false);
    WellenVerbergen();
    NadelStellen(0);
    LinseZeichnen();
    if (AusSchickHeim()) {
        strom_.AlleHeim();
        BitBtnErgebnis->setEnabled(true);
    }
    Zeigen();
}

void HallwachsFenster::LichtAn()
{
    AnAusSchalten(true);
    if (pause)
        BitBtnStopClick();  // a paused run goes on with the light
    LichtKindSetzen();
    phase = 0;
    NadelStellen(Ausschlag(uv, true, intensitaet));
    LinseZeichnen();
    WellenZeigen();
    Zeigen();
}

void HallwachsFenster::BitBtnLichtClick()
{
    TafelVerbergen(Hinweis);
    TafelVerbergen(Ergebnis);
    if (an) {
        if (pause)
            BitBtnStopClick();  // what is in flight finishes
        LichtAus();
        return;
    }
    if (LaufAktiv() && !Gestoppt())
        LichtAn();  // a run that is still on (electrons in flight) carries on with the light
    else
        LaufStarten();  // the run switches the light on as it begins
}

Ablauf HallwachsFenster::Simulation()
{
    LichtAn();
    bilder_ = 0;
    for (;;) {
        ++bilder_;
        // the intensity of this frame sets both the launch rate and the number in flight
        if (!Gestoppt())
            strom_.Ausloesen(uv, an, intensitaet, intensitaet);
        strom_.Bewege(tempo_.dt);
        if (an) {
            WellenVerbergen();
            phase = PhaseWeiter(phase, tempo_.phasenSchritt, wellen_.laenge);
            WellenZeigen();
        }
        Zeigen();
        co_await Warte(std::uint32_t(tempo_.verzoegerung));
        if (Gestoppt())
            break;
        if (!an && strom_.Fliegende() == 0)
            break;
    }
    if (an)
        LichtAus();
    strom_.FliegendeHeim();
    Zeigen();
    BitBtnErgebnis->setEnabled(true);
}

void HallwachsFenster::BitBtnZurueckClick()
{
    LaufStoppen();
    if (an)
        LichtAus();
    TafelVerbergen(Hinweis);
    close();
}

void HallwachsFenster::FormActivate()
{
    if (an)
        LichtAus();
    AnAusSchalten(false);
}

// ---- controls ---------------------------------------------------------------------------------

void HallwachsFenster::TrackBarTempoChange()
{
    UpDownTempo->setPosition(TrackBarTempo->Position());
    tempo_ = TempoAus(TrackBarTempo->Position());
    Verzoegerung = tempo_.verzoegerung;
}

void HallwachsFenster::TrackBarIntensitaetChange()
{
    UpDownIntensitaet->setPosition(TrackBarIntensitaet->Position());
    if (TrackBarIntensitaet->Position() == intensitaet)
        return;
    WellenVerbergen();
    intensitaet = TrackBarIntensitaet->Position();
    NadelStellen(Ausschlag(uv, an, intensitaet));
    if (an) {
        phase = 0;
        WellenZeigen();
    }
    Zeigen();
}

void HallwachsFenster::RadioGroupUVLichtClick()
{
    WellenVerbergen();
    uv = RadioGroupUVLicht->ItemIndex() == 1;
    LichtKindSetzen();
    if (an)
        LinseZeichnen();
    NadelStellen(Ausschlag(uv, an, intensitaet));
    if (an) {
        phase = 0;
        WellenZeigen();
    }
    Zeigen();
}

void HallwachsFenster::RadioGroupStromkreisClick()
{
    stromkreis = RadioGroupStromkreis->ItemIndex() == 1;
    TafelVerbergen(Hinweis);
    Hinweis.schreiben();
    DatenSchaltSkizze();
    NeuZeichnen();
}

void HallwachsFenster::CheckBoxBeschriftungClick() { NeuZeichnen(); }

using namespace Photoeffekt;

namespace {
HallwachsFenster::Texte HallwachsTexte()
{
    HallwachsFenster::Texte t;
    t.caption = QCoreApplication::translate("TFormHallwachs", "  Der Hallwachs-Effekt");
    t.titel = QCoreApplication::translate("TFormHallwachs", "Der Photoeffekt");
    t.titelZeile2 = QCoreApplication::translate("TFormHallwachs",
                                                "(Nach einem seiner Mit-Entdecker auch Hallwachs-Effekt genannt)");
    t.mitTitelZeile2 = true;
    t.lichtCaption = QCoreApplication::translate("TFormHallwachs", "&Experiment mit");
    t.lichtItems = {QCoreApplication::translate("TFormHallwachs", "sichtbarem Licht"),
                    QCoreApplication::translate("TFormHallwachs", "UV-Licht")};
    // the two lines above the circuit choice
    t.schaltLabel = QCoreApplication::translate("TFormHallwachs", "Schaltskizze zum Nach-\nweis des Photostroms")
                        .split(QLatin1Char('\n'));
    t.beschriftung = QCoreApplication::translate("TFormHallwachs", "Schaltskizze be&schriften");
    return t;
}
}  // namespace

TFormHallwachs::TFormHallwachs(QWidget *parent)
    : HallwachsFenster(HallwachsTexte(), HallwachsBildschirm(), parent), bildschirmHoehe_(BildschirmHoehe)
{
    UVGeschwindigkeit = HallwachsUVGeschwindigkeit();
    Aufbauen();
    BildBeschreibenMit(tr("Versuch mit Zinkplatte und Lampe"),
                       {tr("die Zinkplatte"), tr("Platte und Metallring"), tr("Die Platte ist geerdet."),
                        tr("zum Metallring"), tr("von der Platte weg")});
}

void TFormHallwachs::DatenSchaltSkizze()
{
    skizze_ = HallwachsDaten(Image1->bildGroesse().width(), Image1->bildGroesse().height(), bildschirmHoehe_);
    lampe_ = LampenGeometrie(skizze_.lampeX0, skizze_.plattenOben, skizze_.plattenX, skizze_.D, skizze_.strahlen);
    wellen_.bisX = skizze_.plattenX;
    wellen_.laenge = 192;
    wellen_.linienBreite = 2;
    messgeraet_.g = SkaliertesGalvanometer(skizze_.drehpunkt, bildschirmHoehe_, 5, M_PI / 2);
    Stromart a;
    a.ruheX = a.startX = skizze_.plattenX;
    a.wktProI = 0.03;
    a.geschwindigkeit = UVGeschwindigkeit;
    a.faktorBasis = 1;
    a.faktorSpanne = -0.1;
    a.begrenzt = false;
    a.linkeGrenze = stromkreis ? skizze_.ringX + skizze_.r : 0;  // the ring or the picture's left edge
    strom_.art = a;
    strom_.Aufstellen(skizze_.plattenOben, skizze_.abstand);
}

ElektronenSprites TFormHallwachs::ElektronenBilder() const
{
    return DefElektron(skizze_.r, Zeichengrund, Zinkfarbe, true);
}

void TFormHallwachs::ZeichneAnordnung()
{
    ZeichneHallwachsAnordnung(Image1->canvas(), Zeichengrund, skizze_, lampe_, stromkreis, messgeraet_);
}

void TFormHallwachs::BeschrifteAnordnung()
{
    wellen_.frei = BeschrifteHallwachsAnordnung(Image1->canvas(), skizze_, stromkreis);
}

void TFormHallwachs::SchreibeHinweis()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    const QString text = LadeText(QStringLiteral(":/texte/photo/hallwachs_hinweis_licht.txt")) + QStringLiteral("\n\n") +
                         LadeText(stromkreis ? QStringLiteral(":/texte/photo/hallwachs_hinweis_stromkreis.txt")
                                             : QStringLiteral(":/texte/photo/hallwachs_hinweis_erdung.txt"));
    SchreibeMarkup(Hinweis.edit, text, stil);
}

void TFormHallwachs::SchreibeErgebnis()
{
    TextStil stil = StilErgebnis();
    stil.groesse = SchriftGross;
    stil.hervorhebung2Fett = true;
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/photo/hallwachs_ergebnis.txt")), stil);
}
