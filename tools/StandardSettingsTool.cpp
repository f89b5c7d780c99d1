// Build step: puts a settings file with the standard values at the given
// path unless a file is already there.
#include "core/SettingsFile.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path)) return 0;
    SettingsRecord record {};
    record.applyStandardValues(false);
    const SettingsFile::WriteResult written = SettingsFile::write(record, path);
    if (!written) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(written.reason));
        return 1;
    }
    return 0;
}
