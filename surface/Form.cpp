// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Form.h"

#include "core/RecordingSurface.h"
#include "surface/AccessibleFactory.h"
#include "surface/AccessiblePlots.h"
#include "surface/ControlFactory.h"
#include "surface/FullScreen.h"
#include "surface/HelpWindow.h"
#include "surface/PlotActions.h"
#include "surface/Presentation.h"
#include "surface/Program.h"
#include "surface/SoundActions.h"
#include "surface/TwipsLayout.h"
#include "surface/WindowDrag.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace {
QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
}

Form::Form(std::unique_ptr<WindowModel> model)
    : model_(std::move(model))
    , pixelsPerTwip_(Presentation::pixelsPerTwip())
{
    installAccessibleFactory();
    const WindowDesign& design = model_->design();
    canvas_ = std::make_unique<CanvasSurface>(design.clientWidthTwips, design.clientHeightTwips,
                                              pixelsPerTwip_ * Presentation::devicePixelRatio());
    canvas_->setFontBold(design.bold);
    setObjectName(fromUtf8(design.name));
    setWindowTitle(fromUtf8(design.caption));
    if (design.titleBar)
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    else
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(clientSize());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(Presentation::font(Presentation::sansFamily(), 9.75, false, pixelsPerTwip_));

    if (Program::recording()) {
        log_ = std::make_unique<OpLog>();
        canvas_->setLog(log_.get());
    }
    canvas_->setChangedHandler([this] { update(); });
    fullScreen_ = new FullScreen(*this);
    // F1 in every window shows its help.
    auto* help = new QAction(HelpWindow::actionText(), this);
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this,
            [this] { HelpWindow::show(*this, model_->helpText(), model_->plots() != nullptr); });
    addAction(help);
    if (!design.titleBar)
        new WindowDrag(*this); // nothing else would move it

    // The keyboard-focus mark goes round whichever control of this window has the focus.
    auto* focusFrame = new QFocusFrame(this);
    connect(qApp, &QApplication::focusChanged, focusFrame, [this, focusFrame](QWidget*, QWidget* now) {
        focusFrame->setWidget(now && isAncestorOf(now) ? now : nullptr);
    });

    layout_ = new TwipsLayout(this);
    layout_->setScale(pixelsPerTwip_, clientOffset_);
    buildControls();
    model_->attach(*this);
    if (model_->plots()) {
        auto* actions = new PlotActions(*this);
        new SoundActions(*actions);
        new AccessiblePlots(*actions);
    }
}

Form::~Form()
{
    Program::forget(this);
}

QSize Form::clientSize() const
{
    const WindowDesign& design = model_->design();
    return { twipsToPixels(design.clientWidthTwips), twipsToPixels(design.clientHeightTwips) };
}

// The widgets of the design, in its order; each click, choice or edit goes to the model.
void Form::buildControls()
{
    for (const Control& control : model_->design().controls) {
        QWidget* parent = control.frame.empty() ? this : controls_.value(fromUtf8(control.frame));
        QWidget* widget = createControl(control, parent);
        if (!widget)
            continue;
        controls_.insert(fromUtf8(control.name), widget);
        if (qobject_cast<QGroupBox*>(widget))
            (new TwipsLayout(widget))->setScale(pixelsPerTwip_, QPoint());
        placeControl(widget, control);
        applyFont(widget, control);

        const std::string name = control.name;
        if (auto* option = qobject_cast<QRadioButton*>(widget))
            connect(option, &QRadioButton::toggled, this, [this, name](bool chosen) {
                if (chosen)
                    model_->click(name);
            });
        else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setDefault(name == model_->design().defaultButton);
            connect(button, &QAbstractButton::clicked, this, [this, name] { model_->click(name); });
        } else if (auto* box = qobject_cast<QLineEdit*>(widget))
            connect(box, &QLineEdit::textChanged, this,
                    [this, name](const QString& text) { model_->edit(name, text.toStdString()); });
    }
    const auto& order = model_->design().focusOrder;
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(fromUtf8(order[i - 1])), control(fromUtf8(order[i])));
    nameBoxesByTheirLabels();
}

// A text box is known by the label beside it: to a screen reader, which reads the label's
// words (without the colon) as the box's name, and to the label, whose buddy it becomes.
void Form::nameBoxesByTheirLabels()
{
    for (const Control& control : model_->design().controls) {
        auto* label = qobject_cast<QLabel*>(controls_.value(fromUtf8(control.name)));
        QWidget* box = controls_.value(fromUtf8(control.labelFor));
        if (!label || !box)
            continue;
        label->setBuddy(box);
        QString name = label->text().trimmed();
        if (name.endsWith(':'))
            name.chop(1);
        box->setAccessibleName(name.trimmed());
    }
}

void Form::placeControl(QWidget* widget, const Control& control)
{
    if (auto* layout = dynamic_cast<TwipsLayout*>(widget->parentWidget()->layout()))
        layout->place(widget, control.twips);
}

void Form::applyFont(QWidget* widget, const Control& control)
{
    widget->setProperty("tavinelPoints", control.points); // for tests: the size the model gave
    widget->setFont(Presentation::font(control.serif ? Presentation::serifFamily() : Presentation::sansFamily(),
                                       control.points, control.bold, pixelsPerTwip_));
}

