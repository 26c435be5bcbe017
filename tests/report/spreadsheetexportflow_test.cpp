// SPDX-License-Identifier: MIT
#include "childprocess.h"
#include "foldersnapshot.h"
#include "qtexportdialogs.h"
#include "recordingmessageboxes.h"
#include "reportsamples.h"
#include "savefaults.h"
#include "spreadsheetexportflow.h"
#include "testnames.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <gtest/gtest.h>
#include <ostream>

using korvane::ExportDialogs;
using korvane::ReportGrid;
using korvane::SpreadsheetExportFlow;
using korvane::platform::RecordingMessageBoxes;
using FileType = SpreadsheetExportFlow::FileType;
using Kind = RecordingMessageBoxes::Kind;

namespace korvane {
// Test names and failures show the file type by name.
void PrintTo(SpreadsheetExportFlow::FileType type, std::ostream* os) {
    *os << (type == SpreadsheetExportFlow::FileType::Xls ? "xls" : "xlsx");
}
} // namespace korvane

namespace {

const QString kSaved = QStringLiteral("保存Excel文件成功!");
const QString kFailed = QStringLiteral("创建Excel文件失败!\n%1");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// What a file holds, as far as these tests tell: the sheet name of an .xls,
// "xlsx" for a workbook (a zip archive), "-" when there is none.
QString kindOfFile(const QString& path) {
    const QByteArray bytes = readFile(path);
    if (bytes.startsWith("PK\x03\x04"))
        return QStringLiteral("xlsx");
    const QByteArray head = " <Worksheet ss:Name=\"";
    const qsizetype at = bytes.indexOf(head);
    if (!bytes.startsWith("<?xml") || at < 0)
        return QStringLiteral("-");
    const qsizetype start = at + head.size();
    return QStringLiteral("xls:") +
           QString::fromUtf8(bytes.mid(start, bytes.indexOf('"', start) - start));
}

// Answers the dialogs from a script and notes what they were shown.
class ScriptedDialogs : public ExportDialogs {
  public:
    QList<std::optional<SaveChoice>> paths;
    std::optional<QString> sheetName;
    // What the dialogs saw.
    QList<QStringList> filtersShown;
    QStringList textBoxes; // "title|prompt|initial"
    QStringList savedFiles;
    bool windowEnabledMeanwhile = false;

    std::optional<SaveChoice> savePath(QWidget* parent, const QList<FileFilter>& filters) override {
        windowEnabledMeanwhile |= parent != nullptr && parent->isEnabled();
        QStringList shown;
        for (const FileFilter& filter : filters)
            shown << filter.name + QLatin1Char('|') + filter.suffix;
        filtersShown << shown;
        return paths.isEmpty() ? std::nullopt : paths.takeFirst();
    }
    std::optional<QString> text(QWidget* parent, const QString& title, const QString& prompt,
                                const QString& initial) override {
        windowEnabledMeanwhile |= parent != nullptr && parent->isEnabled();
        textBoxes << title + QLatin1Char('|') + prompt + QLatin1Char('|') + initial;
        return sheetName;
    }
    void saved(const QString& path) override { savedFiles << path; }
};

struct FlowCase {
    const char* name;
    QList<std::optional<ExportDialogs::SaveChoice>> paths; // relative to a temporary folder
    std::optional<QString> sheetName;
    QList<bool> answers;              // to the questions about replacing a file
    QMap<QString, QByteArray> before; // files in the folder before the export
    QList<RecordingMessageBoxes::Message> messages;
    QMap<QString, QString> after; // kindOfFile of the files afterwards
};
void PrintTo(const FlowCase& c, std::ostream* os) {
    *os << c.name;
}

const QString kReplace = QStringLiteral("%1 已存在。\n要替换它吗？");

class SpreadsheetExportFlowRun : public testing::TestWithParam<FlowCase> {};

TEST_P(SpreadsheetExportFlowRun, AsksWritesAndReports) {
    const FlowCase& c = GetParam();
    QTemporaryDir folder;
    for (auto it = c.before.begin(); it != c.before.end(); ++it)
        writeFile(folder.filePath(it.key()), it.value());
    ScriptedDialogs dialogs;
    for (std::optional<ExportDialogs::SaveChoice> choice : c.paths) {
        if (choice)
            choice->path = folder.filePath(choice->path);
        dialogs.paths << choice;
    }
    dialogs.sheetName = c.sheetName;
    RecordingMessageBoxes messages;
    messages.queueAnswers(c.answers);
    QWidget window;

    SpreadsheetExportFlow(dialogs).run(&window, reportsamples::threeItemReport());

    EXPECT_FALSE(dialogs.windowEnabledMeanwhile);
    EXPECT_TRUE(window.isEnabled());
    for (const QStringList& shown : dialogs.filtersShown)
        EXPECT_EQ(shown, QStringList({QStringLiteral("表格文件(*.xls)|xls"),
                                      QStringLiteral("Excel 工作簿(*.xlsx)|xlsx")}));
    const bool asked = c.paths.isEmpty() || c.paths.back().has_value();
    EXPECT_EQ(dialogs.textBoxes,
              asked && !c.paths.isEmpty()
                  ? QStringList{QStringLiteral("工作表名|请输入工作表名|工作表1")}
                  : QStringList{});

    QList<RecordingMessageBoxes::Message> expected;
    for (RecordingMessageBoxes::Message message : c.messages)
        expected << RecordingMessageBoxes::Message{
            message.kind, message.text.contains(QLatin1String("%1"))
                              ? message.text.arg(QDir::toNativeSeparators(folder.path()))
                              : message.text};
    ASSERT_EQ(messages.messages().size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(messages.messages()[i].kind, expected[i].kind);
        EXPECT_EQ(messages.messages()[i].text, expected[i].text);
    }

    QMap<QString, QString> files;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden))
        files.insert(name,
                     c.before.contains(name) && readFile(folder.filePath(name)) == c.before[name]
                         ? QStringLiteral("unchanged")
                         : kindOfFile(folder.filePath(name)));
    EXPECT_EQ(files, c.after);
}

