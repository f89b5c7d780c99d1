#include "app/Application.h"

#include "app/FormLook.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Fluvano"));
    QApplication::setApplicationDisplayName(QStringLiteral("Fluvano"));
    // The windows' own font, before any window exists: every control is laid
    // out once, in the font it shows.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    Q_INIT_RESOURCE(resources);
    QApplication::setWindowIcon(FormLook::iconPicture(QStringLiteral(":/images/fluvano.png")));

    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);

    auto* translator = new QTranslator(&application);
    if (translator->load(
            german, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
