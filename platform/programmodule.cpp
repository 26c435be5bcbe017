// SPDX-License-Identifier: MIT
#include "programmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace korvane::platform::ProgramModule {

QFunctionPointer resolve(const QString& name, const char* symbol) {
    const QDir program(QCoreApplication::applicationDirPath());
    // KORVANE_MODULE_FROM_PROGRAM comes from the install folders the build
    // was configured with: "../lib/x86_64-linux-gnu/korvane" for /usr.
    const QDir installed(program.filePath(QStringLiteral(KORVANE_MODULE_FROM_PROGRAM)));
    for (const QString& candidate : {program.filePath(name), installed.filePath(name)}) {
        // Left loaded: what the module makes lives on after this returns.
        QLibrary library(candidate);
        if (!library.load())
            continue;
        if (const QFunctionPointer function = library.resolve(symbol))
            return function;
    }
    return nullptr;
}

} // namespace korvane::platform::ProgramModule
