#include "core/model/SystemCode.h"

#include <array>
#include <bit>
#include <cmath>
#include <memory>
#include <span>
#include <vector>

#include "core/model/Codes.h"
#include "core/model/modGenerate.h"

namespace kelvane {

namespace {

constexpr std::uint8_t Version = 1;
constexpr std::string_view Alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr std::size_t GroupLength = 4;

// The star as one byte: class and type by their places in these lists.
constexpr std::int16_t StarClasses[] = {ClassSubdwarf, ClassWhiteDwarf, ClassMainSequence, ClassSubgiant,
                                        ClassGiant,    ClassLargeGiant, ClassSuperGiant};
constexpr std::int32_t StarTypes[] = {StarBlue,   StarBlueWhite, StarWhite, StarYellowWhite,
                                      StarYellow, StarOrange,    StarRed};
constexpr int StarTypeCount = static_cast<int>(std::size(StarTypes));

// A byte's eight steps of the check below at once: entry b is what they
// make of b in the top byte of a zero register. A seeded run checks one code
// per system.
constexpr std::array<std::uint16_t, 256> CrcStepTable()
{
    std::array<std::uint16_t, 256> steps{};
    for (std::size_t b = 0; b < steps.size(); ++b) {
        auto crc = static_cast<std::uint16_t>(b << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
        steps[b] = crc;
    }
    return steps;
}
constexpr std::array<std::uint16_t, 256> CrcSteps = CrcStepTable();

// CRC-16/CCITT: every mistake within 16 neighbouring bits is caught, so every
// mistyped or swapped character of the text is.
std::uint16_t Check(std::span<const std::uint8_t> bytes)
{
    std::uint16_t crc = 0xFFFF;
    for (const std::uint8_t byte : bytes)
        crc = static_cast<std::uint16_t>(crc << 8 ^ CrcSteps[(crc >> 8 ^ byte) & 0xFF]);
    return crc;
}

// The bytes of a code as it is written, kept on the stack: a seeded run
// writes one code per system. The longest, an Orbits code with uneven
// readings, has 1 + 1 + 8 bytes, 10 for its first reading, 1 for the mode,
// 10 for each of ten steps and 2 for the check: 123.
class CodeBytes {
public:
    void Push(std::uint8_t byte) { m_bytes.at(m_size++) = byte; }
    std::span<const std::uint8_t> Bytes() const { return {m_bytes.data(), m_size}; }

private:
    std::array<std::uint8_t, 128> m_bytes; // written before it is read: no need to clear it
    std::size_t m_size = 0;
};

void PutVarint(CodeBytes& out, std::uint64_t value)
{
    while (value >= 0x80) {
        out.Push(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.Push(static_cast<std::uint8_t>(value));
}

std::uint64_t ZigZag(std::int64_t value)
{
    const auto bits = static_cast<std::uint64_t>(value);
    return (bits << 1) ^ (0 - (bits >> 63));
}

std::int64_t UnZigZag(std::uint64_t value)
{
    return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

// Reads the fields of a code's bytes in order; any read past the end, or a
// number too long for 64 bits, marks it failed.
class ByteReader {
public:
    ByteReader(const std::vector<std::uint8_t>& bytes, std::size_t end) : m_bytes(bytes), m_end(end) {}

    std::uint8_t Byte()
    {
        if (m_at >= m_end) {
            m_failed = true;
            return 0;
        }
        return m_bytes[m_at++];
    }
    std::uint64_t Varint()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t byte = Byte();
            if (shift == 63 && byte > 1)
                break;
            value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                return value;
        }
        m_failed = true;
        return 0;
    }
    std::uint64_t Fixed64()
    {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value |= static_cast<std::uint64_t>(Byte()) << (8 * i);
        return value;
    }
    bool Finished() const { return !m_failed && m_at == m_end; }
    bool Failed() const { return m_failed; }

private:
    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_end;
    std::size_t m_at = 0;
    bool m_failed = false;
};

// The bytes a code's text spells, less the check at their end, which must
// match; else why the text is no code.
const char* SpelledBytes(std::string_view text, std::vector<std::uint8_t>& bytes)
{
    std::uint32_t buffer = 0;
    int bits = 0;
    std::size_t characters = 0;
    for (char c : text) {
        if (c == '-' || c == ' ')
            continue;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c == 'I' || c == 'L')
            c = '1';
        else if (c == 'O')
            c = '0';
        const std::size_t value = Alphabet.find(c);
        if (value == std::string_view::npos)
            return "it holds a character that no code has";
        if (++characters > 256)
            return "it is too long";
        buffer = (buffer << 5 | static_cast<std::uint32_t>(value)) & 0x1FFF;
        bits += 5;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<std::uint8_t>(buffer >> bits));
        }
    }
    // A whole code leaves fewer than five bits over, all of them zero: a
    // last character with other bits is mistyped, like one the check finds.
    if (bytes.size() < 3 || bits >= 5)
        return "it is too short or cut off";
    const std::size_t body = bytes.size() - 2;
    if ((buffer & ((1u << bits) - 1)) != 0 ||
        Check(std::span(bytes).first(body)) != (bytes[body] << 8 | bytes[body + 1]))
        return "its check does not match; a character is wrong or missing";
    bytes.resize(body);
    return nullptr;
}

// The star, random state and clock readings of an Orbits code, read into
// code; else why they are out of range.
const char* ReadOrbitsFields(ByteReader& reader, SystemCode& code)
{
    const std::uint8_t star = reader.Byte();
    if (star >= std::size(StarClasses) * StarTypeCount)
        return "its star is out of range";
    code.starClass = StarClasses[star / StarTypeCount];
    code.starType = StarTypes[star % StarTypeCount];
    if (!StarTableHolds(code.starType, code.starClass))
        return "its star is not one of the star table";
    code.state = reader.Fixed64();
    const std::uint64_t first = reader.Varint();
    const std::uint64_t mode = reader.Varint();
    if (first > (std::uint64_t{1} << 62) || mode > 1)
        return "its clock readings are out of range";
    code.readings[0] = static_cast<std::int64_t>(first);
    std::int64_t step = mode == 0 ? UnZigZag(reader.Varint()) : 0;
    for (std::size_t i = 1; i < code.readings.size(); ++i) {
        if (mode == 1)
            step = UnZigZag(reader.Varint());
        if (step > (std::int64_t{1} << 62) || step < -(std::int64_t{1} << 62) ||
            __builtin_add_overflow(code.readings[i - 1], step, &code.readings[i]) ||
            std::llabs(code.readings[i]) > (std::int64_t{1} << 62))
            return "its clock readings are out of range";
    }
    return nullptr;
}

std::optional<SystemCode> Fail(std::string* error, const char* why)
{
    if (error != nullptr)
        *error = why;
    return std::nullopt;
}

// A clock reading as whole milliseconds, when it is exactly one.
std::optional<std::int64_t> Milliseconds(double reading)
{
    const double scaled = reading * 1000.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 0x1.0p62)
        return std::nullopt;
    const auto ms = static_cast<std::int64_t>(std::llround(scaled));
    if (std::bit_cast<std::uint64_t>(static_cast<double>(ms) / 1000.0) !=
        std::bit_cast<std::uint64_t>(reading))
        return std::nullopt;
    return ms;
}

