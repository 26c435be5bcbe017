// SPDX-License-Identifier: MIT
// The GBK codec on Windows, which has no iconv: the characters come from the
// system's code page 936, read once into a table per direction; UTF-8 is
// decoded and encoded here. The results are those of the iconv build
// (gbkcodec.cpp) byte for byte, so that a file reads and writes the same on
// either system.
#include "gbkbytes.h"
#include "gbkcodec.h"
#include "gbkprivateuse.h"

#include <array>
#include <cstdint>
#include <windows.h>

namespace korvane {
namespace {

using gbkbytes::appendUtf8;
using gbkbytes::decodeUtf8;
using gbkbytes::gbkSkip;
using gbkbytes::isAscii;
using gbkbytes::Utf8Character;
using gbkbytes::utf8Skip;

constexpr unsigned kCodePage = 936;
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr size_t kTrails = kLastTrail - kFirstTrail + 1;

// Characters where the system's table is not the GBK the program's files are
// written in: Windows versions disagree here (0x80 was unassigned before the
// euro; GB2312-based tables give A1A4 as U+30FB and A1AA as U+2015), and
// glibc, which the Linux build converts with, gives these.
struct PinnedCharacter {
    uint16_t gbk; // one byte (0x80) or lead and trail
    char16_t unicode;
};
constexpr PinnedCharacter kPinned[] = {
    {0x80, u'\u20AC'},   // €
    {0xA1A4, u'\u00B7'}, // ·
    {0xA1AA, u'\u2014'}, // —
};

// The private use characters come from one table for both builds
// (gbkprivateuse.h), not from the system, so that they are the same whatever
// the Windows version.
bool isPrivateUse(char16_t c) {
    return c >= 0xE000 && c <= 0xF8FF;
}

class Tables {
  public:
    Tables() {
        for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead)
            for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail)
                if (trail != 0x7F) {
                    const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
                    set((lead << 8) | trail, systemCharacter(bytes, 2));
                }
        set(0x80, systemCharacter("\x80", 1));
        for (unsigned c = gbkprivateuse::kFirst; c <= gbkprivateuse::kLast; ++c)
            set(gbkprivateuse::code(c), static_cast<char16_t>(c));
        for (const PinnedCharacter& pin : kPinned) {
            const char16_t old = decode(pin.gbk);
            if (old != 0 && toGbk_[old] == pin.gbk)
                toGbk_[old] = 0;
            set(pin.gbk, pin.unicode);
        }
    }

    // 0 when the code is no character.
    char16_t decode(unsigned gbk) const {
        if (gbk == 0x80)
            return euroByte_;
        return fromGbk_[(((gbk >> 8) - kFirstLead) * kTrails) + ((gbk & 0xFF) - kFirstTrail)];
    }
    // 0 when the character has no GBK form.
    uint16_t encode(char16_t c) const { return toGbk_[c]; }

  private:
    // The character code page 936 gives the bytes, 0 when it gives none.
    static char16_t systemCharacter(const char* bytes, int length) {
        wchar_t wide[2];
        const int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes, length, wide, 2);
        if (n != 1 || isPrivateUse(static_cast<char16_t>(wide[0])))
            return 0;
        return static_cast<char16_t>(wide[0]);
    }

    void set(unsigned gbk, char16_t c) {
        if (gbk == 0x80)
            euroByte_ = c;
        else
            fromGbk_[(((gbk >> 8) - kFirstLead) * kTrails) + ((gbk & 0xFF) - kFirstTrail)] = c;
        if (c != 0)
            toGbk_[c] = static_cast<uint16_t>(gbk);
    }

    std::array<char16_t, (kLastLead - kFirstLead + 1) * kTrails> fromGbk_{};
    char16_t euroByte_ = 0;
    std::array<uint16_t, 0x10000> toGbk_{};
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

} // namespace

std::string gbkToUtf8(std::string_view gbk) {
    if (isAscii(gbk))
        return std::string(gbk);
    const Tables& table = tables();
    std::string out;
    out.reserve(gbk.size() * 3 / 2 + 8);
    for (size_t at = 0; at < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[at]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++at;
            continue;
        }
        const size_t length = gbkSkip(gbk.substr(at));
        char16_t c = 0;
        if (length == 2)
            c = table.decode((lead << 8) | static_cast<unsigned char>(gbk[at + 1]));
        else if (lead == 0x80)
            c = table.decode(0x80);
        if (c != 0)
            appendUtf8(out, c);
        else
            out += kReplacementUtf8;
        at += length;
    }
    return out;
}

std::string utf8ToGbk(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    const Tables& table = tables();
    std::string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const Utf8Character character = decodeUtf8(utf8.substr(at));
        if (character.length == 1) {
            out += static_cast<char>(character.code);
            ++at;
            continue;
        }
        // GBK holds no character beyond the first plane (the tag characters
        // among them).
        const uint16_t gbk = character.length != 0 && character.code <= 0xFFFF
                                 ? table.encode(static_cast<char16_t>(character.code))
                                 : 0;
        if (gbk == 0) {
            out += '?';
            at += utf8Skip(utf8.substr(at));
            continue;
        }
        if (gbk > 0xFF)
            out += static_cast<char>(gbk >> 8);
        out += static_cast<char>(gbk & 0xFF);
        at += character.length;
    }
    return out;
}

} // namespace korvane
