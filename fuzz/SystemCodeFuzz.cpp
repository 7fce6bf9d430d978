// Feeds arbitrary text to the system code reader. A text it accepts must
// name a code that writes out as one canonical text, reads back the same
// from it, and makes a system; a text it refuses must come with a reason.
//
// Making the system again is cheap for an Orbits code (one orbit pass) and
// for a Batch code early in its run; a Batch code late in its run replays up
// to a million systems (about a second, longer in this build), so only the
// first few thousand indices are made. The run gives each input a time
// limit (scripts/fuzz.sh), so a replay that loops or crawls is a failure.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/SystemCode.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

constexpr std::uint64_t MadeBatchIndices = 4096;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kelvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    std::string error;
    const std::optional<SystemCode> code = DecodeSystemCode(text, &error);
    if (!code) {
        Require(!error.empty());
        return 0;
    }
    const SystemCode& read = *code;
    Require(read.lifeSupport >= LifeSupportLevel::Poor && read.lifeSupport <= LifeSupportLevel::Excellent);
    Require(read.biozone >= BiozoneWidth::Normal && read.biozone <= BiozoneWidth::Triple);

    const std::string written = EncodeSystemCode(read);
    std::string again;
    const std::optional<SystemCode> reread = DecodeSystemCode(written, &again);
    Require(reread.has_value() && *reread == read);
    Require(EncodeSystemCode(*reread) == written);

    Require(read.kind == SystemCode::Kind::Orbits ||
            (read.index >= 1 && read.index <= SystemCode::MaxBatchIndex));
    if (read.kind == SystemCode::Kind::Orbits || read.index <= MadeBatchIndices) {
        const StarSystem system = RegenerateSystem(read);
        Require(RunNumber(read) >= 1);
        Require(RegenerateSystem(read) == system);
    }
    return 0;
}
