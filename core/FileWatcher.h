#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Tells when another process (a second Fluvano) has saved a file: watches
// the file and its folder (or the nearest folder that exists yet), re-arming
// after every event since an atomic save replaces the file, and checks once,
// 50 ms after the last event of a burst. It signals when the file's contents
// differ from what this process last read or wrote (`own`), so that our own
// saves do not echo back, and from what it signalled before. With a
// `recordSize`, only a file that holds a whole record counts, and only that
// record is compared.
class FileWatcher : public QObject
{
    Q_OBJECT

public:
    FileWatcher(const QString& path, std::function<QByteArray()> own, QObject* parent = nullptr, qint64 recordSize = 0);

    QString filePath() const { return path_; }

Q_SIGNALS:
    void changedOnDisk();

private:
    void arm();
    void check();

    QString path_;
    std::function<QByteArray()> own_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    qint64 recordSize_;
    QByteArray seen_; // the contents at the last check
};