// The Orbits code of a system whose orbit pass the log holds: its distance
// reseed first, then the ten contents reseeds.
std::optional<SystemCode> OrbitsCode(const StarSystem& system, std::span<const RandomSource::ReseedEntry> log,
                                     const GenerationOptions& options)
{
    if (system.SystemType != 1 || log.size() != SystemCode::OrbitReseeds ||
        !StarTableHolds(system.StarType, system.StarClass))
        return std::nullopt;
    SystemCode code;
    code.kind = SystemCode::Kind::Orbits;
    code.lifeSupport = EffectiveLifeSupport(options.lifeSupport);
    code.starClass = system.StarClass;
    code.starType = system.StarType;
    code.state = log[0].stateBefore;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const auto ms = Milliseconds(log[i].reading);
        if (!ms || *ms < 0)
            return std::nullopt;
        code.readings[i] = *ms;
    }
    // The zones came from the table with some Bio Zone value, most likely
    // today's; any value that gives the same zones makes the same system.
    const BiozoneWidth candidates[] = {EffectiveBiozone(options.biozone), BiozoneWidth::Normal,
                                       BiozoneWidth::Double, BiozoneWidth::Triple};
    for (const BiozoneWidth biozone : candidates) {
        StarSystem star;
        star.StarClass = system.StarClass;
        star.StarType = system.StarType;
        ComputeZones(star, biozone);
        if (star.BiozoneMin == system.BiozoneMin && star.BiozoneMax == system.BiozoneMax &&
            star.InnerLimit == system.InnerLimit) {
            code.biozone = biozone;
            return code;
        }
    }
    return std::nullopt;
}

} // namespace

