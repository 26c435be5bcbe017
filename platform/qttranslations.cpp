// SPDX-License-Identifier: MIT
#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace korvane::platform {

bool installChineseQtTexts() {
    // Loaded by name, not by QLocale::system(): the program is Chinese on an
    // English desktop too. The file is mapped, not read: a cheap start.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace korvane::platform
