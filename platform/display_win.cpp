// SPDX-License-Identifier: MIT
#include "display.h"

namespace korvane::platform {

bool displayAvailable(std::string* advice) {
    // A Windows session always has its desktop.
    (void)advice;
    return true;
}

} // namespace korvane::platform
