// Monkey test: every window of the program's window table, created offscreen, gets a seeded
// stream of random input — clicks and double-clicks on random visible widgets, wheel turns,
// drags over track bars, keys, typed and pasted text, windows opened and closed, runs started
// and stopped. The program's clock is a virtual one that advances 0 to 3 ticks after each event,
// as the seed says, so that time follows the seed alone: the first seed runs twice and the final
// pictures of every window must be the same. A watchdog fails the test when the event loop stops
// answering for more than 2 s; the sanitizers catch memory faults. At the end closing the start
// screen ends every run and the event loop with status 0.
//
// What a stream must not depend on, so that it replays: Qt's order of top-level windows (a set
// ordered by address; the stream takes them in table order), tooltips, buttons left pressed
// (a double-click and a drag always release theirs, or a held slider would step by the clock)
// and Qt's input timing on the wall clock (double-click time, keyboard search interval).
//
// The watchdog counts the processor time of the event loop's thread, so that a machine busy
// with other work does not look like a hang: 2 s of it without a tick fail, and so do 30 s on
// the clock (a loop that waits for something that never comes).
//
//   QP_AFFE_EREIGNISSE=100000   events per seed (default 3000)
//   QP_AFFE_SAAT=1234 | zufall  one seed instead of the fixed ones; the seed is printed
//   QP_AFFE_WIEDERHOLEN=0       no replay of the first seed (it saves a stream on long runs)
//   QP_AFFE_PROTOKOLL=1         every event, the open windows and the runs going are printed
//                               (to compare two runs line by line)
#include "bild.h"
#include "fensterliste.h"
#include "startfenster.h"
#include "simfenster.h"
#include "steuerelemente.h"
#include "sprache.h"
#include "testhilfen.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QStyleHints>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include <pthread.h>
#include <time.h>

#if defined(__SANITIZE_ADDRESS__)
#define QP_MIT_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QP_MIT_SANITIZER 1
#endif
#endif
#ifndef QP_MIT_SANITIZER
#define QP_MIT_SANITIZER 0
#endif
#if QP_MIT_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

using Uhr = std::chrono::steady_clock;
constexpr std::int64_t WachhundRechenzeit = 2000;  // ms of processor time
constexpr std::int64_t WachhundUhr = 30'000;       // ms on the clock

std::int64_t Jetzt()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Uhr::now().time_since_epoch()).count();
}

// Processor time of a thread in ms.
std::int64_t Rechenzeit(clockid_t uhr)
{
    timespec t{};
    clock_gettime(uhr, &t);
    return std::int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
}

// A window with a run beside those of the table, so that the run protocol (lamp, pause, speed,
// back and close while running) gets random input also while no window of the table has a run.
class Laufprobe : public SimFenster {
public:
    Laufprobe() : SimFenster(QStringLiteral("Laufprobe"))
    {
        auto *spalte = new Panel(this);
        Setze(spalte, 0, 100, 200, 300);
        ErzeugeLaufsteuerung(spalte);
        Setze(BitBtnLicht, 8, 8, 120, 25);
        Setze(BitBtnStop, 8, 40, 120, 25);
        ErzeugeTempo(spalte, 0, 6, 6);
        Setze(TrackBarTempo, 8, 80, 150, 30);
        Setze(UpDownTempo, 160, 80, 20, 30);
    }

protected:
    Ablauf Simulation() override
    {
        while (!Gestoppt()) {
            ++bilder;
            co_await Warte(std::uint32_t(Verzoegerung));
        }
    }

private:
    int bilder = 0;
};

class Affe {
public:
    Affe(std::uint64_t saat, int ereignisse) : saat_(saat), ziel_(ereignisse), zufall_(saat) {}

