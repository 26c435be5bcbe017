// SPDX-License-Identifier: MIT
#include "clipboard.h"

#include "gbkstring.h"

#include <QClipboard>
#include <QGuiApplication>

namespace korvane::platform {

void setClipboardText(const std::string& gbk) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(fromGbk(gbk), QClipboard::Clipboard);
}

} // namespace korvane::platform
