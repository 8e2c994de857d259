#include "hatomfenster.h"

#include "bild.h"
#include "richtext.h"
#include "wasserstoff.h"

#include <QLabel>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using namespace Wasserstoff;

TFormHAtom3::TFormHAtom3(QWidget *parent) : SimFenster(tr("  Energiestufen im Wasserstoffatom"), parent)
{
    const int W = BildschirmBreite, H = BildschirmHoehe;
    const int spalteX = W - 297, breite = 289;
    ErzeugeTitel(tr("Energiestufen im Wasserstoffatom"), 8, 8, W - 297 - 16, 41);
    const int bildOben = 8 + 41 + 8;
    Image1 = new ::Bild(this);
    const int bw = W - 297 - 16, bh = std::max(200, H - 24 - bildOben);
    Setze(Image1, 8, bildOben, bw, bh);
    Image1->setBildGroesse(bw, bh);
    g_.Vorbereiten(bw, bh);

    auto tafel = [this] {
        auto *p = new Panel(this);
        p->setFarbe(FarbePanel);
        return p;
    };
    // lines, tempo, limits
    PanelSerien = tafel();
    Setze(PanelSerien, spalteX, 8, breite, 176);
    auto *l1 = new QLabel(tr("Zeichne bis zu"), PanelSerien);
    Setze(l1, 8, 4, l1->sizeHint().width(), 18);
    // the scale goes on the label's line: its first number right after the label
    const int linienLinks = std::max(80, l1->x() + l1->width() + 2);
    TrackBarLinien = new TrackBar(Qt::Horizontal, PanelSerien);
    TrackBarLinien->setAccessibleName(tr("Zeichne bis zu … Linien"));
    TrackBarLinien->setBereich(6, 12, 8);
    TrackBarLinien->setTickPosition(QSlider::TicksBelow);
    Setze(TrackBarLinien, linienLinks, 24, breite - 16 - linienLinks, 26);
    TrackBarLinien->setSkala({{6, QStringLiteral("6")},
                              {8, QStringLiteral("8")},
                              {10, QStringLiteral("10")},
                              {12, tr("12\u00a0Linien")}},
                             true);
    TrackBarTempo = new TrackBar(Qt::Horizontal, PanelSerien);
    TrackBarTempo->setAccessibleName(tr("Tempo"));
    TrackBarTempo->setBereich(1, 4, 3);
    TrackBarTempo->setTickPosition(QSlider::TicksBelow);
    Setze(TrackBarTempo, 8, 78, breite - 16, 26);
    TrackBarTempo->setSkala({{1, tr("langsam")}, {4, tr("schnell")}}, true);
    CheckBoxGrenzen = new QCheckBox(tr("&Markiere die Seriengrenzen"), PanelSerien);
    Setze(CheckBoxGrenzen, 8, 118, breite - 16, 22);

    // step panel
    const int textOben = 8 + 176 + 8;
    const int textHoehe = std::max(200, ZurueckOben - 8 - textOben);
    PanelText = tafel();
    Setze(PanelText, spalteX, textOben, breite, textHoehe);
    PanelSchritt2 = new Panel(PanelText, Panel::Rand::Gesenkt);
    PanelSchritt2->setFarbe(FarbeTextGrund);
    Setze(PanelSchritt2, 8, 6, breite - 16, 24);
    RichEditText = new RichEdit(PanelText);
    RichEditText->setAccessibleName(tr("Erklärung des Schritts"));
    Setze(RichEditText, 8, 36, breite - 16, textHoehe - 36 - 8 - 3 * 30);
    const int kn = textHoehe - 8 - 3 * 30 + 4;
    BitBtnWeiter = new BitBtn(tr("&nächster Schritt"), PanelText);
    BitBtnWeiter->setGlyph(GlyphBild(Glyphe::Start));
    Setze(BitBtnWeiter, 8, kn, breite - 16, 26);
    BitBtnSchrittZurueck = new BitBtn(tr("&Schritt zurück"), PanelText);
    Setze(BitBtnSchrittZurueck, 8, kn + 30, breite - 16, 26);
    BitBtnzurueckzurueck = new BitBtn(tr("zum &Beginn"), PanelText);
    Setze(BitBtnzurueckzurueck, 8, kn + 60, breite - 16, 26);

    PanelErgebnis = tafel();
    // beside the back button, below the step panel
    Setze(PanelErgebnis, spalteX, std::max(ZurueckOben, textOben + textHoehe + 8), ZurueckLinks - spalteX - 8, ZurueckHoehe);
    ErzeugeHinweis(PanelErgebnis, tr("&Hinweise"), QString(), [this] { SchreibeHinweiseSelbst(); });
    Setze(BitBtnHinweis, 6, (ZurueckHoehe - 40) / 2, PanelErgebnis->width() - 12, 40);
    const int hb = bw > 800 ? 800 : bw - 16, hh = bh * 2 / 3;
    Hinweis.setzeGeometrie(8 + (bw - hb) / 2, bildOben + (bh - hh) / 2, hb, hh);
    Setze(Hinweis.edit, 8, 8, hb - 16, hh - 48);
    Hinweis.loeschen->setText(tr("l&öschen"));
    Setze(Hinweis.loeschen, hb - 8 - 105, hh - 32, 105, 25);
    Hinweis.panel->setFarbe(FarbePanel);
    Hinweis.panel->raise();
    BitBtnZurueck->raise();

    // step texts: one resource file, sections headed "@@ n"
    const QString alle = LadeText(QStringLiteral(":/texte/hydrogen/hatom_schritte.txt"));
    schrittTexte_ = alle.split(QRegularExpression(QStringLiteral("^@@ \\d+\\s*$"), QRegularExpression::MultilineOption));
    if (!schrittTexte_.isEmpty())
        schrittTexte_.removeFirst();

    connect(BitBtnWeiter, &QPushButton::clicked, this, [this] { BitBtnWeiterClick(); });
    connect(BitBtnSchrittZurueck, &QPushButton::clicked, this, [this] { BitBtnSchrittZurueckClick(); });
    connect(BitBtnzurueckzurueck, &QPushButton::clicked, this, [this] { BitBtnzurueckzurueckClick(); });
    connect(TrackBarTempo, &QSlider::valueChanged, this, [this] { Animation = TrackBarTempo->Position() < 4; });
    connect(TrackBarLinien, &QSlider::valueChanged, this, [this] {
        if (LaufAktiv()) {  // a step is animating: it ends at once and is then drawn again
            LaufStoppen();
            nachholen_ = nachholen_ || Schritt <= 6;
        } else if (Schritt <= 6) {
            Zeichne(Schritt);
        }
    });
    connect(CheckBoxGrenzen, &QCheckBox::toggled, this, [this] {
        if (!LaufAktiv())
            Neuzeichnen();
    });

    Animation = TrackBarTempo->Position() < 4;
    Schritt = 1;
    Aktualisieren();
    BildBeschreiben(Image1, tr("Energiestufen des Wasserstoffatoms"), [this] { return BildBeschreibung(); });
    BilderFreigebbar();  // every step ends with the picture of its scene, drawn anew on every show
}

