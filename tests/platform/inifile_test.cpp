// SPDX-License-Identifier: MIT
#include "childprocess.h"
#include "foldersnapshot.h"
#include "inifile.h"
#include "testnames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using korvane::IniFile;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

const QByteArray kPrevious = "; kept\r\n[s]\r\nk = old\r\n\r\n[t]\nj=1\n";

class IniFileTest : public testing::Test {
  protected:
    QString path() const { return dir_.filePath(QStringLiteral("profile.txt")); }

    QTemporaryDir dir_;
};

TEST_F(IniFileTest, MissingFileHasNoValuesAndIsCreatedByAWrite) {
    IniFile file(path());
    EXPECT_EQ(file.value("s", "k", 100), std::nullopt);

    ASSERT_TRUE(file.setValue("s", "k", "v").written);
    EXPECT_EQ(readFile(path()), QByteArrayLiteral("[s]\r\nk=v\r\n"));
    EXPECT_EQ(file.value("s", "k", 100), "v");
}

TEST_F(IniFileTest, WriteChangesOneLineAndKeepsTheRestOfTheFile) {
    writeFile(path(), kPrevious);
    IniFile file(path());
    ASSERT_TRUE(file.setValue("s", "k", "new").written);
    ASSERT_TRUE(file.setValue("t", "added", "2").written);
    EXPECT_EQ(readFile(path()),
              QByteArrayLiteral("; kept\r\n[s]\r\nk=new\r\n\r\n[t]\nj=1\nadded=2\r\n"));
    EXPECT_EQ(folderSnapshot(dir_.path()).keys(), QStringList{QStringLiteral("profile.txt")});
}

struct WriteFailureCase {
    const char* name;
    // Prepares the folder in this process; the file holds kPrevious unless
    // the case says otherwise.
    void (*arrange)(const QString& dir, const QString& path);
    bool (*restrict)();
};
void PrintTo(const WriteFailureCase& c, std::ostream* os) {
    *os << c.name;
}

class IniFileWriteFailure : public IniFileTest,
                            public testing::WithParamInterface<WriteFailureCase> {
  protected:
    ~IniFileWriteFailure() override {
        // a case may leave the folder or the file locked; the temporary
        // folder must still go
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(dir_.path(), all);
        QFile::setPermissions(path(), all);
    }
};

TEST_P(IniFileWriteFailure, ReturnsFalseAndLeavesTheFolderAsItWas) {
    GetParam().arrange(dir_.path(), path());
    const QMap<QString, QByteArray> before = folderSnapshot(dir_.path());

    const std::string value(1000, 'x');
    const childprocess::Outcome outcome = childprocess::run(
        GetParam().restrict, [&] { return IniFile(path()).setValue("s", "k", value).written; });
    if (!outcome.restricted)
        GTEST_SKIP() << "the restriction cannot be had here";

    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(folderSnapshot(dir_.path()), before);
}

void previousFile(const QString&, const QString& path) {
    writeFile(path, kPrevious);
}

// The unprivileged child must reach the file to be refused there.
void folderOpenToOthers(const QString& dir) {
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                   QFile::ExeOther | QFile::WriteOwner | QFile::WriteOther);
}

// The faults every save meets (a read-only folder, a write cut off, a kill)
// are tried on "配置.txt", the file written through this class.
const WriteFailureCase kWriteFailureCases[] = {
    // writing it anew would lose its other entries
    {"existing_file_cannot_be_read",
     [](const QString& dir, const QString& path) {
         previousFile(dir, path);
         QFile::setPermissions(path, QFile::WriteOwner | QFile::WriteOther);
         folderOpenToOthers(dir);
     },
     childprocess::withoutRootPrivileges},
    // unlike the callers, this class never creates the folder
    {"folder_missing", [](const QString& dir, const QString&) { QDir(dir).removeRecursively(); },
     childprocess::noRestriction},
};
INSTANTIATE_TEST_SUITE_P(Table, IniFileWriteFailure, testing::ValuesIn(kWriteFailureCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

} // namespace
