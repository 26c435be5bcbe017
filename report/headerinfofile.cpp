// SPDX-License-Identifier: MIT
#include "headerinfofile.h"

#include "gbkstring.h"
#include "inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>

namespace korvane {

namespace {

// Earlier versions read values into a buffer of this many bytes; a longer
// value comes back cut, here as there.
constexpr std::size_t kReadBufferSize = 10240;

// A profile line cannot hold a line break, so breaks are stored as markers.
// CR LF is "><br><", as earlier versions store it. A lone CR or LF (pasted
// from another program) would end the entry early and turn the rest of the
// text into a line of its own, so it gets a marker of the same family:
// "><cr><" and "><lf><". Nobody types these, and earlier versions simply show
// them as they stand where the break was.
struct LineBreakMarker {
    QLatin1StringView lineBreak;
    QLatin1StringView marker;
};
// CR LF first, so that its CR is not taken for a lone one.
constexpr std::array<LineBreakMarker, 3> kMarkers = {{
    {QLatin1StringView("\r\n"), QLatin1StringView("><br><")},
    {QLatin1StringView("\r"), QLatin1StringView("><cr><")},
    {QLatin1StringView("\n"), QLatin1StringView("><lf><")},
}};

QString replaced(const QString& text, QLatin1StringView LineBreakMarker::*from,
                 QLatin1StringView LineBreakMarker::*to) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        bool matched = false;
        for (const LineBreakMarker& m : kMarkers) {
            if (QStringView(text).sliced(i).startsWith(m.*from)) {
                out += m.*to;
                i += (m.*from).size();
                matched = true;
                break;
            }
        }
        if (!matched)
            out += text[i++];
    }
    return out;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

// The profile-string service drops blanks around a value and one pair of
// matching quotes around it. A text that would lose either is put in double
// quotes, which that service takes off again: earlier versions read it as
// it was typed, too.
QString quotedWhereNeeded(const QString& value) {
    if (value.isEmpty())
        return value;
    const bool blankAtEdge = isBlank(value.front()) || isBlank(value.back());
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
                        value.back() == value.front();
    if (blankAtEdge || quoted)
        return u'"' + value + u'"';
    return value;
}

const std::string& section() {
    static const std::string name = toGbk(QStringLiteral("编辑框"));
    return name;
}

} // namespace

HeaderInfoFile::HeaderInfoFile()
    : filePath_(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                    .filePath(QStringLiteral("配置.txt"))) {}

std::optional<QString> HeaderInfoFile::text(const QString& editBoxName) const {
    const std::optional<std::string> stored =
        IniFile(filePath_).value(section(), toGbk(editBoxName), kReadBufferSize);
    if (!stored || stored->empty())
        return std::nullopt;
    return replaced(fromGbk(*stored), &LineBreakMarker::marker, &LineBreakMarker::lineBreak);
}

HeaderInfoFile::SaveResult HeaderInfoFile::setText(const QString& editBoxName,
                                                   const QString& text) const {
    const auto failed = [this](const QString& reason) {
        return SaveResult{false, QStringLiteral("表头信息保存失败：%1\n%2")
                                     .arg(QDir::toNativeSeparators(filePath_), reason)};
    };
    const QString folder = QFileInfo(filePath_).absolutePath();
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("无法创建文件夹：%1").arg(QDir::toNativeSeparators(folder)));
    const QString value =
        quotedWhereNeeded(replaced(text, &LineBreakMarker::lineBreak, &LineBreakMarker::marker));
    const IniFile::WriteResult written =
        IniFile(filePath_).setValue(section(), toGbk(editBoxName), toGbk(value));
    if (!written)
        return failed(written.reason);
    return {true, {}};
}

} // namespace korvane
