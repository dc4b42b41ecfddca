// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/Application.h"

#include "surface/Form.h"
#include "surface/Program.h"

#include <exception>

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& exception) {
        const auto forms = Form::loadedForms();
        Program::fail(forms.empty() ? nullptr : forms.back(), exception.what());
    } catch (...) {
        const auto forms = Form::loadedForms();
        Program::fail(forms.empty() ? nullptr : forms.back(), "Unknown error");
    }
    return false;
}
