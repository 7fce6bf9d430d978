// Feeds arbitrary bytes to the sector.json reader and checks that whatever
// it accepts is written and read back unchanged.
//
// Large indexes (long arrays in ignored members, deep nesting, many hexes)
// come from small inputs: an input with exactly two zero bytes, A\0B\0C, is
// read as A, then B repeated to fill up to MaxText, then C.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/sector/SectorFile.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

constexpr std::size_t MaxText = std::size_t{1} << 20;

std::string Expand(std::string_view input)
{
    const std::size_t first = input.find('\0');
    const std::size_t second = first == std::string_view::npos ? first : input.find('\0', first + 1);
    if (second == std::string_view::npos || input.find('\0', second + 1) != std::string_view::npos)
        return std::string(input);
    const std::string_view head = input.substr(0, first);
    const std::string_view repeated = input.substr(first + 1, second - first - 1);
    const std::string_view tail = input.substr(second + 1);
    std::string text(head);
    if (!repeated.empty())
        while (text.size() + repeated.size() + tail.size() <= MaxText)
            text += repeated;
    text += tail;
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kelvane;
    const std::string bytes = Expand(std::string_view(reinterpret_cast<const char*>(data), size));
    Sector sector;
    const FileResult result = ReadSectorText(bytes, sector);
    Require(result.Ok() == result.message.Empty());
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
