// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Form.h"

#include "core/RecordingSurface.h"
#include "surface/Presentation.h"
#include "surface/Program.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
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
    , canvas_(clientWidthTwips, clientHeightTwips,
              Presentation::pixelsPerTwip() * Presentation::devicePixelRatio())
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
    setFont(Presentation::font(Presentation::sansFamily(), 9.75, false, Presentation::pixelsPerTwip()));

    if (Program::recording()) {
        log_ = std::make_unique<OpLog>();
        canvas_.setLog(log_.get());
    }
    canvas_.setChangedHandler([this] { update(); });
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
    show();
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
    painter.drawImage(rect(), canvas_.image());
}

void Form::setScaleFromScreen()
{
    float width = float(12000.0 / Presentation::screenWidthTwips());
    width = float(double(width) * 12000.0);
    float height = float(9000.0 / Presentation::screenHeightTwips());
    height = float(double(height) * 9000.0);
    canvas_.setScale(width, height);
}

void Form::messageBox(const std::string& text)
{
    if (log_)
        log_->message(text);
    Program::showMessage(*this, text);
}

QWidget* Form::control(const QString& name) const
{
    return findChild<QWidget*>(name);
}

int Form::twipsToPixels(double twips) const
{
    return int(std::lround(twips * Presentation::pixelsPerTwip()));
}

double Form::logicalToTwipsX(float x) const
{
    return double(x) * clientWidthTwips_ / canvas_.scaleWidth();
}

double Form::logicalToTwipsY(float y) const
{
    return double(y) * clientHeightTwips_ / canvas_.scaleHeight();
}

void Form::placeControl(QWidget* control, const QString& name, float left, float top, float width,
                        float height, bool bold)
{
    control->setObjectName(name);
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
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
    control->move(twipsToPixels(logicalToTwipsX(left)), twipsToPixels(logicalToTwipsY(top)));
}

void Form::resizeControl(QWidget* control, float width, float height)
{
    control->resize(twipsToPixels(logicalToTwipsX(width)), twipsToPixels(logicalToTwipsY(height)));
}

float Form::screenButtonPoints()
{
    return float(double(Presentation::screenWidthTwips()) * 0.0008);
}

void Form::setControlFont(QWidget* control, double points, bool bold, bool serif)
{
    control->setProperty(PointsProperty, points);
    control->setFont(Presentation::font(serif ? Presentation::serifFamily() : Presentation::sansFamily(), points,
                                   bold, Presentation::pixelsPerTwip()));
}

void Form::setControlFontSize(QWidget* control, double points)
{
    control->setProperty(PointsProperty, points);
    QFont font = control->font();
    font.setPixelSize(std::max(1, int(std::lround(points * 20.0 * Presentation::pixelsPerTwip()))));
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
