#include "gegenfeldfenster.h"

#include "bild.h"
#include "richtext.h"
#include "zahltext.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <cmath>

using namespace Photoeffekt;

namespace Photoeffekt {

GegenfeldLayout BerechneGegenfeldLayout(int bildschirmBreite, int bildschirmHoehe, const Spaltenwerte &spalte,
                                        const QRect &zurueck, int titelHoehe, int linksBreite)
{
    GegenfeldLayout l;
    l.links = QRect(8, 8, linksBreite, bildschirmHoehe - 16);
    l.rechts = QRect(spalte.links, 8, spalte.breite, zurueck.top() - 16);
    const int bildLinks = 8 + linksBreite + 8;
    const int bildOben = 8 + titelHoehe + 8;
    l.bild = QRect(bildLinks, bildOben, std::max(spalte.links - 8 - bildLinks, 1),
                   std::max(bildschirmHoehe - 8 - bildOben, 1));
    const int titelBreite = std::min(l.bild.width(), 720);
    l.titel = QRect(l.bild.left() + (l.bild.width() - titelBreite) / 2, 8, titelBreite, titelHoehe);
    l.zurueck = zurueck;
    (void)bildschirmBreite;
    return l;
}

}  // namespace Photoeffekt

GegenfeldFenster::GegenfeldFenster(const QString &caption, QWidget *parent) : SimFenster(caption, parent)
{
    BilderFreigebbar();  // the sketch and the lamp's strip are drawn anew from the state on every show
    Zeichengrund = FarbeZeichengrund;
}

void GegenfeldFenster::ErzeugeGemeinsam(const GegenfeldLayout &l, int spannungStart, int iMin, int iStart)
{
    Image1 = new Bild(this);
    Image1->move(l.bild.topLeft());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());

    PanelLichtwahl = new Lampenwahl(this, l.links.width());
    TrackBarSpannung = new TrackBar(Qt::Horizontal, this);
    TrackBarSpannung->setBereich(0, 150, spannungStart);
    TrackBarSpannung->setTickPosition(QSlider::TicksBelow);
    TrackBarSpannung->setTickInterval(25);
    UpDownSpannung = new UpDown(this);
    UpDownSpannung->setBereich(0, 150, spannungStart);
    TrackBarI = new TrackBar(Qt::Horizontal, this);
    TrackBarI->setBereich(iMin, 15, iStart);
    TrackBarI->setTickPosition(QSlider::TicksBelow);
    TrackBarI->setTickInterval(1);
    BitBtnabbrechen = new BitBtn(tr("abbrechen"), this);
    BitBtnabbrechen->setGlyph(GlyphBild(Glyphe::Ende));
    BitBtnabbrechen->setEnabled(false);
}

Panel *GegenfeldFenster::Tafel(QWidget *eltern, int x, int y, int w, int h)
{
    return ErzeugePanel(eltern, QRect(x, y, w, h));
}

void GegenfeldFenster::SpannungsSkala(bool mitEinheit)
{
    TrackBarSpannung->setSkala({{0, QStringLiteral("0")},
                                {50, MitKomma(QStringLiteral("0.5"))},
                                {100, QStringLiteral("1")},
                                {150, mitEinheit ? tr("1,5\u00a0Volt") : MitKomma(QStringLiteral("1.5"))}});
    SetzeSchrift(TrackBarSpannung->skala(), QStringLiteral("Trebuchet MS"), 8, true);
}

void GegenfeldFenster::SpannungsTafel(Panel *tafel, const QString &titel, int titelOben, int barOben, bool mitEinheit)
{
    const int innen = tafel->width() - 16;
    Beschriftung(tafel, titel, 8, titelOben, innen);
    TrackBarSpannung->setParent(tafel);
    UpDownSpannung->setParent(tafel);
    Setze(TrackBarSpannung, 8, barOben, innen - 22, 26);
    Setze(UpDownSpannung, 8 + innen - 20, barOben, 20, 26);
    SpannungsSkala(mitEinheit);
}

