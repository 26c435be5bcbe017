// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace korvane {

// Puts the focusable controls of one page (its input fields as empty line
// edits, its section list as an empty list view) on `pageWidget`, at their
// places on the page. `nestedPage` is 0 for pages without nested tabs.
void addPlaceholderControls(int page, int nestedPage, QWidget* pageWidget);

} // namespace korvane
