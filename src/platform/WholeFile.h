#pragma once

#include <cstddef>
#include <string>

namespace kelvane {

// What ReadWholeFile may read at a path besides a regular file.
enum class FileKinds {
    RegularOnly, // anything else is NotRegular, and is not read
    Any,         // a pipe, a device or "/dev/stdin" too, up to the limit
};

// What reading a whole file gave.
struct WholeFile {
    enum class Status {
        Read,       // bytes holds the whole file
        Missing,    // nothing at the path (or a part of it is not a folder)
        Failed,     // it could not be opened or read; error says why
        NotRegular, // with FileKinds::RegularOnly: a folder, pipe, device or socket
        TooLarge,   // it holds more than the limit
    };
    Status status = Status::Missing;
    std::string bytes; // empty unless Read
    std::string error; // the system's reason, as strerror gives it, unless Read or TooLarge

    bool Ok() const { return status == Status::Read; }
};

// Reads the whole file at path, at most maxBytes of it. The file is opened
// without waiting, so a named pipe nobody writes to reads as empty instead
// of blocking the program; once open, reads wait as usual.
WholeFile ReadWholeFile(const std::string& path, std::size_t maxBytes, FileKinds kinds);

} // namespace kelvane
