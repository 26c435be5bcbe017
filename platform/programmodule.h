// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

namespace korvane::platform {

// The program's own modules (korvane_sound, korvane_report), loaded when
// first needed so that their libraries cost nothing at start-up. They sit
// beside the program in the build folder, and in the program's library folder
// once installed (found relative to the program, so any prefix works).
namespace ProgramModule {

// Loads module `name` (without its suffix) and gives its function `symbol`;
// null when neither place has it. The module stays loaded.
QFunctionPointer resolve(const QString& name, const char* symbol);

} // namespace ProgramModule
} // namespace korvane::platform
