// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/SoundStream.h"

#include <cstdint>

SoundStream::SoundStream(QObject* parent)
    : QIODevice(parent)
{
}

void SoundStream::setSound(const PeriodicSound& sound)
{
    const std::lock_guard lock(mutex_);
    loop_.setSound(sound);
}

bool SoundStream::isSilent() const
{
    const std::lock_guard lock(mutex_);
    return loop_.isSilent();
}

bool SoundStream::open(OpenMode mode)
{
    return QIODevice::open(mode | QIODevice::Unbuffered);
}

qint64 SoundStream::bytesAvailable() const
{
    // Always a second more: the loop never runs dry.
    return PeriodicSound::SampleRate * qint64(sizeof(std::int16_t)) + QIODevice::bytesAvailable();
}

qint64 SoundStream::readData(char* data, qint64 maxSize)
{
    const auto count = std::size_t(maxSize) / sizeof(std::int16_t);
    const std::lock_guard lock(mutex_);
    loop_.fill(reinterpret_cast<std::int16_t*>(data), count);
    return qint64(count * sizeof(std::int16_t));
}

qint64 SoundStream::writeData(const char*, qint64)
{
    return -1;
}
