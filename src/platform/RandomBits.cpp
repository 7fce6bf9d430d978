#include "platform/RandomBits.h"

#include <sys/random.h>

namespace kelvane {

std::uint64_t RandomBits()
{
    // getrandom costs a fraction of a microsecond where std::random_device
    // opens a device file every time (some 40 us).
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits))
        return 0;
    return bits;
}

} // namespace kelvane
