// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"
#include "SoundTestSupport.h"

#include "am/AmPlots.h"
#include "core/WavFile.h"
#include "surface/PlotActions.h"
#include "surface/SoundActions.h"
#include "surface/SoundPlayer.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// The sound of the demonstration windows: what their menus offer, the files they save and
// the samples an audio output pulls. A test machine has no audio output; where it has
// one, the tests that need it play as well.
class SoundActionsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        PlotActions::setFileChooser([this](QWidget*, const QString&, const QString& name, const QString&, QString*) {
            suggested = name;
            return savePath;
        });
    }
    void TearDown() override
    {
        PlotActions::setFileChooser(nullptr);
        ProgramTest::TearDown();
    }

    SoundActions& sound() { return *window->findChild<SoundActions*>(); }

    QTemporaryDir folder;
    QString savePath, suggested;
};

// Lets the output pull samples for a while, as the event loop does.
void listen(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

TEST_F(SoundActionsTest, EveryWindowOffersItsSoundOnCtrlPOrSaysWhyNot)
{
    const bool output = SoundPlayer::outputAvailable();
    for (const char* button : { "cmdAMenter", "cmdSSBenter", "cmdFMenter" }) {
        SCOPED_TRACE(button);
        closeAll();
        ASSERT_NO_FATAL_FAILURE(open(button));
        if (std::string(button) == "cmdFMenter") {
            // Nothing to hear before the first Update.
            EXPECT_FALSE(sound().playAction()->isEnabled());
            EXPECT_FALSE(sound().saveAction()->isEnabled());
            EXPECT_FALSE(sound().saveAction()->toolTip().isEmpty());
            ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
        }
        QAction* play = sound().playAction();
        EXPECT_EQ(play->text(), "Play sound");
        EXPECT_EQ(play->shortcut(), QKeySequence("Ctrl+P"));
        EXPECT_TRUE(window->actions().contains(play)); // the shortcut works in the whole window
        EXPECT_TRUE(sound().saveAction()->isEnabled());
        EXPECT_EQ(play->isEnabled(), output);
        if (!output) {
            EXPECT_TRUE(play->toolTip().contains("No audio output")) << play->toolTip().toStdString();
        }
    }
}

TEST_F(SoundActionsTest, SaveSoundWritesTwoSecondsOfTheSettingsAsTheyStand)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    ASSERT_NO_FATAL_FAILURE(click(*window, "optModulation140"));
    ASSERT_NO_FATAL_FAILURE(click(*window, "Option2"));
    savePath = folder.filePath("overmodulated"); // the extension comes with the type
    sound().saveAction()->trigger();
    EXPECT_EQ(suggested, "tavinel-am-140pct-1khz-linear-diode.wav");
    const QByteArray saved = fileBytes(savePath + ".wav");
    ASSERT_EQ(saved.size(), 44 + 2 * 96000);
    EXPECT_TRUE(saved.startsWith("RIFF"));
    EXPECT_EQ(saved.toStdString(), savedSoundFile(amSound()));
    EXPECT_TRUE(messages.empty());

    // A place that cannot be written: a message names it, and nothing is left behind.
    savePath = folder.filePath("missing/am.wav");
    sound().saveAction()->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(messages[0]).startsWith("Could not save \"" + savePath + "\": "));
    EXPECT_FALSE(QFile::exists(savePath));
    EXPECT_FALSE(Program::ended());
}

TEST_F(SoundActionsTest, TheFmSoundIsThatOfTheLastAcceptedUpdate)
{
    ASSERT_NO_FATAL_FAILURE(open("cmdFMenter"));
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
    savePath = folder.filePath("index1.wav");
    sound().saveAction()->trigger();
    // A rejected Update (index 20) leaves the plot, and its sound, as they were.
    qobject_cast<QLineEdit*>(window->control("txtPeakDeviation"))->setText("60k");
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdDisplay"));
    ASSERT_EQ(messages.size(), 1u);
    savePath = folder.filePath("rejected.wav");
    sound().saveAction()->trigger();
    EXPECT_EQ(fileBytes(folder.filePath("rejected.wav")), fileBytes(folder.filePath("index1.wav")));
    EXPECT_EQ(fileBytes(folder.filePath("index1.wav")).size(), 44 + 2 * 96000);
}

TEST_F(SoundActionsTest, PlaysFollowsTheSettingsAndStopsWithTheWindow)
{
    if (!SoundPlayer::outputAvailable())
        GTEST_SKIP() << "no audio output on this machine";
    ASSERT_NO_FATAL_FAILURE(open("cmdSSBenter"));
    sound().playAction()->trigger();
    EXPECT_TRUE(sound().isPlaying());
    EXPECT_EQ(sound().playAction()->text(), "Stop sound");
    listen(100);
    ASSERT_NO_FATAL_FAILURE(click(*window, "Option1"));
    EXPECT_TRUE(sound().isPlaying());
    listen(100);
    sound().playAction()->trigger();
    EXPECT_FALSE(sound().isPlaying());
    EXPECT_EQ(sound().playAction()->text(), "Play sound");
    sound().playAction()->trigger();
    SoundActions* playing = &sound();
    EXPECT_TRUE(playing->isPlaying());
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdExit"));
    EXPECT_FALSE(playing->isPlaying());
    closeAll();

    // Closed while the sound fades out after Stop.
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    sound().playAction()->trigger();
    listen(50);
    sound().playAction()->trigger();
    ASSERT_NO_FATAL_FAILURE(click(*window, "cmdExit"));
    closeAll();
    EXPECT_TRUE(messages.empty());
}

TEST(SoundLoopTest, AnOutputIsNeverKeptWaitingAndHearsAChangeWithin100Ms)
{
    SoundLoop loop;
    // Before any sound: silence, as much as asked for.
    std::vector<std::int16_t> block(480, 1);
    loop.fill(block.data(), block.size());
    EXPECT_EQ(block, std::vector<std::int16_t>(480, 0));

    std::vector<double> period(48);
    for (std::size_t i = 0; i < period.size(); ++i)
        period[i] = std::sin(2.0 * std::numbers::pi * double(i) / 48.0);
    const PeriodicSound tone = PeriodicSound::fromSignal(period, 0.5);
    loop.setSound(tone);
    // What the server holds ahead of the ear, then the fade: after that, the new sound.
    const int latencySamples = (SoundPlayer::BufferMilliseconds * 48) + int(SoundLoop::FadeSamples);
    EXPECT_LE(latencySamples, 100 * 48);
    block.assign(std::size_t(latencySamples), 0);
    loop.fill(block.data(), block.size());
    for (int i = int(SoundLoop::FadeSamples); i < latencySamples; ++i)
        ASSERT_EQ(block[std::size_t(i)], PeriodicSound::toPcm(tone.at(std::size_t(i)))) << i;
    EXPECT_FALSE(loop.isSilent());
    loop.setSound({});
    block.assign(SoundLoop::FadeSamples, 0);
    loop.fill(block.data(), block.size());
    EXPECT_TRUE(loop.isSilent());
}
