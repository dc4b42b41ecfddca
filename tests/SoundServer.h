// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A PulseAudio daemon of a test's own, with a null sink recorded by parec from its monitor:
// a real sound server for the player, found only by this process, in a temporary folder.

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <cstring>
#include <vector>

// Runs the event loop for a while, as the program does while it plays.
inline void runEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds or `milliseconds` have gone by.
template <typename Condition>
bool runEventsUntil(Condition done, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired())
        runEventsFor(20);
    return done();
}

class TestSoundServer {
public:
    // Whether this machine has the server and the recorder (packages pulseaudio and
    // pulseaudio-utils).
    static bool available()
    {
        return !QStandardPaths::findExecutable("pulseaudio").isEmpty()
            && !QStandardPaths::findExecutable("parec").isEmpty();
    }

    // From now on this process's players (and parec) find this server, and only it.
    TestSoundServer()
    {
        saved_ = { qgetenv("PULSE_SERVER"), qgetenv("PULSE_RUNTIME_PATH"), qgetenv("HOME") };
        qputenv("PULSE_SERVER", ("unix:" + socket()).toLocal8Bit());
        qputenv("PULSE_RUNTIME_PATH", folder_.path().toLocal8Bit());
        qputenv("HOME", folder_.path().toLocal8Bit());
    }
    ~TestSoundServer()
    {
        stopProcess(recorder_);
        stopProcess(server_);
        const char* names[] = { "PULSE_SERVER", "PULSE_RUNTIME_PATH", "HOME" };
        for (std::size_t i = 0; i < saved_.size(); ++i)
            saved_[i].isNull() ? void(qunsetenv(names[i])) : void(qputenv(names[i], saved_[i]));
    }
    TestSoundServer(const TestSoundServer&) = delete;
    TestSoundServer& operator=(const TestSoundServer&) = delete;

    bool valid() const { return folder_.isValid(); }
    QString socket() const { return folder_.filePath("native"); }

    // Starts the daemon; false where it did not come up within ten seconds.
    bool start()
    {
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.setStandardOutputFile(folder_.filePath("server.log"), QIODevice::Append);
        server_.start("pulseaudio",
                      { "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes", "--log-target=stderr",
                        "-L", "module-null-sink sink_name=tavinel_test rate=48000 channels=1", "-L",
                        "module-native-protocol-unix auth-anonymous=1 socket=" + socket() });
        const QString path = socket();
        return server_.waitForStarted() && runEventsUntil([&path] { return QFile::exists(path); }, 10000);
    }

    void stop()
    {
        stopProcess(server_);
        QFile::remove(socket());
    }

    // Starts recording what the sink plays; false where parec records nothing within
    // fifteen seconds (it takes a second or two to start here).
    bool startRecording()
    {
        // What an earlier recording left must not pass for this one's first samples.
        const QString recorded = folder_.filePath("recorded.raw");
        QFile::remove(recorded);
        recorder_.start("parec", { "-d", "tavinel_test.monitor", "--rate=48000", "--channels=1", "--format=s16le", "--raw", "--latency-msec=20", recorded });
        return recorder_.waitForStarted()
            && runEventsUntil([&recorded] { return QFileInfo(recorded).size() > 0; }, 15000);
    }

    // The samples recorded since startRecording, 48 kHz mono.
    std::vector<std::int16_t> stopRecording()
    {
        runEventsFor(300);
        stopProcess(recorder_);
        QFile file(folder_.filePath("recorded.raw"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        std::vector<std::int16_t> samples(std::size_t(bytes.size()) / 2);
        std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
        return samples;
    }

    static void stopProcess(QProcess& process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

private:
    QTemporaryDir folder_;
    QProcess server_, recorder_;
    std::vector<QByteArray> saved_;
};

// The seconds between the first and last loud sample of a recording (a tone's length).
inline double soundingSeconds(const std::vector<std::int16_t>& samples)
{
    std::size_t first = 0, last = samples.size();
    while (first < samples.size() && std::abs(samples[first]) < 1000)
        ++first;
    while (last > first && std::abs(samples[last - 1]) < 1000)
        --last;
    return double(last - first) / 48000.0;
}
