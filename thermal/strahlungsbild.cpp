#include "strahlungsbild.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Waermestrahlung {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr TColor Weiss = 0xFFFFFF;
constexpr TColor Schwarz = 0x000000;
const QString Beschriftungsschrift = QStringLiteral("Comic Sans MS");

// A polyline in world coordinates: moves to the first point and after every gap,
// draws lines to the others; heights are clamped to the picture's band. Points are
// rounded as the world-to-pixel primitives round them and handed to the canvas in short
// runs (one mask per run for wide pens instead of one per segment).
class Zug {
public:
    Zug(Ursprung &u, const Diagrammmasse &m) : u_(u), m_(m) {}
    ~Zug() { abschliessen(); }
    void punkt(double x, double y)
    {
        if (std::isnan(y) || !std::isfinite(x)) {
            abschliessen();
            return;
        }
        x = std::clamp(x, -1e6, 1e6);
        y = m_.begrenzt(y);
        lauf_.append(QPoint(Runde(u_.X0 + x), Runde(u_.Y0 - y)));
        if (lauf_.size() >= LaufLaenge) {
            const QPoint letzter = lauf_.last();
            zeichnen();
            lauf_.append(letzter);  // the next run starts where this one ended
        }
    }
    void abschliessen()
    {
        zeichnen();
        lauf_.clear();
    }

private:
    static constexpr int LaufLaenge = 32;
    void zeichnen()
    {
        if (!u_.canvas)
            lauf_.clear();
        if (lauf_.size() >= 2)
            u_.canvas->polyline(lauf_);
        if (!lauf_.isEmpty())
            u_.canvas->moveTo(lauf_.last().x(), lauf_.last().y());
        lauf_.clear();
    }
    Ursprung &u_;
    const Diagrammmasse &m_;
    QVector<QPoint> lauf_;
};

double Dichte(Kurvenart art, bool ueberFrequenz, double q, double T, double h)
{
    switch (art) {
    case Kurvenart::Gemessen:
        return ueberFrequenz ? PlanckNu(q, T, h) : PlanckLambda(q, T, h);
    case Kurvenart::Wien:
        return ueberFrequenz ? WienNu(q, T, h) : WienLambda(q, T, h);
    case Kurvenart::RayleighJeans:
        return ueberFrequenz ? RJNu(q, T, h) : RJLambda(q, T, h);
    case Kurvenart::WienRelativ:
        return ueberFrequenz ? WienRelNu(q, T, h) : WienRelLambda(q, T, h);
    case Kurvenart::RayleighJeansRelativ:
        return ueberFrequenz ? RJRelNu(q, T, h) : RJRelLambda(q, T, h);
    }
    return NaN;
}

TColor KurvenFarbe(Kurvenart art)
{
    switch (art) {
    case Kurvenart::Gemessen:
        return FarbeGemessen;
    case Kurvenart::Wien:
        return FarbeWien;
    case Kurvenart::RayleighJeans:
        return FarbeRJ;
    case Kurvenart::WienRelativ:
        return FarbeWienRel;
    case Kurvenart::RayleighJeansRelativ:
        return FarbeRJRel;
    }
    return Weiss;
}

}  // namespace

double KurvenHoehe(Kurvenart art, bool ueberFrequenz, double x, double T, double skala, const Referenz &ref,
                   double Hmax, double h)
{
    if (!std::isfinite(skala) || skala <= 0)
        return NaN;
    const double q = x / skala;  // frequency in Hz or wavelength in m
    const double wert = Dichte(art, ueberFrequenz, q, T, h);
    if (art == Kurvenart::WienRelativ || art == Kurvenart::RayleighJeansRelativ)
        return VerhaeltnisHoehe(wert);
    return Hoehe(wert, ueberFrequenz ? ref.nu : ref.lambda, Hmax);
}

// ---- common part ------------------------------------------------------------------------------