void TFormHAtom3::FormActivate() { Animation = TrackBarTempo->Position() < 4; }

bool TFormHAtom3::animiert() const { return Animation && !SchnellDurchlauf && !Gestoppt(); }

Ablauf TFormHAtom3::Verweilen(double ms)
{
    if (!animiert())
        co_return;
    ++Warteschritte;
    co_await Warte(std::uint32_t(std::max(0.0, ms)));
}

void TFormHAtom3::BilderZeichnen() { Neuzeichnen(); }

void TFormHAtom3::Neuzeichnen()
{
    if (!BilderGezeichnet())
        return;  // the scene is drawn when shown
    HAtomBild b(Image1->canvas(), g_);
    if (Schritt == 1)
        b.ZeigeSerienHorizontal(TrackBarLinien->Position(), CheckBoxGrenzen->isChecked());
    else
        b.ZeichneSzene(s_, TrackBarLinien->Position(), CheckBoxGrenzen->isChecked());
}

void TFormHAtom3::Knoepfe(bool frei)
{
    for (BitBtn *b : {BitBtnWeiter, BitBtnSchrittZurueck, BitBtnzurueckzurueck})
        b->setEnabled(frei);
}

Ablauf TFormHAtom3::Bewegen(int frames, double ms, bool profil, std::function<void(double)> setze)
{
    frames = std::max(1, frames);
    if (animiert())
        for (int f = 1; f < frames; ++f) {
            const double x = double(f) / frames;
            setze(profil ? SanftesProfil(x) : SanfterUebergang(x));
            Neuzeichnen();
            co_await Verweilen(ms);
            if (Gestoppt())
                break;
        }
    setze(1.0);  // the end of the movement, also when stopped
    Neuzeichnen();
}

