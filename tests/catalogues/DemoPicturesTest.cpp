// The picture folders the build draws into the program folder from the demo catalogue
// (tools/mkpictures.cpp): every picture the program can ask for is there under the exact
// name it asks for, as a JPEG of the size its drawing rules give (5 mm of panel per pixel),
// and the hand-built configurations below find their drawings through NactiRys itself.
#include "catalogues/Katalog.h"
#include "catalogues/KodRysu.h"
#include "catalogues/PictureStore.h"
#include "catalogues/PotrebneObrazky.h"
#include "core/Session.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using qmr::PotrebnyObrazek;
using Target = qmr::PictureStore::Target;

#ifdef QMR_HAS_PICTURES
#define QMR_NEEDS_PICTURES() (void)0
#else
#define QMR_NEEDS_PICTURES() GTEST_SKIP() << "built without Qt6 Gui: the build draws no pictures"
#endif

std::string program() { return qmrtest::programDir() + "/"; }
bool existuje(const std::string &rel) { return fs::is_regular_file(program() + rel); }

std::string bajty(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Width and height of a JPEG from its frame header; {0, 0} when it is no JPEG.
std::pair<int, int> jpegRozmer(const std::string &path)
{
    const std::string b = bajty(path);
    const auto u8 = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
    if (b.size() < 4 || u8(0) != 0xFF || u8(1) != 0xD8)
        return {0, 0};
    std::size_t i = 2;
    while (i + 9 < b.size()) {
        if (u8(i) != 0xFF)
            return {0, 0};
        const int m = u8(i + 1);
        const std::size_t len = (std::size_t(u8(i + 2)) << 8) | u8(i + 3);
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC)
            return {(u8(i + 7) << 8) | u8(i + 8), (u8(i + 5) << 8) | u8(i + 6)};
        i += 2 + len;
    }
    return {0, 0};
}

// Pictures as the program folder holds them: a name must match exactly, so a picture
// written in another case than the program asks for counts as missing.
class Slozka : public qmr::PictureStore {
public:
    bool Exists(const std::string &path) const override { return fs::is_regular_file(path); }
    bool Load(Target t, const std::string &path) override
    {
        if (!fs::is_regular_file(path))
            return false;
        (t == Target::Picture ? picture : pomRys) = path;
        return true;
    }
    std::string picture, pomRys;
};

std::vector<PotrebnyObrazek> &vsechny()
{
    static std::vector<PotrebnyObrazek> v = qmr::PotrebneObrazky(program());
    return v;
}

TEST(DemoPictures, EveryPictureTheProgramAsksForIsInTheProgramFolder)
{
    QMR_NEEDS_PICTURES();
    const auto &obrazky = vsechny();
    ASSERT_GT(obrazky.size(), 200u) << "the demo catalogue should need a few hundred pictures";
    std::set<PotrebnyObrazek::Druh> druhy;
    std::vector<std::string> chybi;
    for (const PotrebnyObrazek &o : obrazky) {
        druhy.insert(o.druh);
        if (!existuje(o.cesta))
            chybi.push_back(o.cesta + " (" + o.kdo + ": " + o.popis + ")");
    }
    EXPECT_EQ(druhy.size(), 9u) << "drawings, infill, glazing, colour, glass, accessory, stained glass, logo, icon";
    EXPECT_TRUE(chybi.empty()) << chybi.size() << " missing, first: " << chybi.front();
}

TEST(DemoPictures, PicturesAreJpegsOfTheSizeTheirDrawingGives)
{
    QMR_NEEDS_PICTURES();
    int rysu = 0;
    for (const PotrebnyObrazek &o : vsechny()) {
        if (o.druh == PotrebnyObrazek::Druh::Ikona || !existuje(o.cesta))
            continue;
        SCOPED_TRACE(o.cesta);
        const auto [w, h] = jpegRozmer(program() + o.cesta);
        ASSERT_GT(w, 0) << "not a JPEG";
        if (o.druh == PotrebnyObrazek::Druh::Rys) {
            ++rysu;
            EXPECT_EQ(w, o.rys.SirkaPx);
            EXPECT_EQ(h, o.rys.VyskaPx);
            // The panel lies inside its picture.
            EXPECT_GE(o.rys.PanelX, 0);
            EXPECT_LE(o.rys.PanelX + o.rys.PanelSirka, o.rys.SirkaPx);
            EXPECT_LE(o.rys.PanelY + o.rys.PanelVyska, o.rys.VyskaPx);
        }
    }
    EXPECT_GT(rysu, 100);
}

