#include <gtest/gtest.h>

#include <string>

#include "core/text/Escaping.h"
#include "core/text/JsonValue.h"
#include "core/text/Message.h"
#include "core/text/Utf8.h"

namespace kelvane {
namespace {

using namespace std::string_literals;

TEST(Utf8, ReadsOnlyShortestFormsOfRealCharacters)
{
    struct Case {
        std::string bytes;
        std::size_t length; // 0: not a sequence
        char32_t cp;
    };
    const Case cases[] = {
        {"A", 1, 'A'},
        {"\x7f", 1, 0x7F},
        {"\xc2\x80", 2, 0x80},
        {"\xdf\xbf", 2, 0x7FF},
        {"\xe0\xa0\x80", 3, 0x800},
        {"\xed\x9f\xbf", 3, 0xD7FF},
        {"\xee\x80\x80", 3, 0xE000},
        {"\xef\xbf\xbf", 3, 0xFFFF},
        {"\xf0\x90\x80\x80", 4, 0x10000},
        {"\xf4\x8f\xbf\xbf", 4, 0x10FFFF},
        {"\xc3\xa9xyz", 2, 0xE9}, // only the first character counts
        {"", 0, 0},
        {"\x80", 0, 0},                 // a continuation byte
        {"\xc0\x80", 0, 0},             // overlong
        {"\xc1\xbf", 0, 0},             // overlong
        {"\xe0\x9f\xbf", 0, 0},         // overlong
        {"\xf0\x8f\xbf\xbf", 0, 0},     // overlong
        {"\xed\xa0\x80", 0, 0},         // a surrogate
        {"\xed\xbf\xbf", 0, 0},         // a surrogate
        {"\xf4\x90\x80\x80", 0, 0},     // beyond U+10FFFF
        {"\xf8\x88\x80\x80\x80", 0, 0}, // five bytes
        {"\xe2\x82", 0, 0},             // cut short
        {"\xc3\x41", 0, 0},             // a lead byte, then "A" (0x41)
        {"\xe2\x82\xc3", 0, 0},
    };
    for (const Case& c : cases) {
        char32_t cp = 0xFFFFFFFF;
        EXPECT_EQ(Utf8Sequence(c.bytes, cp), c.length) << testing::PrintToString(c.bytes);
        if (c.length != 0) {
            EXPECT_EQ(cp, c.cp) << testing::PrintToString(c.bytes);
            // What it reads, AppendUtf8 writes back as it was.
            std::string written;
            AppendUtf8(written, cp);
            EXPECT_EQ(written, c.bytes.substr(0, c.length));
        } else if (!c.bytes.empty()) {
            // A byte that starts no sequence is its Latin-1 character.
            EXPECT_EQ(NextCharacter(c.bytes, cp), 1u);
            EXPECT_EQ(cp, static_cast<unsigned char>(c.bytes[0]));
        }
    }
}

TEST(Escaping, JsonStringsAreValidJsonOfTheSameCharacters)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Vega", R"("Vega")"},
        {"", R"("")"},
        {R"(say "A\B")", R"("say \"A\\B\"")"},
        {"\t\r\n", R"("\t\r\n")"},
        {std::string("\x01\x1f\x7f\0", 4), R"("\u0001\u001f\u007f\u0000")"},
        {"/ < & '", R"("/ < & '")"},
        {"Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"\xc2\x9b", "\"\xc2\x9b\""}, // a C1 control is a character JSON holds as it is
        // Latin-1, also where a sequence is cut short or overlong.
        {"Caf\xe9 \xff", R"("Caf\u00e9 \u00ff")"},
        {"\xc3", R"("\u00c3")"},
        {"\xc3\x41\xc0\x80", R"("\u00c3A\u00c0\u0080")"},
        // A lone surrogate, as the reader keeps one, goes back as its escape.
        {"\xed\xa0\x80 \xed\xbf\xbf", R"("\ud800 \udfff")"},
        {"\xed\x9f\xbf", "\"\xed\x9f\xbf\""}, // U+D7FF, just below them
    };
    for (const auto& [text, json] : cases) {
        std::string out = "x";
        AppendJsonString(out, text);
        EXPECT_EQ(out, "x" + json) << testing::PrintToString(text);
        // Every text comes back from the reader as the characters it meant.
        Message error;
        std::string meant;
        int line = 0;
        for (std::string_view rest = text; !rest.empty();) {
            char32_t cp = SurrogateSequence(rest);
            const std::size_t length = cp != 0 ? 3 : NextCharacter(rest, cp);
            AppendUtf8(meant, cp);
            rest.remove_prefix(length);
        }
        const auto value = ParseJson(out.substr(1), error, line);
        ASSERT_TRUE(value) << English(error) << " in " << out;
        EXPECT_EQ(value->text, meant);
    }
    // Escapes the writer does not use, a surrogate pair among them, read as their characters too.
    Message error;
    int line = 0;
    const auto value = ParseJson(R"("\u00e9\ud83d\ude00\/\b\f\n\r\t\"\\")", error, line);
    ASSERT_TRUE(value) << English(error);
    EXPECT_EQ(value->text, "\xc3\xa9\xf0\x9f\x98\x80/\b\f\n\r\t\"\\");
}

TEST(Escaping, XmlTextDropsWhatXmlCannotHold)
{
    std::string xml = "x";
    AppendXmlText(xml,
                  "<Vega & \"Co\"> 'A'\x01\x1f\t\r\n\x7f Caf\xe9 Caf\xc3\xa9 \xf0\x9f\x98\x80\xed\xa0\x80");
    EXPECT_EQ(xml, "x&lt;Vega &amp; &quot;Co&quot;&gt; 'A'\t\x7f Caf\xc3\xa9 Caf\xc3\xa9 "
                   "\xf0\x9f\x98\x80\xc3\xad\xc2\xa0\xc2\x80");
}

TEST(Escaping, TerminalTextShowsEveryControlAsItsBytes)
{
    std::string out = "x";
    AppendTerminalText(out, std::string("Evil\x1b[2J\x07\tname\r\n\x7f\0", 18) +
                                " \xc2\x9f \xc2\x80 \x9f \x80 \xc2\xa0 \xa0 " +
                                "Caf\xc3\xa9 Caf\xe9 \xc3 \xe2\x82\xac");
    EXPECT_EQ(out, "xEvil\\x1B[2J\\x07\\x09name\\x0D\\x0A\\x7F\\x00 \\xC2\\x9F \\xC2\\x80 \\x9F \\x80 "
                   "\xc2\xa0 \xa0 Caf\xc3\xa9 Caf\xe9 \xc3 \xe2\x82\xac");
}

TEST(Message, PlacesAreFilledOnceAndOnlyWhereTheyHaveAValue)
{
    // A value is not read again for places, wherever it stands.
    EXPECT_EQ(English(Message("%2 and %1", "%2", "%1%1")), "%1%1 and %2");
    // Places run from %1 to %9: %10 is %1 and a 0; without its value a place
    // stays as it is, as does a % before anything else.
    EXPECT_EQ(English(Message("%10 %9 %3 %0 100% %", "a", 2, 3u)), "a0 %9 3 %0 100% %");
    EXPECT_EQ(English(Message("%1", std::string(), "unused")), "");
    // Pieces follow one another, each with its own values.
    EXPECT_EQ(English(Message("system %1: ", "0101") + Message("%1 is not %2", "\"x\"", -32768)),
              "system 0101: \"x\" is not -32768");
}

} // namespace
} // namespace kelvane
