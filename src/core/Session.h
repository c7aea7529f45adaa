#pragma once
// The session state: everything that describes the one panel being configured, its
// prices, the quote/order data around it and the program paths. Dialogs, engines and
// the job file read and write the members directly. The application owns exactly one
// Session; tests make their own.
//
// A new Session holds the start values of the program and is in the reset state of
// ZrusVse (what the main window leaves after its creation), so engines and tests can use
// it as it is. Dates are day counts (30.12.1899 = 0).
#include "core/CatalogueFiles.h"
#include "core/CenyData.h"
#include "core/Constants.h"
#include "core/Currency.h"
#include "core/PartnerData.h"
#include "core/Records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qmr {

struct Session {
    // ---- Program-wide values -------------------------------------------------------
    std::string apCesta;   // program folder, ending with '/'
    std::string apData;    // data folder, apCesta + "DATA/"
    std::string apVerze{kVerze};
    float nVerze = kNVerze;
    std::string apDatum{kDatum}; // version date
    std::string apProgram;       // file name of the running executable
    // Main window position and size; dialogs centre on an 800 x 600 area at (VolbaLeft, VolbaTop).
    int VolbaTop = 0;
    int VolbaLeft = 0;
    int VolbaHeight = 0;
    int VolbaWidth = 0;
    // Start-up switches; off at start and never turned on during a run.
    bool apHeslo = false;    // password guard of the settings
    bool apZakaznik = false; // end-customer record in use
    bool apVyberOdb = false; // customer chosen from the company list

    // ---- Files, job and document data ---------------------------------------------
    std::string apConf;    // configuration file, apData + "Quilmar.cfg"
    std::string apPriloha; // order attachment file, apData + "QMRobj.qmr"
    std::string apSoubor;  // current job file name (no folder); made by VytvorJmeno
    std::string DataPath;  // folder of job files
    std::string apPath;    // full path of the current job file
    bool apEdited = false; // the session differs from the job file last saved or opened
    std::string apCislo;   // quote or order number
    std::string apPodpis;  // signature line
    double apTermin = 0;   // delivery date
    double apDatObj = 0;   // date of the order
    int apPocet = 0;       // pieces ordered
    bool apOdvoz = false;  // kind of transport of the order
    std::string apVolna1;  // end customer: free text line,
    int apVCena1 = 0;      // its price,
    int apMontaz = 0;      // and the mounting price
    std::string apFirma;   // customer company's name
    int TypZakazky = 0;    // 0 none chosen yet, 1 an infill panel, 2 accessories only
    bool SMail = false;    // the order has been sent by mail
    bool lPreview = false; // print preview instead of printing (never set)
    bool apKneprekryv = true;
    bool Cizina = false;   // foreign-customer pricing
    bool JdeTo = false;    // result of the path set-up
    bool VolbaNeniNil = false; // the main window exists
    bool apVypnoutPomer = true;
    bool TestMysi = false;

    // ---- Selected catalogue entries ----------------------------------------------
    TOVypln SVypln;                // chosen infill type
    TOBarva SBarva1;               // colour of the outer side
    TOBarva SBarva2;               // colour of the inner side
    TOBarva SBarva12;              // second colour of a two-colour outer side
    TROBarva RBarva1;              // colour of frame, strip or groove 1
    TROBarva RBarva2;              // ... and 2
    TROBarva PBarva1;              // working copies for the frame-colour dialog
    TROBarva PBarva2;
    TOVitraz SVitraz;              // stained or sand-blasted glass
    TDekor SDekor1;                // outer pane
    TDekor SDekor2;                // inner pane
    TDekor SDekorP;                // additional pane of a triple glazing
    TDekor SDekor4;                // second additional pane of a quadruple glazing
    TOMrizka SMrizka;              // muntin
    TODoplnek SDoplnek1;           // the four accessory slots
    TODoplnek SDoplnek2;
    TODoplnek SDoplnek3;
    TODoplnek SDoplnek4;
    std::vector<std::string> SPoznamky; // note lines of the job
    // Line layout of an overlay panel; cleared (ordinary thickness 10) as by VynulujCary.
    TCary SCary = [] { TCary c; c.Tloustka = 10; return c; }();
    bool Carame = false;           // SCary holds at least one line
    std::string KodVyplne;         // infill code and name, drawing code and name, muntin code
    std::string NazevVyplne;
    std::string KodRysu;
    std::string NazevRysu;
    std::string SKodMrizky;
    std::string SImage;            // picture of the chosen infill type
    // Texts of the panel description: infill (also the job file's name of it), overlay,
    // thickness, side 1 and side 2 (frame, groove or strip) and their colours.
    std::string SJmenoV;
    std::string SJmenoP;
    std::string SJmenoZ;
    std::string SJmenoR1;
    std::string SJmenoR2;
    std::string SBarvaR1;
    std::string SBarvaR2;

