// Text on the canvas: the Qt font of a Schrift, text measures and textOut.
#include "canvas.h"
#include "canvasmasken.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace canvasraster;

namespace {

constexpr int MaxPixelGroesse = 1000;  // font pixel sizes are kept within 1..1000

bool gleicheSchrift(const Schrift &a, const Schrift &b)
{
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline;
}

}  // namespace

QFont QSchrift(const Schrift &s, double skala)
{
    QFont f(s.name);
    // at another scale the logical pixel size times the scale, so that text keeps its logical measures
    const int logisch = std::clamp(Runde(s.size * 96 / 72.0), 1, MaxPixelGroesse);
    f.setPixelSize(skala == 1.0 ? logisch : std::max(1, Runde(logisch * skala)));
    f.setBold(s.bold);
    f.setItalic(s.italic);
    f.setUnderline(s.underline);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

const QFont &Canvas::qfont() const
{
    if (!qfontGueltig_ || !gleicheSchrift(qfontVon_, font)) {
        qfont_ = QSchrift(font);
        qfontVon_ = font;
        qfontGueltig_ = true;
    }
    return qfont_;
}

const QFont &Canvas::qfontGeraet() const
{
    if (qfontGeraetSkala_ != skala_ || !gleicheSchrift(qfontGeraetVon_, font)) {
        qfontGeraet_ = QSchrift(font, skala_);
        qfontGeraetVon_ = font;
        qfontGeraetSkala_ = skala_;
    }
    return qfontGeraet_;
}

int Canvas::textWidth(const QString &text) const
{
    return QFontMetrics(qfont()).horizontalAdvance(text);
}

int Canvas::textHeight(const QString &) const
{
    const QFontMetrics fm(qfont());
    return fm.ascent() + fm.descent();
}

void Canvas::textOut(int x, int y, const QString &text)
{
    if (!bereit())
        return;
    if (TextBeobachter)
        TextBeobachter(*this, x, y, text);
    if (skala_ != 1.0)
        return CanvasGeraet::text(*this, x, y, text);
    const QFont &f = qfont();
    const QFontMetrics fm(f);
    const int breite = fm.horizontalAdvance(text), hoehe = fm.ascent() + fm.descent();
    pos_ = {klemme(i64(x) + breite), y};
    Raster ras(*img_);
    // Glyphs may overhang the cell (italics, accents): render with a margin around it.
    const i64 rx = hoehe / 2 + 2, ry = hoehe / 4 + 2;
    const Kasten zelle{x, y, i64(x) + breite, i64(y) + hoehe};
    const Kasten k = zelle.erweitert(std::max(rx, ry)).mit(ras.kasten());
    if (k.leer() || text.isEmpty()) {
        geaendert();
        return;
    }
    QImage glyphen(int(k.x1 - k.x0), int(k.y1 - k.y0), QImage::Format_RGB32);
    glyphen.fill(0);
    {
        QPainter p(&glyphen);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(f);
        p.setPen(QColor(255, 255, 255));
        p.drawText(QPointF(double(x - k.x0), double(y - k.y0 + fm.ascent())), text);
    }
    Maske m(k);
    for (i64 yy = k.y0; yy < k.y1; ++yy) {
        const QRgb *g = reinterpret_cast<const QRgb *>(glyphen.constScanLine(int(yy - k.y0)));
        std::uint8_t *mz = m.zeile(yy);
        for (i64 xx = k.x0; xx < k.x1; ++xx) {
            if (qGray(g[xx - k.x0]) >= 128)
                mz[xx - k.x0] = MStift;
            else if (zelle.enthaelt(xx, yy))
                mz[xx - k.x0] = MFlaeche;
        }
    }
    // The cell is opaque only with a solid brush.
    Pinsel grund = brush;
    if (grund.style != PinselStil::Solid)
        grund.style = PinselStil::Clear;
    zeichneMaske(ras, m, pen.mode, zuRgb(font.color), grund, true);
    geaendert();
}

void CanvasGeraet::text(Canvas &c, int x, int y, const QString &text)
{
    // Measured in logical pixels (as at scale 1), drawn once at device pixels with the font
    // scaled, so that the letters are spaced as the font wants them at that size.
    const QFontMetrics fm(c.qfont());
    const int breite = fm.horizontalAdvance(text), hoehe = fm.ascent() + fm.descent();
    c.pos_ = {klemme(i64(x) + breite), y};
    const Skala sk = skala(c);
    Raster ras(*c.img_);
    const QFont &f = c.qfontGeraet();
    const QFontMetrics fg(f);
    const i64 gb = fg.horizontalAdvance(text), gh = fg.ascent() + fg.descent();
    const Kasten zelle{sk.x(x), sk.y(y), sk.x(i64(x) + breite), sk.y(i64(y) + hoehe)};
    const i64 rx = gh / 2 + 2, ry = gh / 4 + 2;
    const Kasten k = Kasten{zelle.x0, zelle.y0, std::max(zelle.x1, zelle.x0 + gb), std::max(zelle.y1, zelle.y0 + gh)}
                         .erweitert(std::max(rx, ry))
                         .mit(ras.kasten());
    if (k.leer() || text.isEmpty())
        return c.geaendert();
    QImage glyphen(int(k.x1 - k.x0), int(k.y1 - k.y0), QImage::Format_RGB32);
    glyphen.fill(0);
    {
        QPainter p(&glyphen);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(f);
        p.setPen(QColor(255, 255, 255));
        p.drawText(QPointF(double(zelle.x0 - k.x0), double(zelle.y0 - k.y0 + fg.ascent())), text);
    }
    Maske m(k);
    for (i64 yy = k.y0; yy < k.y1; ++yy) {
        const QRgb *g = reinterpret_cast<const QRgb *>(glyphen.constScanLine(int(yy - k.y0)));
        std::uint8_t *mz = m.zeile(yy);
        for (i64 xx = k.x0; xx < k.x1; ++xx) {
            if (qGray(g[xx - k.x0]) >= 128)
                mz[xx - k.x0] = MStift;
            else if (zelle.enthaelt(xx, yy))
                mz[xx - k.x0] = MFlaeche;
        }
    }
    Pinsel grund = c.brush;
    if (grund.style != PinselStil::Solid)
        grund.style = PinselStil::Clear;
    zeichneMaske(ras, m, c.pen.mode, zuRgb(c.font.color), grund, true);
    c.geaendert();
}
