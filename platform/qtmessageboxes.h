// SPDX-License-Identifier: MIT
#pragma once

#include "messageboxes.h"

namespace korvane::platform {

// Standard message boxes without an owner window, titled "信息：".
class QtMessageBoxes : public MessageBoxes {
  public:
    static QString title();

    void information(const QString& text) override;
    bool question(const QString& text) override;
    Choice questionWithCancel(const QString& text) override;
    void warning(const QString& text) override;
    void plain(const QString& text) override;
    void error(const QString& title, const QString& text) override;
};

} // namespace korvane::platform
