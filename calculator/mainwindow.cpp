// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "calculatorpages.h"
#include "clipplayer.h"
#include "mainmenu.h"
#include "pagenavigation.h"
#include "picturebutton.h"
#include "programlauncher.h"
#include "selectorbutton.h"
#include "staysontop.h"
#include "summarypanel.h"
#include "windowlayout.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace korvane {

namespace {
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                         Qt::MSWindowsFixedSizeDialogHint;

template <typename Widget> Widget* place(Widget* widget, const char* name, const QRect& rect) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(rect);
    return widget;
}
} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent, kWindowFlags) {
    setObjectName(QStringLiteral("启动窗口"));
    setWindowTitle(QStringLiteral("Korvane2019版-免费版"));
    menu_ = new MainMenu(menuBar(), this);
    clips_ = new platform::ClipPlayer(this);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    pages_ = new CalculatorPages(this);
    buildPages(client);
    buildSelector(client);
    buildBottomBar(client);
    connectMenu();
    pages_->connectWindow();

    // Start-up state: quick add hidden, copy function on, page 0 without a pressed button.
    quickAdd_->hide();
    setCopyFunction(true);
    applyClientHeight();
    move(WindowLayout::kPosition);
    focusPageField();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages(QWidget* client) {
    mainTabs_ = place(new QTabWidget(client), "选择夹1", WindowLayout::kMainTabs);
    // Pages are chosen with the selector buttons only; the page area fills the
    // whole control, so the pages' controls sit at their places on the control.
    mainTabs_->tabBar()->hide();
    mainTabs_->setDocumentMode(true);
    for (int page = 0; page < PageNavigation::kPageCount; ++page) {
        auto* pageWidget = new QWidget;
        mainTabs_->addTab(pageWidget, PageNavigation::pageCaption(page));
        const int nestedCount = PageNavigation::nestedPageCount(page);
        if (nestedCount == 0) {
            pages_->build(page, 0, pageWidget);
            continue;
        }
        auto* nested = new QTabWidget(pageWidget);
        nested->setObjectName(PageNavigation::nestedTabName(page));
        nested->setGeometry(WindowLayout::kNestedTabs);
        // A low tab strip: the pages below it are laid out for the space
        // that leaves above the bottom bar.
        nested->setDocumentMode(true);
        nested->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 18px; }"));
        for (int index = 0; index < nestedCount; ++index) {
            auto* nestedWidget = new QWidget;
            nested->addTab(nestedWidget, PageNavigation::nestedCaption(page, index));
            pages_->build(page, index, nestedWidget);
        }
        connect(nested, &QTabWidget::currentChanged, this,
                [this, page](int index) { onNestedTabChanged(page, index); });
    }
    connect(mainTabs_, &QTabWidget::currentChanged, this, &MainWindow::onMainTabChanged);
}

void MainWindow::buildSelector(QWidget* client) {
    for (const WindowLayout::SelectorButtonRow& row : WindowLayout::selectorButtons()) {
        auto* button =
            new SelectorButton(QString::fromUtf8(row.caption),
                               QUrl(QStringLiteral("qrc") + QString::fromUtf8(row.clip)), client);
        place(button, row.name, row.rect);
        connect(button, &QAbstractButton::clicked, this, [this, button, page = row.page] {
            clips_->play(button->clip());
            selectPage(page);
        });
        selectors_.append(button);
    }
}

void MainWindow::buildBottomBar(QWidget* client) {
    // A blank strip over the lower edge of the page area, behind the bottom bar.
    auto* strip = place(new QLabel(client), "标签15遮挡", WindowLayout::kBlankStrip);
    strip->setAutoFillBackground(true);

    auto* onTop = place(new QCheckBox(QStringLiteral("总在最前"), client), "选择框1",
                        WindowLayout::kOnTopCheckBox);
    connect(onTop, &QCheckBox::toggled, this, &MainWindow::setAlwaysOnTop);

    auto* calculator = place(new PictureButton(QStringLiteral(":/pictures/calculator"), client),
                             "计算器", WindowLayout::kCalculatorPicture);
    calculator->setToolTip(QStringLiteral("计算器"));
    connect(calculator, &PictureButton::pressed, this,
            [] { platform::ProgramLauncher::startSystemCalculator(); });

    panelButton_ = place(new QPushButton(QStringLiteral("打开材料汇总"), client),
                         "按钮2打开材料汇总", WindowLayout::kPanelButton);
    connect(panelButton_, &QPushButton::clicked, this, &MainWindow::toggleSummaryPanel);

    auto* exitButton =
        place(new QPushButton(QStringLiteral("退出"), client), "按钮3", WindowLayout::kExitButton);
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::exitRequested);

    // Both hidden buttons lie outside the client area: never seen, but in the focus cycle.
    quickCopy_ = place(new QPushButton(client), "按钮5复制隐藏了", WindowLayout::kQuickCopyButton);
    quickAdd_ = place(new QPushButton(client), "按钮4隐藏了", WindowLayout::kQuickAddButton);
    quickCopy_->installEventFilter(this);
    quickAdd_->installEventFilter(this);

    summaryPanel_ = place(new QGroupBox(client), "分组框2", WindowLayout::kSummaryPanel);
}

