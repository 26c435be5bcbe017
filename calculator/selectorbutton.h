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
    // The picture a button of this size shows, pressed or not
    // (":/pictures/selector-up-40x24").
    static QString pictureName(bool down, QSize size);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QUrl clip_;
};

} // namespace korvane
