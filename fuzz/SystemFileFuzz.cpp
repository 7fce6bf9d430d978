// Feeds arbitrary bytes to the system file reader as Load sees them (tagged
// text, else the 2.0 reader), with both decimal separators, and checks that
// whatever a tagged file loads is written and read back unchanged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/files/SystemFile.h"

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
    const bool tagged = IsTaggedSystemText(bytes);

    for (const char separator : {'.', ','}) {
        StarSystem system;
        const FileResult result = ReadSystemFileBytes(bytes, system, separator);
        Require(result.Ok() == (result.outcome == FileOutcome::Done));
        Require(result.Ok() == result.message.empty());
        Require(result.line == 0 || result.outcome == FileOutcome::BadContent);
        if (!tagged) {
            Require(result.outcome != FileOutcome::Done || size >= 562);
            continue;
        }
        Require(result.outcome == FileOutcome::Done || result.outcome == FileOutcome::BadContent);

        // Tagged text never yields a CR in a name or an element text, nor
        // spaces around a name or leading an element text, so what was read
        // is exactly what the written file gives back.
        const std::string text = SystemFileText(system, separator);
        StarSystem again;
        again.SystemName = "not read";
        Require(ReadSystemFileBytes(text, again, separator).Ok());
        Require(again == system);
    }
    return 0;
}
