#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace miravel::bench {

// One line of the report. Times are medians in milliseconds; memory lines carry bytes per row
// instead of a time.
struct BenchResult {
    QString name;
    qint64 n = 0;
    std::optional<double> medianMs;
    std::optional<double> referenceMedianMs;
    std::optional<double> bytesPerRow;
    QString target;  // what the line has to stay within, empty when nothing
    std::optional<bool> met;

    std::optional<double> Ratio() const {
        if (!medianMs || !referenceMedianMs || *referenceMedianMs <= 0)
            return std::nullopt;
        return *medianMs / *referenceMedianMs;
    }
};

using BenchResults = std::vector<BenchResult>;

}  // namespace miravel::bench
