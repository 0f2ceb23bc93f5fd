#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gridtally {

// Logs are 8-bit text; every byte is taken as the Latin-1 code point of its value.
std::string Latin1ToUtf8(std::string_view latin1);

// One character of UTF-8 text: its code point and the bytes it takes.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

// The character that starts at `at`, or nothing when the bytes there are no valid
// UTF-8: a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate or a value past U+10FFFF.
std::optional<Utf8Char> DecodeUtf8(std::string_view utf8, std::size_t at);

// UTF-8 typed by a user, as the Latin-1 bytes that names in logs are made of. Text
// that is not valid UTF-8, or holds a character past U+00FF, has no such form: the
// result is nothing and `why` (when given) says which, e.g. "is not valid UTF-8".
std::optional<std::string> Utf8ToLatin1(std::string_view utf8, std::string* why = nullptr);

}  // namespace gridtally
