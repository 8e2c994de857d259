// The heavy parts of the quantum-atom window at its size on a 1920 × 1080 screen: the grid
// maxima of all six states and one p and one d grey image at the largest section.
#include "schroedinger.h"

#include <benchmark/benchmark.h>

#include <QImage>

using namespace Atome;

namespace {

constexpr int Seite = 879, Mitte = Seite / 2;

void BM_BerechneWMax(benchmark::State &state)
{
    const int a0 = BohrRadiusPixel(Mitte, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BerechneWMax(Mitte, a0));
}
BENCHMARK(BM_BerechneWMax)->Arg(5)->Arg(35)->Unit(benchmark::kMillisecond);

void BM_GrauBild(benchmark::State &state)
{
    const int l = int(state.range(0));
    const int a0 = BohrRadiusPixel(Mitte, 5);
    const WMaxTabelle w = BerechneWMax(Mitte, a0);
    QImage bild(Seite, Seite, QImage::Format_RGB32);
    for (auto _ : state) {
        GrauSpalten(bild, Mitte, Mitte, Mitte, 3, l, a0, w(3, l), 0, Mitte);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GrauBild)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
