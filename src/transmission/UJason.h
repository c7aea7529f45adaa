#pragma once
// The client of the supplier's order gateway. Dealers in gateway mode (Firma MapiGroup 1)
// post orders and quotes as JSON over HTTP instead of mailing them; the gateway delivers
// them and answers to the dealer's own address. Every request is synchronous and uses
// its own HTTP connection, released before the call returns.
//
// One TMujJas serves the quote and the order form (through the functions they are given).
// Its text fields keep the last message, already base64-encoded, so that DejJSN can be
// rebuilt from them.
#include <string>

namespace qmr {

class Messages;
struct Session;

// Where the gateway lives and how long a request may take. Only the time-outs are meant
// to change (tests use a local server and short time-outs).
struct NastaveniBrany {
    std::string Host = "brana.quilmar.pl";
    int Port = 5001;
    long CasSpojeniMs = 10000; // connecting
    long CasCelkemMs = 90000;  // the whole exchange, connecting included
};

class TMujJas {
public:
    // Every resource lies below this path.
    static constexpr const char *kKoren = "/apiqmr/1.0.0";
    // Message kinds.
    static constexpr int kObjednavka = 2;
    static constexpr int kNabidka = 3;

    static constexpr const char *kNadpis = "Quilmar";
    static constexpr const char *kNespojeno = "Nie nawiązano połączenia (działa Internet?)!";
    static constexpr const char *kSpatnaAdresa = "Niezrozumiały adres ";
    static constexpr const char *kNepredano = "Nie udało się przekazać wiadomości!";

    TMujJas(Session &s, Messages &m, NastaveniBrany n = {});

    // "/ORDER" for 2, "/OFFER" for 3, "/STATUS" otherwise.
    static std::string DejPrikaz(int Typ);
    // The extra header lines verze, subverze, zakaznik and jazyk, joined by CRLF (no CRLF
    // after the last one). A blank customer number is sent as "00000".
    std::string DejParsH(int Typ) const;
    // The query string; the address is percent-encoded where the query needs it.
    std::string DejParsQ(int Typ) const;
    // The message as compact JSON (members in insertion order).
    std::string DejJSN(int Typ) const;

    // True when the gateway answers its status request with exactly "V1". When not and
    // Nahlas is set, the failure is reported.
    bool DejStatus(bool Keep, bool Nahlas);
    // Posts JASON to the resource Prikaz (path and query, below kKoren) with the header
    // block Parametry (lines "name:value" separated by CRLF). True when the gateway
    // answered "200", or with an empty body and status 200. Reports nothing.
    bool PosliPars(const std::string &Prikaz, const std::string &Parametry,
                   const std::string &JASON, bool Nahlas);
    // Encodes and sends one message (Typ 2 an order, 3 a quote). The recipient is always
    // the dealer's own address (Firma.Data.Mail); Adresat is ignored. Priloha is the job
    // file (orders only), Priloha2 the dealer's own attachment or empty, NazevRysu the
    // drawing picture (infill jobs, TypZakazky 1). Failures are reported; a missing
    // drawing picture throws EFileError.
    bool PosliNeco(int Typ, const std::string &Adresat, const std::string &Predmet,
                   const std::string &Obsah, const std::string &PredmetPotvr,
                   const std::string &ObsahPotvr, const std::string &Priloha,
                   const std::string &Priloha2, const std::string &NazevRysu, int TypZakazky);

    const NastaveniBrany &Nastaveni() const { return n_; }
    // "http://host:port" + kKoren.
    std::string Zaklad() const;

    // The message last prepared by PosliNeco.
    std::string pAdresat;
    std::string pPredmet;
    std::string pObsah;
    std::string pPriloha;
    std::string pPriloha2;
    std::string pObrazek;
    std::string pJmenoPril;
    std::string pJmenoPril2;
    std::string pJmenoObr;
    std::string pPredmetPotvr;
    std::string pObsahPotvr;

private:
    Session &s_;
    Messages &m_;
    NastaveniBrany n_;
};

} // namespace qmr
