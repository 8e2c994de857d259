#include "strahlungsformel.h"

#include "global.h"
#include "strahlung.h"
#include "zahltext.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace Waermestrahlung {

namespace {

constexpr TColor Weiss = 0xFFFFFF;

// Lays out a formula from left to right on one baseline, in white.
class Formelsatz {
public:
    explicit Formelsatz(Canvas &c) : c_(c) {}

    static Schrift schrift(const QString &name, int groesse)
    {
        Schrift s;
        s.name = name;
        s.size = groesse;
        s.bold = true;
        s.color = Weiss;
        return s;
    }
    int breite(const QString &text, const Schrift &s) const
    {
        c_.font = s;
        return c_.textWidth(text);
    }
    int oberlaenge(const Schrift &s) const { return QFontMetrics(QSchrift(s)).ascent(); }
    // Writes text with its baseline at grundlinie; returns the new x.
    int schreibe(int x, int grundlinie, const QString &text, const Schrift &s)
    {
        c_.font = s;
        c_.brush.style = PinselStil::Clear;
        c_.textOut(x, grundlinie - oberlaenge(s), text);
        return x + c_.textWidth(text);
    }

private:
    Canvas &c_;
};

struct Teil {
    QString text;
    Schrift schrift;
    bool hoch = false;  // superscript
};

int TeileBreite(Formelsatz &f, const QVector<Teil> &teile)
{
    int w = 0;
    for (const Teil &t : teile)
        w += f.breite(t.text, t.schrift);
    return w;
}

int SchreibeTeile(Formelsatz &f, int x, int grundlinie, const QVector<Teil> &teile, int hochVersatz)
{
    for (const Teil &t : teile)
        x = f.schreibe(x, t.hoch ? grundlinie - hochVersatz : grundlinie, t.text, t.schrift);
    return x;
}

// Writes lines of text left-aligned at x, shrinking the font until the widest fits.
void SchreibeZeilen(Canvas &c, int x, int y, int maxBreite, const QStringList &zeilen, Schrift s)
{
    c.brush.style = PinselStil::Clear;
    for (;; --s.size) {
        c.font = s;
        int w = 0;
        for (const QString &z : zeilen)
            w = std::max(w, c.textWidth(z));
        if (w <= maxBreite || s.size <= 7)
            break;
    }
    c.font = s;
    const int zeilenHoehe = c.textHeight(QStringLiteral("Äg"));
    for (const QString &z : zeilen) {
        c.textOut(x, y, z);
        y += zeilenHoehe;
    }
}

}  // namespace

QString Mantisse(double wert, int &exponent)
{
    exponent = 0;
    if (std::isnan(wert))
        return QCoreApplication::translate("Strahlungsformel", "keine Zahl");
    if (std::isinf(wert))
        return wert < 0 ? QCoreApplication::translate("Strahlungsformel", "−unendlich")
                        : QCoreApplication::translate("Strahlungsformel", "unendlich");
    if (wert == 0)
        return MitKomma(QStringLiteral("0.00"));
    // The decimal form of the value itself (also of a subnormal one), rounded to two decimals.
    const QString e = QString::number(std::abs(wert), 'e', 2);  // "6.63e-34"
    const qsizetype stelle = e.indexOf(QLatin1Char('e'));
    exponent = e.mid(stelle + 1).toInt();
    const QString text = MitKomma(e.left(stelle));
    return wert < 0 ? QStringLiteral("−") + text : text;
}

