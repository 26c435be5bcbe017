// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QFileDevice;

namespace korvane::platform {

// Why a file could not be written, as a short Chinese reason for the user:
// the common causes by name, anything else in the system's own words.
class WriteFailure {
  public:
    enum class Cause {
        NoPermission,
        ReadOnlyDisk,
        DiskFull,
        FileTooLarge,   // beyond the system's file size limit
        FolderMissing,  // also: a file where a folder of the path should be
        FolderInTheWay, // a folder where the file should be
        InUse,          // busy or locked by another program
        Other,
    };

    // `error` is errno as the failing call left it; `systemText` what the
    // system said about it (QFileDevice::errorString()), may be empty.
    WriteFailure(int error, const QString& systemText);

    // The failure `file` just met: reads errno, so call it right after the
    // call that failed.
    static WriteFailure of(const QFileDevice& file);

    Cause cause() const { return cause_; }
    // "没有写入权限", …; the system's text for any other cause.
    QString reason() const;

  private:
    Cause cause_;
    QString systemText_;
};

} // namespace korvane::platform
