// The price recalculation tool: coefficient text, the rounding rules, the run over the
// demo catalogue (prices, what survives, the access code, atomic files) and what happens
// to keys the tool has no rule for.
#include "admin/UKoef.h"

#include "catalogues/CatalogueKeys.h"
#include "catalogues/Katalog.h"
#include "core/Errors.h"
#include "core/Funkce.h"
#include "core/TSifraSoubor.h"
#include "core/TextCodec.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using namespace qmr;
using qmrtest::FakeMessages;

namespace fs = std::filesystem;

namespace {

TEST(KoefText, MaskedTextGivesTheCoefficient)
{
    struct {
        const char *text;
        Koeficient k;
    } platne[] = {{"1,00000", 100000}, {"1,04100", 104100}, {"1,041__", 104100}, {"1,1    ", 110000},
                  {"0,5____", 50000},  {"9,99999", 999999}, {"1", 100000},        {"2,", 200000},
                  {" 0,00001", 1}};
    for (const auto &c : platne) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(CtiKoef(c.text).has_value());
        EXPECT_EQ(*CtiKoef(c.text), c.k);
    }
    // Not the mask, not a number, or 0 (which would erase every price).
    for (const char *t : {"", "_,_____", "abc", "1.5", "12,0", ",5", "1,000001", "1,0a", "-1,0", "0,00000", "0"}) {
        SCOPED_TRACE(t);
        EXPECT_FALSE(CtiKoef(t).has_value());
    }
}

TEST(KoefRounding, ThreeRules)
{
    struct {
        int cena;
        Koeficient k;
        int na1, na5, na10;
    } cases[] = {
        {100, 104100, 104, 105, 110}, // 104.1
        {96, 100000, 96, 100, 100},   // (96 + 4.99) / 5 = 20.198 -> 20
        {95, 100000, 95, 95, 100},    // a multiple stays (5), 104.99 / 10 -> 10
        {100, 100000, 100, 100, 100},
        {9501, 1000, 95, 100, 100},   // 95.01: the 0.01 tolerance is reached exactly
        {205, 50000, 102, 105, 110},  // 102.5: the half goes to the even neighbour
        {207, 50000, 104, 105, 110},  // 103.5
        {180, 110000, 198, 200, 200},
        {10550, 110000, 11605, 11605, 11610},
        {0, 110000, 0, 0, 0},
        {-5, 110000, 0, 0, 0},
        {INT_MAX, 999999, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.cena) + " x " + std::to_string(c.k));
        EXPECT_EQ(Prepocti(c.cena, c.k, kNa1), c.na1);
        EXPECT_EQ(Prepocti(c.cena, c.k, kNa5), c.na5);
        EXPECT_EQ(Prepocti(c.cena, c.k, kNa10), c.na10);
    }
}

// Every value of every section of a file, as the readers see it: enciphered keys decoded.
using Obsah = std::map<std::string, std::map<std::string, std::string>>;

Obsah Precti(const std::string &cesta, const std::string &druh)
{
    TSifraSoubor f(cesta);
    Obsah o;
    for (const std::string &sekce : f.ReadSections())
        for (const std::string &k : f.ReadSection(sekce)) {
            const std::string klic = text::FoldCase(k);
            if (o[sekce].count(klic))
                continue;
            o[sekce][klic] = JeSifrovany(druh, k) ? std::to_string(f.ReadSifra(sekce, k)) : f.ReadString(sekce, k, "");
        }
    return o;
}

