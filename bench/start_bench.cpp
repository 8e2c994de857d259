// Start-up, the title picture and the shared wait.
#include "canvas.h"
#include "fensterliste.h"
#include "startfenster.h"
#include "global.h"
#include "lauf.h"
#include "simfenster.h"
#include "startbild.h"

#include <QApplication>
#include <QFile>
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

// Resident memory in MB (VmRSS of /proc/self/status).
static double RssMB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &zeile : f.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// The program's memory at 1920 × 1080: after the start, after every window has been shown
// (and painted) and hidden again in turn, and after a second such round. Run it alone
// (--benchmark_filter=Speicher): the figures include what earlier benchmarks left.
static void BM_SpeicherRundgang(benchmark::State &state)
{
    for (auto _ : state) {
        GlobalInitialisieren();
        TFormMain *haupt = ErzeugeAlleFenster(QSize(1920, 1080));
        haupt->show();
        benchmark::DoNotOptimize(haupt->grab());
        QCoreApplication::processEvents();
        state.counters["Start_MB"] = RssMB();
        for (const char *runde : {"Runde1_MB", "Runde2_MB"}) {
            for (QWidget *w : AlleFenster()) {
                if (w == haupt)
                    continue;
                FensterOeffnen(w);
                QCoreApplication::processEvents();
                benchmark::DoNotOptimize(w->grab());
                w->hide();
                QCoreApplication::processEvents();
            }
            state.counters[runde] = RssMB();
        }
        const QList<QWidget *> fenster = AlleFenster();
        for (auto it = fenster.crbegin(); it != fenster.crend(); ++it) {
            FensterEntfernen(*it);
            delete *it;
        }
    }
}
BENCHMARK(BM_SpeicherRundgang)->Unit(benchmark::kMillisecond)->Iterations(1);

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