using SaveChoice = ExportDialogs::SaveChoice;
const QString kDefaultName = QStringLiteral("xls:工作表1");

const FlowCase kFlowCases[] = {
    {"save_dialog_cancelled", {std::nullopt}, QStringLiteral("表"), {}, {}, {}, {}},
    {"name_without_extension_gets_xls",
     {SaveChoice{QStringLiteral("汇总"), 0}},
     QStringLiteral("工作表1"),
     {},
     {},
     {{Kind::Information, kSaved}},
     {{QStringLiteral("汇总.xls"), kDefaultName}}},
    {"name_without_extension_under_the_xlsx_filter_gets_xlsx",
     {SaveChoice{QStringLiteral("汇总"), 1}},
     QStringLiteral("工作表1"),
     {},
     {},
     {{Kind::Information, kSaved}},
     {{QStringLiteral("汇总.xlsx"), QStringLiteral("xlsx")}}},
    {"typed_xlsx_extension_wins_over_the_filter",
     {SaveChoice{QStringLiteral("a.XLSX"), 0}},
     QStringLiteral("工作表1"),
     {},
     {},
     {{Kind::Information, kSaved}},
     {{QStringLiteral("a.XLSX"), QStringLiteral("xlsx")}}},
    {"other_extension_is_kept",
     {SaveChoice{QStringLiteral("a.txt"), 0}},
     QStringLiteral("x<y"),
     {},
     {},
     {{Kind::Information, kSaved}},
     {{QStringLiteral("a.txt"), QStringLiteral("xls:x&lt;y")}}},
    {"sheet_name_cancelled_still_exports",
     {SaveChoice{QStringLiteral("a.xls"), 0}},
     std::nullopt,
     {},
     {},
     {{Kind::Information, kSaved}},
     {{QStringLiteral("a.xls"), QStringLiteral("xls:")}}},
    {"existing_file_kept_when_not_to_be_replaced_then_another_name",
     {SaveChoice{QStringLiteral("a"), 0}, SaveChoice{QStringLiteral("b.xls"), 0}},
     QStringLiteral("工作表1"),
     {false},
     {{QStringLiteral("a.xls"), "earlier"}},
     {{Kind::Question, kReplace.arg(QStringLiteral("%1/a.xls"))}, {Kind::Information, kSaved}},
     {{QStringLiteral("a.xls"), QStringLiteral("unchanged")},
      {QStringLiteral("b.xls"), kDefaultName}}},
    {"existing_file_not_replaced_then_cancelled",
     {SaveChoice{QStringLiteral("a.xls"), 0}, std::nullopt},
     QStringLiteral("工作表1"),
     {false},
     {{QStringLiteral("a.xls"), "earlier"}},
     {{Kind::Question, kReplace.arg(QStringLiteral("%1/a.xls"))}},
     {{QStringLiteral("a.xls"), QStringLiteral("unchanged")}}},
    {"existing_file_replaced",
     {SaveChoice{QStringLiteral("a.xls"), 1}},
     QStringLiteral("工作表1"),
     {true},
     {{QStringLiteral("a.xls"), "earlier"}},
     {{Kind::Question, kReplace.arg(QStringLiteral("%1/a.xls"))}, {Kind::Information, kSaved}},
     {{QStringLiteral("a.xls"), kDefaultName}}},
};
INSTANTIATE_TEST_SUITE_P(Table, SpreadsheetExportFlowRun, testing::ValuesIn(kFlowCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

struct TargetCase {
    const char* path;
    int filter;
    const char* expectedPath;
    FileType type;
};
void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << c.path << " " << c.filter;
}
class SpreadsheetExportTarget : public testing::TestWithParam<TargetCase> {};

TEST_P(SpreadsheetExportTarget, ExtensionAndType) {
    const TargetCase& c = GetParam();
    const SpreadsheetExportFlow::Target target =
        SpreadsheetExportFlow::target(QString::fromUtf8(c.path), c.filter);
    EXPECT_EQ(target.path, QString::fromUtf8(c.expectedPath));
    EXPECT_EQ(target.type, c.type);
}

const TargetCase kTargetCases[] = {
    {"/d/汇总", 0, "/d/汇总.xls", FileType::Xls},
    {"/d/汇总", 1, "/d/汇总.xlsx", FileType::Xlsx},
    {"/d/汇总.", 0, "/d/汇总.xls", FileType::Xls},
    {"/d/v1.2/汇总", 0, "/d/v1.2/汇总.xls", FileType::Xls},
    {"/d/a.XLS", 1, "/d/a.XLS", FileType::Xls},
    {"/d/a.xlsx", 0, "/d/a.xlsx", FileType::Xlsx},
    {"/d/a.txt", 1, "/d/a.txt", FileType::Xlsx},
    {"/d/a.egd", 0, "/d/a.egd", FileType::Xls},
};
INSTANTIATE_TEST_SUITE_P(Table, SpreadsheetExportTarget, testing::ValuesIn(kTargetCases),
                         [](const auto& info) {
                             return rowName(std::string(info.param.path) + "_" +
                                                std::to_string(info.param.filter),
                                            info.index);
                         });

// TMPDIR points into a folder of the test for as long as this lives, so that
// a draft left behind there shows.
class TemporaryFilesIn {
  public:
    explicit TemporaryFilesIn(const QString& folder)
        : saved_(qgetenv("TMPDIR")), had_(qEnvironmentVariableIsSet("TMPDIR")) {
        QDir().mkpath(folder);
        // the unprivileged child writes its drafts here too
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        qputenv("TMPDIR", QFile::encodeName(folder));
    }
    ~TemporaryFilesIn() {
        if (had_)
            qputenv("TMPDIR", saved_);
        else
            qunsetenv("TMPDIR");
    }
    TemporaryFilesIn(const TemporaryFilesIn&) = delete;
    TemporaryFilesIn& operator=(const TemporaryFilesIn&) = delete;

  private:
    QByteArray saved_;
    bool had_;
};

// Under every fault the export leaves the earlier file as it was, no
// temporary file anywhere, and says that it failed and why (unless it was
// killed).
class SpreadsheetExportFault
    : public testing::TestWithParam<std::tuple<savefaults::Case, FileType>> {};

TEST_P(SpreadsheetExportFault, KeepsTheEarlierFileAndSaysWhy) {
    const auto& [faultCase, type] = GetParam();
    const savefaults::Fault fault = faultCase.fault;
    QTemporaryDir root;
    const TemporaryFilesIn drafts(root.filePath(QStringLiteral("tmp")));
    const QString folder = root.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + (type == FileType::Xls ? "/汇总.xls" : "/汇总.xlsx");
    writeFile(path, "earlier");
    // large enough to be killed part-way through
    const ReportGrid grid = reportsamples::manyItemReport(300);

    const savefaults::Outcome outcome = savefaults::saveUnder(fault, root.path(), path, [&] {
        ScriptedDialogs dialogs;
        dialogs.paths << ExportDialogs::SaveChoice{path, type == FileType::Xlsx ? 1 : 0};
        dialogs.sheetName = QStringLiteral("工作表1");
        RecordingMessageBoxes messages;
        // yes, replace the earlier file
        messages.setDefaultAnswer(true);
        SpreadsheetExportFlow(dialogs).run(nullptr, grid);
        QStringList told;
        for (const RecordingMessageBoxes::Message& message : messages.messages()) {
            if (message.kind != Kind::Question)
                told << message.text;
        }
        return told.join(QLatin1Char('|')).toStdString();
    });
    if (!outcome.restricted)
        GTEST_SKIP() << "the fault cannot be had here";

    if (fault == savefaults::Fault::KilledWhileWriting)
        EXPECT_TRUE(outcome.killed) << "the export ended before it could be killed";
    else
        EXPECT_EQ(QString::fromStdString(outcome.answer),
                  kFailed.arg(QString::fromUtf8(faultCase.reason)));
    // nothing else: no temporary file either, beside the file or in TMPDIR
    EXPECT_EQ(folderSnapshot(root.path()), outcome.before);
}

INSTANTIATE_TEST_SUITE_P(Table, SpreadsheetExportFault,
                         testing::Combine(testing::ValuesIn(savefaults::kChosenFolderCases),
                                          testing::Values(FileType::Xls, FileType::Xlsx)),
                         [](const auto& info) {
                             return rowName(
                                 std::string(savefaults::name(std::get<0>(info.param).fault)) +
                                     (std::get<1>(info.param) == FileType::Xls ? "_xls" : "_xlsx"),
                                 info.index);
                         });

// Without restrictions the same save succeeds, so the failures above are the
// restrictions' doing.
TEST(SpreadsheetExportSave, WritesBothTypesInAChildToo) {
    QTemporaryDir root;
    for (const FileType type : {FileType::Xls, FileType::Xlsx}) {
        const QString path = root.filePath(type == FileType::Xls ? "a.xls" : "a.xlsx");
        const childprocess::Outcome outcome = childprocess::run(childprocess::noRestriction, [&] {
            return bool(SpreadsheetExportFlow::save({path, type}, reportsamples::threeItemReport(),
                                                    QStringLiteral("工作表1")));
        });
        EXPECT_TRUE(outcome.result);
        EXPECT_EQ(kindOfFile(path), type == FileType::Xls ? kDefaultName : QStringLiteral("xlsx"));
    }
}

// The dialogs hear of a file only when it was saved (the save dialog then
// opens in its folder next time), with the extension the export gave it.
TEST(SpreadsheetExportFlowSaved, TellsTheDialogsOfSavedFilesOnly) {
    QTemporaryDir folder;
    RecordingMessageBoxes messages;
    ScriptedDialogs dialogs;
    dialogs.sheetName = QStringLiteral("工作表1");
    // a folder removed after the dialog: the file cannot be created
    dialogs.paths = {ExportDialogs::SaveChoice{folder.filePath("gone/a.xls"), 0},
                     ExportDialogs::SaveChoice{folder.filePath("b"), 1}, std::nullopt};
    for (int run = 0; run < 3; ++run)
        SpreadsheetExportFlow(dialogs).run(nullptr, reportsamples::threeItemReport());

    EXPECT_EQ(dialogs.savedFiles, QStringList{folder.filePath("b.xlsx")});
    ASSERT_EQ(messages.messages().size(), 2);
    EXPECT_EQ(messages.messages()[0].kind, Kind::Error);
    EXPECT_EQ(messages.messages()[1].kind, Kind::Information);
}

// A failed export says why; a file in use keeps the export's own words.
TEST(SpreadsheetExportFailureMessage, GivesTheReasonOnTheSecondLine) {
    const struct {
        int error;
        const char* secondLine;
    } cases[] = {
        {EBUSY, "该文件正在使用！"},
        {ETXTBSY, "该文件正在使用！"},
        {ENOSPC, "磁盘空间不足"},
        {EROFS, "磁盘是只读的"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.secondLine);
        EXPECT_EQ(SpreadsheetExportFlow::failureMessage(
                      korvane::platform::WriteFailure(c.error, qt_error_string(c.error))),
                  kFailed.arg(QString::fromUtf8(c.secondLine)));
    }
}

// The save dialog itself refuses a typed path into a folder that does not
// exist, says so, and stays open for another path.
TEST(SpreadsheetExportDialog, RefusesAPathInAMissingFolder) {
    QTemporaryDir root;
    RecordingMessageBoxes messages;
    bool openAfterRefusal = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (name == nullptr) {
            if (dialog)
                dialog->reject();
            return;
        }
        name->setText(root.filePath("missing/a.xls"));
        QMetaObject::invokeMethod(dialog, "accept");
        openAfterRefusal = dialog->isVisible();
        name->setText(root.filePath("a.xls"));
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
    korvane::QtExportDialogs dialogs;
    const auto choice = dialogs.savePath(nullptr, {{QStringLiteral("表格文件(*.xls)"), "xls"}});
    EXPECT_TRUE(openAfterRefusal);
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages().front().kind, Kind::Warning);
    EXPECT_EQ(messages.messages().front().text,
              QDir::toNativeSeparators(root.filePath("missing")) +
                  QStringLiteral("\n路径不存在。\n请检查路径是否正确。"));
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->path, root.filePath("a.xls"));
}

