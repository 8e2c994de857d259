#include "gegenfeld.h"

#include "zahltext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Photoeffekt {

const Metall Metalle[MetallAnzahl] = {
    {QT_TRANSLATE_NOOP("Gegenfeld", "Natrium "), 2.28},
    {QT_TRANSLATE_NOOP("Gegenfeld", "Kalium"), 2.25},
    {QT_TRANSLATE_NOOP("Gegenfeld", "Rubidium "), 2.13},
    {QT_TRANSLATE_NOOP("Gegenfeld", "Cäsium  "), 1.94},
};

QString MetallName(const Metall &m) { return QCoreApplication::translate("Gegenfeld", m.name); }

int GrenzwellenlaengeNm(double abloeseEV, double h, double e, double c)
{
    if (!(abloeseEV > 0))
        return 0;
    return Runde(h * c / (abloeseEV * e) * 1e9);
}

double Grenzspannung(double h, double frequenzHz, double abloeseEV, double e)
{
    return (h * frequenzHz - abloeseEV * e) / e;
}

// ---- sketches ----------------------------------------------------------------------------------

namespace {
void Gemeinsam(GegenfeldSkizze &k)
{
    k.y0 = k.mitte - 21 * k.D / 2;
    k.kathodeX = k.zelleRechts - 2 * k.t;
    k.startX = k.kathodeX - 2 * k.r;
    k.anodeX = k.zelleLinks + k.t + 4 * k.r;
    k.ankunftX = k.anodeX + 2 * k.r;
    k.leitungY = k.zelleUnten + 56;
    k.quelleX = (k.zelleMitteX + k.zelleRechts) / 2;
    k.quelleHalb = 24;
    k.schichtRechts = k.kathodeX + k.t + k.t / 2;
}
}  // namespace

GegenfeldSkizze GegenfeldDaten(int breite, int hoehe, int schriftMittel)
{
    GegenfeldSkizze k;
    k.breite = breite;
    k.hoehe = hoehe;
    k.r = ElektronenRadius(hoehe);
    k.D = Durchmesser(k.r);
    k.t = k.r + 2;
    k.cw = Runde(k.D * 29 * 0.7);
    k.zelleLinks = std::min(Runde(0.5 * breite), breite - k.cw - 40);
    k.zelleRechts = k.zelleLinks + k.cw;
    k.zelleMitteX = k.zelleLinks + k.cw / 2;
    k.zelleOben = std::max(schriftMittel + 16, k.zelleLinks / 6);
    // On a low picture the cell moves up, and where that is not enough it grows lower (down
    // to 24 D, room for the electron column), so that the galvanometer and the voltage label
    // under it stay inside the picture (the lamp then moves closer, see GegenfeldLampeX).
    int zellHoehe = 29 * k.D;
    const int unten = 72 + 2 * schriftMittel;
    // the lamp's top above electron 0 when its lens stands just left of the glass
    const int lampe = (k.zelleRechts - 2 * k.t - (k.zelleLinks - 3 * k.r)) / 6 + k.r + k.r / 6 + 2;
    const auto obenMin = [&](int h) { return std::max(2, lampe - (h - 21 * k.D) / 2); };
    while (zellHoehe > 24 * k.D && obenMin(zellHoehe) + zellHoehe + unten >= hoehe)
        --zellHoehe;
    k.zelleOben = std::max(obenMin(zellHoehe), std::min(k.zelleOben, hoehe - unten - zellHoehe - 1));
    k.zelleUnten = k.zelleOben + zellHoehe;
    k.mitte = (k.zelleOben + k.zelleUnten) / 2;
    k.ecke = k.t + 60;
    Gemeinsam(k);
    k.saeuleUnten = k.y0 + 21 * k.D + k.r;
    k.drehpunkt = QPoint(k.zelleLinks + k.cw / 3, k.zelleUnten + 71);
    return k;
}

