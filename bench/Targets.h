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

    // Prints the verdicts; returns the number of targets missed (a target
    // whose benchmark was filtered out is not counted).
    int printTargets() const
    {
        int missed = 0;
        std::printf("\n");
        for (const Target& target : targets_) {
            double ns = -1;
            if (auto median = medians_.find(target.benchmark); median != medians_.end()) {
                ns = median->second;
            } else if (auto runs = samples_.find(target.benchmark); runs != samples_.end() && !runs->second.empty()) {
                ns = 0;
                for (double sample : runs->second)
                    ns += sample;
                ns /= double(runs->second.size());
            }
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
