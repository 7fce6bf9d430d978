#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "TempFolder.h"
#include "platform/UserDecimalSeparator.h"

namespace kelvane {
namespace {

TEST(UserDecimalSeparator, OnlyOneCharacterThatCannotBePartOfANumber)
{
    const struct {
        const char* point;
        char separator;
    } cases[] = {{".", '.'},  {",", ','},        {"'", '\''}, {nullptr, '.'}, {"", '.'},
                 {"-", '.'},  {"+", '.'},        {"5", '.'},  {" ", '.'},     {"a", '.'},
                 {",,", '.'}, {"\xD9\xAB", '.'}, {"\t", '.'}, {"\x7F", '.'}};
    for (const auto& c : cases)
        EXPECT_EQ(DecimalSeparatorOf(c.point), c.separator) << (c.point ? c.point : "null");
}

// UserDecimalSeparator in a child process with these variables set (or
// removed, for nullptr) and locales only from the folder locales; its answer,
// or 0 when the child failed. With earlierAll, a first call is made with
// LC_ALL set to that. A child of its own, so that the test's environment
// stays as it is.
char SeparatorWith(const std::string& locales, const char* all, const char* numeric,
                   const char* earlierAll = nullptr)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("LOCPATH", locales.c_str(), 1);
        ::unsetenv("LANG");
        if (earlierAll != nullptr) {
            ::setenv("LC_ALL", earlierAll, 1);
            (void)UserDecimalSeparator();
        }
        for (const auto& [name, value] : {std::pair{"LC_ALL", all}, {"LC_NUMERIC", numeric}})
            value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
        ::_exit(static_cast<unsigned char>(UserDecimalSeparator()));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? static_cast<char>(WEXITSTATUS(status)) : 0;
}

TEST(UserDecimalSeparator, IsTheCLibrarysForTheLocaleTheEnvironmentNames)
{
    const test::TempFolder locales; // none at first
    EXPECT_EQ(SeparatorWith(locales.Path(), "C", nullptr), '.');
    // A French locale that is not installed is no French locale at all.
    EXPECT_EQ(SeparatorWith(locales.Path(), "fr_FR.UTF-8", nullptr), '.');

    const std::string make = "localedef -i de_DE -f UTF-8 " + locales / "de_DE.UTF-8" + " >/dev/null 2>&1";
    if (std::system(make.c_str()) != 0)
        GTEST_SKIP() << "cannot make a German locale here (package locales)";
    EXPECT_EQ(SeparatorWith(locales.Path(), "de_DE.UTF-8", nullptr), ',');
    // LC_NUMERIC counts when LC_ALL is not set, and only then.
    EXPECT_EQ(SeparatorWith(locales.Path(), nullptr, "de_DE.UTF-8"), ',');
    EXPECT_EQ(SeparatorWith(locales.Path(), "C", "de_DE.UTF-8"), '.');
    // A changed environment is looked at again.
    EXPECT_EQ(SeparatorWith(locales.Path(), "C", nullptr, "de_DE.UTF-8"), '.');
    EXPECT_EQ(SeparatorWith(locales.Path(), "de_DE.UTF-8", nullptr, "C"), ',');
}

} // namespace
} // namespace kelvane
