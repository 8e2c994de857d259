// The double-slit intensity table and the uncertainty window's wave field at their largest
// settings, and one frame of each uncertainty view at the largest picture.
#include "doppelspalt.h"
#include "doppelspaltbild.h"
#include "heisenberg.h"
#include "heisenbergbild.h"

#include <benchmark/benchmark.h>

namespace {

// The double slit's largest table: the enlarged screen on a 1920 × 1080 monitor (hw = 616),
// the widest envelope and the closest slits.
void BM_DoppelspaltIntensitaet(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Doppelspalt::Intensitaeten(616, 2.0, 6));
}
BENCHMARK(BM_DoppelspaltIntensitaet)->Unit(benchmark::kMicrosecond);

// A whole redraw of the apparatus with the graph and the classical stripes.
void BM_DoppelspaltZeichneAlles(benchmark::State &state)
{
    GlobalInitialisieren();
    QImage bild(1232, 847, QImage::Format_RGB32);
    Canvas c(&bild);
    Doppelspalt::Zustand z;
    z.mit = state.range(0) != 0;
    z.m = Doppelspalt::MasseVon(1232, 847, 77, z.mit, false);
    z.blick = Doppelspalt::Blick::Aus(40, 75);
    z.I = Doppelspalt::Intensitaeten(z.m.hw, 0.75, 8);
    z.lampe = z.graph = z.klassisch = true;
    Doppelspalt::DoppelspaltBild zeichner(c, z);
    for (auto _ : state)
        zeichner.ZeichneAlles();
}
BENCHMARK(BM_DoppelspaltZeichneAlles)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The uncertainty wave field: 456 × 286 points, 2b + 1 wavelets each, at the widest slit.
void BM_HeisenbergWellenfeld(benchmark::State &state)
{
    GlobalInitialisieren();
    for (auto _ : state)
        benchmark::DoNotOptimize(Heisenberg::BerechneWellenfeld(int(state.range(0)), 20, SinCosTabelle));
}
BENCHMARK(BM_HeisenbergWellenfeld)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

// One frame at the finest resolution on the largest picture: wave (steps 1, 2) or zoomed intensity.
void BM_HeisenbergFrame(benchmark::State &state)
{
    GlobalInitialisieren();
    const auto feld = Heisenberg::BerechneWellenfeld(100, 20, SinCosTabelle);
    const Heisenberg::Richtungen r = Heisenberg::BerechneRichtungen(100, 20);
    Heisenberg::Zustand z;
    z.m = Heisenberg::MasseVon(4, 57);
    z.s = 1;
    z.b = 100;
    z.lambda = 20;
    z.c = 20.0 / 16;
    z.p = 6;
    z.feld = &*feld;
    z.richtungen = &r;
    QImage bild(z.m.breite, z.m.hoehe, QImage::Format_RGB32);
    Canvas c(&bild);
    Heisenberg::HeisenbergBild zeichner(c, z);
    int t = 0;
    for (auto _ : state) {
        if (state.range(0) == 0)
            zeichner.ZeichneWellen(t++);
        else
            zeichner.ZeichneIntensitaetZoom();
    }
}
BENCHMARK(BM_HeisenbergFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