void Form::showWindow()
{
    if (!loaded_) {
        loaded_ = true;
        Program::remember(this);
        model_->load();
        if (released_)
            return;
        QTimer::singleShot(0, this, &Form::idle);
    }
    if (!shownOnce_) {
        shownOnce_ = true;
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
}

// The model's work for idle moments, one piece each time the event loop is idle.
void Form::idle()
{
    if (!released_ && model_->idleWork())
        QTimer::singleShot(0, this, &Form::idle);
}

void Form::unload()
{
    closingByProgram_ = true;
    close();
}

void Form::closeByUser()
{
    closingByUser_ = true;
    close();
}

void Form::release()
{
    if (released_)
        return;
    released_ = true;
    loaded_ = false;
    Program::forget(this);
    hide();
    deleteLater();
}

void Form::closeEvent(QCloseEvent* event)
{
    const bool byUser = closingByUser_ || (event->spontaneous() && !closingByProgram_);
    closingByUser_ = closingByProgram_ = false;
    if (!released_)
        model_->queryUnload(byUser ? 0 : 1);
    event->accept();
    release();
}

void Form::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect client(clientOffset_, clientSize());
    if (client != rect())
        painter.fillRect(rect(), Qt::white);
    painter.drawImage(client, canvas_->image());
}

void Form::toggleFullScreen()
{
    fullScreen_->toggle();
}

void Form::setScale(double pixelsPerTwip, QPoint clientOffset)
{
    pixelsPerTwip_ = pixelsPerTwip;
    clientOffset_ = clientOffset;
    setFont(Presentation::font(Presentation::sansFamily(), 9.75, false, pixelsPerTwip_));
    layout_->setScale(pixelsPerTwip_, clientOffset_);
    for (const Control& control : model_->design().controls)
        if (QWidget* widget = controls_.value(fromUtf8(control.name))) {
            if (auto* frameLayout = dynamic_cast<TwipsLayout*>(widget->layout()))
                frameLayout->setScale(pixelsPerTwip_, QPoint());
            applyFont(widget, control);
        }
    drawAfresh();
}

void Form::drawPicture(Surface& surface)
{
    surface.setScale(canvas_->scaleWidth(), canvas_->scaleHeight());
    surface.setFontSize(canvas_->fontSize());
    surface.setFontBold(canvas_->fontBold());
    surface.setForeColour(canvas_->foreColour());
    model_->drawContents(surface);
}

void Form::renderControls(QPainter& painter)
{
    painter.save();
    const double scale = 1.0 / 15.0 / pixelsPerTwip_;
    painter.scale(scale, scale);
    painter.translate(-clientOffset_);
    for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (widget->isVisible() && controls_.key(widget).size() > 0)
            widget->render(&painter, widget->pos(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

QPointF Form::toLogical(QPoint position) const
{
    const WindowDesign& design = model_->design();
    const QPointF client = position - clientOffset_;
    return { client.x() / (design.clientWidthTwips * pixelsPerTwip_) * canvas_->scaleWidth(),
             client.y() / (design.clientHeightTwips * pixelsPerTwip_) * canvas_->scaleHeight() };
}

QPointF Form::fromLogical(QPointF logical) const
{
    const WindowDesign& design = model_->design();
    return QPointF(logical.x() / canvas_->scaleWidth() * design.clientWidthTwips * pixelsPerTwip_,
                   logical.y() / canvas_->scaleHeight() * design.clientHeightTwips * pixelsPerTwip_)
        + clientOffset_;
}

// A new canvas at the window's scale, on which the window draws its contents again.
void Form::drawAfresh()
{
    const WindowDesign& design = model_->design();
    auto canvas = std::make_unique<CanvasSurface>(design.clientWidthTwips, design.clientHeightTwips,
                                                  pixelsPerTwip_ * Presentation::devicePixelRatio());
    drawPicture(*canvas);
    canvas->setLog(log_.get());
    canvas->setChangedHandler([this] { update(); });
    canvas_ = std::move(canvas);
    update();
}

void Form::clearOpLog()
{
    if (log_)
        log_->clear();
}

QWidget* Form::control(const QString& name) const
{
    return controls_.value(name);
}

std::string Form::controlName(const QWidget* widget) const
{
    for (auto it = controls_.begin(); it != controls_.end(); ++it)
        if (it.value() == widget)
            return it.key().toStdString();
    return {};
}

int Form::twipsToPixels(double twips) const
{
    return int(std::lround(twips * pixelsPerTwip_));
}

void Form::controlChanged(const Control& control)
{
    QWidget* widget = controls_.value(fromUtf8(control.name));
    if (!widget)
        return;
    placeControl(widget, control);
    applyFont(widget, control);
    updateControl(widget, control);
}

void Form::setFocus(const std::string& control)
{
    if (QWidget* widget = controls_.value(fromUtf8(control)))
        widget->setFocus();
}

void Form::showMessage(const std::string& text)
{
    if (log_)
        log_->message(text);
    Program::showMessage(*this, text);
}

void Form::openWindow(const std::string& window)
{
    Program::open(window);
}

void Form::endProgram()
{
    Program::end();
}
