// SPDX-License-Identifier: MIT
#include "reportmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace korvane::ReportModule {

namespace {
CreateWindow provided = nullptr;

CreateWindow load() {
    const QDir folder(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {folder.filePath(QStringLiteral("korvane_report")),
          folder.filePath(QStringLiteral("../lib/korvane/korvane_report"))}) {
        // Left loaded: the windows it makes live on after this returns.
        QLibrary library(candidate);
        if (!library.load())
            continue;
        if (auto create =
                reinterpret_cast<CreateWindow>(library.resolve("korvaneCreateReportWindow")))
            return create;
    }
    return nullptr;
}
} // namespace

CreateWindow createWindow() {
    if (provided == nullptr)
        provided = load();
    return provided;
}

void provide(CreateWindow create) {
    provided = create;
}

} // namespace korvane::ReportModule
