#pragma once
// Fixed-point money: a 64-bit count of ten-thousandths. Every computed amount is
// evaluated in long double and stored back rounded to the nearest ten-thousandth,
// halves to even.
#include <cstdint>
#include <string>

namespace qmr {

class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    // Whole units (catalogue prices are whole units).
    static constexpr Currency FromUnits(std::int64_t units) { return FromRaw(units * Scale); }
    static constexpr Currency FromRaw(std::int64_t raw) { Currency c; c.raw_ = raw; return c; }
    // Rounds to the nearest ten-thousandth, halves to even; saturates outside the int64 range.
    static Currency FromLD(long double value);
    // From a count of ten-thousandths given in long double (exact ties round to even).
    static Currency FromScaled(long double scaled);

    constexpr std::int64_t Raw() const { return raw_; }
    long double ToLD() const { return static_cast<long double>(raw_) / Scale; }
    double ToDouble() const { return static_cast<double>(ToLD()); }
    constexpr bool IsZero() const { return raw_ == 0; }

    // "1234.5600": four decimals and a full stop (machine-readable output).
    std::string ToFixed4() const;

    constexpr Currency operator-() const { return FromRaw(-raw_); }
    constexpr Currency operator+(Currency o) const { return FromRaw(raw_ + o.raw_); }
    constexpr Currency operator-(Currency o) const { return FromRaw(raw_ - o.raw_); }
    Currency &operator+=(Currency o) { raw_ += o.raw_; return *this; }
    Currency &operator-=(Currency o) { raw_ -= o.raw_; return *this; }
    // Products and quotients: computed in long double, then rounded half to even.
    Currency operator*(long double f) const { return FromScaled(static_cast<long double>(raw_) * f); }
    Currency operator/(long double d) const { return FromScaled(static_cast<long double>(raw_) / d); }
    Currency operator*(Currency o) const
    {
        return FromScaled(static_cast<long double>(raw_) * static_cast<long double>(o.raw_) / Scale);
    }

    constexpr auto operator<=>(const Currency &) const = default;

private:
    std::int64_t raw_ = 0;
};

} // namespace qmr