Strahlungsdiagramm::Strahlungsdiagramm(Canvas &c, const Diagrammmasse &masse) : canvas(c), m(masse)
{
    u.canvas = &canvas;
    u.X0 = m.X0;
    u.Y0 = m.Y0;
}

void Strahlungsdiagramm::setzeSkalen(int positionFrequenz, int positionWLaenge)
{
    skalaNu = SkalaFrequenz(m.L, positionFrequenz);
    skalaLambda = SkalaWellenlaenge(m.L, positionWLaenge);
}

void Strahlungsdiagramm::schrift(int groesse, TColor farbe, bool fett)
{
    canvas.font.name = Beschriftungsschrift;
    canvas.font.size = groesse;
    canvas.font.bold = fett;
    canvas.font.italic = false;
    canvas.font.underline = false;
    canvas.font.color = farbe;
    canvas.brush.style = PinselStil::Clear;
}

int Strahlungsdiagramm::obenImBild(int zeile) const { return std::max(zeile, 0); }

std::pair<int, int> Strahlungsdiagramm::Bandspalten(double f1, double f2, bool ueberFrequenz) const
{
    const double x1 = ueberFrequenz ? f1 * skalaNu : Lichtgeschwindigkeit / f1 * skalaLambda;
    const double x2 = ueberFrequenz ? f2 * skalaNu : Lichtgeschwindigkeit / f2 * skalaLambda;
    if (!std::isfinite(x1) || !std::isfinite(x2) || std::abs(x1) > 1e6 || std::abs(x2) > 1e6)
        return {0, -1};
    return {Runde(m.X0 + std::min(x1, x2)) - 1, Runde(m.X0 + std::max(x1, x2)) + 1};
}

namespace {
// Whether a label from links, tw wide, keeps 4 px off the band's columns.
bool AufDemBand(int links, int tw, std::pair<int, int> band)
{
    return band.first <= band.second && links - 4 <= band.second && links + tw + 4 >= band.first;
}
}  // namespace

void Strahlungsdiagramm::Intensitaetsachse(int Tref, bool zweimalUnterDerLinie, std::pair<int, int> band)
{
    canvas.pen = Stift{Schwarz, 2, PenStil::Solid, PenModus::Copy};
    canvas.brush = Pinsel{Schwarz, PinselStil::Solid};
    canvas.fillRect(0, 0, m.breite, m.hoehe);
    canvas.brush.style = PinselStil::Clear;
    canvas.pen.color = Weiss;
    u.Line0(0, 0, 0, 1.05 * m.Hmax);

    const QString titel = QCoreApplication::translate("Strahlungsdiagramm", "Strahlungsleistung");
    schrift(12, FarbeGemessen);
    canvas.textOut(m.X0 - 40, obenImBild(m.Y0 - Runde(1.05 * m.Hmax) - canvas.textHeight(titel) - 3), titel);
    const int titelRechts = m.X0 - 40 + canvas.textWidth(titel);

    canvas.pen = Stift{FarbeRefLinie, 1, PenStil::Dash, PenModus::Copy};
    u.Line0(0, m.Hmax, m.L, m.Hmax);
    const QString text =
        QCoreApplication::translate("Strahlungsdiagramm", "maximale Strahlungsleistung bei %1 K").arg(Tref);
    schrift(10, FarbeRefLinie);
    const int tw = canvas.textWidth(text), th = canvas.textHeight(text);
    const int rechtsVomBand = band.second + 8, linksVomBand = band.first - 8 - tw;
    if (zweimalUnterDerLinie) {
        const int oben = obenImBild(m.Y0 - Runde(m.Hmax - 3.0));
        int links = m.X0 + 13, rechts = m.X0 + m.L - tw;
        bool linkerDa = true, rechterDa = true;
        if (AufDemBand(rechts, tw, band)) {
            if (rechtsVomBand + tw <= m.X0 + m.L)
                rechts = rechtsVomBand;
            else if (linksVomBand >= links + tw + 8)
                rechts = linksVomBand;
            else
                rechterDa = false;
        }
        if (AufDemBand(links, tw, band)) {
            auto frei = [&](int x) { return !rechterDa || x + tw + 8 <= rechts || x >= rechts + tw + 8; };
            if (linksVomBand >= m.X0 + 4 && frei(linksVomBand))
                links = linksVomBand;
            else if (rechtsVomBand + tw <= m.X0 + m.L && frei(rechtsVomBand))
                links = rechtsVomBand;
            else
                linkerDa = false;
        }
        if (!linkerDa && !rechterDa) {  // no room beside the band: both where they were
            links = m.X0 + 13;
            rechts = m.X0 + m.L - tw;
            linkerDa = rechterDa = true;
        }
        if (linkerDa)
            canvas.textOut(links, oben, text);
        if (rechterDa)
            canvas.textOut(rechts, oben, text);
    } else {
        int links = m.X0 + m.L - tw - 13;
        if (AufDemBand(links, tw, band)) {
            if (rechtsVomBand + tw <= m.X0 + m.L)
                links = rechtsVomBand;
            else if (linksVomBand >= titelRechts + 8)
                links = linksVomBand;
        }
        canvas.textOut(links, obenImBild(m.Y0 - th - m.Hmax - 3), text);
    }
    canvas.pen = Stift{canvas.pen.color, 3, PenStil::Solid, PenModus::Copy};
}