GegenfeldSkizze PlanckZellenDaten(int breite, int hoehe, int schriftMittel)
{
    GegenfeldSkizze k;
    k.breite = breite;
    k.hoehe = hoehe;
    k.r = ElektronenRadius(hoehe);
    k.D = Durchmesser(k.r);
    k.t = k.r + 2;
    k.cw = 22 * k.D;
    k.zelleMitteX = (breite - k.cw) / 3 + breite / 2;
    int mitteY = hoehe / 2 - 3 * k.D;
    // The cell with its circuit and voltage label must stay inside the picture; on a low
    // picture it grows lower, down to what the electron column needs.
    int halb = 13 * k.D;
    const int halbMin = 21 * k.D / 2 + k.r + 2 + k.t + 2, unter = 56 + 16 + 2 * schriftMittel + 1;
    while (halb > halbMin && 2 * halb + k.cw / 6 + 2 + unter > hoehe)
        --halb;
    const int obenNoetig = halb + k.cw / 6 + 2, untenNoetig = halb + unter;
    if (mitteY + untenNoetig > hoehe)
        mitteY = hoehe - untenNoetig;
    if (mitteY - obenNoetig < 0)
        mitteY = obenNoetig;
    k.zelleLinks = k.zelleMitteX - k.cw / 2;
    k.zelleRechts = k.zelleMitteX + k.cw / 2;
    k.zelleOben = mitteY - halb - k.cw / 6;
    k.zelleUnten = mitteY + halb;
    k.mitte = mitteY;
    k.ecke = k.t + 60;
    Gemeinsam(k);
    k.saeuleUnten = k.y0 + 21 * k.D + k.r + 2;
    k.drehpunkt = QPoint(k.zelleLinks + k.cw / 3, k.leitungY + 15);
    return k;
}

int LampeX(const GegenfeldSkizze &k, int x0)
{
    // ray 0 climbs (kathodeX − x0) / 6 from electron 0; the lens reaches r + r/6 above it;
    // the lens stays left of the glass
    const int hoechstens = 6 * (k.y0 - k.r - k.r / 6 - 2);
    return std::max(x0, std::min(k.kathodeX - std::max(hoechstens, 0), k.zelleLinks - 3 * k.r));
}

Lampe PlanckLampe(int x0, int yOben, int kathodeX, int D)
{
    Lampe l;
    const int y0 = yOben - (kathodeX - x0) / 6;
    const int L = 20 * D;
    for (int i = 0; i < ElektronenAnzahl; ++i)
        l.strahlen.append(QPoint(x0 - Runde(L / 6.0 * i / 21.0), y0 + Runde(i * (L + L / 36.0) / 21.0)));
    const int r = (D - 1) / 2, r6 = r / 6;
    const QPoint letzter = l.strahlen.last();
    l.linse1 = QPoint(x0 + r6 - r, y0 - r - r6);
    l.linse2 = QPoint(letzter.x() - r - r6, letzter.y() + r - r6);
    return l;
}

// ---- tempo -------------------------------------------------------------------------------------

double GegenfeldDt(int p) { return 5e-6 * std::pow(1.5, p); }

int GegenfeldVerzoegerungAnfang(int p) { return 20 * ZweiHoch(GegenfeldTempoMax - p) - 1; }

int GegenfeldVerzoegerung(int p)
{
    int v = 20;
    for (int i = 0; i < GegenfeldTempoMax - p; ++i)
        v = Runde(v * 1.5);
    return v - 1;
}

// ---- the run ------------------------------------------------------------------------------------

Laufart GegenfeldLaufart(bool wellenModell)
{
    Laufart a;
    a.quantenAmZellrand = wellenModell;
    return a;
}

Laufart PlanckLaufart()
{
    Laufart a;
    a.quantVx = 5.4e6;
    a.quantVy = 9e5;
    a.emissionProI = 0.02;
    a.neuWahlAb = 0.5;
    a.startVerteilt = true;
    a.trefferliste30 = false;
    return a;
}

void GegenfeldLauf::Aufstellen()
{
    for (int i = 0; i < ElektronenAnzahl; ++i) {
        el[i].index = i;
        el[i].y = yOben + i * D;
        el[i].x = kathodeX;
        el[i].v = 0;
        el[i].fliegt = false;
        q[i] = Quant{};
    }
    Anfangen();
}

void GegenfeldLauf::Anfangen()
{
    bild = 0;
    elektronenImFlug = 0;
    quantenImFlug = 0;
    treffer.clear();
    letzteAuswertung = 0;
    ausschlag = 0;
    trefferGesamt = 0;
    gestartet = 0;
    for (auto &k : q)
        k.aktiv = false;
    for (auto &e : el) {
        e.x = kathodeX;
        e.v = 0;
        e.fliegt = false;
    }
}

double GegenfeldLauf::Startgeschwindigkeit(double energie, double abloeseEV) const
{
    const double W = abloeseEV * e;
    if (!(energie > W))
        return 0;
    return -std::sqrt(2 * (energie - W) / m) * 1.4142;
}

double GegenfeldLauf::Beschleunigung(double U) const
{
    const double strecke = startX - ankunftX;
    if (!(strecke > 0))
        return 0;
    return 2 * U * e / (strecke * m);
}

