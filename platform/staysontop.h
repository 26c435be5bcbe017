// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace korvane::platform {

// Keeps `window` above other windows, or lets it go back among them, where it
// is: without moving, resizing or activating it.
void setStaysOnTop(QWidget* window, bool on);
// Whether `window` was made to stay above other windows.
bool staysOnTop(const QWidget* window);

} // namespace korvane::platform
