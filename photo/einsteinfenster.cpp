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
    : SimFenster(QStringLiteral(" Ergebnis der Messungen mit einer Photozelle"), parent)
{
    Zeichengrund = FarbeZeichengrund;
    const Spaltenwerte spalte = StandardSpalte(BildschirmBreite);
    const int titelHoehe = 50;
    const int bildOben = 8 + titelHoehe + 8;
    const QRect bild(8, bildOben, std::max(spalte.links - 16, 1), std::max(BildschirmHoehe - 8 - bildOben, 1));
    const int titelBreite = std::min(bild.width(), 720);
    ErzeugeTitel(QStringLiteral("Ergebnis der Experimente mit einer Photozelle "), bild.left() + (bild.width() - titelBreite) / 2,
                 8, titelBreite, titelHoehe);
    Image1 = new Bild(this);
    Image1->move(bild.topLeft());
    Image1->setBildGroesse(bild.width(), bild.height());
    u_.canvas = &Image1->canvas();
    achsen = EinsteinKoordinaten(bild.width(), bild.height());
    u_.X0 = achsen.x0;
    u_.Y0 = achsen.y0;

    Lampen[0] = Spektren[SpektrumCadmium];
    Lampen[1] = Spektren[SpektrumHelium];
    Lampen[2] = Spektren[SpektrumQuecksilber];
    Lampen[3] = Spektren[SpektrumNeon];

    const int R = spalte.links, B = spalte.breite, innen = B - 16;
    int y = 8;
    Panel *metall = Tafel(this, R, y, B, 196);
    auto *label = new QLabel(QStringLiteral("Lichtempfindliches "), metall);
    Setze(label, 8, 2, innen, 18);
    auto *gruppe = new QGroupBox(QStringLiteral("&Metall "), metall);
    Setze(gruppe, 8, 20, innen, 118);
    QCheckBox **boxen[] = {&CheckBoxNa, &CheckBoxKa, &CheckBoxRb, &CheckBoxCs};
    for (int i = 0; i < 4; ++i) {
        *boxen[i] = new QCheckBox(QString::fromUtf8(EinsteinMetalle[i].name), gruppe);
        Setze(*boxen[i], 8, 20 + i * 24, innen - 16, 22);
        connect(*boxen[i], &QCheckBox::toggled, this, [this, i] { CheckBoxMetallClick(i); });
    }
    CheckBoxVerbLinien = new QCheckBox(QStringLiteral("Messpunkte &verbinden"), metall);
    Setze(CheckBoxVerbLinien, 8, 142, innen, 22);
    CheckBoxVerbLinien->setEnabled(false);
    CheckBoxDreieck = new QCheckBox(QStringLiteral("Mit 1 Steigungsdreieck"), metall);
    Setze(CheckBoxDreieck, 8, 166, innen, 22);
    CheckBoxDreieck->setEnabled(false);
    for (QCheckBox *b : {CheckBoxVerbLinien, CheckBoxDreieck})
        for (int g = 10; g > 7 && b->sizeHint().width() > innen; --g)
            SetzeSchrift(b, QStringLiteral("Trebuchet MS"), g - 1, true);
    y += 196 + 8;

    Panel *lampe = Tafel(this, R, y, B, 190);
    RadioGroupSpektren = new RadioGroup(QStringLiteral("Licht&quelle"),
                                        {QStringLiteral("Cadmium-Lampe"), QStringLiteral("Helium-Lampe"),
                                         QStringLiteral("Quecksilber-Lampe"), QStringLiteral("Neon-Lampe")},
                                        lampe);
    Setze(RadioGroupSpektren, 8, 6, innen, 122);
    RadioGroupSpektren->setItemIndex(1);
    CheckBoxspektralLinien = new QCheckBox(QStringLiteral("zeige Spektral&linien"), lampe);
    Setze(CheckBoxspektralLinien, 8, 134, innen, 22);
    CheckBoxSpektrum = new QCheckBox(QStringLiteral("zeige &Spektrum"), lampe);
    Setze(CheckBoxSpektrum, 8, 160, innen, 22);
    CheckBoxSpektrum->setChecked(true);
    y += 190 + 8;

    Panel *texte = Tafel(this, R, y, B, 84);
    ErzeugeHinweis(texte, QStringLiteral("&Hinweise"), QString(), [this] { SchreibeHinweisSelbst(); });
    ErzeugeErgebnis(texte, QStringLiteral("&Beobachtung"), QStringLiteral("EinsteinGlchg.rtf"),
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
        connect(b, &QCheckBox::toggled, this, [this] { Simulation(); });
    connect(RadioGroupSpektren, &RadioGroup::geklickt, this, [this] { Simulation(); });
    Simulation();
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
    Simulation();
}

void TFormEinsteinGl::CheckBoxVerbLinienClick()
{
    BitBtnErgebnis->setEnabled(true);
    CheckBoxDreieck->setEnabled(CheckBoxVerbLinien->isEnabled() && CheckBoxVerbLinien->isChecked());
    Simulation();
}

void TFormEinsteinGl::BitBtnZurueckClick()
{
    Stopp = true;
    TafelVerbergen(Hinweis);
    close();
}

// ---- drawing ------------------------------------------------------------------------------

void TFormEinsteinGl::Text(int x, int y, const QString &text, TColor farbe, int groesse, bool fett)
{
    Canvas &c = Image1->canvas();
    c.font = Schrift{};
    c.font.name = QStringLiteral("Trebuchet MS");
    c.font.size = groesse;
    c.font.bold = fett;
    c.font.color = farbe;
    c.brush.style = PinselStil::Clear;
    c.textOut(x, y, text);
}

void TFormEinsteinGl::KooSyVorbereiten()
{
    Canvas &c = Image1->canvas();
    const double sx = achsen.sx, sy = achsen.sy;
    c.brush = Pinsel{0x000000, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
    c.pen = Stift{0xFFFFFF, 2, PenStil::Solid, PenModus::Copy};
    u_.Line0(0, 0, c.width() - achsen.x0, 0);
    u_.Line0(0, -2.6 * sy, 0, 1.6 * sy);
    // frequency ticks and numbers
    for (int f = 100; f <= 800; f += 100) {
        c.pen = Stift{0xFFFFFF, 2, PenStil::Solid, PenModus::Copy};
        u_.Line0(f * sx, 5, f * sx, -5);
        c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
        const QString t = QString::number(f);
        Text(achsen.x0 + Runde(f * sx) - c.textWidth(t) / 2, achsen.y0 + 8, t, 0xFFFFFF, 10, true);
    }
    // energy ticks every 0,1 eV, numbers every 0,5 eV
    for (int k = -25; k <= 15; ++k) {
        const bool gross = k % 5 == 0;
        const int l = gross ? 5 : 3;
        c.pen = Stift{0xFFFFFF, gross ? 2 : 1, PenStil::Solid, PenModus::Copy};
        u_.Line0(-l, k / 10.0 * sy, l, k / 10.0 * sy);
        if (gross) {
            c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
            const QString t = KommaMitMinus(k / 10.0, 1);
            Text(achsen.x0 - 8 - c.textWidth(t), achsen.y0 - Runde(k / 10.0 * sy) - c.textHeight(t) / 2, t, 0xFFFFFF,
                 10, true);
        }
    }
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 12, true};
    const int hz = c.textHeight(QStringLiteral("W"));
    const int oben = achsen.y0 - Runde(1.7 * sy);
    Text(achsen.x0 - 40, oben - 2 * hz, QStringLiteral("Kinetische Energie Eₖᵢₙ"), 0xFFFFFF, 12, true);
    Text(achsen.x0 - 40, oben - hz, QStringLiteral("der Elektronen / eV"), 0xFFFFFF, 12, true);
    // wavelength scale
    const int yg = achsen.y0 + 90;
    c.pen = Stift{65280, 1, PenStil::Solid, PenModus::Copy};
    c.moveTo(achsen.x0 + Runde(350 * sx), yg);
    c.lineTo(achsen.x0 + Runde(850 * sx), yg);
    for (int lambda = 400; lambda <= 800; lambda += 100) {
        const double f = Lichtgeschwindigkeit / (lambda * 1e-9) / 1e12;
        const int x = achsen.x0 + Runde(f * sx);
        c.moveTo(x, yg - 5);
        c.lineTo(x, yg + 5);
        c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, true};
        const QString t = QString::number(lambda);
        Text(x - c.textWidth(t) / 2, yg - 5 - c.textHeight(t), t, 65280, 10, true);
    }
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 12, true};
    const QString wl = QStringLiteral("Wellenlänge / nm"), fr = QStringLiteral("Frequenz / THz");
    Text(achsen.x0 + Runde(800 * sx) - c.textWidth(wl), yg + 10, wl, 65280, 12, true);
    Text(achsen.x0 + Runde(800 * sx) - c.textWidth(fr), achsen.y0 + 30, fr, 0xFFFFFF, 12, true);
    if (CheckBoxSpektrum->isChecked())
        ZeigeSpektrum();
}

