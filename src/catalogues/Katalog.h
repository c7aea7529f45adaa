#pragma once
// Access to the supplier's catalogue: one INI file per kind of item in the data folder,
// one section per item (section name = display name, key "Kod" = code), prices
// enciphered. The files come from the session's cache (Session::Soubory), so a catalogue
// is parsed once per run and again only when it changes on disk.
//
// Record readers: each fills the catalogue fields of one record from one section, with
// the defaults of the catalogue format, and returns whether the section exists (holds at
// least one key, as the INI service counts it). A missing section is no error: the record
// then holds the defaults (prices 0, flags false). Fields that are not catalogue data
// (list index Polozka, the slot state of an accessory, a colour's RAL number, ...) are
// left as the caller had them; each reader says which.
#include "core/Records.h"
#include "core/Session.h"
#include "core/TSifraSoubor.h"

#include <string>

namespace qmr {

// Catalogue file names in the data folder (the files are found in any case of the name).
inline constexpr const char *kVyplne = "vyplne.qmr";   // infill types
inline constexpr const char *kBarvy = "barvy.qmr";     // colours (panel sides and frames)
inline constexpr const char *kDekory = "dekory.qmr";   // glass (nothing enciphered)
inline constexpr const char *kDoplnky = "doplnky.qmr"; // accessories
inline constexpr const char *kVitraze = "vitraze.qmr"; // stained and sand-blasted glass
inline constexpr const char *kMrizky = "mrizky.qmr";   // muntins
inline constexpr const char *kFirmy = "firmy.qmr";     // customer companies
inline constexpr const char *kQuilmarSoubor = "quilmar.qmr"; // the supplier's own data

// What a code lookup gives when no section has the code.
inline constexpr const char *kNenalezeno = "?????";

// The catalogue file `jmeno` of the data folder (s.apData + jmeno), from the session's cache.
TSifraSoubor &Katalog(Session &s, const std::string &jmeno);

// The name of the first section, in file order, whose value of key `Nazev`, trimmed,
// equals `Kod`, trimmed (case-sensitive); "?????" when none does. An empty code matches
// nothing (a section without the key is no match for a job that names no item).
// One pass over the sections of the parsed file.
std::string NajdiStr(const IniFile &soubor, const std::string &Nazev, const std::string &Kod);

// Number of variants a pair of variant prices offers: 0 when the first is below 1,
// 1 when only the first is, 2 when both are 1 or more (frames, strips, grooves).
int PocetVariant(int Cena1, int Cena2);

// ---- Infill types ("vyplne.qmr") -------------------------------------------------------

// The infill type of section `sekce` as the job-file reader takes it again from the
// catalogue: Nazev := sekce; Kod; the type flags (Special, Hlinik, Dyha, Glas, RadaK,
// Pulpanel, Dvojbarva, Zetkova, Enkova, Rameckova, Excentr, AsymH, PravaV, AsymP,
// JednoZask, AkcniV); Kamen := false; Lisovana := none of Hlinik, RadaK, Glas, Dyha;
// Pozic (1), PomerH (100), PomerP (100), FixFormat (whole text; the session keeps its
// first 4 characters); size limits MaxVyskaF1 (2200), MaxSirkaF1 (1000), MaxVyskaF2 and
// MaxSirkaF2 (the F1 maxima), every other minimum, play and K0 limit (0); OZMPocet,
// OZM1..OZM3, HPasek, VPasek and the ZH/ZV line triples (0/false); enciphered
// ZCF1S0..ZCF2S6, KCF2ABS; frame prices RM1cena/RM2cena from RMF1S1/RM2F1S1, or from the
// stainless pair RMAF1S1/RMA2F1S1 when RMF1S1 is below 1, RamJenAK := the stainless pair
// was taken and priced; strip prices OP1cena/OP2cena (OPF1S1/OP2F1S1) and groove prices
// OD1cena/OD2cena (ODF1S1/OD2F1S1). Polozka is left as it was.
bool NactiVypln(const TSifraSoubor &soubor, const std::string &sekce, TDVypln &v);
bool NactiVypln(Session &s, const std::string &sekce, TDVypln &v);

// The same as the infill selection dialog takes it for a clicked entry. Differences from
// NactiVypln: MinVyskaF2/MinSirkaF2 default to the F1 minima; every infill but a pressed
// one takes its F1 maxima as F2 maxima; the frames are stainless-only (RamJenAK) for a
// frame-type infill of a glass family (s.SGlas) or a pressed one, otherwise when RMF1S1
// is below 1 and RMAF1S1 above 0, and RM1cena/RM2cena come from the stainless pair
// exactly then, else from RMF1S1/RM2F1S1.
bool NactiVyplnVyberu(Session &s, const std::string &sekce, TDVypln &v);

// ---- Colours ("barvy.qmr") ----------------------------------------------------------------

// A panel-side colour: Nazev := sekce; Kod; enciphered BF1S1..BF3S2, PHPL1, VHPL1, NETPS1,
// NETPS2, PRDEKOR, PRDVOJBARVA1, PRDVOJBARVA2; integers Drevo, ALABS, ObjDni, MaxVF1,
// MaxVF2, MaxSF1, MaxSF2 (0); flags Dyha, Hlinik, DDekor, Elox, Beton, ProHPL, JenomHPL,
// FixRal; Kamen := false (stone colours are not in use). Polozka and Cislo (the RAL
// number, set by the caller) are left as they were.
bool NactiBarvu(const TSifraSoubor &soubor, const std::string &sekce, TDbarva &b);
bool NactiBarvu(Session &s, const std::string &sekce, TDbarva &b);

// A frame colour: Nazev := sekce; Kod; Drevo, ObjDni (0); flags Hlinik, Dyha, DDekor,
// Elox, FixRal; Beton, Kamen := false; enciphered NETPS1, NETPS2. Polozka, AK (the
// stainless finish, chosen with the frame material), JenomHPL, ALABS and Cislo are left
// as they were.
bool NactiRBarvu(const TSifraSoubor &soubor, const std::string &sekce, TRbarva &b);
bool NactiRBarvu(Session &s, const std::string &sekce, TRbarva &b);

// ---- Glass ("dekory.qmr") -----------------------------------------------------------------

// A glass: Nazev := sekce; Kod (empty); TypSkla (0); Tloustka (4). Polozka is left.
bool NactiDekor(const TSifraSoubor &soubor, const std::string &sekce, TDdekor &d);
bool NactiDekor(Session &s, const std::string &sekce, TDdekor &d);

// Where a glass may be used (flags of the glass catalogue, default false).
struct RoleSkla {
    bool LNeDvojsklo = false; // not in double glazing, nor as outer pane of triple glazing
    bool LTroj1 = false;      // outer pane of triple or quadruple glazing
    bool LTroj2 = false;      // inner pane there
    bool LTrojU = false;      // middle pane
};
RoleSkla NactiRoleSkla(const TSifraSoubor &soubor, const std::string &sekce);
RoleSkla NactiRoleSkla(Session &s, const std::string &sekce);

// ---- Accessories ("doplnky.qmr") ----------------------------------------------------------

// An accessory: Nazev := sekce; Kod (empty); enciphered Cena, Montaz, CenaDR into SCena,
// SMontaz, SCenaDR; flags MaDistanci, AutoMontaz, BezTloustky, MadloVert, CenaNetto,
// LimitTl (into MaxTl), Minimum, Neukazat, NeSMont, NeBezM; VzdVert (0), MaxTloust (99).
// The slot state (Polozka, Namontovat, Umisten, SPom, SBarvaDR, Tloustka, Zleva, Zdola,
// PocetKs) is left as it was.
bool NactiDoplnek(const TSifraSoubor &soubor, const std::string &sekce, TDDoplnek &d);
bool NactiDoplnek(Session &s, const std::string &sekce, TDDoplnek &d);

// ---- Stained glass ("vitraze.qmr") --------------------------------------------------------

// A stained glass: Nazev := sekce; Kod (default: the section name); VitrPis (0);
// enciphered CF1S1..CF1S6, CF2S1..CF2S6. Polozka is left.
bool NactiVitraz(const TSifraSoubor &soubor, const std::string &sekce, TDVitraz &v);
bool NactiVitraz(Session &s, const std::string &sekce, TDVitraz &v);

// ---- Muntins ("mrizky.qmr") ---------------------------------------------------------------

// A muntin for glazing variant SZaskleni and format SFormat: Nazev := sekce; Kod (default
// "???"); Sirka1..Sirka3 := "SirkaS{z}1".."SirkaS{z}3" (0); Cena1..Cena3 := enciphered
// "CS{z}S1F{f}".."CS{z}S3F{f}"; SCena := CenaMrizky of the record's SSirka. Polozka and
// SSirka are left.
bool NactiMrizku(const TSifraSoubor &soubor, const std::string &sekce, TDMrizka &m,
                 int SZaskleni, int SFormat);
bool NactiMrizku(Session &s, const std::string &sekce, TDMrizka &m, int SZaskleni, int SFormat);

// Price of the chosen width SSirka: Cena1 when it is Sirka1, else Cena2 when it is
// Sirka2, else Cena3.
int CenaMrizky(const TDMrizka &m);

// ---- Lookup by code (the job-file reader) -------------------------------------------------
// (An infill type is looked up with NajdiStr and read with NactiVypln: a job whose infill
// code is unknown is refused with a message instead.)
// Each finds the section whose "Kod" is the record's Kod (NajdiStr) and reads it with the
// reader above, keeping the record's Kod. When no section has the code, Nazev becomes
// "?????" and the catalogue fields take their defaults. True when found.

bool NactiBarvuPodleKodu(Session &s, TDbarva &b);
bool NactiDekorPodleKodu(Session &s, TDdekor &d);
bool NactiDoplnekPodleKodu(Session &s, TDDoplnek &d);
// Keeps VitrPis too: the job file stores the kind with the code.
bool NactiVitrazPodleKodu(Session &s, TDVitraz &v);
bool NactiMrizkuPodleKodu(Session &s, TDMrizka &m, int SZaskleni, int SFormat);

// ---- Pictures of catalogue items ------------------------------------------------------------

// Whether a picture name built from catalogue data stays in its folder: not empty, no
// '/' or '\\', no "..", no NUL (so no absolute path either). An unsafe name loads no
// picture; it is not an error.
bool BezpecnyNazev(const std::string &nazev);

// apCesta + slozka + "/" + kod + ".jpg" (e.g. slozka "BARVY"); empty when kod is unsafe.
// The picture store finds folder and file without regard to case.
std::string CestaObrazku(const Session &s, const std::string &slozka, const std::string &kod);

} // namespace qmr
