#include "core/model/Statement.h"

#include <algorithm>

#include "core/text/TextScan.h"

namespace gridtally {

StatementKind ClassifyStatement(const Statement& statement) {
    if (statement.empty()) return StatementKind::Empty;
    std::string_view text = statement;
    if (text.starts_with("   ")) return StatementKind::Ignored;
    if (StartsWithNoCase(text, "Weather:")) return StatementKind::WeatherHeader;
    if (StartsWithNoCase(text, "Stadium:")) return StatementKind::StadiumHeader;
    if (Contains(text, "The score is")) return StatementKind::Situation;
    if (Contains(text, "That was")) return StatementKind::Play;
    if (std::count(text.begin(), text.end(), SentenceMark) == 2) return StatementKind::Personnel;
    return StatementKind::Ignored;
}

void MarkSentences(Statement& statement) {
    if (statement.size() < 3 || statement.find(SentenceMark) != Statement::npos) return;

    // A full stop at index 0 to 2 never ends a sentence, nor does the one of "St. ".
    for (std::size_t stop = statement.find(". ", 3); stop != Statement::npos;
         stop = statement.find(". ", stop + 2)) {
        if (statement.compare(stop - 2, 4, "St. ") != 0) statement[stop + 1] = SentenceMark;
    }
    for (std::size_t bang = FindText(statement, "! "); bang != Statement::npos;
         bang = statement.find("! ", bang + 2)) {
        statement[bang + 1] = SentenceMark;
    }
}

}  // namespace gridtally
