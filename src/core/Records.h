#pragma once
// Catalogue records held by the session: the chosen infill type, colours, glass,
// stained glass, muntin, accessories, and the line layout of an overlay panel.
//
// Every record is a plain aggregate with value semantics, so a dialog can take a
// working copy and write it back on confirmation. A record whose Polozka is -1 has
// nothing chosen. Fields not mentioned start as 0, false or empty.
//
// Short strings: a few fields came from fixed-capacity 8-bit strings. They are kept as
// UTF-8 std::string here; writers that take such a value from outside (catalogue, job
// file, user input) cut it to its capacity with ShortString().
#include "core/Currency.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qmr {

// The first `capacity` characters (Unicode code points) of `s`; never splits a
// multi-byte sequence.
std::string ShortString(std::string_view s, std::size_t capacity);

// Capacities of the short-string fields.
inline constexpr std::size_t kCisloBarvyLen = 6;  // TDbarva::Cislo
inline constexpr std::size_t kCisloRBarvyLen = 4; // TRbarva::Cislo
inline constexpr std::size_t kFixFormatLen = 4;   // Session::SFixFormat (first 4 characters of FixFormat)

// Infill type, filled from the infill catalogue.
struct TDVypln {
    int Polozka = -1; // index in the infill list, -1 none
    std::string Nazev;
    std::string Kod;
    bool Special = false;
    bool Hlinik = false;
    bool Dyha = false;
    bool Glas = false;
    bool RadaK = false;
    bool Lisovana = false;
    bool Kamen = false;
    bool Pulpanel = false;
    bool Dvojbarva = false;
    int Pozic = 0;
    bool Zetkova = false;
    bool Enkova = false;
    bool Rameckova = false;
    bool Excentr = false;
    bool AsymH = false;
    int PomerH = 0;
    bool AsymP = false;
    bool PravaV = false;
    int PomerP = 0;
    bool JednoZask = false;
    bool AkcniV = false;
    std::string FixFormat;
    int MaxVyskaF1 = 0;
    int MaxSirkaF1 = 0;
    int MaxVyskaF2 = 0;
    int MaxSirkaF2 = 0;
    int MinVyskaF1 = 0;
    int MinSirkaF1 = 0;
    int MinVyskaF2 = 0;
    int MinSirkaF2 = 0;
    int HraVyskaF1 = 0;
    int HraSirkaF1 = 0;
    int HraVyskaF2 = 0;
    int HraSirkaF2 = 0;
    int MinVyskaF2R2 = 0; // format 2 with frames
    int MinSirkaF2R2 = 0;
    int HraVyskaF2R2 = 0;
    int HraSirkaF2R2 = 0;
    int MinVyskaF2P1 = 0; // format 2 with overlay side 1
    int MinSirkaF2P1 = 0;
    int HraVyskaF2P1 = 0;
    int HraSirkaF2P1 = 0;
    int MinVyskaF2P2 = 0; // format 2 with overlay side 2
    int MinSirkaF2P2 = 0;
    int HraVyskaF2P2 = 0;
    int HraSirkaF2P2 = 0;
    int OZMPocet = 0; // number of outer-muntin variants
    int OZM1 = 0;
    int OZM2 = 0;
    int OZM3 = 0;
    int HPasek = 0; // horizontal lines of the overlay layout
    int VPasek = 0; // vertical lines of the overlay layout
    // Horizontal lines: position, relative value, measured from the opposite edge.
    int ZH1val = 0; int ZH1rel = 0; bool ZH1neg = false;
    int ZH2val = 0; int ZH2rel = 0; bool ZH2neg = false;
    int ZH3val = 0; int ZH3rel = 0; bool ZH3neg = false;
    int ZH4val = 0; int ZH4rel = 0; bool ZH4neg = false;
    int ZH5val = 0; int ZH5rel = 0; bool ZH5neg = false;
    int ZH6val = 0; int ZH6rel = 0; bool ZH6neg = false;
    // Vertical lines, likewise.
    int ZV1val = 0; int ZV1rel = 0; bool ZV1neg = false;
    int ZV2val = 0; int ZV2rel = 0; bool ZV2neg = false;
    int ZV3val = 0; int ZV3rel = 0; bool ZV3neg = false;
    int ZV4val = 0; int ZV4rel = 0; bool ZV4neg = false;
    int ZV5val = 0; int ZV5rel = 0; bool ZV5neg = false;
    int ZV6val = 0; int ZV6rel = 0; bool ZV6neg = false;
    // Base price by format (F1, F2) and glazing variant (S0..S6); see ZCF().
    int ZCF1S0 = 0, ZCF1S1 = 0, ZCF1S2 = 0, ZCF1S3 = 0, ZCF1S4 = 0, ZCF1S5 = 0, ZCF1S6 = 0;
    int ZCF2S0 = 0, ZCF2S1 = 0, ZCF2S2 = 0, ZCF2S3 = 0, ZCF2S4 = 0, ZCF2S5 = 0, ZCF2S6 = 0;
    int RM1cena = 0; // frame variant 1 price
    int RM2cena = 0; // frame variant 2 price
    bool RamJenAK = false; // frames only in the stainless finish
    int OP1cena = 0; // strip variants
    int OP2cena = 0;
    int OD1cena = 0; // groove variants
    int OD2cena = 0;
    int KMaxVyskaF2 = 0; // third format of the "K0" panel
    int KMaxSirkaF2 = 0;
    int KMinVyskaF2 = 0;
    int KMinSirkaF2 = 0;
    int KCF2ABS = 0; // base price of the "K0" panel in format 2

    // ZCF{f}S{z} by index; 0 for a format outside 1..2 or a variant outside 0..6.
    int ZCF(int f, int z) const;
    // Sets ZCF{f}S{z}; ignored outside the ranges above.
    void SetZCF(int f, int z, int value);
};

