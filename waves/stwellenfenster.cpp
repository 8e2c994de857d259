#include "stwellenfenster.h"

#include "bausteine.h"
#include "bild.h"
#include "richtext.h"

#include <QApplication>

#include <algorithm>

using namespace StehendeWellen;

namespace {
QString Q(const char *s) { return QString::fromUtf8(s); }

Bild *ErzeugeBild(QWidget *eltern, const QRect &r)
{
    auto *b = new Bild(eltern);
    b->move(r.topLeft());
    b->setBildGroesse(r.width(), r.height());
    return b;
}
}  // namespace

TFormStWellen::TFormStWellen(QWidget *parent) : SimFenster(tr("Stehende Wellen"), parent)
{
    z_.grund = FarbeHintergrund;
    z_.formFarbe = FarbeHintergrund;
    layout_ = StehendeWellen::BerechneLayout(BildschirmBreite, BildschirmHoehe, ZurueckOben);
    const Layout &l = layout_;
    BilderFreigebbar();  // the pictures show the prepared string, drawn from the step and the controls

    ErzeugeTitel(tr("Stehende Wellen"), l.titel.left(), l.titel.top(), l.titel.width(), l.titel.height());
    ErzeugeDatum(Q("09.12.2026"));
    Image1 = ErzeugeBild(this, l.image1);
    Image2 = ErzeugeBild(this, l.image2);
    Image0 = ErzeugeBild(this, l.image0);
    ImageLambda = ErzeugeBild(this, l.imageLambda);  // above the upper picture where they overlap
    BildBeschreiben(Image0, tr("Seil mit den sich überlagernden Wellen"), [this] { return SeilBeschreibung(); });
    BildBeschreiben(Image1, tr("Erste der sich überlagernden Wellen"),
                    [this] { return KomponentenBeschreibung(true); });
    BildBeschreiben(Image2, tr("Zweite der sich überlagernden Wellen"),
                    [this] { return KomponentenBeschreibung(false); });
    BildBeschreiben(ImageLambda, tr("Markierung der gemeinsamen Wellenlänge"), [this] {
        return tr("Die Strecke neben „gemeinsame Wellenlänge“ ist eine Wellenlänge lang: %1\u00A0Pixel.")
            .arg(z_.w.lambda);
    });

    ErzeugeTextTafel();
    ErzeugeSpalte();

    PanelBeobachtButton = ErzeugePanel(this, l.beobachtButton);
    ErzeugeErgebnis(PanelBeobachtButton, tr("&Beobachtung"), QString(), [this] { SchreibeErgebnis(); });
    Setze(BitBtnErgebnis, 8, 6, l.beobachtButton.width() - 16, l.beobachtButton.height() - 12);
    BitBtnErgebnis->setEnabled(false);
    const int ergOben = l.image1.top(), ergHoehe = l.image2.bottom() + 1 - l.image1.top();
    Ergebnis.setzeGeometrie(l.image0.left(), ergOben, l.image0.width(), ergHoehe);
    Ergebnis.panel->setFarbe(FarbePanel);
    BitBtnZurueck->raise();

    schritt_ = 1;
    Aktualisieren(false);  // the check box keeps its first caption until the step changes
}

StWellenBild &TFormStWellen::Zeichner()
{
    if (!bild_)
        bild_ = std::make_unique<StWellenBild>(Image0->canvas(), Image1->canvas(), Image2->canvas(), z_);
    return *bild_;
}

void TFormStWellen::BilderZeichnen()
{
    ruhend_ = true;
    // the marker shows the wavelength of the opposed waves; the string of step 5 has its own
    StWellenBild::ImageLambdaVorbereiten(ImageLambda->canvas(), z_.w.lambda, z_.formFarbe);
    Zeichner().Image0Vorbereiten(true);
    Zeichner().Image1Vorbereiten(true);
    Zeichner().Image2Vorbereiten(true);
}

