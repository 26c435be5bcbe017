// SPDX-License-Identifier: MIT
#include "clipplayer.h"

#include "programmodule.h"

namespace korvane::platform {

QObject* ClipPlayer::makeEngine(QObject* parent) {
    // The module links the multimedia libraries; loading it is what makes
    // the first clip slow, so that the program's start is not.
    using CreateEngine = QObject* (*)(QObject*);
    auto create = reinterpret_cast<CreateEngine>(
        ProgramModule::resolve(QStringLiteral("korvane_sound"), "korvaneCreateSoundEngine"));
    return create != nullptr ? create(parent) : nullptr;
}

} // namespace korvane::platform
