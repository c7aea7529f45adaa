// The price command: job files written by the program's own writer, opened, described
// and priced as the program opens them, printed as JSON lines or CSV rows.
#include "cli/CliPrice.h"

#include "catalogues/Katalog.h"
#include "core/IniFile.h"
#include "core/Session.h"
#include "jobfiles/UZapis.h"
#include "pricing/UOcen.h"
#include "support/FakeClock.h"
#include "support/JobCatalogue.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using nlohmann::ordered_json;
using qmr::cli::RunCli;

// Every member of an accepted file's line, in order.
const std::vector<std::string> kKlice = {
    "file", "accepted", "messages", "VyplnVybrana", "RozmerVybran", "BarvyVybrany", "DekoryVybrany",
    "VitrazVybrana", "MrizkaVybrana", "DoplnkyVybrany", "STrojsklo", "SCtyrsklo", "TypZakazky", "CTloustka",
    "STloustka", "SJmenoV", "SJmenoZ", "SJmenoP", "SJmenoR1", "SJmenoR2", "SBarvaR1", "SBarvaR2", "cMenaObj",
    "cMenaNab", "nProcSlevy1", "nProcSlevy2", "nProcSlevy", "nDPH", "nVypln", "nRozmer", "nVyztuz", "nBarva1",
    "nBarva2", "nBarva12", "nVitraz", "nDekor1", "nDekor2", "nDekorP", "nDekor4", "nMrizka", "nDoplnek1",
    "nDoplnek2", "nDoplnek3", "nDoplnek4", "nMontaz1", "nMontaz2", "nMontaz3", "nMontaz4", "nDR1", "nDR2",
    "nDR3", "nDR4", "SNetto", "nNakupKC", "nSleva1", "nPoSleve1", "nProdejni", "nSleva2", "nPoSleve2",
    "nPredSlevou", "nSleva", "nKonecna", "nMezisouc", "nDopravaIn", "nDopravaOut", "nabDopravaIn", "nPoc1",
    "nPoc2", "nPoc3", "nPoc4"};

std::vector<std::string> Klice(const ordered_json &j)
{
    std::vector<std::string> k;
    for (const auto &[klic, hodnota] : j.items())
        k.push_back(klic);
    return k;
}

std::vector<ordered_json> Radky(const std::string &text)
{
    std::vector<ordered_json> r;
    std::istringstream in(text);
    for (std::string radka; std::getline(in, radka);)
        r.push_back(ordered_json::parse(radka));
    return r;
}

// The infill type of catalogue section Sekce chosen as the infill selection leaves it.
void Vypln(qmr::Session &x, const std::string &Sekce, int Format, int Zaskleni)
{
    qmr::TDVypln &v = x.SVypln.DVypln;
    ASSERT_TRUE(qmr::NactiVypln(x, Sekce, v)) << Sekce;
    v.Polozka = 0;
    x.TypZakazky = 1;
    x.VyplnVybrana = true;
    x.KodVyplne = v.Kod;
    x.SHlinik = v.Hlinik;
    x.SDyha = v.Dyha;
    x.SGlas = v.Glas;
    x.SRadaK = v.RadaK;
    x.SPulpanel = v.Pulpanel;
    x.SLisovana = !x.SHlinik && !(x.SRadaK || x.SDyha || x.SGlas);
    x.SPozic = 1;
    x.SFormat = Format;
    x.SZaskleni = Zaskleni;
    x.SSirka = 980;
    x.SVyska = 2050;
    x.RozmerVybran = true;
    x.ProselVyztuze = true;
}

void Barvy(qmr::Session &x, const std::string &Vnejsi, const std::string &Vnitrni)
{
    ASSERT_TRUE(qmr::NactiBarvu(x, Vnejsi, x.SBarva1.DBarva));
    ASSERT_TRUE(qmr::NactiBarvu(x, Vnitrni, x.SBarva2.DBarva));
    x.SBarva1.DBarva.Polozka = x.SBarva2.DBarva.Polozka = 0;
    x.SBarva1.DBarva.Cislo = x.SBarva2.DBarva.Cislo = "9016";
    x.BarvyVybrany = true;
}

