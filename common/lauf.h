// The run model: every animation is a coroutine on the one event loop.
//
// A run is a coroutine returning `Ablauf`. It keeps the shape of a loop – compute, draw,
// `co_await Warte(ms)`, check the stop – but instead of handling events inside the wait it
// returns to the event loop and is resumed by the clock's next tick of 1/64 s. Helper
// functions that wait are coroutines too (`co_await Helfer()`).
//
// `Lauf` is the run object a window owns: it starts a run, asks it to stop, holds it while
// paused, starts it anew when asked to while it ends, and destroys it with the window. The
// clock (`Takt`) is replaceable: tests and the monkey test put a virtual clock in its place
// whose time advances only when they say.
#pragma once

#include <QMetaObject>
#include <QPointer>

#include <coroutine>
#include <cstdint>
#include <exception>
#include <functional>
#include <utility>
#include <vector>

class QObject;
class QTimer;

// ---- the coroutine type --------------------------------------------------------------------
// Lazy: the body starts when a run object starts it or another coroutine awaits it. When it
// ends it resumes the coroutine that awaited it; destroying an Ablauf destroys its suspended
// body together with every helper it awaits.
class [[nodiscard]] Ablauf {
public:
    struct promise_type {
        std::coroutine_handle<> weiter;     // the awaiting coroutine, if any
        std::function<void()> amEnde;       // for the outermost body: told when it ends

        Ablauf get_return_object() { return Ablauf(std::coroutine_handle<promise_type>::from_promise(*this)); }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct Ende {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(std::coroutine_handle<promise_type> h) noexcept
            {
                auto &p = h.promise();
                if (p.weiter)
                    return p.weiter;
                if (p.amEnde) {
                    auto f = std::move(p.amEnde);
                    f();  // may destroy this body: nothing below touches it
                }
                return std::noop_coroutine();
            }
            void await_resume() noexcept {}
        };
        Ende final_suspend() noexcept { return {}; }
        void return_void() {}
        void unhandled_exception() noexcept { std::terminate(); }  // a run must not throw
    };

    Ablauf() = default;
    Ablauf(Ablauf &&o) noexcept : h_(std::exchange(o.h_, {})) {}
    Ablauf &operator=(Ablauf &&o) noexcept
    {
        if (this != &o) {
            zerstoeren();
            h_ = std::exchange(o.h_, {});
        }
        return *this;
    }
    Ablauf(const Ablauf &) = delete;
    Ablauf &operator=(const Ablauf &) = delete;
    ~Ablauf() { zerstoeren(); }

    bool gueltig() const { return bool(h_); }
    bool fertig() const { return !h_ || h_.done(); }

    // Awaiting a helper runs it; the awaiting coroutine goes on when the helper has ended.
    bool await_ready() const noexcept { return fertig(); }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> wer) noexcept
    {
        h_.promise().weiter = wer;
        return h_;
    }
    void await_resume() const noexcept {}

private:
    friend class Lauf;
    explicit Ablauf(std::coroutine_handle<promise_type> h) : h_(h) {}
    void zerstoeren()
    {
        if (h_)
            std::exchange(h_, {}).destroy();
    }
    std::coroutine_handle<promise_type> h_;
};

// ---- the clock -------------------------------------------------------------------------------
class Lauf;

// The clock that paces every run: its time goes in ticks of 1/64 s (15,625 ms), and at every
// tick it resumes the runs whose wait has passed.
class Takt {
public:
    virtual ~Takt() = default;
    // Milliseconds since the clock began, advancing in ticks of 1/64 s.
    virtual std::uint64_t Jetzt() const = 0;

    // The clock in use (a real one unless a test has put another in place).
    static Takt &Aktuell();
    // Puts a clock in place (nullptr: the real one again); the caller keeps it alive.
    static void Setzen(Takt *takt);

    void Anmelden(Lauf *lauf);
    void Abmelden(Lauf *lauf);
    bool Wartende() const { return !wartend_.empty(); }

