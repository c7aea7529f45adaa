#pragma once
// A program folder in a temp folder with catalogue files written by the test.
#include "core/Session.h"
#include "core/TSifraSoubor.h"
#include "support/TestPaths.h"

#include <string>

namespace qmrtest {

struct KatalogFixture {
    TempDir dir;
    qmr::Session s;

    KatalogFixture()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
    }

    // Writes a catalogue file into DATA/ (raw bytes: UTF-8 or Windows-1250).
    std::string soubor(const std::string &jmeno, const std::string &text) const
    {
        return dir.write("DATA/" + jmeno, text);
    }
};

// "key=<enciphered value>\n".
inline std::string sifra(const std::string &klic, int hodnota)
{
    return klic + "=" + qmr::Encrypt(hodnota) + "\n";
}

} // namespace qmrtest
