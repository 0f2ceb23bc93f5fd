#include "core/parsers/SituationParser.h"

#include <array>
#include <optional>
#include <string>

#include "core/model/GameState.h"
#include "core/model/Sentences.h"
#include "core/model/Statement.h"
#include "core/text/FixedText.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

using Name = FixedText<64>;

std::optional<std::int32_t> ReadInt(std::string_view text) {
    auto got = ScanInt(text);
    if (!got) return std::nullopt;
    return got->value;
}

std::string_view Skip(std::string_view text, std::size_t count) {
    return text.substr(std::min(count, text.size()));
}

// The yard line of "Side's ball on their 35 yard line" or "... on Rams's 42 yard line".
// `fromOwnGoal` becomes the ball's place counted from the offense's own goal line.
std::optional<std::int32_t> ReadBallPosition(std::string_view sentence, GameState& state,
                                             std::int32_t& fromOwnGoal) {
    constexpr std::string_view kBallOn = "'s ball on";
    std::size_t at = FindText(sentence, kBallOn);
    if (at == std::string_view::npos) return std::nullopt;
    state.offense = sentence.substr(0, at);

    std::string_view rest = SkipBlanks(sentence.substr(at + kBallOn.size()));
    std::optional<std::int32_t> number;
    bool ownHalf = false;  // the number counts from the offense's own goal line
    bool sideKnown = true;
    std::size_t apostrophe = rest.find('\'');
    if (apostrophe != std::string_view::npos) {
        number = ReadInt(Skip(rest, apostrophe + 3));
        ownHalf = state.offense == rest.substr(0, apostrophe);
    } else {
        // "%s %d": a side word, then the number.
        auto word = ScanWord(rest);
        if (!word) return std::nullopt;
        number = ReadInt(rest);
        ownHalf = *word == "their" || *word == "own" || *word == "the";
        sideKnown = ownHalf;
    }
    if (number && sideKnown) {
        std::int64_t yards = ownHalf ? *number : 100 - std::int64_t{*number};
        if (yards >= 0 && yards <= 100) fromOwnGoal = static_cast<std::int32_t>(yards);
    }
    return number;
}

void ReadDownAndDistance(std::string_view sentence, std::optional<std::int32_t> yardLine,
                         GameState& state) {
    sentence = SkipBlanks(sentence);
    constexpr std::array<std::string_view, 4> kDowns{"first", "second", "third", "fourth"};
    for (std::size_t i = 0; i < kDowns.size(); ++i) {
        if (StartsWithNoCase(sentence, kDowns[i])) state.down = static_cast<std::int32_t>(i + 1);
    }

    std::size_t word = FindText(sentence, "less");
    if (word == std::string_view::npos) word = FindText(sentence, "just");
    if (word != std::string_view::npos) {
        // "less than N" and "just over N": two four-letter words before the number.
        std::string_view rest = SkipBlanks(Skip(sentence.substr(word), 4));
        if (auto toGo = ReadInt(SkipBlanks(Skip(rest, 4)))) state.toGo = *toGo;
        return;
    }

    std::size_t andAt = FindText(sentence, "and ");
    if (andAt == std::string_view::npos) return;
    std::string_view rest = SkipBlanks(sentence.substr(andAt + 4));
    if (!rest.empty() && IsDigit(rest.front())) {
        if (auto toGo = ReadInt(rest)) state.toGo = *toGo;
    } else if (StartsWithNoCase(rest, "goal")) {
        state.toGo = yardLine.value_or(-1);
    }
}

void SkipSpace(std::string_view& text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
}

// One side of a score sentence.
struct ScoreRead {
    Name name;
    std::int32_t points = 0;
};

std::optional<std::int32_t> ScanPoints(std::string_view& text) {
    auto got = ScanInt(text);
    if (!got) return std::nullopt;
    text.remove_prefix(got->length);
    return got->value;
}

// "The score is %s %d, %s %d": both names one word each.
bool ReadOneWordScore(std::string_view text, ScoreRead& first, ScoreRead& second) {
    constexpr std::string_view kPrefix = "The score is";
    if (!text.starts_with(kPrefix)) return false;
    text.remove_prefix(kPrefix.size());
    auto firstName = ScanWord(text);
    auto firstPoints = firstName ? ScanPoints(text) : std::nullopt;
    if (!firstPoints || !text.starts_with(',')) return false;
    text.remove_prefix(1);
    SkipSpace(text);
    auto secondName = ScanWord(text);
    auto secondPoints = secondName ? ScanPoints(text) : std::nullopt;
    if (!secondPoints) return false;
    first = {*firstName, *firstPoints};
    second = {*secondName, *secondPoints};
    return true;
}