void Strahlungsdiagramm::HauptAchse(bool ueberFrequenz)
{
    const TColor farbe = ueberFrequenz ? FarbeFrequenzSkala : FarbeWellenSkala;
    canvas.pen = Stift{farbe, 2, PenStil::Solid, PenModus::Copy};
    u.Line0(0, 0, m.L, 0);
    schrift(10, farbe);
    for (const Tick &t : HauptTicks(ueberFrequenz, skala(ueberFrequenz), m.L)) {
        u.Line0(t.x, 5, t.x, -5);
        const QString zahl = QString::number(t.wert);
        canvas.textOut(Zentriert(m.X0 + t.x, m.X0 + t.x, canvas.textWidth(zahl)), m.Y0 + 8, zahl);
    }
    schrift(12, farbe);
    const QString titel = ueberFrequenz ? QCoreApplication::translate("Strahlungsdiagramm", "Frequenz / THz")
                                        : QCoreApplication::translate("Strahlungsdiagramm", "Wellenlänge / nm");
    canvas.textOut(m.X0 + m.L - canvas.textWidth(titel), m.Y0 + 30, titel);
}

void Strahlungsdiagramm::Nebenskala(bool ueberFrequenz)
{
    const TColor farbe = ueberFrequenz ? FarbeWellenSkala : FarbeFrequenzSkala;
    canvas.pen = Stift{farbe, 2, PenStil::Solid, PenModus::Copy};
    u.Line0(0, -80, m.L, -80);
    schrift(10, farbe);
    for (const Tick &t : NebenTicks(ueberFrequenz, skala(ueberFrequenz), m.L)) {
        u.Line0(t.x, -85, t.x, -75);
        if (t.beschriftet) {
            const QString zahl = QString::number(t.wert);
            canvas.textOut(Zentriert(m.X0 + t.x, m.X0 + t.x, canvas.textWidth(zahl)), m.Y0 + 88, zahl);
        }
    }
    schrift(12, farbe);
    if (ueberFrequenz) {
        const QString titel = QCoreApplication::translate("Strahlungsdiagramm", "Wellenlänge / nm");
        canvas.textOut(m.X0 + m.L - canvas.textWidth(titel), m.Y0 + 108, titel);
    } else {
        const QString titel = QCoreApplication::translate("Strahlungsdiagramm", "Frequenz / THz");
        canvas.textOut(m.X0 + 600 - canvas.textWidth(titel), m.Y0 + 108, titel);
    }
}

