// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotTestSupport.h"
#include "SoundTestSupport.h"

#include "am/AmPlots.h"
#include "fm/FmSpectrumPlot.h"
#include "fm/FmState.h"
#include "ssb/SsbPlots.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace modMain;

namespace {

double db(double ratio)
{
    return 20.0 * std::log10(ratio);
}

}

TEST(AmSoundTest, TheDemodulatorOutputSoundsAsThePlotShowsIt)
{
    // The tone and its distortion: the strongest component, and the harmonics against it.
    const struct {
        float audio, depth;
        std::int16_t clipper, diode;
        double distortionAbove, distortionBelow;
    } cases[] = {
        { 1, 1.0f, 0, 0, 0, 0.01 }, // clean: a sine
        { 2, 0.5f, 0, 0, 0, 0.01 },
        { 3, 1.0f, 0, 0, 0, 0.01 },
        { 1, 1.0f, 0, 1, 0.005, 0.05 }, // the diode's knee flattens the troughs a little
        { 1, 1.2f, 0, 0, 0.05, 1 },     // overmodulated: the troughs cut off at nothing
        { 1, 1.4f, 0, 0, 0.1, 1 },
        { 1, 1.4f, 0, 1, 0.05, 1 },
        { 1, 1.4f, 1, 0, 0.05, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.audio << " kHz, depth " << c.depth << ", clipper " << c.clipper
                                        << ", diode " << c.diode);
        startUpState();
        AudioKHz = c.audio;
        ModDepth = c.depth;
        ClipperOn = c.clipper;
        DemodType = c.diode;
        const PeriodicSound sound = amSound();
        const double tone = 1000.0 * c.audio;
        EXPECT_EQ(strongestComponent(sound, 250), tone);
        const double distortion = harmonicDistortion(sound, tone);
        EXPECT_GE(distortion, c.distortionAbove);
        EXPECT_LT(distortion, c.distortionBelow);
    }
}

TEST(AmSoundTest, OneLoudnessAndNoClippingInEverySetting)
{
    float loudest = 0;
    EXPECT_EQ(forEachAmSetting([&](const std::string& setting) {
                  const PeriodicSound sound = amSound();
                  ASSERT_EQ(sound.length(), std::size_t(std::lround(48 / AudioKHz))) << setting;
                  loudest = std::max(loudest, sound.peak());
                  if (ModDepth == 0) {
                      EXPECT_LT(sound.peak(), 1e-6) << setting; // a steady carrier: nothing to hear
                  }
                  // The same depth sounds as loud at every frequency and on either scale.
                  if (ModDepth == 1 && ClipperOn == 0 && DemodType == 0) {
                      EXPECT_NEAR(componentAmplitude(sound, 1000 * AudioKHz), 0.6, 1e-3) << setting;
                  }
              }),
              168);
    EXPECT_LE(loudest, 0.85f);
    EXPECT_GE(loudest, 0.7f);
}

// The SSB sound for one setting, from the start-up state.
PeriodicSound ssbSoundOf(std::int16_t mode, float carrier, float unwanted, float audio)
{
    startUpState();
    SsbMode = mode;
    CarrierLevel = carrier;
    SidebandLevel = unwanted;
    AudioKHz = audio;
    return ssbSound();
}

