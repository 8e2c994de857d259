// Frames of the standing-wave window at its largest pictures (a 1920 × 1080 monitor): the
// opposed waves with their two component pictures (steps 2 and 4) and the clamped string
// (step 5). A frame should stay well under 16 ms so that the animation keeps the display rate.
#include "stwellenbild.h"

#include <benchmark/benchmark.h>

using namespace StehendeWellen;

namespace {

void BM_StWellenFrame(benchmark::State &state)
{
    GlobalInitialisieren();
    Bildschirmeinteilung(1904, 1016);
    const Layout l = BerechneLayout(1904, 1016, ZurueckOben);
    QImage seil(l.image0.size(), QImage::Format_RGB32), oben(l.image1.size(), QImage::Format_RGB32),
        unten(l.image2.size(), QImage::Format_RGB32);
    Canvas cs(&seil), co(&oben), cu(&unten);
    const int schritt = int(state.range(0));
    Bildzustand z;
    z.w = BerechneWerte(schritt, seil.width() / 2, l.u, 40, 20, 80);
    z.g = AufbauGegenwellen(z.w, false, false, true);
    z.komponenten = true;
    z.grund = 0x964401;
    StWellenBild bild(cs, co, cu, z);
    bild.Image0Vorbereiten(true);
    bild.Image1Vorbereiten(true);
    bild.Image2Vorbereiten(true);
    // well under way: both waves fill the rope
    double t = 4.0 * seil.width() / z.w.c;
    for (auto _ : state) {
        if (schritt == 5)
            bild.FrameStehend(t += 1);
        else
            bild.FrameGegenwellen(t += 1);
        benchmark::DoNotOptimize(seil.constBits());
    }
    state.counters["Breite"] = seil.width();
}
BENCHMARK(BM_StWellenFrame)->ArgName("Schritt")->Arg(2)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
