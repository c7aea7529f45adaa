// The order gateway client against a local HTTP server that records every request and
// answers as the test says. Nothing leaves the loopback interface.
#include "transmission/UJason.h"

#include "catalogues/Seznamy.h"
#include "core/Errors.h"
#include "core/Funkce.h"
#include "core/Session.h"
#include "core/TextCodec.h"
#include "jobfiles/UZapis.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace qmr;
using nlohmann::ordered_json;
using Kind = qmrtest::FakeMessages::Kind;

namespace {

namespace fs = std::filesystem;

struct Zaznam {
    std::string method;
    std::string target; // path and query as sent
    httplib::Headers headers;
    std::string body;
    std::optional<std::string> header(const std::string &name) const
    {
        auto it = headers.find(name);
        if (it == headers.end())
            return std::nullopt;
        return it->second;
    }
};

// A gateway on 127.0.0.1 at a free port. Each request is recorded, then answered with
// status and body (or held until the client has given up, for the time-out cases).
class LokalniBrana {
public:
    LokalniBrana()
    {
        auto obsluha = [this](const httplib::Request &q, httplib::Response &r) {
            {
                std::lock_guard<std::mutex> l(mutex_);
                zaznamy_.push_back({q.method, q.target, q.headers, q.body});
            }
            if (zdrzet_) {
                const auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(3);
                while (!konci_ && std::chrono::steady_clock::now() < konec)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            r.status = status_;
            r.set_content(telo_, "text/plain");
        };
        svr_.Get(".*", obsluha);
        svr_.Post(".*", obsluha);
        port_ = svr_.bind_to_any_port("127.0.0.1");
        if (port_ <= 0) {
            ADD_FAILURE() << "no local port for the test gateway";
            return;
        }
        vlakno_ = std::thread([this] { svr_.listen_after_bind(); });
        // stop() before the server runs would be lost and join() would hang.
        const auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!svr_.is_running() && std::chrono::steady_clock::now() < konec)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!svr_.is_running())
            ADD_FAILURE() << "the test gateway did not start";
    }
    ~LokalniBrana() { Zastav(); }

    void Odpovidej(int status, std::string telo)
    {
        status_ = status;
        telo_ = std::move(telo);
    }
    void Zdrzuj() { zdrzet_ = true; }
    void Zastav()
    {
        if (!vlakno_.joinable())
            return;
        konci_ = true;
        svr_.stop();
        vlakno_.join();
    }
    int port() const { return port_; }
    std::vector<Zaznam> zaznamy()
    {
        std::lock_guard<std::mutex> l(mutex_);
        return zaznamy_;
    }

private:
    httplib::Server svr_;
    std::thread vlakno_;
    int port_ = 0;
    std::atomic<int> status_{200};
    std::string telo_; // set before a request only
    std::atomic<bool> zdrzet_{false};
    std::atomic<bool> konci_{false};
    std::mutex mutex_;
    std::vector<Zaznam> zaznamy_;
};

// A literal with its NUL bytes.
template <std::size_t N>
std::string Bajty(const char (&a)[N])
{
    return std::string(a, N - 1);
}

std::string Dekoduj(const ordered_json &j)
{
    return String64ToBytes(j.get<std::string>());
}

std::vector<std::string> Klice(const ordered_json &o)
{
    std::vector<std::string> v;
    for (auto it = o.begin(); it != o.end(); ++it)
        v.push_back(it.key());
    return v;
}

class JasonTest : public ::testing::Test {
protected:
    JasonTest()
    {
        s.apVerze = "5.2";
        s.Firma.Data.Mail = "handlowiec@okna-nowak.pl";
        s.Firma.Data.MapiGroup = 1;
        s.Firma.Data.Kod = "04711";
    }

    NastaveniBrany Nastaveni(int port) const
    {
        NastaveniBrany n;
        n.Host = "127.0.0.1";
        n.Port = port;
        n.CasSpojeniMs = 2000;
        n.CasCelkemMs = 5000;
        return n;
    }
    TMujJas Klient() { return TMujJas(s, zpravy, Nastaveni(brana.port())); }

