#pragma once

#include "core/PipeCatalogue.h"
#include "core/SettingsRecord.h"

#include <QString>
#include <QStringList>

class QIODevice;

// Many results at once: rows "Leistung_kW;Temperaturdifferenz_K;Material[;Innen_mm]"
// in, one row per input row out, with the texts of the result panels.
namespace CsvBatch
{

struct Summary {
    int rows = 0;
    int notComputed = 0;
    bool readError = false; // the input stopped before its end
    bool writeError = false; // the output did not take everything
};

// One line split at semicolons; a field in double quotes may hold
// semicolons and doubled quotes.
QStringList splitLine(const QString& line);
// Appends a field, in double quotes when it needs them.
void appendQuoted(QString& row, const QString& field);

// The header of the output.
QString header();

// Reads UTF-8 text (a byte-order mark, CRLF and fields in double quotes are
// accepted) and writes a byte-order mark, the header and one row per
// non-blank input row to `out`. The first line is a header unless its
// first field is a number. A row that cannot be computed gets empty result
// fields and the reason in "Hinweis"; the rows after it go on.
Summary convert(QIODevice& in, QIODevice& out, const SettingsRecord& settings, const PipeCatalogue& catalogue);

} // namespace CsvBatch
