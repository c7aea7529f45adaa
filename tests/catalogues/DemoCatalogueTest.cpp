// The demo catalogue placed in the program folder by the build (tools/demo-src through
// qmr-mkdemo): the files look like a supplier's, read back as their sources, and cover
// every branch the pricing, the description and the drawing codes tell apart, so that a
// newcomer can configure each kind of panel at once.
#include "catalogues/CatalogueKeys.h"
#include "core/IniFile.h"
#include "core/TSifraSoubor.h"
#include "core/TextCodec.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using qmr::JeSifrovany;
using qmr::TSifraSoubor;

const std::vector<std::string> kFiles = {"vyplne.qmr",  "barvy.qmr",   "dekory.qmr",
                                         "doplnky.qmr", "vitraze.qmr", "mrizky.qmr",
                                         "firmy.qmr",   "quilmar.qmr", "Quilmar.cfg"};

std::string dataPath(const std::string &name) { return qmrtest::programDir() + "/DATA/" + name; }
std::string sourcePath(const std::string &name) { return qmrtest::sourceDir() + "/tools/demo-src/" + name + ".ini"; }

// One generated file with convenient typed reads of its sections.
class Cat {
public:
    explicit Cat(const std::string &name) : f_(dataPath(name)), sections_(f_.ReadSections()) {}
    const std::vector<std::string> &sections() const { return sections_; }
    int price(const std::string &s, const std::string &k) const { return f_.ReadSifra(s, k); }
    int num(const std::string &s, const std::string &k, int def = 0) const { return f_.ReadInteger(s, k, def); }
    bool flag(const std::string &s, const std::string &k) const { return f_.ReadBool(s, k, false); }
    std::string str(const std::string &s, const std::string &k) const { return f_.ReadString(s, k, ""); }
    bool has(const std::string &s, const std::string &k) const { return f_.ValueExists(s, k); }
    bool any(const std::function<bool(const std::string &)> &pred) const
    {
        for (const auto &s : sections_) {
            if (pred(s))
                return true;
        }
        return false;
    }
    // Section name whose Kod is kod, or empty.
    std::string byKod(const std::string &kod) const
    {
        for (const auto &s : sections_) {
            if (str(s, "Kod") == kod)
                return s;
        }
        return {};
    }

private:
    TSifraSoubor f_;
    std::vector<std::string> sections_;
};

std::string fz(int f, int z) { return "F" + std::to_string(f) + "S" + std::to_string(z); }

TEST(DemoCatalogue, ProgramFolderHasAllNineFiles)
{
    for (const auto &name : kFiles) {
        SCOPED_TRACE(name);
        const fs::path p = dataPath(name);
        ASSERT_TRUE(fs::is_regular_file(p)) << p << " is missing; the build target qmr_demo_data writes it";
        EXPECT_GT(fs::file_size(p), 100u);
        EXPECT_FALSE(fs::exists(p.string() + ".mkdemo-tmp")) << "a temporary file was left behind";
    }
}

TEST(DemoCatalogue, FilesAreWindows1250WithCrlfLikeASuppliersFiles)
{
    for (const auto &name : kFiles) {
        SCOPED_TRACE(name);
        const std::string bytes = qmrtest::TempDir::read(dataPath(name));
        ASSERT_FALSE(bytes.empty());
        EXPECT_NE(bytes.compare(0, 3, "\xEF\xBB\xBF"), 0) << "UTF-8 byte order mark";
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
            }
        }
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        // Every section header stands in the file in its Windows-1250 bytes.
        qmr::IniFile src(sourcePath(name));
        for (const auto &sec : src.ReadSections()) {
            std::string cp;
            ASSERT_TRUE(qmr::text::Utf8ToCp1250(sec, cp)) << sec;
            EXPECT_NE(bytes.find("\r\n[" + cp + "]\r\n"), std::string::npos) << "[" << sec << "]";
        }
    }
    // A Polish letter is one Windows-1250 byte, not its UTF-8 pair.
    const std::string vyplne = qmrtest::TempDir::read(dataPath("vyplne.qmr"));
    EXPECT_NE(vyplne.find("[Po\xB3\xF3wka]"), std::string::npos);
    EXPECT_EQ(vyplne.find("Po\xC5\x82\xC3\xB3wka"), std::string::npos);
    const std::string cfg = qmrtest::TempDir::read(dataPath("Quilmar.cfg"));
    EXPECT_NE(cfg.find("Nazev1=Salon Drzwi Przyk\xB3" "adowy\r\n"), std::string::npos);
}

