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
//
// Device pixels: on a picture with a device pixel ratio s (QImage::setDevicePixelRatio) the
// canvas draws at the picture's device pixels while every coordinate stays logical: logical
// pixel x covers device pixels ceil(x·s) .. ceil((x+1)·s) − 1, width() and height() are logical.
// Lines, outlines, text (the font's pixel size times s) and fills are drawn at full resolution;
// a pen w wide is round(w·s) device pixels wide (at least 1), hatches repeat every round(8·s).
// The rules above hold at every scale (XOR twice restores, outline and interior are disjoint,
// end pixels of 1-pixel lines are left out, joins of successive lineTo are drawn once);
// pixel() reads the device pixel holding the logical pixel's centre, setPixel() sets the whole
// logical pixel, pictures of another ratio are scaled to their logical size (nearest neighbour)
// and flood fills work on device pixels. At s = 1 every operation is the plain raster code.
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

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

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
    int width() const;   // logical
    int height() const;
    double skala() const;  // device pixels per logical pixel (the picture's device pixel ratio)

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
    void xorPixel(int x, int y, TColor wert);  // every device pixel of (x, y) xored with wert

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
    // The device pixels under logical box r as a picture of the same ratio; a canvas on it
    // maps its coordinates as this one does from r's top-left, so copying it back is exact.
    QImage ausschnitt(const QRect &r) const;

    // Called after every drawing operation (the image widget schedules a repaint).
    std::function<void()> onChange;
    // Called before the canvas uses its image (the image widget makes its buffer then).
    std::function<void()> vorGebrauch;
    // When set (by the contrast test), called by textOut before the text is drawn.
    static inline std::function<void(const Canvas &, int x, int y, const QString &text)> TextBeobachter;

private:
    void gebrauchen() const
    {
        if (vorGebrauch)
            vorGebrauch();
    }
    void geaendert() const;
    bool bereit();  // an image to draw on, in RGB32; sets skala_
    const QFont &qfont() const;
    const QFont &qfontGeraet() const;  // the font at device pixels
    void strich(QPoint von, QPoint bis);  // one pen stroke from lineTo
    QImage *img_ = nullptr;
    double skala_ = 1;
    QPoint pos_{0, 0};
    int dashPhase_ = 0;
    // At device pixels: where the last lineTo ended (its device end point and pen width) and
    // the pixels it drew near there, which a lineTo going on from there leaves alone.
    struct Naht {
        std::int64_t x = 0, y = 0;
        int breite = 0;  // 0: no lineTo to go on from
        std::vector<std::pair<std::int64_t, std::int64_t>> punkte;
    } naht_;
    mutable QFont qfontGeraet_;
    mutable Schrift qfontGeraetVon_;
    mutable double qfontGeraetSkala_ = 0;
    // The Qt font of the last Schrift used (rebuilt when the Schrift changes).
    mutable QFont qfont_;
    mutable Schrift qfontVon_;
    mutable bool qfontGueltig_ = false;
    friend class CanvasIntern;
    friend class CanvasGeraet;
};

// The font a Schrift describes, with the pixel size fixed at 96 dpi (times skala) and no antialiasing.
QFont QSchrift(const Schrift &s, double skala = 1);

// The logical size of a picture: its device size over its device pixel ratio.
QSize LogischeGroesse(const QImage &bild);
// The device edge of logical coordinate x at scale s, ceil(x·s); logical pixel x covers the
// device pixels GeraetKante(x, s) .. GeraetKante(x + 1, s) − 1.
int GeraetKante(int x, double s);

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
