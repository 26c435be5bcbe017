// SPDX-License-Identifier: MIT
#include "programlauncher.h"

#include <QFileInfo>

#include <qt_windows.h>

#include <string>

namespace korvane::platform {

QStringList ProgramLauncher::calculatorCandidates() {
    return {QStringLiteral("calc.exe")};
}

QString ProgramLauncher::systemCalculator() {
    // c:\windows\system32 on most machines; the system folder wherever
    // Windows is installed.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    const QString calc =
        QString::fromWCharArray(folder, int(length)) + QStringLiteral("\\calc.exe");
    return QFileInfo::exists(calc) ? calc : QString();
}

bool ProgramLauncher::startSystemCalculator() {
    const QString program = systemCalculator();
    if (program.isEmpty())
        return false;
    const std::wstring application = program.toStdWString();
    // The command line the program has always given: the path and two spaces.
    std::wstring commandLine = application + L"  ";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return false;
    // Until the calculator takes input, at most a second; never until it ends.
    WaitForInputIdle(process.hProcess, 1000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace korvane::platform
