#include "global.h"

#include "lauf.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

TColor FarbeHintergrund, FarbePanel, FarbeTitel, FarbeRechnen;
TColor FarbeHinweisText, FarbeHinweisMarke, FarbeHervorhebung;
TColor FarbeErgebnisMarke, FarbeErgebnisMarke2, FarbeErgebnisText;
TColor FarbeText2, FarbeTextMarke2, FarbeTextGrund;
TColor FarbeLeitung, FarbeBeschriftung, FarbeGehaeuse, FarbeGehaeuseRand, FarbeZeiger;
TColor FarbeZeichengrund, FarbeBuchse, FarbeAtomText1, FarbeAtomText2, FarbeElektron;

int BildschirmBreite = 1027, BildschirmHoehe = 740;
int SchriftKlein, SchriftNormal, SchriftMittel, SchriftGross;
int SchriftMittelDoppelt, SchriftGrossDoppelt;
int ZurueckBreite, ZurueckHoehe, ZurueckLinks, ZurueckOben;
int SpalteBreite, SpalteRand, SpalteLinks;
int InfoSeite;
TMassstab Massstab;

double Planckkonstante = 6.626e-34;

QString TextPfad;
bool TexteVonDatei = true;
bool PiepsAn = true;
bool GegenfeldKlassisch = false;
bool ProgrammEndet = false;

Linienspektrum Spektren[SpektrenAnzahl];
TSinCosTabelle SinCosTabelle;

void FarbenVoreinstellen()
{
    FarbeHintergrund = 0x964401;
    FarbePanel = 0xFBCB3C;
    FarbeTitel = 0xEAEA00;
    FarbeRechnen = 0xE6CCAC;
    FarbeHinweisText = 0xBD2B86;
    FarbeHinweisMarke = 0x581469;
    FarbeHervorhebung = 0xAA2B84;
    FarbeErgebnisMarke = 0x6702A4;
    FarbeErgebnisMarke2 = 0x640EB1;
    FarbeErgebnisText = 0xA2642D;
    FarbeText2 = 0xB50276;
    FarbeTextMarke2 = 0xAC028E;
    FarbeTextGrund = 0xC7F8EC;
    FarbeLeitung = 0x0679EC;
    FarbeBeschriftung = 0xFFFFFF;  // labels of the drawings, on FarbeZeichengrund
    FarbeGehaeuse = 0xFF8888;
    FarbeGehaeuseRand = 0xFF5151;
    FarbeZeiger = 0xFF5151;
    FarbeZeichengrund = FarbeHintergrund;
    FarbeBuchse = 0x405C97;
    FarbeAtomText1 = 0x00EA00;
    FarbeAtomText2 = 0xAB9BFF;  // light red: readable on FarbeZeichengrund
    FarbeElektron = 0xFFC040;
}

Bildschirmklasse BildschirmklasseVon(int breite, int hoehe)
{
    if (breite >= 1600 && hoehe >= 1050)
        return Bildschirmklasse::gross;
    if (breite < 1280 || hoehe < 800)
        return Bildschirmklasse::klein;
    return Bildschirmklasse::mittel;
}

Schriftgroessen SchriftgroessenVon(Bildschirmklasse klasse)
{
    switch (klasse) {
    case Bildschirmklasse::gross:
        return {12, 16, 20, 24};
    case Bildschirmklasse::mittel:
        return {10, 14, 18, 22};
    case Bildschirmklasse::klein:
        break;
    }
    return {8, 12, 16, 20};
}

void Bildschirmeinteilung(int breite, int hoehe)
{
    const Schriftgroessen s = SchriftgroessenVon(BildschirmklasseVon(breite, hoehe));
    SchriftKlein = s.klein, SchriftNormal = s.normal, SchriftMittel = s.mittel, SchriftGross = s.gross;
    SchriftMittelDoppelt = 2 * SchriftMittel;
    SchriftGrossDoppelt = 2 * SchriftGross;
    ZurueckHoehe = 81;
    ZurueckOben = hoehe - 81 - 40;
    ZurueckBreite = 161;
    ZurueckLinks = breite - 161 - 32;
    const Spaltenwerte spalte = StandardSpalte(breite);
    SpalteBreite = spalte.breite;
    SpalteRand = spalte.rand;
    SpalteLinks = spalte.links;
}

