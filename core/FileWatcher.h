#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QFileSystemWatcher;

// Tells when another process (a second Fluvano) has saved a file: watches
// the file and its folder (or the nearest folder that exists yet), re-arming
// after every event since an atomic save replaces the file, and checks once,
// 50 ms after the last event of a burst, and once 50 ms after it is made (so
// that a save between this process's read and the watch counts too). It
// signals when the file's contents differ from what this process last read
// or wrote (`own`), so that our own saves do not echo back, and from what it
// signalled before. With a `recordSize`, only a file that holds a whole
// record counts, and only that record is compared.
//
// All FileWatchers of the process share one QFileSystemWatcher: one inotify
// instance on Linux, whose teardown at exit waits for the kernel once, and
// one watching thread on Windows.
class FileWatcher : public QObject
{
    Q_OBJECT

public:
    FileWatcher(const QString& path, std::function<QByteArray()> own, QObject* parent = nullptr, qint64 recordSize = 0);
    ~FileWatcher() override;

    QString filePath() const { return path_; }

Q_SIGNALS:
    void changedOnDisk();

private:
    void changed(const QString& path);
    void arm();
    void check();

    QString path_;
    std::function<QByteArray()> own_;
    std::shared_ptr<QFileSystemWatcher> watcher_;
    QStringList armed_; // the paths this one watches
    QTimer settle_;
    qint64 recordSize_;
    QByteArray seen_; // the contents at the last check
};