void TFormEinsteinGl::ZeigeSpektrum()
{
    Canvas &c = Image1->canvas();
    const double sx = achsen.sx, sy = achsen.sy;
    for (int f = 375; f <= 750; ++f) {
        c.pen = Stift{FarbeAusFrequenz(f), sx >= 1 ? 2 : 1, PenStil::Solid, PenModus::Copy};
        u_.Line0(f * sx, 1.6 * sy, f * sx, 2.1 * sy);
    }
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 12, false};
    const QString t = QStringLiteral("sichtbarer Bereich");
    Text(achsen.x0 + Runde(562 * sx) - c.textWidth(t) / 2, achsen.y0 - Runde(2.1 * sy) - c.textHeight(t) - 2, t, 65535,
         12, false);
}

void TFormEinsteinGl::ZeichneLampenLinien(int lampe)
{
    Canvas &c = Image1->canvas();
    const Linienspektrum &s = Lampen[lampe];
    for (int i = 0; i < std::clamp(s.Anzahl, 0, 9); ++i) {
        const double f = s.Linie[i].FrequenzTHz;
        c.pen = Stift{FarbeAusFrequenz(s.Linie[i].FrequenzTHz), 3, PenStil::Solid, PenModus::Copy};
        u_.Line0(f * achsen.sx, 0, f * achsen.sx, 1.5 * achsen.sy);
    }
}

