// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class Form;
class PlotActions;
class QAction;
class SoundPlayer;

// The sound of a window's plots, in their context menu: "Play sound" (Ctrl+P in the whole
// window), which becomes "Stop sound" while it plays, and "Save sound…", two seconds as a
// WAV file. While it plays, the sound follows every change of setting the window reports;
// it stops when the window closes. Without an audio output, Play says so; when the output
// goes while the sound plays, the window says so once and plays on when it is back.
class SoundActions : public QObject {
    Q_OBJECT
public:
    explicit SoundActions(PlotActions& actions);

    void togglePlay();
    void saveSound();
    bool isPlaying() const;

    QAction* playAction() const { return play_; }
    QAction* saveAction() const { return save_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's settings have changed (its plots have just been redrawn).
    void settingsChanged();
    void stop();
    void offer();
    void outputLost();
    void outputsChanged();
    static QString noOutput();

    PlotActions& actions_;
    Form& form_;
    QAction* play_;
    QAction* save_;
    SoundPlayer* player_;
    bool hasOutput_ = false;
    bool resumeWhenBack_ = false; // the output went while the sound played
};
