#include "core/PipeOverview.h"

#include "core/NumberText.h"
#include "core/ResultText.h"

namespace PipeOverview
{

Overview compute(const CalcState& inputs, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    Overview overview;
    if (inputs.heatOutput == 0 || inputs.temperatureDifference == 0 || !PipeCatalogue::validMaterial(inputs.material))
        return overview;
    overview.material = inputs.material;

    const int count = catalogue.pipeCount(inputs.material);
    for (int i = 1; i <= count; ++i) {
        Row row;
        row.pipe = i;
        row.designation = catalogue.designation(inputs.material, i);
        row.innerDiameterText = catalogue.innerDiameterText(inputs.material, i);
        // Read as the calculation's own walk reads it.
        row.innerDiameter = float(NumberText::read(row.innerDiameterText).value_or(0));

        CalcState state = inputs;
        state.manualMode = true;
        state.manualDiameter = row.innerDiameter;
        state.selectedPipe = i;
        row.fault = Calculation::Berechnen(state, settings, catalogue);
        if (row.fault == ArithmeticFault::None) {
            const ResultText::Panels panels = ResultText::panels(state, settings, catalogue);
            row.diameter = panels.innerDiameter;
            row.velocity = state.velocity;
            row.pressureGradient = state.pressureGradient;
            row.velocityText = panels.velocity;
            row.pressureGradientText = panels.pressureGradient;
            row.tooFast = panels.tooFast;
            row.tooSteep = panels.tooSteep;
        } else {
            row.diameter = NumberText::grouped(row.innerDiameter, 1);
        }
        overview.rows.append(row);
    }

    if (inputs.manualMode) {
        // The stepper's pipe when the diameter is still its own, else the
        // first pipe of that diameter; none for a diameter of no catalogue pipe.
        auto chosen = [&](const Row& row) { return row.innerDiameter == inputs.manualDiameter; };
        const int stepped = inputs.selectedPipe - 1;
        if (stepped >= 0 && stepped < overview.rows.size() && chosen(overview.rows[stepped])) {
            overview.marked = stepped;
        } else {
            for (int r = 0; r < overview.rows.size() && overview.marked < 0; ++r)
                if (chosen(overview.rows[r])) overview.marked = r;
        }
    } else {
        CalcState state = inputs;
        if (Calculation::Berechnen(state, settings, catalogue) == ArithmeticFault::None && state.selectedPipe >= 1
            && state.selectedPipe <= overview.rows.size())
            overview.marked = state.selectedPipe - 1;
    }
    return overview;
}

} // namespace PipeOverview
