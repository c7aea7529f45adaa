#pragma once
// A clock standing at a fixed date.
#include "core/Clock.h"
#include "core/DateCore.h"

namespace qmrtest {

class FakeClock : public qmr::Clock {
public:
    explicit FakeClock(double Today = qmr::EncodeDate(2024, 3, 5)) : today_(Today) {}
    FakeClock(int y, int m, int d) : today_(qmr::EncodeDate(y, m, d)) {}
    void Set(double Today) { today_ = Today; }
    void Set(int y, int m, int d) { today_ = qmr::EncodeDate(y, m, d); }
    double Today() const override { return today_; }

private:
    double today_;
};

} // namespace qmrtest