void SchreibeGesetz(Canvas &c, bool ueberFrequenz)
{
    const int w = c.width(), h = c.height();
    c.brush = Pinsel{FarbeGesetzGrund, PinselStil::Solid};
    c.fillRect(0, 0, w, h);
    c.pen = Stift{Weiss, 4, PenStil::Solid, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    c.rectangle(2, 2, w - 1, h - 1);

    Formelsatz f(c);
    const QString arial = QStringLiteral("Arial"), symbol = QStringLiteral("Symbol");
    const Schrift gross = Formelsatz::schrift(arial, 32), zahl = Formelsatz::schrift(arial, 24),
                  hoch = Formelsatz::schrift(arial, 14), sym = Formelsatz::schrift(symbol, 24),
                  symKlein = Formelsatz::schrift(symbol, 14), e = Formelsatz::schrift(arial, 20);
    const QString punkt = QStringLiteral("·"), lambda = QStringLiteral("λ");

    // numerator and denominator of the first fraction, the exponent's fraction
    QVector<Teil> zaehler{{QStringLiteral("2"), zahl}, {punkt, sym},
                          {QStringLiteral("h"), zahl}, {punkt, sym}};
    QVector<Teil> nenner;
    QVector<Teil> expOben{{QStringLiteral("h"), hoch}, {punkt, symKlein}};
    QVector<Teil> expUnten;
    if (ueberFrequenz) {
        zaehler += {{QStringLiteral("f"), zahl}, {QStringLiteral("3"), hoch, true}};
        nenner = {{QStringLiteral("c"), zahl}, {QStringLiteral("2"), hoch, true}};
        expOben += {QStringLiteral("f"), hoch};
        expUnten = {{QStringLiteral("k"), hoch}, {punkt, symKlein}, {QStringLiteral("T"), hoch}};
    } else {
        zaehler += {{QStringLiteral("c"), zahl}, {QStringLiteral("2"), hoch, true}};
        nenner = {{lambda, sym}, {QStringLiteral("5"), hoch, true}};
        expOben += {QStringLiteral("c"), hoch};
        expUnten = {{lambda, symKlein}, {punkt, symKlein}, {QStringLiteral("k"), hoch}, {punkt, symKlein},
                    {QStringLiteral("T"), hoch}};
    }

    const int bruch = 52;  // row of the fraction bars
    const int hochVersatz = 12;
    // "S =", centred on the bars
    int x = 14;
    x = f.schreibe(x, bruch + f.oberlaenge(gross) / 2 - 4, QStringLiteral("S ="), gross) + 10;

    // first fraction
    const int wz = TeileBreite(f, zaehler), wn = TeileBreite(f, nenner);
    const int wb = std::max(wz, wn) + 8;
    SchreibeTeile(f, x + (wb - wz) / 2, bruch - 6, zaehler, hochVersatz);
    SchreibeTeile(f, x + (wb - wn) / 2, bruch + 4 + f.oberlaenge(zahl), nenner, hochVersatz);
    c.pen = Stift{Weiss, 3, PenStil::Solid, PenModus::Copy};
    c.moveTo(x, bruch);
    c.lineTo(x + wb, bruch);
    x += wb + 4;
    x = f.schreibe(x, bruch + f.oberlaenge(sym) / 2 - 4, punkt, sym) + 4;

    // second fraction: 1 over (e^(…) − 1), the exponent a small fraction up right of the e
    const int wOben = TeileBreite(f, expOben), wUnten = TeileBreite(f, expUnten);
    const int wExp = std::max(wOben, wUnten) + 4;
    const QString minusEins = QStringLiteral(" − 1");
    const int wNenner2 = f.breite(QStringLiteral("e"), e) + 2 + wExp + f.breite(minusEins, zahl);
    const int wb2 = wNenner2 + 8;
    const QString eins = QStringLiteral("1");
    f.schreibe(x + (wb2 - f.breite(eins, zahl)) / 2, bruch - 6, eins, zahl);
    const int expUntenGrund = bruch + 8 + 2 * f.oberlaenge(hoch) + 4;
    const int expBruch = expUntenGrund - f.oberlaenge(hoch) - 2;
    const int grund2 = expUntenGrund + 12;  // baseline of e and "- 1"
    int xn = x + 4;
    xn = f.schreibe(xn, grund2, QStringLiteral("e"), e) + 1;
    SchreibeTeile(f, xn + (wExp - wOben) / 2, expBruch - 3, expOben, 0);
    SchreibeTeile(f, xn + (wExp - wUnten) / 2, expUntenGrund, expUnten, 0);
    c.pen = Stift{Weiss, 2, PenStil::Solid, PenModus::Copy};
    c.moveTo(xn, expBruch);
    c.lineTo(xn + wExp, expBruch);
    xn += wExp;
    f.schreibe(xn, grund2, minusEins, zahl);
    c.pen = Stift{Weiss, 3, PenStil::Solid, PenModus::Copy};
    c.moveTo(x, bruch);
    c.lineTo(x + wb2, bruch);

    // explanation
    // Over frequency the curve shows the power per wavelength interval at f = c/λ, which
    // peaks elsewhere than S; the explanation says so.
    QStringList zeilen;
    if (ueberFrequenz)
        zeilen << QCoreApplication::translate("Strahlungsformel",
                                              "Ein Körper der Temperatur T strahlt pro m² und sr zwischen")
               << QCoreApplication::translate("Strahlungsformel",
                                              "f und f + df die Leistung S · df ab; S ist bei f ≈ 2,82·k·T/h")
               << QCoreApplication::translate("Strahlungsformel",
                                              "am größten. Die Kurve zeigt dagegen die Leistung pro")
               << QCoreApplication::translate("Strahlungsformel",
                                              "Wellenlängenintervall, eingetragen bei f = c/λ.");
    else
        zeilen << QCoreApplication::translate("Strahlungsformel",
                                              "Ein Körper mit der absoluten Temperatur T strahlt")
               << QCoreApplication::translate("Strahlungsformel",
                                              "in einem engen Wellenlängenbereich von λ bis λ + dλ")
               << QCoreApplication::translate("Strahlungsformel",
                                              "pro m² und sr die Leistung S · dλ ab (W·m⁻³·sr⁻¹).");
    SchreibeZeilen(c, 14, ueberFrequenz ? 122 : 126, w - 28, zeilen, Formelsatz::schrift(arial, ueberFrequenz ? 10 : 12));
}

void SchreibeKonstanten(Canvas &c, double planck)
{
    const int w = c.width(), h = c.height();
    c.brush = Pinsel{FarbeGesetzGrund, PinselStil::Solid};
    c.fillRect(0, 0, w, h);
    c.pen = Stift{Weiss, 3, PenStil::Solid, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    c.rectangle(1, 1, w, h);

    Formelsatz f(c);
    const QString name = QStringLiteral("MS Sans Serif");
    const Schrift text = Formelsatz::schrift(name, 12), klein = Formelsatz::schrift(name, 10),
                  sym = Formelsatz::schrift(QStringLiteral("Symbol"), 12);
    struct Zeile {
        QString name;
        double wert;
        QString einheit;
    };
    const Zeile zeilen[3] = {
        {QCoreApplication::translate("Strahlungsformel", "h = Planck’sche Konstante"), planck,
         QStringLiteral("  J·s")},
        {QCoreApplication::translate("Strahlungsformel", "c = Lichtgeschwindigkeit"), Lichtgeschwindigkeit,
         QStringLiteral("  m / s")},
        {QCoreApplication::translate("Strahlungsformel", "k = Boltzmann-Konstante"), Boltzmann,
         QStringLiteral("  J / K")},
    };
    const int reihen[3] = {9, 39, 69};
    for (int i = 0; i < 3; ++i) {
        int exponent = 0;
        const QString mantisse = Mantisse(zeilen[i].wert, exponent);
        const int grund = reihen[i] + f.oberlaenge(text);
        int x = f.schreibe(10, grund, zeilen[i].name, text);
        if (!std::isfinite(zeilen[i].wert)) {  // no power of ten to show
            x = f.schreibe(x, grund, QStringLiteral("  =  ") + mantisse, text);
            f.schreibe(x, grund, zeilen[i].einheit, text);
            continue;
        }
        x = f.schreibe(x, grund, QStringLiteral("  =  ") + mantisse + QStringLiteral(" "), text);
        x = f.schreibe(x, grund, QStringLiteral("·"), sym);
        x = f.schreibe(x, grund, QStringLiteral(" 10"), text);
        x = f.schreibe(x, grund - 7, QString::number(exponent).replace(QLatin1Char('-'), QChar(0x2212)), klein);
        f.schreibe(x, grund, zeilen[i].einheit, text);
    }
}

}  // namespace Waermestrahlung
