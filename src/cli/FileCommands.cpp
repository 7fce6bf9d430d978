#include <filesystem>
#include <system_error>

#include "cli/Commands.h"
#include "cli/SectorShow.h"
#include "core/AppState.h"
#include "core/export/SystemCsv.h"
#include "core/export/SystemWriters.h"
#include "core/files/SystemFile.h"

namespace kelvane {

SystemFormat ParseSystemFormat(std::string_view text, bool withKvn)
{
    if (text == "text")
        return SystemFormat::Text;
    if (text == "json")
        return SystemFormat::Json;
    if (text == "csv")
        return SystemFormat::Csv;
    if (text == "kvn" && withKvn)
        return SystemFormat::Kvn;
    throw UsageError{"--format: unknown format '" + std::string(text) + "'"};
}

int ShowCommand(const Arguments& arguments)
{
    std::string path;
    SystemFormat format = SystemFormat::Text;
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "--format")
                format = ParseSystemFormat(value, true);
            else
                throw UsageError{"unknown option '" + std::string(name) + "'"};
        },
        TakeOneFile(path));
    if (path.empty())
        throw UsageError{"show needs a FILE"};
    if (IsSectorFileArgument(path))
        return ShowSectorCommand(path, format);

    const char separator = UserDecimalSeparator();
    AppState app;
    if (!LoadSystemArgument(app, path))
        return ExitFailure;

    Output output("");
    std::string& out = output.Buffer();
    switch (format) {
    case SystemFormat::Text: AppendText(out, app.system, separator); break;
    case SystemFormat::Json:
        AppendJson(out, app.system, 0);
        out += '\n';
        break;
    case SystemFormat::Csv:
        AppendCsvHeader(out);
        AppendCsvRows(out, app.system, 1);
        break;
    case SystemFormat::Kvn: out += SystemFileText(app.system, separator); break;
    }
    if (!output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

int ConvertCommand(const Arguments& arguments)
{
    std::vector<std::string> paths;
    arguments.ForEach(
        [](std::string_view name, std::string_view) {
            throw UsageError{"unknown option '" + std::string(name) + "'"};
        },
        [&](std::string_view text) { paths.emplace_back(text); });
    if (paths.size() != 2)
        throw UsageError{"convert needs IN and OUT"};

    const char separator = UserDecimalSeparator();
    AppState app;
    if (!LoadSystemArgument(app, paths[0]))
        return ExitFailure;
    const FileResult saved = SaveSystemFile(app.system, paths[1], separator);
    if (!saved.Ok())
        return ReportFailure(paths[1], saved.message);
    return ExitOk;
}

std::string NumberedSystemFile(const std::string& folder, std::uint64_t number)
{
    std::string digits = std::to_string(number);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return (std::filesystem::path(folder) / ("system-" + digits + ".KVN")).string();
}

int PrepareFolder(const std::string& folder)
{
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return ExitOk;
    if (std::filesystem::exists(folder, error))
        return ReportFailure(folder, "not a folder");
    if (!std::filesystem::create_directory(folder, error))
        return ReportFailure(folder, error.message());
    return ExitOk;
}

} // namespace kelvane
