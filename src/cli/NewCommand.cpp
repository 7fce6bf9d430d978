#include <algorithm>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

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

// A system as the run made it, with its number and its code.
struct MadeSystem {
    StarSystem system;
    std::uint64_t number = 0;
    std::string code;
};

// The systems of a run without a code, in order, a batch at a time: repeated
// New on one state, seeded by --seed or by a seed drawn now. Each system's
// code names it by that seed and its number, and one beyond the numbers a
// code can name gets the code of its orbit pass.
class SystemRun {
public:
    explicit SystemRun(const NewRequest& options)
        : m_options(options), m_seed(options.seed ? *options.seed : RandomSource::EntropySeed(DrawnSeedBits)),
          m_random(RandomSource::Deterministic(m_seed))
    {}

    // The next systems, as many as fit in batch's size, fewer at the end of
    // the run, none after it: batch is resized to what it holds.
    void Next(std::vector<MadeSystem>& batch)
    {
        const GenerationOptions generation{m_options.lifeSupport, m_options.biozone};
        batch.resize(std::min<std::uint64_t>(batch.size(), m_options.count - m_made));
        for (MadeSystem& made : batch) {
            // New starts from the system before: the positions of orbits
            // without a planet carry over.
            made.number = ++m_made;
            made.code.clear();
            if (made.number <= SystemCode::MaxBatchIndex) {
                GenerateSystem(m_system, m_random, generation);
                made.code = EncodeSystemCode(
                    BatchSystemCode(m_seed, made.number, m_options.lifeSupport, m_options.biozone));
            } else if (const std::optional<SystemCode> orbits =
                           GenerateSystemWithCode(m_system, m_random, generation)) {
                made.code = EncodeSystemCode(*orbits);
            }
            made.system = m_system;
        }
    }

private:
    const NewRequest& m_options;
    std::uint64_t m_seed;
    RandomSource m_random;
    StarSystem m_system;
    std::uint64_t m_made = 0;
};

// Systems a batch holds: enough that starting a thread per batch costs
// nothing much, few enough to stay in the processor's cache.
constexpr std::size_t BatchSize = 2048;

// Makes the systems of the run in order and hands each to each, until each
// says stop. A code makes its one system. Making a system takes about as long
// as writing it, so a second thread makes the next batch while this one hands
// out the last (std::async's default policy makes it in get() instead where
// no thread can be started); the one random state is only ever used by one
// of them.
void MakeSystems(const NewRequest& options, const EachSystem& each)
{
    if (options.code) {
        const SystemCode& code = *options.code;
        each(RegenerateSystem(code), RunNumber(code), EncodeSystemCode(code));
        return;
    }
    SystemRun run(options);
    std::vector<MadeSystem> ready(BatchSize);
    std::vector<MadeSystem> making(BatchSize);
    run.Next(ready);
    while (!ready.empty()) {
        making.resize(BatchSize);
        std::future<void> next = std::async([&run, &making] { run.Next(making); });
        for (const MadeSystem& made : ready)
            if (!each(made.system, made.number, made.code))
                return; // after next's batch is made: its destructor waits
        next.get();
        std::swap(ready, making);
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
                ReportFailure(path, saved.Text() + "; stopped after writing " + std::to_string(number - 1) +
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
