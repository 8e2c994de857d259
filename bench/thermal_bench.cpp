// Redraws of the black-body picture at the size it has on a 1920 × 1080 screen: every
// curve kind for all five temperatures, as a track-bar drag triggers them.
#include "bild.h"
#include "schwarzkoerperfenster.h"
#include "strahlungsbild.h"
#include "strahlungslayout.h"

#include <benchmark/benchmark.h>

using namespace Waermestrahlung;

namespace {

SchwarzkoerperZustand Alles(bool ueberFrequenz)
{
    SchwarzkoerperZustand z;
    z.ueberFrequenz = ueberFrequenz;
    z.mitSpektrum = true;
    z.temperatur = {true, true, true, true, true};
    z.gemessen = z.wien = z.rayleighJeans = z.wienRelativ = z.rayleighJeansRelativ = z.verschiebung = true;
    return z;
}

QRect BildAuf1920()
{
    Bildschirmwerte b;
    b.breite = 1904;
    b.hoehe = 1016;
    b.spalte = StandardSpalte(1904);
    return BerechneSchwarzkoerperLayout(b).bild;
}

void BM_SchwarzkoerperAlleKurven(benchmark::State &state)
{
    const QRect r = BildAuf1920();
    QImage bild(r.size(), QImage::Format_RGB32);
    Canvas canvas(&bild);
    SchwarzkoerperZustand z = Alles(state.range(0) != 0);
    z.strichbreite = int(state.range(1));
    SchwarzkoerperBild zeichner(canvas, BerechneMasse(r.width(), r.height(), 70));
    int ref = 20;
    for (auto _ : state) {
        z.refTemperatur = ref * 100;  // as dragging the reference bar
        ref = ref == 60 ? 20 : ref + 1;
        zeichner.ZeichneKurven(z);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_SchwarzkoerperAlleKurven)
    ->ArgNames({"ueberFrequenz", "Strichbreite"})
    ->Args({0, 3})
    ->Args({1, 3})
    ->Args({0, 7})
    ->Unit(benchmark::kMillisecond);

// The window's track-bar handler, widgets included (the repaint itself is queued).
void BM_SchwarzkoerperTrackBar(benchmark::State &state)
{
    BildschirmBreite = 1904;
    BildschirmHoehe = 1016;
    Bildschirmeinteilung(1904, 1016);
    TFormSchwarzkoerper fenster;
    for (QCheckBox *b : fenster.findChildren<QCheckBox *>())
        b->setChecked(true);
    int pos = 20;
    for (auto _ : state) {
        fenster.trackBarMaxLeistung()->setPosition(pos);
        pos = pos == 60 ? 20 : pos + 1;
    }
}
BENCHMARK(BM_SchwarzkoerperTrackBar)->Unit(benchmark::kMillisecond);

void BM_PlanckFuenfKurven(benchmark::State &state)
{
    const QRect r = BildAuf1920();
    QImage bild(r.size(), QImage::Format_RGB32);
    Canvas canvas(&bild);
    PlanckZustand z;
    z.mitSpektrum = true;
    z.temperatur = {true, true, true, true, true};
    PlanckBild zeichner(canvas, BerechneMasse(r.width(), r.height(), 100));
    for (auto _ : state) {
        zeichner.ZeichneStrahlungskurven(z);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_PlanckFuenfKurven)->Unit(benchmark::kMillisecond);

}  // namespace