void GegenfeldFenster::IntensitaetsTafel(Panel *tafel, TrackBar *bar, int titelOben, int barOben)
{
    const int innen = tafel->width() - 16;
    Beschriftung(tafel, tr("Intensität:"), 8, titelOben, innen);
    bar->setParent(tafel);
    Setze(bar, 8, barOben, innen, 26);
    bar->setSkala({{bar->Min(), tr("klein")}, {bar->Max(), tr("groß")}});
}

RadioGroup *GegenfeldFenster::MetallTafel(Panel *tafel, const QString &text, const QString &titel, int gruppeOben,
                                          int gruppeHoehe)
{
    const int innen = tafel->width() - 16;
    Beschriftung(tafel, text, 8, 2, innen);
    QStringList namen;
    for (const Metall &m : Metalle)
        namen << MetallName(m);
    auto *gruppe = new RadioGroup(titel, namen, tafel, 2);
    gruppe->layout()->setContentsMargins(6, 0, 4, 2);
    Setze(gruppe, 8, gruppeOben, innen, gruppeHoehe);
    // the names in the largest size, 8 pt at most, at which each shows whole beside its button
    const QStyle *stil = gruppe->style();
    const int knopfRand = stil->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, gruppe) +
                          stil->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, gruppe);
    for (int g = 8; g >= 6; --g) {
        SetzeSchrift(gruppe, QStringLiteral("Trebuchet MS"), g, true);
        gruppe->layout()->activate();
        bool passt = true;
        for (int i = 0; i < namen.size(); ++i) {
            const QAbstractButton *knopf = gruppe->knopf(i);
            passt = passt && knopf->fontMetrics().horizontalAdvance(namen[i].trimmed()) + knopfRand <= knopf->width();
        }
        if (passt)
            break;
    }
    gruppe->setItemIndex(1);
    return gruppe;
}

void GegenfeldFenster::LaufTafel(Panel *tafel, int rand, int knopfHoehe)
{
    const int innen = tafel->width() - 16;
    const int stop = rand + 38, abbrechen = stop + knopfHoehe + 4, simulation = abbrechen + knopfHoehe + 4;
    ErzeugeLaufsteuerung(tafel, tr("&Licht"));
    Setze(BitBtnLicht, 8, rand, innen - 38, 34);
    Setze(PanelKontrolle, 8 + innen - 30, rand + 3, 30, 28);
    Setze(BitBtnStop, 8, stop, innen, knopfHoehe);
    BitBtnabbrechen->setParent(tafel);
    Setze(BitBtnabbrechen, 8, abbrechen, innen, knopfHoehe);
    Beschriftung(tafel, tr("Simulation"), 8, simulation, innen);
    ErzeugeTempo(tafel, 0, GegenfeldTempoMax, 3);
    TempoSetzen(simulation + 18, innen, 26);
}

void GegenfeldFenster::SkizzeUebernehmen(int wellenLaenge, int pixelSchritt, const Photoeffekt::Laufart &art)
{
    wellen.bisX = skizze_.kathodeX - skizze_.t;
    wellen.laenge = wellenLaenge;
    wellen.linienBreite = 1;
    wellen.strahlSchritt = 3;
    wellen.pixelSchritt = pixelSchritt;
    messgeraet_.g = Photoeffekt::FestesGalvanometer(skizze_.drehpunkt);
    lauf_.startX = skizze_.startX;
    lauf_.ankunftX = skizze_.ankunftX;
    lauf_.kathodeX = skizze_.kathodeX;
    lauf_.zelleMitteX = skizze_.zelleMitteX;
    lauf_.strahlen = lampe_.strahlen;
    lauf_.yOben = skizze_.y0;
    lauf_.D = skizze_.D;
    lauf_.e = Elementarladung;
    lauf_.m = Elektronenmasse;
    lauf_.art = art;
    lauf_.Aufstellen();
}

