// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QTest>
#include <QWidget>

// A shown, active window holding blank pages for page controllers to build
// on, so that focus behaves as in the program.
class PageHost {
  public:
    explicit PageHost(int pages = 1) {
        window_.resize(620, 300);
        for (int i = 0; i < pages; ++i) {
            auto* page = new QWidget(&window_);
            page->setGeometry(0, 0, 600, 280);
            pages_.push_back(page);
        }
    }

    QWidget* page(int index = 0) const { return pages_.at(index); }

    // Call after the controllers are built.
    bool show() {
        window_.show();
        window_.activateWindow();
        return QTest::qWaitForWindowActive(&window_);
    }

    QLineEdit* field(const char* name) const {
        return window_.findChild<QLineEdit*>(QString::fromUtf8(name));
    }

    // Typing as a user does: the field gets the focus, its text is selected
    // by the program, the keys replace it.
    static void typeInto(QLineEdit* field, const QString& keys) {
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field, keys);
    }

  private:
    QWidget window_;
    std::vector<QWidget*> pages_;
};
