// SPDX-License-Identifier: MIT
#include "programlauncher.h"

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
    for (const QString& name : calculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool ProgramLauncher::startSystemCalculator() {
    const QString program = systemCalculator();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

} // namespace korvane::platform
