// SPDX-License-Identifier: MIT
#include "programlauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace korvane::platform {

QStringList ProgramLauncher::calculatorCandidates() {
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("qalculate-qt"),     QStringLiteral("qalculate-gtk"),
            QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
            QStringLiteral("speedcrunch"),      QStringLiteral("xcalc")};
}

QString ProgramLauncher::systemCalculator() {
#ifdef Q_OS_WIN
    const QString calc = QStringLiteral("c:/windows/system32/calc.exe");
    return QFileInfo::exists(calc) ? calc : QString();
#else
    for (const QString& name : calculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
#endif
}

bool ProgramLauncher::startSystemCalculator() {
    const QString program = systemCalculator();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

bool ProgramLauncher::openWebPage(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace korvane::platform
