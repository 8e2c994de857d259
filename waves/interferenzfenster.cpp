#include "interferenzfenster.h"

#include "bausteine.h"
#include "bild.h"
#include "richtext.h"
#include "zahltext.h"

#include <QLayout>

#include <algorithm>
#include <cmath>

using namespace Interferenz;

namespace {

RadioGroup *Gruppe(QWidget *eltern, const QString &titel, const QStringList &items, int index, const QRect &ort,
                   int spalten = 1)
{
    auto *g = new RadioGroup(titel, items, eltern, spalten);
    g->layout()->setContentsMargins(4, 0, 2, 2);
    g->layout()->setSpacing(0);
    g->setItemIndex(index);
    Setze(g, ort.left(), ort.top(), ort.width(), ort.height());
    return g;
}

// A track bar with its up-down at the right; the up-down sets the bar, the bar copies its
// position to the up-down and reports the change.
TrackBar *Wellenregler(QWidget *eltern, int min, int max, int pos, int x, int y, int w, UpDown **updown,
                   std::function<void()> geaendert, int updownMin = -1)
{
    auto *bar = new TrackBar(Qt::Horizontal, eltern);
    bar->setBereich(min, max, pos);
    bar->setTickInterval(std::max(1, (max - min) / 9));
    const int ud = updown ? 20 : 0;
    Setze(bar, x, y, w - ud - (updown ? 2 : 0), 26);
    UpDown *u = nullptr;
    if (updown) {
        u = new UpDown(eltern);
        u->setBereich(updownMin < 0 ? min : updownMin, max, pos);
        Setze(u, x + w - ud, y, ud, 26);
        QObject::connect(u, &UpDown::geklickt, bar, [bar, u] { bar->setPosition(u->Position()); });
        *updown = u;
    }
    QObject::connect(bar, &QSlider::valueChanged, bar, [u, geaendert = std::move(geaendert)](int wert) {
        if (u)
            u->setPosition(wert);
        geaendert();
    });
    return bar;
}

}  // namespace

TFormInterferenz::TFormInterferenz(QWidget *parent)
    : SimFenster(tr("Ausbreitung und Überlagerung von Wellen"), parent)
{
    Zeichengrund = FarbeZeichengrund;
    layout_ = BerechneLayout(AktuellerBildschirm());
    BilderFreigebbar();  // every show prepares all pictures anew (FormActivate)

    ErzeugeTitel(tr("Ausbreitung und Überlagerung von Wellen"), layout_.titel.left(), layout_.titel.top(),
                 layout_.titel.width(), layout_.titel.height());
    ErzeugeBilder();
    ErzeugeLinkeSpalte();
    ErzeugeRechteSpalte();

    // hint and observation: buttons in the left column, panels over the drawing
    PanelHinweise = ErzeugePanel(this, layout_.hinweise);
    ErzeugeHinweis(PanelHinweise, tr("&Hinweis"), QString(), [this] { SchreibeHinweiseSelbst(); });
    ErzeugeErgebnis(PanelHinweise, tr("&Beobachtung"), QString(), [this] { SchreibeErgebnisSelbst(); });
    const int kh = layout_.hinweisKnopfHoehe, kb = layout_.hinweise.width() - 16;
    Setze(BitBtnHinweis, 8, 4, kb, kh);
    Setze(BitBtnErgebnis, 8, 4 + kh + 8, kb, kh);
    BitBtnErgebnis->setEnabled(false);
    for (TextTafel *t : {&Hinweis, &Ergebnis}) {
        t->setzeGeometrie(layout_.textTafel.left(), layout_.textTafel.top(), layout_.textTafel.width(),
                          layout_.textTafel.height());
        t->panel->setFarbe(FarbePanel);
    }
    Setze(BitBtnZurueck, layout_.zurueck.left(), layout_.zurueck.top(), layout_.zurueck.width(),
          layout_.zurueck.height());
    BitBtnZurueck->raise();

    erzeugt_ = true;
    werte_ = BerechneWerte(Steuerung());
    Vorbereiten();  // places and captions; the pictures are drawn when the window is shown
    BilderBeschreiben();
}

// The markers and the pictures' background; FormActivate then prepares the pictures.
void TFormInterferenz::BilderZeichnen()
{
    if (masse_.isNull()) {
        zentrumLinks_ = ZentrumLinksBild();
        zentrumRechts_ = ZentrumRechtsBild();
        masse_ = SeilmasseBild();
    }
    for (Bild *b : {Image1Dim, Image1DimEins, Image1DimZwei, Image2Dim, ImageIntensitaet, ImageSchnittWaagr,
                    ImageSchnittSenkr, ImageLambdaEins, ImageLambdaZwei}) {
        b->canvas().brush.color = Zeichengrund;
        b->canvas().fillRect(0, 0, b->bildGroesse().width(), b->bildGroesse().height());
    }
}

// ---- creation ---------------------------------------------------------------------------

