// Feeds arbitrary bytes to the system file reader as Load sees them (tagged
// text, else the 2.0 reader) and checks that whatever a tagged file loads is
// written and read back unchanged.
//
// What one input costs decides how much ground a run covers, so:
// - each input is read with one decimal separator, chosen by its length: "."
//   for an even length, "," for an odd one, so that inserting or removing a
//   byte tries the other one (the seed with commas has an odd length);
// - the written file (319 lines, whatever the input) is read back only when
//   this run has not read back the same text before: most inputs change
//   nothing that reaches the written file, and reading the same text again
//   gives the same result. The first input to give a text always reads it
//   back, so a failure shows on that input, also when it is run alone.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/files/SystemFile.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// True the first time this run sees text (by a 64-bit hash of it).
bool FirstTime(std::string_view text)
{
    static std::unordered_set<std::size_t> seen;
    if (seen.size() >= (std::size_t{1} << 20))
        seen.clear(); // bounded memory on long runs
    return seen.insert(std::hash<std::string_view>{}(text)).second;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kelvane;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const char separator = size % 2 == 0 ? '.' : ',';

    StarSystem system;
    const FileResult result = ReadSystemFileBytes(bytes, system, separator);
    Require(result.Ok() == (result.outcome == FileOutcome::Done));
    Require(result.Ok() == result.message.Empty());
    Require(result.line == 0 || result.outcome == FileOutcome::BadContent);
    if (!IsTaggedSystemText(bytes)) {
        Require(result.outcome != FileOutcome::Done || size >= 562);
        return 0;
    }
    Require(result.outcome == FileOutcome::Done || result.outcome == FileOutcome::BadContent);

    // Tagged text never yields a CR in a name or an element text, nor spaces
    // around a name or leading an element text, so what was read is exactly
    // what the written file gives back.
    const std::string text = SystemFileText(system, separator);
    if (!FirstTime(text))
        return 0;
    StarSystem again;
    again.SystemName = "not read";
    Require(ReadSystemFileBytes(text, again, separator).Ok());
    Require(again == system);
    return 0;
}
