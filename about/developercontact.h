// SPDX-License-Identifier: MIT
#pragma once

// Who hands this build of the program to its users, as the About window shows
// them. Whoever distributes the program puts their own contact here, and only
// here: resources/make_pictures.sh reads kChatLink from this file to make the
// contact QR code, so the picture and the link never disagree. The values
// shipped are placeholders.
namespace korvane::developer {

inline constexpr char kName[] = "Korvane 开发组";
// The same number also reaches the developer on WeChat.
inline constexpr char kTelephone[] = "000-0000-0000";
// QQ account number.
inline constexpr char kChatAccount[] = "00000000";
// Opens a QQ conversation with kChatAccount.
inline constexpr char kChatLink[] = "tencent://message/?uin=00000000&Site=korvane&Menu=yes";

} // namespace korvane::developer
