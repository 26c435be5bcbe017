// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The text of a profile (INI) file, read and edited the way the Windows
// profile-string service (GetPrivateProfileStringA / WritePrivateProfileStringA)
// does it, so that files written by earlier versions of the program on
// Windows, and files edited by hand, read the same here.
//
// Sections, keys and values going in and out are GBK, like every text of the
// program. The file's bytes are GBK too, unless they start with a UTF-8
// byte-order mark (a file saved by an editor as UTF-8): then the file stays
// UTF-8 and texts are converted on the way in and out.
//
// Reading:
// - lines end at LF; a CR before it and blanks (space, tab, CR, VT, FF) around
//   names and values do not count, nor do blanks around "=";
// - "[name]" starts a section, the name being up to the line's last "]";
// - section and key names match without regard to the case of ASCII letters;
//   the bytes of a double-byte character are never folded;
// - the first key that matches, in the first section that holds it, wins;
// - one pair of matching quotes ("..." or '...') around a value is dropped.
//
// Writing one entry changes only that entry's line, or adds a line, and keeps
// every other byte of the text.
class ProfileText {
  public:
    explicit ProfileText(std::string bytes = {});

    const std::string& bytes() const { return bytes_; }

    // The value of `key` in `section` as a caller's buffer of `bufferSize`
    // bytes receives it: at most bufferSize - 1 bytes (the last byte holds the
    // terminating zero), cut before a double-byte character that would not fit
    // whole. nullopt when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key,
                                     std::size_t bufferSize) const;

    // Sets `key` in `section` to `value`. An existing entry's line becomes
    // "key=value" (the key spelt as the file has it) and keeps its line end; a
    // missing key is added after the last non-blank line of its section; a
    // missing section is added at the end as "[section]" and "key=value". Lines
    // added end in CR LF.
    //
    // False, and nothing changed, when the entry cannot be held by one line:
    // a line break in any of the three, "=" in the key, an empty key, or a key
    // starting with "[".
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

  private:
    std::string bytes_;
};

} // namespace korvane
