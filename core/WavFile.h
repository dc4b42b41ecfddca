// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"

#include <cstdint>
#include <string>
#include <vector>

// A WAV file of 16-bit PCM samples, mono, at 48 kHz: the 44-byte RIFF header, then the
// samples, little-endian.
std::string wavFile(const std::vector<std::int16_t>& samples);

// What Save sound… and the render tool write: the first two seconds of a sound, as a WAV
// file.
inline constexpr double SavedSoundSeconds = 2;
std::string savedSoundFile(const PeriodicSound& sound);