qmr::TDDoplnek &Doplnek(qmr::Session &x, qmr::TODoplnek &slot, const std::string &Sekce, int Kusu)
{
    qmr::TDDoplnek &d = slot.DDoplnek;
    EXPECT_TRUE(qmr::NactiDoplnek(x, Sekce, d)) << Sekce;
    d.Polozka = 1;
    d.PocetKs = Kusu;
    x.DoplnkyVybrany = true;
    return d;
}

// A program folder with the small job catalogue and price settings that exercise the
// supplier discount, a margin after it, the customer discount and the sale view.
class CliTest : public ::testing::Test {
protected:
    CliTest()
    {
        dir.write("DATA/.keep", "");
        dir.write("jobs/.keep", "");
        qmrtest::ZapisKatalogZakazek(Koren() + "/DATA/");
        dir.write("DATA/Quilmar.cfg", "[Ceny]\r\nDPHin=23,00\r\nDPHout=8,00\r\nSlevaQM=10\r\nMarze=20\r\n"
                                      "TypMarze=1\r\nZpusobMarze=1\r\nSlevaZak=5\r\nZobrazit=2\r\n"
                                      "Pocitat=0\r\nDopravy=0\r\nDopravaIn=30\r\nDopravaOut=40\r\n");
    }

    std::string Koren() const { return dir.path().string(); }

    void Pripravit(qmr::Session &x, const std::string &koren) const
    {
        x.apCesta = koren + "/";
        x.apData = x.apCesta + "DATA/";
        x.apConf = x.apData + "Quilmar.cfg";
        x.apPriloha = x.apData + "QMRobj.qmr";
    }

    // Writes x through the program's writer as jobs/<jmeno> and returns its path.
    std::string Uloz(qmr::Session &x, const std::string &jmeno)
    {
        qmr::Nazvi(x);
        qmr::Ocen(x);
        std::string cesta = Koren() + "/jobs/" + jmeno;
        qmr::FileZapis(x, cesta, true, hodiny);
        return cesta;
    }

    // Infill A1 in format 1, glazing S2, white on both sides; a net-priced knocker and a
    // mounted handle.
    std::string ZakazkaVyplne(const std::string &jmeno = "dvere.qms")
    {
        qmr::Session x;
        Pripravit(x, Koren());
        Vypln(x, "Vzor A1", 1, 2);
        Barvy(x, "Bílá", "Bílá");
        Doplnek(x, x.SDoplnek1, "Klepadlo", 1);
        Doplnek(x, x.SDoplnek2, "Madlo", 1).Namontovat = true;
        x.apCislo = "N-7";
        return Uloz(x, jmeno);
    }

    // Accessories only: two house numbers, not mounted.
    std::string ZakazkaDoplnku(const std::string &jmeno = "cisla.qms")
    {
        qmr::Session x;
        Pripravit(x, Koren());
        x.TypZakazky = 2;
        Doplnek(x, x.SDoplnek1, "Číslo", 2);
        x.apCislo = "D-1";
        return Uloz(x, jmeno);
    }

    int Spust(const std::vector<std::string> &args)
    {
        out.str("");
        err.str("");
        return RunCli(args, out, err, "/nonexistent/quilmar-cli", hodiny);
    }
    int Cena(const std::vector<std::string> &soubory, bool csv = false)
    {
        std::vector<std::string> a{"--root", Koren(), "price"};
        if (csv)
            a.push_back("--csv");
        a.insert(a.end(), soubory.begin(), soubory.end());
        return Spust(a);
    }

