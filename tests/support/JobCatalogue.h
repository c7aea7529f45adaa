#pragma once
// A small catalogue for job-file tests and the job-file fuzz target: every kind of item a
// job can name, with a few codes each. Written into a data folder by ZapisKatalogZakazek.
//
// Infills:  A1 "Vzor A1" (two frame, two strip and one groove variants, two outer
//           muntins, a line layout for overlays), G1 "Sklo G1" (glass panel),
//           H1 "Pulpanel H1" (half panel).
// Colours:  B01 "Bílá", B02 "Antracit" (decor on aluminium), B03 "Dub", R01 "Rám nerez".
// Glass:    D01 "Čiré" (class 1), D02 "Satináto" (2), D03 "Float" (3), D04 "Ornament" (4).
// Accessories: H01 "Madlo" (vertical handle), K01 "Kukátko" (spacer), K02 "Klepadlo"
//           (net price), C01 "Číslo", MX01 "Kratka".
// Stained glass: V01 "Tulipán" (kind 2). Muntins: M01 "Příčka" (widths 18/26/45 at S2).
#include "core/TSifraSoubor.h"

#include <cstdio>
#include <string>

namespace qmrtest {

inline std::string JobSifra(const std::string &klic, int hodnota)
{
    return klic + "=" + qmr::Encrypt(hodnota) + "\r\n";
}

// Writes the catalogue files into the folder `data` (which must exist), path ending with '/'.
inline void ZapisKatalogZakazek(const std::string &data)
{
    const auto zapis = [&](const std::string &jmeno, const std::string &text) {
        // Raw text, so that the layout is exactly as given.
        std::FILE *out = std::fopen((data + jmeno).c_str(), "wb");
        if (out) {
            std::fwrite(text.data(), 1, text.size(), out);
            std::fclose(out);
        }
    };
    std::string vyplne = "[Vzor A1]\r\nKod=A1\r\nPozic=2\r\nOZMPocet=2\r\nOZM1=2\r\nOZM2=3\r\n"
                         "HPasek=1\r\nZH1val=700\r\nZH1rel=50\r\nMaxVyskaF1=2150\r\n";
    for (const char *k : {"ZCF1S0", "ZCF1S1", "ZCF1S2", "ZCF2S2"})
        vyplne += JobSifra(k, 10000);
    vyplne += JobSifra("RMF1S1", 500) + JobSifra("RM2F1S1", 600) + JobSifra("RMAF1S1", 520) +
              JobSifra("RMA2F1S1", 620) + JobSifra("OPF1S1", 300) + JobSifra("OP2F1S1", 350) +
              JobSifra("ODF1S1", 200) + JobSifra("FMF1S1", 900) + JobSifra("FFF1S1", 1800) +
              JobSifra("ZSVF1S2", 700) + JobSifra("ZSF1E1", 60) + JobSifra("ZSF1S2", 650) +
              JobSifra("BMF1S2", 40) + JobSifra("PSF1S2", 50) + JobSifra("SSMF1S2", 60) +
              JobSifra("VSF1S2", 70) + JobSifra("CCF1S2", 800);
    vyplne += "[Sklo G1]\r\nKod=G1\r\nGlas=1\r\n" + JobSifra("ZCF1S1", 12000) + JobSifra("BMF1S1", 40);
    vyplne += "[Pulpanel H1]\r\nKod=H1\r\nPulpanel=1\r\n" + JobSifra("ZCF2S0", 5000);
    zapis("vyplne.qmr", vyplne);

    std::string barvy;
    barvy += "[Bílá]\r\nKod=B01\r\nObjDni=3\r\n" + JobSifra("BF1S1", 111) + JobSifra("BF1S2", 112) +
             JobSifra("BF2S1", 121) + JobSifra("BF2S2", 122) + JobSifra("BF3S1", 131) +
             JobSifra("BF3S2", 132) + JobSifra("PRDEKOR", 140) + JobSifra("PRDVOJBARVA1", 150) +
             JobSifra("PRDVOJBARVA2", 160);
    barvy += "[Antracit]\r\nKod=B02\r\nHlinik=1\r\nDDekor=1\r\n" + JobSifra("BF1S1", 211) +
             JobSifra("BF1S2", 212) + JobSifra("BF3S1", 231) + JobSifra("BF3S2", 232) +
             JobSifra("PRDEKOR", 240) + JobSifra("NETPS1", 25);
    barvy += "[Dub]\r\nKod=B03\r\nDyha=1\r\n" + JobSifra("BF1S1", 311) + JobSifra("BF1S2", 312) +
             JobSifra("BF3S1", 331) + JobSifra("BF3S2", 332) + JobSifra("PRDEKOR", 340) +
             JobSifra("PRDVOJBARVA1", 350) + JobSifra("PRDVOJBARVA2", 360);
    barvy += "[Rám nerez]\r\nKod=R01\r\n";
    zapis("barvy.qmr", barvy);

    zapis("dekory.qmr", "[Čiré]\r\nKod=D01\r\nTypSkla=1\r\nTloustka=4\r\n"
                        "[Satináto]\r\nKod=D02\r\nTypSkla=2\r\nTloustka=6\r\n"
                        "[Float]\r\nKod=D03\r\nTypSkla=3\r\nTloustka=8\r\n"
                        "[Ornament]\r\nKod=D04\r\nTypSkla=4\r\n");

    std::string doplnky;
    doplnky += "[Madlo]\r\nKod=H01\r\nMadloVert=1\r\nVzdVert=300\r\n" + JobSifra("Cena", 1000) +
               JobSifra("Montaz", 100);
    doplnky += "[Kukátko]\r\nKod=K01\r\nMaDistanci=1\r\n" + JobSifra("Cena", 80) + JobSifra("CenaDR", 50);
    doplnky += "[Klepadlo]\r\nKod=K02\r\nCenaNetto=1\r\n" + JobSifra("Cena", 400);
    doplnky += "[Číslo]\r\nKod=C01\r\nBezTloustky=1\r\nMaxTloust=60\r\n" + JobSifra("Cena", 30);
    doplnky += "[Kratka]\r\nKod=MX01\r\nAutoMontaz=1\r\n" + JobSifra("Cena", 90) + JobSifra("Montaz", 10);
    zapis("doplnky.qmr", doplnky);

    std::string vitraze = "[Tulipán]\r\nKod=V01\r\nVitrPis=2\r\n";
    for (int f = 1; f <= 2; ++f)
        for (int z = 1; z <= 6; ++z)
            vitraze += JobSifra("CF" + std::to_string(f) + "S" + std::to_string(z), 700 + 10 * f + z);
    zapis("vitraze.qmr", vitraze);

    zapis("mrizky.qmr", "[Příčka]\r\nKod=M01\r\nSirkaS21=18\r\nSirkaS22=26\r\nSirkaS23=45\r\n" +
                            JobSifra("CS2S1F1", 100) + JobSifra("CS2S2F1", 200) + JobSifra("CS2S3F1", 300) +
                            JobSifra("CS2S1F2", 110) + JobSifra("CS2S2F2", 210) + JobSifra("CS2S3F2", 310));
}

} // namespace qmrtest
