#include "core/settings/modINI.h"

#include <optional>

#include "core/settings/ProfileFile.h"

namespace kelvane {

namespace {

std::string_view TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void modINI::IniSetTarget(std::string_view section, std::string_view path)
{
    m_section = TrimSpaces(section);
    m_filePath = TrimSpaces(path);
    m_targetSet = true;
}

std::int32_t modINI::IniReadInt(std::string_view key, std::int32_t defaultValue)
{
    if (!m_targetSet) {
        IniLogicError();
        return 0;
    }
    const std::optional<std::string> value = ReadProfileValue(m_filePath, m_section, key);
    if (!value)
        return defaultValue;
    return ProfileIntValue(*value, defaultValue);
}

bool modINI::IniWriteInt(std::string_view key, std::int32_t value)
{
    if (!m_targetSet) {
        IniLogicError();
        return false;
    }
    ProfileValue line{m_section, std::string(key), std::to_string(value)};
    if (m_holding) {
        m_held.push_back({m_filePath, std::move(line)});
        return true;
    }
    return WriteProfileValues(m_filePath, {std::move(line)}).empty();
}

bool modINI::IniWriteHeld()
{
    bool written = true;
    // The writes to one file, in a row, are one replacement of it.
    for (auto first = m_held.begin(); first != m_held.end();) {
        std::vector<ProfileValue> lines;
        auto next = first;
        for (; next != m_held.end() && next->path == first->path; ++next)
            lines.push_back(std::move(next->line));
        written = WriteProfileValues(first->path, lines).empty() && written;
        first = next;
    }
    m_held.clear();
    m_holding = false;
    return written;
}

void modINI::IniLogicError()
{
    if (m_logicErrorHandler)
        m_logicErrorHandler();
}

} // namespace kelvane
