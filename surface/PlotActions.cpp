// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/PlotActions.h"

#include "surface/Form.h"
#include "surface/PainterSurface.h"
#include "surface/Program.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QString fileDialog(QWidget* parent, const QString& title, const QString& name, const QString& filters,
                   QString* chosen)
{
    return QFileDialog::getSaveFileName(parent, title, name, filters, chosen);
}

PlotActions::FileChooser fileChooser = fileDialog;

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}

PlotActions::PlotActions(Form& form, PlotSource& source)
    : QObject(&form)
    , form_(form)
    , source_(source)
{
    auto action = [this](const QString& text, const QKeySequence& shortcut, auto slot) {
        auto* created = new QAction(text, &form_);
        created->setShortcut(shortcut);
        connect(created, &QAction::triggered, this, [this, slot] { Program::runHandler(form_, [slot] { slot(); }); });
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
    action(tr("Help"), QKeySequence::HelpContents, [this] { showHelp(); });
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
    fileChooser = chooser ? std::move(chooser) : FileChooser(fileDialog);
}

int PlotActions::panelAt(QPointF logical) const
{
    const auto panels = source_.plotPanels();
    for (std::size_t i = 0; i < panels.size(); ++i)
        if (panels[i].area.contains(logical))
            return int(i);
    return -1;
}

std::string PlotActions::dataTable(const PlotSource::Panel& panel, char separator)
{
    if (panel.kind == PlotSource::Panel::Kind::Spectrum) {
        const auto lines = source_.spectrumLines();
        return lines.empty() ? std::string() : spectrumTable(lines, separator);
    }
    auto traces = source_.traces();
    std::erase_if(traces, [&](const Trace& trace) { return trace.plot != panel.trace; });
    return traces.empty() ? std::string() : traceTable(traces, separator);
}

QString PlotActions::readoutAt(QPointF logical)
{
    const int index = panelAt(logical);
    if (index < 0)
        return {};
    const PlotSource::Panel panel = source_.plotPanels()[std::size_t(index)];
    QStringList readout;
    if (panel.kind == PlotSource::Panel::Kind::Spectrum) {
        // The nearest line, if one stands within 2 % of the panel's width.
        const auto lines = source_.spectrumLines();
        const auto distance = [&](const SpectrumLine& line) {
            return std::fabs(panel.originX + line.offsetHz * panel.unitsPerStep - logical.x());
        };
        const auto nearest = std::min_element(lines.begin(), lines.end(), [&](const auto& a, const auto& b) {
            return distance(a) < distance(b);
        });
        if (nearest != lines.end() && distance(*nearest) <= 0.02 * panel.area.width())
            readout << fromUtf8(lineReadout(*nearest, source_.besselIndex()));
    } else {
        // The point drawn nearest in time.
        const double time = (logical.x() - panel.originX) / panel.unitsPerStep;
        for (const Trace& trace : source_.traces()) {
            if (trace.plot != panel.trace || trace.points.empty())
                continue;
            auto after = std::lower_bound(trace.points.begin(), trace.points.end(), time,
                                          [](const TracePoint& p, double t) { return p.timeMs < t; });
            if (after == trace.points.end() || (after != trace.points.begin() && time - (after - 1)->timeMs < after->timeMs - time))
                --after;
            readout << fromUtf8(pointReadout(*after));
        }
    }
    if (const QString note = source_.plotNote(); !note.isEmpty())
        readout << note;
    return readout.join('\n');
}

bool PlotActions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &form_ && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        QString text;
        Program::runHandler(form_, [&] { text = readoutAt(form_.toLogical(help->pos())); });
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
        const int panel = panelAt(form_.toLogical(request->pos()));
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
    bool hasData = false;
    Program::runHandler(form_, [&] { hasData = !dataTable(source_.plotPanels()[std::size_t(panel)], ',').empty(); });
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
    Program::outsideFaultCheck([&] { menu.exec(globalPosition); });
    copyData_->setEnabled(true);
    saveData_->setEnabled(true);
}

// The window as the person sees it, at the display's resolution.
QImage PlotActions::windowPicture() const
{
    QImage picture;
    Program::outsideFaultCheck([&] { picture = form_.grab().toImage(); });
    return picture;
}

void PlotActions::copyPicture()
{
    QGuiApplication::clipboard()->setImage(windowPicture());
}

