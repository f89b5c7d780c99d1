#include "core/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstring>
#include <optional>

namespace SettingsFile
{

namespace
{

    struct Override {
        QString directory;
        QString configDirectory;
    };

    Override& pointedTo()
    {
        static Override where;
        return where;
    }

    std::optional<Location>& decided()
    {
        static std::optional<Location> location;
        return location;
    }

    QByteArray& remembered()
    {
        static QByteArray image;
        return image;
    }

    // Ends the folder with the separator its path already uses (Qt's "/" or
    // the native one), the native one when it has none.
    QString withTrailingSeparator(QString directory)
    {
        const QChar native = QDir::separator();
        if (directory.endsWith(native) || directory.endsWith(u'/')) return directory;
        return directory + (directory.contains(native) ? native : directory.contains(u'/') ? u'/' : native);
    }

    // The folder of the per-user file: %APPDATA%\Fluvano on Windows (the
    // roaming profile; Qt's generic configuration folder there is the local
    // one), <config>/fluvano elsewhere.
    QString userFolderName()
    {
#ifdef Q_OS_WIN
        return QStringLiteral("Fluvano");
#else
        return QStringLiteral("fluvano");
#endif
    }

    QString userConfigDirectory()
    {
#ifdef Q_OS_WIN
        const QString roaming = qEnvironmentVariable("APPDATA");
        if (!roaming.isEmpty()) return QDir::fromNativeSeparators(roaming);
#endif
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }

    bool canCreateFilesIn(const QString& directory)
    {
        QTemporaryFile probe(directory + QStringLiteral(".Fluvano-XXXXXX"));
        return probe.open();
    }

    QByteArray image(const SettingsRecord& record)
    {
        return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
    }

} // namespace

QString fileName()
{
    return QStringLiteral("Fluvano.qel");
}

QString installationMarkerName()
{
    return QStringLiteral("Fluvano.installed");
}

QString Location::readPath() const
{
    if (defaultsPath.isEmpty() || QFile::exists(writePath) || !QFile::exists(defaultsPath)) return writePath;
    return defaultsPath;
}

Location locate(const QString& programDirectory, const QString& configDirectory)
{
    const QString program = withTrailingSeparator(QDir::toNativeSeparators(programDirectory));
    const bool installed = QFileInfo::exists(program + installationMarkerName());
    if (configDirectory.isEmpty() || (!installed && canCreateFilesIn(program)))
        return { program, program + fileName(), {}, false };
    const QString user = withTrailingSeparator(QDir::toNativeSeparators(configDirectory + u'/' + userFolderName()));
    return { user, user + fileName(), program + fileName(), true };
}

Location location()
{
    if (!decided()) {
        const Override& where = pointedTo();
        if (where.directory.isEmpty())
            decided() = locate(QCoreApplication::applicationDirPath(), userConfigDirectory());
        else if (where.configDirectory.isEmpty())
            decided() = Location { where.directory, where.directory + fileName(), {}, false };
        else
            decided() = locate(where.directory, where.configDirectory);
    }
    return *decided();
}

void setDirectory(const QString& directory, const QString& configDirectory)
{
    pointedTo() = directory.isEmpty() ? Override {} : Override { withTrailingSeparator(directory), configDirectory };
    decided().reset();
    remembered().clear();
}

QString directory()
{
    return location().directory;
}

QString path()
{
    return location().writePath;
}

QString readPath()
{
    return location().readPath();
}

QString besidePath(const QString& name)
{
    return location().directory + name;
}

QString besideReadPath(const QString& name)
{
    const Location where = location();
    const QString own = where.directory + name;
    if (where.defaultsPath.isEmpty() || QFile::exists(own)) return own;
    const QString installed = where.defaultsPath.chopped(fileName().size()) + name;
    return QFile::exists(installed) ? installed : own;
}

ReadResult read(SettingsRecord& record, const QString& filePath)
{
    QFile file(filePath);
    if (!file.exists()) return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly)) return ReadResult::Failed;
    char image[sizeof(SettingsRecord)];
    if (file.read(image, sizeof image) != qint64(sizeof image)) return ReadResult::Failed;
    std::memcpy(&record, image, sizeof image);
    record.useStandardRoughnessWhereUnusable();
    return ReadResult::Ok;
}

ReadResult read(SettingsRecord& record)
{
    const ReadResult result = read(record, readPath());
    if (result == ReadResult::Ok) remembered() = image(record);
    return result;
}

WriteResult write(const SettingsRecord& record, const QString& filePath)
{
    return SaveFile::write(filePath, image(record));
}

WriteResult write(const SettingsRecord& record)
{
    const Location where = location();
    WriteResult result = SaveFile::write(where.writePath, image(record), where.perUser);
    if (result) remembered() = image(record);
    return result;
}

QByteArray lastImage()
{
    return remembered();
}

QString readErrorMessage(const QString& directory)
{
    return QStringLiteral("FEHLER! Datei Fluvano.qel (Einstellungen/Vorgaben) im Verzeichnis \r") + directory
        + QStringLiteral(" fehlt oder ist beschädigt. \r\rBitte umgehend bei den Konstanten Standardwerte setzten "
                         "und Speichern.\r");
}

QString writeErrorMessage(const QString& path, const QString& reason)
{
    QString message = QStringLiteral("Fehler bei Datenträgerzugriff.");
    for (const QString& line : { path, reason })
        if (!line.isEmpty()) message += u'\r' + line;
    return message;
}

} // namespace SettingsFile
