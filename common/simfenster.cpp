#include "simfenster.h"

#include "bild.h"
#include "canvas.h"
#include "export.h"
#include "richtext.h"
#include "zugang.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QShowEvent>
#include <QProgressBar>
#include <QTimer>

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

namespace {
// Watches a window's controls: when one is shown, hidden, moved or resized while the window
// is open (another mode of the window), the window is fitted to the screen again, once,
// after the events in hand. A fitted window moves nothing more, so this comes to rest.
class Einpasser : public QObject {
public:
    Einpasser(QWidget *fenster, const QList<QWidget *> &beobachtet, std::function<void()> einpassen)
        : QObject(fenster), fenster_(fenster), einpassen_(std::move(einpassen))
    {
        setObjectName(QStringLiteral("Einpasser"));
        for (QWidget *w : beobachtet)
            w->installEventFilter(this);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        const QEvent::Type t = e->type();
        if ((t == QEvent::Show || t == QEvent::Hide || t == QEvent::Move || t == QEvent::Resize) && !geplant_) {
            geplant_ = true;
            QTimer::singleShot(0, this, [this] {
                geplant_ = false;
                if (fenster_->isVisible())
                    einpassen_();
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    QWidget *fenster_;
    std::function<void()> einpassen_;
    bool geplant_ = false;
};
}  // namespace

SimFenster::SimFenster(const QString &caption, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(caption);
    laufObjekt_.beiEnde = [this] {
        LaufBeendet();
        if (isHidden())
            BilderZurueckgeben();  // the last frame of a run stopped by the hide drew again
    };
    SetzeFarbe(this, FarbeHintergrund);
    SetzeSchrift(this, QStringLiteral("Trebuchet MS"), 10, true);
    FarbeZeichengrund = FarbeHintergrund;

    BitBtnZurueck = new BitBtn(tr("&zurück zum Text"), this, BitBtn::Art::Abbrechen);
    BitBtnZurueck->setGlyph(GlyphBild(Glyphe::Zurueck));
    SetzeSchrift(BitBtnZurueck, QStringLiteral("Trebuchet MS"), 12, true);
    Setze(BitBtnZurueck, ZurueckLinks, ZurueckOben, ZurueckBreite, ZurueckHoehe);
    connect(BitBtnZurueck, &QPushButton::clicked, this, [this] { BitBtnZurueckClick(); });

    new FensterExport(this);  // PNG and CSV export of the pictures and values
}

SimFenster::~SimFenster() = default;

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

    BitBtnStop = new BitBtn(tr("&unterbrechen"), eltern);
    BitBtnStop->setGlyph(GlyphBild(Glyphe::Pause));
    BitBtnStop->setEnabled(false);
    connect(BitBtnStop, &QPushButton::clicked, this, [this] { BitBtnStopClick(); });
}

void SimFenster::ErzeugeTempo(QWidget *eltern, int min, int max, int position, bool skalaOben)
{
    TrackBarTempo = new TrackBar(Qt::Horizontal, eltern);
    TrackBarTempo->setBereich(min, max, position);
    TrackBarTempo->setSkala({{min, tr("langsam")}, {max, tr("schnell")}}, skalaOben);
    UpDownTempo = new UpDown(eltern);
    UpDownTempo->setBereich(min, max, position);
    TrackBarTempo->setAccessibleName(tr("Tempo"));
    UpDownTempo->setAccessibleName(tr("Tempo"));
    Verzoegerung = VerzoegerungAusTempo(position, max);
    connect(TrackBarTempo, &QSlider::valueChanged, this, [this] { TrackBarTempoChange(); });
    connect(UpDownTempo, &UpDown::geklickt, this, [this] { UpDownTempoClick(); });
}

void SimFenster::TempoSetzen(int y, int breite, int hoehe)
{
    TrackBarTempo->setTickPosition(QSlider::TicksBelow);
    TrackBarTempo->setTickInterval(1);
    Setze(TrackBarTempo, 8, y, breite - 22, hoehe);
    Setze(UpDownTempo, 8 + breite - 20, y, 20, hoehe);
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
    t.edit->setAccessibleName(OhneMarken(caption));
    if (&t == &Ergebnis) {
        t.edit->setHintergrund(0xBFFFFF);  // light yellow, also behind a teacher's file
        t.panel->setToolTip(tr("Verschwindet mit Mausklick"));
    }
    t.loeschen = new QPushButton(tr("Text &löschen"), t.panel);
    SetzeSchrift(t.loeschen, QStringLiteral("Trebuchet MS"), 8, false);
    connect(t.loeschen, &QPushButton::clicked, t.panel, &QWidget::hide);
    connect(t.panel, &Panel::geklickt, this, [this, &t] { TafelVerbergen(t); });
    connect(t.edit, &RichEdit::mausLosgelassen, this, [this, &t] { TafelVerbergen(t); });
    if (mitNeuBox) {
        t.neu = new QCheckBox(tr("Diesen Text neu erstellen"), t.panel);
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
            BitBtnStop->setText(tr("&unterbrechen"));
    }
}

void SimFenster::BitBtnLichtClick()
{
    AnAusSchalten(!an);
    Vorbereiten();
    pause = false;
    if (!an) {
        LaufStoppen();
        return;
    }
    LaufStarten();
}

void SimFenster::LaufStarten(std::function<Ablauf()> machen)
{
    if (ProgrammEndet) {  // a start asked for as the program ends: the lamp stays off
        if (an)
            AnAusSchalten(false);
        return;
    }
    if (!machen)
        machen = [this] { return Simulation(); };
    pause = false;
    laufObjekt_.Starten(std::move(machen));
}

Ablauf SimFenster::Luftholen()
{
    if (Takt::Aktuell().Atempause())
        co_await Warte(0);
}

Ablauf SimFenster::MitRechenTafel(Panel *tafel, QProgressBar *balken, std::function<bool()> schritt)
{
    balken->setValue(0);
    tafel->show();
    tafel->raise();
    while (!Gestoppt() && schritt())
        co_await Luftholen();
    tafel->hide();
}

void SimFenster::LaufBeendet()
{
    pause = false;
    if (BitBtnStop)
        BitBtnStop->setText(tr("&unterbrechen"));
    if (an)
        AnAusSchalten(false);
    if (BitBtnErgebnis)
        BitBtnErgebnis->setEnabled(true);
}

void SimFenster::BitBtnStopClick()
{
    pause = !pause;
    if (BitBtnStop)
        BitBtnStop->setText(pause ? tr("&Weiter") : tr("&unterbrechen"));
    laufObjekt_.Pausieren(pause);  // the run holds in its waits while paused
}

void SimFenster::BitBtnZurueckClick()
{
    LaufStoppen();
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

void SimFenster::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    if (e->spontaneous())
        return;
    LaufStoppen();
    BilderZurueckgeben();
    // A hidden window keeps no native window: its backing store (a buffer of the window's
    // full size) is returned, and the next show makes both anew.
    QTimer::singleShot(0, this, [this] {
        if (isHidden() && testAttribute(Qt::WA_WState_Created))
            destroy(true, false);
    });
}

void SimFenster::BilderZurueckgeben()
{
    if (!freigebbar_)
        return;
    for (Bild *b : findChildren<Bild *>())
        b->freigeben();
    bilderGezeichnet_ = false;
}

void SimFenster::BilderBereitstellen()
{
    if (bilderGezeichnet_)
        return;
    bilderGezeichnet_ = true;
    BilderZeichnen();
}

void SimFenster::BildBeschreiben(Bild *bild, const QString &name, std::function<QString()> was)
{
    bild->setAccessibleName(name);
    bild->setBeschreibung([this, was = std::move(was)] {
        const QString lauf = LaufZustand();
        const QString text = was();
        return lauf.isEmpty() ? text : text.isEmpty() ? lauf : text + QLatin1Char(' ') + lauf;
    });
}

QString SimFenster::LaufZustand() const
{
    if (!LaufAktiv())
        return {};
    return pause ? tr("Der Ablauf ist angehalten.") : tr("Der Ablauf läuft.");
}

void SimFenster::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    if (TrackBarTempo)
        Verzoegerung = VerzoegerungAusTempo(TrackBarTempo->Position(), TrackBarTempo->Max());
    BilderBereitstellen();
    FormActivate();
    SpaltenEinpassen();
    ZurueckEinpassen();
    NamenVergeben(this);
    if (!findChild<QObject *>(QStringLiteral("Einpasser"), Qt::FindDirectChildrenOnly)) {
        TabFolgeSetzen();
        // a control shown or placed later (another mode of the window) is fitted in as well
        QList<QWidget *> beobachtet;
        for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w != BitBtnZurueck && !w->isWindow() && w != Hinweis.panel && w != Ergebnis.panel && w != PanelDatum)
                beobachtet.append(w);
        new Einpasser(this, beobachtet, [this] {
            SpaltenEinpassen();
            ZurueckEinpassen();
            NamenVergeben(this);
        });
    }
}

namespace {
// One column: the controls in it move up, the gaps between them shrink alike, and where
// that is not enough the panels' own gaps shrink too, so that it ends at unten.
void SpalteEinpassen(QList<QWidget *> spalte, int unten)
{
    std::sort(spalte.begin(), spalte.end(), [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    // two alternatives in one place move as one
    QList<QPair<QWidget *, QWidget *>> gefolgt;  // (follower, leader)
    for (qsizetype i = spalte.size() - 1; i > 0; --i)
        for (qsizetype j = 0; j < i; ++j)
            if (spalte[j]->geometry() == spalte[i]->geometry()) {
                gefolgt.append(qMakePair(spalte[i], spalte[j]));
                spalte.removeAt(i);
                break;
            }
    const int oben = spalte.first()->y();
    const auto hoehen = [&] {
        int summe = 0;
        for (const QWidget *w : spalte)
            summe += w->height();
        return summe;
    };
    const int n = int(spalte.size());
    const int fehlt = hoehen() + 4 * (n - 1) - (unten - oben);
    if (fehlt > 0) {
        int spiel = 0;
        for (const QWidget *w : spalte)
            spiel += qobject_cast<const Panel *>(w) ? Spielraum(w) : 0;
        for (QWidget *w : spalte)
            if (spiel > 0 && qobject_cast<Panel *>(w))
                Stauchen(w, w->height() - std::min(Spielraum(w), (fehlt * Spielraum(w) + spiel - 1) / spiel));
    }
    std::vector<int> luecken;
    int summe = 0;
    for (int i = 1; i < n; ++i) {
        luecken.push_back(std::max(0, spalte[i]->y() - spalte[i - 1]->y() - spalte[i - 1]->height()));
        summe += luecken.back();
    }
    const double f = summe > 0 ? std::clamp(double(unten - oben - hoehen()) / summe, 0.0, 1.0) : 0.0;
    int y = oben;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            y += int(luecken[std::size_t(i - 1)] * f);
        spalte[i]->move(spalte[i]->x(), y);
        y += spalte[i]->height();
    }
    for (const auto &[folger, fuehrer] : gefolgt)
        folger->setGeometry(fuehrer->geometry());
}
}  // namespace

void SimFenster::SpaltenEinpassen()
{
    const int unten = BildschirmHoehe - 8;
    QList<QWidget *> alle, kinder;  // all visible ones; the controls among them (pictures stay)
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != BitBtnZurueck && !w->isWindow() && w->isVisibleTo(this) && w != Hinweis.panel &&
            w != Ergebnis.panel && w != PanelDatum) {
            alle.append(w);
            if (!qobject_cast<Bild *>(w))
                kinder.append(w);
        }
    // a control covering another (not one in the same place: two alternatives)
    auto bedeckt = [&](const QWidget *w) {
        for (const QWidget *v : kinder)
            if (v != w && v->geometry() != w->geometry() && v->geometry().adjusted(1, 1, -1, -1).intersects(w->geometry()))
                return true;
        return false;
    };
    for (QWidget *w : kinder) {
        if ((w->y() + w->height() <= unten && !bedeckt(w)) || w->height() >= unten)
            continue;
        QList<QWidget *> spalte;
        for (QWidget *v : kinder)
            if (v->x() < w->x() + w->width() && w->x() < v->x() + v->width())
                spalte.append(v);
        SpalteEinpassen(spalte, unten);
    }
    // what still leaves the screen goes to the nearest free place
    const QRect schirm(0, 0, BildschirmBreite, BildschirmHoehe);
    for (QWidget *w : kinder) {
        if (schirm.contains(w->geometry()))
            continue;
        QList<QRect> belegt;
        for (const QWidget *v : alle)
            if (v != w)
                belegt.append(v->geometry());
        const QRect ort = FreierPlatz(w->geometry(), belegt, schirm, w->height());
        if (!ort.isEmpty())
            w->move(ort.topLeft());
    }
}

void SimFenster::TabFolgeSetzen()
{
    // the widest picture divides the left column from the right one
    const Bild *bild = nullptr;
    for (const Bild *b : findChildren<Bild *>(Qt::FindDirectChildrenOnly))
        if (!bild || b->width() * b->height() > bild->width() * bild->height())
            bild = b;
    const int mitte = bild ? bild->geometry().center().x() : width() / 2;
    const int links = bild ? bild->x() : mitte;
    const int rechts = bild ? bild->geometry().right() : mitte;
    struct Eintrag {
        QWidget *w;
        int spalte;  // 0 left column, 1 the pictures' part, 2 right column, 3 back button
        QPoint ort;
    };
    QList<Eintrag> folge;
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w->isWindow() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        QWidget *oben = w;  // the window's direct child holding w
        bool vertreter = false;  // w stands in for a control (its focus proxy)
        for (QWidget *p = w->parentWidget(); p && p != this; p = p->parentWidget()) {
            vertreter = vertreter || p->focusProxy() == w;
            oben = p;
        }
        if (vertreter)
            continue;
        const QRect r = oben->geometry();
        const int spalte = w == BitBtnZurueck ? 3
                           : qobject_cast<Bild *>(oben) || (r.left() >= links && r.right() <= rechts) ? 1
                           : r.center().x() < mitte ? 0
                                                    : 2;
        folge.append({w, spalte, w->mapTo(this, QPoint(0, 0))});
    }
    std::stable_sort(folge.begin(), folge.end(), [](const Eintrag &a, const Eintrag &b) {
        if (a.spalte != b.spalte)
            return a.spalte < b.spalte;
        if (a.ort.y() != b.ort.y())
            return a.ort.y() < b.ort.y();
        return a.ort.x() < b.ort.x();
    });
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1].w, folge[i].w);
    // Qt leaves a control that stood first after the window in front when it is to follow the
    // one now last; put behind the last but one, and that one moved in front of it, it is last.
    if (folge.size() > 2) {
        setTabOrder(folge[folge.size() - 3].w, folge.last().w);
        setTabOrder(folge[folge.size() - 3].w, folge[folge.size() - 2].w);
    }
}

