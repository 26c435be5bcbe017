// SPDX-License-Identifier: MIT
#include "reportdialogs.h"

#include "pagejumpdialog.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace korvane {

ReportDialogs ReportDialogs::standard() {
    ReportDialogs dialogs;
    dialogs.print = [](QWidget* parent, QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    dialogs.pageSetup = [](QWidget* parent, QPrinter& printer) {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    dialogs.margins = [](QWidget* parent, const QPageLayout& paper,
                         MarginsDialog::Settings& settings) {
        MarginsDialog dialog(settings, paper, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        settings = dialog.settings();
        return true;
    };
    dialogs.page = [](QWidget* parent, int currentPage, int pageCount) -> std::optional<int> {
        PageJumpDialog dialog(currentPage, pageCount, parent);
        if (dialog.exec() != QDialog::Accepted || dialog.page() == 0)
            return std::nullopt;
        return dialog.page();
    };
    return dialogs;
}

} // namespace korvane
