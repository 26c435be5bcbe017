// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <string>

namespace korvane {

class MainWindow;

// Hands a page's result on with the keyboard alone: when the hidden
// quick-copy button gets the focus, the page's weight is shown in a message
// and put on the clipboard, and the focus goes back to the page's first field.
class QuickCopy : public QObject {
    Q_OBJECT
  public:
    explicit QuickCopy(MainWindow* window);

    // The quick-copy button received the focus.
    void quickCopy();
    // The quick-copy button was clicked: copy without a message.
    void copyResult();

    // Whether every field the current page needs for a result is filled.
    bool pageComplete() const;

  private:
    // Sends the focus back to the page's first field; false when a required
    // field is empty before or after that.
    bool focusPageAndCheck();
    std::string resultText() const;

    MainWindow* window_;
};

} // namespace korvane
