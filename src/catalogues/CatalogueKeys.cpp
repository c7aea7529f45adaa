#include "catalogues/CatalogueKeys.h"

#include <string_view>

namespace qmr {

namespace {

std::string upper(std::string_view s)
{
    std::string r(s);
    for (char &c : r) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return r;
}

// Last component of a path written with either separator.
std::string_view fileNameOf(std::string_view path)
{
    auto p = path.find_last_of("/\\");
    return p == std::string_view::npos ? path : path.substr(p + 1);
}

// Consumes `lit` at the front of `s`.
bool eat(std::string_view &s, std::string_view lit)
{
    if (s.substr(0, lit.size()) != lit)
        return false;
    s.remove_prefix(lit.size());
    return true;
}

// Consumes one digit in [lo, hi] at the front of `s`.
bool eatDigit(std::string_view &s, char lo, char hi)
{
    if (s.empty() || s[0] < lo || s[0] > hi)
        return false;
    s.remove_prefix(1);
    return true;
}

// `s` is "F{1,2}S{zlo..6}" exactly.
bool isFormatGlazing(std::string_view s, char zlo)
{
    return eat(s, "F") && eatDigit(s, '1', '2') && eat(s, "S") && eatDigit(s, zlo, '6') && s.empty();
}

bool infillKey(std::string_view k)
{
    static constexpr std::string_view single[] = {
        "KCF2ABS", "HLF1S1", "RMF1S1", "RM2F1S1", "RMAF1S1", "RMA2F1S1", "OPF1S1", "OP2F1S1",
        "ODF1S1",  "OD2F1S1", "FMF1S1", "FFF1S1", "ZSF1E1", "ZSF1E2", "ZSF2E1", "ZSF2E2"};
    for (auto s : single) {
        if (k == s)
            return true;
    }
    // Longer prefixes first where one is the start of another (ZSV/ZS5/ZS, SSM/SSO).
    static constexpr std::string_view allGlazings[] = {"ZSV", "ZS5", "ZS", "ZC", "TP", "TV", "CC",
                                                       "SSO", "K1",  "K3", "TR", "B"};
    static constexpr std::string_view glassClasses[] = {"SSM", "BM", "PS", "VS"};
    for (auto p : glassClasses) {
        std::string_view rest = k;
        if (eat(rest, p) && isFormatGlazing(rest, '1'))
            return true;
    }
    for (auto p : allGlazings) {
        std::string_view rest = k;
        if (eat(rest, p) && isFormatGlazing(rest, '0'))
            return true;
    }
    return false;
}

bool colourKey(std::string_view k)
{
    static constexpr std::string_view keys[] = {"PHPL1",   "VHPL1",        "NETPS1",      "NETPS2",
                                                "PRDEKOR", "PRDVOJBARVA1", "PRDVOJBARVA2"};
    for (auto s : keys) {
        if (k == s)
            return true;
    }
    // BF{f}S{side}: format 1, 2 or 3 (half panel), first or second side.
    std::string_view rest = k;
    return eat(rest, "BF") && eatDigit(rest, '1', '3') && eat(rest, "S") && eatDigit(rest, '1', '2') &&
           rest.empty();
}

bool stainedGlassKey(std::string_view k)
{
    std::string_view rest = k;
    return eat(rest, "C") && isFormatGlazing(rest, '1');
}

bool muntinKey(std::string_view k)
{
    // CS{glazing 1..6}S{width 1..3}F{format 1..2}
    std::string_view rest = k;
    return eat(rest, "CS") && eatDigit(rest, '1', '6') && eat(rest, "S") && eatDigit(rest, '1', '3') &&
           eat(rest, "F") && eatDigit(rest, '1', '2') && rest.empty();
}

} // namespace

bool JeSifrovany(const std::string &soubor, const std::string &klic)
{
    const std::string file = upper(fileNameOf(soubor));
    const std::string key = upper(klic);
    if (file == "VYPLNE.QMR")
        return infillKey(key);
    if (file == "BARVY.QMR")
        return colourKey(key);
    if (file == "DOPLNKY.QMR")
        return key == "CENA" || key == "MONTAZ" || key == "CENADR";
    if (file == "VITRAZE.QMR")
        return stainedGlassKey(key);
    if (file == "MRIZKY.QMR")
        return muntinKey(key);
    return false;
}

} // namespace qmr
