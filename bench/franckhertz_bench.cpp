// One voltage step of the Franck–Hertz curve: 10000 electrons integrated at the tube size
// the curve window has on a 1920 × 1080 screen (tube unit 42), at several voltages.
#include "franckhertz.h"

#include <benchmark/benchmark.h>

using namespace FranckHertz;

namespace {

void BM_FranckHertzSpannungsschritt(benchmark::State &state)
{
    const Rohrpunkte p = DefinierePunkte(Variante::Kurve, 42, 42, 42);
    KurvenParameter k;
    k.U = double(state.range(0));
    k.Ug = 2.0;
    k.E = 4.9;
    k.p = 15 * 8e-4;
    k.N = 10000;
    k.kathodeX = p.kathodeX;
    k.gitterX = p.gitterX;
    k.auffaengerX = p.auffaengerX;
    std::uint64_t zufall = 12345;
    for (auto _ : state)
        benchmark::DoNotOptimize(KurvenSchritt(k, zufall));
}
BENCHMARK(BM_FranckHertzSpannungsschritt)->ArgName("U")->Arg(3)->Arg(6)->Arg(10)->Arg(20)->Arg(30)
    ->Unit(benchmark::kMillisecond);

}  // namespace
