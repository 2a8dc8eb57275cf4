#pragma once

#include <functional>
#include <vector>

namespace miravel::bench {

// Milliseconds on the monotonic clock, which every process of the machine shares.
double NowMs();

double Median(std::vector<double> samples);

struct PairedSamples {
    std::vector<double> referenceMs;
    std::vector<double> programMs;
};

// Runs reference and program in turns, `repeats` times each after one untimed warm-up of
// both; the side that goes first changes every round so neither profits from the other's
// warm caches. `reset` runs untimed before every single run.
PairedSamples RunAlternating(int repeats, const std::function<void()>& reference,
                             const std::function<void()>& program,
                             const std::function<void()>& reset = {});

// The same for a program without a reference.
std::vector<double> RunRepeated(int repeats, const std::function<void()>& program,
                                const std::function<void()>& reset = {});

}  // namespace miravel::bench
