// Start-up, the title picture and the shared wait.
#include "canvas.h"
#include "fensterliste.h"
#include "startfenster.h"
#include "global.h"
#include "simfenster.h"
#include "startbild.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// All registered windows created and the start screen painted once.
static void BM_Programmstart(benchmark::State &state)
{
    for (auto _ : state) {
        GlobalInitialisieren();
        TFormMain *haupt = ErzeugeAlleFenster(QSize(1920, 1080));
        haupt->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(haupt->grab());
        const QList<QWidget *> fenster = AlleFenster();
        for (auto it = fenster.crbegin(); it != fenster.crend(); ++it) {
            FensterEntfernen(*it);
            delete *it;
        }
    }
}
BENCHMARK(BM_Programmstart)->Unit(benchmark::kMillisecond)->Iterations(5);

static void BM_Titelbild(benchmark::State &state)
{
    Bildschirmeinteilung(1904, 1016);
    QImage bild(680, 680, QImage::Format_RGB32);
    Canvas c(&bild);
    for (auto _ : state)
        ZeichneTitelbild(c, FarbeHintergrund, SchriftGross);
}
BENCHMARK(BM_Titelbild)->Unit(benchmark::kMillisecond);

// One Warte(0): handles pending events and returns at the next 1/64 s tick, so a frame
// loop runs at about 64 frames per second.
static void BM_Warte0(benchmark::State &state)
{
    for (auto _ : state)
        Warte(0);
}
BENCHMARK(BM_Warte0)->Unit(benchmark::kMillisecond)->Iterations(64);
