// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QSvgRenderer;

namespace korvane {

// A section sketch drawn from an SVG resource at the widget's size, crisp at
// any screen scale. The SVG is parsed on first paint, not at start-up.
class SketchView : public QWidget {
    Q_OBJECT
  public:
    SketchView(const QString& resource, QWidget* parent = nullptr);
    QString resource() const { return resource_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString resource_;
    QSvgRenderer* renderer_ = nullptr;
};

} // namespace korvane
