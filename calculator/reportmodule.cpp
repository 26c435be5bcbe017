// SPDX-License-Identifier: MIT
#include "reportmodule.h"

#include "programmodule.h"

namespace korvane::ReportModule {

namespace {
CreateWindow provided = nullptr;

CreateWindow load() {
    return reinterpret_cast<CreateWindow>(
        platform::ProgramModule::resolve(QStringLiteral("korvane_report"), kEntryName));
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
