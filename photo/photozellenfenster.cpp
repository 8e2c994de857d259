#include "photozellenfenster.h"

#include "bild.h"
#include "hallwachsbild.h"
#include "richtext.h"

#include <QCoreApplication>

using namespace Photoeffekt;

namespace {
HallwachsFenster::Texte PhotozellenTexte()
{
    HallwachsFenster::Texte t;
    t.caption = QCoreApplication::translate("TFormPhotozelle5", "Die Vakuum-Photozelle");
    t.titel = QCoreApplication::translate("TFormPhotozelle5", "Die Photozelle");
    t.lichtCaption = QCoreApplication::translate("TFormPhotozelle5", " &Experiment mit ");
    t.lichtItems = {QCoreApplication::translate("TFormPhotozelle5", "rotem Licht"),
                    QCoreApplication::translate("TFormPhotozelle5", "UV-Licht")};
    // the line above the circuit choice, which goes on in its caption
    t.schaltLabel = {QCoreApplication::translate("TFormPhotozelle5", "Nachweis des")};
    t.stromCaption = QCoreApplication::translate("TFormPhotozelle5", " &Photostroms: ");
    t.beschriftung = QCoreApplication::translate("TFormPhotozelle5", "Be&schriftungen");
    return t;
}
}  // namespace

TFormPhotozelle5::TFormPhotozelle5(QWidget *parent)
    : HallwachsFenster(PhotozellenTexte(), PhotozellenBildschirm(), parent), bildschirmHoehe_(BildschirmHoehe)
{
    UVGeschwindigkeit = PhotozellenUVGeschwindigkeit(PlanckLiteratur);
    PanelSimulation = PanelLicht;
    Aufbauen();
    BildBeschreibenMit(tr("Vakuum-Photozelle mit Lampe"),
                       {tr("die lichtempfindliche Metallschicht der Photozelle"), tr("Metallschicht und Ring"),
                        tr("Kein Messgerät ist angeschlossen."), tr("zum Ring"), tr("zum Ring")});
}

void TFormPhotozelle5::DatenSchaltSkizze()
{
    Canvas messen;  // measures only: the picture itself is not touched
    messen.font = PhotozellenSchrift();
    const int textBreite = messen.textWidth(QStringLiteral("MetallPlatte"));
    skizze_ = PhotozellenDaten(Image1->bildGroesse().width(), Image1->bildGroesse().height(), bildschirmHoehe_,
                              SchriftMittel, textBreite);
    lampe_ = LampenGeometrie(skizze_.lampeX0, skizze_.y0, skizze_.kathodeX, skizze_.D, 8);
    wellen_.bisX = skizze_.kathodeX;
    wellen_.laenge = 192;
    wellen_.linienBreite = 2;
    messgeraet_.g = SkaliertesGalvanometer(skizze_.drehpunkt, bildschirmHoehe_, 3, M_PI / 2);
    Stromart a;
    a.ruheX = skizze_.kathodeX;
    a.startX = skizze_.startX;
    a.wktProI = 0.1;
    a.geschwindigkeit = UVGeschwindigkeit;
    a.faktorBasis = 0.98;
    a.faktorSpanne = 0.4;
    a.begrenzt = true;
    a.linkeGrenze = skizze_.anodeX;
    a.rechteGrenze = skizze_.startX + 1;
    strom_.art = a;
    strom_.Aufstellen(skizze_.y0, skizze_.D);
}

ElektronenSprites TFormPhotozelle5::ElektronenBilder() const
{
    return DefElektron(skizze_.r, Zeichengrund, Schichtfarbe, false);
}

void TFormPhotozelle5::ZeichneAnordnung()
{
    ZeichnePhotozelle(Image1->canvas(), Zeichengrund, skizze_, lampe_, stromkreis, messgeraet_);
}

void TFormPhotozelle5::BeschrifteAnordnung()
{
    wellen_.frei = BeschriftePhotozelle(Image1->canvas(), skizze_, stromkreis);
}

QRect TFormPhotozelle5::ZeichneWellen(Canvas &c, const Wellenbild &w, int a, TColor farbe)
{
    // the black inside ends before the metal layer; the glass wall, the layer and the ring
    // (which stands in front of the light) stay clear
    const PhotozellenSkizze &k = skizze_;
    const QRect glas(QPoint(k.zelleLinks, k.zelleOben), QPoint(k.zelleRechts, k.zelleUnten));
    const QRect innen(QPoint(k.zelleLinks + k.t + 1, k.zelleOben + k.t + 1),
                      QPoint(k.kathodeX - k.t - 1, k.zelleUnten - k.t - 1));
    Wellenbild mitRing = w;
    mitRing.frei.append(QRect(QPoint(k.anodeX - 10, k.y0 - 7), QPoint(k.anodeX + 10, k.saeuleUnten + 7)));
    return ZeichneWellenInZelle(c, lampe_, mitRing, a, farbe, Zeichengrund, glas, innen);
}

void TFormPhotozelle5::SchreibeHinweis()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    SchreibeMarkup(Hinweis.edit,
                   LadeText(QStringLiteral(":/texte/photo/hallwachs_hinweis_licht.txt")) + QStringLiteral("\n\n") +
                       LadeText(QStringLiteral(":/texte/photo/photozelle_hinweis.txt")),
                   stil);
}

void TFormPhotozelle5::SchreibeErgebnis()
{
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/photo/photozelle_ergebnis.txt")), StilErgebnis());
}
