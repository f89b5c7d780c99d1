#pragma once

#include <QByteArray>
#include <QString>

// Every file Fluvano writes (settings, pipe series, circuit documents, CSV
// and PDF exports) is saved here: atomically, so that the previous file
// stays unless the whole new one was written, and with the reason of a
// failure as the save itself reports it, on every platform.
namespace SaveFile
{

struct Result {
    bool ok = false;
    QString path;
    QString reason; // why the save failed; empty when it did not
    operator bool() const { return ok; }
};

// Replaces the file at `path` with `bytes`. With `createFolder`, a missing
// folder is created first.
Result write(const QString& path, const QByteArray& bytes, bool createFolder = false);

} // namespace SaveFile
