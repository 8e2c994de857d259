// The one drawing canvas of the program: exact raster semantics on a QImage
// (format RGB32). No antialiasing; pen modes copy / xor / not-xor / not; the end
// pixel of a line is excluded; rectangles and ellipses exclude their right and
// bottom edge; text is placed by its top-left corner. Colours are TColor values
// (0x00BBGGRR) and are converted to Qt colours only inside this class.
//
// Pen modes apply to pen strokes, filled interiors and text; outline and interior of a
// shape are disjoint pixel sets, so drawing anything twice in XOR mode restores the
// picture. Pens wider than 1 have round caps and joins and are always solid. Dash styles
// apply to lines, polylines, polygons and rectangles (curved outlines are solid); the gaps
// of a styled pen are painted in the brush colour while the brush is solid (opaque
// background) and left alone otherwise. Hatched brushes paint only their hatch lines.
// Any int coordinates are safe: everything is clipped to the picture before it is stepped.
#pragma once

#include "farbe.h"
#include "global.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <functional>

enum class PenStil { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class PenModus { Copy, Xor, NotXor, Not };
// Hatches: 8-pixel patterns fixed to the picture, transparent between the lines.
enum class PinselStil { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };
enum class KopierModus { SrcCopy, SrcInvert };
enum class FuellArt { Rand, Flaeche };  // fill up to a border colour / fill a surface of one colour

struct Stift {
    TColor color = 0x000000;
    int width = 1;
    PenStil style = PenStil::Solid;
    PenModus mode = PenModus::Copy;
};

struct Pinsel {
    TColor color = 0xFFFFFF;
    PinselStil style = PinselStil::Solid;
};

struct Schrift {
    QString name = QStringLiteral("Trebuchet MS");
    int size = 10;  // points (at 96 dpi: pixel size = size * 96 / 72)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    TColor color = 0x000000;
};

class Canvas {
public:
    explicit Canvas(QImage *image = nullptr);
    void setImage(QImage *image);
    QImage *image() const
    {
        gebrauchen();
        return img_;
    }
    int width() const;
    int height() const;

    Stift pen;
    Pinsel brush;
    Schrift font;
    KopierModus copyMode = KopierModus::SrcCopy;

    QPoint penPos() const { return pos_; }
    void moveTo(int x, int y);
    void lineTo(int x, int y);  // end pixel excluded; pen position := (x, y); dashes run on until moveTo
    void polyline(const QVector<QPoint> &punkte);  // like lineTo along the points; pen position unchanged

    // Shapes by bounding box; right and bottom edge excluded; pen outline, brush inside.
    // With the clear pen a rectangle's brush covers l..r-2 x t..b-2 (one pixel smaller).
    void rectangle(int l, int t, int r, int b);
    void rectangle(const QRect &r) { rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    void roundRect(int l, int t, int r, int b, int w, int h);
    void ellipse(int l, int t, int r, int b);
    // Counter-clockwise arc of the box's ellipse from the ray centre->(x3,y3) to centre->(x4,y4);
    // equal rays give the whole ellipse. pie fills the sector and outlines it with its radii.
    void arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4);
    void pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4);
    void polygon(const QVector<QPoint> &punkte);  // closed, even-odd fill

    void fillRect(int l, int t, int r, int b);  // brush colour, l..r-1 x t..b-1, ignores the pen mode
    void fillRect(const QRect &r) { fillRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }
    // 4-connected, with the brush; Rand fills up to pixels of farbe, Flaeche fills the
    // connected pixels of farbe. Ignores the pen mode.
    void floodFill(int x, int y, TColor farbe, FuellArt art);

    TColor pixel(int x, int y) const;  // 0xFFFFFFFF outside
    void setPixel(int x, int y, TColor farbe);

    void textOut(int x, int y, const QString &text);  // top-left; opaque unless brush is clear
    int textWidth(const QString &text) const;
    int textHeight(const QString &text) const;

    // Draws a picture at (x, y) using copyMode; with transparent set, pixels of the transparent
    // colour (a TColor; by default the picture's bottom-left pixel) are skipped, the rest copied.
    void draw(int x, int y, const QImage &bild, bool transparent = false, std::int64_t transparentColor = -1);
    void stretchDraw(const QRect &ziel, const QImage &bild);
    // Copies srcRect of another canvas (or this one) to dest using copyMode (SrcCopy or
    // SrcInvert = xor); unequal sizes are scaled nearest-neighbour. stretchDraw scales smoothly.
    void copyRect(const QRect &dest, const Canvas &src, const QRect &srcRect);

    // Called after every drawing operation (the image widget schedules a repaint).
    std::function<void()> onChange;
    // Called before the canvas uses its image (the image widget makes its buffer then).
    std::function<void()> vorGebrauch;

private:
    void gebrauchen() const
    {
        if (vorGebrauch)
            vorGebrauch();
    }
    void geaendert() const;
    bool bereit();  // an image to draw on, in RGB32
    const QFont &qfont() const;
    void strich(QPoint von, QPoint bis);  // one pen stroke from lineTo
    QImage *img_ = nullptr;
    QPoint pos_{0, 0};
    int dashPhase_ = 0;
    // The Qt font of the last Schrift used (rebuilt when the Schrift changes).
    mutable QFont qfont_;
    mutable Schrift qfontVon_;
    mutable bool qfontGueltig_ = false;
    friend class CanvasIntern;
};

// The font a Schrift describes, with the pixel size fixed at 96 dpi and no antialiasing.
QFont QSchrift(const Schrift &s);

// World-to-pixel primitives bound to one canvas and one origin (X0, Y0); the world's
// y axis points up. Rounding is to the nearest integer, halves to even. Without a canvas
// they do nothing.
struct Ursprung {
    Canvas *canvas = nullptr;
    int X0 = 0, Y0 = 0;

    void Moveto0(double x, double y);
    void Lineto0(double x, double y);
    void MoveRel0(double dx, double dy);
    void LineRel0(double dx, double dy);
    void Line0(double x1, double y1, double x2, double y2);
    void MoveRel(int dx, int dy);  // like MoveRel0 / LineRel0 with whole numbers (y up)
    void LineRel(int dx, int dy);
    void MoveToP(QPoint p);
    void LineToP(QPoint p);
    void LinePQ(QPoint p, QPoint q);
};