void GegenfeldFenster::Aufbauen()
{
    frequenz_ = PanelLichtwahl->Frequenz;
    lichtFarbe = FarbeAusFrequenz(frequenz_);
    U = TrackBarSpannung->Position() / 100.0;
    intensitaet = TrackBarI->Position();
    dt = GegenfeldDt(TrackBarTempo->Position());
    Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
    lauf_.zeichneElektron = [this](const TElektron &e, bool flug) {
        Geaendert(ZeichneElektron(Image1->canvas(), sprites, e, flug));
    };
    lauf_.quantZeigen = [this](int k, bool zeichnen) { QuantZeigen(k, zeichnen); };
    DatenSchaltSkizze();
    BildBeschreiben(Image1, tr("Photozelle mit Lampe, Gegenspannung und Messgerät"),
                    [this] { return BildBeschreibung(); });

    connect(BitBtnabbrechen, &QPushButton::clicked, this, [this] { BitBtnabbrechenClick(); });
    connect(TrackBarSpannung, &QSlider::valueChanged, this, [this] { TrackBarSpannungChange(); });
    connect(UpDownSpannung, &UpDown::geklickt, this,
            [this] { TrackBarSpannung->setPosition(UpDownSpannung->Position()); });
    connect(TrackBarI, &QSlider::valueChanged, this, [this] { IntensitaetChange(); });
    connect(PanelLichtwahl, &Lampenwahl::geaendert, this, [this] { LichtwahlGeaendert(); });
}

QString GegenfeldFenster::BildBeschreibung() const
{
    const QString metallName = MetallName(Metalle[std::clamp(metall, 0, MetallAnzahl - 1)]).trimmed();
    QString text = tr("Photozelle mit einer Schicht aus %1, Gegenspannung %2.").arg(metallName, SpannungsText(U));
    const QString licht =
        QStringLiteral("%1\u00A0THz (%2\u00A0nm)").arg(frequenz_).arg(Lampenwahl::WellenlaengeNm(frequenz_));
    text += QLatin1Char(' ');
    if (an) {
        QString satz;
        if (WellenModell())
            satz = tr("Die Lampe strahlt Licht von %1 mit der Intensität %2 ein, als Wellen dargestellt.");
        else if (QuantenModell())
            satz = tr("Die Lampe strahlt Licht von %1 mit der Intensität %2 ein, als Photonen dargestellt.");
        else
            satz = tr("Die Lampe strahlt Licht von %1 mit der Intensität %2 ein.");
        text += satz.arg(licht).arg(intensitaet);
    } else {
        text += tr("Die Lampe ist aus (eingestellt: %1, Intensität %2).").arg(licht).arg(intensitaet);
    }
    const int prozent = Runde(100 * lauf_.ausschlag);
    text += QLatin1Char(' ') + (prozent > 0 ? tr("Das Messgerät zeigt einen Ausschlag von %1\u00A0% des Vollausschlags.")
                                                  .arg(prozent)
                                            : tr("Das Messgerät zeigt keinen Ausschlag."));
    if (LaufAktiv())
        text += QLatin1Char(' ') + tr("In diesem Ablauf ausgelöste Elektronen: %1, davon am Ring angekommen: %2; "
                                      "gerade unterwegs: %3.")
                                       .arg(lauf_.gestartet)
                                       .arg(lauf_.trefferGesamt)
                                       .arg(lauf_.elektronenImFlug);
    return text;
}

// ---- drawing ------------------------------------------------------------------------------

void GegenfeldFenster::BilderZeichnen()
{
    Image1->canvas().onChange = nullptr;  // the window repaints only what changed
    sprites = DefElektron(skizze_.r, Zeichengrund, SchichtFarbe, false);  // true colours on the layer
    QuantenBilden();
}

