#include <functional>
#include <memory>
#include <optional>

#include "cli/Commands.h"
#include "core/AppState.h"
#include "core/export/SystemCsv.h"
#include "core/export/SystemWriters.h"
#include "core/files/SystemFile.h"
#include "core/model/SystemCode.h"
#include "core/model/modGenerate.h"

namespace kelvane {

namespace {

// A run without --seed draws one of this many bits: every system still gets a
// code, and the code stays short.
constexpr int DrawnSeedBits = 40;

// One system of the run: its number in the run it came from, and its code
// as text (empty when it has none).
using EachSystem =
    std::function<bool(const StarSystem& system, std::uint64_t number, const std::string& code)>;

// Makes the systems of the run in order and hands each to each, until each
// says stop. A code makes its one system. Otherwise the systems come from
// repeated New on one state, seeded by --seed or by a seed drawn now; each
// system's code names it by that seed and its number, and one beyond the
// numbers a code can name gets the code of its orbit pass.
void MakeSystems(const NewRequest& options, const EachSystem& each)
{
    if (options.code) {
        const SystemCode& code = *options.code;
        each(RegenerateSystem(code), RunNumber(code), EncodeSystemCode(code));
        return;
    }
    const std::uint64_t seed = options.seed ? *options.seed : RandomSource::EntropySeed(DrawnSeedBits);
    const GenerationOptions generation{options.lifeSupport, options.biozone};
    RandomSource random = RandomSource::Deterministic(seed);
    StarSystem system;
    for (std::uint64_t i = 1; i <= options.count; ++i) {
        std::string code;
        if (i <= SystemCode::MaxBatchIndex) {
            GenerateSystem(system, random, generation);
            code = EncodeSystemCode(BatchSystemCode(seed, i, options.lifeSupport, options.biozone));
        } else if (const std::optional<SystemCode> orbits =
                       GenerateSystemWithCode(system, random, generation)) {
            code = EncodeSystemCode(*orbits);
        }
        if (!each(system, i, code))
            return;
    }
}

// Several systems as system files: one file each in the folder -o names.
int WriteSystemFiles(const NewRequest& options, char separator)
{
    if (const int prepared = PrepareFolder(options.outputPath); prepared != ExitOk)
        return prepared;
    int exit = ExitOk;
    MakeSystems(options, [&](const StarSystem& system, std::uint64_t number, const std::string&) {
        const std::string path = NumberedSystemFile(options.outputPath, number);
        const FileResult saved = SaveSystemFile(system, path, separator);
        if (!saved.Ok())
            exit =
                ReportFailure(path, saved.message + "; stopped after writing " + std::to_string(number - 1) +
                                        " of " + std::to_string(options.count) + " files");
        return saved.Ok();
    });
    return exit;
}

} // namespace

int NewCommand(const CliRequest& request)
{
    const auto& options = std::get<NewRequest>(request);
    const std::uint64_t count = options.count;
    const SystemFormat format = options.format;
    const char separator = UserDecimalSeparator();

    if (format == SystemFormat::Kvn && count > 1 && !options.outputPath.empty())
        return WriteSystemFiles(options, separator);

    Output output(options.outputPath);
    if (!output.Open())
        return ReportFailure(output.Name(), output.Error());
    std::string& out = output.Buffer();
    if (format == SystemFormat::Csv)
        AppendCsvHeader(out);
    if (format == SystemFormat::Json && count > 1)
        out += "[\n";

    bool written = true;
    std::uint64_t made = 0;
    MakeSystems(options, [&](const StarSystem& system, std::uint64_t number, const std::string& code) {
        AppendSystem(out, format, system, number, code, separator, count > 1 ? 2 : 0, ++made == 1);
        if (format == SystemFormat::Json)
            out += made < count ? ",\n" : "\n";
        written = output.FlushIfFull();
        return written;
    });
    if (format == SystemFormat::Json && count > 1)
        out += "]\n";
    if (!written || !output.Close())
        return ReportFailure(output.Name(), output.Error());
    return ExitOk;
}

} // namespace kelvane
