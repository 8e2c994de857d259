#include "stwellen.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace StehendeWellen {

Werte BerechneWerte(int schritt, int X0, int u, int posAmplitude, int posSchwDauer, int posWellenlaenge)
{
    Werte w;
    w.schritt = std::clamp(schritt, 1, Schritte);
    w.X0 = X0;
    w.Amax = Runde(0.9 * u);
    w.A = Runde(posAmplitude * w.Amax / 50.0);
    w.N = std::max(1, posSchwDauer);
    w.h = posWellenlaenge;
    w.lambda = 2 * posWellenlaenge;
    w.c = double(w.lambda) / w.N;
    w.omega = 2 * M_PI / w.N;
    w.xL = w.schritt == 5 ? 20 - X0 : -X0;
    w.xR = w.schritt >= 3 ? X0 - 20 : X0;
    return w;
}

int VerzoegerungAusTempo(int position) { return 8 * (ZweiHoch(5 - std::clamp(position, 0, 5)) - 1); }

Gegenwellen AufbauGegenwellen(const Werte &w, bool wellental, bool gegenphasig, bool festesEnde)
{
    Gegenwellen g;
    const int s = w.schritt;
    g.x1 = -w.X0;
    g.x2 = s <= 2 ? w.xR : 2.0 * w.xR + w.X0;
    g.einzelPuls = s == 1 || s == 3;
    g.sigma1 = (g.einzelPuls && wellental) ? -1 : 1;
    g.sigma2 = ((s <= 2 && gegenphasig) || (s >= 3 && festesEnde)) ? -1 : 1;
    const double D = s == 1 ? 2.0 * w.X0 : 4.0 * w.X0;
    g.laenge = (D + w.lambda / 2.0) / w.c;
    return g;
}

std::pair<double, double> Auslenkungen(const Gegenwellen &g, const Werte &w, double x, double t)
{
    const double front = w.c * t;
    auto welle = [&](double d) {
        const bool aktiv = front >= d && (!g.einzelPuls || d + w.lambda / 2.0 >= front);
        return aktiv ? w.A * std::sin(w.omega * (t - d / w.c)) : 0.0;
    };
    return {g.sigma1 * welle(std::abs(x - g.x1)), g.sigma1 * g.sigma2 * welle(std::abs(x - g.x2))};
}

std::pair<double, double> StehendeAuslenkungen(const Werte &w, int n, double x, double t)
{
    const double Ls = w.xR - w.xL;
    const double lambdaS = 2.0 * Ls / std::max(1, n);
    const double xi = x - w.xL;
    return {w.A * std::sin(w.omega * t - 2 * M_PI * xi / lambdaS),
            -w.A * std::sin(w.omega * t + 2 * M_PI * xi / lambdaS)};
}

int Farbcode(double y, double voll, int skala) { return voll > 0 ? Runde(y / voll * skala) : 0; }

namespace {
TColor Farbe(int r, int g, int b)
{
    return TColor(std::clamp(r, 0, 255)) | TColor(std::clamp(g, 0, 255)) << 8 | TColor(std::clamp(b, 0, 255)) << 16;
}
}  // namespace

TColor SeilFarbe(int Amax, int k) { return Farbe(0, 157 + k, 255 - Amax + k); }
TColor KomponentenFarbe(int Amax, int k) { return Farbe(0, 255 - Amax + k, 157 + k); }

Marken KnotenUndBaeuche(const Werte &w, bool gegenphasig)
{
    Marken m;
    const int h = std::max(1, w.h);
    for (int r = 1 - w.X0 / h; r <= w.X0 / h - 1; ++r) {
        if (!gegenphasig) {
            m.knoten.push_back(r * h + h / 2.0);
            m.baeuche.push_back(r * h);
        } else {
            m.knoten.push_back(-r * h);
            m.baeuche.push_back(h / 2.0 - r * h);
        }
    }
    return m;
}