TEST(DemoPictures, DrawingsShowThePanelAtFiveMillimetresPerPixelInsideTheMargin)
{
    QMR_NEEDS_PICTURES();
    // Panel size from the catalogue's maxima / 5, plus 20 px on every side.
    const struct {
        const char *soubor;
        int w, h;
    } tab[] = {
        {"RYSY/PAF1S1.jpg", 900 / 5 + 40, 2100 / 5 + 40},  // ABS 900 x 2100
        {"RYSY/B0F1S0.jpg", 1000 / 5 + 40, 2200 / 5 + 40}, // aluminium 1000 x 2200
        {"RYSY/HPF2S0.jpg", 900 / 5 + 40, 1000 / 5 + 40},  // half panel 900 x 1000
        {"RYSY/B0F3S0.jpg", 950 / 5 + 40, 2100 / 5 + 40},  // third format of K0: its K limits
        {"RYSY/G1F1S1C.jpg", 800 / 5 + 40, 1900 / 5 + 40}, // glass size letter C
        {"RYSY/HLF1S0.JPG", 1000 / 5, 2200 / 5},           // base of a line layout: the panel itself
        {"QMRlogo.jpg", 290, 170},
    };
    for (const auto &t : tab) {
        SCOPED_TRACE(t.soubor);
        ASSERT_TRUE(existuje(t.soubor));
        EXPECT_EQ(jpegRozmer(program() + t.soubor), std::make_pair(t.w, t.h));
    }
    const std::string ico = bajty(program() + "quilmar.ico");
    ASSERT_GE(ico.size(), 22u);
    EXPECT_EQ(ico.substr(0, 4), std::string("\0\0\1\0", 4)) << "an icon file";
    EXPECT_GE(static_cast<unsigned char>(ico[4]), 1) << "with at least one image";
}

// A configuration set by hand as the dialogs would leave it.
struct Konfig {
    const char *nazev;
    const char *sekce;                  // infill section of the demo catalogue
    bool hlinik2 = false;               // the AL/ABS family
    bool dyha = false;                  // the veneer flag as an opened job sets it
    int format = 1, zaskleni = 1;
    int ram1 = 0, ram2 = 0, pas1 = 0, pas2 = 0, dra1 = 0, dra2 = 0, omr = 0;
    bool prava = false, zmenseny = false;
    int prekryv = 0;
    int sirka = 0, vyska = 0; // dimensions chosen
    const char *mrizka = "";  // muntin code
    const char *hlavni = "";  // expected main picture (below RYSY/), "" none
    const char *pomocny = ""; // expected auxiliary picture of an overlay panel
};

