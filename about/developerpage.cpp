// SPDX-License-Identifier: MIT
#include "developerpage.h"

#include "developercontact.h"
#include "picturebox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>

namespace korvane {

const QColor DeveloperPage::kLabelColour(0, 128, 0);
const QColor DeveloperPage::kHoverColour(255, 0, 0);
const QColor DeveloperPage::kScanHintColour(0, 0, 0);

namespace {
constexpr int kTextHeight = 16;

// Opens the chat program's conversation with the developer. Nothing is
// reported when no chat program takes the link.
void openWithDesktop(const QString& link) {
    QDesktopServices::openUrl(QUrl(link));
}
} // namespace

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

DeveloperPage::DeveloperPage(QWidget* parent) : QGroupBox(parent), openChat_(openWithDesktop) {
    setObjectName(QStringLiteral("分组框4"));
    const QString name = QString::fromUtf8(developer::kName);
    const QString telephone = QString::fromUtf8(developer::kTelephone);
    const QString account = QString::fromUtf8(developer::kChatAccount);

    addLabel("标签30", QStringLiteral("开 发 者：") + name, {27, 30, 128, 24}, kLabelColour,
             kTextHeight);
    addLabel("标签31", QStringLiteral("联系电话：%1（微信）").arg(telephone), {27, 55, 261, 24},
             kLabelColour, kTextHeight);
    addLabel("标签32", QStringLiteral("Q Q 号码："), {27, 80, 77, 24}, kLabelColour, kTextHeight);
    chatAccount_ = addLabel("标签36", account, {107, 80, 102, 24}, kLabelColour, kTextHeight);
    chatAccount_->setCursor(Qt::PointingHandCursor);
    addLabel("标签33", QStringLiteral("从事行业：钢铁贸易"), {27, 105, 160, 24}, kLabelColour,
             kTextHeight);
    addLabel("标签34",
             QStringLiteral("主要经营：板材、型材、建材、管材等钢材产品的一站式采购、加工、"),
             {27, 133, 496, 21}, kLabelColour, kTextHeight);
    addLabel("标签128", QStringLiteral("配送服务"), {109, 158, 203, 19}, kLabelColour, kTextHeight);

    contact_ = new PictureBox(this);
    contact_->setObjectName(QStringLiteral("图片框2"));
    contact_->setGeometry(222, 194, 104, 104);
    contact_->setPixmap(QPixmap(QStringLiteral(":/about/contact.jpg")));

    scanHint_ = addLabel("标签37", QStringLiteral("扫一扫添加微信好友"), {217, 301, 131, 24},
                         kScanHintColour, 12, true);
    addLabel("标签35", QStringLiteral("信誉至上！诚信为本！质量第一！"), {113, 324, 339, 33},
             kHoverColour, 21);

    // The colours follow the pointer: red over the two active labels, back to
    // their own colours anywhere else on the page.
    setMouseTracking(true);
    installEventFilter(this);
    for (QLabel* label : {chatAccount_, scanHint_}) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
}

QLabel* DeveloperPage::addLabel(const char* name, const QString& text, const QRect& place,
                                const QColor& colour, int pixelHeight, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(name));
    QFont font = QApplication::font();
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    label->setFont(font);
    setTextColour(label, colour);
    // The distributor's own name or number may be longer than the place made
    // for it: the label grows to the right rather than cut the text.
    QRect geometry = place;
    geometry.setWidth(std::max(place.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    return label;
}

bool DeveloperPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == chatAccount_ || watched == scanHint_) {
            setTextColour(static_cast<QLabel*>(watched), kHoverColour);
            // Handled here, so that the page underneath does not take it as a
            // move over its own surface.
            return true;
        }
        if (watched == this) {
            setTextColour(chatAccount_, kLabelColour);
            setTextColour(scanHint_, kScanHintColour);
        }
    } else if (event->type() == QEvent::MouseButtonPress && watched == chatAccount_ &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openChat_(QString::fromUtf8(developer::kChatLink));
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace korvane
