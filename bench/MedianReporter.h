#pragma once
// Console reporter that also keeps the median wall time of every benchmark (in seconds),
// for the summary lines the benchmarks print at the end.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace qmrbench {

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median" && !r.error_occurred)
                medianSekund[r.run_name.function_name] =
                    r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medianSekund;
};

} // namespace qmrbench
