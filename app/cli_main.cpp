// fluvano-cli.exe: the command line of Fluvano as a Windows console program.
// fluvano.exe is a GUI program, for which cmd.exe and PowerShell neither wait
// nor show output. Standard streams carry exactly the bytes the Linux program
// writes (UTF-8, its own line ends, the CSV's byte-order mark); the console
// is switched to UTF-8 so that umlauts show as such.
#include "app/CommandLine.h"

#include <cstdio>
#include <initializer_list>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    const UINT previousCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    for (FILE* stream : { stdin, stdout, stderr })
        _setmode(_fileno(stream), _O_BINARY);
#endif
    const int status = CommandLine::run(argc, argv);
#ifdef _WIN32
    // The console belongs to the shell; leave it as it was found.
    if (previousCodePage != 0) SetConsoleOutputCP(previousCodePage);
#endif
    return status;
}