    // An order of an infill job with its job file, an own attachment and the drawing.
    bool PosliObjednavku(TMujJas &j, const std::string &vlastni = {})
    {
        return j.PosliNeco(TMujJas::kObjednavka, "objednavky@quilmar.pl", "Zamówienie 17/2024",
                           "Treść\r\nzamówienia", "Potwierdzenie: Zamówienie 17/2024",
                           "Potwierdzamy wysyłkę", uloha, vlastni, rys, 1);
    }
    bool PosliNabidku(TMujJas &j, int typZakazky, const std::string &nazevRysu)
    {
        return j.PosliNeco(TMujJas::kNabidka, "Wybór adresata!", "Oferta  5/24", "Treść oferty",
                           "Oferta  5/24", "Treść oferty", {}, {}, nazevRysu, typZakazky);
    }
    void OcekavejChybu(const std::string &text)
    {
        ASSERT_EQ(zpravy.count(), 1u) << ::testing::PrintToString(zpravy.texts());
        EXPECT_EQ(zpravy.last().kind, Kind::Chyba);
        EXPECT_EQ(zpravy.last().caption, "Quilmar");
        EXPECT_EQ(zpravy.last().text, text);
    }

    Session s;
    qmrtest::FakeMessages zpravy;
    LokalniBrana brana;
    qmrtest::TempDir dir;
    // A job file with LF line ends and Windows-1250 letters ("ó" 0xF3, "ż" 0xBF).
    const std::string uloha = dir.write("QMRobj.qmr", "[Objednavka]\nTyp=1\nCislo=17/2024 r\xF3\xBFnie\n");
    const std::string rys = dir.write("AB12.jpg", Bajty("\xFF\xD8\xFF\x00\x10JFIF\r\n\x1A"));
};

// ---- Status ----------------------------------------------------------------------------

TEST_F(JasonTest, StatusIsReachableOnlyForExactlyV1)
{
    struct Pripad {
        int status;
        const char *telo;
        bool dosazitelna;
    } pripady[] = {
        {200, "V1", true},    {200, "V1\r\n", false}, {200, "V1\n", false}, {200, "v1", false},
        {200, "", false},     {200, "V2", false},     {404, "V1", true},    {500, "", false},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.status << " \"" << p.telo << "\"");
        brana.Odpovidej(p.status, p.telo);
        TMujJas j = Klient();
        zpravy.clear();
        EXPECT_EQ(j.DejStatus(false, true), p.dosazitelna);
        if (p.dosazitelna)
            EXPECT_TRUE(zpravy.empty());
        else
            OcekavejChybu(TMujJas::kNespojeno);
        // Without reporting, nothing is shown.
        zpravy.clear();
        EXPECT_EQ(j.DejStatus(false, false), p.dosazitelna);
        EXPECT_TRUE(zpravy.empty());
    }
}

TEST_F(JasonTest, StatusRequestIsABareGet)
{
    brana.Odpovidej(200, "V1");
    TMujJas j = Klient();
    ASSERT_TRUE(j.DejStatus(false, true));
    const auto z = brana.zaznamy();
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].method, "GET");
    EXPECT_EQ(z[0].target, "/apiqmr/1.0.0/STATUS");
    EXPECT_EQ(z[0].body, "");
    EXPECT_FALSE(z[0].header("User-Agent"));
    EXPECT_FALSE(z[0].header("Accept"));
    EXPECT_FALSE(z[0].header("verze"));
    EXPECT_FALSE(z[0].header("Content-Type"));
}

TEST_F(JasonTest, NoGatewayMeansUnreachableAndNotSent)
{
    const int port = brana.port();
    brana.Zastav(); // nothing listens on the port any more
    TMujJas j(s, zpravy, Nastaveni(port));
    EXPECT_FALSE(j.DejStatus(false, true));
    OcekavejChybu(TMujJas::kNespojeno);
    zpravy.clear();
    EXPECT_FALSE(PosliObjednavku(j));
    OcekavejChybu(TMujJas::kNepredano);
}

