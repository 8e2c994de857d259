#include "franckhertzanordnungfenster.h"

#include "bild.h"
#include "franckhertzsteuerung.h"
#include "richtext.h"

#include <QTextCursor>

#include <algorithm>

using namespace FranckHertz;

namespace {
constexpr int TafelBreite = 201, KnopfBreite = 120;
}

TFormFranckHertzAnordnung2::TFormFranckHertzAnordnung2(QWidget *parent)
    : SimFenster(tr("Franck-Hertz-Versuch: Anordnung"), parent)
{
    zeichengrund_ = FarbeZeichengrund;
    const int W = BildschirmBreite, R = ZurueckOben, B = ZurueckLinks, F2 = SchriftMittelDoppelt;
    const int titelBreite = std::min(W - 16, 760);
    ErzeugeTitel(tr("Experiment von J. Franck und G. Hertz: Versuchsanordnung"), (W - titelBreite) / 2, 8,
                 titelBreite, 41);
    TitelEinpassen(PanelTitel);
    const int titelUnten = 49;

    // widths of the heating and meter labels
    {
        QImage probe(1, 1, QImage::Format_RGB32);
        Canvas c(&probe);
        c.font = Schrift{QStringLiteral("Comic Sans MS"), SchriftMittel, false, false, false, 0};
        hw = c.textWidth(QStringLiteral(" Heizung ")) + 32;
        mw = c.textWidth(QStringLiteral(" Messgerät ")) + 40;
    }
    e = FaktorAnordnung(R, titelUnten, F2, W, hw, mw);
    const int bildBreite = hw + mw + 22 * e;
    // tall enough for the label under the voltmeter
    const int bildHoehe = 10 * e + 6 * F2 + 4;
    const int bildLinks = std::max(0, (W - bildBreite) / 2);
    Image1 = new Bild(this);
    Image1->move(bildLinks, titelUnten + 8);
    Image1->setBildGroesse(bildBreite, bildHoehe);
    punkte_ = DefinierePunkte(Variante::Anordnung, 2 * e + hw, 3 * F2, e);
    radien = AtomRadien(e);
    gas_.Einrichten(punkte_, radien.r, KathodenAbstand);
    gas_.angeregteAmAnfang = true;

    // ---- bottom row ----
    const int g = std::max(4, (B - 2 * TafelBreite - 2 * KnopfBreite) / 8);
    const int unten = std::min(R, BildschirmHoehe - 81);
    PanelZahlAtome = ErzeugeFeld(this, 2 * g, unten, TafelBreite, 72);
    Regler r = ErzeugeRegler(PanelZahlAtome, 8, 4, TafelBreite - 16, {tr("Zahl der Gasatome")},
                             Zahlenskala(10, 30, 5, 1), 10, 30, 20, false,
                             [this] { TrackBarZahlAtomeChange(); });
    TrackBarZahlAtome = r.bar;
    TrackBarZahlAtome->setTickInterval(5);
    PanelTemperatur = ErzeugeFeld(this, 2 * g + TafelBreite + g, unten, TafelBreite, 72);
    r = ErzeugeRegler(PanelTemperatur, 8, 4, TafelBreite - 16, {tr("Temperatur des Gases")},
                      {{1, tr("niedrig")}, {10, tr("hoch")}}, 1, 10, 4, false,
                      [this] { TrackBarTemperaturChange(); });
    TrackBarTemperatur = r.bar;
    const int infoLinks = PanelTemperatur->x() + TafelBreite + 2 * g;
    ErzeugeHinweis(this, tr("Info"), QString(), [this] { SchreibeHinweise(); });
    Setze(BitBtnHinweis, infoLinks, unten + 8, KnopfBreite, 34);
    BitBtnHinweis->setGlyph(GlyphBild(Glyphe::BuchZu));
    disconnect(BitBtnHinweis, &QPushButton::clicked, this, nullptr);
    connect(BitBtnHinweis, &QPushButton::clicked, this, [this] { HinweisUmschalten(); });
    BitBtnStop = new BitBtn(tr("&warten"), this);
    BitBtnStop->setGlyph(GlyphBild(Glyphe::Pause));
    Setze(BitBtnStop, infoLinks + KnopfBreite + g, unten + 8, KnopfBreite, 34);
    connect(BitBtnStop, &QPushButton::clicked, this, [this] { BitBtnStopClick(); });
    BitBtnMitGas = new BitBtn(tr("Gasfüllung"), this);
    BitBtnMitGas->setGlyph(GlyphBild(Glyphe::Start));
    Setze(BitBtnMitGas, BitBtnStop->x(), unten + 8, KnopfBreite, 34);
    connect(BitBtnMitGas, &QPushButton::clicked, this, [this] { BitBtnMitGasClick(); });

    // ---- hint panel over the picture ----
    const int hBreite = std::min(800, W - 16);
    const int hLinks = std::max(8, bildLinks + (bildBreite - hBreite) / 2);
    Hinweis.setzeGeometrie(hLinks, Image1->y(), hBreite, bildHoehe);
    Setze(Hinweis.edit, 8, 8, hBreite - 16, bildHoehe - 48);
    Hinweis.loeschen->setText(tr("l&öschen"));
    Setze(Hinweis.loeschen, hBreite - 8 - 105, bildHoehe - 8 - 25, 105, 25);
    Hinweis.panel->setFarbe(FarbePanel);
    BitBtnHinwLoeschen = Hinweis.loeschen;
    disconnect(Hinweis.panel, &Panel::geklickt, this, nullptr);
    disconnect(Hinweis.edit, &RichEdit::mausLosgelassen, this, nullptr);
    connect(Hinweis.panel, &Panel::geklickt, this, [this] { HinweisVerbergen(); });
    connect(Hinweis.edit, &RichEdit::mausLosgelassen, this, [this] { HinweisVerbergen(); });
    connect(BitBtnHinwLoeschen, &QPushButton::clicked, this, [this] { HinweisVerbergen(); });
    Hinweis.panel->raise();
    BitBtnZurueck->raise();

    temperatur = float(TrackBarTemperatur->Position());
    gas_.N = 0;
    BilderFreigebbar();  // apparatus, legend and atoms are drawn anew from the state on every show
    BildBeschreiben(Image1, tr("Versuchsanordnung des Franck-Hertz-Versuchs"), [this] { return BildBeschreibung(); });
}

