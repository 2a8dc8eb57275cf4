#pragma once

#include "BenchOptions.h"
#include "BenchResult.h"
#include "SampleFolder.h"

namespace miravel::bench {

// Each adds its lines to the results and reports its progress on stderr.
void RunFillBenchmarks(const BenchOptions& options, SampleFolders& folders, BenchResults& results);
void RunSortBenchmarks(const BenchOptions& options, SampleFolders& folders, BenchResults& results);
void RunRenameBenchmarks(const BenchOptions& options, SampleFolders& folders,
                         BenchResults& results);
void RunMemoryBenchmark(const BenchOptions& options, SampleFolders& folders, BenchResults& results);
void RunStartupBenchmark(const BenchOptions& options, SampleFolders& folders,
                         BenchResults& results);
// The new names of the pattern replace, the conversions and the date tokens, and reading the
// photos' dates taken.
void RunOperationBenchmarks(const BenchOptions& options, BenchResults& results);
void RunPhotoDateBenchmark(const BenchOptions& options, BenchResults& results);
// The preview column after a keystroke in a panel, at 10,000 and 100,000 rows.
void RunPreviewBenchmarks(const BenchOptions& options, SampleFolders& folders,
                          BenchResults& results);
// Opening a folder, pattern keystrokes, files made elsewhere and memory at 100,000 and
// 1,000,000 files.
void RunListingBenchmarks(const BenchOptions& options, SampleFolders& folders,
                          BenchResults& results);

// The far side of the memory and start-up measurements, in a process of its own.
int RunMemoryChild(const QString& folder, const QString& emptyFolder);
int RunStartupChild(const QString& folder, const QString& configFolder);
int RunListingMemoryChild(const QString& folder, const QString& emptyFolder);

void Progress(const QString& text);

}  // namespace miravel::bench
