#include "core/FileWatcher.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>

#include <utility>

namespace
{
constexpr qint64 MaxFileSize = 1024 * 1024;

// The process's one QFileSystemWatcher, while any FileWatcher lives.
std::shared_ptr<QFileSystemWatcher> sharedWatcher()
{
    static std::weak_ptr<QFileSystemWatcher> shared;
    std::shared_ptr<QFileSystemWatcher> watcher = shared.lock();
    if (!watcher) {
        watcher = std::make_shared<QFileSystemWatcher>();
        shared = watcher;
    }
    return watcher;
}

// How many FileWatchers want each path watched (two files in one folder).
QHash<QString, int>& wanted()
{
    static QHash<QString, int> counts;
    return counts;
}

void release(QFileSystemWatcher& watcher, const QStringList& paths)
{
    for (const QString& path : paths) {
        if (--wanted()[path] > 0) continue;
        wanted().remove(path);
        watcher.removePath(path);
    }
}

} // namespace

FileWatcher::FileWatcher(const QString& path, std::function<QByteArray()> own, QObject* parent, qint64 recordSize)
    : QObject(parent)
    , path_(path)
    , own_(std::move(own))
    , watcher_(sharedWatcher())
    , recordSize_(recordSize)
{
    settle_.setSingleShot(true);
    settle_.setInterval(50);
    connect(&settle_, &QTimer::timeout, this, &FileWatcher::check);
    connect(watcher_.get(), &QFileSystemWatcher::fileChanged, this, &FileWatcher::changed);
    connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, this, &FileWatcher::changed);
    arm();
    settle_.start();
}

FileWatcher::~FileWatcher()
{
    release(*watcher_, armed_);
}

void FileWatcher::changed(const QString& path)
{
    if (!armed_.contains(path)) return; // another FileWatcher's file
    arm();
    settle_.start();
}

void FileWatcher::arm()
{
    QStringList paths;
    const QFileInfo file(path_);
    if (file.exists()) paths.append(file.absoluteFilePath());
    QString folder = file.absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder) break;
        folder = parent;
    }
    paths.append(folder);

    // The file is watched anew each time: after a rename the old watch sits
    // on the replaced file. A folder stays watched while anyone wants it.
    release(*watcher_, armed_);
    armed_ = paths;
    const QStringList watched = watcher_->files() + watcher_->directories();
    for (const QString& path : std::as_const(armed_)) {
        ++wanted()[path];
        if (!watched.contains(path)) watcher_->addPath(path);
    }
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
