// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// A profile (INI) file on disk, read and written entry by entry like the
// Windows profile-string service does (see ProfileText for the rules).
// Sections, keys and values are GBK.
class IniFile {
  public:
    explicit IniFile(QString filePath);

    const QString& filePath() const { return filePath_; }

    // The value as a caller's buffer of `bufferSize` bytes receives it;
    // nullopt when the file, the section or the key is missing or the file
    // cannot be read.
    std::optional<std::string> value(std::string_view section, std::string_view key,
                                     std::size_t bufferSize) const;

    struct WriteResult {
        bool written = false;
        // Why nothing was written, in the user's words (WriteFailure's
        // reasons); empty when written.
        QString reason;
        explicit operator bool() const { return written; }
    };

    // Sets one entry and keeps the rest of the file byte for byte. The file is
    // written beside the old one and only then put in its place, so on any
    // failure the old file stays as it was. The folder must exist. Nothing is
    // written for an existing file that cannot be read (its other entries
    // would be lost), an entry that cannot be held by one line, or a failed
    // write.
    [[nodiscard]] WriteResult setValue(std::string_view section, std::string_view key,
                                       std::string_view value) const;

  private:
    QString filePath_;
};

} // namespace korvane
