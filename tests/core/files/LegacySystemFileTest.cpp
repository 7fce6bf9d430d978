#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/AppState.h"
#include "core/files/LegacySystemFile.h"
#include "core/files/SystemFile.h"
#include "core/files/TempFolder.h"

namespace kelvane {
namespace {

using test::TempFolder;
using test::WriteBytes;

const std::string Header = "Kelvane 2.0                   ";

// Every field with distinct bytes, negative values and bytes above 127, so
// that a wrong offset, width, byte order or sign shows.
StarSystem Stored()
{
    StarSystem s;
    s.SystemName = "Not in the file";
    s.StarClass = -12345;
    s.StarType = -123456789;
    s.SystemType = 0x1234;
    s.BiozoneMin = Distance::FromUnits(-987654321012345);
    s.BiozoneMax = Distance::FromUnits(0x0102030405060708);
    s.InnerLimit = Distance::FromUnits(42);
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        OrbitRecord& o = s.Orbit(n);
        o.Type = -(n * 1000003);
        o.Radius = static_cast<std::int16_t>(n * 300 - 1700);
        o.Moons = static_cast<std::int16_t>(-n);
        std::string elements = " B\0D\xE9" + std::string(21, static_cast<char>('a' + n));
        elements[2] = '\0';
        o.Elements = elements;
        o.AU = Distance::FromUnits(n * 123456789012 - 500000000000);
        o.PosX = static_cast<std::int16_t>(-30000 + n);
        o.PosY = static_cast<std::int16_t>(30000 - n);
        o.PosXArc = static_cast<std::int16_t>(n * 257);
        o.PosYArc = static_cast<std::int16_t>(-(n * 4097));
    }
    return s;
}

StarSystem Before()
{
    StarSystem s;
    s.SystemName = "Before";
    s.StarClass = 25;
    s.StarType = 255;
    s.SystemType = 1;
    s.BiozoneMin = Distance::FromUnits(6000);
    for (OrbitRecord& o : s.Orbits) {
        o.Type = 65280;
        o.Radius = 7;
        o.Elements = "AB";
        o.AU = Distance::FromUnits(3000);
    }
    return s;
}

// Little-endian bytes of a field's value as the layout stores it.
template <typename Integer> std::string Bytes(Integer value)
{
    std::string out;
    for (std::size_t i = 0; i < sizeof(Integer); ++i)
        out += static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF);
    return out;
}
std::string Bytes(Distance value)
{
    return Bytes(value.Units());
}
std::string Bytes(const ElementText& value)
{
    return value.Str();
}

// One field of the layout table: where it lies, its bytes in a system, and
// how to copy it from one system to another.
struct LayoutField {
    std::size_t offset;
    std::function<std::string(const StarSystem&)> bytes;
    std::function<void(StarSystem& to, const StarSystem& from)> copy;
};

template <typename T> LayoutField StarField(std::size_t offset, T StarSystem::*member)
{
    return {offset, [member](const StarSystem& s) { return Bytes(s.*member); },
            [member](StarSystem& to, const StarSystem& from) { to.*member = from.*member; }};
}

template <typename T> LayoutField OrbitField(int n, std::size_t offset, T OrbitRecord::*member)
{
    return {
        62 + 50 * static_cast<std::size_t>(n - 1) + offset,
        [n, member](const StarSystem& s) { return Bytes(s.Orbit(n).*member); },
        [n, member](StarSystem& to, const StarSystem& from) { to.Orbit(n).*member = from.Orbit(n).*member; }};
}

// The layout of a 2.0 file, field by field.
std::vector<LayoutField> Layout()
{
    std::vector<LayoutField> fields = {
        StarField(30, &StarSystem::StarClass),  StarField(32, &StarSystem::StarType),
        StarField(36, &StarSystem::SystemType), StarField(38, &StarSystem::BiozoneMin),
        StarField(46, &StarSystem::BiozoneMax), StarField(54, &StarSystem::InnerLimit),
    };
    for (int n = 1; n <= 10; ++n) {
        fields.push_back(OrbitField(n, 0, &OrbitRecord::Type));
        fields.push_back(OrbitField(n, 4, &OrbitRecord::Radius));
        fields.push_back(OrbitField(n, 6, &OrbitRecord::Moons));
        fields.push_back(OrbitField(n, 8, &OrbitRecord::Elements));
        fields.push_back(OrbitField(n, 34, &OrbitRecord::AU));
        fields.push_back(OrbitField(n, 42, &OrbitRecord::PosX));
        fields.push_back(OrbitField(n, 44, &OrbitRecord::PosY));
        fields.push_back(OrbitField(n, 46, &OrbitRecord::PosXArc));
        fields.push_back(OrbitField(n, 48, &OrbitRecord::PosYArc));
    }
    return fields;
}