TEST(DemoPictures, NactiRysFindsTheDrawingOfHandBuiltConfigurations)
{
    QMR_NEEDS_PICTURES();
    const Konfig tab[] = {
        {.nazev = "pressed panel, format 2, glazing 2", .sekce = "Aura", .format = 2, .zaskleni = 2, .hlavni = "PAF2S2.jpg"},
        {.nazev = "K series, second frame type", .sekce = "Kalia", .ram1 = 2, .hlavni = "BAF2S1R2.jpg"},
        {.nazev = "eccentric, format 2, right-hand", .sekce = "Nimbus", .format = 2, .prava = true, .hlavni = "NIF2S1P.jpg"},
        {.nazev = "eccentric, reduced cut-out, right-hand", .sekce = "Nimbus", .zaskleni = 2, .prava = true,
         .zmenseny = true, .hlavni = "NIF1S2ZP.jpg"},
        {.nazev = "glass 700 x 1800", .sekce = "Kryształ", .zaskleni = 3, .sirka = 700, .vyska = 1800, .hlavni = "G1F1S3C.jpg"},
        {.nazev = "glass 850 x 2000", .sekce = "Kryształ", .sirka = 850, .vyska = 2000, .hlavni = "G1F1S1B.jpg"},
        {.nazev = "glass without dimensions", .sekce = "Kryształ", .zaskleni = 2, .hlavni = "G1F1S2A.jpg"},
        {.nazev = "asymmetric, right-hand", .sekce = "Asymetria", .prava = true, .hlavni = "ASF1S1P.jpg"},
        {.nazev = "muntin over the glass", .sekce = "Aura", .zaskleni = 3, .mrizka = "PA-MR02", .hlavni = "PAF1S3M02.jpg"},
        {.nazev = "muntin on a framed panel", .sekce = "Alba", .ram1 = 1, .mrizka = "A1-MR01", .hlavni = "A1F2S1M01.jpg"},
        {.nazev = "veneer from an opened job", .sekce = "Dąb Klasyk", .dyha = true, .zaskleni = 0, .hlavni = "B1F1S0.jpg"},
        {.nazev = "veneer chosen in the dialog", .sekce = "Dąb Klasyk", .hlavni = "W1F1S1.jpg"},
        {.nazev = "third format of K0", .sekce = "Kappa", .format = 2, .zaskleni = 0, .hlavni = "B0F3S0.jpg"},
        {.nazev = "Z type with its strips", .sekce = "Zefir", .zaskleni = 2, .pas1 = 1, .hlavni = "Z1P1.jpg"},
        {.nazev = "N type, grooves on both sides", .sekce = "Enna", .zaskleni = 0, .dra1 = 1, .dra2 = 1, .hlavni = "N1P1.jpg"},
        {.nazev = "glued strips, type 2 inside", .sekce = "Bora", .pas2 = 2, .hlavni = "PBP2.jpg"},
        {.nazev = "half panel", .sekce = "Połówka", .format = 2, .zaskleni = 0, .hlavni = "HPF2S0.jpg"},
        {.nazev = "frame type", .sekce = "Rama", .ram1 = 1, .ram2 = 1, .hlavni = "R1F2S1.jpg"},
        {.nazev = "decorative muntin 2, reduced", .sekce = "Alba", .ram1 = 1, .omr = 2, .zmenseny = true, .hlavni = "A1M2Z.jpg"},
        {.nazev = "overlay, stainless frame type 2", .sekce = "Atlas", .ram1 = 2, .prekryv = 1,
         .hlavni = "PREKRYVB.JPG", .pomocny = "B0PF2S0R2.jpg"},
        {.nazev = "AL/ABS overlay", .sekce = "Kalia", .hlinik2 = true, .prekryv = 1, .hlavni = "PREKRYVK.JPG",
         .pomocny = "B0PF1S0.jpg"},
        {.nazev = "overlay with strips on side 1", .sekce = "Baza", .zaskleni = 0, .pas1 = 1, .prekryv = 1,
         .hlavni = "PREKRYVB.JPG", .pomocny = "B0P1.jpg"},
        {.nazev = "overlay of K0 (drawing code B0), reduced", .sekce = "Kappa", .hlinik2 = true, .zaskleni = 0,
         .zmenseny = true, .prekryv = 1, .hlavni = "PREKRYVK.JPG", .pomocny = "B0PF1S0Z.jpg"},
        {.nazev = "overlay with decorative muntin", .sekce = "Alba", .ram1 = 1, .omr = 2, .prekryv = 2,
         .hlavni = "PREKRYVB.JPG", .pomocny = "A1PM2.jpg"},
        {.nazev = "asymmetric overlay, right-hand, reduced", .sekce = "Asymetria", .prava = true, .zmenseny = true,
         .prekryv = 2, .hlavni = "PREKRYVB.JPG", .pomocny = "B0PF1S0ZP.jpg"},
        {.nazev = "overlay with line layout", .sekce = "Linea", .prekryv = 1, .hlavni = "PREKRYVB.JPG"},
    };
    for (const Konfig &k : tab) {
        SCOPED_TRACE(k.nazev);
        qmr::Session s;
        s.apCesta = program();
        s.apData = s.apCesta + "DATA/";
        ASSERT_TRUE(qmr::NactiVyplnVyberu(s, k.sekce, s.SVypln.DVypln)) << k.sekce;
        const qmr::TDVypln &v = s.SVypln.DVypln;
        s.SHlinik = v.Hlinik;
        s.SHlinik2 = k.hlinik2;
        s.SGlas = v.Glas;
        s.SDyha = k.dyha;
        s.SRadaK = v.RadaK;
        s.SExcentr = v.Excentr;
        s.SAsymH = v.AsymH;
        s.SPomerH = v.PomerH;
        s.SAsymp = v.AsymP;
        s.SPomerP = v.PomerP;
        s.SDvojbarva = v.Dvojbarva;
        s.SZetkova = v.Zetkova;
        s.SEnkova = v.Enkova;
        s.SFormat = k.format;
        s.SZaskleni = k.zaskleni;
        s.SRamecek1 = k.ram1;
        s.SRamecek2 = k.ram2;
        s.SOPaska1 = k.pas1;
        s.SOPaska2 = k.pas2;
        s.SODrazka1 = k.dra1;
        s.SODrazka2 = k.dra2;
        s.SOMrizka = k.omr;
        s.SPrava = k.prava;
        s.ZmensenyVyrez = k.zmenseny;
        s.SPrekryvna = k.prekryv > 0;
        s.SPrekryv = k.prekryv;
        s.RozmerVybran = k.sirka > 0;
        s.SSirka = k.sirka;
        s.SVyska = k.vyska;
        s.MrizkaVybrana = *k.mrizka != '\0';
        s.SKodMrizky = k.mrizka;
        s.VolbaNeniNil = true;
        s.Carame = true;
        qmr::NactiCary(s, qmr::Katalog(s, qmr::kVyplne), k.sekce, s.SZetkova);
        qmr::SetKodRysu(s, v.Kod);
        Slozka slozka;
        qmr::NactiRys(s, slozka);
        const std::string rysy = program() + "RYSY/";
        EXPECT_EQ(slozka.picture, *k.hlavni ? rysy + k.hlavni : std::string());
        EXPECT_EQ(slozka.pomRys, *k.pomocny ? rysy + k.pomocny : std::string());
        if (*k.pomocny || !s.SPrekryvna) {
            EXPECT_NE(s.NazevRysu, " ") << "the drawing was loaded";
        }
        if (std::string(k.sekce) == "Linea") {
            EXPECT_TRUE(s.Carame) << "the line layout is drawn over the base picture";
        }
    }
}

