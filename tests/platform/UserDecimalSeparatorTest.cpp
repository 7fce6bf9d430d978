#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ScopedEnvironment.h"
#include "core/files/TempFolder.h"
#include "platform/UserDecimalSeparator.h"

namespace kelvane {
namespace {

using test::ScopedEnvironment;

TEST(UserDecimalSeparator, OnlyOneCharacterThatCannotBePartOfANumber)
{
    const struct {
        const char* point;
        char separator;
    } cases[] = {{".", '.'},  {",", ','},  {"'", '\''}, {nullptr, '.'},  {"", '.'},   {"-", '.'},
                 {"+", '.'},  {"5", '.'},  {" ", '.'},  {"a", '.'},      {",,", '.'}, {"\xD9\xAB", '.'},
                 {"\t", '.'}, {"\x7F", '.'}};
    for (const auto& c : cases)
        EXPECT_EQ(DecimalSeparatorOf(c.point), c.separator) << (c.point ? c.point : "null");
}

TEST(UserDecimalSeparator, IsTheCLibrarysForTheLocaleTheEnvironmentNames)
{
    // Locales only from a folder of the test's own: none at first.
    const test::TempFolder locales;
    const ScopedEnvironment path("LOCPATH", locales.Path().c_str());
    ScopedEnvironment all("LC_ALL", "C");
    ScopedEnvironment numeric("LC_NUMERIC", nullptr);
    const ScopedEnvironment language("LANG", nullptr);
    EXPECT_EQ(UserDecimalSeparator(), '.');
    // A French locale that is not installed is no French locale at all.
    all.Set("fr_FR.UTF-8");
    EXPECT_EQ(UserDecimalSeparator(), '.');

    const std::string make = "localedef -i de_DE -f UTF-8 " + locales / "de_DE.UTF-8" + " >/dev/null 2>&1";
    if (std::system(make.c_str()) != 0)
        GTEST_SKIP() << "cannot make a German locale here (package locales)";
    all.Set("de_DE.UTF-8");
    EXPECT_EQ(UserDecimalSeparator(), ',');
    // LC_NUMERIC counts when LC_ALL is not set, and only then.
    all.Set(nullptr);
    numeric.Set("de_DE.UTF-8");
    EXPECT_EQ(UserDecimalSeparator(), ',');
    all.Set("C");
    EXPECT_EQ(UserDecimalSeparator(), '.');
}

} // namespace
} // namespace kelvane
