// Install check helper: reads or saves the settings as the program does,
// deciding their place from the folder this executable was copied into.
//   fluvano-settings-probe show       prints the file read and its R max
//   fluvano-settings-probe save RMAX  reads, sets R max, saves; prints the file written
// A failed read or save prints the program's message and exits with 1.
#include "core/SettingsFile.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

namespace
{

int fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(QString(message).replace(u'\r', u'\n')));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const bool save = arguments.size() == 3 && arguments[1] == QStringLiteral("save");
    if (!save && !(arguments.size() == 2 && arguments[1] == QStringLiteral("show"))) {
        std::fprintf(stderr, "usage: %s show | save RMAX\n", argv[0]);
        return 2;
    }
    SettingsRecord record {};
    const QString readFrom = SettingsFile::readPath();
    if (SettingsFile::read(record) != SettingsFile::ReadResult::Ok)
        return fail(SettingsFile::readErrorMessage(SettingsFile::directory()));
    if (!save) {
        std::printf("%s %g\n", qPrintable(readFrom), double(record.rMax));
        return 0;
    }
    record.rMax = arguments[2].toFloat();
    const SettingsFile::WriteResult written = SettingsFile::write(record);
    if (!written) return fail(SettingsFile::writeErrorMessage(written.path, written.reason));
    std::printf("%s\n", qPrintable(written.path));
    return 0;
}