// The catalogue files of the program folder.
const qmr::TSifraSoubor &katalog(const char *jmeno)
{
    static qmr::Session s = [] {
        qmr::Session x;
        x.apCesta = program();
        x.apData = x.apCesta + "DATA/";
        return x;
    }();
    return qmr::Katalog(s, jmeno);
}

TEST(DemoPictures, EveryInfillTypeHasItsSelectionPicturesAndNoStrayFramePicture)
{
    QMR_NEEDS_PICTURES();
    const qmr::TSifraSoubor &f = katalog(qmr::kVyplne);
    const auto sekce = f.ReadSections();
    ASSERT_GE(sekce.size(), 20u);
    for (const std::string &s : sekce) {
        const std::string kod = f.ReadString(s, "Kod", "");
        SCOPED_TRACE(s + " (" + kod + ")");
        EXPECT_TRUE(existuje("VYPLNE/" + kod + "1.jpg"));
        // A loaded picture 2 switches the dialog to format 2 of a pressed panel or to the
        // frame: a type that has neither must not have one.
        const auto B = [&](const char *k) { return f.ReadBool(s, k, false); };
        const bool lisovana = !(B("Hlinik") || B("RadaK") || B("Glas") || B("Dyha"));
        bool maF2 = false;
        for (int z = 0; z <= 6; ++z)
            maF2 = maF2 || f.ReadSifra(s, "ZCF2S" + std::to_string(z)) > 0;
        const bool ramecek = B("Rameckova") || f.ReadSifra(s, "RMF1S1") > 0 || f.ReadSifra(s, "RMAF1S1") > 0;
        if (existuje("VYPLNE/" + kod + "2.jpg")) {
            EXPECT_TRUE(lisovana ? maF2 : ramecek) << "picture 2 without format 2 or frame";
        }
        // Picture 3: a decorative muntin, or the third format of K0.
        if (existuje("VYPLNE/" + kod + "3.jpg")) {
            EXPECT_TRUE(f.ReadInteger(s, "OZMPocet", 0) > 0 || kod == "K0");
        }
    }
    // The variants the demo catalogue offers in pictures.
    for (const char *n : {"PA2", "PC2", "NI2", "HP2", "K03", "A12", "A13", "A42", "R12"})
        EXPECT_TRUE(existuje(std::string("VYPLNE/") + n + ".jpg")) << n;
    for (const char *n : {"G12", "W12", "SO2", "DU2", "Z12", "N12"})
        EXPECT_FALSE(existuje(std::string("VYPLNE/") + n + ".jpg")) << n;
}

