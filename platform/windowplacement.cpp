// SPDX-License-Identifier: MIT
#include "windowplacement.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace korvane::platform {

namespace {

// The frame the window manager puts around a window, or, before the window
// is first shown and nobody knows it yet, the frame the windows are designed
// with (584 x 336 outside, 578 x 311 inside).
QMargins frameOf(const QWidget* window) {
    if (window->isVisible())
        return {window->geometry().left() - window->frameGeometry().left(),
                window->geometry().top() - window->frameGeometry().top(),
                window->frameGeometry().right() - window->geometry().right(),
                window->frameGeometry().bottom() - window->geometry().bottom()};
    return {3, 22, 3, 3};
}

} // namespace

QRect keptInside(QRect wanted, const QRect& available) {
    wanted.setHeight(std::min(wanted.height(), available.height()));
    if (wanted.right() > available.right())
        wanted.moveRight(available.right());
    if (wanted.bottom() > available.bottom())
        wanted.moveBottom(available.bottom());
    if (wanted.left() < available.left())
        wanted.moveLeft(available.left());
    if (wanted.top() < available.top())
        wanted.moveTop(available.top());
    return wanted;
}

void dock(QWidget* window, const QWidget* anchor, QPoint frameTopLeft, Fit fit) {
    const QScreen* screen = anchor->screen();
    const QMargins frame = frameOf(window);
    const bool fitHeight = fit == Fit::PlaceAndHeight && window->sizeHint().isValid() &&
                           window->minimumSizeHint().isValid();
    const QSize designed = fitHeight ? window->sizeHint() : window->size();
    const QSize lowest = fitHeight ? window->minimumSizeHint() : designed;
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    QRect placed(frameTopLeft, designed + frameSize);
    if (screen != nullptr)
        placed = keptInside(placed, screen->availableGeometry());
    const int height = std::max(lowest.height(), placed.height() - frameSize.height());
    if (height != window->height()) {
        if (window->minimumHeight() == window->maximumHeight())
            window->setFixedHeight(height);
        else
            window->resize(window->width(), height);
        // A window kept higher than the area by its minimum sticks out at the
        // bottom, never at the top where its title bar is.
        placed.setHeight(height + frameSize.height());
        if (screen != nullptr)
            placed = keptInside(placed, screen->availableGeometry());
    }
    window->move(placed.topLeft());
}

} // namespace korvane::platform
