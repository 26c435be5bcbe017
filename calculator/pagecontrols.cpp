// SPDX-License-Identifier: MIT
#include "pagecontrols.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QTimer>

#include "sketchview.h"

namespace korvane {
namespace {

constexpr QRgb kResultBackground = qRgb(236, 236, 236);
constexpr QRgb kModelBackground = qRgb(192, 192, 192);
constexpr QRgb kTitleColor = qRgb(255, 128, 192);
constexpr QRgb kFormulaLabelColor = qRgb(192, 96, 0);

void setColors(QWidget* widget, QRgb text, QRgb base = 0) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, QColor(text));
    palette.setColor(QPalette::WindowText, QColor(text));
    if (base != 0)
        palette.setColor(QPalette::Base, QColor(base));
    widget->setPalette(palette);
}

QLineEdit* makeField(QWidget* parent, ControlKind kind) {
    auto* field = new QLineEdit(parent);
    switch (kind) {
    case ControlKind::NumberInput: {
        static const QRegularExpression numberChars(QStringLiteral("[0-9.\\-]*"));
        field->setValidator(new QRegularExpressionValidator(numberChars, field));
        setColors(field, qRgb(0, 0, 0), qRgb(255, 255, 255));
        break;
    }
    case ControlKind::TextInput:
        setColors(field, qRgb(0, 0, 0), qRgb(255, 255, 255));
        break;
    case ControlKind::LengthInput:
        setColors(field, qRgb(0, 0, 255), qRgb(255, 255, 255));
        break;
    case ControlKind::ResultBlue:
    case ControlKind::ResultRed:
    case ControlKind::ResultModel:
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::ClickFocus); // can be selected and copied, never tabbed to
        setColors(field,
                  kind == ControlKind::ResultBlue  ? qRgb(0, 0, 255)
                  : kind == ControlKind::ResultRed ? qRgb(255, 0, 0)
                                                   : qRgb(0, 0, 0),
                  kind == ControlKind::ResultModel ? kModelBackground : kResultBackground);
        break;
    default:
        break;
    }
    return field;
}

QLabel* makeLabel(QWidget* parent, const ControlRow& row) {
    auto* label = new QLabel(QString::fromUtf8(row.text), parent);
    QFont font = label->font();
    if (row.kind == ControlKind::Title) {
        font.setFamily(QStringLiteral("黑体"));
        font.setPixelSize(std::min(18, row.rect.height() - 6));
        font.setBold(true);
        setColors(label, kTitleColor);
        // Titles on a group box's frame hide the frame line behind them.
        label->setAutoFillBackground(true);
    } else {
        font.setPixelSize(12);
        setColors(label, row.kind == ControlKind::FormulaLabel  ? kFormulaLabelColor
                         : row.kind == ControlKind::FormulaText ? qRgb(0, 0, 255)
                                                                : qRgb(0, 0, 0));
    }
    label->setFont(font);
    // Field captions sit level with their fields; formula lines keep to the
    // top of their rect, where the bottom bar cannot cover them.
    const bool topAligned =
        row.kind == ControlKind::FormulaLabel || row.kind == ControlKind::FormulaText;
    label->setAlignment(Qt::AlignLeft | (topAligned ? Qt::AlignTop : Qt::AlignVCenter));
    return label;
}

QTableWidget* makeList(QWidget* parent) {
    auto* list = new QTableWidget(parent);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setSortingEnabled(false);
    list->setWordWrap(false);
    list->setTabKeyNavigation(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(18);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setSectionsClickable(false);
    list->setFocusPolicy(Qt::StrongFocus);
    setColors(list, qRgb(0, 0, 0), qRgb(255, 255, 255));
    return list;
}

class FocusFilter : public QObject {
  public:
    FocusFilter(QObject* parent, std::function<void(Qt::FocusReason)> handler)
        : QObject(parent), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // The focus coming back to the control that had it is no arrival:
            // a context menu or a menu of the menu bar closed, or the window
            // was activated again. Running the behaviour then would, for
            // example, empty a length holding "3*" while the user pastes.
            // The window's first activation still counts: nothing had the
            // focus before it.
            const bool returning = reason == Qt::PopupFocusReason ||
                                   reason == Qt::MenuBarFocusReason ||
                                   (reason == Qt::ActiveWindowFocusReason && hadFocus_);
            hadFocus_ = true;
            if (!returning)
                handler_(reason);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void(Qt::FocusReason)> handler_;
    bool hadFocus_ = false;
};

class ShowFilter : public QObject {
  public:
    ShowFilter(QObject* parent, std::function<void()> shown)
        : QObject(parent), shown_(std::move(shown)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            deleteLater();
            shown_();
        }
        return false;
    }

  private:
    std::function<void()> shown_;
};

} // namespace

void buildControls(std::span<const ControlRow> rows, QWidget* page) {
    for (const ControlRow& row : rows) {
        QWidget* parent = page;
        QRect rect = row.rect;
        if (row.parent != nullptr) {
            parent = page->findChild<QWidget*>(QString::fromUtf8(row.parent));
            Q_ASSERT(parent != nullptr);
            // A title sits across its box's top frame line, partly above the
            // box. A group box would cut off what lies outside it, so the
            // title lies on the page at the same place, over the box.
            if (row.kind == ControlKind::Title) {
                rect.translate(parent->mapTo(page, QPoint(0, 0)));
                parent = page;
            }
        }
        QWidget* widget = nullptr;
        switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::Title:
        case ControlKind::FormulaLabel:
        case ControlKind::FormulaText:
            widget = makeLabel(parent, row);
            break;
        case ControlKind::GroupBox:
            widget = new QGroupBox(parent);
            break;
        case ControlKind::Sketch:
            widget = new SketchView(QString::fromUtf8(row.text), parent);
            break;
        case ControlKind::List:
            widget = makeList(parent);
            break;
        case ControlKind::Button:
            widget = new QPushButton(QString::fromUtf8(row.text), parent);
            widget->setFocusPolicy(Qt::NoFocus);
            break;
        default: {
            QLineEdit* field = makeField(parent, row.kind);
            field->setText(QString::fromUtf8(row.text));
            widget = field;
            break;
        }
        }
        if (row.color != 0)
            setColors(widget, row.color);
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setGeometry(rect);
        // Later controls overlap earlier ones only where the layout says so;
        // titles that sit on a group box's frame must stay on top of it.
        widget->raise();
        // Pages may be built while they are being shown.
        widget->show();
    }
}

QLineEdit* lineEdit(const QWidget* page, const char* name) {
    return page->findChild<QLineEdit*>(QString::fromUtf8(name));
}

void onFocusIn(QWidget* widget, std::function<void(Qt::FocusReason)> handler) {
    widget->installEventFilter(new FocusFilter(widget, std::move(handler)));
}

void onFirstShow(QWidget* widget, std::function<void()> shown) {
    widget->installEventFilter(new ShowFilter(widget, std::move(shown)));
}

void selectAllOnFocus(QLineEdit* field, Qt::FocusReason reason) {
    field->selectAll();
    if (reason == Qt::MouseFocusReason) {
        QPointer<QLineEdit> guard(field);
        QTimer::singleShot(0, field, [guard] {
            if (guard && guard->hasFocus())
                guard->selectAll();
        });
    }
}

} // namespace korvane