LifeSupportLevel EffectiveLifeSupport(LifeSupportLevel option)
{
    const auto value = static_cast<std::int16_t>(option);
    return value >= 1 && value <= 3 ? option : LifeSupportLevel::Excellent;
}

BiozoneWidth EffectiveBiozone(BiozoneWidth option)
{
    return option == BiozoneWidth::Normal || option == BiozoneWidth::Triple ? option : BiozoneWidth::Double;
}

SystemCode BatchSystemCode(std::uint64_t seed, std::uint64_t index, LifeSupportLevel lifeSupport,
                           BiozoneWidth biozone)
{
    SystemCode code;
    code.kind = SystemCode::Kind::Batch;
    code.seed = seed;
    code.index = index;
    code.lifeSupport = lifeSupport;
    code.biozone = biozone;
    return code;
}

std::uint64_t RunNumber(const SystemCode& code)
{
    return code.kind == SystemCode::Kind::Batch ? code.index : 1;
}

std::string EncodeSystemCode(const SystemCode& code)
{
    CodeBytes bytes;
    const bool orbits = code.kind == SystemCode::Kind::Orbits;
    const int lifeSupport = static_cast<int>(code.lifeSupport) - 1;
    const int biozone = static_cast<int>(code.biozone) - 1;
    bytes.Push(static_cast<std::uint8_t>(Version << 5 | (orbits ? 1 : 0) << 4 | (lifeSupport & 3) << 2 |
                                         (biozone & 3)));
    if (!orbits) {
        PutVarint(bytes, code.seed);
        PutVarint(bytes, code.index);
    } else {
        int classIndex = 0, typeIndex = 0;
        for (int i = 0; i < static_cast<int>(std::size(StarClasses)); ++i)
            if (StarClasses[i] == code.starClass)
                classIndex = i;
        for (int i = 0; i < StarTypeCount; ++i)
            if (StarTypes[i] == code.starType)
                typeIndex = i;
        bytes.Push(static_cast<std::uint8_t>(classIndex * StarTypeCount + typeIndex));
        for (int i = 0; i < 8; ++i)
            bytes.Push(static_cast<std::uint8_t>(code.state >> (8 * i)));
        PutVarint(bytes, static_cast<std::uint64_t>(code.readings[0]));
        // The reseeds of one pass come within a millisecond or a clock tick of
        // each other (or one count apart): usually one step repeats.
        bool evenSteps = true;
        const std::int64_t step = code.readings[1] - code.readings[0];
        for (std::size_t i = 2; i < code.readings.size(); ++i)
            evenSteps = evenSteps && code.readings[i] - code.readings[i - 1] == step;
        PutVarint(bytes, evenSteps ? 0 : 1);
        for (std::size_t i = 1; i < (evenSteps ? 2 : code.readings.size()); ++i)
            PutVarint(bytes, ZigZag(code.readings[i] - code.readings[i - 1]));
    }
    const std::uint16_t check = Check(bytes.Bytes());
    bytes.Push(static_cast<std::uint8_t>(check >> 8));
    bytes.Push(static_cast<std::uint8_t>(check));

    std::string text;
    std::uint32_t buffer = 0;
    int bits = 0;
    const auto put = [&text](std::uint32_t value) {
        if (!text.empty() && (text.size() + 1) % (GroupLength + 1) == 0)
            text += '-';
        text += Alphabet[value & 31];
    };
    for (const std::uint8_t byte : bytes.Bytes()) {
        buffer = buffer << 8 | byte;
        bits += 8;
        while (bits >= 5) {
            bits -= 5;
            put(buffer >> bits);
        }
    }
    if (bits > 0)
        put(buffer << (5 - bits));
    return text;
}

