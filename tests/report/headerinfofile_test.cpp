// SPDX-License-Identifier: MIT
#include "foldersnapshot.h"
#include "headerinfofile.h"
#include "savefaults.h"
#include "temporarydatafolder.h"
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
    QString folder() const { return data_.folder(); }

    TemporaryDataFolder data_;
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
    ASSERT_TRUE(HeaderInfoFile().setText(kCompany, QStringLiteral("两行")).saved);
    QByteArray expected = kEarlierFile;
    expected.replace(GBK_COMPANY_KEY " =  " GBK_COMPANY, GBK_COMPANY_KEY "=" GBK_TWO_LINES);
    EXPECT_EQ(readFile(HeaderInfoFile().filePath()), expected);
}

TEST_F(HeaderInfoFileTest, FirstSaveCreatesTheFolderAndTheFile) {
    ASSERT_TRUE(HeaderInfoFile().setText(kTitle, QStringLiteral("两行")).saved);
    ASSERT_TRUE(HeaderInfoFile().setText(kCompany, QStringLiteral("两行")).saved);
    // clang-format off
    EXPECT_EQ(readFile(HeaderInfoFile().filePath()),
              QByteArrayLiteral("[" GBK_SECTION "]\r\n"
                                GBK_TITLE_KEY "=" GBK_TWO_LINES "\r\n"
                                GBK_COMPANY_KEY "=" GBK_TWO_LINES "\r\n"));
    // clang-format on
}

TEST_F(HeaderInfoFileTest, EmptyTextReadsAsMissing) {
    const HeaderInfoFile file;
    ASSERT_TRUE(file.setText(kTitle, QStringLiteral("A")).saved);
    ASSERT_TRUE(file.setText(kTitle, QString()).saved);
    EXPECT_EQ(file.text(kTitle), std::nullopt);
}

TEST_F(HeaderInfoFileTest, LongTextComesBackCutToTheReadBuffer) {
    const HeaderInfoFile file;
    ASSERT_TRUE(file.setText(kTitle, QString(20000, u'x')).saved);
    // the buffer of 10240 bytes keeps one for the terminating zero
    EXPECT_EQ(file.text(kTitle), QString(10239, u'x'));
    // two bytes a character in GBK: a character is never cut in half
    ASSERT_TRUE(file.setText(kTitle, QString(6000, u'两')).saved);
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
    ASSERT_TRUE(HeaderInfoFile().setText(kTitle, c.text).saved);
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

// A save that cannot be done keeps the file and says why, naming it.
using savefaults::Result;
using SaveFaultCase = savefaults::Case;

class HeaderInfoFileSaveFault : public HeaderInfoFileTest,
                                public testing::WithParamInterface<SaveFaultCase> {};

TEST_P(HeaderInfoFileSaveFault, KeepsTheFileOrSavesItWhole) {
    const HeaderInfoFile file;
    writeFile(file.filePath(), kEarlierFile);
    // large enough to be killed part-way through; 两 is C1BD in GBK
    const QString text(3000, u'两');

    const savefaults::Outcome outcome =
        savefaults::saveUnder(GetParam().fault, data_.root(), file.filePath(), [&] {
            const HeaderInfoFile::SaveResult result = file.setText(kTitle, text);
            return (result.saved ? "S" : "F") + result.warning.toStdString();
        });
    if (!outcome.restricted)
        GTEST_SKIP() << "the fault cannot be had here";

    if (GetParam().fault == savefaults::Fault::KilledWhileWriting) {
        EXPECT_TRUE(outcome.killed) << "the save ended before it could be killed";
    } else if (GetParam().result == Result::PreviousKept) {
        EXPECT_EQ(outcome.answer.substr(0, 1), "F");
        const QString warning = QString::fromStdString(outcome.answer.substr(1));
        EXPECT_EQ(warning.section(QLatin1Char('\n'), 0, 0),
                  QStringLiteral("表头信息保存失败：") + QDir::toNativeSeparators(file.filePath()));
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
                                        {QStringLiteral("korvane/配置.txt"),
                                         "[" GBK_SECTION "]\r\n" GBK_TITLE_KEY "=" +
                                             QByteArray("\xC1\xBD").repeated(3000) + "\r\n"}};
    // nothing else: no temporary file either
    EXPECT_EQ(folderSnapshot(data_.root()), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, HeaderInfoFileSaveFault,
                         testing::ValuesIn(savefaults::kDataFolderCases), [](const auto& info) {
                             return rowName(savefaults::name(info.param.fault), info.index);
                         });

} // namespace
