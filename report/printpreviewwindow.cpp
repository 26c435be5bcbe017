// SPDX-License-Identifier: MIT
#include "printpreviewwindow.h"

#include "pageprogress.h"
#include "reportpainter.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

PrintPreviewWindow::PrintPreviewWindow(ReportGrid& grid, QPrinter& printer,
                                       const ReportDialogs& dialogs,
                                       std::function<void()> printRequested, QWidget* parent)
    : QWidget(parent, Qt::Window), grid_(grid), printer_(printer), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("打印预览"));
    setAttribute(Qt::WA_DeleteOnClose);
    printer_.setFullPage(true);
    preview_ = new QPrintPreviewWidget(&printer_, this);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) {
        // A long list takes a while to lay out on its pages.
        PageProgress progress(this, QStringLiteral("正在生成预览"));
        QPainter painter(target);
        ReportPainter::paintPages(painter, *target, grid_, progress.pageDone());
    });

    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"打印", std::move(printRequested)},
        {"页边距", [this] { editMargins(); }},
        {"打印设置", [this] { pageSetup(); }},
        {"上页", [this] { goToPage(currentPage() - 1); }},
        {"下页", [this] { goToPage(currentPage() + 1); }},
        {"到指定页", [this] { askPage(); }},
        {"放大", [this] { preview_->zoomIn(); }},
        {"缩小", [this] { preview_->zoomOut(); }},
        {"等宽", [this] { preview_->fitToWidth(); }},
        {"等高", [this] { preview_->fitInView(); }},
        {"退出", [this] { close(); }},
    };
    for (const auto& [text, action] : commands)
        bar->addWidget(command(text, action));
    bar->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(preview_, 1);
    resize(800, 700);
}

QPushButton* PrintPreviewWindow::command(const char* text, std::function<void()> action) {
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    button->setObjectName(QString::fromUtf8(text));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    return button;
}

int PrintPreviewWindow::currentPage() const {
    return preview_->currentPage();
}

int PrintPreviewWindow::pageCount() const {
    return preview_->pageCount();
}

void PrintPreviewWindow::goToPage(int page) {
    if (page >= 1 && page <= pageCount())
        preview_->setCurrentPage(page);
}

void PrintPreviewWindow::editMargins() {
    MarginsDialog::Settings settings = MarginsDialog::settingsOf(grid_);
    if (!dialogs_.margins(this, printer_.pageLayout(), settings))
        return;
    MarginsDialog::apply(settings, grid_);
    preview_->updatePreview();
}

void PrintPreviewWindow::pageSetup() {
    if (dialogs_.pageSetup(this, printer_))
        preview_->updatePreview();
}

void PrintPreviewWindow::askPage() {
    if (std::optional<int> page = dialogs_.page(this, currentPage(), pageCount()))
        goToPage(*page);
}

} // namespace korvane
