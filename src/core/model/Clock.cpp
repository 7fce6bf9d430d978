#include "core/model/Clock.h"

#include <ctime>

namespace kelvane {

double SystemClock::SecondsSinceMidnight()
{
    // The coarse clock is read without a system call. Its resolution of a few
    // milliseconds is plenty: reseeding mixes the reading into the current
    // state, so reseeds within one tick still lead apart.
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    const std::int64_t utc = now.tv_sec;
    if (utc >= m_offsetValidUntil) {
        const std::time_t t = utc;
        std::tm local{};
        localtime_r(&t, &local);
        m_offsetSeconds = local.tm_gmtoff;
        m_offsetValidUntil = utc + 3600 - utc % 3600;
    }
    std::int64_t seconds = (utc + m_offsetSeconds) % 86400;
    if (seconds < 0)
        seconds += 86400;
    const std::int64_t milliseconds = seconds * 1000 + now.tv_nsec / 1000000;
    return static_cast<double>(milliseconds) / 1000.0;
}

} // namespace kelvane
