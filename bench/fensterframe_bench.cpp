// One frame of animated windows through the window itself: the window created and opened on a
// 1920 × 1080 screen, its run started with its own controls on the virtual clock, and each
// iteration the clock advanced tick by tick until the run has been resumed once — one pass of
// its body (compute and draw on the pictures). With "Anzeige" 1 the event pass that follows,
// which puts the pictures on the screen, is measured as well. "max_ms" is the longest frame
// seen, in the thread's CPU time (the wall clock's longest frame is that of a preemption on a
// busy machine). Aim: under 8 ms each. (photo_bench.cpp rebuilds the photocell and
// counter-field frames from their drawing parts; here their windows' own runs go.)
#include "bohrfenster.h"
#include "franckhertzanordnungfenster.h"
#include "franckhertzfenster.h"
#include "gegenfeldfenster.h"
#include "hatomfenster.h"
#include "hatomprobefenster.h"
#include "lampenwahl.h"
#include "lauf.h"
#include "photozellenfenster.h"
#include "planckkonstantefenster.h"
#include "schroedingerfenster.h"

#include <QCoreApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>

namespace {

double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Opens the window as the program does, at the size of the screen it was laid out for (the
// headless test screen is smaller).
void Oeffnen(QWidget &f)
{
    f.setGeometry(0, 0, BildschirmBreite, BildschirmHoehe);
    f.show();
    QCoreApplication::processEvents();
}

// The event pass after a frame: what is posted, and the repaint of what the frame changed, which
// the window system would ask for at its next update (not before a few milliseconds).
void Anzeigen(const QWidget &f)
{
    QCoreApplication::processEvents();
    QEvent anfrage(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(const_cast<QWidget *>(&f), &anfrage);
}

// The shared state of a fresh program on a 1920 × 1080 screen (its usable area), the virtual
// clock in place and message boxes counted instead of shown.
struct Bank {
    VirtuellerTakt takt;
    int meldungen = 0;
    Bank()
    {
        GlobalInitialisieren();
        ZufallStarten(20261208);
        BildschirmBreite = 1904;
        BildschirmHoehe = 1016;
        Bildschirmeinteilung(1904, 1016);
        Takt::Setzen(&takt);
        MeldungsBeobachter = [this](const MeldungsEintrag &) { ++meldungen; };
    }
    ~Bank()
    {
        MeldungsBeobachter = nullptr;
        Takt::Setzen(nullptr);
    }
    Bank(const Bank &) = delete;
    Bank &operator=(const Bank &) = delete;

    // Ticks until bedingung holds (at most about a minute of the window's time).
    bool Bis(const std::function<bool()> &bedingung)
    {
        for (int t = 0; t < 4000; ++t) {
            if (bedingung())
                return true;
            takt.Tick();
        }
        return bedingung();
    }

    // The measured frames, with the event pass where the last argument ("Anzeige") asks for it.
    // Before a frame, where bedarf() holds, nachlegen() keeps the run going (starts the next
    // flight or step) outside the measurement.
    void Frames(benchmark::State &state, int anzeigeArg, const SimFenster &f, const std::function<bool()> &bedarf,
                const std::function<void()> &nachlegen)
    {
        const bool anzeigen = state.range(anzeigeArg) != 0;
        QCoreApplication::processEvents();
        double laengster = 0;
        for (auto _ : state) {
            if (bedarf()) {
                state.PauseTiming();
                nachlegen();
                QCoreApplication::processEvents();
                state.ResumeTiming();
            }
            const double anfang = CpuMs();
            const std::uint64_t vorher = takt.Fortsetzungen();
            for (int t = 0; takt.Fortsetzungen() == vorher && t < 1000; ++t)
                takt.Tick();
            if (anzeigen)
                Anzeigen(f);
            laengster = std::max(laengster, CpuMs() - anfang);
            if (takt.Fortsetzungen() == vorher) {
                state.SkipWithError("the run is not going");
                break;
            }
        }
        if (meldungen > 0)
            state.SkipWithError("a message box came up");
        state.counters["max_ms"] = laengster;
        state.counters["Fensterbreite"] = f.width();
    }
};

// Bohr's atom at the fastest speed: the electron circling (0), or photons emitted and absorbed in
// turn between n = 3 and n = 2, with the atom redrawn at each level change (1).
void BM_BohrFrame(benchmark::State &state)
{
    Bank bank;
    TFormBohrAtom2 f;
    Oeffnen(f);
    f.TrackBarTempo->setPosition(f.TrackBarTempo->Max());
    f.bitBtnStart()->click();
    const bool photonen = state.range(0) != 0;
    bank.Frames(
        state, 1, f, [&] { return photonen && !f.imUebergang(); },
        [&] {
            if (f.n() == 3) {
                f.radioButtonEmission()->setChecked(true);
                f.BitBtnEmissionClick();  // the first Balmer line
            } else {
                f.radioButtonAbsorption()->setChecked(true);
                f.editLinieAbsorption()->setText(QStringLiteral("1"));
                f.BitBtnAbsorbtionClick();
            }
        });
    state.counters["Photonen"] = f.photonenZahl();
}
BENCHMARK(BM_BohrFrame)->ArgNames({"Photonen", "Anzeige"})->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The Franck–Hertz run: the cathode heated, the switch closed, electrons flying one after the
// other through the most atoms, which move, at the fastest speed without a stop at collisions.
void BM_FranckHertzFrame(benchmark::State &state)
{
    Bank bank;
    TFormFranckHertz2 f;
    Oeffnen(f);
    f.TrackBarTempo->setPosition(f.TrackBarTempo->Max());
    f.trackBarZahlAtome()->setPosition(f.trackBarZahlAtome()->Max());
    f.trackBarStop()->setPosition(0);
    f.trackbarUa()->setPosition(f.trackbarUa()->Max());
    f.checkBoxAtomBewegung()->setChecked(true);
    f.bitBtnHeizen()->click();
    if (!bank.Bis([&] { return f.heizungAn(); })) {
        state.SkipWithError("the cathode does not heat");
        return;
    }
    f.bitBtnSchalter()->click();
    bank.Frames(state, 0, f, [] { return false; }, [] {});
    state.counters["Atome"] = f.gas().N;
    state.counters["Elektronen"] = f.lauf()->n;
}
BENCHMARK(BM_FranckHertzFrame)->ArgName("Anzeige")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The Franck–Hertz set-up: the most atoms at the highest temperature in thermal motion.
void BM_FranckHertzAnordnungFrame(benchmark::State &state)
{
    Bank bank;
    TFormFranckHertzAnordnung2 f;
    Oeffnen(f);
    f.trackBarZahlAtome()->setPosition(f.trackBarZahlAtome()->Max());
    f.trackBarTemperatur()->setPosition(f.trackBarTemperatur()->Max());
    f.bitBtnMitGas()->click();
    bank.Frames(state, 0, f, [] { return false; }, [] {});
    state.counters["Atome"] = f.gas().N;
}
BENCHMARK(BM_FranckHertzAnordnungFrame)->ArgName("Anzeige")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The hydrogen energy levels: step 10 (the Paschen series moved aside and lifted, its
// transitions marked) with the most lines, at the fastest animated speed, played again and again.
void BM_HAtomFrame(benchmark::State &state)
{
    Bank bank;
    TFormHAtom3 f;
    f.trackBarLinien()->setPosition(f.trackBarLinien()->Max());
    f.TrackBarTempo->setPosition(3);
    Oeffnen(f);
    for (int s = 2; s <= 10; ++s) {
        f.BitBtnWeiterClick();
        if (!bank.Bis([&] { return !f.LaufAktiv(); })) {
            state.SkipWithError("a step does not end");
            return;
        }
    }
    bank.Frames(
        state, 0, f, [&] { return !f.LaufAktiv(); },
        [&] {
            f.BitBtnSchrittZurueckClick();
            f.BitBtnWeiterClick();
        });
    state.counters["Schritt"] = f.schritt();
}
BENCHMARK(BM_HAtomFrame)->ArgName("Anzeige")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The level exercises at the fastest animated speed: the atom blinks between n = 3 and n = 2
// and the photon flies, emitted and absorbed in turn.
void BM_HAtomProbeFrame(benchmark::State &state)
{
    Bank bank;
    TFormHAtomProbe3 f;
    f.TrackBarTempo->setPosition(3);
    Oeffnen(f);
    f.editNrVorher()->setText(QStringLiteral("3"));
    bank.Frames(
        state, 0, f, [&] { return !f.LaufAktiv(); },
        [&] {
            if (f.Stufe() == 3) {
                f.editNrNachher()->setText(QStringLiteral("2"));
                f.BitBtnEmittiereClick();
            } else {
                f.comboBoxSerie()->setCurrentIndex(1);  // Balmer
                f.editLinie()->setText(QStringLiteral("1"));
                f.BitBtnAbsorbiereClick();
            }
        });
}
BENCHMARK(BM_HAtomProbeFrame)->ArgName("Anzeige")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The quantum atom's measurement, dot by dot with the graph, at the fastest speed: the state
// (n, l) at a scale (Bohr radii across); 1s at the widest section accepts the fewest draws.
void BM_SchroedingerMessungFrame(benchmark::State &state)
{
    Bank bank;
    TFormSchroedinger3 f;
    Oeffnen(f);
    f.radioGroupHQZ()->setItemIndex(int(state.range(0)) - 1);
    f.radioGroupNQZ()->setItemIndex(int(state.range(1)));
    f.trackBarMassStab()->setPosition(int(state.range(2)));
    f.TrackBarTempo->setPosition(f.TrackBarTempo->Max());
    if (!f.checkBoxGraph()->isChecked())
        f.checkBoxGraph()->click();
    f.ZeichneElektronen();
    bank.Frames(state, 3, f, [&] { return !f.LaufAktiv(); }, [&] { f.ZeichneElektronen(); });
}
BENCHMARK(BM_SchroedingerMessungFrame)
    ->ArgNames({"n", "l", "Massstab", "Anzeige"})
    ->Args({1, 0, 35, 0})
    ->Args({1, 0, 5, 0})
    ->Args({3, 2, 35, 0})
    ->Args({1, 0, 35, 1})
    ->Unit(benchmark::kMillisecond);

// The vacuum photocell with ultraviolet light of the highest intensity, the current measured, at
// the fastest speed: waves into the cell, electrons to the ring, the needle.
void BM_PhotozelleFrame(benchmark::State &state)
{
    Bank bank;
    TFormPhotozelle5 f;
    Oeffnen(f);
    f.radioGroupUVLicht()->setItemIndex(1);
    f.radioGroupStromkreis()->setItemIndex(1);
    f.trackBarIntensitaet()->setPosition(f.trackBarIntensitaet()->Max());
    f.TrackBarTempo->setPosition(f.TrackBarTempo->Max());
    f.BitBtnLicht->click();
    bank.Frames(state, 0, f, [] { return false; }, [] {});
    state.counters["Elektronen"] = f.strom().Fliegende();
}
BENCHMARK(BM_PhotozelleFrame)->ArgName("Anzeige")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The counter-field and Planck-constant windows: caesium in 700 THz light of the highest
// intensity, no counter voltage, the fastest speed; light as quanta (0) or waves (1).
void GegenfeldAnfang(GegenfeldFenster &f, RadioGroup *metall)
{
    Oeffnen(f);
    metall->setItemIndex(3);
    f.panelLichtwahl()->PageControlFrequenz->setCurrentIndex(4);
    f.panelLichtwahl()->TrackBarKontinuum->setPosition(700);
    f.trackBarSpannung()->setPosition(0);
    f.trackBarI()->setPosition(f.trackBarI()->Max());
    f.TrackBarTempo->setPosition(f.TrackBarTempo->Max());
    f.BitBtnLicht->click();
}

void BM_GegenfeldFrame(benchmark::State &state)
{
    Bank bank;
    GegenfeldKlassisch = state.range(0) != 0;
    TFormGegenfeld2 f;
    GegenfeldAnfang(f, f.radioGroupMetallwahl());
    bank.Frames(state, 1, f, [] { return false; }, [] {});
    state.counters["Quanten"] = f.lauf().quantenImFlug;
    state.counters["Elektronen"] = f.lauf().elektronenImFlug;
    GegenfeldKlassisch = false;
}
BENCHMARK(BM_GegenfeldFrame)->ArgNames({"Wellen", "Anzeige"})->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_PlanckKonstanteFrame(benchmark::State &state)
{
    Bank bank;
    TFormPlanckKonstante2 f;
    GegenfeldAnfang(f, f.radioGroupMetall());
    f.radioGroupArtLicht()->setItemIndex(state.range(0) != 0 ? 0 : 1);
    bank.Frames(state, 1, f, [] { return false; }, [] {});
    state.counters["Quanten"] = f.lauf().quantenImFlug;
    state.counters["Elektronen"] = f.lauf().elektronenImFlug;
}
BENCHMARK(BM_PlanckKonstanteFrame)->ArgNames({"Wellen", "Anzeige"})->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
