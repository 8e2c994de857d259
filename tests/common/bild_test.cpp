// The image control: size and contents, coalesced repaints, transparency, stretching
// and the mouse signals.
#include "bild.h"
#include "testhilfen.h"

#include <QMouseEvent>
#include <QPixmap>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Counts the paint events a widget receives.
struct Malzaehler : QObject {
    int n = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        n += e->type() == QEvent::Paint;
        return false;
    }
};

void maus(QWidget &w, QEvent::Type typ, Qt::MouseButton knopf, QPoint p)
{
    const Qt::MouseButtons gedrueckt = typ == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(knopf);
    QMouseEvent e(typ, QPointF(p), w.mapToGlobal(QPointF(p)), knopf, gedrueckt, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
}

}  // namespace

TEST(Bild, GroesseUndInhalt)
{
    Bild b;
    b.setBildGroesse(120, 80);
    EXPECT_EQ(b.bild().size(), QSize(120, 80));
    EXPECT_EQ(b.bild().format(), QImage::Format_RGB32);
    EXPECT_EQ(b.size(), QSize(120, 80));
    EXPECT_EQ(b.canvas().pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(b.canvas().pixel(119, 79), 0xFFFFFFu);
    EXPECT_EQ(b.canvas().width(), 120);

    // The canvas draws on the picture the widget shows.
    b.canvas().brush.color = 0x0000FF;
    b.canvas().fillRect(10, 10, 20, 20);
    EXPECT_EQ(b.bild().pixel(15, 15), 0xFFFF0000u);
    EXPECT_EQ(b.grab().toImage().pixel(15, 15) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(b.grab().toImage().pixel(25, 15) & 0xFFFFFFu, 0xFFFFFFu);

    // A new size starts white again; absurd sizes are kept in bounds.
    b.setBildGroesse(30, 40);
    EXPECT_EQ(b.canvas().pixel(15, 15), 0xFFFFFFu);
    EXPECT_EQ(b.canvas().height(), 40);
    b.setBildGroesse(-5, 3);
    EXPECT_EQ(b.bild().width(), 0);
    b.canvas().lineTo(10, 10);  // empty picture: nothing happens
}

TEST(Bild, NeuzeichnenGebuendelt)
{
    Bild b;
    b.setBildGroesse(200, 100);
    b.show();
    Ereignisse(50);
    Malzaehler z;
    b.installEventFilter(&z);
    b.canvas().pen.mode = PenModus::Xor;
    b.canvas().pen.color = 0xFFFFFF;
    for (int i = 0; i < 5000; ++i) {
        b.canvas().moveTo(i % 200, 0);
        b.canvas().lineTo(199 - i % 200, 99);
    }
    b.canvas().pen.mode = PenModus::Copy;
    b.canvas().pen.color = 0x00FF00;
    b.canvas().moveTo(0, 50);
    b.canvas().lineTo(200, 50);
    Ereignisse(50);
    EXPECT_GE(z.n, 1);
    EXPECT_LE(z.n, 2);
    // A later drawing is shown too.
    b.canvas().setPixel(5, 5, 0x0000FF);
    Ereignisse(50);
    EXPECT_GE(z.n, 2);
    const QImage bildschirm = b.grab().toImage();
    EXPECT_EQ(bildschirm.pixel(100, 50) & 0xFFFFFFu, 0x00FF00u);
    EXPECT_EQ(bildschirm.pixel(5, 5) & 0xFFFFFFu, 0xFF0000u);
    b.removeEventFilter(&z);
}

TEST(Bild, TransparentUndGedehnt)
{
    QWidget eltern;
    eltern.resize(100, 100);
    eltern.setAutoFillBackground(true);
    QPalette pal = eltern.palette();
    pal.setColor(QPalette::Window, QColor(0, 200, 0));
    eltern.setPalette(pal);
    auto *b = new Bild(&eltern);
    b->setBildGroesse(40, 40);
    b->move(10, 10);
    b->canvas().brush.color = 0x0000FF;
    b->canvas().fillRect(0, 0, 20, 20);
    b->setTransparent(true);
    QImage bild = eltern.grab().toImage();
    EXPECT_EQ(bild.pixel(15, 15) & 0xFFFFFFu, 0xFF0000u);  // drawn
    EXPECT_EQ(bild.pixel(40, 40) & 0xFFFFFFu, 0x00C800u);  // white: the parent shows through
    b->setTransparent(false);
    bild = eltern.grab().toImage();
    EXPECT_EQ(bild.pixel(40, 40) & 0xFFFFFFu, 0xFFFFFFu);

    // A loaded picture stretched over the widget.
    QImage vier(2, 2, QImage::Format_RGB32);
    vier.setPixel(0, 0, qRgb(255, 0, 0));
    vier.setPixel(1, 0, qRgb(0, 255, 0));
    vier.setPixel(0, 1, qRgb(0, 0, 255));
    vier.setPixel(1, 1, qRgb(255, 255, 0));
    Bild g;
    g.resize(100, 60);
    g.ladeBild(vier);
    g.setStretch(true);
    EXPECT_EQ(g.canvas().pixel(1, 1), 0x00FFFFu);  // the canvas works on the loaded picture
    bild = g.grab().toImage();
    EXPECT_EQ(bild.size(), QSize(100, 60));
    EXPECT_EQ(bild.pixel(5, 5) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(bild.pixel(95, 5) & 0xFFFFFFu, 0x00FF00u);
    EXPECT_EQ(bild.pixel(5, 55) & 0xFFFFFFu, 0x0000FFu);
    EXPECT_EQ(bild.pixel(95, 55) & 0xFFFFFFu, 0xFFFF00u);
}

TEST(Bild, Maussignale)
{
    Bild b;
    b.setBildGroesse(50, 50);
    std::vector<QString> log;
    QObject::connect(&b, &Bild::mausRunter, [&](Qt::MouseButton k, int x, int y) {
        log.push_back(QStringLiteral("runter %1 %2 %3").arg(int(k)).arg(x).arg(y));
    });
    QObject::connect(&b, &Bild::mausHoch, [&](Qt::MouseButton k, int x, int y) {
        log.push_back(QStringLiteral("hoch %1 %2 %3").arg(int(k)).arg(x).arg(y));
    });
    QObject::connect(&b, &Bild::mausBewegt,
                     [&](int x, int y) { log.push_back(QStringLiteral("bewegt %1 %2").arg(x).arg(y)); });
    QObject::connect(&b, &Bild::geklickt, [&] { log.push_back(QStringLiteral("klick")); });
    QObject::connect(&b, &Bild::doppelKlick, [&] { log.push_back(QStringLiteral("doppel")); });

    maus(b, QEvent::MouseButtonPress, Qt::LeftButton, {3, 4});
    maus(b, QEvent::MouseMove, Qt::NoButton, {5, 6});
    maus(b, QEvent::MouseButtonRelease, Qt::LeftButton, {5, 6});
    maus(b, QEvent::MouseButtonDblClick, Qt::LeftButton, {5, 6});
    maus(b, QEvent::MouseButtonRelease, Qt::LeftButton, {5, 6});
    // Released outside, or with the right button: no click.
    maus(b, QEvent::MouseButtonPress, Qt::LeftButton, {3, 4});
    maus(b, QEvent::MouseButtonRelease, Qt::LeftButton, {80, 4});
    maus(b, QEvent::MouseButtonPress, Qt::RightButton, {3, 4});
    maus(b, QEvent::MouseButtonRelease, Qt::RightButton, {3, 4});

    const std::vector<QString> erwartet = {
        "runter 1 3 4", "bewegt 5 6", "klick", "hoch 1 5 6", "doppel", "runter 1 5 6", "hoch 1 5 6",
        "runter 1 3 4", "hoch 1 80 4", "runter 2 3 4", "hoch 2 3 4"};
    EXPECT_EQ(log, erwartet);
}

TEST(Bild, Geraetepixel)
{
    for (const double s : {2.0, 1.5}) {
        Bild b;
        b.setSkala(s);
        b.setBildGroesse(101, 51);
        EXPECT_FALSE(b.angelegt());
        EXPECT_EQ(b.bildGroesse(), QSize(101, 51));
        EXPECT_EQ(b.size(), QSize(101, 51));
        EXPECT_EQ(b.bild().size(), QSize(GeraetKante(101, s), GeraetKante(51, s))) << s;
        EXPECT_EQ(b.bild().devicePixelRatio(), s);
        EXPECT_EQ(b.canvas().width(), 101);
        EXPECT_EQ(b.canvas().height(), 51);
        b.canvas().brush.color = 0x0000FF;
        b.canvas().fillRect(10, 10, 20, 20);
        b.canvas().pen.color = 0x00FF00;
        b.canvas().moveTo(3, 40);
        b.canvas().lineTo(97, 45);
        // Painted 1:1 onto a surface of the same ratio; onto a plain one at the logical places.
        QImage flaeche(b.bild().size(), QImage::Format_RGB32);
        flaeche.setDevicePixelRatio(s);
        b.render(&flaeche);
        EXPECT_EQ(flaeche, b.bild()) << s;
        // A part exposed with edges inside device pixels: wherever the parent's background is
        // painted, the picture is painted over it.
        {
            QWidget eltern;
            eltern.resize(140, 80);
            eltern.setAutoFillBackground(true);
            QPalette pal = eltern.palette();
            pal.setColor(QPalette::Window, QColor(255, 0, 255));
            eltern.setPalette(pal);
            Bild k(&eltern);
            k.setSkala(s);
            k.move(7, 3);
            k.setBildGroesse(101, 51);
            k.canvas().brush.color = 0x00FF00;
            k.canvas().fillRect(0, 0, 101, 51);
            for (const QRect &teil : {QRect(12, 6, 20, 21), QRect(3, 8, 9, 33), QRect(0, 0, 140, 80)}) {
                QImage flaeche(GeraetKante(140, s), GeraetKante(80, s), QImage::Format_RGB32);
                flaeche.setDevicePixelRatio(s);
                flaeche.fill(qRgb(0, 0, 0));
                eltern.render(&flaeche, teil.topLeft(), QRegion(teil));
                const QRectF innen(8 * s, 4 * s, 99 * s, 49 * s);  // the picture less a pixel around
                for (int y = 0; y < flaeche.height(); ++y)
                    for (int x = 0; x < flaeche.width(); ++x)
                        if (innen.contains(x + 0.5, y + 0.5)) {
                            ASSERT_NE(flaeche.pixel(x, y), qRgb(255, 0, 255)) << s << " " << x << "," << y;
                        }
            }
        }
        const QImage logisch = b.grab().toImage();
        EXPECT_EQ(logisch.pixel(15, 15) & 0xFFFFFFu, 0xFF0000u);
        EXPECT_EQ(logisch.pixel(25, 15) & 0xFFFFFFu, 0xFFFFFFu);

        // A loaded picture of ratio 1 takes the buffer's ratio at its logical size; a source
        // is asked for its picture at that ratio.
        QImage vier(2, 2, QImage::Format_RGB32);
        vier.fill(qRgb(255, 0, 0));
        vier.setPixel(1, 1, qRgb(0, 0, 255));
        Bild g;
        g.setSkala(s);
        g.ladeBild(vier);
        EXPECT_EQ(g.bildGroesse(), QSize(2, 2));
        EXPECT_EQ(g.bild().devicePixelRatio(), s);
        EXPECT_EQ(g.canvas().pixel(0, 0), 0x0000FFu);
        double gefragt = 0;
        Bild q;
        q.setSkala(s);
        q.setQuelle(QSize(30, 20), [&gefragt](double skala) {
            gefragt = skala;
            QImage bild(GeraetKante(30, skala), GeraetKante(20, skala), QImage::Format_RGB32);
            bild.setDevicePixelRatio(skala);
            bild.fill(qRgb(0, 255, 0));
            return bild;
        });
        EXPECT_EQ(gefragt, 0.0);
        EXPECT_EQ(q.canvas().pixel(29, 19), 0x00FF00u);
        EXPECT_EQ(gefragt, s);
        EXPECT_EQ(q.bild().size(), QSize(GeraetKante(30, s), GeraetKante(20, s)));
    }
}