// Names of several words: "The score is Prairie Dogs 0, Comets 0."
void ReadManyWordScore(std::string_view text, ScoreRead& first, ScoreRead& second) {
    std::string_view rest = Skip(text, 13);
    std::size_t comma = FindText(rest, ", ");
    std::string_view firstPart = rest.substr(0, comma);

    std::size_t digit = 0;
    while (digit < firstPart.size() && !IsDigit(firstPart[digit])) ++digit;
    if (digit < firstPart.size() && digit >= 1) {
        first.name = firstPart.substr(0, digit - 1);
        first.points = ReadInt(firstPart.substr(digit)).value_or(0);
    }

    if (comma == std::string_view::npos) return;
    std::string_view secondPart = rest.substr(comma + 2);
    secondPart = secondPart.substr(0, FindText(secondPart, ", "));
    std::size_t blank = secondPart.rfind(' ');
    if (blank != std::string_view::npos && blank + 1 < secondPart.size() &&
        IsDigit(secondPart[blank + 1])) {
        second.name = secondPart.substr(0, blank);
        second.points = ReadInt(secondPart.substr(blank + 1)).value_or(0);
    }
}

void ReadScore(std::string_view sentence, GameState& state, SituationReading* reading) {
    sentence = SkipBlanks(sentence);
    ScoreRead first;
    ScoreRead second;
    if (!ReadOneWordScore(sentence, first, second)) {
        first = {};
        second = {};
        ReadManyWordScore(sentence, first, second);
    }
    if (first.name.empty() || second.name.empty()) return;
    state.defense = first.name == state.offense ? second.name : first.name;
    if (reading) {
        reading->score = {{{first.name.str(), first.points}, {second.name.str(), second.points}}};
    }
}

// "There are 14:51 left in the first quarter."
void ReadClock(std::string_view sentence, SituationReading& reading) {
    constexpr std::array<std::string_view, 4> kQuarters{"first quarter", "second quarter",
                                                        "third quarter", "fourth quarter"};
    for (std::size_t i = 0; i < kQuarters.size(); ++i) {
        if (Contains(sentence, kQuarters[i])) reading.quarter = static_cast<std::int32_t>(i + 1);
    }
    for (std::string_view word : {"overtime", "Overtime"}) {
        if (Contains(sentence, word)) reading.quarter = 5;
    }
    std::size_t colon = sentence.find(':');
    while (colon != std::string_view::npos) {
        std::size_t start = colon;
        while (start > 0 && IsDigit(sentence[start - 1])) --start;
        std::string_view seconds = sentence.substr(colon + 1);
        if (start < colon && seconds.size() >= 2 && IsDigit(seconds[0]) && IsDigit(seconds[1]) &&
            colon - start <= 3) {
            std::int32_t minutes = ReadInt(sentence.substr(start)).value_or(0);
            reading.clock = minutes * 60 + (seconds[0] - '0') * 10 + (seconds[1] - '0');
            return;
        }
        colon = sentence.find(':', colon + 1);
    }
}

}  // namespace

int ParseSituation(std::string_view statement, GameState& state, SituationReading* reading) {
    if (statement.find(SentenceMark) == std::string_view::npos) return -1;
    Sentences sentences(statement);
    if (reading) *reading = {};
    std::int32_t fromOwnGoal = -1;

    std::optional<std::int32_t> yardLine = ReadBallPosition(sentences[0], state, fromOwnGoal);
    if (reading) reading->yardLine = fromOwnGoal;
    if (!sentences.Has(1)) return 0;
    ReadDownAndDistance(sentences[1], yardLine, state);
    if (!sentences.Has(2)) return 0;
    if (reading) ReadClock(sentences[2], *reading);
    // The score must be followed by a mark.
    if (!sentences.Ended(3)) return 0;
    ReadScore(sentences[3], state, reading);
    return 0;
}

}  // namespace gridtally
