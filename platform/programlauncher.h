// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace korvane::platform {

// Starts other programs without waiting for them. Failures are silent.
class ProgramLauncher {
  public:
    // The desktop calculators looked for on Linux, in order of preference.
    static QStringList calculatorCandidates();
    // The command that starts the system calculator here; empty when there is none.
    static QString systemCalculator();
    static bool startSystemCalculator();
    // Hands a web address to the default browser.
    static bool openWebPage(const QUrl& url);
};

} // namespace korvane::platform