void Strahlungsdiagramm::Linienzug(int von, int bis, const std::function<double(int)> &hoehe,
                                   const std::function<bool(double)> &weiter)
{
    Zug zug(u, m);
    const int schritt = bis >= von ? 1 : -1;
    int x = von;
    double y = hoehe(x);
    zug.punkt(x, y);
    while (x != bis && (!weiter || weiter(y))) {
        x += schritt;
        y = hoehe(x);
        zug.punkt(x, y);
    }
}

void Strahlungsdiagramm::Farbstreifen(const QVector<double> &frequenzen, const QVector<TColor> &farben,
                                      bool ueberFrequenz)
{
    const int n = int(std::min(frequenzen.size(), farben.size()));
    QVector<int> spalte(n);
    QVector<bool> gueltig(n);
    for (int i = 0; i < n; ++i) {
        const double f = frequenzen[i];
        const double x = ueberFrequenz ? f * skalaNu : Lichtgeschwindigkeit / f * skalaLambda;
        gueltig[i] = std::isfinite(x) && std::abs(x) < 1e6;
        spalte[i] = gueltig[i] ? Runde(m.X0 + x) : 0;
    }
    const int unten = m.Y0 - 1;  // rows 0 … Y0 − 2, i.e. from y = 2 up to the top
    for (int i = 0; i < n; ++i) {
        if (!gueltig[i])
            continue;
        int links = spalte[i] - 1, rechts = spalte[i] + 1;  // a stroke 2 px wide
        if (i + 1 < n && gueltig[i + 1]) {
            // reach to the next strip, whichever side it lies on
            links = std::min(links, spalte[i + 1]);
            rechts = std::max(rechts, spalte[i + 1]);
        }
        canvas.brush = Pinsel{farben[i], PinselStil::Solid};
        canvas.fillRect(links, 0, rechts, unten);
    }
    canvas.brush.style = PinselStil::Clear;
}

// ---- black-body picture ------------------------------------------------------------------------

void SchwarzkoerperBild::ZeichneKurven(const SchwarzkoerperZustand &z)
{
    if (z.variabel)
        ZeichneEinzelneStrahlungskurve(z);
    else
        ZeichneStrahlungskurven(z);
}

void SchwarzkoerperBild::Koordinatensystem(const SchwarzkoerperZustand &z)
{
    setzeSkalen(z.positionFrequenz, z.positionWLaenge);
    ref_ = StrahlungsReferenz(z.refTemperatur, z.h);
    Intensitaetsachse(z.refTemperatur, false,
                      z.mitSpektrum ? Bandspalten(Lichtgeschwindigkeit / 800e-9, Lichtgeschwindigkeit / 390e-9,
                                                  z.ueberFrequenz)
                                    : std::pair{0, -1});
    HauptAchse(z.ueberFrequenz);
    Nebenskala(z.ueberFrequenz);
    if (z.mitSpektrum)
        Spektrum(z.ueberFrequenz);
}

void SchwarzkoerperBild::Spektrum(bool ueberFrequenz)
{
    QVector<double> frequenzen;
    QVector<TColor> farben;
    for (int nm = 390; nm <= 800; ++nm) {
        frequenzen.append(Lichtgeschwindigkeit / (nm * 1e-9));
        farben.append(FarbeAusFrequenz(Runde(300000.0 / nm)));
    }
    Farbstreifen(frequenzen, farben, ueberFrequenz);

    // The label, centred over the band between 390 nm and 800 nm as drawn.
    const double xa = ueberFrequenz ? Lichtgeschwindigkeit / 800e-9 * skalaNu : 390e-9 * skalaLambda;
    const double xb = ueberFrequenz ? Lichtgeschwindigkeit / 390e-9 * skalaNu : 800e-9 * skalaLambda;
    schrift(12, Weiss);
    auto zentriert = [&](const QString &text, int zeile) {
        canvas.textOut(Zentriert(m.X0 + xa, m.X0 + xb, canvas.textWidth(text)), zeile, text);
    };
    if (ueberFrequenz) {
        zentriert(QCoreApplication::translate("Strahlungsdiagramm", "sichtbarer Bereich"), 10);
    } else {
        //: the two lines of "sichtbarer Bereich" where the band is narrow
        zentriert(QCoreApplication::translate("Strahlungsdiagramm", "sichtbarer"), 3);
        zentriert(QCoreApplication::translate("Strahlungsdiagramm", "Bereich"), 22);
    }
}