Spaltenwerte StandardSpalte(int breite) { return {185, 8, breite - 185 - 40}; }
Spaltenwerte SchmaleSpalte(int breite) { return {169, 8, breite - 201}; }

int Runde(double x)
{
    if (std::isnan(x))
        return 0;
    if (x > 2.0e9)
        return 2000000000;
    if (x < -2.0e9)
        return -2000000000;
    return static_cast<int>(std::nearbyint(x));
}

TColor FarbeAusFrequenz(int f)
{
    if (f < 375 || f > 800)
        return 0;
    const double F = f;
    auto bogen = [F](double mitte, double breite) {
        const double q = (F - mitte) / breite;
        return Runde((1.0 - q * q) * 255.0);
    };
    int rot;
    if (f < 459)
        rot = bogen(459, 96);
    else if (f <= 515)
        rot = 255;
    else if (f < 589)
        rot = bogen(515, 74);
    else if (f < 660)
        rot = 0;
    else if (f < 730)
        rot = Runde((std::cos((F - 730) * M_PI / 60) + 1) * 50);
    else
        rot = Runde((std::cos((F - 730) * M_PI / 70) + 1) * 50);

    int gruen;
    if (f < 429)
        gruen = 0;
    else if (f < 566)
        gruen = bogen(566, 137);
    else if (f <= 621)
        gruen = 255;
    else if (f < 696)
        gruen = bogen(621, 75);
    else
        gruen = 0;

    int blau;
    if (f < 564)
        blau = 0;
    else if (f < 651)
        blau = bogen(651, 87);
    else if (f < 685)
        blau = 255;
    else
        blau = bogen(685, 119);

    return TColor(rot) + TColor(gruen) * 256 + TColor(blau) * 65536;
}

