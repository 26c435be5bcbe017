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
    void saved(const QString& path) override;

    // Where the save dialog opens: the folder of the last file saved through
    // it while the program runs (a folder where the export failed is not
    // offered again), else the user's documents folder (else home),
    // never the folder the program was started from.
    static QString startFolder();
};

} // namespace korvane
