// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace korvane::platform {

// Whether a window can be shown at all. On X11/Wayland systems without a
// display the Qt start would abort with a backtrace; the program says what to
// do instead. `advice` receives that text (UTF-8) when there is no display.
bool displayAvailable(std::string* advice);

} // namespace korvane::platform