void TFormInterferenz::ErzeugeBilder()
{
    const Layout &l = layout_;
    auto bild = [this](const QRect &r) {
        auto *b = new Bild(this);
        b->move(r.topLeft());
        b->setBildGroesse(r.width(), r.height());
        return b;
    };
    Image1Dim = bild(l.image1Dim);
    Image1DimEins = bild(l.image1DimEins);
    Image1DimZwei = bild(l.image1DimZwei);
    const WasserGeometrie w = BerechneWasser(l, Groesse::gross, Format::quadrat);
    Image2Dim = bild(w.bild);
    ImageIntensitaet = bild(w.bild);
    ImageSchnittSenkr = bild(w.schnittSenkr);
    ImageSchnittWaagr = bild(w.schnittWaagr);
    ImageLambdaEins = bild(LambdaEinsSeil(l, false));
    ImageLambdaZwei = bild(LambdaZweiSeil(l, false));
    ImageLambdaEins->setCursor(Qt::PointingHandCursor);
    ImageLambdaEins->setToolTip(tr("Klick: zurück zum Text"));
    connect(ImageLambdaEins, &Bild::geklickt, this, [this] { BitBtnZurueckClick(); });

    auto marke = [this](const QString &text, TColor farbe) {
        auto *label = new QLabel(text, this);
        SetzeTextFarbe(label, farbe);
        label->resize(label->sizeHint());
        return label;
    };
    LabelA = marke(QStringLiteral("A"), 0x0000FF);
    LabelB = marke(QStringLiteral("B"), 0x0000FF);
    LabelC = marke(QStringLiteral("C"), 0xFF0000);
    LabelD = marke(QStringLiteral("D"), 0xFF0000);
    LabelSchnittAB = marke(tr("Schnitt AB"), 0x0000FF);
    LabelAuslenkungAB = marke(tr("Auslenkung"), 0x0000FF);
    LabelAuslenkungCD = marke(tr("Auslenkung"), 0xFF0000);
    LabelSchnittCD = marke(tr("Schnitt CD"), 0xFF0000);
    for (QLabel *label : {LabelA, LabelB, LabelC, LabelD, LabelSchnittAB, LabelAuslenkungAB, LabelAuslenkungCD,
                          LabelSchnittCD}) {
        // the labels stand on the window's blue: a light ground keeps red and blue readable
        label->setAutoFillBackground(true);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
        label->setPalette(p);
        label->setContentsMargins(2, 0, 2, 0);
        label->resize(label->sizeHint());
    }
}