    qmrtest::TempDir dir;
    qmrtest::FakeClock hodiny{2024, 3, 5};
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliTest, infill_job_prints_every_member_in_order_with_amounts_as_four_decimal_strings)
{
    const std::string job = ZakazkaVyplne();
    ASSERT_EQ(Cena({job}), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    const auto radky = Radky(out.str());
    ASSERT_EQ(radky.size(), 1u);
    const ordered_json &j = radky[0];
    EXPECT_EQ(Klice(j), kKlice);

    EXPECT_EQ(j["file"], job);
    EXPECT_EQ(j["accepted"], true);
    EXPECT_EQ(j["messages"], ordered_json::array());
    EXPECT_EQ(j["VyplnVybrana"], true);
    EXPECT_EQ(j["RozmerVybran"], true);
    EXPECT_EQ(j["BarvyVybrany"], true);
    EXPECT_EQ(j["DekoryVybrany"], false);
    EXPECT_EQ(j["DoplnkyVybrany"], true);
    EXPECT_EQ(j["TypZakazky"], 1);
    EXPECT_EQ(j["CTloustka"], 24);
    EXPECT_EQ(j["STloustka"], 22);
    EXPECT_EQ(j["SJmenoV"], "Vzor A1, format 1/1, oszklenie S2");
    EXPECT_EQ(j["SJmenoZ"], "(grubość standardowa 24 mm)");
    EXPECT_EQ(j["cMenaObj"], "EUR");
    EXPECT_EQ(j["cMenaNab"], "EUR");
    EXPECT_EQ(j["nProcSlevy1"], 10.0);
    EXPECT_EQ(j["nProcSlevy2"], 5.0);
    EXPECT_EQ(j["nProcSlevy"], 5.0);
    EXPECT_EQ(j["nDPH"], 8.0);

    // 10000 x 0.0542 = 542; colours 111 -> 6.0162 -> 6.50 each; the handle 1000 -> 54.50
    // plus mounting 100 -> 5.50; the knocker 400 net -> 22.00 after the discount.
    EXPECT_EQ(j["nVypln"], "542.0000");
    EXPECT_EQ(j["nBarva1"], "6.5000");
    EXPECT_EQ(j["nBarva2"], "6.5000");
    EXPECT_EQ(j["nDoplnek1"], "0.0000");
    EXPECT_EQ(j["nDoplnek2"], "60.0000");
    EXPECT_EQ(j["nMontaz2"], "5.5000");
    EXPECT_EQ(j["SNetto"], "22.0000");
    EXPECT_EQ(j["nNakupKC"], "615.0000");
    EXPECT_EQ(j["nSleva1"], "61.5000");
    EXPECT_EQ(j["nPoSleve1"], "575.5000");
    EXPECT_EQ(j["nProdejni"], "690.6000");  // + 20 % of 575.50
    EXPECT_EQ(j["nSleva2"], "34.5300");     // 5 %
    EXPECT_EQ(j["nPoSleve2"], "656.0700");
    EXPECT_EQ(j["nPredSlevou"], "690.6000");
    EXPECT_EQ(j["nKonecna"], "656.0700");
    EXPECT_EQ(j["nDopravaIn"], "30.0000");
    EXPECT_EQ(j["nabDopravaIn"], "0.0000");
    EXPECT_EQ(j["nPoc1"], 1);
    EXPECT_EQ(j["nPoc2"], 1);
    EXPECT_EQ(j["nPoc3"], 0);
}

TEST_F(CliTest, job_reopened_from_its_file_prices_like_the_session_that_saved_it)
{
    qmr::Session x;
    Pripravit(x, Koren());
    Vypln(x, "Vzor A1", 1, 2);
    Barvy(x, "Bílá", "Antracit");
    x.SRamecek1 = 1;
    x.MuzeRamecek = qmr::PocetVariant(x.SVypln.DVypln.RM1cena, x.SVypln.DVypln.RM2cena);
    Doplnek(x, x.SDoplnek3, "Kukátko", 3).SBarvaDR = 0; // with a white spacer
    const std::string job = Uloz(x, "ram.qms");
    // The window refreshes again after every command: the frame mark follows the frame
    // colour that the first description made aluminium.
    qmr::Nazvi(x);
    qmr::Ocen(x);

    ASSERT_EQ(Cena({job}), 0) << err.str();
    const ordered_json j = Radky(out.str()).at(0);
    EXPECT_EQ(j["SJmenoV"], x.SJmenoV);
    EXPECT_EQ(j["SJmenoR1"], x.SJmenoR1);
    EXPECT_EQ(j["nVypln"], x.nVypln.ToFixed4());
    EXPECT_EQ(j["SNetto"], x.SNetto.ToFixed4());
    EXPECT_EQ(j["nDoplnek3"], x.nDoplnek3.ToFixed4());
    EXPECT_EQ(j["nDR3"], x.nDR3.ToFixed4());
    EXPECT_EQ(j["nPoc3"], 3);
    EXPECT_EQ(j["nKonecna"], x.nKonecna.ToFixed4());
    EXPECT_NE(j["nKonecna"], "0.0000");
}

TEST_F(CliTest, every_file_is_priced_in_a_fresh_session)
{
    const std::string vypln = ZakazkaVyplne();
    const std::string doplnky = ZakazkaDoplnku();
    const std::string zly = dir.write("jobs/zly.qms", "[Objednavka]\r\nTyp=3\r\n");

    ASSERT_EQ(Cena({doplnky}), 0) << err.str();
    const std::string samotny = out.str();
    const ordered_json j = Radky(samotny).at(0);
    EXPECT_EQ(j["TypZakazky"], 2);
    EXPECT_EQ(j["VyplnVybrana"], false);
    EXPECT_EQ(j["SJmenoV"], "");
    EXPECT_EQ(j["nDoplnek1"], "4.0000"); // 2 x (30 -> 1.626 -> 2.00)
    EXPECT_EQ(j["nKonecna"], "4.1040");  // no frame price, margin and discounts as above

    // After an infill job and a refused file, the accessories job prints the same line.
    EXPECT_EQ(Cena({vypln, zly, doplnky}), 3);
    const auto radky = Radky(out.str());
    ASSERT_EQ(radky.size(), 3u);
    EXPECT_EQ(radky[2].dump(), Radky(samotny).at(0).dump());
}

TEST_F(CliTest, a_catalogue_changed_between_two_files_prices_the_second_with_the_new_prices)
{
    const std::string job = ZakazkaVyplne();
    qmr::cli::JobPricer cenik(Koren() + "/quilmar-cli", hodiny);
    const qmr::cli::FileResult prvni = cenik.Price(job);
    ASSERT_EQ(prvni.status, qmr::cli::FileStatus::Accepted);
    EXPECT_EQ(prvni.session->nVypln.ToFixed4(), "542.0000");

    // The base price of A1 in format 1, glazing S2 doubled (and the file's size changed).
    const std::string cesta = Koren() + "/DATA/vyplne.qmr";
    std::string text = qmrtest::TempDir::read(cesta);
    const auto pos = text.find("ZCF1S2="); // the first is A1's
    ASSERT_NE(pos, std::string::npos);
    text.replace(pos, text.find("\r\n", pos) + 2 - pos, "; repriced\r\n" + qmrtest::JobSifra("ZCF1S2", 20000));
    dir.write("DATA/vyplne.qmr", text);

    const qmr::cli::FileResult druhy = cenik.Price(job);
    ASSERT_EQ(druhy.status, qmr::cli::FileStatus::Accepted);
    EXPECT_EQ(druhy.session->nVypln.ToFixed4(), "1084.0000");
}

TEST_F(CliTest, csv_gives_a_header_and_one_quoted_row_per_accepted_file_with_two_decimals)
{
    const std::string vypln = ZakazkaVyplne("a,b.qms");
    const std::string doplnky = ZakazkaDoplnku();
    ASSERT_EQ(Cena({vypln, doplnky}, true), 0) << err.str();
    EXPECT_EQ(out.str(),
              "file,number,description,purchase_after_discount,sale_after_discount,final_price,currency\n"
              "\"" + vypln + "\",N-7,\"Vzor A1, format 1/1, oszklenie S2\",575.50,656.07,656.07,EUR\n" +
              doplnky + ",D-1,,3.60,4.10,4.10,EUR\n");
}

TEST(CliFormat, amounts_round_to_two_decimals_half_to_even)
{
    using qmr::Currency;
    const std::pair<std::int64_t, const char *> pripady[] = {
        {55000, "5.50"},     {1250, "0.12"},         {1350, "0.14"},  {1251, "0.13"},
        {-1250, "-0.12"},    {-49, "0.00"},          {-51, "-0.01"},  {0, "0.00"},
        {12345678950, "1234567.90"}, {12345678850, "1234567.88"}, {999950, "100.00"},
    };
    for (const auto &[raw, text] : pripady)
        EXPECT_EQ(qmr::cli::Amount2(Currency::FromRaw(raw)), text) << raw;
}

TEST(CliFormat, csv_fields_are_quoted_only_when_needed)
{
    EXPECT_EQ(qmr::cli::CsvField("plain text"), "plain text");
    EXPECT_EQ(qmr::cli::CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(qmr::cli::CsvField("12\" panel"), "\"12\"\" panel\"");
    EXPECT_EQ(qmr::cli::CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(qmr::cli::CsvField(""), "");
}

TEST_F(CliTest, refused_file_exits_3_with_its_message_on_standard_error)
{
    const std::string zly = dir.write("jobs/zly.qms", "[Objednavka]\r\nTyp=3\r\n");
    EXPECT_EQ(Cena({zly}), 3);
    EXPECT_NE(err.str().find("Zły plik  " + zly), std::string::npos) << err.str();
    const ordered_json j = Radky(out.str()).at(0);
    EXPECT_EQ(Klice(j), (std::vector<std::string>{"file", "accepted", "messages"}));
    EXPECT_EQ(j["accepted"], false);
    EXPECT_EQ(j["messages"], ordered_json::parse(R"([["Pliki Quilmar|*.qms", "Zły plik  )" + zly + "\"]]"));

    // No row in CSV, the message still on standard error.
    EXPECT_EQ(Cena({zly}, true), 3);
    EXPECT_EQ(out.str(), qmr::cli::CsvHeader() + "\n");
    EXPECT_NE(err.str().find("Zły plik  "), std::string::npos);
}

TEST_F(CliTest, missing_file_exits_1_and_still_prints_its_line_after_the_others)
{
    const std::string dobry = ZakazkaVyplne();
    const std::string chybi = Koren() + "/jobs/nic.qms";
    const std::string zly = dir.write("jobs/zly.qms", "[Objednavka]\r\nTyp=3\r\n");
    EXPECT_EQ(Cena({chybi}), 1);
    EXPECT_NE(err.str().find(chybi), std::string::npos);

    // An unreadable file outranks a refused one; the good file is still priced.
    EXPECT_EQ(Cena({zly, chybi, Koren() + "/jobs", dobry}), 1);
    const auto radky = Radky(out.str());
    ASSERT_EQ(radky.size(), 4u);
    EXPECT_EQ(Klice(radky[1]), (std::vector<std::string>{"file", "accepted", "messages", "error"}));
    EXPECT_EQ(radky[1]["file"], chybi);
    EXPECT_EQ(radky[1]["accepted"], false);
    EXPECT_EQ(radky[2]["accepted"], false); // a folder
    EXPECT_EQ(radky[3]["accepted"], true);
    EXPECT_EQ(radky[3]["nKonecna"], "656.0700");
}

TEST_F(CliTest, settings_that_cannot_be_priced_fail_the_file_with_exit_1)
{
    const std::string job = ZakazkaVyplne();
    dir.write("DATA/Quilmar.cfg", "[Ceny]\r\nDPHin=abc\r\n");
    EXPECT_EQ(Cena({job}), 1);
    const ordered_json j = Radky(out.str()).at(0);
    EXPECT_EQ(j["accepted"], false);
    EXPECT_FALSE(j["error"].get<std::string>().empty());
    EXPECT_NE(err.str().find("cannot be priced"), std::string::npos) << err.str();
}

TEST_F(CliTest, usage_errors_exit_2_with_the_usage_on_standard_error)
{
    const std::vector<std::vector<std::string>> pripady = {
        {},
        {"price"},
        {"--root", Koren(), "price"},
        {"--root", Koren(), "price", "--csv"},
        {"--root"},
        {"--root", Koren() + "/none", "price", "x.qms"},
        {"--bogus", "price", "x.qms"},
        {"--root", Koren(), "price", "--bogus", "x.qms"},
        {"--root", Koren(), "reprice", "x.qms"},
    };
    for (const auto &a : pripady) {
        std::string popis;
        for (const auto &x : a)
            popis += x + " ";
        EXPECT_EQ(Spust(a), 2) << popis;
        EXPECT_EQ(out.str(), "") << popis;
        EXPECT_NE(err.str().find("usage: quilmar-cli"), std::string::npos) << popis;
    }
}

TEST_F(CliTest, version_help_and_a_program_folder_without_data)
{
    EXPECT_EQ(Spust({"--version"}), 0);
    EXPECT_EQ(out.str(), "quilmar-cli 5.2\n");
    EXPECT_EQ(Spust({"--help"}), 0);
    EXPECT_NE(out.str().find("usage: quilmar-cli"), std::string::npos);
    EXPECT_EQ(err.str(), "");

    qmrtest::TempDir prazdna;
    EXPECT_EQ(Spust({"--root", prazdna.path().string(), "price", ZakazkaVyplne()}), 1);
    EXPECT_NE(err.str().find("no DATA/ folder"), std::string::npos);
    EXPECT_EQ(out.str(), "");
}

// ---- The demo catalogue and the real binary -------------------------------------------

class CliDemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(qmrtest::programDir() + "/DATA/vyplne.qmr"))
            GTEST_SKIP() << "no demo catalogue in " << qmrtest::programDir();
    }

    // An infill of the demo catalogue with colours and glass, saved in a temp folder.
    std::string DemoZakazka()
    {
        qmr::Session x;
        x.apCesta = qmrtest::programDir() + "/";
        x.apData = x.apCesta + "DATA/";
        x.apConf = x.apData + "Quilmar.cfg";
        x.apPriloha = tmp.file("QMRobj.qmr");
        Vypln(x, "Aura", 1, 1);
        Barvy(x, "Kremowy", "Biały");
        EXPECT_TRUE(qmr::NactiDekor(x, "Mat satynowy", x.SDekor1.DDekor));
        EXPECT_TRUE(qmr::NactiDekor(x, "Float przezroczysty 4 mm", x.SDekor2.DDekor));
        x.SDekor1.DDekor.Polozka = x.SDekor2.DDekor.Polozka = 0;
        x.DekoryVybrany = true;
        x.apCislo = "DEMO-1";
        qmr::Nazvi(x);
        qmr::Ocen(x);
        std::string cesta = tmp.file("demo.qms");
        qmr::FileZapis(x, cesta, true, hodiny);
        return cesta;
    }

    qmrtest::TempDir tmp;
    qmrtest::FakeClock hodiny{2024, 3, 5};
};

