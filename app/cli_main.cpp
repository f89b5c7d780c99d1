// fluvano-cli.exe: the command line of Fluvano as a Windows console program,
// for which cmd.exe and PowerShell wait and show the output (fluvano.exe is a
// GUI program). Same options as `fluvano --...`.
#include "app/CommandLine.h"
#include "app/CommandLineProcess.h"

int main(int argc, char* argv[])
{
    prepareCommandLineProcess();
    return CommandLine::run(argc, argv);
}
