#include "core/files/LegacySystemFile.h"

#include <cstdint>
#include <type_traits>

namespace kelvane {

namespace {

constexpr std::string_view HeaderText = "Kelvane 2.0";

bool HasHeader(std::string_view bytes)
{
    if (bytes.size() < LegacyHeaderSize)
        return false;
    const std::string_view header = bytes.substr(0, LegacyHeaderSize);
    if (header.substr(0, HeaderText.size()) != HeaderText)
        return false;
    return header.find_first_not_of(' ', HeaderText.size()) == std::string_view::npos;
}

// Walks the layout field by field. Each Take stores one field when it lies
// wholly inside the bytes; the first field that does not is remembered and
// every later Take does nothing.
class LayoutReader {
public:
    explicit LayoutReader(std::string_view bytes) : m_bytes(bytes), m_offset(LegacyHeaderSize) {}

    template <typename Integer>
    requires std::is_integral_v<Integer>
    void Take(Integer& field, std::string_view name, int orbit = 0)
    {
        if (!Fits(sizeof(Integer), name, orbit))
            return;
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < sizeof(Integer); ++i)
            value |= std::uint64_t{static_cast<unsigned char>(m_bytes[m_offset + i])} << (8 * i);
        // Unsigned to signed keeps the bit pattern: two's complement, as stored.
        field = static_cast<Integer>(static_cast<std::make_unsigned_t<Integer>>(value));
        m_offset += sizeof(Integer);
    }

    void Take(Distance& field, std::string_view name, int orbit)
    {
        std::int64_t units = field.Units();
        Take(units, name, orbit);
        field = Distance::FromUnits(units);
    }

    void Take(ElementText& field, std::string_view name, int orbit)
    {
        if (!Fits(ElementText::Length, name, orbit))
            return;
        field = m_bytes.substr(m_offset, ElementText::Length);
        m_offset += ElementText::Length;
    }

    FileResult Result() const
    {
        if (m_cutField.empty())
            return FileResult::Done();
        if (m_cutOrbit != 0)
            return FileResult::BadContent(
                Message(KELVANE_TEXT(
                            "CoreText",
                            "the file ends after %1 bytes, inside %2 of orbit %3; a Kelvane 2.0 file has %4"),
                        m_bytes.size(), m_cutField, m_cutOrbit, LegacyFileSize));
        return FileResult::BadContent(Message(
            KELVANE_TEXT("CoreText", "the file ends after %1 bytes, inside %2; a Kelvane 2.0 file has %3"),
            m_bytes.size(), m_cutField, LegacyFileSize));
    }

private:
    bool Fits(std::size_t size, std::string_view name, int orbit)
    {
        if (!m_cutField.empty())
            return false;
        if (m_bytes.size() - m_offset >= size)
            return true;
        m_cutField = name;
        m_cutOrbit = orbit;
        return false;
    }

    std::string_view m_bytes;
    std::size_t m_offset;
    std::string_view m_cutField;
    int m_cutOrbit = 0;
};

} // namespace

FileResult ReadLegacySystem(std::string_view bytes, StarSystem& system)
{
    if (!HasHeader(bytes))
        return FileResult::NotKelvaneFile();

    LayoutReader reader(bytes);
    reader.Take(system.StarClass, "StarClass");
    reader.Take(system.StarType, "StarType");
    reader.Take(system.SystemType, "SystemType");
    reader.Take(system.BiozoneMin, "BiozoneMin", 0);
    reader.Take(system.BiozoneMax, "BiozoneMax", 0);
    reader.Take(system.InnerLimit, "InnerLimit", 0);
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        OrbitRecord& orbit = system.Orbit(n);
        reader.Take(orbit.Type, "Type", n);
        reader.Take(orbit.Radius, "Radius", n);
        reader.Take(orbit.Moons, "Moons", n);
        reader.Take(orbit.Elements, "Elements", n);
        reader.Take(orbit.AU, "AU", n);
        reader.Take(orbit.PosX, "PosX", n);
        reader.Take(orbit.PosY, "PosY", n);
        reader.Take(orbit.PosXArc, "PosXArc", n);
        reader.Take(orbit.PosYArc, "PosYArc", n);
    }
    return reader.Result();
}

} // namespace kelvane
