// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>

namespace korvane::platform {

// System-wide hot keys without modifiers: key grabs on the root window under
// X11 (also while NumLock or CapsLock is on), RegisterHotKey on Windows. Where
// neither exists (Wayland; Linux without an X11 connection, as under Qt's
// offscreen platform) registering fails silently.
class GlobalHotKeys : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
  public:
    // Ids are handed out upward from here in registration order.
    static constexpr int kFirstId = 33001;

    explicit GlobalHotKeys(QObject* parent = nullptr);
    ~GlobalHotKeys() override;

    // Takes `key` from every other program; returns its id, or 0 when the key
    // cannot be taken (held by another program, or no way to take keys here).
    int registerKey(Qt::Key key);
    void unregisterAll();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  signals:
    void activated(int id);

  private:
    struct HotKey {
        int id;
        unsigned nativeKey; // X11 key code or Windows virtual key
    };

    // The key's X11 key code or Windows virtual key; 0 when it cannot be
    // taken here.
    static unsigned nativeKey(Qt::Key key);
    bool grab(unsigned nativeKey, int id);
    void ungrab(const HotKey& key);

    QList<HotKey> keys_;
    int nextId_ = kFirstId;
    bool filterInstalled_ = false;
};

} // namespace korvane::platform