    // ---- What has been chosen -------------------------------------------------------
    bool VyplnVybrana = false;
    bool RozmerVybran = false;
    bool FixRozmer = false; // fixed dimensions (never set)
    bool PrekryvVybran = false;
    bool Prekryv2Vybran = false;
    bool BarvyVybrany = false;
    bool DekoryVybrany = false;
    bool VitrazVybrana = false;
    bool MrizkaVybrana = false;
    bool DoplnkyVybrany = false;
    bool NovaVypln = false;
    bool ObjMozna = false;
    bool ProjitVyztuze = false;
    bool ProselVyztuze = false;
    bool VidimPomRys = false;

    // ---- The infill as configured ----------------------------------------------------
    int SFormat = -1;   // format 1 or 2
    int SZaskleni = -1; // glazing variant 0..6
    int SSirka = 0;
    int SVyska = 0;
    int TurSirka = 0;
    int TurVyska = 0;
    int CTloustka = 0;   // panel thickness
    int PomTloustka = 0; // base thickness before reinforcement
    int STloustka = 0;   // sash frame thickness (overlay on both sides), else panel thickness - 2
    int STloustkaS = 0;  // room left for the glass panes
    bool SAkcni = false; // promotional model: no supplier discount
    bool SHlinik = false;  // outer side of aluminium
    bool SHlinik2 = false; // inner side of aluminium
    bool SDyha = false;    // outer side of wood veneer
    bool SDyha2 = false;
    bool SHPL1 = false;    // outer side of HPL
    bool SHPL2 = false;
    bool SGlas = false;    // glass panel
    bool SKamen = false;   // stone variant
    bool SKamen1 = false;  // stone frame on side 1
    bool SKamen2 = false;  // stone frame on side 2
    bool SBKamen = false;
    bool SDvojbarva = false; // two-colour outer side
    bool SZetkova = false;   // Z-type
    bool SEnkova = false;    // N-type
    bool SRameckova = false; // frame type
    bool SPulpanel = false;  // half panel
    bool SRadaK = false;     // K series
    bool SJednoZask = false; // single glazing
    bool SExcentr = false;   // eccentric
    bool SPravaV = false;
    bool SLisovana = false;  // pressed panel
    bool SAsymH = false;     // asymmetric division and its ratio
    int SPomerH = 0;
    bool SAsymp = false;
    int SPomerP = 0;
    bool SPrava = false;     // mirrored (right-hand) execution
    std::string SFixFormat;  // short string of kFixFormatLen characters
    int SPozic = 0;
    bool SNeload = false;    // special overlay picture loaded
    bool SMadlo = false;     // a handle accessory is mounted
    bool PrepisMadlo = false;
    bool Zesilena = false;   // the panel is reinforced (thicker)
    int SZesil = 0;          // thickness increase of a reinforced panel, mm
    int IndZesil = 0;        // index derived from SZesil by the pricing
    bool STrojsklo = false;  // triple glazing
    bool SCtyrsklo = false;  // quadruple glazing
    bool ZmensenyVyrez = false; // reduced cut-out
    int SVyztuz = -1;        // reinforcement variant, index into cVyztuz
    bool SPrekryvna = false; // overlay panel (wider than the sash opening)
    int SPrekryv = 0;        // overlay: 0 none, 1 one side, 2 both sides
    int PVL = 10;            // overlay on the left, right, top, bottom
    int PVP = 10;
    int PVH = 10;
    int PVD = 10;
    int PVL2 = 0;            // the same for the second side
    int PVP2 = 0;
    int PVH2 = 0;
    int PVD2 = 0;
    // Overlay dimension lines: top, bottom, left, right.
    int KotH1 = 0;
    int KotH2 = 0;
    int KotD1 = 0;
    int KotD2 = 0;
    int KotL1 = 0;
    int KotL2 = 0;
    int KotL3 = 0;
    int KotL4 = 0;
    int KotP1 = 0;
    int KotP2 = 0;
    int KotP3 = 0;
    int KotP4 = 0;
    int SStrana = 0;
    std::uint8_t StranaR = 0;
    bool SPosunOs = false;   // pattern shifted off the axis,
    int SHPosun = 0;         // horizontally
    int SVPosun = 0;         // and vertically
    double SHPomer = 0;      // drawing ratios
    double SVPomer = 0;

