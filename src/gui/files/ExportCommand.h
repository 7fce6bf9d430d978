#pragma once

#include <QString>
#include <string>

#include "gui/files/ExportFormats.h"
#include "gui/files/FileCommands.h"

namespace kelvane {

class SystemDocument;

// The current system, with the options and background it is shown with, as
// the writers of every exported and copied form take it.
ExportSource CurrentExportSource(const SystemDocument& document);

// The path a file of format is written to for the name chosen: the name
// itself when it ends in the format's extension (in any case), else the
// name with the extension added.
std::string WithExportExtension(const std::string& path, const ExportFormat& format);

// Edit > Export: asks for a file and a format among ExportFormats (the
// dialog's filter chooses it), proposes the current file's or the system's
// name, adds the format's extension, asks before overwriting, and writes
// the file through the same safe writer as Save As: a failure leaves any
// old file whole and says why. The system does not change.
// last is the file and filter of the last export, which the dialog starts
// from; empty before the first.
void ExportCommand(const SystemDocument& document, EditDialogs& dialogs, FileDialogs& files,
                   EditDialogs::ExportChoice& last);

} // namespace kelvane
