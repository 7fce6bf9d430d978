#include "cli/CliSupport.h"

#include "core/files/FileBytes.h"
#include "core/files/SystemFile.h"
#include "platform/FileSystem.h"

#include <cstdio>

namespace kelvane {

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
        ReportFailure(InputName(path), read.message);
    return read.Ok();
}

bool LoadSystemBytes(AppState& app, const std::string& path, const std::string& bytes)
{
    const FileResult result = ReadSystemFileBytes(bytes, app.system, UserDecimalSeparator());
    if (!result.Ok()) {
        ReportFailure(InputName(path), result.message);
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