QString PlotActions::chooseFile(const QString& title, const QString& name, const QString& filters, QString* chosen)
{
    QString path;
    Program::outsideFaultCheck([&] { path = fileChooser(&form_, title, name, filters, chosen); });
    return path;
}

void PlotActions::save(const QString& path, const QByteArray& bytes)
{
    QString reason;
    if (!writeWhole(path, bytes, reason))
        form_.messageBox(("Could not save \"" + path + "\": " + reason + ".").toStdString());
}

void PlotActions::savePicture()
{
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    QString chosen = png;
    QString path = chooseFile(tr("Save picture"), "tavinel-" + fromUtf8(source_.stateName()) + ".png",
                              png + ";;" + svg, &chosen);
    if (path.isEmpty())
        return;
    const bool vector = path.endsWith(".svg", Qt::CaseInsensitive)
        || (chosen == svg && !path.endsWith(".png", Qt::CaseInsensitive));
    if (!path.contains('.'))
        path += vector ? ".svg" : ".png";
    QByteArray bytes;
    if (vector) {
        bytes = svgPicture(form_);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        windowPicture().save(&buffer, "PNG");
    }
    save(path, bytes);
}

void PlotActions::copyData(int panel)
{
    const auto panels = source_.plotPanels();
    if (panel < 0 || std::size_t(panel) >= panels.size())
        return;
    if (const std::string table = dataTable(panels[std::size_t(panel)], '\t'); !table.empty())
        QGuiApplication::clipboard()->setText(fromUtf8(table));
}

void PlotActions::saveData(int panel)
{
    const auto panels = source_.plotPanels();
    if (panel < 0 || std::size_t(panel) >= panels.size())
        return;
    const PlotSource::Panel& chosenPanel = panels[std::size_t(panel)];
    const std::string table = dataTable(chosenPanel, ',');
    if (table.empty())
        return;
    const std::string what = chosenPanel.kind == PlotSource::Panel::Kind::Spectrum ? "lines" : chosenPanel.trace;
    QString path = chooseFile(tr("Save data"), fromUtf8("tavinel-" + source_.stateName() + "-" + what + ".csv"),
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
        if (panels[i].kind == PlotSource::Panel::Kind::Spectrum) {
            copyData(int(i));
            return;
        }
}

void PlotActions::showHelp()
{
    if (!help_) {
        help_ = new QDialog(&form_);
        help_->setAttribute(Qt::WA_DeleteOnClose);
        help_->setWindowTitle(tr("%1 help").arg(Program::Name));
        help_->setFont(form_.font());
        // The window's own text, then every key it answers to.
        QString keys = "<p><b>" + tr("Keys") + "</b><br>" + tr("Right-click a plot to copy or save its picture or its data, or to play or save its sound.");
        for (const QAction* action : form_.actions())
            if (!action->shortcut().isEmpty())
                keys += "<br>" + action->shortcut().toString(QKeySequence::NativeText) + ": " + QString(action->text()).remove("…");
        keys += "<br>" + tr("Esc: close this help") + "</p>";
        auto* text = new QLabel(source_.helpText() + keys, help_);
        text->setTextFormat(Qt::RichText);
        text->setWordWrap(true);
        const int line = QFontMetrics(form_.font()).height();
        text->setFixedWidth(32 * line);
        auto* layout = new QVBoxLayout(help_);
        layout->setContentsMargins(line, line, line, line);
        layout->addWidget(text);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    Program::outsideFaultCheck([this] {
        help_->show();
        help_->raise();
        help_->activateWindow();
    });
}

QByteArray PlotActions::svgPicture(Form& form)
{
    // The size of the display the layout was made for: 15 twips a pixel.
    constexpr double PixelsPerTwip = 1.0 / 15.0;
    const Surface& canvas = form.canvas();
    const QSize size(int(std::lround(canvas.clientWidthTwips() * PixelsPerTwip)),
                     int(std::lround(canvas.clientHeightTwips() * PixelsPerTwip)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(), size));
    generator.setResolution(96);
    generator.setTitle(QString("%1: %2").arg(Program::Name, form.windowTitle()));
    PainterSurface surface(canvas.clientWidthTwips(), canvas.clientHeightTwips(), PixelsPerTwip, generator);
    form.drawPicture(surface);
    form.renderControls(surface.painter());
    surface.finish();
    return bytes;
}

bool PlotActions::writeWhole(const QString& path, const QByteArray& bytes, QString& reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}
