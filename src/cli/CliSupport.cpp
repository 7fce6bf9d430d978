#include "cli/CliSupport.h"

#include "core/drawing/OrbitalDisplay.h"
#include "core/files/SystemFile.h"
#include "platform/FileSystem.h"

#include <cstdio>

namespace kelvane {

Arguments::Arguments(int argc, char** argv, int first) : m_argv(argv)
{
    for (int i = first; i < argc; ++i)
        m_items.emplace_back(argv[i]);
}

bool Arguments::AsksForHelp() const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const std::string_view item = m_items[i];
        if (item == "-h" || item == "--help")
            return true;
        // Every option takes a value: skip it unless it came after "=".
        if (item.size() >= 2 && item[0] == '-' &&
            !(item.starts_with("--") && item.find('=') != std::string_view::npos))
            ++i;
    }
    return false;
}

bool Output::Open()
{
    if (!m_path.empty())
        m_error = m_file.Open(m_path);
    return m_error.empty();
}

bool Output::Flush()
{
    if (!m_error.empty())
        return false;
    m_error = m_path.empty() ? WriteStandardOutput(m_buffer) : m_file.Write(m_buffer);
    m_buffer.clear();
    return m_error.empty();
}

bool Output::Close()
{
    if (!Flush())
        return false;
    if (!m_path.empty())
        m_error = m_file.Commit();
    return m_error.empty();
}

OrbitDisplayStyle ParseStyle(std::string_view text)
{
    if (text == "arced")
        return OrbitDisplayStyle::Arced;
    if (text == "complete")
        return OrbitDisplayStyle::Complete;
    if (text == "flat")
        return OrbitDisplayStyle::Flat;
    throw UsageError{"--style: unknown style '" + std::string(text) + "'"};
}

std::int16_t ParseSwitch(std::string_view option, std::string_view text)
{
    if (text == "on")
        return -1;
    if (text == "off")
        return 0;
    throw UsageError{std::string(option) + ": '" + std::string(text) + "' is neither on nor off"};
}

int ReportFailure(const std::string& name, const std::string& reason)
{
    std::fprintf(stderr, "kelvane-cli: %s: %s\n", name.c_str(), reason.c_str());
    return ExitFailure;
}

bool LoadSystemArgument(AppState& app, const std::string& path)
{
    const FileResult result = LoadSystemFile(app.system, path, UserDecimalSeparator());
    if (!result.Ok()) {
        ReportFailure(path, result.message);
        return false;
    }
    app.CurrentFileName = path;
    return true;
}

} // namespace kelvane
