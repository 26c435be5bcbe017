// SPDX-License-Identifier: MIT
#include "globalhotkeys.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace korvane::platform {

namespace {

struct X11 {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
};

// Null under offscreen and Wayland: there the X11 interface or its connection is missing.
X11 x11() {
    X11 result;
    auto* app = qGuiApp == nullptr ? nullptr
                                   : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (app == nullptr || app->connection() == nullptr)
        return result;
    result.connection = app->connection();
    const xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(result.connection));
    if (screen.rem > 0)
        result.root = screen.data->root;
    return result;
}

unsigned keySym(Qt::Key key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return 0xffbe + (key - Qt::Key_F1); // XK_F1 onward
    if (key == Qt::Key_Escape)
        return 0xff1b; // XK_Escape
    return 0;
}

unsigned keyCode(xcb_connection_t* connection, unsigned sym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_keycode_t first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, first, count), nullptr);
    if (reply == nullptr)
        return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
    const int perCode = reply->keysyms_per_keycode;
    unsigned code = 0;
    for (int i = 0; i < count && code == 0; ++i) {
        for (int j = 0; j < perCode; ++j) {
            if (syms[i * perCode + j] == sym) {
                code = first + i;
                break;
            }
        }
    }
    free(reply);
    return code;
}

// The key counts as pressed without modifiers also with CapsLock and NumLock on.
constexpr uint16_t kLockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                   XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr uint16_t kModifierMask = 0xff;

} // namespace

unsigned GlobalHotKeys::nativeKey(Qt::Key key) {
    const X11 x = x11();
    return x.connection != nullptr && keySym(key) != 0 ? keyCode(x.connection, keySym(key)) : 0;
}

bool GlobalHotKeys::grab(unsigned nativeKey, int id) {
    const X11 x = x11();
    if (x.connection == nullptr || x.root == 0)
        return false;
    bool taken = true;
    for (uint16_t lock : kLockMasks) {
        xcb_void_cookie_t cookie =
            xcb_grab_key_checked(x.connection, 1, x.root, lock, xcb_keycode_t(nativeKey),
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        // BadAccess: another client holds the key.
        if (xcb_generic_error_t* error = xcb_request_check(x.connection, cookie)) {
            free(error);
            taken = false;
        }
    }
    if (!taken)
        ungrab({id, nativeKey});
    return taken;
}

void GlobalHotKeys::ungrab(const HotKey& key) {
    const X11 x = x11();
    if (x.connection == nullptr)
        return;
    for (uint16_t lock : kLockMasks)
        xcb_ungrab_key(x.connection, xcb_keycode_t(key.nativeKey), x.root, lock);
    xcb_flush(x.connection);
}

bool GlobalHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) {
    Q_UNUSED(result);
    if (eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
    const uint16_t modifiers = press->state & kModifierMask & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
    if (modifiers != 0)
        return false;
    for (const HotKey& key : std::as_const(keys_)) {
        if (key.nativeKey == press->detail) {
            emit activated(key.id);
            return true;
        }
    }
    return false;
}

} // namespace korvane::platform
