// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/SoundActions.h"

#include "core/WavFile.h"
#include "surface/Form.h"
#include "surface/PlotActions.h"
#include "surface/Program.h"
#include "surface/SoundPlayer.h"

#include <QAction>
#include <QEvent>

SoundActions::SoundActions(PlotActions& actions)
    : QObject(&actions)
    , actions_(actions)
    , form_(actions.form())
    , play_(new QAction(tr("Play sound"), &form_))
    , save_(new QAction(tr("Save sound…"), &form_))
    , player_(new SoundPlayer(this))
{
    play_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(play_, &QAction::triggered, this, &SoundActions::togglePlay);
    connect(save_, &QAction::triggered, this, &SoundActions::saveSound);
    connect(&form_, &Form::plotsRedrawn, this, &SoundActions::settingsChanged);
    connect(player_, &SoundPlayer::outputsChanged, this, &SoundActions::outputsChanged);
    connect(player_, &SoundPlayer::failed, this, &SoundActions::outputLost);
    actions_.addAction(play_, true);
    actions_.addAction(save_);
    form_.installEventFilter(this);
    hasOutput_ = player_->hasOutput();
    offer();
}

bool SoundActions::isPlaying() const
{
    return player_->isPlaying();
}

void SoundActions::settingsChanged()
{
    if (player_->isPlaying()) {
        QString reason;
        if (const PeriodicSound sound = form_.model().sound(); sound.isEmpty())
            stop();
        else
            player_->play(sound, reason);
    }
    offer();
}

void SoundActions::togglePlay()
{
    resumeWhenBack_ = false;
    if (player_->isPlaying()) {
        stop();
        return;
    }
    const PeriodicSound sound = form_.model().sound();
    if (sound.isEmpty())
        return;
    // Without an audio output the window says so, rather than nothing at all.
    if (!hasOutput_) {
        form_.showMessage(noOutput().toStdString());
        return;
    }
    QString reason;
    if (!player_->play(sound, reason))
        form_.showMessage(tr("Could not play the sound: %1.").arg(reason).toStdString());
    offer();
}

QString SoundActions::noOutput()
{
    return tr("No audio output was found: connect speakers or headphones (or start the sound server) to hear the "
              "plots.");
}

// The output went while the sound played: the window says so once, and the sound goes on
// when the output is back.
void SoundActions::outputLost()
{
    hasOutput_ = player_->hasOutput();
    offer();
    if (!form_.isVisible())
        return;
    resumeWhenBack_ = true;
    form_.showMessage(tr("The audio output has gone: the sound goes on as soon as it is back.").toStdString());
}

void SoundActions::outputsChanged()
{
    hasOutput_ = player_->hasOutput();
    if (hasOutput_ && resumeWhenBack_ && form_.isVisible()) {
        resumeWhenBack_ = false;
        QString reason;
        if (const PeriodicSound sound = form_.model().sound(); !sound.isEmpty())
            player_->play(sound, reason);
    }
    offer();
}

void SoundActions::stop()
{
    player_->stop();
    offer();
}

void SoundActions::saveSound()
{
    const PeriodicSound sound = form_.model().sound();
    if (sound.isEmpty())
        return;
    QString path = actions_.chooseFile(tr("Save sound"),
                                       QString::fromStdString(soundFileName(actions_.source())),
                                       tr("WAV sound (*.wav)"), nullptr);
    if (path.isEmpty())
        return;
    if (!path.contains('.'))
        path += ".wav";
    actions_.save(path, QByteArray::fromStdString(savedSoundFile(sound)));
}

// What the actions offer as things stand: Play and Save need a sound (Play says so when
// there is no audio output to play it on); each says why when it cannot be used.
void SoundActions::offer()
{
    const bool playing = player_->isPlaying();
    const bool hasSound = playing || actions_.source().hasPlot();
    play_->setText(playing ? tr("Stop sound") : tr("Play sound"));
    play_->setEnabled(hasSound);
    save_->setEnabled(hasSound);
    const QString noSound = hasSound ? QString() : tr("Nothing to hear until the window shows its plot.");
    play_->setToolTip(noSound);
    save_->setToolTip(noSound);
}

bool SoundActions::eventFilter(QObject* watched, QEvent* event)
{
    // A window that closes falls silent at once, and lets the output go while it is
    // still whole.
    if (watched == &form_ && event->type() == QEvent::Hide && !form_.isVisible()) {
        resumeWhenBack_ = false;
        player_->halt();
        offer();
    }
    return QObject::eventFilter(watched, event);
}