// Sets an environment variable for as long as it lives.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const QByteArray& value)
        : name_(name), saved_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~EnvironmentVariable() {
        if (had_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

  private:
    const char* name_;
    QByteArray saved_;
    bool had_;
};

// Works in `folder` for as long as it lives, as a program started there.
class WorkingFolder {
  public:
    explicit WorkingFolder(const QString& folder) : saved_(QDir::currentPath()) {
        QDir::setCurrent(folder);
    }
    ~WorkingFolder() { QDir::setCurrent(saved_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

  private:
    QString saved_;
};

// The folder the save dialog shows once open (as text, so that a failure
// shows it); the dialog then takes `file` (when given) or is cancelled.
std::string folderShownThenChoose(korvane::QtExportDialogs& dialogs, const QString& file) {
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        shown = dialog->directory().absolutePath();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (name != nullptr && !file.isEmpty()) {
            name->setText(file);
            QMetaObject::invokeMethod(dialog, "accept");
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    const auto choice = dialogs.savePath(nullptr, {{QStringLiteral("表格文件(*.xls)"), "xls"}});
    EXPECT_EQ(choice.has_value(), !file.isEmpty());
    return shown.toStdString();
}

// The save dialog opens in the documents folder, not in the folder the program
// was started from, and later in the folder of the last file saved in this
// run: a folder chosen for an export that then failed is not offered again.
TEST(SpreadsheetExportDialog, OpensInTheDocumentsThenInTheLastSavedFilesFolder) {
    QTemporaryDir home;
    const EnvironmentVariable homeVariable("HOME", QFile::encodeName(home.path()));
    // no user-dirs.dirs there: the documents folder is ~/Documents
    const EnvironmentVariable config("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    for (const char* folder : {"Documents", "started-here", "exports", "failed"})
        ASSERT_TRUE(QDir(home.path()).mkpath(folder));
    const WorkingFolder startedIn(home.filePath("started-here"));
    RecordingMessageBoxes messages;
    korvane::QtExportDialogs dialogs;
    const std::string documents = home.filePath("Documents").toStdString();
    const std::string exports = home.filePath("exports").toStdString();

    // chosen, but not (yet) saved
    EXPECT_EQ(folderShownThenChoose(dialogs, home.filePath("exports/a.xls")), documents);
    EXPECT_EQ(folderShownThenChoose(dialogs, QString()), documents);
    dialogs.saved(home.filePath("exports/a.xls"));
    EXPECT_EQ(folderShownThenChoose(dialogs, home.filePath("failed/b.xls")), exports);
    // the export to failed/b.xls did not succeed
    EXPECT_EQ(folderShownThenChoose(dialogs, QString()), exports);
    // a folder removed since is not shown
    QDir(home.filePath("exports")).removeRecursively();
    EXPECT_EQ(folderShownThenChoose(dialogs, QString()), documents);
    EXPECT_TRUE(messages.messages().isEmpty());
}

} // namespace

int main(int argc, char** argv) {
    // Listing the tests at build time runs without the test's environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
