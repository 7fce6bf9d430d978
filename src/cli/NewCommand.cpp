#include <memory>
#include <optional>

#include "cli/Commands.h"
#include "core/AppState.h"
#include "core/export/SystemCsv.h"
#include "core/export/SystemWriters.h"
#include "core/files/SystemFile.h"
#include "core/model/modGenerate.h"

namespace kelvane {

namespace {

struct NewOptions {
    std::uint64_t count = 1;
    std::optional<std::uint64_t> seed;
    LifeSupportLevel lifeSupport = LifeSupportLevel::Average;
    BiozoneWidth biozone = BiozoneWidth::Normal;
    SystemFormat format = SystemFormat::Text;
    std::string outputPath;
};

NewOptions ParseNewOptions(const Arguments& arguments)
{
    NewOptions options;
    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "--count")
                options.count = ParseNumber<std::uint64_t>(name, value, 1, UINT64_MAX);
            else if (name == "--seed")
                options.seed = ParseNumber<std::uint64_t>(name, value, 0, UINT64_MAX);
            else if (name == "--life-support")
                options.lifeSupport = static_cast<LifeSupportLevel>(
                    ParseNumber<std::int16_t>(name, value, std::int16_t(LifeSupportLevel::Poor),
                                              std::int16_t(LifeSupportLevel::Excellent)));
            else if (name == "--biozone")
                options.biozone = static_cast<BiozoneWidth>(ParseNumber<std::int16_t>(
                    name, value, std::int16_t(BiozoneWidth::Normal), std::int16_t(BiozoneWidth::Triple)));
            else if (name == "--format")
                options.format = ParseSystemFormat(value, true);
            else if (name == "-o" || name == "--output")
                options.outputPath = OutputArgument(name, value);
            else
                throw UsageError{"unknown option '" + std::string(name) + "'"};
        },
        [](std::string_view text) { throw UsageError{"unexpected argument '" + std::string(text) + "'"}; });
    return options;
}

// Several systems as system files: one file each in the folder -o names.
int WriteSystemFiles(AppState& app, const NewOptions& options, char separator)
{
    if (const int prepared = PrepareFolder(options.outputPath); prepared != ExitOk)
        return prepared;
    for (std::uint64_t i = 1; i <= options.count; ++i) {
        GenerateSystem(app);
        const std::string path = NumberedSystemFile(options.outputPath, i);
        const FileResult saved = SaveSystemFile(app.system, path, separator);
        if (!saved.Ok())
            return ReportFailure(path, saved.message + "; stopped after writing " + std::to_string(i - 1) +
                                           " of " + std::to_string(options.count) + " files");
    }
    return ExitOk;
}

} // namespace

int NewCommand(const Arguments& arguments)
{
    const NewOptions options = ParseNewOptions(arguments);
    const std::uint64_t count = options.count;
    const SystemFormat format = options.format;

    // Repeated New on one state: the same options, the one source.
    AppState app;
    app.settings.LifeSupport = options.lifeSupport;
    app.settings.Biozone = options.biozone;
    if (options.seed)
        app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(*options.seed));
    const char separator = UserDecimalSeparator();

    if (format == SystemFormat::Kvn && count > 1 && !options.outputPath.empty())
        return WriteSystemFiles(app, options, separator);

    Output output(options.outputPath);
    if (!output.Open())
        return ReportFailure(output.Name(), output.Error());
    std::string& out = output.Buffer();
    if (format == SystemFormat::Csv)
        AppendCsvHeader(out);
    if (format == SystemFormat::Json && count > 1)
        out += "[\n";

    for (std::uint64_t i = 1; i <= count; ++i) {
        GenerateSystem(app);
        switch (format) {
        case SystemFormat::Csv: AppendCsvRows(out, app.system, i); break;
        case SystemFormat::Json:
            AppendJson(out, app.system, count > 1 ? 2 : 0);
            out += count > 1 && i < count ? ",\n" : "\n";
            break;
        case SystemFormat::Text:
            if (i > 1)
                out += '\n';
            AppendText(out, app.system, separator);
            break;
        case SystemFormat::Kvn: out += SystemFileText(app.system, separator); break;
        }
        if (!output.FlushIfFull())
            return ReportFailure(output.Name(), output.Error());
    }
    if (format == SystemFormat::Json && count > 1)
        out += "]\n";
    if (!output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

} // namespace kelvane
