#include "transmission/UJason.h"

#include "core/Funkce.h"
#include "core/Messages.h"
#include "core/Session.h"

#include <curl/curl.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace qmr {

namespace {

// ---- HTTP exchange ------------------------------------------------------------------

struct Odpoved {
    bool Provedeno = false; // the exchange took place (any HTTP status)
    long Kod = 0;           // HTTP status
    std::string Telo;       // response body
    std::string Chyba;      // the client's error text when not carried out
};

std::size_t PridejData(char *data, std::size_t size, std::size_t n, void *cil)
{
    static_cast<std::string *>(cil)->append(data, size * n);
    return size * n;
}

struct CurlUklid {
    void operator()(CURL *c) const { curl_easy_cleanup(c); }
};
struct SeznamUklid {
    void operator()(curl_slist *l) const { curl_slist_free_all(l); }
};
using CurlPtr = std::unique_ptr<CURL, CurlUklid>;
using SeznamPtr = std::unique_ptr<curl_slist, SeznamUklid>;

void InitCurl()
{
    // Once per process, before the first handle (the program is single-threaded).
    static const bool hotovo = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)hotovo;
}

bool Pridej(SeznamPtr &seznam, const std::string &radek)
{
    curl_slist *novy = curl_slist_append(seznam.get(), radek.c_str());
    if (novy == nullptr)
        return false;
    seznam.release();
    seznam.reset(novy);
    return true;
}

// One request on its own connection. Telo is posted when Post is set; Hlavicky are extra
// header lines "name:value". Only headers given here are sent besides Host (and
// Content-Length for a post): no user agent, no Accept, no Expect.
Odpoved Proved(const NastaveniBrany &n, const std::string &url, bool Post, const std::string &Telo,
               const std::vector<std::string> &Hlavicky, bool Keep)
{
    Odpoved o;
    InitCurl();
    CurlPtr c(curl_easy_init());
    if (!c) {
        o.Chyba = "HTTP client not available";
        return o;
    }
    SeznamPtr seznam;
    std::vector<std::string> radky = {"Accept:", "Expect:"};
    if (!Keep)
        radky.emplace_back("Connection: close");
    if (Post)
        radky.emplace_back("Content-Type: application/json");
    for (const std::string &h : Hlavicky) {
        // "name:" alone would make the client drop the header; "name;" sends it empty.
        if (!h.empty() && h.back() == ':')
            radky.push_back(h.substr(0, h.size() - 1) + ";");
        else
            radky.push_back(h);
    }
    for (const std::string &r : radky) {
        if (!Pridej(seznam, r)) {
            o.Chyba = "Out of memory";
            return o;
        }
    }

    char chyba[CURL_ERROR_SIZE] = {};
    CURL *h = c.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, n.CasSpojeniMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, n.CasCelkemMs);
    curl_easy_setopt(h, CURLOPT_FORBID_REUSE, Keep ? 0L : 1L);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, seznam.get());
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &PridejData);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &o.Telo);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, chyba);
    if (Post) {
        curl_easy_setopt(h, CURLOPT_POST, 1L);
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, Telo.data());
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(Telo.size()));
    } else {
        curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    }

    const CURLcode r = curl_easy_perform(h);
    if (r != CURLE_OK) {
        o.Telo.clear();
        o.Chyba = chyba[0] ? std::string(chyba) : std::string(curl_easy_strerror(r));
        return o;
    }
    o.Provedeno = true;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &o.Kod);
    return o;
}

// Header block lines; empty lines are skipped.
std::vector<std::string> RadkyHlavicky(const std::string &Parametry)
{
    std::vector<std::string> v;
    std::size_t i = 0;
    while (i <= Parametry.size()) {
        std::size_t e = Parametry.find_first_of("\r\n", i);
        if (e == std::string::npos)
            e = Parametry.size();
        if (e > i)
            v.push_back(Parametry.substr(i, e - i));
        i = e + 1;
    }
    return v;
}

// Percent-encoding of a query value. Letters, digits, "-._~" and "@" stay, so an
// ordinary address is sent as it is; "+", "&", "=", "#", blanks and the like would
// otherwise change its meaning or break the request.
std::string DoDotazu(const std::string &S)
{
    static const char *hex = "0123456789ABCDEF";
    std::string v;
    for (unsigned char ch : S) {
        const bool zustava = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                             (ch >= '0' && ch <= '9') || ch == '-' || ch == '.' || ch == '_' ||
                             ch == '~' || ch == '@';
        if (zustava) {
            v += static_cast<char>(ch);
        } else {
            v += '%';
            v += hex[ch >> 4];
            v += hex[ch & 0x0F];
        }
    }
    return v;
}

std::string JmenoSouboru(const std::string &Cesta)
{
    return std::filesystem::path(Cesta).filename().string();
}

// Text files are sent as text (lines joined by CRLF); a file with a NUL byte is no text
// file and goes byte for byte, as reading it as text would mangle it.
bool VlastniPriloha(const std::string &Cesta, std::string &S)
{
    std::ifstream f(Cesta, std::ios::binary);
    if (!f)
        return false;
    const std::string bajty((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad())
        return false;
    if (bajty.find('\0') != std::string::npos)
        return BinSouborToString64(Cesta, S);
    return TextSouborToString64(Cesta, S);
}

} // namespace

// ---- TMujJas --------------------------------------------------------------------------

TMujJas::TMujJas(Session &s, Messages &m, NastaveniBrany n) : s_(s), m_(m), n_(std::move(n)) {}

std::string TMujJas::Zaklad() const
{
    return "http://" + n_.Host + ":" + std::to_string(n_.Port) + kKoren;
}

