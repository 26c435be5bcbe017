// SPDX-License-Identifier: MIT
#include "productshowcase.h"

#include "picturebox.h"

#include <QPushButton>
#include <QTimer>

namespace korvane {

namespace {
const QRect kPictureBox(2, 10, 561, 365);
// The jump buttons sit in a row at the top right of the picture.
constexpr int kButtonLeft[ProductShowcase::kPictureCount] = {455, 472, 488, 504, 520};
constexpr int kButtonTop = 4;
constexpr int kButtonSide = 16;
constexpr int kMarkerSide = 14;
} // namespace

ProductShowcase::ProductShowcase(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("分组框2"));
    box_ = new PictureBox(this);
    box_->setObjectName(QStringLiteral("图片框1"));
    box_->setGeometry(kPictureBox);
    for (int k = 1; k <= kPictureCount; ++k)
        pictures_.append(QPixmap(QStringLiteral(":/about/showcase-%1.jpg").arg(k)));
    marker_ = QIcon(QPixmap(QStringLiteral(":/about/marker.jpg")));

    for (int k = 1; k <= kPictureCount; ++k) {
        // The buttons carry no caption: the marker alone tells which picture shows.
        auto* button = new QPushButton(box_);
        button->setObjectName(QStringLiteral("广告按钮%1").arg(k));
        button->setAccessibleName(QString::number(k));
        button->setGeometry(kButtonLeft[k - 1], kButtonTop, kButtonSide, kButtonSide);
        button->setIconSize(QSize(kMarkerSide, kMarkerSide));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, k] { showPicture(k); });
        buttons_.append(button);
    }

    box_->setPixmap(pictures_.first());
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("新时钟"));
    timer_->setInterval(kInterval);
    connect(timer_, &QTimer::timeout, this, [this] { showPicture(next_); });
    // Picture 1 already shows; the first tick marks its button.
    timer_->start();
}

void ProductShowcase::showPicture(int k) {
    for (int i = 1; i <= kPictureCount; ++i)
        buttons_[i - 1]->setIcon(i == k ? marker_ : QIcon());
    picture_ = k;
    box_->setPixmap(pictures_[k - 1]);
    next_ = k % kPictureCount + 1;
    timer_->start();
    emit pictureShown(k);
}

void ProductShowcase::setInterval(std::chrono::milliseconds interval) {
    timer_->start(interval);
}

int ProductShowcase::markedButton() const {
    for (int k = 1; k <= kPictureCount; ++k)
        if (!buttons_[k - 1]->icon().isNull())
            return k;
    return 0;
}

} // namespace korvane
