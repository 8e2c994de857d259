// The drawing canvas: pixel rules of lines and shapes, pen modes, fills, text, pictures,
// clipping of extreme coordinates and the world-to-pixel helpers.
#include "canvas.h"
#include "global.h"
#include "kacheln.h"
#include "xorsprite.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>
#include <tuple>
#include <vector>

namespace {

constexpr TColor Weiss = 0xFFFFFF, Schwarz = 0x000000, Rot = 0x0000FF, Blau = 0xFF0000, Gruen = 0x00FF00;

// A picture with its canvas.
struct Tafel {
    QImage img;
    Canvas c;
    Tafel(int w, int h, TColor grund = Weiss) : img(w, h, QImage::Format_RGB32), c(&img)
    {
        img.fill(QFarbe(grund));
    }
    // Random colours everywhere, so that any wrongly changed pixel shows.
    void rauschen()
    {
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, 0xFF000000u | QRgb(Zufall(0x1000000)));
    }
    int anzahl(TColor farbe) const
    {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += c.pixel(x, y) == farbe;
        return n;
    }
    // Bounding box of the pixels that differ from the colour.
    QRect ausser(TColor grund) const
    {
        QRect r;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (c.pixel(x, y) != grund)
                    r |= QRect(x, y, 1, 1);
        return r;
    }
    bool alphaVoll() const
    {
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) != 255)
                    return false;
        return true;
    }
};

QVector<QPoint> stern()
{
    return {{50, 5}, {80, 90}, {5, 35}, {95, 35}, {20, 90}};
}

}  // namespace

// ---- colours and pixels -----------------------------------------------------------------

