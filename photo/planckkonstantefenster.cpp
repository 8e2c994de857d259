#include "planckkonstantefenster.h"

#include "bild.h"
#include "richtext.h"
#include "zahltext.h"

#include <QLayout>
#include <QRegularExpressionValidator>

#include <limits>

using namespace Photoeffekt;

namespace {
// An entry field that takes digits only, typed or pasted.
Edit *ZiffernFeld(QWidget *eltern, int x, int y, int w)
{
    auto *e = new Edit(eltern);
    e->tastenFilter = [](QChar &c) {
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('\b'))
            c = QChar();
    };
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->setMaxLength(6);
    e->setAlignment(Qt::AlignRight);
    Setze(e, x, y, w, 24);
    return e;
}
}  // namespace

TFormPlanckKonstante2::TFormPlanckKonstante2(QWidget *parent)
    : GegenfeldFenster(tr("Bestimmung der Planck’schen Konstante h"), parent)
{
    const Spaltenwerte spalte = StandardSpalte(BildschirmBreite);
    layout_ = BerechneGegenfeldLayout(BildschirmBreite, BildschirmHoehe, spalte,
                                      QRect(ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe), 50, 215);
    const GegenfeldLayout &l = layout_;
    ErzeugeTitel(tr("Bestimmung der Planck’schen Konstante h"), l.titel.left(), l.titel.top(),
                 l.titel.width(), l.titel.height());
    TitelEinpassen(PanelTitel);
    ErzeugeGemeinsam(l, 90, 2, 13);
    TrackBarIntensitaet = TrackBarI;
    const int L = l.links.width(), links = L - 16;
    const int B = l.rechts.width(), innen = B - 16;

    // ---- left: the light and the measurements ----
    int y = 8;
    PanelLichtwahl->move(8, y);
    y += Lampenwahl::Hoehe + 6;
    Panel *art = Tafel(this, 8, y, L, 52);
    RadioGroupArtLicht =
        new RadioGroup(tr("Veranschauliche Licht als"), {tr("Welle"), tr("Photonen"), tr("gar nicht")}, art, 3);
    RadioGroupArtLicht->layout()->setContentsMargins(2, 0, 2, 2);
    RadioGroupArtLicht->layout()->setSpacing(0);
    SetzeSchrift(RadioGroupArtLicht, QStringLiteral("Trebuchet MS"), 8, false);
    Setze(RadioGroupArtLicht, 4, 4, L - 8, 44);
    RadioGroupArtLicht->setItemIndex(1);
    RadioGroupArtLicht->setToolTip(
        tr("Nur symbolische Darstellung – ohne Bedeutung für die Simulation des Photoeffekts"));
    y += 52 + 6;

    PanelRechne = Tafel(this, 8, y, L, 176);
    PanelRechne->setFarbe(FarbeRechnen);
    auto *titel = Beschriftung(PanelRechne, tr("Deine Messungen:"), 8, 2, links);
    SetzeSchrift(titel, QStringLiteral("Trebuchet MS"), 11, true);
    const int sp1 = 66, sw = (links - sp1 - 4) / 2, sp2 = sp1 + sw + 4;
    auto kopf = [&](const QString &t, int x) {
        auto *lab = Beschriftung(PanelRechne, t, x, 22, sw + 4, 18, Qt::AlignCenter);
        SetzeSchrift(lab, QStringLiteral("Trebuchet MS"), 7, false);
    };
    kopf(tr("Frequenz/THz"), 8 + sp1 - 2);
    kopf(tr("Spannung/mV"), 8 + sp2 - 2);
    for (auto [zeile, text] : {std::pair{42, tr("1. Messung")}, std::pair{70, tr("2. Messung")}})
        SetzeSchrift(Beschriftung(PanelRechne, text, 8, zeile, sp1), QStringLiteral("Trebuchet MS"), 8, true);
    EditFr1 = ZiffernFeld(PanelRechne, 8 + sp1, 40, sw);
    EditSp1 = ZiffernFeld(PanelRechne, 8 + sp2, 40, sw);
    EditFr2 = ZiffernFeld(PanelRechne, 8 + sp1, 68, sw);
    Editsp2 = ZiffernFeld(PanelRechne, 8 + sp2, 68, sw);
    BitBtnRechne = new BitBtn(tr("&Rechne!"), PanelRechne);
    Setze(BitBtnRechne, 8, 100, links, 30);
    EditPlanckK = new QLineEdit(QStringLiteral("  h = "), PanelRechne);
    EditPlanckK->setReadOnly(true);
    EditPlanckK->setAccessibleName(tr("Berechnete Planck-Konstante"));
    SetzeSchrift(EditPlanckK, QStringLiteral("Trebuchet MS"), 11, true);
    Setze(EditPlanckK, 8, 134, links, 26);
    y += 176 + 6;
    Panel *texte = Tafel(this, 8, y, L, 46);

    // ---- right: metal, light depiction, voltage, intensity, run ----
    const int R = l.rechts.left();
    y = 8;
    Panel *metall = Tafel(this, R, y, B, 82);
    RadioGroupMetall = MetallTafel(metall, tr("lichtempfindliche"), tr("Schicht"), 18, 60);
    y += 82 + 6;

    Panel *spannung = Tafel(this, R, y, B, 98);
    SpannungsTafel(spannung, tr("Gegenspannung/Volt"), 2, 20, false);
    PanelGegSpannung3 = new Panel(spannung, Panel::Rand::Gesenkt);
    Setze(PanelGegSpannung3, 8, 66, innen, 24);
    y += 98 + 6;

    Panel *intens = Tafel(this, R, y, B, 66);
    IntensitaetsTafel(intens, TrackBarIntensitaet, 2, 20);
    y += 66 + 6;

    Panel *lauf = Tafel(this, R, y, B, 178);
    LaufTafel(lauf, 6, 28);

    // ---- the two text panels over the picture ----
    ErzeugeHinweis(texte, tr("&Hinweise"), QStringLiteral("PlanckKHinweis.RTF"),
                   [this] { SchreibeHinweisSelbst(); });
    ErzeugeErgebnis(texte, tr("Hil&fe"), QStringLiteral("PlanckKHilfe.RTF"), [this] { SchreibeHilfeSelbst(); });
    BitBtnHilfe = BitBtnErgebnis;
    Hinweis.loeschen->setText(tr("l&öschen"));
    Ergebnis.loeschen->setText(tr("l&öschen"));
    Setze(BitBtnHinweis, 6, 6, (L - 16) / 2, 34);
    Setze(BitBtnHilfe, 10 + (L - 16) / 2, 6, (L - 16) / 2, 34);
    const int tafelBreite = std::min(l.bild.width() - 16, 900);
    for (TextTafel *t : {&Hinweis, &Ergebnis}) {
        t->setzeGeometrie(l.bild.left() + (l.bild.width() - tafelBreite) / 2, l.bild.top(), tafelBreite,
                          l.bild.height());
        t->panel->setFarbe(FarbePanel);
        t->panel->raise();
    }
    BitBtnZurueck->raise();

    connect(RadioGroupMetall, &RadioGroup::geklickt, this, [this] { RadioGroupMetallClick(); });
    connect(RadioGroupArtLicht, &RadioGroup::geklickt, this, [this] { RadioGroupArtLichtClick(); });
    connect(BitBtnRechne, &QPushButton::clicked, this, [this] { BitBtnRechneClick(); });
    this->metall = RadioGroupMetall->ItemIndex();
    artLicht = RadioGroupArtLicht->ItemIndex();
    Aufbauen();
    SpannungGeaendert();
}

