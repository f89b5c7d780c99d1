#pragma once

#include "core/SaveFile.h"
#include "core/SeriesCheck.h"
#include "core/ValveCatalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The user's valve series in "Fluvano-Ventile.csv", beside the settings file
// and by the pipe series' rules (SettingsFile::location(); until a per-user
// file exists the installation's copy is read).
//
// A table a spreadsheet opens: UTF-8 with a byte-order mark, semicolons,
// decimal commas, a header line and one line per step,
//   Ventil;Kurzname;Name;Stufe;kv_m3h
//   4;Ventil Z;Thermostatventil Hersteller Z;1;0,12
// with the series' number first. The standard series are 1 to
// ValveCatalogue::standardCount() and always built in: their lines are
// accepted when they equal the built-in series (as fluvano --valves writes
// them) and told otherwise. The user's series follow and keep the numbers
// the file gives them, since documents name valves by number; one with a
// faulty line is told and left out, its number vacant.
namespace ValveSeries
{

QString fileName();
QString path(); // where saves go
QString readPath(); // path() once it exists, else the installation's copy when there is one

// Why a series cannot be used: the row it concerns (0 for the name or
// caption) and the German text.
using Fault = SeriesCheck::Fault;
// Name up to NameLength characters, short name up to CaptionLength, 1 to
// MaxSteps steps, each label given, unique and up to LabelLength characters,
// each kv a positive number (decimal comma) larger than the one before.
std::optional<Fault> check(const ValveCatalogue::Series& series);

// What a file holds: the user's series given without fault, in the order of
// their numbers, and one message per faulty line.
struct Content {
    QList<ValveCatalogue::Series> series;
    QStringList problems;
};
// `where` names the file in the messages.
Content parse(const QByteArray& bytes, const QString& where);

// The file's bytes: the user's series, numbered after the standard ones; with
// AllSeries the standard series first (fluvano --valves).
enum Include { UserSeries, AllSeries };
QByteArray image(const ValveCatalogue& catalogue, Include which = UserSeries);

// Sets the catalogue's user series from readPath() and returns the messages
// for the user; empty when all is well, also when there is no file.
QStringList load(ValveCatalogue& catalogue);

// Replaces the file atomically with the user's series, creating a per-user
// folder when needed.
SaveFile::Result save(const ValveCatalogue& catalogue);

// What this process last read from or wrote to path(); empty before.
QByteArray lastImage();

} // namespace ValveSeries
