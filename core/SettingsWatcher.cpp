#include "core/SettingsWatcher.h"

#include "core/SettingsFile.h"

#include <QFile>
#include <QFileInfo>

SettingsWatcher::SettingsWatcher(QObject* parent)
    : QObject(parent)
    , path_(SettingsFile::path())
{
    settle_.setSingleShot(true);
    settle_.setInterval(50);
    connect(&settle_, &QTimer::timeout, this, &SettingsWatcher::check);
    const auto changed = [this] {
        arm();
        settle_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    arm();
}

void SettingsWatcher::arm()
{
    QStringList wanted;
    const QFileInfo file(path_);
    if (file.exists()) wanted.append(file.absoluteFilePath());
    QString folder = file.absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder) break;
        folder = parent;
    }
    wanted.append(folder);

    // Watched anew each time: after a rename the old watch sits on the replaced file.
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    watcher_.addPaths(wanted);
}

void SettingsWatcher::check()
{
    QFile file(path_);
    QByteArray record;
    if (file.open(QIODevice::ReadOnly)) record = file.read(qint64(sizeof(SettingsRecord)));
    if (record.size() != qsizetype(sizeof(SettingsRecord))) record.clear();
    const bool news = !record.isEmpty() && record != seen_ && record != SettingsFile::lastImage();
    seen_ = record;
    if (news) Q_EMIT changedOnDisk();
}
