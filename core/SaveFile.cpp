#include "core/SaveFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace SaveFile
{

namespace
{

    // Qt names the failure of every step of a QSaveFile; a write that took
    // less than it was given without one is a full disk or a size limit.
    QString reasonOf(const QSaveFile& file)
    {
        return file.error() != QFileDevice::NoError ? file.errorString()
                                                    : QStringLiteral("Die Datei wurde nicht vollständig geschrieben.");
    }

} // namespace

Result write(const QString& path, const QByteArray& bytes, bool createFolder)
{
    // A folder that cannot be made shows as the save's own failure to open.
    if (createFolder) QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // Unbuffered: every write reaches the file at once and says how much it took.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return { false, path, reasonOf(file) };
    // A write that took only part (a full disk, a size limit) is tried again
    // with the rest, which fails with the system's reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 taken = file.write(bytes.constData() + written, bytes.size() - written);
        if (taken <= 0) break;
        written += taken;
    }
    if (written < bytes.size()) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return { false, path, reason };
    }
    if (!file.commit()) return { false, path, reasonOf(file) };
    return { true, path, {} };
}

} // namespace SaveFile