void SchwarzkoerperBild::ZeichneEinheit(const SchwarzkoerperZustand &z)
{
    if (!z.wienRelativ && !z.rayleighJeansRelativ)
        return;
    const TColor farbe = z.rayleighJeansRelativ ? FarbeRJRel : FarbeWienRel;
    canvas.pen = Stift{farbe, 1, PenStil::Dash, PenModus::Copy};
    if (z.rayleighJeansRelativ && z.wienRelativ)
        canvas.brush = Pinsel{FarbeWienRel, PinselStil::Solid};  // fills the gaps between the dashes
    else
        canvas.brush.style = PinselStil::Clear;
    u.Line0(0, EinheitsHoehe, m.L, EinheitsHoehe);
    schrift(12, farbe);
    const QString eins = QStringLiteral("1");
    canvas.textOut(m.X0 - canvas.textWidth(eins) - 3,
                   obenImBild(m.Y0 - Runde(EinheitsHoehe) - canvas.textHeight(eins) / 2), eins);
    canvas.pen.style = PenStil::Solid;
}

void SchwarzkoerperBild::ZeichneKurve(Kurvenart art, double T, const SchwarzkoerperZustand &z)
{
    const bool uF = z.ueberFrequenz;
    const double s = skala(uF);
    const double Hmax = m.Hmax;
    const Referenz ref = ref_;
    const double h = z.h;
    canvas.pen.color = KurvenFarbe(art);
    canvas.pen.style = PenStil::Solid;
    canvas.pen.mode = PenModus::Copy;
    auto hoehe = [=](int x) { return KurvenHoehe(art, uF, x, T, s, ref, Hmax, h); };
    const double grenze = m.Y0 - 10;
    auto imBild = [grenze](double y) { return y <= grenze; };
    switch (art) {
    case Kurvenart::Gemessen:
    case Kurvenart::Wien:
    case Kurvenart::WienRelativ:
        Linienzug(1, m.L, hoehe);
        break;
    case Kurvenart::RayleighJeans:
        // rises steeply toward short wavelengths / high frequencies: stop above the picture
        if (uF)
            Linienzug(1, m.L, hoehe, imBild);
        else
            Linienzug(m.L, 1, hoehe, imBild);
        break;
    case Kurvenart::RayleighJeansRelativ:
        if (uF) {
            // from the ratio's limit 1 at ν = 0
            auto mitNull = [=](int x) { return x == 0 ? (std::isnan(hoehe(1)) ? NaN : EinheitsHoehe) : hoehe(x); };
            Linienzug(0, m.L, mitNull, [grenze](double y) { return !(y > grenze); });
        } else {
            Linienzug(m.L, 1, hoehe, [grenze](double y) { return !(y > grenze); });
        }
        break;
    }
}

void SchwarzkoerperBild::ZeichneVerschiebung(const SchwarzkoerperZustand &z)
{
    canvas.pen.color = FarbeVerschiebung;
    canvas.pen.style = PenStil::Solid;
    Zug zug(u, m);
    auto punkt = [&](int T) {
        if (z.ueberFrequenz) {
            const double nu = MaximumNu(T, z.h);
            zug.punkt(nu * skalaNu, Hoehe(PlanckNu(nu, T, z.h), ref_.nu, m.Hmax));
        } else {
            const double lambda = MaximumLambda(T, z.h);
            zug.punkt(lambda * skalaLambda, Hoehe(PlanckLambda(lambda, T, z.h), ref_.lambda, m.Hmax));
        }
    };
    punkt(6000);
    for (int T = 6000; T >= 500; T -= 10)
        punkt(T);
}

