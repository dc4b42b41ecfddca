// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/FullScreen.h"

#include "surface/Form.h"
#include "surface/Presentation.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

FullScreen::FullScreen(Form& form)
    : QObject(&form)
    , form_(form)
{
    auto* enter = new QAction(tr("Full screen and back"), &form_);
    enter->setShortcut(Qt::Key_F11);
    connect(enter, &QAction::triggered, this, &FullScreen::toggle);
    form_.addAction(enter);
    leave_ = new QAction(tr("Leave full screen"), &form_);
    leave_->setShortcut(Qt::Key_Escape);
    leave_->setEnabled(false);
    connect(leave_, &QAction::triggered, this, &FullScreen::toggle);
    form_.addAction(leave_);
}

void FullScreen::toggle()
{
    const WindowDesign& design = form_.model().design();
    if (!form_.isFullScreen()) {
        const QRect display = (form_.screen() ? form_.screen() : QGuiApplication::primaryScreen())->geometry();
        const double scale = std::min(display.height() / double(design.clientHeightTwips),
                                      display.width() / double(design.clientWidthTwips));
        const QSize client(int(std::lround(design.clientWidthTwips * scale)),
                           int(std::lround(design.clientHeightTwips * scale)));
        normalGeometry_ = form_.geometry();
        form_.setMinimumSize(0, 0);
        form_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        form_.setScale(scale, QPoint((display.width() - client.width()) / 2, (display.height() - client.height()) / 2));
        form_.setGeometry(display);
        form_.showFullScreen();
    } else {
        form_.setScale(Presentation::pixelsPerTwip(), QPoint());
        form_.showNormal();
        form_.setFixedSize(form_.clientSize());
        form_.setGeometry(normalGeometry_);
    }
    leave_->setEnabled(form_.isFullScreen());
}
