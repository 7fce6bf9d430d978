// Feeds arbitrary bytes to the reader of the system JSON that kelvane-cli
// writes and other programs edit. A text it accepts must give a system that
// writes out as JSON and reads back as the same system; a text it refuses
// must say why and leave the system as it was.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/export/SystemJsonReader.h"
#include "core/export/SystemWriters.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kelvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    StarSystem system;
    system.SystemName = "before";
    const StarSystem before = system;
    kelvane::Message error;
    if (!ReadSystemJson(text, system, error)) {
        Require(!error.Empty() && system == before);
        return 0;
    }
    std::string written;
    AppendJson(written, system, "", 0);
    StarSystem again;
    kelvane::Message why;
    Require(ReadSystemJson(written, again, why));
    Require(again == system);
    return 0;
}
