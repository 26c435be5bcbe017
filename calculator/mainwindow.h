// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace korvane {

// The calculator's only working window: fixed size, title bar with a close
// box only, opened at its design position.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kLeft = 680;
    static constexpr int kTop = 20;
    static constexpr int kClientWidth = 578;
    static constexpr int kClientHeight = 307;

    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace korvane
