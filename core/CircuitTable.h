#pragma once

#include "core/Circuit.h"

#include <QString>
#include <QStringList>

#include <array>

// The section table as every view shows it: the window's table, the copied
// list, the printed list, the CSV export and the command line. One list of
// columns, one function for the text of a cell and one for the totals.
namespace CircuitTable
{

enum Column {
    Number, // automatic
    Name,
    Predecessor,
    HeatOutput,
    Length,
    Zeta,
    Material,
    InnerDiameter,
    ConsumerLoss,
    Valve, // typed
    Pipe,
    Diameter,
    Velocity,
    Gradient,
    GradientLoss,
    FittingsLoss,
    Loss,
    RunningTotal,
    PathLoss,
    ValveLoss,
    KvRequired,
    Presetting,
    Kv,
    Deviation,
    Hint, // computed
    ColumnCount
};

struct ColumnInfo {
    enum class Kind {
        Automatic, // the row's number
        Text, // typed free text
        Row, // typed row number
        Number, // typed number (decimal comma, the number fields' key rules)
        Choice, // typed by choosing from a list: the material
        ValveChoice, // chosen from the valve series, or none
        Computed,
    };
    Column key;
    Kind kind;
    QString name; // "Leistung"
    QString unit; // "kW"; empty: none
    QString csvName; // "Leistung_kW"
    int decimals; // shown decimals of a computed number; -1 not a number or as typed
    bool left; // aligned left (text), else right (numbers)
    int width; // in the window, px at its 13 px font; the printed list scales them

    QString caption() const { return unit.isEmpty() ? name : name + u' ' + unit; }
    bool typed() const { return kind != Kind::Automatic && kind != Kind::Computed; }
};

const std::array<ColumnInfo, ColumnCount>& columns();
inline const ColumnInfo& column(int c)
{
    return columns()[std::size_t(c)];
}
QStringList captions();

// The columns from the first computed one on, where a row not computed shows
// its reason instead.
inline constexpr int FirstComputed = Pipe;
inline constexpr int LastWithReason = Loss;

enum class Purpose {
    Screen, // window, copy and printed list: the material by its caption
    File, // CSV: the material by its number
};

// The text of a cell of row `row` (0-based) as the table shows it; a row
// not computed has its reason in the pipe column.
QString cell(const Circuit::Document& document, const Circuit::Evaluation& evaluation, int row, int column,
    Purpose purpose, const PipeCatalogue& catalogue, const ValveCatalogue& valves);

// A typed cell of a section as files hold it, and back; the material as its
// number (an unknown one as 0).
QString typedValue(const Circuit::Section& section, int column);
void setTypedValue(Circuit::Section& section, int column, const QString& text);

// A value over its limit (w, R): shown in red.
bool overLimit(const Circuit::Row& row, int column);

// The text of "Hinweis": why a row was not computed, else the overload
// warning and the row's hints.
QString hint(const Circuit::Row& row);

// The CSV export: a byte-order mark, the columns after "Nr." by their CSV
// names, "Hinweis" last.
QByteArray csv(const Circuit::Document& document, const Circuit::Evaluation& evaluation, const PipeCatalogue& catalogue,
    const ValveCatalogue& valves);

// The totals as the panels show them; empty where nothing was computed.
struct TotalTexts {
    QString criticalLoss; // Pa, with the critical consumer's valve
    QString extraLoss; // Pa
    QString head; // m
    QString volumeFlow; // m³/h
    QString criticalConsumer; // "3 – Bad"; empty when none
    QString minValveLoss; // Pa, in use
    // "Pumpe: Δp-konstant, Förderhöhe 1,23 m bei 0,860 m³/h"; empty
    // without a head.
    QString pump;
};
TotalTexts totalTexts(const Circuit::Document& document, const Circuit::Totals& totals);

// Numbers as the table shows them.
QString pascal(long double value); // "%0.0n"
QString headText(long double metres); // "%0.2n"
QString flowText(long double cubicMetresPerHour); // "%0.3n"

} // namespace CircuitTable
