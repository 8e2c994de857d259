// Readable text: the contrast of the colour pairs the program shows text in, against the
// guideline of 4.5 : 1 (3 : 1 for large text, 18 pt or 14 pt bold).
#include "farbe.h"
#include "guidefenster.h"
#include "lampenwahl.h"
#include "photokit.h"
#include "richtext.h"
#include "testhilfen.h"

#include <gtest/gtest.h>

namespace {

double Mindestkontrast(int punkte, bool fett) { return punkte >= 18 || (fett && punkte >= 14) ? 3.0 : 4.5; }

TColor TextFarbeVon(const QWidget *w) { return FarbeAusRgb(w->palette().color(QPalette::WindowText).rgb()); }

// Every piece of a style's text against the style's background.
void PruefeStil(const TextStil &s, const std::string &name)
{
    struct Teil {
        const char *was;
        TColor farbe;
        int punkte;
        bool fett;
    };
    const Teil teile[] = {
        {"text", s.farbe, s.groesse, false},
        {"highlight 1", s.hervorhebung1, s.groesse, s.hervorhebung1Fett},
        {"highlight 2", s.hervorhebung2, s.groesse, s.hervorhebung2Fett},
        {"chapter", s.kapitelFarbe, s.kapitelGroesse, true},
        {"section", s.abschnittFarbe, s.abschnittGroesse, true},
        {"small heading", s.kleineUeberschriftFarbe, s.groesse, true},
        {"remark", s.bemerkungFarbe, s.groesse, false},
        {"prompt", s.aufforderungFarbe, s.groesse, true},
        {"list item", s.listeFarbe.value_or(s.farbe), s.groesse, false},
    };
    for (const Teil &t : teile)
        EXPECT_GE(Kontrastverhaeltnis(t.farbe, s.hintergrund), Mindestkontrast(t.punkte, t.fett))
            << name << ", " << t.was << ": " << std::hex << t.farbe << " on " << s.hintergrund << std::dec << ", "
            << t.punkte << " pt";
}

const QSize Bildschirme[] = {{1024, 740}, {1280, 1000}, {1680, 1050}};

}  // namespace

TEST(Kontrast, TheRuleOfTheGuidelines)
{
    struct Fall {
        TColor a, b;
        double kontrast;
    };
    const Fall faelle[] = {
        {0x000000, 0xFFFFFF, 21.0}, {0xFFFFFF, 0xFFFFFF, 1.0}, {0x767676, 0xFFFFFF, 4.54},
        {0xC0C0C0, 0xBFFFFF, 1.76},  // the old grey remark on the guide's light yellow
        {0x0000FF, 0x000000, 5.25},  // red
    };
    for (const Fall &f : faelle) {
        EXPECT_NEAR(Kontrastverhaeltnis(f.a, f.b), f.kontrast, 0.01) << std::hex << f.a << " " << f.b;
        EXPECT_DOUBLE_EQ(Kontrastverhaeltnis(f.b, f.a), Kontrastverhaeltnis(f.a, f.b));
    }
    // black or white, whichever stands out more; at the crossing of both either will do
    for (TColor grund : {0xB30051u, 0xFF0000u, 0x964401u, 0x00FFFFu, 0xFBCB3Cu, 0x0000FFu, 0x7F7F7Fu, 0x767676u}) {
        const TColor text = TextFarbeAuf(grund);
        ASSERT_TRUE(text == 0x000000 || text == 0xFFFFFF) << std::hex << grund;
        EXPECT_GE(Kontrastverhaeltnis(text, grund), Kontrastverhaeltnis(text ^ 0xFFFFFF, grund)) << std::hex << grund;
        EXPECT_GE(Kontrastverhaeltnis(text, grund), 4.5) << std::hex << grund;
    }
}

TEST(Kontrast, EveryStyleOfTheBuiltInTextsOnEveryScreen)
{
    for (const QSize &b : Bildschirme) {
        Bildschirm(b.width(), b.height());
        // the styles as the windows call them, on the backgrounds the windows give them
        struct Fall {
            const char *name;
            TextStil stil;
            std::optional<TColor> grund;
        };
        const TextStil text2Klein = [] {
            TextStil s = StilText2();
            s.groesse = SchriftNormal;
            return s;
        }();
        const Fall faelle[] = {
            {"hint", StilHinweis(), {}},
            {"hint on light yellow", StilHinweis(), 0xFFFF95},
            {"hint on light orange", StilHinweis(), 0xFFF0D8},
            {"result", StilErgebnis(), {}},
            {"second scheme", StilText2(), {}},
            {"second scheme, small", text2Klein, {}},
            {"guide page", StilTheorie(), {}},
            {"biography", StilBiographie(), {}},
            {"information", StilInfo(), {}},
        };
        for (const Fall &f : faelle) {
            TextStil s = f.stil;
            s.hintergrund = f.grund.value_or(s.hintergrund);
            PruefeStil(s, std::string(f.name) + " at " + std::to_string(b.width()));
        }
    }
}

TEST(Kontrast, ThePanelsOfTheColourSchemeAndTheGuide)
{
    for (const QSize &b : Bildschirme) {
        Bildschirm(b.width(), b.height());
        // a panel of a scheme colour keeps the kit's text colour
        for (TColor grund : {FarbePanel, FarbeTitel, FarbeRechnen}) {
            Panel p;
            p.setFarbe(grund);
            EXPECT_GE(Kontrastverhaeltnis(TextFarbeVon(&p), grund), 4.5) << std::hex << grund;
        }
        // every panel of the guide that shows a caption
        TFormGuide guide;
        guide.show();  // shows the first page and its number
        int beschriftet = 0;
        for (const Panel *p : guide.findChildren<Panel *>()) {
            if (p->caption().isEmpty())
                continue;
            ++beschriftet;
            EXPECT_GE(Kontrastverhaeltnis(TextFarbeVon(p), p->farbe()),
                      Mindestkontrast(p->font().pointSize(), p->font().bold()))
                << p->caption().toStdString() << ": " << std::hex << TextFarbeVon(p) << " on " << p->farbe();
        }
        EXPECT_GE(beschriftet, 2);
    }
}

TEST(Kontrast, TheLightPanelsOfTheLampChoiceForEveryFrequencyOffered)
{
    Bildschirm(1280, 1000);
    Lampenwahl w(nullptr, 185);
    auto pruefe = [&](int f) {
        ASSERT_EQ(w.Frequenz, f);
        for (const Panel *p : {w.PanelFrequenz, w.PanelWellenlaenge}) {
            EXPECT_EQ(p->farbe(), FarbeAusFrequenz(f));
            EXPECT_GE(Kontrastverhaeltnis(TextFarbeVon(p), p->farbe()), 4.5)
                << f << " THz: " << std::hex << TextFarbeVon(p) << " on " << p->farbe();
        }
    };
    for (int gas = 0; gas < 4; ++gas) {
        w.PageControlFrequenz->setCurrentIndex(gas);
        for (int i = 0; i < w.Gase[gas].Anzahl; ++i) {
            w.GasGruppe(gas)->setItemIndex(i);
            w.RadioGroupClick();
            pruefe(w.Gase[gas].Linie[i].FrequenzTHz);
        }
    }
    w.PageControlFrequenz->setCurrentIndex(4);
    for (int f = Photoeffekt::StreifenVon; f <= Photoeffekt::StreifenBis; ++f) {
        w.TrackBarKontinuum->setPosition(f);
        pruefe(f);
    }
}
