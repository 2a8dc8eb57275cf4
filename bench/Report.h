#pragma once

#include <QString>

#include "BenchResult.h"

namespace miravel::bench {

// A plain text table for people.
QString FormatTable(const BenchResults& results);

// One JSON array of objects: name, n, median_ms, reference_median_ms, ratio (null where a
// figure does not apply), plus bytes_per_row, target and met where they do.
QString FormatJson(const BenchResults& results);

}  // namespace miravel::bench
