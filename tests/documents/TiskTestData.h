#pragma once
// Test data shared by the tests of the printed order and quote: the dealer's company, an
// ABS panel 900 x 2000 to print, the quote form's data and the demonstration job.
#include "catalogues/Seznamy.h"
#include "core/DateCore.h"
#include "core/Session.h"
#include "documents/TiskObjednavky.h"
#include "documents/UNabidka.h"
#include "jobfiles/UZapis.h"
#include "pricing/UOcen.h"
#include "support/FakeClock.h"
#include "support/TestPaths.h"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace tisktest {

inline void Prodejce(qmr::TFirmaData &f)
{
    f.Nazev1 = "Drzwi-Pol Sp. z o.o.";
    f.Nazev2 = "Salon Łódź";
    f.Ulice = "ul. Źródlana 7";
    f.PSC = "90-001";
    f.Obec = "Łódź";
    f.ICO = "123456789";
    f.DIC = "725-000-11-22";
    f.Telefon = "42 600 00 00";
    f.Fax = "42 600 00 01";
    f.Mail = "biuro@drzwipol.example";
}

// The dealer and the panel.
inline qmr::Session Zakazka()
{
    qmr::Session s;
    s.TypZakazky = 1;
    s.SSirka = 900;
    s.SVyska = 2000;
    s.SFormat = 1;
    s.SVypln.DVypln.Kod = "PA";
    Prodejce(s.Firma.Data);
    return s;
}

inline const qmrtest::FakeClock kDnes{2024, 3, 5};

// A full quote (delivery date, transport, validity) for 3 pieces, without date, lines and notes.
inline qmr::DataNabidky Nabidka()
{
    qmr::DataNabidky d;
    d.Cislo = "N-88";
    d.Podpis = "Anna Kowalczyk";
    d.TxCena = "Z transportem 3 703,68 PLN z podatkiem";
    d.Pocet = 3;
    d.Platnost = 14;
    d.Verze = 1;
    d.Doprava = 1;
    return d;
}

// The order of the session's job as the order form fills it in.
inline qmr::DataObjednavky ObjednavkaJobu(const qmr::Session &s)
{
    qmr::DataObjednavky d;
    d.Cislo = s.apCislo;
    d.Termin = qmr::FormatDate(s.apTermin);
    d.Pocet = s.apPocet;
    d.Radky = qmr::DejRadky(s, qmr::Formular::Objed);
    d.Poznamky = s.SPoznamky;
    return d;
}

// Opens the demonstration job in copies of the built program's folders (DATA and the
// others named) in dir, named and priced as the main window has it. False when the job
// cannot be read.
inline bool OtevriDemo(const qmrtest::TempDir &dir, std::initializer_list<const char *> Slozky, qmr::Session &s,
                       qmr::Messages &Zpravy, const qmr::Clock &Hodiny)
{
    namespace fs = std::filesystem;
    const fs::path prog = qmrtest::programDir();
    for (const char *d : Slozky)
        fs::copy(prog / d, dir.path() / d, fs::copy_options::recursive);
    const std::string job = dir.file("DATA/demo.qms");
    fs::copy_file(qmrtest::sourceDir() + "/tools/demo-jobs/demo.qms", job);
    qmr::InitSession(s, dir.file("quilmar"));
    qmr::SeznamyVyplni(s);
    qmr::SeznamyBarev(s);
    if (!qmr::NactiData(s, job, Zpravy, Hodiny))
        return false;
    qmr::Nazvi(s);
    qmr::Ocen(s);
    return true;
}

} // namespace tisktest
