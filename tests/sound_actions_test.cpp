// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"
#include "SoundServer.h"
#include "SoundTestSupport.h"

#include "am/AmPlots.h"
#include "core/WavFile.h"
#include "surface/PlotActions.h"
#include "surface/SoundActions.h"
#include "surface/SoundPlayer.h"
#include "surface/Translations.h"

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

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

TEST_F(SoundActionsTest, EveryWindowOffersItsSoundOnCtrlPAndSaysWhenThereIsNoOutput)
{
    // No sound server answers this process: a socket that is not there.
    QTemporaryDir nowhere;
    const QByteArray savedServer = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", ("unix:" + nowhere.filePath("none")).toLocal8Bit());
    for (const char* button : { "cmdAMenter", "cmdSSBenter", "cmdFMenter" }) {
        SCOPED_TRACE(button);
        closeAll();
        messages.clear();
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
        // Play is there to be pressed, with no tooltip over the entry below it; pressed, it
        // says in the window why nothing is heard.
        EXPECT_TRUE(play->isEnabled());
        EXPECT_EQ(play->toolTip(), play->text()) << "a tooltip of its own"; // the toolkit's stand-in
        activate(*window);
        QKeyEvent ctrlP(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier);
        QCoreApplication::sendEvent(window->control("cmdExit"), &ctrlP);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].starts_with("No audio output was found")) << messages[0];
        EXPECT_FALSE(sound().isPlaying());
    }
    // In the reader's language.
    closeAll();
    messages.clear();
    ASSERT_TRUE(Translations::use("de"));
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    EXPECT_EQ(sound().playAction()->text(), "Ton abspielen");
    activate(*window);
    QKeyEvent ctrlP(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier);
    QCoreApplication::sendEvent(window->control("cmdExit"), &ctrlP);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("Keine Audioausgabe gefunden")) << messages[0];
    Translations::use("en");
    closeAll();
    savedServer.isNull() ? void(qunsetenv("PULSE_SERVER")) : void(qputenv("PULSE_SERVER", savedServer));
}

// Through a sound server of the test's own: the server goes while the sound plays, and
// comes back.
TEST_F(SoundActionsTest, WhenTheOutputGoesWhileItPlaysTheWindowSaysSoOnceAndPlaysOnWhenItIsBack)
{
    if (!TestSoundServer::available())
        GTEST_SKIP() << "no PulseAudio server here (the packages pulseaudio and pulseaudio-utils)";
    TestSoundServer server;
    ASSERT_TRUE(server.start());
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    auto* player = window->findChild<SoundPlayer*>();
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(runEventsUntil([player] { return player->hasOutput(); }, 5000));
    activate(*window);
    QKeyEvent ctrlP(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier);
    QCoreApplication::sendEvent(window->control("cmdExit"), &ctrlP);
    ASSERT_TRUE(sound().isPlaying());

    server.stop();
    EXPECT_TRUE(runEventsUntil([this] { return !messages.empty(); }, 5000));
    EXPECT_FALSE(sound().isPlaying());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("The audio output has gone")) << messages[0];

    ASSERT_TRUE(server.start());
    EXPECT_TRUE(runEventsUntil([this] { return sound().isPlaying(); }, 5000)) << "the sound did not go on";
    EXPECT_EQ(messages.size(), 1u) << "said more than once";
    ASSERT_TRUE(server.startRecording());
    runEventsFor(1000);
    const double heard = soundingSeconds(server.stopRecording());
    EXPECT_GE(heard, 0.8);
    QCoreApplication::sendEvent(window->control("cmdExit"), &ctrlP);
    EXPECT_FALSE(sound().isPlaying());
    closeAll();
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
    if (!TestSoundServer::available())
        GTEST_SKIP() << "no PulseAudio server here (the packages pulseaudio and pulseaudio-utils)";
    TestSoundServer server;
    ASSERT_TRUE(server.start());
    ASSERT_NO_FATAL_FAILURE(open("cmdSSBenter"));
    auto* player = window->findChild<SoundPlayer*>();
    ASSERT_TRUE(runEventsUntil([player] { return player->hasOutput(); }, 5000));
    sound().playAction()->trigger();
    EXPECT_TRUE(sound().isPlaying());
    EXPECT_EQ(sound().playAction()->text(), "Stop sound");
    runEventsFor(100);
    ASSERT_NO_FATAL_FAILURE(click(*window, "Option1"));
    EXPECT_TRUE(sound().isPlaying());
    runEventsFor(100);
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
    player = window->findChild<SoundPlayer*>();
    ASSERT_TRUE(runEventsUntil([player] { return player->hasOutput(); }, 5000));
    sound().playAction()->trigger();
    runEventsFor(50);
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
