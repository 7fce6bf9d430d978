#include "core/files/FileBytes.h"

#include "platform/WholeFile.h"

namespace kelvane {

FileResult ReadFileBytes(const std::string& path, std::string& bytes)
{
    WholeFile file = ReadWholeFile(path, MaxSystemFileBytes, FileKinds::Any);
    bytes = std::move(file.bytes);
    if (file.status == WholeFile::Status::TooLarge)
        return FileResult::CannotAccess(
            Message(KELVANE_TEXT("CoreText", "the file is larger than %1 MiB, too large for a system file"),
                    MaxSystemFileBytes >> 20));
    return file.Ok() ? FileResult::Done() : FileResult::CannotAccess(Message(file.error));
}

} // namespace kelvane
