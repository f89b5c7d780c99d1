#include "app/TForm1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fluvano"));
    QApplication::setApplicationDisplayName(QStringLiteral("Fluvano"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    TForm1 mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
