#pragma once

#include "core/PipeCatalogue.h"
#include "core/SeriesCheck.h"
#include "core/SettingsFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The user's pipe series of materials 7..10 in "Fluvano-Rohrsysteme.csv",
// beside the settings file and by its rules (SettingsFile::location()): a
// portable copy keeps it beside the executable, an installed one in the
// user's folder, and until that exists the installation's copy is read.
//
// The file is a table a spreadsheet opens: UTF-8 with a byte-order mark,
// semicolons, decimal commas, a header line and one line per pipe,
//   Material;Kurzname;Name;Bezeichnung;Innen_mm
//   7;Mehrschichtverbundrohr;Mehrschichtverbundrohr PE-RT/Al/PE-RT;16x2;12
// in ascending order per material. A material without lines keeps its
// built-in series; one with a faulty line is told and keeps it too.
namespace PipeSeries
{

QString fileName();
QString path(); // where saves go
QString readPath(); // path() once it exists, else the installation's copy when there is one

// Why a series cannot be used: the row it concerns (0 for the name or
// caption) and the German text.
using Fault = SeriesCheck::Fault;
// Everything the catalogue needs: name up to 40 characters, caption up to 24,
// 1 to 20 pipes, each designation given, unique and up to 8 characters, each
// inner diameter a positive number of up to 8 characters, larger than the
// one before.
std::optional<Fault> check(const PipeCatalogue::Series& series);

// What a file holds: a series for each editable material given without
// fault, and one message per faulty line.
struct Content {
    std::array<std::optional<PipeCatalogue::Series>, PipeCatalogue::MaterialCount + 1> series; // by material
    QStringList problems;
};
// `where` names the file in the messages.
Content parse(const QByteArray& bytes, const QString& where);
QByteArray image(const PipeCatalogue& catalogue);

// Fills materials 7..10 of the catalogue from readPath() (built-in where the
// file has nothing usable) and returns the messages for the user; empty when
// all is well, also when there is no file.
QStringList load(PipeCatalogue& catalogue);

// Replaces the file atomically with the series of materials 7..10, creating
// a per-user folder when needed.
SettingsFile::WriteResult save(const PipeCatalogue& catalogue);

// What this process last read from or wrote to path(); empty before.
QByteArray lastImage();

} // namespace PipeSeries