TEST_F(JasonTest, SilentGatewayTimesOut)
{
    brana.Zdrzuj();
    NastaveniBrany n = Nastaveni(brana.port());
    n.CasCelkemMs = 300;
    TMujJas j(s, zpravy, n);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(j.DejStatus(false, true));
    OcekavejChybu(TMujJas::kNespojeno);
    zpravy.clear();
    EXPECT_FALSE(PosliObjednavku(j));
    OcekavejChybu(TMujJas::kNepredano);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
    EXPECT_EQ(brana.zaznamy().size(), 2u);
}

// ---- Messages --------------------------------------------------------------------------

TEST_F(JasonTest, OrderRequestCarriesHeadersQueryAndAllAttachments)
{
    brana.Odpovidej(200, "");
    const std::string vlastni = dir.write("uwagi.txt", "první\nřádek\r\ndruhý");
    TMujJas j = Klient();
    ASSERT_TRUE(PosliObjednavku(j, vlastni));
    EXPECT_TRUE(zpravy.empty()) << ::testing::PrintToString(zpravy.texts());

    const auto z = brana.zaznamy();
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].method, "POST");
    EXPECT_EQ(z[0].target, "/apiqmr/1.0.0/ORDER?zaslatQMR=true&poslatPotvrzeni=true"
                           "&emailOdesilatel=handlowiec@okna-nowak.pl");
    EXPECT_EQ(z[0].header("verze"), "5.2");
    EXPECT_EQ(z[0].header("subverze"), "PL");
    EXPECT_EQ(z[0].header("zakaznik"), "04711");
    EXPECT_EQ(z[0].header("jazyk"), "4");
    EXPECT_EQ(z[0].header("Content-Type"), "application/json");
    EXPECT_FALSE(z[0].header("User-Agent"));
    EXPECT_FALSE(z[0].header("Accept"));
    EXPECT_FALSE(z[0].header("Expect"));

    const ordered_json m = ordered_json::parse(z[0].body);
    EXPECT_EQ(m.dump(), z[0].body); // compact, members in the order built
    EXPECT_EQ(Klice(m), (std::vector<std::string>{"prilohy", "predmetEmail", "textEmail",
                                                  "predmetPotvrzeni", "textPotvrzeni"}));
    EXPECT_EQ(Dekoduj(m["predmetEmail"]), "Zamówienie 17/2024");
    EXPECT_EQ(Dekoduj(m["textEmail"]), "Treść\r\nzamówienia");
    EXPECT_EQ(Dekoduj(m["predmetPotvrzeni"]), "Potwierdzenie: Zamówienie 17/2024");
    EXPECT_EQ(Dekoduj(m["textPotvrzeni"]), "Potwierdzamy wysyłkę");

    const ordered_json &p = m["prilohy"];
    ASSERT_TRUE(p.is_array());
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(Klice(p[0]), (std::vector<std::string>{"typPrilohy", "priloha", "nazevPrilohy"}));
    EXPECT_EQ(p[0]["typPrilohy"], 1);
    EXPECT_TRUE(p[0]["typPrilohy"].is_number_integer());
    // The job file as text: UTF-8, CRLF after every line; named without folder and extension.
    EXPECT_EQ(Dekoduj(p[0]["priloha"]), "[Objednavka]\r\nTyp=1\r\nCislo=17/2024 różnie\r\n");
    EXPECT_EQ(p[0]["nazevPrilohy"], "QMRobj");

    EXPECT_EQ(Klice(p[1]), (std::vector<std::string>{"typPrilohy", "priloha", "nazevPrilohy"}));
    EXPECT_EQ(p[1]["typPrilohy"], 9);
    EXPECT_EQ(Dekoduj(p[1]["priloha"]), "první\r\nřádek\r\ndruhý\r\n");
    EXPECT_EQ(p[1]["nazevPrilohy"], "uwagi.txt"); // keeps its extension

    EXPECT_EQ(Klice(p[2]), (std::vector<std::string>{"nazevPrilohy", "typPrilohy", "priloha"}));
    EXPECT_EQ(p[2]["typPrilohy"], 3);
    EXPECT_EQ(Dekoduj(p[2]["priloha"]), qmrtest::TempDir::read(rys)); // byte for byte
    EXPECT_EQ(p[2]["nazevPrilohy"], "AB12");

    EXPECT_EQ(j.pAdresat, "handlowiec@okna-nowak.pl");
    EXPECT_EQ(j.pJmenoPril, "QMRobj");
    EXPECT_EQ(j.pJmenoPril2, "uwagi.txt");
    EXPECT_EQ(j.pJmenoObr, "AB12");
}

