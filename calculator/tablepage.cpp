// SPDX-License-Identifier: MIT
#include "tablepage.h"

#include "fieldtext.h"
#include "gbkstring.h"
#include "sectiontable.h"
#include "weightformulas.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>

namespace korvane {
namespace {

template <typename T> T* controlOfKind(QWidget* page, const PageDescriptor& d, ControlKind kind) {
    for (const ControlRow& row : d.controls)
        if (row.kind == kind)
            return page->findChild<T*>(QString::fromUtf8(row.name));
    return nullptr;
}

Qt::Alignment toQt(Alignment alignment) {
    switch (alignment) {
    case Alignment::Center:
        return Qt::AlignCenter;
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Reports left clicks on the list's rows or empty area, after the list has
// updated its selection.
class ClickFilter : public QObject {
  public:
    ClickFilter(QTableWidget* list, std::function<void()> clicked)
        : QObject(list), list_(list), clicked_(std::move(clicked)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // A click on empty space leaves no row selected.
            if (!list_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()).isValid())
                list_->clearSelection();
            clicked_();
        }
        return false;
    }

  private:
    QTableWidget* list_;
    std::function<void()> clicked_;
};

} // namespace

TablePage::TablePage(const PageDescriptor& descriptor, QWidget* page,
                     const ExpressionEvaluator& evaluator)
    : QObject(page), table_(*sectionTable(descriptor.kind)), evaluator_(evaluator) {
    buildControls(descriptor.controls, page);
    list_ = controlOfKind<QTableWidget>(page, descriptor, ControlKind::List);
    g_ = controlOfKind<QLineEdit>(page, descriptor, ControlKind::ResultBlue);
    weight_ = controlOfKind<QLineEdit>(page, descriptor, ControlKind::ResultRed);
    model_ = controlOfKind<QLineEdit>(page, descriptor, ControlKind::ResultModel);
    length_ = controlOfKind<QLineEdit>(page, descriptor, ControlKind::LengthInput);
    fillList();

    list_->viewport()->installEventFilter(new ClickFilter(list_, [this] { rowClicked(); }));
    onFocusIn(list_, [this](Qt::FocusReason) {
        evaluateLength();
        computeWeight();
    });
    connect(length_, &QLineEdit::textChanged, this, [this] {
        if (length_->hasFocus())
            computeWeight();
    });
    onFocusIn(length_, [this](Qt::FocusReason reason) {
        evaluateLength();
        selectAllOnFocus(length_, reason);
        if (length_->hasFocus())
            computeWeight();
    });
}

void TablePage::fillList() {
    list_->setColumnCount(table_.columnCount());
    list_->setRowCount(table_.rowCount());
    QStringList captions;
    for (int c = 0; c < table_.columnCount(); ++c) {
        const SectionColumn& column = table_.column(c);
        captions << fromGbk(column.caption);
        list_->setColumnWidth(c, column.width);
    }
    list_->setHorizontalHeaderLabels(captions);
    // Each caption sits over its column's texts.
    for (int c = 0; c < table_.columnCount(); ++c)
        list_->horizontalHeaderItem(c)->setTextAlignment(toQt(table_.column(c).alignment));
    for (int r = 0; r < table_.rowCount(); ++r) {
        for (int c = 0; c < table_.columnCount(); ++c) {
            auto* item = new QTableWidgetItem(fromGbk(table_.cell(r, c)));
            item->setTextAlignment(toQt(table_.column(c).alignment));
            list_->setItem(r, c, item);
        }
    }
}

void TablePage::rowClicked() {
    const QList<QTableWidgetSelectionRange> ranges = list_->selectedRanges();
    if (ranges.isEmpty()) {
        filledRow_ = -1;
        setFieldText(g_, {});
        setFieldText(model_, {});
    } else {
        filledRow_ = ranges.first().topRow();
        setFieldText(g_, table_.weightText(filledRow_));
        setFieldText(model_, table_.modelText(filledRow_));
    }
    computeWeight();
    evaluateLength();
}

std::string TablePage::filledCell(int column) const {
    return filledRow_ < 0 ? std::string() : table_.cell(filledRow_, column);
}

void TablePage::evaluateLength() {
    evaluateInPlace(length_, evaluator_);
}

void TablePage::computeWeight() {
    setFieldText(weight_, computeTableWeight(fieldText(g_), fieldText(length_)));
}

} // namespace korvane
