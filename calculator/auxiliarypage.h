// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QLineEdit;
class QPushButton;
class QWidget;

namespace korvane {

// The auxiliary page's two tools: the weighbridge difference and the amount
// in capital numerals, both recomputed on every keystroke.
class AuxiliaryPage : public QObject {
    Q_OBJECT
  public:
    // Builds the tools on the two sub-pages.
    AuxiliaryPage(QWidget* weighbridgePage, QWidget* capitalsPage);

    void computeWeighbridge();
    void convertAmount();
    // "复制": the capitals go to the clipboard, then a message says so.
    void copyCapitals();

    QLineEdit* outboundField() const { return outbound_; }
    QLineEdit* receivedField() const { return received_; }
    QLineEdit* allowanceField() const { return allowance_; }
    QLineEdit* settleField() const { return settle_; }
    QLineEdit* amountField() const { return amount_; }
    QLineEdit* capitalsField() const { return capitals_; }
    QPushButton* copyButton() const { return copy_; }

  private:
    QLineEdit* outbound_;
    QLineEdit* received_;
    QLineEdit* allowance_;
    QLineEdit* settle_;
    QLineEdit* amount_;
    QLineEdit* capitals_;
    QPushButton* copy_;
};

} // namespace korvane
