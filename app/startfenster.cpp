#include "startfenster.h"


#include "bild.h"
#include "canvas.h"
#include "infofenster.h"
#include "portrait.h"
#include "simfenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace {
// In reveal order; names and dates come from the physicists' table.
const char *const portraitListe[PortraitAnzahl] = {"Planck", "Einstein",  "Franck",     "GHertz",
                                                   "Bohr",   "DeBroglie", "Heisenberg", "Schroedinger"};
}  // namespace

TFormMain::TFormMain(QSize monitor, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Quantenpfad"));
    SetzeSchrift(this, QStringLiteral("Trebuchet MS"), 11, true);

    // Measure the monitor; the screen-size function sets fonts and layout for all windows.
    if (monitor.isEmpty())
        monitor = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry().size();
    geo_ = BerechneStartgeometrie(monitor.width(), monitor.height());
    BildschirmBreite = geo_.breite;
    BildschirmHoehe = geo_.hoehe;
    Bildschirmeinteilung(BildschirmBreite, BildschirmHoehe);

    SetzeFarbe(this, FarbeHintergrund);
    TextPfad = QDir::currentPath() + QStringLiteral("/QuantenTexte/");

    PanelButtons = new Panel(this, Panel::Rand::Gesenkt);
    PanelButtons->setFarbe(FarbeHintergrund);
    PanelButtons->setGeometry(geo_.knoepfe);
    connect(PanelButtons, &Panel::geklickt, this, &TFormMain::FormClick);

    ImageTitel = new Bild(this);
    ImageTitel->setGeometry(geo_.titel);
    ImageTitel->ladeBild(
        Titelbild(geo_.titel.width(), geo_.titel.height(), FarbeHintergrund, SchriftGross, ImageTitel->skala()));
    connect(ImageTitel, &Bild::geklickt, this, &TFormMain::FormClick);
    ImageTitel->setAccessibleName(tr("Titelbild „Quantenpfad“"));

    for (int k = 0; k < PortraitAnzahl; ++k) {
        auto *p = new Panel(this, Panel::Rand::Gesenkt);
        p->setFarbe(FarbeHintergrund);
        p->setGeometry(geo_.portrait[k]);
        const QString kurz = QString::fromLatin1(portraitListe[k]);
        const Physiker *physiker = PhysikerVon(kurz);
        const QString name = physiker ? QString::fromUtf8(physiker->name) : kurz;
        if (physiker)
            p->setToolTip(name);
        auto *bild = new Bild(p);
        const QSize innen = geo_.portrait[k].size() - QSize(8, 8);
        Setze(bild, 4, 4, innen.width(), innen.height());
        bild->setAccessibleName(tr("Porträt von %1").arg(name));
        const QString lebensdaten = physiker ? QString::fromUtf8(physiker->lebensdaten) : QString();
        bild->setBeschreibung([name, lebensdaten] {
            return lebensdaten.isEmpty() ? name + QLatin1Char('.') : QStringLiteral("%1 (%2).").arg(name, lebensdaten);
        });
        bild->setStretch(true);
        PortraitZeigen(bild, kurz, innen.width(), innen.height());
        p->hide();
        Portraits[k] = p;
    }

    PanelAutor = new Panel(PanelButtons);
    PanelAutor->setFarbe(0xFC981D);
    PanelAutor->setCursor(Qt::PointingHandCursor);
    const double f = geo_.knopfFaktor;
    Setze(PanelAutor, 8, int(40 * f), 201, 81);
    PanelAutor1 = new Panel(PanelAutor, Panel::Rand::Keiner);
    PanelAutor1->setFarbe(0xFC981D);
    PanelAutor1->setCaption(QStringLiteral("Quantenpfad"));
    SetzeSchrift(PanelAutor1, QStringLiteral("Trebuchet MS"), 14, true);
    Setze(PanelAutor1, 4, 8, 193, 32);
    PanelAutor2 = new Panel(PanelAutor, Panel::Rand::Keiner);
    PanelAutor2->setFarbe(0xFC981D);
    PanelAutor2->setCaption(tr("Freie Software · GPL 3"));
    PanelAutor2->setToolTip(tr("GNU General Public License, Version 3 oder jede spätere Version"));
    SetzeSchrift(PanelAutor2, QStringLiteral("Trebuchet MS"), 11, true);
    Setze(PanelAutor2, 4, 42, 193, 28);

    auto knopf = [this, f](const QString &text, int oben, int hoehe, Glyphe g, BitBtn::Art art = BitBtn::Art::Normal) {
        auto *b = new BitBtn(text, PanelButtons, art);
        b->setGlyph(GlyphBild(g));
        Setze(b, 8, int(oben * f), 201, std::max(28, int(hoehe * f)));
        return b;
    };
    BitBtnProgramm = knopf(tr("&Inhalt"), 192, 57, Glyphe::Info);
    // "&Inhalt" has the I already.
    BitBtnInfo = knopf(tr("Info zum &Programm"), 256, 57, Glyphe::Info);
    BitBtnText = knopf(tr("&Texte, Einstellungen"), 320, 41, Glyphe::Info);
    BitBtnStart = knopf(tr("&Auf geht’s!"), 424, 105, Glyphe::Start, BitBtn::Art::Standard);
    BitBtnStart->setToolTip(tr("Hochdeutsch: lasset uns beginnen"));
    SetzeSchrift(BitBtnStart, QStringLiteral("Trebuchet MS"), 16, true);
    BitBtnEnde = knopf(tr("Programm &Ende"), 584, 81, Glyphe::Ende, BitBtn::Art::Abbrechen);
    connect(BitBtnProgramm, &QPushButton::clicked, this, &TFormMain::BitBtnProgrammClick);
    connect(BitBtnInfo, &QPushButton::clicked, this, &TFormMain::BitBtnInfoClick);
    connect(BitBtnText, &QPushButton::clicked, this, &TFormMain::BitBtnTextClick);
    connect(BitBtnStart, &QPushButton::clicked, this, &TFormMain::BitBtnStartClick);
    connect(BitBtnEnde, &QPushButton::clicked, this, &TFormMain::BitBtnEndeClick);

    // the portraits exist now: the title's description counts those revealed
    ImageTitel->setBeschreibung([this] {
        const auto gezeigt = std::count_if(Portraits.begin(), Portraits.end(), [](Panel *p) { return !p->isHidden(); });
        if (gezeigt == PortraitAnzahl)
            return tr("Der Name des Programms, „Quantenpfad“, in roter Schrift vor grauen Ringen um die Mitte; "
                      "ringsum die Porträts von %1 Physikern der Quantenphysik.")
                .arg(PortraitAnzahl);
        if (gezeigt == 0)
            return tr("Der Name des Programms, „Quantenpfad“, in roter Schrift vor grauen Ringen um die Mitte; "
                      "die Porträts ringsum sind noch verdeckt. Ein Klick deckt alle Porträts auf.");
        return tr("Der Name des Programms, „Quantenpfad“, in roter Schrift vor grauen Ringen um die Mitte; "
                  "ringsum sind %1 von %2 Porträts aufgedeckt. Ein Klick deckt alle Porträts auf.")
            .arg(gezeigt)
            .arg(PortraitAnzahl);
    });

    ticks_ = 0;
    Timer1.Starten([this] { return Enthuellen(); });
}

