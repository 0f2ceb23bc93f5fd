#include "core/model/LogReader.h"

#include <algorithm>

#include "core/text/TextScan.h"

namespace gridtally {

void ReadLogStatements(
    std::string_view fileBytes,
    const std::function<void(Statement& statement, StatementSpan span)>& onStatement,
    const std::function<void(std::string_view line)>& onLine) {
    Statement statement;
    bool havePrevious = false;
    char previous = '\0';

    StatementSpan span;
    std::size_t start = 0;
    while (start < fileBytes.size()) {
        std::size_t lineStart = start;
        std::size_t lf = fileBytes.find('\n', start);
        bool ended = lf != std::string_view::npos;
        std::size_t next = ended ? lf + 1 : fileBytes.size();
        std::string_view line = fileBytes.substr(start, next - start);
        start = next;
        if (ended) {
            line.remove_suffix(1);
            if (line.ends_with('\r')) line.remove_suffix(1);
        }

        if (line.empty() || line.back() == '\f') {
            if (statement.empty()) span = {lineStart, 0};
            onStatement(statement, span);
            statement.clear();
            havePrevious = false;
        } else {
            if (statement.empty()) span.offset = lineStart;
            span.length = lineStart + line.size() - span.offset;
            if (havePrevious && !IsSpace(previous) && !IsSpace(line.front())) statement += ' ';
            statement += line;
            previous = line.back();
            havePrevious = true;
        }
        if (onLine) onLine(line);
    }
}

std::string StatementText(std::string_view fileBytes, StatementSpan span) {
    std::string text;
    if (span.offset >= fileBytes.size()) return text;
    std::string_view lines = fileBytes.substr(span.offset, span.length);
    char previous = '\0';
    bool havePrevious = false;
    while (!lines.empty()) {
        std::size_t lf = lines.find('\n');
        std::string_view line = lines.substr(0, lf);
        lines.remove_prefix(lf == std::string_view::npos ? lines.size() : lf + 1);
        if (line.ends_with('\r') && lf != std::string_view::npos) line.remove_suffix(1);
        if (line.empty()) continue;
        if (havePrevious && !IsSpace(previous) && !IsSpace(line.front())) text += ' ';
        text += line;
        previous = line.back();
        havePrevious = true;
    }
    std::replace(text.begin(), text.end(), SentenceMark, ' ');
    return text;
}

}  // namespace gridtally
