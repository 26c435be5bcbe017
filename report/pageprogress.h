// SPDX-License-Identifier: MIT
#pragma once

#include "reportpainter.h"

#include <QProgressDialog>

namespace korvane {

// Progress of drawing a long report, page by page. The window shows only
// when the pages will take more than half a second, has no cancel button and
// keeps the program from being used until the pages are done.
class PageProgress {
  public:
    PageProgress(QWidget* parent, QString verb)
        : verb_(std::move(verb)), dialog_(verb_ + QStringLiteral("……"), QString(), 0, 1, parent) {
        dialog_.setWindowTitle(parent ? parent->windowTitle() : QString());
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(500);
        dialog_.setCancelButton(nullptr);
        dialog_.setValue(0);
    }
    ~PageProgress() { dialog_.reset(); }
    PageProgress(const PageProgress&) = delete;
    PageProgress& operator=(const PageProgress&) = delete;

    ReportPainter::PageDone pageDone() {
        return [this](int page, int pageCount) {
            dialog_.setMaximum(pageCount);
            dialog_.setLabelText(verb_ +
                                 QStringLiteral("第 %1 页，共 %2 页").arg(page).arg(pageCount));
            dialog_.setValue(page);
        };
    }

  private:
    QString verb_;
    QProgressDialog dialog_;
};

} // namespace korvane
