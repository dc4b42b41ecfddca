#pragma once

#include "surface/Form.h"

// The single-sideband demonstration window.
class frmSSBplot : public Form {
    Q_OBJECT
public:
    frmSSBplot();

protected:
    void onLoad() override;

private:
    void cmdExit_Click();

    QPushButton* cmdExit;
};
