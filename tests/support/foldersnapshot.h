// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QString>

// Every entry below `root` with the bytes of the files, to show that a failed
// write changed nothing and left no temporary file behind. Folders and files
// that cannot be read show as a mark of their own.
inline QMap<QString, QByteArray> folderSnapshot(const QString& root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        entries.insert(QDir(root).relativeFilePath(path),
                       it.fileInfo().isDir()             ? QByteArrayLiteral("<folder>")
                       : !file.open(QIODevice::ReadOnly) ? QByteArrayLiteral("<unreadable>")
                                                         : file.readAll());
    }
    return entries;
}
