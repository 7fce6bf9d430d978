#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "TempFolder.h"
#include "platform/WholeFile.h"

namespace kelvane {
namespace {

using Status = WholeFile::Status;

// Neither a pipe without a writer nor a device that never ends may stall a
// read; only FileKinds::Any reads anything but a regular file.
TEST(WholeFile, ReadsPipesAndDevicesOnlyWhenAskedAndNeverWaits)
{
    test::TempFolder folder;
    test::WriteBytes(folder / "four", "1234");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "sub");

    const std::tuple<std::string, std::size_t, FileKinds, Status, std::string, std::string> cases[] = {
        {folder / "four", 4, FileKinds::RegularOnly, Status::Read, "1234", ""},
        {folder / "four", 3, FileKinds::Any, Status::TooLarge, "", ""},
        {folder / "missing", 4, FileKinds::Any, Status::Missing, "", "No such file or directory"},
        {folder / "four/x", 4, FileKinds::Any, Status::Missing, "", "Not a directory"},
        {folder / "pipe", 4, FileKinds::RegularOnly, Status::NotRegular, "", "Not a regular file"},
        {folder / "pipe", 4, FileKinds::Any, Status::Read, "", ""},
        {"/dev/zero", 1 << 20, FileKinds::RegularOnly, Status::NotRegular, "", "Not a regular file"},
        {"/dev/zero", 1 << 20, FileKinds::Any, Status::TooLarge, "", ""},
        {folder / "sub", 4, FileKinds::Any, Status::Failed, "", "Is a directory"},
    };
    for (const auto& [path, limit, kinds, status, bytes, error] : cases) {
        const WholeFile file = ReadWholeFile(path, limit, kinds);
        EXPECT_EQ(std::tie(file.status, file.bytes, file.error), std::tie(status, bytes, error))
            << path << " " << limit;
    }
}

} // namespace
} // namespace kelvane