TEST_F(CliDemoTest, infill_job_of_the_demo_catalogue_has_a_final_price)
{
    const std::string job = DemoZakazka();
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--root", qmrtest::programDir(), "price", job}, out, err, "", hodiny), 0) << err.str();
    const ordered_json j = Radky(out.str()).at(0);
    EXPECT_EQ(j["accepted"], true);
    EXPECT_EQ(j["messages"], ordered_json::array());
    EXPECT_EQ(j["VyplnVybrana"], true);
    EXPECT_EQ(j["BarvyVybrany"], true);
    EXPECT_EQ(j["DekoryVybrany"], true);
    EXPECT_NE(j["SJmenoV"].get<std::string>().find("Aura"), std::string::npos) << j["SJmenoV"];
    EXPECT_NE(j["nVypln"], "0.0000");
    EXPECT_NE(j["nKonecna"], "0.0000");
    EXPECT_EQ(j["nKonecna"].get<std::string>().size() - j["nKonecna"].get<std::string>().find('.'), 5u);
}

// Runs a shell command; standard output and the exit status.
std::pair<std::string, int> Shell(const std::string &prikaz)
{
    std::string out;
    FILE *p = popen(prikaz.c_str(), "r");
    if (!p)
        return {out, -1};
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    const int st = pclose(p);
    return {out, WIFEXITED(st) ? WEXITSTATUS(st) : -1};
}

TEST_F(CliDemoTest, the_binary_prices_a_job_from_its_own_program_folder)
{
    const std::string bin = qmrtest::programDir() + "/quilmar-cli";
    ASSERT_TRUE(std::filesystem::exists(bin));
    const std::string job = DemoZakazka();

    // Without --root the program folder is the executable's.
    const auto [json, rc] = Shell("'" + bin + "' price '" + job + "' 2>/dev/null");
    EXPECT_EQ(rc, 0);
    const auto radky = Radky(json);
    ASSERT_EQ(radky.size(), 1u) << json;
    EXPECT_EQ(radky[0]["accepted"], true);
    EXPECT_NE(radky[0]["nKonecna"], "0.0000");

    const auto [csv, rcCsv] = Shell("'" + bin + "' --root '" + qmrtest::programDir() + "' price --csv '" + job +
                                    "' '" + tmp.file("nic.qms") + "' 2>/dev/null");
    EXPECT_EQ(rcCsv, 1);
    EXPECT_EQ(csv.rfind(qmr::cli::CsvHeader() + "\n" + job + ",DEMO-1,", 0), 0u) << csv;

    EXPECT_EQ(Shell("'" + bin + "' 2>/dev/null").second, 2);
}

} // namespace
