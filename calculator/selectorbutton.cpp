// SPDX-License-Identifier: MIT
#include "selectorbutton.h"

#include "svgpicture.h"

#include <QPainter>

namespace korvane {

SelectorButton::SelectorButton(const QString& caption, QUrl clip, QWidget* parent)
    : QAbstractButton(parent), clip_(std::move(clip)) {
    setText(caption);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QSize SelectorButton::sizeHint() const {
    return {40, 24};
}

void SelectorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = isChecked() || isDown();
    SvgPicture::paint(&painter,
                      down ? QStringLiteral(":/pictures/selector-down.svg")
                           : QStringLiteral(":/pictures/selector-up.svg"),
                      rect());
    if (underMouse() && !down)
        painter.fillRect(rect().adjusted(1, 1, -1, -1), QColor(255, 255, 255, 70));
    painter.setPen(down ? QColor(0x10, 0x3a, 0x6e) : palette().color(QPalette::ButtonText));
    // The caption sinks by a pixel while the button is pressed.
    painter.drawText(rect().translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
}

} // namespace korvane
