// Readable in every window: the text of every visible control against the background it stands
// on, and every label drawn into a picture against the pixels under it, by the guideline's
// 4.5 : 1 (3 : 1 for large text, 18 pt or 14 pt bold).
#include "canvas.h"
#include "farbe.h"
#include "fensterliste.h"
#include "fensterregister.h"
#include "simfenster.h"
#include "testhilfen.h"
#include "trackbar.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSet>
#include <gtest/gtest.h>

#include <string>

namespace {

double Mindestkontrast(double punkte, bool fett) { return punkte >= 18 || (fett && punkte >= 14) ? 3.0 : 4.5; }

TColor Tc(const QColor &c) { return FarbeAusRgb(c.rgb()); }

// The colour a widget's text stands on: its own background where it fills it, else its parent's.
QColor Grund(const QWidget *w)
{
    for (const QWidget *p = w; p; p = p->parentWidget())
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(p->backgroundRole());
    return Qt::white;
}

struct Paar {
    QString text;
    QColor vorne, hinten;
};

// The text a control shows and the colours it is drawn in; none for a control without text.
std::optional<Paar> TextPaar(const QWidget *w)
{
    const QPalette &p = w->palette();
    if (auto *b = qobject_cast<const QPushButton *>(w); b && !b->text().isEmpty()) {
        // the face as drawn: above and below the caption, the one nearer the text's colour
        const QImage bild = const_cast<QPushButton *>(b)->grab().toImage();
        const QColor vorne = p.color(QPalette::ButtonText);
        const QColor oben = bild.pixelColor(bild.width() / 2, 4), unten = bild.pixelColor(bild.width() / 2, bild.height() - 5);
        const auto k = [&](const QColor &c) { return Kontrastverhaeltnis(Tc(vorne), Tc(c)); };
        return Paar{b->text(), vorne, k(oben) < k(unten) ? oben : unten};
    }
    if (auto *b = qobject_cast<const QAbstractButton *>(w); b && !b->text().isEmpty())
        return Paar{b->text(), p.color(w->foregroundRole()), Grund(w)};
    if (auto *g = qobject_cast<const QGroupBox *>(w); g && !g->title().isEmpty())
        return Paar{g->title(), p.color(QPalette::WindowText), Grund(w)};
    if (auto *l = qobject_cast<const QLabel *>(w); l && !l->text().trimmed().isEmpty() && !Qt::mightBeRichText(l->text()))
        return Paar{l->text(), p.color(w->foregroundRole()), Grund(w)};
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return Paar{e->text(), p.color(QPalette::Text), p.color(QPalette::Base)};
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return Paar{c->currentText(), p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    if (auto *pa = qobject_cast<const Panel *>(w); pa && !pa->caption().trimmed().isEmpty())
        return Paar{pa->caption(), p.color(QPalette::WindowText), QFarbe(pa->farbe())};
    return std::nullopt;
}

// The most frequent colour of the picture in the box (the background a label is drawn on).
TColor HaeufigsteFarbe(const Canvas &c, QRect box)
{
    box &= QRect(0, 0, c.width(), c.height());
    QMap<TColor, int> zahl;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ++zahl[c.pixel(x, y)];
    TColor beste = 0xFFFFFF;
    int n = -1;
    for (auto it = zahl.cbegin(); it != zahl.cend(); ++it)
        if (it.value() > n) {
            n = it.value();
            beste = it.key();
        }
    return beste;
}

class FensterKontrast : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FrischerZustand();
        ErzeugeAlleFenster(QSize(1280, 1024));
    }
    static void TearDownTestSuite()
    {
        for (QWidget *w : AlleFenster())
            delete w;
    }
};

}  // namespace

TEST_F(FensterKontrast, EveryControlsTextStandsOutFromItsBackground)
{
    for (QWidget *f : AlleFenster()) {
        FensterOeffnen(f);
        Ereignisse();
        QSet<QString> gemeldet;
        for (const QWidget *w : f->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(f) || !w->isEnabled() || w->isWindow())
                continue;
            const auto paar = TextPaar(w);
            if (!paar)
                continue;
            const double k = Kontrastverhaeltnis(Tc(paar->vorne), Tc(paar->hinten));
            if (k < Mindestkontrast(w->font().pointSizeF(), w->font().bold()) && !gemeldet.contains(paar->text)) {
                gemeldet.insert(paar->text);
                ADD_FAILURE() << f->metaObject()->className() << ": " << w->metaObject()->className() << " „"
                              << paar->text.toStdString() << "“ " << paar->vorne.name().toStdString() << " on "
                              << paar->hinten.name().toStdString() << ": " << k << " : 1";
            }
        }
        f->close();
    }
}

TEST_F(FensterKontrast, EveryLabelDrawnIntoAPictureStandsOutFromWhatIsUnderIt)
{
    QSet<std::string> gemeldet;
    std::string fenster;
    Canvas::TextBeobachter = [&](const Canvas &c, int x, int y, const QString &text) {
        const QRect box(x, y, c.textWidth(text), c.textHeight(text));
        if (text.trimmed().isEmpty() || !box.intersects(QRect(0, 0, c.width(), c.height())))
            return;  // nothing of it shows
        const TColor grund = c.brush.style == PinselStil::Solid
                                 ? c.brush.color
                                 : HaeufigsteFarbe(c, box);
        if (c.font.color == grund)
            return;  // an old value erased by writing it in the background's colour
        const double k = Kontrastverhaeltnis(c.font.color, grund);
        const std::string fall = fenster + ": „" + text.toStdString() + "“";
        if (k < Mindestkontrast(c.font.size, c.font.bold) && !gemeldet.contains(fall)) {
            gemeldet.insert(fall);
            ADD_FAILURE() << fall << " " << std::hex << c.font.color << " on " << grund << std::dec << ": " << k
                          << " : 1";
        }
    };
    MeldungsSammler meldungen;
    for (QWidget *f : AlleFenster()) {
        fenster = f->metaObject()->className();
        FensterOeffnen(f);
        Ereignisse();
        // what the sliders redraw (values written beside the drawing, scales)
        for (TrackBar *t : f->findChildren<TrackBar *>()) {
            if (!t->isVisibleTo(f) || !t->isEnabled() || t->Min() == t->Max())
                continue;
            const int vorher = t->Position();
            t->setPosition(vorher < t->Max() ? vorher + 1 : vorher - 1);
            Ereignisse();
            t->setPosition(vorher);
            Ereignisse();
        }
        f->close();
    }
    Canvas::TextBeobachter = nullptr;
}
