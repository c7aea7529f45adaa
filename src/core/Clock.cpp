#include "core/Clock.h"

#include "core/DateCore.h"

#include <ctime>

namespace qmr {

double SystemClock::Today() const
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return EncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

} // namespace qmr
