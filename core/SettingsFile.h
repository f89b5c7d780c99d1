#pragma once

#include "core/SaveFile.h"
#include "core/SettingsRecord.h"

#include <QByteArray>
#include <QString>

// The settings file "Fluvano.qel": one 164-byte record.
//
// Where it lives: beside the executable in a portable copy (a build folder, a
// copy on a stick, an unpacked zip) where the user may create files. An
// installation (the installer, the Debian package, any `cmake --install`)
// says so with the file "Fluvano.installed" beside the executable; there, as
// in a portable copy the user cannot write into (a read-only image), every
// save goes to the user's own file (<config>/fluvano/Fluvano.qel, on Windows
// %APPDATA%\Fluvano\Fluvano.qel), and until that file exists the file beside
// the executable is read as the installation's defaults. An installation's
// folder is never written, whoever runs the program.
namespace SettingsFile
{

QString fileName();
QString installationMarkerName(); // "Fluvano.installed"

struct Location {
    QString directory; // where the program expects the file, with trailing separator
    QString writePath; // every save goes here
    QString defaultsPath; // read while writePath does not exist; empty when portable
    bool perUser = false; // writePath's folder is created by the first save

    // writePath once it exists, else defaultsPath when that exists, else writePath.
    QString readPath() const;
};

// Decides the location for an executable in programDirectory and a user whose
// configuration folder is configDirectory ($XDG_CONFIG_HOME, %APPDATA%). A
// portable folder counts as writable when a file can be created in it, as
// the atomic save needs.
Location locate(const QString& programDirectory, const QString& configDirectory);

// The location in use, decided once (again after setDirectory).
Location location();

// Points the settings elsewhere (tests). With one folder the file is read and
// written there, whatever its permissions. With a configuration folder too,
// the location is decided as for the program, with `directory` standing for
// the executable's folder. An empty `directory` restores the program's own.
void setDirectory(const QString& directory, const QString& configDirectory = QString());

QString directory(); // location().directory
QString path(); // location().writePath
QString readPath(); // location().readPath()

// A file kept beside the settings file by its rules (the pipe and valve
// series): where saves go, and where it is read from (the saved file once it
// exists, else the installation's copy when there is one).
QString besidePath(const QString& fileName);
QString besideReadPath(const QString& fileName);

enum class ReadResult { Ok, Missing, Failed };

// Fills the record from the program's settings file (readPath()), or from the
// given file. On anything but Ok the record is untouched. A file longer than
// one record is accepted; only its first record counts.
ReadResult read(SettingsRecord& record);
ReadResult read(SettingsRecord& record, const QString& filePath);

using WriteResult = SaveFile::Result;

// Replaces the program's settings file (path(), creating a per-user folder
// when needed), or the given file, atomically: a failure at any point leaves
// the previous file as it was.
WriteResult write(const SettingsRecord& record);
WriteResult write(const SettingsRecord& record, const QString& filePath);

// The image this process last read from or wrote to its settings file
// through read(record) / write(record); empty before the first.
QByteArray lastImage();

// Line breaks are single carriage returns. The write error names the file
// and the reason below its first line when they are given.
QString readErrorMessage(const QString& directory);
QString writeErrorMessage(const QString& path = QString(), const QString& reason = QString());

} // namespace SettingsFile
