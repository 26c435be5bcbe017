// SPDX-License-Identifier: MIT
#include "globalhotkeys.h"

#include <qt_windows.h>

namespace korvane::platform {

unsigned GlobalHotKeys::nativeKey(Qt::Key key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    if (key == Qt::Key_Escape)
        return VK_ESCAPE;
    return 0;
}

bool GlobalHotKeys::grab(unsigned nativeKey, int id) {
    // Without a window the hot key belongs to this (the GUI) thread, whose
    // event loop sees WM_HOTKEY; fails when another program holds the key.
    return RegisterHotKey(nullptr, id, 0, nativeKey) != 0;
}

void GlobalHotKeys::ungrab(const HotKey& key) {
    UnregisterHotKey(nullptr, key.id);
}

bool GlobalHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) {
    Q_UNUSED(result);
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    // Thread messages: no window.
    if (msg->message != WM_HOTKEY || msg->hwnd != nullptr)
        return false;
    for (const HotKey& key : std::as_const(keys_)) {
        if (key.id == int(msg->wParam)) {
            emit activated(key.id);
            return true;
        }
    }
    return false;
}

} // namespace korvane::platform
