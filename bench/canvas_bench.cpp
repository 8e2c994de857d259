// The canvas operations that animations and plots repeat most.
#include "canvas.h"
#include "global.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

QImage bildschirm(int w = 1920, int h = 1080)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(0xFF4080C0u);
    return img;
}

// A 64x64 sprite moved by XOR copies: each frame erases and draws it once.
void BM_XorSprite64(benchmark::State &state)
{
    QImage img = bildschirm();
    Canvas c(&img);
    QImage spriteBild(64, 64, QImage::Format_RGB32);
    spriteBild.fill(0xFF000000u);
    Canvas sprite(&spriteBild);
    sprite.brush.color = 0x00FFFF;
    sprite.ellipse(0, 0, 64, 64);
    c.copyMode = KopierModus::SrcInvert;
    int x = 0;
    for (auto _ : state) {
        c.copyRect(QRect(x, 500, 64, 64), sprite, QRect(0, 0, 64, 64));
        x = (x + 7) % 1800;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_XorSprite64);

// A curve across the whole picture: 1920 points, 1-pixel pen.
void BM_Linienzug1920(benchmark::State &state)
{
    QImage img = bildschirm();
    Canvas c(&img);
    QVector<QPoint> punkte;
    for (int x = 0; x < 1920; ++x)
        punkte.append({x, 540 + Runde(500 * std::sin(x * 0.02))});
    c.pen.mode = PenModus::Xor;
    c.pen.color = 0xFFFFFF;
    for (auto _ : state) {
        c.polyline(punkte);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Linienzug1920);

// The same curve point by point with Ursprung's world-to-pixel lines.
void BM_Lineto0Kurve1920(benchmark::State &state)
{
    QImage img = bildschirm();
    Canvas c(&img);
    Ursprung u{&c, 0, 540};
    for (auto _ : state) {
        u.Moveto0(0, 0);
        for (int x = 1; x < 1920; ++x)
            u.Lineto0(x, 500 * std::sin(x * 0.02));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Lineto0Kurve1920);

// A wide curve (pen 5) across the picture.
void BM_LinienzugBreit(benchmark::State &state)
{
    QImage img = bildschirm();
    Canvas c(&img);
    QVector<QPoint> punkte;
    for (int x = 0; x < 1920; x += 4)
        punkte.append({x, 540 + Runde(500 * std::sin(x * 0.02))});
    c.pen.width = 5;
    for (auto _ : state) {
        c.polyline(punkte);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LinienzugBreit);

// Flood fill of a 1900x1000 region, alternating the colour so that each run fills it all.
void BM_FlutfuellungGross(benchmark::State &state)
{
    QImage img = bildschirm();
    Canvas c(&img);
    c.brush.style = PinselStil::Clear;
    c.rectangle(10, 40, 1910, 1040);
    const TColor farben[2] = {0x00FF00, 0xFF00FF};
    c.brush = {farben[1], PinselStil::Solid};
    c.fillRect(11, 41, 1909, 1039);
    int i = 0;
    for (auto _ : state) {
        c.brush = {farben[i], PinselStil::Solid};
        c.floodFill(960, 540, farben[1 - i], FuellArt::Flaeche);
        i = 1 - i;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 1899 * 999);
}
BENCHMARK(BM_FlutfuellungGross);

// A filled ellipse of 600x400 pixels.
void BM_Ellipse600x400(benchmark::State &state)
{
    QImage img = bildschirm();
    Canvas c(&img);
    c.pen.mode = PenModus::Xor;
    for (auto _ : state) {
        c.ellipse(100, 100, 700, 500);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Ellipse600x400);

// A label in the windows' usual font, opaque and in XOR mode.
void BM_Textausgabe(benchmark::State &state)
{
    QImage img = bildschirm();
    Canvas c(&img);
    c.font.name = QStringLiteral("Comic Sans MS");
    c.font.size = 12;
    c.font.bold = true;
    c.pen.mode = state.range(0) ? PenModus::Xor : PenModus::Copy;
    const QString text = QStringLiteral("Gegenspannung U = 1,25 V");
    for (auto _ : state) {
        c.textOut(200, 300, text);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Textausgabe)->Arg(0)->Arg(1);

// Shapes with coordinates near the integer limits, clipped to a small picture: each call
// costs what the picture holds, not what the coordinates span.
void BM_RiesigeKoordinaten(benchmark::State &state)
{
    QImage img = bildschirm(100, 100);
    Canvas c(&img);
    const int g = 2000000000;
    for (auto _ : state) {
        c.moveTo(-g, -g / 2);
        c.lineTo(g, g / 2);
        c.ellipse(-g, -g, g, g);
        c.polygon({{-g, -g}, {g, 0}, {0, g}});
        c.pen.width = 7;
        c.polyline({{-g, -g}, {g, g}, {-g, g}});
        c.pen.width = 1;
        c.floodFill(50, 50, 0x000000, FuellArt::Rand);
    }
}
BENCHMARK(BM_RiesigeKoordinaten)->Unit(benchmark::kMillisecond);

// The curve of BM_Lineto0Kurve1920 and the label of BM_Textausgabe on a picture at device
// pixels: range(0) / 4 device pixels per pixel (1.5 and 2).
void BM_Geraetepixel(benchmark::State &state)
{
    const double s = state.range(0) / 4.0;
    QImage img(GeraetKante(1920, s), GeraetKante(1080, s), QImage::Format_RGB32);
    img.setDevicePixelRatio(s);
    img.fill(0xFF4080C0u);
    Canvas c(&img);
    c.pen.mode = PenModus::Xor;
    c.font.name = QStringLiteral("Comic Sans MS");
    c.font.size = 12;
    Ursprung u{&c, 0, 540};
    for (auto _ : state) {
        u.Moveto0(0, 0);
        for (int x = 1; x < 1920; ++x)
            u.Lineto0(x, 500 * std::sin(x * 0.02));
        c.textOut(200, 300, QStringLiteral("Gegenspannung U = 1,25 V"));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Geraetepixel)->Arg(6)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace
