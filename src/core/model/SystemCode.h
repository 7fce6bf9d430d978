#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/RandomSource.h"
#include "core/model/StarSystem.h"
#include "core/model/modGenerate.h"

namespace kelvane {

// A system code: a short text that makes one generated system again, exactly,
// options included, so that two people at two tables get the same system
// without passing a file around. It comes in two kinds:
//
// - Batch: the index-th system of a seeded run (kelvane-cli new --seed S),
//   made again by running that batch up to it. Every byte of the system comes
//   back, the position fields of orbits without a planet included, which a
//   run carries over from one system to the next.
// - Orbits: a star of the star table and the orbit pass that filled it,
//   written down as the random state the pass started from and the clock
//   readings of its reseeds. This is how the desktop program's systems are
//   kept, whose source reseeds from the time of day; it also covers New
//   Orbits Only. The system comes back as a fresh run makes it: named
//   "Unnamed System", with the position fields of orbits without a planet,
//   which nothing shows, at 0.
//
// The text is Crockford's base 32 (digits and capital letters without I, L,
// O, U) in groups of four joined by "-", over a version, the kind, the two
// options, the fields of its kind and a 16-bit check, so that a mistyped or
// cut code is refused rather than read as another system.
struct SystemCode {
    enum class Kind : std::uint8_t { Batch, Orbits };

    // The clock readings of the orbit pass's ten contents reseeds and its
    // distance reseed, in milliseconds since midnight (a counting clock's
    // reading n is n * 1000).
    static constexpr std::size_t OrbitReseeds = 11;

    // The largest batch index a code names. Making a batch system again runs
    // every system before it, about a second for the largest; systems later
    // in a run get an Orbits code.
    static constexpr std::uint64_t MaxBatchIndex = std::uint64_t{1} << 20;

    Kind kind = Kind::Batch;
    // The options as generation applied them: Life Support 1 to 4, Bio Zone
    // 1 to 3. Option values outside these ranges act as one of them; see
    // EffectiveLifeSupport and EffectiveBiozone.
    LifeSupportLevel lifeSupport = LifeSupportLevel::Average;
    BiozoneWidth biozone = BiozoneWidth::Normal;

    // Batch: the seed of the run and the system's number in it, from 1.
    std::uint64_t seed = 0;
    std::uint64_t index = 1;

    // Orbits: the star (a pair the star table holds; the zones follow from it
    // and biozone), the random state before the orbit pass, and its readings.
    std::int16_t starClass = 0;
    std::int32_t starType = 0;
    std::uint64_t state = 0;
    std::array<std::int64_t, OrbitReseeds> readings{};

    bool operator==(const SystemCode&) const = default;
};

// The Life Support value (1 to 4) and Bio Zone value (1 to 3) whose rules
// generation applies for an option value: Life Support outside 1 to 3 acts
// as 4, Bio Zone other than 1 and 3 as 2.
LifeSupportLevel EffectiveLifeSupport(LifeSupportLevel option);
BiozoneWidth EffectiveBiozone(BiozoneWidth option);

// The code of the index-th system of the seeded run with these options. The
// options must be in range (1 to 4, 1 to 3); index from 1 to MaxBatchIndex.
SystemCode BatchSystemCode(std::uint64_t seed, std::uint64_t index, LifeSupportLevel lifeSupport,
                           BiozoneWidth biozone);

// The system's number in the run the code names: its index for a Batch
// code, 1 for an Orbits code.
std::uint64_t RunNumber(const SystemCode& code);

// The code as text, for example "2Q1G-04FB-P8".
std::string EncodeSystemCode(const SystemCode& code);

// The code a text holds. Letters may be small, "-" and spaces anywhere are
// ignored, and I, L and O are read as 1, 1 and 0. Anything else wrong (a
// character outside the alphabet, a failed check, an unknown version or kind,
// a field out of range, a star the table lacks) gives no code, and error
// says why in a few words.
std::optional<SystemCode> DecodeSystemCode(std::string_view text, std::string* error = nullptr);

// The system a code stands for, made afresh.
StarSystem RegenerateSystem(const SystemCode& code);

// GenerateSystem and GenerateOrbitsOnly, returning the Orbits code of the
// result when there is one: the system is of type 1 around a star of the
// star table with the table's zones, and the clock readings can be written
// down exactly. Otherwise the generation happens all the same and the
// result has no code.
std::optional<SystemCode> GenerateSystemWithCode(StarSystem& system, RandomSource& source,
                                                 const GenerationOptions& options);
std::optional<SystemCode> GenerateOrbitsOnlyWithCode(StarSystem& system, RandomSource& source,
                                                     const GenerationOptions& options);

} // namespace kelvane