QString TFormFranckHertzAnordnung2::BildBeschreibung() const
{
    QString text = tr("Geschlossene Glasröhre mit Glühkathode, Gitter und Auffänger; zwischen Kathode und Gitter "
                      "die Beschleunigungsspannung mit Spannungsmessgerät, zwischen Gitter und Auffänger die "
                      "Gegenspannung und das Messgerät für den Strom zum Auffänger, links der Heizstromkreis der "
                      "Kathode.");
    if (!gasGefuellt)
        return text + QLatin1Char(' ') + tr("Die Röhre ist noch ohne Gas.");
    int angeregt = 0;
    for (int k = 1; k <= gas_.N; ++k)
        angeregt += gas_.atom[std::size_t(k)].angeregt ? 1 : 0;
    return text + QLatin1Char(' ') + tr("Die Röhre ist mit %1 Gasatomen gefüllt, davon %2 angeregt; Temperatur des "
                                        "Gases auf Stufe %3 von %4.")
                                         .arg(gas_.N)
                                         .arg(angeregt)
                                         .arg(TrackBarTemperatur->Position())
                                         .arg(TrackBarTemperatur->Max());
}

void TFormFranckHertzAnordnung2::BilderZeichnen()
{
    if (!sprites_) {
        sprites_ = std::make_unique<Sprites>(DefiniereAtomeElektron(radien));
        maler_ = std::make_unique<SpriteMaler>(Image1->canvas(), *sprites_);
    }
    Rohrzeichner z = Zeichner();
    z.ZeichneFranckHertz(voltZeiger, stromZeiger);
    BeschrifteSchaltung();
    if (gasGefuellt) {  // the legend, and the atoms where they are
        z.BeschrifteAtome(*sprites_, SchriftMittelDoppelt);
        for (int k = 1; k <= gas_.N; ++k)
            maler_->AtomXor(gas_.atom[std::size_t(k)]);
    }
}

SpriteMaler *TFormFranckHertzAnordnung2::AtomMaler() const
{
    return BilderGezeichnet() ? maler_.get() : nullptr;
}

Rohrzeichner TFormFranckHertzAnordnung2::Zeichner()
{
    Rohrzeichner z(Image1->canvas(), punkte_);
    z.grund = zeichengrund_;
    return z;
}

