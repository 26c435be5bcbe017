// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QUrl>

namespace korvane {

// A page-selector button: a picture with a caption, pressed while its page is
// the current one. It never takes the keyboard focus.
class SelectorButton : public QAbstractButton {
    Q_OBJECT
  public:
    SelectorButton(const QString& caption, QUrl clip, QWidget* parent = nullptr);

    // The sound clip played when the button is clicked.
    const QUrl& clip() const { return clip_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QUrl clip_;
};

} // namespace korvane
