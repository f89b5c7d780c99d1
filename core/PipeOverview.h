#pragma once

#include "core/CalcState.h"
#include "core/Calculation.h"
#include "core/PipeCatalogue.h"
#include "core/SettingsRecord.h"

#include <QList>
#include <QString>

// Every pipe of the material in use, evaluated for the current inputs by the
// calculation itself (each pipe as a manual diameter), with the texts and
// limit flags of the result panels.
namespace PipeOverview
{

struct Row {
    int pipe = 0; // catalogue index, 1..
    QString designation;
    QString innerDiameterText; // as stored in the catalogue ("16,")
    float innerDiameter = 0; // mm, as the calculation reads it
    QString diameter; // 1 decimal, grouped
    float velocity = 0; // m/s
    float pressureGradient = 0; // Pa/m
    QString velocityText; // 3 decimals, grouped
    QString pressureGradientText; // 2 decimals, grouped
    bool tooFast = false; // w > wmax
    bool tooSteep = false; // R > Rmax
    ArithmeticFault fault = ArithmeticFault::None; // the values are empty when set
};

struct Overview {
    int material = 0;
    QList<Row> rows;
    // Index into rows of the pipe the calculation recommends (automatic mode)
    // or of the pipe whose diameter was chosen (manual mode); -1 for none.
    int marked = -1;
};

// Reads Q, ΔT, the material, the mode and the manual diameter from `inputs`;
// empty when Q or ΔT is 0 or the material is not valid.
Overview compute(const CalcState& inputs, const SettingsRecord& settings, const PipeCatalogue& catalogue);

} // namespace PipeOverview
