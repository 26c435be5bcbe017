// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace korvane {

// The two dialogs of the spreadsheet export, behind an interface so that tests
// answer them without a modal dialog on screen.
class ExportDialogs {
  public:
    struct FileFilter {
        QString name;   // as the dialog shows it, "表格文件(*.xls)"
        QString suffix; // given to a typed name without one, "xls"
    };
    struct SaveChoice {
        QString path;
        int filter = 0; // index into the filters offered
    };

    virtual ~ExportDialogs() = default;

    // A save dialog offering `filters`, the first one chosen at the start;
    // none when cancelled. It does not ask about replacing a file: the caller does.
    virtual std::optional<SaveChoice> savePath(QWidget* parent,
                                               const QList<FileFilter>& filters) = 0;
    // Told that the file chosen in the save dialog (`path`, with its extension)
    // was written.
    virtual void saved(const QString& /*path*/) {}
    // A one-line input box; none when cancelled.
    virtual std::optional<QString> text(QWidget* parent, const QString& title,
                                        const QString& prompt, const QString& initial) = 0;
};

} // namespace korvane
