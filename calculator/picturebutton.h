// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace korvane {

// A picture that reacts to the left mouse button going down, like the
// calculator picture of the bottom bar.
class PictureButton : public QWidget {
    Q_OBJECT
  public:
    PictureButton(QString picture, QWidget* parent = nullptr);
    // The ScaledPicture shown (":/pictures/calculator").
    const QString& picture() const { return picture_; }

  signals:
    void pressed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString picture_;
};

} // namespace korvane
