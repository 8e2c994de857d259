#include "hallwachsbild.h"

#include <QCoreApplication>

namespace Photoeffekt {

namespace {

void Fuellen(Canvas &c, TColor grund)
{
    c.brush = Pinsel{grund, PinselStil::Solid};
    c.fillRect(0, 0, c.width(), c.height());
}

// While a sketch is being labelled, the boxes its labels cover.
QVector<QRect> *Kaesten = nullptr;

struct Sammeln {
    QVector<QRect> kaesten;
    Sammeln() { Kaesten = &kaesten; }
    ~Sammeln() { Kaesten = nullptr; }
    Sammeln(const Sammeln &) = delete;
    Sammeln &operator=(const Sammeln &) = delete;
};

void Text(Canvas &c, int x, int y, const QString &text, TColor farbe, int groesse = 0)
{
    const Schrift alt = c.font;
    c.font.color = farbe;
    if (groesse > 0)
        c.font.size = groesse;
    c.textOut(x, y, text);
    if (Kaesten)
        Kaesten->append(QRect(x, y, c.textWidth(text), c.textHeight(text)));
    c.font = alt;
}

// Right-aligned so that the text ends at x.
void TextBis(Canvas &c, int x, int y, const QString &text, TColor farbe)
{
    Text(c, x - c.textWidth(text), y, text, farbe);
}

void Zentriert(Canvas &c, int x, int y, const QString &text, TColor farbe)
{
    Text(c, x - c.textWidth(text) / 2, y, text, farbe);
}

// A label of several lines (one per '\n'), a line every abstand px from y; rechts: right-aligned
// so that each line ends at x.
void Zeilen(Canvas &c, int x, int y, int abstand, const QString &text, TColor farbe, bool rechts = false)
{
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (int i = 0; i < zeilen.size(); ++i) {
        if (rechts)
            TextBis(c, x, y + abstand * i, zeilen[i], farbe);
        else
            Text(c, x, y + abstand * i, zeilen[i], farbe);
    }
}

void Beschriftungsschrift(Canvas &c)
{
    c.font = PhotozellenSchrift();
    c.brush.style = PinselStil::Clear;
}

// Label of the voltage source and its polarity, shared by both sketches.
void SpannungsText(Canvas &c, int x, int leitungY, int zeile2, int zeile3)
{
    Text(c, x, leitungY + 10, QCoreApplication::translate("HallwachsBild", "Spannung"), FarbeBeschriftung);
    const QStringList polung =
        QCoreApplication::translate("HallwachsBild", "(So gepolt, dass Elektronen vom\nMetallring angezogen werden)")
            .split(QLatin1Char('\n'));
    for (int i = 0; i < polung.size(); ++i)
        Text(c, x, leitungY + zeile2 + (zeile3 - zeile2) * i, polung[i], FarbeBeschriftung, 12);
}

}  // namespace

Schrift PhotozellenSchrift()
{
    Schrift s;
    s.name = QStringLiteral("Trebuchet MS");
    s.size = SchriftMittel;
    s.bold = true;
    return s;
}

void ZeichneHallwachsAnordnung(Canvas &c, TColor grund, const HallwachsSkizze &k, const Lampe &lampe,
                               bool stromkreis, Messgeraet &messgeraet)
{
    c.pen = Stift{grund, 5, PenStil::Solid, PenModus::Copy};
    Fuellen(c, grund);
    // the zinc plate
    const int rr = k.r + 3;
    c.pen = Stift{Zinkfarbe, 1, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{Zinkfarbe, PinselStil::Solid};
    c.roundRect(k.plattenX - rr, k.plattenOben - rr, k.plattenX + rr, k.plattenUnten + rr, 2 * k.r, 2 * k.r);
    ZeichneLampe(c, lampe);
    if (stromkreis) {
        c.pen = Stift{Ringfarbe, 3, PenStil::Solid, PenModus::Copy};
        c.brush = Pinsel{Ringfarbe, PinselStil::DiagCross};
        c.roundRect(k.ringX - 14, k.plattenOben - 5, k.ringX, k.plattenUnten + 5, 5, 10);
        messgeraet.ZeichneGehaeuse(c);
        const int xg = k.drehpunkt.x(), y = k.leitungY;
        Leitung(c, {{k.ringX - 8, k.plattenUnten + 3}, {k.ringX - 8, y}, {xg - k.galvBuchse, y}});
        Leitung(c, {{xg + k.galvBuchse, y}, {k.quelleX - k.quelleHalb, y}});
        Leitung(c, {{k.quelleX + k.quelleHalb, y}, {k.plattenX, y}, {k.plattenX, k.plattenUnten + k.r + 3}});
        for (int x : {xg - k.galvBuchse, xg + k.galvBuchse, k.quelleX - k.quelleHalb, k.quelleX + k.quelleHalb})
            Buchse(c, x, y, FarbeBuchse, 5);
        ZeichnePol(c, k.quelleX - k.quelleHalb, y - 16, true, Minusfarbe);
        ZeichnePol(c, k.quelleX + k.quelleHalb, y - 16, false, Minusfarbe);
        messgeraet.GrundMerken(c);
    } else {
        Leitung(c, {{k.plattenX, k.plattenUnten + 4}, {k.plattenX, k.erdeY}});
        Leitung(c, {{k.plattenX - 15, k.erdeY}, {k.plattenX + 15, k.erdeY}});
    }
    c.brush = Pinsel{grund, PinselStil::Solid};
}

QVector<QRect> BeschrifteHallwachsAnordnung(Canvas &c, const HallwachsSkizze &k, bool stromkreis)
{
    Sammeln sammeln;
    Beschriftungsschrift(c);
    const int x = k.plattenX + k.abstand, y = k.plattenOben;
    // the literal ends after "\u00A0": lupdate would read the "B" into the escape
    Zeilen(c, x + 8, y + 100, 30,
           QCoreApplication::translate("HallwachsBild", "Metallplatte\n(z.\u00A0"
                                                        "B. Zink)"),
           Zinkfarbe);
    // light cyan letters: readable on the dark background
    Text(c, x + 8, y + 220, QCoreApplication::translate("HallwachsBild", "Elektronen"), 16776960);
    if (stromkreis) {
        Zeilen(c, k.ringX - 22, y + 100, 30,
               QCoreApplication::translate("HallwachsBild", "Metall-Ring\noder -Netz\nworauf\nElektronen\ntreffen"),
               Ringfarbe, true);
        const QStringList messgeraet =
            QCoreApplication::translate("HallwachsBild", "Messgerät\nfür Photostrom").split(QLatin1Char('\n'));
        for (int i = 0; i < messgeraet.size(); ++i)
            Zentriert(c, k.drehpunkt.x(), k.drehpunkt.y() + 8 + (SchriftMittel + 8) * i, messgeraet[i], 65535);
        SpannungsText(c, k.quelleX - k.quelleHalb, k.leitungY, 36, 56);
    } else {
        const Schrift alt = c.font;
        c.font.size = 14;
        c.font.color = FarbeLeitung;
        const QString erdung = QCoreApplication::translate("HallwachsBild", "Erdung");
        c.textOut(k.plattenX + 35, k.erdeY - c.textHeight(erdung) / 2, erdung);
        c.font = alt;
    }
    return sammeln.kaesten;
}

void ZeichnePhotozelle(Canvas &c, TColor grund, const PhotozellenSkizze &k, const Lampe &lampe, bool stromkreis,
                       Messgeraet &messgeraet)
{
    c.pen = Stift{grund, 2, PenStil::Solid, PenModus::Copy};
    Fuellen(c, grund);
    const int t = k.t;
    // glass bulb, black inside
    c.pen = Stift{Glasfarbe, 1, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{0x000000, PinselStil::Solid};
    c.roundRect(k.zelleLinks, k.zelleOben, k.zelleRechts, k.zelleUnten, t, t);
    // the light-sensitive layer (cathode)
    c.pen = Stift{Schichtfarbe, 1, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{Schichtfarbe, PinselStil::Solid};
    c.roundRect(k.kathodeX - t, k.y0 - k.r - 4, k.kathodeX + t, k.saeuleUnten + k.r, t, t);
    // inner glass outline and the wall between
    c.pen = Stift{Glasfarbe, 1, PenStil::Solid, PenModus::Copy};
    c.brush.style = PinselStil::Clear;
    c.roundRect(k.zelleLinks + t, k.zelleOben + t, k.zelleRechts - t, k.zelleUnten - t, t / 3, t / 3);
    c.brush = Pinsel{Glasfarbe, PinselStil::Solid};
    c.floodFill(k.zelleMitteX, k.zelleOben + t / 2, Glasfarbe, FuellArt::Rand);
    // the ring (anode)
    c.pen = Stift{Ringfarbe, 3, PenStil::Solid, PenModus::Copy};
    c.brush = Pinsel{Ringfarbe, PinselStil::DiagCross};
    c.roundRect(k.anodeX - 8, k.y0 - 5, k.anodeX + 8, k.saeuleUnten + 5, 5, 10);
    ZeichneLampe(c, lampe);
    if (stromkreis) {
        messgeraet.ZeichneGehaeuse(c);
        const int oben = k.drehpunkt.y() + 10 - k.galvH, unten = k.drehpunkt.y() - 10, y = k.leitungY;
        Leitung(c, {{k.anodeX, k.saeuleUnten + 3}, {k.anodeX, oben}});
        Leitung(c, {{k.anodeX, unten}, {k.anodeX, y}, {k.quelleX - k.quelleHalb, y}});
        Leitung(c, {{k.quelleX + k.quelleHalb, y}, {k.kathodeX, y}, {k.kathodeX, k.saeuleUnten + 4}});
        Buchse(c, k.anodeX, oben, FarbeBuchse, 5);
        Buchse(c, k.anodeX, unten, FarbeBuchse, 5);
        Buchse(c, k.quelleX - k.quelleHalb, y, FarbeBuchse, 5);
        Buchse(c, k.quelleX + k.quelleHalb, y, FarbeBuchse, 5);
        ZeichnePol(c, k.quelleX - k.quelleHalb, y - 16, true, Minusfarbe);
        ZeichnePol(c, k.quelleX + k.quelleHalb, y - 16, false, Minusfarbe);
        messgeraet.GrundMerken(c);
    }
    c.brush = Pinsel{grund, PinselStil::Solid};
}

QVector<QRect> BeschriftePhotozelle(Canvas &c, const PhotozellenSkizze &k, bool stromkreis)
{
    Sammeln sammeln;
    Beschriftungsschrift(c);
    const QString glas = QCoreApplication::translate("HallwachsBild", "evakuiertes Glasgefäß");
    Zentriert(c, (k.anodeX + k.kathodeX) / 2, k.zelleOben - c.textHeight(glas), glas, 14733863);
    Zeilen(c, k.zelleRechts + 8, k.y0 + 20, 30,
           QCoreApplication::translate("HallwachsBild", "licht-\nempfindliche\nMetallschicht\nan der\nInnenseite"),
           Zinkfarbe);
    Text(c, k.zelleRechts + 8, k.y0 + 220, QCoreApplication::translate("HallwachsBild", "Elektronen"), 16776960);
    Zeilen(c, k.zelleLinks - 8, k.y0 + 70, 30,
           QCoreApplication::translate("HallwachsBild", "Metall-Ring,\nauf den\nElektronen\ntreffen\n(„Auffänger“)"),
           Ringfarbe, true);
    if (stromkreis) {
        Zentriert(c, k.drehpunkt.x(), k.drehpunkt.y() + 8,
                  QCoreApplication::translate("HallwachsBild", "Messgerät für Photostrom"), 65535);
        SpannungsText(c, k.quelleX - k.quelleHalb, k.leitungY, 36, 56);  // 40 would let the two lines touch
    }
    return sammeln.kaesten;
}

}  // namespace Photoeffekt
