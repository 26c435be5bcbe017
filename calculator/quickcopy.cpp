// SPDX-License-Identifier: MIT
#include "quickcopy.h"

#include "clipboard.h"
#include "fieldtext.h"
#include "gbkstring.h"
#include "mainwindow.h"
#include "messageboxes.h"

#include <QLineEdit>
#include <array>

namespace korvane {
namespace {

enum class MessageForm { Product, Weighbridge, Amount };

// Per page: the fields that must all be filled, the word naming the product
// in the message, and the field whose text is copied.
struct QuickCopyPage {
    int page;
    int nested;
    std::array<const char*, 5> required;
    const char* kindWord;
    const char* resultField;
    MessageForm form = MessageForm::Product;
};

// clang-format off
constexpr QuickCopyPage kPages[] = {
    {0, 0, {"编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5"}, "钢板", "编辑框7"},
    {0, 1, {"编辑框12", "编辑框11"}, "花纹板", "编辑框10"},
    {1, 0, {"编辑框63", "编辑框65"}, "工字钢", "编辑框64"},
    {2, 0, {"编辑框69", "编辑框68"}, "等边角钢", "编辑框67"},
    {2, 1, {"编辑框70", "编辑框72"}, "不等边角钢", "编辑框71"},
    {3, 0, {"编辑框77", "编辑框76"}, "槽钢", "编辑框75"},
    {4, 0, {"编辑框89", "编辑框88"}, "H型钢", "编辑框87"},
    {4, 1, {"编辑框96", "编辑框92", "编辑框93", "编辑框94", "编辑框95"}, "H型钢", "编辑框91"},
    {5, 0, {"编辑框8", "编辑框43", "编辑框44", "编辑框45"}, "矩形管", "编辑框47"},
    {6, 0, {"编辑框55", "编辑框54", "编辑框56"}, "圆管", "编辑框52"},
    {7, 0, {"编辑框81", "编辑框78"}, "焊管", "编辑框79"},
    {8, 0, {"编辑框49", "编辑框50"}, "圆钢", "编辑框51"},
    {9, 0, {"编辑框61", "编辑框60", "编辑框57"}, "扁钢", "编辑框58"},
    {10, 0, {"编辑框85", "编辑框84"}, "钢轨", "编辑框83"},
    {11, 0, {"编辑框100", "编辑框99"}, "C型钢", "编辑框98"},
    {12, 0, {"编辑框39", "编辑框40"}, "", "编辑框37", MessageForm::Weighbridge},
    {12, 1, {"编辑框41"}, "", "编辑框42", MessageForm::Amount},
};
// clang-format on

const QuickCopyPage* findPage(const MainWindow* window) {
    for (const QuickCopyPage& page : kPages)
        if (page.page == window->currentPage() && page.nested == window->currentNestedPage())
            return &page;
    return nullptr;
}

QLineEdit* field(const MainWindow* window, const char* name) {
    return window->findChild<QLineEdit*>(QString::fromUtf8(name));
}

} // namespace

QuickCopy::QuickCopy(MainWindow* window) : QObject(window), window_(window) {}

bool QuickCopy::pageComplete() const {
    const QuickCopyPage* page = findPage(window_);
    if (page == nullptr)
        return false;
    for (const char* name : page->required) {
        if (name == nullptr)
            break;
        QLineEdit* f = field(window_, name);
        if (f == nullptr || f->text().isEmpty())
            return false;
    }
    return true;
}

std::string QuickCopy::resultText() const {
    const QuickCopyPage* page = findPage(window_);
    QLineEdit* result = page ? field(window_, page->resultField) : nullptr;
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

    const QuickCopyPage& page = *findPage(window_);
    const std::string result = resultText();
    std::string message;
    switch (page.form) {
    case MessageForm::Product:
        message = utf8ToGbk(std::string("【") + page.kindWord + "】 材料重量  ") + result +
                  utf8ToGbk("  kg\r\n复制成功！！");
        break;
    case MessageForm::Weighbridge:
        message = utf8ToGbk("【处理磅差】 重量  ") + result + utf8ToGbk("  吨\r\n复制成功！！");
        break;
    case MessageForm::Amount:
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
