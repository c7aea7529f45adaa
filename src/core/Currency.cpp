#include "core/Currency.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace qmr {

Currency Currency::FromLD(long double value)
{
    return FromScaled(value * static_cast<long double>(Scale));
}

Currency Currency::FromScaled(long double scaled)
{
    if (std::isnan(scaled))
        return Currency();
    constexpr long double maxv = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
    constexpr long double minv = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
    if (scaled >= maxv)
        return FromRaw(std::numeric_limits<std::int64_t>::max());
    if (scaled <= minv)
        return FromRaw(std::numeric_limits<std::int64_t>::min());
    // The default floating-point environment rounds to nearest, ties to even.
    return FromRaw(static_cast<std::int64_t>(std::rintl(scaled)));
}

std::string Currency::ToFixed4() const
{
    std::int64_t r = raw_;
    bool neg = r < 0;
    unsigned long long a = neg ? 0ULL - static_cast<unsigned long long>(r) : static_cast<unsigned long long>(r);
    std::string frac = std::to_string(a % Scale);
    frac.insert(0, 4 - frac.size(), '0');
    return (neg ? "-" : "") + std::to_string(a / Scale) + "." + frac;
}

} // namespace qmr
