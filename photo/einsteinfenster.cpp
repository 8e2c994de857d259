#include "einsteinfenster.h"

#include "bild.h"
#include "richtext.h"
#include "zahltext.h"

#include <QLabel>
#include <QLayout>

#include <cmath>

using namespace Photoeffekt;

namespace {
Panel *Tafel(QWidget *eltern, int x, int y, int w, int h)
{
    auto *p = new Panel(eltern);
    p->setFarbe(FarbePanel);
    Setze(p, x, y, w, h);
    return p;
}
}  // namespace

TFormEinsteinGl::TFormEinsteinGl(QWidget *parent)
    : SimFenster(tr(" Ergebnis der Messungen mit einer Photozelle"), parent)
{
    BilderFreigebbar();  // the plot is drawn anew from the controls on every show (FormActivate)
    Zeichengrund = FarbeZeichengrund;
    const Spaltenwerte spalte = StandardSpalte(BildschirmBreite);
    const int titelHoehe = 50;
    const int bildOben = 8 + titelHoehe + 8;
    const QRect bild(8, bildOben, std::max(spalte.links - 16, 1), std::max(BildschirmHoehe - 8 - bildOben, 1));
    const int titelBreite = std::min(bild.width(), 720);
    ErzeugeTitel(tr("Ergebnis der Experimente mit einer Photozelle "), bild.left() + (bild.width() - titelBreite) / 2,
                 8, titelBreite, titelHoehe);
    Image1 = new Bild(this);
    Image1->move(bild.topLeft());
    Image1->setBildGroesse(bild.width(), bild.height());
    achsen_ = EinsteinKoordinaten(bild.width(), bild.height());

    Lampen[0] = Spektren[SpektrumCadmium];
    Lampen[1] = Spektren[SpektrumHelium];
    Lampen[2] = Spektren[SpektrumQuecksilber];
    Lampen[3] = Spektren[SpektrumNeon];

    const int R = spalte.links, B = spalte.breite, innen = B - 16;
    int y = 8;
    Panel *metall = Tafel(this, R, y, B, 196);
    auto *label = new QLabel(tr("Lichtempfindliches "), metall);
    Setze(label, 8, 2, innen, 18);
    auto *gruppe = new QGroupBox(tr("&Metall "), metall);
    Setze(gruppe, 8, 20, innen, 118);
    QCheckBox **boxen[] = {&CheckBoxNa, &CheckBoxKa, &CheckBoxRb, &CheckBoxCs};
    for (int i = 0; i < 4; ++i) {
        *boxen[i] = new QCheckBox(EinsteinMetallName(EinsteinMetalle[i]), gruppe);
        Setze(*boxen[i], 8, 20 + i * 24, innen - 16, 22);
        connect(*boxen[i], &QCheckBox::toggled, this, [this, i] { CheckBoxMetallClick(i); });
    }
    CheckBoxVerbLinien = new QCheckBox(tr("Messpunkte &verbinden"), metall);
    Setze(CheckBoxVerbLinien, 8, 142, innen, 22);
    CheckBoxVerbLinien->setEnabled(false);
    CheckBoxDreieck = new QCheckBox(tr("Mit 1 Steigungsdreieck"), metall);
    Setze(CheckBoxDreieck, 8, 166, innen, 22);
    CheckBoxDreieck->setEnabled(false);
    for (QCheckBox *b : {CheckBoxVerbLinien, CheckBoxDreieck})
        for (int g = 10; g > 7 && b->sizeHint().width() > innen; --g)
            SetzeSchrift(b, QStringLiteral("Trebuchet MS"), g - 1, true);
    y += 196 + 8;

    Panel *lampe = Tafel(this, R, y, B, 190);
    RadioGroupSpektren =
        new RadioGroup(tr("Licht&quelle"),
                       {tr("Cadmium-Lampe"), tr("Helium-Lampe"), tr("Quecksilber-Lampe"), tr("Neon-Lampe")}, lampe);
    Setze(RadioGroupSpektren, 8, 6, innen, 122);
    RadioGroupSpektren->setItemIndex(1);
    CheckBoxspektralLinien = new QCheckBox(tr("zeige Spektral&linien"), lampe);
    Setze(CheckBoxspektralLinien, 8, 134, innen, 22);
    CheckBoxSpektrum = new QCheckBox(tr("zeige &Spektrum"), lampe);
    Setze(CheckBoxSpektrum, 8, 160, innen, 22);
    CheckBoxSpektrum->setChecked(true);
    y += 190 + 8;

    Panel *texte = Tafel(this, R, y, B, 84);
    ErzeugeHinweis(texte, tr("&Hinweise"), QString(), [this] { SchreibeHinweisSelbst(); });
    ErzeugeErgebnis(texte, tr("&Beobachtung"), QStringLiteral("EinsteinGlchg.rtf"),
                    [this] { SchreibeErgebnisSelbst(); }, true);
    CheckBoxNeuErgebnis = Ergebnis.neu;
    Setze(BitBtnHinweis, 8, 6, innen, 34);
    Setze(BitBtnErgebnis, 8, 44, innen, 34);
    BitBtnErgebnis->setEnabled(false);
    const int tafelBreite = std::min(bild.width() - 16, 900);
    for (TextTafel *t : {&Hinweis, &Ergebnis}) {
        t->setzeGeometrie(bild.left() + (bild.width() - tafelBreite) / 2, bild.top(), tafelBreite, bild.height());
        t->panel->setFarbe(FarbePanel);
        t->panel->raise();
    }
    BitBtnZurueck->raise();

    connect(CheckBoxVerbLinien, &QCheckBox::toggled, this, [this] { CheckBoxVerbLinienClick(); });
    for (QCheckBox *b : {CheckBoxDreieck, CheckBoxspektralLinien, CheckBoxSpektrum})
        connect(b, &QCheckBox::toggled, this, [this] { Zeichnen(); });
    connect(RadioGroupSpektren, &RadioGroup::geklickt, this, [this] { Zeichnen(); });
    BildBeschreiben(Image1, tr("Einstein-Gerade: Energie der Photoelektronen über der Frequenz"),
                    [this] { return BildBeschreibung(); });
}

