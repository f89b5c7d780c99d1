#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <memory>

class PipeCatalogue;
class ValveCatalogue;
class QCoreApplication;
struct SettingsRecord;

// What the commands without a window share: the exit statuses, writing to
// the standard streams, the messages of a failure, the application object,
// and the constants and catalogue the window program would use.
namespace Console
{

enum Status { AllComputed = 0, NotComputed = 1, UsageError = 2 };

// False when the stream did not take the whole text.
bool write(FILE* stream, const QByteArray& bytes);
bool write(FILE* stream, const QString& text);

// "fluvano: message" on standard error, with the hint to --help for a usage
// error; both return UsageError.
int usageError(const QString& message);
int failure(const QString& message);
QString outputFailed();

// True when argv holds the option, alone or as "--name=value".
bool hasOption(int argc, char* argv[], const char* name);

// A QCoreApplication, or for painting a PDF (--pdf) a QGuiApplication on the
// offscreen platform when none is set; named "Fluvano", with German texts.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]);

// Reads the settings file as the window program does; false after saying on
// standard error that it is missing or damaged.
bool readSettings(SettingsRecord& settings);

// The catalogue with the user's pipe series; faulty lines of the series file
// are named on standard error.
void fillCatalogue(PipeCatalogue& catalogue);
// The standard valve series and the user's, whose faults go to standard
// error.
void fillValves(ValveCatalogue& valves);

} // namespace Console
