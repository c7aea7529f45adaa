#include "catalogues/KodRysu.h"

#include "catalogues/Katalog.h"
#include "core/Funkce.h"

#include <algorithm>
#include <climits>

namespace qmr {

namespace {

std::string znak(const std::string &s, int p) { return SubStr(s, p, 1); }
std::string zbytek(const std::string &s, int p) { return SubStr(s, p, INT_MAX); }
std::string cislo(int n) { return std::to_string(n); }

// The relative position of a line in percent; outside 5..95 the line lies in the middle.
int relativni(int rel) { return (rel < 5 || rel >= 96) ? 100 : rel; }

void nactiSmer(const IniFile &f, const std::string &sekce, const char *pocetKlic,
               const char *predpona, int maxPoz, int &pocet, std::array<int, 7> &pos,
               std::array<int, 7> &rel, std::array<bool, 7> &neg)
{
    pocet = std::clamp(f.ReadInteger(sekce, pocetKlic, 0), 0, kMaxCar);
    for (int i = 1; i <= pocet; ++i) {
        const std::string k = predpona + cislo(i);
        pos[i] = std::min(f.ReadInteger(sekce, k + "val", 0), maxPoz);
        rel[i] = relativni(f.ReadInteger(sekce, k + "rel", 0));
        neg[i] = f.ReadBool(sekce, k + "neg", false);
    }
}

// The file name below "RYSY/" is safe when its every character came from codes that
// stay in the folder.
bool vRysech(const std::string &rysy, const std::string &cesta)
{
    return cesta.compare(0, rysy.size(), rysy) == 0 && BezpecnyNazev(cesta.substr(rysy.size()));
}

} // namespace

std::string GetKodRysu(const std::string &Kod, bool RadaK, bool RadaD, bool Pasky, bool Kamen,
                       bool Dvoj)
{
    const std::string z1 = znak(Kod, 1);
    const std::string z2 = znak(Kod, 2);
    if (RadaK) {
        if (z1 == "K")
            return "B" + zbytek(Kod, 2);
        if (z2 == "K")
            return z1 + "B" + zbytek(Kod, 3);
    }
    if (RadaD) {
        if (Pasky) {
            if (z1 == "C" || z1 == "M")
                return "Z" + zbytek(Kod, 2);
            if (z1 == "L")
                return "N" + zbytek(Kod, 2);
        } else if (Kamen) {
            if (z1 == "A")
                return "T" + zbytek(Kod, 2);
        } else if (Dvoj) {
            if (z1 == "J" && z2 == "E")
                return "FA" + zbytek(Kod, 3);
            if (z1 == "J" && z2 == "F")
                return "FC" + zbytek(Kod, 3);
            if (z1 == "J")
                return "F" + zbytek(Kod, 2);
        } else {
            if (z1 == "W")
                return "B" + zbytek(Kod, 2);
            if (z2 == "W")
                return z1 + "B" + zbytek(Kod, 3);
        }
    }
    return Kod;
}

void SetKodRysu(Session &s, const std::string &Kod)
{
    s.KodRysu = GetKodRysu(Kod, s.SRadaK || s.SHPL1, s.SDyha, s.SZetkova || s.SEnkova, s.SKamen,
                           s.SDvojbarva);
}

void NactiCary(Session &s, const IniFile &Soubor, const std::string &Vypln, bool Zetkova)
{
    if (!s.SPrekryvna) {
        s.Carame = false;
        return;
    }
    VynulujCary(s, Zetkova);
    TCary &c = s.SCary;
    nactiSmer(Soubor, Vypln, "HPasek", "ZH", kMaxHpos, c.HPocet, c.Hpos, c.Hrel, c.Hneg);
    nactiSmer(Soubor, Vypln, "VPasek", "ZV", kMaxVpos, c.VPocet, c.Vpos, c.Vrel, c.Vneg);
    s.Carame = c.HPocet > 0 || c.VPocet > 0;
}

void NactiRys(Session &s, PictureStore &obrazky)
{
    using Target = PictureStore::Target;
    const std::string rysy = s.apCesta + "RYSY/";

    // 1. A panel with a line layout shows a base picture with the lines drawn over it.
    s.SNeload = false;
    if (s.Carame && s.VolbaNeniNil) {
        const std::string zaklad = rysy + (s.SPrekryvna ? "PREKRYVB.JPG" : "HLF1S0.JPG");
        if (!obrazky.Load(Target::Picture, zaklad))
            s.Carame = false;
    }
    if (s.Carame)
        return;

    // 2. Working format: frames use the second-format pictures; the third format of K0.
    const bool ramecek = s.SRamecek1 > 0 || s.SRamecek2 > 0;
    int PomFormat = s.SFormat;
    if (ramecek)
        PomFormat = 2;
    else if (s.SVypln.DVypln.Kod == "K0" && PomFormat == 2)
        PomFormat = 3;

    // 3.-5. Where the panel sits on the door drawing.
    s.SVPomer = (s.SAsymH && s.SPomerH + 50 != 0) ? 100.0 / (s.SPomerH + 50) : 0.5;
    if (s.SFormat <= 0)
        return;
    s.SHPomer = 0.5;
    if (s.SDvojbarva && s.SVypln.DVypln.Pozic == 2)
        s.SHPomer = s.SPrava ? 0.6 : 0.4;
    else if (s.SAsymp && s.SPomerP + 50 != 0)
        s.SHPomer = s.SPrava ? double(s.SPomerP) / (s.SPomerP + 50) : 100.0 / (s.SPomerP + 50);

    // 6. The name.
    std::string nazev = rysy + s.KodRysu;
    const std::string zrcadlo = ((s.SExcentr || s.SAsymp) && s.SPrava) ? "P" : "";
    const std::string FS = "F" + cislo(PomFormat) + "S" + cislo(s.SZaskleni);
    const bool ramecekR2 = s.SRamecek1 > 1 || s.SRamecek2 > 1;

    if (s.SPrekryvna) {
        // 7. Overlay panel: a fixed main picture and the glass drawing beside it.
        obrazky.Load(Target::Picture, rysy + ((s.SHlinik || s.SGlas) ? "PREKRYVB.JPG"
                                                                      : "PREKRYVK.JPG"));
        if (s.SOMrizka > 0) {
            nazev += "PM" + cislo(s.SOMrizka);
        } else if (s.KodRysu == "B0") {
            if (s.SGlas) {
                const std::string zkouska = nazev + FS + "A" + zrcadlo + ".jpg";
                nazev += (vRysech(rysy, zkouska) && obrazky.Exists(zkouska)) ? FS + "A" : "P1A";
                s.SNeload = true;
            } else if (s.SOPaska1 > 0 || s.SODrazka1 > 0 || s.SODr1 > 0) {
                // (A panel with a line layout has ended at step 1.)
                nazev += "P" + cislo(std::max(s.SOPaska1, s.SODrazka1));
                s.SNeload = true;
            } else {
                nazev += "P" + FS;
            }
        } else {
            nazev = rysy + (ramecek ? "B0PF2S0" : "B0PF1S0");
        }
        if (ramecekR2)
            nazev += "R2";
        if (s.ZmensenyVyrez)
            nazev += "Z";
        nazev += zrcadlo + ".jpg";
        if (vRysech(rysy, nazev) && obrazky.Exists(nazev) && obrazky.Load(Target::PomRys, nazev)) {
            s.VidimPomRys = true;
            s.NazevRysu = nazev;
        } else {
            s.VidimPomRys = false;
            s.NazevRysu = " ";
        }
        return;
    }

    // 8. Ordinary panel.
    s.VidimPomRys = false;
    if (s.SOMrizka > 0) {
        nazev += "M" + cislo(s.SOMrizka);
    } else if (s.SOPaska1 > 0 || s.SOPaska2 > 0) {
        nazev += "P" + cislo(std::max(s.SOPaska1, s.SOPaska2));
    } else if (s.SODr1 > 0 || s.SODr2 > 0) {
        nazev += "P" + cislo(std::max(s.SODr1, s.SODr2));
    } else if (s.SODrazka1 > 0 || s.SODrazka2 > 0) {
        nazev += "P" + cislo(std::max(s.SODrazka1, s.SODrazka2));
    } else {
        nazev += FS;
        if (s.MrizkaVybrana)
            nazev += "M" + SubStr(s.SKodMrizky, 6, 2);
    }
    if (ramecekR2)
        nazev += "R2";
    if (s.ZmensenyVyrez)
        nazev += "Z";
    if (s.SGlas) {
        if (!s.RozmerVybran || s.SVyska > 2050 || s.SSirka > 900)
            nazev += "A";
        else if (s.SVyska > 1900 || s.SSirka > 800)
            nazev += "B";
        else
            nazev += "C";
    }
    if (s.SPrava && (s.SExcentr || s.SAsymp || (s.SVypln.DVypln.Kod == "NI" && s.SFormat == 2)))
        nazev += "P";
    nazev += ".jpg";
    if (!s.VolbaNeniNil)
        return;
    if (vRysech(rysy, nazev) && obrazky.Exists(nazev) && obrazky.Load(Target::Picture, nazev)) {
        s.NazevRysu = nazev;
        s.VidimPomRys = true;
    } else {
        s.NazevRysu = " ";
    }
}

} // namespace qmr