Beschriftungen KomponentenTexte(int schritt, bool wellenberg, bool gegenphasig, bool festesEnde)
{
    const QString berg = QCoreApplication::translate("StehendeWellen", "von links kommender Wellenberg");
    const QString tal = QCoreApplication::translate("StehendeWellen", "von links kommendes Wellental");
    switch (schritt) {
    case 1:
        return {wellenberg ? berg : tal,
                wellenberg != gegenphasig
                    ? QCoreApplication::translate("StehendeWellen", "von rechts kommender Wellenberg")
                    : QCoreApplication::translate("StehendeWellen", "von rechts kommendes Wellental")};
    case 3:
        return {wellenberg ? berg : tal,
                wellenberg != festesEnde ? QCoreApplication::translate("StehendeWellen", "reflektierter Wellenberg")
                                         : QCoreApplication::translate("StehendeWellen", "reflektiertes Wellental")};
    case 4:
        return {QCoreApplication::translate("StehendeWellen", "ankommende Welle"),
                QCoreApplication::translate("StehendeWellen", "reflektierte Welle")};
    default:
        return {QCoreApplication::translate("StehendeWellen", "von links kommende Welle"),
                QCoreApplication::translate("StehendeWellen", "von rechts kommende Welle")};
    }
}

Layout BerechneLayout(int W, int H, int T)
{
    Layout l;
    const int titelOben = 8, titelHoehe = 49;
    int textBreite = 297, bildBreite = W / 2;
    int rest = W - W / 2 - 474;
    while (rest > 4 && textBreite < 360) {
        textBreite += 2;
        bildBreite += 2;
        rest -= 4;
    }
    int q = T - titelHoehe - 24;
    while (rest > 2) {
        q += 2;
        if (bildBreite < 1.25 * (q - 2))
            rest -= 2;
        else
            break;
    }
    // a wide picture on a narrow screen: it gives up what the column would lack
    bildBreite -= std::max(0, textBreite + bildBreite + 24 + 177 - W);
    int rand = rest / 2;
    // a wide picture on a low screen: the column would leave the screen on the right
    rand = std::max(0, std::min(rand, W - (textBreite + bildBreite + 24 + 177)));
    l.u = (T - titelOben - titelHoehe - 32) / 8;
    l.mitte = (titelOben + titelHoehe + T) / 2;
    const int u = l.u, mitte = l.mitte;
    l.spalteLinks = rand + textBreite + bildBreite + 24;
    const int bildLinks = rand + textBreite + 8;
    const int bildW = l.spalteLinks - 8 - bildLinks;
    l.image0 = QRect(bildLinks, mitte - 2 * u, bildW, 4 * u);
    l.image1 = QRect(bildLinks, mitte - 4 * u - 8, bildW, 2 * u);
    l.image2 = QRect(bildLinks, mitte + 2 * u + 8, bildW, 2 * u);
    const int lambdaBreite = std::min(bildW, 680);
    l.imageLambda = QRect(bildLinks + bildW / 2 - lambdaBreite / 2, l.image0.top() - 25, lambdaBreite, 25);
    l.titel = QRect(bildLinks, titelOben, bildW, titelHoehe);
    l.beobachtButton = QRect(rand, T + 12, textBreite, 57);
    const int textOben = titelOben + titelHoehe + 8;
    l.text = QRect(rand, textOben, textBreite, l.beobachtButton.top() - 24 - textOben);

    const bool klein = H < 768;  // small screens: lower panels so that the column ends above the back button
    const std::array<int, 7> hoehen = klein ? std::array<int, 7>{66, 66, 66, 66, 66, 54, 130}
                                            : std::array<int, 7>{70, 70, 84, 84, 84, 56, 150};
    int summe = 0;
    for (int h : hoehen)
        summe += h;
    const int G = klein ? std::max(2, (T - summe) / 10) : (T - summe) / 10;
    int oben = 2 * G;
    for (std::size_t i = 0; i < hoehen.size(); ++i) {
        l.spalte[i] = QRect(l.spalteLinks, oben, l.spalteBreite, hoehen[i]);
        oben += hoehen[i] + G;
    }
    return l;
}

}  // namespace StehendeWellen
