// SPDX-License-Identifier: MIT
#include "foldersnapshot.h"
#include "savefaults.h"
#include "summaryfilestore.h"
#include "summaryitemprint.h"
#include "summarylistfile.h"
#include "temporarydatafolder.h"
#include "testnames.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

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

// A previous file kept comes with a warning naming the file and why; a new one
// with none.
using savefaults::Result;
using SaveFaultCase = savefaults::Case;

class SummaryStoreSaveFault : public SummaryStoreTest,
                              public testing::WithParamInterface<SaveFaultCase> {};

TEST_P(SummaryStoreSaveFault, KeepsTheListOrSavesItWhole) {
    const SummaryFileStore store;
    QDir().mkpath(folder());
    writeFile(store.filePath(), bytesOf(kPrevious));
    // large enough to be killed part-way through
    const Rows rows = manyRows(2000);

    const savefaults::Outcome outcome =
        savefaults::saveUnder(GetParam().fault, data_.root(), store.filePath(), [&] {
            const SummaryFileStore::SaveResult result = store.save(rows);
            return (result.saved ? "S" : "F") + result.warning.toStdString();
        });
    if (!outcome.restricted)
        GTEST_SKIP() << "the fault cannot be had here";

    if (GetParam().fault == savefaults::Fault::KilledWhileWriting) {
        EXPECT_TRUE(outcome.killed) << "the save ended before it could be killed";
    } else if (GetParam().result == Result::PreviousKept) {
        EXPECT_EQ(outcome.answer.substr(0, 1), "F");
        const QString warning = QString::fromStdString(outcome.answer.substr(1));
        EXPECT_TRUE(warning.startsWith(QStringLiteral("材料汇总单保存失败：")))
            << warning.toStdString();
        EXPECT_TRUE(warning.contains(QDir::toNativeSeparators(store.filePath())))
            << warning.toStdString();
        // the reason on the second line, in Chinese
        EXPECT_TRUE(
            warning.section(QLatin1Char('\n'), 1).startsWith(QString::fromUtf8(GetParam().reason)))
            << warning.toStdString();
    } else {
        EXPECT_EQ(outcome.answer, "S");
    }
    const QMap<QString, QByteArray> expected =
        GetParam().result == Result::PreviousKept
            ? outcome.before
            : QMap<QString, QByteArray>{{QStringLiteral("korvane"), QByteArrayLiteral("<folder>")},
                                        {QStringLiteral("korvane/材料汇总单.txt"), bytesOf(rows)}};
    // nothing else: no temporary file either
    EXPECT_EQ(folderSnapshot(data_.root()), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SummaryStoreSaveFault,
                         testing::ValuesIn(savefaults::kDataFolderCases), [](const auto& info) {
                             return rowName(savefaults::name(info.param.fault), info.index);
                         });

} // namespace