void GegenfeldFenster::NeuZeichnen()
{
    wellenGezeigt_ = false;
    spannungGezeigt_ = false;
    for (auto &g : quantGezeichnet_)
        g.an = false;
    Canvas &c = Image1->canvas();
    ZeichneGegenfeldZelle(c, Zeichengrund, skizze_, messgeraet_, MinusFarbe());
    for (const TElektron &e : lauf_.el)
        Geaendert(ZeichneElektron(c, sprites, e, e.fliegt));
    messgeraet_.Anzeige(c, lauf_.ausschlag);
    ZeichneLampe(c, lampe_);
    ZeichneLampenLinse(c, lampe_, an ? lichtFarbe : LinsenGrau);
    SchreibeSpannung(c, skizze_, U, FarbeBeschriftung);
    spannungGezeigt_ = true;
    spannungGezeigtU_ = U;
    if (an && WellenModell())
        WellenZeigen();
    for (int k = 0; k < ElektronenAnzahl; ++k)
        if (lauf_.q[k].aktiv)
            QuantZeigen(k, true);
    Geaendert(QRect(QPoint(), Image1->bildGroesse()));
    Zeigen();
}

void GegenfeldFenster::QuantenBilden()
{
    const int R = QuantRadius(skizze_.r, frequenz_);
    const TColor farbe = FarbeAusFrequenz(frequenz_);
    quantInnen = QuantBild(R, farbe);
    quantAussen = QuantBild(R, farbe ^ Zeichengrund);
}

int GegenfeldFenster::QuantenGezeichnet() const
{
    return int(std::count_if(quantGezeichnet_.begin(), quantGezeichnet_.end(), [](const Gezeichnet &g) { return g.an; }));
}

void GegenfeldFenster::QuantZeigen(int k, bool zeichnen)
{
    if (k < 0 || k >= ElektronenAnzahl)
        return;
    Gezeichnet &g = quantGezeichnet_[k];
    Canvas &c = Image1->canvas();
    if (!zeichnen) {
        if (g.an)
            Geaendert(ZeichneQuantBild(c, g.bild, g.x, g.y));
        g.an = false;
        return;
    }
    if (g.an || !QuantenModell() || !lauf_.q[k].aktiv)
        return;
    g.x = lauf_.q[k].x;
    g.y = lauf_.q[k].y;
    g.bild = g.x > skizze_.zelleLinks ? quantInnen : quantAussen;
    g.an = true;
    Geaendert(ZeichneQuantBild(c, g.bild, g.x, g.y));
}

void GegenfeldFenster::WellenZeigen()
{
    if (wellenGezeigt_)
        return;
    wellenGezeichnet_ = wellen;
    wellenGezeichnet_.amplitude = intensitaet;
    wellenGezeichnet_.K = WellenK(frequenz_);
    wellenFarbe_ = lichtFarbe;
    wellenPhase_ = phase;
    Geaendert(ZeichneZellWellen(Image1->canvas(), lampe_, wellenGezeichnet_, wellenPhase_, wellenFarbe_, Zeichengrund,
                                skizze_.zelleLinks + skizze_.t));
    wellenGezeigt_ = true;
}

void GegenfeldFenster::WellenVerbergen()
{
    if (!wellenGezeigt_)
        return;
    Geaendert(ZeichneZellWellen(Image1->canvas(), lampe_, wellenGezeichnet_, wellenPhase_, wellenFarbe_, Zeichengrund,
                                skizze_.zelleLinks + skizze_.t));
    wellenGezeigt_ = false;
}

void GegenfeldFenster::LinseZeichnen()
{
    const bool mitWellen = wellenGezeigt_;
    WellenVerbergen();
    Geaendert(ZeichneLampenLinse(Image1->canvas(), lampe_, an ? lichtFarbe : LinsenGrau));
    if (mitWellen)
        WellenZeigen();
}

void GegenfeldFenster::Zeigen()
{
    if (schmutz_.isEmpty())
        return;
    Image1->update(schmutz_.translated(0, 0));
    schmutz_ = QRegion();
}

