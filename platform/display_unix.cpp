// SPDX-License-Identifier: MIT
#include "display.h"

#include <cstdlib>

namespace korvane::platform {

bool displayAvailable(std::string* advice) {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"))
        return true;
    if (advice != nullptr)
        *advice = "korvane: 需要图形显示环境才能显示窗口 (no display found).\n"
                  "  Start it from a desktop session, or on a machine without one use Xvfb:\n"
                  "    xvfb-run -a build/korvane\n";
    return false;
}

} // namespace korvane::platform
