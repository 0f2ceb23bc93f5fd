#include "core/text/Latin1.h"

#include <algorithm>

#include "core/text/Printf.h"
#include "core/text/TextScan.h"

namespace gridtally {

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size() + latin1.size() / 8);
    for (char c : latin1) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

std::optional<Utf8Char> DecodeUtf8(std::string_view utf8, std::size_t at) {
    if (at >= utf8.size()) return std::nullopt;
    auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) return Utf8Char{lead, 1};
    std::size_t length = (lead >> 5) == 0x6    ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || at + length > utf8.size()) return std::nullopt;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    return Utf8Char{code, length};
}

std::optional<std::string> Utf8ToLatin1(std::string_view utf8, std::string* why) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::optional<Utf8Char> c = DecodeUtf8(utf8, i);
        if (!c || c->codePoint > 0xFF) {
            if (why) {
                *why = c ? Printf("has characters outside Latin-1 (U+%04X)",
                                  static_cast<unsigned>(c->codePoint))
                         : Printf("is not valid UTF-8 (byte %zu)", i + 1);
            }
            return std::nullopt;
        }
        latin1.push_back(static_cast<char>(c->codePoint));
        i += c->length;
    }
    return latin1;
}

namespace {

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::optional<Utf8Char> c = DecodeUtf8(text, i);
        if (!c) return false;
        i += c->length;
    }
    return true;
}

}  // namespace

std::string FileNameText(std::string_view name) {
    return IsUtf8(name) ? std::string(name) : Latin1ToUtf8(name);
}

std::string FileNameCell(std::string_view name) {
    std::string text = FileNameText(name);
    std::optional<std::string> latin1 = Utf8ToLatin1(text);
    if (latin1 && !latin1->starts_with(kUtf8Cell)) return *latin1;
    return kUtf8Cell + text;
}

std::string CellToUtf8(std::string_view cell) {
    if (cell.starts_with(kUtf8Cell) && IsUtf8(cell.substr(1))) return std::string(cell.substr(1));
    return Latin1ToUtf8(cell);
}

int CompareCells(std::string_view a, std::string_view b) {
    // UTF-8 keeps the order of the code points, which Latin-1 bytes are.
    if (!a.starts_with(kUtf8Cell) && !b.starts_with(kUtf8Cell)) return CompareBytes(a, b);
    return CompareBytes(CellToUtf8(a), CellToUtf8(b));
}

std::size_t CellWidth(std::string_view cell) {
    if (!cell.starts_with(kUtf8Cell)) return cell.size();
    std::string text = CellToUtf8(cell);
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::optional<std::string> Latin1Argument(std::string_view option, std::string_view utf8,
                                          Failure* failure) {
    std::string why;
    std::optional<std::string> latin1 = Utf8ToLatin1(utf8, &why);
    if (latin1 || !failure) return latin1;
    std::string shown;
    for (std::size_t i = 0; i < utf8.size();) {
        std::optional<Utf8Char> c = DecodeUtf8(utf8, i);
        if (c) {
            shown.append(utf8.substr(i, c->length));
            i += c->length;
        } else {
            shown += Printf("\\x%02X", static_cast<unsigned char>(utf8[i++]));
        }
    }
    failure->reason = std::string(option) + ": \"" + shown + "\" " + why;
    return std::nullopt;
}

}  // namespace gridtally
