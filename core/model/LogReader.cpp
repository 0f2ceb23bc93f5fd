#include "core/model/LogReader.h"

#include "core/text/TextScan.h"

namespace gridtally {

void ReadLogStatements(std::string_view fileBytes,
                       const std::function<void(Statement& statement)>& onStatement,
                       const std::function<void(std::string_view line)>& onLine) {
    Statement statement;
    bool havePrevious = false;
    char previous = '\0';

    std::size_t start = 0;
    while (start < fileBytes.size()) {
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
            onStatement(statement);
            statement.clear();
            havePrevious = false;
        } else {
            if (havePrevious && !IsSpace(previous) && !IsSpace(line.front())) statement += ' ';
            statement += line;
            previous = line.back();
            havePrevious = true;
        }
        if (onLine) onLine(line);
    }
}

}  // namespace gridtally
