#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/Failure.h"

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

// A file name as the file system gives it, as text: its bytes when they are valid UTF-8
// (as they are on most systems), else their Latin-1 reading; never encoded twice.
std::string FileNameText(std::string_view name);

// A cell of a table holds Latin-1 text, as everything read from a log does, and becomes
// UTF-8 as it leaves. A file name becomes a cell through FileNameCell: its Latin-1 form
// when its characters have one, else kUtf8Cell and its UTF-8, which CellToUtf8 passes
// unchanged. (A log's own text that starts so shows as the UTF-8 it then holds: still
// text, and no more than the log could have said in Latin-1.)
inline constexpr char kUtf8Cell = '\x01';
std::string FileNameCell(std::string_view name);
std::string CellToUtf8(std::string_view cell);
// The characters a cell shows, for lining up columns.
std::size_t CellWidth(std::string_view cell);
// strcmp's order of the cells' texts (for Latin-1 cells, of their bytes): -1, 0 or +1.
int CompareCells(std::string_view a, std::string_view b);

// UTF-8 typed by a user, as the Latin-1 bytes that names in logs are made of. Text
// that is not valid UTF-8, or holds a character past U+00FF, has no such form: the
// result is nothing and `why` (when given) says which, e.g. "is not valid UTF-8".
std::optional<std::string> Utf8ToLatin1(std::string_view utf8, std::string* why = nullptr);

// An option's argument as typed, in Latin-1 as Utf8ToLatin1 makes it; nothing when it
// has no such form, the failure's reason then saying "OPTION: "VALUE" WHY" with each
// byte that is no UTF-8 shown as \xHH, so that the message stays readable text. The
// command line and the window take clubs' names and filter values through it.
std::optional<std::string> Latin1Argument(std::string_view option, std::string_view utf8,
                                          Failure* failure = nullptr);

}  // namespace gridtally
