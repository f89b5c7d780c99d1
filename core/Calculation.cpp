#include "core/Calculation.h"

#include <atomic>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace
{

constexpr long double Pi = 3.141592653589793238462643383279502884L;

// Extended-precision arithmetic that records the first fault instead of
// producing an infinity or a NaN. Once a fault is recorded every further
// operation is a no-op, so a sequence of steps can be written straight down
// and checked where a value would be stored.
class Arithmetic
{
public:
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

    // Rounds to float as a store does; true when the value may be stored.
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

// w, λ and R for the state's current d.
ArithmeticFault evaluatePipe(CalcState& state, const SettingsRecord& settings)
{
    Arithmetic a;
    const long double d = state.diameter / 1000.0L;
    const long double flowPerArea = a.div(a.div(1.0L, settings.densityInUse) * state.massFlow * 4, Pi);
    if (!a.store(state.velocity, a.div(flowPerArea, a.value(d * d)))) return a.fault;

    float lambda = 0;
    if (const ArithmeticFault fault = Calculation::LAMBDA(state, settings, lambda); fault != ArithmeticFault::None)
        return fault;

    const long double factor = a.div(lambda, d) * 0.5L * settings.densityInUse;
    const long double w = state.velocity;
    a.store(state.pressureGradient, factor * (w * w));
    return a.fault;
}

} // namespace

QString arithmeticFaultMessage(ArithmeticFault fault)
{
    switch (fault) {
    case ArithmeticFault::None:
        break;
    case ArithmeticFault::DivisionByZero:
        return QStringLiteral("Gleitkommadivision durch Null.");
    case ArithmeticFault::InvalidOperation:
        return QStringLiteral("Ungültige Gleitkommaoperation.");
    case ArithmeticFault::Overflow:
        return QStringLiteral("Gleitkommaüberlauf.");
    }
    return {};
}

namespace Calculation
{

namespace
{
    // Batches calculate on several threads.
    std::atomic<unsigned long long> runs = 0;
}

unsigned long long runCount()
{
    return runs;
}

ArithmeticFault LAMBDA(CalcState& state, const SettingsRecord& settings, float& lambda)
{
    Arithmetic a;
    float nu = 0;
    if (!a.store(nu, a.div(settings.viscosityInUse, 1000000.0L))) return a.fault;
    if (!a.store(state.reynolds, a.div(state.diameter / 1000.0L * state.velocity, nu))) return a.fault;

    if (!SettingsRecord::validMaterial(state.material)) return ArithmeticFault::InvalidOperation;
    const long double k = a.div(settings.roughnessAt(state.material), state.diameter);

    const long double start = 1.14L - 2 * a.log10(k);
    if (!a.store(lambda, a.div(1, start * start))) return a.fault;
    // Each iteration depends only on the λ before it: once one returns its
    // input unchanged, every further one would return it again.
    for (int iteration = 0; iteration < 10; ++iteration) {
        const float previous = lambda;
        const long double term = -2 * a.log10(a.div(2.51L, state.reynolds * a.sqrt(lambda)) + a.div(k, 3.71L));
        if (!a.store(lambda, a.div(1, term * term))) return a.fault;
        if (std::bit_cast<std::uint32_t>(lambda) == std::bit_cast<std::uint32_t>(previous)) break;
    }
    return ArithmeticFault::None;
}

ArithmeticFault Berechnen(CalcState& state, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    runs.fetch_add(1, std::memory_order_relaxed);
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
        if (catalogue.isEndOfList(state.material, i)) break;
        const float d = catalogue.innerDiameter(state.material, i);
        state.diameter = d;
        state.manualDiameter = d;
        state.selectedPipe = i;
        if (const ArithmeticFault fault = evaluatePipe(state, settings); fault != ArithmeticFault::None) return fault;
        if (state.pressureGradient < settings.rMax && state.velocity < settings.wMax) break;
    }
    return ArithmeticFault::None;
}

} // namespace Calculation
