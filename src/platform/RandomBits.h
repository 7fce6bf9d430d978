#pragma once

#include <cstdint>

namespace kelvane {

// 64 bits from the operating system's entropy source, without waiting for
// it; 0 when it has none to give yet.
std::uint64_t RandomBits();

} // namespace kelvane
