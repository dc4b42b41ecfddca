// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Translation.h"

#include "core/WindowModel.h"

// The menu window shown at start-up: the title, version and copyright over three
// illustrations of an overmodulated AM signal, and one button per demonstration.
class frmOpening : public WindowModel {
public:
    TAVINEL_TRANSLATABLE(frmOpening)

    frmOpening();

    void drawContents(Surface& surface) override;
    std::string helpText() override;

protected:
    void onLoad() override;

private:
    // Shows a demonstration window, then unloads the menu.
    void enter(const std::string& window);
    void cmdExit_Click();
};
