// One frame of the Hallwachs animation at the picture size of a 1920 × 1080 screen: the
// waves moved by one phase step (erase and redraw, pixel by pixel by XOR) and fifteen
// electrons moved (erase and redraw of their sprites); and a needle change. Aim: well
// under the frame's shortest wait (one tick, 15,6 ms).
#include "hallwachsbild.h"
#include "hallwachsmodell.h"
#include "photolayout.h"

#include <benchmark/benchmark.h>

using namespace Photoeffekt;

namespace {

struct Aufbau {
    QImage bild;
    Canvas c;
    HallwachsSkizze k;
    Lampe lampe;
    Messgeraet m;
    ElektronenSprites sprites;
    Wellenbild w;
    Aufbau()
    {
        PhotoBildschirm b;
        b.breite = 1904;
        b.hoehe = 1016;
        b.spalte = StandardSpalte(1904);
        b.zurueck = QRect(1904 - 193, 1016 - 121, 161, 81);
        const QRect r = BerechnePhotoLayout(b).bild;
        bild = QImage(r.size(), QImage::Format_RGB32);
        c.setImage(&bild);
        k = HallwachsDaten(r.width(), r.height(), 1016);
        lampe = LampenGeometrie(k.lampeX0, k.plattenOben, k.plattenX, k.D, k.strahlen);
        m.g = SkaliertesGalvanometer(k.drehpunkt, 1016, 5, M_PI / 2);
        ZeichneHallwachsAnordnung(c, 0x964401, k, lampe, true, m);
        sprites = DefElektron(k.r, 0x964401, Zinkfarbe, true);
        w.bisX = k.plattenX;
        w.amplitude = 15;
        w.K = 2;
    }
};

void BM_HallwachsBild(benchmark::State &state)
{
    Aufbau a;
    std::array<TElektron, 15> e{};
    for (int i = 0; i < 15; ++i) {
        e[i].x = a.k.plattenX - 40 * i;
        e[i].y = a.k.plattenOben + i * a.k.abstand;
    }
    int phase = 0;
    ZeichneLichtWellen(a.c, a.lampe, a.w, phase, 0x964401);
    for (auto _ : state) {
        ZeichneLichtWellen(a.c, a.lampe, a.w, phase, 0x964401);
        phase = PhaseWeiter(phase, 10, 192);
        ZeichneLichtWellen(a.c, a.lampe, a.w, phase, 0x964401);
        for (TElektron &el : e) {
            ZeichneElektron(a.c, a.sprites, el, true);
            el.x -= 20;
            if (el.x < a.k.ringX)
                el.x = a.k.plattenX;
            ZeichneElektron(a.c, a.sprites, el, true);
        }
    }
}
BENCHMARK(BM_HallwachsBild)->Unit(benchmark::kMillisecond);

void BM_ZeigerBewegen(benchmark::State &state)
{
    Aufbau a;
    a.m.GrundMerken(a.c);
    double d = 0;
    for (auto _ : state) {
        a.m.Anzeige(a.c, d);
        d = d >= 1 ? 0 : d + 0.1;
    }
}
BENCHMARK(BM_ZeigerBewegen)->Unit(benchmark::kMicrosecond);

}  // namespace