// A program folder with a copy of the demo catalogue.
class DemoKoef : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "vyplne.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(demo, dir.path() / "DATA", fs::copy_options::recursive);
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
    }

    std::string cesta(const std::string &soubor) const { return ResolveNoCase(s.apData + soubor); }
    std::map<std::string, std::string> bajty() const
    {
        std::map<std::string, std::string> b;
        for (const char *n : TFKoef::kSoubory)
            b[n] = qmrtest::TempDir::read(cesta(n));
        return b;
    }
    int cena(const std::string &soubor, const std::string &sekce, const std::string &klic) const
    {
        return TSifraSoubor(cesta(soubor)).ReadSifra(sekce, klic);
    }

    // Runs the tool with code, coefficient and rounding.
    bool spust(const std::string &koef, int zaokr, const std::string &heslo = TFKoef::kHeslo)
    {
        TFKoef t(s, zpravy);
        t.setHeslo(heslo);
        t.setKoef(koef);
        t.VyberZaokrouhleni(zaokr);
        return t.PreButtonClick();
    }

    qmrtest::TempDir dir;
    Session s;
    FakeMessages zpravy;
};

TEST_F(DemoKoef, CoefficientOneKeepsEveryValue)
{
    std::map<std::string, Obsah> pred;
    for (const char *n : TFKoef::kSoubory)
        pred[n] = Precti(cesta(n), n);
    std::vector<std::string> poradi = TSifraSoubor(cesta("Vyplne.qmr")).ReadSections();

    ASSERT_TRUE(spust("1,00000", kNa1));
    EXPECT_TRUE(zpravy.empty());

    for (const char *n : TFKoef::kSoubory) {
        SCOPED_TRACE(n);
        const Obsah po = Precti(cesta(n), n);
        ASSERT_EQ(po.size(), pred[n].size());
        for (const auto &[sekce, klice] : pred[n]) {
            SCOPED_TRACE(sekce);
            ASSERT_TRUE(po.count(sekce));
            for (const auto &[k, h] : klice) {
                SCOPED_TRACE(k);
                const auto it = po.at(sekce).find(k);
                // A price of 0 is no longer stored: it still reads as 0.
                if (it == po.at(sekce).end())
                    EXPECT_TRUE(h == "0" && JeSifrovany(n, k));
                else
                    EXPECT_EQ(it->second, k == "kod" ? Trim(h) : h);
            }
        }
    }
    // The items keep their order.
    EXPECT_EQ(TSifraSoubor(cesta("Vyplne.qmr")).ReadSections(), poradi);
    // Key names are normalised.
    const std::vector<std::string> klice = TSifraSoubor(cesta("Barvy.qmr")).ReadSection("Kremowy");
    EXPECT_NE(std::find(klice.begin(), klice.end(), "OBJDNI"), klice.end());
}

TEST_F(DemoKoef, CoefficientWithEachRounding)
{
    struct {
        const char *soubor, *sekce, *klic;
        int puvodni, na1, na5, na10;
    } cases[] = {
        {"Barvy.qmr", "Kremowy", "BF1S1", 650, 715, 715, 720},
        {"Barvy.qmr", "Kremowy", "BF1S2", 450, 495, 495, 500},
        {"Doplnky.qmr", "Numer domu – naklejka", "Cena", 180, 198, 200, 200},
        {"Doplnky.qmr", "MX01", "Montaz", 150, 165, 165, 170},
        {"Mrizky.qmr", "Sz 01 krzyż – Aura", "CS1S1F1", 950, 1045, 1045, 1050},
        {"Vitraze.qmr", "Witraż Tulipan", "CF1S1", 3900, 4290, 4290, 4290},
        {"Vyplne.qmr", "Cyrus", "ZCF1S1", 10550, 11605, 11605, 11610},
        {"Vyplne.qmr", "Kappa", "KCF2ABS", 13900, 15290, 15290, 15290},
        // Not in the tool's own list, read by the pricing of the sound-damping variant.
        {"Vyplne.qmr", "Aura", "BF1S1", 3300, 3630, 3630, 3630},
    };
    const auto zaloha = dir.path() / "puvodni";
    fs::copy(dir.path() / "DATA", zaloha, fs::copy_options::recursive);
    for (int z : {kNa1, kNa5, kNa10}) {
        SCOPED_TRACE(z);
        fs::remove_all(dir.path() / "DATA");
        fs::copy(zaloha, dir.path() / "DATA", fs::copy_options::recursive);
        for (const auto &c : cases)
            ASSERT_EQ(cena(c.soubor, c.sekce, c.klic), c.puvodni) << c.sekce << " " << c.klic;
        ASSERT_TRUE(spust("1,10000", z));
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.sekce) + " " + c.klic);
            EXPECT_EQ(cena(c.soubor, c.sekce, c.klic), z == kNa1 ? c.na1 : z == kNa5 ? c.na5 : c.na10);
        }
        // The net set-up prices of a colour are not purchase prices.
        EXPECT_EQ(TSifraSoubor(cesta("Barvy.qmr")).ReadSifra("Kremowy", "NETPS1"),
                  TSifraSoubor((zaloha / "barvy.qmr").string()).ReadSifra("Kremowy", "NETPS1"));
    }
}

