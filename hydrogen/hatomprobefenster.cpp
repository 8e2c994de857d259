#include "hatomprobefenster.h"

#include "bild.h"
#include "richtext.h"
#include "wasserstoff.h"
#include "xorsprite.h"

#include <QLabel>
#include <QValidator>

#include <algorithm>

using namespace Wasserstoff;

namespace {

// Exactly one digit 1 to 9: deleting or pasting anything else is refused.
class EineZiffer : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &text, int &) const override
    {
        return text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('9') ? Acceptable : Invalid;
    }
};

QLabel *Text(QWidget *eltern, const QString &t, int x, int y, int breite = 270)
{
    auto *l = new QLabel(t, eltern);
    Setze(l, x, y, breite, 18);
    return l;
}

}  // namespace

TFormHAtomProbe3::TFormHAtomProbe3(QWidget *parent)
    : SimFenster(tr("  Prüfe Energiestufen im Wasserstoffatom"), parent)
{
    const int W = BildschirmBreite, H = BildschirmHoehe;
    const int spalteX = W - 297, breite = 289;
    ErzeugeTitel(tr("Prüfe: Energiestufen im Wasserstoffatom"), 8, 8, W - 297 - 16, 41);
    const QSize bild = ProbeBildGroesse(W, H);
    const int bildOben = 57, bw = bild.width(), bh = bild.height();
    Image1 = new ::Bild(this);
    Setze(Image1, 8, bildOben, bw, bh);
    Image1->setBildGroesse(bw, bh);
    g_.Vorbereiten(bw, bh);

    int y = 8;
    auto tafel = [&](Panel *&p, int hoehe) {
        p = new Panel(this);
        p->setFarbe(FarbePanel);
        Setze(p, spalteX, y, breite, hoehe);
        y += hoehe + 8;
    };
    tafel(PanelAtom, 74);
    Text(PanelAtom, tr("Ein Wasserstoffatom"), 8, 4);
    Text(PanelAtom, tr("befindet sich im Zustand"), 8, 26, 180);
    EditNrVorher = Ziffernfeld(PanelAtom, 190, 24, QStringLiteral("2"), true);
    UpDownNrVorher = new UpDown(PanelAtom);
    UpDownNrVorher->setBereich(1, 9, 2);
    Setze(UpDownNrVorher, 222, 24, 18, 24);
    EditNrVorher->setAccessibleName(tr("Zustand, in dem sich das Atom befindet (höchstens 9)"));
    Text(PanelAtom, tr("(max. 9)"), 190, 50, 90);

    tafel(PanelSpring, 128);
    Text(PanelSpring, tr(" ENTWEDER:"), 8, 4);
    Text(PanelSpring, tr("Es soll in Zustand "), 8, 26, 124);
    EditNrNachher = Ziffernfeld(PanelSpring, 132, 24, QStringLiteral("1"), true);
    UpDownNrNachher = new UpDown(PanelSpring);
    UpDownNrNachher->setBereich(1, 4, 1);
    Setze(UpDownNrNachher, 164, 24, 18, 24);
    EditNrNachher->setAccessibleName(tr("Entweder: Zustand, in den es unter Abgabe eines Photons springen soll"));
    Text(PanelSpring, tr("springen und"), 188, 26, 96);
    auto *l = Text(PanelSpring, tr("dabei Energie in Form eines Photons abgeben."), 8, 50);
    l->setWordWrap(true);
    Setze(l, 8, 50, breite - 16, 36);
    BitBtnEmittiere = new BitBtn(tr("&emittiere!"), PanelSpring);
    SetzeSchrift(BitBtnEmittiere, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(BitBtnEmittiere, 60, 90, breite - 120, 30);

    tafel(PanelAbsorbe, 128);
    Text(PanelAbsorbe, tr("     ODER:"), 8, 4);
    Text(PanelAbsorbe, tr("Es soll ein Photon der"), 8, 26);
    EditLinie = Ziffernfeld(PanelAbsorbe, 8, 48, QStringLiteral("1"), false);
    UpDownLinie = new UpDown(PanelAbsorbe);
    UpDownLinie->setBereich(1, 9, 1);
    Setze(UpDownLinie, 40, 48, 18, 24);
    Text(PanelAbsorbe, tr(". Linie der"), 62, 50, 80);
    ComboBoxSerie = new QComboBox(PanelAbsorbe);
    for (int n = 1; n <= 4; ++n)
        ComboBoxSerie->addItem(SerienVorsilbe(n));
    Setze(ComboBoxSerie, 140, 47, 100, 26);
    EditLinie->setAccessibleName(tr("Oder: Nummer der Linie, deren Photon es absorbieren soll (höchstens 4)"));
    ComboBoxSerie->setAccessibleName(tr("Serie der Linie, deren Photon es absorbieren soll"));
    Text(PanelAbsorbe, tr("-Serie absorbieren."), 8, 76, 150);
    Text(PanelAbsorbe, tr("(max. 4)"), 170, 76, 90);
    BitBtnAbsorbiere = new BitBtn(tr("&absorbiere!"), PanelAbsorbe);
    SetzeSchrift(BitBtnAbsorbiere, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(BitBtnAbsorbiere, 60, 94, breite - 120, 30);

    tafel(PanelErgebnis, 44);
    ErzeugeHinweis(PanelErgebnis, tr("&Info"), QString(), [this] { SchreibeHinweiseSelbst(); });
    BitBtnInfo = BitBtnHinweis;
    Setze(BitBtnInfo, 8, 6, breite - 16, 32);
    const int hb = std::min(W - 297 - 32, 705), ho = bildOben + 16, hh = bh - 32;
    Hinweis.setzeGeometrie(8 + (W - 297 - 8 - hb) / 2, ho, hb, hh);
    Setze(Hinweis.edit, 8, 8, hb - 16, hh - 48);
    Hinweis.loeschen->setText(tr("l&öschen"));
    Setze(Hinweis.loeschen, hb - 8 - 105, hh - 32, 105, 25);
    Hinweis.panel->setFarbe(FarbePanel);

    tafel(PanelSGrenzen, 34);
    CheckBoxGrenzen = new QCheckBox(tr("&markiere die Seriengrenzen"), PanelSGrenzen);
    Setze(CheckBoxGrenzen, 8, 6, breite - 16, 22);

    tafel(PanelAnimation, 96);
    Text(PanelAnimation, tr("Animation"), 8, 2, 120);
    TrackBarTempo = new TrackBar(Qt::Horizontal, PanelAnimation);
    TrackBarTempo->setBereich(1, 4, 2);
    TrackBarTempo->setTickPosition(QSlider::TicksBelow);
    Setze(TrackBarTempo, 8, 38, 220, 26);
    TrackBarTempo->setAccessibleName(tr("Tempo der Animation"));
    TrackBarTempo->setSkala({{1, tr("langsam")}, {4, tr("schnell")}}, true);
    SetzeSchrift(TrackBarTempo->skala(), QStringLiteral("Trebuchet MS"), 8, true);
    UpDownTempo = new UpDown(PanelAnimation);
    UpDownTempo->setBereich(1, 4, 2);
    Setze(UpDownTempo, 232, 38, 18, 26);
    BitBtnBreak = new BitBtn(tr("&warte"), PanelAnimation);
    BitBtnBreak->setGlyph(GlyphBild(Glyphe::Pause));
    BitBtnBreak->setEnabled(false);
    Setze(BitBtnBreak, 8, 66, breite - 16, 26);
    // below 768 px the column may reach the back button: it then stands beside the column
    if (y > ZurueckOben)
        Setze(BitBtnZurueck, ZurueckLinks, std::max(y, H - ZurueckHoehe - 8) - 8, ZurueckBreite, ZurueckHoehe);
    Hinweis.panel->raise();
    BitBtnZurueck->raise();

    connect(UpDownNrVorher, &UpDown::geklickt, this, [this] { EditNrVorher->setText(QString::number(UpDownNrVorher->Position())); });
    connect(UpDownNrNachher, &UpDown::geklickt, this, [this] { EditNrNachher->setText(QString::number(UpDownNrNachher->Position())); });
    connect(UpDownLinie, &UpDown::geklickt, this, [this] { EditLinie->setText(QString::number(UpDownLinie->Position())); });
    connect(EditNrVorher, &QLineEdit::textChanged, this, [this] { Zahlgeaendert(EditNrVorher, UpDownNrVorher); });
    connect(EditNrNachher, &QLineEdit::textChanged, this, [this] { Zahlgeaendert(EditNrNachher, UpDownNrNachher); });
    connect(EditLinie, &QLineEdit::textChanged, this, [this] {
        Zahlgeaendert(EditLinie, UpDownLinie);
        const int k = EditLinie->text().toInt();
        if (!fliegt_ && Stufe() + k > ProbeZielGrenze)
            Meldung(this, MeldungsTyp::Information, EntscheidText(Entscheid::ZuHoch, 0));
        ZeichneAlles();
    });
    connect(ComboBoxSerie, &QComboBox::currentIndexChanged, this, [this] { ZeichneAlles(); });
    connect(CheckBoxGrenzen, &QCheckBox::toggled, this, [this] { ZeichneAlles(); });
    connect(TrackBarTempo, &QSlider::valueChanged, this, [this] { UpDownTempo->setPosition(TrackBarTempo->Position()); });
    connect(UpDownTempo, &UpDown::geklickt, this, [this] { TrackBarTempo->setPosition(UpDownTempo->Position()); });
    connect(BitBtnEmittiere, &QPushButton::clicked, this, [this] { BitBtnEmittiereClick(); });
    connect(BitBtnAbsorbiere, &QPushButton::clicked, this, [this] { BitBtnAbsorbiereClick(); });
    connect(BitBtnBreak, &QPushButton::clicked, this, [this] { BitBtnBreakClick(); });

    BildBeschreiben(Image1, tr("Energiestufen des Wasserstoffatoms mit den Serien"), [this] { return BildBeschreibung(); });
    BilderFreigebbar();  // at rest the picture shows the level and the limits alone; a flight ends on hide
}

Edit *TFormHAtomProbe3::Ziffernfeld(QWidget *eltern, int x, int y, const QString &text, bool piepsen)
{
    auto *e = new Edit(eltern);
    e->setText(text);
    e->setValidator(new EineZiffer(e));
    e->setAlignment(Qt::AlignCenter);
    Setze(e, x, y, 30, 24);
    e->tastenFilter = [e, piepsen](QChar &taste) {
        if (taste >= QLatin1Char('1') && taste <= QLatin1Char('9')) {
            if (e->text() != QString(taste))
                e->setText(QString(taste));  // a digit replaces the whole text
        } else if (piepsen) {
            Piepsen();
        }
        taste = QChar();
    };
    return e;
}

void TFormHAtomProbe3::Zahlgeaendert(Edit *e, UpDown *u)
{
    const int wert = e->text().toInt();
    if (wert >= u->Min() && wert <= u->Max())
        u->setPosition(wert);
    if (e != EditLinie)
        ZeichneAlles();
}

int TFormHAtomProbe3::Stufe() const { return std::clamp(EditNrVorher->text().toInt(), 1, ProbeStufen); }

void TFormHAtomProbe3::FormActivate()
{
    pause = false;
    BitBtnBreak->setEnabled(false);
    BitBtnBreak->setText(tr("&warte"));
}

void TFormHAtomProbe3::BilderZeichnen()
{
    if (elektron_.isNull())
        elektron_ = ElektronBild();
    ProbeBild(Image1->canvas(), g_).ZeichneAlles(Stufe(), CheckBoxGrenzen->isChecked(), elektron_);
}

void TFormHAtomProbe3::ZeichneAlles()
{
    if (BilderGezeichnet() && !fliegt_)  // else drawn when shown, or at the flight's end
        BilderZeichnen();
}

void TFormHAtomProbe3::AtomZeigen(int stufe)
{
    if (!BilderGezeichnet())
        return;  // a flight stopped by hiding draws nothing more
    ProbeBild(Image1->canvas(), g_).ZeichneHAtom(stufe, CheckBoxGrenzen->isChecked(), elektron_);
}

void TFormHAtomProbe3::BitBtnBreakClick()
{
    if (LaufAktiv())
        SimFenster::BitBtnStopClick();  // the flight holds in its waits while paused
    else
        pause = !pause;
    BitBtnBreak->setText(pause ? tr("&weiter") : tr("&warte"));
}

void TFormHAtomProbe3::Ablehnen(Entscheid e, int stufe)
{
    Piepsen();
    const MeldungsTyp typ = e == Entscheid::MussAufnehmen || e == Entscheid::FalscheSerie || e == Entscheid::ZuHoch
                                ? MeldungsTyp::Warnung
                                : MeldungsTyp::Information;
    Meldung(this, typ, EntscheidText(e, stufe), MeldungsKnopf::Wiederholen);
}

void TFormHAtomProbe3::BitBtnEmittiereClick()
{
    if (LaufAktiv())
        return;
    const int n = Stufe(), t = std::clamp(EditNrNachher->text().toInt(), 1, 9);
    const Entscheid e = EmissionPruefen(n, t);
    if (e != Entscheid::Flug)
        return Ablehnen(e, t);
    LaufStarten([this, n, t] { return Flug(t, n, true, t); });
}

void TFormHAtomProbe3::BitBtnAbsorbiereClick()
{
    if (LaufAktiv())
        return;
    const int n = Stufe(), s = ComboBoxSerie->currentIndex() + 1, k = std::clamp(EditLinie->text().toInt(), 1, 9);
    const Entscheid e = AbsorptionPruefen(n, s, k);
    if (e == Entscheid::Flug) {
        LaufStarten([this, n, k] { return Flug(n, n + k, false, n + k); });
        return;
    }
    Ablehnen(e, n);
    if (n + k > ProbeZielGrenze) {  // no level to go to, whatever the series: start again from 1
        fliegt_ = true;  // no second message while the edits are set back
        EditNrVorher->setText(QStringLiteral("1"));
        UpDownNrVorher->setPosition(1);
        EditLinie->setText(QStringLiteral("1"));
        UpDownLinie->setPosition(1);
        fliegt_ = false;
        ZeichneAlles();
    }
}

Ablauf TFormHAtomProbe3::Flug(int a, int b, bool emission, int danach)
{
    co_await QuantUnterwegs(a, b, emission);
    EditNrVorher->setText(QString::number(danach));
    ZeichneAlles();
}

Ablauf TFormHAtomProbe3::Blinke(int von, int nach, int mal, int d)
{
    for (int i = 0; i < mal && !Gestoppt(); ++i) {
        AtomZeigen(von);
        ++Blinken;
        co_await Warte(std::uint32_t(std::max(0, d)));
        if (Gestoppt())
            break;
        AtomZeigen(nach);
        ++Blinken;
        co_await Warte(std::uint32_t(std::max(0, d)));
    }
    AtomZeigen(nach);
}

Ablauf TFormHAtomProbe3::QuantUnterwegs(int a, int b, bool emission)
{
    fliegt_ = true;
    sprung_ = Sprung{a, b, emission};
    BitBtnBreak->setEnabled(true);
    BitBtnEmittiere->setEnabled(false);
    BitBtnAbsorbiere->setEnabled(false);
    const int T = TrackBarTempo->Position();
    const bool animiert = T < 4;
    const int m = animiert ? 8 * (4 - T) : 1, d = 32 * (4 - T);
    Blinken = 0;
    BilderBereitstellen();  // the flight draws on the picture
    if (emission)
        co_await Blinke(b, a, m, d);

    const int R = PhotonRadius(g_, a, b);
    const TColor farbe = PhotonFarbe(a, b);
    XorSprite photon;  // the second drawing at the same place erases
    photon.bild = PhotonBild(R, farbe);
    const double y = g_.y0 - (g_.g[a] + g_.g[b]) / 2.0;
    const double start = emission ? g_.x0 / 2.0 : double(g_.w + R);
    const double ende = emission ? double(g_.w + R) : std::max(1.0, g_.x0 / 2.0);
    const double schritt = emission ? 4.0 * T : -4.0 * T;
    Photon = PhotonSpur{start, Runde(y), farbe, 0, emission};

    if (!Gestoppt()) {  // a flight stopped by hiding draws nothing more
        Canvas &c = Image1->canvas();
        ProbeBild(c, g_).ZeichneSeriePhoton(a, b);
        double x = start;
        photon.zeigen(c, QPoint(Runde(x), Runde(y)));
        while (!Gestoppt()) {
            x = animiert ? x + schritt : ende;
            if (emission ? x >= ende : x <= ende)
                x = ende;
            photon.zeigen(c, QPoint(Runde(x), Runde(y)));  // erases it at its last place first
            Photon.x = x;
            ++Photon.schritte;
            if (x == ende)
                break;
            co_await Warte(std::uint32_t(8 * (4 - T)));
        }
        if (BilderGezeichnet())
            photon.verbergen(c);  // absorbed, or gone out of the picture
    }

    if (!emission && !Gestoppt())
        co_await Blinke(a, b, std::max(1, m - 10), d);
    BitBtnBreak->setEnabled(false);
    BitBtnBreak->setText(tr("&warte"));
    BitBtnEmittiere->setEnabled(true);
    BitBtnAbsorbiere->setEnabled(true);
    pause = false;
    fliegt_ = false;
    sprung_ = Sprung();
}

QString TFormHAtomProbe3::BildBeschreibung() const
{
    QString text = tr("Lyman-, Balmer-, Paschen- und Brackett-Serie als Säulen, jede auf der Stufe, auf der sie "
                      "endet; links das Energieschema mit den Stufen 1 bis %1.")
                       .arg(ProbeStufen);
    const auto [a, b, emission] = sprung_;
    if (a > 0) {
        // the photon of the jump: line b − a of the series that ends on level a
        const QString energie = EnergieText(double(Bindungsenergie(a)) - Bindungsenergie(b));
        text += emission ? tr(" Das Atom springt von Stufe %1 auf Stufe %2 und sendet dabei ein Photon von %3 eV "
                              "(%4 THz) aus, die %5. Linie der %6.")
                               .arg(b)
                               .arg(a)
                               .arg(energie)
                               .arg(PhotonFrequenz(a, b))
                               .arg(b - a)
                               .arg(SerienName(a))
                         : tr(" Das Atom absorbiert ein Photon von %3 eV (%4 THz), die %5. Linie der %6, und springt "
                              "dabei von Stufe %1 auf Stufe %2.")
                               .arg(a)
                               .arg(b)
                               .arg(energie)
                               .arg(PhotonFrequenz(a, b))
                               .arg(b - a)
                               .arg(SerienName(a));
    } else {
        const int n = Stufe();
        text += tr(" Das Elektron ist auf Stufe %1 (%2 eV über dem Grundzustand).").arg(n).arg(EnergieText(Anregungsenergie(n)));
    }
    if (CheckBoxGrenzen->isChecked())
        text += tr(" Die Seriengrenzen und die Ionisierungsgrenze sind markiert.");
    return text;
}

void TFormHAtomProbe3::SchreibeHinweiseSelbst()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    stil.abstandGroesse = 8;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/hydrogen/hatomprobe_hinweis.txt")), stil);
}
