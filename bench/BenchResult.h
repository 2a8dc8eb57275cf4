#pragma once

#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

#include "Timing.h"

namespace miravel::bench {

// One line of the report. Times are medians in milliseconds; memory lines carry bytes per row
// instead of a time.
struct BenchResult {
    QString name;
    qint64 n = 0;
    std::optional<double> medianMs;
    std::optional<double> referenceMedianMs;
    std::optional<double> lowMs;  // the program's fastest and slowest timed runs
    std::optional<double> highMs;
    std::optional<double> bytesPerRow;
    QString target;  // what the line has to stay within, empty when nothing
    std::optional<bool> met;

    // The program's median and spread from its timed runs.
    void SetProgramTimes(const std::vector<double>& samples) {
        if (samples.empty())
            return;
        medianMs = Median(samples);
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        lowMs = *low;
        highMs = *high;
    }

    std::optional<double> Ratio() const {
        if (!medianMs || !referenceMedianMs || *referenceMedianMs <= 0)
            return std::nullopt;
        return *medianMs / *referenceMedianMs;
    }
};

using BenchResults = std::vector<BenchResult>;

}  // namespace miravel::bench
