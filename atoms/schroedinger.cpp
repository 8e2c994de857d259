#include "schroedinger.h"

#include "canvas.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Atome {

double Psi(int n, int l, double c, double rho)
{
    switch (n * 10 + l) {
    case 10:
        return std::exp(-rho);
    case 20:
        return std::exp(-rho / 2) * (2 - rho);
    case 21:
        return std::exp(-rho / 2) * rho * c;
    case 30:
        return std::exp(-rho / 3) * (27 - 18 * rho + 2 * rho * rho);
    case 31:
        return std::exp(-rho / 3) * rho * (1 - rho / 6) * c;
    case 32:
        return std::exp(-rho / 3) * rho * rho * c;
    default:
        return 0;
    }
}

double WinkelFaktor(int l, double cosTheta)
{
    if (l == 1)
        return cosTheta;
    if (l == 2)
        return 3 * cosTheta * cosTheta - 1;
    return 1;
}

WMaxTabelle BerechneWMax(int N, int a0)
{
    WMaxTabelle t;
    const double a = std::max(1, a0);
    for (int k = 1; k <= N; ++k)
        for (int j = 1; j <= N; ++j) {
            const double d = std::sqrt(double(k) * k + double(j) * j), rho = d / a, cs = k / d;
            for (int n = 1; n <= 3; ++n)
                for (int l = 0; l < n; ++l) {
                    const double p = std::abs(Psi(n, l, WinkelFaktor(l, cs), rho));
                    double &w = t.w[std::size_t(n)][std::size_t(l)];
                    w = std::max(w, p * p);
                }
        }
    return t;
}

int GrauStufe(double x) { return std::min(255, Runde(std::sqrt(std::max(0.0, x)) * 255)); }

TColor GrauTon(double x) { return TColor(GrauStufe(x)) * 65793u; }

int BohrRadiusPixel(int cx, int massstab) { return std::max(1, (cx - 8) / std::max(1, massstab)); }

int PixelProNm(int a0) { return std::max(1, Runde(a0 / 0.0529)); }

int BeschriftungBohr(int m) { return m <= 5 ? 1 : m <= 10 ? 2 : m <= 25 ? 5 : 10; }

int BeschriftungNm(int m) { return m <= 8 ? 1 : m <= 12 ? 2 : m <= 24 ? 5 : 10; }

QString Zustandsname(int n, int l)
{
    static const char buchstabe[3] = {'s', 'p', 'd'};
    return QCoreApplication::translate("Schroedinger", "Orbital %1\u2002%2")
        .arg(n)
        .arg(QLatin1Char(buchstabe[std::clamp(l, 0, 2)]));
}

int NebenQuantenzahlen(int n) { return std::clamp(n, 1, 3); }

int WolkenZiel(int n) { return 4096 * std::clamp(n, 1, 3); }

int MessZiel(int n) { return n <= 1 ? 256 : n == 2 ? 1024 : 2048; }

void GrauSpalten(QImage &bild, int cx, int cy, int N, int n, int l, int a0, double wmax, int von, int bis)
{
    // A picture at device pixels (ratio s ≠ 1) gets each value as the block of its logical pixel.
    const double s = bild.devicePixelRatio();
    const int w = LogischeGroesse(bild).width(), h = LogischeGroesse(bild).height();
    const auto block = [&](int x, int y, QRgb farbe) {
        const int x1 = GeraetKante(x + 1, s), y1 = std::min(GeraetKante(y + 1, s), bild.height());
        for (int yy = GeraetKante(y, s); yy < y1; ++yy)
            std::fill(reinterpret_cast<QRgb *>(bild.scanLine(yy)) + GeraetKante(x, s),
                      reinterpret_cast<QRgb *>(bild.scanLine(yy)) + std::min(x1, bild.width()), farbe);
    };
    const double a = std::max(1, a0);
    const double norm = wmax > 0 ? 1 / wmax : 0;
    for (int i = std::max(0, von); i <= std::min(N, bis); ++i) {
        for (int b = 0; b <= N; ++b) {
            const double d = std::sqrt(double(b) * b + double(i) * i);
            const double c = d == 0 ? 1 : WinkelFaktor(l, i / d);
            const double p = Psi(n, l, c, d / a);
            const int g = GrauStufe(p * p * norm);
            const QRgb farbe = qRgb(g, g, g);
            for (int sy : {-1, 1}) {
                const int y = cy + sy * b;
                if (y < 0 || y >= h || (sy > 0 && b == 0))
                    continue;
                if (s != 1.0) {
                    if (cx + i < w && cx + i >= 0)
                        block(cx + i, y, farbe);
                    if (i > 0 && cx - i >= 0 && cx - i < w)
                        block(cx - i, y, farbe);
                    continue;
                }
                auto *zeile = reinterpret_cast<QRgb *>(bild.scanLine(y));
                if (cx + i < w && cx + i >= 0)
                    zeile[cx + i] = farbe;
                if (i > 0 && cx - i >= 0 && cx - i < w)
                    zeile[cx - i] = farbe;
            }
        }
    }
}

