// SPDX-License-Identifier: MIT
#pragma once

#include "exportdialogs.h"

namespace korvane {

// The export's dialogs on screen: Qt's own save dialog, in Chinese, and an input box.
class QtExportDialogs : public ExportDialogs {
  public:
    std::optional<SaveChoice> savePath(QWidget* parent, const QList<FileFilter>& filters) override;
    std::optional<QString> text(QWidget* parent, const QString& title, const QString& prompt,
                                const QString& initial) override;
};

} // namespace korvane
