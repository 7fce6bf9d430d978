// Feeds arbitrary bytes to the sector.json reader and checks that whatever
// it accepts is written and read back unchanged.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/sector/SectorFile.h"

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
    Sector sector;
    const FileResult result = ReadSectorText(bytes, sector);
    Require(result.Ok() == result.message.empty());
    if (!result.Ok()) {
        Require(result.outcome == FileOutcome::BadContent && sector == Sector());
        return 0;
    }
    Require(CheckSectorOptions(sector.options).empty());
    Sector again;
    Require(ReadSectorText(SectorFileText(sector), again).Ok());
    Require(again == sector);
    return 0;
}