void TFormFranckHertzAnordnung2::BeschrifteSchaltung()
{
    Canvas &c = Image1->canvas();
    const int F2 = SchriftMittelDoppelt, X0 = punkte_.X0, Y0 = punkte_.Y0;
    const KopierModus modus = c.copyMode;
    c.copyMode = KopierModus::SrcCopy;
    c.brush.style = PinselStil::Clear;
    c.font = Schrift{QStringLiteral("Comic Sans MS"), SchriftMittel, true, false, false, 0x000000};
    auto zentriert = [&](const QString &t, int x, int oben, TColor farbe) {
        c.font.color = farbe;
        c.textOut(x - c.textWidth(t) / 2, oben, t);
    };
    const int ueber = Y0 - F2 * 3 / 2;
    zentriert(tr("Glühkathode"), punkte_.kathodeX, ueber, 0xA0A0FF);  // light red
    zentriert(tr("Gitter"), punkte_.gitterX, ueber, FarbeLeitung);
    zentriert(tr("Auffänger"), punkte_.auffaengerX, ueber, FarbeLeitung);
    c.font.color = FranckHertz::FarbeGlas;
    const QStringList glas = tr("geschlossene\nGlasröhre").split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < glas.size(); ++i)
        c.textOut(X0 + 18 * e + 16, Y0 + int(2 + i) * e, glas[i]);
    // the two source captions side by side: smaller where a small picture would run them together
    const QString ua = tr("Beschleunigungsspannung"), ug = tr("Gegenspannung");
    const int uaMitte = punkte_.Voltmeter.x(), ugMitte = (punkte_.UgMinus.x() + punkte_.UgPlus.x()) / 2;
    while (c.font.size > 8 && uaMitte + c.textWidth(ua) / 2 + 8 > ugMitte - c.textWidth(ug) / 2)
        --c.font.size;
    zentriert(ug, ugMitte, punkte_.L + F2, FarbeBeschriftung);
    zentriert(ua, uaMitte, punkte_.L + F2, FarbeBeschriftung);
    zentriert(tr("mit Spannungsmessgerät"), uaMitte, punkte_.L + 2 * F2, FarbeBeschriftung);
    c.font.size = SchriftMittel;
    const int zeile = c.textHeight(QStringLiteral("M"));
    c.font.color = FarbeGehaeuse;
    const int mLinks = punkte_.Amperemeter.x() + 2 * e + 24;
    const int mOben = punkte_.Amperemeter.y() - 2 * e;
    const QStringList mess = tr("Messgerät\nfür Strom\nzum\nAuffänger").split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < mess.size(); ++i)
        c.textOut(mLinks, mOben + int(i - 1) * zeile, mess[i]);
    c.font.color = 0xC0C0C0;
    // the lines centred on the heating sockets
    const QStringList heiz = tr("Strom-\nkreis\nfür die\nHeizung\nder\nKathode").split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < heiz.size(); ++i)
        c.textOut(punkte_.H1.x() - 20 - c.textWidth(heiz[i]), punkte_.H1.y() + int(i - heiz.size() / 2) * zeile,
                  heiz[i]);
    c.copyMode = modus;
}

void TFormFranckHertzAnordnung2::SchreibeHinweise()
{
    TextStil stil = StilHinweis();
    stil.abstandGroesse = 8;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/franckhertz/franckhertzanordnung_hinweis.txt")), stil);
    Hinweis.edit->moveCursor(QTextCursor::Start);
}

void TFormFranckHertzAnordnung2::BitBtnMitGasClick()
{
    if (gasGefuellt)
        return;
    gasGefuellt = true;
    BitBtnMitGas->hide();
    if (BilderGezeichnet())
        Zeichner().BeschrifteAtome(*sprites_, SchriftMittelDoppelt);
    gas_.N = 0;
    gas_.InitAtome(1, TrackBarZahlAtome->Position(), temperatur, AtomMaler());
    LaufStarten();
}

Ablauf TFormFranckHertzAnordnung2::Simulation()
{
    while (!Gestoppt()) {
        gas_.TemperaturBewegung(AtomMaler());
        co_await Warte(0);  // holds while paused
    }
}

void TFormFranckHertzAnordnung2::LaufBeendet()
{
    SimFenster::LaufBeendet();
    BitBtnStop->setText(tr("&warten"));
}

void TFormFranckHertzAnordnung2::FormActivate()
{
    // the gas moves again as it did before the window was left
    if (gasGefuellt)
        LaufStarten();
}

void TFormFranckHertzAnordnung2::BitBtnStopClick()
{
    SimFenster::BitBtnStopClick();
    BitBtnStop->setText(pause ? tr("&weiter") : tr("&warten"));
}

void TFormFranckHertzAnordnung2::TrackBarZahlAtomeChange()
{
    if (gasGefuellt)
        gas_.SetzeAnzahl(TrackBarZahlAtome->Position(), temperatur, AtomMaler());
}

void TFormFranckHertzAnordnung2::TrackBarTemperaturChange()
{
    const float neu = float(TrackBarTemperatur->Position());
    gas_.TemperaturAendern(temperatur, neu);
    temperatur = neu;
}

void TFormFranckHertzAnordnung2::HinweisUmschalten()
{
    if (Hinweis.panel->isVisible()) {
        HinweisVerbergen();
        return;
    }
    Hinweis.panel->show();
    Hinweis.panel->raise();
    BitBtnHinweis->setGlyph(GlyphBild(Glyphe::BuchOffen));
    BitBtnStop->setEnabled(false);
}

void TFormFranckHertzAnordnung2::HinweisVerbergen()
{
    Hinweis.panel->hide();
    BitBtnHinweis->setGlyph(GlyphBild(Glyphe::BuchZu));
    BitBtnStop->setEnabled(true);
}