Ablauf TFormMain::Enthuellen()
{
    while (ticks_ < 10) {
        co_await Timer1.Warte(250);
        if (Timer1.Stopp())
            co_return;
        Timer1Timer();
    }
}

void TFormMain::Timer1Timer()
{
    if (ticks_ >= 10)
        return;
    ++ticks_;
    if (ticks_ >= 3 && ticks_ <= 10)
        Portraits[ticks_ - 3]->show();
    if (ticks_ >= 10)
        Timer1.Stoppen();
}

void TFormMain::FormClick()
{
    for (Panel *p : Portraits)
        p->show();
    Timer1.Stoppen();
}

void TFormMain::InfoOeffnen(int seite)
{
    FormClick();
    if (auto *info = FensterVon<TFormInfo>())
        info->ZeigeSeite(seite);
}

void TFormMain::BitBtnProgrammClick() { InfoOeffnen(1); }
void TFormMain::BitBtnInfoClick() { InfoOeffnen(4); }
void TFormMain::BitBtnTextClick() { InfoOeffnen(7); }

void TFormMain::BitBtnStartClick()
{
    FormClick();
    FensterOeffnen(FensterVon(FensterNr::Guide));
}

void TFormMain::BitBtnEndeClick()
{
    Timer1.Stoppen();
    close();
}

void TFormMain::mousePressEvent(QMouseEvent *e)
{
    QWidget::mousePressEvent(e);
    FormClick();
}

void TFormMain::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    ImageTitel->show();
    BitBtnStart->setFocus();  // Enter starts the guide
}

void TFormMain::closeEvent(QCloseEvent *e)
{
    Timer1.Stoppen();
    ProgrammEndet = true;
    for (QWidget *w : AlleFenster())
        if (w != this)
            w->hide();
    Lauf::AlleAbbrechen();  // no run outlives the program's end
    e->accept();
    QCoreApplication::quit();
}