void SchwarzkoerperBild::ZeichneStrahlungskurven(const SchwarzkoerperZustand &z)
{
    Koordinatensystem(z);
    ZeichneEinheit(z);
    canvas.pen.width = z.strichbreite;
    auto familie = [&](bool an, Kurvenart art) {
        if (!an)
            return;
        for (std::size_t i = 0; i < FesteTemperaturen.size(); ++i)
            if (z.temperatur[i])
                ZeichneKurve(art, FesteTemperaturen[i], z);
    };
    familie(z.wienRelativ, Kurvenart::WienRelativ);
    familie(z.rayleighJeansRelativ, Kurvenart::RayleighJeansRelativ);
    if (z.verschiebung)
        ZeichneVerschiebung(z);
    familie(z.gemessen, Kurvenart::Gemessen);
    familie(z.wien, Kurvenart::Wien);
    familie(z.rayleighJeans, Kurvenart::RayleighJeans);
}

void SchwarzkoerperBild::ZeichneEinzelneStrahlungskurve(const SchwarzkoerperZustand &z)
{
    Koordinatensystem(z);
    ZeichneEinheit(z);
    canvas.pen.width = 2;  // the width the axes use; the width track bar is for the fixed curves
    const double T = z.varTemperatur;
    if (z.wienRelativ)
        ZeichneKurve(Kurvenart::WienRelativ, T, z);
    if (z.rayleighJeansRelativ)
        ZeichneKurve(Kurvenart::RayleighJeansRelativ, T, z);
    if (z.gemessen)
        ZeichneKurve(Kurvenart::Gemessen, T, z);
    if (z.wien)
        ZeichneKurve(Kurvenart::Wien, T, z);
    if (z.rayleighJeans)
        ZeichneKurve(Kurvenart::RayleighJeans, T, z);
    if (z.verschiebung)
        ZeichneVerschiebung(z);
}

// ---- Planck picture --------------------------------------------------------------------------

void PlanckBild::Vorbereiten(const PlanckZustand &z)
{
    setzeSkalen(z.positionFrequenz, z.positionWLaenge);
    Intensitaetsachse(z.refTemperatur, true,
                      z.mitSpektrum ? Bandspalten(380e12, 770e12, z.ueberFrequenz) : std::pair{0, -1});
    HauptAchse(z.ueberFrequenz);
    Nebenskala(z.ueberFrequenz);
    SichtbarerBereich(z.ueberFrequenz, z.verdeckt);
    if (z.mitSpektrum)
        Spektrum(z.ueberFrequenz, z.verdeckt);
}

void PlanckBild::ZeichneStrahlungskurven(const PlanckZustand &z)
{
    Vorbereiten(z);
    if (z.variabel) {
        ZeichneKurve(z.varTemperatur, true, z);
        return;
    }
    for (std::size_t i = 0; i < FesteTemperaturen.size(); ++i)
        if (z.temperatur[i])
            ZeichneKurve(FesteTemperaturen[i], true, z);
}

void PlanckBild::ZeichneKurve(double T, bool zeichnen, const PlanckZustand &z)
{
    setzeSkalen(z.positionFrequenz, z.positionWLaenge);
    const Referenz ref = FormReferenz(z.refTemperatur, z.h);
    const double h = z.h;
    const bool uF = z.ueberFrequenz;
    const double s = skala(uF);
    const double Hmax = m.Hmax;
    canvas.pen = Stift{zeichnen ? FarbeGemessen : Schwarz, std::max(1, z.strichbreite), PenStil::Solid,
                       PenModus::Copy};
    Linienzug(1, m.L, [=](int x) {
        const double q = x / s;
        return uF ? Hoehe(PlanckFormNu(q, T, h), ref.nu, Hmax) : Hoehe(PlanckFormLambda(q, T, h), ref.lambda, Hmax);
    });
}

