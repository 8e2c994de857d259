// Frames of the wave-propagation window at the largest pictures: one water frame (picture,
// both sections, axes and centres) at the finest grid, the intensity picture, and one rope
// frame on all three rope pictures. A frame should stay well under 16 ms so that the
// animation keeps the display rate.
#include "interferenzbild.h"

#include <benchmark/benchmark.h>

using namespace Interferenz;

namespace {

constexpr TColor Grund = 0x964401;

Wellenwerte Wasserwerte(int aufloesung)
{
    Steuerwerte st;
    st.dimension = 2;
    st.aufloesung = aufloesung;
    st.schonUnterwegs = true;
    return BerechneWerte(st);
}

void BM_WasserFrame(benchmark::State &state)
{
    const auto art = Zentren(state.range(0));
    const WasserLauf l = WasserLaufVon(Wasserwerte(int(state.range(1))), art, 224, 224);
    QImage bild(449, 448, QImage::Format_RGB32), ab(449, 113, QImage::Format_RGB32), cd(113, 448, QImage::Format_RGB32);
    Canvas c(&bild), cab(&ab), ccd(&cd);
    const QImage links = ZentrumLinksBild(), rechts = ZentrumRechtsBild();
    int t = 0;
    for (auto _ : state) {
        SchnittWaagrVorbereiten(cab, l, Grund);
        SchnittSenkrVorbereiten(ccd, 56, Grund);
        ZeichneWasserFrame(c, l, ++t, Grund);
        ZeichneSchnitte(cab, ccd, l, t, 56);
        Achsen2Dim(c, l.X0, l.Y0);
        ZeichneZentren(c, l, links, rechts);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_WasserFrame)
    ->ArgNames({"Zentren", "s"})
    ->Args({int(Zentren::Links), 1})
    ->Args({int(Zentren::BeideLinks), 1})
    ->Args({int(Zentren::BeideLinks), 4})
    ->Unit(benchmark::kMillisecond);

void BM_Intensitaetsbild(benchmark::State &state)
{
    const WasserLauf l = WasserLaufVon(Wasserwerte(1), Zentren(state.range(0)), 224, 224);
    QImage bild(449, 448, QImage::Format_RGB32);
    Canvas c(&bild);
    for (auto _ : state) {
        ZeichneIntensitaetsBild(c, l, Grund);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_Intensitaetsbild)->Arg(int(Zentren::LinksRechts))->Arg(int(Zentren::BeideLinks))->Unit(benchmark::kMillisecond);

void BM_SeilFrame(benchmark::State &state)
{
    Steuerwerte st;
    st.schonUnterwegs = true;
    const SeilLauf l = SeilLaufVon(BerechneWerte(st), 500, true, true);
    QImage summe(1000, 240, QImage::Format_RGB32), eins(1000, 120, QImage::Format_RGB32),
        zwei(1000, 120, QImage::Format_RGB32);
    Canvas cs(&summe), c1(&eins), c2(&zwei);
    Markierung m;
    m.anzahl = 3;
    m.x = {-200, 0, 200};
    const QImage masse = SeilmasseBild();
    double t = 0;
    for (auto _ : state) {
        ZeichneSeilFrame({&cs, &c1, &c2}, l, t += 1, m, masse, Grund);
        benchmark::DoNotOptimize(summe.constBits());
    }
}
BENCHMARK(BM_SeilFrame)->Unit(benchmark::kMillisecond);

}  // namespace