    // Runs the whole stream; returns the event loop's status of the last ending.
    int lauf()
    {
        Takt::Setzen(&takt_);
        // What a stream before left in the input state (the simulated mouse clock, the cursor)
        // must not reach this one: a replay starts as the first run did.
        // Qt's own timing of input follows the wall clock: a drop-down list ignores a release
        // that comes within the double-click time of its opening, and a list joins letters
        // typed within the keyboard interval into one search. Both off, so that only the
        // stream decides (keys leave at least a millisecond between them).
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
        QGuiApplication::styleHints()->setKeyboardInputInterval(0);
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        QTest::lastMouseTimestamp += 100 * QTest::mouseDoubleClickInterval;
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
        QCursor::setPos(0, 0);
        // QP_AFFE_SPRACHE=en: the English edition
        SpracheSetzen(SpracheAusText(qEnvironmentVariable("QP_AFFE_SPRACHE")).value_or(Sprache::Deutsch));
        haupt_ = ErzeugeAlleFenster(QSize(1280, 1024));
        FensterAnmelden(FensterNr::Anzahl, new Laufprobe);
        haupt_->show();
        std::atomic<bool> fertig{false};
        guiThread_ = pthread_self();
        pthread_getcpuclockid(guiThread_, &gui_);
        puls_ = Jetzt();
        pulsRechenzeit_ = Rechenzeit(gui_);
        std::thread hund([&] { wache(fertig); });

        QTimer takt;
        takt.setInterval(0);
        QObject::connect(&takt, &QTimer::timeout, [this] { tick(); });
        takt.start();
        int rc = 0;
        // Closing the start screen (its end button, Alt+E, Esc …) ends the event loop as in
        // the program; the stream then shows the start screen again and goes on.
        while (true) {
            rc = QApplication::exec();
            EXPECT_EQ(rc, 0) << Ort();
            EXPECT_EQ(tiefe_, 0) << Ort();
            PruefeLaeufeZuEnde();
            if (gesendet_ >= ziel_ && endphase_)
                break;
            ++enden_;
            ProgrammEndet = false;
            haupt_->show();
        }
        fertig = true;
        hund.join();

        const QList<QWidget *> fenster = AlleFenster();
        for (auto it = fenster.crbegin(); it != fenster.crend(); ++it) {
            FensterEntfernen(*it);
            delete *it;
        }
        ProgrammEndet = false;
        Takt::Setzen(nullptr);
        return rc;
    }

    // Every window's pictures as the stream ended, by window class.
    const QList<QPair<QString, QImage>> &bilder() const { return bilder_; }
    // With spur set: after every event a fingerprint of every window's pictures, so that a
    // replay that ends differently tells after which event it went its own way.
    std::vector<std::size_t> spur;
    bool spurFuehren = false;

    std::string zusammenfassung() const
    {
        char t[400];
        std::snprintf(t, sizeof t,
                      "%d clicks, %d double-clicks, %d wheel turns, %d drags, %d keys, %d texts, %d windows "
                      "opened or closed, %d runs started; the start screen closed %d times on the way",
                      anzahl_.klicks, anzahl_.doppelklicks, anzahl_.raeder, anzahl_.zuege, anzahl_.tasten,
                      anzahl_.texte, anzahl_.fenster, anzahl_.laeufe, enden_);
        return t;
    }
    std::string laengstes() const
    {
        return std::to_string(laengste_) + " ms of processor time (" + laengstesEreignis_ + ")";
    }

private:
    // ---- the stream -------------------------------------------------------------------
    // One timer tick queues at most one event; after it the program's clock advances.
    void tick()
    {
        puls_ = Jetzt();
        const std::int64_t r = Rechenzeit(gui_);
        if (r - pulsRechenzeit_ > laengste_) {
            laengste_ = r - pulsRechenzeit_;
            const std::lock_guard sperre(verlaufSperre_);
            laengstesEreignis_ = verlauf_.empty() ? std::string() : verlauf_.back();
        }
        pulsRechenzeit_ = r;
        if (wartet_)
            return;
        if (gesendet_ >= ziel_) {
            ende();
            return;
        }
        wartet_ = true;
        QTimer::singleShot(0, haupt_, [this] {
            wartet_ = false;
            if (++gesendet_ % 10000 == 0) {
                std::printf("Monkey: %d events\n", gesendet_.load());
                std::fflush(stdout);
            }
            ++tiefe_;
            ereignis();
            --tiefe_;
            for (int i = wuerfel(4); i > 0; --i) {
                takt_.Tick();  // like a turn of the event loop: the watchdog counts from here
                puls_ = Jetzt();
                pulsRechenzeit_ = Rechenzeit(gui_);
            }
            if (spurFuehren) {
                std::size_t h = TickZahl();
                for (QWidget *w : AlleFenster())
                    for (Bild *b : w->findChildren<Bild *>())
                        h = h * 31 + qHashBits(b->bild().constBits(), std::size_t(b->bild().sizeInBytes()));
                spur.push_back(h);
            }
            if (protokoll_) {
                QStringList laeufe;
                for (QWidget *w : AlleFenster())
                    if (auto *s = qobject_cast<SimFenster *>(w); s && s->LaufAktiv())
                        laeufe << Name(s);
                log(QStringLiteral("runs at tick %1: %2").arg(TickZahl()).arg(laeufe.join(QStringLiteral(", "))));
            }
        });
    }

