#include "hserienfenster.h"

#include "bild.h"
#include "richtext.h"
#include "wasserstoff.h"

using namespace Wasserstoff;

namespace {

Panel *TafelAn(QWidget *eltern, const QRect &r)
{
    auto *p = new Panel(eltern);
    p->setFarbe(FarbePanel);
    Setze(p, r.left(), r.top(), r.width(), r.height());
    return p;
}

QLabel *Text(QWidget *eltern, const QString &t, int x, int y, int breite, int hoehe = 18)
{
    auto *l = new QLabel(t, eltern);
    Setze(l, x, y, breite, hoehe);
    return l;
}

// "a", "a und b", "a, b und c"
QString Aufzaehlung(const QStringList &teile)
{
    if (teile.size() < 2)
        return teile.join(QString());
    return teile.mid(0, teile.size() - 1).join(QStringLiteral(", ")) + TFormHSerien::tr(" und ") + teile.last();
}

}  // namespace

TFormHSerien::TFormHSerien(QWidget *parent)
    : SimFenster(tr("  Spektralserien des atomaren Wasserstoffs"), parent)
{
    layout_ = BerechneHSerienLayout(BildschirmBreite, BildschirmHoehe,
                                    QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe));
    const HSerienLayout &l = layout_;
    ErzeugeTitel(tr("Spektrum des Wasserstoffatoms"), l.titel.left(), l.titel.top(), l.titel.width(),
                 l.titel.height());

    Image1 = new Bild(this);
    Setze(Image1, l.bild.left(), l.bild.top(), l.bild.width(), l.bild.height());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());

    // series: how many, vertical separation, order
    PanelSerien = TafelAn(this, l.serien);
    Text(PanelSerien, tr("Zeichne die ersten"), 8, 4, 190);
    TrackBarSerien = Regler(PanelSerien, 8, 22, 160, 3, 6, 6, UpDownSerien);
    TrackBarSerien->setSkala({{3, QStringLiteral("3")},
                              {4, QStringLiteral("4")},
                              {5, QStringLiteral("5")},
                              {6, tr("6\u00a0Serien")}});
    Text(PanelSerien, tr("Unterscheide sie vertikal"), 8, 70, 190);
    TrackBarUnterscheidung = Regler(PanelSerien, 8, 88, 160, 0, 10, 0, UpDownUnterscheidung);
    TrackBarUnterscheidung->setSkala(
        {{0, tr("nicht")}, {5, tr("wenig")}, {10, tr("stark")}});
    Text(PanelSerien, tr("Ordne sie nach"), 230, 4, 180);
    RadioButtonFrequenz = new QRadioButton(tr("Frequenzen"), PanelSerien);
    Setze(RadioButtonFrequenz, 236, 26, 170, 22);
    RadioButtonFrequenz->setChecked(true);
    RadioButtonWellenlaenge = new QRadioButton(tr("Wellenlängen"), PanelSerien);
    Setze(RadioButtonWellenlaenge, 236, 50, 170, 22);
    const QStringList massstab = tr("Passe den\nMaßstab an").split(QLatin1Char('\n'));
    CheckBoxMassstab = new QCheckBox(massstab.value(0), PanelSerien);
    Setze(CheckBoxMassstab, 236, 84, 170, 22);
    LabelMassstab = Text(PanelSerien, massstab.value(1), 256, 104, 150);
    CheckBoxMassstab->hide();
    LabelMassstab->hide();

    // lines per series, thick first lines, limits
    PanelLinien = TafelAn(this, l.linien);
    Text(PanelLinien, tr("Zeichne pro Serie die ersten"), 8, 4, 330);
    TrackBarLinien = Regler(PanelLinien, 8, 22, 240, 4, 16, 12, UpDownLinien);
    TrackBarLinien->setSkala({{4, QStringLiteral("4")},
                              {8, QStringLiteral("8")},
                              {12, QStringLiteral("12")},
                              {16, tr("16\u00a0Linien")}});
    CheckBoxLinienBreite = new QCheckBox(tr("Zeichne erste Linien &dick"), PanelLinien);
    Setze(CheckBoxLinienBreite, 8, 78, 330, 22);
    CheckBoxGrenzen = new QCheckBox(tr("&Markiere die Seriengrenzen"), PanelLinien);
    Setze(CheckBoxGrenzen, 8, 104, 330, 22);

    PanelSpektrum = TafelAn(this, l.spektrum);
    const QStringList spektrum = tr("Mit dem &Spektrum\ndes sichtbaren Lichts").split(QLatin1Char('\n'));
    CheckBoxSpektrum = new QCheckBox(spektrum.value(0), PanelSpektrum);
    Setze(CheckBoxSpektrum, 6, 8, l.spektrum.width() - 10, 22);
    Text(PanelSpektrum, spektrum.value(1), 10, 32, l.spektrum.width() - 14);

    PanelHinweise = TafelAn(this, l.hinweisKnopf);
    ErzeugeHinweis(PanelHinweise, tr("&Hinweise"), QString(), [this] { SchreibeHinweiseSelbst(); });
    Setze(BitBtnHinweis, 8, 8, l.hinweisKnopf.width() - 16, l.hinweisKnopf.height() - 16);
    Hinweis.setzeGeometrie(l.hinweis.left(), l.hinweis.top(), l.hinweis.width(), l.hinweis.height());
    Setze(Hinweis.edit, 8, 8, l.hinweis.width() - 16, l.hinweis.height() - 48);
    Hinweis.loeschen->setText(tr("Text &löschen"));
    Setze(Hinweis.loeschen, l.hinweis.width() - 8 - 105, l.hinweis.height() - 32, 105, 25);
    Hinweis.panel->setFarbe(FarbePanel);
    Hinweis.panel->raise();
    BitBtnZurueck->raise();

    // handlers: every change redraws at once
    auto paar = [this](TrackBar *t, UpDown *u) {
        connect(t, &QSlider::valueChanged, this, [this, t, u] {
            u->setPosition(t->Position());
            Serien = TrackBarSerien->Position();
            Linien = TrackBarLinien->Position();
            Neuzeichnen();
        });
        connect(u, &UpDown::geklickt, this, [t, u] { t->setPosition(u->Position()); });
    };
    paar(TrackBarSerien, UpDownSerien);
    paar(TrackBarLinien, UpDownLinien);
    paar(TrackBarUnterscheidung, UpDownUnterscheidung);
    connect(RadioButtonFrequenz, &QRadioButton::toggled, this, [this] {
        const bool wl = RadioButtonWellenlaenge->isChecked();
        CheckBoxMassstab->setVisible(wl);
        LabelMassstab->setVisible(wl);
        Neuzeichnen();
    });
    for (QCheckBox *b : {CheckBoxLinienBreite, CheckBoxGrenzen, CheckBoxMassstab, CheckBoxSpektrum})
        connect(b, &QCheckBox::toggled, this, [this] { Neuzeichnen(); });

    BildBeschreiben(Image1, tr("Spektralserien des Wasserstoffatoms"), [this] { return BildBeschreibung(); });
    BilderFreigebbar();  // the picture follows the controls alone
}

