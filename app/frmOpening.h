// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/Form.h"

// The menu window shown at start-up: the title, version and copyright over three
// illustrations of an overmodulated AM signal, and one button per demonstration.
class frmOpening : public Form {
    Q_OBJECT
public:
    frmOpening();

protected:
    void onLoad() override;
    void drawContents(Surface& surface) override;

private:
    void cmdAMenter_Click();
    void cmdFMenter_Click();
    void cmdSSBenter_Click();
    void cmdExit_Click();

    QLabel* lblHeading;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QPushButton* cmdAMenter;
    QPushButton* cmdFMenter;
    QPushButton* cmdSSBenter;
    QPushButton* cmdExit;
};
