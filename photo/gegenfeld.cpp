#include "gegenfeld.h"

#include "bild.h"
#include "richtext.h"

#include <QEvent>
#include <QLayout>
#include <QSignalBlocker>

using namespace Photoeffekt;

namespace {
// The threshold wavelengths shown for the four metals (h c / W, rounded).
constexpr int GrenzNm[MetallAnzahl] = {544, 551, 582, 639};
}  // namespace

QString TFormGegenfeld2::GrenzText(int nm)
{
    return QStringLiteral("%1\u00A0nm = 0,%1\u00A0µm").arg(nm);
}

TFormGegenfeld2::TFormGegenfeld2(QWidget *parent)
    : GegenfeldFenster(QStringLiteral("Photoeffekt – Gegenfeldmethode"), parent)
{
    setWindowTitle(QStringLiteral("Der Photoeffekt (= lichtelektrischer Effekt)"));
    const Spaltenwerte spalte = StandardSpalte(BildschirmBreite);
    layout_ = BerechneGegenfeldLayout(BildschirmBreite, BildschirmHoehe, spalte,
                                      QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe), 50, spalte.breite);
    const GegenfeldLayout &l = layout_;
    ErzeugeTitel(QStringLiteral("Der Photoeffekt – Licht als Wellenstrahlung"), l.titel.left(), l.titel.top(),
                 l.titel.width(), l.titel.height());
    ErzeugeGemeinsam(l, 100, 3, 13);
    IntensitaetsTrackBar = TrackBarI;
    const int B = l.links.width(), innen = B - 16;

    // ---- left: the light ----
    int y = 8;
    Panel *kopf = Tafel(this, 8, y, B, 80);
    auto *licht = Beschriftung(kopf, QStringLiteral("Licht"), 8, 2, innen);
    SetzeSchrift(licht, QStringLiteral("Trebuchet MS"), 12, true);
    Beschriftung(kopf, QStringLiteral("Wähle eine Linie (und damit eine"), 8, 22, innen);
    Beschriftung(kopf, QStringLiteral("Wellenlänge und eine Frequenz)"), 8, 40, innen);
    Beschriftung(kopf, QStringLiteral("aus dem Spektrum von:"), 8, 58, innen);
    // the three lines in the widest size at which all fit the column
    QList<QLabel *> zeilen = kopf->findChildren<QLabel *>();
    zeilen.removeAll(licht);
    for (int g = 9; g >= 7; --g) {
        bool passt = true;
        for (QLabel *lab : zeilen) {
            SetzeSchrift(lab, QStringLiteral("Trebuchet MS"), g, true);
            passt = passt && lab->sizeHint().width() <= innen;
        }
        if (passt)
            break;
    }
    y += 80;
    PanelLichtwahl->move(8, y);
    y += Lampenwahl::Hoehe + 8;
    Panel *intens = Tafel(this, 8, y, B, 74);
    Beschriftung(intens, QStringLiteral("Intensität:"), 8, 4, innen);
    IntensitaetsTrackBar->setParent(intens);
    Setze(IntensitaetsTrackBar, 8, 24, innen, 26);
    IntensitaetsTrackBar->setSkala({{IntensitaetsTrackBar->Min(), QStringLiteral("klein")},
                                    {IntensitaetsTrackBar->Max(), QStringLiteral("groß")}});
    y += 74 + 8;
    Panel *hinweise = Tafel(this, 8, y, B, 50);

    // ---- right: metal, voltage, run ----
    const int R = l.rechts.left();
    y = 8;
    Panel *metall = Tafel(this, R, y, B, 194);
    Beschriftung(metall, QStringLiteral("Lichtempfindliche"), 8, 2, innen);
    QStringList namen;
    for (const Metall &m : Metalle)
        namen << QString::fromUtf8(m.name);
    RadioGroupMetallwahl = new RadioGroup(QStringLiteral("Metall-Schicht"), namen, metall, 2);
    RadioGroupMetallwahl->layout()->setContentsMargins(6, 0, 4, 2);
    SetzeSchrift(RadioGroupMetallwahl, QStringLiteral("Trebuchet MS"), 8, true);
    Setze(RadioGroupMetallwahl, 8, 20, innen, 62);
    RadioGroupMetallwahl->setItemIndex(1);
    Beschriftung(metall, QStringLiteral("Bei diesem Metall ist"), 8, 86, innen);
    Beschriftung(metall, QStringLiteral("die Ablösearbeit:"), 8, 104, innen);
    PanelMetall2 = new Panel(metall, Panel::Rand::Gesenkt);
    Setze(PanelMetall2, 8, 122, innen, 22);
    Beschriftung(metall, QStringLiteral("die Grenzwellenlänge:"), 8, 146, innen);
    PanelMetall4 = new Panel(metall, Panel::Rand::Gesenkt);
    PanelMetall4->setToolTip(QStringLiteral("1\u00A0nm = 1 milliardstel Meter"));
    Setze(PanelMetall4, 8, 164, innen, 22);
    y += 194 + 8;

    Panel *spannung = Tafel(this, R, y, B, 74);
    SpannungsTafel(spannung, QStringLiteral("Gegenspannung"), 4, 24, true);
    y += 74 + 8;

    Panel *lauf = Tafel(this, R, y, B, 184);
    LaufTafel(lauf, 8, 30);

    // ---- the hint panel over the picture ----
    ErzeugeHinweis(hinweise, QStringLiteral("&Hinweise"), QString(), [this] { SchreibeHinweisSelbst(); }, true);
    BitBtnInfo = BitBtnHinweis;
    CheckBoxNeuHinweis = Hinweis.neu;
    Hinweis.loeschen->setText(QStringLiteral("l&öschen"));
    Hinweis.panel->setCaption(QStringLiteral("Hinweise und Beobachtungen"));
    Hinweis.panel->setFarbe(FarbePanel);
    Hinweis.edit->setHintergrund(16777109);
    Setze(BitBtnInfo, 8, 8, innen, 34);
    const int tafelBreite = std::min(l.bild.width() - 16, 900);
    Hinweis.setzeGeometrie(l.bild.left() + (l.bild.width() - tafelBreite) / 2, l.bild.top(), tafelBreite,
                           l.bild.height());
    Hinweis.panel->raise();
    BitBtnZurueck->raise();

    connect(RadioGroupMetallwahl, &RadioGroup::geklickt, this, [this] { RadioGroupMetallwahlClick(); });
    this->metall = RadioGroupMetallwahl->ItemIndex();
    RadioGroupMetallwahlClick();
    Aufbauen();
}

