// SPDX-License-Identifier: MIT
#include "writefailure.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace korvane::platform {

namespace {

using Cause = WriteFailure::Cause;

struct KnownError {
    int error;
    Cause cause;
};

// One error a line (clang-format would pack them in columns).
// clang-format off
constexpr KnownError kKnownErrors[] = {
    {EACCES, Cause::NoPermission},
    {EPERM, Cause::NoPermission},
    {EROFS, Cause::ReadOnlyDisk},
    {ENOSPC, Cause::DiskFull},
#ifdef EDQUOT
    {EDQUOT, Cause::DiskFull}, // the user's quota is used up
#endif
    {EFBIG, Cause::FileTooLarge},
    {ENOENT, Cause::FolderMissing},
    {ENOTDIR, Cause::FolderMissing},
    {EISDIR, Cause::FolderInTheWay},
    {ETXTBSY, Cause::InUse},
    {EBUSY, Cause::InUse},
};
// clang-format on

// Qt keeps the system's words for the error it met, not its number, and may
// make further calls before it returns (QSaveFile::commit() removes its draft
// after a failed rename), which can leave errno changed. So the number whose
// words Qt kept wins; errno counts when the words name no known error.
Cause causeOf(int error, const QString& systemText) {
    if (!systemText.isEmpty()) {
        for (const KnownError& known : kKnownErrors) {
            if (systemText.contains(qt_error_string(known.error)))
                return known.cause;
        }
    }
    for (const KnownError& known : kKnownErrors) {
        if (known.error == error)
            return known.cause;
    }
    return Cause::Other;
}

} // namespace

WriteFailure::WriteFailure(int error, const QString& systemText)
    : cause_(causeOf(error, systemText)),
      systemText_(!systemText.isEmpty() || error == 0 ? systemText : qt_error_string(error)) {}

WriteFailure WriteFailure::of(const QFileDevice& file) {
    const int error = errno;
    // QSaveFile refuses a folder in its own words ("Filename refers to a
    // directory"), before any call that would set errno. (Only QSaveFile is
    // asked for its name: a temporary file without one would get one.)
    if (qobject_cast<const QSaveFile*>(&file) != nullptr && QFileInfo(file.fileName()).isDir())
        return WriteFailure(EISDIR, file.errorString());
    return WriteFailure(error, file.errorString());
}

QString WriteFailure::reason() const {
    switch (cause_) {
    case Cause::NoPermission:
        return QStringLiteral("没有写入权限");
    case Cause::ReadOnlyDisk:
        return QStringLiteral("磁盘是只读的");
    case Cause::DiskFull:
        return QStringLiteral("磁盘空间不足");
    case Cause::FileTooLarge:
        return QStringLiteral("文件超过了系统允许的大小");
    case Cause::FolderMissing:
        return QStringLiteral("文件夹不存在");
    case Cause::FolderInTheWay:
        return QStringLiteral("同名的文件夹已存在");
    case Cause::InUse:
        return QStringLiteral("文件正在被其他程序使用");
    case Cause::Other:
        break;
    }
    return systemText_.isEmpty() ? QStringLiteral("写入文件时出错") : systemText_;
}

} // namespace korvane::platform
