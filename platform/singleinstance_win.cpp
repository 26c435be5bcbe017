// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

#include <qt_windows.h>

#include <string>

namespace korvane::platform {

namespace {

// The names every version of the program uses, so that a second start of any
// version is handed over to the one that runs.
const wchar_t kEventName[] = L"这里随便填，要复杂点的";
const wchar_t kWindowValue[] = L"wodechengxu";

// A kernel object's name may hold no backslash, and a test's instance is
// named after a path.
std::wstring eventName(const QString& serverName) {
    QString name = serverName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.toStdWString();
}

// The program's own instance keeps its window handle in the value every
// version reads; an instance of another name (a test's) in a value of that name.
std::wstring windowValueName(const QString& serverName) {
    return serverName == SingleInstance::defaultServerName() ? std::wstring(kWindowValue)
                                                             : serverName.toStdWString();
}

// Posted to the running instance's main window by a second start. A message
// of the program's own, so that a stale handle now owned by another program
// makes that program do nothing.
UINT showMessage() {
    static const UINT message = RegisterWindowMessageW(L"korvane-show-window");
    return message;
}

} // namespace

// The running instance: it holds the named event for its lifetime and keeps
// the handle of its main window, the first ordinary top-level window it
// shows, in the registry for later starts.
class SingleInstance::Server : public QObject, public QAbstractNativeEventFilter {
  public:
    Server(SingleInstance* instance, HANDLE event)
        : QObject(instance), instance_(instance), event_(event),
          valueName_(windowValueName(instance->serverName())) {
        QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr)
            return;
        app->installEventFilter(this);
        app->installNativeEventFilter(this);
    }
    ~Server() override {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->removeNativeEventFilter(this);
            app->removeEventFilter(this);
        }
        CloseHandle(event_);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || window_ != nullptr)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        // Dialogs, menus and tips are not the main window. Other platforms
        // than Windows' own (offscreen) give no window handles.
        if (window == nullptr || window->type() != Qt::Window ||
            QGuiApplication::platformName() != QLatin1String("windows"))
            return false;
        window_ = reinterpret_cast<HWND>(window->winId());
        // The registry value is a DWORD: window handles keep to 32 bits, also
        // in 64-bit programs, so that 32-bit programs can use them.
        const DWORD handle = HandleToULong(window_);
        // The last start wins. Without the value a later start shows nothing
        // but still ends.
        RegSetValueExW(HKEY_CURRENT_USER, valueName_.c_str(), 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&handle), sizeof handle);
        QCoreApplication::instance()->removeEventFilter(this);
        return false;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override {
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != showMessage() || msg->hwnd == nullptr || msg->hwnd != window_)
            return false;
        // Null for messages taken from the queue: nobody waits for an answer.
        if (result != nullptr)
            *result = 0;
        emit instance_->showRequested();
        return true;
    }

  private:
    SingleInstance* instance_;
    HANDLE event_;
    std::wstring valueName_;
    HWND window_ = nullptr;
};

QString SingleInstance::defaultServerName() {
    return QString::fromWCharArray(kEventName);
}

QString SingleInstance::lockFileName() const {
    // Creating the named event decides at once which start runs.
    return {};
}

SingleInstance::Role SingleInstance::claim() {
    if (isListening())
        return Role::Running;
    if (listen())
        return Role::Running;
    if (askRunningInstanceToShow())
        return Role::HandedOver;
    // The running instance ended meanwhile, or the name belongs to an object
    // of another kind: try once more, then run on unguarded.
    return listen() ? Role::Running : Role::Unguarded;
}

bool SingleInstance::askRunningInstanceToShow() {
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, eventName(serverName_).c_str());
    if (event == nullptr)
        return false;
    CloseHandle(event);
    DWORD handle = 0;
    DWORD size = sizeof handle;
    if (RegGetValueW(HKEY_CURRENT_USER, nullptr, windowValueName(serverName_).c_str(),
                     RRF_RT_REG_DWORD, nullptr, &handle, &size) != ERROR_SUCCESS)
        handle = 0;
    // Zero until the running instance has shown its window, which it is
    // about to do anyway. Sign-extended, as Windows widens a 32-bit handle.
    const HWND window = static_cast<HWND>(LongToHandle(LONG(handle)));
    if (window != nullptr && IsWindow(window)) {
        // This start was made by the user just now and may bring a window to
        // the front; it passes that on to the running instance.
        DWORD process = 0;
        if (GetWindowThreadProcessId(window, &process) != 0)
            AllowSetForegroundWindow(process);
        PostMessageW(window, showMessage(), 0, 0);
    }
    return true;
}

bool SingleInstance::listen() {
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, eventName(serverName_).c_str());
    if (event == nullptr)
        return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another instance made it; it alone keeps it open.
        CloseHandle(event);
        return false;
    }
    server_ = new Server(this, event);
    return true;
}

bool SingleInstance::isListening() const {
    return server_ != nullptr;
}

} // namespace korvane::platform
