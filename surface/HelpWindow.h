// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <string>

class Form;

// A window's help (F1): its own text, then every key it answers to, in the window's font.
// One per window; asking again brings it to the front.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    static void show(Form& form, const std::string& helpText);

private:
    HelpWindow(Form& form, const std::string& helpText);
};
