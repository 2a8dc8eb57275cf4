#include "Timing.h"

#include <algorithm>
#include <chrono>

namespace miravel::bench {

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    if (samples.size() % 2 == 1)
        return samples[middle];
    return (samples[middle - 1] + samples[middle]) / 2;
}

namespace {

double TimeOnce(const std::function<void()>& run, const std::function<void()>& reset) {
    if (reset)
        reset();
    const double start = NowMs();
    run();
    return NowMs() - start;
}

}  // namespace

PairedSamples RunAlternating(int repeats, const std::function<void()>& reference,
                             const std::function<void()>& program,
                             const std::function<void()>& reset) {
    TimeOnce(reference, reset);
    TimeOnce(program, reset);
    PairedSamples samples;
    for (int round = 0; round < repeats; ++round) {
        if (round % 2 == 0) {
            samples.referenceMs.push_back(TimeOnce(reference, reset));
            samples.programMs.push_back(TimeOnce(program, reset));
        } else {
            samples.programMs.push_back(TimeOnce(program, reset));
            samples.referenceMs.push_back(TimeOnce(reference, reset));
        }
    }
    return samples;
}

std::vector<double> RunRepeated(int repeats, const std::function<void()>& program,
                                const std::function<void()>& reset) {
    TimeOnce(program, reset);
    std::vector<double> samples;
    for (int round = 0; round < repeats; ++round)
        samples.push_back(TimeOnce(program, reset));
    return samples;
}

}  // namespace miravel::bench
