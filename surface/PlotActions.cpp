// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/PlotActions.h"

#include "core/WholeFile.h"
#include "surface/Form.h"
#include "surface/PictureExport.h"
#include "surface/Program.h"
#include "surface/SaveDialog.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

PlotActions::FileChooser fileChooser = askWhereToSave;

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}

PlotActions::PlotActions(Form& form)
    : QObject(&form)
    , form_(form)
    , source_(*form.model().plots())
{
    auto action = [this](const QString& text, const QKeySequence& shortcut, auto slot) {
        auto* created = new QAction(text, &form_);
        created->setShortcut(shortcut);
        connect(created, &QAction::triggered, this, [slot] { slot(); });
        form_.addAction(created);
        return created;
    };
    menuActions_ = { action(tr("Copy picture"), QKeySequence::Copy, [this] { copyPicture(); }),
                     action(tr("Save picture…"), QKeySequence::Save, [this] { savePicture(); }) };
    copyData_ = action(tr("Copy data"), {}, [this] { copyData(menuPanel_); });
    saveData_ = action(tr("Save data…"), {}, [this] { saveData(menuPanel_); });
    menuActions_ << copyData_ << saveData_;
    groupStarts_ << copyData_;
    action(tr("Copy the spectrum's lines"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
           [this] { copySpectrumLines(); });
    form_.installEventFilter(this);
}

void PlotActions::addAction(QAction* action, bool beginsGroup)
{
    form_.addAction(action);
    menuActions_ << action;
    if (beginsGroup)
        groupStarts_ << action;
}

void PlotActions::setFileChooser(FileChooser chooser)
{
    fileChooser = chooser ? std::move(chooser) : FileChooser(askWhereToSave);
}

QString PlotActions::readoutAt(QPointF logical)
{
    return fromUtf8(form_.model().readout(logical.x(), logical.y()));
}

bool PlotActions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &form_ && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = readoutAt(form_.toLogical(help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else {
            QToolTip::setFont(form_.font()); // as large as the window's own text
            QToolTip::showText(help->globalPos(), text, &form_);
        }
        return true;
    }
    if (watched == &form_ && event->type() == QEvent::ContextMenu) {
        auto* request = static_cast<QContextMenuEvent*>(event);
        const QPointF logical = form_.toLogical(request->pos());
        const int panel = panelAt(source_, logical.x(), logical.y());
        if (panel < 0)
            return false;
        showMenu(panel, request->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void PlotActions::showMenu(int panel, QPoint globalPosition)
{
    menuPanel_ = panel;
    const bool hasData = panelHasData(source_, std::size_t(panel));
    copyData_->setEnabled(hasData);
    saveData_->setEnabled(hasData);
    QMenu menu(&form_);
    menu.setFont(form_.font());
    menu.setToolTipsVisible(true); // an action that cannot be used says why
    for (QAction* action : menuActions_) {
        if (groupStarts_.contains(action))
            menu.addSeparator();
        menu.addAction(action);
    }
    menu.exec(globalPosition);
    copyData_->setEnabled(true);
    saveData_->setEnabled(true);
}

void PlotActions::copyPicture()
{
    QGuiApplication::clipboard()->setImage(PictureExport::windowImage(form_));
}

QString PlotActions::chooseFile(const QString& title, const QString& name, const QString& filters, QString* chosen)
{
    return fileChooser(&form_, title, name, filters, chosen);
}

void PlotActions::save(const QString& path, const QByteArray& bytes)
{
    std::string reason;
    if (!writeWhole(path.toStdString(), bytes.toStdString(), reason))
        form_.showMessage(tr("Could not save \"%1\": %2.").arg(path, QString::fromStdString(reason)).toStdString());
}

void PlotActions::savePicture()
{
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    QString chosen = png;
    QString path = chooseFile(tr("Save picture"), fromUtf8(pictureFileName(source_, "png")),
                              png + ";;" + svg, &chosen);
    if (path.isEmpty())
        return;
    const bool vector = path.endsWith(".svg", Qt::CaseInsensitive)
        || (chosen == svg && !path.endsWith(".png", Qt::CaseInsensitive));
    if (!path.contains('.'))
        path += vector ? ".svg" : ".png";
    save(path, vector ? PictureExport::svg(form_) : PictureExport::png(form_));
}

void PlotActions::copyData(int panel)
{
    if (panel < 0)
        return;
    if (const std::string table = form_.model().table(std::size_t(panel), '	'); !table.empty())
        QGuiApplication::clipboard()->setText(fromUtf8(table));
}

void PlotActions::saveData(int panel)
{
    if (panel < 0)
        return;
    const std::string table = form_.model().table(std::size_t(panel), ',');
    if (table.empty())
        return;
    QString path = chooseFile(tr("Save data"), fromUtf8(dataFileName(source_, std::size_t(panel))),
                              tr("CSV table (*.csv)"), nullptr);
    if (path.isEmpty())
        return;
    if (!path.contains('.'))
        path += ".csv";
    save(path, QByteArray::fromStdString(table));
}

void PlotActions::copySpectrumLines()
{
    const auto panels = source_.plotPanels();
    for (std::size_t i = 0; i < panels.size(); ++i)
        if (panels[i].kind == PlotPanel::Kind::Spectrum) {
            copyData(int(i));
            return;
        }
}