TEST(DemoPictures, GlazingDialogHasAPictureForEveryPricedLayoutItOffers)
{
    QMR_NEEDS_PICTURES();
    const qmr::TSifraSoubor &f = katalog(qmr::kVyplne);
    int dialogu = 0;
    for (const std::string &s : f.ReadSections()) {
        const auto B = [&](const char *k) { return f.ReadBool(s, k, false); };
        const std::string kod = f.ReadString(s, "Kod", "");
        const bool fix = B("JednoZask") && !f.ReadString(s, "FixFormat", "").empty();
        // The start flow decides the glazing itself for these.
        if (B("Hlinik") || B("RadaK") || B("Pulpanel") || fix)
            continue;
        ++dialogu;
        SCOPED_TRACE(kod);
        for (int z = 0; z <= 6; ++z) {
            if (f.ReadSifra(s, "ZCF1S" + std::to_string(z)) > 0) {
                EXPECT_TRUE(existuje("ZASKLENI/" + kod + "F1S" + std::to_string(z) + ".jpg")) << z;
            }
        }
        // Format 2 is reached through picture 2 or the frame.
        const bool f2 = existuje("VYPLNE/" + kod + "2.jpg") || f.ReadSifra(s, "RMF1S1") > 0;
        for (int z = 0; z <= 6 && f2; ++z) {
            if (f.ReadSifra(s, "ZCF2S" + std::to_string(z)) > 0) {
                EXPECT_TRUE(existuje("ZASKLENI/" + kod + "F2S" + std::to_string(z) + ".jpg")) << z;
            }
        }
    }
    EXPECT_GE(dialogu, 6);
}

TEST(DemoPictures, EveryColourGlassAccessoryAndStainedGlassHasItsPicture)
{
    QMR_NEEDS_PICTURES();
    const struct {
        const char *soubor;
        const char *slozka;
    } tab[] = {{qmr::kBarvy, "BARVY/"}, {qmr::kDekory, "DEKORY/"}, {qmr::kDoplnky, "DOPLNKY/"}, {qmr::kVitraze, "VITRAZE/"}};
    for (const auto &t : tab) {
        const qmr::TSifraSoubor &f = katalog(t.soubor);
        const auto sekce = f.ReadSections();
        EXPECT_GE(sekce.size(), 5u) << t.soubor;
        for (const std::string &s : sekce) {
            const std::string kod = f.ReadString(s, "Kod", s);
            EXPECT_TRUE(existuje(t.slozka + kod + ".jpg")) << t.slozka << kod << " for " << s;
        }
    }
    // Stained glass by format and glazing, convex glass by infill and glazing.
    for (const char *n : {"VITRAZE/PAW01F1S1.jpg", "VITRAZE/PAP01F2S2.jpg", "VITRAZE/PBW01F2S1.jpg",
                          "DEKORY/wyp6PAS1.jpg", "DEKORY/wyp6G1S3.jpg"})
        EXPECT_TRUE(existuje(n)) << n;
}

} // namespace