    // ---- Frames, muntins, strips and grooves ---------------------------------------
    // Catalogue variants (0 = none); 1 is the outer side, 2 the inner side.
    int VybranyRamecek = 0; // variant last picked in the frame, outer-muntin, strip,
    int VybranaOMrizka = 0; // groove and strip-with-groove dialogs
    int VybranaOPaska = 0;
    int VybranaOdrazka = 0;
    int VybranaOPDR = 0;
    int SRamecek1 = 0; // frame
    int SRamecek2 = 0;
    int SOMrizka = 0;  // outer muntin
    int SOPaska1 = 0;  // strip
    int SOPaska2 = 0;
    int SODrazka1 = 0; // groove
    int SODrazka2 = 0;
    int SODr1 = 0;     // groove added to a strip
    int SODr2 = 0;
    // What the chosen infill type allows.
    int MuzeRamecek = 0;
    int MuzeOMrizku = 0;
    int MuzeOPasku = 0;
    int MuzeODrazku = 0;
    int MuzeOPDr = 0;
    int MuzePrekryv = 0;
    bool RamPouzeAK = false; // frames only in the stainless finish
    bool ZesGratis = false;  // reinforcement free
    bool SklGratis = false;  // glass free
    bool MuzeTPR = false;    // reinforcement variants possible
    bool MuzeRC3 = false;
    bool MuzeRC2 = false;

    // ---- Limits (NastavMaxima) -----------------------------------------------------
    int MaxSirka = 0;   // panel
    int MaxVyska = 0;
    int MaxSirkaP1 = 0; // overlay side 1
    int MaxVyskaP1 = 0;
    int MaxSirkaP2 = 0; // overlay side 2
    int MaxVyskaP2 = 0;
    int hraSirka = 0;   // play values of the dimension dialogs
    int hraVyska = 0;

    // ---- Drawing placement -----------------------------------------------------------
    int RantlLeft = 0;
    int RantlTop = 0;
    // Horizontal lines.
    int PH1Top = 0, PH2Top = 0, PH3Top = 0, PH4Top = 0, PH5Top = 0, PH6Top = 0;
    int PH1Left = 0, PH2Left = 0, PH3Left = 0, PH4Left = 0, PH5Left = 0, PH6Left = 0;
    int PH1Sir = 0, PH2Sir = 0, PH3Sir = 0, PH4Sir = 0, PH5Sir = 0, PH6Sir = 0;
    // Vertical lines.
    int PV1Left = 0, PV2Left = 0, PV3Left = 0, PV4Left = 0, PV5Left = 0, PV6Left = 0;
    int PV1Vys = 0, PV2Vys = 0, PV3Vys = 0, PV4Vys = 0, PV5Vys = 0, PV6Vys = 0;

    // ---- Price outputs ---------------------------------------------------------------
    Currency nVypln;  // infill line with its surcharges, frames, strips, grooves, ...
    Currency nRozmer; // oversize HPL surcharge
    Currency nVyztuz; // reinforcement
    Currency nBarva1;
    Currency nBarva2;
    Currency nBarva12;
    Currency nVitraz;
    Currency nMrizka;
    Currency nDekor1; // glass panes
    Currency nDekor2;
    Currency nDekorP;
    Currency nDekor4;
    Currency nDoplnek1; // accessory slots (finally: the slot total)
    Currency nDoplnek2;
    Currency nDoplnek3;
    Currency nDoplnek4;
    Currency nMontaz1; // mounting per accessory slot
    Currency nMontaz2;
    Currency nMontaz3;
    Currency nMontaz4;
    Currency nDR1; // spacer per accessory slot
    Currency nDR2;
    Currency nDR3;
    Currency nDR4;
    int nPoc1 = 0; // pieces per accessory slot
    int nPoc2 = 0;
    int nPoc3 = 0;
    int nPoc4 = 0;
    Currency SNetto;    // net items added after the discount
    Currency nNakupKC;  // purchase price before discount
    Currency nSleva1;   // supplier discount, price after it, percentage
    Currency nPoSleve1;
    double nProcSlevy1 = 0;
    Currency nProdejni; // sale price before the customer discount
    Currency nSleva2;   // customer discount, price after it, percentage
    Currency nPoSleve2;
    double nProcSlevy2 = 0;
    Currency nPredSlevou; // shown: price before discount, discount, percentage, final price
    Currency nSleva;
    double nProcSlevy = 0;
    Currency nKonecna;
    Currency nMezisouc;   // subtotal shown by the main window
    double nDPH = 0;      // VAT percentage
    Currency nDopravaIn;  // transport to the dealer
    Currency nDopravaOut; // transport to the customer
    Currency nabDopravaIn; // transport shown on the quote
    Currency nTZ1;        // always 0
    Currency nTZ2;
    std::string cMenaObj; // currency of the order
    std::string cMenaNab; // currency of the quote
    bool lPrepObj = false; // order amounts converted to that currency
    bool lPrepNab = false; // quote amounts converted

