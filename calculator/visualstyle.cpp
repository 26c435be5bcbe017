// SPDX-License-Identifier: MIT
#include "visualstyle.h"

#include <QApplication>
#include <QFont>

namespace korvane {

void VisualStyle::apply() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Linux font configurations know neither the Windows names nor their Chinese forms.
    const QStringList heiti{QStringLiteral("WenQuanYi Micro Hei"),
                            QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
                            QStringLiteral("Microsoft YaHei")};
    const QStringList songti{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                             QStringLiteral("WenQuanYi Micro Hei"),
                             QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("黑体"), heiti);
    QFont::insertSubstitutions(QStringLiteral("SimHei"), heiti);
    QFont::insertSubstitutions(QStringLiteral("宋体"), songti);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), songti);
    // Windows draws dialog texts in 9-point SimSun; the substitutes above stand in for it.
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(9);
    QApplication::setFont(font);
}

} // namespace korvane