    // After the last event: the pictures are kept, an open box closed, and closing the start
    // screen ends every run and the event loop.
    void ende()
    {
        if (!endphase_) {
            endphase_ = true;
            log(QStringLiteral("end"));
            for (QWidget *w : AlleFenster())
                for (Bild *b : w->findChildren<Bild *>())
                    bilder_.append({Name(w) + QStringLiteral(" / ") + b->objectName(), b->bild()});
        }
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        else
            haupt_->close();
    }

    void ereignis()
    {
        QWidget *fenster = zufallsFenster();
        if (!fenster)
            return;
        const int art = wuerfel(100);
        if (art < 30)
            klick(fenster, false), ++anzahl_.klicks;
        else if (art < 36)
            klick(fenster, true), ++anzahl_.doppelklicks;
        else if (art < 42)
            rad(fenster), ++anzahl_.raeder;
        else if (art < 50)
            ziehen(fenster), ++anzahl_.zuege;
        else if (art < 72)
            taste(fenster), ++anzahl_.tasten;
        else if (art < 80)
            schreiben(fenster), ++anzahl_.texte;
        else if (art < 88)
            oeffnenOderSchliessen(), ++anzahl_.fenster;
        else
            laufSchalten();
    }

    // A visible window; a modal box takes the input while it is open.
    QWidget *zufallsFenster()
    {
        if (QWidget *modal = QApplication::activeModalWidget())
            return modal;
        // The table's windows in table order, then other top-level windows (boxes, dialogs) by
        // class and title: Qt keeps its top-level widgets in a set ordered by address, which
        // would make the choice differ from one process to the next.
        QList<QWidget *> sichtbar;
        for (QWidget *w : AlleFenster())
            if (w->isVisible())
                sichtbar.append(w);
        QList<QWidget *> andere;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && !sichtbar.contains(w) && w->windowType() != Qt::ToolTip)
                andere.append(w);
        std::stable_sort(andere.begin(), andere.end(), [](const QWidget *a, const QWidget *b) {
            return std::make_pair(QString::fromLatin1(a->metaObject()->className()), a->windowTitle()) <
                   std::make_pair(QString::fromLatin1(b->metaObject()->className()), b->windowTitle());
        });
        sichtbar += andere;
        if (protokoll_) {
            QStringList namen;
            for (QWidget *w : sichtbar)
                namen << Name(w);
            log(QStringLiteral("windows: ") + namen.join(QStringLiteral(", ")));
        }
        if (sichtbar.isEmpty())
            return nullptr;
        return sichtbar[wuerfel(int(sichtbar.size()))];
    }

    // A visible, enabled widget in the window (or the window itself), optionally of one kind.
    template <class T = QWidget>
    T *zufallsWidget(QWidget *fenster)
    {
        QList<T *> liste;
        if (auto *t = qobject_cast<T *>(fenster))
            liste.append(t);
        for (T *w : fenster->findChildren<T *>())
            if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0)
                liste.append(w);
        if (liste.isEmpty())
            return nullptr;
        return liste[wuerfel(int(liste.size()))];
    }

    QPoint zufallsPunkt(const QWidget *w) { return {wuerfel(w->width()), wuerfel(w->height())}; }

    void klick(QWidget *fenster, bool doppelt)
    {
        QWidget *w = zufallsWidget(fenster);
        if (!w)
            return;
        const QPoint p = zufallsPunkt(w);
        const Qt::MouseButton knopf = wuerfel(8) == 0 ? Qt::RightButton : Qt::LeftButton;
        log(QStringLiteral("%1 %2 at %3,%4").arg(doppelt ? "double-click" : "click", Name(w)).arg(p.x()).arg(p.y()));
        QPointer<QWidget> ziel(w);
        QTest::mouseClick(w, knopf, Qt::NoModifier, p);
        if (!doppelt || !ziel || !ziel->isVisible())
            return;
        // The second press of a double-click, and its release: the button must not stay down,
        // or a control that repeats while held (a slider's page step) would go on by the clock.
        QTest::mouseDClick(w, knopf, Qt::NoModifier, p);
        Loslassen(ziel, knopf, p);
    }

    // Releases the button on the widget; when the widget is gone, only QTest's own record of
    // the pressed buttons is cleared, so that no later event carries a held button.
    static void Loslassen(const QPointer<QWidget> &ziel, Qt::MouseButton knopf, QPoint p)
    {
        if (ziel)
            QTest::mouseRelease(ziel, knopf, Qt::NoModifier, p);
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
    }

    void rad(QWidget *fenster)
    {
        QWidget *w = zufallsWidget(fenster);
        if (!w)
            return;
        const QPoint p = zufallsPunkt(w);
        const int stufen = (wuerfel(2) ? 1 : -1) * (1 + wuerfel(3));
        log(QStringLiteral("wheel %1 on %2").arg(stufen).arg(Name(w)));
        QWheelEvent e(QPointF(p), QPointF(w->mapToGlobal(p)), QPoint(), QPoint(0, 120 * stufen), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    // Drags over a track bar (or any slider), else over any widget.
    void ziehen(QWidget *fenster)
    {
        QWidget *w = zufallsWidget<QAbstractSlider>(fenster);
        if (!w)
            w = zufallsWidget(fenster);
        if (!w)
            return;
        QPointer<QWidget> ziel(w);
        QPoint p = zufallsPunkt(w);
        log(QStringLiteral("drag over %1").arg(Name(w)));
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, p);
        for (int i = 0, n = 2 + wuerfel(6); i < n && ziel && ziel->isVisible(); ++i) {
            p = zufallsPunkt(w);
            QTest::mouseMove(w, p);
        }
        Loslassen(ziel, Qt::LeftButton, p);
    }

    void taste(QWidget *fenster)
    {
        QWidget *w = fenster->focusWidget() ? fenster->focusWidget() : fenster;
        if (!w->isVisible())
            w = fenster;
        struct Taste {
            Qt::Key key;
            const char *text;
        };
        static const Taste Tasten[] = {
            {Qt::Key_Tab, "\t"},   {Qt::Key_Backtab, ""},   {Qt::Key_Return, "\r"}, {Qt::Key_Escape, "\x1b"},
            {Qt::Key_Space, " "},  {Qt::Key_Backspace, "\b"}, {Qt::Key_Delete, "\x7f"}, {Qt::Key_Left, ""},
            {Qt::Key_Right, ""},   {Qt::Key_Up, ""},         {Qt::Key_Down, ""},      {Qt::Key_PageUp, ""},
            {Qt::Key_PageDown, ""}, {Qt::Key_Home, ""},      {Qt::Key_End, ""}};
        const int art = wuerfel(10);
        Qt::Key key;
        QString text;
        Qt::KeyboardModifiers mod = Qt::NoModifier;
        if (art < 6) {
            // Alt + a letter (the accelerators of buttons and captions), a letter or a digit.
            const bool ziffer = art >= 4 && wuerfel(2);
            const int i = wuerfel(ziffer ? 10 : 26);
            key = Qt::Key((ziffer ? Qt::Key_0 : Qt::Key_A) + i);
            text = QChar(char16_t((ziffer ? '0' : 'a') + i));
            if (art < 4)
                mod = Qt::AltModifier;
        } else {
            const Taste &t = Tasten[wuerfel(int(std::size(Tasten)))];
            key = t.key;
            text = QString::fromLatin1(t.text);
            if (key == Qt::Key_Backtab)
                mod = Qt::ShiftModifier;
        }
        log(QStringLiteral("key 0x%1 (modifiers 0x%2) in %3").arg(int(key), 0, 16).arg(int(mod), 0, 16).arg(Name(w)));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        QTest::sendKeyEvent(QTest::Click, w, key, text, mod);
    }

    // Typed or pasted text into an edit, a spin box or a text control.
    void schreiben(QWidget *fenster)
    {
        QWidget *w = zufallsWidget<QLineEdit>(fenster);
        if (!w || wuerfel(3) == 0)
            if (QWidget *s = zufallsWidget<QAbstractSpinBox>(fenster))
                w = s;
        if (!w || wuerfel(4) == 0)
            if (QWidget *t = zufallsWidget<QTextEdit>(fenster))
                w = t;
        if (!w)
            return;
        static const QString Stuecke[] = {
            QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("12,5"), QStringLiteral("1e9"),
            QStringLiteral("99999999999"), QStringLiteral("äöüß"), QStringLiteral("  "), QStringLiteral("../"),
            QStringLiteral("/tmp"), QStringLiteral("\u2212"), QStringLiteral("😀"), QStringLiteral("%1%n")};
        QString text;
        for (int i = 0, n = 1 + wuerfel(3); i < n; ++i)
            text += Stuecke[wuerfel(int(std::size(Stuecke)))];
        w->setFocus(Qt::OtherFocusReason);
        if (wuerfel(2)) {
            log(QStringLiteral("paste \"%1\" into %2").arg(text, Name(w)));
            QApplication::clipboard()->setText(text);
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_V, QString(), Qt::ControlModifier);
        } else {
            log(QStringLiteral("type \"%1\" into %2").arg(text, Name(w)));
            for (qsizetype i = 0; i < text.size(); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                const bool paar = text[i].isHighSurrogate() && i + 1 < text.size();
                const QString zeichen = text.mid(i, paar ? 2 : 1);
                const char16_t u = text[i].toUpper().unicode();
                QTest::sendKeyEvent(QTest::Click, w, u < 0x100 ? Qt::Key(u) : Qt::Key_unknown, zeichen, Qt::NoModifier);
                i += paar;
            }
        }
    }

    // Opens a window of the table or closes a visible one (the start screen only seldom:
    // that ends the event loop).
    void oeffnenOderSchliessen()
    {
        const QList<QWidget *> alle = AlleFenster();
        QWidget *w = alle[wuerfel(int(alle.size()))];
        if (w->isVisible() && (w != haupt_ || wuerfel(20) == 0)) {
            log(QStringLiteral("close %1").arg(Name(w)));
            w->close();
        } else if (!w->isVisible()) {
            log(QStringLiteral("open %1").arg(Name(w)));
            FensterOeffnen(w);
        }
    }

    // The lamp of a simulation window (start or end its run) or its pause button; a hidden
    // window is opened first.
    void laufSchalten()
    {
        QList<SimFenster *> sims, sichtbar;
        for (QWidget *w : AlleFenster())
            if (auto *s = qobject_cast<SimFenster *>(w)) {
                sims.append(s);
                if (s->isVisible())
                    sichtbar.append(s);
            }
        if (sims.isEmpty())
            return;
        if (sichtbar.isEmpty() || wuerfel(4) == 0) {
            SimFenster *s = sims[wuerfel(int(sims.size()))];
            if (!s->isVisible()) {
                log(QStringLiteral("open %1").arg(Name(s)));
                FensterOeffnen(s);
            }
            sichtbar = {s};
        }
        SimFenster *s = sichtbar[wuerfel(int(sichtbar.size()))];
        QAbstractButton *knopf = wuerfel(4) == 0 ? s->BitBtnStop : s->BitBtnLicht;
        if (!knopf || !knopf->isVisible() || !knopf->isEnabled())
            return;
        log(QStringLiteral("%1 in %2").arg(knopf == s->BitBtnStop ? "pause" : "lamp", Name(s)));
        if (knopf == s->BitBtnLicht && !s->LaufAktiv())
            ++anzahl_.laeufe;
        QTest::mouseClick(knopf, Qt::LeftButton);
    }

    // ---- checks -----------------------------------------------------------------------
    void PruefeLaeufeZuEnde()
    {
        for (QWidget *w : AlleFenster()) {
            if (auto *s = qobject_cast<SimFenster *>(w)) {
                EXPECT_FALSE(s->an) << "lamp still on in " << Name(s).toStdString() << "; " << Ort();
                EXPECT_FALSE(s->LaufAktiv()) << "run still going in " << Name(s).toStdString() << "; " << Ort();
            }
        }
        EXPECT_FALSE(Takt::Aktuell().Wartende()) << Ort();
    }

    // Runs in its own thread: fails when the event loop has not ticked for 2 s.
    void wache(const std::atomic<bool> &fertig)
    {
        while (!fertig) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const std::int64_t still = Jetzt() - puls_;
            const std::int64_t rechnend = Rechenzeit(gui_) - pulsRechenzeit_;
            if (rechnend > WachhundRechenzeit || still > WachhundUhr) {
                std::fprintf(stderr,
                             "Monkey: the event loop has not answered for %lld ms (%lld ms of processor time); %s\n",
                             static_cast<long long>(still), static_cast<long long>(rechnend), Ort().c_str());
#if QP_MIT_SANITIZER
                // where the event loop's thread is busy: it prints its own stack on a signal
                std::signal(SIGUSR1, [](int) { __sanitizer_print_stack_trace(); });
                pthread_kill(guiThread_, SIGUSR1);
                std::this_thread::sleep_for(std::chrono::seconds(2));
#endif
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    std::string Ort() const
    {
        const std::lock_guard sperre(verlaufSperre_);
        std::string s = "seed " + std::to_string(saat_) + ", event " + std::to_string(gesendet_.load()) +
                        "; replay with QP_AFFE_SAAT=" + std::to_string(saat_) + " QP_AFFE_EREIGNISSE=" +
                        std::to_string(ziel_) + "; last events:";
        for (const std::string &z : verlauf_)
            s += "\n  " + z;
        return s;
    }

    void log(const QString &text)
    {
        if (protokoll_)
            std::printf("%d: %s\n", gesendet_.load(), text.toUtf8().constData());
        const std::lock_guard sperre(verlaufSperre_);
        verlauf_.push_back(std::to_string(gesendet_.load()) + ": " + text.toStdString());
        if (verlauf_.size() > 12)
            verlauf_.pop_front();
    }

    static QString Name(const QWidget *w)
    {
        QString n = QString::fromLatin1(w->metaObject()->className());
        if (auto *b = qobject_cast<const QAbstractButton *>(w))
            n += QStringLiteral(" „%1“").arg(b->text());
        if (w->window() != w)
            n += QStringLiteral(" in ") + QString::fromLatin1(w->window()->metaObject()->className());
        return n;
    }

    int wuerfel(int n) { return n <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, n - 1)(zufall_)); }

    const std::uint64_t saat_;
    const int ziel_;
    std::mt19937_64 zufall_;
    TFormMain *haupt_ = nullptr;
    std::atomic<int> gesendet_{0};
    std::atomic<std::int64_t> puls_{0};
    std::atomic<std::int64_t> pulsRechenzeit_{0};
    clockid_t gui_{};
    pthread_t guiThread_{};
    std::int64_t laengste_ = 0;
    std::string laengstesEreignis_;
    VirtuellerTakt takt_;
    const bool protokoll_ = qEnvironmentVariableIsSet("QP_AFFE_PROTOKOLL");
    QList<QPair<QString, QImage>> bilder_;
    int tiefe_ = 0;  // events under way (one inside another would be a nested event loop)
    bool wartet_ = false;
    bool endphase_ = false;
    int enden_ = 0;
    struct {
        int klicks = 0, doppelklicks = 0, raeder = 0, zuege = 0, tasten = 0, texte = 0, fenster = 0, laeufe = 0;
    } anzahl_;
    mutable std::mutex verlaufSperre_;
    std::deque<std::string> verlauf_;
};

