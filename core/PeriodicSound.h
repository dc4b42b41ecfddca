// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A sound that repeats: one period of samples at 48 kHz, each a fraction of full scale
// (-1 to 1), which a player or a file loops end to start without a seam. A sound without
// samples is silence: there is nothing to hear.
class PeriodicSound {
public:
    static constexpr int SampleRate = 48000;

    PeriodicSound() = default;
    explicit PeriodicSound(std::vector<float> period);

    // One period of a signal as a loudspeaker gives it: without its mean (the coupling
    // capacitor in front of any loudspeaker blocks a steady level), times `loudness`.
    static PeriodicSound fromSignal(const std::vector<double>& period, double loudness);

    bool isEmpty() const { return period_.empty(); }
    std::size_t length() const { return period_.size(); }
    const std::vector<float>& period() const { return period_; }
    // Sample `index` of the looped sound, counted from the start of a period.
    float at(std::size_t index) const { return period_[index % period_.size()]; }
    // The largest magnitude of a sample.
    float peak() const;

    // The first `count` samples of the looped sound as 16-bit PCM.
    std::vector<std::int16_t> pcmSamples(std::size_t count) const;
    // A sample as 16-bit PCM: full scale is 32767, beyond it is held there.
    static std::int16_t toPcm(float sample);

private:
    std::vector<float> period_;
};
