// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Asks where to save a file, in a dialog at the window's size (its text in the window's
// font, its icons as high as a line of that text, most of the window's width and height),
// starting in the user's Pictures, Documents or Music folder by what is saved (a picture,
// a table, a sound), or in the folder last saved to while the program runs. `name` is the
// suggested file name, `filters` as QFileDialog takes them, `chosen` the filter chosen
// (may be nullptr). Empty when the user cancels.
QString askWhereToSave(QWidget* owner, const QString& title, const QString& name, const QString& filters,
                       QString* chosen);

// The folder such a dialog starts in for a file of this name.
QString saveFolderFor(const QString& name);

// For tests: forgets the folder last saved to.
void forgetLastSaveFolder();