    // For a run that computes long between its waits: true when it should give the event loop
    // a turn (co_await Warte(0)) — on the real clock after 40 ms of work since the last tick,
    // on a virtual clock at every 32nd asking, so that a replay pauses at the same places.
    virtual bool Atempause() = 0;

protected:
    // Resumes every run whose wait has passed, in the order they began to wait; how many.
    int Ticken();
    // A real clock arms its timer here when the first run begins to wait.
    virtual void Gewartet() {}

private:
    std::vector<Lauf *> wartend_;
};

// The wall clock: elapsed time, resumed by a precise timer at each tick boundary.
class EchterTakt final : public Takt {
public:
    EchterTakt();
    ~EchterTakt() override;
    std::uint64_t Jetzt() const override;
    bool Atempause() override;

protected:
    void Gewartet() override;

private:
    QTimer *timer_ = nullptr;
    std::int64_t letzterTickNs_ = 0;
    void Stellen();
};

// A clock for tests: its time stands still until Weiter advances it tick by tick.
class VirtuellerTakt final : public Takt {
public:
    std::uint64_t Jetzt() const override { return ticks_ * 15625u / 1000u; }
    bool Atempause() override { return ++gefragt_ % 32 == 0; }
    // Advances by ms (rounded up to whole ticks), resuming the due runs at every tick.
    void Weiter(std::uint64_t ms);
    void Tick() { Weiter(1); }
    // Runs resumed so far: each resume is one pass of a run's body between two waits (a frame).
    std::uint64_t Fortsetzungen() const { return fortsetzungen_; }

private:
    std::uint64_t ticks_ = 0;
    std::uint64_t gefragt_ = 0;
    std::uint64_t fortsetzungen_ = 0;
};

// ---- the run object ------------------------------------------------------------------------------
// What waits: an awaitable for `co_await lauf.Warte(ms)`.
struct [[nodiscard]] Warten {
    Lauf *lauf;
    std::uint32_t ms;
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h);
    void await_resume() const noexcept {}
};

class Lauf {
public:
    Lauf();
    ~Lauf();  // destroys a run still going (its body does not go on)
    Lauf(const Lauf &) = delete;
    Lauf &operator=(const Lauf &) = delete;

    // Starts the run the function makes. While a run is still going, that run is asked to stop
    // and the new one follows when it has ended. Once the program ends no run begins.
    void Starten(std::function<Ablauf()> machen);
    // Asks the run to stop: its next wait returns at the next tick and Stopp() turns true.
    void Stoppen();
    // Stops at once: the run is destroyed where it waits, without going on (the program's end).
    void Abbrechen();

    bool Aktiv() const { return ablauf_.gueltig(); }
    bool Stopp() const { return stopp_; }
    // The stop flag itself, for code that reads it through a reference.
    const bool &StoppFlag() const { return stopp_; }
    // Asks for stop without a run being affected otherwise (a run's own end condition).
    void StoppSetzen(bool s) { stopp_ = s; }

    // While paused, waits do not end (a stop still ends them).
    void Pausieren(bool p) { pause_ = p; }
    bool Pausiert() const { return pause_; }

    Warten Warte(std::uint32_t ms) { return {this, ms}; }

    // Told when a run has ended (not when it is followed at once by a new one).
    std::function<void()> beiEnde;

    // All runs of the program (for its final stop).
    static const std::vector<Lauf *> &Alle();
    static void AlleAbbrechen();

private:
    friend struct Warten;
    friend class Takt;
    std::function<Ablauf()> machen_;  // declared before the run it made: outlives it
    Ablauf ablauf_;
    std::function<Ablauf()> naechster_;
    std::coroutine_handle<> wartend_;
    std::uint64_t faellig_ = 0;
    bool stopp_ = true;
    bool pause_ = false;

    void Anfangen(std::function<Ablauf()> machen);
    void Beendet();
    bool Faellig(std::uint64_t jetzt) const;
    void Fortsetzen();
};
