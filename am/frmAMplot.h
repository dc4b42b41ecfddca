#pragma once

#include "surface/Form.h"

// The amplitude-modulation demonstration window.
class frmAMplot : public Form {
    Q_OBJECT
public:
    frmAMplot();

protected:
    void onLoad() override;

private:
    void cmdExit_Click();

    QPushButton* cmdExit;
};