bool GegenfeldLauf::QuantAussenden(int I, double energie, double dt)
{
    if (quantenImFlug >= std::min(2 * I, 21))
        return false;
    if (art.emissionProI > 0 && !(Zufall() < art.emissionProI * I))
        return false;
    int k = Zufall(ElektronenAnzahl);
    double u = Zufall();
    while (q[k].aktiv && u >= art.neuWahlAb) {
        k = Zufall(ElektronenAnzahl);
        u = Zufall();
    }
    if (q[k].aktiv)
        return false;
    Quant &qu = q[k];
    qu.energie = energie;
    if (art.quantenAmZellrand) {
        qu.x = zelleMitteX;
        qu.y = yOben + k * D - std::trunc((kathodeX - zelleMitteX) / 6);
    } else {
        const QPoint s = k < strahlen.size() ? strahlen[k] : QPoint(0, int(yOben + k * D));
        qu.x = s.x();
        qu.y = s.y();
        if (art.startVerteilt) {
            const double anteil = Zufall() * 0.5 * dt;
            qu.x += art.quantVx * anteil;
            qu.y += art.quantVy * anteil;
        }
    }
    qu.aktiv = true;
    ++quantenImFlug;
    if (quantZeigen)
        quantZeigen(k, true);
    return true;
}

void GegenfeldLauf::QuantenBewegen(double dt, int I, double abloeseEV)
{
    for (int k = 0; k < ElektronenAnzahl; ++k) {
        Quant &qu = q[k];
        if (!qu.aktiv)
            continue;
        if (quantZeigen)
            quantZeigen(k, false);
        qu.x += art.quantVx * dt;
        qu.y += art.quantVy * dt;
        if (qu.x < startX) {
            if (quantZeigen)
                quantZeigen(k, true);
            continue;
        }
        qu.x = startX;
        qu.aktiv = false;
        --quantenImFlug;
        if (!(qu.energie > abloeseEV * e) || !(Zufall() < 0.8) || elektronenImFlug >= I)
            continue;
        TElektron &ek = el[k];
        if (ek.fliegt)
            continue;
        if (zeichneElektron)
            zeichneElektron(ek, false);
        ek.x = startX;  // from the launch point itself, so that the field does its full work on it
        ek.v = Startgeschwindigkeit(qu.energie, abloeseEV) * (0.975 + 0.05 * Zufall());
        ek.fliegt = true;
        ++elektronenImFlug;
        ++gestartet;
        if (zeichneElektron)
            zeichneElektron(ek, true);
    }
}

void GegenfeldLauf::ElektronHeim(TElektron &ek)
{
    if (zeichneElektron)
        zeichneElektron(ek, ek.fliegt);
    if (ek.fliegt)
        --elektronenImFlug;
    ek.x = kathodeX;
    ek.v = 0;
    ek.fliegt = false;
    if (zeichneElektron)
        zeichneElektron(ek, false);
}

void GegenfeldLauf::TrefferMerken()
{
    ++trefferGesamt;
    if (art.trefferliste30) {
        if (treffer.size() >= 30)
            treffer.pop_front();
        treffer.push_back(bild + 30);
    } else {
        if (treffer.size() >= 22)
            treffer.pop_front();
        treffer.push_back(bild);
    }
}

void GegenfeldLauf::ElektronenBewegen(double U, double dt)
{
    const double a = Beschleunigung(U);
    for (TElektron &ek : el) {
        if (!ek.fliegt)
            continue;
        if (zeichneElektron)
            zeichneElektron(ek, true);
        const double x0 = ek.x, v0 = ek.v;
        // the exact step under constant acceleration
        ek.x = x0 + v0 * dt + 0.5 * a * dt * dt;
        ek.v = v0 + a * dt;
        // the leftmost point of the step: its turning point, if it turned within it
        double links = std::min(x0, ek.x);
        if (v0 < 0 && ek.v > 0 && a > 0)
            links = x0 - v0 * v0 / (2 * a);
        if (links < ankunftX) {
            ek.x = ankunftX;
            TrefferMerken();
            --elektronenImFlug;
            ek.x = kathodeX;
            ek.v = 0;
            ek.fliegt = false;
        } else if (ek.x > startX) {
            --elektronenImFlug;
            ek.x = kathodeX;
            ek.v = 0;
            ek.fliegt = false;
        }
        if (zeichneElektron)
            zeichneElektron(ek, ek.fliegt);
    }
}