// A 2.0 file holding s, written from the layout table.
std::string File20(const StarSystem& s)
{
    std::string file = Header + std::string(532, '?');
    for (const LayoutField& field : Layout()) {
        const std::string bytes = field.bytes(s);
        file.replace(field.offset, bytes.size(), bytes);
    }
    EXPECT_EQ(file.size(), 562u);
    return file;
}

class LegacySystemFileTest : public ::testing::Test {
protected:
    LegacySystemFileTest()
    {
        app.system = Before();
        app.CurrentFileName = "earlier.KVN";
        app.UpdateDisplayCaption = [this] { captionedNames.push_back(app.system.SystemName); };
        path = folder / "old.KVN";
    }

    void ExpectNotLoaded()
    {
        EXPECT_EQ(app.CurrentFileName, "earlier.KVN");
        EXPECT_TRUE(captionedNames.empty());
    }

    TempFolder folder;
    AppState app;
    std::string path;
    std::vector<std::string> captionedNames;
};

TEST_F(LegacySystemFileTest, LoadingA20FileStoresEveryFieldButTheName)
{
    WriteBytes(path, File20(Stored()));
    const FileResult result = LoadSystemFile(app, path, '.');
    ASSERT_TRUE(result.Ok()) << result.message;
    StarSystem expected = Stored();
    expected.SystemName = "Before";
    EXPECT_EQ(app.system, expected);
    EXPECT_EQ(app.CurrentFileName, path);
    // The caption is rewritten, still with the previous name.
    EXPECT_EQ(captionedNames, std::vector<std::string>{"Before"});
}

TEST_F(LegacySystemFileTest, BytesBeyondTheLayoutAreNotRead)
{
    WriteBytes(path, File20(Stored()) + "\r\n<KelvaneSystem>\r\n<SystemName>\r\nTail\r\n" +
                         std::string(10000, '\xFF'));
    ASSERT_TRUE(LoadLegacySystemFile(app, path).Ok());
    StarSystem expected = Stored();
    expected.SystemName = "Before";
    EXPECT_EQ(app.system, expected);
    EXPECT_EQ(app.CurrentFileName, path);
}

TEST_F(LegacySystemFileTest, AnythingButTheExactHeaderIsNotA20File)
{
    const std::string body = File20(Stored()).substr(30);
    const std::string headers[] = {
        std::string("Kelvane 2.0") + std::string(19, '\0'),
        "kelvane 2.0                   ",
        "Kelvane 2.0                  x",
        " Kelvane 2.0                  ",
        "Kelvane 2.00                  ",
        "Kelvane 3.5                   ",
    };
    for (const std::string& header : headers) {
        WriteBytes(path, header + body);
        const FileResult result = LoadSystemFile(app, path, '.');
        EXPECT_EQ(result.outcome, FileOutcome::NotKelvaneFile) << header;
        EXPECT_EQ(result.message, "This is not a Kelvane 2.0 file.");
    }
    for (std::size_t length : {1, 11, 29}) {
        WriteBytes(path, Header.substr(0, length));
        EXPECT_EQ(LoadLegacySystemFile(app, path).outcome, FileOutcome::NotKelvaneFile) << length;
    }
    EXPECT_EQ(app.system, Before());
    ExpectNotLoaded();
}

TEST_F(LegacySystemFileTest, AShortFileStoresTheWholeFieldsItHoldsAndReportsWhereItEnds)
{
    const std::string file = File20(Stored());
    const std::vector<LayoutField> layout = Layout();
    for (std::size_t length = 30; length < 562; ++length) {
        StarSystem system = Before();
        const FileResult result = ReadLegacySystem(std::string_view(file).substr(0, length), system);
        ASSERT_EQ(result.outcome, FileOutcome::BadContent) << length;
        StarSystem expected = Before();
        for (const LayoutField& field : layout)
            if (field.offset + field.bytes(Stored()).size() <= length)
                field.copy(expected, Stored());
        ASSERT_EQ(system, expected) << "file cut after " << length << " bytes";
    }

    WriteBytes(path, file.substr(0, 280));
    const FileResult result = LoadSystemFile(app, path, '.');
    EXPECT_EQ(result.message,
              "the file ends after 280 bytes, inside Elements of orbit 5; a Kelvane 2.0 file has 562");
    EXPECT_EQ(app.system.Orbit(5).Moons, Stored().Orbit(5).Moons);
    EXPECT_EQ(app.system.Orbit(5).Elements, Before().Orbit(5).Elements);
    ExpectNotLoaded();

    StarSystem system = Before();
    EXPECT_EQ(ReadLegacySystem(Header, system).message,
              "the file ends after 30 bytes, inside StarClass; a Kelvane 2.0 file has 562");
    EXPECT_EQ(ReadLegacySystem(file.substr(0, 62), system).message,
              "the file ends after 62 bytes, inside Type of orbit 1; a Kelvane 2.0 file has 562");
}

} // namespace
} // namespace kelvane
