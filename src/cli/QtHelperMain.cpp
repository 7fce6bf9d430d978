#include "cli/Cli.h"
#include "cli/NotebookCommands.h"
#include "cli/RenderCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SectorCommand.h"

// kelvane-cli-qt: the commands of kelvane-cli that paint with Qt. kelvane-cli
// becomes this program for them, with its own command line, so messages,
// usage and exit codes are kelvane-cli's.
int main(int argc, char** argv)
{
    static constexpr kelvane::CliCommand commands[] = {
        {"render", kelvane::RenderCommand}, {"report", kelvane::ReportCommand},
        {"sector", kelvane::SectorCommand}, {"note", kelvane::NoteCommand},
        {"rename", kelvane::RenameCommand},
    };
    return kelvane::RunCli(argc, argv, commands);
}