namespace {
double RelativeLeuchtdichte(TColor farbe)
{
    const auto linear = [](int kanal) {
        const double c = kanal / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(int(farbe & 0xFF)) + 0.7152 * linear(int((farbe >> 8) & 0xFF)) +
           0.0722 * linear(int((farbe >> 16) & 0xFF));
}
}  // namespace

double Kontrastverhaeltnis(TColor a, TColor b)
{
    const double la = RelativeLeuchtdichte(a), lb = RelativeLeuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor TextFarbeAuf(TColor hintergrund)
{
    return Kontrastverhaeltnis(hintergrund, 0x000000) >= Kontrastverhaeltnis(hintergrund, 0xFFFFFF) ? 0x000000
                                                                                                     : 0xFFFFFF;
}

namespace {
std::mt19937_64 &generator()
{
    static std::mt19937_64 g;
    return g;
}
std::uint64_t letzteSaat = 0;
}  // namespace

std::uint64_t TickZahl() { return Takt::Aktuell().Jetzt(); }

int Minimum(int a, int b) { return a < b ? a : b; }
int Maximum(int a, int b) { return a > b ? a : b; }

int ZweiHoch(int n)
{
    // 2^30 is the largest power of two an int holds; larger exponents stay there
    int z = 1;
    for (int i = 1; i <= std::min(n, 30); ++i)
        z *= 2;
    return z;
}

double SanfterUebergang(double x) { return (1 - std::cos(M_PI * x)) / 2; }

double SanftesProfil(double x)
{
    const double p = 0.2800495767557787;
    if (x < 1.0 / 3)
        return (1 - std::cos(x * 3 * M_PI / 2)) * p;
    if (x < 2.0 / 3)
        return (x - 1.0 / 3) * 1.3197025394653278724 + p;
    return 1 - (1 - std::sin((x - 2.0 / 3) * 3 * M_PI / 2)) * p;
}

double Zufall()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

int Zufall(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(generator());
}

void ZufallStarten(std::uint64_t saat)
{
    letzteSaat = saat;
    generator().seed(saat);
}

std::uint64_t ZufallSaat() { return letzteSaat; }

namespace {
void FuelleSpektrum(Linienspektrum &s, std::initializer_list<int> nm)
{
    s = Linienspektrum{};
    for (int w : nm)
        s.Linie[s.Anzahl++].WellenlaengeNm = w;
    for (int i = 0; i < s.Anzahl; ++i) {
        Spektrallinie &l = s.Linie[i];
        l.FrequenzTHz = Runde(300000.0 / l.WellenlaengeNm);
        l.Frequenz = l.FrequenzTHz * 1e12;
        l.Wellenlaenge = l.WellenlaengeNm * 1e-9;
        l.Farbe = FarbeAusFrequenz(l.FrequenzTHz);
    }
}
}  // namespace

void GlobalInitialisieren()
{
    FuelleSpektrum(Spektren[SpektrumCalzium], {558, 527, 519, 504, 457, 443, 431, 423});
    FuelleSpektrum(Spektren[SpektrumCadmium], {644, 534, 509, 480, 468});
    FuelleSpektrum(Spektren[SpektrumCaesium], {697, 672, 621, 601, 584, 548, 456});
    FuelleSpektrum(Spektren[SpektrumEisen], {527, 468, 438, 431});
    FuelleSpektrum(Spektren[SpektrumWasserstoff], {656, 486, 434, 410});
    FuelleSpektrum(Spektren[SpektrumHelium], {728, 707, 668, 588, 493, 447, 403});
    FuelleSpektrum(Spektren[SpektrumQuecksilber], {623, 599, 577, 546, 493, 436, 405});
    FuelleSpektrum(Spektren[SpektrumKalium], {692, 580, 534, 430, 404});
    FuelleSpektrum(Spektren[SpektrumMagnesium], {533, 517, 470, 448});
    FuelleSpektrum(Spektren[SpektrumNatrium], {569, 589});
    FuelleSpektrum(Spektren[SpektrumNeon], {703, 672, 651, 588, 540, 471});
    FuelleSpektrum(Spektren[SpektrumSonne], {686, 656, 589, 527, 486, 430});

    FarbenVoreinstellen();
    ZufallStarten(std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));

    BildschirmBreite = 1027;
    BildschirmHoehe = 740;
    SchriftKlein = SchriftNormal = SchriftMittel = SchriftGross = 0;
    SchriftMittelDoppelt = SchriftGrossDoppelt = 0;
    ZurueckBreite = ZurueckHoehe = ZurueckLinks = ZurueckOben = 0;
    SpalteBreite = SpalteRand = SpalteLinks = 0;
    InfoSeite = 0;
    // The layout values are still 0 here, so every scale comes out as 1.0.
    Massstab.horizontal = double(BildschirmBreite - 2 * SpalteBreite - 16) / (1027 - 2 * SpalteBreite - 16);
    Massstab.vertikal = double(BildschirmHoehe - 120) / 620;
    Massstab.einheitlich = std::min(std::min(Massstab.horizontal, Massstab.vertikal), 1.5);

    Planckkonstante = 6.626e-34;
    TextPfad.clear();
    TexteVonDatei = true;
    PiepsAn = true;
    GegenfeldKlassisch = false;
    ProgrammEndet = false;

    for (int k = 0; k <= 96; ++k) {
        SinCosTabelle.Sin48[k] = std::sin(k * M_PI / 48);
        SinCosTabelle.Cos48[k] = std::cos(k * M_PI / 48);
    }
    for (int k = 0; k <= 192; ++k) {
        SinCosTabelle.Sin96[k] = float(std::sin(k * M_PI / 96));
        SinCosTabelle.Cos96[k] = float(std::cos(k * M_PI / 96));
    }
    for (int k = 0; k <= 384; ++k) {
        SinCosTabelle.Sin192[k] = float(std::sin(k * M_PI / 192));
        SinCosTabelle.Cos192[k] = float(std::cos(k * M_PI / 192));
    }
}
