#pragma once
// What the tests of the quote form and the order form share: the job they open on, the
// harness that opens a form with a counting pricing engine, and the demonstration job.
#include "catalogues/Seznamy.h"
#include "core/DateCore.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "documents/Formulare.h"
#include "documents/Radky.h"
#include "jobfiles/UZapis.h"
#include "pricing/UOcen.h"
#include "support/FakeClock.h"
#include "support/FakeMailClient.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace formtest {

inline const char *const CRLF = "\r\n";

// An ABS panel 900 x 2000 with glazing in two colours.
inline void Panel(qmr::Session &s)
{
    s.TypZakazky = 1;
    s.VyplnVybrana = s.BarvyVybrany = s.RozmerVybran = true;
    s.SJmenoV = "Aura 1/1 S1";
    s.SSirka = 900;
    s.SVyska = 2000;
    s.CTloustka = 24;
    s.SFormat = 1;
    s.SZaskleni = 1;
    s.SBarva1.DBarva.Polozka = 0;
    s.SBarva1.DBarva.Nazev = "Kremowy";
    s.SBarva2.DBarva.Polozka = 0;
    s.SBarva2.DBarva.Nazev = "Biały";
}

// The panel with its drawing, a foreign customer, and the dealer's company.
inline qmr::Session Vypln()
{
    qmr::Session s;
    Panel(s);
    s.SBarva2.DBarva.Cislo = "9016";
    s.NazevRysu = "/program/RYSY/PA1S1.jpg";
    s.Cizina = true;
    qmr::TFirmaData &f = s.Firma.Data;
    f.Nazev1 = "Drzwi Nowak";
    f.Ulice = "ul. Polna 3";
    f.PSC = "00-950";
    f.Obec = "Warszawa";
    f.ICO = "123456789";
    f.Osoba = "Jan Nowak";
    f.Telefon = "22 123 45 67";
    f.Mail = "biuro@nowak.example";
    return s;
}

// A form of kind Logika on the session s; the pricing engine only counts its runs.
template <class Logika, class Akce> struct Form {
    qmr::Session s;
    qmrtest::FakeMessages m;
    qmrtest::FakeClock hodiny{2024, 3, 5}; // a Tuesday
    qmrtest::FakeMailClient mail;
    Akce akce;
    int ocenenu = 0;

    explicit Form(qmr::Session s0) : s(std::move(s0))
    {
        akce.Ocen = [this](qmr::Session &) { ++ocenenu; };
    }
    Logika Otevri() { return Logika(s, m, hodiny, mail, akce); }
};

// The lines of the job as the message body lists them.
inline std::string RadkyTextem(const qmr::RadkyZakazky &r)
{
    std::string t;
    for (std::size_t i = 0; i < r.Pocet(); ++i)
        t += r.Radky1[i] + "   " + r.Radky2[i] + CRLF;
    return t;
}

// A fresh form that f.Otevri() gave on the number cislo: it signs with the contact
// person, shows quantity 1 and the lines and the proposed date of the form kind druh;
// the opening priced once and changed nothing.
template <class F, class L> void OverNovy(const F &f, const L &formular, const std::string &cislo, qmr::Formular druh)
{
    EXPECT_EQ(formular.Cislo(), cislo);
    EXPECT_EQ(formular.Podpis(), "Jan Nowak");
    EXPECT_EQ(formular.Pocet(), 1);
    EXPECT_TRUE(formular.PocetViditelny());
    EXPECT_EQ(formular.Radky().Radky1, qmr::DejRadky(f.s, druh).Radky1);
    EXPECT_EQ(formular.Radky().Radky2, qmr::DejRadky(f.s, druh).Radky2);
    EXPECT_EQ(formular.TerminTip(), "oszklone wypełnienia do 14 dni pracy");
    EXPECT_EQ(formular.Termin(), qmr::FormatDate(qmr::NavrhniTermin(f.s, f.hodiny, druh).Termin));
    EXPECT_EQ(f.ocenenu, 1);
    EXPECT_FALSE(f.s.apEdited);
    EXPECT_TRUE(f.m.empty());
}

// A form completed before in this session (number cislo, quantity 4, signature, date,
// notes), with the companies chosen from a list.
inline void Drivejsi(qmr::Session &s, const std::string &cislo)
{
    s.apPocet = 4;
    s.apCislo = cislo;
    s.apPodpis = "Anna";
    s.apTermin = qmr::EncodeDate(2024, 3, 20);
    s.apVyberOdb = true;
    s.apFirma = "Drzwi Nowak";
    s.SPoznamky = {"a", "b"};
}

// Quantity, number, signature, date and notes come back; the company's name stands in
// the caption after titulek.
template <class L> void OverDrivejsi(const L &formular, const std::string &cislo, const std::string &titulek)
{
    EXPECT_EQ(formular.Titulek(), titulek + " (Drzwi Nowak)");
    EXPECT_EQ(formular.Pocet(), 4);
    EXPECT_EQ(formular.Cislo(), cislo);
    EXPECT_EQ(formular.Podpis(), "Anna");
    EXPECT_EQ(formular.Termin(), "20.03.2024");
    EXPECT_EQ(formular.Poznamky(), "a\nb");
}

