// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/SoundPlayer.h"

#include <pulse/pulseaudio.h>

#include <QDeadlineTimer>
#include <QThread>

#include <cstdint>

namespace {

constexpr pa_sample_spec soundFormat { PA_SAMPLE_S16LE, std::uint32_t(PeriodicSound::SampleRate), 1 };

// Holds the player's main loop for as long as it lives, as every call into a stream or
// connection the loop's thread serves must be made.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* mainloop)
        : mainloop_(mainloop)
    {
        pa_threaded_mainloop_lock(mainloop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(mainloop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* mainloop_;
};

bool isConnecting(pa_context_state_t state)
{
    return state == PA_CONTEXT_UNCONNECTED || state == PA_CONTEXT_CONNECTING || state == PA_CONTEXT_AUTHORIZING
        || state == PA_CONTEXT_SETTING_NAME;
}

}

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent)
    , mainloop_(pa_threaded_mainloop_new())
{
    // Once the fade-out has been played, the stream is let go.
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setInterval(int(SoundLoop::FadeSamples * 1000 / PeriodicSound::SampleRate) + 2 * BufferMilliseconds);
    connect(&releaseTimer_, &QTimer::timeout, this, &SoundPlayer::release);
    // Without a server, look for one every two seconds.
    lookTimer_.setInterval(2000);
    connect(&lookTimer_, &QTimer::timeout, this, [this] {
        if (!context_)
            connectToServer();
    });
    pa_threaded_mainloop_start(mainloop_);
    connectToServer();
    // A local server answers within milliseconds: the window knows at once whether it can play.
    awaitConnection(500);
}

SoundPlayer::~SoundPlayer()
{
    lookTimer_.stop();
    releaseTimer_.stop();
    release();
    disconnectFromServer();
    pa_threaded_mainloop_stop(mainloop_);
    pa_threaded_mainloop_free(mainloop_);
}

bool SoundPlayer::outputAvailable()
{
    const SoundPlayer player;
    return player.hasOutput();
}

bool SoundPlayer::play(const PeriodicSound& sound, QString& reason)
{
    releaseTimer_.stop();
    if (!stream_) {
        if (!hasOutput_)
            awaitConnection(500);
        if (!hasOutput_) {
            reason = tr("there is no audio output");
            return false;
        }
    }
    {
        const std::lock_guard lock(loopMutex_);
        loop_.setSound(sound);
    }
    if (!stream_ && !openStream(reason)) {
        release();
        return false;
    }
    playing_ = true;
    return true;
}

void SoundPlayer::stop()
{
    if (!playing_)
        return;
    playing_ = false;
    {
        const std::lock_guard lock(loopMutex_);
        loop_.setSound({});
    }
    releaseTimer_.start();
}

void SoundPlayer::halt()
{
    releaseTimer_.stop();
    playing_ = false;
    release();
}

int SoundPlayer::latencyMilliseconds() const
{
    const LoopLock lock(mainloop_);
    pa_usec_t latency = 0;
    int negative = 0;
    if (!stream_ || pa_stream_get_latency(stream_, &latency, &negative) < 0)
        return -1;
    return negative ? 0 : int(latency / 1000);
}

void SoundPlayer::connectToServer()
{
    bool refused = false;
    {
        const LoopLock lock(mainloop_);
        context_ = pa_context_new(pa_threaded_mainloop_get_api(mainloop_), "Tavinel");
        pa_context_set_state_callback(context_, &SoundPlayer::contextStateChanged, this);
        // The server a desktop session starts, or the one PULSE_SERVER names: never one
        // started for the program's sake.
        refused = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0;
    }
    if (refused) {
        disconnectFromServer();
        reviewState();
    }
}

void SoundPlayer::disconnectFromServer()
{
    const LoopLock lock(mainloop_);
    if (!context_)
        return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void SoundPlayer::awaitConnection(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    for (;;) {
        bool connecting = false;
        {
            const LoopLock lock(mainloop_);
            connecting = context_ && isConnecting(pa_context_get_state(context_));
        }
        if (!connecting || deadline.hasExpired())
            break;
        QThread::msleep(2);
    }
    reviewState();
}

bool SoundPlayer::openStream(QString& reason)
{
    const LoopLock lock(mainloop_);
    stream_ = pa_stream_new(context_, "Tavinel", &soundFormat, nullptr);
    if (!stream_) {
        reason = QString::fromUtf8(pa_strerror(pa_context_errno(context_)));
        return false;
    }
    pa_stream_set_state_callback(stream_, &SoundPlayer::streamStateChanged, this);
    pa_stream_set_write_callback(stream_, &SoundPlayer::streamWantsSamples, this);
    // BufferMilliseconds from the sample written to the ear, asked for 10 ms at a time;
    // playing starts when the whole of it is there (the default start level).
    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(pa_usec_to_bytes(BufferMilliseconds * PA_USEC_PER_MSEC, &soundFormat));
    buffer.prebuf = std::uint32_t(-1);
    buffer.minreq = std::uint32_t(pa_usec_to_bytes(10 * PA_USEC_PER_MSEC, &soundFormat));
    buffer.fragsize = std::uint32_t(-1);
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE
                                         | PA_STREAM_INTERPOLATE_TIMING);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        reason = QString::fromUtf8(pa_strerror(pa_context_errno(context_)));
        return false;
    }
    return true;
}

void SoundPlayer::release()
{
    const LoopLock lock(mainloop_);
    if (stream_) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    const std::lock_guard loopLock(loopMutex_);
    loop_ = SoundLoop();
}

void SoundPlayer::reviewState()
{
    bool ready = false, dead = false, streamFailed = false;
    {
        const LoopLock lock(mainloop_);
        if (context_) {
            const pa_context_state_t state = pa_context_get_state(context_);
            ready = state == PA_CONTEXT_READY;
            dead = state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
        }
        if (stream_) {
            const pa_stream_state_t state = pa_stream_get_state(stream_);
            streamFailed = !ready || state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
        }
    }
    if (streamFailed) {
        release();
        releaseTimer_.stop();
        if (playing_) {
            playing_ = false;
            emit failed();
        }
    }
    if (dead)
        disconnectFromServer();
    if (context_)
        lookTimer_.stop();
    else if (!lookTimer_.isActive())
        lookTimer_.start();
    if (ready != hasOutput_) {
        hasOutput_ = ready;
        emit outputsChanged();
    }
}

// The callbacks below run on the main loop's thread, with the loop locked.

void SoundPlayer::contextStateChanged(pa_context*, void* player)
{
    auto* self = static_cast<SoundPlayer*>(player);
    QMetaObject::invokeMethod(
        self, [self] { self->reviewState(); }, Qt::QueuedConnection);
}

void SoundPlayer::streamStateChanged(pa_stream*, void* player)
{
    auto* self = static_cast<SoundPlayer*>(player);
    QMetaObject::invokeMethod(
        self, [self] { self->reviewState(); }, Qt::QueuedConnection);
}

void SoundPlayer::streamWantsSamples(pa_stream* stream, std::size_t bytes, void* player)
{
    auto* self = static_cast<SoundPlayer*>(player);
    while (bytes >= sizeof(std::int16_t)) {
        void* samples = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream, &samples, &size) < 0 || !samples)
            return;
        size -= size % sizeof(std::int16_t);
        if (size == 0) {
            pa_stream_cancel_write(stream);
            return;
        }
        {
            const std::lock_guard lock(self->loopMutex_);
            self->loop_.fill(static_cast<std::int16_t*>(samples), size / sizeof(std::int16_t));
        }
        if (pa_stream_write(stream, samples, size, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        bytes -= size;
    }
}