std::optional<SystemCode> DecodeSystemCode(std::string_view text, std::string* error)
{
    std::vector<std::uint8_t> bytes;
    if (const char* why = SpelledBytes(text, bytes))
        return Fail(error, why);

    ByteReader reader(bytes, bytes.size());
    const std::uint8_t header = reader.Byte();
    if (header >> 5 != Version)
        return Fail(error, "it was made by another version of Kelvane");
    SystemCode code;
    code.kind = (header >> 4 & 1) != 0 ? SystemCode::Kind::Orbits : SystemCode::Kind::Batch;
    code.lifeSupport = static_cast<LifeSupportLevel>((header >> 2 & 3) + 1);
    if ((header & 3) == 3)
        return Fail(error, "its Bio Zone is out of range");
    code.biozone = static_cast<BiozoneWidth>((header & 3) + 1);
    if (code.kind == SystemCode::Kind::Batch) {
        code.seed = reader.Varint();
        code.index = reader.Varint();
        if (!reader.Failed() && (code.index < 1 || code.index > SystemCode::MaxBatchIndex))
            return Fail(error, "its system number is out of range");
    } else if (const char* why = ReadOrbitsFields(reader, code)) {
        return Fail(error, why);
    }
    if (!reader.Finished())
        return Fail(error, "it is too short or cut off");
    return code;
}

StarSystem RegenerateSystem(const SystemCode& code)
{
    if (code.kind == SystemCode::Kind::Batch) {
        // A run starts from an empty system: the position fields that
        // generation keeps for orbits without a planet are 0.
        StarSystem system;
        RandomSource source = RandomSource::Deterministic(code.seed);
        for (std::uint64_t i = 0; i < code.index; ++i)
            GenerateSystem(system, source, {code.lifeSupport, code.biozone});
        return system;
    }
    StarSystem system;
    system.SystemName = "Unnamed System";
    SetSystemType(system);
    system.StarClass = code.starClass;
    system.StarType = code.starType;
    ComputeZones(system, code.biozone);
    std::vector<double> readings;
    for (const std::int64_t ms : code.readings)
        readings.push_back(static_cast<double>(ms) / 1000.0);
    RandomSource source(code.state, std::make_unique<ReplayClock>(std::move(readings)));
    RunOrbitPass(system, source, code.lifeSupport);
    return system;
}

std::optional<SystemCode> GenerateSystemWithCode(StarSystem& system, RandomSource& source,
                                                 const GenerationOptions& options)
{
    source.StartReseedLog();
    GenerateSystem(system, source, options);
    // The first reseed is the star's; the orbit pass's follow.
    const auto log = source.ReseedLog();
    if (log.size() != SystemCode::OrbitReseeds + 1)
        return std::nullopt;
    return OrbitsCode(system, log.subspan(1), options);
}

std::optional<SystemCode> GenerateOrbitsOnlyWithCode(StarSystem& system, RandomSource& source,
                                                     const GenerationOptions& options)
{
    source.StartReseedLog();
    GenerateOrbitsOnly(system, source, options.lifeSupport);
    return OrbitsCode(system, source.ReseedLog(), options);
}

} // namespace kelvane