TEST_F(JasonTest, QuoteCarriesOnlyTheDrawingOfAnInfillJob)
{
    brana.Odpovidej(200, "");
    TMujJas j = Klient();
    ASSERT_TRUE(PosliNabidku(j, 1, rys));
    // Accessories only: no drawing, and no "prilohy" member at all.
    ASSERT_TRUE(PosliNabidku(j, 2, rys));
    // An infill job whose drawing name is blank has no drawing.
    ASSERT_TRUE(PosliNabidku(j, 1, " "));
    EXPECT_TRUE(zpravy.empty()) << ::testing::PrintToString(zpravy.texts());

    const auto z = brana.zaznamy();
    ASSERT_EQ(z.size(), 3u);
    for (const Zaznam &r : z) {
        EXPECT_EQ(r.method, "POST");
        EXPECT_EQ(r.target, "/apiqmr/1.0.0/OFFER?email=handlowiec@okna-nowak.pl");
        EXPECT_EQ(r.header("verze"), "5.2");
    }
    const ordered_json infill = ordered_json::parse(z[0].body);
    ASSERT_EQ(infill["prilohy"].size(), 1u);
    EXPECT_EQ(infill["prilohy"][0]["typPrilohy"], 3);
    EXPECT_EQ(infill["prilohy"][0]["nazevPrilohy"], "AB12");
    EXPECT_EQ(Dekoduj(infill["textPotvrzeni"]), "Treść oferty");

    const std::vector<std::string> bezPriloh{"predmetEmail", "textEmail", "predmetPotvrzeni",
                                             "textPotvrzeni"};
    for (std::size_t i : {1u, 2u}) {
        const ordered_json m = ordered_json::parse(z[i].body);
        EXPECT_EQ(Klice(m), bezPriloh);
        EXPECT_EQ(Dekoduj(m["predmetEmail"]), "Oferta  5/24");
    }
}

TEST_F(JasonTest, AnswersToAPost)
{
    struct Pripad {
        int status;
        const char *telo;
        bool prijato;
    } pripady[] = {
        {200, "", true},         {200, "200", true},  {200, "OK", false},
        {200, "200\r\n", false}, {201, "", false},    {404, "", false},
        {500, "", false},        {500, "Internal error", false},
        {200, "{\"status\":", false}, // malformed answer
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.status << " \"" << p.telo << "\"");
        brana.Odpovidej(p.status, p.telo);
        TMujJas j = Klient();
        zpravy.clear();
        EXPECT_EQ(PosliObjednavku(j), p.prijato);
        if (p.prijato)
            EXPECT_TRUE(zpravy.empty());
        else
            OcekavejChybu(TMujJas::kNepredano);
    }
}