TEST_F(DemoKoef, WrongCodeOrCoefficientChangesNothing)
{
    const auto pred = bajty();
    struct {
        const char *heslo, *koef, *zprava;
    } cases[] = {{"", "1,10000", TFKoef::kChybaHesla},        {"R5T2W9", "1,10000", TFKoef::kChybaHesla},
                 {"r5t2w", "1,10000", TFKoef::kChybaHesla},   {"r5t2w9", "x,10000", TFKoef::kChybaKoef},
                 {"r5t2w9", "0,00000", TFKoef::kChybaKoef}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.heslo) + " " + c.koef);
        zpravy.clear();
        TFKoef t(s, zpravy);
        t.setHeslo(c.heslo);
        t.setKoef(c.koef);
        EXPECT_FALSE(t.PreButtonClick());
        ASSERT_EQ(zpravy.count(), 1u);
        EXPECT_EQ(zpravy.last().caption, "BŁOD");
        EXPECT_EQ(zpravy.last().text, c.zprava);
        // The dialog stays as it was: another try is possible.
        EXPECT_TRUE(t.PreButtonPovoleny());
        EXPECT_TRUE(t.KonecButtonPovoleny());
        EXPECT_FALSE(t.Prepocteno());
        EXPECT_EQ(bajty(), pred);
    }
    // The code field takes six characters.
    TFKoef t(s, zpravy);
    t.setHeslo("r5t2w9x");
    EXPECT_EQ(t.Heslo(), "r5t2w9");
}

TEST_F(DemoKoef, RunShowsProgressAndCannotBeRepeated)
{
    TFKoef t(s, zpravy);
    t.setHeslo(TFKoef::kHeslo);
    t.setKoef("1,10000");
    std::vector<TFKoef::Barva> barvy;
    std::vector<std::string> soubory;
    std::map<std::string, int> maxima;
    std::map<std::string, std::vector<int>> pozice;
    ASSERT_TRUE(t.PreButtonClick([&] {
        if (barvy.empty() || barvy.back() != t.BarvaFormulare())
            barvy.push_back(t.BarvaFormulare());
        EXPECT_FALSE(t.PreButtonPovoleny());
        EXPECT_EQ(t.KonecButtonPovoleny(), !t.Probiha());
        if (t.StavPruhu().Viditelny) {
            const std::string n = fs::path(t.IniSoubor()).filename().string();
            if (soubory.empty() || soubory.back() != n)
                soubory.push_back(n);
            maxima[n] = t.StavPruhu().Max;
            auto &p = pozice[n];
            if (p.empty() || p.back() != t.StavPruhu().Pozice)
                p.push_back(t.StavPruhu().Pozice);
        }
    }));
    using B = TFKoef::Barva;
    EXPECT_EQ(barvy, (std::vector<B>{B::Lime, B::Green, B::Teal, B::Aqua, B::Blue, B::InfoBk}));
    EXPECT_EQ(soubory, (std::vector<std::string>{"barvy.qmr", "doplnky.qmr", "mrizky.qmr", "vitraze.qmr",
                                                 "vyplne.qmr"}));
    // From 0 one step per section of each file.
    for (const char *n : TFKoef::kSoubory) {
        const int pocet = static_cast<int>(TSifraSoubor(cesta(n)).ReadSections().size());
        const std::string jmeno = fs::path(cesta(n)).filename().string();
        EXPECT_EQ(maxima[jmeno], pocet) << n;
        std::vector<int> ocekavane;
        for (int i = 0; i <= pocet; ++i)
            ocekavane.push_back(i);
        EXPECT_EQ(pozice[jmeno], ocekavane) << n;
    }
    EXPECT_FALSE(t.StavPruhu().Viditelny);
    EXPECT_TRUE(t.IniSoubor().empty());
    EXPECT_TRUE(t.Prepocteno());

    // A second click does nothing.
    EXPECT_FALSE(t.PreButtonPovoleny());
    EXPECT_TRUE(t.KonecButtonPovoleny());
    const int cenaPo = cena("Doplnky.qmr", "MX01", "Cena");
    EXPECT_FALSE(t.PreButtonClick());
    EXPECT_EQ(cena("Doplnky.qmr", "MX01", "Cena"), cenaPo);
    EXPECT_TRUE(zpravy.empty());
}

