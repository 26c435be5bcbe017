// SPDX-License-Identifier: MIT
#include "selectorbutton.h"

#include "scaledpicture.h"

#include <QPainter>

namespace korvane {

SelectorButton::SelectorButton(const QString& caption, QUrl clip, QWidget* parent)
    : QAbstractButton(parent), clip_(std::move(clip)) {
    setText(caption);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QString SelectorButton::pictureName(bool down, QSize size) {
    // The buttons come in two widths; each has pictures of its own, so that the
    // rounded corners and the edge keep their shape.
    return QStringLiteral(":/pictures/selector-%1-%2x%3")
        .arg(down ? QStringLiteral("down") : QStringLiteral("up"))
        .arg(size.width())
        .arg(size.height());
}

QSize SelectorButton::sizeHint() const {
    return {40, 24};
}

void SelectorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = isChecked() || isDown();
    ScaledPicture::paint(&painter, pictureName(down, size()), rect(), Qt::IgnoreAspectRatio);
    if (underMouse() && !down)
        painter.fillRect(rect().adjusted(1, 1, -1, -1), QColor(255, 255, 255, 70));
    painter.setPen(down ? QColor(0x10, 0x3a, 0x6e) : palette().color(QPalette::ButtonText));
    // The caption sinks by a pixel while the button is pressed.
    painter.drawText(rect().translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
}

} // namespace korvane
