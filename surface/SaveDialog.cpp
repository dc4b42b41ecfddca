// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/SaveDialog.h"

#include <QAbstractItemView>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace {

QString lastFolder; // where the user saved last, for the rest of the run

// The share of the window's width and height the dialog takes, when that is more than it needs.
constexpr double ShareOfWindow = 0.8;

// The file list's columns as wide as their titles and what they hold, in the dialog's
// font: the toolkit's widths are for its own small text, and cut "Size", "Type" and
// "Date Modified" in a large one.
void fitColumnsToText(QFileDialog& dialog, int line)
{
    const QFontMetrics metrics(dialog.font());
    const QString samples[] = { QString(), QStringLiteral("1023.9 KiB"), QString(),
                                QLocale().toString(QDateTime(QDate(2026, 12, 30), QTime(23, 59)), QLocale::ShortFormat) };
    for (auto* header : dialog.findChildren<QHeaderView*>()) {
        if (!header->model())
            continue;
        header->setFont(dialog.font());
        for (int section = 1; section < header->count(); ++section) {
            const QString title = header->model()->headerData(section, header->orientation()).toString();
            const QString sample = section < int(std::size(samples)) ? samples[section] : QString();
            const int wanted = std::max(metrics.horizontalAdvance(title) + 2 * line, metrics.horizontalAdvance(sample) + line);
            header->resizeSection(section, std::max(header->sectionSize(section), wanted));
        }
    }
}

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
        fitColumnsToText(dialog, line);
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
