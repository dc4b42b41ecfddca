// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundTestSupport.h"

#include "core/SoundLoop.h"
#include "core/WavFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// A tone of `hz` at `amplitude`, one period of it.
PeriodicSound tone(int hz, double amplitude)
{
    std::vector<double> period(std::size_t(PeriodicSound::SampleRate / hz));
    for (std::size_t i = 0; i < period.size(); ++i)
        period[i] = std::sin(2.0 * std::numbers::pi * double(i) / double(period.size()));
    return PeriodicSound::fromSignal(period, amplitude);
}

std::vector<std::int16_t> pull(SoundLoop& loop, std::size_t count)
{
    std::vector<std::int16_t> samples(count);
    loop.fill(samples.data(), count);
    return samples;
}

// The largest step from one sample to the next: a click is a step far beyond what the
// sounds themselves take.
int largestStep(const std::vector<std::int16_t>& samples)
{
    int largest = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        largest = std::max(largest, std::abs(samples[i] - samples[i - 1]));
    return largest;
}

std::uint32_t number(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[at + std::size_t(i)]);
    return value;
}

}

TEST(PeriodicSoundTest, ASignalLosesItsMeanAndTakesTheLoudness)
{
    const PeriodicSound sound = PeriodicSound::fromSignal({ 1.0, 2.0, 3.0, 2.0 }, 0.5);
    EXPECT_EQ(sound.period(), (std::vector<float> { -0.5f, 0, 0.5f, 0 }));
    EXPECT_FLOAT_EQ(sound.peak(), 0.5f);
    EXPECT_FLOAT_EQ(sound.at(6), 0.5f);
    EXPECT_TRUE(PeriodicSound::fromSignal({}, 1).isEmpty());
}

TEST(PeriodicSoundTest, SamplesLoopAndHoldAtFullScale)
{
    const PeriodicSound sound(std::vector<float> { 0, 1, -1, 2, -2 });
    EXPECT_EQ(sound.pcmSamples(7), (std::vector<std::int16_t> { 0, 32767, -32767, 32767, -32768, 0, 32767 }));
    EXPECT_TRUE(PeriodicSound().pcmSamples(10).empty());
}

TEST(PeriodicSoundTest, MeasuresATonesFrequencyAndLevel)
{
    const PeriodicSound sound = tone(1000, 0.5);
    EXPECT_NEAR(componentAmplitude(sound, 1000), 0.5, 1e-6);
    EXPECT_NEAR(componentAmplitude(sound, 2000), 0, 1e-6);
    EXPECT_EQ(strongestComponent(sound, 250), 1000);
    EXPECT_LT(harmonicDistortion(sound, 1000), 1e-5);
}

TEST(WavFileTest, HeaderSaysMono48kHz16BitPcm)
{
    const std::string file = savedSoundFile(tone(1000, 0.25));
    const std::uint32_t samples = 2 * 48000;
    ASSERT_EQ(file.size(), 44 + 2 * samples);
    EXPECT_EQ(file.substr(0, 4), "RIFF");
    EXPECT_EQ(number(file, 4, 4), 36 + 2 * samples);
    EXPECT_EQ(file.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(number(file, 16, 4), 16u);    // format chunk size
    EXPECT_EQ(number(file, 20, 2), 1u);     // PCM
    EXPECT_EQ(number(file, 22, 2), 1u);     // mono
    EXPECT_EQ(number(file, 24, 4), 48000u); // samples a second
    EXPECT_EQ(number(file, 28, 4), 96000u); // bytes a second
    EXPECT_EQ(number(file, 32, 2), 2u);     // bytes a sample
    EXPECT_EQ(number(file, 34, 2), 16u);    // bits a sample
    EXPECT_EQ(file.substr(36, 4), "data");
    EXPECT_EQ(number(file, 40, 4), 2 * samples);
    // A quarter period in, the tone is at its peak: a quarter of full scale, little-endian.
    EXPECT_EQ(std::int16_t(number(file, 44 + 2 * 12, 2)), 8192);
}

TEST(SoundLoopTest, FadesInFollowsANewSoundWithoutAClickAndFadesOut)
{
    SoundLoop loop;
    EXPECT_TRUE(loop.isSilent());
    std::vector<std::int16_t> heard;
    auto listen = [&](std::size_t count) {
        const auto samples = pull(loop, count);
        heard.insert(heard.end(), samples.begin(), samples.end());
        return samples;
    };

    loop.setSound(tone(1000, 0.6));
    listen(1000);
    loop.setSound(tone(3000, 0.6));
    // 10 ms later only the new tone sounds, sample for sample.
    listen(SoundLoop::FadeSamples);
    const auto after = listen(480);
    for (std::size_t i = 0; i < after.size(); ++i)
        ASSERT_EQ(after[i], PeriodicSound::toPcm(tone(3000, 0.6).at(SoundLoop::FadeSamples + i))) << i;

    // Changed again in the middle of a fade, and then to silence.
    loop.setSound(tone(2000, 0.8));
    listen(100);
    loop.setSound(tone(1000, 0.6));
    listen(1000);
    loop.setSound({});
    listen(SoundLoop::FadeSamples + 10);
    EXPECT_TRUE(loop.isSilent());
    EXPECT_EQ(listen(10), std::vector<std::int16_t>(10, 0));

    // A 3 kHz tone at 0.6 steps by at most 0.6 * sin(2 pi 3/48) = 0.23 of full scale a
    // sample; a click would step by up to 1.2.
    EXPECT_LT(largestStep(heard), 0.25 * 32767);
}

TEST(SoundLoopTest, AFadeTakesTenMillisecondsAndIsHalfWayAtFive)
{
    // Steady levels, so each sample says the gains: 480 samples (10 ms) after a change,
    // counted from the first sample after it, the new sound has taken over. Half way, 240
    // samples (5 ms) in, the old and the new sound both sound at half their level.
    auto expectFade = [](const std::vector<std::int16_t>& heard, float from, float to) {
        for (std::size_t i = 0; i < heard.size(); ++i) {
            const double gain = std::min(double(i + 1) / 480.0, 1.0); // the new sound's
            ASSERT_NEAR(heard[i], ((1 - gain) * from + gain * to) * 32767, 1.0) << "sample " << i;
        }
        EXPECT_EQ(heard[239], PeriodicSound::toPcm(0.5f * (from + to)));
        if (from != to) {
            EXPECT_NE(heard[478], heard[479]); // not over before 10 ms
        }
        EXPECT_EQ(heard[479], PeriodicSound::toPcm(to));
    };
    const struct {
        float from, to;
    } cases[] = { { 0.8f, 0 }, { 0, 0.8f }, { 0.6f, -0.6f }, { -0.5f, 1 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to);
        SoundLoop loop;
        loop.setSound(PeriodicSound(std::vector<float> { c.from }));
        expectFade(pull(loop, 1000), 0, c.from); // in from silence
        loop.setSound(PeriodicSound(std::vector<float> { c.to }));
        expectFade(pull(loop, 1000), c.from, c.to);
    }
}