void SimFenster::ZurueckEinpassen()
{
    if (!BitBtnZurueck)
        return;
    if (!zurueckOrt_.isValid())
        zurueckOrt_ = BitBtnZurueck->geometry();  // the place the window gave it
    const QRect schirm(0, 0, BildschirmBreite, BildschirmHoehe);
    QList<QWidget *> kinder;
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != BitBtnZurueck && !w->isWindow() && w->isVisibleTo(this) && w != Hinweis.panel &&
            w != Ergebnis.panel && w != PanelDatum)
            kinder.append(w);
    auto platz = [&] {
        QList<QRect> belegt;
        for (const QWidget *w : kinder)
            belegt.append(w->geometry());
        return FreierPlatz(zurueckOrt_, belegt, schirm);
    };
    QRect ort = platz();
    if (ort.isEmpty()) {
        // no room: the column under the button's place closes up over a low button's row
        QList<QWidget *> spalte;
        for (QWidget *w : kinder)
            if (!qobject_cast<Bild *>(w) && w->x() < zurueckOrt_.right() && zurueckOrt_.left() < w->x() + w->width())
                spalte.append(w);
        if (!spalte.isEmpty())
            SpalteEinpassen(spalte, BildschirmHoehe - 8 - 34 - 8);
        ort = platz();
    }
    if (!ort.isEmpty())
        Setze(BitBtnZurueck, ort.left(), ort.top(), ort.width(), ort.height());
}

