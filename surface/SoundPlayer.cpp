// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/SoundPlayer.h"

#include "core/SoundLoop.h"
#include "surface/SoundStream.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

QAudioFormat soundFormat()
{
    QAudioFormat format;
    format.setSampleRate(PeriodicSound::SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QString errorText(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError:
        return QObject::tr("the audio output could not be opened");
    case QAudio::IOError:
        return QObject::tr("the audio output failed while playing");
    case QAudio::FatalError:
        return QObject::tr("the audio output is no longer available");
    default:
        return QObject::tr("the audio output did not start");
    }
}

}

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent)
    , devices_(new QMediaDevices(this))
    , stream_(new SoundStream(this))
{
    connect(devices_, &QMediaDevices::audioOutputsChanged, this, &SoundPlayer::outputsChanged);
    // Once the fade-out has been played, the output is let go.
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setInterval(int(SoundLoop::FadeSamples * 1000 / PeriodicSound::SampleRate) + 2 * BufferMilliseconds);
    connect(&releaseTimer_, &QTimer::timeout, this, &SoundPlayer::release);
}

SoundPlayer::~SoundPlayer()
{
    halt();
}

bool SoundPlayer::outputAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool SoundPlayer::play(const PeriodicSound& sound, QString& reason)
{
    releaseTimer_.stop();
    stream_->setSound(sound);
    if (!sink_) {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        if (output.isNull()) {
            reason = tr("there is no audio output");
            stream_->setSound({});
            return false;
        }
        sink_ = new QAudioSink(output, soundFormat(), this);
        const int bytesPerMillisecond = PeriodicSound::SampleRate / 1000 * 2;
        sink_->setBufferSize(BufferMilliseconds * bytesPerMillisecond);
        stream_->open(QIODevice::ReadOnly);
        sink_->start(stream_);
        if (sink_->error() != QAudio::NoError) {
            reason = errorText(sink_->error());
            release();
            stream_->setSound({});
            return false;
        }
        connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError) {
                playing_ = false;
                releaseTimer_.stop();
                QTimer::singleShot(0, this, &SoundPlayer::release);
                emit failed();
            }
        });
    }
    playing_ = true;
    return true;
}

void SoundPlayer::stop()
{
    if (!playing_)
        return;
    playing_ = false;
    stream_->setSound({});
    releaseTimer_.start();
}

void SoundPlayer::halt()
{
    releaseTimer_.stop();
    if (playing_) {
        playing_ = false;
        stream_->setSound({});
    }
    release();
}

void SoundPlayer::release()
{
    if (sink_) {
        sink_->disconnect(this);
        sink_->stop();
        delete sink_;
        sink_ = nullptr;
    }
    stream_->close();
}
