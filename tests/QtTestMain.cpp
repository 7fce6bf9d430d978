// The main() of test programs that need Qt: without a screen (no display and
// no QT_QPA_PLATFORM) Qt would abort, also when ctest lists the tests at build
// time, so the offscreen platform is the default here.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0')
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Keep tests away from the user's runtime folder warnings.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr)
        setenv("XDG_RUNTIME_DIR", "/tmp", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
