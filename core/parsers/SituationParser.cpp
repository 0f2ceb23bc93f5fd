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
std::optional<std::int32_t> ReadBallPosition(std::string_view sentence, GameState& state) {
    constexpr std::string_view kBallOn = "'s ball on";
    std::size_t at = FindText(sentence, kBallOn);
    if (at == std::string_view::npos) return std::nullopt;
    state.offense = sentence.substr(0, at);

    std::string_view rest = SkipBlanks(sentence.substr(at + kBallOn.size()));
    std::size_t apostrophe = rest.find('\'');
    if (apostrophe != std::string_view::npos) return ReadInt(Skip(rest, apostrophe + 3));

    // "%s %d": a side word, then the number.
    if (!ScanWord(rest)) return std::nullopt;
    return ReadInt(rest);
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

bool ScanNumber(std::string_view& text) {
    auto got = ScanInt(text);
    if (!got) return false;
    text.remove_prefix(got->length);
    return true;
}

void SkipSpace(std::string_view& text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
}

// "The score is %s %d, %s %d": both names one word each.
bool ReadOneWordScore(std::string_view text, Name& first, Name& second) {
    constexpr std::string_view kPrefix = "The score is";
    if (!text.starts_with(kPrefix)) return false;
    text.remove_prefix(kPrefix.size());
    auto firstName = ScanWord(text);
    if (!firstName || !ScanNumber(text) || !text.starts_with(',')) return false;
    text.remove_prefix(1);
    SkipSpace(text);
    auto secondName = ScanWord(text);
    if (!secondName || !ScanNumber(text)) return false;
    first = *firstName;
    second = *secondName;
    return true;
}

// Names of several words: "The score is Prairie Dogs 0, Comets 0."
void ReadManyWordScore(std::string_view text, Name& first, Name& second) {
    std::string_view rest = Skip(text, 13);
    std::size_t comma = FindText(rest, ", ");
    std::string_view firstPart = rest.substr(0, comma);

    std::size_t digit = 0;
    while (digit < firstPart.size() && !IsDigit(firstPart[digit])) ++digit;
    if (digit < firstPart.size() && digit >= 1) first = firstPart.substr(0, digit - 1);

    if (comma == std::string_view::npos) return;
    std::string_view secondPart = rest.substr(comma + 2);
    secondPart = secondPart.substr(0, FindText(secondPart, ", "));
    std::size_t blank = secondPart.rfind(' ');
    if (blank != std::string_view::npos && blank + 1 < secondPart.size() &&
        IsDigit(secondPart[blank + 1])) {
        second = secondPart.substr(0, blank);
    }
}

void ReadScore(std::string_view sentence, GameState& state) {
    sentence = SkipBlanks(sentence);
    Name first;
    Name second;
    if (!ReadOneWordScore(sentence, first, second)) {
        first.Clear();
        second.Clear();
        ReadManyWordScore(sentence, first, second);
    }
    if (first.empty() || second.empty()) return;
    state.defense = first == state.offense ? second : first;
}

}  // namespace

int ParseSituation(std::string_view statement, GameState& state) {
    if (statement.find(SentenceMark) == std::string_view::npos) return -1;
    Sentences sentences(statement);

    std::optional<std::int32_t> yardLine = ReadBallPosition(sentences[0], state);
    if (!sentences.Has(1)) return 0;
    ReadDownAndDistance(sentences[1], yardLine, state);
    // The third sentence, the clock, is not read. The score must be followed by a mark.
    if (!sentences.Ended(3)) return 0;
    ReadScore(sentences[3], state);
    return 0;
}

}  // namespace gridtally