TEST(SsbSoundTest, AnEnvelopeDetectorHearsTheOutline)
{
    const struct {
        const char* what;
        std::int16_t mode;
        float carrier, unwanted, audio;
        double strongest; // 0: nothing to hear
    } cases[] = {
        { "double sideband without carrier: twice the tone", 2, -120, 0, 1, 2000 },
        { "the same at 3 kHz", 2, -120, 0, 3, 6000 },
        { "double sideband with the full carrier: the tone", 2, 0, 0, 1, 1000 },
        { "upper sideband, carrier at -12 dB: the tone", 1, -12, 0, 1, 1000 },
        { "lower sideband, carrier at -12 dB at 2 kHz", -1, -12, 0, 2, 2000 },
        { "upper sideband without carrier: nothing", 1, -120, 0, 1, 0 },
        { "lower sideband without carrier: nothing", -1, -120, -120, 3, 0 },
        { "double sideband, one sideband off, no carrier: nothing", 2, -120, -120, 1, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PeriodicSound sound = ssbSoundOf(c.mode, c.carrier, c.unwanted, c.audio);
        if (c.strongest == 0) {
            EXPECT_LT(sound.peak(), 1e-5); // below what 16 bits can say
            EXPECT_EQ(sound.pcmSamples(480), std::vector<std::int16_t>(480, 0));
        } else {
            EXPECT_EQ(strongestComponent(sound, 250), c.strongest);
        }
    }
}

TEST(SsbSoundTest, OneLoudnessAndNoClippingInEverySetting)
{
    float loudest = 0;
    EXPECT_EQ(forEachSsbSetting([&](const std::string& setting) {
                  const PeriodicSound sound = ssbSound();
                  ASSERT_FALSE(sound.isEmpty()) << setting;
                  loudest = std::max(loudest, sound.peak());
              }),
              576);
    EXPECT_LE(loudest, 0.85f);
    EXPECT_GE(loudest, 0.7f);
}

TEST(SsbSoundTest, TheOutlineSoundsAtItsLoudness)
{
    // The sound is the waveform's outline, in units of the full carrier, less its mean,
    // times 0.8. A tone's period holds N = 48 / kHz samples, the outline's crest at t = 0
    // and its trough at t = pi among them. Both full sidebands with the full carrier give
    // 1 + cos t; without the lower one, |2 + e^jt| / 2. One sideband with the carrier 6 dB
    // below full is |1 + e^jt| / 2 = |cos t/2|, whose mean over the samples is
    // cot(pi / 2N) / N; both sidebands without carrier give |cos t|, mean 2 cot(pi / N) / N.
    // A mean below 0: none worked out, only the swing is checked.
    const double pi = std::numbers::pi, singleCarrier = std::pow(10.0, 6.0 / 20);
    const struct {
        const char* what;
        std::int16_t mode;
        float carrier, unwanted, audio;
        double high, low, mean, meanSquare;
    } cases[] = {
        { "double sideband, full carrier", 2, 0, 0, 1, 2, 0, 1, 1.5 },
        { "the same at 3 kHz", 2, 0, 0, 3, 2, 0, 1, 1.5 },
        { "lower sideband off, full carrier", 2, 0, -120, 2, 1.5, 0.5, -1, 0 },
        { "double sideband without carrier", 2, -120, 0, 2, 1, 0, 2 / std::tan(pi / 24) / 24, 0.5 },
        { "upper sideband, carrier at -6 dB", 1, -6, 0, 1, 1, 0, 1 / std::tan(pi / 96) / 48, 0.5 },
        { "lower sideband, carrier at -6 dB at 3 kHz", -1, -6, 0, 3, 1, 0, 1 / std::tan(pi / 32) / 16, 0.5 },
        { "upper sideband, full carrier", 1, 0, 0, 1, (1 + singleCarrier) / 2, (singleCarrier - 1) / 2, -1, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PeriodicSound sound = ssbSoundOf(c.mode, c.carrier, c.unwanted, c.audio);
        const std::vector<float>& samples = sound.period();
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        EXPECT_NEAR(*high - *low, 0.8 * (c.high - c.low), 1e-6);
        if (c.mean < 0)
            continue;
        double square = 0;
        for (float sample : samples)
            square += double(sample) * sample / double(samples.size());
        EXPECT_NEAR(sound.peak(), 0.8 * std::max(c.high - c.mean, c.mean - c.low), 1e-6);
        EXPECT_NEAR(std::sqrt(square), 0.8 * std::sqrt(c.meanSquare - c.mean * c.mean), 1e-6);
    }
}

class FmSoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        startUpState();
        FmState::clearFmState();
    }

    // The values of an accepted Update.
    static void update(float modulating, float deviation, float width = 25000, float bottom = 60)
    {
        FmState::ModulatingFrequency = modulating;
        FmState::PeakDeviation = deviation;
        FmState::ModIndex = float(double(deviation) / modulating);
        FmState::PlotBottom = bottom;
        PanelWidth = width;
    }
};

TEST_F(FmSoundTest, TheLinesHaveThePlotsLevels)
{
    update(3000, 3000);
    const PeriodicSound sound = fmSound();
    const auto lines = fmSpectrumLines();
    ASSERT_EQ(fmSoundCarrierTones(), 24); // a 250 Hz tone under a 6 kHz carrier
    const double carrier = componentAmplitude(sound, 6000);
    double carrierLevel = 0;
    for (const SpectrumLine& line : lines)
        if (line.order == 0)
            carrierLevel = line.levelDb();
    for (const SpectrumLine& line : lines) {
        if (line.order > 2)
            continue;
        SCOPED_TRACE(testing::Message() << "line at " << line.offsetHz << " Hz");
        const double heard = componentAmplitude(sound, 6000 + line.offsetHz / 3000 * 250);
        EXPECT_NEAR(db(heard / carrier), line.levelDb() - carrierLevel, 0.5);
    }
    EXPECT_NEAR(sound.peak(), 0.6, 1e-3); // a constant amplitude, whatever the index
}

TEST_F(FmSoundTest, EveryLineThePlotDrawsIsAudible)
{
    // Index 15 with a plot wide and deep enough for every order up to 100 on the panel.
    const struct {
        float modulating, deviation, width, bottom;
        int carrierTones;
    } cases[] = {
        { 1000, 15000, 250000, 60, 24 },
        { 1000, 15000, 250000, 200, 0 },
        { 1000, 0, 25000, 60, 24 },
        { -3000, 3000, 25000, 60, 24 },
        { 100, 1500, 1e7, 900, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.modulating << " Hz, deviation " << c.deviation << ", bottom " << c.bottom);
        update(c.modulating, c.deviation, c.width, c.bottom);
        const auto lines = fmSpectrumLines();
        const int tones = fmSoundCarrierTones();
        if (c.carrierTones != 0) {
            EXPECT_EQ(tones, c.carrierTones);
        }
        const PeriodicSound sound = fmSound();
        const double toneHz = 6000.0 / tones;
        EXPECT_EQ(sound.length(), std::size_t(8 * tones));
        for (const SpectrumLine& line : lines) {
            const double hz = 6000 + line.order * (line.offsetHz < 0 ? -toneHz : toneHz);
            EXPECT_GE(hz, 2 * toneHz) << line.order;
            EXPECT_LT(hz, 20000) << line.order;
        }
        EXPECT_LE(sound.peak(), 0.61f);
    }
}
