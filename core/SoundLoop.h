// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Plays sounds round and round for a player to pull from, one block at a time. A new
// sound takes over by a cross-fade of 10 ms: the old one fades out while the new one
// fades in, each going on along its own loop, so there is no click and no gap. An empty
// sound fades to silence; the first sound fades in from it.
class SoundLoop {
public:
    static constexpr std::size_t FadeSamples = PeriodicSound::SampleRate / 100;

    // Fades over to `sound` from what plays now.
    void setSound(const PeriodicSound& sound);
    // The next `count` samples, as 16-bit PCM.
    void fill(std::int16_t* samples, std::size_t count);
    // Whether nothing sounds any longer (before the first sound, or faded out).
    bool isSilent() const { return voices_.empty(); }

private:
    // A sound going round with its own gain, level / FadeSamples, whose level moves
    // towards its target by one a sample.
    struct Voice {
        PeriodicSound sound;
        std::size_t phase = 0;
        std::size_t level = 0;
        std::size_t target = FadeSamples;
    };
    std::vector<Voice> voices_;
};
