#include "gegenfeldfenster.h"

#include "bild.h"

#include <QElapsedTimer>
#include <QLabel>
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
    Zeichengrund = FarbeZeichengrund;
}

void GegenfeldFenster::ErzeugeGemeinsam(const GegenfeldLayout &l, int spannungStart, int iMin, int iStart)
{
    Image1 = new Bild(this);
    Image1->move(l.bild.topLeft());
    Image1->setBildGroesse(l.bild.width(), l.bild.height());
    Image1->canvas().onChange = nullptr;  // the window repaints only what changed

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
    BitBtnabbrechen = new BitBtn(QStringLiteral("abbrechen"), this);
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
                                {50, QStringLiteral("0,5")},
                                {100, QStringLiteral("1")},
                                {150, mitEinheit ? QStringLiteral("1,5\u00a0Volt") : QStringLiteral("1,5")}});
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

void GegenfeldFenster::LaufTafel(Panel *tafel, int rand, int knopfHoehe)
{
    const int innen = tafel->width() - 16;
    const int stop = rand + 38, abbrechen = stop + knopfHoehe + 4, simulation = abbrechen + knopfHoehe + 4;
    ErzeugeLaufsteuerung(tafel, QStringLiteral("&Licht"));
    Setze(BitBtnLicht, 8, rand, innen - 38, 34);
    Setze(PanelKontrolle, 8 + innen - 30, rand + 3, 30, 28);
    Setze(BitBtnStop, 8, stop, innen, knopfHoehe);
    BitBtnabbrechen->setParent(tafel);
    Setze(BitBtnabbrechen, 8, abbrechen, innen, knopfHoehe);
    Beschriftung(tafel, QStringLiteral("Simulation"), 8, simulation, innen);
    ErzeugeTempo(tafel, 0, GegenfeldTempoMax, 3);
    TrackBarTempo->setTickPosition(QSlider::TicksBelow);
    TrackBarTempo->setTickInterval(1);
    Setze(TrackBarTempo, 8, simulation + 18, innen - 22, 26);
    Setze(UpDownTempo, 8 + innen - 20, simulation + 18, 20, 26);
}

void GegenfeldFenster::SkizzeUebernehmen(int wellenLaenge, int pixelSchritt, const Photoeffekt::Laufart &art)
{
    wellen.bisX = skizze.kathodeX - skizze.t;
    wellen.laenge = wellenLaenge;
    wellen.linienBreite = 1;
    wellen.strahlSchritt = 3;
    wellen.pixelSchritt = pixelSchritt;
    messgeraet.g = Photoeffekt::FestesGalvanometer(skizze.drehpunkt);
    lauf.startX = skizze.startX;
    lauf.ankunftX = skizze.ankunftX;
    lauf.kathodeX = skizze.kathodeX;
    lauf.zelleMitteX = skizze.zelleMitteX;
    lauf.strahlen = lampe.strahlen;
    lauf.yOben = skizze.y0;
    lauf.D = skizze.D;
    lauf.e = Elementarladung;
    lauf.m = Elektronenmasse;
    lauf.art = art;
    lauf.Aufstellen();
}

void GegenfeldFenster::Aufbauen()
{
    frequenz = PanelLichtwahl->Frequenz;
    lichtFarbe = FarbeAusFrequenz(frequenz);
    U = TrackBarSpannung->Position() / 100.0;
    intensitaet = TrackBarI->Position();
    dt = GegenfeldDt(TrackBarTempo->Position());
    Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
    lauf.zeichneElektron = [this](const TElektron &e, bool flug) {
        Geaendert(ZeichneElektron(Image1->canvas(), sprites, e, flug));
    };
    lauf.quantZeigen = [this](int k, bool zeichnen) { QuantZeigen(k, zeichnen); };
    DatenSchaltSkizze();
    QuantenBilden();
    NeuZeichnen();

    connect(BitBtnabbrechen, &QPushButton::clicked, this, [this] { BitBtnabbrechenClick(); });
    connect(TrackBarSpannung, &QSlider::valueChanged, this, [this] { TrackBarSpannungChange(); });
    connect(UpDownSpannung, &UpDown::geklickt, this,
            [this] { TrackBarSpannung->setPosition(UpDownSpannung->Position()); });
    connect(TrackBarI, &QSlider::valueChanged, this, [this] { IntensitaetChange(); });
    connect(PanelLichtwahl, &Lampenwahl::geaendert, this, [this] { LichtwahlGeaendert(); });
}

// ---- drawing ------------------------------------------------------------------------------

void GegenfeldFenster::NeuZeichnen()
{
    wellenGezeigt_ = false;
    spannungGezeigt_ = false;
    for (auto &g : quantGezeichnet_)
        g.an = false;
    Canvas &c = Image1->canvas();
    ZeichneGegenfeldZelle(c, Zeichengrund, skizze, messgeraet, MinusFarbe());
    for (const TElektron &e : lauf.el)
        Geaendert(ZeichneElektron(c, sprites, e, e.fliegt));
    messgeraet.Anzeige(c, lauf.ausschlag);
    ZeichneLampe(c, lampe);
    ZeichneLampenLinse(c, lampe, an ? lichtFarbe : LinsenGrau);
    SchreibeSpannung(c, skizze, U, FarbeBeschriftung);
    spannungGezeigt_ = true;
    spannungGezeigtU_ = U;
    if (an && WellenModell())
        WellenZeigen();
    for (int k = 0; k < ElektronenAnzahl; ++k)
        if (lauf.q[k].aktiv)
            QuantZeigen(k, true);
    Geaendert(Image1->bild().rect());
    Zeigen();
}

