#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings/ProfileFile.h"

namespace kelvane {

// The message shown when the settings file is used before a target was set.
inline constexpr std::string_view IniLogicErrorTitle = "IniFile Logic Error";
inline constexpr std::string_view IniLogicErrorText = "[Section] and FileName Not Registered in Private.Ini!";

// Reads and writes whole numbers in one section of one profile file, the
// target. Every read goes to the file itself; nothing is cached. Writes go
// to the file at once, or, between IniHoldWrites and IniWriteHeld, all in
// one replacement of the file.
class modINI {
public:
    // Makes section of the file at path the target of the reads and writes
    // that follow. Both lose their leading and trailing spaces.
    void IniSetTarget(std::string_view section, std::string_view path);

    // The integer held by key in the target section: the decimal number at the
    // start of its value, 0 when the value does not begin with one, and
    // defaultValue when the file, the section or the key is missing, when the
    // value is empty, or when its number does not fit in 32 bits.
    // Before any target was set: calls IniLogicError and returns 0.
    std::int32_t IniReadInt(std::string_view key, std::int32_t defaultValue);

    // Writes key=value (value in decimal) into the target section, creating
    // the file and the section when missing; the file is replaced as a whole,
    // so a failed write leaves it as it was. Returns whether it was written,
    // or while writes are held, whether it was kept for IniWriteHeld.
    // Before any target was set: calls IniLogicError and returns false.
    bool IniWriteInt(std::string_view key, std::int32_t value);

    // Keeps the writes that follow until IniWriteHeld, which puts them into
    // their files in the order they were made, reading and replacing each
    // file once: a whole save is one read and one write. Returns whether
    // every held write was written; a file that could not be written is left
    // as it was, with none of its held writes.
    void IniHoldWrites() { m_holding = true; }
    bool IniWriteHeld();

    // Tells the user that the settings file was used without a target, through
    // the handler set below (the desktop program's message box, titled
    // IniLogicErrorTitle, saying IniLogicErrorText). Without a handler nothing
    // is shown.
    void IniLogicError();
    void SetLogicErrorHandler(std::function<void()> handler) { m_logicErrorHandler = std::move(handler); }

private:
    struct HeldWrite {
        std::string path;
        ProfileValue line;
    };

    std::string m_section;
    std::string m_filePath;
    bool m_targetSet = false; // once set, stays set
    bool m_holding = false;
    std::vector<HeldWrite> m_held;
    std::function<void()> m_logicErrorHandler;
};

} // namespace kelvane
