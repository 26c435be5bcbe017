// SPDX-License-Identifier: MIT
#include "staysontop.h"

#include <QWidget>
#include <QWindow>

namespace korvane::platform {

void setStaysOnTop(QWidget* window, bool on) {
    const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    if (window->windowHandle() == nullptr) {
        window->setWindowFlags(flags);
        return;
    }
    // Tell the window system directly: re-creating the window would hide and
    // move it.
    window->overrideWindowFlags(flags);
    window->windowHandle()->setFlags(flags);
}

bool staysOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace korvane::platform
