// SPDX-License-Identifier: MIT
#include "childprocess.h"
#include "foldersnapshot.h"
#include "summaryfilestore.h"
#include "summaryitemprint.h"
#include "summarylistfile.h"
#include "temporarydatafolder.h"
#include "testnames.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/wait.h>
#include <unistd.h>

using korvane::SummaryFileStore;
using korvane::SummaryItem;
using korvane::SummaryListFile;

namespace {

using Rows = std::vector<SummaryItem>;

// GBK: 钢板 B8D6 B0E5, ㎡ A94F.
const Rows kPrevious = {
    {{"1", "\xB8\xD6\xB0\xE5", "10mm*2.2m*12m*1", "78.50Kg/\xA9\x4F", "26.40\xA9\x4F", "2072.40"}},
};

Rows manyRows(int count) {
    Rows rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({{std::to_string(i), "\xB8\xD6\xB0\xE5", "10mm*2.2m*12m*1",
                         "78.50Kg/\xA9\x4F", "26.40\xA9\x4F", "2072.40"}});
    return rows;
}

QByteArray bytesOf(const Rows& rows) {
    const std::string bytes = SummaryListFile::encode(rows);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class SummaryStoreTest : public testing::Test {
  protected:
    QString folder() const { return data_.folder(); }

    TemporaryDataFolder data_;
};

TEST_F(SummaryStoreTest, FileIsInTheProgramsDataFolder) {
    EXPECT_EQ(SummaryFileStore().filePath(),
              QDir(folder()).filePath(QStringLiteral("材料汇总单.txt")));
}

TEST_F(SummaryStoreTest, SaveCreatesTheFolderReplacesTheFileAndLoadsBack) {
    const SummaryFileStore store;
    for (const Rows& rows : {manyRows(3), kPrevious, Rows{}}) {
        const SummaryFileStore::SaveResult result = store.save(rows);
        EXPECT_TRUE(result.saved);
        EXPECT_TRUE(result.warning.isEmpty()) << result.warning.toStdString();

        const QMap<QString, QByteArray> expected = {
            {QStringLiteral("korvane"), QByteArrayLiteral("<folder>")},
            {QStringLiteral("korvane/材料汇总单.txt"), bytesOf(rows)},
        };
        EXPECT_EQ(folderSnapshot(data_.root()), expected);
        EXPECT_EQ(store.load(), rows);
    }
}

struct LoadCase {
    const char* name;
    // Puts whatever the data folder holds in place.
    void (*arrange)(const QString& filePath);
    Rows rows;
};
void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class SummaryStoreLoad : public SummaryStoreTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(SummaryStoreLoad, GivesTheCompleteRowsAndNothingElse) {
    const SummaryFileStore store;
    QDir().mkpath(folder());
    GetParam().arrange(store.filePath());
    EXPECT_EQ(store.load(), GetParam().rows);
}

const LoadCase kLoadCases[] = {
    {"missing_file", [](const QString&) {}, {}},
    {"file_is_a_folder", [](const QString& path) { QDir().mkpath(path); }, {}},
    // the next row's first record is complete, its second is not
    {"ends_inside_a_record",
     [](const QString& path) {
         writeFile(path, bytesOf(manyRows(2)) + bytesOf(kPrevious).left(30));
     },
     [] {
         Rows rows = manyRows(2);
         rows.push_back({{"1"}});
         return rows;
     }()},
    {"garbage", [](const QString& path) { writeFile(path, QByteArray(100, '\x7F')); }, {}},
};
INSTANTIATE_TEST_SUITE_P(Table, SummaryStoreLoad, testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

// What a save in a child process reported.
struct ChildSave {
    bool restricted = false; // the child could put its restriction in place
    bool saved = false;
    QString warning;
};

// Saves in a child process so that a file size limit or a dropped user id
// ends with it.
ChildSave saveInChild(const SummaryFileStore& store, const Rows& rows, bool (*restrict)()) {
    const std::optional<std::string> report = childprocess::report(restrict, [&] {
        const SummaryFileStore::SaveResult result = store.save(rows);
        return (result.saved ? "S" : "F") + result.warning.toStdString();
    });
    if (!report)
        return {};
    return {true, report->front() == 'S', QString::fromStdString(report->substr(1))};
}

struct SaveFailureCase {
    const char* name;
    // Prepares the data folder in this process; the store's file holds the
    // previous list unless the case says otherwise.
    void (*arrange)(const QString& root, const QString& folder, const QString& filePath);
    bool (*restrict)();
};
void PrintTo(const SaveFailureCase& c, std::ostream* os) {
    *os << c.name;
}

class SummaryStoreSaveFailure : public SummaryStoreTest,
                                public testing::WithParamInterface<SaveFailureCase> {};

TEST_P(SummaryStoreSaveFailure, LeavesEverythingAsItWasAndNamesTheFile) {
    const SummaryFileStore store;
    GetParam().arrange(data_.root(), folder(), store.filePath());
    const QMap<QString, QByteArray> before = folderSnapshot(data_.root());

    const ChildSave outcome = saveInChild(store, manyRows(20), GetParam().restrict);
    if (!outcome.restricted)
        GTEST_SKIP() << "the restriction cannot be had here";

    EXPECT_FALSE(outcome.saved);
    EXPECT_TRUE(outcome.warning.startsWith(QStringLiteral("材料汇总单保存失败：")))
        << outcome.warning.toStdString();
    EXPECT_TRUE(outcome.warning.contains(QDir::toNativeSeparators(store.filePath())))
        << outcome.warning.toStdString();
    EXPECT_EQ(folderSnapshot(data_.root()), before);
}

void previousFile(const QString&, const QString& folder, const QString& filePath) {
    QDir().mkpath(folder);
    writeFile(filePath, bytesOf(kPrevious));
}

const SaveFailureCase kSaveFailureCases[] = {
    {"write_fails_part_way", previousFile, childprocess::smallFileSizeLimit},
    {"read_only_folder",
     [](const QString& root, const QString& folder, const QString& filePath) {
         previousFile(root, folder, filePath);
         // the unprivileged child must reach the folder to be refused there
         QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadOther | QFile::ExeOther);
         QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                           QFile::ExeOther);
     },
     childprocess::withoutRootPrivileges},
    {"folder_cannot_be_created",
     [](const QString&, const QString& folder, const QString&) {
         writeFile(folder, QByteArrayLiteral("a file where the folder belongs"));
     },
     childprocess::noRestriction},
    {"file_path_is_a_folder",
     [](const QString&, const QString&, const QString& filePath) {
         QDir().mkpath(filePath);
         writeFile(QDir(filePath).filePath(QStringLiteral("inside")), QByteArrayLiteral("kept"));
     },
     childprocess::noRestriction},
};
INSTANTIATE_TEST_SUITE_P(Table, SummaryStoreSaveFailure, testing::ValuesIn(kSaveFailureCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

} // namespace
