#include "textstil.h"

namespace {
TextStil GrundStil(TColor farbe, int groesse, TColor marke, TColor hintergrund)
{
    TextStil s;
    s.farbe = farbe;
    s.groesse = groesse;
    s.hintergrund = hintergrund;
    s.hervorhebung1 = marke;
    s.hervorhebung2 = marke;
    s.kapitelGroesse = groesse;
    s.kapitelFarbe = marke;
    s.abschnittGroesse = groesse;
    s.abschnittFarbe = marke;
    s.kleineUeberschriftFarbe = marke;
    s.aufforderungFarbe = marke;
    return s;
}
}  // namespace

const QString AufforderungsText = QStringLiteral("Lass dir’s zeigen →   ");
const QString AufforderungsTextEnglisch = QStringLiteral("See for yourself →   ");

TextStil StilHinweis()
{
    TextStil s = GrundStil(FarbeHinweisText, SchriftMittel, FarbeHervorhebung, 0xFFFFFF);
    s.hervorhebung2 = FarbeHinweisMarke;
    return s;
}

TextStil StilErgebnis()
{
    TextStil s = GrundStil(FarbeErgebnisText, SchriftMittel, FarbeErgebnisMarke, 0xBFFFFF);
    s.hervorhebung2 = FarbeErgebnisMarke2;
    return s;
}

TextStil StilText2()
{
    return GrundStil(FarbeText2, SchriftMittel, FarbeTextMarke2, FarbeTextGrund);
}

TextStil StilTheorie()
{
    TextStil s = GrundStil(0xA2642D, SchriftMittel - 2, 0x640EB1, 0xBFFFFF);
    s.hervorhebung1Fett = true;
    s.hervorhebung2 = 0x719933;
    s.hervorhebung2Fett = true;
    s.kapitelGroesse = SchriftMittel + 2;
    s.kapitelFarbe = 0x6702A4;
    s.abschnittGroesse = SchriftMittel;
    s.abschnittFarbe = 0xA40294;
    s.aufforderungFarbe = 0x706086;
    return s;
}

TextStil StilBiographie()
{
    // a dark brown and a dark grey: the lighter ones do not stand out on the gold
    TextStil s = GrundStil(0x7A4A00, SchriftMittel - 2, 0x800080, 0xEECB02);
    s.hervorhebung1Fett = true;
    s.hervorhebung2 = 0x7A4A00;
    s.bemerkungFarbe = 0x3C3C3C;
    s.hervorhebung2Fett = true;
    s.kapitelGroesse = SchriftMittel + 2;
    s.abschnittGroesse = SchriftMittel;
    s.kapitelAbstand = 6;
    s.zentriertGroesse = SchriftNormal;
    return s;
}

TextStil StilInfo()
{
    TextStil s = GrundStil(0x673D56, SchriftMittel, 0x800080, 0xAEFFB9);
    s.hervorhebung1Fett = true;
    s.kapitelGroesse = SchriftGross;
    s.abschnittGroesse = SchriftGross;
    s.abstandGroesse = 4;
    s.kapitelAbstand = 6;
    s.listeFarbe = 0x800080;
    return s;
}
