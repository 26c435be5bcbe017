// SPDX-License-Identifier: MIT
#pragma once

#include "childprocess.h"
#include "foldersnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

// The faults every save of the program is tried under, one row each in a
// table of cases, and a way to run a save under them.
namespace savefaults {

enum class Fault {
    ReadOnlyFolder,
    FolderRemoved,
    WriteFailsPartWay, // a file size limit stops the write
    // SIGKILL part-way through the write. QSaveFile writes into a file without
    // a name on Linux (O_TMPFILE) and names it only when it commits, so a kill
    // leaves nothing behind; where a file system cannot make such files it
    // falls back to a named one, and this row shows it.
    KilledWhileWriting,
    FolderIsAFile, // the folder cannot be created
    FileIsAFolder,
};

inline const char* name(Fault fault) {
    switch (fault) {
    case Fault::ReadOnlyFolder:
        return "read_only_folder";
    case Fault::FolderRemoved:
        return "folder_removed";
    case Fault::WriteFailsPartWay:
        return "write_fails_part_way";
    case Fault::KilledWhileWriting:
        return "killed_while_writing";
    case Fault::FolderIsAFile:
        return "folder_is_a_file";
    case Fault::FileIsAFolder:
        return "file_is_a_folder";
    }
    return "?";
}

inline void PrintTo(Fault fault, std::ostream* os) {
    *os << name(fault);
}

// What the user is left with after a save under a fault; whether they are
// told is each save's own to check.
enum class Result {
    PreviousKept, // the previous file as it was
    NewSaved,     // the file with the new contents, complete
};

struct Case {
    Fault fault;
    Result result;
    // What a save that tells the user gives as the reason (its start, where
    // the reason names a path); empty when the file was saved or the save killed.
    const char* reason = "";
};
inline void PrintTo(const Case& c, std::ostream* os) {
    *os << name(c.fault);
}

// The table of a save into the program's data folder, which it makes anew
// when the folder is missing.
inline const Case kDataFolderCases[] = {
    {Fault::ReadOnlyFolder, Result::PreviousKept, "没有写入权限"},
    {Fault::FolderRemoved, Result::NewSaved},
    {Fault::WriteFailsPartWay, Result::PreviousKept, "文件超过了系统允许的大小"},
    {Fault::KilledWhileWriting, Result::PreviousKept},
    {Fault::FolderIsAFile, Result::PreviousKept, "无法创建文件夹："},
    {Fault::FileIsAFolder, Result::PreviousKept, "同名的文件夹已存在"},
};

// The table of a save into a folder the user chose, which it does not make.
inline const Case kChosenFolderCases[] = {
    {Fault::ReadOnlyFolder, Result::PreviousKept, "没有写入权限"},
    {Fault::FolderRemoved, Result::PreviousKept, "文件夹不存在"},
    {Fault::WriteFailsPartWay, Result::PreviousKept, "文件超过了系统允许的大小"},
    {Fault::KilledWhileWriting, Result::PreviousKept},
    {Fault::FolderIsAFile, Result::PreviousKept, "文件夹不存在"},
    {Fault::FileIsAFolder, Result::PreviousKept, "同名的文件夹已存在"},
};

// What became of a save tried under a fault.
struct Outcome {
    bool restricted = false; // the fault could be had here (else the case is skipped)
    bool killed = false;
    std::string answer;               // what the save answered, unless it was killed
    QMap<QString, QByteArray> before; // the snapshot of `root` with the fault in place
};

namespace detail {

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline const QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
inline const QFile::Permissions kOthersMayEnter =
    kOwnerOnly | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;

} // namespace detail

// Puts `fault` in place for the file at `filePath`, which may hold a previous
// version, takes a snapshot of `root` (above the file's folder) and runs `save` in a child process
// (without root's privileges, under a file size limit or killed part-way through as the fault
// asks). Permissions are put back afterwards, so that the caller can look at the folder and remove
// it. `save`'s files must be larger than 4096 bytes, so that a kill can land part-way through them.
inline Outcome saveUnder(Fault fault, const QString& root, const QString& filePath,
                         const std::function<std::string()>& save) {
    using namespace detail;
    const QString folder = QFileInfo(filePath).absolutePath();
    const QString parent = QFileInfo(folder).absolutePath();
    bool (*restrict)() = childprocess::noRestriction;
    switch (fault) {
    case Fault::ReadOnlyFolder:
        // The unprivileged child must reach the folder to be refused there.
        QFile::setPermissions(parent, kOthersMayEnter);
        QFile::setPermissions(folder, kOthersMayEnter & ~QFile::Permissions(QFile::WriteOwner));
        restrict = childprocess::withoutRootPrivileges;
        break;
    case Fault::FolderRemoved:
        QDir(folder).removeRecursively();
        break;
    case Fault::WriteFailsPartWay:
        restrict = childprocess::smallFileSizeLimit;
        break;
    case Fault::KilledWhileWriting:
        break;
    case Fault::FolderIsAFile:
        QDir(folder).removeRecursively();
        writeFile(folder, "a file where the folder belongs");
        break;
    case Fault::FileIsAFolder:
        QFile::remove(filePath);
        QDir().mkpath(filePath);
        writeFile(QDir(filePath).filePath(QStringLiteral("inside")), "kept");
        break;
    }

    Outcome outcome;
    outcome.before = folderSnapshot(root);
    if (fault == Fault::KilledWhileWriting) {
        outcome.killed = childprocess::killedWhileWriting([&save] { save(); });
        outcome.restricted = true;
    } else if (const std::optional<std::string> answer = childprocess::report(restrict, save)) {
        outcome.restricted = true;
        outcome.answer = *answer;
    }
    if (fault == Fault::ReadOnlyFolder)
        QFile::setPermissions(folder, kOwnerOnly);
    return outcome;
}

} // namespace savefaults
