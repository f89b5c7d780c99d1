#pragma once

#include "constants/SettingsRecord.h"

#include <QString>

// The settings file "Fluvano.qel" beside the executable: one 164-byte record.
namespace SettingsFile
{

QString fileName();

// The executable's directory with its trailing separator, unless a test has
// pointed the file elsewhere.
QString directory();
// Overrides the directory (a trailing separator is added when missing); an
// empty string restores the executable's directory.
void setDirectory(const QString& directory);
QString path();

enum class ReadResult { Ok, Missing, Failed };

// Fills the record from the file. On anything but Ok the record is untouched.
// A file longer than one record is accepted; only its first record counts.
ReadResult read(SettingsRecord& record, const QString& filePath = path());

// Replaces the file atomically: a failure at any point leaves the previous
// file as it was.
bool write(const SettingsRecord& record, const QString& filePath = path());

// Line breaks are single carriage returns.
QString readErrorMessage(const QString& directory);
QString writeErrorMessage();

} // namespace SettingsFile
