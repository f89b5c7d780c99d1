#include "constants/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstring>

namespace SettingsFile
{

namespace
{

    QString& overrideDirectory()
    {
        static QString directory;
        return directory;
    }

    QString withTrailingSeparator(QString directory)
    {
        const QChar separator = QDir::separator();
        if (!directory.endsWith(separator) && !directory.endsWith(u'/')) directory += separator;
        return directory;
    }

} // namespace

QString fileName()
{
    return QStringLiteral("Fluvano.qel");
}

QString directory()
{
    if (!overrideDirectory().isEmpty()) return overrideDirectory();
    return withTrailingSeparator(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

void setDirectory(const QString& directory)
{
    overrideDirectory() = directory.isEmpty() ? QString() : withTrailingSeparator(directory);
}

QString path()
{
    return directory() + fileName();
}

ReadResult read(SettingsRecord& record, const QString& filePath)
{
    QFile file(filePath);
    if (!file.exists()) return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly)) return ReadResult::Failed;
    char image[sizeof(SettingsRecord)];
    if (file.read(image, sizeof image) != qint64(sizeof image)) return ReadResult::Failed;
    std::memcpy(&record, image, sizeof image);
    return ReadResult::Ok;
}

bool write(const SettingsRecord& record, const QString& filePath)
{
    QSaveFile file(filePath);
    // Unbuffered, so that a short write (disk full, file size limit) shows in
    // write()'s result instead of being lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(reinterpret_cast<const char*>(&record), sizeof record) != qint64(sizeof record)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString readErrorMessage(const QString& directory)
{
    return QStringLiteral("FEHLER! Datei Fluvano.qel (Einstellungen/Vorgaben) im Verzeichnis \r") + directory
        + QStringLiteral(" fehlt oder ist beschädigt. \r\rBitte umgehend bei den Konstanten Standardwerte setzten "
                         "und Speichern.\r");
}

QString writeErrorMessage()
{
    return QStringLiteral("Fehler bei Datenträgerzugriff.");
}

} // namespace SettingsFile
