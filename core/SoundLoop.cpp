// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SoundLoop.h"

#include <algorithm>

void SoundLoop::setSound(const PeriodicSound& sound)
{
    for (Voice& voice : voices_)
        voice.target = 0;
    if (!sound.isEmpty())
        voices_.push_back({ sound, 0, 0, FadeSamples });
}

void SoundLoop::fill(std::int16_t* samples, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        float mixed = 0;
        for (Voice& voice : voices_) {
            if (voice.level < voice.target)
                ++voice.level;
            else if (voice.level > voice.target)
                --voice.level;
            mixed += float(voice.level) / float(FadeSamples) * voice.sound.period()[voice.phase];
            if (++voice.phase == voice.sound.length())
                voice.phase = 0;
        }
        samples[i] = PeriodicSound::toPcm(mixed);
        // A voice that has faded out is done with.
        std::erase_if(voices_, [](const Voice& voice) { return voice.target == 0 && voice.level == 0; });
    }
}
