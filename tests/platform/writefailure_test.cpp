// SPDX-License-Identifier: MIT
#include "testnames.h"
#include "writefailure.h"

#include <QString>
#include <cerrno>
#include <gtest/gtest.h>
#include <ostream>

using korvane::platform::WriteFailure;

namespace {

// The causes a save cannot be made to meet in a test (a read-only or full
// disk, a busy file), and how errno and the system's words weigh.
struct ReasonCase {
    const char* name;
    int error;            // errno as the failing call left it
    int wordsOf;          // the system's words are those of this error; 0: none
    const char* ownWords; // or these words of Qt's own
    WriteFailure::Cause cause;
    const char* reason;
};
void PrintTo(const ReasonCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteFailureReason : public testing::TestWithParam<ReasonCase> {};

TEST_P(WriteFailureReason, IsShortChineseOrTheSystemsWords) {
    const ReasonCase& c = GetParam();
    const QString words = c.ownWords != nullptr ? QString::fromUtf8(c.ownWords)
                          : c.wordsOf != 0      ? qt_error_string(c.wordsOf)
                                                : QString();
    const WriteFailure failure(c.error, words);
    EXPECT_EQ(failure.cause(), c.cause);
    EXPECT_EQ(failure.reason(), QString::fromUtf8(c.reason));
}

using Cause = WriteFailure::Cause;
const ReasonCase kReasonCases[] = {
    {"read_only_disk", EROFS, EROFS, nullptr, Cause::ReadOnlyDisk, "磁盘是只读的"},
    {"disk_full", ENOSPC, ENOSPC, nullptr, Cause::DiskFull, "磁盘空间不足"},
    {"quota_used_up", EDQUOT, EDQUOT, nullptr, Cause::DiskFull, "磁盘空间不足"},
    {"not_permitted", EPERM, EPERM, nullptr, Cause::NoPermission, "没有写入权限"},
    {"program_file_busy", ETXTBSY, ETXTBSY, nullptr, Cause::InUse, "文件正在被其他程序使用"},
    {"device_busy", EBUSY, EBUSY, nullptr, Cause::InUse, "文件正在被其他程序使用"},
    // errno changed after the failure (a draft removed); Qt's words tell
    {"words_win_over_a_changed_errno", ENOENT, EROFS, nullptr, Cause::ReadOnlyDisk, "磁盘是只读的"},
    {"errno_alone", ENOSPC, 0, nullptr, Cause::DiskFull, "磁盘空间不足"},
    {"qt_own_words_then_errno", ENOSPC, 0, "Writing canceled", Cause::DiskFull, "磁盘空间不足"},
    {"other_error_in_the_systems_words", EIO, EIO, nullptr, Cause::Other, "Input/output error"},
    {"other_error_without_words", EIO, 0, nullptr, Cause::Other, "Input/output error"},
    {"nothing_known", 0, 0, nullptr, Cause::Other, "写入文件时出错"},
};
INSTANTIATE_TEST_SUITE_P(Table, WriteFailureReason, testing::ValuesIn(kReasonCases),
                         [](const auto& info) { return rowName(info.param.name, info.index); });

} // namespace
