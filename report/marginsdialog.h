// SPDX-License-Identifier: MIT
#pragma once

#include "reportgrid.h"

#include <QDialog>
#include <QPageLayout>
#include <array>

class QLineEdit;

namespace korvane {

// "页边距设置(单位: 0.1毫米)": the sheet's seven print settings, each 0 to 999
// tenths of a millimetre, digits only. Settings that leave the table less
// than its least room on the paper are refused with a message saying which;
// the dialog stays open with them for the user to correct.
class MarginsDialog : public QDialog {
    Q_OBJECT
  public:
    // Print settings by index 1 to 7 (slot 0 unused), as the grid numbers them.
    using Settings = std::array<int, ReportGrid::kPrintSettingCount + 1>;

    // `paper`: the paper the settings are for, with its orientation.
    MarginsDialog(const Settings& settings, const QPageLayout& paper, QWidget* parent = nullptr);

    Settings settings() const;
    // "确定": closes only with settings that leave the table room.
    void accept() override;
    // Why the settings leave the table too little room on `paper`, naming the
    // settings to make smaller; empty when they leave enough.
    static QString problem(const Settings& settings, const QPageLayout& paper);
    // "默认值": the values a new report window starts with.
    void restoreDefaults();

    static Settings settingsOf(const ReportGrid& grid);
    static void apply(const Settings& settings, ReportGrid& grid);
    // The table's distances from the paper's edges with these settings, as
    // the report painter measures them.
    static QMarginsF tableMargins(const Settings& settings);

  private:
    void showSettings(const Settings& settings);

    std::array<QLineEdit*, ReportGrid::kPrintSettingCount + 1> fields_{};
    QPageLayout paper_;
};

} // namespace korvane
