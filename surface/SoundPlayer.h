// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"
#include "core/SoundLoop.h"

#include <QObject>
#include <QTimer>

#include <mutex>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// Plays a sound on the sound server's default output until it is stopped, fading over to
// each new sound it is given. The server is asked for its samples BufferMilliseconds ahead
// of the ear: enough that a busy machine does not leave it without, little enough that a
// new sound is heard within 100 ms (with the 10 ms fade). Playing starts once that much is
// there, and a stop fades out before the stream is let go.
//
// The player keeps a connection to the server from the start; when the server goes away
// (or is not there yet) it looks for it again every two seconds and says so when it comes
// or goes.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int BufferMilliseconds = 80;

    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Whether a sound server answers now.
    static bool outputAvailable();
    bool hasOutput() const { return hasOutput_; }

    // Starts playing `sound`, or fades over to it when playing already. False, with the
    // reason, when there is no output to play on.
    bool play(const PeriodicSound& sound, QString& reason);
    // Fades out, then lets the stream go.
    void stop();
    // Stops at once and lets the stream go, as a window that closes must.
    void halt();
    bool isPlaying() const { return playing_; }

    // How long a sample written now takes to reach the ear, as the server reckons it; -1
    // when nothing plays or the server has not said yet.
    int latencyMilliseconds() const;

signals:
    // The sound server came or went.
    void outputsChanged();
    // The output stopped by itself (the server went away): nothing plays any longer.
    void failed();

private:
    void connectToServer();
    void disconnectFromServer();
    // Waits a little for a connection under way to be made or refused.
    void awaitConnection(int milliseconds);
    bool openStream(QString& reason);
    void release();
    // What the server's connection and the stream say now, looked at on the window's
    // thread after a callback has said something changed.
    void reviewState();

    static void contextStateChanged(pa_context* context, void* player);
    static void streamStateChanged(pa_stream* stream, void* player);
    static void streamWantsSamples(pa_stream* stream, std::size_t bytes, void* player);

    pa_threaded_mainloop* mainloop_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::mutex loopMutex_;
    SoundLoop loop_;
    QTimer releaseTimer_;
    QTimer lookTimer_;
    bool playing_ = false;
    bool hasOutput_ = false;
};
