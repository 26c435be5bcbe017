// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QString>

#include <functional>
#include <utility>

class QLabel;

namespace korvane {

class PictureBox;

// The developer's contact card: name, telephone, chat account, trade and the
// QR code to scan. The chat account acts as a link: the pointer over it turns
// it red, a press opens a conversation in the chat program.
class DeveloperPage : public QGroupBox {
    Q_OBJECT
  public:
    static const QColor kLabelColour;
    static const QColor kHoverColour;
    static const QColor kScanHintColour;

    explicit DeveloperPage(QWidget* parent = nullptr);

    // Replaces the way the chat link is opened (tests record it instead).
    using ChatOpener = std::function<void(const QString& link)>;
    void setChatOpener(ChatOpener opener) { openChat_ = std::move(opener); }

    QLabel* chatAccount() const { return chatAccount_; }
    QLabel* scanHint() const { return scanHint_; }
    PictureBox* contactPicture() const { return contact_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* addLabel(const char* name, const QString& text, const QRect& place,
                     const QColor& colour, int pixelHeight, bool bold = false);

    QLabel* chatAccount_ = nullptr;
    QLabel* scanHint_ = nullptr;
    PictureBox* contact_ = nullptr;
    ChatOpener openChat_;
};

// Colours a label's text.
void setTextColour(QLabel* label, const QColor& colour);
QColor textColour(const QLabel* label);

} // namespace korvane