std::string TMujJas::DejPrikaz(int Typ)
{
    switch (Typ) {
    case kObjednavka:
        return "/ORDER";
    case kNabidka:
        return "/OFFER";
    default:
        return "/STATUS";
    }
}

std::string TMujJas::DejParsH(int) const
{
    const std::string &kod = s_.Firma.Data.Kod;
    return "verze:" + s_.apVerze + "\r\n" + "subverze:" + "PL" + "\r\n" + "zakaznik:" +
           (Empty(kod) ? std::string("00000") : kod) + "\r\n" + "jazyk:" + "4";
}

std::string TMujJas::DejParsQ(int Typ) const
{
    if (Typ == kObjednavka)
        return "zaslatQMR=true&poslatPotvrzeni=true&emailOdesilatel=" + DoDotazu(pAdresat);
    return "email=" + DoDotazu(pAdresat);
}

std::string TMujJas::DejJSN(int) const
{
    using nlohmann::ordered_json;
    ordered_json zprava = ordered_json::object();
    if (!Empty(pPriloha) || !Empty(pPriloha2) || !Empty(pObrazek)) {
        ordered_json prilohy = ordered_json::array();
        if (!Empty(pPriloha)) {
            ordered_json pril = ordered_json::object();
            pril["typPrilohy"] = 1;
            pril["priloha"] = pPriloha;
            pril["nazevPrilohy"] = pJmenoPril;
            prilohy.push_back(std::move(pril));
        }
        if (!Empty(pPriloha2)) {
            ordered_json pril = ordered_json::object();
            pril["typPrilohy"] = 9;
            pril["priloha"] = pPriloha2;
            pril["nazevPrilohy"] = pJmenoPril2;
            prilohy.push_back(std::move(pril));
        }
        if (!Empty(pObrazek)) {
            ordered_json pril = ordered_json::object();
            pril["nazevPrilohy"] = pJmenoObr;
            pril["typPrilohy"] = 3;
            pril["priloha"] = pObrazek;
            prilohy.push_back(std::move(pril));
        }
        zprava["prilohy"] = std::move(prilohy);
    }
    zprava["predmetEmail"] = pPredmet;
    zprava["textEmail"] = pObsah;
    zprava["predmetPotvrzeni"] = pPredmetPotvr;
    zprava["textPotvrzeni"] = pObsahPotvr;
    // Names are the only values that are not base64: UTF-8 as it is, invalid bytes replaced.
    return zprava.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

bool TMujJas::DejStatus(bool Keep, bool Nahlas)
{
    const Odpoved o = Proved(n_, Zaklad() + DejPrikaz(0), false, {}, {}, Keep);
    const std::string status = o.Provedeno ? o.Telo : std::string();
    const bool ok = status == "V1";
    if (!ok && Nahlas)
        m_.Chyba(kNadpis, kNespojeno);
    return ok;
}

bool TMujJas::PosliPars(const std::string &Prikaz, const std::string &Parametry,
                        const std::string &JASON, bool)
{
    const Odpoved o = Proved(n_, Zaklad() + Prikaz, true, JASON, RadkyHlavicky(Parametry), false);
    std::string vysledek;
    if (o.Provedeno)
        vysledek = o.Telo.empty() ? std::to_string(o.Kod) : o.Telo;
    else
        vysledek = o.Chyba;
    return vysledek == "200";
}

bool TMujJas::PosliNeco(int Typ, const std::string &, const std::string &Predmet,
                        const std::string &Obsah, const std::string &PredmetPotvr,
                        const std::string &ObsahPotvr, const std::string &Priloha,
                        const std::string &Priloha2, const std::string &NazevRysu, int TypZakazky)
{
    // The gateway always answers to the dealer (the address as checked, without blanks
    // around it).
    const std::string adresa = Trim(s_.Firma.Data.Mail);
    if (s_.Firma.Data.MapiGroup > 0 && !KontrMail(adresa, false, m_)) {
        m_.Chyba(kNadpis, kSpatnaAdresa + adresa);
        return false;
    }
    pAdresat = adresa;
    pPredmet = StringTo64(Predmet);
    pPredmetPotvr = StringTo64(PredmetPotvr);
    pObsah = StringTo64(Obsah);
    pObsahPotvr = StringTo64(ObsahPotvr);

    // An order without its job file, or without the attachment the user chose, would be
    // accepted by the gateway and be of no use: such a message is not sent.
    bool citelne = true;
    pPriloha.clear();
    pJmenoPril.clear();
    if (Typ == kObjednavka) {
        citelne = TextSouborToString64(Priloha, pPriloha);
        pJmenoPril = JenJmeno(JmenoSouboru(Priloha));
    }
    pPriloha2.clear();
    pJmenoPril2.clear();
    if (!Empty(Priloha2)) {
        citelne = VlastniPriloha(Priloha2, pPriloha2) && citelne;
        pJmenoPril2 = JmenoSouboru(Priloha2);
    }
    // A blank drawing name means the job has no drawing.
    pObrazek.clear();
    pJmenoObr.clear();
    if (TypZakazky == 1 && !Empty(NazevRysu)) {
        BinSouborToString64(NazevRysu, pObrazek);
        pJmenoObr = JenJmeno(JmenoSouboru(NazevRysu));
    }

    if (citelne && PosliPars(DejPrikaz(Typ) + "?" + DejParsQ(Typ), DejParsH(Typ), DejJSN(Typ), false))
        return true;
    m_.Chyba(kNadpis, kNepredano);
    return false;
}

} // namespace qmr
