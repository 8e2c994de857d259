#include "simfenster.h"

#include "canvas.h"
#include "export.h"
#include "richtext.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QShowEvent>

// ---- window registry ------------------------------------------------------------------

namespace {
QList<QPair<QString, QWidget *>> &verzeichnis()
{
    static QList<QPair<QString, QWidget *>> v;
    return v;
}
}  // namespace

void FensterAnmelden(const QString &klasse, QWidget *fenster) { verzeichnis().append({klasse, fenster}); }

QWidget *FensterVon(const QString &klasse)
{
    for (const auto &[name, w] : verzeichnis())
        if (name == klasse)
            return w;
    return nullptr;
}

QList<QWidget *> AlleFenster()
{
    QList<QWidget *> liste;
    for (const auto &eintrag : verzeichnis())
        liste.append(eintrag.second);
    return liste;
}

void FensterEntfernen(QWidget *fenster)
{
    verzeichnis().removeIf([fenster](const auto &e) { return e.second == fenster; });
}

void FensterOeffnen(QWidget *fenster)
{
    if (!fenster)
        return;
    fenster->showMaximized();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {  // it has no stacking
        fenster->raise();
        fenster->activateWindow();
    }
}

// ---- glyphs ---------------------------------------------------------------------------

QIcon GlyphBild(Glyphe g)
{
    static QHash<int, QIcon> vorrat;
    if (auto it = vorrat.constFind(int(g)); it != vorrat.constEnd())
        return *it;
    const TColor hinten = 0xFF00FF;  // transparent key
    QImage bild(24, 24, QImage::Format_RGB32);
    Canvas c(&bild);
    c.brush.color = hinten;
    c.fillRect(0, 0, 24, 24);
    c.pen.color = 0x000000;
    auto birne = [&](TColor glas) {
        c.brush.color = glas;
        c.ellipse(5, 1, 19, 15);
        c.brush.color = 0x909090;
        c.rectangle(9, 15, 15, 21);
        c.moveTo(9, 17);
        c.lineTo(15, 17);
        c.moveTo(9, 19);
        c.lineTo(15, 19);
    };
    auto buch = [&](bool offen) {
        c.brush.color = 0x2060C0;
        if (offen) {
            c.brush.color = 0xFFFFFF;
            c.polygon({{1, 5}, {11, 7}, {11, 21}, {1, 19}});
            c.polygon({{12, 7}, {22, 5}, {22, 19}, {12, 21}});
            for (int y = 10; y <= 16; y += 3) {
                c.moveTo(3, y);
                c.lineTo(10, y + 1);
                c.moveTo(14, y + 1);
                c.lineTo(21, y);
            }
        } else {
            c.rectangle(5, 2, 19, 22);
            c.brush.color = 0xFFFFFF;
            c.rectangle(7, 5, 17, 9);
        }
    };
    switch (g) {
    case Glyphe::HinweisOffen:
        birne(0x40F0FF);
        c.pen.color = 0x00C0FF;
        c.moveTo(1, 8);
        c.lineTo(4, 8);
        c.moveTo(20, 8);
        c.lineTo(23, 8);
        c.moveTo(12, 0);
        c.lineTo(12, 1);
        break;
    case Glyphe::HinweisZu:
        birne(0xC8C8C8);
        break;
    case Glyphe::BuchOffen:
        buch(true);
        break;
    case Glyphe::BuchZu:
        buch(false);
        break;
    case Glyphe::Zurueck:
    case Glyphe::Ende:
        c.brush.color = g == Glyphe::Ende ? 0x2020D0 : 0x30A030;
        c.polygon({{2, 12}, {12, 3}, {12, 8}, {22, 8}, {22, 16}, {12, 16}, {12, 21}});
        break;
    case Glyphe::Licht:
        c.brush.color = 0x00E0FF;
        c.ellipse(4, 4, 20, 20);
        break;
    case Glyphe::Pause:
        c.brush.color = 0x404040;
        c.rectangle(6, 4, 10, 20);
        c.rectangle(14, 4, 18, 20);
        break;
    case Glyphe::Start:
        c.brush.color = 0x30B030;
        c.polygon({{20, 12}, {10, 3}, {10, 9}, {3, 9}, {3, 15}, {10, 15}, {10, 21}});
        break;
    case Glyphe::Info:
        c.brush.color = 0xC07020;
        c.ellipse(2, 2, 22, 22);
        c.font.name = QStringLiteral("DejaVu Serif");
        c.font.size = 11;
        c.font.bold = true;
        c.font.color = 0xFFFFFF;
        c.brush.style = PinselStil::Clear;
        c.textOut(12 - c.textWidth(QStringLiteral("i")) / 2, 12 - c.textHeight(QStringLiteral("i")) / 2,
                  QStringLiteral("i"));
        break;
    case Glyphe::Neutral:
        c.brush.color = 0xA0A0A0;
        c.ellipse(7, 7, 17, 17);
        break;
    }
    QImage mitAlpha = bild.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 24; ++y) {
        auto *zeile = reinterpret_cast<QRgb *>(mitAlpha.scanLine(y));
        for (int x = 0; x < 24; ++x)
            if (KlassischeFarbe(zeile[x]) == hinten)
                zeile[x] = 0;
    }
    QIcon icon(QPixmap::fromImage(mitAlpha));
    // Doubled by whole pixels for screens scaled by two, instead of smoothed.
    icon.addPixmap(QPixmap::fromImage(mitAlpha.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    vorrat.insert(int(g), icon);
    return icon;
}

// ---- text panels ----------------------------------------------------------------------

void TextTafel::setzeGeometrie(int links, int oben, int breite, int hoehe)
{
    Setze(panel, links, oben, breite, hoehe);
    Setze(edit, 8, 8, breite - 16, hoehe - 32);
    if (loeschen)
        Setze(loeschen, breite - 8 - 97, hoehe - 24, 97, 20);
    if (neu)
        Setze(neu, 8, hoehe - 24, 220, 20);
}

void TextTafel::schreiben()
{
    if (datei.isEmpty()) {
        edit->clear();
        if (selbst)
            selbst();
    } else {
        SchreibeTextOderDatei(edit, datei, selbst);
    }
}

bool TextTafel::sichtbar() const { return panel && panel->isVisible(); }

// ---- the frame ------------------------------------------------------------------------

SimFenster::SimFenster(const QString &caption, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(caption);
    SetzeFarbe(this, FarbeHintergrund);
    SetzeSchrift(this, QStringLiteral("Trebuchet MS"), 10, true);
    FarbeZeichengrund = FarbeHintergrund;

    BitBtnZurueck = new BitBtn(QStringLiteral("&zurück zum Text"), this, BitBtn::Art::Abbrechen);
    BitBtnZurueck->setGlyph(GlyphBild(Glyphe::Zurueck));
    SetzeSchrift(BitBtnZurueck, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(BitBtnZurueck, ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
    connect(BitBtnZurueck, &QPushButton::clicked, this, [this] { BitBtnZurueckClick(); });

    new FensterExport(this);  // PNG and CSV export of the pictures and values
}

SimFenster::~SimFenster()
{
    FensterEntfernen(this);
}

Panel *SimFenster::ErzeugeTitel(const QString &text, int links, int oben, int breite, int hoehe)
{
    PanelTitel = new Panel(this);
    PanelTitel->setFarbe(FarbeTitel);
    PanelTitel->setCaption(text);
    SetzeSchrift(PanelTitel, QStringLiteral("Trebuchet MS"), SchriftGross, true);
    Setze(PanelTitel, links, oben, breite, hoehe);
    return PanelTitel;
}

Panel *SimFenster::ErzeugeDatum(const QString &datum)
{
    PanelDatum = new Panel(this, Panel::Rand::Gesenkt);
    PanelDatum->setFarbe(FarbeHintergrund);
    PanelDatum->setTextFarbe(0xFFFFFF);
    PanelDatum->setCaption(datum);
    SetzeSchrift(PanelDatum, QStringLiteral("Trebuchet MS"), 8, false);
    Setze(PanelDatum, 0, 0, 73, 17);
    return PanelDatum;
}

void SimFenster::ErzeugeLaufsteuerung(QWidget *eltern, const QString &lichtCaption)
{
    PanelKontrolle = new Panel(eltern, Panel::Rand::Gesenkt);
    PanelKontrolle->setFarbe(0x0000FF);
    PanelKontrolle->setCursor(Qt::PointingHandCursor);
    connect(PanelKontrolle, &Panel::geklickt, this, [this] { BitBtnLichtClick(); });

    BitBtnLicht = new BitBtn(lichtCaption, eltern);
    BitBtnLicht->setGlyph(GlyphBild(Glyphe::Licht));
    connect(BitBtnLicht, &QPushButton::clicked, this, [this] { BitBtnLichtClick(); });

    BitBtnStop = new BitBtn(QStringLiteral("&unterbrechen"), eltern);
    BitBtnStop->setGlyph(GlyphBild(Glyphe::Pause));
    BitBtnStop->setEnabled(false);
    connect(BitBtnStop, &QPushButton::clicked, this, [this] { BitBtnStopClick(); });
}

void SimFenster::ErzeugeTempo(QWidget *eltern, int min, int max, int position, const QString &beschriftung)
{
    LabelTempo = new QLabel(beschriftung, eltern);
    TrackBarTempo = new TrackBar(Qt::Horizontal, eltern);
    TrackBarTempo->setBereich(min, max, position);
    UpDownTempo = new UpDown(eltern);
    UpDownTempo->setBereich(min, max, position);
    Verzoegerung = VerzoegerungAusTempo(position, max);
    connect(TrackBarTempo, &QSlider::valueChanged, this, [this] { TrackBarTempoChange(); });
    connect(UpDownTempo, &UpDown::geklickt, this, [this] { UpDownTempoClick(); });
}

void SimFenster::ErzeugeTafel(TextTafel &t, QWidget *knopfEltern, const QString &caption, const QString &datei,
                              std::function<void()> selbst, bool mitNeuBox, Glyphe offen, Glyphe zu)
{
    t.datei = datei;
    t.selbst = std::move(selbst);
    t.offen = GlyphBild(offen);
    t.zu = GlyphBild(zu);
    t.panel = new Panel(this);
    t.panel->hide();
    t.edit = new RichEdit(t.panel);
    if (&t == &Ergebnis) {
        t.edit->setHintergrund(0xBFFFFF);  // light yellow, also behind a teacher's file
        t.panel->setToolTip(QStringLiteral("Verschwindet mit Mausklick"));
    }
    t.loeschen = new QPushButton(QStringLiteral("Text &löschen"), t.panel);
    SetzeSchrift(t.loeschen, QStringLiteral("Trebuchet MS"), 8, false);
    connect(t.loeschen, &QPushButton::clicked, t.panel, &QWidget::hide);
    connect(t.panel, &Panel::geklickt, this, [this, &t] { TafelVerbergen(t); });
    connect(t.edit, &RichEdit::mausLosgelassen, this, [this, &t] { TafelVerbergen(t); });
    if (mitNeuBox) {
        t.neu = new QCheckBox(QStringLiteral("Diesen Text neu erstellen"), t.panel);
        SetzeSchrift(t.neu, QStringLiteral("Trebuchet MS"), 8, false);
        connect(t.neu, &QCheckBox::toggled, this, [&t](bool angekreuzt) {
            if (angekreuzt) {
                t.edit->clear();
                if (t.selbst)
                    t.selbst();
            } else {
                t.schreiben();
            }
        });
    }
    t.knopf = new BitBtn(caption, knopfEltern);
    t.knopf->setGlyph(t.zu);
    t.schreiben();
}

void SimFenster::ErzeugeHinweis(QWidget *knopfEltern, const QString &caption, const QString &datei,
                                std::function<void()> selbst, bool mitNeuBox)
{
    ErzeugeTafel(Hinweis, knopfEltern, caption, datei, std::move(selbst), mitNeuBox, Glyphe::HinweisOffen,
                 Glyphe::HinweisZu);
    BitBtnHinweis = Hinweis.knopf;
    connect(BitBtnHinweis, &QPushButton::clicked, this, [this] { BitBtnHinweisClick(); });
}

void SimFenster::ErzeugeErgebnis(QWidget *knopfEltern, const QString &caption, const QString &datei,
                                 std::function<void()> selbst, bool mitNeuBox)
{
    ErzeugeTafel(Ergebnis, knopfEltern, caption, datei, std::move(selbst), mitNeuBox, Glyphe::BuchOffen,
                 Glyphe::BuchZu);
    BitBtnErgebnis = Ergebnis.knopf;
    connect(BitBtnErgebnis, &QPushButton::clicked, this, [this] { BitBtnErgebnisClick(); });
}

void SimFenster::TafelUmschalten(TextTafel &eigene, TextTafel &andere)
{
    if (andere.panel) {
        andere.panel->hide();
        andere.knopf->setGlyph(andere.zu);
    }
    if (!eigene.panel)
        return;
    eigene.panel->setVisible(!eigene.panel->isVisible());
    if (eigene.panel->isVisible())
        eigene.panel->raise();
    eigene.knopf->setGlyph(eigene.panel->isVisible() ? eigene.offen : eigene.zu);
}

void SimFenster::BitBtnHinweisClick() { TafelUmschalten(Hinweis, Ergebnis); }
void SimFenster::BitBtnErgebnisClick() { TafelUmschalten(Ergebnis, Hinweis); }

void SimFenster::TafelVerbergen(TextTafel &t)
{
    t.panel->hide();
    if (t.knopf)
        t.knopf->setGlyph(t.zu);
}

// ---- run protocol ---------------------------------------------------------------------

void SimFenster::AnAusSchalten(bool ein)
{
    an = ein;
    if (PanelKontrolle)
        PanelKontrolle->setFarbe(ein ? 0x00FF00 : 0x0000FF);
    if (BitBtnStop) {
        BitBtnStop->setEnabled(ein);
        if (ein)
            BitBtnStop->setText(QStringLiteral("&unterbrechen"));
    }
}

void SimFenster::BitBtnLichtClick()
{
    Stopp = true;
    AnAusSchalten(!an);
    Vorbereiten();
    pause = false;
    if (!an)
        return;
    Stopp = false;
    Simulation();
    if (an)
        AnAusSchalten(false);
    Stopp = true;
    if (BitBtnErgebnis)
        BitBtnErgebnis->setEnabled(true);
}

void SimFenster::BitBtnStopClick()
{
    pause = !pause;
    if (BitBtnStop)
        BitBtnStop->setText(pause ? QStringLiteral("&Weiter") : QStringLiteral("&unterbrechen"));
    while (pause && !Stopp && an && !ProgrammEndet)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void SimFenster::BitBtnZurueckClick()
{
    Stopp = true;
    close();
}

int SimFenster::VerzoegerungAusTempo(int position, int max) const { return ZweiHoch(max - position) - 1; }

void SimFenster::TrackBarTempoChange()
{
    if (UpDownTempo)
        UpDownTempo->setPosition(TrackBarTempo->Position());
    Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
}

void SimFenster::UpDownTempoClick()
{
    if (TrackBarTempo)
        TrackBarTempo->setPosition(UpDownTempo->Position());
}

void SimFenster::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    if (TrackBarTempo)
        Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
    FormActivate();
}

void SimFenster::closeEvent(QCloseEvent *e)
{
    Stopp = true;
    FormClose();
    e->accept();
}
