#pragma once
// Records of the business partners held by the session: the supplier, the dealer's own
// company (the supplier's customer) and the end customer. Plain data; reading and
// writing live in partners/ (UNaseDef, UJejichDef, UZakazdef).
//
// Texts are UTF-8 like everywhere in the program; the files may hold Windows-1250.
#include <string>

namespace qmr {

// The supplier: section [Quilmar] of DATA/quilmar.qmr.
struct TQMData {
    std::string Nazev;   // company name
    std::string Ulice;   // street
    std::string PSC;     // postal code
    std::string Obec;    // town
    std::string Telefon;
    std::string Fax;
    std::string Mail;    // e-mail address for orders
    std::string Stranka; // web page
};

struct TQuilmar {
    TQMData QMData;
};

// The dealer's company: section [Firma] of the configuration file.
struct TFirmaData {
    std::string Nazev1;   // company name, first line
    std::string Nazev2;   // second line
    std::string Ulice;    // seat: street,
    std::string PSC;      // postal code
    std::string Obec;     // and town
    std::string Osoba;    // contact person; default signature of quotes and orders
    std::string DUlice;   // delivery address: street,
    std::string DPSC;     // postal code
    std::string DObec;    // and town
    std::string PracDoba; // working hours for receiving goods
    std::string ICO;      // registration number (printed as "Regon")
    std::string DIC;      // tax number (printed as "NIP")
    std::string Banka;    // not used
    std::string Telefon;
    std::string Fax;
    std::string Mail;     // also the address the order gateway answers to
    int MapiGroup = 0;    // 0 mail client, 1 the supplier's gateway, 2 manual sending / print only
    std::string Kod;      // customer number at the supplier ("00000": not yet assigned)
    std::string Volna1;   // not used
    std::string VCena1;   // not used
    int Rabat = 0;        // not used
    std::string Klic;     // not used
};

struct TFirma {
    TFirmaData Data;
};

// The end customer: section [Zakaznik] of a job file (only while apZakaznik is on).
struct TZakazData {
    std::string Jmeno;    // first name
    std::string Prijmeni; // surname
    std::string Ulice;
    std::string Mesto;
    std::string PSC;
    std::string Mobil;
    std::string Telefon;
    std::string Email;
    int Cena = 0;         // not used
    std::string Volna1;   // copies of apVolna1, apVCena1 and apMontaz taken by the dialog
    int VCena1 = 0;
    int ZaMontaz = 0;
};

struct TZakaznik {
    TZakazData Data;
};

} // namespace qmr
