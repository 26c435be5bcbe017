// SPDX-License-Identifier: MIT
#include "summaryfilestore.h"
#include "summarylistfile.h"
#include "writefailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace korvane {

namespace {

SummaryFileStore::SaveResult failed(const QString& filePath, const QString& reason) {
    return {false, QStringLiteral("材料汇总单保存失败：%1\n%2")
                       .arg(QDir::toNativeSeparators(filePath), reason)};
}

// Why `file`'s last call failed: taken before anything else can change errno.
SummaryFileStore::SaveResult failed(const QString& filePath, const QSaveFile& file) {
    const platform::WriteFailure failure = platform::WriteFailure::of(file);
    return failed(filePath, failure.reason());
}

} // namespace

SummaryFileStore::SummaryFileStore()
    : filePath_(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                    .filePath(QStringLiteral("材料汇总单.txt"))) {}

std::vector<SummaryItem> SummaryFileStore::load() const {
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return SummaryListFile::decode(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

SummaryFileStore::SaveResult SummaryFileStore::save(std::span<const SummaryItem> rows) const {
    const QString folder = QFileInfo(filePath_).absolutePath();
    if (!QDir().mkpath(folder))
        return failed(filePath_,
                      QStringLiteral("无法创建文件夹：%1").arg(QDir::toNativeSeparators(folder)));

    const std::string bytes = SummaryListFile::encode(rows);
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly))
        return failed(filePath_, file);
    const auto size = static_cast<qint64>(bytes.size());
    // An unfinished QSaveFile is thrown away, never put in place of the file;
    // on Linux it has no name until it commits, so not even a killed program
    // leaves it behind.
    if (file.write(bytes.data(), size) != size)
        return failed(filePath_, file);
    // Flushed here, not by commit(): Qt 6.4's commit() misses an error of the
    // final flush (a full disk, a file size limit) and puts the cut-off file
    // in place of the old one.
    if (!file.flush())
        return failed(filePath_, file);
    if (!file.commit())
        return failed(filePath_, file);
    return {true, {}};
}

} // namespace korvane
