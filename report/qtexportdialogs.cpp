// SPDX-License-Identifier: MIT
#include "qtexportdialogs.h"

#include "messageboxes.h"
#include "nameonlyfileiconprovider.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QStandardPaths>

namespace korvane {

namespace {

// Takes only a path in a folder that exists, as a save dialog should: a typed
// path into a missing folder would otherwise fail later, in the export, for a
// reason the user cannot see there.
class SaveDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.front());
            if (!chosen.isDir() && !chosen.absoluteDir().exists()) {
                platform::MessageBoxes::current().warning(
                    QStringLiteral("%1\n路径不存在。\n请检查路径是否正确。")
                        .arg(QDir::toNativeSeparators(chosen.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

// The folder of the last file saved, for as long as the program runs.
QString& lastFolder() {
    static QString folder;
    return folder;
}

} // namespace

QString QtExportDialogs::startFolder() {
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir())
        return lastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::optional<ExportDialogs::SaveChoice>
QtExportDialogs::savePath(QWidget* parent, const QList<FileFilter>& filters) {
    // Outlives the dialog, which keeps a pointer to it.
    NameOnlyFileIconProvider icons;
    SaveDialog dialog(parent, QStringLiteral("另存为"));
    // Qt's own dialog: the same on every desktop, and it adds the suffix of the
    // chosen filter to a typed name before handing it back.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Set before the event loop runs: the dialog lists its folders from then
    // on, and whatever the user types (a path into /proc, a pipe) is listed too.
    dialog.setIconProvider(&icons);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(startFolder());
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("保存在："));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("文件名："));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("保存类型："));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("保存(&S)"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    QStringList names;
    for (const FileFilter& filter : filters)
        names << filter.name;
    dialog.setNameFilters(names);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(names.front());
        dialog.setDefaultSuffix(filters.front().suffix);
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& name) {
        const qsizetype index = names.indexOf(name);
        if (index >= 0)
            dialog.setDefaultSuffix(filters[index].suffix);
    });
    // The export disables its window meanwhile; the dialog is a window of its own.
    dialog.setEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{dialog.selectedFiles().front(),
                      int(std::max<qsizetype>(names.indexOf(dialog.selectedNameFilter()), 0))};
}

void QtExportDialogs::saved(const QString& path) {
    lastFolder() = QFileInfo(path).absolutePath();
}

std::optional<QString> QtExportDialogs::text(QWidget* parent, const QString& title,
                                             const QString& prompt, const QString& initial) {
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    box.setOkButtonText(QStringLiteral("确定"));
    box.setCancelButtonText(QStringLiteral("取消"));
    box.setEnabled(true);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

} // namespace korvane
