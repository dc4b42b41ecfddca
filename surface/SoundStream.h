// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SoundLoop.h"

#include <QIODevice>

#include <mutex>

// The samples an audio output pulls: 16-bit PCM, mono, 48 kHz, from a SoundLoop. A read
// never waits; it returns as many samples as asked for, silence when nothing plays. The
// window's thread changes the sound while the output may read from another thread.
class SoundStream : public QIODevice {
    Q_OBJECT
public:
    explicit SoundStream(QObject* parent = nullptr);

    // Fades over to `sound` (an empty one fades to silence).
    void setSound(const PeriodicSound& sound);
    bool isSilent() const;

    // Always unbuffered: a buffer of its own would keep samples of an old sound ahead of
    // the output's.
    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    mutable std::mutex mutex_;
    SoundLoop loop_;
};
