#include "app/Console.h"

#include "app/Application.h"

#include "core/PipeCatalogue.h"
#include "core/PipeSeries.h"
#include "core/SettingsFile.h"
#include "core/ValveSeries.h"

#include <QGuiApplication>

#include <cstring>

namespace Console
{

namespace
{

    // Without a desktop session the offscreen platform complains about the
    // runtime directory it does not use; the rest of Qt's messages stay.
    QtMessageHandler defaultHandler = nullptr;
    void withoutRuntimeDirNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: "))) return;
        defaultHandler(type, context, message);
    }

} // namespace

bool write(FILE* stream, const QByteArray& bytes)
{
    const bool written
        = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size());
    return std::fflush(stream) == 0 && written;
}

bool write(FILE* stream, const QString& text)
{
    return write(stream, text.toUtf8());
}

int usageError(const QString& message)
{
    write(stderr, QStringLiteral("fluvano: ") + message + QStringLiteral("\nHilfe: fluvano --help\n"));
    return UsageError;
}

int failure(const QString& message)
{
    write(stderr, QStringLiteral("fluvano: ") + message + u'\n');
    return UsageError;
}

QString outputFailed()
{
    return QStringLiteral("Standardausgabe kann nicht geschrieben werden");
}

bool hasOption(int argc, char* argv[], const char* name)
{
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, length) == 0 && (argv[i][length] == 0 || argv[i][length] == '=')) return true;
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[])
{
    // Painting the sheet needs a QGuiApplication; without a display it
    // paints offscreen. Text needs no more than QCoreApplication.
    std::unique_ptr<QCoreApplication> application;
    if (hasOption(argc, argv, "--pdf")) {
        defaultHandler = qInstallMessageHandler(withoutRuntimeDirNotes);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Fluvano"));
    installGermanTexts(*application);
    return application;
}

bool readSettings(SettingsRecord& settings)
{
    if (SettingsFile::read(settings) == SettingsFile::ReadResult::Ok) return true;
    failure(QStringLiteral("Einstellungsdatei ") + SettingsFile::path()
        + QStringLiteral(" fehlt oder ist beschädigt. Bitte im Programm bei den Konstanten Standardwerte "
                         "setzen und speichern."));
    return false;
}

void fillCatalogue(PipeCatalogue& catalogue)
{
    catalogue.fill();
    for (const QString& problem : PipeSeries::load(catalogue))
        write(stderr, QStringLiteral("fluvano: ") + problem + u'\n');
}

void fillValves(ValveCatalogue& valves)
{
    for (const QString& problem : ValveSeries::load(valves))
        write(stderr, QStringLiteral("fluvano: ") + problem + u'\n');
}

} // namespace Console
