#pragma once
// The small infill catalogue of the selection tests: one entry per rule the selection
// tells apart.
#include "dialogs/infill/VyplnFixture.h"

namespace qmrtest {

inline std::vector<Sekce> KatalogVyplni()
{
    const std::vector<std::pair<std::string, int>> zaklad = {{"ZCF1S0", 80}, {"ZCF1S1", 100}, {"ZCF2S1", 110}};
    auto s = [&](std::string nazev, std::vector<std::pair<std::string, std::string>> klice,
                 std::vector<std::pair<std::string, int>> ceny = {}) {
        ceny.insert(ceny.end(), zaklad.begin(), zaklad.end());
        return Sekce{std::move(nazev), std::move(klice), std::move(ceny)};
    };
    return {
        // ABS, pressed.
        s("Aura", {{"Kod", "PA"}}),
        s("Cyrus", {{"Kod", "PC"}}),
        s("Bora", {{"Kod", "PB"}, {"RMSTF1S1", "1"}}, {{"RMF1S1", 50}, {"OPF1S1", 700}, {"OP2F1S1", 950}}),
        s("Połówka", {{"Kod", "HP"}, {"Pulpanel", "1"}}),
        s("Zefir", {{"Kod", "Z1"}, {"Zetkova", "1"}}, {{"OPF1S1", 800}}),
        s("Solo", {{"Kod", "SO"}, {"JednoZask", "1"}, {"FixFormat", "F1S2xx"}}),
        s("Łuk", {{"Kod", "LU"}}),
        s("Lato", {{"Kod", "LA"}}),
        // K series.
        s("Kappa", {{"Kod", "K0"}, {"RadaK", "1"}, {"KMaxVyskaF2", "2100"}, {"KMaxSirkaF2", "950"},
                    {"KMinVyskaF2", "1800"}, {"KMinSirkaF2", "700"}, {"HraVyskaF1", "1850"}, {"HraSirkaF1", "750"}}),
        s("Kalia", {{"Kod", "KA"}, {"RadaK", "1"}},
          {{"RMF1S1", 60}, {"RM2F1S1", 70}, {"OPF1S1", 650}, {"OP2F1S1", 900}, {"ODF1S1", 600}, {"OD2F1S1", 850}}),
        s("Mozaika", {{"Kod", "MZ"}, {"RadaK", "1"}, {"MuzeOMrizku", "1"}}),
        s("Dwukolor ABS", {{"Kod", "JX"}, {"RadaK", "1"}, {"Dvojbarva", "1"}}),
        // Aluminium.
        s("Alba", {{"Kod", "A1"}, {"Hlinik", "1"}, {"OZMPocet", "2"}, {"OZM1", "1"}, {"OZM2", "3"}}, {{"RMF1S1", 2200}}),
        s("Arkada", {{"Kod", "A2"}, {"Hlinik", "1"}},
          {{"OPF1S1", 750}, {"OP2F1S1", 1000}, {"ODF1S1", 600}, {"OD2F1S1", 850}}),
        s("Atlas", {{"Kod", "A4"}, {"Hlinik", "1"}}, {{"RMAF1S1", 2900}, {"RMA2F1S1", 3600}}),
        s("Enna", {{"Kod", "N1"}, {"Hlinik", "1"}, {"Enkova", "1"}}, {{"ODF1S1", 700}}),
        s("Rama", {{"Kod", "R1"}, {"Hlinik", "1"}, {"Rameckova", "1"}}, {{"RMF1S1", 2500}}),
        s("Baza", {{"Kod", "B0"}, {"Hlinik", "1"}}, {{"RMF1S1", 2100}, {"OPF1S1", 700}}),
        s("Promocja", {{"Kod", "AP"}, {"Hlinik", "1"}, {"AkcniV", "1"}}),
        s("Duet", {{"Kod", "DU"}, {"Hlinik", "1"}, {"Dvojbarva", "1"}, {"Pozic", "2"}}),
        // Glass.
        s("Kryształ", {{"Kod", "G1"}, {"Glas", "1"}}),
    };
}

} // namespace qmrtest