void TFormInterferenz::ErzeugeLinkeSpalte()
{
    const Layout &l = layout_;
    auto stopp = [this] { ParameterGeaendert(); };

    PanelDaten = ErzeugePanel(this, l.daten);
    RadioGroupDimension = Gruppe(PanelDaten, tr(" &Dimension "),
                                 {tr("Seilwelle (1-dimens.)"), tr("Wasserwelle (2-dim.)")}, 0,
                                 QRect(8, 6, 169, 62));
    RadioGroupZahlWellen = Gruppe(PanelDaten, tr(" Anzah&l  "), {QStringLiteral("1"), QStringLiteral("2")},
                                  1, QRect(8, 72, 169, 42), 2);
    RadioGroupRichtung1 = Gruppe(PanelDaten, tr("Ort"), {tr("links"), tr("rechts")},
                                 0, QRect(8, 118, 169, 62));
    RadioGroupRichtung2 = Gruppe(PanelDaten, tr("Ort"),
                                 {tr("links + rechts"), tr("beide links")}, 1,
                                 QRect(8, 118, 169, 62));
    RadioGroupGleicheW = Gruppe(PanelDaten, tr(" Die b&eiden Wellen sind "),
                                {tr("identisch"), tr("verschieden")}, 1,
                                QRect(8, 184, 169, 62));
    RadioGroupAuslInt = Gruppe(PanelDaten, tr("  Zeige  "),
                               {tr("Auslenkung"), tr("Intensität/Helligkeit")}, 0,
                               QRect(8, 184, 169, 62));
    PanelEinzelWellen = new Panel(PanelDaten, Panel::Rand::Keiner);
    PanelEinzelWellen->setFarbe(FarbePanel);
    Setze(PanelEinzelWellen, 8, 250, 169, 64);
    Beschriftung(PanelEinzelWellen, tr("Zeichne die sich"), 4, 2, 161);
    CheckBoxEinzelWellen = new QCheckBox(tr("&überlagernden "), PanelEinzelWellen);
    Setze(CheckBoxEinzelWellen, 4, 22, 161, 20);
    Beschriftung(PanelEinzelWellen, tr("Wellen getrennt"), 24, 42, 141);

    PanelWZentren = ErzeugePanel(this, l.wZentrenSeil);
    RadioGroupWellenzug = Gruppe(PanelWZentren, tr(" F&orm "),
                                 {tr("nur 1 „Berg und Tal“"), tr("fortlaufende Welle")}, 1,
                                 QRect(8, 6, 169, 62));
    RadioGroupAnfangszustand = Gruppe(PanelWZentren, tr(" A&nfangszustand: Welle "),
                                      {tr("startet erst"), tr("ist schon unterwegs")}, 0,
                                      QRect(8, 70, 169, 62));
    RadioGroupPhasen = Gruppe(PanelWZentren, tr(" Zentren &schwingen "),
                              {tr("gleich- (synchron)"), tr("gegenphasig")}, 0,
                              QRect(8, 138, 169, 64));

    PanelMarkierePkt = ErzeugePanel(this, l.markierePkt);
    RadioGroupZPunkte = Gruppe(PanelMarkierePkt, tr(" &Markiere zufällig "),
                               {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, 0,
                               QRect(8, 4, 169, 44), 4);
    Beschriftung(PanelMarkierePkt, tr("Punkte im Seil"), 16, 50, 161);
    PanelKnoten = ErzeugePanel(this, l.knoten);
    RadioGroupKnoten = Gruppe(PanelKnoten, tr(" Markiere "),
                              {tr("einen Knoten"), tr("einen Bauch")}, 1, QRect(8, 4, 169, 64));

    for (RadioGroup *g : {RadioGroupDimension, RadioGroupZahlWellen, RadioGroupRichtung1, RadioGroupRichtung2,
                          RadioGroupGleicheW, RadioGroupWellenzug, RadioGroupAnfangszustand, RadioGroupPhasen})
        connect(g, &RadioGroup::geklickt, this, stopp);
    connect(RadioGroupAuslInt, &RadioGroup::geklickt, this, [this] { RadioGroupAuslIntClick(); });
    connect(CheckBoxEinzelWellen, &QCheckBox::toggled, this, [this] { CheckBoxEinzelWellenClick(); });
    connect(RadioGroupZPunkte, &RadioGroup::geklickt, this, [this] { RadioGroupZPunkteClick(); });
    connect(RadioGroupKnoten, &RadioGroup::geklickt, this, [this] { RadioGroupKnotenClick(); });
}

void TFormInterferenz::ErzeugeRechteSpalte()
{
    const Layout &l = layout_;
    auto stopp = [this] { ParameterGeaendert(); };
    auto kleinGross = [](TrackBar *bar) {
        bar->setSkala({{bar->Min(), tr("klein")}, {bar->Max(), tr("groß")}});
    };

    PanelWellenDatenEins = ErzeugePanel(this, l.wellenDatenEins);
    LabelWellenlaengeEins = Beschriftung(PanelWellenDatenEins, tr("Wellenlänge 1:"), 8, 4, 169);
    TrackBarWellenlaengeEins =
        Wellenregler(PanelWellenDatenEins, 10, 100, 70, 8, 22, 169, &UpDownWellenlaengeEins, stopp);
    kleinGross(TrackBarWellenlaengeEins);
    LabelAmplitudeEins = Beschriftung(PanelWellenDatenEins, tr("Amplitude 1:"), 8, 72, 169);
    TrackBarAmplitudeEins = Wellenregler(PanelWellenDatenEins, 10, 60, 40, 8, 90, 169, &UpDownAmplitudeEins, stopp);
    kleinGross(TrackBarAmplitudeEins);
    LabelAmplitudeFestEins = Beschriftung(PanelWellenDatenEins, tr("(festgelegt)"), 8, 116, 169);

    PanelWellendatenZwei = ErzeugePanel(this, l.wellenDatenZwei);
    Beschriftung(PanelWellendatenZwei, tr("Wellenlänge 2:"), 8, 4, 169);
    TrackBarWellenlaengeZwei =
        Wellenregler(PanelWellendatenZwei, 10, 100, 40, 8, 22, 169, &UpDownWellenlaengeZwei, stopp);
    kleinGross(TrackBarWellenlaengeZwei);
    Beschriftung(PanelWellendatenZwei, tr("Amplitude 2:"), 8, 72, 169);
    TrackBarAmplitudeZwei = Wellenregler(PanelWellendatenZwei, 10, 60, 40, 8, 90, 169, &UpDownAmplitudeZwei, stopp, 20);
    kleinGross(TrackBarAmplitudeZwei);

    PanelWelle = ErzeugePanel(this, l.welleSeil);
    Beschriftung(PanelWelle, tr("Zeichne pro Schwingung"), 8, 4, 169);
    TrackBarSchwDauer = Wellenregler(PanelWelle, 8, 32, 8, 8, 22, 169, &UpDownSchwDauer, stopp);
    TrackBarSchwDauer->setTickInterval(4);
    TrackBarSchwDauer->setSkala({{8, QStringLiteral("8")},
                                 {16, QStringLiteral("16")},
                                 {24, QStringLiteral("24")},
                                 {32, tr("32\u00a0" "Bilder")}});
    PanelAusschnitt = new Panel(PanelWelle, Panel::Rand::Keiner);
    PanelAusschnitt->setFarbe(FarbePanel);
    Setze(PanelAusschnitt, 8, 76, 169, 106);
    RadioGroupImage = Gruppe(PanelAusschnitt, tr("&Größe:"),
                             {tr("klein"), tr("mittel"), tr("groß")}, 2,
                             QRect(0, 0, 74, 104));
    RadioGroupFormat = Gruppe(PanelAusschnitt, tr("&Format"),
                              {tr("Hoch-F"), tr("quadrat."), tr("Quer-F.")}, 1,
                              QRect(77, 0, 92, 104));
    connect(RadioGroupImage, &RadioGroup::geklickt, this, stopp);
    connect(RadioGroupFormat, &RadioGroup::geklickt, this, stopp);
    AufloesungsTeil = new QWidget(PanelWelle);
    Setze(AufloesungsTeil, 8, 188, 169, 70);
    Beschriftung(AufloesungsTeil, tr("Auflösung"), 0, 0, 169);
    TrackBarAufloesung = Wellenregler(AufloesungsTeil, 1, 4, 2, 0, 18, 169, nullptr, stopp);
    TrackBarAufloesung->setSkala({{1, tr("fein")}, {4, tr("grob")}});

    PanelEinAus = ErzeugePanel(this, l.einAus);
    ErzeugeLaufsteuerung(PanelEinAus);
    Setze(PanelKontrolle, 8, 8, 26, 26);
    Setze(BitBtnLicht, 40, 6, 137, 30);
    Setze(BitBtnStop, 8, 42, 169, 30);
    ErzeugeTempo(PanelEinAus, 0, 4, 4, true);
    Setze(TrackBarTempo, 8, 100, 147, 26);
    Setze(UpDownTempo, 157, 100, 20, 26);
}

// ---- values and preparation ---------------------------------------------------------------

Steuerwerte TFormInterferenz::Steuerung() const
{
    Steuerwerte st;
    st.dimension = RadioGroupDimension->ItemIndex() + 1;
    st.wellenzahl = RadioGroupZahlWellen->ItemIndex() + 1;
    st.schwingungsDauer = TrackBarSchwDauer->Position();
    st.posLambda1 = TrackBarWellenlaengeEins->Position();
    st.posLambda2 = TrackBarWellenlaengeZwei->Position();
    st.posAmplitude1 = TrackBarAmplitudeEins->Position();
    st.posAmplitude2 = TrackBarAmplitudeZwei->Position();
    st.verschieden = RadioGroupGleicheW->ItemIndex() == 1;
    st.gegenphasig = RadioGroupPhasen->ItemIndex() == 1;
    st.einzelzug = RadioGroupWellenzug->ItemIndex() == 0;
    st.schonUnterwegs = RadioGroupAnfangszustand->ItemIndex() == 1;
    st.aufloesung = TrackBarAufloesung->Position();
    st.fx = Massstab.horizontal;
    st.fy = Massstab.vertikal;
    return st;
}

void TFormInterferenz::Vorbereiten()
{
    if (!erzeugt_)
        return;
    werte_ = BerechneWerte(Steuerung());
    seilZeit_ = -1;
    wasserZeit_ = -1;
    BitBtnStop->setText(tr("&unterbrechen"));
    FormatVorbereiten();
    if (BilderGezeichnet()) {
        ImageLambdaEinsVorbereiten();
        if (werte_.d == 1) {
            Image1DimVorbereiten(true);
            if (werte_.w == 2 && RadioGroupGleicheW->ItemIndex() == 1)
                ImageLambdaZweiVorbereiten();
        } else {
            Image2DimVorbereiten();
        }
    }
    BilderZeigen();
}

void TFormInterferenz::FormatVorbereiten()
{
    wasser_ = BerechneWasser(layout_, Groesse(RadioGroupImage->ItemIndex()), Format(RadioGroupFormat->ItemIndex()));
    const WasserGeometrie &w = wasser_;
    auto platziere = [](Bild *b, const QRect &r) {
        b->move(r.topLeft());
        if (b->bildGroesse() != r.size())
            b->setBildGroesse(r.width(), r.height());
    };
    platziere(Image2Dim, w.bild);
    platziere(ImageIntensitaet, w.bild);
    platziere(ImageSchnittSenkr, w.schnittSenkr);
    platziere(ImageSchnittWaagr, w.schnittWaagr);
    LabelA->move(w.aRechts - LabelA->width(), w.mitteY - LabelA->height() / 2);
    LabelB->move(w.bLinks, w.mitteY - LabelB->height() / 2);
    LabelC->move(w.mitteX - LabelC->width() / 2, w.cUnten - LabelC->height());
    LabelD->move(w.mitteX - LabelD->width() / 2, w.dOben);
    LabelSchnittAB->move(w.abLinks, w.abMitte - LabelSchnittAB->height());
    LabelAuslenkungAB->move(w.abLinks, w.abMitte);
    LabelAuslenkungCD->move(w.cdMitte - LabelAuslenkungCD->width() / 2, w.cdOben);
    LabelSchnittCD->move(w.cdMitte - LabelSchnittCD->width() / 2, w.cdOben + LabelAuslenkungCD->height());
    PaneleRadioGroupsAktualisieren();
    SeilMarkerPlatzieren();
}

void TFormInterferenz::SeilMarkerPlatzieren()
{
    const bool getrennt = CheckBoxEinzelWellen->isChecked() && RadioGroupZahlWellen->ItemIndex() == 1;
    const QRect eins = RadioGroupDimension->ItemIndex() == 0 ? LambdaEinsSeil(layout_, getrennt) : wasser_.lambdaEins;
    ImageLambdaEins->move(eins.topLeft());
    ImageLambdaZwei->move(LambdaZweiSeil(layout_, getrennt).topLeft());
}

void TFormInterferenz::PaneleRadioGroupsAktualisieren()
{
    const bool seil = RadioGroupDimension->ItemIndex() == 0;
    const bool zwei = RadioGroupZahlWellen->ItemIndex() == 1;
    const bool verschieden = RadioGroupGleicheW->ItemIndex() == 1;
    const bool fortlaufend = RadioGroupWellenzug->ItemIndex() == 1;

    RadioGroupAuslInt->setVisible(zwei && !seil && fortlaufend);
    RadioGroupRichtung1->setVisible(!zwei);
    RadioGroupRichtung2->setVisible(zwei && !seil);
    // the centres' phase acts whenever two waves run; for ropes its group stands under the
    // rope choices, since the centres panel below is taken by the form and the marks
    QWidget *phasenPanel = seil ? static_cast<QWidget *>(PanelDaten) : PanelWZentren;
    if (RadioGroupPhasen->parentWidget() != phasenPanel)
        RadioGroupPhasen->setParent(phasenPanel);
    RadioGroupPhasen->setVisible(zwei);
    PanelAusschnitt->setVisible(!seil);
    AufloesungsTeil->setVisible(!seil);
    PanelWellendatenZwei->setVisible(seil && zwei && verschieden);
    RadioGroupGleicheW->setVisible(seil && zwei);
    PanelEinzelWellen->setVisible(seil && zwei);
    PanelMarkierePkt->setVisible(seil && (!zwei || verschieden));
    PanelKnoten->setVisible(seil && zwei && !verschieden);
    TrackBarAmplitudeEins->setVisible(seil);
    UpDownAmplitudeEins->setVisible(seil);
    RadioGroupAnfangszustand->setVisible(fortlaufend);

    const QRect zentren = seil ? layout_.wZentrenSeil : layout_.wZentrenWasser;
    Setze(PanelWZentren, zentren.left(), zentren.top(), zentren.width(), zentren.height());
    const QRect welle = seil ? layout_.welleSeil : layout_.welleWasser;
    Setze(PanelWelle, welle.left(), welle.top(), welle.width(), welle.height());
    // the visible groups of the two left panels close up from the top; a panel a low screen
    // has made shorter closes its gaps further, so that nothing is cut off
    auto stapeln = [](QWidget *panel, std::initializer_list<QWidget *> teile) {
        int n = 0, summe = 0;
        for (QWidget *t : teile)
            if (!t->isHidden()) {
                ++n;
                summe += t->height();
            }
        const int frei = panel->height() - summe - 2;  // top, gaps and the bevel at the bottom
        const int luecke = std::clamp(frei / std::max(1, n + 1), 0, 4);
        int y = std::clamp(frei - (n - 1) * luecke, 0, 6);
        for (QWidget *t : teile)
            if (!t->isHidden()) {
                t->move(t->x(), y);
                y += t->height() + luecke;
            }
    };
    if (seil) {
        stapeln(PanelDaten, {RadioGroupDimension, RadioGroupZahlWellen, RadioGroupRichtung1, RadioGroupGleicheW,
                             PanelEinzelWellen, RadioGroupPhasen});
        stapeln(PanelWZentren, {RadioGroupWellenzug, RadioGroupAnfangszustand});
    } else {
        stapeln(PanelDaten, {RadioGroupDimension, RadioGroupZahlWellen, RadioGroupRichtung1, RadioGroupRichtung2,
                             RadioGroupAuslInt});
        stapeln(PanelWZentren, {RadioGroupWellenzug, RadioGroupAnfangszustand, RadioGroupPhasen});
    }

    LabelAmplitudeFestEins->setVisible(!seil);
    if (seil && !zwei) {
        LabelWellenlaengeEins->setText(tr("Wellenlänge:"));
        LabelAmplitudeEins->setText(tr("Amplitude:"));
    } else if (seil && verschieden) {
        LabelWellenlaengeEins->setText(tr("Wellenlänge 1:"));
        LabelAmplitudeEins->setText(tr("Amplitude 1:"));
    } else {
        LabelWellenlaengeEins->setText(tr("gemeinsame Wellenlänge:"));
        LabelAmplitudeEins->setText(tr("gemeinsame Amplitude:"));
    }
    QString titel;
    if (seil)
        titel = zwei ? tr("Überlagerung zweier Seilwellen") : tr("Ausbreitung einer Seilwelle");
    else
        titel = zwei ? tr("Überlagerung zweier Wasserwellen")
                     : tr("Ausbreitung einer Wasserwelle");
    PanelTitel->setCaption(titel);
    SetzeSchrift(PanelTitel, QStringLiteral("Trebuchet MS"), SchriftGross, true);
    TitelEinpassen(PanelTitel);

    if (seil && (!zwei || verschieden))
        markierung_ = ZufallsPunkte(RadioGroupZPunkte->ItemIndex(), layout_.R, [](int n) { return Zufall(n); });
    else if (seil && zwei)
        markierung_ = KnotenOderBauch(RadioGroupKnoten->ItemIndex() == 0, RadioGroupPhasen->ItemIndex() == 1,
                                      werte_.lambda1, Zufall(2) - 1, layout_.R);
    else
        markierung_ = Markierung{};
}

void TFormInterferenz::BilderZeigen()
{
    const bool seil = werte_.d == 1;
    const bool getrennt = seil && werte_.w == 2 && CheckBoxEinzelWellen->isChecked();
    const bool intensitaet = !seil && RadioGroupAuslInt->isVisibleTo(this) && RadioGroupAuslInt->ItemIndex() == 1;
    Image1Dim->setVisible(seil);
    Image1DimEins->setVisible(getrennt);
    Image1DimZwei->setVisible(getrennt);
    ImageLambdaZwei->setVisible(seil && werte_.w == 2 && RadioGroupGleicheW->ItemIndex() == 1);
    Image2Dim->setVisible(!seil && !intensitaet);
    ImageIntensitaet->setVisible(intensitaet);
    for (QWidget *w : std::initializer_list<QWidget *>{ImageSchnittWaagr, ImageSchnittSenkr, LabelA, LabelB, LabelC,
                                                       LabelD, LabelSchnittAB, LabelAuslenkungAB, LabelAuslenkungCD,
                                                       LabelSchnittCD})
        w->setVisible(!seil);
}

QString TFormInterferenz::LambdaEinsText() const
{
    if (werte_.d == 1 && werte_.w == 1)
        return tr("Wellenlänge:");
    if (werte_.d == 1 && RadioGroupGleicheW->ItemIndex() == 1)
        return tr("Wellenlänge 1:");
    return tr("gemeinsame Wellenlänge:");
}

void TFormInterferenz::ImageLambdaEinsVorbereiten()
{
    ZeichneLambdaMarker(ImageLambdaEins->canvas(), werte_.lambda1, LambdaEinsText(), false, Zeichengrund);
}

void TFormInterferenz::ImageLambdaZweiVorbereiten()
{
    ZeichneLambdaMarker(ImageLambdaZwei->canvas(), werte_.lambda2, tr("Wellenlänge 2"), true, Zeichengrund);
}

void TFormInterferenz::Image1DimVorbereiten(bool mitSeil)
{
    seilZeit_ = -1;
    for (Bild *b : {Image1Dim, Image1DimEins, Image1DimZwei})
        SeilVorbereiten(b->canvas(), Zeichengrund, layout_.R, mitSeil, markierung_, masse_);
}

Zentren TFormInterferenz::WasserZentren() const
{
    if (werte_.w == 1)
        return RadioGroupRichtung1->ItemIndex() == 0 ? Zentren::Links : Zentren::Rechts;
    return RadioGroupRichtung2->ItemIndex() == 0 ? Zentren::LinksRechts : Zentren::BeideLinks;
}

// The water picture with its axes and centres, both sections, and the intensity picture.
void TFormInterferenz::Image2DimVorbereiten()
{
    wasserZeit_ = -1;
    const WasserLauf l = WasserLaufVon(werte_, WasserZentren(), wasser_.X0, wasser_.Y0);
    Canvas &c = Image2Dim->canvas();
    c.brush.color = Zeichengrund;
    c.fillRect(0, 0, c.width(), c.height());
    Achsen2Dim(c, l.X0, l.Y0);
    ZeichneZentren(c, l, zentrumLinks_, zentrumRechts_);
    SchnittWaagrVorbereiten(ImageSchnittWaagr->canvas(), l, Zeichengrund);
    SchnittSenkrVorbereiten(ImageSchnittSenkr->canvas(), layout_.Q, Zeichengrund);
    // the time-averaged picture does not depend on the run: shown before the first start too
    if (l.zwei() && werte_.einzelzug == false)
        ZeichneIntensitaetsBild(ImageIntensitaet->canvas(), l, Zeichengrund);
    else {
        ImageIntensitaet->canvas().brush.color = Zeichengrund;
        ImageIntensitaet->canvas().fillRect(0, 0, c.width(), c.height());
    }
}

// ---- handlers ----------------------------------------------------------------------------

void TFormInterferenz::ParameterGeaendert()
{
    if (erzeugt_)
        Stoppen();
}

void TFormInterferenz::Stoppen()
{
    LaufStoppen();
    Vorbereiten();
    AnAusSchalten(false);
}

void TFormInterferenz::RadioGroupAuslIntClick()
{
    if (erzeugt_)
        BilderZeigen();
}

void TFormInterferenz::CheckBoxEinzelWellenClick()
{
    if (!erzeugt_)
        return;
    BilderZeigen();
    SeilMarkerPlatzieren();
}

void TFormInterferenz::RadioGroupZPunkteClick()
{
    if (!erzeugt_)
        return;
    markierung_ = ZufallsPunkte(RadioGroupZPunkte->ItemIndex(), layout_.R, [](int n) { return Zufall(n); });
    if (!an && BilderGezeichnet())
        Image1DimVorbereiten(true);
}

void TFormInterferenz::RadioGroupKnotenClick()
{
    if (!erzeugt_)
        return;
    markierung_ = KnotenOderBauch(RadioGroupKnoten->ItemIndex() == 0, RadioGroupPhasen->ItemIndex() == 1,
                                  werte_.lambda1, Zufall(2) - 1, layout_.R);
    if (!an && BilderGezeichnet()) {
        seilZeit_ = -1;
        SeilVorbereiten(Image1Dim->canvas(), Zeichengrund, layout_.R, true, markierung_, masse_);
    }
}

void TFormInterferenz::FormActivate()
{
    // laid out from the values read at creation, so reopening never moves anything; a run
    // of this window still ending ends at its next tick
    LaufStoppen();
    pause = false;
    Vorbereiten();
    AnAusSchalten(false);
}

// ---- the run ------------------------------------------------------------------------------

Ablauf TFormInterferenz::Simulation()
{
    BilderBereitstellen();  // the markers, also in a window never shown
    if (werte_.d == 1) {
        const bool zwei = werte_.w == 2, links = RadioGroupRichtung1->ItemIndex() == 0;
        co_await SimulationSeilwellen(zwei || links, zwei || !links);
    } else if (werte_.w == 1) {
        co_await Simulation1WasserWelle(WasserZentren());
    } else {
        co_await Simulation2Wasserwellen(WasserZentren());
    }
}

Ablauf TFormInterferenz::SimulationSeilwellen(bool links, bool rechts)
{
    werte_ = BerechneWerte(Steuerung());
    const SeilLauf l = SeilLaufVon(werte_, layout_.R, links, rechts);
    const bool einzelzug = werte_.einzelzug;
    const SeilBilder bilder{&Image1Dim->canvas(), &Image1DimEins->canvas(), &Image1DimZwei->canvas()};
    double t = 0;
    for (;;) {
        ZeichneSeilFrame(bilder, l, t, markierung_, masse_, Zeichengrund);
        seilZeit_ = t;
        co_await Warte(std::uint32_t(Verzoegerung));
        if (Gestoppt())
            break;
        t += Zeitschritt(Verzoegerung);
        if (einzelzug && t > l.endzeit)
            break;
    }
}

Ablauf TFormInterferenz::Simulation1WasserWelle(Zentren art) { return Wasserwellen(art, false); }

Ablauf TFormInterferenz::Simulation2Wasserwellen(Zentren art) { return Wasserwellen(art, true); }

Ablauf TFormInterferenz::Wasserwellen(Zentren art, bool zweiZentren)
{
    const WasserLauf l = WasserLaufVon(werte_, art, wasser_.X0, wasser_.Y0);
    const int Q = layout_.Q;
    if (zweiZentren)
        ZeichneIntensitaetsBild(ImageIntensitaet->canvas(), l, Zeichengrund);
    for (int t = zweiZentren ? 1 : 0;; ++t) {
        SchnittWaagrVorbereiten(ImageSchnittWaagr->canvas(), l, Zeichengrund);
        SchnittSenkrVorbereiten(ImageSchnittSenkr->canvas(), Q, Zeichengrund);
        ZeichneWasserFrame(Image2Dim->canvas(), l, t, Zeichengrund);
        ZeichneSchnitte(ImageSchnittWaagr->canvas(), ImageSchnittSenkr->canvas(), l, t, Q);
        Achsen2Dim(Image2Dim->canvas(), l.X0, l.Y0);
        ZeichneZentren(Image2Dim->canvas(), l, zentrumLinks_, zentrumRechts_);
        wasserZeit_ = t;
        co_await Warte(std::uint32_t(Verzoegerung));
        if (Gestoppt() || (l.einzelzug && t >= l.laufzeit))
            break;
    }
}

// ---- screen readers ----------------------------------------------------------------------

void TFormInterferenz::BilderBeschreiben()
{
    BildBeschreiben(Image1Dim, tr("Seil"), [this] { return SeilBeschreibung(0); });
    BildBeschreiben(Image1DimEins, tr("Seil nur mit Welle 1"), [this] { return SeilBeschreibung(1); });
    BildBeschreiben(Image1DimZwei, tr("Seil nur mit Welle 2"), [this] { return SeilBeschreibung(2); });
    BildBeschreiben(Image2Dim, tr("Wasseroberfläche"), [this] { return WasserBeschreibung(); });
    BildBeschreiben(ImageIntensitaet, tr("Zeitlich gemittelte Intensität auf der Wasseroberfläche"),
                    [this] { return IntensitaetBeschreibung(); });
    BildBeschreiben(ImageSchnittWaagr, tr("Schnitt AB durch die Wasseroberfläche"),
                    [this] { return SchnittBeschreibung(true); });
    BildBeschreiben(ImageSchnittSenkr, tr("Schnitt CD durch die Wasseroberfläche"),
                    [this] { return SchnittBeschreibung(false); });
    BildBeschreiben(ImageLambdaEins, tr("Markierung der Wellenlänge"), [this] { return LambdaBeschreibung(false); });
    BildBeschreiben(ImageLambdaZwei, tr("Markierung der Wellenlänge 2"), [this] { return LambdaBeschreibung(true); });
}

QString TFormInterferenz::Wellenlaengen(double weg, double lambda) const
{
    const int n = lambda > 0 ? int(std::floor(weg / lambda)) : 0;
    if (n <= 0)
        return tr("noch keine Wellenlänge");
    return n == 1 ? tr("eine Wellenlänge") : tr("%1 Wellenlängen").arg(n);
}

// welle 0: the rope with the superposition; 1 and 2: the wave from the left or the right end alone.
QString TFormInterferenz::SeilBeschreibung(int welle) const
{
    const bool zwei = werte_.w == 2 && welle == 0;
    const bool verschieden = werte_.w == 2 && RadioGroupGleicheW->ItemIndex() == 1;
    const bool einzelzug = werte_.einzelzug;
    const double laenge = 2.0 * layout_.R;
    const double lambda = welle == 2 ? werte_.lambda2 : werte_.lambda1;
    QStringList saetze;
    if (welle == 1) {
        saetze << tr("Nur die Welle vom linken Ende, ohne die zweite.");
    } else if (welle == 2) {
        saetze << tr("Nur die Welle vom rechten Ende, ohne die erste.");
    } else if (!zwei) {
        const QString richtung =
            RadioGroupRichtung1->ItemIndex() == 0 ? tr("von links nach rechts") : tr("von rechts nach links");
        saetze << (einzelzug ? tr("Ein Wellenzug aus einem Berg und einem Tal läuft %1 über das Seil.")
                             : tr("Eine fortlaufende Welle läuft %1 über das Seil."))
                      .arg(richtung);
    } else {
        saetze << (einzelzug ? tr("Von beiden Enden laufen zwei %1 Wellenzüge aus je einem Berg und einem Tal "
                                  "aufeinander zu; die Enden schwingen %2.")
                             : tr("Von beiden Enden laufen zwei %1 fortlaufende Wellen aufeinander zu; die Enden "
                                  "schwingen %2."))
                      .arg(verschieden ? tr("verschiedene") : tr("gleiche"),
                           werte_.sigma < 0 ? tr("gegenphasig") : tr("gleichphasig"));
    }
    if (welle == 0) {
        if (zwei && verschieden)
            saetze << tr("Auf das Seil passen %1 Wellenlängen der Welle 1 und %2 der Welle 2.")
                          .arg(Komma(laenge / werte_.lambda1, 1), Komma(laenge / werte_.lambda2, 1));
        else
            saetze << tr("Auf das Seil passen %1 Wellenlängen.").arg(Komma(laenge / werte_.lambda1, 1));
        if (werte_.w == 2 && !verschieden)
            saetze << (RadioGroupKnoten->ItemIndex() == 0 ? tr("Ein Knoten ist markiert.")
                                                           : tr("Ein Bauch ist markiert."));
        else if (markierung_.anzahl == 1)
            saetze << tr("Ein Punkt des Seils ist markiert.");
        else if (markierung_.anzahl > 1)
            saetze << tr("%1 Punkte des Seils sind markiert.").arg(markierung_.anzahl);
    }

    if (seilZeit_ < 0) {
        saetze << tr("Das Seil ist in Ruhe.");
        return saetze.join(QLatin1Char(' '));
    }
    // how far the fronts have come: each starts at its end and runs c per unit of time
    const double weg = werte_.c * seilZeit_;
    if (!zwei) {
        if (!werte_.frischerStart)
            saetze << tr("Die Welle füllt das ganze Seil.");
        else if (einzelzug && weg > laenge + lambda)
            saetze << tr("Der Wellenzug hat das Seil verlassen.");
        else if (weg >= laenge)
            saetze << (einzelzug ? tr("Der Wellenzug erreicht das andere Ende des Seils.")
                                 : tr("Die Welle füllt das ganze Seil."));
        else
            saetze << tr("Die Wellenfront hat %1 zurückgelegt.").arg(Wellenlaengen(weg, lambda));
    } else {
        const double R = layout_.R;
        const int lambda2 = verschieden ? werte_.lambda2 : werte_.lambda1;
        const QString stehend = verschieden ? tr("Die Wellen überlagern sich auf dem ganzen Seil.")
                                            : tr("Auf dem ganzen Seil schwingt eine stehende Welle.");
        if (!werte_.frischerStart)
            saetze << stehend;
        else if (weg < R)
            saetze << tr("Die Wellen haben sich noch nicht getroffen.");
        else if (einzelzug && weg <= R + (werte_.lambda1 + lambda2) / 2.0)
            saetze << tr("Die Wellenzüge treffen sich in der Mitte und überlagern sich.");
        else if (einzelzug && weg > laenge + std::max(werte_.lambda1, lambda2))
            saetze << tr("Die Wellenzüge haben das Seil verlassen.");
        else if (einzelzug)
            saetze << tr("Die Wellenzüge sind durcheinander hindurchgelaufen.");
        else if (weg < laenge)
            saetze << tr("Die Wellen überlagern sich im mittleren Teil des Seils.");
        else
            saetze << stehend;
    }
    return saetze.join(QLatin1Char(' '));
}

QString TFormInterferenz::WasserBeschreibung() const
{
    const Zentren art = WasserZentren();
    const WasserLauf l = WasserLaufVon(werte_, art, wasser_.X0, wasser_.Y0);
    QStringList saetze;
    const QString phase = l.sigma < 0 ? tr("gegenphasig") : tr("gleichphasig");
    const QString wellen =
        l.einzelzug ? tr("je einen Wellenzug aus einem Berg und einem Tal") : tr("fortlaufende Wellen");
    switch (art) {
    case Zentren::Links:
    case Zentren::Rechts:
        saetze << (l.einzelzug ? tr("Ein Zentrum %1 sendet einen Wellenzug aus einem Berg und einem Tal aus.")
                               : tr("Ein Zentrum %1 sendet eine fortlaufende Welle aus."))
                      .arg(art == Zentren::Links ? tr("am linken Rand") : tr("am rechten Rand"));
        break;
    case Zentren::LinksRechts:
        saetze << tr("Zwei Zentren, am linken und am rechten Rand, schwingen %1 und senden %2 aus.").arg(phase, wellen);
        break;
    case Zentren::BeideLinks:
        saetze << tr("Zwei Zentren übereinander am linken Rand schwingen %1 und senden %2 aus.").arg(phase, wellen);
        break;
    }
    saetze << tr("Das Bild ist %1 Wellenlängen breit; die rote Linie AB führt waagrecht, die blaue Linie CD "
                 "senkrecht durch seine Mitte.")
                  .arg(Komma(2.0 * l.X0 / l.q.lambda, 1));

    if (wasserZeit_ < 0) {
        saetze << tr("Das Wasser ist in Ruhe.");
        return saetze.join(QLatin1Char(' '));
    }
    // the front's distance from its centre, and that of the farthest corner from a centre
    const double weg = l.q.c * wasserZeit_;
    double fern = 0;
    for (int sx : {-1, 1})
        for (int sy : {-1, 1}) {
            fern = std::max(fern, std::hypot(sx * l.X0 - l.z1x, sy * l.Y0 - l.z1y));
            if (l.zwei())
                fern = std::max(fern, std::hypot(sx * l.X0 - l.z2x, sy * l.Y0 - l.z2y));
        }
    const QString ganz = l.zwei() ? tr("Die Wellen bedecken das ganze Bild.") : tr("Die Welle bedeckt das ganze Bild.");
    if (!l.frischerStart)
        saetze << ganz;
    else if (l.einzelzug && weg > fern + l.q.lambda)
        saetze << (l.zwei() ? tr("Die Wellenzüge haben das Bild verlassen.")
                            : tr("Der Wellenzug hat das Bild verlassen."));
    else if (weg >= fern)
        saetze << (l.einzelzug ? (l.zwei() ? tr("Die Wellenzüge laufen aus dem Bild hinaus.")
                                           : tr("Der Wellenzug läuft aus dem Bild hinaus."))
                               : ganz);
    else
        saetze << (l.zwei() ? tr("Die Wellenfronten sind %1 von ihren Zentren entfernt.")
                            : tr("Die Wellenfront ist %1 vom Zentrum entfernt."))
                      .arg(Wellenlaengen(weg, l.q.lambda));
    return saetze.join(QLatin1Char(' '));
}

QString TFormInterferenz::IntensitaetBeschreibung() const
{
    const Zentren art = WasserZentren();
    const WasserLauf l = WasserLaufVon(werte_, art, wasser_.X0, wasser_.Y0);
    if (!l.zwei() || l.einzelzug)
        return tr("Leer: Die Intensität wird für zwei Zentren mit fortlaufenden Wellen gezeigt.");
    // the bright stripes (at least half the largest intensity) that the line AB crosses, for
    // centres left and right, or the line CD, for two centres at the left edge
    const bool ab = art == Zentren::LinksRechts;
    const int n = ab ? l.X0 : l.Y0;
    int streifen = 0;
    bool hell = false;
    for (int i = -n; i <= n; ++i) {
        const bool jetzt = (ab ? Intensitaet(l, i, 0) : Intensitaet(l, 0, i)) >= 0.5;
        streifen += jetzt && !hell;
        hell = jetzt;
    }
    const QString linie = ab ? QStringLiteral("AB") : QStringLiteral("CD");
    return tr("Zeitlich gemittelte Intensität der beiden Wellen: hell, wo sie sich verstärken, dunkel, wo sie sich "
              "auslöschen.") +
           QLatin1Char(' ') +
           (streifen == 1 ? tr("Die Linie %1 kreuzt einen hellen Streifen.").arg(linie)
                          : tr("Die Linie %1 kreuzt %2 helle Streifen.").arg(linie).arg(streifen));
}

QString TFormInterferenz::SchnittBeschreibung(bool ab) const
{
    const Zentren art = WasserZentren();
    const WasserLauf l = WasserLaufVon(werte_, art, wasser_.X0, wasser_.Y0);
    const QString linie = ab ? QStringLiteral("AB") : QStringLiteral("CD");
    QStringList saetze;
    if (wasserZeit_ < 0)
        saetze << tr("Das Wasser ist in Ruhe: Längs der Linie %1 zeigt die Kurve keine Auslenkung.").arg(linie);
    else
        saetze << tr("Die Kurve zeigt die Auslenkung der Wasseroberfläche längs der Linie %1 in diesem Augenblick.")
                      .arg(linie);
    if (ab && art != Zentren::BeideLinks)
        saetze << tr("Die graue Strecke auf der Nulllinie ist eine Wellenlänge lang.");
    if (l.zwei() && !l.einzelzug) {
        // the line's ends and middle as far from the one centre as from the other
        auto gleichWeit = [&l](double x, double y) {
            return std::abs(std::hypot(x - l.z1x, y - l.z1y) - std::hypot(x - l.z2x, y - l.z2y)) < 1e-6;
        };
        const bool gleich = ab ? gleichWeit(-l.X0, 0) && gleichWeit(0, 0) && gleichWeit(l.X0, 0)
                               : gleichWeit(0, -l.Y0) && gleichWeit(0, 0) && gleichWeit(0, l.Y0);
        if (gleich)
            saetze << (l.sigma > 0 ? tr("Jeder Punkt dieser Linie ist von beiden Zentren gleich weit entfernt: Die "
                                        "Wellen verstärken sich hier.")
                                   : tr("Jeder Punkt dieser Linie ist von beiden Zentren gleich weit entfernt; da "
                                        "sie gegenphasig schwingen, löschen sich die Wellen hier aus."));
        else if (ab && l.z1y == 0 && l.z2y == 0)
            saetze << tr("Die Linie verbindet die beiden Zentren: Zwischen ihnen bildet sich eine stehende Welle.");
    }
    return saetze.join(QLatin1Char(' '));
}

QString TFormInterferenz::LambdaBeschreibung(bool zwei) const
{
    QString text = zwei ? tr("Wellenlänge 2") : LambdaEinsText();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    const double lambda = zwei ? werte_.lambda2 : werte_.lambda1;
    const QString satz = tr("„%1“: Die Strecke ist eine Wellenlänge lang.").arg(text);
    if (werte_.d == 2)
        return satz + QLatin1Char(' ') +
               tr("Das Bild der Wasseroberfläche ist %1-mal so breit.").arg(Komma(2.0 * wasser_.X0 / lambda, 1));
    return satz + QLatin1Char(' ') + tr("Das Seil ist %1-mal so lang.").arg(Komma(2.0 * layout_.R / lambda, 1));
}

// ---- texts --------------------------------------------------------------------------------

void TFormInterferenz::SchreibeHinweiseSelbst()
{
    TextStil stil = StilHinweis();
    stil.listeErsterEinzug = 8;
    stil.listeLinkerEinzug = 24;
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/waves/interferenz_hinweis.txt")), stil);
    Hinweis.edit->moveCursor(QTextCursor::Start);  // the panel opens at the first line
}

void TFormInterferenz::SchreibeErgebnisSelbst()
{
    TextStil stil = StilErgebnis();
    stil.hervorhebung2 = 0x008000;  // notes in dark green
    stil.hervorhebung2Fett = false;
    stil.listeErsterEinzug = 8;
    stil.listeLinkerEinzug = 20;
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/waves/interferenz_ergebnis.txt")), stil);
    Ergebnis.edit->moveCursor(QTextCursor::Start);
}
