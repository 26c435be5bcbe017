// SPDX-License-Identifier: MIT
// The export's save dialog keeps answering whatever the folders it lists hold:
// it opens no file there, so neither a pipe nor a file that blocks on read (as
// /proc/kmsg does) can stop the program while the user types a path.
#include "qtexportdialogs.h"
#include "recordingmessageboxes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Ends the test program when the test has not ended in time: a GUI thread
// blocked for good fails the run instead of hanging it.
class Watchdog {
  public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread_([this, limit] {
              std::unique_lock lock(mutex_);
              if (!ended_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fputs("The save dialog stopped answering: the test is ended.\n", stderr);
                  std::abort();
              }
          }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        ended_.notify_all();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

  private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread thread_;
};

// Opens the writing end of a pipe whenever something waits to read it, and
// closes it again at once: a reader blocked on the pipe then reads an end of
// file instead of hanging. Counts how often a reader was there.
class PipeReaderRelease {
  public:
    explicit PipeReaderRelease(const QString& pipe)
        : pipe_(QFile::encodeName(pipe)), thread_([this] {
              while (!stop_) {
                  // without a reader this fails at once (ENXIO)
                  const int fd = ::open(pipe_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0) {
                      ++readers_;
                      ::close(fd);
                  }
                  std::this_thread::sleep_for(20ms);
              }
          }) {}
    ~PipeReaderRelease() {
        stop_ = true;
        thread_.join();
    }
    PipeReaderRelease(const PipeReaderRelease&) = delete;
    PipeReaderRelease& operator=(const PipeReaderRelease&) = delete;

    int readers() const { return readers_; }

  private:
    QByteArray pipe_;
    std::atomic<bool> stop_ = false;
    std::atomic<int> readers_ = 0;
    std::thread thread_;
};

// The names of the files opened in a folder while this lives (listing the
// folder itself is not counted).
class OpenedFiles {
  public:
    explicit OpenedFiles(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0)
            inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenedFiles() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;

    bool watching() const { return fd_ >= 0; }
    // "" when none was opened
    std::string names() const {
        QSet<QString> names;
        alignas(inotify_event) char buffer[4096];
        ssize_t size;
        while ((size = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0)
                    names.insert(QFile::decodeName(event->name));
                at += sizeof(inotify_event) + event->len;
            }
        }
        QStringList sorted(names.begin(), names.end());
        sorted.sort();
        return sorted.join(QStringLiteral(", ")).toStdString();
    }

  private:
    int fd_;
};

// The event loop as the user feels it: the longest time between two turns of
// a timer that should fire every 20 ms.
class Responsiveness {
  public:
    Responsiveness() {
        QObject::connect(&tick_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, clock_.restart()); });
        clock_.start();
        tick_.start(20);
    }
    qint64 longestPauseMs() const { return std::max(longest_, clock_.elapsed()); }

  private:
    QTimer tick_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

// Turns the event loop until `done` or `limit` has passed.
void turnUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limit.count())
        QTest::qWait(20);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The dialog opens in a folder that holds a pipe, a regular file whose name
// says nothing of its type (so that only its contents could tell) and an
// earlier export; the user types the pipe's path, the other file's path and a
// path into /proc, where /proc/kmsg blocks on read. The dialog answers within
// a second each time, opens none of the files, and can still be closed.
TEST(ExportSaveDialog, AnswersWhateverTheListedFoldersHold) {
    const Watchdog watchdog(30s);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    writeFile(folder.filePath(QStringLiteral("kmsg")), "%PDF-1.4\n");
    writeFile(folder.filePath(QStringLiteral("汇总.xls")), "<?xml version=\"1.0\"?>\r\n");
    const PipeReaderRelease release(pipe);
    const OpenedFiles opened(folder.path());
    ASSERT_TRUE(opened.watching());
    korvane::platform::RecordingMessageBoxes messages;

    struct Typed {
        QString text;
        QString folder; // the folder the dialog lists for it
        qint64 pauseMs = -1;
    };
    QList<Typed> typed = {{pipe, folder.path()},
                          {folder.filePath(QStringLiteral("kmsg")), folder.path()},
                          {QStringLiteral("/proc/x.xls"), QStringLiteral("/proc")}};
    qint64 openingPauseMs = -1;
    bool typedAll = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        auto* model = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
        if (name == nullptr || model == nullptr) {
            if (dialog)
                dialog->reject();
            return;
        }
        QSet<QString> loaded;
        QObject::connect(model, &QFileSystemModel::directoryLoaded,
                         [&](const QString& path) { loaded.insert(path); });
        {
            const Responsiveness loop;
            dialog->setDirectory(folder.path());
            turnUntil([&] { return loaded.contains(folder.path()); }, 3s);
            QTest::qWait(200);
            openingPauseMs = loop.longestPauseMs();
        }
        for (Typed& t : typed) {
            const Responsiveness loop;
            name->clear();
            QTest::keyClicks(name, t.text);
            turnUntil([&] { return loaded.contains(t.folder); }, 3s);
            // the listing's later batches and what the completer does with them
            QTest::qWait(300);
            t.pauseMs = loop.longestPauseMs();
        }
        typedAll = true;
        dialog->reject();
    });

    korvane::QtExportDialogs dialogs;
    const auto choice = dialogs.savePath(nullptr, {{QStringLiteral("表格文件(*.xls)"), "xls"}});

    EXPECT_TRUE(typedAll);
    EXPECT_FALSE(choice.has_value());
    EXPECT_LT(openingPauseMs, 1000);
    for (const Typed& t : typed)
        EXPECT_LT(t.pauseMs, 1000) << t.text.toStdString();
    EXPECT_EQ(release.readers(), 0) << "something waited to read the pipe";
    EXPECT_EQ(opened.names(), "") << "files in the listed folder were opened";
    EXPECT_TRUE(messages.messages().isEmpty());
}

} // namespace

int main(int argc, char** argv) {
    // Listing the tests at build time runs without the test's environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's file dialog keeps its last folder and its history in the user's
    // configuration: a folder of its own keeps the user's untouched and the
    // test free of what another program left there.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
