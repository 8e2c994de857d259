#include "lauf.h"

#include "global.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace {
constexpr std::int64_t TickNs = 15625000;  // 1/64 s

Takt *&gesetzterTakt()
{
    static Takt *t = nullptr;
    return t;
}

std::vector<Lauf *> &alleLaeufe()
{
    static std::vector<Lauf *> v;
    return v;
}

QElapsedTimer &uhr()
{
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t;
}
}  // namespace

// ---- clock -----------------------------------------------------------------------------------

Takt &Takt::Aktuell()
{
    if (Takt *t = gesetzterTakt())
        return *t;
    static EchterTakt echt;
    return echt;
}

void Takt::Setzen(Takt *takt)
{
    Takt &alt = Aktuell();
    // Runs waiting on the clock that leaves are handed to the one that comes, with the time
    // they still have to wait.
    const std::uint64_t damals = alt.Jetzt();
    std::vector<Lauf *> wartend = std::move(alt.wartend_);
    alt.wartend_.clear();
    gesetzterTakt() = takt;
    Takt &neu = Aktuell();
    for (Lauf *l : wartend) {
        l->faellig_ = neu.Jetzt() + (l->faellig_ > damals ? l->faellig_ - damals : 0);
        neu.Anmelden(l);
    }
}

void Takt::Anmelden(Lauf *lauf)
{
    if (std::find(wartend_.begin(), wartend_.end(), lauf) == wartend_.end())
        wartend_.push_back(lauf);
    Gewartet();
}

void Takt::Abmelden(Lauf *lauf) { std::erase(wartend_, lauf); }

int Takt::Ticken()
{
    const std::uint64_t jetzt = Jetzt();
    std::vector<Lauf *> faellig;
    for (Lauf *l : wartend_)
        if (l->Faellig(jetzt))
            faellig.push_back(l);
    int fortgesetzt = 0;
    for (Lauf *l : faellig) {
        // A run resumed before may have ended or destroyed another one meanwhile.
        if (std::find(wartend_.begin(), wartend_.end(), l) == wartend_.end())
            continue;
        Abmelden(l);
        l->Fortsetzen();
        ++fortgesetzt;
    }
    return fortgesetzt;
}

EchterTakt::EchterTakt() { uhr(); }

EchterTakt::~EchterTakt() = default;  // the timer belongs to the application's thread

std::uint64_t EchterTakt::Jetzt() const
{
    const std::int64_t ticks = uhr().nsecsElapsed() / TickNs;
    return std::uint64_t(ticks) * 15625u / 1000u;
}

void EchterTakt::Gewartet()
{
    if (!timer_) {
        timer_ = new QTimer;  // lives as long as the program
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
            letzterTickNs_ = uhr().nsecsElapsed();
            Ticken();
            if (Wartende())
                Stellen();
        });
    }
    if (!timer_->isActive())
        Stellen();
}

bool EchterTakt::Atempause() { return uhr().nsecsElapsed() - letzterTickNs_ >= 40'000'000; }

void EchterTakt::Stellen()
{
    // To just past the next tick boundary.
    const std::int64_t ns = uhr().nsecsElapsed();
    const std::int64_t bisTick = TickNs - ns % TickNs;
    timer_->start(int(bisTick / 1000000) + 1);
}

void VirtuellerTakt::Weiter(std::uint64_t ms)
{
    const std::uint64_t schritte = (ms * 1000u + 15624u) / 15625u;
    for (std::uint64_t i = 0; i < schritte; ++i) {
        ++ticks_;
        fortsetzungen_ += std::uint64_t(Ticken());
    }
}

// ---- run object ---------------------------------------------------------------------------------

void Warten::await_suspend(std::coroutine_handle<> h)
{
    lauf->wartend_ = h;
    // A wait of ms ends at the first tick after now + ms, as the wall-clock wait always did.
    lauf->faellig_ = Takt::Aktuell().Jetzt() + ms + 1;
    Takt::Aktuell().Anmelden(lauf);
}

Lauf::Lauf() { alleLaeufe().push_back(this); }

Lauf::~Lauf()
{
    std::erase(alleLaeufe(), this);
    Takt::Aktuell().Abmelden(this);
    beiEnde = nullptr;
    naechster_ = nullptr;
    ablauf_ = Ablauf();
    machen_ = nullptr;
}

const std::vector<Lauf *> &Lauf::Alle() { return alleLaeufe(); }

void Lauf::AlleAbbrechen()
{
    const std::vector<Lauf *> alle = alleLaeufe();
    for (Lauf *l : alle)
        if (std::find(alleLaeufe().begin(), alleLaeufe().end(), l) != alleLaeufe().end())
            l->Abbrechen();
}

void Lauf::Starten(std::function<Ablauf()> machen)
{
    if (ProgrammEndet)
        return;  // no run begins once the program ends
    if (Aktiv()) {
        naechster_ = std::move(machen);
        stopp_ = true;
        return;
    }
    Anfangen(std::move(machen));
}

void Lauf::Anfangen(std::function<Ablauf()> machen)
{
    stopp_ = false;
    pause_ = false;
    // The function stays alive as long as its run: a coroutine lambda keeps its captures there.
    machen_ = std::move(machen);
    ablauf_ = machen_();
    if (!ablauf_.gueltig())
        return;
    ablauf_.h_.promise().amEnde = [this] { Beendet(); };
    ablauf_.h_.resume();
}

void Lauf::Stoppen()
{
    stopp_ = true;
    naechster_ = nullptr;
}

void Lauf::Abbrechen()
{
    naechster_ = nullptr;
    stopp_ = true;
    pause_ = false;
    Takt::Aktuell().Abmelden(this);
    wartend_ = {};
    const bool war = Aktiv();
    ablauf_ = Ablauf();
    if (war && beiEnde)
        beiEnde();
}

bool Lauf::Faellig(std::uint64_t jetzt) const
{
    if (stopp_)
        return true;
    return !pause_ && jetzt >= faellig_;
}

void Lauf::Fortsetzen()
{
    auto h = std::exchange(wartend_, {});
    if (h)
        h.resume();
}

void Lauf::Beendet()
{
    // Called as the outermost body ends (suspended at its end): destroying it here is safe.
    ablauf_ = Ablauf();
    wartend_ = {};
    stopp_ = true;
    if (auto machen = std::exchange(naechster_, nullptr)) {
        Anfangen(std::move(machen));
        return;
    }
    if (beiEnde)
        beiEnde();
}
