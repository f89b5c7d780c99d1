#pragma once

// The calculation in its plain form, kept as the yardstick for the program's
// own: ten Colebrook iterations every time, and each pipe's inner-diameter
// text read anew in every walk. Shared by the identity test and the benchmark.

#include "core/CalcState.h"
#include "core/Calculation.h"
#include "core/NumberText.h"
#include "core/PipeCatalogue.h"
#include "core/SettingsRecord.h"

#include <cfloat>
#include <cmath>

namespace ReferenceCalculation
{

inline constexpr long double Pi = 3.141592653589793238462643383279502884L;

// Extended-precision arithmetic that records the first fault; every further
// operation is then a no-op.
struct Arithmetic {
    ArithmeticFault fault = ArithmeticFault::None;

    bool ok() const { return fault == ArithmeticFault::None; }

    long double value(long double v)
    {
        if (!ok()) return 0;
        if (std::isnan(v))
            fault = ArithmeticFault::InvalidOperation;
        else if (std::isinf(v))
            fault = ArithmeticFault::Overflow;
        return ok() ? v : 0;
    }

    long double div(long double a, long double b)
    {
        if (!ok()) return 0;
        if (std::isnan(a) || std::isnan(b)) {
            fault = ArithmeticFault::InvalidOperation;
            return 0;
        }
        if (b == 0) {
            fault = a == 0 ? ArithmeticFault::InvalidOperation : ArithmeticFault::DivisionByZero;
            return 0;
        }
        return value(a / b);
    }

    long double log10(long double x)
    {
        if (!ok()) return 0;
        if (x == 0) {
            fault = ArithmeticFault::DivisionByZero;
            return 0;
        }
        if (!(x > 0)) {
            fault = ArithmeticFault::InvalidOperation;
            return 0;
        }
        return value(std::log10(x));
    }

    long double sqrt(long double x)
    {
        if (!ok()) return 0;
        if (!(x >= 0)) {
            fault = ArithmeticFault::InvalidOperation;
            return 0;
        }
        return value(std::sqrt(x));
    }

    bool store(float& field, long double v)
    {
        v = value(v);
        if (!ok()) return false;
        if (std::fabs(v) > FLT_MAX) {
            fault = ArithmeticFault::Overflow;
            return false;
        }
        field = static_cast<float>(v);
        return true;
    }
};

inline ArithmeticFault LAMBDA(CalcState& state, const SettingsRecord& settings, float& lambda)
{
    Arithmetic a;
    float nu = 0;
    if (!a.store(nu, a.div(settings.viscosityInUse, 1000000.0L))) return a.fault;
    if (!a.store(state.reynolds, a.div(state.diameter / 1000.0L * state.velocity, nu))) return a.fault;

    if (!SettingsRecord::validMaterial(state.material)) return ArithmeticFault::InvalidOperation;
    const long double k = a.div(settings.roughnessAt(state.material), state.diameter);

    const long double start = 1.14L - 2 * a.log10(k);
    if (!a.store(lambda, a.div(1, start * start))) return a.fault;
    for (int iteration = 0; iteration < 10; ++iteration) {
        const long double term = -2 * a.log10(a.div(2.51L, state.reynolds * a.sqrt(lambda)) + a.div(k, 3.71L));
        if (!a.store(lambda, a.div(1, term * term))) return a.fault;
    }
    return ArithmeticFault::None;
}

inline ArithmeticFault evaluatePipe(CalcState& state, const SettingsRecord& settings)
{
    Arithmetic a;
    const long double d = state.diameter / 1000.0L;
    const long double flowPerArea = a.div(a.div(1.0L, settings.densityInUse) * state.massFlow * 4, Pi);
    if (!a.store(state.velocity, a.div(flowPerArea, a.value(d * d)))) return a.fault;

    float lambda = 0;
    if (const ArithmeticFault fault = LAMBDA(state, settings, lambda); fault != ArithmeticFault::None) return fault;

    const long double factor = a.div(lambda, d) * 0.5L * settings.densityInUse;
    const long double w = state.velocity;
    a.store(state.pressureGradient, factor * (w * w));
    return a.fault;
}

inline ArithmeticFault Berechnen(CalcState& state, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    Arithmetic a;
    if (!a.store(
            state.massFlow, a.div(a.div(state.heatOutput, settings.heatCapacityInUse), state.temperatureDifference)))
        return a.fault;
    if (!a.store(state.volumeFlow, a.div(state.massFlow, settings.densityInUse))) return a.fault;

    if (state.manualMode) {
        state.diameter = state.manualDiameter;
        return evaluatePipe(state, settings);
    }

    state.diameter = 0;
    if (!PipeCatalogue::validMaterial(state.material)) return ArithmeticFault::None;
    for (int i = 1; i <= PipeCatalogue::SlotCount; ++i) {
        const QString text = catalogue.innerDiameterText(state.material, i);
        if (text.isEmpty()) break;
        const float d = float(NumberText::read(text).value_or(0));
        state.diameter = d;
        state.manualDiameter = d;
        state.selectedPipe = i;
        if (const ArithmeticFault fault = evaluatePipe(state, settings); fault != ArithmeticFault::None) return fault;
        if (state.pressureGradient < settings.rMax && state.velocity < settings.wMax) break;
    }
    return ArithmeticFault::None;
}

} // namespace ReferenceCalculation
