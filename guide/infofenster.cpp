#include "infofenster.h"

#include "einstellungen.h"
#include "portrait.h"
#include "richtext.h"
#include "simfenster.h"
#include "sprache.h"

#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>

namespace {
struct Knopf {
    const char *caption;
    int panel;  // 0 Vorwort, 1 Zum Inhalt, 2 Zum Programm, 3 Voreinstellungen
};
const Knopf knoepfe[9] = {
    {QT_TRANSLATE_NOOP("TFormInfo", "&Vorwort"), 0},
    {QT_TRANSLATE_NOOP("TFormInfo", "&Themen"), 1},
    {QT_TRANSLATE_NOOP("TFormInfo", "&Inhaltsverzeichnis"), 1},
    {QT_TRANSLATE_NOOP("TFormInfo", "Inhalt der &Seiten"), 1},
    {QT_TRANSLATE_NOOP("TFormInfo", "&Probleme"), 2},
    {QT_TRANSLATE_NOOP("TFormInfo", "&Arbeiten damit"), 2},
    {QT_TRANSLATE_NOOP("TFormInfo", "&Quellen etc."), 2},
    {QT_TRANSLATE_NOOP("TFormInfo", "Te&xte"), 3},
    {QT_TRANSLATE_NOOP("TFormInfo", "S&onstiges"), 3},
};
}  // namespace