void GegenfeldFenster::QuantenBilden()
{
    const int R = QuantRadius(skizze.r, frequenz);
    const TColor farbe = FarbeAusFrequenz(frequenz);
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
    if (g.an || !QuantenModell() || !lauf.q[k].aktiv)
        return;
    g.x = lauf.q[k].x;
    g.y = lauf.q[k].y;
    g.bild = g.x > skizze.zelleLinks ? quantInnen : quantAussen;
    g.an = true;
    Geaendert(ZeichneQuantBild(c, g.bild, g.x, g.y));
}

void GegenfeldFenster::WellenZeigen()
{
    if (wellenGezeigt_)
        return;
    wellenGezeichnet_ = wellen;
    wellenGezeichnet_.amplitude = intensitaet;
    wellenGezeichnet_.K = WellenK(frequenz);
    wellenFarbe_ = lichtFarbe;
    wellenPhase_ = phase;
    Geaendert(ZeichneZellWellen(Image1->canvas(), lampe, wellenGezeichnet_, wellenPhase_, wellenFarbe_, Zeichengrund,
                                skizze.zelleLinks + skizze.t));
    wellenGezeigt_ = true;
}

void GegenfeldFenster::WellenVerbergen()
{
    if (!wellenGezeigt_)
        return;
    Geaendert(ZeichneZellWellen(Image1->canvas(), lampe, wellenGezeichnet_, wellenPhase_, wellenFarbe_, Zeichengrund,
                                skizze.zelleLinks + skizze.t));
    wellenGezeigt_ = false;
}

void GegenfeldFenster::LinseZeichnen()
{
    const bool mitWellen = wellenGezeigt_;
    WellenVerbergen();
    Geaendert(ZeichneLampenLinse(Image1->canvas(), lampe, an ? lichtFarbe : LinsenGrau));
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

void GegenfeldFenster::BitBtnLichtClick()
{
    TafelVerbergen(Hinweis);
    if (Ergebnis.panel)
        TafelVerbergen(Ergebnis);
    if (an) {
        LichtAus();
        BitBtnabbrechen->setEnabled(lauf.elektronenImFlug > 0 || lauf.quantenImFlug > 0);
        return;
    }
    AnAusSchalten(true);
    pause = false;
    BitBtnabbrechen->setEnabled(true);
    lichtFarbe = FarbeAusFrequenz(frequenz);
    if (!laeuft)
        phase = 0;
    if (WellenModell())
        WellenZeigen();
    LinseZeichnen();
    Zeigen();
    Stopp = false;
    abbruch = false;
    if (!laeuft)  // a run still draining carries on with the light
        Simulation();
}

void GegenfeldFenster::Simulation()
{
    laeuft = true;
    Stopp = false;
    abbruch = false;
    lauf.AllesHeim();
    lauf.Anfangen();
    phase = 0;
    QElapsedTimer uhr;
    uhr.start();
    for (;;) {
        lauf.h = PlanckLiteratur;  // nature does not change with the pupil's value of h
        lauf.Schritt(an, !Stopp, intensitaet, frequenz, AbloeseEV(), TrackBarSpannung->Position() / 100.0, dt);
        if (!messgeraet.sichtbar() || messgeraet.wert() != lauf.ausschlag)
            Geaendert(messgeraet.Anzeige(Image1->canvas(), lauf.ausschlag));
        if (an && WellenModell()) {
            WellenVerbergen();
            phase = NaechstePhase();
            WellenZeigen();
        }
        Zeigen();
        Warte(std::uint32_t(std::max(0, Wartezeit(int(uhr.restart())))));
        uhr.restart();
        if (Stopp && an)
            LichtAus();
        if (abbruch || Stopp || ProgrammEndet)
            break;
        if (!an && lauf.elektronenImFlug == 0 && lauf.quantenImFlug == 0)
            break;
    }
    if (an)
        LichtAus();
    WellenVerbergen();
    lauf.AllesHeim();
    lauf.ausschlag = 0;
    Geaendert(messgeraet.Anzeige(Image1->canvas(), 0));
    Zeigen();
    BitBtnabbrechen->setEnabled(false);
    laeuft = false;
    Stopp = true;
    LaufEnde();
}

void GegenfeldFenster::BitBtnabbrechenClick()
{
    BitBtnabbrechen->setEnabled(false);
    Stopp = true;
}

void GegenfeldFenster::BitBtnZurueckClick()
{
    abbruch = true;
    Stopp = true;
    if (an)
        LichtAus();
    TafelVerbergen(Hinweis);
    WellenVerbergen();
    Zeigen();
    close();
}

void GegenfeldFenster::FormClose()
{
    Stopp = true;
    abbruch = true;
}

void GegenfeldFenster::FormActivate()
{
    // a run that was left is over: nothing is in flight, the light is off
    if (an)
        AnAusSchalten(false);
    BitBtnabbrechen->setEnabled(false);
    lauf.Anfangen();
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
        Geaendert(SchreibeSpannung(c, skizze, spannungGezeigtU_, Zeichengrund));
    U = TrackBarSpannung->Position() / 100.0;
    Geaendert(SchreibeSpannung(c, skizze, U, FarbeBeschriftung));
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
    frequenz = PanelLichtwahl->Frequenz;
    lichtFarbe = FarbeAusFrequenz(frequenz);
    // quanta in flight keep the pictures they are drawn with; new ones take the new colour
    QuantenBilden();
    if (an)
        LinseZeichnen();
    if (mitWellen)
        WellenZeigen();
    Zeigen();
}