    // ---- Catalogue lists ---------------------------------------------------------------
    // Built once at start; every flag array has one entry per list line. The catalogue
    // file being listed is a local of the list building, not kept here.
    std::vector<std::string> ListVyplni;
    std::vector<std::string> ListBarev;
    std::vector<std::string> ListPodkladu; // stays empty
    // Per infill type.
    std::vector<bool> ListHlinik;
    std::vector<bool> ListHladka;
    std::vector<bool> ListKamen;
    std::vector<bool> ListDyha;
    std::vector<bool> ListDvojbarva;
    std::vector<bool> ListGlas;
    std::vector<bool> ListZetkova;
    std::vector<bool> ListEnkova;
    std::vector<bool> ListAkcni;
    // Per colour.
    std::vector<bool> ListBHlinik;
    std::vector<bool> ListBHladka;
    std::vector<bool> ListBKamen;
    std::vector<bool> ListBBeton;
    std::vector<bool> ListBDyha;
    std::vector<bool> ListBDekor;
    std::vector<bool> ListBHPL;
    std::vector<int> ListBAlabs;

    // Parsed catalogue and configuration files (opened by full path, reloaded when changed).
    CatalogueFiles Soubory;

    // ---- Partner records, price settings and pictures ------------------------------
    // Added by their subsystems: the gateway connection HTTP and its response
    // HttpResult, and the pictures apPicture and apPomRys.
    TQuilmar Quilmar;     // the supplier, loaded by the main window (partners/UNaseDef.h)
    TFirma Firma;         // the dealer's company (partners/UJejichDef.h)
    TZakaznik Zakaznik;   // the end customer; in use only while apZakaznik is on
    TCeny SCeny;   // price settings, loaded by the main window and by every pricing
    TVolby SVolby; // preferences (proposed panel size)
};

// Session reset: used when a job file is opened and by the new-job command.
void ZrusVse(Session &s);

// Clears the line layout: no lines, thickness 15 for a Z-type panel, 10 otherwise.
void VynulujCary(Session &s, bool Zetkova);

// Size limits of the panel and of the overlay sides from the materials and colours.
// Urcite false (after reading a job file) caps an HPL panel at 900 x 2100.
void NastavMaxima(Session &s, bool Urcite);

// Path set-up from the executable's path: apCesta, apData, apConf, apPriloha. Always true.
bool OverConf(Session &s, const std::string &executablePath);

// The running executable's absolute path (from /proc/self/exe); empty when unknown.
std::string ExecutablePath();

// First start-up stage without windows: version, switches, apProgram, paths (JdeTo),
// apVypnoutPomer. An empty path means ExecutablePath(). Returns false when the start-up
// ends after the path set-up (JdeTo false); the caller then shows no splash and builds
// no lists.
bool InitSession(Session &s, const std::string &argv0OrExePath);

// Whether the start-up builds the catalogue lists, and whether it shows
// kHlaskaCiziReci afterwards; both depend on apProgram only.
bool StartBuildsCatalogueLists(const Session &s);
bool StartShowsForeignLanguageNotice(const Session &s);

// Default job-file name: keeps a name already given, otherwise "Nowy plik.qms" or
// apCislo + ".qms" (marking the session edited); LMail then gives it the extension ".qmr".
void VytvorJmeno(Session &s, bool LMail);

} // namespace qmr