Ablauf TFormHAtom3::Seitwaerts(int n, double ms)
{
    const int C = g_.C;
    const double atomVon = s_.atomX, serieVon = s_.serieX[n];
    const double serieNach = (n - 1) * C - (2 * C - 16);
    co_await Bewegen(Runde(double(C) / TrackBarTempo->Position()), ms, true, [&](double p) {
        s_.atomX = atomVon + C * p;
        s_.serieX[n] = serieVon + (serieNach - serieVon) * p;
    });
}

Ablauf TFormHAtom3::Heben(int n, int teiler, double ms)
{
    const double ziel = g_.hoehe[0] - g_.hoehe[n];
    co_await Bewegen(Runde(ziel / TrackBarTempo->Position() / teiler), ms, false,
            [&](double p) { s_.serieY[n] = ziel * p; });
}

Ablauf TFormHAtom3::Uebergaenge(int a)
{
    const int L = TrackBarLinien->Position();
    const int anzahl = std::max(0, std::min(9, L) - a);
    s_.stufenBis = std::max(s_.stufenBis, std::min(9, L));
    s_.balken[a] = std::max(s_.balken[a], anzahl);
    for (int i = 0; i < anzahl; ++i) {
        for (auto &u : s_.uebergaenge)
            u.markiert = false;
        s_.uebergaenge.append({a, a + i, true});
        s_.balkenMarke[a] = i;
        s_.hervor = a + i + 1;
        if (animiert()) {
            Neuzeichnen();
            co_await Verweilen(500.0 / (i + 1) + 200);
        }
    }
    for (auto &u : s_.uebergaenge)
        u.markiert = false;
    s_.balkenMarke[a] = -1;
    s_.hervor = 0;
    Neuzeichnen();
}

void TFormHAtom3::Startszene()
{
    s_ = HAtomSzene();
    for (int n = 1; n <= 4; ++n)
        s_.serieX[n] = (n - 1) * g_.C;
    s_.atomX = (g_.C - 16) - g_.D - g_.C;
}

void TFormHAtom3::Zeichne(int schritt)
{
    // A step that does not wait (drawn at once, or replayed fast) runs to its end right here;
    // while a step is animating, that one ends at its next check and this one follows.
    LaufStarten([this, schritt] { return SchrittZeichnen(schritt); });
}