TEST(DemoCatalogue, EveryValueReadsBackAsInItsSourceInSourceOrder)
{
    for (const auto &name : kFiles) {
        SCOPED_TRACE(name);
        qmr::IniFile src(sourcePath(name));
        TSifraSoubor out(dataPath(name));
        ASSERT_EQ(out.ReadSections(), src.ReadSections());
        for (const auto &sec : src.ReadSections()) {
            SCOPED_TRACE(sec);
            ASSERT_EQ(out.ReadSection(sec), src.ReadSection(sec));
            for (const auto &key : src.ReadSection(sec)) {
                const std::string plain = src.ReadString(sec, key, "?");
                const std::string stored = out.ReadString(sec, key, "?");
                if (JeSifrovany(name, key)) {
                    EXPECT_NE(stored, plain) << key << " is stored in plain";
                    EXPECT_EQ(out.ReadSifra(sec, key), std::stoi(plain)) << key;
                    EXPECT_EQ(qmr::Decrypt(stored), std::stoi(plain)) << key;
                } else {
                    EXPECT_EQ(stored, plain) << key;
                }
            }
        }
    }
}

TEST(DemoCatalogue, AListedZeroPriceIsWrittenEnciphered)
{
    // Stainless-only frames: RMF1S1 is present and 0, so the selection takes RMAF1S1.
    TSifraSoubor f(dataPath("vyplne.qmr"));
    ASSERT_TRUE(f.ValueExists("Atlas", "RMF1S1"));
    const std::string raw = f.ReadString("Atlas", "RMF1S1", "");
    EXPECT_EQ(raw.substr(0, 4), "1212");
    EXPECT_EQ(f.ReadSifra("Atlas", "RMF1S1"), 0);
    EXPECT_GT(f.ReadSifra("Atlas", "RMAF1S1"), 0);
}

