// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PeriodicSound.h"

#include <QObject>
#include <QTimer>

class QAudioSink;
class QMediaDevices;
class SoundStream;

// Plays a sound on the default audio output until it is stopped, fading over to each new
// sound it is given. The output keeps only 30 ms of samples ahead of the ear, so a new
// sound is heard within 40 ms (with the 10 ms fade), and a stop fades out before the
// output is let go. Nothing is opened until the first play.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int BufferMilliseconds = 30;

    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Whether there is an audio output to play on.
    static bool outputAvailable();

    // Starts playing `sound`, or fades over to it when playing already. False, with the
    // reason, when the output cannot be opened.
    bool play(const PeriodicSound& sound, QString& reason);
    // Fades out, then lets the output go.
    void stop();
    // Stops at once and lets the output go, as a window that closes must: the output's
    // destructor runs the event loop, which a window half taken down cannot bear.
    void halt();
    bool isPlaying() const { return playing_; }

signals:
    // The audio outputs came or went.
    void outputsChanged();
    // The output stopped by itself (it went away): nothing plays any longer.
    void failed();

private:
    void release();

    QMediaDevices* devices_;
    SoundStream* stream_;
    QAudioSink* sink_ = nullptr;
    QTimer releaseTimer_;
    bool playing_ = false;
};
