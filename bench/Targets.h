#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

// Prints the usual table, then one line per target: the measured time per
// iteration (the median when the run has repetitions), the limit and whether
// it was met.
class TargetReporter : public benchmark::ConsoleReporter
{
public:
    struct Target {
        std::string benchmark; // name as reported, e.g. "BM_Berechnen_WorstWalk"
        std::string label;
        double limitNs;
    };

    explicit TargetReporter(std::vector<Target> targets)
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
        , targets_(std::move(targets))
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const double ns = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            const std::string name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median") medians_[name] = ns;
            } else {
                samples_[name].push_back(ns);
            }
        }
    }

    // Time per iteration in ns (the median when the run has repetitions), or
    // -1 when the benchmark did not run.
    double measuredNs(const std::string& benchmark) const
    {
        if (auto median = medians_.find(benchmark); median != medians_.end()) return median->second;
        if (auto runs = samples_.find(benchmark); runs != samples_.end() && !runs->second.empty()) {
            double ns = 0;
            for (double sample : runs->second)
                ns += sample;
            return ns / double(runs->second.size());
        }
        return -1;
    }

    // Prints one benchmark's time as a share of another's and whether it stays
    // within limit; returns 1 when it does not (0 also when either did not run).
    int printRatio(
        const std::string& label, const std::string& benchmark, const std::string& baseline, double limit) const
    {
        const double ns = measuredNs(benchmark);
        const double base = measuredNs(baseline);
        if (ns < 0 || base <= 0) {
            std::printf("%-38s not run\n", label.c_str());
            return 0;
        }
        const double ratio = ns / base;
        const bool met = ratio <= limit;
        std::printf("%-38s %10.3f us / %.3f us = %.3f   target <= %g   %s\n", label.c_str(), ns / 1000, base / 1000,
            ratio, limit, met ? "met" : "MISSED");
        std::fflush(stdout);
        return met ? 0 : 1;
    }

    // Prints the verdicts; returns the number of targets missed (a target
    // whose benchmark was filtered out is not counted).
    int printTargets() const
    {
        int missed = 0;
        std::printf("\n");
        for (const Target& target : targets_) {
            const double ns = measuredNs(target.benchmark);
            if (ns < 0) {
                std::printf("%-38s not run\n", target.label.c_str());
                continue;
            }
            const bool met = ns < target.limitNs;
            missed += met ? 0 : 1;
            std::printf("%-38s %10.3f us   target < %g us   %s\n", target.label.c_str(), ns / 1000,
                target.limitNs / 1000, met ? "met" : "MISSED");
        }
        std::fflush(stdout);
        return missed;
    }

private:
    std::vector<Target> targets_;
    std::map<std::string, double> medians_;
    std::map<std::string, std::vector<double>> samples_;
};
