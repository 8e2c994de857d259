#include "guidefenster.h"

#include "bild.h"
#include "glossar.h"
#include "portrait.h"
#include "richtext.h"
#include "simfenster.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCollator>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyle>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <numeric>

namespace {
constexpr TColor FarbeTheorie = 0xBFFFFF;
constexpr TColor FarbeBiographie = 0xEECB02;
constexpr TColor FarbeListe = 0xFFC6C6;

QString Ressource(int seite) { return QStringLiteral(":/texte/guide/seite%1.txt").arg(seite, 2, 10, QLatin1Char('0')); }
}  // namespace

TFormGuide::TFormGuide(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("  Quantenpfad"));
    SetzeFarbe(this, FarbeHintergrund);
    SetzeSchrift(this, QStringLiteral("Trebuchet MS"), 10, true);

    const int W = BildschirmBreite, H = BildschirmHoehe;
    const int e = (W - 1019) / 2;
    const int f = e + 738;
    const int luecke = (W - f - 265) / 3;
    const int rechts = 2 * luecke + f;
    int theorieHoehe = (H - 740) / 3 + 587;
    int theorieOben = (H - theorieHoehe - 137) / 3;
    if (theorieOben < 4) {  // low screens: the text fills what the lists under it leave
        theorieOben = 4;
        theorieHoehe = H - 137 - 16 - 4;  // the lists stand at H − 137
    }
    // Low screens: the right column moves up and its buttons get lower, so that all of it
    // stays on the screen above the back button.
    const bool kompakt = 96 + 273 + 32 + 153 + 8 > ZurueckOben;
    const int seiteOben = kompakt ? 20 : 24, fotoOben = kompakt ? 48 : 96;
    const int knoepfeOben = kompakt ? fotoOben + 273 + 26 : 96 + 273 + 32, knoepfeHoehe = kompakt ? 129 : 153;
    const int endeOben = kompakt ? knoepfeOben + knoepfeHoehe + 4 : ZurueckOben;
    const int endeHoehe = kompakt ? std::min(89, H - 4 - endeOben) : 89;

    // ---- theory text ----
    PanelTheorie = new Panel(this);
    PanelTheorie->setFarbe(FarbePanel);
    PanelTheorie->setAusrichtung(Qt::AlignRight | Qt::AlignBottom);
    SetzeSchrift(PanelTheorie, QStringLiteral("Trebuchet MS"), 10, true);
    Setze(PanelTheorie, luecke, theorieOben, f, theorieHoehe);
    RichEditTheorie = new RichEdit(PanelTheorie);
    RichEditTheorie->setAccessibleName(tr("Text der Seite"));
    Setze(RichEditTheorie, 8, 8, e + 722, theorieHoehe - 32);
    CheckBoxNeuTheorie = new QCheckBox(tr("Diesen Text neu erstellen"), PanelTheorie);
    SetzeSchrift(CheckBoxNeuTheorie, QStringLiteral("Trebuchet MS"), 8, false);
    Setze(CheckBoxNeuTheorie, 8, theorieHoehe - 4 - 20, 200, 20);
    // Only a tick by hand loads or writes; ticks set from code go unnoticed.
    connect(CheckBoxNeuTheorie, &QCheckBox::clicked, this, &TFormGuide::CheckBoxNeuTheorieClick);

    // ---- biography over the theory text ----
    PanelBiographie = new Panel(this);
    PanelBiographie->setFarbe(FarbePanel);
    Setze(PanelBiographie, luecke, theorieOben, f, theorieHoehe);
    RichEditBiographie = new RichEdit(PanelBiographie);
    RichEditBiographie->setAccessibleName(tr("Biografie"));
    RichEditBiographie->setHintergrund(FarbeBiographie);
    Setze(RichEditBiographie, 8, 8, f - 16, theorieHoehe - 32);
    CheckBoxNeuBiogr = new QCheckBox(tr("Diesen Text neu erstellen"), PanelBiographie);
    SetzeSchrift(CheckBoxNeuBiogr, QStringLiteral("Trebuchet MS"), 8, false);
    Setze(CheckBoxNeuBiogr, 8, theorieHoehe - 4 - 20, 200, 20);
    connect(CheckBoxNeuBiogr, &QCheckBox::clicked, this, &TFormGuide::CheckBoxNeuBiogrClick);
    ButtonBiogrLoeschen = new QPushButton(tr("Biografie löschen"), PanelBiographie);
    SetzeSchrift(ButtonBiogrLoeschen, QStringLiteral("Trebuchet MS"), 8, false);
    Setze(ButtonBiogrLoeschen, f - 8 - 140, theorieHoehe - 4 - 20, 140, 20);
    connect(ButtonBiogrLoeschen, &QPushButton::clicked, this, &TFormGuide::ButtonBiogrLoeschenClick);
    connect(RichEditBiographie, &RichEdit::mausLosgelassen, this, &TFormGuide::ButtonBiogrLoeschenClick);
    PanelBiographie->hide();

    // ---- page number ----
    PanelSeite = new Panel(this, Panel::Rand::Gesenkt);
    PanelSeite->setFarbe(FarbePanel);
    PanelSeite->setTextFarbe(TextFarbeAuf(FarbePanel));
    SetzeSchrift(PanelSeite, QStringLiteral("Trebuchet MS"), 10, true);
    Setze(PanelSeite, W - 112, seiteOben, 65, 25);

    // ---- portraits ----
    const int fotoLinks = rechts + 38;
    for (int n = 0; n < 10; ++n) {
        const Biographie &b = BiographieVon(n);
        auto *p = new Panel(this, Panel::Rand::Gesenkt);
        p->setFarbe(FarbePanel);
        p->setCursor(Qt::PointingHandCursor);
        Setze(p, fotoLinks, fotoOben, 173, 273);
        auto *bild = new Bild(p);
        Setze(bild, 5, 5, 163, 225);
        bild->setStretch(true);
        PortraitZeigen(bild, QString::fromLatin1(b.kurz), 163, 225);
        bild->setCursor(Qt::PointingHandCursor);
        connect(bild, &Bild::geklickt, this, &TFormGuide::PanelFotoClick);
        const Physiker *physiker = PhysikerVon(QString::fromLatin1(b.kurz));
        const QString name = physiker ? QString::fromUtf8(physiker->name) : QString::fromLatin1(b.kurz);
        bild->setAccessibleName(tr("Porträt von %1").arg(name));
        bild->setBeschreibung([this, n, physiker, name] {
            QString text = physiker ? QStringLiteral("%1 (%2)").arg(name, QString::fromUtf8(physiker->lebensdaten)) : name;
            if (SeiteNr(AktuelleSeite).foto == n)  // the page's title without its leading ": "
                text += tr(", der Physiker zu Seite %1 „%2“")
                            .arg(AktuelleSeite)
                            .arg(SeitenTitel(AktuelleSeite).mid(2));
            text += QLatin1Char('.');
            text += PanelBiographie->isHidden() ? tr(" Ein Klick zeigt seine Biografie über dem Text der Seite.")
                                                : tr(" Ein Klick schließt seine Biografie wieder.");
            return text;
        });
        auto *knopf = new QPushButton(BiographieKnopf(n), p);
        Setze(knopf, 5, 235, 163, 32);
        connect(knopf, &QPushButton::clicked, this, &TFormGuide::PanelFotoClick);
        connect(p, &Panel::geklickt, this, &TFormGuide::PanelFotoClick);
        p->hide();
        PanelFoto[n] = p;
        ButtonFoto[n] = knopf;
    }
    PanelZuHertz = new Panel(this, Panel::Rand::Keiner);
    PanelZuHertz->setFarbe(FarbeHintergrund);
    PanelZuHertz->setTextFarbe(0xFFFFFF);
    PanelZuHertz->setCaption(tr("Foto G. Hertz: nächste Seite"));
    Setze(PanelZuHertz, fotoLinks - 20, fotoOben + 273 + (kompakt ? 2 : 4), 213, 22);
    PanelZuHertz->hide();

    // ---- navigation buttons, under the portraits ----
    PanelButtons = new Panel(this);
    PanelButtons->setFarbe(FarbePanel);
    Setze(PanelButtons, rechts, knoepfeOben, 249, knoepfeHoehe);
    BitBtnZeigen = new BitBtn(tr("zeig’s &mir!"), PanelButtons);
    BitBtnZeigen->setGlyph(GlyphBild(Glyphe::Start));
    SetzeSchrift(BitBtnZeigen, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(BitBtnZeigen, 8, 8, 233, kompakt ? 45 : 57);
    BitBtnWeiter = new BitBtn(tr("&weiter"), PanelButtons);
    Setze(BitBtnWeiter, 8, kompakt ? 57 : 72, 233, kompakt ? 30 : 33);
    BitBtnzurueck = new BitBtn(tr("zur&ück"), PanelButtons);
    Setze(BitBtnzurueck, 8, kompakt ? 91 : 112, 112, kompakt ? 30 : 33);
    BitBtnSeite1 = new BitBtn(tr("zur &Seite 1"), PanelButtons);
    Setze(BitBtnSeite1, 129, kompakt ? 91 : 112, 112, kompakt ? 30 : 33);
    connect(BitBtnZeigen, &QPushButton::clicked, this, &TFormGuide::BitBtnZeigenClick);
    connect(BitBtnWeiter, &QPushButton::clicked, this, &TFormGuide::BitBtnWeiterClick);
    connect(BitBtnzurueck, &QPushButton::clicked, this, &TFormGuide::BitBtnzurueckClick);
    connect(BitBtnSeite1, &QPushButton::clicked, this, &TFormGuide::BitBtnSeite1Click);

    BitBtnEnde = new BitBtn(tr("&zurück zur Titelseite"), this, BitBtn::Art::Abbrechen);
    BitBtnEnde->setGlyph(GlyphBild(Glyphe::Zurueck));
    SetzeSchrift(BitBtnEnde, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(BitBtnEnde, rechts, endeOben, 249, endeHoehe);
    connect(BitBtnEnde, &QPushButton::clicked, this, &QWidget::close);

    // ---- page list and glossary under the theory text ----
    const int untenOben = std::min(theorieOben + theorieHoehe + 16, H - 137);
    PanelSeitenwahl = new Panel(this);
    PanelSeitenwahl->setFarbe(FarbePanel);
    Setze(PanelSeitenwahl, luecke, untenOben, 330, 64);
    auto *labelSuche = new QLabel(tr("Für gezielte Suche:"), PanelSeitenwahl);
    Setze(labelSuche, 10, 6, 300, 18);
    ComboBoxSeitenwahl = new QComboBox(PanelSeitenwahl);
    SetzeFarbe(ComboBoxSeitenwahl, FarbeListe);
    for (int n = 1; n <= SeitenAnzahl; ++n)
        ComboBoxSeitenwahl->addItem(SeitenListeneintrag(n));
    ComboBoxSeitenwahl->setMaxVisibleItems(SeitenAnzahl);
    ComboBoxSeitenwahl->setPlaceholderText(tr("Geh direkt zu Seite . . . "));
    ComboBoxSeitenwahl->setCurrentIndex(-1);
    ComboBoxSeitenwahl->setAccessibleName(tr("Geh direkt zu Seite"));
    Setze(ComboBoxSeitenwahl, 8, 28, 314, 28);
    // Only a choice in the open list turns the page: the closed box ignores wheel and keys
    // that would step through the entries, and its list shows every entry whole.
    ComboBoxSeitenwahl->installEventFilter(this);
    {
        const QFontMetrics fm(ComboBoxSeitenwahl->view()->font());
        int breite = 0;
        for (int i = 0; i < ComboBoxSeitenwahl->count(); ++i)
            breite = std::max(breite, fm.horizontalAdvance(ComboBoxSeitenwahl->itemText(i)));
        ComboBoxSeitenwahl->view()->setMinimumWidth(breite + 2 * ComboBoxSeitenwahl->view()->frameWidth() +
                                                    ComboBoxSeitenwahl->view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24);
    }
    connect(ComboBoxSeitenwahl, &QComboBox::activated, this, &TFormGuide::ComboBoxSeitenwahlClick);

    PanelGlossar = new Panel(this);
    PanelGlossar->setFarbe(FarbePanel);
    const int glossarBreite = 400;
    Setze(PanelGlossar, luecke + f - glossarBreite, untenOben, glossarBreite, 64);
    auto *labelBegriff = new QLabel(tr("Info zum Begriff"), PanelGlossar);
    Setze(labelBegriff, 10, 6, 230, 18);
    auto *labelSeite = new QLabel(tr("findet sich auf Seite"), PanelGlossar);
    Setze(labelSeite, 252, 6, 145, 18);
    ComboBoxGlossar = new QComboBox(PanelGlossar);
    SetzeFarbe(ComboBoxGlossar, FarbeListe);
    {
        // Each entry holds its term's index; translated terms are sorted anew.
        QList<int> reihe(GlossarBegriffe().size());
        std::iota(reihe.begin(), reihe.end(), 0);
        bool uebersetzt = false;
        for (int i : reihe)
            uebersetzt = uebersetzt || GlossarBegriffAngezeigt(i) != GlossarBegriffe().at(i);
        if (uebersetzt) {
            QCollator collator;
            collator.setCaseSensitivity(Qt::CaseInsensitive);
            std::stable_sort(reihe.begin(), reihe.end(), [&collator](int a, int b) {
                return collator.compare(GlossarBegriffAngezeigt(a), GlossarBegriffAngezeigt(b)) < 0;
            });
        }
        for (int i : reihe)
            ComboBoxGlossar->addItem(GlossarBegriffAngezeigt(i), i);
    }
    ComboBoxGlossar->setMaxVisibleItems(10);
    ComboBoxGlossar->setPlaceholderText(tr("(Suche Begriff)"));
    ComboBoxGlossar->setCurrentIndex(-1);
    ComboBoxGlossar->setAccessibleName(tr("Suche Begriff"));
    ComboBoxGlossar->setToolTip(tr("Doppelklick führt auf die entsprechende Seite"));
    ComboBoxGlossar->installEventFilter(this);
    // The first click of a double-click opens the list, so the second one lands there.
    ComboBoxGlossar->view()->parentWidget()->installEventFilter(this);
    ComboBoxGlossar->view()->viewport()->installEventFilter(this);
    Setze(ComboBoxGlossar, 8, 28, 232, 28);
    connect(ComboBoxGlossar, &QComboBox::activated, this, &TFormGuide::ComboBoxGlossarClick);
    EditGlossar = new Edit(PanelGlossar);
    EditGlossar->setAccessibleName(tr("Der Begriff findet sich auf Seite"));
    EditGlossar->setToolTip(tr("Doppelklick führt auf diese Seite"));
    EditGlossar->tastenFilter = [](QChar &taste) {
        if (!(taste >= QLatin1Char('0') && taste <= QLatin1Char('9')) && taste != QLatin1Char('\b'))
            taste = QChar();
    };
    Setze(EditGlossar, 252, 28, 100, 28);
    connect(EditGlossar, &Edit::doppelKlick, this, &TFormGuide::EditGlossarDblClick);

    BitBtnzurueck->hide();
    AktuelleSeite = 1;
}

// ---- pages ------------------------------------------------------------------------

void TFormGuide::Seitevorbereiten()
{
    BitBtnZeigen->setVisible(AktuelleSeite <= 22);
    BitBtnZeigen->setText(tr("zeig’s &mir!"));
    ComboBoxSeitenwahl->setCurrentIndex(-1);

    const int foto = SeiteNr(AktuelleSeite).foto;
    for (int n = 0; n < 10; ++n)
        PanelFoto[n]->setVisible(n == foto);
    PanelZuHertz->setVisible(AktuelleSeite == 15);
    PanelBiographie->hide();

    SchreibeTheorie();

    CheckBoxNeuTheorie->setChecked(false);
    CheckBoxNeuBiogr->setChecked(false);
    BiographieNr = foto;
}

void TFormGuide::BeschrifteSeite()
{
    PanelSeite->setCaption(tr("Seite %1").arg(AktuelleSeite));
    PanelTheorie->setCaption(tr("  Seite %1%2 ").arg(AktuelleSeite).arg(SeitenTitel(AktuelleSeite)));
}

void TFormGuide::SchreibeTheorie()
{
    BitBtnzurueck->setVisible(AktuelleSeite > 1);
    BitBtnWeiter->setVisible(AktuelleSeite < SeitenAnzahl);
    BitBtnSeite1->setVisible(AktuelleSeite > 1);
    BeschrifteSeite();
    RichEditTheorie->setHintergrund(FarbeTheorie);
    SchreibeTextOderDatei(RichEditTheorie, QStringLiteral("QuantenText%1.RTF").arg(AktuelleSeite),
                          [this] { SchreibeTheorieSelbst(); });
    BitBtnZeigen->setText(tr("zeig’s &mir!"));
}

void TFormGuide::SchreibeTheorieSelbst()
{
    SchreibeMarkup(RichEditTheorie, LadeText(Ressource(AktuelleSeite)), StilTheorie());
}

void TFormGuide::CheckBoxNeuTheorieClick(bool angekreuzt)
{
    RichEditTheorie->setHintergrund(FarbeTheorie);
    if (angekreuzt || !TexteVonDatei) {
        SchreibeTheorieSelbst();
        return;
    }
    // Unticked by hand: the file alone, without the built-in text as a fall-back.
    LadeTextOhneErsatz(RichEditTheorie, QStringLiteral("QuantenText%1.RTF").arg(AktuelleSeite));
}

bool TFormGuide::WaehleUnit()
{
    const FensterNr nr = SeiteNr(AktuelleSeite).fenster;
    if (nr == FensterNr::Anzahl)
        return false;
    QWidget *fenster = FensterVon(nr);
    if (!fenster) {
        Meldung(this, MeldungsTyp::Information,
                tr("Die Simulation zu dieser Seite ist noch in Arbeit und kommt mit einer späteren Version."));
        return false;
    }
    if (AktuelleSeite == 7)
        GegenfeldKlassisch = true;
    else if (AktuelleSeite == 9)
        GegenfeldKlassisch = false;
    FensterOeffnen(fenster);
    return true;
}

void TFormGuide::BitBtnZeigenClick()
{
    if (WaehleUnit())
        BitBtnZeigen->setText(tr("zeig’s &mir nochmal!"));
}

void TFormGuide::BitBtnWeiterClick()
{
    if (AktuelleSeite < SeitenAnzahl)
        ++AktuelleSeite;
    Seitevorbereiten();
}

void TFormGuide::BitBtnzurueckClick()
{
    if (AktuelleSeite > 1)
        --AktuelleSeite;
    Seitevorbereiten();
}

void TFormGuide::BitBtnSeite1Click()
{
    AktuelleSeite = 1;
    Seitevorbereiten();
}

void TFormGuide::ComboBoxSeitenwahlClick(int index)
{
    if (index < 0 || index >= SeitenAnzahl)
        return;
    AktuelleSeite = index + 1;
    Seitevorbereiten();
}

// ---- glossary ---------------------------------------------------------------------

void TFormGuide::ComboBoxGlossarClick(int index)
{
    if (index < 0)
        return;
    // By the German term the entry stands for, whatever the language shown.
    EditGlossar->setText(GlossarSeitenText(GlossarBegriffe().value(ComboBoxGlossar->itemData(index).toInt())));
}

void TFormGuide::EditGlossarDblClick()
{
    const int n = GlossarSeitenNummer(EditGlossar->text());
    if (n == AktuelleSeite) {
        Meldung(this, MeldungsTyp::Information, tr("Du bist schon auf der gesuchten Seite."));
    } else if (n == 0) {
        Meldung(this, MeldungsTyp::Warnung, tr("Fehlerhafte Seiten-Nummer?"), MeldungsKnopf::Wiederholen);
    } else if (n > SeitenAnzahl) {
        EditGlossar->setText(tr("(max. 23)"));
    } else {
        AktuelleSeite = n;
        Seitevorbereiten();
    }
}

// ---- biographies ------------------------------------------------------------------

void TFormGuide::PanelFotoClick()
{
    PanelBiographie->setVisible(!PanelBiographie->isVisible());
    if (PanelBiographie->isVisible()) {
        PanelBiographie->raise();
        SchreibeBiographie(BiographieNr);
    }
}

void TFormGuide::SchreibeBiographie(int n)
{
    if (!PanelBiographie->isVisible())
        return;
    RichEditBiographie->clear();
    RichEditBiographie->setHintergrund(FarbeBiographie);
    if (n < 0 || n >= KeineBiographie)
        return;
    SchreibeTextOderDatei(RichEditBiographie, QString::fromLatin1(BiographieVon(n).datei),
                          [this, n] { SchreibeBiographieSelbst(n); });
}

void TFormGuide::SchreibeBiographieSelbst(int n)
{
    if (n < 0 || n >= KeineBiographie)
        return;
    SchreibeMarkup(RichEditBiographie, LadeText(QString::fromLatin1(BiographieVon(n).ressource)), StilBiographie());
}

void TFormGuide::CheckBoxNeuBiogrClick(bool angekreuzt)
{
    if (angekreuzt) {
        RichEditBiographie->clear();
        SchreibeBiographieSelbst(BiographieNr);
    } else {
        SchreibeBiographie(BiographieNr);
    }
}

void TFormGuide::ButtonBiogrLoeschenClick() { PanelBiographie->hide(); }

// ---- life cycle ---------------------------------------------------------------------

void TFormGuide::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    Seitevorbereiten();
    BitBtnZeigen->setFocus();
}

