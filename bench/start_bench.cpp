// Start-up, the title picture and the shared wait.
#include "canvas.h"
#include "fensterliste.h"
#include "startfenster.h"
#include "global.h"
#include "lauf.h"
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

// One frame of a run that waits 0 ms: the clock's tick resumes it, it counts and suspends again
// (the cost the run model adds to every frame, without the event loop's own work).
static void BM_LaufBild(benchmark::State &state)
{
    VirtuellerTakt takt;
    Takt::Setzen(&takt);
    long bilder = 0;
    Lauf lauf;
    lauf.Starten([&]() -> Ablauf {
        for (;;) {
            ++bilder;
            co_await lauf.Warte(0);
        }
    });
    for (auto _ : state)
        takt.Tick();
    lauf.Abbrechen();
    Takt::Setzen(nullptr);
    state.counters["Bilder"] = double(bilder);
}
BENCHMARK(BM_LaufBild);

// A real tick: a run waiting 0 ms is resumed at the next 1/64 s boundary, so that a frame loop
// runs at about 64 frames per second.
static void BM_EchterTakt(benchmark::State &state)
{
    for (auto _ : state) {
        Lauf lauf;
        bool fertig = false;
        lauf.Starten([&]() -> Ablauf {
            co_await lauf.Warte(0);
            fertig = true;
        });
        while (!fertig)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}
BENCHMARK(BM_EchterTakt)->Unit(benchmark::kMillisecond)->Iterations(64);