void GegenfeldLauf::StromMessen()
{
    if (art.trefferliste30) {
        const int n = std::min(bild, 30);
        ausschlag = n > 0 ? std::min(1.0, 3.0 * double(treffer.size()) / n) : 0.0;
        return;
    }
    if (bild % 15 != 0)
        return;
    while (!treffer.empty() && treffer.front() < letzteAuswertung)
        treffer.pop_front();
    ausschlag = std::min(1.0, double(treffer.size()) / 21.0 * 4.0);
    letzteAuswertung = bild;
}

void GegenfeldLauf::Schritt(bool lichtAn, bool darfAussenden, int I, int fTHz, double abloeseEV, double U, double dt)
{
    ++bild;
    if (art.trefferliste30) {
        while (!treffer.empty() && treffer.front() < bild)
            treffer.pop_front();
        if (treffer.size() >= 30)
            treffer.pop_front();
    }
    const double energie = fTHz * 1e12 * h;
    if (lichtAn && darfAussenden)
        QuantAussenden(I, energie, dt);
    QuantenBewegen(dt, I, abloeseEV);
    ElektronenBewegen(U, dt);
    StromMessen();
}

void GegenfeldLauf::AllesHeim()
{
    for (int k = 0; k < ElektronenAnzahl; ++k)
        if (q[k].aktiv) {
            if (quantZeigen)
                quantZeigen(k, false);
            q[k].aktiv = false;
        }
    quantenImFlug = 0;
    for (TElektron &ek : el)
        if (ek.fliegt)
            ElektronHeim(ek);
    elektronenImFlug = 0;
}

// ---- the Planck-constant computation -------------------------------------------------------

QString NurZiffern(const QString &text)
{
    QString s;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            s += c;
    return s;
}

QString PlanckFormat(double h)
{
    if (!std::isfinite(h))
        return QStringLiteral("?");
    QString s = QString::asprintf("%.1E", std::fabs(h));  // "6.6E-34"
    const int pos = s.indexOf(QLatin1Char('E'));
    const QString mantisse = MitKomma(s.left(pos));
    const int exponent = s.mid(pos + 1).toInt();
    static const char16_t hoch[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString potenz = exponent < 0 ? QStringLiteral("\u207B") : QString();
    for (QChar z : QString::number(std::abs(exponent)))
        potenz += QChar(hoch[z.digitValue()]);
    return (h < 0 ? QStringLiteral("\u2212") : QString()) + mantisse + QStringLiteral("\u00A0·\u00A010") + potenz;
}

bool PlanckPlausibel(double h) { return h >= 4e-34 && h <= 1e-33; }

PlanckRechnung PlanckBerechnen(const QString &f1, const QString &f2, const QString &u1, const QString &u2, double e)
{
    PlanckRechnung r;
    const struct {
        const QString &text;
        const char *name;
    } felder[] = {{f1, QT_TRANSLATE_NOOP("Gegenfeld", "1. Frequenz")},
                  {f2, QT_TRANSLATE_NOOP("Gegenfeld", "2. Frequenz")},
                  {u1, QT_TRANSLATE_NOOP("Gegenfeld", "1. Spannung")},
                  {u2, QT_TRANSLATE_NOOP("Gegenfeld", "2. Spannung")}};
    long long wert[4] = {};
    for (int i = 0; i < 4; ++i) {
        const QString t = felder[i].text.trimmed();
        if (t.isEmpty()) {
            r.meldung = QCoreApplication::translate("Gegenfeld", "Kein Eintrag für die %1!")
                            .arg(QCoreApplication::translate("Gegenfeld", felder[i].name));
            return r;
        }
        bool ok = false;
        wert[i] = t.toInt(&ok);
        if (!ok || NurZiffern(t) != t) {
            r.meldung = QCoreApplication::translate("Gegenfeld", "Falscher Eintrag für die %1!")
                            .arg(QCoreApplication::translate("Gegenfeld", felder[i].name));
            return r;
        }
    }
    if (wert[0] == 0 || wert[1] == 0 || wert[2] == 0 || wert[3] == 0 || wert[0] == wert[1] || wert[2] == wert[3]) {
        r.meldung = QCoreApplication::translate("Gegenfeld", "Falsche/ungeeignete Eingabe?");
        return r;
    }
    r.h = double(wert[2] - wert[3]) * e / double(wert[0] - wert[1]) * 1e-15;
    r.gueltig = true;
    r.text = QStringLiteral(" h = ") + PlanckFormat(r.h) + QStringLiteral("\u00A0J·s");
    return r;
}

}  // namespace Photoeffekt