void TFormPlanckKonstante2::DatenSchaltSkizze()
{
    skizze_ = PlanckZellenDaten(Image1->bildGroesse().width(), Image1->bildGroesse().height(), SchriftMittel);
    lampe_ = PlanckLampe(LampeX(skizze_, skizze_.zelleLinks / 2), skizze_.y0, skizze_.kathodeX, skizze_.D);
    SkizzeUebernehmen(384, 2, PlanckLaufart());
}

void TFormPlanckKonstante2::SpannungGeaendert()
{
    PanelGegSpannung3->setCaption(Komma(U, 2) +
                                  QStringLiteral("\u00A0V = %1\u00A0mV").arg(Runde(1000 * U)));
}

void TFormPlanckKonstante2::RadioGroupMetallClick()
{
    metall = std::clamp(RadioGroupMetall->ItemIndex(), 0, MetallAnzahl - 1);
}

void TFormPlanckKonstante2::RadioGroupArtLichtClick()
{
    // the quanta leave the picture, the waves too
    for (int k = 0; k < ElektronenAnzahl; ++k)
        QuantZeigen(k, false);
    WellenVerbergen();
    artLicht = std::clamp(RadioGroupArtLicht->ItemIndex(), 0, 2);
    if (an && WellenModell())
        WellenZeigen();
    Zeigen();
}

void TFormPlanckKonstante2::LaufEnde() { RadioGroupArtLicht->setEnabled(true); }

void TFormPlanckKonstante2::BitBtnRechneClick()
{
    const PlanckRechnung r =
        PlanckBerechnen(EditFr1->text(), EditFr2->text(), EditSp1->text(), Editsp2->text(), Elementarladung);
    if (!r.gueltig) {
        Piepsen();
        Meldung(this, MeldungsTyp::Warnung, r.meldung, MeldungsKnopf::Abbrechen);
        return;
    }
    letztesH_ = r.h;
    EditPlanckK->setText(r.text);
    if (PlanckPlausibel(r.h)) {
        Planckkonstante = r.h;
    } else {
        // a literal ends after "\u00A0" before "10": lupdate would read the digits into the escape
        Meldung(this, MeldungsTyp::Information,
                tr("Das Ergebnis h = %1\u00A0J·s ist nicht plausibel (erwartet wird etwa 6,6\u00A0·\u00A0"
                   "10⁻³⁴\u00A0J·s). Es wird nicht übernommen; das Programm rechnet weiter mit h = %2\u00A0J·s.")
                    .arg(PlanckFormat(r.h), PlanckFormat(Planckkonstante)));
    }
}

void TFormPlanckKonstante2::SchreibeHinweisSelbst()
{
    SchreibeMarkup(Hinweis.edit, LadeText(QStringLiteral(":/texte/photo2/planckkonstante_hinweis.txt")), StilHinweis());
}

void TFormPlanckKonstante2::SchreibeHilfeSelbst()
{
    SchreibeMarkup(Ergebnis.edit, LadeText(QStringLiteral(":/texte/photo2/planckkonstante_hilfe.txt")), StilErgebnis());
}

WerteTabelle TFormPlanckKonstante2::Werte() const
{
    const auto zahl = [](const Edit *e) {
        bool ok = false;
        const double v = e->text().trimmed().toDouble(&ok);
        return ok ? v : std::numeric_limits<double>::quiet_NaN();
    };
    WerteTabelle t;
    t.spalten = {tr("Messung"), tr("Frequenz f / THz"), tr("Gegenspannung U / mV"), QStringLiteral("h / J·s")};
    const double h = letztesH_ != 0 ? letztesH_ : std::numeric_limits<double>::quiet_NaN();
    t.zeilen.append({1, zahl(EditFr1), zahl(EditSp1), h});
    t.zeilen.append({2, zahl(EditFr2), zahl(Editsp2), h});
    return t;
}
