#pragma once

#include "core/CalcState.h"
#include "core/PipeCatalogue.h"
#include "core/SettingsRecord.h"

#include <QList>
#include <QString>

// The result as text, formatted in one place for the main window's panels,
// the copy action, the result sheet and the command line.
namespace ResultText
{

// What the result column shows for a computed state.
struct Panels {
    QString designation; // Panel1
    QString innerDiameter; // Panel6, mm, 1 decimal, grouped
    QString pressureGradient; // Panel2, Pa/m, 2 decimals, grouped
    QString volumeFlow; // Panel3, m³/h, 3 decimals, grouped
    QString massFlow; // Panel4, kg/h, no decimals, grouped
    QString velocity; // Panel5, m/s, 3 decimals, grouped
    QString materialLine; // Label5: "- name -", or the overload warning
    bool tooSteep = false; // R > Rmax: Panel2 red
    bool tooFast = false; // w > wmax: Panel5 red
    bool overloaded() const { return tooSteep || tooFast; }
};

Panels panels(const CalcState& calc, const SettingsRecord& settings, const PipeCatalogue& catalogue);

QString overloadWarning();

// The caption of the designation: "empfohlenes Rohr" or, in manual mode,
// "gewähltes Rohr" (without accelerator and colon).
QString pipeCaption(bool manualMode);

// The inputs as the user entered them, with a decimal comma.
struct Inputs {
    QString heatOutput; // kW
    QString temperatureDifference; // K
};

// One "Caption: value unit" line of the copy block.
struct Line {
    QString caption;
    QString value;
    QString unit;
    bool overLimit = false;
};

struct Block {
    QList<Line> lines;
    QString warning; // the overload warning when it is shown, else empty
};

// Leistung, Temperaturdifferenz, Rohrmaterial, the pipe, Innen-Nennweite,
// R, V, m and w, with the digits of the panels.
Block block(
    const Inputs& inputs, const CalcState& calc, const SettingsRecord& settings, const PipeCatalogue& catalogue);

// One line each, "\n" after every line, the warning last.
QString plainText(const Block& block);

// A small HTML document holding one table (caption, value, unit), for office
// programs; values over a limit and the warning in red.
QString html(const Block& block);

} // namespace ResultText
