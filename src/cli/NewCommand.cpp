#include <memory>
#include <optional>

#include "cli/Commands.h"
#include "cli/SystemWriters.h"
#include "core/AppState.h"
#include "core/model/modGenerate.h"

namespace kelvane {

namespace {

enum class Format { Text, Json, Csv };

Format ParseFormat(std::string_view text)
{
    if (text == "text")
        return Format::Text;
    if (text == "json")
        return Format::Json;
    if (text == "csv")
        return Format::Csv;
    throw UsageError{"--format: unknown format '" + std::string(text) + "'"};
}

} // namespace

int NewCommand(const Arguments& arguments)
{
    std::uint64_t count = 1;
    std::optional<std::uint64_t> seed;
    std::int16_t lifeSupport = 2;
    std::int16_t biozone = 1;
    Format format = Format::Text;
    std::string outputPath;

    arguments.ForEach(
        [&](std::string_view name, std::string_view value) {
            if (name == "--count")
                count = ParseNumber<std::uint64_t>(name, value, 1, UINT64_MAX);
            else if (name == "--seed")
                seed = ParseNumber<std::uint64_t>(name, value, 0, UINT64_MAX);
            else if (name == "--life-support")
                lifeSupport = ParseNumber<std::int16_t>(name, value, 1, 4);
            else if (name == "--biozone")
                biozone = ParseNumber<std::int16_t>(name, value, 1, 3);
            else if (name == "--format")
                format = ParseFormat(value);
            else if (name == "-o" || name == "--output")
                outputPath = std::string(value);
            else
                throw UsageError{"unknown option '" + std::string(name) + "'"};
        },
        [](std::string_view text) { throw UsageError{"unexpected argument '" + std::string(text) + "'"}; });

    // Repeated New on one state: the same options, the one source.
    AppState app;
    app.settings.LifeSupport = lifeSupport;
    app.settings.Biozone = biozone;
    if (seed)
        app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(*seed));
    const char separator = UserDecimalSeparator();

    Output output(outputPath);
    if (!output.Open())
        return ReportFailure(output.Name(), output.Error());
    std::string& out = output.Buffer();
    if (format == Format::Csv)
        AppendCsvHeader(out);
    if (format == Format::Json && count > 1)
        out += "[\n";

    for (std::uint64_t i = 1; i <= count; ++i) {
        GenerateSystem(app);
        switch (format) {
        case Format::Csv: AppendCsvRows(out, app.system, i); break;
        case Format::Json:
            AppendJson(out, app.system, count > 1 ? 2 : 0);
            out += count > 1 && i < count ? ",\n" : "\n";
            break;
        case Format::Text:
            if (i > 1)
                out += '\n';
            AppendText(out, app.system, separator);
            break;
        }
        if (!output.FlushIfFull())
            return ReportFailure(output.Name(), output.Error());
    }
    if (format == Format::Json && count > 1)
        out += "]\n";
    if (!output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

} // namespace kelvane
