#include "glyphen.h"

#include "canvas.h"

#include <QHash>
#include <QImage>
#include <QPixmap>

QIcon GlyphBild(Glyphe g)
{
    static QHash<int, QIcon> vorrat;
    if (auto it = vorrat.constFind(int(g)); it != vorrat.constEnd())
        return *it;
    const TColor hinten = 0xFF00FF;  // transparent key
    QImage bild(24, 24, QImage::Format_RGB32);
    Canvas c(&bild);
    c.brush.color = hinten;
    c.fillRect(0, 0, 24, 24);
    c.pen.color = 0x000000;
    auto birne = [&](TColor glas) {
        c.brush.color = glas;
        c.ellipse(5, 1, 19, 15);
        c.brush.color = 0x909090;
        c.rectangle(9, 15, 15, 21);
        c.moveTo(9, 17);
        c.lineTo(15, 17);
        c.moveTo(9, 19);
        c.lineTo(15, 19);
    };
    auto buch = [&](bool offen) {
        c.brush.color = 0x2060C0;
        if (offen) {
            c.brush.color = 0xFFFFFF;
            c.polygon({{1, 5}, {11, 7}, {11, 21}, {1, 19}});
            c.polygon({{12, 7}, {22, 5}, {22, 19}, {12, 21}});
            for (int y = 10; y <= 16; y += 3) {
                c.moveTo(3, y);
                c.lineTo(10, y + 1);
                c.moveTo(14, y + 1);
                c.lineTo(21, y);
            }
        } else {
            c.rectangle(5, 2, 19, 22);
            c.brush.color = 0xFFFFFF;
            c.rectangle(7, 5, 17, 9);
        }
    };
    switch (g) {
    case Glyphe::HinweisOffen:
        birne(0x40F0FF);
        c.pen.color = 0x00C0FF;
        c.moveTo(1, 8);
        c.lineTo(4, 8);
        c.moveTo(20, 8);
        c.lineTo(23, 8);
        c.moveTo(12, 0);
        c.lineTo(12, 1);
        break;
    case Glyphe::HinweisZu:
        birne(0xC8C8C8);
        break;
    case Glyphe::BuchOffen:
        buch(true);
        break;
    case Glyphe::BuchZu:
        buch(false);
        break;
    case Glyphe::Zurueck:
    case Glyphe::Ende:
        c.brush.color = g == Glyphe::Ende ? 0x2020D0 : 0x30A030;
        c.polygon({{2, 12}, {12, 3}, {12, 8}, {22, 8}, {22, 16}, {12, 16}, {12, 21}});
        break;
    case Glyphe::Licht:
        c.brush.color = 0x00E0FF;
        c.ellipse(4, 4, 20, 20);
        break;
    case Glyphe::Pause:
        c.brush.color = 0x404040;
        c.rectangle(6, 4, 10, 20);
        c.rectangle(14, 4, 18, 20);
        break;
    case Glyphe::Start:
        c.brush.color = 0x30B030;
        c.polygon({{20, 12}, {10, 3}, {10, 9}, {3, 9}, {3, 15}, {10, 15}, {10, 21}});
        break;
    case Glyphe::Info:
        c.brush.color = 0xC07020;
        c.ellipse(2, 2, 22, 22);
        c.font.name = QStringLiteral("DejaVu Serif");
        c.font.size = 11;
        c.font.bold = true;
        c.font.color = 0xFFFFFF;
        c.brush.style = PinselStil::Clear;
        c.textOut(12 - c.textWidth(QStringLiteral("i")) / 2, 12 - c.textHeight(QStringLiteral("i")) / 2,
                  QStringLiteral("i"));
        break;
    case Glyphe::Neutral:
        c.brush.color = 0xA0A0A0;
        c.ellipse(7, 7, 17, 17);
        break;
    }
    QImage mitAlpha = bild.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 24; ++y) {
        auto *zeile = reinterpret_cast<QRgb *>(mitAlpha.scanLine(y));
        for (int x = 0; x < 24; ++x)
            if (FarbeAusRgb(zeile[x]) == hinten)
                zeile[x] = 0;
    }
    QIcon icon(QPixmap::fromImage(mitAlpha));
    // Doubled by whole pixels for screens scaled by two, instead of smoothed.
    icon.addPixmap(QPixmap::fromImage(mitAlpha.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    vorrat.insert(int(g), icon);
    return icon;
}
