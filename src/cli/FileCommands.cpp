#include <filesystem>
#include <system_error>

#include "cli/Commands.h"
#include "cli/SectorShow.h"
#include "core/AppState.h"
#include "core/export/SystemCsv.h"
#include "core/export/SystemJsonReader.h"
#include "core/export/SystemWriters.h"
#include "core/files/SystemFile.h"

namespace kelvane {

void AppendSystem(std::string& out, SystemFormat format, const StarSystem& system, std::uint64_t number,
                  std::string_view code, char separator, int jsonIndent, bool first)
{
    switch (format) {
    case SystemFormat::Csv: AppendCsvRows(out, system, number, code); break;
    case SystemFormat::Json: AppendJson(out, system, code, jsonIndent); break;
    case SystemFormat::Text:
        if (!first)
            out += '\n';
        AppendText(out, system, code, separator);
        break;
    case SystemFormat::Markdown:
        if (!first)
            out += '\n';
        AppendMarkdown(out, system, code, separator);
        break;
    case SystemFormat::Kvn: out += SystemFileText(system, separator); break;
    }
}

int ShowCommand(const CliRequest& request)
{
    const auto& [path, format] = std::get<ShowRequest>(request);
    // Read once: standard input cannot be read again to choose the reader.
    std::string bytes;
    if (!ReadInputArgument(path, bytes))
        return ExitFailure;
    const char separator = UserDecimalSeparator();
    std::vector<StarSystem> systems(1);
    // System JSON before the sector index: both are JSON objects, told apart
    // by their keys.
    if (IsSystemJsonText(bytes)) {
        if (!ReadSystemJsonBytes(systems, path, bytes))
            return ExitFailure;
    } else if (IsSectorFileArgument(path, bytes)) {
        return ShowSectorCommand(InputName(path), bytes, format);
    } else {
        AppState app;
        if (!LoadSystemBytes(app, path, bytes))
            return ExitFailure;
        systems.front() = app.system;
    }

    // A loaded system has no code: files do not keep one, and an imported
    // system may have been edited away from its code.
    Output output("");
    std::string& out = output.Buffer();
    if (format == SystemFormat::Csv)
        AppendCsvHeader(out);
    const bool array = format == SystemFormat::Json && systems.size() > 1;
    if (array)
        out += "[\n";
    for (std::size_t i = 0; i < systems.size(); ++i) {
        if (array && i > 0)
            out += ",\n";
        AppendSystem(out, format, systems[i], i + 1, "", separator, array ? 2 : 0, i == 0);
    }
    if (array)
        out += "\n]";
    if (format == SystemFormat::Json)
        out += '\n';
    if (!output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

int ConvertCommand(const CliRequest& request)
{
    const auto& [inputPath, outputPath] = std::get<ConvertRequest>(request);
    const char separator = UserDecimalSeparator();
    AppState app;
    if (!LoadSystemArgument(app, inputPath))
        return ExitFailure;
    if (outputPath == "-") {
        Output output(outputPath);
        output.Buffer() = SystemFileText(app.system, separator);
        if (!output.Close())
            return ReportFailure(output.Name(), output.Error());
        return ExitOk;
    }
    const FileResult saved = SaveSystemFile(app.system, outputPath, separator);
    if (!saved.Ok())
        return ReportFailure(outputPath, saved.Text());
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
