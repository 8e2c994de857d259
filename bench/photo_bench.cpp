// Frames of the photoelectric windows at the picture sizes of a 1920 × 1080 screen. The
// Hallwachs frame: the waves moved by one phase step (erase and redraw, pixel by pixel by
// XOR) and fifteen electrons moved; and a needle change. Aim: well under the frame's
// shortest wait (one tick, 15,6 ms). The vacuum-photocell frame (waves into the cell,
// fifteen electrons in their true colours, needle) and the frames of the counter-field and
// Planck-constant windows (a whole run step with 21 quanta of 55 × 55 px moved by XOR,
// electrons, needle and waves): aim under 8 ms each.
#include "gegenfeldbild.h"
#include "gegenfeldfenster.h"
#include "hallwachsbild.h"
#include "hallwachs.h"
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

PhotoBildschirm Bildschirm1080()
{
    PhotoBildschirm b;
    b.breite = 1904;
    b.hoehe = 1016;
    b.spalte = StandardSpalte(1904);
    b.zurueck = QRect(1904 - 193, 1016 - 121, 161, 81);
    return b;
}

void BM_PhotozellenBild(benchmark::State &state)
{
    const PhotoBildschirm b = Bildschirm1080();
    const QRect r = BerechnePhotoLayout(b).bild;
    QImage bild(r.size(), QImage::Format_RGB32);
    Canvas c(&bild);
    c.font = PhotozellenSchrift();
    const PhotozellenSkizze k =
        PhotozellenDaten(r.width(), r.height(), 1016, SchriftMittel, c.textWidth(QStringLiteral("MetallPlatte")));
    const Lampe lampe = LampenGeometrie(k.lampeX0, k.y0, k.kathodeX, k.D, 8);
    Messgeraet m;
    m.g = SkaliertesGalvanometer(k.drehpunkt, 1016, 3, M_PI / 2);
    ZeichnePhotozelle(c, 0x964401, k, lampe, true, m);
    Wellenbild w;
    w.bisX = k.kathodeX;
    w.amplitude = 15;
    w.K = 2;
    w.frei = BeschriftePhotozelle(c, k, true);
    const QRect glas(QPoint(k.zelleLinks, k.zelleOben), QPoint(k.zelleRechts, k.zelleUnten));
    const QRect innen(QPoint(k.zelleLinks + k.t + 1, k.zelleOben + k.t + 1),
                      QPoint(k.kathodeX - k.t - 1, k.zelleUnten - k.t - 1));
    Echtfarben echt;
    echt.Setzen(k.r);
    std::array<TElektron, 15> e{};
    for (int i = 0; i < 15; ++i) {
        e[i].index = i;
        e[i].x = k.startX - 12 * i;
        e[i].y = k.y0 + i * k.D;
        echt.Umschalten(c, e[i]);
    }
    int phase = 0;
    double d = 0;
    ZeichneWellenInZelle(c, lampe, w, phase, 0, 0x964401, glas, innen);
    for (auto _ : state) {
        ZeichneWellenInZelle(c, lampe, w, phase, 0, 0x964401, glas, innen);
        phase = PhaseWeiter(phase, 10, 192);
        ZeichneWellenInZelle(c, lampe, w, phase, 0, 0x964401, glas, innen);
        for (TElektron &el : e) {
            echt.Umschalten(c, el);
            el.x -= 15;
            if (el.x < k.anodeX)
                el.x = k.startX;
            echt.Umschalten(c, el);
        }
        m.Anzeige(c, d);
        d = d >= 1 ? 0 : d + 0.05;
    }
}
BENCHMARK(BM_PhotozellenBild)->Unit(benchmark::kMillisecond);

