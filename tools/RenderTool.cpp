// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RenderTool.h"

#include "app/DesktopSession.h"
#include "surface/Form.h"
#include "surface/PictureExport.h"
#include "surface/Presentation.h"
#include "surface/Program.h"
#include "surface/Translations.h"
#include "tools/RenderCommand.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPointer>

#include <memory>

namespace {

// The desktop's windows, drawn on Qt's offscreen platform.
class DesktopTarget : public RenderCommand::Target {
public:
    void setUp(float screenWidthTwips, float screenHeightTwips, double zoom, bool recording) override
    {
        DesktopSession::Setup setup;
        setup.screenWidthTwips = screenWidthTwips;
        setup.screenHeightTwips = screenHeightTwips;
        setup.pixelsPerTwip = zoom / 15.0;
        setup.recording = recording;
        session_ = std::make_unique<DesktopSession>(setup);
    }

    void open(const std::string& menuButton) override
    {
        Form* form = menuButton.empty() ? &session_->start() : session_->open(menuButton);
        if (!form)
            throw std::logic_error("the menu button opened no window");
        last_ = form;
    }

    WindowModel* window() override
    {
        Form* form = DesktopSession::window();
        if (form)
            last_ = form;
        return form ? &form->model() : nullptr;
    }
    WindowModel* lastWindow() override { return &last_->model(); }
    const Surface& lastSurface() override { return last_->canvas(); }
    const OpLog* lastOps() override { return last_->opLog(); }

    void click(const std::string& name) override
    {
        qobject_cast<QAbstractButton*>(control(name))->click();
    }

    void type(const std::string& name, const std::string& text) override
    {
        qobject_cast<QLineEdit*>(control(name))->setText(QString::fromStdString(text));
    }

    // One key pressed and released on a control, which first takes the focus, as the
    // user's keyboard would deliver it; a shortcut of the window takes the key first.
    void key(const std::string& name, const std::string& keyName) override
    {
        Form& form = *DesktopSession::window();
        bool known = false;
        const auto key = Qt::Key(QMetaEnum::fromType<Qt::Key>().keyToValue(("Key_" + keyName).c_str(), &known));
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        QWidget* widget = control(name);
        widget->setFocus(Qt::OtherFocusReason);
        QPointer<QWidget> receiver = widget;
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(receiver, &press);
        if (!receiver)
            return;
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(receiver, &release);
    }

    bool useLanguage(const std::string& code) override { return Translations::use(QString::fromStdString(code)); }
    bool drawsPictures() const override { return true; }
    std::string png() override { return PictureExport::png(*last_).toStdString(); }
    std::string svg() override { return PictureExport::svg(*last_).toStdString(); }

private:
    static QWidget* control(const std::string& name)
    {
        return DesktopSession::window()->control(QString::fromStdString(name));
    }

    std::unique_ptr<DesktopSession> session_;
    QPointer<Form> last_;
};

}

namespace RenderTool {

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    DesktopTarget target;
    return RenderCommand::run(arguments, out, err, target);
}

}
