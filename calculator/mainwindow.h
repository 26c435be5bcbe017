// SPDX-License-Identifier: MIT
#pragma once

#include "pagedescriptor.h"

#include <QMainWindow>

class QGroupBox;
class QPushButton;
class QTabWidget;

namespace korvane {

class CalculatorPages;
class MainMenu;
class SelectorButton;
class SummaryPanel;
namespace platform {
class ClipPlayer;
}

// The calculator's only working window: the page-selector buttons, the 13
// pages in a tab control whose own tabs are hidden, the bottom bar and the
// summary panel below it, shown by growing the window. Enter and Tab move the
// focus along each page's focus cycle.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    MainMenu* mainMenu() const { return menu_; }
    // The pages' contents.
    CalculatorPages* pages() const { return pages_; }

    // Pages: the main tab index and, on pages with nested tabs, the nested index.
    QTabWidget* mainTabs() const { return mainTabs_; }
    // The nested tab control of `page`, or nullptr.
    QTabWidget* nestedTabs(int page) const;
    int currentPage() const;
    int currentNestedPage() const; // 0 on pages without nested tabs
    SectionKind currentSectionKind() const;
    // Everything about the page shown.
    const PageDescriptor& currentDescriptor() const;
    // The widget holding a page's controls (the nested page where there are nested tabs).
    QWidget* pageWidget(int page, int nested = 0) const;

    // Selects a page as its selector button does (without the button's sound).
    void selectPage(int page);
    SelectorButton* selectorButton(int page) const;

    // The field that takes the focus on the current page, and focusing it.
    QWidget* focusField() const;
    void focusPageField();
    // Moves the focus along the current page's focus cycle, as Enter and Tab
    // do. Moving forward from the page's last input onto a hidden button hands
    // the result on: quickCopyFocused or quickAddFocused.
    void advanceFocus(bool forward = true);

    // The hidden buttons of the focus cycle. A hidden button never keeps the
    // focus: the page's focus field gets it back, from the button's work when
    // something is connected to its signal, otherwise at once.
    QPushButton* quickCopyButton() const { return quickCopy_; }
    QPushButton* quickAddButton() const { return quickAdd_; }
    QPushButton* hiddenButton(HiddenButton button) const;
    // For looking at the focus cycle alone: the hidden buttons keep the focus.
    void setHiddenButtonsKeepFocus(bool keep) { hiddenButtonsKeepFocus_ = keep; }

    // Copy function: on while the quick-copy button takes part in the focus cycle.
    bool copyFunctionOn() const;
    void setCopyFunction(bool on);

    // Whether every field the shown page needs for a result holds text.
    bool pageInputsComplete() const;

    // Summary panel: the window grows from its closed to its open height.
    QGroupBox* summaryPanel() const { return summaryPanel_; }
    // The material summary list and its controls inside the panel, built on
    // first use: the panel is closed at start-up, and its list is no part of
    // the first frame.
    SummaryPanel* summary();
    // Null until summary() has built it.
    SummaryPanel* builtSummary() const { return summary_; }
    bool summaryPanelOpen() const { return panelOpen_; }
    void toggleSummaryPanel();
    // The design height of the window frame: 336 closed, 620 open.
    int designHeight() const;

    bool alwaysOnTop() const;
    void setAlwaysOnTop(bool on);

    // Shows the window in its normal state (a second start, the tray icon).
    void showStoredWindow();

  signals:
    // Enter or Tab after the page's last input reached a hidden button.
    void quickCopyFocused();
    void quickAddFocused();
    // The plate page was shown: its result is to be worked out again.
    void platePageShown();
    // The summary panel was opened or closed; the summary total is to be worked out again.
    void summaryPanelToggled(bool open);
    // summary() has just built the list and its controls.
    void summaryBuilt(SummaryPanel* panel);
    void exitRequested();
    void aboutRequested();
    // The close box was used: the window is hidden, the program keeps running.
    void hiddenByCloseBox();
    // The window moved on the screen; windows that follow it move along.
    void moved();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildPages(QWidget* client);
    void buildSelector(QWidget* client);
    void buildBottomBar(QWidget* client);
    void connectMenu();
    void applyClientHeight();
    void onMainTabChanged(int page);
    void onNestedTabChanged(int page, int nested);
    void focusByName(const QString& name);
    void returnFocusFromHiddenButton();

    MainMenu* menu_ = nullptr;
    CalculatorPages* pages_ = nullptr;
    QTabWidget* mainTabs_ = nullptr;
    QList<SelectorButton*> selectors_;
    QPushButton* panelButton_ = nullptr;
    QPushButton* quickCopy_ = nullptr;
    QPushButton* quickAdd_ = nullptr;
    QGroupBox* summaryPanel_ = nullptr;
    SummaryPanel* summary_ = nullptr;
    platform::ClipPlayer* clips_ = nullptr;
    bool panelOpen_ = false;
    bool hiddenButtonsKeepFocus_ = false;
    bool advancing_ = false; // the focus moves along the cycle
};

} // namespace korvane
