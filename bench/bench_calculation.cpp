// The calculation alone: mass and volume flow, then the walk over a
// material's pipes with the Colebrook iterations per pipe. Each walk also runs
// on the plain form (ten iterations every time, diameter texts read in every
// walk) in the same binary, and the worst walk is compared with it.
#include "../tests/ReferenceCalculation.h"
#include "Targets.h"
#include "core/Calculation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{

struct Walk {
    float heatOutput; // W
    float temperatureDifference; // K
    int material;
};

// 10 kW, 15 K, medium-weight threaded pipe: pipes 1 to 4, DN 25 selected.
constexpr Walk ShortWalk { 10000, 15, 1 };
// 100 000 kW (the largest accepted entry), 5 K, copper: the longest list
// (13 pipes), none of which carries it.
constexpr Walk WorstWalk { 100000000, 5, 5 };

struct Fixture {
    SettingsRecord settings {};
    PipeCatalogue catalogue;
    Fixture()
    {
        settings.applyStandardValues(false);
        catalogue.fill();
    }
};

const Fixture& fixture()
{
    static const Fixture f;
    return f;
}

CalcState stateFor(const Walk& walk)
{
    CalcState state;
    state.heatOutput = walk.heatOutput;
    state.temperatureDifference = walk.temperatureDifference;
    state.material = walk.material;
    return state;
}

using Calculate = ArithmeticFault (*)(CalcState&, const SettingsRecord&, const PipeCatalogue&);

// Fails the run loudly when the walk does not end where it should, so that a
// change in the catalogue or the limits cannot silently turn the worst walk
// into a short one.
void expectSelected(Calculate calculate, const Walk& walk, int pipe, bool overloaded)
{
    CalcState state = stateFor(walk);
    const Fixture& f = fixture();
    const ArithmeticFault fault = calculate(state, f.settings, f.catalogue);
    const bool exceeds = state.pressureGradient > f.settings.rMax || state.velocity > f.settings.wMax;
    if (fault != ArithmeticFault::None || state.selectedPipe != pipe || exceeds != overloaded) {
        std::fprintf(stderr, "walk ends at pipe %d (fault %d, overloaded %d), expected pipe %d\n", state.selectedPipe,
            int(fault), int(exceeds), pipe);
        std::exit(1);
    }
}

void runWalk(benchmark::State& bench, Calculate calculate, const Walk& walk, int pipes, bool overloaded)
{
    expectSelected(calculate, walk, pipes, overloaded);
    const Fixture& f = fixture();
    for (auto _ : bench) {
        CalcState state = stateFor(walk);
        benchmark::DoNotOptimize(calculate(state, f.settings, f.catalogue));
        benchmark::DoNotOptimize(state);
    }
    bench.counters["pipes"] = pipes;
}

// Every material's list is walked at most this far; the longest one is the worst.
int worstWalkPipes()
{
    int longest = 0;
    for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m)
        longest = std::max(longest, fixture().catalogue.pipeCount(m));
    if (fixture().catalogue.pipeCount(WorstWalk.material) != longest) {
        std::fprintf(stderr, "material %d no longer has the longest list\n", WorstWalk.material);
        std::exit(1);
    }
    return longest;
}

void BM_Berechnen_ShortWalk(benchmark::State& bench)
{
    runWalk(bench, Calculation::Berechnen, ShortWalk, 4, false);
}
void BM_Reference_ShortWalk(benchmark::State& bench)
{
    runWalk(bench, ReferenceCalculation::Berechnen, ShortWalk, 4, false);
}
void BM_Berechnen_WorstWalk(benchmark::State& bench)
{
    runWalk(bench, Calculation::Berechnen, WorstWalk, worstWalkPipes(), true);
}
void BM_Reference_WorstWalk(benchmark::State& bench)
{
    runWalk(bench, ReferenceCalculation::Berechnen, WorstWalk, worstWalkPipes(), true);
}

BENCHMARK(BM_Berechnen_ShortWalk);
BENCHMARK(BM_Reference_ShortWalk);
BENCHMARK(BM_Berechnen_WorstWalk);
BENCHMARK(BM_Reference_WorstWalk);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter({
        { "BM_Berechnen_ShortWalk", "Berechnen, worked example (4 pipes)", 5000 },
        { "BM_Berechnen_WorstWalk", "Berechnen, worst walk (13 pipes)", 5000 },
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    int missed = reporter.printTargets();
    reporter.printRatio("worked example, new / ten iterations", "BM_Berechnen_ShortWalk", "BM_Reference_ShortWalk", 1);
    missed += reporter.printRatio(
        "worst walk, new / ten iterations", "BM_Berechnen_WorstWalk", "BM_Reference_WorstWalk", 0.5);
    return missed == 0 ? 0 : 3;
}
