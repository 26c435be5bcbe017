// SPDX-License-Identifier: MIT
#pragma once

#include "gbkcodec.h"

#include <QString>
#include <string>

// The window toolkit's boundary: the program's texts are GBK bytes, Qt's are
// UTF-16. Every conversion between the two goes through these.
namespace korvane {

inline std::string toGbk(const QString& text) {
    return utf8ToGbk(text.toStdString());
}

inline QString fromGbk(const std::string& gbk) {
    return QString::fromStdString(gbkToUtf8(gbk));
}

} // namespace korvane