TEST(CanvasFarben, ReihenfolgeRotImNiedrigenByte)
{
    EXPECT_EQ(QFarbe(Rot), QColor(255, 0, 0));
    EXPECT_EQ(QFarbe(Blau), QColor(0, 0, 255));
    EXPECT_EQ(QFarbe(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(FarbeAusRgb(qRgb(255, 0, 0)), Rot);
    EXPECT_EQ(FarbeAusRgb(qRgb(0x56, 0x34, 0x12)), 0x123456u);

    Tafel t(4, 4);
    t.c.setPixel(1, 2, Rot);
    EXPECT_EQ(t.img.pixel(1, 2), 0xFFFF0000u);
    EXPECT_EQ(t.c.pixel(1, 2), Rot);
    t.c.pen.color = Blau;
    t.c.moveTo(0, 0);
    t.c.lineTo(2, 0);
    EXPECT_EQ(t.img.pixel(0, 0), 0xFF0000FFu);
}

TEST(CanvasFarben, PixelAusserhalb)
{
    Tafel t(4, 4);
    const QImage vorher = t.img;
    EXPECT_EQ(t.c.pixel(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(t.c.pixel(4, 0), 0xFFFFFFFFu);
    EXPECT_EQ(t.c.pixel(0, INT_MAX), 0xFFFFFFFFu);
    t.c.setPixel(-1, 0, Rot);
    t.c.setPixel(0, 4, Rot);
    t.c.setPixel(INT_MIN, INT_MIN, Rot);
    EXPECT_EQ(t.img, vorher);

    Canvas ohne;
    EXPECT_EQ(ohne.pixel(0, 0), 0xFFFFFFFFu);
    ohne.lineTo(5, 5);  // no picture: nothing happens
    ohne.textOut(0, 0, QStringLiteral("x"));
}

TEST(CanvasFarben, StiftModi)
{
    Tafel t(8, 1);
    auto punkt = [&](PenModus m, TColor farbe, int x) {
        t.c.pen.mode = m;
        t.c.pen.color = farbe;
        t.c.moveTo(x, 0);
        t.c.lineTo(x + 1, 0);
        return t.c.pixel(x, 0);
    };
    EXPECT_EQ(punkt(PenModus::Copy, Rot, 0), Rot);
    EXPECT_EQ(punkt(PenModus::Xor, Rot, 1), 0xFFFF00u);     // white xor red
    EXPECT_EQ(punkt(PenModus::NotXor, Rot, 2), Rot);        // not (white xor red)
    EXPECT_EQ(punkt(PenModus::NotXor, 0x00F0F0, 3), 0x00F0F0u);
    EXPECT_EQ(punkt(PenModus::Not, Rot, 4), Schwarz);       // pen colour ignored
    EXPECT_EQ(punkt(PenModus::Not, Schwarz, 4), Weiss);
    t.c.setPixel(5, 0, 0x102030);
    EXPECT_EQ(punkt(PenModus::Xor, 0x0F0F0F, 5), 0x1F2F3Fu);
    EXPECT_TRUE(t.alphaVoll());
}

// ---- lines ---------------------------------------------------------------------------------

TEST(CanvasLinien, EndpunktAusgeschlossenUndStiftposition)
{
    Tafel t(20, 20);
    t.c.moveTo(2, 5);
    t.c.lineTo(8, 5);
    for (int x = 2; x < 8; ++x)
        EXPECT_EQ(t.c.pixel(x, 5), Schwarz) << x;
    EXPECT_EQ(t.c.pixel(8, 5), Weiss);
    EXPECT_EQ(t.c.pixel(1, 5), Weiss);
    EXPECT_EQ(t.c.penPos(), QPoint(8, 5));
    EXPECT_EQ(t.anzahl(Schwarz), 6);

    // A diagonal: one pixel per step, end excluded; a zero-length line draws nothing.
    Tafel d(20, 20);
    d.c.moveTo(15, 3);
    d.c.lineTo(3, 10);
    EXPECT_EQ(d.anzahl(Schwarz), 12);
    EXPECT_EQ(d.c.pixel(15, 3), Schwarz);
    EXPECT_EQ(d.c.pixel(3, 10), Weiss);
    d.c.lineTo(3, 10);
    EXPECT_EQ(d.anzahl(Schwarz), 12);
}

TEST(CanvasLinien, GemeinsameEckenNurEinmal)
{
    // In XOR mode a corner touched twice would vanish.
    Tafel t(30, 30);
    t.c.pen.mode = PenModus::Xor;
    t.c.pen.color = Weiss;
    t.c.moveTo(10, 10);
    t.c.lineTo(20, 10);
    t.c.lineTo(20, 20);
    t.c.lineTo(10, 20);
    t.c.lineTo(10, 10);
    EXPECT_EQ(t.anzahl(Schwarz), 40);
    for (const QPoint p : {QPoint(10, 10), QPoint(20, 10), QPoint(20, 20), QPoint(10, 20)})
        EXPECT_EQ(t.c.pixel(p.x(), p.y()), Schwarz) << p.x() << "," << p.y();

    Tafel u(30, 30);
    u.c.pen = t.c.pen;
    u.c.moveTo(3, 3);
    u.c.polyline({{10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}});
    EXPECT_EQ(u.img, t.img);
    EXPECT_EQ(u.c.penPos(), QPoint(3, 3));  // polyline keeps the pen position
}

TEST(CanvasLinien, Strichmuster)
{
    auto zeile = [](PenStil stil, Pinsel pinsel) {
        Tafel t(60, 1, 0x808080);
        t.c.pen.style = stil;
        t.c.brush = pinsel;
        t.c.moveTo(0, 0);
        t.c.lineTo(60, 0);
        std::string s;
        for (int x = 0; x < 60; ++x)
            s += t.c.pixel(x, 0) == Schwarz ? '#' : t.c.pixel(x, 0) == Weiss ? '.' : ' ';
        return s;
    };
    const Pinsel klar{Weiss, PinselStil::Clear}, weiss{Weiss, PinselStil::Solid};
    EXPECT_EQ(zeile(PenStil::Dash, klar), "##################      ##################      ############");
    EXPECT_EQ(zeile(PenStil::Dot, klar), "###   ###   ###   ###   ###   ###   ###   ###   ###   ###   ");
    EXPECT_EQ(zeile(PenStil::DashDot, klar), "#########      ###      #########      ###      #########   ");
    EXPECT_EQ(zeile(PenStil::DashDotDot, klar), "#########   ###   ###   #########   ###   ###   #########   ");
    // With a solid brush the gaps take the brush colour.
    EXPECT_EQ(zeile(PenStil::Dot, weiss), "###...###...###...###...###...###...###...###...###...###...");
    EXPECT_EQ(zeile(PenStil::Clear, weiss), std::string(60, ' '));

    // The pattern runs on across lineTo and starts again with moveTo.
    Tafel t(40, 2, 0x808080);
    t.c.pen.style = PenStil::Dot;
    t.c.brush = klar;
    t.c.moveTo(0, 0);
    t.c.lineTo(4, 0);
    t.c.lineTo(8, 0);
    t.c.moveTo(0, 1);
    t.c.lineTo(8, 1);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(t.c.pixel(x, 0), t.c.pixel(x, 1)) << x;

    // Wide pens are solid whatever their style.
    Tafel w(40, 9, Weiss);
    w.c.pen.width = 3;
    w.c.pen.style = PenStil::Dot;
    w.c.moveTo(5, 4);
    w.c.lineTo(35, 4);
    for (int x = 5; x <= 35; ++x)
        EXPECT_EQ(w.c.pixel(x, 4), Schwarz) << x;
}

TEST(CanvasLinien, BreiteStifte)
{
    // Width 3: rows 9..11, round caps one pixel beyond both ends.
    Tafel t(40, 30);
    t.c.pen.width = 3;
    t.c.moveTo(10, 10);
    t.c.lineTo(20, 10);
    EXPECT_EQ(t.ausser(Weiss), QRect(QPoint(9, 9), QPoint(21, 11)));
    EXPECT_EQ(t.c.penPos(), QPoint(20, 10));

    // Width 4 reaches one row further up: rows 8..11.
    Tafel v(40, 30);
    v.c.pen.width = 4;
    v.c.moveTo(10, 10);
    v.c.lineTo(20, 10);
    EXPECT_EQ(v.ausser(Weiss).top(), 8);
    EXPECT_EQ(v.ausser(Weiss).bottom(), 11);

    // Width 5: round, so the corners of the square around a dot are left out.
    Tafel p(20, 20);
    p.c.pen.width = 5;
    p.c.moveTo(10, 10);
    p.c.lineTo(10, 10);
    EXPECT_EQ(p.ausser(Weiss), QRect(8, 8, 5, 5));
    EXPECT_EQ(p.anzahl(Schwarz), 21);

    // A wide polyline in XOR mode covers each pixel once, joins included.
    const QVector<QPoint> zug{{5, 5}, {30, 8}, {12, 25}, {35, 25}};
    Tafel kopie(40, 30), xr(40, 30);
    kopie.c.pen.width = xr.c.pen.width = 5;
    kopie.c.polyline(zug);
    xr.c.pen.mode = PenModus::Xor;
    xr.c.pen.color = Weiss;
    xr.c.polyline(zug);
    EXPECT_EQ(xr.img, kopie.img);
}

// ---- shapes ----------------------------------------------------------------------------------

TEST(CanvasFormen, RechteckGrenzen)
{
    Tafel t(30, 30);
    t.c.brush.color = Rot;
    t.c.rectangle(10, 10, 20, 15);
    EXPECT_EQ(t.ausser(Weiss), QRect(QPoint(10, 10), QPoint(19, 14)));
    EXPECT_EQ(t.anzahl(Schwarz), 2 * 10 + 2 * 3);
    EXPECT_EQ(t.anzahl(Rot), 8 * 3);
    EXPECT_EQ(t.c.pixel(11, 11), Rot);

    // Corners in any order; the QRect form is the same box.
    Tafel u(30, 30);
    u.c.brush.color = Rot;
    u.c.rectangle(20, 15, 10, 10);
    EXPECT_EQ(u.img, t.img);
    Tafel q(30, 30);
    q.c.brush.color = Rot;
    q.c.rectangle(QRect(10, 10, 10, 5));
    EXPECT_EQ(q.img, t.img);

    // Clear pen: the brush covers one pixel less each way. Clear brush: outline only.
    Tafel k(30, 30);
    k.c.pen.style = PenStil::Clear;
    k.c.brush.color = Rot;
    k.c.rectangle(10, 10, 20, 15);
    EXPECT_EQ(k.ausser(Weiss), QRect(QPoint(10, 10), QPoint(18, 13)));
    Tafel o(30, 30);
    o.c.brush.style = PinselStil::Clear;
    o.c.rectangle(10, 10, 20, 15);
    EXPECT_EQ(o.anzahl(Schwarz), 26);
    EXPECT_EQ(o.c.pixel(15, 12), Weiss);
}

TEST(CanvasFormen, EllipseGrenzen)
{
    struct Fall {
        int l, t, r, b;
    };
    for (const Fall f : {Fall{10, 20, 31, 29}, Fall{5, 5, 95, 7}, Fall{40, 2, 42, 60}, Fall{3, 3, 5, 5},
                         Fall{10, 10, 60, 60}, Fall{7, 9, 8, 30}}) {
        Tafel t(100, 70);
        t.c.brush.color = Rot;
        t.c.ellipse(f.l, f.t, f.r, f.b);
        EXPECT_EQ(t.ausser(Weiss), QRect(QPoint(f.l, f.t), QPoint(f.r - 1, f.b - 1)))
            << f.l << " " << f.t << " " << f.r << " " << f.b;
        // Mirror symmetric in both axes.
        bool symmetrisch = true;
        for (int y = f.t; y < f.b; ++y)
            for (int x = f.l; x < f.r; ++x)
                symmetrisch &= t.c.pixel(x, y) == t.c.pixel(f.l + f.r - 1 - x, y) &&
                               t.c.pixel(x, y) == t.c.pixel(x, f.t + f.b - 1 - y);
        EXPECT_TRUE(symmetrisch) << f.l << " " << f.t;
    }
    // A circle: closed outline, brush inside, nothing outside it.
    Tafel k(70, 70);
    k.c.brush.color = Rot;
    k.c.ellipse(10, 10, 61, 61);
    EXPECT_EQ(k.c.pixel(35, 35), Rot);
    EXPECT_EQ(k.c.pixel(10, 35), Schwarz);
    EXPECT_EQ(k.c.pixel(35, 60), Schwarz);
    EXPECT_EQ(k.c.pixel(12, 12), Weiss);
    k.c.brush.color = Blau;
    k.c.floodFill(35, 35, Schwarz, FuellArt::Rand);
    EXPECT_EQ(k.c.pixel(0, 0), Weiss);  // the outline holds the fill in
    EXPECT_EQ(k.anzahl(Rot), 0);
}

TEST(CanvasFormen, RundeckBogenTorte)
{
    Tafel r(60, 40);
    r.c.brush.color = Rot;
    r.c.roundRect(5, 5, 55, 35, 20, 10);
    EXPECT_EQ(r.ausser(Weiss), QRect(QPoint(5, 5), QPoint(54, 34)));
    EXPECT_EQ(r.c.pixel(5, 5), Weiss);    // rounded corner
    EXPECT_EQ(r.c.pixel(30, 5), Schwarz);  // straight edge
    EXPECT_EQ(r.c.pixel(5, 20), Schwarz);
    EXPECT_EQ(r.c.pixel(30, 20), Rot);

    // Counter-clockwise from 3 o'clock to 12 o'clock: the upper right quarter only.
    Tafel a(60, 60);
    a.c.arc(10, 10, 51, 51, 60, 30, 30, 0);
    const QRect viertel = a.ausser(Weiss);
    EXPECT_EQ(viertel, QRect(QPoint(30, 10), QPoint(50, 30)));
    Tafel e(60, 60);
    e.c.brush.style = PinselStil::Clear;
    e.c.ellipse(10, 10, 51, 51);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            if (a.c.pixel(x, y) == Schwarz) {
                EXPECT_EQ(e.c.pixel(x, y), Schwarz) << x << "," << y;  // on the ellipse
            }
    // Equal rays: the whole ellipse.
    Tafel v(60, 60);
    v.c.arc(10, 10, 51, 51, 60, 30, 60, 30);
    EXPECT_EQ(v.img, e.img);

    // A pie: the same quarter, filled, with its two radii.
    Tafel p(60, 60);
    p.c.brush.color = Rot;
    p.c.pie(10, 10, 51, 51, 60, 30, 30, 0);
    EXPECT_EQ(p.ausser(Weiss), viertel);
    EXPECT_EQ(p.c.pixel(38, 22), Rot);
    EXPECT_EQ(p.c.pixel(40, 30), Schwarz);
    EXPECT_EQ(p.c.pixel(30, 20), Schwarz);
}

TEST(CanvasFormen, Vieleck)
{
    // Brush only: corners at 10 and 20 fill 10..19; with the pen the outline reaches 20.
    Tafel t(30, 30);
    t.c.pen.style = PenStil::Clear;
    t.c.brush.color = Rot;
    t.c.polygon({{10, 10}, {20, 10}, {20, 20}, {10, 20}});
    EXPECT_EQ(t.ausser(Weiss), QRect(10, 10, 10, 10));
    EXPECT_EQ(t.anzahl(Rot), 100);
    Tafel u(30, 30);
    u.c.brush.color = Rot;
    u.c.polygon({{10, 10}, {20, 10}, {20, 20}, {10, 20}});
    EXPECT_EQ(u.ausser(Weiss), QRect(10, 10, 11, 11));
    EXPECT_EQ(u.anzahl(Schwarz), 40);

    // Even-odd: the centre of a pentagram stays empty, its points are filled.
    Tafel s(100, 100);
    s.c.pen.style = PenStil::Clear;
    s.c.brush.color = Rot;
    s.c.polygon(stern());
    EXPECT_EQ(s.c.pixel(50, 50), Weiss);
    EXPECT_EQ(s.c.pixel(50, 15), Rot);
    EXPECT_EQ(s.c.pixel(15, 37), Rot);

    // With the outline the brush never pokes out past it: after filling the outside,
    // no brush pixel touches it.
    Tafel o(100, 100);
    o.c.brush.color = Rot;
    o.c.polygon(stern());
    o.c.polygon({{60, 60}, {97, 70}, {70, 97}});
    o.c.brush.color = Blau;
    o.c.floodFill(0, 0, Weiss, FuellArt::Flaeche);
    int beruehrt = 0;
    for (int y = 1; y < 99; ++y)
        for (int x = 1; x < 99; ++x)
            if (o.c.pixel(x, y) == Rot)
                beruehrt += o.c.pixel(x - 1, y) == Blau || o.c.pixel(x + 1, y) == Blau ||
                            o.c.pixel(x, y - 1) == Blau || o.c.pixel(x, y + 1) == Blau;
    EXPECT_EQ(beruehrt, 0);
    EXPECT_GT(o.anzahl(Rot), 1000);
}

TEST(CanvasFormen, SchraffurUndFuellRechteck)
{
    Tafel t(30, 30);
    t.c.brush.color = Rot;
    t.c.pen.mode = PenModus::Xor;  // ignored by fillRect
    t.c.fillRect(5, 5, 10, 8);
    EXPECT_EQ(t.ausser(Weiss), QRect(5, 5, 5, 3));
    EXPECT_EQ(t.anzahl(Rot), 15);
    t.c.fillRect(QRect(20, 20, 3, 2));
    EXPECT_EQ(t.anzahl(Rot), 21);
    t.c.fillRect(12, 12, 12, 20);  // empty
    EXPECT_EQ(t.anzahl(Rot), 21);

    // A hatch paints only its lines and leaves the rest alone.
    Tafel h(16, 16);
    h.c.brush = {Blau, PinselStil::Horizontal};
    h.c.fillRect(0, 0, 16, 16);
    EXPECT_EQ(h.anzahl(Blau), 32);
    EXPECT_EQ(h.c.pixel(3, 0), Blau);
    EXPECT_EQ(h.c.pixel(3, 8), Blau);
    EXPECT_EQ(h.c.pixel(3, 4), Weiss);
    Tafel d(16, 16);
    d.c.brush = {Blau, PinselStil::DiagCross};
    d.c.fillRect(0, 0, 16, 16);
    EXPECT_EQ(d.c.pixel(3, 3), Blau);
    EXPECT_EQ(d.c.pixel(3, 5), Blau);
    EXPECT_EQ(d.c.pixel(3, 4), Weiss);
}

TEST(CanvasFormen, KachelnWieEinzelneRechtecke)
{
    // a grid of tiles gives the same pixels as one fillRect per tile, also where it
    // reaches over the picture's edges on any side
    struct Fall {
        int links, oben, breite, hoehe, spalten, zeilen;
    };
    const Fall faelle[] = {{0, 0, 1, 1, 23, 17}, {3, 2, 3, 3, 5, 4},   {-4, -5, 3, 3, 12, 9},
                           {-1, 7, 1, 30, 25, 1}, {15, 10, 5, 2, 4, 9}, {-40, 0, 3, 3, 2, 2}};
    for (const Fall &f : faelle) {
        Tafel einzeln(21, 18), gitter(21, 18);
        einzeln.rauschen();
        gitter.img = einzeln.img.copy();
        std::vector<TColor> farben;
        for (int j = 0; j < f.zeilen; ++j)
            for (int i = 0; i < f.spalten; ++i) {
                farben.push_back(TColor(Zufall(0x1000000)));
                einzeln.c.brush.color = farben.back();
                einzeln.c.fillRect(f.links + i * f.breite, f.oben + j * f.hoehe, f.links + (i + 1) * f.breite,
                                   f.oben + (j + 1) * f.hoehe);
            }
        FuelleKacheln(gitter.c, f.links, f.oben, f.breite, f.hoehe, f.spalten, f.zeilen, farben.data());
        EXPECT_TRUE(gitter.img == einzeln.img) << f.links << "," << f.oben;
        EXPECT_TRUE(gitter.alphaVoll());
    }
}

// ---- XOR drawing restores exactly ------------------------------------------------------------------

TEST(CanvasXor, ZweimalZeichnenStelltWiederHer)
{
    Tafel quelle(24, 18);
    quelle.rauschen();
    QImage bild = quelle.img.copy();
    const std::vector<std::pair<const char *, std::function<void(Canvas &)>>> faelle = {
        {"Linie", [](Canvas &c) { c.moveTo(-5, 3); c.lineTo(70, 55); }},
        {"Linienzug", [](Canvas &c) { c.polyline({{3, 3}, {60, 10}, {10, 50}, {70, 70}, {3, 3}}); }},
        {"Rechteck", [](Canvas &c) { c.rectangle(10, 10, 60, 50); }},
        {"Rechteck ohne Pinsel", [](Canvas &c) { c.brush.style = PinselStil::Clear; c.rectangle(10, 10, 60, 50); }},
        {"Ellipse", [](Canvas &c) { c.ellipse(5, 8, 70, 60); }},
        {"Rundeck", [](Canvas &c) { c.roundRect(5, 8, 70, 60, 25, 15); }},
        {"Bogen", [](Canvas &c) { c.arc(5, 8, 70, 60, 80, 10, 0, 70); }},
        {"Torte", [](Canvas &c) { c.pie(5, 8, 70, 60, 80, 10, 0, 70); }},
        {"Vieleck", [](Canvas &c) { c.polygon(stern()); }},
        {"Strichlinie", [](Canvas &c) { c.pen.style = PenStil::DashDot; c.moveTo(0, 40); c.lineTo(80, 45); }},
        {"Strichrechteck", [](Canvas &c) { c.pen.style = PenStil::Dot; c.rectangle(10, 10, 60, 50); }},
        {"breite Linie", [](Canvas &c) { c.pen.width = 4; c.moveTo(5, 5); c.lineTo(60, 30); }},
        {"breiter Zug", [](Canvas &c) { c.pen.width = 5; c.polyline({{3, 3}, {60, 10}, {10, 50}, {70, 70}}); }},
        {"breites Rechteck", [](Canvas &c) { c.pen.width = 3; c.rectangle(10, 10, 60, 50); }},
        {"breite Ellipse", [](Canvas &c) { c.pen.width = 6; c.ellipse(5, 8, 70, 60); }},
        {"breites Vieleck", [](Canvas &c) { c.pen.width = 3; c.polygon(stern()); }},
        {"Schraffur", [](Canvas &c) { c.brush.style = PinselStil::DiagCross; c.ellipse(5, 8, 70, 60); }},
        {"Text", [](Canvas &c) { c.textOut(4, 20, QStringLiteral("Quanten Äg")); }},
        {"Text ohne Grund", [](Canvas &c) { c.brush.style = PinselStil::Clear; c.textOut(4, 20, QStringLiteral("hf")); }},
    };
    for (const PenModus modus : {PenModus::Xor, PenModus::NotXor, PenModus::Not}) {
        for (const auto &[name, zeichne] : faelle) {
            Tafel t(80, 70);
            t.rauschen();
            const QImage vorher = t.img.copy();
            t.c.pen.mode = modus;
            t.c.pen.color = 0x3377CC;
            t.c.brush.color = 0xAA1155;
            t.c.font.color = 0x22EE44;
            zeichne(t.c);
            EXPECT_NE(t.img, vorher) << name;
            zeichne(t.c);
            EXPECT_EQ(t.img, vorher) << name << " mode " << int(modus);
            EXPECT_TRUE(t.alphaVoll()) << name;
        }
    }

    // Sprites: copyRect and draw with the inverting copy mode.
    Tafel t(80, 70);
    t.rauschen();
    const QImage vorher = t.img.copy();
    Canvas sprite(&bild);
    t.c.copyMode = KopierModus::SrcInvert;
    for (int i = 0; i < 2; ++i) {
        t.c.copyRect(QRect(30, 20, 24, 18), sprite, QRect(0, 0, 24, 18));
        t.c.copyRect(QRect(70, 60, 24, 18), sprite, QRect(0, 0, 24, 18));  // partly outside
        t.c.draw(-5, 50, bild);
        if (i == 0) {
            EXPECT_NE(t.img, vorher);
        }
    }
    EXPECT_EQ(t.img, vorher);
    EXPECT_TRUE(t.alphaVoll());
}

TEST(CanvasXor, UmrissUndInneresGetrennt)
{
    // Drawn once in XOR mode, no pixel may have been hit by both pen and brush.
    const std::vector<std::function<void(Canvas &)>> faelle = {
        [](Canvas &c) { c.rectangle(10, 10, 60, 50); },
        [](Canvas &c) { c.ellipse(5, 8, 70, 60); },
        [](Canvas &c) { c.roundRect(5, 8, 70, 60, 25, 15); },
        [](Canvas &c) { c.pie(5, 8, 70, 60, 80, 10, 0, 70); },
        [](Canvas &c) { c.polygon(stern()); },
        [](Canvas &c) { c.pen.width = 4; c.ellipse(5, 8, 70, 60); },
        [](Canvas &c) { c.textOut(4, 20, QStringLiteral("Welle")); },
    };
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        Tafel t(80, 70, Schwarz);
        t.c.pen.mode = PenModus::Xor;
        t.c.pen.color = t.c.font.color = Rot;
        t.c.brush.color = Blau;
        faelle[i](t.c);
        EXPECT_EQ(t.anzahl(Rot | Blau), 0) << i;
        EXPECT_GT(t.anzahl(Rot), 0) << i;
        EXPECT_GT(t.anzahl(Blau), 0) << i;
    }
}

// ---- flood fill -------------------------------------------------------------------------------------

TEST(CanvasFuellen, RandUndFlaeche)
{
    Tafel t(60, 40);
    t.c.brush.style = PinselStil::Clear;
    t.c.rectangle(10, 10, 30, 30);
    t.c.brush = {Blau, PinselStil::Solid};
    t.c.floodFill(20, 20, Schwarz, FuellArt::Rand);
    EXPECT_EQ(t.anzahl(Blau), 18 * 18);
    EXPECT_EQ(t.c.pixel(10, 20), Schwarz);
    EXPECT_EQ(t.c.pixel(5, 5), Weiss);
    // Starting on the border colour does nothing.
    t.c.brush.color = Gruen;
    t.c.floodFill(10, 10, Schwarz, FuellArt::Rand);
    EXPECT_EQ(t.anzahl(Gruen), 0);

    // 4-connected: a diagonal line (touching only at corners) still holds the fill.
    Tafel d(40, 40);
    d.c.moveTo(0, 0);
    d.c.lineTo(40, 40);
    d.c.brush.color = Rot;
    d.c.floodFill(30, 5, Schwarz, FuellArt::Rand);
    EXPECT_EQ(d.c.pixel(5, 30), Weiss);
    EXPECT_EQ(d.c.pixel(30, 5), Rot);
    EXPECT_EQ(d.anzahl(Rot), (40 * 40 - 40) / 2);

    // Surface mode: only the connected pixels of the colour.
    Tafel f(40, 20);
    f.c.brush.color = Rot;
    f.c.fillRect(0, 0, 10, 10);
    f.c.fillRect(20, 0, 30, 10);
    f.c.brush.color = Gruen;
    f.c.floodFill(3, 3, Rot, FuellArt::Flaeche);
    EXPECT_EQ(f.anzahl(Gruen), 100);
    EXPECT_EQ(f.anzahl(Rot), 100);
    // Not on the colour: nothing. Fill colour equal to the surface: ends, nothing changes.
    f.c.floodFill(15, 15, Rot, FuellArt::Flaeche);
    EXPECT_EQ(f.anzahl(Gruen), 100);
    const QImage vorher = f.img.copy();
    f.c.brush.color = Weiss;
    f.c.floodFill(15, 15, Weiss, FuellArt::Flaeche);
    EXPECT_EQ(f.img, vorher);
    // Border mode with the border colour nowhere: the whole picture; outside: nothing.
    f.c.brush.color = Blau;
    f.c.floodFill(35, 15, Schwarz, FuellArt::Rand);
    EXPECT_EQ(f.anzahl(Blau), 40 * 20);
    f.c.brush.color = Rot;
    f.c.floodFill(-1, 5, Schwarz, FuellArt::Rand);
    f.c.floodFill(40, 5, Schwarz, FuellArt::Rand);
    EXPECT_EQ(f.anzahl(Blau), 40 * 20);
}

// ---- text ----------------------------------------------------------------------------------------------

TEST(CanvasText, ObenLinksUndMasse)
{
    Schrift s;
    s.size = 10;
    EXPECT_EQ(QSchrift(s).pixelSize(), 13);
    s.size = 9;
    EXPECT_EQ(QSchrift(s).pixelSize(), 12);
    s.size = 12;
    EXPECT_EQ(QSchrift(s).pixelSize(), 16);

    Tafel t(200, 60);
    t.c.font.name = QStringLiteral("Arial");
    t.c.font.size = 14;
    t.c.font.color = Rot;
    t.c.brush.color = 0x00FFFF;
    const QString text = QStringLiteral("Planck");
    const int w = t.c.textWidth(text), h = t.c.textHeight(text);
    const QFontMetrics fm(QSchrift(t.c.font));
    EXPECT_EQ(w, fm.horizontalAdvance(text));
    EXPECT_EQ(h, fm.ascent() + fm.descent());
    EXPECT_GT(w, 30);
    t.c.textOut(20, 10, text);
    EXPECT_EQ(t.c.penPos(), QPoint(20 + w, 10));
    EXPECT_EQ(t.ausser(Weiss), QRect(20, 10, w, h));
    // No smoothing: every pixel of the cell is either the cell or the text colour.
    EXPECT_EQ(t.anzahl(Rot) + t.anzahl(0x00FFFF), w * h);
    EXPECT_GT(t.anzahl(Rot), 20);

    // With a clear brush only the glyphs are drawn, in the same places.
    Tafel k(200, 60);
    k.c.font = t.c.font;
    k.c.brush.style = PinselStil::Clear;
    k.c.textOut(20, 10, text);
    EXPECT_EQ(k.anzahl(Weiss), 200 * 60 - t.anzahl(Rot));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            if (t.c.pixel(x, y) == Rot) {
                ASSERT_EQ(k.c.pixel(x, y), Rot);
            }
}

// ---- pictures and copies -----------------------------------------------------------------------------

TEST(CanvasBilder, TransparentZeichnen)
{
    QImage bild(4, 4, QImage::Format_RGB32);
    bild.fill(QFarbe(Gruen));
    bild.setPixel(1, 1, QFarbe(Rot).rgb());
    bild.setPixel(2, 2, QFarbe(Blau).rgb());
    Tafel t(10, 10);
    t.c.draw(3, 3, bild, true);  // bottom-left (green) is transparent
    EXPECT_EQ(t.anzahl(Gruen), 0);
    EXPECT_EQ(t.c.pixel(4, 4), Rot);
    EXPECT_EQ(t.c.pixel(5, 5), Blau);
    EXPECT_EQ(t.anzahl(Weiss), 98);
    Tafel r(10, 10);
    r.c.draw(3, 3, bild, true, Rot);  // given colour
    EXPECT_EQ(r.anzahl(Gruen), 14);
    EXPECT_EQ(r.anzahl(Rot), 0);
    Tafel o(10, 10);
    o.c.draw(8, -2, bild);  // opaque, clipped
    EXPECT_EQ(o.ausser(Weiss), QRect(8, 0, 2, 2));
    // Pictures in other formats are taken as RGB32.
    Tafel a(10, 10);
    a.c.draw(3, 3, bild.convertToFormat(QImage::Format_ARGB32), true);
    EXPECT_EQ(a.img, t.img);
}

TEST(CanvasBilder, KopierenUndDehnen)
{
    Tafel quelle(20, 20);
    quelle.rauschen();
    Tafel t(30, 30);
    t.c.copyRect(QRect(5, 6, 8, 4), quelle.c, QRect(2, 3, 8, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(t.c.pixel(5 + x, 6 + y), quelle.c.pixel(2 + x, 3 + y));
    EXPECT_EQ(t.ausser(Weiss), QRect(5, 6, 8, 4));

    // Within one picture, overlapping: as if copied through a buffer.
    Tafel s(20, 20);
    s.rauschen();
    const QImage vorher = s.img.copy();
    s.c.copyRect(QRect(3, 2, 12, 12), s.c, QRect(0, 0, 12, 12));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(s.img.pixel(3 + x, 2 + y), vorher.pixel(x, y));

    // Source rectangle partly outside its picture: only the existing part is copied.
    Tafel c(30, 30);
    c.c.copyRect(QRect(0, 0, 10, 10), quelle.c, QRect(15, 15, 10, 10));
    EXPECT_EQ(c.ausser(Weiss), QRect(0, 0, 5, 5));

    // Unequal sizes stretch: each source pixel becomes a 2x2 block.
    Tafel g(30, 30);
    g.c.copyRect(QRect(0, 0, 8, 8), quelle.c, QRect(0, 0, 4, 4));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(g.c.pixel(x, y), quelle.c.pixel(x / 2, y / 2));

    // stretchDraw stays inside its target.
    QImage klein(2, 2, QImage::Format_RGB32);
    klein.fill(QFarbe(Rot));
    Tafel d(40, 40);
    d.c.stretchDraw(QRect(10, 12, 20, 15), klein);
    EXPECT_EQ(d.ausser(Weiss), QRect(10, 12, 20, 15));
    EXPECT_EQ(d.anzahl(Rot), 300);
}

// ---- clipping of extreme coordinates ---------------------------------------------------------------

TEST(CanvasGrenzen, RiesigeKoordinatenRichtig)
{
    Tafel t(100, 100);
    // Exact pixels of a clipped line: y = floor((x + 1) / 2) on the picture.
    t.c.moveTo(-2000000000, -1000000000);
    t.c.lineTo(2000000000, 1000000000);
    for (int x = 0; x < 100; ++x) {
        int n = 0;
        for (int y = 0; y < 100; ++y)
            n += t.c.pixel(x, y) == Schwarz;
        EXPECT_EQ(n, 1) << x;
        EXPECT_EQ(t.c.pixel(x, (x + 1) / 2), Schwarz) << x;
    }
    Tafel h(100, 100);
    h.c.moveTo(INT_MIN, 10);
    h.c.lineTo(INT_MAX, 10);
    EXPECT_EQ(h.anzahl(Schwarz), 100);

    const int g = 2000000000;
    Tafel z(100, 100);
    z.c.brush.color = Rot;
    z.c.rectangle(-g, -g, g, g);
    EXPECT_EQ(z.anzahl(Rot), 100 * 100);
    z.c.ellipse(-g, -g, g, g);
    z.c.ellipse(INT_MIN, 50, INT_MAX, 51);
    z.c.roundRect(-g, -g, g, 50, g, g);
    z.c.arc(-g, -g, g, g, 0, 0, 1, 1);
    z.c.pie(-g, 0, g, g, g, 0, 0, g);
    z.c.polygon({{-g, -g}, {g, 0}, {0, g}});
    z.c.pen.width = 7;
    z.c.moveTo(-g, g);
    z.c.lineTo(g, -g);
    z.c.polyline({{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}});
    z.c.ellipse(-g, -g, g, g);
    z.c.polygon({{-g, -g}, {g, 0}, {0, g}});
    z.c.pen.width = 1;
    z.c.pen.style = PenStil::Dot;
    z.c.moveTo(g, -g);
    z.c.lineTo(-g, g);
    z.c.fillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    z.c.textOut(INT_MAX - 5, INT_MIN, QStringLiteral("Rand"));
    z.c.textOut(INT_MIN, 20, QStringLiteral("Rand"));
    z.c.draw(INT_MAX, INT_MAX, t.img);
    z.c.draw(INT_MIN, INT_MIN, t.img, true);
    z.c.stretchDraw(QRect(QPoint(-g, -g), QPoint(g, g)), t.img);
    z.c.copyRect(QRect(QPoint(-g, -g), QPoint(g, g)), t.c, QRect(0, 0, 100, 100));
    z.c.copyRect(QRect(INT_MIN, INT_MIN, 50, 50), t.c, QRect(INT_MIN, INT_MIN, 50, 50));
    z.c.copyRect(QRect(0, 0, 50, 50), t.c, QRect(QPoint(-g, -g), QPoint(g, g)));
    z.c.floodFill(INT_MIN, INT_MAX, Schwarz, FuellArt::Rand);
}

// ---- world-to-pixel helpers --------------------------------------------------------------------------

TEST(CanvasUrsprung, RundungUndRichtung)
{
    Tafel t(100, 100);
    Ursprung u{&t.c, 10, 50};
    u.Moveto0(0.5, 0.5);  // 10.5 -> 10, 49.5 -> 50: halves to even
    EXPECT_EQ(t.c.penPos(), QPoint(10, 50));
    u.Moveto0(1.5, 1.5);  // 11.5 -> 12, 48.5 -> 48
    EXPECT_EQ(t.c.penPos(), QPoint(12, 48));
    u.X0 = 11;
    u.Moveto0(0.5, -0.4);  // 11.5 -> 12, 50.4 -> 50
    EXPECT_EQ(t.c.penPos(), QPoint(12, 50));
    u.MoveRel0(2.5, 2.5);  // +2, -2
    EXPECT_EQ(t.c.penPos(), QPoint(14, 48));
    u.MoveRel0(-3.5, -0.6);  // -4, +1
    EXPECT_EQ(t.c.penPos(), QPoint(10, 49));
    u.MoveRel(5, 3);  // y up
    EXPECT_EQ(t.c.penPos(), QPoint(15, 46));

    // Line0 draws from world point to world point, end excluded; y points up.
    u.X0 = 10;
    u.Line0(0, 0, 5, 0);
    EXPECT_EQ(t.anzahl(Schwarz), 5);
    EXPECT_EQ(t.c.pixel(10, 50), Schwarz);
    EXPECT_EQ(t.c.pixel(15, 50), Weiss);
    u.LineRel0(0, 3);
    EXPECT_EQ(t.c.penPos(), QPoint(15, 47));
    EXPECT_EQ(t.c.pixel(15, 49), Schwarz);
    u.LineRel(0, 2);
    EXPECT_EQ(t.c.penPos(), QPoint(15, 45));
    u.Lineto0(5, 5);
    EXPECT_EQ(t.c.penPos(), QPoint(15, 45));
    u.LinePQ({0, 0}, {3, 0});
    u.LineToP({3, 3});
    EXPECT_EQ(t.c.pixel(2, 0), Schwarz);
    EXPECT_EQ(t.c.pixel(3, 2), Schwarz);
    EXPECT_EQ(t.c.pixel(3, 3), Weiss);
    u.MoveToP({7, 8});
    EXPECT_EQ(t.c.penPos(), QPoint(7, 8));

    Ursprung leer;  // without a canvas nothing happens
    leer.Line0(0, 0, 10, 10);
}

TEST(CanvasMeldung, NachJederZeichnung)
{
    Tafel t(20, 20);
    int n = 0;
    t.c.onChange = [&] { ++n; };
    t.c.moveTo(1, 1);
    EXPECT_EQ(n, 0);
    t.c.lineTo(5, 5);
    t.c.rectangle(1, 1, 5, 5);
    t.c.ellipse(1, 1, 5, 5);
    t.c.fillRect(1, 1, 5, 5);
    t.c.setPixel(2, 2, Rot);
    t.c.textOut(0, 0, QStringLiteral("a"));
    t.c.polygon(stern());
    t.c.polyline({{0, 0}, {3, 3}});
    t.c.floodFill(10, 10, Schwarz, FuellArt::Rand);
    t.c.copyRect(QRect(0, 0, 3, 3), t.c, QRect(4, 4, 3, 3));
    t.c.draw(0, 0, t.img);
    EXPECT_EQ(n, 11);
}

// ---- device pixels -------------------------------------------------------------------------------------

namespace {

// A picture of logical size w × h at scale s (device pixels ceil(w·s) × ceil(h·s)).
struct GeraetTafel : Tafel {
    GeraetTafel(int w, int h, double s, TColor grund = Weiss) : Tafel(GeraetKante(w, s), GeraetKante(h, s), grund)
    {
        img.setDevicePixelRatio(s);
        c.setImage(&img);
    }
    // Bounding box of the device pixels (in bereich) that differ from the colour.
    QRect geraetAusser(TColor grund, QRect bereich = QRect(0, 0, 1 << 20, 1 << 20)) const
    {
        QRect r;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (FarbeAusRgb(img.pixel(x, y)) != grund && bereich.contains(x, y))
                    r |= QRect(x, y, 1, 1);
        return r;
    }
    int geraetAnzahl(TColor farbe) const
    {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += FarbeAusRgb(img.pixel(x, y)) == farbe;
        return n;
    }
};

// The device box of a logical box.
QRect geraet(const QRect &r, double s)
{
    return QRect(QPoint(GeraetKante(r.left(), s), GeraetKante(r.top(), s)),
                 QPoint(GeraetKante(r.right() + 1, s) - 1, GeraetKante(r.bottom() + 1, s) - 1));
}

}  // namespace

TEST(CanvasGeraet, MasseUndAusdehnung)
{
    // Each drawing covers the device pixels of its logical pixels: exactly for boxes, within
    // a device pixel for lines and text at a scale that is not whole.
    struct Fall {
        const char *name;
        std::function<void(Canvas &)> zeichne;
        QRect logisch;
        bool genau;
    };
    const std::vector<Fall> faelle = {
        {"waagrecht", [](Canvas &c) { c.moveTo(10, 20); c.lineTo(50, 20); }, {10, 20, 40, 1}, false},
        {"senkrecht", [](Canvas &c) { c.moveTo(30, 45); c.lineTo(30, 5); }, {30, 6, 1, 40}, false},
        {"schraeg", [](Canvas &c) { c.moveTo(10, 10); c.lineTo(50, 31); }, {10, 10, 40, 21}, false},
        {"breit", [](Canvas &c) { c.pen.width = 3; c.moveTo(10, 20); c.lineTo(50, 20); }, {9, 19, 43, 3}, false},
        {"Ellipse", [](Canvas &c) { c.ellipse(11, 7, 50, 40); }, {11, 7, 39, 33}, true},
        {"Rechteck", [](Canvas &c) { c.rectangle(11, 7, 50, 40); }, {11, 7, 39, 33}, true},
        {"Fuellrechteck", [](Canvas &c) { c.fillRect(11, 7, 50, 40); }, {11, 7, 39, 33}, true},
        {"Punkt", [](Canvas &c) { c.setPixel(13, 9, Rot); }, {13, 9, 1, 1}, true},
        {"Vieleck", [](Canvas &c) { c.brush.style = PinselStil::Clear; c.polygon({{10, 10}, {40, 10}, {40, 30}}); },
         {10, 10, 31, 21}, false},
    };
    for (const double s : {2.0, 1.5}) {
        for (const Fall &f : faelle) {
            GeraetTafel t(60, 50, s);
            t.c.brush.color = Blau;
            EXPECT_EQ(t.c.width(), 60);
            EXPECT_EQ(t.c.height(), 50);
            f.zeichne(t.c);
            const QRect soll = geraet(f.logisch, s), ist = t.geraetAusser(Weiss);
            const int d = f.genau ? 0 : 1;
            EXPECT_LE(std::abs(ist.left() - soll.left()), d) << f.name << " " << s;
            EXPECT_LE(std::abs(ist.top() - soll.top()), d) << f.name << " " << s;
            EXPECT_LE(std::abs(ist.right() - soll.right()), d) << f.name << " " << s;
            EXPECT_LE(std::abs(ist.bottom() - soll.bottom()), d) << f.name << " " << s;
        }
    }
    // A pen is round(w·s) device pixels wide; a wide one covers the same pixels either way.
    for (const auto &[s, breite, soll] : std::vector<std::tuple<double, int, int>>{
             {2.0, 1, 2}, {1.5, 1, 2}, {1.25, 1, 1}, {2.0, 3, 6}, {1.5, 4, 6}, {2.0, 2, 4}}) {
        GeraetTafel t(60, 50, s), r(60, 50, s);
        t.c.pen.width = r.c.pen.width = breite;
        t.c.moveTo(10, 25);
        t.c.lineTo(50, 25);
        EXPECT_EQ(t.geraetAusser(Weiss).height(), soll) << s << " " << breite;
        r.c.moveTo(50, 25);
        r.c.lineTo(10, 25);
        if (breite > 1) {
            EXPECT_EQ(r.img, t.img) << s << " " << breite;
        }
    }
}

TEST(CanvasGeraet, LinienUndTextInGeraetepixeln)
{
    // At scale 2 a slanted line and text are not made of 2 × 2 blocks: some aligned block is mixed.
    const auto gemischt = [](const GeraetTafel &t) {
        int n = 0;
        for (int y = 0; y + 1 < t.img.height(); y += 2)
            for (int x = 0; x + 1 < t.img.width(); x += 2) {
                const QRgb p = t.img.pixel(x, y);
                n += t.img.pixel(x + 1, y) != p || t.img.pixel(x, y + 1) != p || t.img.pixel(x + 1, y + 1) != p;
            }
        return n;
    };
    GeraetTafel linie(60, 50, 2);
    linie.c.moveTo(3, 4);
    linie.c.lineTo(55, 30);
    EXPECT_GT(gemischt(linie), 20);
    GeraetTafel text(120, 30, 2);
    text.c.font.name = QStringLiteral("DejaVu Sans");
    text.c.textOut(2, 2, QStringLiteral("Wellenlänge"));
    EXPECT_GT(gemischt(text), 20);
    // Text is drawn once with the font at device size: at 1.5 all stems of equal letters are
    // equally wide (a logical drawing enlarged would make them 1 or 2 pixels wide).
    GeraetTafel reihe(120, 30, 1.5);
    reihe.c.font.name = QStringLiteral("DejaVu Sans");
    reihe.c.brush.style = PinselStil::Clear;
    const QString ls = QStringLiteral("llllllllll");
    reihe.c.textOut(2, 2, ls);
    std::vector<int> anfang, breite;
    const int zeile = reihe.geraetAusser(Weiss).center().y();
    for (int x = 1; x < reihe.img.width(); ++x) {
        const bool an = FarbeAusRgb(reihe.img.pixel(x, zeile)) == Schwarz;
        if (an && FarbeAusRgb(reihe.img.pixel(x - 1, zeile)) == Weiss)
            anfang.push_back(x);
        if (!an && FarbeAusRgb(reihe.img.pixel(x - 1, zeile)) == Schwarz)
            breite.push_back(x - anfang.back());
    }
    ASSERT_EQ(anfang.size(), 10u);
    EXPECT_EQ(*std::min_element(breite.begin(), breite.end()), *std::max_element(breite.begin(), breite.end()));
    for (std::size_t i = 2; i < anfang.size(); ++i)
        EXPECT_LE(std::abs((anfang[i] - anfang[i - 1]) - (anfang[1] - anfang[0])), 1) << i;
    // Logical measures do not depend on the scale.
    Tafel eins(10, 10);
    eins.c.font = reihe.c.font;
    EXPECT_EQ(reihe.c.textWidth(ls), eins.c.textWidth(ls));
}

TEST(CanvasGeraet, XorUndUmrissBeiSkala)
{
    const std::vector<std::pair<const char *, std::function<void(Canvas &)>>> faelle = {
        {"Linie", [](Canvas &c) { c.moveTo(-5, 3); c.lineTo(70, 55); }},
        {"Zickzack", [](Canvas &c) { c.moveTo(5, 5); c.lineTo(40, 10); c.lineTo(15, 40); c.lineTo(60, 45); c.lineTo(50, 5); }},
        {"Linienzug", [](Canvas &c) { c.polyline({{3, 3}, {60, 10}, {70, 70}, {10, 50}, {4, 6}}); }},
        {"Rechteck", [](Canvas &c) { c.rectangle(10, 10, 60, 50); }},
        {"Ellipse", [](Canvas &c) { c.ellipse(5, 8, 70, 60); }},
        {"Rundeck", [](Canvas &c) { c.roundRect(5, 8, 70, 60, 25, 15); }},
        {"Bogen", [](Canvas &c) { c.arc(5, 8, 70, 60, 80, 10, 0, 70); }},
        {"Torte", [](Canvas &c) { c.pie(5, 8, 70, 60, 80, 10, 0, 70); }},
        {"Vieleck", [](Canvas &c) { c.polygon(stern()); }},
        {"Strichlinie", [](Canvas &c) { c.pen.style = PenStil::DashDot; c.moveTo(0, 40); c.lineTo(80, 45); }},
        {"Strichrechteck", [](Canvas &c) { c.pen.style = PenStil::Dot; c.rectangle(10, 10, 60, 50); }},
        {"breiter Zug", [](Canvas &c) { c.pen.width = 5; c.polyline({{3, 3}, {60, 10}, {10, 50}, {70, 70}}); }},
        {"breite Ellipse", [](Canvas &c) { c.pen.width = 6; c.ellipse(5, 8, 70, 60); }},
        {"Schraffur", [](Canvas &c) { c.brush.style = PinselStil::DiagCross; c.ellipse(5, 8, 70, 60); }},
        {"Text", [](Canvas &c) { c.textOut(4, 20, QStringLiteral("Quanten Äg")); }},
        {"Pixel", [](Canvas &c) { for (int x = 0; x < 40; ++x) c.xorPixel(x, x / 2, 0x3377CC); }},
        {"Bild", [](Canvas &c) { QImage b(7, 5, QImage::Format_RGB32); b.fill(0xFF123456u); ZeichneXor(c, 31, 17, b); }},
        {"riesige Linie", [](Canvas &c) { c.moveTo(-2000000000, -1000000000); c.lineTo(2000000000, 1000000077); }},
        {"riesige Ellipse", [](Canvas &c) { c.ellipse(-2000000000, 20, 2000000000, 2000000000); }},
        {"riesiges Vieleck", [](Canvas &c) { c.polygon({{-2000000000, -2000000000}, {2000000000, 0}, {0, 2000000000}}); }},
    };
    for (const double s : {2.0, 1.5, 1.0}) {
        for (const auto &[name, zeichne] : faelle) {
            GeraetTafel t(80, 70, s);
            t.rauschen();
            const QImage vorher = t.img.copy();
            t.c.pen.mode = PenModus::Xor;
            t.c.pen.color = 0x3377CC;
            t.c.brush.color = 0xAA1155;
            t.c.font.color = 0x22EE44;
            t.c.copyMode = KopierModus::SrcInvert;
            zeichne(t.c);
            EXPECT_NE(t.img, vorher) << name;
            zeichne(t.c);
            EXPECT_EQ(t.img, vorher) << name << " " << s;
            // Drawn once on black, XOR gives what copying gives: no pixel is hit twice (by
            // pen and brush, or by two strokes).
            GeraetTafel u(80, 70, s, Schwarz), v(80, 70, s, Schwarz);
            for (GeraetTafel *g : {&u, &v}) {
                g->c.pen.mode = g == &u ? PenModus::Xor : PenModus::Copy;
                g->c.pen.color = g->c.font.color = Rot;
                g->c.brush.color = Blau;
                zeichne(g->c);
            }
            EXPECT_EQ(u.img, v.img) << name << " " << s;
        }
    }
}

TEST(CanvasGeraet, FuellenUndPixelBeiSkala)
{
    for (const double s : {2.0, 1.5}) {
        GeraetTafel t(60, 40, s);
        t.c.brush.style = PinselStil::Clear;
        t.c.rectangle(10, 10, 30, 30);
        t.c.moveTo(10, 30);  // a diagonal across: 4-connected, the fill stays on its side
        t.c.lineTo(30, 10);
        t.c.brush = {Blau, PinselStil::Solid};
        t.c.floodFill(14, 14, Schwarz, FuellArt::Rand);
        EXPECT_EQ(t.c.pixel(14, 14), Blau) << s;
        EXPECT_EQ(t.c.pixel(26, 26), Weiss) << s;
        EXPECT_EQ(t.c.pixel(10, 20), Schwarz) << s;
        EXPECT_EQ(t.c.pixel(5, 5), Weiss) << s;
        EXPECT_EQ(t.c.pixel(60, 5), 0xFFFFFFFFu) << s;
        const QRect blau = geraet(QRect(11, 11, 18, 18), s);
        EXPECT_TRUE(blau.contains(t.geraetAusser(Weiss).intersected(blau)));
        // The whole interior once more: a surface fill from a logical point.
        t.c.brush.color = Gruen;
        t.c.floodFill(14, 14, Blau, FuellArt::Flaeche);
        EXPECT_EQ(t.geraetAnzahl(Blau), 0) << s;
        EXPECT_GT(t.geraetAnzahl(Gruen), int(18 * 18 * s * s / 3)) << s;
        // setPixel sets the whole logical pixel, pixel reads it back.
        t.c.setPixel(40, 20, Rot);
        EXPECT_EQ(t.geraetAusser(Weiss, geraet(QRect(35, 15, 20, 20), s)), geraet(QRect(40, 20, 1, 1), s));
        EXPECT_EQ(t.c.pixel(40, 20), Rot);
    }
}

TEST(CanvasGeraet, BilderUndAusschnitteBeiSkala)
{
    for (const double s : {2.0, 1.5}) {
        // A picture of ratio 1 takes its logical size; one of the canvas's ratio goes 1:1.
        QImage klein(4, 3, QImage::Format_RGB32);
        klein.fill(QFarbe(Rot));
        GeraetTafel t(40, 30, s);
        t.c.draw(5, 7, klein);
        EXPECT_EQ(t.geraetAusser(Weiss), geraet(QRect(5, 7, 4, 3), s)) << s;
        GeraetTafel quelle(12, 9, s);
        quelle.rauschen();
        GeraetTafel z(40, 30, s);
        z.c.draw(3, 5, quelle.img);
        const QRect g = geraet(QRect(3, 5, 12, 9), s);
        EXPECT_EQ(z.img.copy(g.left(), g.top(), quelle.img.width(), quelle.img.height()).convertToFormat(QImage::Format_RGB32),
                  quelle.img)
            << s;
        // A piece cut at an odd place and copied back covers exactly its own pixels.
        GeraetTafel r(40, 30, s);
        r.rauschen();
        const QImage vorher = r.img.copy();
        const QImage teil = r.c.ausschnitt(QRect(7, 5, 21, 13));
        r.c.brush.color = Gruen;
        r.c.fillRect(0, 0, 40, 30);
        Canvas stueck(const_cast<QImage *>(&teil));
        EXPECT_EQ(stueck.width(), 21);
        r.c.copyRect(QRect(9, 6, 11, 9), stueck, QRect(2, 1, 11, 9));
        const QRect innen = geraet(QRect(9, 6, 11, 9), s);
        for (int y = 0; y < r.img.height(); ++y)
            for (int x = 0; x < r.img.width(); ++x)
                ASSERT_EQ(r.img.pixel(x, y), innen.contains(x, y) ? vorher.pixel(x, y) : QFarbe(Gruen).rgb())
                    << s << " " << x << " " << y;
    }
}
