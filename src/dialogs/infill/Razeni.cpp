#include "dialogs/infill/Razeni.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace qmr {

namespace {

// The code points of a UTF-8 text; a byte that starts no valid sequence becomes U+DC00 +
// the byte, after every letter.
std::vector<char32_t> kody(const std::string &t)
{
    std::vector<char32_t> out;
    const auto *p = reinterpret_cast<const unsigned char *>(t.data());
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        int delka = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        char32_t cp = delka == 1 ? c : delka == 2 ? (c & 0x1F) : delka == 3 ? (c & 0x0F) : (c & 0x07);
        bool platny = delka > 0 && i + delka <= n;
        for (int k = 1; platny && k < delka; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                platny = false;
            else
                cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (!platny) {
            out.push_back(0xDC00 + c);
            ++i;
        } else {
            out.push_back(cp);
            i += delka;
        }
    }
    return out;
}

// Weights of one character: primary (letter), secondary (accent), tertiary (case).
struct Vaha {
    int primarni = 0;
    int sekundarni = 0;
    int terciarni = 0;
};

// A letter with a diacritic: its lower-case form, its upper-case form, the base letter,
// and whether Polish sorts it as a letter of its own after the base letter.
struct Pismeno {
    char32_t mala;
    char32_t velka;
    char zaklad;
    bool vlastni;
};

constexpr Pismeno kPismena[] = {
    // Polish letters of their own.
    {U'ą', U'Ą', 'a', true}, {U'ć', U'Ć', 'c', true}, {U'ę', U'Ę', 'e', true},
    {U'ł', U'Ł', 'l', true}, {U'ń', U'Ń', 'n', true}, {U'ó', U'Ó', 'o', true},
    {U'ś', U'Ś', 's', true}, {U'ź', U'Ź', 'z', true}, {U'ż', U'Ż', 'z', true},
    // Accented forms of a base letter.
    {U'à', U'À', 'a', false}, {U'á', U'Á', 'a', false}, {U'â', U'Â', 'a', false},
    {U'ã', U'Ã', 'a', false}, {U'ä', U'Ä', 'a', false}, {U'å', U'Å', 'a', false},
    {U'ç', U'Ç', 'c', false}, {U'č', U'Č', 'c', false}, {U'ď', U'Ď', 'd', false},
    {U'è', U'È', 'e', false}, {U'é', U'É', 'e', false}, {U'ê', U'Ê', 'e', false},
    {U'ë', U'Ë', 'e', false}, {U'ě', U'Ě', 'e', false}, {U'ì', U'Ì', 'i', false},
    {U'í', U'Í', 'i', false}, {U'î', U'Î', 'i', false}, {U'ï', U'Ï', 'i', false},
    {U'ĺ', U'Ĺ', 'l', false}, {U'ľ', U'Ľ', 'l', false}, {U'ñ', U'Ñ', 'n', false},
    {U'ň', U'Ň', 'n', false}, {U'ò', U'Ò', 'o', false}, {U'ô', U'Ô', 'o', false},
    {U'õ', U'Õ', 'o', false}, {U'ö', U'Ö', 'o', false}, {U'ő', U'Ő', 'o', false},
    {U'ŕ', U'Ŕ', 'r', false}, {U'ř', U'Ř', 'r', false}, {U'š', U'Š', 's', false},
    {U'ť', U'Ť', 't', false}, {U'ù', U'Ù', 'u', false}, {U'ú', U'Ú', 'u', false},
    {U'û', U'Û', 'u', false}, {U'ü', U'Ü', 'u', false}, {U'ů', U'Ů', 'u', false},
    {U'ű', U'Ű', 'u', false}, {U'ý', U'Ý', 'y', false}, {U'ÿ', U'Ÿ', 'y', false},
    {U'ž', U'Ž', 'z', false},
};

// Letters get primary weights from 1000 on, two steps per base letter so that a Polish
// letter of its own fits after its base (ź and ż share the step after z and differ in
// the secondary weight, ź first).
constexpr int kPismenaOd = 1000;

Vaha vaha(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return {kPismenaOd + 2 * (int(c) - 'a'), 0, 0};
    if (c >= 'A' && c <= 'Z')
        return {kPismenaOd + 2 * (int(c) - 'A'), 0, 1};
    for (std::size_t i = 0; i < std::size(kPismena); ++i) {
        const Pismeno &p = kPismena[i];
        if (c != p.mala && c != p.velka)
            continue;
        const int zaklad = kPismenaOd + 2 * (p.zaklad - 'a');
        const int primarni = p.vlastni ? zaklad + 1 : zaklad;
        const int sekundarni = p.vlastni ? (c == U'ż' || c == U'Ż' ? 1 : 0) : 1 + int(i);
        return {primarni, sekundarni, c == p.velka ? 1 : 0};
    }
    // Everything else: before the letters when ASCII, after them otherwise.
    if (c < 0x80)
        return {int(c), 0, 0};
    return {100000 + int(c), 0, 0};
}

} // namespace

int PorovnejNazvy(const std::string &a, const std::string &b)
{
    const std::vector<char32_t> ka = kody(a);
    const std::vector<char32_t> kb = kody(b);
    std::vector<Vaha> va, vb;
    for (char32_t c : ka)
        va.push_back(vaha(c));
    for (char32_t c : kb)
        vb.push_back(vaha(c));
    // Level by level over the whole text: letters, then accents, then case.
    for (int uroven = 0; uroven < 3; ++uroven) {
        const auto hodnota = [uroven](const Vaha &v) {
            return uroven == 0 ? v.primarni : uroven == 1 ? v.sekundarni : v.terciarni;
        };
        const std::size_t n = std::min(va.size(), vb.size());
        for (std::size_t i = 0; i < n; ++i) {
            const int x = hodnota(va[i]);
            const int y = hodnota(vb[i]);
            if (x != y)
                return x < y ? -1 : 1;
        }
        if (va.size() != vb.size())
            return va.size() < vb.size() ? -1 : 1;
    }
    // Same weights: fall back to the code points so that the order is total.
    if (ka != kb)
        return ka < kb ? -1 : 1;
    return 0;
}

std::vector<std::size_t> SeradNazvy(const std::vector<std::string> &nazvy)
{
    std::vector<std::size_t> poradi(nazvy.size());
    std::iota(poradi.begin(), poradi.end(), std::size_t{0});
    std::stable_sort(poradi.begin(), poradi.end(), [&](std::size_t x, std::size_t y) {
        return PorovnejNazvy(nazvy[x], nazvy[y]) < 0;
    });
    return poradi;
}

} // namespace qmr