TEST_F(DemoKoef, SessionSeesTheNewPricesAtOnce)
{
    TDDoplnek d;
    ASSERT_TRUE(NactiDoplnek(s, "MX01", d));
    ASSERT_EQ(d.SCena, 450);
    Katalog(s, kDoplnky).SetCheckOnRead(false); // as the pricing keeps it
    ASSERT_TRUE(spust("1,10000", kNa1));
    ASSERT_TRUE(NactiDoplnek(s, "MX01", d));
    EXPECT_EQ(d.SCena, 495);
}

TEST_F(DemoKoef, FailedWriteKeepsTheFileAndStopsTheRun)
{
    const auto pred = bajty();
    TFKoef t(s, zpravy);
    t.setHeslo(TFKoef::kHeslo);
    t.setKoef("1,10000");
    int zapisu = 0;
    t.SetReplaceHookForTest([&](const std::string &docasny) {
        // The new file is complete before it replaces the old one.
        if (++zapisu == 3) {
            EXPECT_GT(TSifraSoubor(docasny).ReadSections().size(), 0u);
            throw EFileError("Cannot write file \"mrizky.qmr\": disk full");
        }
    });
    EXPECT_FALSE(t.PreButtonClick());
    ASSERT_EQ(zpravy.count(), 1u);
    EXPECT_EQ(zpravy.last().caption, kCommandErrorCaption);
    EXPECT_NE(zpravy.last().text.find("disk full"), std::string::npos) << zpravy.last().text;
    const auto po = bajty();
    EXPECT_NE(po.at("Barvy.qmr"), pred.at("Barvy.qmr"));
    EXPECT_NE(po.at("Doplnky.qmr"), pred.at("Doplnky.qmr"));
    // The failed file and the ones after it are as they were (and stay so when the tool goes away).
    EXPECT_EQ(po.at("Mrizky.qmr"), pred.at("Mrizky.qmr"));
    EXPECT_EQ(po.at("Vitraze.qmr"), pred.at("Vitraze.qmr"));
    EXPECT_EQ(po.at("Vyplne.qmr"), pred.at("Vyplne.qmr"));
    // No second run over half-recalculated files.
    EXPECT_TRUE(t.Prepocteno());
    EXPECT_FALSE(t.PreButtonPovoleny());
    EXPECT_TRUE(t.KonecButtonPovoleny());
    EXPECT_EQ(t.BarvaFormulare(), TFKoef::Barva::InfoBk);
    EXPECT_FALSE(t.StavPruhu().Viditelny);
}

// ---- Keys the tool has no rule for, on small fixtures --------------------------------------

struct Fixture {
    qmrtest::TempDir dir;
    std::string zapis(const std::string &jmeno, const std::string &obsah) const { return dir.write(jmeno, obsah); }
};