QRect FreierPlatz(const QRect &wunsch, const QList<QRect> &belegt, const QRect &schirm, int mindesthoehe)
{
    auto frei = [&](const QRect &r) {
        if (!schirm.contains(r))
            return false;
        for (const QRect &b : belegt)
            if (b.adjusted(-4, -4, 4, 4).intersects(r))
                return false;
        return true;
    };
    if (frei(wunsch))
        return wunsch;
    // the free place nearest the wished one, lower ones cost more, on a grid of 4 px
    QRect bester;
    long long kosten = -1;
    const int b = wunsch.width();
    for (int h = wunsch.height(); h >= std::min(mindesthoehe, wunsch.height()); h -= 4) {
        for (int y = schirm.bottom() + 1 - 8 - h; y >= schirm.top(); y -= 4) {
            for (int x = schirm.right() + 1 - 8 - b; x >= schirm.left(); x -= 4) {
                const long long k = std::abs(x - wunsch.left()) + std::abs(y + h - wunsch.top() - wunsch.height()) +
                                    4LL * (wunsch.height() - h);
                if ((kosten < 0 || k < kosten) && frei(QRect(x, y, b, h))) {
                    kosten = k;
                    bester = QRect(x, y, b, h);
                }
            }
        }
    }
    return bester;
}

void SimFenster::closeEvent(QCloseEvent *e)
{
    LaufStoppen();
    FormClose();
    e->accept();
}
