#include "partners/PoleEditu.h"

#include "core/Funkce.h"

#include <algorithm>

namespace qmr {

std::string MaskujPSC(const std::string &Text)
{
    std::string pismena, cislice;
    bool pomlcka = false;
    for (char c : Text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= '0' && u <= '9') {
            if (cislice.size() < 5)
                cislice += c;
        } else if (((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) && cislice.empty() && !pomlcka) {
            if (pismena.size() < 2)
                pismena += static_cast<char>(u >= 'a' ? u - 'a' + 'A' : u);
        } else if (c == '-' && !pismena.empty()) {
            pomlcka = true;
        }
    }
    if (pismena.empty() && cislice.empty())
        return {};
    return pismena + (pomlcka || !cislice.empty() ? "-" : "") + cislice;
}

std::string UpravText(const PoleEditu &Pole, const std::string &Novy)
{
    if (Pole.MaskaPSC)
        return MaskujPSC(Novy);
    const int mez = MaxDelkaPole(Pole);
    if (mez <= 0 || CharCount(Novy) <= mez)
        return Novy;
    return SubStr(Novy, 1, mez);
}

int MaxDelkaPole(const PoleEditu &Pole)
{
    if (Pole.MaskaPSC)
        return std::max(8, CharCount(Pole.Text));
    if (Pole.MaxDelka <= 0)
        return 0;
    return std::max(Pole.MaxDelka, CharCount(Pole.Text));
}

} // namespace qmr
