#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when another process (a second Fluvano) has saved the settings file.
// Watches the file that saves write, and its folder (or the nearest folder
// that exists yet), re-arming after every event since an atomic save replaces
// the file. A burst of events gives one check, 50 ms after the last; the check
// signals when the file holds a whole record other than the one this process
// last read or wrote (SettingsFile::lastImage()), so our own saves do not echo
// back, and a record already signalled is not signalled again.
class SettingsWatcher : public QObject
{
    Q_OBJECT

public:
    // Watches SettingsFile::path() as it is now.
    explicit SettingsWatcher(QObject* parent = nullptr);

    QString filePath() const { return path_; }

Q_SIGNALS:
    void changedOnDisk();

private:
    void arm();
    void check();

    QString path_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QByteArray seen_; // the file's record at the last check
};