bool TFormGuide::eventFilter(QObject *objekt, QEvent *e)
{
    if (objekt == ComboBoxSeitenwahl) {
        if (e->type() == QEvent::Wheel)
            return true;
        if (e->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent *>(e)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
                // Alt+Down and Alt+Up open the list; the bare arrows would step the entry.
                return !(static_cast<QKeyEvent *>(e)->modifiers() & Qt::AltModifier);
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                return true;
            default:
                // Typing a character would choose an entry by its first letters.
                return !static_cast<QKeyEvent *>(e)->text().isEmpty() &&
                       static_cast<QKeyEvent *>(e)->text().at(0).isPrint() &&
                       static_cast<QKeyEvent *>(e)->key() != Qt::Key_Space;
            }
        }
        return QWidget::eventFilter(objekt, e);
    }
    const bool druck = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
    if (!druck || static_cast<QMouseEvent *>(e)->button() != Qt::LeftButton)
        return QWidget::eventFilter(objekt, e);
    const QPoint ort = static_cast<QMouseEvent *>(e)->globalPosition().toPoint();
    if (objekt == ComboBoxGlossar) {
        if (e->type() == QEvent::MouseButtonDblClick) {
            EditGlossarDblClick();
            return true;
        }
        glossarDruck_ = TickZahl();
        glossarDruckOrt_ = ort;
    } else if (objekt == ComboBoxGlossar->view()->parentWidget() || objekt == ComboBoxGlossar->view()->viewport()) {
        // The second press of a double-click on the drop-down, now in its open list.
        const bool doppel = glossarDruck_ && TickZahl() - *glossarDruck_ <= std::uint64_t(QApplication::doubleClickInterval()) &&
                            (ort - glossarDruckOrt_).manhattanLength() <= 2 * QApplication::startDragDistance();
        if (doppel) {
            glossarDruck_.reset();
            ComboBoxGlossar->hidePopup();
            // After the list has closed: the way there may end in a message box.
            QTimer::singleShot(0, this, &TFormGuide::EditGlossarDblClick);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, e);
}
