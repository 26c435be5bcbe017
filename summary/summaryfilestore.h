// SPDX-License-Identifier: MIT
#pragma once

#include "summaryitem.h"

#include <QString>
#include <span>
#include <vector>

namespace korvane {

// The summary list's one file, "材料汇总单.txt" in the program's data folder.
// It is read once at start-up and written whole only when the user saves.
class SummaryFileStore {
  public:
    struct SaveResult {
        bool saved = false;
        // Why nothing was saved, naming the file, ready for a warning box;
        // empty when saved.
        QString warning;
    };

    // The file in the data folder of the current application name.
    SummaryFileStore();

    const QString& filePath() const { return filePath_; }

    // The rows in the file. A missing, unreadable or damaged file gives the
    // rows that are complete in it, possibly none; that is never an error.
    std::vector<SummaryItem> load() const;

    // Replaces the file by `rows`, creating the folder when needed. The file
    // is written beside the old one and only then put in its place, so on
    // any failure the old file is left exactly as it was.
    [[nodiscard]] SaveResult save(std::span<const SummaryItem> rows) const;

  private:
    QString filePath_;
};

} // namespace korvane
