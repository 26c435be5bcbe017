// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

namespace korvane {

// The report's header texts in "配置.txt" (section "编辑框", keys = edit box
// names) in the data folder: a GBK profile (INI) file that earlier versions
// wrote and read through the Windows profile-string service.
class HeaderInfoFile {
  public:
    // The file in the data folder of the current application name.
    HeaderInfoFile();

    const QString& filePath() const { return filePath_; }

    // The stored text of an edit box; nullopt when missing or empty (the
    // caller uses its design text then).
    std::optional<QString> text(const QString& editBoxName) const;

    struct SaveResult {
        bool saved = false;
        // Why nothing was saved, naming the file, ready for a warning box;
        // empty when saved.
        QString warning;
    };

    // Stores the text, creating the folder when needed and keeping everything
    // else in the file. On any failure the file stays as it was.
    [[nodiscard]] SaveResult setText(const QString& editBoxName, const QString& text) const;

  private:
    QString filePath_;
};

} // namespace korvane
