// The photoelectric kit: sketch scale, sprites, lamp, waves, galvanometer needle, the
// spectrum strip and the photo-electron speed, checked against independent calculations.
#include "photokit.h"
#include "photobild.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Photoeffekt;

namespace {

// A colour 0x00BBGGRR from a picture's pixel.
TColor Bgr(QRgb p) { return TColor(qRed(p)) | TColor(qGreen(p)) << 8 | TColor(qBlue(p)) << 16; }

struct Tafel {
    QImage img;
    Canvas c;
    Tafel(int w, int h, TColor grund) : img(w, h, QImage::Format_RGB32), c(&img)
    {
        img.fill(qRgb(grund & 0xFF, (grund >> 8) & 0xFF, (grund >> 16) & 0xFF));
    }
};

}  // namespace

TEST(PhotoKit, ElectronRadiusFollowsThePictureHeight)
{
    struct Fall {
        int hoehe, roh, r;
    };
    const Fall faelle[] = {{300, 3, 6}, {544, 6, 6}, {589, 6, 6}, {590, 7, 7}, {680, 8, 8},
                           {770, 8, 8}, {771, 9, 9}, {1200, 13, 9}};
    for (const Fall &f : faelle) {
        EXPECT_EQ(ElektronenRadiusRoh(f.hoehe), f.roh) << f.hoehe;
        EXPECT_EQ(ElektronenRadius(f.hoehe), f.r) << f.hoehe;
    }
}

TEST(PhotoKit, SpritesShowTheElectronAndVanishWhenDrawnTwice)
{
    const TColor grund = 0x964401, metall = 0xC0C0C0;
    for (int r = 6; r <= 9; ++r) {
        const QImage bild = ElektronenBild(r);
        ASSERT_EQ(bild.width(), 2 * r + 1);
        for (bool aufHintergrund : {true, false}) {
            const ElektronenSprites s = DefElektron(r, grund, metall, aufHintergrund);
            // flight: on the background (true colours) or on black (the picture itself)
            const TColor unten = aufHintergrund ? grund : 0x000000;
            Tafel t(40, 40, unten);
            const QImage vorher = t.img.copy();
            TElektron e;
            e.x = 20;
            e.y = 20;
            ZeichneElektron(t.c, s, e, true);
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x) {
                    const TColor p = Bgr(bild.pixel(x, y));
                    EXPECT_EQ(t.c.pixel(20 - r + x, 20 - r + y), p == 0 ? unten : p) << r << " " << x << "," << y;
                }
            ZeichneElektron(t.c, s, e, true);
            EXPECT_EQ(t.img, vorher);
            // rest: on the metal in true colours
            Tafel m(40, 40, metall);
            ZeichneElektron(m.c, s, e, false);
            EXPECT_EQ(m.c.pixel(20, 20), Bgr(bild.pixel(r, r)));
            EXPECT_EQ(m.c.pixel(20 - r, 20 - r), metall);  // the corner is surround
        }
    }
}

TEST(PhotoKit, LampRaysMeetTheMetalAlongTheElectronColumn)
{
    const int D = 17, yOben = 200, kathode = 700, x0 = 175;
    for (int n : {8, 7, 22}) {
        const Lampe l = LampenGeometrie(x0, yOben, kathode, D, n);
        ASSERT_EQ(l.strahlen.size(), n);
        // light runs 1 px down per 6 px to the right
        const QPoint s0 = l.strahlen[0];
        EXPECT_NEAR(s0.y() + (kathode - s0.x()) / 6.0, yOben, 1.0);
        const QPoint letzter = l.strahlen.last();
        const double trifft = letzter.y() + (kathode - letzter.x()) / 6.0;
        EXPECT_NEAR(trifft, yOben + 21 * D, 0.05 * 21 * D) << n;  // about electron 21
        for (int i = 1; i < n; ++i)
            EXPECT_GT(l.strahlen[i].y(), l.strahlen[i - 1].y());
        EXPECT_LT(l.linse1.y(), s0.y());
        EXPECT_GT(l.linse2.y(), letzter.y());
    }
    // the Planck window's 22 rays: L = 20 D, ray 21 starts L/6 further left and L + L/36 lower
    const Lampe p = LampenGeometriePlanck(x0, yOben, kathode, D);
    ASSERT_EQ(p.strahlen.size(), 22);
    EXPECT_EQ(p.strahlen[0], QPoint(x0, yOben - (kathode - x0) / 6));
    EXPECT_EQ(p.strahlen[21], QPoint(x0 - 340 / 6, p.strahlen[0].y() + 340 + 340 / 36));
}

