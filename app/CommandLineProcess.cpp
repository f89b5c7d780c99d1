#include "app/CommandLineProcess.h"

#ifdef _WIN32
#include <QByteArray>
#include <QtGlobal>

#include <cstdio>
#include <initializer_list>

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

void prepareCommandLineProcess()
{
#ifdef _WIN32
    // The setting belongs to the console window, as after "chcp 65001".
    SetConsoleOutputCP(CP_UTF8);
    for (FILE* stream : { stdin, stdout, stderr })
        _setmode(_fileno(stream), _O_BINARY);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("windows"));
#endif
}