// The limits of the fields: quantity 1 .. 999, 15 characters of the number, 40 of the
// signature.
template <class L> void OverMeze(L &formular)
{
    formular.NastavPocet(5000);
    EXPECT_EQ(formular.Pocet(), 999);
    formular.NastavPocet(0);
    EXPECT_EQ(formular.Pocet(), 1);
    formular.NastavCislo("1234567890ABCDEFGH");
    EXPECT_EQ(formular.Cislo(), "1234567890ABCDE");
    formular.NastavPodpis(std::string(45, 'x'));
    EXPECT_EQ(formular.Podpis(), std::string(40, 'x'));
}

// Leaves the number field holding cislo towards cil on a form F on vychozi whose
// session had the number "staré": the result zpet, apCislo afterwards, and with zpet the
// stop message hlaska once, else none. Returns apEdited afterwards.
template <class F>
bool OverCislo(const qmr::Session &vychozi, const char *cislo, qmr::CilFokusu cil, bool zpet, const char *apCislo,
               const char *hlaska)
{
    F f(vychozi);
    f.s.apCislo = "staré";
    auto formular = f.Otevri();
    formular.NastavCislo(cislo);
    EXPECT_EQ(formular.CisloExit(cil), zpet);
    EXPECT_EQ(f.s.apCislo, apCislo);
    if (zpet) {
        EXPECT_EQ(f.m.count(), 1u);
        if (!f.m.empty()) {
            EXPECT_EQ(f.m.last().caption, "UWAGA!");
            EXPECT_EQ(f.m.last().text, hlaska);
            EXPECT_EQ(f.m.last().flags & qmr::MB_ICONMASK, qmr::MB_ICONSTOP);
        }
    } else {
        EXPECT_TRUE(f.m.empty());
    }
    return f.s.apEdited;
}

// Notes (of a form F on vychozi): at most 10 lines are asked for, more give the message titulek/text once; all
// lines are kept when the form closes.
template <class F> void OverPoznamky(const qmr::Session &vychozi, const char *titulek, const char *text)
{
    for (int radku : {10, 11}) {
        SCOPED_TRACE(radku);
        F f(vychozi);
        auto formular = f.Otevri();
        std::string t;
        for (int i = 0; i < radku; ++i)
            t += "r" + std::to_string(i) + "\n";
        formular.NastavPoznamky(t);
        formular.PoznamkyExit();
        ASSERT_EQ(f.m.count(), radku > 10 ? 1u : 0u);
        if (radku > 10) {
            EXPECT_EQ(f.m.last().caption, titulek);
            EXPECT_EQ(f.m.last().text, text);
        }
        formular.Zavri();
        EXPECT_EQ(f.s.SPoznamky.size(), std::size_t(radku));
    }
}

// Fills every field of the open form f.Otevri() gave and finishes it: the fields are
// stored, the job is named after the number and the notes replace those the session had.
template <class F, class L> void OverKonec(F &f, L &formular, const std::string &cislo)
{
    formular.NastavCislo(" " + cislo + " ");
    formular.NastavPodpis("Ewa");
    formular.NastavPocet(3);
    formular.DopravaClick(1);
    formular.NastavTermin("2.4.2024", true);
    formular.NastavPoznamky("nowa 1\nnowa 2\n");
    f.s.apEdited = false;
    ASSERT_TRUE(formular.KonecClick());
    formular.Zavri();
    EXPECT_EQ(f.s.apCislo, cislo);
    EXPECT_EQ(f.s.apPodpis, "Ewa");
    EXPECT_EQ(f.s.apPocet, 3);
    EXPECT_TRUE(f.s.apOdvoz);
    EXPECT_EQ(f.s.apTermin, qmr::EncodeDate(2024, 4, 2));
    EXPECT_EQ(f.s.apSoubor, cislo + ".qms");
    EXPECT_EQ(f.s.SPoznamky, (std::vector<std::string>{"nowa 1", "nowa 2"}));
    EXPECT_TRUE(f.m.empty());
}

// After the commands of a form whose date field holds no date: each reported the
// conversion error (prikazu reports), the fields before the date (the number cislo)
// were stored, the date of the session and the job's name were not.
template <class F> void OverChybuData(const F &f, std::size_t prikazu, const std::string &cislo, double termin)
{
    ASSERT_EQ(f.m.count(), prikazu);
    for (const auto &c : f.m.calls()) {
        EXPECT_EQ(c.caption, "Quilmar");
        EXPECT_NE(c.text.find("is not a valid date"), std::string::npos) << c.text;
    }
    EXPECT_EQ(f.s.apTermin, termin);
    EXPECT_EQ(f.s.apCislo, cislo);
    EXPECT_EQ(f.s.apSoubor, "");
}

// The demonstration job read with the demo catalogue in a temporary program folder.
class DemoFormular : public ::testing::Test {
protected:
    // Changes to the copied catalogue before the job is read.
    virtual void UpravData() {}

    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path data = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(data / "vyplne.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << data;
        fs::copy(data, dir.path() / "DATA", fs::copy_options::recursive);
        UpravData();
        if (HasFatalFailure())
            return;
        const std::string job = dir.file("DATA/demo.qms");
        fs::copy_file(qmrtest::sourceDir() + "/tools/demo-jobs/demo.qms", job);
        qmr::InitSession(s, dir.file("quilmar"));
        qmr::SeznamyVyplni(s);
        qmr::SeznamyBarev(s);
        ASSERT_TRUE(qmr::NactiData(s, job, zpravy, hodiny)) << ::testing::PrintToString(zpravy.texts());
        qmr::Nazvi(s);
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmrtest::FakeMessages zpravy;
    qmrtest::FakeClock hodiny{2024, 3, 5};
    qmrtest::FakeMailClient mail;
};

} // namespace formtest
