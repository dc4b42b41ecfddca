// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Windows.h"

#include "am/frmAMplot.h"
#include "app/frmOpening.h"
#include "fm/frmFMplot.h"
#include "ssb/frmSSBplot.h"

std::unique_ptr<WindowModel> createWindow(const std::string& name)
{
    if (name == "frmOpening")
        return std::make_unique<frmOpening>();
    if (name == "frmAMplot")
        return std::make_unique<frmAMplot>();
    if (name == "frmSSBplot")
        return std::make_unique<frmSSBplot>();
    if (name == "frmFMplot")
        return std::make_unique<frmFMplot>();
    return nullptr;
}
