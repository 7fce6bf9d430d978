// Feeds arbitrary bytes to the 2.0 reader and checks what it may change:
// nothing without the header, never the name, and everything only when the
// file holds all 562 bytes of the layout.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/files/LegacySystemFile.h"

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
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    StarSystem before;
    before.SystemName = "Kept";
    before.SystemType = 3;
    for (OrbitRecord& orbit : before.Orbits)
        orbit.Elements = "ABC";
    StarSystem system = before;
    const FileResult result = ReadLegacySystem(bytes, system);

    Require(system.SystemName == "Kept");
    switch (result.outcome) {
    case FileOutcome::Done: Require(size >= LegacyFileSize && result.message.Empty()); break;
    case FileOutcome::BadContent: Require(size >= LegacyHeaderSize && size < LegacyFileSize); break;
    case FileOutcome::NotKelvaneFile: Require(system == before); break;
    case FileOutcome::CannotAccess: Require(false); break;
    }
    return 0;
}
