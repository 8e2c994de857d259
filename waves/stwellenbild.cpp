#include "stwellenbild.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace StehendeWellen {

namespace {
int Mitte(const Canvas &c) { return c.width() / 2; }
}  // namespace

template <class F, class Farbe>
void StWellenBild::Linie(Canvas &c, int Y0, int von, int bis, F &&y, Farbe &&farbe, int breite)
{
    Ursprung u{&c, Mitte(c), Y0};
    c.pen = Stift{0, breite};
    for (int x = von; x <= bis; ++x) {
        const double wert = y(x);
        c.pen.color = farbe(wert);
        if (x == von)
            u.Moveto0(x, wert);
        else
            u.Lineto0(x, wert);
    }
    c.pen = Stift{};
}

void StWellenBild::Image0Vorbereiten(bool mitSeil)
{
    Canvas &c = seil_;
    const Werte &w = z_.w;
    const int X0 = Mitte(c), Y0 = c.height() / 2;
    c.pen = Stift{};
    c.brush = Pinsel{z_.grund};
    c.fillRect(0, 0, c.width(), c.height());
    c.pen.color = 0xC0C0C0;
    c.brush.color = 0x808080;
    if (w.xR < X0 && (z_.festesEnde || w.schritt == 5))
        c.roundRect(X0 + w.xR, Y0 - 10, c.width(), Y0 + 10, 8, 8);
    if (w.schritt == 5)
        c.roundRect(0, Y0 - 10, X0 + w.xL, Y0 + 10, 8, 8);
    Achsen();
    if (mitSeil)
        Linie(c, Y0, w.xL, w.xR, [](int) { return 0.0; }, [&](double) { return SeilFarbe(w.Amax, 0); }, 5);
    letzte_.clear();
}

void StWellenBild::Achsen()
{
    Canvas &c = seil_;
    Ursprung u{&c, Mitte(c), c.height() / 2};
    c.pen = Stift{0x000000, 1, PenStil::DashDot};
    c.brush.style = PinselStil::Clear;
    u.Line0(z_.w.xL, 0, z_.w.xR, 0);
    c.pen = Stift{};
    c.brush = Pinsel{};
}

void StWellenBild::Komponente(Canvas &c, bool obenBild, bool mitSeil)
{
    c.pen = Stift{};
    c.brush = Pinsel{z_.grund};
    c.fillRect(0, 0, c.width(), c.height());
    if (!z_.komponenten)
        return;
    const int nullLinie = c.height() / 2;
    const Beschriftungen t = KomponentenTexte(z_.w.schritt, z_.wellenberg, z_.gegenphasig, z_.festesEnde);
    c.font = Schrift{QStringLiteral("Comic Sans MS"), 22, false, false, false, 0xD26B04};
    c.brush.style = PinselStil::Clear;
    if (obenBild)
        c.textOut(4, nullLinie - c.textHeight(t.oben), t.oben);
    else
        c.textOut(c.width() - 4 - c.textWidth(t.unten), nullLinie + 2, t.unten);
    c.brush = Pinsel{};
    if (mitSeil) {
        const int X0 = Mitte(c);
        Linie(c, nullLinie, -X0, X0, [](int) { return 0.0; }, [&](double) { return KomponentenFarbe(z_.w.Amax, 0); },
              3);
    }
}

void StWellenBild::Image1Vorbereiten(bool mitSeil) { Komponente(oben_, true, mitSeil); }
void StWellenBild::Image2Vorbereiten(bool mitSeil) { Komponente(unten_, false, mitSeil); }

void StWellenBild::ImageLambdaVorbereiten(Canvas &c, int lambda, TColor formFarbe)
{
    c.pen = Stift{};
    c.brush = Pinsel{formFarbe};
    c.fillRect(0, 0, c.width(), c.height());
    const int H = c.height(), mitte = c.width() / 2;
    const int links = mitte - lambda / 2, rechts = links + lambda;
    c.pen = Stift{0xC0C0C0, 2};  // light grey: readable on the window's dark blue
    c.moveTo(links, H - 1);
    c.lineTo(links, H - 13);
    c.moveTo(rechts, H - 1);
    c.lineTo(rechts, H - 13);
    c.moveTo(links, H - 7);
    c.lineTo(rechts, H - 7);
    c.pen = Stift{};
    // the caption stands left of the bracket, so that it fits the marker's height
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 12, true, false, false, 0xC0C0C0};
    c.brush.style = PinselStil::Clear;
    const QString text = QCoreApplication::translate("StWellenBild", "gemeinsame Wellenlänge:");
    c.textOut(links - 8 - c.textWidth(text), (H - c.textHeight(text)) / 2, text);
    c.brush = Pinsel{};
}

