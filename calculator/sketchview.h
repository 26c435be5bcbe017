// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace korvane {

// A section sketch (a ScaledPicture such as ":/sketches/ibeam") drawn at the
// widget's size, crisp at each screen scale. The picture is read on first
// paint, not at start-up.
class SketchView : public QWidget {
    Q_OBJECT
  public:
    SketchView(const QString& resource, QWidget* parent = nullptr);
    QString resource() const { return resource_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString resource_;
};

} // namespace korvane