TEST(PhotoKit, WaveIndicesStayInTheTableAndDrawingTwiceErases)
{
    for (int laenge : {192, 384})
        for (int a : {0, 5, 191})
            for (int x : {0, 7, 500, 1999})
                for (double K : {1.0, 2.0, 3.75}) {
                    const int k = WellenIndex(a, x, K, laenge);
                    EXPECT_GE(k, 0);
                    EXPECT_LT(k, laenge);
                }
    EXPECT_EQ(PhaseWeiter(190, 10, 192), 8);
    EXPECT_EQ(PhaseWeiter(0, -1, 192), 191);
    EXPECT_NEAR(WellenSinus(48, 192), 1.0, 1e-6);   // a quarter period
    EXPECT_NEAR(WellenSinus(288, 384), -1.0, 1e-6);

    Tafel t(300, 200, 0x964401);
    const Lampe l = LampenGeometrie(60, 120, 280, 13, 8);
    Wellenbild w;
    w.bisX = 280;
    w.amplitude = 15;
    const QImage vorher = t.img.copy();
    const QRect bereich = ZeichneLichtWellen(t.c, l, w, 37, 0x0000FF ^ 0x964401);
    EXPECT_NE(t.img, vorher);
    EXPECT_FALSE(bereich.isEmpty());
    // a red pixel of ray 0 sits where the formula puts it
    const QPoint s = l.strahlen[0];
    const int y = WellenY(s, s.x() + 10, WellenIndex(37, s.x() + 10, 1, 192), 15, 192);
    EXPECT_EQ(t.c.pixel(s.x() + 10, y), 0x0000FFu);
    EXPECT_EQ(t.c.pixel(s.x() + 10, y + 1), 0x0000FFu);
    EXPECT_TRUE(bereich.contains(s.x() + 10, y));
    ZeichneLichtWellen(t.c, l, w, 37, 0x0000FF ^ 0x964401);
    EXPECT_EQ(t.img, vorher);
}

TEST(PhotoKit, NeedleIsErasedWithoutGapOrStrayLine)
{
    // the scaled instrument with the wide needle and the fixed one, at the scale ends and between
    const Galvanometer arten[] = {SkaliertesGalvanometer({150, 200}, 960, 5, M_PI / 2),
                                  SkaliertesGalvanometer({150, 200}, 740, 3, 2 * M_PI / 5),
                                  FestesGalvanometer({150, 200})};
    for (const Galvanometer &g : arten)
        for (double d : {0.0, 1.0, 0.2, 0.6}) {
            Tafel t(300, 260, 0x964401);
            Messgeraet m;
            m.g = g;
            m.ZeichneGehaeuse(t.c);
            m.GrundMerken(t.c);
            const QImage ohne = t.img.copy();
            const QRect bereich = m.Anzeige(t.c, d);
            EXPECT_NE(t.img, ohne);
            const QLine l = ZeigerLinie(g, d);
            EXPECT_EQ(t.c.pixel((l.x1() + l.x2()) / 2, (l.y1() + l.y2()) / 2), 0x000000u);
            EXPECT_TRUE(bereich.contains(l.p1()) && bereich.contains(l.p2()));
            m.Anzeige(t.c, 0.4);
            m.Verbergen(t.c);
            EXPECT_EQ(t.img, ohne) << d;
        }
}

TEST(PhotoKit, NeedleAndWavesRestoreExactlyAtDevicePixels)
{
    // at 1.5 and 2 device pixels per pixel, over a slanted line drawn at device pixels
    for (const double s : {1.5, 2.0}) {
        QImage img(GeraetKante(301, s), GeraetKante(261, s), QImage::Format_RGB32);
        img.setDevicePixelRatio(s);
        img.fill(qRgb(1, 0x44, 0x96));
        Canvas c(&img);
        Messgeraet m;
        m.g = SkaliertesGalvanometer({151, 201}, 740, 3, 2 * M_PI / 5);
        m.ZeichneGehaeuse(c);
        c.moveTo(3, 7);
        c.lineTo(297, 250);
        m.GrundMerken(c);
        const QImage ohne = img.copy();
        m.Anzeige(c, 0.3);
        EXPECT_NE(img, ohne);
        m.Anzeige(c, 0.7);
        m.Verbergen(c);
        EXPECT_EQ(img, ohne) << s;
        const Lampe l = LampenGeometrie(60, 120, 280, 13, 8);
        Wellenbild w;
        w.bisX = 280;
        w.amplitude = 15;
        ZeichneLichtWellen(c, l, w, 37, 0x0000FF ^ 0x964401);
        EXPECT_NE(img, ohne);
        ZeichneLichtWellen(c, l, w, 37, 0x0000FF ^ 0x964401);
        EXPECT_EQ(img, ohne) << s;
    }
}

