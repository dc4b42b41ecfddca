#pragma once

#include "surface/Form.h"

// The frequency-modulation demonstration window.
class frmFMplot : public Form {
    Q_OBJECT
public:
    frmFMplot();

protected:
    void onLoad() override;

private:
    void cmdExit_Click();

    QPushButton* cmdExit;
};