TEST_F(JasonTest, DealerAddressDecidesRecipientAndIsChecked)
{
    brana.Odpovidej(200, "");
    // Rejected in gateway mode: reported, nothing posted.
    s.Firma.Data.Mail = "handlowiec w firmie";
    TMujJas j = Klient();
    EXPECT_FALSE(PosliObjednavku(j));
    OcekavejChybu("Niezrozumiały adres handlowiec w firmie");
    EXPECT_TRUE(brana.zaznamy().empty());

    // Characters that mean something in a query are encoded, so the gateway reads the
    // address the dealer gave.
    struct Pripad {
        int mapiGroup;
        const char *adresa;
        const char *dotaz;
    } pripady[] = {
        {1, "jan+oferty@okna.pl", "email=jan%2Boferty@okna.pl"},
        {1, "  biuro@okna.pl ", "email=biuro@okna.pl"},
        {1, "a&poslatPotvrzeni=false@okna.pl", "email=a%26poslatPotvrzeni%3Dfalse@okna.pl"},
        // Not checked outside gateway mode.
        {0, "jan nowak", "email=jan%20nowak"},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.adresa);
        s.Firma.Data.MapiGroup = p.mapiGroup;
        s.Firma.Data.Mail = p.adresa;
        zpravy.clear();
        EXPECT_TRUE(PosliNabidku(j, 2, {}));
        EXPECT_TRUE(zpravy.empty()) << ::testing::PrintToString(zpravy.texts());
        const auto z = brana.zaznamy();
        ASSERT_FALSE(z.empty());
        EXPECT_EQ(z.back().target, std::string("/apiqmr/1.0.0/OFFER?") + p.dotaz);
    }
}

TEST_F(JasonTest, HeaderBlock)
{
    TMujJas j = Klient();
    EXPECT_EQ(j.DejParsH(2), "verze:5.2\r\nsubverze:PL\r\nzakaznik:04711\r\njazyk:4");
    s.Firma.Data.Kod = "   ";
    EXPECT_EQ(j.DejParsH(3), "verze:5.2\r\nsubverze:PL\r\nzakaznik:00000\r\njazyk:4");

    brana.Odpovidej(200, "200");
    ASSERT_TRUE(PosliNabidku(j, 2, {}));
    EXPECT_EQ(brana.zaznamy().back().header("zakaznik"), "00000");

    EXPECT_EQ(TMujJas::DejPrikaz(2), "/ORDER");
    EXPECT_EQ(TMujJas::DejPrikaz(3), "/OFFER");
    EXPECT_EQ(TMujJas::DejPrikaz(0), "/STATUS");
    EXPECT_EQ(TMujJas::DejPrikaz(1), "/STATUS");
}

TEST_F(JasonTest, UnreadableAttachmentsStopTheOrder)
{
    brana.Odpovidej(200, "");
    TMujJas j = Klient();
    // The job file is gone.
    fs::remove(uloha);
    EXPECT_FALSE(PosliObjednavku(j));
    OcekavejChybu(TMujJas::kNepredano);
    EXPECT_TRUE(brana.zaznamy().empty());

    // The own attachment is gone.
    dir.write("QMRobj.qmr", "[Objednavka]\r\nTyp=1\r\n");
    zpravy.clear();
    EXPECT_FALSE(PosliObjednavku(j, dir.file("zniknal.pdf")));
    OcekavejChybu(TMujJas::kNepredano);
    EXPECT_TRUE(brana.zaznamy().empty());

    // The drawing is gone: the file error goes to the caller.
    fs::remove(rys);
    zpravy.clear();
    EXPECT_THROW(PosliObjednavku(j), EFileError);
    EXPECT_TRUE(zpravy.empty());
    EXPECT_TRUE(brana.zaznamy().empty());
}

TEST_F(JasonTest, BinaryOwnAttachmentAndLargeDrawingGoByteForByte)
{
    brana.Odpovidej(200, "");
    const std::string pdf = Bajty("%PDF-1.4\n\x00\xE2\xE3\xCF\xD3\r\n\x00\x01\xFF\n");
    const std::string vlastni = dir.write("rysunek.pdf", pdf);
    // Above 1 MiB: the client must not wait for a "100 Continue".
    std::string velky(1300 * 1024, '\0');
    for (std::size_t i = 0; i < velky.size(); ++i)
        velky[i] = static_cast<char>(i * 7);
    dir.write("AB12.jpg", velky);

    TMujJas j = Klient();
    ASSERT_TRUE(PosliObjednavku(j, vlastni));
    const auto z = brana.zaznamy();
    ASSERT_EQ(z.size(), 1u);
    EXPECT_FALSE(z[0].header("Expect"));
    const ordered_json m = ordered_json::parse(z[0].body);
    ASSERT_EQ(m["prilohy"].size(), 3u);
    EXPECT_EQ(Dekoduj(m["prilohy"][1]["priloha"]), pdf);
    EXPECT_EQ(m["prilohy"][1]["nazevPrilohy"], "rysunek.pdf");
    EXPECT_EQ(Dekoduj(m["prilohy"][2]["priloha"]), velky);
}

