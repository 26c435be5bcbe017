// SPDX-License-Identifier: MIT
#pragma once

#include "reportgrid.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace korvane {

// "页边距设置(单位: 0.1毫米)": the sheet's seven print settings, each 0 to 999
// tenths of a millimetre, digits only.
class MarginsDialog : public QDialog {
    Q_OBJECT
  public:
    // Print settings by index 1 to 7 (slot 0 unused), as the grid numbers them.
    using Settings = std::array<int, ReportGrid::kPrintSettingCount + 1>;

    explicit MarginsDialog(const Settings& settings, QWidget* parent = nullptr);

    Settings settings() const;
    // "默认值": the values a new report window starts with.
    void restoreDefaults();

    static Settings settingsOf(const ReportGrid& grid);
    static void apply(const Settings& settings, ReportGrid& grid);

  private:
    void show(const Settings& settings);

    std::array<QLineEdit*, ReportGrid::kPrintSettingCount + 1> fields_{};
};

} // namespace korvane
