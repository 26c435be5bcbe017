// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace korvane::platform {

// Starts other programs without waiting for them. Failures are silent.
class ProgramLauncher {
  public:
    // The desktop calculators looked for, in order of preference: several on
    // Linux, calc.exe in the system folder on Windows.
    static QStringList calculatorCandidates();
    // The command that starts the system calculator here; empty when there is none.
    static QString systemCalculator();
    // Starts it without waiting for it to end (on Windows, until it takes
    // input, at most a second); false when there is none or it cannot start.
    static bool startSystemCalculator();
    // Hands a web address to the default browser.
    static bool openWebPage(const QUrl& url);
};

} // namespace korvane::platform
