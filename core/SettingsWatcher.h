#pragma once

#include "core/FileWatcher.h"

// Tells when another process (a second Fluvano) has saved the settings file
// (SettingsFile::path() as it is when the watcher is made): a file that holds
// a whole record other than the one this process last read or wrote.
class SettingsWatcher : public FileWatcher
{
    Q_OBJECT

public:
    explicit SettingsWatcher(QObject* parent = nullptr);
};
