// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QIcon>
#include <QList>
#include <QPixmap>

#include <chrono>

class QPushButton;
class QTimer;

namespace korvane {

class PictureBox;

// The product pictures in rotation: picture k shows for one interval, then
// picture k + 1 (1 after the last). A small button per picture jumps to it at
// once; the button of the picture on display carries the marker. One timer
// drives it all, so a jump simply starts the wait for the next picture anew.
class ProductShowcase : public QGroupBox {
    Q_OBJECT
  public:
    static constexpr int kPictureCount = 5;
    static constexpr std::chrono::milliseconds kInterval{4000};

    explicit ProductShowcase(QWidget* parent = nullptr);

    // Shows picture k (1 to kPictureCount) and marks its button; the next
    // picture follows one interval later.
    void showPicture(int k);
    // Changes the wait between pictures; the current wait starts anew.
    void setInterval(std::chrono::milliseconds interval);

    // The picture on display, 1 to kPictureCount.
    int picture() const { return picture_; }
    // The button carrying the marker, 1 to kPictureCount; 0 before the first
    // picture change.
    int markedButton() const;
    QPushButton* jumpButton(int k) const { return buttons_.at(k - 1); }
    PictureBox* pictureBox() const { return box_; }

  signals:
    void pictureShown(int k);

  private:
    PictureBox* box_;
    QList<QPushButton*> buttons_;
    QList<QPixmap> pictures_;
    QIcon marker_;
    QTimer* timer_;
    int picture_ = 1;
    // The picture the running wait leads to.
    int next_ = 1;
};

} // namespace korvane
