// SPDX-License-Identifier: MIT
#include "foldersnapshot.h"
#include "headerinfofile.h"
#include "testnames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

using korvane::HeaderInfoFile;

namespace {

const QString kTitle = QStringLiteral("编辑框1抬头");
const QString kCompany = QStringLiteral("编辑框2公司名称");
const QString kPreparer = QStringLiteral("编辑框3制单人");

// GBK: 编辑框 B1E0 BCAD BFF2, 抬头 CCA7 CDB7, 公司名称 B9AB CBBE C3FB B3C6,
// 制单人 D6C6 B5A5 C8CB, 两行 C1BD D0D0, 钢材有限公司 B8D6 B2C4 D3D0 CFDE B9AB CBBE.
#define GBK_SECTION "\xB1\xE0\xBC\xAD\xBF\xF2"
#define GBK_TITLE_KEY GBK_SECTION "1\xCC\xA7\xCD\xB7"
#define GBK_COMPANY_KEY GBK_SECTION "2\xB9\xAB\xCB\xBE\xC3\xFB\xB3\xC6"
#define GBK_PREPARER_KEY GBK_SECTION "3\xD6\xC6\xB5\xA5\xC8\xCB"
#define GBK_TWO_LINES "\xC1\xBD\xD0\xD0"
#define GBK_COMPANY "\xB8\xD6\xB2\xC4\xD3\xD0\xCF\xDE\xB9\xAB\xCB\xBE"

// As an earlier version leaves the file on Windows after the user saved a
// two-line title, an empty preparer, and someone edited it by hand (blanks
// around "=", a comment, another section).
// clang-format off
const QByteArray kEarlierFile = "; report header\r\n"
                                "[" GBK_SECTION "]\r\n"
                                GBK_PREPARER_KEY "=\r\n"
                                GBK_COMPANY_KEY " =  " GBK_COMPANY "\r\n"
                                GBK_TITLE_KEY "=" GBK_TWO_LINES "><br><" GBK_TWO_LINES "\r\n"
                                "\r\n"
                                "[Other]\r\n"
                                "key=1\r\n";
// clang-format on

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A temporary data folder and the program's application name, both put back
// when the test ends.
class HeaderInfoFileTest : public testing::Test {
  protected:
    HeaderInfoFileTest()
        : savedXdg_(qgetenv("XDG_DATA_HOME")), hadXdg_(qEnvironmentVariableIsSet("XDG_DATA_HOME")),
          savedName_(QCoreApplication::applicationName()) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(root_.path()));
        QCoreApplication::setApplicationName(QStringLiteral("korvane"));
    }
    ~HeaderInfoFileTest() override {
        if (hadXdg_)
            qputenv("XDG_DATA_HOME", savedXdg_);
        else
            qunsetenv("XDG_DATA_HOME");
        QCoreApplication::setApplicationName(savedName_);
    }

    QString folder() const { return root_.filePath(QStringLiteral("korvane")); }

    QTemporaryDir root_;

  private:
    QByteArray savedXdg_;
    bool hadXdg_;
    QString savedName_;
};

TEST_F(HeaderInfoFileTest, FileIsInTheProgramsDataFolder) {
    EXPECT_EQ(HeaderInfoFile().filePath(), QDir(folder()).filePath(QStringLiteral("配置.txt")));
}

TEST_F(HeaderInfoFileTest, MissingFileHasNoTexts) {
    for (const QString& name : {kTitle, kCompany, kPreparer})
        EXPECT_EQ(HeaderInfoFile().text(name), std::nullopt) << name.toStdString();
}

TEST_F(HeaderInfoFileTest, ReadsTheFileOfAnEarlierVersion) {
    writeFile(HeaderInfoFile().filePath(), kEarlierFile);
    const HeaderInfoFile file;
    EXPECT_EQ(file.text(kTitle), QStringLiteral("两行\r\n两行"));
    EXPECT_EQ(file.text(kCompany), QStringLiteral("钢材有限公司"));
    // saved empty: the edit box keeps its design text
    EXPECT_EQ(file.text(kPreparer), std::nullopt);
    EXPECT_EQ(file.text(QStringLiteral("key")), std::nullopt);
}

TEST_F(HeaderInfoFileTest, SavingOneTextKeepsTheRestOfTheFile) {
    writeFile(HeaderInfoFile().filePath(), kEarlierFile);
    ASSERT_TRUE(HeaderInfoFile().setText(kCompany, QStringLiteral("两行")));
    QByteArray expected = kEarlierFile;
    expected.replace(GBK_COMPANY_KEY " =  " GBK_COMPANY, GBK_COMPANY_KEY "=" GBK_TWO_LINES);
    EXPECT_EQ(readFile(HeaderInfoFile().filePath()), expected);
}

