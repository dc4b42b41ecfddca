// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/SaveDialog.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>

#include <algorithm>

namespace {

QString lastFolder; // where the user saved last, for the rest of the run

// The share of the window's width and height the dialog takes, when that is more than it needs.
constexpr double ShareOfWindow = 0.8;

}

QString saveFolderFor(const QString& name)
{
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir())
        return lastFolder;
    const QString suffix = QFileInfo(name).suffix().toLower();
    const auto kind = suffix == "png" || suffix == "svg" ? QStandardPaths::PicturesLocation
        : suffix == "wav"                                ? QStandardPaths::MusicLocation
                                                         : QStandardPaths::DocumentsLocation;
    const QString folder = QStandardPaths::writableLocation(kind);
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString askWhereToSave(QWidget* owner, const QString& title, const QString& name, const QString& filters,
                       QString* chosen)
{
    // Qt's own dialog, so that it takes the window's size as the message boxes do.
    QFileDialog dialog(owner, title, saveFolderFor(name), filters);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (chosen && !chosen->isEmpty())
        dialog.selectNameFilter(*chosen);
    dialog.selectFile(name);
    if (owner) {
        dialog.setFont(owner->font());
        const int line = QFontMetrics(owner->font()).height();
        for (auto* view : dialog.findChildren<QAbstractItemView*>())
            view->setIconSize(QSize(line, line));
        for (auto* button : dialog.findChildren<QToolButton*>())
            button->setIconSize(QSize(line, line));
        QSize size = dialog.sizeHint().expandedTo(owner->window()->size() * ShareOfWindow);
        if (const QScreen* screen = owner->screen())
            size = size.boundedTo(screen->availableSize());
        dialog.resize(size);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosen)
        *chosen = dialog.selectedNameFilter();
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(path).absolutePath();
    return path;
}

void forgetLastSaveFolder()
{
    lastFolder.clear();
}
