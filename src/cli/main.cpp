#include "cli/Cli.h"
#include "cli/Commands.h"

// kelvane-cli. The commands that paint with Qt run in kelvane-cli-qt, so
// that this program loads no Qt library; the helper reads their arguments.
int main(int argc, char** argv)
{
    static constexpr kelvane::CliCommand commands[] = {
        {"new", kelvane::NewCommand},
        {"show", kelvane::ShowCommand},
        {"convert", kelvane::ConvertCommand},
        {"vault", kelvane::VaultCommand},
        // Handed on to kelvane-cli-qt.
        {"render", nullptr},
        {"report", nullptr},
        {"sector", nullptr},
        {"note", nullptr},
        {"rename", nullptr},
    };
    return kelvane::RunCli(argc, argv, commands);
}
