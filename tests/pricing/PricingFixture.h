#pragma once
// A session pointed at a temporary data folder with a small infill catalogue and a
// configuration file written by the test.
#include "core/Currency.h"
#include "core/IniFile.h"
#include "core/Session.h"
#include "core/TSifraSoubor.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace qmr {
// Amounts in failure messages.
inline void PrintTo(const Currency &c, std::ostream *os) { *os << c.ToFixed4(); }
} // namespace qmr

namespace pricingtest {

using Ceny = std::vector<std::pair<std::string, int>>;
using Priznaky = std::vector<std::pair<std::string, bool>>;

// An amount given in units with up to four decimals.
inline qmr::Currency E(long double v) { return qmr::Currency::FromLD(v); }

class PricingTest : public ::testing::Test {
protected:
    PricingTest()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        dir.write("DATA/.keep", "");
    }

    std::string Vyplne() const { return s.apData + "vyplne.qmr"; }

    // One infill section with enciphered prices and plain Booleans.
    void Katalog(const std::string &Sekce, const Ceny &ceny, const Priznaky &priznaky = {})
    {
        qmr::TSifraSoubor f(Vyplne());
        f.Zapis = true;
        f.SetAutoFlush(false);
        for (const auto &[k, v] : ceny)
            f.WriteSifra(Sekce, k, v);
        for (const auto &[k, v] : priznaky)
            f.WriteBool(Sekce, k, v);
        f.UpdateFile();
    }

    // The configuration file as raw text.
    void Conf(const std::string &Text) { dir.write("DATA/Quilmar.cfg", Text); }

    // A panel chosen in the catalogue section Nazev, format 1, glazing S2, infill job.
    void Panel(const std::string &Nazev = "Vzor")
    {
        s.SVypln.DVypln.Polozka = 0;
        s.SVypln.DVypln.Nazev = Nazev;
        s.VyplnVybrana = true;
        s.TypZakazky = 1;
        s.SFormat = 1;
        s.SZaskleni = 2;
    }

    qmrtest::TempDir dir;
    qmr::Session s;
};

} // namespace pricingtest
