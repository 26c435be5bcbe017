// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace korvane {

// "页面跳转": asks for a page number; only a page of the document can be confirmed.
class PageJumpDialog : public QDialog {
    Q_OBJECT
  public:
    PageJumpDialog(int currentPage, int pageCount, QWidget* parent = nullptr);

    // The page typed, 0 when it is not a page of the document.
    int page() const;
    QLineEdit* field() const { return field_; }

  private:
    void check();

    int pageCount_;
    QLineEdit* field_;
    QPushButton* ok_;
};

} // namespace korvane
