// SPDX-License-Identifier: MIT
#pragma once

namespace korvane::platform {

// Puts Qt's own texts in Chinese (qtbase_zh_CN.qm from Qt's translations
// folder): the file dialog's headings, the print dialog, the print preview
// and the standard buttons, whatever the system's language, since every
// other text of the program is Chinese. Call once the application exists.
// False when the translations are not installed; Qt's texts stay English.
bool installChineseQtTexts();

} // namespace korvane::platform