void TFormGegenfeld2::DatenSchaltSkizze()
{
    skizze = GegenfeldDaten(Image1->bild().width(), Image1->bild().height(), SchriftMittel);
    sprites = DefElektron(skizze.r, Zeichengrund, SchichtFarbe, false);
    lampe = LampenGeometrie(LampeX(skizze, skizze.breite / 5), skizze.y0, skizze.kathodeX, skizze.D, ElektronenAnzahl);
    SkizzeUebernehmen(192, 1, GegenfeldLaufart(wellenModell));
}

int TFormGegenfeld2::NaechstePhase() const { return Runde(lauf.bild * 9e5 * dt); }

void TFormGegenfeld2::RadioGroupMetallwahlClick()
{
    metall = std::clamp(RadioGroupMetallwahl->ItemIndex(), 0, MetallAnzahl - 1);
    PanelMetall2->setCaption(QString::number(Metalle[metall].abloeseEV, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) +
                             QStringLiteral("\u00A0eV"));
    PanelMetall4->setCaption(GrenzText(GrenzNm[metall]));
}

void TFormGegenfeld2::FormActivate()
{
    wellenModell = GegenfeldKlassisch;
    lauf.art = GegenfeldLaufart(wellenModell);
    PanelTitel->setCaption(wellenModell ? QStringLiteral("Der Photoeffekt – Licht als Wellenstrahlung")
                                        : QStringLiteral("Der Photoeffekt – Licht als Teilchenstrahlung"));
    TitelEinpassen(PanelTitel);  // the title of either model fits a narrow picture
    Hinweis.datei = wellenModell ? QStringLiteral("PhotoEffektKlassisch.RTF") : QStringLiteral("PhotoEffektQuantenM.RTF");
    {
        const QSignalBlocker sperre(CheckBoxNeuHinweis);
        CheckBoxNeuHinweis->setChecked(false);
    }
    Hinweis.schreiben();
    GegenfeldFenster::FormActivate();
}

void TFormGegenfeld2::changeEvent(QEvent *e)
{
    GegenfeldFenster::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible() && !laeuft &&
        wellenModell != GegenfeldKlassisch)
        FormActivate();
}

void TFormGegenfeld2::SchreibeHinweisSelbst()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 16777109;
    stil.abstandGroesse = 12;
    SchreibeMarkup(Hinweis.edit,
                   LadeText(wellenModell ? QStringLiteral(":/texte/photo2/gegenfeld_hinweis_wellen.txt")
                                         : QStringLiteral(":/texte/photo2/gegenfeld_hinweis_quanten.txt")),
                   stil);
}

WerteTabelle TFormGegenfeld2::Werte() const
{
    WerteTabelle t;
    t.spalten = {QStringLiteral("Frequenz f / THz"), QStringLiteral("Ablösearbeit W_A / eV"),
                 QStringLiteral("Gegenspannung U / V"), QStringLiteral("Grenzspannung (h·f − W_A)/e / V"),
                 QStringLiteral("Zeigerausschlag / Vollausschlag")};
    t.zeilen.append({double(frequenz), AbloeseEV(), U,
                     Photoeffekt::Grenzspannung(PlanckLiteratur, frequenz * 1e12, AbloeseEV(), Elementarladung),
                     lauf.ausschlag});
    return t;
}