TrackBar *TFormHSerien::Regler(QWidget *eltern, int x, int y, int breite, int min, int max, int pos, UpDown *&updown)
{
    auto *t = new TrackBar(Qt::Horizontal, eltern);
    t->setBereich(min, max, pos);
    t->setFrequenz(1);
    t->setTickPosition(QSlider::TicksBelow);
    Setze(t, x, y, breite, 26);
    updown = new UpDown(eltern);
    updown->setBereich(min, max, pos);
    Setze(updown, x + breite + 4, y, 20, 26);
    return t;
}

HSerienEinstellung TFormHSerien::Einstellung() const
{
    HSerienEinstellung e;
    e.serien = Serien;
    e.linien = Linien;
    e.trennung = TrackBarUnterscheidung->Position();
    e.wellenlaenge = RadioButtonWellenlaenge->isChecked();
    e.dick = CheckBoxLinienBreite->isChecked();
    e.grenzen = CheckBoxGrenzen->isChecked();
    e.massstab = CheckBoxMassstab->isChecked();
    e.spektrum = CheckBoxSpektrum->isChecked();
    return e;
}

void TFormHSerien::BilderZeichnen() { ZeigeHSerien(RadioButtonWellenlaenge->isChecked()); }

void TFormHSerien::Neuzeichnen()
{
    if (BilderGezeichnet())  // else drawn when shown
        BilderZeichnen();
}

