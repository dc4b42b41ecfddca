// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WavFile.h"

namespace {

void append(std::string& bytes, const char* text)
{
    bytes.append(text, 4);
}

// A number in `size` bytes, least significant first.
void appendNumber(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(char((value >> (8 * i)) & 0xFF));
}

}

std::string wavFile(const std::vector<std::int16_t>& samples)
{
    constexpr std::uint32_t Channels = 1;
    constexpr std::uint32_t BitsPerSample = 16;
    constexpr std::uint32_t BlockAlign = Channels * BitsPerSample / 8;
    const auto dataSize = std::uint32_t(samples.size() * BlockAlign);

    std::string bytes;
    bytes.reserve(44 + dataSize);
    append(bytes, "RIFF");
    appendNumber(bytes, 36 + dataSize, 4); // what follows this field
    append(bytes, "WAVE");
    append(bytes, "fmt ");
    appendNumber(bytes, 16, 4); // size of the format chunk
    appendNumber(bytes, 1, 2);  // PCM
    appendNumber(bytes, Channels, 2);
    appendNumber(bytes, PeriodicSound::SampleRate, 4);
    appendNumber(bytes, PeriodicSound::SampleRate * BlockAlign, 4); // bytes a second
    appendNumber(bytes, BlockAlign, 2);
    appendNumber(bytes, BitsPerSample, 2);
    append(bytes, "data");
    appendNumber(bytes, dataSize, 4);
    for (std::int16_t sample : samples)
        appendNumber(bytes, std::uint16_t(sample), 2);
    return bytes;
}

std::string savedSoundFile(const PeriodicSound& sound)
{
    return wavFile(sound.pcmSamples(std::size_t(SavedSoundSeconds * PeriodicSound::SampleRate)));
}