// ---- run ------------------------------------------------------------------------------------

void GegenfeldFenster::LichtAus()
{
    AnAusSchalten(false);
    WellenVerbergen();
    LinseZeichnen();
    Zeigen();
}

void GegenfeldFenster::LichtAn()
{
    AnAusSchalten(true);
    if (pause)
        BitBtnStopClick();  // a paused run goes on with the light
    BitBtnabbrechen->setEnabled(true);
    lichtFarbe = FarbeAusFrequenz(frequenz_);
    if (WellenModell())
        WellenZeigen();
    LinseZeichnen();
    Zeigen();
}

void GegenfeldFenster::BitBtnLichtClick()
{
    TafelVerbergen(Hinweis);
    if (Ergebnis.panel)
        TafelVerbergen(Ergebnis);
    if (an) {
        if (pause)
            BitBtnStopClick();  // what is in flight finishes
        LichtAus();
        BitBtnabbrechen->setEnabled(lauf_.elektronenImFlug > 0 || lauf_.quantenImFlug > 0);
        return;
    }
    if (LaufAktiv() && !Gestoppt())
        LichtAn();  // a run still draining carries on with the light
    else
        LaufStarten();  // the run switches the light on as it begins
}

Ablauf GegenfeldFenster::Simulation()
{
    phase = 0;
    LichtAn();
    lauf_.AllesHeim();
    lauf_.Anfangen();
    phase = 0;
    std::uint64_t seit = TickZahl();  // the program's clock, so that a test's clock sets the pace too
    for (;;) {
        lauf_.h = PlanckLiteratur;  // nature does not change with the pupil's value of h
        lauf_.Schritt(an, !Gestoppt(), intensitaet, frequenz_, AbloeseEV(), TrackBarSpannung->Position() / 100.0, dt);
        if (!messgeraet_.sichtbar() || messgeraet_.wert() != lauf_.ausschlag)
            Geaendert(messgeraet_.Anzeige(Image1->canvas(), lauf_.ausschlag));
        if (an && WellenModell()) {
            WellenVerbergen();
            phase = NaechstePhase();
            WellenZeigen();
        }
        Zeigen();
        co_await Warte(std::uint32_t(std::max(0, Wartezeit(int(TickZahl() - seit)))));
        seit = TickZahl();
        if (Gestoppt())
            break;
        if (!an && lauf_.elektronenImFlug == 0 && lauf_.quantenImFlug == 0)
            break;
    }
    if (an)
        LichtAus();
    WellenVerbergen();
    lauf_.AllesHeim();
    lauf_.ausschlag = 0;
    Geaendert(messgeraet_.Anzeige(Image1->canvas(), 0));
    Zeigen();
    BitBtnabbrechen->setEnabled(false);
    LaufEnde();
}

void GegenfeldFenster::BitBtnabbrechenClick()
{
    BitBtnabbrechen->setEnabled(false);
    LaufStoppen();
}

void GegenfeldFenster::BitBtnZurueckClick()
{
    LaufStoppen();
    if (an)
        LichtAus();
    TafelVerbergen(Hinweis);
    WellenVerbergen();
    Zeigen();
    close();
}

void GegenfeldFenster::FormActivate()
{
    // a run that was left is over: nothing is in flight, the light is off
    if (an)
        AnAusSchalten(false);
    BitBtnabbrechen->setEnabled(false);
    lauf_.Anfangen();
    U = TrackBarSpannung->Position() / 100.0;
    NeuZeichnen();
}

// ---- controls ---------------------------------------------------------------------------------

int GegenfeldFenster::VerzoegerungAusTempo(int position, int) const
{
    return tempoGeaendert_ ? GegenfeldVerzoegerung(position) : GegenfeldVerzoegerungAnfang(position);
}

