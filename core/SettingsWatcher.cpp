#include "core/SettingsWatcher.h"

#include "core/SettingsFile.h"

SettingsWatcher::SettingsWatcher(QObject* parent)
    : FileWatcher(SettingsFile::path(), &SettingsFile::lastImage, parent, qint64(sizeof(SettingsRecord)))
{
}
