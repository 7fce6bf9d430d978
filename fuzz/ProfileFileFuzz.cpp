// Feeds arbitrary bytes to the profile text reader and writer, and checks
// that whatever the writer accepts reads back as written and is stable.
//
// Input: three length bytes, then that many bytes of section name, key and
// value; everything after them is the text of the file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/ProfileFile.h"

namespace {

std::string_view TakeFront(std::string_view& input, std::size_t length)
{
    length = length < input.size() ? length : input.size();
    const std::string_view front = input.substr(0, length);
    input.remove_prefix(length);
    return front;
}

std::string_view Trimmed(std::string_view text)
{
    const char* const blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t sectionLength = data[0] % 32;
    const std::size_t keyLength = data[1] % 32;
    const std::size_t valueLength = data[2] % 32;
    input.remove_prefix(3);
    const std::string_view section = TakeFront(input, sectionLength);
    const std::string_view key = TakeFront(input, keyLength);
    const std::string_view value = TakeFront(input, valueLength);
    const std::string_view text = input;

    const std::optional<std::string> found = kelvane::FindProfileValue(text, section, key);
    if (found)
        (void)kelvane::ProfileIntValue(*found, -1);
    (void)kelvane::ProfileIntValue(value, 7);

    const std::optional<std::string> written = kelvane::SetProfileValue(text, section, key, value);
    if (!written)
        return 0;
    const std::optional<std::string> readBack = kelvane::FindProfileValue(*written, section, key);
    if (!readBack || *readBack != Trimmed(value))
        __builtin_trap();
    const std::optional<std::string> again = kelvane::SetProfileValue(*written, section, key, value);
    if (!again || *again != *written)
        __builtin_trap();
    return 0;
}
