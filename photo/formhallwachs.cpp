#include "formhallwachs.h"

#include "bild.h"
#include "hallwachsbild.h"
#include "richtext.h"

using namespace Photoeffekt;

namespace {
HallwachsFenster::Texte HallwachsTexte()
{
    HallwachsFenster::Texte t;
    t.caption = QStringLiteral("  Der Hallwachs-Effekt");
    t.titel = QStringLiteral("Der Photoeffekt");
    t.titelZeile2 = QStringLiteral("(Nach einem seiner Mit-Entdecker auch Hallwachs-Effekt genannt)");
    t.mitTitelZeile2 = true;
    t.lichtCaption = QStringLiteral("&Experiment mit");
    t.lichtItems = {QStringLiteral("sichtbarem Licht"), QStringLiteral("UV-Licht")};
    t.schaltLabel = {QStringLiteral("Schaltskizze zum Nach-"), QStringLiteral("weis des Photostroms")};
    t.beschriftung = QStringLiteral("Schaltskizze &beschriften");
    return t;
}
}  // namespace

TFormHallwachs::TFormHallwachs(QWidget *parent)
    : HallwachsFenster(HallwachsTexte(), HallwachsBildschirm(), parent), bildschirmHoehe_(BildschirmHoehe)
{
    UVGeschwindigkeit = HallwachsUVGeschwindigkeit();
    Aufbauen();
}

void TFormHallwachs::DatenSchaltSkizze()
{
    skizze = HallwachsDaten(Image1->bild().width(), Image1->bild().height(), bildschirmHoehe_);
    sprites = DefElektron(skizze.r, Zeichengrund, Zinkfarbe, true);
    lampe = LampenGeometrie(skizze.lampeX0, skizze.plattenOben, skizze.plattenX, skizze.D, skizze.strahlen);
    wellen.bisX = skizze.plattenX;
    wellen.laenge = 192;
    wellen.linienBreite = 2;
    messgeraet.g = SkaliertesGalvanometer(skizze.drehpunkt, bildschirmHoehe_, 5, M_PI / 2);
    Stromart a;
    a.ruheX = a.startX = skizze.plattenX;
    a.wktProI = 0.03;
    a.geschwindigkeit = UVGeschwindigkeit;
    a.faktorBasis = 1;
    a.faktorSpanne = -0.1;
    a.begrenzt = false;
    a.linkeGrenze = stromkreis ? skizze.ringX + skizze.r : 0;  // the ring or the picture's left edge
    strom.art = a;
    strom.Aufstellen(skizze.plattenOben, skizze.abstand);
}

void TFormHallwachs::ZeichneAnordnung()
{
    ZeichneHallwachsAnordnung(Image1->canvas(), Zeichengrund, skizze, lampe, stromkreis, messgeraet);
}

void TFormHallwachs::BeschrifteAnordnung()
{
    wellen.frei = BeschrifteHallwachsAnordnung(Image1->canvas(), skizze, stromkreis);
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
