#pragma once
// A program folder with a small infill catalogue written by the test, a picture store
// where every picture exists unless the test says otherwise, and scripted option dialogs.
#include "core/Session.h"
#include "core/TSifraSoubor.h"
#include "dialogs/infill/DialogRunner.h"
#include "dialogs/infill/UODrazka.h"
#include "dialogs/infill/UOMrizka.h"
#include "dialogs/infill/UOPaska.h"
#include "dialogs/infill/UORam.h"
#include "support/FakePictureStore.h"
#include "support/TestPaths.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace qmrtest {

// One section of a catalogue: plain keys and enciphered prices.
struct Sekce {
    std::string nazev;
    std::vector<std::pair<std::string, std::string>> klice;
    std::vector<std::pair<std::string, int>> ceny;
};

inline std::string text(const std::vector<Sekce> &sekce)
{
    std::string t;
    for (const Sekce &s : sekce) {
        t += "[" + s.nazev + "]\n";
        for (const auto &[k, v] : s.klice)
            t += k + "=" + v + "\n";
        for (const auto &[k, v] : s.ceny)
            t += k + "=" + qmr::Encrypt(v) + "\n";
        t += "\n";
    }
    return t;
}

// Option dialogs that pick the scripted picture (0: cancel) and record what they showed.
class SkriptOken : public qmr::OptionDialogRunner {
public:
    std::deque<int> volby; // next picture to click in any option dialog; empty = cancel
    std::vector<std::string> ukazane; // captions of the dialogs shown, in order
    std::vector<std::vector<qmr::Obrazek>> obrazky; // their pictures

    int RunORam(qmr::TVORam &d) override { return ukaz(d); }
    int RunOMrizka(qmr::TVOMrizka &d) override { return ukaz(d); }
    int RunOPaska(qmr::TVOPaska &d) override { return ukaz(d); }
    int RunODrazka(qmr::TVODrazka &d) override { return ukaz(d); }

private:
    int ukaz(qmr::TVOVolba &d)
    {
        ukazane.push_back(d.Titulek());
        obrazky.push_back(d.Obrazky());
        if (volby.empty())
            return 2;
        const int k = volby.front();
        volby.pop_front();
        return k > 0 && d.Klik(k) == 1 ? 1 : 2;
    }
};

struct VyplnFixture {
    TempDir dir;
    qmr::Session s;
    FakePictureStore obrazky;
    SkriptOken okna;

    VyplnFixture()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        obrazky.everythingExists = true;
        dir.write("DATA/doplnky.qmr", text({{"MX01", {{"Kod", "MX01"}}, {{"Cena", 450}, {"Montaz", 150}}}}));
    }

    void katalog(const std::vector<Sekce> &sekce) { dir.write("DATA/vyplne.qmr", text(sekce)); }

    // The families of the type dialog.
    void abs() { rodina(false, false, false, false); }
    void hpl() { rodina(false, false, true, false); }
    void hlinik() { rodina(true, false, false, false); }
    void alAbs() { rodina(false, true, false, false); }
    void sklo() { rodina(false, false, false, true); }
    void rodina(bool hlinik, bool hlinik2, bool hpl1, bool glas)
    {
        s.SHlinik = hlinik;
        s.SHlinik2 = hlinik2;
        s.SHPL1 = hpl1;
        s.SHPL2 = false;
        s.SGlas = glas;
    }

    std::string cesta(const std::string &slozka, const std::string &jmeno) const
    {
        return s.apCesta + slozka + "/" + jmeno + ".jpg";
    }
};

} // namespace qmrtest
