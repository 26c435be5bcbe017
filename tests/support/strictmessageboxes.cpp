// SPDX-License-Identifier: MIT
// Linked into every GUI test: until a test installs message boxes of its own,
// any message fails the test at once instead of waiting on a modal box that
// nobody will ever close.
#include "messageboxes.h"

#include <QTest>

namespace {

class StrictMessageBoxes : public korvane::platform::MessageBoxes {
  public:
    void information(const QString& text) override { unexpected(text); }
    bool question(const QString& text) override {
        unexpected(text);
        return false;
    }
    Choice questionWithCancel(const QString& text) override {
        unexpected(text);
        return Choice::Cancel;
    }
    void warning(const QString& text) override { unexpected(text); }
    void plain(const QString& text) override { unexpected(text); }
    void error(const QString& title, const QString& text) override {
        unexpected(title + QStringLiteral(": ") + text);
    }

  private:
    static void unexpected(const QString& text) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message: ") + text), __FILE__, __LINE__);
    }
};

StrictMessageBoxes strict;
const bool installed = (korvane::platform::MessageBoxes::install(&strict), true);

} // namespace