QCheckBox *TFormEinsteinGl::MetallBox(int i) const
{
    switch (i) {
    case 0: return CheckBoxNa;
    case 1: return CheckBoxKa;
    case 2: return CheckBoxRb;
    default: return CheckBoxCs;
    }
}

void TFormEinsteinGl::CheckBoxMetallClick(int i)
{
    gezeigt[i] = MetallBox(i)->isChecked();
    CheckBoxVerbLinien->setEnabled(gezeigt[0] || gezeigt[1] || gezeigt[2] || gezeigt[3]);
    CheckBoxDreieck->setEnabled(CheckBoxVerbLinien->isEnabled() && CheckBoxVerbLinien->isChecked());
    Zeichnen();
}

void TFormEinsteinGl::CheckBoxVerbLinienClick()
{
    BitBtnErgebnis->setEnabled(true);
    CheckBoxDreieck->setEnabled(CheckBoxVerbLinien->isEnabled() && CheckBoxVerbLinien->isChecked());
    Zeichnen();
}

void TFormEinsteinGl::BitBtnZurueckClick()
{
    TafelVerbergen(Hinweis);
    close();
}

void TFormEinsteinGl::Zeichnen()
{
    if (!BilderGezeichnet())
        return;  // a hidden window is drawn when it is shown
    ZeichneEinstein(Image1->canvas(), achsen_, Ansicht());
}

EinsteinAnsicht TFormEinsteinGl::Ansicht() const
{
    EinsteinAnsicht ansicht;
    ansicht.lampe = Lampen[std::clamp(RadioGroupSpektren->ItemIndex(), 0, 3)];
    std::copy(std::begin(gezeigt), std::end(gezeigt), std::begin(ansicht.gezeigt));
    ansicht.spektralLinien = CheckBoxspektralLinien->isChecked();
    ansicht.spektrum = CheckBoxSpektrum->isChecked();
    ansicht.verbinden = CheckBoxVerbLinien->isChecked();
    ansicht.dreieck = CheckBoxDreieck->isEnabled() && CheckBoxDreieck->isChecked();
    ansicht.h = Planckkonstante;
    ansicht.e = Elementarladung;
    return ansicht;
}

QString TFormEinsteinGl::BildBeschreibung() const
{
    const EinsteinAnsicht a = Ansicht();
    const QString lampe = RadioGroupSpektren->items().value(std::clamp(RadioGroupSpektren->ItemIndex(), 0, 3));
    QString text = tr("Kinetische Energie der Elektronen (eV) über der Frequenz des Lichts (THz) für die %1").arg(lampe);
    if (a.spektralLinien)
        text += tr(", mit ihren Spektrallinien");
    if (a.spektrum)
        text += tr("; darüber der sichtbare Bereich");
    text += QLatin1Char('.');

    // per metal shown: its points and, once they are joined, the intercepts of its line
    QStringList metalle;
    for (int m = 0; m < 4; ++m) {
        if (!a.gezeigt[m])
            continue;
        const QString name = EinsteinMetallName(EinsteinMetalle[m]);
        const int punkte = int(Messpunkte(a.lampe, EinsteinMetalle[m].eV, a.h, a.e).size());
        const QString anzahl = punkte == 1 ? tr("1 Messpunkt") : tr("%1 Messpunkte").arg(punkte);
        const double eV = EinsteinMetalle[m].eV;
        // a literal ends after each "\u00A0" followed by a hex letter: lupdate would read it into the escape
        metalle << (a.verbinden ? tr("%1 (%2, Gerade mit den Achsenabschnitten %3\u00A0THz und %4\u00A0"
                                     "eV)")
                                      .arg(name, anzahl)
                                      .arg(Runde(GrenzfrequenzTHz(a.h, eV, a.e)))
                                      .arg(KommaMitMinus(-eV, 2))
                                : tr("%1 (%2)").arg(name, anzahl));
    }
    text += QLatin1Char(' ');
    if (metalle.isEmpty())
        text += tr("Kein Metall gewählt.");
    else
        text += tr("Metalle: %1.").arg(metalle.join(QStringLiteral(", ")));

    const int erster = ErsterGezeigter(a.gezeigt);
    if (a.dreieck && erster >= 0) {
        const double eV = EinsteinMetalle[erster].eV;
        text += QLatin1Char(' ') + tr("Steigungsdreieck bei %1: Höhe %2\u00A0"
                                      "eV, Breite %3\u00A0THz.")
                                       .arg(EinsteinMetallName(EinsteinMetalle[erster]), Komma(eV, 2))
                                       .arg(Runde(GrenzfrequenzTHz(a.h, eV, a.e)));
    }
    return text;
}

void TFormEinsteinGl::SchreibeHinweisSelbst()
{
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/photo2/einstein_hinweis.txt")), StilHinweis());
}

void TFormEinsteinGl::SchreibeErgebnisSelbst()
{
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/photo2/einstein_ergebnis.txt")), StilErgebnis());
}
