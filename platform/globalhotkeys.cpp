// SPDX-License-Identifier: MIT
#include "globalhotkeys.h"

#include <QCoreApplication>

namespace korvane::platform {

GlobalHotKeys::GlobalHotKeys(QObject* parent) : QObject(parent) {}

GlobalHotKeys::~GlobalHotKeys() {
    unregisterAll();
    if (filterInstalled_ && QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

int GlobalHotKeys::registerKey(Qt::Key key) {
    const unsigned code = nativeKey(key);
    if (code == 0 || !grab(code, nextId_))
        return 0;
    keys_.append({nextId_, code});
    if (!filterInstalled_) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        filterInstalled_ = true;
    }
    return nextId_++;
}

void GlobalHotKeys::unregisterAll() {
    for (const HotKey& key : std::as_const(keys_))
        ungrab(key);
    keys_.clear();
}

} // namespace korvane::platform