TEST(KoefKlice, KeysWithoutARuleSurviveAndPricesAmongThemAreMultiplied)
{
    Fixture fx;
    // Accessories: the tool's list lacks flags and the spacing the accessories dialog reads.
    const std::string doplnky = fx.zapis("doplnky.qmr", "; komentarz\r\n[Pochwyt]\r\nKod=  PH1  \r\n"
                                                        "Cena=" + Encrypt(1000) + "\r\nMadloVert=1\r\n"
                                                        "VzdVert=30\r\nMinimum=1\r\nNeSMont=1\r\nNeBezM=1\r\n"
                                                        "cenanetto=1\r\nMaxTloust=0\r\nUwagi=tekst;z;srednikiem\r\n");
    TDDoplnek pred, po;
    NactiDoplnek(TSifraSoubor(doplnky), "Pochwyt", pred);
    PrepoctiSoubor(doplnky, "Doplnky.qmr", kKoefJedna, kNa1);
    {
        TSifraSoubor f(doplnky);
        NactiDoplnek(f, "Pochwyt", po);
        EXPECT_EQ(f.ReadString("Pochwyt", "Uwagi", ""), "tekst;z;srednikiem");
        const std::vector<std::string> klice = f.ReadSection("Pochwyt");
        EXPECT_NE(std::find(klice.begin(), klice.end(), "CenaNetto"), klice.end()); // canonical name
        EXPECT_EQ(f.ReadString("Pochwyt", "Kod", "?"), "PH1");
    }
    EXPECT_TRUE(po.MadloVert && po.Minimum && po.NeSMont && po.NeBezM && po.CenaNetto);
    EXPECT_EQ(po.VzdVert, 30);
    EXPECT_EQ(po.MaxTloust, 0); // a stored 0 stays 0 (the default would be 99)
    EXPECT_EQ(po.SCena, 1000);
    EXPECT_EQ(pred.MaxTloust, po.MaxTloust);
    // The comment before the first section stays.
    EXPECT_EQ(qmrtest::TempDir::read(doplnky).rfind("; komentarz", 0), 0u);

    // Infills: absent limits keep their readers' defaults, prices outside the tool's own
    // list (BF1S1, SSOF1S0) are multiplied, the fallback MuzeOMrizku and Kamen stay.
    const std::string vyplne = fx.zapis("vyplne.qmr", "[Typ]\r\nKod=T1\r\nMaxVyskaF2=0\r\nMinVyskaF1=400\r\n"
                                                      "ZCF1S1=" + Encrypt(1000) + "\r\nBF1S1=" + Encrypt(300) +
                                                      "\r\nSSOF1S0=" + Encrypt(55) + "\r\nMuzeOMrizku=2\r\n"
                                                      "Kamen=1\r\n[Pusty]\r\nKod=T2\r\n");
    TDVypln v;
    PrepoctiSoubor(vyplne, "Vyplne.qmr", 110000, kNa5);
    {
        TSifraSoubor f(vyplne);
        NactiVypln(f, "Typ", v);
        EXPECT_EQ(v.ZCF(1, 1), 1100);
        EXPECT_EQ(f.ReadSifra("Typ", "BF1S1"), 330);
        EXPECT_EQ(f.ReadSifra("Typ", "SSOF1S0"), 65); // 60.5 up to 65
        EXPECT_EQ(f.ReadInteger("Typ", "MuzeOMrizku", 0), 2);
        EXPECT_TRUE(f.ReadBool("Typ", "Kamen", false));
        EXPECT_EQ(v.MaxVyskaF2, 0); // stored 0, not the F1 maximum
        EXPECT_EQ(v.MinVyskaF1, 400);
        EXPECT_EQ(f.ReadString("Typ", "MaxVyskaF1", ""), "2200"); // written with its default
        EXPECT_FALSE(f.ValueExists("Typ", "MaxSirkaF2"));         // its default follows MaxSirkaF1
        EXPECT_EQ(f.ReadSections(), (std::vector<std::string>{"Typ", "Pusty"}));
        TDVypln pusty;
        NactiVypln(f, "Pusty", pusty);
        EXPECT_EQ(pusty.MaxSirkaF2, 1000);
    }
}

