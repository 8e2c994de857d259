// The diffraction window's heavy parts at the largest picture and the finest resolution:
// the Huygens tables of every diaphragm kind, one simulated frame and the intensity picture.
#include "beugung.h"
#include "beugungsbild.h"
#include "huygens.h"

#include <benchmark/benchmark.h>

using namespace Beugung;

namespace {

// The largest picture ("groß") is the same on every screen: the area is 599 pixels high.
const Masse GrossesBild = MasseVon(792, 596);

Huygens::Auftrag GroessterAuftrag(Art art)
{
    GlobalInitialisieren();
    Huygens::Auftrag a;
    a.blende = Maske(art, 80, 80, 20);
    a.lambda = 60;
    a.xB = GrossesBild.xB;
    a.yMax = GrossesBild.yMax;
    a.d = 1;
    return a;
}

void BM_HuygensTabellen(benchmark::State &state)
{
    const Huygens::Auftrag a = GroessterAuftrag(Art(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Huygens::Berechne(a, SinCosTabelle));
}
BENCHMARK(BM_HuygensTabellen)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_BeugungFrame(benchmark::State &state)
{
    const Huygens::Auftrag a = GroessterAuftrag(Art::ZweiSpalten);
    const auto feld = Huygens::Berechne(a, SinCosTabelle);
    QImage bild(792, 596, QImage::Format_RGB32);
    Canvas canvas(&bild);
    Zustand z;
    z.m = GrossesBild;
    z.s = 1;
    z.blende = &a.blende;
    z.feld = &*feld;
    BeugungsBild zeichner(canvas, z);
    int t = 0;
    for (auto _ : state) {
        if (state.range(0) == 0)
            zeichner.ZeichneWellen(t++);
        else if (state.range(0) == 1)
            zeichner.ZeichneIntensitaet();
        else
            zeichner.AnimationsFrame(t++);
    }
}
BENCHMARK(BM_BeugungFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
