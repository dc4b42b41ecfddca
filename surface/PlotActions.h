// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PlotSource.h"

#include <QList>
#include <QObject>

#include <functional>

class Form;
class QAction;

// What a demonstration window offers on its plots without a button of its own: a context
// menu on each plot panel (copy or save the picture, copy or save that plot's data, and
// what others add, such as the sound), shortcuts for the whole window (Ctrl+C, Ctrl+S,
// Ctrl+Shift+C) and readouts of the lines and traces in tooltips.
// The numbers, names and texts come from the window's model.
class PlotActions : public QObject {
    Q_OBJECT
public:
    explicit PlotActions(Form& form);

    // The window and the plots these actions act on.
    Form& form() { return form_; }
    PlotSource& source() { return source_; }

    // Another action of the panels' context menu, its shortcut working in the whole window;
    // a separator above it when it begins a group.
    void addAction(QAction* action, bool beginsGroup = false);

    // The readout over a point of the window, in logical units; empty where there is none.
    QString readoutAt(QPointF logical);

    // Asks where to save: (window, title, suggested file name, filters, chosen filter) ->
    // the path, or nothing when the user cancels. A file dialog, unless tests put their own
    // in place (nullptr restores the dialog).
    using FileChooser
        = std::function<QString(QWidget*, const QString&, const QString&, const QString&, QString*)>;
    static void setFileChooser(FileChooser chooser);

    // Asks where to save (see FileChooser): empty when the user cancels.
    QString chooseFile(const QString& title, const QString& name, const QString& filters, QString* chosen);
    // Writes a file whole or not at all; a place that cannot be written is named in a
    // message, with the reason.
    void save(const QString& path, const QByteArray& bytes);

    void copyPicture();
    void savePicture();
    // The data of one plot panel (an index into the source's panels).
    void copyData(int panel);
    void saveData(int panel);
    void copySpectrumLines();
    // The context menu of one plot panel, at a point of the screen; it returns once the
    // menu has closed.
    void showMenu(int panel, QPoint globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form& form_;
    PlotSource& source_;
    QList<QAction*> menuActions_;
    QList<QAction*> groupStarts_; // the actions with a separator above them
    QAction* copyData_;
    QAction* saveData_;
    int menuPanel_ = -1;
};
