#include "core/FileWatcher.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace
{
constexpr qint64 MaxFileSize = 1024 * 1024;
}

FileWatcher::FileWatcher(const QString& path, std::function<QByteArray()> own, QObject* parent, qint64 recordSize)
    : QObject(parent)
    , path_(path)
    , own_(std::move(own))
    , recordSize_(recordSize)
{
    settle_.setSingleShot(true);
    settle_.setInterval(50);
    connect(&settle_, &QTimer::timeout, this, &FileWatcher::check);
    const auto changed = [this] {
        arm();
        settle_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    arm();
}

void FileWatcher::arm()
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

void FileWatcher::check()
{
    QFile file(path_);
    QByteArray contents;
    if (file.open(QIODevice::ReadOnly)) contents = file.read(recordSize_ > 0 ? recordSize_ : MaxFileSize);
    if (recordSize_ > 0 && contents.size() != recordSize_) contents.clear();
    const bool news = !contents.isEmpty() && contents != seen_ && contents != own_();
    seen_ = contents;
    if (news) Q_EMIT changedOnDisk();
}
