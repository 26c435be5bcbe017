// SPDX-License-Identifier: MIT
#include "programlauncher.h"

#include <QDesktopServices>

namespace korvane::platform {

bool ProgramLauncher::openWebPage(const QUrl& url) {
    // The desktop's default browser: xdg-open on Linux, ShellExecute on Windows.
    return QDesktopServices::openUrl(url);
}

} // namespace korvane::platform
