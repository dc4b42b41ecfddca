// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PeriodicSound.h"

#include <algorithm>
#include <cmath>
#include <numeric>

PeriodicSound::PeriodicSound(std::vector<float> period)
    : period_(std::move(period))
{
}

PeriodicSound PeriodicSound::fromSignal(const std::vector<double>& period, double loudness)
{
    if (period.empty())
        return {};
    const double mean = std::accumulate(period.begin(), period.end(), 0.0) / double(period.size());
    std::vector<float> samples;
    samples.reserve(period.size());
    for (double value : period)
        samples.push_back(float((value - mean) * loudness));
    return PeriodicSound(std::move(samples));
}

float PeriodicSound::peak() const
{
    float largest = 0;
    for (float sample : period_)
        largest = std::max(largest, std::fabs(sample));
    return largest;
}

std::int16_t PeriodicSound::toPcm(float sample)
{
    const double scaled = std::round(double(sample) * 32767.0);
    return std::int16_t(std::clamp(scaled, -32768.0, 32767.0));
}

std::vector<std::int16_t> PeriodicSound::pcmSamples(std::size_t count) const
{
    std::vector<std::int16_t> samples(isEmpty() ? 0 : count);
    for (std::size_t i = 0, phase = 0; i < samples.size(); ++i) {
        samples[i] = toPcm(period_[phase]);
        if (++phase == period_.size())
            phase = 0;
    }
    return samples;
}
