#include "cli/Cli.h"

int main(int argc, char** argv)
{
    return kelvane::RunCli(argc, argv);
}