bool ZiehePunkt(int N, int n, int l, int a0, double wmax, const std::function<double()> &zufall, Zufallspunkt &p)
{
    const auto ganz = [&] { return std::min(N - 1, int(zufall() * N)); };
    p.x = ganz();
    if (zufall() < 0.5)
        p.x = -p.x;
    p.y = ganz();
    if (zufall() < 0.5)
        p.y = -p.y;
    const double d = std::sqrt(double(p.x) * p.x + double(p.y) * p.y);
    const double c = (d == 0 || l == 0) ? 1 : WinkelFaktor(l, p.x / d);
    const double psi = Psi(n, l, c, d / std::max(1, a0));
    return wmax > 0 && zufall() < psi * psi / wmax;
}

double GraphFaktor(int n, int l, int a0, int cx, int cy)
{
    double groesste = 0;
    for (int j = 0; j <= cx - 8; ++j) {
        const double p = Psi(n, l, l, j / double(std::max(1, a0)));
        groesste = std::max(groesste, p * p);
    }
    if (groesste <= 0)
        return 0;
    double k = 0.8 * cy / groesste;
    if (l >= 1)
        k /= n;
    return k;
}

double GraphGipfel(int n, int l, int a0, int cx)
{
    const double a = std::max(1, a0);
    int gipfel = 0;
    double groesste = -1;
    for (int j = 0; j <= cx - 8; ++j) {
        const double p = Psi(n, l, l, j / a);
        if (p * p > groesste) {
            groesste = p * p;
            gipfel = j;
        }
    }
    return gipfel / a;
}

SchroedingerLayout BerechneSchroedingerLayout(int breite, int hoehe, const QRect &zurueck)
{
    SchroedingerLayout L;
    L.zurueck = zurueck;
    const int oben = 8 + 57 + 8;
    L.seite = std::max(64, std::min(zurueck.bottom() + 1 - oben - 24, breite - 394));
    const int links = 8, bildLinks = links + 193 + 8;
    L.bild = QRect(bildLinks, oben, L.seite, L.seite);
    L.titel = QRect(bildLinks, 8, L.seite, 57);
    const int rechts = bildLinks + L.seite + 8;
    // left column: equal gaps, at most 16, from the top to the back button's bottom
    const int hl[6] = {113, 105, 49, 161, 121, 49};
    QRect *zl[6] = {&L.graph, &L.atom, &L.achsen, &L.darstellung, &L.simulation, &L.loeschen};
    int summe = 0;
    for (int h : hl)
        summe += h;
    const int unten = zurueck.bottom() + 1;
    int luecke = std::clamp((unten - 8 - summe) / 7, 0, 16);
    int y = 8 + luecke;
    for (int i = 0; i < 6; ++i) {
        *zl[i] = QRect(links, y, 193, hl[i]);
        y += hl[i] + luecke;
    }
    // right column above the back button: equal gaps, at most 32
    const int hr[3] = {97, 225, 105};
    QRect *zr[3] = {&L.massstab, &L.zustand, &L.texte};
    summe = 97 + 225 + 105;
    int rechtsUnten = zurueck.top();
    if (zurueck.left() < rechts + 169)
        rechtsUnten = zurueck.top();
    luecke = std::clamp((rechtsUnten - 8 - summe) / 4, 0, 32);
    y = 8 + luecke;
    for (int i = 0; i < 3; ++i) {
        *zr[i] = QRect(rechts, y, 169, hr[i]);
        y += hr[i] + luecke;
    }
    (void)hoehe;
    return L;
}

}  // namespace Atome
