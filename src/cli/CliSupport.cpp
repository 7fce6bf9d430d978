#include "cli/CliSupport.h"

#include "core/export/SystemJsonReader.h"
#include "core/files/FileBytes.h"
#include "core/files/SystemFile.h"
#include "platform/FileSystem.h"

#include <cstdio>

namespace kelvane {

bool Output::Open()
{
    if (m_path.empty())
        WidenStandardOutputPipe(FlushSize);
    else
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

int ReportFailure(const std::string& name, const std::string& reason)
{
    std::fprintf(stderr, "kelvane-cli: %s: %s\n", name.c_str(), reason.c_str());
    return ExitFailure;
}

std::string InputName(const std::string& path)
{
    return path == "-" ? "standard input" : path;
}

bool ReadInputArgument(const std::string& path, std::string& bytes)
{
    const FileResult read = ReadFileBytes(path == "-" ? "/dev/stdin" : path, bytes);
    if (!read.Ok())
        ReportFailure(InputName(path), read.Text());
    return read.Ok();
}

bool ReadSystemJsonBytes(std::vector<StarSystem>& systems, const std::string& path, const std::string& bytes)
{
    Message error;
    std::vector<std::string> notes;
    if (!ReadSystemJsonList(bytes, systems, error, &notes)) {
        ReportFailure(InputName(path), English(error));
        return false;
    }
    for (const std::string& note : notes)
        std::fprintf(stderr, "kelvane-cli: %s: %s\n", InputName(path).c_str(), note.c_str());
    return true;
}

bool LoadSystemBytes(AppState& app, const std::string& path, const std::string& bytes)
{
    if (IsSystemJsonText(bytes)) {
        std::vector<StarSystem> systems;
        if (!ReadSystemJsonBytes(systems, path, bytes))
            return false;
        if (systems.size() != 1) {
            ReportFailure(InputName(path), "the array holds " + std::to_string(systems.size()) +
                                               " systems; only one can be read here");
            return false;
        }
        app.system = systems.front();
        app.CurrentFileName = path;
        return true;
    }
    const FileResult result = ReadSystemFileBytes(bytes, app.system, UserDecimalSeparator());
    if (!result.Ok()) {
        ReportFailure(InputName(path), result.Text());
        return false;
    }
    app.CurrentFileName = path;
    return true;
}

bool LoadSystemArgument(AppState& app, const std::string& path)
{
    std::string bytes;
    return ReadInputArgument(path, bytes) && LoadSystemBytes(app, path, bytes);
}

} // namespace kelvane
