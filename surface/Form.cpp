// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Form.h"

#include "core/RecordingSurface.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

std::vector<Form*>& loaded()
{
    static std::vector<Form*> forms;
    return forms;
}

constexpr const char* PointsProperty = "tavinelPoints";
constexpr const char* TwipsProperty = "tavinelTwips";

QColor toQColor(Colour colour)
{
    return QColor::fromRgb(colourToRgb(colour));
}

// Tab enters a group of option buttons at its selected button (at the first one while
// none is selected); the arrow keys then move within the group. Only that button of
// the group keeps its tab stop.
void keepTabStopOnSelection(QWidget* frame)
{
    const auto options = frame->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    const bool anySelected
        = std::any_of(options.begin(), options.end(), [](QRadioButton* o) { return o->isChecked(); });
    for (QRadioButton* option : options) {
        const bool stop = option->isChecked() || !anySelected;
        const int policy = option->focusPolicy();
        option->setFocusPolicy(Qt::FocusPolicy(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
}

}

Form::Form(const QString& name, const QString& caption, float clientWidthTwips,
           float clientHeightTwips, Border border)
    : clientWidthTwips_(clientWidthTwips)
    , clientHeightTwips_(clientHeightTwips)
    , pixelsPerTwip_(Presentation::pixelsPerTwip())
    , canvas_(std::make_unique<CanvasSurface>(clientWidthTwips, clientHeightTwips,
                                              pixelsPerTwip_ * Presentation::devicePixelRatio()))
{
    setObjectName(name);
    setWindowTitle(caption);
    if (border == Border::None)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    else
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(Presentation::font(Presentation::sansFamily(), 9.75, false, pixelsPerTwip_));

    if (Program::recording()) {
        log_ = std::make_unique<OpLog>();
        canvas_->setLog(log_.get());
    }
    canvas_->setChangedHandler([this] { update(); });

    auto* fullScreen = new QAction(tr("Full screen and back"), this);
    fullScreen->setShortcut(Qt::Key_F11);
    connect(fullScreen, &QAction::triggered, this, &Form::toggleFullScreen);
    addAction(fullScreen);
    leaveFullScreen_ = new QAction(tr("Leave full screen"), this);
    leaveFullScreen_->setShortcut(Qt::Key_Escape);
    leaveFullScreen_->setEnabled(false);
    connect(leaveFullScreen_, &QAction::triggered, this, &Form::toggleFullScreen);
    addAction(leaveFullScreen_);

    // The keyboard-focus mark goes round whichever control of this window has the focus.
    auto* focusFrame = new QFocusFrame(this);
    connect(qApp, &QApplication::focusChanged, focusFrame, [this, focusFrame](QWidget*, QWidget* now) {
        focusFrame->setWidget(now && isAncestorOf(now) ? now : nullptr);
    });
}

Form::~Form()
{
    auto& forms = loaded();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

std::vector<Form*> Form::loadedForms()
{
    return loaded();
}

void Form::showWindow()
{
    if (!loaded_) {
        loaded_ = true;
        loaded().push_back(this);
        onLoad();
    }
    if (!shownOnce_) {
        shownOnce_ = true;
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    Program::outsideFaultCheck([this] { show(); });
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
    auto& forms = loaded();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    hide();
    deleteLater();
}

void Form::closeEvent(QCloseEvent* event)
{
    const bool byUser = closingByUser_ || (event->spontaneous() && !closingByProgram_);
    closingByUser_ = closingByProgram_ = false;
    if (!released_)
        onQueryUnload(byUser ? 0 : 1);
    event->accept();
    release();
}

void Form::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect client(clientOffset_, QSize(twipsToPixels(clientWidthTwips_), twipsToPixels(clientHeightTwips_)));
    if (client != rect())
        painter.fillRect(rect(), Qt::white);
    painter.drawImage(client, canvas_->image());
}

void Form::toggleFullScreen()
{
    Program::runHandler(*this, [this] {
        if (!isFullScreen()) {
            const QRect display = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
            const double scale = std::min(display.height() / double(clientHeightTwips_),
                                          display.width() / double(clientWidthTwips_));
            const QSize client(int(std::lround(clientWidthTwips_ * scale)),
                               int(std::lround(clientHeightTwips_ * scale)));
            normalGeometry_ = geometry();
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            setScale(scale, QPoint((display.width() - client.width()) / 2, (display.height() - client.height()) / 2));
            setGeometry(display);
            Program::outsideFaultCheck([this] { showFullScreen(); });
        } else {
            setScale(Presentation::pixelsPerTwip(), QPoint());
            Program::outsideFaultCheck([this] { showNormal(); });
            setFixedSize(twipsToPixels(clientWidthTwips_), twipsToPixels(clientHeightTwips_));
            setGeometry(normalGeometry_);
        }
        leaveFullScreen_->setEnabled(isFullScreen());
    });
}

// Lays the controls out again and draws the canvas afresh at a new scale.
void Form::setScale(double pixelsPerTwip, QPoint clientOffset)
{
    pixelsPerTwip_ = pixelsPerTwip;
    clientOffset_ = clientOffset;
    setFont(Presentation::font(Presentation::sansFamily(), 9.75, false, pixelsPerTwip_));
    for (QWidget* control : findChildren<QWidget*>()) {
        if (const QVariant twips = control->property(TwipsProperty); twips.isValid())
            setTwipsGeometry(control, twips.toRectF());
        if (const QVariant points = control->property(PointsProperty); points.isValid())
            setControlFontSize(control, points.toDouble());
    }
    drawAfresh();
}

void Form::drawPicture(Surface& surface)
{
    surface.setScale(canvas_->scaleWidth(), canvas_->scaleHeight());
    surface.setFontSize(canvas_->fontSize());
    surface.setFontBold(canvas_->fontBold());
    surface.setForeColour(canvas_->foreColour());
    drawContents(surface);
}

void Form::renderControls(QPainter& painter)
{
    painter.save();
    const double scale = 1.0 / 15.0 / pixelsPerTwip_;
    painter.scale(scale, scale);
    painter.translate(-clientOffset_);
    // The style's own drawing: its floating-point flags are none of the program's.
    Program::outsideFaultCheck([&] {
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control->isVisible() && control->property(TwipsProperty).isValid())
                control->render(&painter, control->pos(), QRegion(), QWidget::DrawChildren);
    });
    painter.restore();
}

QPointF Form::toLogical(QPoint position) const
{
    const QPointF client = position - clientOffset_;
    return { client.x() / (clientWidthTwips_ * pixelsPerTwip_) * canvas_->scaleWidth(),
             client.y() / (clientHeightTwips_ * pixelsPerTwip_) * canvas_->scaleHeight() };
}

// A new canvas at the window's scale, on which the window draws its contents again.
void Form::drawAfresh()
{
    auto canvas = std::make_unique<CanvasSurface>(clientWidthTwips_, clientHeightTwips_,
                                                   pixelsPerTwip_ * Presentation::devicePixelRatio());
    drawPicture(*canvas);
    canvas->setLog(log_.get());
    canvas->setChangedHandler([this] { update(); });
    canvas_ = std::move(canvas);
    update();
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form::setScaleFromScreen()
{
    float width = float(12000.0 / Presentation::screenWidthTwips());
    width = float(double(width) * 12000.0);
    float height = float(9000.0 / Presentation::screenHeightTwips());
    height = float(double(height) * 9000.0);
    canvas_->setScale(width, height);
}

void Form::messageBox(const std::string& text)
{
    if (log_)
        log_->message(text);
    Program::showMessage(*this, text);
}

void Form::clearOpLog()
{
    if (log_)
        log_->clear();
}

QWidget* Form::control(const QString& name) const
{
    return findChild<QWidget*>(name);
}

int Form::twipsToPixels(double twips) const
{
    return int(std::lround(twips * pixelsPerTwip_));
}

void Form::setTwipsGeometry(QWidget* control, const QRectF& twips)
{
    control->setProperty(TwipsProperty, twips);
    const QPoint offset = control->parentWidget() == this ? clientOffset_ : QPoint();
    control->setGeometry(twipsToPixels(twips.left()) + offset.x(), twipsToPixels(twips.top()) + offset.y(),
                         twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

double Form::logicalToTwipsX(float x) const
{
    return double(x) * clientWidthTwips_ / canvas_->scaleWidth();
}

double Form::logicalToTwipsY(float y) const
{
    return double(y) * clientHeightTwips_ / canvas_->scaleHeight();
}

void Form::placeControl(QWidget* control, const QString& name, float left, float top, float width,
                        float height, bool bold)
{
    control->setObjectName(name);
    setTwipsGeometry(control, QRectF(left, top, width, height));
    setControlFont(control, 9.75, bold);
}

QLabel* Form::addLabel(const QString& name, const QString& caption, float left, float top,
                       float width, float height, Align align)
{
    auto* label = new QLabel(caption, this);
    label->setAlignment((align == Align::Left     ? Qt::AlignLeft
                            : align == Align::Centre ? Qt::AlignHCenter
                                                     : Qt::AlignRight)
                        | Qt::AlignTop);
    placeControl(label, name, left, top, width, height, false);
    return label;
}

QPushButton* Form::addCommandButton(const QString& name, const QString& caption, float left,
                                    float top, float width, float height)
{
    auto* button = new QPushButton(caption, this);
    placeControl(button, name, left, top, width, height, true);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    return button;
}

QGroupBox* Form::addFrame(const QString& name, const QString& caption, float left, float top,
                          float width, float height)
{
    auto* frame = new QGroupBox(caption, this);
    placeControl(frame, name, left, top, width, height, true);
    return frame;
}

QRadioButton* Form::addOptionButton(QGroupBox* frame, const QString& name,
                                    const QString& caption, float left, float top, float width,
                                    float height, bool selected)
{
    auto* option = new QRadioButton(caption, frame);
    placeControl(option, name, left, top, width, height, false);
    option->setChecked(selected);
    keepTabStopOnSelection(frame);
    connect(option, &QRadioButton::toggled, frame, [frame](bool checked) {
        if (checked)
            keepTabStopOnSelection(frame);
    });
    return option;
}

QLineEdit* Form::addTextBox(const QString& name, const QString& text, float left, float top,
                            float width, float height)
{
    auto* box = new QLineEdit(text, this);
    placeControl(box, name, left, top, width, height, false);
    return box;
}

void Form::moveControl(QWidget* control, float left, float top)
{
    QRectF twips = control->property(TwipsProperty).toRectF();
    twips.moveTo(logicalToTwipsX(left), logicalToTwipsY(top));
    setTwipsGeometry(control, twips);
}

void Form::resizeControl(QWidget* control, float width, float height)
{
    QRectF twips = control->property(TwipsProperty).toRectF();
    twips.setSize(QSizeF(logicalToTwipsX(width), logicalToTwipsY(height)));
    setTwipsGeometry(control, twips);
}

float Form::screenButtonPoints()
{
    return float(double(Presentation::screenWidthTwips()) * 0.0008);
}

void Form::setControlFont(QWidget* control, double points, bool bold, bool serif)
{
    control->setProperty(PointsProperty, points);
    control->setFont(Presentation::font(serif ? Presentation::serifFamily() : Presentation::sansFamily(), points,
                                        bold, pixelsPerTwip_));
}

void Form::setControlFontSize(QWidget* control, double points)
{
    control->setProperty(PointsProperty, points);
    QFont font = control->font();
    font.setPixelSize(std::max(1, int(std::lround(points * 20.0 * pixelsPerTwip_))));
    control->setFont(font);
}

void Form::setTextColour(QWidget* control, Colour colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    palette.setColor(QPalette::ButtonText, toQColor(colour));
    control->setPalette(palette);
}

void Form::onClicked(QAbstractButton* button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { Program::runHandler(*this, handler); });
}

void Form::onChosen(QRadioButton* option, std::function<void()> handler)
{
    connect(option, &QRadioButton::toggled, this, [this, handler = std::move(handler)](bool chosen) {
        if (chosen)
            Program::runHandler(*this, handler);
    });
}

void Form::setFocusOrder(const std::vector<QWidget*>& controls)
{
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}
