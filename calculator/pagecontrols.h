// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <functional>
#include <span>

class QLineEdit;
class QWidget;

namespace korvane {

// What a control on a calculator page is; the kind decides its widget class,
// its editing rules and its colours.
enum class ControlKind {
    Label,        // field caption, black
    Title,        // page title, RGB(255,128,192)
    FormulaLabel, // "理论重量计算公式=", RGB(192,96,0)
    FormulaText,  // the formula itself, blue
    GroupBox,     // frame; other controls may name it as their parent
    Sketch,       // section sketch, text = resource path of an SVG
    List,         // standard table list
    NumberInput,  // editable, digits "." and "-" only, black on white
    TextInput,    // editable, any text (length expressions), black on white
    LengthInput,  // table page length: any text, blue on white
    ResultBlue,   // read-only, blue on RGB(236,236,236): G, unit weight, area
    ResultRed,    // read-only, red on RGB(236,236,236): weights
    ResultModel,  // read-only, black on silver RGB(192,192,192)
    Button,
};

// One control of a page, as a row of data: object name, caption or initial
// text, rect relative to its parent (the page, or the named group box).
struct ControlRow {
    ControlKind kind;
    const char* name;
    const char* text = "";
    QRect rect;
    const char* parent = nullptr;
    QRgb color = 0; // text colour instead of the kind's own, when not 0
};

// Creates the controls on `page`, in order (so a group box must come before
// the controls inside it). A group box's title is placed by its box but made
// on the page, so that the part above the box's top edge is not cut off.
void buildControls(std::span<const ControlRow> rows, QWidget* page);

// The named line edit on a page (nullptr when absent).
QLineEdit* lineEdit(const QWidget* page, const char* name);

// Calls `handler` whenever the keyboard focus moves to `widget` from another
// control, not when it returns after a menu or with the window. The handler
// runs before the widget's own focus handling.
void onFocusIn(QWidget* widget, std::function<void(Qt::FocusReason)> handler);

// Calls `shown` once, when `widget` is first shown.
void onFirstShow(QWidget* widget, std::function<void()> shown);

// Selects the whole text so that the next keystroke replaces it. A mouse
// click would place the cursor right after, so the selection is made again
// once the click has been handled.
void selectAllOnFocus(QLineEdit* field, Qt::FocusReason reason);

} // namespace korvane
