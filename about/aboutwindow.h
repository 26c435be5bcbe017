// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QCheckBox;
class QPlainTextEdit;
class QTabWidget;

namespace korvane {

class DeveloperPage;
class ProductShowcase;

// The About window: product pictures in rotation, the developer's contact card
// and the introduction text. It is its own top-level window without owner and
// is destroyed when closed, so each opening starts afresh. While "总在最前" is
// unchecked it follows the main window around the screen (the application
// shell moves it); checked, it stays on top and where it is.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kShowcasePage = 0;
    static constexpr int kDeveloperPage = 1;
    static constexpr int kIntroductionPage = 2;

    // `downloadPage` is offered in the introduction for the newer version.
    explicit AboutWindow(const QString& downloadPage, QWidget* parent = nullptr);

    bool staysOnTop() const;
    QTabWidget* tabs() const { return tabs_; }
    QCheckBox* onTopBox() const { return onTop_; }
    ProductShowcase* showcase() const { return showcase_; }
    DeveloperPage* developerPage() const { return developer_; }
    QPlainTextEdit* introduction() const { return introduction_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void setAlwaysOnTop(bool on);
    // Puts the group box of each page where it belongs on the tab control,
    // whatever height the style gives the tab strip.
    void placePages();

    QTabWidget* tabs_;
    QCheckBox* onTop_;
    ProductShowcase* showcase_;
    DeveloperPage* developer_;
    QPlainTextEdit* introduction_;
};

} // namespace korvane