TEST(DemoCatalogue, EncipheredKeysByFile)
{
    struct Case {
        const char *file, *key;
        bool enciphered;
    } cases[] = {
        {"vyplne.qmr", "ZCF1S0", true},       {"VYPLNE.QMR", "zcf2s6", true},
        {"vyplne.qmr", "ZCF3S1", false},      {"vyplne.qmr", "ZCF1S7", false},
        {"vyplne.qmr", "ZS5F2S3", true},      {"vyplne.qmr", "ZSVF1S0", true},
        {"vyplne.qmr", "ZSF1E2", true},       {"vyplne.qmr", "ZSF3E1", false},
        {"vyplne.qmr", "BF1S0", true},        {"vyplne.qmr", "TPF2S6", true},
        {"vyplne.qmr", "TVF1S2", true},       {"vyplne.qmr", "CCF2S0", true},
        {"vyplne.qmr", "BMF2S6", true},       {"vyplne.qmr", "BMF1S0", false},
        {"vyplne.qmr", "SSMF1S1", true},      {"vyplne.qmr", "SSMF1S0", false},
        {"vyplne.qmr", "VSF2S3", true},       {"vyplne.qmr", "SSOF1S1", true},
        {"vyplne.qmr", "TRF2S0", true},       {"vyplne.qmr", "K3F1S4", true},
        {"vyplne.qmr", "KCF2ABS", true},      {"vyplne.qmr", "HLF1S1", true},
        {"vyplne.qmr", "HLF2S1", false},      {"vyplne.qmr", "RMAF1S1", true},
        {"vyplne.qmr", "RMA2F1S1", true},     {"vyplne.qmr", "RMSTF1S1", false},
        {"vyplne.qmr", "OD2F1S1", true},      {"vyplne.qmr", "FFF1S1", true},
        {"vyplne.qmr", "KMaxVyskaF2", false}, {"vyplne.qmr", "OZM1", false},
        {"vyplne.qmr", "Kod", false},         {"vyplne.qmr", "", false},
        {"vyplne.qmr", "PHPL1", false},       {"vyplne.qmr", "ZCF1S1x", false},
        {"barvy.qmr", "BF1S1", true},         {"Barvy.qmr", "bf3s2", true},
        {"barvy.qmr", "BF1S3", false},        {"barvy.qmr", "BF4S1", false},
        {"barvy.qmr", "NetPS1", true},        {"barvy.qmr", "NETPS2", true},
        {"barvy.qmr", "PRDEKOR", true},       {"barvy.qmr", "PRDVOJBARVA2", true},
        {"barvy.qmr", "PHPL1", true},         {"barvy.qmr", "VHPL1", true},
        {"barvy.qmr", "ALABS", false},        {"barvy.qmr", "ZCF1S1", false},
        {"doplnky.qmr", "Cena", true},        {"Doplnky.qmr", "MONTAZ", true},
        {"doplnky.qmr", "CenaDR", true},      {"doplnky.qmr", "MaxTloust", false},
        {"vitraze.qmr", "CF2S6", true},       {"vitraze.qmr", "CF1S0", false},
        {"vitraze.qmr", "VitrPis", false},    {"mrizky.qmr", "CS2S3F1", true},
        {"mrizky.qmr", "CS6S1F2", true},      {"mrizky.qmr", "CS0S1F1", false},
        {"mrizky.qmr", "CS1S4F1", false},     {"mrizky.qmr", "SirkaS21", false},
        {"dekory.qmr", "TypSkla", false},     {"firmy.qmr", "Rabat", false},
        {"quilmar.qmr", "Mail", false},       {"Quilmar.cfg", "DPHin", false},
        {"job.qms", "ZCF1S1", false},         {"/opt/q/DATA/Vyplne.qmr", "ZCF1S1", true},
        {"C:\\Q\\DATA\\BARVY.QMR", "BF2S2", true}, {"vyplne.qmr.bak", "ZCF1S1", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(JeSifrovany(c.file, c.key), c.enciphered) << c.file << " " << c.key;
}

struct Coverage {
    const char *what;
    std::function<bool()> holds;
};

void expectAll(const std::vector<Coverage> &table)
{
    for (const auto &c : table)
        EXPECT_TRUE(c.holds()) << "no demo item: " << c.what;
}

TEST(DemoCatalogue, InfillsCoverEveryPricingDescriptionAndDrawingBranch)
{
    Cat v("vyplne.qmr");
    auto any = [&](auto pred) { return [&v, pred] { return v.any(pred); }; };
    auto kod = [&](const char *k) { return [&v, k] { return !v.byKod(k).empty(); }; };
    const std::vector<Coverage> table = {
        {"at least 14 infill types", [&] { return v.sections().size() >= 14; }},
        {"aluminium", any([&](auto &s) { return v.flag(s, "Hlinik"); })},
        {"veneer", any([&](auto &s) { return v.flag(s, "Dyha"); })},
        {"glass", any([&](auto &s) { return v.flag(s, "Glas"); })},
        {"K series", any([&](auto &s) { return v.flag(s, "RadaK"); })},
        {"pressed ABS (no material flag)", any([&](auto &s) {
             return !v.flag(s, "Hlinik") && !v.flag(s, "RadaK") && !v.flag(s, "Glas") && !v.flag(s, "Dyha");
         })},
        {"half panel", any([&](auto &s) { return v.flag(s, "Pulpanel"); })},
        {"Z-type", any([&](auto &s) { return v.flag(s, "Zetkova"); })},
        {"N-type", any([&](auto &s) { return v.flag(s, "Enkova"); })},
        {"frame type", any([&](auto &s) { return v.flag(s, "Rameckova"); })},
        {"two-colour with two positions",
         any([&](auto &s) { return v.flag(s, "Dvojbarva") && v.num(s, "Pozic", 1) == 2; })},
        {"promotional model", any([&](auto &s) { return v.flag(s, "AkcniV"); })},
        {"single glazing with a fixed format F?S?", any([&](auto &s) {
             const std::string ff = v.str(s, "FixFormat");
             return v.flag(s, "JednoZask") && ff.size() == 4 && ff[0] == 'F' && ff[2] == 'S';
         })},
        {"eccentric", any([&](auto &s) { return v.flag(s, "Excentr"); })},
        {"asymmetric horizontally with a ratio",
         any([&](auto &s) { return v.flag(s, "AsymH") && v.num(s, "PomerH", 100) != 100; })},
        {"asymmetric vertically with a ratio and PravaV", any([&](auto &s) {
             return v.flag(s, "AsymP") && v.num(s, "PomerP", 100) != 100 && v.flag(s, "PravaV");
         })},
        {"Special", any([&](auto &s) { return v.flag(s, "Special"); })},
        {"free reinforcement", any([&](auto &s) { return v.flag(s, "ZesGratis"); })},
        {"free glass", any([&](auto &s) { return v.flag(s, "SklGratis"); })},
        {"code K0", kod("K0")},
        {"code NI", kod("NI")},
        {"code PC", kod("PC")},
        {"code B0", kod("B0")},
        {"K0 with its third format", [&] {
             const auto s = v.byKod("K0");
             return !s.empty() && v.flag(s, "RadaK") && v.price(s, "KCF2ABS") > 0 && v.num(s, "KMaxVyskaF2") > 0 &&
                    v.num(s, "KMaxSirkaF2") > 0 && v.num(s, "KMinVyskaF2") > 0 && v.num(s, "KMinSirkaF2") > 0;
         }},
        {"NI eccentric in both formats", [&] {
             const auto s = v.byKod("NI");
             return !s.empty() && v.flag(s, "Excentr") && v.price(s, "ZCF2S1") > 0;
         }},
        {"PC with a second format", [&] { return v.price(v.byKod("PC"), "ZCF2S0") > 0; }},
        {"one frame variant", any([&](auto &s) {
             return !v.flag(s, "Rameckova") && v.price(s, "RMF1S1") > 0 && v.price(s, "RM2F1S1") == 0;
         })},
        {"two frame variants",
         any([&](auto &s) { return v.price(s, "RMF1S1") > 0 && v.price(s, "RM2F1S1") > 0; })},
        {"non-decor frame", any([&](auto &s) { return v.flag(s, "RMSTF1S1") && v.price(s, "RMF1S1") > 0; })},
        {"stainless-only frames (RMF1S1 0, RMAF1S1 priced), two variants", any([&](auto &s) {
             return v.has(s, "RMF1S1") && v.price(s, "RMF1S1") == 0 && v.price(s, "RMAF1S1") > 0 &&
                    v.price(s, "RMA2F1S1") > 0;
         })},
        {"two strip variants", any([&](auto &s) { return v.price(s, "OPF1S1") > 0 && v.price(s, "OP2F1S1") > 0; })},
        {"two groove variants in the aluminium family", any([&](auto &s) {
             return v.flag(s, "Hlinik") && v.price(s, "ODF1S1") > 0 && v.price(s, "OD2F1S1") > 0;
         })},
        {"strips and grooves (strip-grooves) in the aluminium family", any([&](auto &s) {
             return v.flag(s, "Hlinik") && !v.flag(s, "Enkova") && v.price(s, "OPF1S1") > 0 &&
                    v.price(s, "ODF1S1") > 0;
         })},
        {"strips and grooves in the K series", any([&](auto &s) {
             return v.flag(s, "RadaK") && v.price(s, "OPF1S1") > 0 && v.price(s, "ODF1S1") > 0;
         })},
        {"overlay on one side only", any([&](auto &s) { return v.price(s, "FMF1S1") > 0 && v.price(s, "FFF1S1") == 0; })},
        {"overlay on both sides", any([&](auto &s) { return v.price(s, "FFF1S1") > 0; })},
        {"inner-side surcharge HLF1S1", any([&](auto &s) { return v.price(s, "HLF1S1") > 0; })},
        {"decorative muntin with counts", any([&](auto &s) {
             return v.num(s, "OZMPocet") > 1 && v.num(s, "OZM1") > 0 && v.num(s, "OZM2") > 0;
         })},
        {"line layout on an overlay panel", any([&](auto &s) {
             return v.num(s, "HPasek") > 0 && v.num(s, "VPasek") > 0 && v.num(s, "ZH1val") > 0 &&
                    v.num(s, "ZV1val") > 0 && v.flag(s, "ZH2neg") && v.price(s, "FMF1S1") > 0;
         })},
        {"prices kept only by the price tool", any([&](auto &s) {
             return v.price(s, "SSOF1S1") > 0 && v.price(s, "K1F1S1") > 0 && v.price(s, "K3F1S1") > 0 &&
                    v.price(s, "TRF1S1") > 0;
         })},
    };
    expectAll(table);
}

TEST(DemoCatalogue, EveryInfillIsCompletelyPricedForWhatItOffers)
{
    Cat v("vyplne.qmr");
    for (const auto &s : v.sections()) {
        SCOPED_TRACE(s);
        bool anyLayout = false;
        for (int f = 1; f <= 2; ++f) {
            bool formatOffered = false;
            for (int z = 0; z <= 6; ++z) {
                if (v.price(s, "ZC" + fz(f, z)) <= 0)
                    continue;
                anyLayout = formatOffered = true;
                for (const char *p : {"ZS5", "ZS", "ZSV", "B", "TP", "TV", "CC"})
                    EXPECT_GT(v.price(s, p + fz(f, z)), 0) << p << fz(f, z);
                if (z >= 1) {
                    for (const char *p : {"BM", "PS", "SSM", "VS"})
                        EXPECT_GT(v.price(s, p + fz(f, z)), 0) << p << fz(f, z);
                }
            }
            if (formatOffered) {
                EXPECT_GT(v.price(s, "ZSF" + std::to_string(f) + "E1"), 0);
                EXPECT_GT(v.price(s, "ZSF" + std::to_string(f) + "E2"), 0);
            }
        }
        EXPECT_TRUE(anyLayout);

        // The pricing charges frames from RMA*, strips of Z-types and grooves of N-types with the type.
        if (v.price(s, "RMF1S1") > 0 || v.flag(s, "Rameckova")) {
            EXPECT_GT(v.price(s, "RMAF1S1"), 0);
        }
        if (v.price(s, "RM2F1S1") > 0) {
            EXPECT_GT(v.price(s, "RMA2F1S1"), 0);
        }
        if (v.flag(s, "Zetkova")) {
            EXPECT_GT(v.price(s, "OPF1S1"), 0);
        }
        if (v.flag(s, "Enkova")) {
            EXPECT_GT(v.price(s, "ODF1S1"), 0);
        }
        if (v.price(s, "OP2F1S1") > 0) {
            EXPECT_GT(v.price(s, "OPF1S1"), 0);
        }
        if (v.price(s, "OD2F1S1") > 0) {
            EXPECT_GT(v.price(s, "ODF1S1"), 0);
        }

        // Overlay choices the selection offers: both sides for aluminium (one for a two-colour
        // panel), one side for the K series (AL/ABS), glass and veneer (AL/wood).
        if (v.flag(s, "Hlinik") || v.flag(s, "RadaK") || v.flag(s, "Glas") || v.flag(s, "Dyha")) {
            EXPECT_GT(v.price(s, "FMF1S1"), 0);
        }
        if (v.flag(s, "Hlinik") && !v.flag(s, "Dvojbarva")) {
            EXPECT_GT(v.price(s, "FFF1S1"), 0);
            // a thick second panel of a two-sided overlay is charged by these
            EXPECT_GT(v.price(s, "ZSF1S0"), 0);
            EXPECT_GT(v.price(s, "ZSVF1S0"), 0);
        }
        // HPL sides are priced from format 2.
        if (v.flag(s, "RadaK")) {
            for (int z = 0; z <= 6; ++z) {
                if (v.price(s, "ZC" + fz(1, z)) > 0) {
                    EXPECT_GT(v.price(s, "ZC" + fz(2, z)), 0) << z;
                }
            }
        }

        // The start flow decides the layout without asking for these kinds; it must be priced.
        const std::string k = v.str(s, "Kod");
        const std::string ff = v.str(s, "FixFormat").substr(0, 4);
        if (v.flag(s, "JednoZask") && !ff.empty()) {
            EXPECT_GT(v.price(s, "ZC" + ff), 0) << ff;
        } else if (v.flag(s, "Dyha") || v.flag(s, "Hlinik") || v.flag(s, "RadaK") || v.flag(s, "Pulpanel")) {
            const bool s0 = k == "B0" || k == "K0" || k == "D0" || k == "W0" || v.flag(s, "Zetkova") ||
                            v.flag(s, "Enkova") || v.flag(s, "Pulpanel");
            EXPECT_GT(v.price(s, "ZC" + fz(v.flag(s, "Pulpanel") ? 2 : 1, s0 ? 0 : 1)), 0);
        }

        // Limits within the program's caps.
        const int maxV = v.num(s, "MaxVyskaF1", 2200), maxS = v.num(s, "MaxSirkaF1", 1000);
        EXPECT_LT(v.num(s, "MinVyskaF1"), maxV);
        EXPECT_LT(v.num(s, "MinSirkaF1"), maxS);
        EXPECT_LE(maxV, v.flag(s, "Pulpanel") ? 1000 : 2200);
        EXPECT_LE(maxS, v.flag(s, "Pulpanel") ? 900 : 1000);
        EXPECT_LT(v.num(s, "MinVyskaF2"), v.num(s, "MaxVyskaF2", maxV));
        EXPECT_LT(v.num(s, "MinSirkaF2"), v.num(s, "MaxSirkaF2", maxS));
        EXPECT_LE(v.num(s, "HPasek"), 6);
        EXPECT_LE(v.num(s, "VPasek"), 6);
    }
}

TEST(DemoCatalogue, ColoursCoverEveryPricingBranch)
{
    Cat b("barvy.qmr");
    auto any = [&](auto pred) { return [&b, pred] { return b.any(pred); }; };
    std::set<int> alabs;
    for (const auto &s : b.sections())
        alabs.insert(b.num(s, "ALABS"));
    const std::vector<Coverage> table = {
        {"at least 16 colours", [&] { return b.sections().size() >= 16; }},
        {"decor on aluminium", any([&](auto &s) { return b.flag(s, "DDekor") && b.flag(s, "Hlinik"); })},
        {"decor not on aluminium", any([&](auto &s) { return b.flag(s, "DDekor") && !b.flag(s, "Hlinik"); })},
        {"HPL only, with HPL prices", any([&](auto &s) {
             return b.flag(s, "JenomHPL") && b.price(s, "PHPL1") > 0 && b.price(s, "VHPL1") > 0;
         })},
        {"usable for HPL (smooth)", any([&](auto &s) { return b.flag(s, "ProHPL"); })},
        {"own RAL colour with set-up prices", [&] {
             const auto s = b.byKod("vlral");
             return !s.empty() && b.flag(s, "Hlinik") && b.price(s, "NETPS1") > 0 && b.price(s, "NETPS2") > 0;
         }},
        {"two further colours with set-up prices", [&] {
             int n = 0;
             for (const auto &s : b.sections())
                 n += b.str(s, "Kod") != "vlral" && b.price(s, "NETPS1") > 0 && b.price(s, "NETPS2") > 0;
             return n >= 2;
         }},
        {"a \"nest\" code with two-colour prices", any([&](auto &s) {
             return b.str(s, "Kod").rfind("nest", 0) == 0 && b.price(s, "PRDVOJBARVA1") > 0;
         })},
        {"two-colour prices on several aluminium colours", [&] {
             int n = 0;
             for (const auto &s : b.sections())
                 n += b.flag(s, "Hlinik") && b.price(s, "PRDVOJBARVA1") > 0 && b.price(s, "PRDVOJBARVA2") > 0;
             return n >= 3;
         }},
        {"stone", any([&](auto &s) { return b.flag(s, "Kamen"); })},
        {"veneer", any([&](auto &s) { return b.flag(s, "Dyha") && b.num(s, "Drevo") > 0; })},
        {"wood kind 2 with its size limits", any([&](auto &s) {
             return b.num(s, "Drevo") == 2 && b.num(s, "MaxVF1") > 0 && b.num(s, "MaxSF1") > 0 &&
                    b.num(s, "MaxVF2") > 0 && b.num(s, "MaxSF2") > 0;
         })},
        {"anodised", any([&](auto &s) { return b.flag(s, "Elox") && b.flag(s, "Hlinik"); })},
        {"concrete look", any([&](auto &s) { return b.flag(s, "Beton"); })},
        {"fixed RAL", any([&](auto &s) { return b.flag(s, "FixRal"); })},
        {"plain aluminium taking a RAL number", any([&](auto &s) {
             return b.flag(s, "Hlinik") && !b.flag(s, "DDekor") && !b.flag(s, "Elox") && !b.flag(s, "FixRal") &&
                    !b.flag(s, "Beton");
         })},
        {"three ALABS classes", [&] { return alabs.size() >= 3; }},
        {"lead times", any([&](auto &s) { return b.num(s, "ObjDni") > 0; })},
        {"half-panel prices", any([&](auto &s) { return b.price(s, "BF3S1") > 0 && b.price(s, "BF3S2") > 0; })},
        {"overlay colour price", any([&](auto &s) { return b.price(s, "PRDEKOR") > 0; })},
        {"a standard colour listed at price 0", any([&](auto &s) { return b.has(s, "BF1S1") && b.price(s, "BF1S1") == 0; })},
        {"frame colours (neither aluminium nor veneer)", [&] {
             int n = 0;
             for (const auto &s : b.sections())
                 n += !b.flag(s, "Hlinik") && !b.flag(s, "Dyha");
             return n >= 3;
         }},
    };
    expectAll(table);
}

TEST(DemoCatalogue, GlassesAccessoriesStainedGlassAndPartnersCoverTheirBranches)
{
    Cat d("dekory.qmr"), a("doplnky.qmr"), w("vitraze.qmr"), f("firmy.qmr"), q("quilmar.qmr"), c("Quilmar.cfg");
    std::set<int> classes, thickness, kinds;
    for (const auto &s : d.sections()) {
        classes.insert(d.num(s, "TypSkla"));
        thickness.insert(d.num(s, "Tloustka", 4));
    }
    for (const auto &s : w.sections())
        kinds.insert(w.num(s, "VitrPis"));
    auto glass = [&](auto pred) { return [&d, pred] { return d.any(pred); }; };
    auto acc = [&](auto pred) { return [&a, pred] { return a.any(pred); }; };
    const std::vector<Coverage> table = {
        {"at least 8 glasses", [&] { return d.sections().size() >= 8; }},
        {"glass classes 0 to 4", [&] { return classes == std::set<int>{0, 1, 2, 3, 4}; }},
        {"three pane thicknesses", [&] { return thickness.size() >= 3; }},
        {"not for double glazing", glass([&](auto &s) { return d.flag(s, "LNeDvojsklo"); })},
        {"outer pane of triple glazing", glass([&](auto &s) { return d.flag(s, "LTroj1"); })},
        {"inner pane of triple glazing", glass([&](auto &s) { return d.flag(s, "LTroj2"); })},
        {"middle pane", glass([&](auto &s) { return d.flag(s, "LTrojU"); })},
        {"the 35 dB glass flt08", [&] { return !d.byKod("flt08").empty(); }},
        {"the RC2 glass cx444", [&] { return !d.byKod("cx444").empty(); }},

        {"at least 8 accessories", [&] { return a.sections().size() >= 8; }},
        {"handle preparation prmdl with a minimum thickness", [&] {
             const auto s = a.byKod("prmdl");
             return !s.empty() && a.price(s, "Cena") > 0 && a.flag(s, "LimitTl") && a.flag(s, "Minimum");
         }},
        {"vertical handle", acc([&](auto &s) { return a.flag(s, "MadloVert") && a.num(s, "VzdVert") > 0; })},
        {"net price", acc([&](auto &s) { return a.flag(s, "CenaNetto") && a.price(s, "Cena") > 0; })},
        {"spacer frame with its price", acc([&](auto &s) { return a.flag(s, "MaDistanci") && a.price(s, "CenaDR") > 0; })},
        {"white spacer frame tipbi", [&] { return a.flag(a.byKod("tipbi"), "MaDistanci"); }},
        {"maximum thickness", acc([&](auto &s) {
             return a.flag(s, "LimitTl") && !a.flag(s, "Minimum") && a.num(s, "MaxTloust", 99) < 99;
         })},
        {"always mounted", acc([&](auto &s) { return a.flag(s, "AutoMontaz"); })},
        {"mounting price", acc([&](auto &s) { return a.price(s, "Montaz") > 0 && !a.flag(s, "AutoMontaz"); })},
        {"never offered", acc([&](auto &s) { return a.flag(s, "Neukazat"); })},
        {"NeSMont", acc([&](auto &s) { return a.flag(s, "NeSMont"); })},
        {"NeBezM", acc([&](auto &s) { return a.flag(s, "NeBezM"); })},
        {"the muntin set read by section name MX01", [&] {
             return a.price("MX01", "Cena") > 0 && a.str("MX01", "Kod") == "MX01" && a.flag("MX01", "Neukazat");
         }},

        {"stained glass of every kind 0 to 4", [&] { return kinds == std::set<int>{0, 1, 2, 3, 4}; }},

        {"a few dealer companies", [&] { return f.sections().size() >= 3; }},
        {"a company name with \"&\"",
         [&] { return f.any([&](auto &s) { return f.str(s, "Nazev1").find('&') != std::string::npos; }); }},
        {"every company has a number and an e-mail address", [&] {
             return !f.any([&](auto &s) { return f.str(s, "Kod").empty() || f.str(s, "Mail").empty(); });
         }},
    };
    expectAll(table);

    // The supplier: section "Quilmar" with all eight keys.
    for (const char *k : {"Nazev", "Ulice", "PSC", "Obec", "Telefon", "Fax", "Mail", "Stranka"})
        EXPECT_FALSE(q.str("Quilmar", k).empty()) << k;

    // The configuration: price settings as the settings dialog writes them.
    EXPECT_EQ(c.str("Ceny", "DPHin"), "23,00");
    EXPECT_EQ(c.str("Ceny", "DPHout"), "23,00");
    for (const char *k : {"DopravaOut", "Marze", "Ram", "SlevaZak", "DopravaIn", "SlevaQM", "TypMarze", "ZpusobMarze",
                          "Zobrazit", "Pocitat", "Dopravy", "CenuNab"}) {
        int n = -1;
        EXPECT_TRUE(qmr::text::TryParseInt32(c.str("Ceny", k), n) && n >= 0) << k;
    }
    EXPECT_GT(c.num("Volby", "Sirka"), 100);
    EXPECT_GT(c.num("Volby", "Vyska"), 100);
    EXPECT_FALSE(c.str("Firma", "Nazev1").empty());
    EXPECT_FALSE(c.str("Firma", "Mail").empty());
    EXPECT_EQ(c.num("Firma", "MapiGroup", -1), 0);
    // Job-file folder: no path of the machine that built the program.
    ASSERT_TRUE(c.has("USER", "Path"));
    EXPECT_FALSE(fs::path(c.str("USER", "Path")).is_absolute());
}

TEST(DemoCatalogue, StainedGlassAndMuntinsBelongToPricedLayoutsOfTheirInfill)
{
    Cat v("vyplne.qmr"), w("vitraze.qmr"), m("mrizky.qmr");
    for (const auto &s : w.sections()) {
        SCOPED_TRACE(s);
        const auto infill = v.byKod(w.str(s, "Kod").substr(0, 2));
        ASSERT_FALSE(infill.empty()) << "the first two characters of Kod name no infill";
        int offered = 0;
        for (int f = 1; f <= 2; ++f) {
            for (int z = 1; z <= 6; ++z) {
                if (w.price(s, "C" + fz(f, z)) > 0) {
                    ++offered;
                    EXPECT_GT(v.price(infill, "ZC" + fz(f, z)), 0) << fz(f, z) << " is no layout of " << infill;
                }
            }
        }
        EXPECT_GT(offered, 0);
    }
    for (const auto &s : m.sections()) {
        SCOPED_TRACE(s);
        const std::string kod = m.str(s, "Kod");
        const auto infill = v.byKod(kod.substr(0, 2));
        ASSERT_FALSE(infill.empty()) << "the first two characters of Kod name no infill";
        // The drawing names use characters 4-5 of the name and 6-7 of the code; they must agree.
        ASSERT_GE(kod.size(), 7u);
        EXPECT_EQ(s.substr(3, 2), kod.substr(5, 2));
        int offered = 0;
        for (int z = 1; z <= 6; ++z) {
            const std::string zs = std::to_string(z);
            for (int f = 1; f <= 2; ++f) {
                const std::string fs_ = std::to_string(f);
                if (m.price(s, "CS" + zs + "S1F" + fs_) <= 0)
                    continue;
                ++offered;
                EXPECT_GT(v.price(infill, "ZC" + fz(f, z)), 0) << fz(f, z) << " is no layout of " << infill;
                int last = 0;
                for (int n = 1; n <= 3; ++n) {
                    const int width = m.num(s, "SirkaS" + zs + std::to_string(n));
                    EXPECT_GT(width, last) << "widths of S" << z << " must rise";
                    last = width;
                    EXPECT_GT(m.price(s, "CS" + zs + "S" + std::to_string(n) + "F" + fs_), 0);
                }
            }
        }
        EXPECT_GT(offered, 0);
    }
}

// Plain keys each file may hold (beside its enciphered ones); a key outside them is a typo.
std::set<std::string> plainKeys(const std::string &file)
{
    auto upper = [](std::set<std::string> in) {
        std::set<std::string> out;
        for (auto s : in) {
            for (char &ch : s)
                ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            out.insert(s);
        }
        return out;
    };
    if (file == "vyplne.qmr") {
        std::set<std::string> k = {
            "Kod", "Special", "Hlinik", "Dyha", "Glas", "RadaK", "Pulpanel", "Dvojbarva", "Zetkova", "Enkova",
            "Rameckova", "Excentr", "AsymH", "PravaV", "AsymP", "JednoZask", "AkcniV", "Kamen", "ZesGratis",
            "SklGratis", "RMSTF1S1", "Pozic", "PomerH", "PomerP", "FixFormat", "OZMPocet", "OZM1", "OZM2", "OZM3",
            "MuzeOMrizku", "HPasek", "VPasek", "KMaxVyskaF2", "KMaxSirkaF2", "KMinVyskaF2", "KMinSirkaF2"};
        for (const char *l : {"MaxVyska", "MaxSirka", "MinVyska", "MinSirka", "HraVyska", "HraSirka"}) {
            k.insert(std::string(l) + "F1");
            k.insert(std::string(l) + "F2");
        }
        for (const char *l : {"MinVyska", "MinSirka", "HraVyska", "HraSirka"}) {
            for (const char *suf : {"F2R2", "F2P1", "F2P2"})
                k.insert(std::string(l) + suf);
        }
        for (int n = 1; n <= 6; ++n) {
            for (const char *l : {"ZH", "ZV"}) {
                for (const char *suf : {"val", "rel", "neg"})
                    k.insert(l + std::to_string(n) + suf);
            }
        }
        return upper(k);
    }
    if (file == "barvy.qmr")
        return upper({"Kod", "Drevo", "ALABS", "ObjDni", "MaxVF1", "MaxVF2", "MaxSF1", "MaxSF2", "Dyha", "Hlinik",
                      "DDekor", "Elox", "Beton", "ProHPL", "JenomHPL", "FixRal", "Kamen"});
    if (file == "dekory.qmr")
        return upper({"Kod", "TypSkla", "Tloustka", "LNeDvojsklo", "LTroj1", "LTroj2", "LTrojU"});
    if (file == "doplnky.qmr")
        return upper({"Kod", "MaDistanci", "AutoMontaz", "BezTloustky", "MadloVert", "CenaNetto", "LimitTl",
                      "Minimum", "Neukazat", "NeSMont", "NeBezM", "VzdVert", "MaxTloust"});
    if (file == "vitraze.qmr")
        return upper({"Kod", "VitrPis"});
    if (file == "mrizky.qmr") {
        std::set<std::string> k = {"Kod"};
        for (int z = 1; z <= 6; ++z) {
            for (int n = 1; n <= 3; ++n)
                k.insert("SirkaS" + std::to_string(z) + std::to_string(n));
        }
        return upper(k);
    }
    if (file == "firmy.qmr")
        return upper({"Kod", "Nazev1", "Nazev2", "Ulice", "PSC", "Obec", "Osoba", "ICO", "DIC", "Telefon", "Fax",
                      "Mail", "DUlice", "DPSC", "DObec", "PracDoba", "Rabat"});
    if (file == "quilmar.qmr")
        return upper({"Nazev", "Ulice", "PSC", "Obec", "Telefon", "Fax", "Mail", "Stranka"});
    return upper({"DPHin", "DPHout", "DopravaIn", "DopravaOut", "SlevaQM", "Marze", "TypMarze", "ZpusobMarze", "Ram",
                  "SlevaZak", "Zobrazit", "Pocitat", "Dopravy", "CenuNab", "Sirka", "Vyska", "Nazev1", "Nazev2",
                  "Ulice", "PSC", "Obec", "Osoba", "DUlice", "DPSC", "DObec", "PracDoba", "ICO", "DIC", "Telefon",
                  "Fax", "Mail", "MapiGroup", "Kod", "Path"});
}

TEST(DemoCatalogue, EveryKeyIsOneTheProgramReads)
{
    for (const auto &name : kFiles) {
        SCOPED_TRACE(name);
        const auto known = plainKeys(name);
        TSifraSoubor f(dataPath(name));
        for (const auto &sec : f.ReadSections()) {
            for (auto key : f.ReadSection(sec)) {
                if (JeSifrovany(name, key))
                    continue;
                std::string up = key;
                for (char &ch : up)
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
                EXPECT_TRUE(known.count(up)) << "[" << sec << "] " << key;
            }
        }
    }
}

} // namespace
