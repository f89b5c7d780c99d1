#include "app/Application.h"
#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    setUpApplication(application);
    TForm1 mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
