// SPDX-License-Identifier: MIT
#include "inifile.h"
#include "profiletext.h"

#include <QFile>
#include <QSaveFile>
#include <utility>

namespace korvane {

namespace {

// The file's bytes; an empty text for a missing file, nullopt for one that
// exists but cannot be read.
std::optional<std::string> readBytes(const QString& filePath) {
    QFile file(filePath);
    if (!file.exists())
        return std::string();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

} // namespace

IniFile::IniFile(QString filePath) : filePath_(std::move(filePath)) {}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key,
                                          std::size_t bufferSize) const {
    std::optional<std::string> bytes = readBytes(filePath_);
    if (!bytes)
        return std::nullopt;
    return ProfileText(std::move(*bytes)).value(section, key, bufferSize);
}

bool IniFile::setValue(std::string_view section, std::string_view key,
                       std::string_view value) const {
    std::optional<std::string> bytes = readBytes(filePath_);
    if (!bytes)
        return false;
    ProfileText text(std::move(*bytes));
    if (!text.setValue(section, key, value))
        return false;

    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(text.bytes().size());
    // An unfinished QSaveFile is thrown away, never put in place of the file.
    if (file.write(text.bytes().data(), size) != size)
        return false;
    // Flushed here, not by commit(): Qt 6.4's commit() misses an error of the
    // final flush (a full disk, a file size limit) and puts the cut-off file
    // in place of the old one.
    if (!file.flush())
        return false;
    return file.commit();
}

} // namespace korvane
