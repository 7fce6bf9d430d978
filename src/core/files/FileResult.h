#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/text/Message.h"

namespace kelvane {

// The title and text of the one message box that loading a system file can
// ask for: a file that is neither tagged text nor a 2.0 file.
inline constexpr std::string_view LoadErrorTitle = "Load Error";
inline constexpr std::string_view NotKelvane20Text = "This is not a Kelvane 2.0 file.";

// How reading or writing a system file ended.
enum class FileOutcome {
    // Loaded or saved. message is empty, line is 0.
    Done,
    // The file could not be opened, read, created or written. message is the
    // reason as the operating system gives it ("No such file or directory",
    // "No space left on device", ...) or "the file is larger than 64 MiB, too
    // large for a system file", without the path; line is 0. Nothing was
    // changed: not the system, not CurrentFileName, and a failed save left
    // the old file whole.
    CannotAccess,
    // The file was read but its content stopped the load. message says where
    // and what: "line 21: 'abc' is not a number (BiozoneMin)", "line 34: 40000
    // does not fit in Radius (-32768 to 32767)", "line 14: <StarClass> has no
    // value line; the file ends there", "the file is empty", "the file ends
    // after 280 bytes, inside Elements of orbit 5; a Kelvane 2.0 file has
    // 562". line is the line of a tagged text file where the error arose
    // (the tag's own line when its value line is missing or its field may
    // not be stored), 0 otherwise. The fields stored before the error keep
    // their new values; CurrentFileName and the caption are unchanged.
    BadContent,
    // The file is not tagged text and its first 30 bytes are not the 2.0
    // header. message is NotKelvane20Text; line is 0. Nothing was changed.
    // The desktop program shows a box titled LoadErrorTitle with message, a
    // stop icon and OK, refreshes the views, and its Load command then goes
    // on as after a load that returned.
    NotKelvaneFile,
};

// The result of a system file operation: a value the caller shows, logs or
// ignores. The caller adds the path to message when it shows it; Text() is
// message in English, as kelvane-cli prints it.
struct FileResult {
    FileOutcome outcome = FileOutcome::Done;
    Message message;
    int line = 0;

    bool Ok() const { return outcome == FileOutcome::Done; }
    std::string Text() const { return English(message); }

    static FileResult Done() { return {}; }
    static FileResult CannotAccess(Message reason)
    {
        return {FileOutcome::CannotAccess, std::move(reason), 0};
    }
    static FileResult BadContent(Message what, int atLine = 0)
    {
        return {FileOutcome::BadContent, std::move(what), atLine};
    }
    static FileResult NotKelvaneFile()
    {
        return {FileOutcome::NotKelvaneFile, Message(std::string(NotKelvane20Text)), 0};
    }
};

} // namespace kelvane