TEST(PhotoKit, NeedleSweepsFromTheLeftEndToItsFullScaleAngle)
{
    struct Fall {
        Galvanometer g;
        double vollGrad;
    };
    const Fall faelle[] = {{SkaliertesGalvanometer({0, 0}, 740, 5, M_PI / 2), 45},
                           {SkaliertesGalvanometer({0, 0}, 740, 3, 2 * M_PI / 5), 63},
                           {FestesGalvanometer({0, 0}), 45}};
    for (const Fall &f : faelle) {
        auto grad = [](QLine l) { return std::atan2(-(l.y2() - l.y1()), l.x2() - l.x1()) * 180 / M_PI; };
        EXPECT_NEAR(grad(ZeigerLinie(f.g, 0)), 135, 2);
        EXPECT_NEAR(grad(ZeigerLinie(f.g, 1)), f.vollGrad, 2);
        EXPECT_EQ(ZeigerLinie(f.g, 3), ZeigerLinie(f.g, 1));  // capped at full scale
    }
}

TEST(PhotoKit, SpectrumStripMapsFrequenciesToItsPixels)
{
    for (int breite : {169, 351, 400}) {
        EXPECT_EQ(StreifenX(400, breite), 0);
        EXPECT_EQ(StreifenX(750, breite), breite - 1);
        EXPECT_EQ(StreifenFrequenz(0, breite), 400);
        EXPECT_EQ(StreifenFrequenz(breite - 1, breite), 750);
        for (int f = 400; f <= 750; f += 7)
            EXPECT_NEAR(StreifenFrequenz(StreifenX(f, breite), breite), f, 350.0 / (breite - 1)) << f;
    }
    EXPECT_TRUE(FrequenzWaehlbar(400));
    EXPECT_TRUE(FrequenzWaehlbar(750));
    EXPECT_FALSE(FrequenzWaehlbar(399));
    EXPECT_FALSE(FrequenzWaehlbar(751));

    // cadmium 466, 562, 589, 625, 641 THz: a click selects only within 5 THz
    const Linienspektrum &cd = Spektren[SpektrumCadmium];
    struct Fall {
        int fc, linie;
    };
    for (const Fall &f : {Fall{466, 0}, Fall{471, 0}, Fall{472, -1}, Fall{584, 2}, Fall{600, -1}, Fall{646, 4},
                          Fall{400, -1}, Fall{750, -1}})
        EXPECT_EQ(LinieBeiFrequenz(cd, f.fc), f.linie) << f.fc;

    Tafel t(351, StreifenHoehe, 0xFFFFFF);
    ZeichneKontinuum(t.c);
    EXPECT_EQ(t.c.pixel(0, 20), FarbeAusFrequenz(400));
    EXPECT_EQ(t.c.pixel(350, 20), FarbeAusFrequenz(750));
    ZeichneLinienSpektrum(t.c, cd, 1, 0);
    EXPECT_EQ(t.c.pixel(StreifenX(562, 351), 20), FarbeAusFrequenz(562));
    EXPECT_EQ(t.c.pixel(StreifenX(500, 351), 20), 0x000000u);
}

TEST(PhotoKit, ReleasedElectronsCarryTheEnergyLeftOverFromTheQuantum)
{
    const double h = 6.626e-34, e = 1.602e-19, m = 9.11e-31;
    struct Fall {
        double f, w;
    };
    for (const Fall &f : {Fall{1.5e15, 4.83}, Fall{8e14, 2.25}, Fall{7.5e14, 1.94}}) {
        const double v = Austrittsgeschwindigkeit(h, f.f, f.w, e, m);
        EXPECT_LT(v, 0);
        EXPECT_NEAR(0.5 * m * v * v / e, h * f.f / e - f.w, 1e-9);  // kinetic energy in eV
    }
    EXPECT_EQ(Austrittsgeschwindigkeit(h, 4.66e14, 2.25, e, m), 0.0);  // red: below the threshold
    EXPECT_EQ(Austrittsgeschwindigkeit(h, 0.999 * 2.25 * e / h, 2.25, e, m), 0.0);
}

TEST(PhotoKit, QuantumPicturesGrowWithTheFrequency)
{
    EXPECT_EQ(QuantRadius(8, 375), 12);
    EXPECT_EQ(QuantRadius(9, 750), 27);
    EXPECT_EQ(QuantRadius(9, 1500), 27);  // capped to fit its picture
    const QImage bild = QuantBild(12, 0x00FF00);
    ASSERT_EQ(bild.size(), QSize(55, 55));
    int farbig = 0;
    for (int y = 0; y < 55; ++y)
        for (int x = 0; x < 55; ++x)
            if (Bgr(bild.pixel(x, y)) == 0x00FF00) {
                ++farbig;
                EXPECT_LE(std::hypot(x - 27, y - 27), 12.6);
            }
    EXPECT_EQ(Bgr(bild.pixel(27 + 12, 27)), 0x00FF00u);  // the outer ring
    EXPECT_GT(farbig, 24 * 3);
}