void GegenfeldFenster::TrackBarTempoChange()
{
    UpDownTempo->setPosition(TrackBarTempo->Position());
    const bool mitWellen = wellenGezeigt_;
    WellenVerbergen();
    tempoGeaendert_ = true;
    dt = GegenfeldDt(TrackBarTempo->Position());
    Verzoegerung = GegenfeldVerzoegerung(TrackBarTempo->Position());
    if (mitWellen)
        WellenZeigen();
    Zeigen();
}

void GegenfeldFenster::TrackBarSpannungChange()
{
    UpDownSpannung->setPosition(TrackBarSpannung->Position());
    Canvas &c = Image1->canvas();
    if (spannungGezeigt_)
        Geaendert(SchreibeSpannung(c, skizze_, spannungGezeigtU_, Zeichengrund));
    U = TrackBarSpannung->Position() / 100.0;
    Geaendert(SchreibeSpannung(c, skizze_, U, FarbeBeschriftung));
    spannungGezeigt_ = true;
    spannungGezeigtU_ = U;
    SpannungGeaendert();
    Zeigen();
}

void GegenfeldFenster::IntensitaetChange()
{
    if (TrackBarI->Position() == intensitaet)
        return;
    const bool mitWellen = wellenGezeigt_;
    WellenVerbergen();
    intensitaet = TrackBarI->Position();
    if (mitWellen)
        WellenZeigen();
    Zeigen();
}

void GegenfeldFenster::LichtwahlGeaendert()
{
    const bool mitWellen = wellenGezeigt_;
    WellenVerbergen();
    frequenz_ = PanelLichtwahl->Frequenz;
    lichtFarbe = FarbeAusFrequenz(frequenz_);
    // quanta in flight keep the pictures they are drawn with; new ones take the new colour
    QuantenBilden();
    if (an)
        LinseZeichnen();
    if (mitWellen)
        WellenZeigen();
    Zeigen();
}

using namespace Photoeffekt;

namespace {
// The threshold wavelengths shown for the four metals (h c / W, rounded).
constexpr int GrenzNm[MetallAnzahl] = {544, 551, 582, 639};
}  // namespace

QString TFormGegenfeld2::GrenzText(int nm)
{
    return QStringLiteral("%1\u00A0nm = %2\u00A0µm").arg(nm).arg(MitKomma(QStringLiteral("0.%1").arg(nm)));
}

