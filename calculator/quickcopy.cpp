// SPDX-License-Identifier: MIT
#include "quickcopy.h"

#include "clipboard.h"
#include "fieldtext.h"
#include "gbkstring.h"
#include "mainwindow.h"
#include "messageboxes.h"

#include <QLineEdit>

namespace korvane {
namespace {

QLineEdit* field(const MainWindow* window, const char* name) {
    return window->findChild<QLineEdit*>(QString::fromUtf8(name));
}

} // namespace

QuickCopy::QuickCopy(MainWindow* window) : QObject(window), window_(window) {}

bool QuickCopy::pageComplete() const {
    return window_->pageInputsComplete();
}

std::string QuickCopy::resultText() const {
    QLineEdit* result = field(window_, window_->currentDescriptor().quickCopy.resultField);
    return result ? fieldText(result) : std::string();
}

bool QuickCopy::focusPageAndCheck() {
    if (!pageComplete()) {
        window_->focusPageField();
        return false;
    }
    // Focusing the first field evaluates the page's length expression; one
    // that cannot be evaluated leaves the length empty, and then there is no
    // result to hand on.
    window_->focusPageField();
    return pageComplete();
}

void QuickCopy::quickCopy() {
    if (!focusPageAndCheck())
        return;

    const QuickCopyRow& page = window_->currentDescriptor().quickCopy;
    const std::string result = resultText();
    std::string message;
    switch (page.message) {
    case CopyMessage::Product:
        message = utf8ToGbk(std::string("【") + page.kindWord + "】 材料重量  ") + result +
                  utf8ToGbk("  kg\r\n复制成功！！");
        break;
    case CopyMessage::Weighbridge:
        message = utf8ToGbk("【处理磅差】 重量  ") + result + utf8ToGbk("  吨\r\n复制成功！！");
        break;
    case CopyMessage::Amount:
        message = utf8ToGbk("【金额大写】  ") + result + utf8ToGbk("\r\n复制成功！！");
        break;
    }
    platform::MessageBoxes::current().information(fromGbk(message));
    copyResult();
}

void QuickCopy::copyResult() {
    if (focusPageAndCheck())
        platform::setClipboardText(resultText());
}

} // namespace korvane