Ablauf TFormHAtom3::SchrittZeichnen(int schritt)
{
    const int T = TrackBarTempo->Position();
    const int L = TrackBarLinien->Position();
    const int C = g_.C;
    switch (schritt) {
    case 1:
        Neuzeichnen();
        break;
    case 2:
        Startszene();
        Neuzeichnen();
        break;
    case 3:
        Knoepfe(false);
        for (int n = 1; n <= 4; ++n) {
            const int anzahl = std::max(0, std::min(9, L) - n);
            for (int i = 0; i < anzahl; ++i) {
                s_.balken[n] = i + 1;
                s_.balkenMarke[n] = i;
                if (animiert()) {
                    Neuzeichnen();
                    co_await Verweilen((400.0 / T + 100) / n);
                }
            }
            s_.balkenMarke[n] = -1;
            Neuzeichnen();
            co_await Verweilen((800.0 / T + 200) / n);
        }
        break;
    case 4:
        s_.atom = true;
        s_.atomX = (C - 16) - g_.D - C;
        s_.stufenBis = 1;
        s_.hervor = 1;
        Neuzeichnen();
        break;
    case 5:
        s_.stufenBis = 2;
        s_.hervor = 2;
        s_.balkenMarke[1] = 0;
        s_.uebergaenge = {{1, 1, true}};
        Neuzeichnen();
        break;
    case 6:
        Knoepfe(false);
        s_.ionisation = true;
        for (int i = 2; i <= L; ++i) {
            s_.stufenBis = i + 1;
            s_.hervor = i + 1;
            s_.balken[1] = std::max(s_.balken[1], i);
            s_.balkenMarke[1] = i - 1;
            s_.uebergaenge.clear();
            for (int j = 1; j <= i; ++j)
                s_.uebergaenge.append({1, j, j == i});
            if (animiert()) {
                Neuzeichnen();
                co_await Verweilen(500.0 / i + 200);
            }
        }
        s_.balkenMarke[1] = -1;
        s_.hervor = 0;
        for (auto &u : s_.uebergaenge)
            u.markiert = false;
        Neuzeichnen();
        break;
    case 7:
        Knoepfe(false);
        s_.energieAchse = false;
        co_await Seitwaerts(1, 50.0 / T);
        break;
    case 8:
        Knoepfe(false);
        co_await Heben(2, 4, 50.0 / T);
        co_await Uebergaenge(2);
        break;
    case 9:
        Knoepfe(false);
        co_await Seitwaerts(2, 45.0 / T);
        co_await Heben(3, 5, 45.0 / T);
        co_await Uebergaenge(3);
        break;
    case 10:
        Knoepfe(false);
        co_await Seitwaerts(3, 40.0 / T);
        co_await Heben(4, 6, 40.0 / T);
        co_await Uebergaenge(4);
        break;
    case 11:
        Knoepfe(false);
        co_await Seitwaerts(4, 35.0 / T);
        break;
    case 12:
        s_.formel = true;
        Neuzeichnen();
        break;
    }
    Knoepfe(true);
    if (nachholen_ && isVisible()) {  // the lines bar moved during the step
        nachholen_ = false;
        Neuzeichnen();
    }
    nachholen_ = false;
}

void TFormHAtom3::Aktualisieren()
{
    PanelSchritt2->setCaption(tr("Schritt %1 / 12").arg(Schritt));
    TafelVerbergen(Hinweis);
    BitBtnWeiter->setVisible(Schritt < 12);
    BitBtnSchrittZurueck->setVisible(Schritt >= 2);
    BitBtnzurueckzurueck->setVisible(Schritt >= 3);
    SchreibeText();
}

void TFormHAtom3::BitBtnWeiterClick()
{
    if (LaufAktiv() || Schritt >= 12)
        return;
    SchnellDurchlauf = false;
    ++Schritt;
    Aktualisieren();
    Zeichne(Schritt);
}

void TFormHAtom3::BitBtnSchrittZurueckClick()
{
    if (LaufAktiv() || Schritt <= 1)
        return;
    SchnellDurchlauf = true;
    --Schritt;
    if (Schritt == 1)
        Zeichne(1);
    else
        for (int s = 2; s <= Schritt; ++s)
            Zeichne(s);
    SchnellDurchlauf = false;
    Aktualisieren();
}

void TFormHAtom3::BitBtnzurueckzurueckClick()
{
    if (LaufAktiv())
        return;
    Schritt = 1;
    Zeichne(1);
    Aktualisieren();
}

void TFormHAtom3::SchreibeText()
{
    TextStil stil = StilText2();
    stil.groesse = SchriftNormal;
    stil.abschnittGroesse = SchriftNormal;
    stil.abstandGroesse = 4;
    stil.hervorhebung1Fett = true;
    const QString text = Schritt - 1 < schrittTexte_.size() ? schrittTexte_[Schritt - 1].trimmed() : QString();
    SchreibeMarkup(RichEditText, text, stil);
}