TFormGegenfeld2::TFormGegenfeld2(QWidget *parent)
    : GegenfeldFenster(tr("Photoeffekt – Gegenfeldmethode"), parent)
{
    setWindowTitle(tr("Der Photoeffekt (= lichtelektrischer Effekt)"));
    const Spaltenwerte spalte = StandardSpalte(BildschirmBreite);
    layout_ = BerechneGegenfeldLayout(BildschirmBreite, BildschirmHoehe, spalte,
                                      QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe), 50, spalte.breite);
    const GegenfeldLayout &l = layout_;
    ErzeugeTitel(tr("Der Photoeffekt – Licht als Wellenstrahlung"), l.titel.left(), l.titel.top(),
                 l.titel.width(), l.titel.height());
    ErzeugeGemeinsam(l, 100, 3, 13);
    IntensitaetsTrackBar = TrackBarI;
    const int B = l.links.width(), innen = B - 16;

    // ---- left: the light ----
    int y = 8;
    Panel *kopf = Tafel(this, 8, y, B, 80);
    auto *licht = Beschriftung(kopf, tr("Licht"), 8, 2, innen);
    SetzeSchrift(licht, QStringLiteral("Trebuchet MS"), 12, true);
    const QStringList anleitung =
        tr("Wähle eine Linie (und damit eine\nWellenlänge und eine Frequenz)\naus dem Spektrum von:")
            .split(QLatin1Char('\n'));
    for (int i = 0; i < anleitung.size(); ++i)
        Beschriftung(kopf, anleitung[i], 8, 22 + 18 * i, innen);
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
    IntensitaetsTafel(intens, IntensitaetsTrackBar, 4, 24);
    y += 74 + 8;
    Panel *hinweise = Tafel(this, 8, y, B, 50);

    // ---- right: metal, voltage, run ----
    const int R = l.rechts.left();
    y = 8;
    Panel *metall = Tafel(this, R, y, B, 194);
    RadioGroupMetallwahl = MetallTafel(metall, tr("Lichtempfindliche"), tr("Metall-Schicht"), 20, 62);
    Beschriftung(metall, tr("Bei diesem Metall ist"), 8, 86, innen);
    Beschriftung(metall, tr("die Ablösearbeit:"), 8, 104, innen);
    PanelMetall2 = new Panel(metall, Panel::Rand::Gesenkt);
    Setze(PanelMetall2, 8, 122, innen, 22);
    Beschriftung(metall, tr("die Grenzwellenlänge:"), 8, 146, innen);
    PanelMetall4 = new Panel(metall, Panel::Rand::Gesenkt);
    PanelMetall4->setToolTip(tr("1\u00A0nm = 1 milliardstel Meter"));
    Setze(PanelMetall4, 8, 164, innen, 22);
    y += 194 + 8;

    Panel *spannung = Tafel(this, R, y, B, 74);
    SpannungsTafel(spannung, tr("Gegenspannung"), 4, 24, true);
    y += 74 + 8;

    Panel *lauf = Tafel(this, R, y, B, 184);
    LaufTafel(lauf, 8, 30);

    // ---- the hint panel over the picture ----
    ErzeugeHinweis(hinweise, tr("&Hinweise"), QString(), [this] { SchreibeHinweisSelbst(); }, true);
    BitBtnInfo = BitBtnHinweis;
    CheckBoxNeuHinweis = Hinweis.neu;
    Hinweis.loeschen->setText(tr("l&öschen"));
    Hinweis.panel->setCaption(tr("Hinweise und Beobachtungen"));
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
    skizze_ = GegenfeldDaten(Image1->bildGroesse().width(), Image1->bildGroesse().height(), SchriftMittel);
    lampe_ = LampenGeometrie(LampeX(skizze_, skizze_.breite / 5), skizze_.y0, skizze_.kathodeX, skizze_.D, ElektronenAnzahl);
    SkizzeUebernehmen(192, 1, GegenfeldLaufart(wellenModell));
}

int TFormGegenfeld2::NaechstePhase() const { return Runde(lauf_.bild * 9e5 * dt); }

void TFormGegenfeld2::RadioGroupMetallwahlClick()
{
    metall = std::clamp(RadioGroupMetallwahl->ItemIndex(), 0, MetallAnzahl - 1);
    PanelMetall2->setCaption(Komma(Metalle[metall].abloeseEV, 2) +
                             QStringLiteral("\u00A0eV"));
    PanelMetall4->setCaption(GrenzText(GrenzNm[metall]));
}

void TFormGegenfeld2::FormActivate()
{
    wellenModell = GegenfeldKlassisch;
    lauf_.art = GegenfeldLaufart(wellenModell);
    PanelTitel->setCaption(wellenModell ? tr("Der Photoeffekt – Licht als Wellenstrahlung")
                                        : tr("Der Photoeffekt – Licht als Teilchenstrahlung"));
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
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible() && !LaufAktiv() &&
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
    t.spalten = {tr("Frequenz f / THz"), tr("Ablösearbeit W_A / eV"), tr("Gegenspannung U / V"),
                 tr("Grenzspannung (h·f − W_A)/e / V"), tr("Zeigerausschlag / Vollausschlag")};
    t.zeilen.append({double(frequenz_), AbloeseEV(), U,
                     Photoeffekt::Grenzspannung(PlanckLiteratur, frequenz_ * 1e12, AbloeseEV(), Elementarladung),
                     lauf_.ausschlag});
    return t;
}