TFormInfo::TFormInfo(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Information"));
    SetzeSchrift(this, QStringLiteral("Trebuchet MS"), 10, true);
    SetzeFarbe(this, 0xDB6060);

    const int panelLinks = BildschirmBreite - 241;
    const int panelBreite = 209;

    BitBtnEnde = new BitBtn(tr("zur&ück zur Titelseite"), this, BitBtn::Art::Abbrechen);
    BitBtnEnde->setGlyph(GlyphBild(Glyphe::Zurueck));
    Setze(BitBtnEnde, ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
    connect(BitBtnEnde, &QPushButton::clicked, this, &QWidget::close);


    // The four button panels, spaced evenly above the back button; on screens too low for
    // them the buttons inside are lower and closer together.
    const bool kompakt = ZurueckOben < 81 + 177 + 177 + 121;
    const int knopfHoehe = kompakt ? 28 : 41, schritt = kompakt ? 32 : 48;
    const int hoehen[4] = {26 + knopfHoehe + (kompakt ? 8 : 14), 26 + 2 * schritt + knopfHoehe + (kompakt ? 8 : 14),
                           26 + 2 * schritt + knopfHoehe + (kompakt ? 8 : 14), 121};
    const char *titel[4] = {QT_TR_NOOP("Vorwort"), QT_TR_NOOP("Zum Inhalt:"), QT_TR_NOOP("Zum Programm:"),
                             QT_TR_NOOP("Voreinstellungen")};
    Panel **panele[4] = {&PanelVorwort, &PanelInhalte, &PanelInfos, &PanelEinstellungen};
    const int c = kompakt ? std::max(0, (ZurueckOben - (hoehen[0] + hoehen[1] + hoehen[2] + 81)) / 6)
                          : (ZurueckOben - (81 + 177 + 177 + 121)) / 7;
    int oben = 2 * c;
    for (int i = 0; i < 4; ++i) {
        auto *p = new Panel(this);
        Setze(p, panelLinks, oben, panelBreite, hoehen[i]);
        auto *label = new QLabel(tr(titel[i]), p);
        Setze(label, 10, 4, panelBreite - 20, 18);
        *panele[i] = p;
        oben += hoehen[i] + c;
    }
    PanelEinstellungen->resize(panelBreite, 81);

    int imPanel[4] = {};
    for (int n = 0; n < 9; ++n) {
        const int p = knoepfe[n].panel;
        const bool klein = p == 3;
        auto *b = new BitBtn(tr(knoepfe[n].caption), *panele[p]);
        b->setGlyph(GlyphBild(Glyphe::Info));
        Setze(b, 8, (klein ? 24 : 26) + imPanel[p]++ * (klein ? 27 : schritt), panelBreite - 16, klein ? 25 : knopfHoehe);
        connect(b, &QPushButton::clicked, this, [this, n] { SeitenKnopfClick(n); });
        BitBtnInfo[n] = b;
    }

    PanelRichedit = new Panel(this);
    // Screens below 768 px: the text panel shrinks onto the screen.
    const int rBreite = std::min(std::max(panelLinks - 32, 769), panelLinks - 8);
    const int rHoehe = std::min(std::max(BildschirmHoehe - 32, 697), BildschirmHoehe - 8);
    Setze(PanelRichedit, (panelLinks - rBreite) / 2, (BildschirmHoehe - rHoehe) / 4, rBreite, rHoehe);
    RichEditInfo = new RichEdit(PanelRichedit);
    RichEditInfo->setAccessibleName(tr("Information"));
    Setze(RichEditInfo, 8, 8, rBreite - 16, rHoehe - 16);

    // Text settings (page 7) and the beep (page 8), just above the text panel's bottom.
    const int einstellBreite = std::min(rBreite - 48, 760);
    PanelTexte = new Panel(PanelRichedit);
    SetzeSchrift(PanelTexte, QStringLiteral("Comic Sans MS"), 16, false);
    Setze(PanelTexte, (rBreite - einstellBreite) / 2, rHoehe - 24 - 170, einstellBreite, 170);
    auto *l1 = new QLabel(tr("Die oben genannten Texte befinden sich im Verzeichnis "), PanelTexte);
    Setze(l1, 16, 10, einstellBreite - 32, 28);
    auto *l2 = new QLabel(tr("(vollständigen Pfad angeben):"), PanelTexte);
    Setze(l2, 16, 38, einstellBreite - 32, 28);
    RichEditPfad = new QLineEdit(QStringLiteral("QuantenTexte"), PanelTexte);
    RichEditPfad->setAccessibleName(tr("Verzeichnis der Texte (vollständiger Pfad)"));
    Setze(RichEditPfad, 16, 72, einstellBreite - 32, 36);
    RichEditPfad->installEventFilter(this);
    // "&Texte …" would share its letter with "&Themen": the box takes the L.
    CheckBoxTexteIntern = new QCheckBox(tr("Texte erst zur &Laufzeit erstellen"), PanelTexte);
    Setze(CheckBoxTexteIntern, 16, 122, einstellBreite - 32, 32);
    connect(CheckBoxTexteIntern, &QCheckBox::toggled, this, [](bool intern) { TexteVonDatei = !intern; });

    PanelSeiStad = new Panel(PanelRichedit);
    SetzeSchrift(PanelSeiStad, QStringLiteral("Comic Sans MS"), 16, false);
    Setze(PanelSeiStad, (rBreite - 480) / 2, rHoehe - 24 - 104, 480, 104);
    // "&sei stad" would share its letter with "Inhalt der &Seiten".
    CheckBoxPieps = new QCheckBox(tr("Co&mputer, sei stad!"), PanelSeiStad);
    Setze(CheckBoxPieps, 24, 14, 320, 36);
    connect(CheckBoxPieps, &QCheckBox::toggled, this, [](bool still) { PiepsAn = !still; });
    // The language: kept at once, in use from the next start (the windows exist already).
    auto *labelSprache = new QLabel(tr("Sp&rache (ab dem nächsten Start):"), PanelSeiStad);
    Setze(labelSprache, 24, 58, 310, 32);
    ComboBoxSprache = new QComboBox(PanelSeiStad);
    ComboBoxSprache->addItems({QStringLiteral("Deutsch"), QStringLiteral("English")});
    ComboBoxSprache->setCurrentIndex(AktuelleSprache() == Sprache::Englisch ? 1 : 0);
    Setze(ComboBoxSprache, 336, 58, 124, 32);
    labelSprache->setBuddy(ComboBoxSprache);
    ComboBoxSprache->setAccessibleName(tr("Sprache ab dem nächsten Start"));
    connect(ComboBoxSprache, &QComboBox::activated, this, [](int i) {
        Einstellungen e = EinstellungenLaden();
        e.sprache = SprachKuerzel(i == 1 ? Sprache::Englisch : Sprache::Deutsch);
        EinstellungenSpeichern(e);
    });

    FaerbePanele();
    PanelTexte->hide();
    PanelSeiStad->hide();
}

void TFormInfo::FaerbePanele()
{
    for (Panel *p : {PanelVorwort, PanelInhalte, PanelInfos, PanelEinstellungen})
        p->setFarbe(0xF49E35);
    PanelTexte->setFarbe(0x00C118);
    PanelSeiStad->setFarbe(0x00C118);
    PanelRichedit->setFarbe(0xAEFFB9);
    RichEditInfo->setHintergrund(0xAEFFB9);
}

void TFormInfo::SeitenKnopfClick(int seite)
{
    if (InfoSeite >= 0 && InfoSeite < 9)
        BitBtnInfo[InfoSeite]->setGlyph(GlyphBild(Glyphe::Neutral));
    InfoSeite = seite;
    Buttonaktualisieren();
    SchreibeInfo();
}

void TFormInfo::ZeigeSeite(int seite)
{
    const bool schonOffen = isVisible();
    InfoSeite = std::clamp(seite, 0, 8);
    FensterOeffnen(this);
    // Already open: it is only brought to the front, and no showing writes the page.
    if (schonOffen) {
        Buttonaktualisieren();
        SchreibeInfo();
    }
}

void TFormInfo::Buttonaktualisieren()
{
    for (int n = 0; n < 9; ++n)
        BitBtnInfo[n]->setEnabled(n != InfoSeite);
}

void TFormInfo::SchreibeInfo()
{
    PanelTexte->setVisible(InfoSeite == 7);
    PanelSeiStad->setVisible(InfoSeite == 8);
    // The text ends above the settings panel of pages 7 and 8, so all of it can be scrolled into view.
    int unten = PanelRichedit->height() - 8;
    if (InfoSeite == 7)
        unten = PanelTexte->y() - 8;
    else if (InfoSeite == 8)
        unten = PanelSeiStad->y() - 8;
    RichEditInfo->resize(RichEditInfo->width(), unten - RichEditInfo->y());
    const int seite = std::clamp(InfoSeite, 0, 8);
    // The text page names the text directory in use (common/einstellungen).
    SchreibeMarkup(RichEditInfo,
                   TextverzeichnisEinsetzen(LadeText(QStringLiteral(":/texte/guide/info%1.txt").arg(seite))),
                   StilInfo());
}

void TFormInfo::RichEditPfadExit()
{
    // Blanks at both ends are typing slips; blanks inside belong to the folder's name.
    QString pfad = RichEditPfad->text().trimmed();
    while (pfad.size() > 1 && (pfad.endsWith(QLatin1Char('/')) || pfad.endsWith(QLatin1Char('\\'))))
        pfad = pfad.chopped(1).trimmed();
    RichEditPfad->setText(pfad);
    pfadAngewendet_ = pfad;
    TextPfad = pfad.isEmpty() || pfad.endsWith(QLatin1Char('/')) ? pfad : pfad + QLatin1Char('/');
    PortraitsNeuLaden();
    if (!pfad.isEmpty() && !QFileInfo(pfad).isDir())
        PfadFehlerMelden();
}

void TFormInfo::PfadFehlerMelden()
{
    if (ProgrammEndet || TextPfad.isEmpty() || QFileInfo(TextPfad).isDir())
        return;  // the program ends, or the directory is there (again)
    // The click that left the entry ends first: a box now would swallow its release.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(20, this, &TFormInfo::PfadFehlerMelden);
        return;
    }
    Meldung(this, MeldungsTyp::Fehler, tr("Dieses Verzeichnis existiert nicht! (Schreibfehler?)"),
            MeldungsKnopf::Wiederholen);
}

void TFormInfo::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    RichEditPfad->setText(TextPfad);
    pfadAngewendet_ = TextPfad;
    Buttonaktualisieren();
    SchreibeInfo();
}

void TFormInfo::hideEvent(QHideEvent *e)
{
    // Closed (also with Esc or the close box) while the entry still had the focus.
    if (focusWidget() == RichEditPfad && RichEditPfad->text() != pfadAngewendet_)
        RichEditPfadExit();
    QWidget::hideEvent(e);
}

bool TFormInfo::eventFilter(QObject *objekt, QEvent *e)
{
    if (objekt == RichEditPfad && e->type() == QEvent::FocusOut && RichEditPfad->text() != pfadAngewendet_) {
        // The changed entry is left for another control of this window; its context menu
        // and a switch to another window leave it as it is.
        const Qt::FocusReason grund = static_cast<QFocusEvent *>(e)->reason();
        if (grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason) {
            RichEditPfadExit();
            if (InfoSeite == 7)
                SchreibeInfo();  // its text names the directory now in use
        }
    }
    return QWidget::eventFilter(objekt, e);
}
