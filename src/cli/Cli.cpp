#include "cli/Cli.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "cli/SystemWriters.h"
#include "core/AppState.h"
#include "core/files/AtomicFile.h"
#include "core/model/modGenerate.h"

namespace kelvane {

namespace {

constexpr const char* Usage =
    "usage: kelvane-cli new [--count N] [--seed S] [--life-support 1-4] [--biozone 1-3]\n"
    "                       [--format text|json|csv] [-o FILE]\n";

// A wrong command line: the reason goes to stderr with the usage.
struct UsageError {
    std::string reason;
};

// Where a command's output goes: standard output, or a file that appears only
// when it has been written completely. Output is buffered and written in
// large pieces, so a long run streams in constant memory.
class Output {
public:
    explicit Output(std::string path) : m_path(std::move(path)) {}

    std::string& Buffer() { return m_buffer; }

    // Opens the file; false when it cannot be, with the reason in Error().
    bool Open()
    {
        if (!m_path.empty())
            m_error = m_file.Open(m_path);
        return m_error.empty();
    }

    // Writes the buffer out once it has grown past a threshold.
    bool FlushIfFull() { return m_buffer.size() < (1u << 20) || Flush(); }

    bool Flush()
    {
        if (!m_error.empty())
            return false;
        if (m_path.empty()) {
            m_error = WriteToStdout(m_buffer);
        } else {
            m_error = m_file.Write(m_buffer);
        }
        m_buffer.clear();
        return m_error.empty();
    }

    bool Close()
    {
        if (!Flush())
            return false;
        if (!m_path.empty())
            m_error = m_file.Commit();
        return m_error.empty();
    }

    const std::string& Error() const { return m_error; }
    std::string Name() const { return m_path.empty() ? "standard output" : m_path; }

private:
    static std::string WriteToStdout(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return std::strerror(errno);
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return {};
    }

    std::string m_path;
    std::string m_buffer;
    std::string m_error;
    AtomicFileWriter m_file;
};

template <typename Int> Int ParseNumber(std::string_view option, std::string_view text, Int min, Int max)
{
    Int value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec == std::errc::invalid_argument || result.ptr != text.data() + text.size())
        throw UsageError{std::string(option) + ": '" + std::string(text) + "' is not a whole number"};
    const std::string prefix = std::string(option) + ": " + std::string(text);
    if (result.ec == std::errc::result_out_of_range && max == std::numeric_limits<Int>::max())
        throw UsageError{prefix + " is too large"};
    if (result.ec == std::errc::result_out_of_range || value < min || value > max) {
        const std::string range = max == std::numeric_limits<Int>::max()
                                      ? "at least " + std::to_string(min)
                                      : "between " + std::to_string(min) + " and " + std::to_string(max);
        throw UsageError{prefix + " is not " + range};
    }
    return value;
}

// Splits the arguments after the command into options and their values.
// Accepts "--name value" and "--name=value".
class Arguments {
public:
    Arguments(int argc, char** argv, int first)
    {
        for (int i = first; i < argc; ++i)
            m_items.emplace_back(argv[i]);
    }

    // Calls handle(name, value) for every option; every option takes a value.
    template <typename Handler> void ForEach(Handler handle) const
    {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            std::string_view item = m_items[i];
            if (item.size() < 2 || item[0] != '-')
                throw UsageError{"unexpected argument '" + std::string(item) + "'"};
            std::string_view value;
            if (const auto eq = item.find('='); eq != std::string_view::npos && item.starts_with("--")) {
                value = item.substr(eq + 1);
                item = item.substr(0, eq);
            } else {
                if (i + 1 >= m_items.size())
                    throw UsageError{std::string(item) + " needs a value"};
                value = m_items[++i];
            }
            handle(item, value);
        }
    }

private:
    std::vector<std::string_view> m_items;
};

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

// The user's decimal separator, as their number settings give it.
char UserDecimalSeparator()
{
    const lconv* conventions = std::localeconv();
    const char* point = conventions != nullptr ? conventions->decimal_point : nullptr;
    return point != nullptr && point[0] != '\0' && point[1] == '\0' ? point[0] : '.';
}

int WriteFailure(const Output& output)
{
    std::fprintf(stderr, "kelvane-cli: %s: %s\n", output.Name().c_str(), output.Error().c_str());
    return ExitFailure;
}

int NewCommand(const Arguments& arguments)
{
    std::uint64_t count = 1;
    std::optional<std::uint64_t> seed;
    std::int16_t lifeSupport = 2;
    std::int16_t biozone = 1;
    Format format = Format::Text;
    std::string outputPath;

    arguments.ForEach([&](std::string_view name, std::string_view value) {
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
    });

    AppState app;
    app.settings.LifeSupport = lifeSupport;
    app.settings.Biozone = biozone;
    if (seed)
        app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(*seed));
    const char separator = UserDecimalSeparator();

    Output output(outputPath);
    if (!output.Open())
        return WriteFailure(output);
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
            return WriteFailure(output);
    }
    if (format == Format::Json && count > 1)
        out += "]\n";
    if (!output.Close())
        return WriteFailure(output);
    return ExitOk;
}

} // namespace

int RunCli(int argc, char** argv)
{
    // Numbers in the user's own form where the program shows them so; the
    // machine-readable formats ignore this and always use ".".
    std::setlocale(LC_NUMERIC, "");
    try {
        if (argc < 2)
            throw UsageError{"no command given"};
        const std::string_view command = argv[1];
        if (command == "-h" || command == "--help" || command == "help") {
            std::fputs(Usage, stdout);
            return ExitOk;
        }
        const Arguments arguments(argc, argv, 2);
        if (command == "new")
            return NewCommand(arguments);
        throw UsageError{"unknown command '" + std::string(command) + "'"};
    } catch (const UsageError& error) {
        std::fprintf(stderr, "kelvane-cli: %s\n%s", error.reason.c_str(), Usage);
        return ExitUsage;
    }
}

} // namespace kelvane
