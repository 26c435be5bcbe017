// SPDX-License-Identifier: MIT
#include "spreadsheetexportflow.h"

#include "gbkcodec.h"
#include "messageboxes.h"
#include "qtexportdialogs.h"
#include "spreadsheetexport.h"
#include "xlsxexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QWidget>
#include <cerrno>

namespace korvane {

namespace {

using Failure = std::optional<platform::WriteFailure>;

Failure writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return platform::WriteFailure::of(file);
    // An unfinished QSaveFile is thrown away, never put in place of the file.
    if (file.write(bytes) != bytes.size())
        return platform::WriteFailure::of(file);
    // Flushed here, not by commit(): Qt 6.4's commit() misses an error of the
    // final flush (a full disk, a file size limit) and would put the cut-off
    // file in place of the old one.
    if (!file.flush() || !file.commit())
        return platform::WriteFailure::of(file);
    return std::nullopt;
}

// The workbook library writes only to a file name. It writes a draft, which
// then goes to its place in one piece. The draft is a temporary file without a
// name where the system has them (Linux), reached through /proc, so that a
// program killed while writing it leaves nothing behind; elsewhere it has a
// name and is removed when the export ends.
Failure saveXlsx(const QString& path, const ReportGrid& grid, const std::string& sheetName) {
    QTemporaryFile draft(QDir(QDir::tempPath()).filePath(QStringLiteral("korvane-XXXXXX.xlsx")));
    if (!draft.open())
        return platform::WriteFailure::of(draft);
    // Asking the file for its name would give it one.
    QString draftPath = QStringLiteral("/proc/self/fd/%1").arg(draft.handle());
    if (!QFileInfo::exists(draftPath))
        draftPath = draft.fileName();
    if (!XlsxExport::write(QFile::encodeName(draftPath).toStdString(), grid, sheetName)) {
        // The library says only that it failed; errno tells why.
        const int error = errno;
        return platform::WriteFailure(error, QString());
    }
    const QByteArray bytes = draft.readAll();
    if (draft.error() != QFileDevice::NoError)
        return platform::WriteFailure::of(draft);
    return writeAtomically(path, bytes);
}

// The window is disabled while the export asks and writes, and enabled again
// however the export ends.
class DisabledWhileAlive {
  public:
    explicit DisabledWhileAlive(QWidget* window) : window_(window) {
        if (window_)
            window_->setEnabled(false);
    }
    ~DisabledWhileAlive() {
        if (window_)
            window_->setEnabled(true);
    }
    DisabledWhileAlive(const DisabledWhileAlive&) = delete;
    DisabledWhileAlive& operator=(const DisabledWhileAlive&) = delete;

  private:
    QPointer<QWidget> window_;
};

} // namespace

SpreadsheetExportFlow::SpreadsheetExportFlow()
    : ownDialogs_(std::make_unique<QtExportDialogs>()), dialogs_(*ownDialogs_) {}

SpreadsheetExportFlow::SpreadsheetExportFlow(ExportDialogs& dialogs) : dialogs_(dialogs) {}

SpreadsheetExportFlow::~SpreadsheetExportFlow() = default;

QList<ExportDialogs::FileFilter> SpreadsheetExportFlow::filters() {
    return {{QStringLiteral("表格文件(*.xls)"), QStringLiteral("xls")},
            {QStringLiteral("Excel 工作簿(*.xlsx)"), QStringLiteral("xlsx")}};
}

SpreadsheetExportFlow::Target SpreadsheetExportFlow::target(const QString& path, int filter) {
    const FileType chosen = filter == 1 ? FileType::Xlsx : FileType::Xls;
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.isEmpty()) {
        // A typed name without a dot gets the filter's extension.
        QString withExtension = path;
        if (!withExtension.endsWith(QLatin1Char('.')))
            withExtension += QLatin1Char('.');
        return {withExtension + filters()[chosen == FileType::Xlsx ? 1 : 0].suffix, chosen};
    }
    if (suffix.compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0)
        return {path, FileType::Xlsx};
    if (suffix.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0)
        return {path, FileType::Xls};
    return {path, chosen};
}

SpreadsheetExportFlow::SaveResult SpreadsheetExportFlow::save(const Target& target,
                                                              const ReportGrid& grid,
                                                              const QString& sheetName) {
    const std::string name = utf8ToGbk(sheetName.toStdString());
    if (target.type == FileType::Xlsx)
        return {saveXlsx(target.path, grid, name)};
    const std::string xml = SpreadsheetExport::xml(grid, name);
    return {writeAtomically(target.path, QByteArray(xml.data(), qsizetype(xml.size())))};
}

void SpreadsheetExportFlow::run(QWidget* window, const ReportGrid& grid) {
    const DisabledWhileAlive disabled(window);
    platform::MessageBoxes& messages = platform::MessageBoxes::current();

    std::optional<Target> chosen;
    while (!chosen) {
        const std::optional<ExportDialogs::SaveChoice> choice =
            dialogs_.savePath(window, filters());
        if (!choice)
            return;
        const Target candidate = target(choice->path, choice->filter);
        if (!QFileInfo::exists(candidate.path) ||
            messages.question(QStringLiteral("%1 已存在。\n要替换它吗？")
                                  .arg(QDir::toNativeSeparators(candidate.path))))
            chosen = candidate;
    }

    // A cancelled box gives an empty name; the export still goes on.
    const QString sheetName = dialogs_
                                  .text(window, QStringLiteral("工作表名"),
                                        QStringLiteral("请输入工作表名"), QStringLiteral("工作表1"))
                                  .value_or(QString());

    if (const SaveResult result = save(*chosen, grid, sheetName); result.failure) {
        messages.error(QStringLiteral("信息："), failureMessage(*result.failure));
    } else {
        dialogs_.saved(chosen->path);
        messages.information(QStringLiteral("保存Excel文件成功!"));
    }
}

QString SpreadsheetExportFlow::failureMessage(const platform::WriteFailure& failure) {
    // A file in use keeps the words the export has always had for it.
    const QString reason = failure.cause() == platform::WriteFailure::Cause::InUse
                               ? QStringLiteral("该文件正在使用！")
                               : failure.reason();
    return QStringLiteral("创建Excel文件失败!\n") + reason;
}

} // namespace korvane
