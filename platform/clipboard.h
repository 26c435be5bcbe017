// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace korvane::platform {

// Puts a GBK text on the system clipboard as plain text. A clipboard that
// cannot be reached is silently left alone.
void setClipboardText(const std::string& gbk);

} // namespace korvane::platform