void TFormEinsteinGl::ZeichneMesspunkte(int lampe, int metall)
{
    if (!gezeigt[metall])
        return;
    Canvas &c = Image1->canvas();
    for (const Messpunkt &p :
         Messpunkte(Lampen[lampe], EinsteinMetalle[metall].eV, Planckkonstante, Elementarladung)) {
        const double x = p.fTHz * achsen.sx, y = p.wkEV * achsen.sy;
        c.pen = Stift{FarbeAusFrequenz(Lampen[lampe].Linie[p.linie].FrequenzTHz), 3, PenStil::Solid, PenModus::Copy};
        u_.Line0(x - 5, y, x + 5, y);
        u_.Line0(x, y - 5, x, y + 5);
    }
}

void TFormEinsteinGl::ZeichneGerade(int lampe, int metall)
{
    if (!gezeigt[metall])
        return;
    Canvas &c = Image1->canvas();
    const double eV = EinsteinMetalle[metall].eV;
    const double f0 = GrenzfrequenzTHz(Planckkonstante, eV, Elementarladung);
    const int letzte = HoechsteLinie(Lampen[lampe]);
    if (letzte >= 0) {
        const double f = Lampen[lampe].Linie[letzte].Frequenz;
        const double wk = KinetischeEnergie(Planckkonstante, f, eV, Elementarladung);
        if (wk > 0) {
            c.pen = Stift{0xFFFFFF, 1, PenStil::Solid, PenModus::Copy};
            u_.Line0(f / 1e12 * achsen.sx, wk * achsen.sy, f0 * achsen.sx, 0);
        }
    }
    c.pen = Stift{0xFFFFFF, 1, PenStil::Dash, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    u_.Line0(f0 * achsen.sx, 0, 0, -eV * achsen.sy);
}

void TFormEinsteinGl::ZeichneSteigungsdreieck(int metall)
{
    Canvas &c = Image1->canvas();
    const double eV = EinsteinMetalle[metall].eV;
    const double f0 = GrenzfrequenzTHz(Planckkonstante, eV, Elementarladung);
    c.pen = Stift{16776960, 1, PenStil::Dot, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    u_.Moveto0(0, -eV * achsen.sy);
    u_.Lineto0(f0 * achsen.sx, -eV * achsen.sy);
    u_.Lineto0(f0 * achsen.sx, 0);
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, false};
    const QString w = KommaMitMinus(eV, 2) + QStringLiteral("\u00A0eV");
    Text(achsen.x0 + Runde(f0 * achsen.sx) - c.textWidth(w) / 2, achsen.y0 + Runde(1.5 * achsen.sy), w, 16776960, 10,
         false);
    const QString f = QStringLiteral(" %1 \u00A0THz").arg(Runde(f0));
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, false};
    const int x = achsen.x0 + Runde(250 * achsen.sx), y = achsen.y0 + Runde(eV * achsen.sy) - c.textHeight(f) / 2;
    c.brush = Pinsel{0x000000, PinselStil::Solid};
    c.font.color = 16776960;
    c.textOut(x, y, f);
}

void TFormEinsteinGl::Simulation()
{
    KooSyVorbereiten();
    const int lampe = std::clamp(RadioGroupSpektren->ItemIndex(), 0, 3);
    if (CheckBoxspektralLinien->isChecked())
        ZeichneLampenLinien(lampe);
    for (int m = 0; m < 4; ++m)
        ZeichneMesspunkte(lampe, m);
    if (CheckBoxVerbLinien->isChecked())
        for (int m = 0; m < 4; ++m)
            ZeichneGerade(lampe, m);
    const int erster = ErsterGezeigter(gezeigt);
    if (CheckBoxDreieck->isEnabled() && CheckBoxDreieck->isChecked() && erster >= 0)
        ZeichneSteigungsdreieck(erster);
}

void TFormEinsteinGl::SchreibeHinweisSelbst()
{
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/photo2/einstein_hinweis.txt")), StilHinweis());
}

void TFormEinsteinGl::SchreibeErgebnisSelbst()
{
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/photo2/einstein_ergebnis.txt")), StilErgebnis());
}