TEST(KoefKlice, ColourFlagsMuntinWidthsAndDuplicateSections)
{
    Fixture fx;
    const std::string barvy = fx.zapis("barvy.qmr", "[Łupek]\r\nKod=k1\r\ndrevo=3\r\nKamen=1\r\nNetPS1=" +
                                                        Encrypt(77) + "\r\nBF1S1=" + Encrypt(100) + "\r\n");
    PrepoctiSoubor(barvy, "Barvy.qmr", 200000, kNa1);
    {
        TSifraSoubor f(barvy);
        const std::vector<std::string> klice = f.ReadSection("Łupek");
        EXPECT_NE(std::find(klice.begin(), klice.end(), "DREVO"), klice.end());
        EXPECT_EQ(f.ReadInteger("Łupek", "Drevo", 0), 3);
        // The stone flag is read by the frame colour list.
        EXPECT_TRUE(f.ReadBool("Łupek", "Kamen", false));
        EXPECT_EQ(f.ReadSifra("Łupek", "NETPS1"), 77);
        EXPECT_EQ(f.ReadSifra("Łupek", "BF1S1"), 200);
    }

    // A muntin width of 0 drops that variant with its prices.
    const std::string mrizky =
        fx.zapis("mrizky.qmr", "[M]\r\nKod=M1\r\nSirkaS21=18\r\nCS2S1F1=" + Encrypt(100) + "\r\nSirkaS23=0\r\n"
                               "CS2S3F1=" + Encrypt(300) + "\r\nCS2S3F2=" + Encrypt(400) + "\r\n");
    PrepoctiSoubor(mrizky, "Mrizky.qmr", kKoefJedna, kNa1);
    {
        TSifraSoubor f(mrizky);
        EXPECT_EQ(f.ReadSifra("M", "CS2S1F1"), 100);
        EXPECT_FALSE(f.ValueExists("M", "CS2S3F1"));
        EXPECT_FALSE(f.ValueExists("M", "CS2S3F2"));
        EXPECT_FALSE(f.ValueExists("M", "SirkaS23"));
    }

    // A section listed twice: the readers see its first copy, and so does the tool; every
    // copy is multiplied only once.
    const std::string vitraze =
        fx.zapis("vitraze.qmr", "[A]\r\nCF1S1=" + Encrypt(100) + "\r\n[B]\r\nKod=bb\r\nCF1S1=" + Encrypt(50) +
                                    "\r\n[a]\r\nCF1S1=" + Encrypt(999) + "\r\n");
    std::vector<std::pair<int, int>> kroky;
    PrepoctiSoubor(vitraze, "Vitraze.qmr", 200000, kNa1, [&](int h, int c) { kroky.emplace_back(h, c); });
    EXPECT_EQ(kroky, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    {
        TSifraSoubor f(vitraze);
        EXPECT_EQ(f.ReadSections(), (std::vector<std::string>{"A", "B"}));
        EXPECT_EQ(f.ReadSifra("A", "CF1S1"), 200);
        EXPECT_EQ(f.ReadString("A", "Kod", ""), "A"); // the code defaults to the name
        EXPECT_EQ(f.ReadSifra("B", "CF1S1"), 100);
    }

    // A missing file is not created.
    PrepoctiSoubor(fx.dir.file("vyplne.qmr"), "Vyplne.qmr", 200000, kNa1);
    EXPECT_FALSE(fs::exists(fx.dir.file("vyplne.qmr")));
}

TEST(KoefKlice, FailedWriteLeavesTheFile)
{
    Fixture fx;
    const std::string obsah = "[A]\r\nCena=" + Encrypt(100) + "\r\n";
    const std::string doplnky = fx.zapis("doplnky.qmr", obsah);
    EXPECT_THROW(PrepoctiSoubor(doplnky, "Doplnky.qmr", 200000, kNa1, {},
                                [](const std::string &) { throw EFileError("no space"); }),
                 EFileError);
    EXPECT_EQ(qmrtest::TempDir::read(doplnky), obsah);
}

} // namespace
