#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/QtHelper.h"

// kelvane-cli. The commands that paint with Qt run in kelvane-cli-qt, so
// that this program loads no Qt library.
int main(int argc, char** argv)
{
    static constexpr kelvane::CliCommand commands[] = {
        {"new", kelvane::NewCommand},         {"show", kelvane::ShowCommand},
        {"convert", kelvane::ConvertCommand}, {"render", kelvane::RunInQtHelper},
        {"report", kelvane::RunInQtHelper},   {"sector", kelvane::RunInQtHelper},
    };
    return kelvane::RunCli(argc, argv, commands);
}
