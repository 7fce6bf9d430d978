#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/CliSupport.h"
#include "core/model/StarSystem.h"

namespace kelvane {

// The commands of kelvane-cli. Each carries out its request (NewRequest for
// NewCommand, and so on) and returns the exit code.

// new [--count N] [--seed S] [--life-support 1-4] [--biozone 1-3]
//     [--format text|json|csv|md|kvn] [-o FILE|DIR]
// new --code CODE [--format text|json|csv|md|kvn] [-o FILE]
int NewCommand(const CliRequest& request);

// show FILE [--format text|json|csv|md|kvn]: FILE loaded into an empty system
// as the program's Load does, printed on standard output.
int ShowCommand(const CliRequest& request);

// convert IN OUT: IN (either file format) loaded into an empty system and
// written to OUT as the program's Save As writes it.
int ConvertCommand(const CliRequest& request);

// vault DIR -o OUT: the sector in DIR, as its folder holds it, written as a
// vault of Markdown notes into OUT (core/sector/SectorVault.h) in one step.
// Exit 1 with "kelvane-cli: PATH: reason" for a folder without a sector, or
// an OUT that holds anything but an earlier vault's unchanged files.
int VaultCommand(const CliRequest& request);

// One system in format appended to out: number fills the first column of
// CSV, code (empty when the system has none) its own field, column or line;
// jsonIndent indents a JSON object, which ends without a newline; first says
// whether it is the output's first system (text and Markdown put an empty
// line between systems). The CSV header is the caller's.
void AppendSystem(std::string& out, SystemFormat format, const StarSystem& system, std::uint64_t number,
                  std::string_view code, char separator, int jsonIndent, bool first);

// DIR/system-0001.KVN and so on: at least four digits.
std::string NumberedSystemFile(const std::string& folder, std::uint64_t number);
// Makes sure folder is a folder (creating it when missing); ExitOk, or the
// failure reported.
int PrepareFolder(const std::string& folder);

} // namespace kelvane
