#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kelvane {

// Where a reseed takes its time of day from.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with a fraction.
    virtual double SecondsSinceMidnight() = 0;
};

// The real clock, read to the whole millisecond, so that a reading can be
// written down exactly as a count of milliseconds. The local offset from UTC is looked up once an hour, not
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

// A clock that answers readings written down earlier, in order; after the
// last one it keeps answering the last (0 when it was given none).
class ReplayClock final : public Clock {
public:
    explicit ReplayClock(std::vector<double> readings) : m_readings(std::move(readings)) {}
    double SecondsSinceMidnight() override
    {
        if (m_readings.empty())
            return 0;
        const double reading = m_readings[m_next];
        if (m_next + 1 < m_readings.size())
            ++m_next;
        return reading;
    }

private:
    std::vector<double> m_readings;
    std::size_t m_next = 0;
};

} // namespace kelvane
