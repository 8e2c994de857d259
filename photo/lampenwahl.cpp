#include "lampenwahl.h"

#include "bild.h"
#include "photobild.h"

#include <QFontMetrics>
#include <QLayout>
#include <QStyle>
#include <QTabBar>

#include <algorithm>

using namespace Photoeffekt;

namespace {

// Shrinks a group's font until its caption fits the given width.
void Einpassen(RadioGroup *g, int breite)
{
    for (int groesse = 10; groesse > 7 && QFontMetrics(g->font()).horizontalAdvance(g->title()) + 20 > breite; --groesse)
        SetzeSchrift(g, QStringLiteral("Trebuchet MS"), groesse - 1, true);
}

RadioGroup *LinienGruppe(QWidget *tab, const QString &caption, int anzahl, int breite)
{
    QStringList leer;
    for (int i = 0; i < anzahl; ++i)
        leer << QString();
    auto *g = new RadioGroup(caption, leer, tab, anzahl);
    g->layout()->setContentsMargins(6, 0, 6, 2);
    Setze(g, 4, 4, breite - 8, 48);
    Einpassen(g, breite - 8);
    g->setItemIndex(0);
    return g;
}

// A label and under it the panel that shows the value.
Panel *Anzeige(QWidget *eltern, const QString &text, int y, int breite)
{
    auto *l = new QLabel(text, eltern);
    Setze(l, 8, y, breite - 16, 18);
    auto *p = new Panel(eltern, Panel::Rand::Gesenkt);
    Setze(p, 8, y + 18, breite - 16, 24);
    return p;
}


}  // namespace

