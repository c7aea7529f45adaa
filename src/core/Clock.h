#pragma once
// "Today" for job files, delivery dates and forms, behind an interface so that tests
// can fix the date.

namespace qmr {

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date as a whole day count (30.12.1899 = 0).
    virtual double Today() const = 0;
};

// The system's local date.
class SystemClock : public Clock {
public:
    double Today() const override;
};

} // namespace qmr