TEST_F(HeaderInfoFileTest, FirstSaveCreatesTheFolderAndTheFile) {
    ASSERT_TRUE(HeaderInfoFile().setText(kTitle, QStringLiteral("两行")));
    ASSERT_TRUE(HeaderInfoFile().setText(kCompany, QStringLiteral("两行")));
    // clang-format off
    EXPECT_EQ(readFile(HeaderInfoFile().filePath()),
              QByteArrayLiteral("[" GBK_SECTION "]\r\n"
                                GBK_TITLE_KEY "=" GBK_TWO_LINES "\r\n"
                                GBK_COMPANY_KEY "=" GBK_TWO_LINES "\r\n"));
    // clang-format on
}

TEST_F(HeaderInfoFileTest, EmptyTextReadsAsMissing) {
    const HeaderInfoFile file;
    ASSERT_TRUE(file.setText(kTitle, QStringLiteral("A")));
    ASSERT_TRUE(file.setText(kTitle, QString()));
    EXPECT_EQ(file.text(kTitle), std::nullopt);
}

TEST_F(HeaderInfoFileTest, LongTextComesBackCutToTheReadBuffer) {
    const HeaderInfoFile file;
    ASSERT_TRUE(file.setText(kTitle, QString(20000, u'x')));
    // the buffer of 10240 bytes keeps one for the terminating zero
    EXPECT_EQ(file.text(kTitle), QString(10239, u'x'));
    // two bytes a character in GBK: a character is never cut in half
    ASSERT_TRUE(file.setText(kTitle, QString(6000, u'两')));
    EXPECT_EQ(file.text(kTitle), QString(5119, u'两'));
}

struct RoundTripCase {
    const char* name;
    QString text;
    QByteArray stored; // GBK, as the file holds it
};
void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

class HeaderInfoFileRoundTrip : public HeaderInfoFileTest,
                                public testing::WithParamInterface<RoundTripCase> {};

TEST_P(HeaderInfoFileRoundTrip, StoresTheTextOnOneLineAndRestoresIt) {
    const RoundTripCase& c = GetParam();
    ASSERT_TRUE(HeaderInfoFile().setText(kTitle, c.text));
    EXPECT_EQ(readFile(HeaderInfoFile().filePath()),
              "[" GBK_SECTION "]\r\n" GBK_TITLE_KEY "=" + c.stored + "\r\n");
    EXPECT_EQ(HeaderInfoFile().text(kTitle), c.text);
}

const RoundTripCase kRoundTripCases[] = {
    {"chinese", QStringLiteral("两行"), GBK_TWO_LINES},
    // as earlier versions store it
    {"cr_lf", QStringLiteral("两行\r\n两行"), GBK_TWO_LINES "><br><" GBK_TWO_LINES},
    {"lone_cr", QStringLiteral("a\rb"), "a><cr><b"},
    {"lone_lf", QStringLiteral("a\nb"), "a><lf><b"},
    {"lf_then_cr", QStringLiteral("a\n\rb"), "a><lf><><cr><b"},
    {"line_breaks_at_both_ends", QStringLiteral("\r\na\n"), "><br><a><lf><"},
    // the profile service drops blanks around a value and one pair of quotes
    {"blanks_around", QStringLiteral("  a\t"), "\"  a\t\""},
    {"ideographic_space_is_no_blank", QStringLiteral("\u3000a"),
     "\xA1\xA1"
     "a"},
    {"double_quoted", QStringLiteral("\"a\""), "\"\"a\"\""},
    {"single_quoted", QStringLiteral("'a'"), "\"'a'\""},
    {"quotes_inside", QStringLiteral("a\"b'c"), "a\"b'c"},
    {"lone_quote", QStringLiteral("\""), "\""},
};
INSTANTIATE_TEST_SUITE_P(Table, HeaderInfoFileRoundTrip, testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

struct SaveFailureCase {
    const char* name;
    void (*arrange)(const QString& folder, const QString& filePath);
};
void PrintTo(const SaveFailureCase& c, std::ostream* os) {
    *os << c.name;
}

class HeaderInfoFileSaveFailure : public HeaderInfoFileTest,
                                  public testing::WithParamInterface<SaveFailureCase> {};

TEST_P(HeaderInfoFileSaveFailure, ReturnsFalseAndLeavesEverythingAsItWas) {
    const HeaderInfoFile file;
    GetParam().arrange(folder(), file.filePath());
    const QMap<QString, QByteArray> before = folderSnapshot(root_.path());
    EXPECT_FALSE(file.setText(kTitle, QStringLiteral("A")));
    EXPECT_EQ(folderSnapshot(root_.path()), before);
}

// More ways to fail are tried on the INI file itself.
const SaveFailureCase kSaveFailureCases[] = {
    {"folder_cannot_be_created",
     [](const QString& folder, const QString&) {
         writeFile(folder, QByteArrayLiteral("a file where the folder belongs"));
     }},
    {"file_path_is_a_folder",
     [](const QString&, const QString& filePath) {
         QDir().mkpath(filePath);
         writeFile(QDir(filePath).filePath(QStringLiteral("inside")), kEarlierFile);
     }},
};
INSTANTIATE_TEST_SUITE_P(Table, HeaderInfoFileSaveFailure, testing::ValuesIn(kSaveFailureCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

} // namespace