int EreignisseAusUmgebung()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("QP_AFFE_EREIGNISSE", &ok);
    return ok && n > 0 ? n : 3000;
}

std::vector<std::uint64_t> SaatenAusUmgebung()
{
    const QByteArray s = qgetenv("QP_AFFE_SAAT");
    if (s.isEmpty())
        return {1, 2, 3};
    if (s == "zufall")
        return {QRandomGenerator::system()->generate64() % 1'000'000'000};
    return {s.toULongLong()};
}

}  // namespace

TEST(Affentest, EveryWindowSurvivesARandomStreamOfInput)
{
    const int ereignisse = EreignisseAusUmgebung();
    const bool wiederholen = qEnvironmentVariable("QP_AFFE_WIEDERHOLEN") != QStringLiteral("0");
    QList<QPair<QString, QImage>> erste;
    std::vector<std::size_t> ersteSpur;
    const std::vector<std::uint64_t> saaten = SaatenAusUmgebung();
    for (std::size_t i = 0; i < saaten.size() + (wiederholen ? 1 : 0); ++i) {
        const bool wiederholung = wiederholen && i == 1;
        const std::uint64_t saat = saaten[i == 0 || wiederholung ? 0 : i - (wiederholen ? 1 : 0)];
        SCOPED_TRACE("seed " + std::to_string(saat) + (wiederholung ? " (replay)" : ""));
        std::printf("Monkey: seed %llu, %d events%s\n", static_cast<unsigned long long>(saat), ereignisse,
                    wiederholung ? ", replayed" : "");
        std::fflush(stdout);
        FrischerZustand(saat);
        Affe affe(saat, ereignisse);
        affe.spurFuehren = wiederholen && (i == 0 || wiederholung);
        const auto t0 = Uhr::now();
        EXPECT_EQ(affe.lauf(), 0);
        std::printf("Monkey: seed %llu done: %d events in %.1f s: %s; the longest event took %s\n",
                    static_cast<unsigned long long>(saat), ereignisse,
                    std::chrono::duration<double>(Uhr::now() - t0).count(), affe.zusammenfassung().c_str(),
                    affe.laengstes().c_str());
        if (i == 0) {
            erste = affe.bilder();
            ersteSpur = affe.spur;
        }
        if (wiederholung) {
            const auto abweichung = std::mismatch(ersteSpur.begin(), ersteSpur.end(), affe.spur.begin(), affe.spur.end());
            EXPECT_EQ(abweichung.first, ersteSpur.end())
                << "seed " << saat << " does not replay: the pictures differ first after event "
                << (abweichung.first - ersteSpur.begin() + 1);
            ASSERT_EQ(affe.bilder().size(), erste.size());
            for (qsizetype k = 0; k < erste.size(); ++k) {
                EXPECT_TRUE(affe.bilder()[k] == erste[k])
                    << "seed " << saat << " does not replay: " << erste[k].first.toStdString()
                    << " ends differently; run QP_AFFE_SAAT=" << saat << " QP_AFFE_EREIGNISSE=" << ereignisse;
            }
        }
        if (HasFailure())
            break;
    }
}
