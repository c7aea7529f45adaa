#include "admin/UHeslo.h"

#include "core/Funkce.h"

namespace qmr {

namespace {

// The expected password, compared in upper case.
const std::string kOcekavane;

std::string VelkaAscii(std::string t)
{
    for (char &c : t)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return t;
}

} // namespace

void Heslo::setText(const std::string &t) { text_ = SubStr(t, 1, kMaxDelka); }

// Only letters outside ASCII keep their case; they cannot match the (empty) password anyway.
bool Heslo::Prijato() const { return VelkaAscii(text_) == kOcekavane; }

} // namespace qmr