Lampenwahl::Lampenwahl(QWidget *eltern, int breite) : Panel(eltern)
{
    setFarbe(FarbePanel);
    resize(breite, Hoehe);
    Gase[0] = Spektren[SpektrumCadmium];
    Gase[1] = Spektren[SpektrumHelium];
    Gase[2] = Spektren[SpektrumQuecksilber];
    Gase[3] = Spektren[SpektrumNeon];

    PageControlFrequenz = new QTabWidget(this);
    PageControlFrequenz->setUsesScrollButtons(false);
    PageControlFrequenz->setDocumentMode(true);
    SetzeSchrift(PageControlFrequenz->tabBar(), QStringLiteral("Trebuchet MS"), 9, true);
    PageControlFrequenz->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; min-width: 0px; }"));
    PageControlFrequenz->tabBar()->setElideMode(Qt::ElideNone);
    Setze(PageControlFrequenz, 4, 4, breite - 8, 88);
    const int tabBreite = breite - 12;
    const QString gasName[] = {QStringLiteral("Cd"), QStringLiteral("He"), QStringLiteral("Hg"), QStringLiteral("Ne")};
    const QString gruppe[] = {tr("Wähle eine der 5 Linien"), tr("wähle eine der 7 Linien aus"),
                              tr("wähle eine der 7 Linien aus"), tr("wähle eine der 6 Linien aus")};
    QWidget **tabs[] = {&TabSheetCd, &TabSheetHe, &TabSheetHg, &TabSheetNe};
    RadioGroup **gruppen[] = {&RadioGroupCd, &RadioGroupHe, &RadioGroupHg, &RadioGroupNe};
    for (int i = 0; i < 4; ++i) {
        *tabs[i] = new QWidget;
        *gruppen[i] = LinienGruppe(*tabs[i], gruppe[i], Gase[i].Anzahl, tabBreite);
        PageControlFrequenz->addTab(*tabs[i], gasName[i]);
        connect(*gruppen[i], &RadioGroup::geklickt, this, [this, i] {
            if (Art == i)  // only the shown gas's choice counts
                RadioGroupClick();
        });
    }
    PageControlFrequenz->setTabToolTip(0, tr("Cd = Cadmium"));
    PageControlFrequenz->setTabToolTip(2, tr("Hg = Quecksilber"));
    TabSheetGluehlampe = new QWidget;
    auto *lampe = new QLabel(tr("Lampe"), TabSheetGluehlampe);
    Setze(lampe, 6, 4, tabBreite - 12, 18);
    TrackBarKontinuum = new TrackBar(Qt::Horizontal, TabSheetGluehlampe);
    TrackBarKontinuum->setBereich(StreifenVon, StreifenBis, 500);
    Setze(TrackBarKontinuum, 4, 24, tabBreite - 30, 26);
    UpDownKontinuum = new UpDown(TabSheetGluehlampe);
    UpDownKontinuum->setBereich(StreifenVon, StreifenBis, 500);
    Setze(UpDownKontinuum, tabBreite - 24, 24, 20, 26);
    PageControlFrequenz->addTab(TabSheetGluehlampe, tr("Glüh-"));
    PageControlFrequenz->setTabToolTip(4, tr("weißes Licht"));
    // the five tabs in the widest size at which all fit the column
    for (int g = 9; g > 7 && PageControlFrequenz->tabBar()->sizeHint().width() > breite - 8; --g)
        SetzeSchrift(PageControlFrequenz->tabBar(), QStringLiteral("Trebuchet MS"), g - 1, true);
    connect(TrackBarKontinuum, &QSlider::valueChanged, this, [this] { TrackBarKontinuumChange(); });
    connect(UpDownKontinuum, &UpDown::geklickt, this,
            [this] { TrackBarKontinuum->setPosition(UpDownKontinuum->Position()); });
    connect(PageControlFrequenz, &QTabWidget::currentChanged, this, [this] { PageControlFrequenzChange(); });

    PanelLinien = new Panel(this, Panel::Rand::Gesenkt);
    PanelLinien->setFarbe(0x000000);
    Setze(PanelLinien, 4, 96, breite - 8, 48);
    ImageSpektrum = new Bild(PanelLinien);
    ImageSpektrum->move(4, 4);
    ImageSpektrum->setBildGroesse(breite - 16, StreifenHoehe);
    // drawn from the choice when first shown or read (and again after its buffer was returned)
    const QSize streifenGroesse(breite - 16, StreifenHoehe);
    ImageSpektrum->setQuelle(streifenGroesse, [this, streifenGroesse] {
        QImage streifen(streifenGroesse, QImage::Format_RGB32);
        Canvas c(&streifen);
        ZeichneSpektrum(c);
        return streifen;
    });
    ImageSpektrum->setCursor(Qt::PointingHandCursor);
    ImageSpektrum->setAccessibleName(tr("Spektrum der Lampe"));
    ImageSpektrum->setBeschreibung([this] { return SpektrumBeschreibung(); });
    connect(ImageSpektrum, &Bild::mausRunter, this, [this](Qt::MouseButton knopf, int x, int) {
        if (knopf == Qt::LeftButton)
            ImageSpektrumClick(x);
    });

    LabelBreite = new QLabel(tr("Zeichne Linien:"), this);
    Setze(LabelBreite, 8, 150, breite - 16, 18);
    RadioGroupBreite = new RadioGroup(QString(), {tr("fein"), tr("mittel"), tr("grob")}, this, 3);
    RadioGroupBreite->layout()->setContentsMargins(4, 0, 2, 0);
    RadioGroupBreite->layout()->setSpacing(2);
    Setze(RadioGroupBreite, 4, 168, breite - 8, 26);
    // the three widths in the largest size at which each shows whole
    for (int g = 8; g >= 6; --g) {
        SetzeSchrift(RadioGroupBreite, QStringLiteral("Trebuchet MS"), g, true);
        int noetig = 4 + 2 + 2 * 2 + 2 * RadioGroupBreite->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        for (int i = 0; i < 3; ++i)
            noetig += RadioGroupBreite->knopf(i)->sizeHint().width();
        if (noetig <= breite - 8)
            break;
    }
    RadioGroupBreite->setItemIndex(0);
    connect(RadioGroupBreite, &RadioGroup::geklickt, this, [this] { RadioGroupBreiteClick(); });

    PanelWellenlaenge = Anzeige(this, tr("gewählte Wellenlänge:"), 196, breite);
    PanelWellenlaenge->setToolTip(tr("1\u00A0nm = 1 Nanometer = 1 millionstel Millimeter"));
    PanelFrequenz = Anzeige(this, tr("gewählte Frequenz:"), 242, breite);
    PanelFrequenz->setToolTip(tr("1\u00A0THz = 1 Terahertz = 10¹²\u00A0Hz = 1 Billion Hertz"));

    ArtSpektrumAusPageControl();
    FrequenzUebernehmen();
    FrequenzWellenlBeschriften();
}

RadioGroup *Lampenwahl::GasGruppe(int art) const
{
    switch (art) {
    case 0: return RadioGroupCd;
    case 1: return RadioGroupHe;
    case 2: return RadioGroupHg;
    case 3: return RadioGroupNe;
    default: return nullptr;
    }
}

void Lampenwahl::ArtSpektrumAusPageControl()
{
    const int i = PageControlFrequenz->currentIndex();
    Art = i >= 0 && i < 4 ? i : 4;
}

void Lampenwahl::FrequenzUebernehmen()
{
    if (Art == 4) {
        Frequenz = TrackBarKontinuum->Position();
    } else {
        const int linie = std::clamp(GasGruppe(Art)->ItemIndex(), 0, Gase[Art].Anzahl - 1);
        Frequenz = Gase[Art].Linie[linie].FrequenzTHz;
    }
}