void TFormHSerien::ZeigeHSerien(bool wellenlaenge)
{
    HSerienEinstellung e = Einstellung();
    e.wellenlaenge = wellenlaenge;
    HSerienBild(Image1->canvas(), geometrie_).ZeigeHSerien(e);
}

QString TFormHSerien::BildBeschreibung() const
{
    const HSerienEinstellung e = Einstellung();
    // the sixth series has no name in the picture
    const auto name = [](int n) { return n <= 5 ? SerienName(n) : tr("%1. Serie").arg(n); };
    const QString einheit = e.wellenlaenge ? QStringLiteral("nm") : QStringLiteral("THz");
    const auto wert = [&e](double fTHz) {
        return QString::number(Runde(e.wellenlaenge ? WellenlaengeNm(fTHz) : fTHz));
    };

    const QString ordnung = !e.wellenlaenge ? tr("nach Frequenzen geordnet")
                            : e.massstab    ? tr("nach Wellenlängen geordnet im angepassten Maßstab")
                                            : tr("nach Wellenlängen geordnet");
    QString lage = e.trennung == 0    ? tr("alle auf gleicher Höhe")
                   : e.trennung == 10 ? tr("jede in eigener Zeile")
                                      : tr("senkrecht gegeneinander versetzt");
    if (SerieBenannt(1, e.serien, e.trennung))
        lage += tr(" und mit Namen");
    QString text = tr("Die ersten %1 Serien des Wasserstoffspektrums mit je %2 Linien, %3, %4.")
                       .arg(e.serien)
                       .arg(e.linien)
                       .arg(ordnung, lage);

    // from the first line of the last series to the last line drawn of the Lyman series
    const double tief = SerienFrequenz(e.serien, e.serien + 1), hoch = SerienFrequenz(1, 1 + e.linien);
    text += QLatin1Char(' ');
    text += e.wellenlaenge
                ? tr("Die Linien reichen von %1 nm (Lyman-Serie) bis %2 nm (%3)").arg(wert(hoch), wert(tief), name(e.serien))
                : tr("Die Linien reichen von %1 THz (%2) bis %3 THz (Lyman-Serie)").arg(wert(tief), name(e.serien), wert(hoch));
    // series n and n + 1 overlap where the last line drawn of n + 1 lies beyond the first line of n
    int ab = 0;
    for (int n = 1; n < e.serien && !ab; ++n)
        if (SerienFrequenz(n + 1, n + 1 + e.linien) >= SerienFrequenz(n, n + 1))
            ab = n;
    text += ab ? tr("; ab der %1 überlappen sich die Serien.").arg(name(ab)) : tr("; die Serien überlappen sich nicht.");

    QStringList extras;
    if (e.grenzen) {
        QStringList grenzen;
        for (int n = 1; n <= e.serien; ++n)
            grenzen.append(wert(SerienGrenze(n)));
        extras.append(tr("die Seriengrenzen sind markiert (%1 %2)").arg(Aufzaehlung(grenzen), einheit));
    }
    if (e.dick)
        extras.append(tr("die ersten Linien sind dick gezeichnet"));
    if (e.spektrum)  // the strip of 400 to 750 THz
        extras.append(tr("oben zeigt ein Streifen das sichtbare Licht von %1 bis %2 %3")
                          .arg(wert(e.wellenlaenge ? 750 : 400), wert(e.wellenlaenge ? 400 : 750), einheit));
    if (!extras.isEmpty()) {
        QString satz = extras.join(QStringLiteral("; ")) + QLatin1Char('.');
        satz[0] = satz[0].toUpper();
        text += QLatin1Char(' ') + satz;
    }
    return text;
}

WerteTabelle TFormHSerien::Werte() const
{
    WerteTabelle t;
    t.spalten = {tr("untere Stufe n"), tr("obere Stufe m"), tr("Frequenz f / THz"), tr("Wellenlänge λ / nm")};
    for (const Linie &l : WasserstoffLinien(Serien, Linien))
        t.zeilen.append({double(l.n), double(l.m), l.frequenzTHz, l.wellenlaengeNm});
    return t;
}

void TFormHSerien::SchreibeHinweiseSelbst()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    stil.abstandGroesse = 8;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/hydrogen/hserien_hinweis.txt")), stil);
}
