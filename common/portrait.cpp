#include "portrait.h"

#include "bild.h"
#include "canvas.h"
#include "textdatei.h"

#include <QImageReader>
#include <QList>
#include <QPointer>

namespace {
const Physiker physiker[] = {
    {"Huygens", "Christiaan Huygens", "1629–1695"},
    {"Planck", "Max Planck", "1858–1947"},
    {"Einstein", "Albert Einstein", "1879–1955"},
    {"Franck", "James Franck", "1882–1964"},
    {"GHertz", "Gustav Hertz", "1887–1975"},
    {"Bohr", "Niels Bohr", "1885–1962"},
    {"DeBroglie", "Louis-Victor de Broglie", "1892–1987"},
    {"Heisenberg", "Werner Heisenberg", "1901–1976"},
    {"Schroedinger", "Erwin Schrödinger", "1887–1961"},
    {"HHertz", "Heinrich Hertz", "1857–1894"},
};
}  // namespace

const Physiker *PhysikerVon(const QString &kurz)
{
    for (const Physiker &p : physiker)
        if (kurz == QLatin1String(p.kurz))
            return &p;
    return nullptr;
}

QImage PortraitKarte(const Physiker &p, int breite, int hoehe, double skala)
{
    QImage bild(GeraetKante(breite, skala), GeraetKante(hoehe, skala), QImage::Format_RGB32);
    bild.setDevicePixelRatio(skala);
    Canvas c(&bild);
    // Sepia card with a darker frame.
    c.brush.color = 0xB8D8E8;
    c.fillRect(0, 0, breite, hoehe);
    for (int y = 0; y < hoehe; ++y) {
        const int t = 200 - 50 * y / std::max(1, hoehe);
        c.pen.color = TColor(t + 30) | TColor(t + 12) << 8 | TColor(t - 20) << 16;
        c.moveTo(0, y);
        c.lineTo(breite, y);
    }
    c.pen.color = 0x2F4F6F;
    c.pen.width = 2;
    c.brush.style = PinselStil::Clear;
    c.rectangle(3, 3, breite - 2, hoehe - 2);
    c.pen.width = 1;

    // Silhouette of head and shoulders.
    const int mitte = breite / 2;
    const int kopf = breite * 11 / 40;
    const int kopfOben = hoehe / 8;
    c.pen.color = 0x203850;
    c.brush.style = PinselStil::Solid;
    c.brush.color = 0x304860;
    c.ellipse(mitte - breite * 2 / 5, kopfOben + kopf * 2 + hoehe / 20, mitte + breite * 2 / 5,
              kopfOben + kopf * 2 + hoehe / 20 + hoehe * 2 / 3);
    c.brush.color = 0x3C5670;
    c.ellipse(mitte - kopf * 3 / 4, kopfOben, mitte + kopf * 3 / 4, kopfOben + kopf * 2 + hoehe / 40);

    // Name plate.
    const int schildOben = hoehe * 7 / 10;
    c.brush.color = 0xE8F4FA;
    c.pen.color = 0x2F4F6F;
    c.rectangle(8, schildOben, breite - 8, hoehe - 8);
    c.brush.style = PinselStil::Clear;
    c.font.name = QStringLiteral("Trebuchet MS");
    c.font.bold = true;
    c.font.color = 0x1E3246;
    const QString name = QString::fromUtf8(p.name);
    const int sp = name.lastIndexOf(QLatin1Char(' '));
    const QString zeile1 = sp > 0 ? name.left(sp) : name;
    const QString zeile2 = sp > 0 ? name.mid(sp + 1) : QString();
    int groesse = std::max(6, hoehe / 22);
    c.font.size = groesse;
    while (groesse > 6 && std::max(c.textWidth(zeile1), c.textWidth(zeile2)) > breite - 20)
        c.font.size = --groesse;
    const int zh = c.textHeight(zeile1);
    int y = schildOben + 4;
    c.textOut(mitte - c.textWidth(zeile1) / 2, y, zeile1);
    y += zh;
    if (!zeile2.isEmpty()) {
        c.textOut(mitte - c.textWidth(zeile2) / 2, y, zeile2);
        y += zh;
    }
    c.font.bold = false;
    c.font.size = std::max(6, groesse - 2);
    const QString jahre = QString::fromUtf8(p.lebensdaten);
    if (y + c.textHeight(jahre) <= hoehe - 8)
        c.textOut(mitte - c.textWidth(jahre) / 2, y, jahre);
    return bild;
}

QImage PortraitBild(const QString &kurz, int breite, int hoehe, double skala)
{
    for (const char *endung : {".jpg", ".jpeg"}) {
        const QString pfad = FindeTextDatei(TextPfad, kurz + QLatin1String(endung));
        if (pfad.isEmpty())
            continue;
        QImageReader leser(pfad);
        leser.setAutoTransform(true);
        QImage foto = leser.read();
        if (!foto.isNull()) {
            QImage bild = foto.convertToFormat(QImage::Format_RGB32)
                              .scaled(GeraetKante(breite, skala), GeraetKante(hoehe, skala), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
            bild.setDevicePixelRatio(skala);
            return bild;
        }
    }
    const Physiker *p = PhysikerVon(kurz);
    static const Physiker unbekannt{"", "", ""};
    return PortraitKarte(p ? *p : unbekannt, breite, hoehe, skala);
}

namespace {
struct GezeigtesPortrait {
    QPointer<Bild> bild;
    QString kurz;
    int breite, hoehe;
};
QList<GezeigtesPortrait> &gezeigte()
{
    static QList<GezeigtesPortrait> liste;
    return liste;
}
}  // namespace

void PortraitZeigen(Bild *bild, const QString &kurz, int breite, int hoehe)
{
    if (!bild)
        return;
    gezeigte().removeIf([](const GezeigtesPortrait &p) { return !p.bild; });
    gezeigte().append({bild, kurz, breite, hoehe});
    bild->setQuelle(QSize(breite, hoehe),
                    [kurz, breite, hoehe](double skala) { return PortraitBild(kurz, breite, hoehe, skala); });
}

void PortraitsNeuLaden()
{
    gezeigte().removeIf([](const GezeigtesPortrait &p) { return !p.bild; });
    for (const GezeigtesPortrait &p : gezeigte())
        p.bild->freigeben();  // read again when next shown
}
