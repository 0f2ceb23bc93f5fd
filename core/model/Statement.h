#pragma once

#include <cstdint>
#include <string>

namespace gridtally {

// One paragraph of a game log, joined from its lines: 8-bit text that the parsers
// may modify in place.
using Statement = std::string;

// Ends a sentence inside a statement. The log may carry some; MarkSentences adds more.
inline constexpr char SentenceMark = '\x05';

enum class StatementKind : std::int32_t {
    Situation = 0,
    Play = 1,
    Personnel = 2,
    WeatherHeader = 3,
    StadiumHeader = 4,
    Ignored = 5,
    Empty = 6,
};

StatementKind ClassifyStatement(const Statement& statement);

// Ends sentences at ". " and "! " with SentenceMark, unless the statement already
// carries marks of its own.
void MarkSentences(Statement& statement);

}  // namespace gridtally
