#include "app/Application.h"
#include "app/CircuitCommand.h"
#include "app/CommandLine.h"
#include "app/CommandLineProcess.h"
#include "forms/main/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (CommandLine::requested(argc, argv)) {
        prepareCommandLineProcess();
        return CommandLine::run(argc, argv);
    }

    QApplication application(argc, argv);
    setUpApplication(application);
    TForm1 mainWindow;
    mainWindow.show();
    if (const QString file = CircuitCommand::fileToOpen(QApplication::arguments()); !file.isEmpty())
        mainWindow.openCircuit(file);
    return QApplication::exec();
}
