#include "cli/QtHelper.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/FileSystem.h"

namespace kelvane {

namespace {

namespace fs = std::filesystem;

std::string FindQtHelper(const fs::path& program)
{
    const fs::path folder = program.parent_path();
    for (const fs::path& candidate :
         {folder / QtHelperName, (folder / KELVANE_CLI_HELPER_FOLDER / QtHelperName).lexically_normal()})
        if (IsExecutableFile(candidate.string()))
            return candidate.string();
    return {};
}

} // namespace

int RunInQtHelper(char** commandLine)
{
    // The program's own file, whatever the name or link it was started by;
    // without /proc, the name it was started by.
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        program = fs::absolute(commandLine[0], error);
    const std::string helper = FindQtHelper(program);
    if (helper.empty())
        return ReportFailure(
            QtHelperName,
            "not found beside " + program.string() + " nor in " +
                (program.parent_path() / KELVANE_CLI_HELPER_FOLDER).lexically_normal().string());

    std::vector<char*> helperLine;
    helperLine.push_back(const_cast<char*>(helper.c_str()));
    for (char** argument = commandLine + 1; *argument != nullptr; ++argument)
        helperLine.push_back(*argument);
    helperLine.push_back(nullptr);
    std::fflush(nullptr);
    return ReportFailure(helper, RunInstead(helper, helperLine.data()));
}

} // namespace kelvane