TEST(PhotoKit, QuantaShowTheirColourInsideAndOutsideTheCellAndGoBackToTheLamp)
{
    const TColor grund = 0x964401;
    Tafel t(300, 100, grund);
    Canvas &c = t.c;
    c.brush = Pinsel{0x000000, PinselStil::Solid};
    c.fillRect(150, 0, 300, 100);  // the black inside of the cell from x = 150
    const QImage vorher = t.img.copy();
    const QVector<QPoint> strahlen = {{40, 50}, {30, 60}};
    Quanten q;
    DefQuant(q, strahlen);
    EXPECT_EQ(q[21].x, 30);  // beyond the last ray: its start
    QuantenDefinieren(q, 6, 600, grund);
    const TColor farbe = FarbeAusFrequenz(600);
    const int R = QuantRadius(6, 600);
    for (double x : {60.0, 220.0}) {  // outside and inside the cell
        q[0].x = x;
        q[0].y = 50;
        q[0].aktiv = true;
        ZeichneQuant(c, q[0], 150);
        EXPECT_EQ(c.pixel(int(x) + R, 50), farbe) << x;
        ZeichneQuant(c, q[0], 150);
        EXPECT_EQ(t.img, vorher);
    }
    q[0].x = 100;
    ZeichneQuant(c, q[0], 150);
    QuantenAusschalten(c, q, strahlen, 150);
    EXPECT_EQ(t.img, vorher);
    EXPECT_FALSE(q[0].aktiv);
    EXPECT_EQ(q[0].x, 40);
}

TEST(PhotoKit, TextOnAColouredPanelTakesTheColourOfHigherContrast)
{
    struct Fall {
        TColor panel, text;
        double kontrast;  // of the chosen text colour
    };
    const Fall faelle[] = {
        {0xFFFFFF, 0x000000, 21.0}, {0x000000, 0xFFFFFF, 21.0},
        {0xB30051, 0xFFFFFF, 10.5},  // violet (81, 0, 179): black would give 2 : 1
        {0x00FFFF, 0x000000, 19.6},  // yellow
        {0x0000FF, 0x000000, 5.25},  // red
        {0xFF0000, 0xFFFFFF, 8.6},   // blue
    };
    for (const Fall &f : faelle) {
        EXPECT_EQ(TextFarbeAuf(f.panel), f.text) << std::hex << f.panel;
        EXPECT_NEAR(Kontrastverhaeltnis(f.panel, f.text), f.kontrast, 0.1) << std::hex << f.panel;
        EXPECT_DOUBLE_EQ(Kontrastverhaeltnis(f.text, f.panel), Kontrastverhaeltnis(f.panel, f.text));
    }
}

TEST(PhotoKit, WavesIntoACellShowTheLightsOwnColourAndSkipGlassAndLabels)
{
    const TColor grund = 0x964401;
    for (TColor licht : {TColor(0x0000FF), TColor(0)}) {  // red, ultraviolet
        Tafel t(300, 200, grund);
        const QRect glas(150, 60, 140, 130), innen = glas.adjusted(8, 8, -8, -8);
        t.c.brush = Pinsel{TColor(16761220), PinselStil::Solid};
        t.c.fillRect(glas.left(), glas.top(), glas.right() + 1, glas.bottom() + 1);
        t.c.brush = Pinsel{0x000000, PinselStil::Solid};
        t.c.fillRect(innen.left(), innen.top(), innen.right() + 1, innen.bottom() + 1);
        const Lampe l = LampenGeometrie(40, 100, 280, 13, 8);
        Wellenbild w;
        w.bisX = 280;
        w.amplitude = 15;
        w.frei = {QRect(60, 60, 50, 40)};
        const QImage vorher = t.img.copy();
        ZeichneWellenInZelle(t.c, l, w, 11, licht, grund, glas, innen);
        int drinnen = 0, draussen = 0, falsch = 0;
        for (int y = 0; y < t.img.height(); ++y)
            for (int x = 0; x < t.img.width(); ++x) {
                if (t.img.pixel(x, y) == vorher.pixel(x, y))
                    continue;
                const TColor p = Bgr(t.img.pixel(x, y));
                if (innen.contains(x, y)) {
                    ++drinnen;
                    falsch += p != (licht != 0 ? licht : UVImDunkeln);
                } else {
                    ++draussen;
                    falsch += p != licht || glas.contains(x, y) || w.frei[0].contains(x, y);
                }
            }
        EXPECT_GT(drinnen, 50);
        EXPECT_GT(draussen, 50);
        EXPECT_EQ(falsch, 0) << licht;
        ZeichneWellenInZelle(t.c, l, w, 11, licht, grund, glas, innen);
        EXPECT_EQ(t.img, vorher);
    }
}