// ---- The demonstration job -------------------------------------------------------------

// The order attachment written from the demo job reaches the gateway such that the
// supplier reads the same job back from it.
TEST_F(JasonTest, DemoJobTravelsIntact)
{
    const fs::path data = fs::path(qmrtest::programDir()) / "DATA";
    if (!fs::exists(data / "vyplne.qmr"))
        GTEST_SKIP() << "the demo catalogue is not built: " << data;
    fs::copy(data, dir.path() / "DATA", fs::copy_options::recursive);
    const std::string job = dir.file("DATA/demo.qms");
    fs::copy_file(qmrtest::sourceDir() + "/tools/demo-jobs/demo.qms", job);
    qmrtest::FakeClock hodiny{2024, 3, 5};
    Session d;
    InitSession(d, dir.file("quilmar"));
    SeznamyVyplni(d);
    SeznamyBarev(d);
    ASSERT_TRUE(NactiData(d, job, zpravy, hodiny)) << ::testing::PrintToString(zpravy.texts());
    std::string jmeno = "QMRobj.qmr";
    FileZapis(d, jmeno, false, hodiny);
    ASSERT_TRUE(fs::exists(d.apPriloha));
    d.Firma.Data = s.Firma.Data;
    d.apVerze = s.apVerze;

    const std::string priloha = qmrtest::TempDir::read(d.apPriloha);

    brana.Odpovidej(200, "");
    zpravy.clear();
    TMujJas j(d, zpravy, Nastaveni(brana.port()));
    ASSERT_TRUE(j.PosliNeco(TMujJas::kObjednavka, d.Quilmar.QMData.Mail, "Zamówienie 1", "x",
                            "Potwierdzenie: Zamówienie 1", "y", d.apPriloha, {}, rys, d.TypZakazky));
    EXPECT_TRUE(zpravy.empty()) << ::testing::PrintToString(zpravy.texts());
    EXPECT_EQ(qmrtest::TempDir::read(d.apPriloha), priloha); // only read
    const auto z = brana.zaznamy();
    ASSERT_EQ(z.size(), 1u);
    const ordered_json m = ordered_json::parse(z[0].body);
    ASSERT_GE(m["prilohy"].size(), 1u);
    EXPECT_EQ(m["prilohy"][0]["nazevPrilohy"], "QMRobj");

    const std::string odeslano = Dekoduj(m["prilohy"][0]["priloha"]);
    EXPECT_TRUE(text::IsValidUtf8(odeslano));
    const std::string kopie = dir.write("DATA/prijato.qms", odeslano);
    Session p;
    InitSession(p, dir.file("quilmar"));
    SeznamyVyplni(p);
    SeznamyBarev(p);
    ASSERT_TRUE(NactiData(p, kopie, zpravy, hodiny)) << ::testing::PrintToString(zpravy.texts());
    EXPECT_EQ(p.TypZakazky, d.TypZakazky);
    EXPECT_EQ(p.SJmenoV, d.SJmenoV);
    EXPECT_EQ(p.SSirka, d.SSirka);
    EXPECT_EQ(p.SVyska, d.SVyska);
    EXPECT_EQ(p.SBarva1.DBarva.Nazev, d.SBarva1.DBarva.Nazev);
    EXPECT_EQ(p.apCislo, d.apCislo);
}

} // namespace
