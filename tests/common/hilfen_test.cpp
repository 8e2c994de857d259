// The shared rules for numbers with a decimal comma, for colours between the program and Qt,
// and for pictures drawn by XOR.
#include "farbe.h"
#include "xorsprite.h"
#include "zahltext.h"

#include <gtest/gtest.h>

TEST(Zahltext, DecimalCommaAndSign)
{
    struct Fall {
        double wert;
        int stellen;
        const char16_t *komma, *mitMinus;
    };
    const Fall faelle[] = {
        {1.5, 2, u"1,50", u"1,50"},
        {0.125, 1, u"0,1", u"0,1"},
        {-13.6, 1, u"-13,6", u"\u221213,6"},
        {-0.04, 1, u"-0,0", u"0,0"},  // a value that rounds to zero has no sign
        {-0.004, 2, u"-0,00", u"0,00"},
        {-0.06, 1, u"-0,1", u"\u22120,1"},
        {2, 0, u"2", u"2"},
        {1234.5678, 3, u"1234,568", u"1234,568"},
    };
    for (const Fall &f : faelle) {
        EXPECT_EQ(Komma(f.wert, f.stellen), QString::fromUtf16(f.komma)) << f.wert;
        EXPECT_EQ(KommaMitMinus(f.wert, f.stellen), QString::fromUtf16(f.mitMinus)) << f.wert;
    }
    EXPECT_EQ(MitKomma(QStringLiteral("6.63e-34")), QStringLiteral("6,63e-34"));
    EXPECT_EQ(MitKomma(QStringLiteral("42")), QStringLiteral("42"));
}

TEST(Farbe, RedAndBlueSwapBothWays)
{
    struct Fall {
        TColor farbe;
        QRgb rgb;
    };
    const Fall faelle[] = {
        {0x0000FF, 0xFFFF0000},  // red
        {0x00FF00, 0xFF00FF00},
        {0xFF0000, 0xFF0000FF},  // blue
        {0x815E01, 0xFF015E81},
        {0x000000, 0xFF000000},
        {0xFFFFFF, 0xFFFFFFFF},
    };
    for (const Fall &f : faelle) {
        EXPECT_EQ(RgbAusFarbe(f.farbe), f.rgb) << std::hex << f.farbe;
        EXPECT_EQ(FarbeAusRgb(f.rgb), f.farbe) << std::hex << f.farbe;
        EXPECT_EQ(FarbeAusRgb(f.rgb & 0x00FFFFFFu), f.farbe) << "alpha is dropped";
        EXPECT_EQ(QFarbe(f.farbe), QColor(qRed(f.rgb), qGreen(f.rgb), qBlue(f.rgb)));
    }
    EXPECT_EQ(RgbAusFarbe(0x12345678u), 0xFF785634u) << "bits above blue are dropped";
}

TEST(XorSprite, RestoresThePreviousCopyModeAndErasesWhereItWasDrawn)
{
    QImage bild(20, 20, QImage::Format_RGB32);
    bild.fill(qRgb(0x10, 0x20, 0x30));
    const QImage vorher = bild;
    Canvas c(&bild);
    XorSprite s;
    s.bild = QImage(4, 4, QImage::Format_RGB32);
    s.bild.fill(qRgb(0xFF, 0x00, 0xFF));
    for (KopierModus modus : {KopierModus::SrcCopy, KopierModus::SrcInvert}) {
        c.copyMode = modus;
        s.zeigen(c, QPoint(10, 10));
        EXPECT_EQ(c.copyMode, modus);
        EXPECT_EQ(s.ort(), QPoint(8, 8));
        EXPECT_EQ(c.pixel(8, 8), FarbeAusRgb(qRgb(0xEF, 0x20, 0xCF)));  // xor, not copied
        EXPECT_EQ(c.pixel(7, 8), FarbeAusRgb(qRgb(0x10, 0x20, 0x30)));
        s.zeigen(c, QPoint(5, 5));  // moving erases the old place
        s.verbergen(c);
        EXPECT_EQ(c.copyMode, modus);
        EXPECT_FALSE(s.gezeigt());
        EXPECT_EQ(bild, vorher);
    }
    c.copyMode = KopierModus::SrcCopy;
    EXPECT_EQ(ZeichneXor(c, -2, 18, s.bild), QRect(-2, 18, 4, 4));
    EXPECT_EQ(c.copyMode, KopierModus::SrcCopy);
    ZeichneXor(c, -2, 18, s.bild);
    EXPECT_EQ(bild, vorher);
}