void Lampenwahl::ZeichneSpektrum()
{
    if (ImageSpektrum->angelegt())
        ZeichneSpektrum(ImageSpektrum->canvas());
}

void Lampenwahl::ZeichneSpektrum(Canvas &c) const
{
    if (Art == 4)
        ZeichneKontinuum(c);
    else
        ZeichneLinienSpektrum(c, Gase[Art], GasGruppe(Art)->ItemIndex(), RadioGroupBreite->ItemIndex());
}

void Lampenwahl::FrequenzWellenlBeschriften()
{
    const TColor farbe = FarbeAusFrequenz(Frequenz);
    for (Panel *p : {PanelWellenlaenge, PanelFrequenz}) {
        p->setFarbe(farbe);
        p->setTextFarbe(TextFarbeAuf(farbe));
    }
    PanelFrequenz->setCaption(QStringLiteral("%1\u00A0THz").arg(Frequenz));
    PanelWellenlaenge->setCaption(QStringLiteral("%1\u00A0nm").arg(WellenlaengeNm(Frequenz)));
}

int Lampenwahl::WellenlaengeNm(int frequenzTHz) { return frequenzTHz > 0 ? Runde(3e5 / frequenzTHz) : 0; }

QString Lampenwahl::SpektrumBeschreibung() const
{
    const QString gewaehlt =
        QStringLiteral("%1\u00A0THz (%2\u00A0nm)").arg(Frequenz).arg(WellenlaengeNm(Frequenz));
    if (Art == 4)
        return tr("Kontinuierliches Spektrum der Glühlampe von %1\u00A0THz (Rot) bis %2\u00A0THz (Violett); "
                  "gewählt ist %3.")
            .arg(StreifenVon)
            .arg(StreifenBis)
            .arg(gewaehlt);
    // the lines the strip draws, by frequency
    QList<int> linien;
    const Linienspektrum &gas = Gase[Art];
    for (int i = 0; i < std::clamp(gas.Anzahl, 0, 9); ++i)
        if (FrequenzWaehlbar(gas.Linie[i].FrequenzTHz))
            linien << gas.Linie[i].FrequenzTHz;
    std::sort(linien.begin(), linien.end());
    QStringList zahlen;
    for (int f : linien)
        zahlen << QString::number(f);
    QString liste = zahlen.join(QStringLiteral(", "));
    if (zahlen.size() > 1)
        liste = zahlen.mid(0, zahlen.size() - 1).join(QStringLiteral(", ")) + tr(" und ") + zahlen.last();
    const QString gase[] = {tr("Cadmium"), tr("Helium"), tr("Quecksilber"), tr("Neon")};
    if (linien.isEmpty())
        return tr("Linienspektrum von %1: keine Linie zwischen %2 und %3\u00A0THz.")
            .arg(gase[Art])
            .arg(StreifenVon)
            .arg(StreifenBis);
    return tr("Linienspektrum von %1 zwischen %2 und %3\u00A0THz mit Linien bei %4\u00A0THz; hervorgehoben ist "
              "die gewählte Linie bei %5.")
        .arg(gase[Art])
        .arg(StreifenVon)
        .arg(StreifenBis)
        .arg(liste, gewaehlt);
}

void Lampenwahl::PageControlFrequenzChange()
{
    ArtSpektrumAusPageControl();
    LabelBreite->setVisible(Art != 4);
    RadioGroupBreite->setVisible(Art != 4);
    FrequenzUebernehmen();
    ZeichneSpektrum();
    FrequenzWellenlBeschriften();
    emit geaendert();
}

void Lampenwahl::RadioGroupClick()
{
    if (Art == 4)
        return;
    FrequenzUebernehmen();
    ZeichneSpektrum();
    FrequenzWellenlBeschriften();
    emit geaendert();
}

void Lampenwahl::RadioGroupBreiteClick() { ZeichneSpektrum(); }

void Lampenwahl::TrackBarKontinuumChange()
{
    UpDownKontinuum->setPosition(TrackBarKontinuum->Position());
    if (Art != 4 || TrackBarKontinuum->Position() == Frequenz)
        return;
    FrequenzUebernehmen();
    FrequenzWellenlBeschriften();
    emit geaendert();
}

void Lampenwahl::ImageSpektrumClick(int x)
{
    const int breite = ImageSpektrum->bildGroesse().width();
    if (x < 0 || x >= breite)
        return;
    const int fc = StreifenFrequenz(x, breite);
    if (Art == 4) {
        TrackBarKontinuum->setPosition(fc);
        return;
    }
    const int linie = LinieBeiFrequenz(Gase[Art], fc);
    if (linie >= 0)
        GasGruppe(Art)->setItemIndex(linie);
}