SummaryPanel* MainWindow::summary() {
    if (summary_ == nullptr) {
        // Controls made inside a box already on screen would stay hidden; the
        // box shown again shows them with it.
        const bool shown = summaryPanel_->isVisible();
        summaryPanel_->hide();
        summary_ = new SummaryPanel(summaryPanel_);
        summaryPanel_->setVisible(shown);
        emit summaryBuilt(summary_);
    }
    return summary_;
}

void MainWindow::connectMenu() {
    connect(menu_->copyOn(), &QAction::triggered, this, [this] { setCopyFunction(true); });
    connect(menu_->copyOff(), &QAction::triggered, this, [this] { setCopyFunction(false); });
    connect(menu_->showWindow(), &QAction::triggered, this, &MainWindow::showStoredWindow);
    connect(menu_->checkUpdates(), &QAction::triggered, this, [] {
        platform::ProgramLauncher::openWebPage(QUrl(QString::fromUtf8(MainMenu::kCheckUpdatesUrl)));
    });
    connect(menu_->weightTable(), &QAction::triggered, this, [] {
        platform::ProgramLauncher::openWebPage(QUrl(QString::fromUtf8(MainMenu::kWeightTableUrl)));
    });
    connect(menu_->about(), &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(menu_->exitProgram(), &QAction::triggered, this, &MainWindow::exitRequested);
}

QTabWidget* MainWindow::nestedTabs(int page) const {
    QWidget* pageWidget = mainTabs_->widget(page);
    const QString name = PageNavigation::nestedTabName(page);
    if (pageWidget == nullptr || name.isEmpty())
        return nullptr;
    return pageWidget->findChild<QTabWidget*>(name, Qt::FindDirectChildrenOnly);
}

int MainWindow::currentPage() const {
    return mainTabs_->currentIndex();
}

int MainWindow::currentNestedPage() const {
    QTabWidget* nested = nestedTabs(currentPage());
    return nested ? nested->currentIndex() : 0;
}

SectionKind MainWindow::currentSectionKind() const {
    return currentDescriptor().kind;
}

const PageDescriptor& MainWindow::currentDescriptor() const {
    // Every page and nested page has a row; the tab controls allow no other.
    return *pageDescriptor(currentPage(), currentNestedPage());
}

QWidget* MainWindow::pageWidget(int page, int nested) const {
    if (QTabWidget* tabs = nestedTabs(page))
        return tabs->widget(nested);
    return nested == 0 ? mainTabs_->widget(page) : nullptr;
}

SelectorButton* MainWindow::selectorButton(int page) const {
    return page >= 0 && page < selectors_.size() ? selectors_[page] : nullptr;
}

void MainWindow::selectPage(int page) {
    if (page < 0 || page >= PageNavigation::kPageCount)
        return;
    mainTabs_->setCurrentIndex(page);
    for (int index = 0; index < selectors_.size(); ++index)
        selectors_[index]->setChecked(index == page);
    focusPageField();
    if (page == PageNavigation::kPlatePage && currentNestedPage() == 0)
        emit platePageShown();
}

void MainWindow::onMainTabChanged(int page) {
    focusByName(PageNavigation::mainTabFocusField(page));
}

void MainWindow::onNestedTabChanged(int page, int nested) {
    if (page != currentPage())
        return;
    focusByName(QString::fromUtf8(pageDescriptor(page, nested)->focusField));
    if (page == PageNavigation::kPlatePage && nested == 0)
        emit platePageShown();
}

QWidget* MainWindow::focusField() const {
    return findChild<QWidget*>(QString::fromUtf8(currentDescriptor().focusField));
}

void MainWindow::focusPageField() {
    focusByName(QString::fromUtf8(currentDescriptor().focusField));
}

bool MainWindow::pageInputsComplete() const {
    const QWidget* page = pageWidget(currentPage(), currentNestedPage());
    for (const char* name : currentDescriptor().quickCopy.required) {
        if (name == nullptr)
            break;
        auto* field = page->findChild<QLineEdit*>(QString::fromUtf8(name));
        if (field == nullptr || field->text().isEmpty())
            return false;
    }
    return true;
}

QPushButton* MainWindow::hiddenButton(HiddenButton button) const {
    switch (button) {
    case HiddenButton::QuickAdd:
        return quickAdd_;
    case HiddenButton::QuickCopy:
        return quickCopy_;
    case HiddenButton::None:
        break;
    }
    return nullptr;
}

void MainWindow::focusByName(const QString& name) {
    QWidget* field = findChild<QWidget*>(name);
    // A field of a page not shown cannot take the focus.
    if (field != nullptr && field->isVisibleTo(this))
        field->setFocus(Qt::OtherFocusReason);
}

void MainWindow::advanceFocus(bool forward) {
    const PageDescriptor& page = currentDescriptor();
    std::vector<QWidget*> stops;
    int current = -1;
    for (const FocusStop& stop : page.focusOrder) {
        if (stop.empty())
            break;
        stops.push_back(stop.control ? findChild<QWidget*>(QString::fromUtf8(stop.control))
                                     : hiddenButton(stop.button));
    }
    for (QWidget* widget = focusWidget(); widget != nullptr && widget != this && current < 0;
         widget = widget->parentWidget()) {
        auto found = std::find(stops.begin(), stops.end(), widget);
        if (found != stops.end())
            current = int(found - stops.begin());
    }
    const int count = int(stops.size());
    for (int step = 1; step <= count; ++step) {
        int index = 0;
        if (current < 0)
            index = forward ? step - 1 : count - step;
        else
            index = ((current + (forward ? step : -step)) % count + count) % count;
        QWidget* next = stops[index];
        const FocusStop& stop = page.focusOrder[index];
        // Going back never lands on a hidden button: they only hand results on.
        if (next == nullptr || !next->isVisibleTo(this) || !next->isEnabled() ||
            (!forward && stop.button != HiddenButton::None))
            continue;
        const bool handOn = forward && stop.button != HiddenButton::None && current >= 0 &&
                            qstrcmp(page.focusOrder[current].control, page.lastInput()) == 0;
        advancing_ = true;
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        advancing_ = false;
        if (stop.button == HiddenButton::None || hiddenButtonsKeepFocus_)
            return;
        if (!handOn) {
            returnFocusFromHiddenButton();
            return;
        }
        if (stop.button == HiddenButton::QuickCopy) {
            if (isSignalConnected(QMetaMethod::fromSignal(&MainWindow::quickCopyFocused)))
                emit quickCopyFocused();
            else
                returnFocusFromHiddenButton();
        } else {
            if (isSignalConnected(QMetaMethod::fromSignal(&MainWindow::quickAddFocused)))
                emit quickAddFocused();
            else
                returnFocusFromHiddenButton();
        }
        return;
    }
}

void MainWindow::returnFocusFromHiddenButton() {
    if (!hiddenButtonsKeepFocus_)
        focusPageField();
}

bool MainWindow::copyFunctionOn() const {
    return !quickCopy_->isHidden();
}

void MainWindow::setCopyFunction(bool on) {
    quickCopy_->setVisible(on);
    // Also restores the check marks when an item was chosen for the state already set.
    menu_->showCopyFunction(on);
}

void MainWindow::toggleSummaryPanel() {
    quickAdd_->show();
    summary()->recomputeTotal();
    panelOpen_ = !panelOpen_;
    applyClientHeight();
    panelButton_->setText(panelOpen_ ? QStringLiteral("关闭材料汇总")
                                     : QStringLiteral("打开材料汇总"));
    menu_->copyFunctionMenu()->menuAction()->setVisible(!panelOpen_);
    if (!panelOpen_)
        quickAdd_->hide();
    emit summaryPanelToggled(panelOpen_);
}

int MainWindow::designHeight() const {
    return panelOpen_ ? WindowLayout::kDesignHeightOpen : WindowLayout::kDesignHeightClosed;
}

void MainWindow::applyClientHeight() {
    const QSize client = panelOpen_ ? WindowLayout::kClientOpen : WindowLayout::kClientClosed;
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
}

bool MainWindow::alwaysOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void MainWindow::setAlwaysOnTop(bool on) {
    platform::setStaysOnTop(this, on);
}

void MainWindow::showStoredWindow() {
    showNormal();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    emit hiddenByCloseBox();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Minimising (for example by the desktop's show-desktop command) hides the window.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hide();
        });
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    emit moved();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Enter reaches the window only when the focused control left it alone.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
    else
        advanceFocus(true);
    event->accept();
}

bool MainWindow::focusNextPrevChild(bool next) {
    // Qt asks for the next control when the focused one is being hidden (a
    // page change, a nested tab, the panel closing). That is no Tab key: the
    // page shown gets the focus from the page change itself, and nothing may
    // be handed on.
    if (QWidget* focused = focusWidget(); focused != nullptr && !focused->isVisible()) {
        focusPageField();
        return true;
    }
    advanceFocus(next);
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A hidden button that gets the focus other than along the cycle (Qt's
    // own focus moves) gives it straight back. Menus closing and the window
    // coming back give the focus back to the control that had it.
    if (event->type() == QEvent::FocusIn && !advancing_ &&
        (watched == quickCopy_ || watched == quickAdd_)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::MenuBarFocusReason)
            returnFocusFromHiddenButton();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace korvane