// Colour of the panel sides.
struct TDbarva {
    int Polozka = -1;
    std::string Nazev;
    std::string Kod;
    int BF1S1 = 0; // colour price by format 1, 2, 3 (half panel), first and second side
    int BF1S2 = 0;
    int BF2S1 = 0;
    int BF2S2 = 0;
    int BF3S1 = 0;
    int BF3S2 = 0;
    int PHPL1 = 0;  // HPL side price
    int VHPL1 = 0;  // oversize HPL surcharge
    int NetPS1 = 0; // net set-up price of the first colour
    int NetPS2 = 0; // net set-up price of each further colour
    int PrDekor = 0; // overlay colour price
    int PrDvojbarva1 = 0; // two-colour price without overlay
    int PrDvojbarva2 = 0; // two-colour price with overlay
    int Drevo = 0;
    bool Dyha = false;
    bool Hlinik = false;
    bool DDekor = false;
    bool Elox = false;
    bool Beton = false;
    bool ProHPL = false;
    bool JenomHPL = false;
    bool FixRal = false;
    bool Kamen = false;
    std::string Cislo; // colour number (e.g. RAL), short string of kCisloBarvyLen characters
    int ObjDni = 0;    // order lead time in days
    int ALABS = 0;
    int MaxVF1 = 0;
    int MaxVF2 = 0;
    int MaxSF1 = 0;
    int MaxSF2 = 0;
};

// Frame (strip, groove) colour.
struct TRbarva {
    int Polozka = -1;
    std::string Nazev;
    std::string Kod;
    int Drevo = 0;
    bool Hlinik = false;
    bool JenomHPL = false;
    int ALABS = 0;
    bool AK = false; // stainless finish
    bool Dyha = false;
    bool DDekor = false;
    bool Elox = false;
    bool FixRal = false;
    bool Beton = false;
    bool Kamen = false;
    std::string Cislo; // short string of kCisloRBarvyLen characters
    int ObjDni = 0;
    int NetPS1 = 0;
    int NetPS2 = 0;
};

// Accessory in one of the four slots.
struct TDDoplnek {
    int Polozka = -1; // -1: the slot is empty
    std::string Nazev;
    std::string Kod;
    bool Namontovat = false; // to be mounted
    bool Umisten = false;    // placed by coordinates
    bool MaDistanci = false; // has a spacer
    bool BezTloustky = false;
    bool AutoMontaz = false;
    bool MaxTl = false;
    bool Minimum = false;
    bool CenaNetto = false; // net price: added after the discount
    bool Neukazat = false;
    bool NeSMont = false;
    bool NeBezM = false;
    bool MadloVert = false; // vertical handle
    int MaxTloust = 99;
    int SCena = 0;   // price
    int SMontaz = 0; // mounting price
    int SCenaDR = 0; // spacer price
    int VzdVert = 0;
    Currency SPom;   // net total of the slot
    int SBarvaDR = -1; // spacer colour, index into cBarvaDR (-1 none chosen)
    int Tloustka = 0;
    int Zleva = 0; // placement from the left
    int Zdola = 0; // placement from the bottom
    int PocetKs = 1; // pieces
};

// Stained or sand-blasted glass.
struct TDVitraz {
    int Polozka = -1;
    std::string Nazev;
    std::string Kod;
    int VitrPis = 0; // kind, index into cVitrPis
    // Price by format (F1, F2) and glazing variant (S1..S6); see CF().
    int CF1S1 = 0, CF1S2 = 0, CF1S3 = 0, CF1S4 = 0, CF1S5 = 0, CF1S6 = 0;
    int CF2S1 = 0, CF2S2 = 0, CF2S3 = 0, CF2S4 = 0, CF2S5 = 0, CF2S6 = 0;

    // CF{f}S{z} by index; 0 for a format outside 1..2 or a variant outside 1..6.
    int CF(int f, int z) const;
    // Sets CF{f}S{z}; ignored outside the ranges above.
    void SetCF(int f, int z, int value);
};

// Glass pane.
struct TDdekor {
    int Polozka = -1;
    std::string Nazev;
    std::string Kod;
    int TypSkla = 0; // price class 1..4, 0 free
    int Tloustka = 0;
};

// Muntin.
struct TDMrizka {
    int Polozka = -1;
    std::string Nazev;
    std::string Kod;
    int SSirka = 0; // chosen width
    int SCena = 0;  // its price
    int Sirka1 = 0;
    int Cena1 = 0;
    int Sirka2 = 0;
    int Cena2 = 0;
    int Sirka3 = 0;
    int Cena3 = 0;
};

// Line layout of an overlay panel. The arrays are indexed 1..6 like the catalogue keys
// (ZH1..ZH6, ZV1..ZV6); element 0 is unused and stays 0.
struct TCary {
    int Tloustka = 0; // line thickness
    int HPocet = 0;   // number of horizontal lines, 0..6
    std::array<int, 7> Hpos{};
    std::array<int, 7> Hrel{};
    std::array<bool, 7> Hneg{};
    int VPocet = 0;   // number of vertical lines, 0..6
    std::array<int, 7> Vpos{};
    std::array<int, 7> Vrel{};
    std::array<bool, 7> Vneg{};
};

// The session's holders of one chosen catalogue record each.
struct TOVypln {
    TDVypln DVypln;
};
struct TOBarva {
    TDbarva DBarva;
};
struct TROBarva {
    TRbarva RBarva;
};
struct TDekor {
    TDdekor DDekor;
};
struct TOVitraz {
    TDVitraz DVitraz;
};
struct TOMrizka {
    TDMrizka DMrizka;
};
struct TODoplnek {
    TDDoplnek DDoplnek;
};

} // namespace qmr