void StWellenBild::KnotenMarken()
{
    Canvas &c = seil_;
    const Werte &w = z_.w;
    const QString knoten = QCoreApplication::translate("StWellenBild", "Knoten");
    const QString bauch = QCoreApplication::translate("StWellenBild", "Bauch");
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 10, false, false, false, 0xC0C0C0};
    if (std::max(c.textWidth(knoten), c.textWidth(bauch)) >= w.h - 15)  // the wider label must fit
        return;
    const Marken m = KnotenUndBaeuche(w, z_.gegenphasig);
    const int X0 = Mitte(c);
    c.font = Schrift{QStringLiteral("Trebuchet MS"), 12, false, false, false, 0x808080};
    c.brush.style = PinselStil::Clear;
    c.pen = Stift{0x808080, 1};
    const int th = c.textHeight(knoten);
    auto marke = [&](double x, const QString &text, bool obenMarke) {
        const int px = X0 + Runde(x);
        const int ty = obenMarke ? 4 : c.height() - 4 - th;
        c.textOut(px - c.textWidth(text) / 2, ty, text);
        const int von = obenMarke ? ty + th + 2 : ty - 2;
        const int bis = obenMarke ? von + 70 : von - 70;
        const int r = obenMarke ? 1 : -1;  // direction towards the rope
        c.moveTo(px, von);
        c.lineTo(px, bis);
        c.brush = Pinsel{0x808080};
        c.polygon({{px, bis + r}, {px - 4, bis - 6 * r}, {px + 4, bis - 6 * r}});
        c.brush.style = PinselStil::Clear;
    };
    for (double x : m.knoten)
        marke(x, knoten, true);
    for (double x : m.baeuche)
        marke(x, bauch, false);
    c.pen = Stift{};
    c.brush = Pinsel{};
}

void StWellenBild::FrameGegenwellen(double t)
{
    const Werte &w = z_.w;
    Image0Vorbereiten(false);
    if (w.schritt == 2 && w.c * t > 2.0 * w.X0)
        KnotenMarken();
    if (z_.komponenten) {
        Image1Vorbereiten(false);
        Image2Vorbereiten(false);
    }
    const int Y0 = seil_.height() / 2;
    letzteVon_ = -w.X0;
    letzte_.assign(std::size_t(w.xR - letzteVon_ + 1), 0.0);
    Linie(seil_, Y0, -w.X0, w.xR,
          [&](int x) {
              const auto [y1, y2] = Auslenkungen(z_.g, w, x, t);
              letzte_[std::size_t(x - letzteVon_)] = y1 + y2;
              return y1 + y2;
          },
          [&](double y) { return SeilFarbe(w.Amax, Farbcode(y, 2.0 * w.A, 56)); }, 5);
    if (z_.komponenten) {
        Linie(oben_, oben_.height() / 2, -w.X0, w.xR, [&](int x) { return Auslenkungen(z_.g, w, x, t).first; },
              [&](double y) { return KomponentenFarbe(w.Amax, Farbcode(y, 2.0 * w.A, 56)); }, 3);
        Linie(unten_, unten_.height() / 2, -w.X0, w.xR, [&](int x) { return Auslenkungen(z_.g, w, x, t).second; },
              [&](double y) { return KomponentenFarbe(w.Amax, Farbcode(y, 2.0 * w.A, 56)); }, 3);
    }
    Achsen();
}

void StWellenBild::FrameStehend(double t)
{
    const Werte &w = z_.w;
    Image0Vorbereiten(false);
    if (z_.komponenten) {
        Image1Vorbereiten(false);
        Image2Vorbereiten(false);
    }
    const int Y0 = seil_.height() / 2;
    letzteVon_ = w.xL;
    letzte_.assign(std::size_t(w.xR - w.xL + 1), 0.0);
    Linie(seil_, Y0, w.xL, w.xR,
          [&](int x) {
              const auto [y1, y2] = StehendeAuslenkungen(w, z_.baeuche, x, t);
              letzte_[std::size_t(x - letzteVon_)] = y1 + y2;
              return y1 + y2;
          },
          [&](double y) { return SeilFarbe(w.Amax, Farbcode(y, 2.0 * w.A, w.Amax)); }, 5);
    if (z_.komponenten) {
        Linie(oben_, oben_.height() / 2, w.xL, w.xR,
              [&](int x) { return StehendeAuslenkungen(w, z_.baeuche, x, t).first; },
              [&](double y) { return SeilFarbe(w.Amax, Farbcode(y, w.A, w.Amax)); }, 3);
        Linie(unten_, unten_.height() / 2, w.xL, w.xR,
              [&](int x) { return StehendeAuslenkungen(w, z_.baeuche, x, t).second; },
              [&](double y) { return SeilFarbe(w.Amax, Farbcode(y, w.A, w.Amax)); }, 3);
    }
    Achsen();
}

double StWellenBild::letzteAuslenkung(int x) const
{
    const long i = long(x) - letzteVon_;
    if (i < 0 || i >= long(letzte_.size()))
        return std::numeric_limits<double>::quiet_NaN();
    return letzte_[std::size_t(i)];
}

}  // namespace StehendeWellen
