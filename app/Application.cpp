#include "app/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Fluvano"));
    QApplication::setApplicationDisplayName(QStringLiteral("Fluvano"));
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);

    auto* translator = new QTranslator(&application);
    if (translator->load(
            german, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
