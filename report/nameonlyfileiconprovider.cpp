// SPDX-License-Identifier: MIT
#include "nameonlyfileiconprovider.h"

#include <QFileInfo>
#include <QMimeType>

namespace korvane {

QIcon NameOnlyFileIconProvider::icon(const QFileInfo& info) const {
    // Folders and regular files get the platform's icons, which Qt takes from
    // the name and the metadata; a device, a pipe or a socket is not handed to
    // the platform at all.
    if (info.isDir() || info.isFile())
        return QFileIconProvider::icon(info);
    return icon(QAbstractFileIconProvider::File);
}

QString NameOnlyFileIconProvider::type(const QFileInfo& info) const {
    // Drives, folders, links and special files are named without reading
    // anything; only a regular file would be opened.
    if (!info.isFile())
        return QFileIconProvider::type(info);
    const QMimeType mime = mimes_.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

} // namespace korvane