void PlanckBild::SichtbarerBereich(bool ueberFrequenz, const QRect &verdeckt)
{
    const double xa = ueberFrequenz ? 3.8e14 * skalaNu : Lichtgeschwindigkeit / 3.8e14 * skalaLambda;
    const double xb = ueberFrequenz ? 7.7e14 * skalaNu : Lichtgeschwindigkeit / 7.7e14 * skalaLambda;
    if (!std::isfinite(xa) || !std::isfinite(xb) || std::abs(xa) > 1e6 || std::abs(xb) > 1e6)
        return;
    canvas.pen = Stift{Weiss, 2, PenStil::Solid, PenModus::Copy};
    schrift(12, Weiss, false);
    int a = Runde((m.Y0 + m.Hmax) / 2.0);

    const QString text = QCoreApplication::translate("Strahlungsdiagramm", "sichtbarer Bereich");
    const int th = canvas.textHeight(text);
    int tw = canvas.textWidth(text);
    const bool zweiZeilen = tw >= std::abs(xa - xb) - 18;
    const QString oben = QCoreApplication::translate("Strahlungsdiagramm", "sichtbarer"),
                  unten = QCoreApplication::translate("Strahlungsdiagramm", "Bereich");
    if (zweiZeilen)
        tw = std::max(canvas.textWidth(oben), canvas.textWidth(unten));
    const double bandLinks = m.X0 + std::min(xa, xb), bandRechts = m.X0 + std::max(xa, xb);
    int links = Zentriert(bandLinks, bandRechts, tw);
    // Under a picture shown over this one, the label moves along the bracket to the part of
    // the band beside it, or, where neither side has room, the bracket moves below it.
    const int ueber = zweiZeilen ? std::max(9, th) : std::max(9, th / 2);
    const QRect label(links - 4, m.Y0 - a - ueber - 4, tw + 8, 2 * ueber + 8);
    if (verdeckt.isValid() && verdeckt.intersects(label)) {
        const double rechtsDavon = std::max(bandLinks, double(verdeckt.right() + 9));
        const double linksDavon = std::min(bandRechts, double(verdeckt.left() - 9));
        if (!zweiZeilen && bandRechts - rechtsDavon >= tw + 8)
            links = Zentriert(rechtsDavon, bandRechts, tw);
        else if (!zweiZeilen && linksDavon - bandLinks >= tw + 8)
            links = Zentriert(bandLinks, linksDavon, tw);
        else if (m.Y0 - (verdeckt.bottom() + 9 + ueber) > 2 * ueber)
            a = m.Y0 - (verdeckt.bottom() + 9 + ueber);
    }
    u.Line0(xa, a - 9, xa, a + 9);
    u.Line0(xb, a - 9, xb, a + 9);
    if (zweiZeilen) {
        canvas.textOut(Zentriert(bandLinks, bandRechts, canvas.textWidth(unten)), obenImBild(m.Y0 - a), unten);
        canvas.textOut(Zentriert(bandLinks, bandRechts, canvas.textWidth(oben)), obenImBild(m.Y0 - a - th), oben);
    } else {
        canvas.textOut(links, obenImBild(m.Y0 - a - th / 2), text);
    }
    // the bracket: from each end to 4 px before / after the label
    canvas.pen.width = 1;
    const double linkesEnde = std::min(xa, xb), rechtesEnde = std::max(xa, xb);
    const double labelLinks = links - m.X0 - 4.0, labelRechts = links + tw - m.X0 + 4.0;
    if (labelLinks > linkesEnde)
        u.Line0(linkesEnde, a - 2, labelLinks, a - 2);
    if (labelRechts < rechtesEnde)
        u.Line0(labelRechts, a - 2, rechtesEnde, a - 2);
}

void PlanckBild::Spektrum(bool ueberFrequenz, const QRect &verdeckt)
{
    QVector<double> frequenzen;
    QVector<TColor> farben;
    for (int f = 380; f <= 770; ++f) {
        frequenzen.append(f * 1e12);
        farben.append(FarbeAusFrequenz(f));
    }
    Farbstreifen(frequenzen, farben, ueberFrequenz);
    SichtbarerBereich(ueberFrequenz, verdeckt);
}

}  // namespace Waermestrahlung
