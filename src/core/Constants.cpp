#include "core/Constants.h"

#include <cstddef>

namespace qmr {

namespace {

template <std::size_t N>
std::string entry(const std::array<std::string_view, N> &table, int first, int i)
{
    if (i < first || static_cast<long long>(i) - first >= static_cast<long long>(N))
        return {};
    return std::string(table[static_cast<std::size_t>(i - first)]);
}

} // namespace

std::string cFormat(int i) { return entry(kFormatTexts, 1, i); }
std::string cZaskleni(int i) { return entry(kZaskleniTexts, 0, i); }
std::string cVyztuz(int i) { return entry(kVyztuzTexts, 0, i); }
std::string cVitrPis(int i) { return entry(kVitrPisTexts, 0, i); }
std::string cBarvaDR(int i) { return entry(kBarvaDRTexts, 0, i); }

} // namespace qmr
