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
    return WriteProfileValue(m_filePath, m_section, key, std::to_string(value)).empty();
}

void modINI::IniLogicError()
{
    if (m_logicErrorHandler)
        m_logicErrorHandler();
}

} // namespace kelvane
