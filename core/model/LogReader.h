#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/model/Statement.h"

namespace gridtally {

// Splits a game log's bytes into lines and statements, the way both the game log and
// the Play DB import read logs. A line ends at LF or CR LF. Lines join into a
// statement, with one blank between two lines only where neither the end of the first
// nor the start of the second is white space; an empty line, or a line ending in a form
// feed (whose text is lost), hands the statement on. A statement that no such line
// closes at the end of the file is dropped. `onLine` sees every line, after the
// statement it closes was handed on.
// Where a statement's lines lie in the file: from the first byte of its first line to
// the last byte of its last line, line ends between them included.
struct StatementSpan {
    std::size_t offset = 0;
    std::size_t length = 0;
};

void ReadLogStatements(
    std::string_view fileBytes,
    const std::function<void(Statement& statement, StatementSpan span)>& onStatement,
    const std::function<void(std::string_view line)>& onLine = {});

// A statement's text as its span lies in the file, its lines joined as a statement's
// are and every SentenceMark shown as a blank.
std::string StatementText(std::string_view fileBytes, StatementSpan span);

}  // namespace gridtally
