#pragma once

#include <cstdint>

namespace kelvane {

// Where a reseed takes its time of day from.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with a fraction.
    virtual double SecondsSinceMidnight() = 0;
};

// The real clock. The local offset from UTC is looked up once an hour, not
// at every read, so that the dozen reseeds of a generation stay cheap.
class SystemClock final : public Clock {
public:
    double SecondsSinceMidnight() override;

private:
    std::int64_t m_offsetSeconds = 0;
    std::int64_t m_offsetValidUntil = 0; // UTC seconds; 0: not looked up yet
};

// A clock that answers 0, 1, 2, ... on successive reads: reseeding stays
// deterministic, so a seeded run gives the same systems on every machine.
class CounterClock final : public Clock {
public:
    double SecondsSinceMidnight() override { return static_cast<double>(m_next++); }

private:
    std::uint64_t m_next = 0;
};

} // namespace kelvane
