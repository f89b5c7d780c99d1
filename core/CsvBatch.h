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
    QString columnsError; // the header lacks a column: nothing was read or written
};

// The header of the output.
QString header();

// Reads the rows as spreadsheets write them (core/Csv.h: UTF-8 or
// Windows-1252, ";", "," or tab, quoted fields, a header naming the columns
// in any order, or none) and writes a byte-order mark, the header and one row
// per row read to `out`. A row that cannot be computed gets empty result
// fields and the reason in "Hinweis"; the rows after it go on.
Summary convert(QIODevice& in, QIODevice& out, const SettingsRecord& settings, const PipeCatalogue& catalogue);

} // namespace CsvBatch
