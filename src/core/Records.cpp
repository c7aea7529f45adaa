#include "core/Records.h"

namespace qmr {

std::string ShortString(std::string_view s, std::size_t capacity)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) { // a lead byte starts the next character
            if (chars == capacity)
                return std::string(s.substr(0, i));
            ++chars;
        }
    }
    return std::string(s);
}

namespace {

// V is TDVypln or const TDVypln.
template <class V>
auto zcfField(V &v, int f, int z) -> decltype(&v.ZCF1S0)
{
    if (z < 0 || z > 6)
        return nullptr;
    decltype(&v.ZCF1S0) const f1[] = {&v.ZCF1S0, &v.ZCF1S1, &v.ZCF1S2, &v.ZCF1S3, &v.ZCF1S4, &v.ZCF1S5, &v.ZCF1S6};
    decltype(&v.ZCF1S0) const f2[] = {&v.ZCF2S0, &v.ZCF2S1, &v.ZCF2S2, &v.ZCF2S3, &v.ZCF2S4, &v.ZCF2S5, &v.ZCF2S6};
    if (f == 1)
        return f1[z];
    if (f == 2)
        return f2[z];
    return nullptr;
}

template <class V>
auto cfField(V &v, int f, int z) -> decltype(&v.CF1S1)
{
    if (z < 1 || z > 6)
        return nullptr;
    decltype(&v.CF1S1) const f1[] = {&v.CF1S1, &v.CF1S2, &v.CF1S3, &v.CF1S4, &v.CF1S5, &v.CF1S6};
    decltype(&v.CF1S1) const f2[] = {&v.CF2S1, &v.CF2S2, &v.CF2S3, &v.CF2S4, &v.CF2S5, &v.CF2S6};
    if (f == 1)
        return f1[z - 1];
    if (f == 2)
        return f2[z - 1];
    return nullptr;
}

} // namespace

int TDVypln::ZCF(int f, int z) const
{
    const int *p = zcfField(*this, f, z);
    return p ? *p : 0;
}

void TDVypln::SetZCF(int f, int z, int value)
{
    if (int *p = zcfField(*this, f, z))
        *p = value;
}

int TDVitraz::CF(int f, int z) const
{
    const int *p = cfField(*this, f, z);
    return p ? *p : 0;
}

void TDVitraz::SetCF(int f, int z, int value)
{
    if (int *p = cfField(*this, f, z))
        *p = value;
}

} // namespace qmr
