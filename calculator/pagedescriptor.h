// SPDX-License-Identifier: MIT
#pragma once

#include "pagecontrols.h"
#include "sectionkind.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace korvane {

// Everything the program knows about one calculator page (a nested page
// where there are nested tabs) in one row: its controls, how the keyboard
// moves over it and what its result is called when it is handed on.

enum class PageForm {
    Table,       // a standard table, G × length
    Formula,     // typed dimensions
    Weighbridge, // the 3‰ weighbridge difference
    Amount,      // the amount in capital numerals
};

// The two buttons of the focus cycle the user never sees.
enum class HiddenButton {
    None,
    QuickAdd,  // hands the page's line to the summary list
    QuickCopy, // shows the weight and puts it on the clipboard
};

// One stop of a page's focus cycle: a control of the page or a hidden button.
struct FocusStop {
    constexpr FocusStop() = default;
    constexpr FocusStop(const char* control) : control(control) {}
    constexpr FocusStop(HiddenButton button) : button(button) {}

    bool empty() const { return control == nullptr && button == HiddenButton::None; }

    const char* control = nullptr;
    HiddenButton button = HiddenButton::None;
};

// How the quick-copy message names the result.
enum class CopyMessage {
    Product,     // "【kind】 材料重量  weight  kg"
    Weighbridge, // "【处理磅差】 重量  weight  吨"
    Amount,      // "【金额大写】  capitals"
};

struct QuickCopyRow {
    // The fields that must all hold text before a result is handed on, in the
    // order they are tested; unused entries are nullptr.
    std::array<const char*, 5> required{};
    const char* kindWord = "";
    const char* resultField = nullptr;
    CopyMessage message = CopyMessage::Product;
};

// What an input field of a formula page does when it receives the focus,
// besides selecting its whole text.
enum class FocusAction {
    SelectThenCompute,               // the plate's inputs
    EvaluateLengthSelectThenCompute, // first dimension field; every H-beam input
    SelectOnly,
};

struct FormulaInput {
    const char* name = nullptr;
    FocusAction onFocus = FocusAction::SelectOnly;
};

using FormulaFunction = std::vector<std::string> (*)(const std::vector<std::string>& inputs);

// A formula page's inputs in the order the formula takes them, the result
// fields in the order it returns them, and the length field that some inputs
// evaluate when they get the focus.
struct FormulaRow {
    std::array<FormulaInput, 5> inputs{}; // unused entries have no name
    std::array<const char*, 3> outputs{}; // unused entries are nullptr
    const char* lengthField = nullptr;    // nullptr: the page evaluates no expression
    FormulaFunction compute = nullptr;
};

// The page's line in the material summary list and the quick-add question,
// as LineTemplate patterns: "{编辑框1}mm" is that field's text followed by
// "mm", "{#1}" column 1 of the standard-table row that fills the page.
struct SummaryLineRow {
    // 材料名称, 规格型号, 理论重量, 数量, 重量(Kg); all nullptr: the page adds no line.
    std::array<const char*, 5> cells{};
    // What the quick-add question names after the kind word.
    const char* question = nullptr;

    bool addsLine() const { return cells[0] != nullptr; }
};

struct PageDescriptor {
    int page;   // main tab index, 0-12
    int nested; // nested tab index; 0 on pages without nested tabs
    SectionKind kind;
    PageForm form;
    std::span<const ControlRow> controls;
    // The cycle of Enter and Tab over the page, hidden buttons included;
    // unused entries are empty.
    std::array<FocusStop, 8> focusOrder;
    // Takes the focus when the page is shown and after each hand-on.
    const char* focusField;
    QuickCopyRow quickCopy;
    SummaryLineRow summary;
    FormulaRow formula{}; // formula pages only

    // The page's last input: the control before the first hidden button.
    const char* lastInput() const;
};

// All pages, in the order of the main tab and its nested tabs.
std::span<const PageDescriptor> pageDescriptors();
const PageDescriptor* pageDescriptor(int page, int nested);
// The first page of this kind (the weighbridge page for the auxiliary tools).
const PageDescriptor* pageDescriptor(SectionKind kind);

// The rows of each page form, kept beside their controls.
std::span<const PageDescriptor> tablePageDescriptors();
std::span<const PageDescriptor> formulaPageDescriptors();
std::span<const PageDescriptor> auxiliaryPageDescriptors();

} // namespace korvane
