#pragma once
// One row of the benchmark report (scripts/bench gathers them into build/bench/report.md): a line that starts
// with "report", then six fields separated by tabs: what is measured, the program's figure, the bare
// baseline's figure from the same run, their ratio (or "-"), the goal, and "met" or "missed".
#include <cstdio>

namespace orv::bench {

inline void PrintReportRow(const char* what, const char* figure, const char* baseline, double ratio,
                           const char* goal, bool met) {
    std::printf("report\t%s\t%s\t%s\t%.2f\t%s\t%s\n", what, figure, baseline, ratio, goal,
                met ? "met" : "missed");
    std::fflush(stdout);
}

// A row without a ratio (a figure measured against a fixed limit).
inline void PrintReportRow(const char* what, const char* figure, const char* baseline, const char* goal,
                           bool met) {
    std::printf("report\t%s\t%s\t%s\t-\t%s\t%s\n", what, figure, baseline, goal, met ? "met" : "missed");
    std::fflush(stdout);
}

}  // namespace orv::bench