QString TFormHAtom3::BildBeschreibung() const
{
    const auto eV = [](int von, int bis) { return EnergieText(double(Bindungsenergie(von)) - Bindungsenergie(bis)); };
    QString text = tr("Schritt %1 von 12: ").arg(Schritt);
    if (Schritt == 1) {
        text += tr("Lyman-, Balmer-, Paschen- und Brackett-Serie mit je %1 Linien waagerecht über der Frequenz, "
                   "darunter die Skalen für Frequenz in THz, Photonenenergie in eV und Wellenlänge in nm.")
                    .arg(TrackBarLinien->Position());
        if (CheckBoxGrenzen->isChecked())
            text += tr(" Die Seriengrenzen sind markiert.");
        return text;
    }
    const HAtomSzene &s = s_;
    if (s.formel) {
        text += tr("links die Formel für die Energie E der Stufe n über dem Grundzustand, "
                   "E = R · c · h · (1 − 1/n²), rechts das Energieschema des Atoms.");
    } else {
        text += tr("Lyman-, Balmer-, Paschen- und Brackett-Serie als senkrechte Säulen, jede Linie in der Höhe "
                   "der Energie ihrer Photonen");
        if (std::any_of(std::begin(s.balken), std::end(s.balken), [](int b) { return b > 0; }))
            text += tr(", die Energien als Balken");
        if (s.energieAchse)
            text += tr(", rechts die Skala in eV");
        if (CheckBoxGrenzen->isChecked())
            text += tr(", die Seriengrenzen markiert");
        text += QLatin1Char('.');
    }
    if (s.atom) {
        const int bis = std::min(s.stufenBis, 16);
        text += bis > 2    ? tr(" Das Energieschema des Atoms zeigt die Stufen 1 bis %1").arg(bis)
                : bis == 2 ? tr(" Das Energieschema des Atoms zeigt die Stufen 1 und 2")
                           : tr(" Das Energieschema des Atoms zeigt Stufe 1");
        if (s.hervor > 0)
            text += tr(", hervorgehoben Stufe %1 mit %2 eV").arg(s.hervor).arg(eV(1, s.hervor));
        if (!s.uebergaenge.isEmpty()) {
            text += s.uebergaenge.size() == 1 ? tr("; ein Sprung ist eingezeichnet")
                                              : tr("; %1 Sprünge sind eingezeichnet").arg(s.uebergaenge.size());
            for (const HAtomUebergang &u : s.uebergaenge)
                if (u.markiert) {  // the jump from level j + 1 down to level a
                    const int oben = std::min(u.j + 1, 16);
                    text += tr(", markiert der von Stufe %1 auf Stufe %2 (%3 eV)").arg(oben).arg(u.a).arg(eV(u.a, oben));
                }
        }
        if (s.ionisation && CheckBoxGrenzen->isChecked())
            text += tr("; die Ionisierungsgrenze bei %1 eV ist markiert").arg(EnergieText(Bindungsenergie(1)));
        text += QLatin1Char('.');
    }
    // the series lifted onto the level they end on
    QStringList gehoben;
    for (int n = 2; n <= 4; ++n) {
        const double ziel = g_.hoehe[0] - g_.hoehe[n];
        if (s.serieY[n] >= ziel - 0.5)
            gehoben.append(tr("die %1 steht auf Stufe %2").arg(SerienName(n)).arg(n));
        else if (s.serieY[n] > 0)
            gehoben.append(tr("die %1 wird auf Stufe %2 gehoben").arg(SerienName(n)).arg(n));
    }
    if (!gehoben.isEmpty()) {
        QString satz = gehoben.size() < 2 ? gehoben.first()
                                          : gehoben.mid(0, gehoben.size() - 1).join(QStringLiteral(", ")) +
                                                tr(" und ") + gehoben.last();
        satz[0] = satz[0].toUpper();
        text += QLatin1Char(' ') + satz + QLatin1Char('.');
    }
    return text;
}

void TFormHAtom3::SchreibeHinweiseSelbst()
{
    TextStil stil = StilHinweis();
    stil.hintergrund = 0xFFFF95;
    stil.abstandGroesse = 8;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/hydrogen/hatom_hinweis.txt")), stil);
}