void TFormStWellen::ErzeugeTextTafel()
{
    const QRect &r = layout_.text;
    const int innen = r.width() - 16;
    PanelText = ErzeugePanel(this, r);
    PanelSchrittNr = new Panel(PanelText, Panel::Rand::Gesenkt);
    PanelSchrittNr->setFarbe(FarbeTitel);
    SetzeSchrift(PanelSchrittNr, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(PanelSchrittNr, 8, 6, innen, 28);
    RichEditText = new RichEdit(PanelText);
    RichEditText->setAccessibleName(tr("Erklärung des Schritts"));
    RichEditText->setHintergrund(FarbeTextGrund);
    Setze(RichEditText, 8, 40, innen, r.height() - 40 - 96);
    BitBtnWeiter = new BitBtn(tr("&nächster Schritt"), PanelText);
    BitBtnWeiter->setGlyph(GlyphBild(Glyphe::Start));
    Setze(BitBtnWeiter, 8, r.height() - 90, innen, 38);
    const int halb = (innen - 8) / 2;
    BitBtnSchrittZurueck = new BitBtn(tr("Schritt zur&ück"), PanelText);
    Setze(BitBtnSchrittZurueck, 8, r.height() - 46, halb, 38);
    BitBtnzurueckzurueck = new BitBtn(tr("zum B&eginn"), PanelText);
    Setze(BitBtnzurueckzurueck, 16 + halb, r.height() - 46, innen - halb - 8, 38);
    connect(BitBtnWeiter, &QPushButton::clicked, this, [this] { BitBtnWeiterClick(); });
    connect(BitBtnSchrittZurueck, &QPushButton::clicked, this, [this] { BitBtnSchrittZurueckClick(); });
    connect(BitBtnzurueckzurueck, &QPushButton::clicked, this, [this] { BitBtnzurueckzurueckClick(); });
}

void TFormStWellen::ErzeugeSpalte()
{
    const auto &sp = layout_.spalte;
    const int innen = layout_.spalteBreite - 16;
    auto gruppe = [&](const QRect &ort, const QString &titel, const QStringList &items, RadioGroup *&g) {
        Panel *p = ErzeugePanel(this, ort);
        g = new RadioGroup(titel, items, p);
        Setze(g, 8, 4, innen, ort.height() - 8);
        g->setItemIndex(0);
        RadioGruppeVerdichten(g);
        return p;
    };
    PanelBergTal = gruppe(sp[0], tr("&Von links kommt"), {tr("Wellenberg"), tr("Wellental")}, RadioGroupBergTal);
    PanelWZentren =
        gruppe(sp[1], tr("Zentren &schwingen"), {tr("gleich- (synchron)"), tr("gegenphasig")}, RadioGroupPhasen);
    PanelFestLose = gruppe(sp[1], tr("&Reflexion an"), {tr("festem Ende"), tr("losem Ende")}, RadioGroupFestLose);
    connect(RadioGroupBergTal, &RadioGroup::geklickt, this, [this] { RadioGroupBergTalClick(); });
    connect(RadioGroupPhasen, &RadioGroup::geklickt, this, [this] { Stoppen(); });
    connect(RadioGroupFestLose, &RadioGroup::geklickt, this, [this] { Stoppen(); });

    const bool eng = sp[2].height() < 84;  // 66 on small screens  // small screens: title and scale closer to the bar
    auto schieber = [&](const QRect &ort, const QString &titel, const QList<TrackBar::Marke> &skala, int min,
                        int max, int pos, TrackBar *&bar, UpDown *&ud) {
        Panel *p = ErzeugePanel(this, ort);
        Beschriftung(p, titel, 8, eng ? 2 : 4, innen);
        const Schieber s = ErzeugeSchieber(p, min, max, pos, QRect(8, eng ? 20 : 24, innen, 30), true,
                                           [this] { Stoppen(); });
        bar = s.bar;
        ud = s.updown;
        bar->setSkala(skala);
        SetzeSchrift(bar->skala(), QStringLiteral("Trebuchet MS"), 8, false);
        return p;
    };
    PanelWelle = schieber(sp[2], tr("Zeichne pro Schwingung"),
                          {{8, Q("8")}, {20, Q("20")}, {32, tr("32\u00a0" "Bilder")}}, 8, 32, 20, TrackBarSchwDauer,
                          UpDownSchwDauer);
    PanelAmplitude = schieber(sp[3], tr("Amplitude"), {{10, tr("klein")}, {50, tr("groß")}}, 10, 50, 50,
                              TrackBarAmplitude, UpDownAmplitude);
    // the wavelength is twice the bar's value
    PanelWellenLaenge = schieber(sp[4], tr("Wellenlänge"),
                                 {{30, Q("60")}, {60, Q("120")}, {90, Q("180")}, {120, tr("240\u00a0Pixel")}}, 30, 120,
                                 80, TrackBarWellenlaenge, UpDownWellenlaenge);
    PanelZBaeuche = schieber(sp[4], tr("Zahl der Bäuche"),
                             {{1, Q("1")}, {2, Q("2")}, {3, Q("3")}, {4, Q("4")}, {5, Q("5")}}, 1, 5, 4,
                             TrackBarZBaeuche, UpDownZBaeuche);
    TrackBarSchwDauer->setTickInterval(4);
    TrackBarZBaeuche->setTickInterval(1);

    PanelEinzelWellen = ErzeugePanel(this, sp[5]);
    CheckBoxEinzelWellen = new QCheckBox(tr("Zeige &die sich über-"), PanelEinzelWellen);
    Setze(CheckBoxEinzelWellen, 8, 4, innen, 22);
    LabelEinzelWellen = Beschriftung(PanelEinzelWellen, tr("lagernden Wellen"), 28, 24, innen - 20);
    connect(CheckBoxEinzelWellen, &QCheckBox::toggled, this, [this] { CheckBoxEinzelWellenClick(); });

    PanelSimulation = ErzeugePanel(this, sp[6]);
    const int h = sp[6].height();
    ErzeugeLaufsteuerung(PanelSimulation);
    const int knopf = (h - 60) / 2 - 4;
    Setze(PanelKontrolle, 8, 10, 24, 24);
    Setze(BitBtnLicht, 40, 6, innen - 32, knopf);
    Setze(BitBtnStop, 40, 10 + knopf, innen - 32, knopf);
    TrackBarPause = new TrackBar(Qt::Horizontal, PanelSimulation);
    TrackBarPause->setAccessibleName(tr("Tempo"));
    TrackBarPause->setBereich(0, 5, 4);
    TrackBarPause->setTickPosition(QSlider::TicksBelow);
    TrackBarPause->setTickInterval(1);
    Setze(TrackBarPause, 8, h - 34, innen, 28);
    TrackBarPause->setSkala({{0, tr("langsam")}, {5, tr("schnell")}}, true);
    TrackBarTempo = TrackBarPause;  // the frame reads the wait from it when the window opens
    Verzoegerung = StehendeWellen::VerzoegerungAusTempo(TrackBarPause->Position());
    connect(TrackBarPause, &QSlider::valueChanged, this, [this] { TrackBarPauseChange(); });
}

int TFormStWellen::VerzoegerungAusTempo(int position, int) const
{
    return StehendeWellen::VerzoegerungAusTempo(position);
}

void TFormStWellen::TrackBarPauseChange() { Verzoegerung = StehendeWellen::VerzoegerungAusTempo(TrackBarPause->Position()); }

void TFormStWellen::WerteLesen()
{
    z_.w = BerechneWerte(schritt_, Image0->bildGroesse().width() / 2, layout_.u, TrackBarAmplitude->Position(),
                         TrackBarSchwDauer->Position(), TrackBarWellenlaenge->Position());
    z_.festesEnde = RadioGroupFestLose->ItemIndex() == 0;
    z_.gegenphasig = RadioGroupPhasen->ItemIndex() == 1;
    z_.baeuche = TrackBarZBaeuche->Position();
    z_.komponenten = CheckBoxEinzelWellen->isChecked();
}

void TFormStWellen::Vorbereiten()
{
    WerteLesen();
    z_.wellenberg = RadioGroupBergTal->ItemIndex() == 0;
    if (BitBtnStop)
        BitBtnStop->setText(tr("&unterbrechen"));
    AnAusSchalten(false);
    ImageLambda->setVisible(schritt_ < 5);
    Image1->show();
    Image2->show();
    ruhend_ = true;
    if (BilderGezeichnet())
        BilderZeichnen();
}

void TFormStWellen::Stoppen()
{
    LaufStoppen();
    AnAusSchalten(false);
    Vorbereiten();
}

void TFormStWellen::Aktualisieren(bool boxBeschriften)
{
    const int s = schritt_;
    BitBtnWeiter->setVisible(s < 5);
    BitBtnSchrittZurueck->setVisible(s > 1);
    BitBtnzurueckzurueck->setVisible(s > 2);
    PanelWZentren->setVisible(s < 3);
    PanelFestLose->setVisible(s == 3 || s == 4);
    PanelBergTal->setVisible(s == 1 || s == 3);
    PanelWellenLaenge->setVisible(s < 5);
    PanelZBaeuche->setVisible(s == 5);
    PanelSchrittNr->setCaption(tr("Schritt %1 / 5").arg(s));
    Vorbereiten();
    SchreibeText();
    if (!boxBeschriften)
        return;
    LabelEinzelWellen->hide();
    // the captions run over three lines in the narrow column
    CheckBoxEinzelWellen->setText(s < 5 ? tr("zeige die sich über-\nlagernden Wellen\n&getrennt")
                                        : tr("zerle&ge die stehende\nWelle in zwei\n„laufende“"));
    CheckBoxEinzelWellen->setGeometry(8, 2, layout_.spalteBreite - 16, PanelEinzelWellen->height() - 4);
}

void TFormStWellen::BitBtnWeiterClick()
{
    LaufStoppen();
    schritt_ = std::min(5, schritt_ + 1);
    Aktualisieren();
}

void TFormStWellen::BitBtnSchrittZurueckClick()
{
    LaufStoppen();
    schritt_ = std::max(1, schritt_ - 1);
    Aktualisieren();
}

void TFormStWellen::BitBtnzurueckzurueckClick()
{
    LaufStoppen();
    schritt_ = 1;
    Aktualisieren();
}

void TFormStWellen::RadioGroupBergTalClick()
{
    if (an)
        return;  // read at the next start
    z_.wellenberg = RadioGroupBergTal->ItemIndex() == 0;
    if (BilderGezeichnet()) {
        Zeichner().Image1Vorbereiten(true);
        Zeichner().Image2Vorbereiten(true);
    }
}

void TFormStWellen::CheckBoxEinzelWellenClick()
{
    z_.komponenten = CheckBoxEinzelWellen->isChecked();
    Image1->show();
    Image2->show();
    if (BilderGezeichnet()) {
        Zeichner().Image1Vorbereiten(true);
        Zeichner().Image2Vorbereiten(true);
    }
}

void TFormStWellen::BitBtnLichtClick()
{
    // the picture stays as it is: the run starts from the prepared string
    AnAusSchalten(!an);
    pause = false;
    if (!an)
        LaufStoppen();
    else
        LaufStarten();
}

Ablauf TFormStWellen::Simulation()
{
    WerteLesen();
    z_.wellenberg = RadioGroupBergTal->ItemIndex() == 0;
    if (schritt_ == 5)
        co_await SimulationStehendeWellen();
    else
        co_await SimulationWellenGegeneinander();
}

void TFormStWellen::LaufBeendet()
{
    const bool beobachtung = BitBtnErgebnis->isEnabled();  // only the standing wave frees it
    SimFenster::LaufBeendet();
    BitBtnErgebnis->setEnabled(beobachtung);
    Vorbereiten();
}

Ablauf TFormStWellen::SimulationWellenGegeneinander()
{
    z_.g = AufbauGegenwellen(z_.w, !z_.wellenberg, z_.gegenphasig, z_.festesEnde);
    for (t_ = 0;; ++t_) {
        Zeichner().FrameGegenwellen(t_);
        ruhend_ = false;
        co_await Warte(std::uint32_t(Verzoegerung));
        if (Gestoppt())
            break;
        if (z_.g.einzelPuls && t_ >= z_.g.laenge)
            break;
    }
}

Ablauf TFormStWellen::SimulationStehendeWellen()
{
    for (t_ = 0;; ++t_) {
        Zeichner().FrameStehend(t_);
        ruhend_ = false;
        co_await Warte(std::uint32_t(Verzoegerung));
        if (Gestoppt())
            break;
    }
    BitBtnErgebnis->setEnabled(true);
}

// ---- screen readers -----------------------------------------------------------------------------

QString TFormStWellen::SeilBeschreibung() const
{
    const StehendeWellen::Werte &w = z_.w;
    const int s = w.schritt;
    const Beschriftungen t = KomponentenTexte(s, z_.wellenberg, z_.gegenphasig, z_.festesEnde);
    const QString ende = z_.festesEnde ? tr("zum festen Ende") : tr("zum losen Ende");
    QStringList saetze;
    switch (s) {
    case 1:
        saetze << tr("Ein %1 und ein %2 laufen aufeinander zu.").arg(t.oben, t.unten);
        break;
    case 2:
        saetze << tr("Von beiden Enden laufen fortlaufende Wellen aufeinander zu; die Enden schwingen %1.")
                      .arg(z_.gegenphasig ? tr("gegenphasig") : tr("gleichphasig"));
        break;
    case 3:
        saetze << tr("Ein %1 läuft %2 rechts; dort entsteht ein %3.").arg(t.oben, ende, t.unten);
        break;
    case 4:
        saetze << tr("Eine fortlaufende Welle läuft %1 rechts und wird dort reflektiert.").arg(ende);
        break;
    default:
        saetze << (z_.baeuche == 1 ? tr("Die Saite ist an beiden Enden eingespannt und schwingt mit einem Bauch "
                                        "und 2 Knoten, die Enden mitgezählt.")
                                   : tr("Die Saite ist an beiden Enden eingespannt und schwingt mit %1 Bäuchen und "
                                        "%2 Knoten, die Enden mitgezählt.")
                                         .arg(z_.baeuche)
                                         .arg(z_.baeuche + 1));
        saetze << tr("Von Knoten zu Knoten ist es eine halbe Wellenlänge.");
        break;
    }
    if (s < 5)
        saetze << tr("Wellenlänge %1\u00A0Pixel.").arg(w.lambda);

    if (ruhend_) {
        saetze << (s == 5 ? tr("Die Saite ist in Ruhe.") : tr("Das Seil ist in Ruhe."));
        return saetze.join(QLatin1Char(' '));
    }
    // each wave starts at its end and has come c·t far; a pulse is half a wavelength long
    const double front = w.c * t_;
    const double bisEnde = w.xR + w.X0;  // from the left end to the reflecting one (steps 3, 4)
    switch (s) {
    case 1:
        if (front < w.X0)
            saetze << tr("Die beiden haben sich noch nicht getroffen.");
        else if (front <= w.X0 + w.lambda / 2.0)
            saetze << tr("Sie überlagern sich gerade in der Mitte.");
        else
            saetze << tr("Sie sind durcheinander hindurchgelaufen.");
        break;
    case 2:
        if (front < w.X0)
            saetze << tr("Die Wellen haben sich noch nicht getroffen.");
        else if (front < 2.0 * w.X0)
            saetze << tr("Die Wellen überlagern sich im mittleren Teil des Seils.");
        else
            saetze << tr("Auf dem ganzen Seil schwingt eine stehende Welle.");
        break;
    case 3:
        if (front < bisEnde)
            saetze << tr("Die Reflexion am Ende steht noch bevor.");
        else if (front <= bisEnde + w.lambda / 2.0)
            saetze << tr("Am Ende wird gerade reflektiert.");
        else
            saetze << tr("Die Reflexion ist vorbei; der reflektierte Teil läuft nach links zurück.");
        break;
    case 4:
        if (front < bisEnde)
            saetze << tr("Die Welle hat das Ende noch nicht erreicht.");
        else if (front < 2.0 * bisEnde)
            saetze << tr("Ankommende und reflektierte Welle überlagern sich nahe dem Ende.");
        else
            saetze << tr("Ankommende und reflektierte Welle bilden auf dem ganzen Seil eine stehende Welle.")
                   << (z_.festesEnde ? tr("Am festen Ende liegt ein Knoten.") : tr("Am losen Ende liegt ein Bauch."));
        break;
    default:
        saetze << tr("Die Saite schwingt.");
        break;
    }
    return saetze.join(QLatin1Char(' '));
}

QString TFormStWellen::KomponentenBeschreibung(bool oben) const
{
    if (!z_.komponenten)
        return tr("Leer: Die sich überlagernden Wellen werden nicht getrennt gezeigt.");
    const Beschriftungen t = KomponentenTexte(z_.w.schritt, z_.wellenberg, z_.gegenphasig, z_.festesEnde);
    const QString text = tr("„%1“: diese Welle allein.").arg(oben ? t.oben : t.unten);
    return ruhend_ ? text + QLatin1Char(' ') + tr("Noch in Ruhe.") : text;
}

void TFormStWellen::SchreibeText()
{
    TextStil stil = StilText2();
    stil.groesse = SchriftNormal;
    stil.abschnittGroesse = SchriftNormal;
    stil.kapitelGroesse = SchriftNormal;
    stil.kapitelFarbe = FarbeTextMarke2;
    stil.hervorhebung2 = 0x800080;
    stil.ersterEinzug = 4;
    stil.rechterEinzug = 4;
    stil.abstandGroesse = 4;
    SchreibeMarkup(RichEditText, LadeText(QStringLiteral(":/texte/waves/stwellen_schritt%1.txt").arg(schritt_)), stil);
}

void TFormStWellen::SchreibeErgebnis()
{
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/waves/stwellen_ergebnis.txt")), StilErgebnis());
}
