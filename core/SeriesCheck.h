#pragma once

#include <QList>
#include <QString>

#include <optional>

// The checks a user's series (pipes of a material, steps of a valve) passes
// before a catalogue takes it: a name and a short name, 1 to `maxRows` rows,
// each row's label given, unique and short, each row's number a positive
// number larger than the one before.
namespace SeriesCheck
{

// Why a series cannot be used: the row (1..maxRows + 1) it concerns, 0 for
// the name or short name, and the German text.
struct Fault {
    int row = 0;
    QString text;
};

struct Row {
    QString label;
    QString number; // as typed, decimal comma
};

// What differs between the kinds of series: the limits and the words.
struct Rules {
    int nameLength = 0;
    int captionLength = 0;
    int maxRows = 0;
    int labelLength = 0;
    int numberLength = 0; // 0: any length
    QString noRow; // "Die Liste enthält kein Rohr."
    QString tooManyRows; // %1 the most rows
    QString label; // "Die Bezeichnung"
    QString number; // "Der Innendurchmesser"
    QString rows; // "die Rohre"
    QString numberMissing; // told for an empty number; when empty, "keine positive Zahl" is
};

std::optional<Fault> check(const QString& name, const QString& caption, const QList<Row>& rows, const Rules& rules);

} // namespace SeriesCheck
