// SPDX-License-Identifier: MIT
#include "inifile.h"
#include "profiletext.h"
#include "writefailure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <utility>

namespace korvane {

namespace {

// The file's bytes; an empty text for a missing file, nullopt for one that
// exists but cannot be read, with the reason in `failure` when asked.
std::optional<std::string> readBytes(const QString& filePath, QString* failure = nullptr) {
    QFile file(filePath);
    if (!file.exists())
        return std::string();
    // Qt refuses to open a folder in words of its own, before any call that
    // would set errno.
    if (QFileInfo(filePath).isDir()) {
        if (failure != nullptr)
            *failure = platform::WriteFailure(EISDIR, QString()).reason();
        return std::nullopt;
    }
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes.toStdString();
    }
    if (failure != nullptr)
        *failure = platform::WriteFailure::of(file).reason();
    return std::nullopt;
}

IniFile::WriteResult notWritten(const QFileDevice& file) {
    return {false, platform::WriteFailure::of(file).reason()};
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

IniFile::WriteResult IniFile::setValue(std::string_view section, std::string_view key,
                                       std::string_view value) const {
    QString unreadable;
    std::optional<std::string> bytes = readBytes(filePath_, &unreadable);
    if (!bytes)
        return {false, unreadable};
    ProfileText text(std::move(*bytes));
    if (!text.setValue(section, key, value))
        return {false, QStringLiteral("内容不能写成一行")};

    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly))
        return notWritten(file);
    const auto size = static_cast<qint64>(text.bytes().size());
    // An unfinished QSaveFile is thrown away, never put in place of the file.
    if (file.write(text.bytes().data(), size) != size)
        return notWritten(file);
    // Flushed here, not by commit(): Qt 6.4's commit() misses an error of the
    // final flush (a full disk, a file size limit) and puts the cut-off file
    // in place of the old one.
    if (!file.flush() || !file.commit())
        return notWritten(file);
    return {true, {}};
}

} // namespace korvane