// One frame of a counter-field run as the window draws it: the run step (quanta and
// electrons by XOR), the needle, and the waves moved; quanta shown (state 0) or waves (1).
void GegenfeldBild(benchmark::State &state, bool planck)
{
    const PhotoBildschirm b = Bildschirm1080();
    const GegenfeldLayout l =
        BerechneGegenfeldLayout(1904, 1016, b.spalte, b.zurueck, 50, planck ? 215 : b.spalte.breite);
    QImage bild(l.bild.size(), QImage::Format_RGB32);
    Canvas c(&bild);
    const GegenfeldSkizze k = planck ? PlanckZellenDaten(bild.width(), bild.height(), SchriftMittel)
                                     : GegenfeldDaten(bild.width(), bild.height(), SchriftMittel);
    const Lampe lampe = planck ? PlanckLampe(LampeX(k, k.zelleLinks / 2), k.y0, k.kathodeX, k.D)
                               : LampenGeometrie(LampeX(k, k.breite / 5), k.y0, k.kathodeX, k.D, ElektronenAnzahl);
    Messgeraet m;
    m.g = FestesGalvanometer(k.drehpunkt);
    ZeichneGegenfeldZelle(c, 0x964401, k, m, planck ? 10747904 : 16711680);
    ZeichneLampe(c, lampe);
    const ElektronenSprites sprites = DefElektron(k.r, 0x964401, SchichtFarbe, false);
    const int f = 750;
    const QImage innen = QuantBild(QuantRadius(k.r, f), FarbeAusFrequenz(f));
    const QImage aussen = QuantBild(QuantRadius(k.r, f), FarbeAusFrequenz(f) ^ 0x964401);
    struct Gezeichnet {
        bool an = false;
        const QImage *bild = nullptr;
        double x = 0, y = 0;
    };
    std::array<Gezeichnet, ElektronenAnzahl> q{};
    const bool wellenModell = state.range(0) == 1;
    GegenfeldLauf lauf;
    lauf.startX = k.startX;
    lauf.ankunftX = k.ankunftX;
    lauf.kathodeX = k.kathodeX;
    lauf.zelleMitteX = k.zelleMitteX;
    lauf.strahlen = lampe.strahlen;
    lauf.yOben = k.y0;
    lauf.D = k.D;
    lauf.art = planck ? PlanckLaufart() : GegenfeldLaufart(wellenModell);
    lauf.zeichneElektron = [&](const TElektron &e, bool flug) { ZeichneElektron(c, sprites, e, flug); };
    lauf.quantZeigen = [&](int i, bool zeichnen) {
        Gezeichnet &g = q[i];
        if (!zeichnen) {
            if (g.an)
                ZeichneQuantBild(c, *g.bild, g.x, g.y);
            g.an = false;
            return;
        }
        if (!g.an && !wellenModell && lauf.q[i].aktiv) {
            g = {true, lauf.q[i].x > k.zelleLinks ? &innen : &aussen, lauf.q[i].x, lauf.q[i].y};
            ZeichneQuantBild(c, *g.bild, g.x, g.y);
        }
    };
    lauf.Aufstellen();
    lauf.Anfangen();
    Wellenbild w;
    w.bisX = k.kathodeX - k.t;
    w.laenge = planck ? 384 : 192;
    w.linienBreite = 1;
    w.strahlSchritt = 3;
    w.pixelSchritt = planck ? 2 : 1;
    w.amplitude = 15;
    w.K = planck ? f * 6 / 400.0 : f / 200.0;
    const double dt = GegenfeldDt(3);
    int phase = 0;
    ZufallStarten(7);
    for (int i = 0; i < 60; ++i)  // a run in full swing: quanta and electrons in flight
        lauf.Schritt(true, true, 15, f, 1.94, 0.5, dt);
    if (wellenModell)
        ZeichneZellWellen(c, lampe, w, phase, FarbeAusFrequenz(f), 0x964401, k.zelleLinks + k.t);
    for (auto _ : state) {
        lauf.Schritt(true, true, 15, f, 1.94, 0.5, dt);
        m.Anzeige(c, lauf.ausschlag);
        if (wellenModell) {
            ZeichneZellWellen(c, lampe, w, phase, FarbeAusFrequenz(f), 0x964401, k.zelleLinks + k.t);
            phase = planck ? phase + 8 : Runde(lauf.bild * 9e5 * dt);
            ZeichneZellWellen(c, lampe, w, phase, FarbeAusFrequenz(f), 0x964401, k.zelleLinks + k.t);
        }
    }
    state.counters["Quanten"] = lauf.quantenImFlug;
    state.counters["Elektronen"] = lauf.elektronenImFlug;
}

void BM_GegenfeldBild(benchmark::State &state) { GegenfeldBild(state, false); }
void BM_PlanckKonstanteBild(benchmark::State &state) { GegenfeldBild(state, true); }
BENCHMARK(BM_GegenfeldBild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanckKonstanteBild)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
