#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "core/model/Sentences.h"
#include "core/model/Statement.h"

namespace gridtally {
namespace {

// The table writes a SentenceMark as '|'.
std::string Marked(std::string text) {
    std::replace(text.begin(), text.end(), '|', SentenceMark);
    return text;
}

struct Case {
    std::string statement;
    std::vector<std::string> sentences, from, through;
};

TEST(Sentences, SplitAtEveryMarkWithViewsFromAndThroughEach) {
    const Case cases[] = {
        {"", {""}, {""}, {""}},
        {"One.", {"One."}, {"One."}, {"One."}},
        {"One.|Two.", {"One.", "Two."}, {"One.|Two.", "Two."}, {"One.", "One.|Two."}},
        {"A|Bb|C", {"A", "Bb", "C"}, {"A|Bb|C", "Bb|C", "C"}, {"A", "A|Bb", "A|Bb|C"}},
        // A mark at the end leaves an empty last sentence, not ended by any mark.
        {"A|", {"A", ""}, {"A|", ""}, {"A", "A|"}},
        {"||", {"", "", ""}, {"||", "|", ""}, {"", "|", "||"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        const std::string statement = Marked(c.statement);
        const Sentences sentences(statement);
        const std::size_t n = c.sentences.size();
        ASSERT_EQ(sentences.size(), n);
        for (std::size_t i = 0; i < n; ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(sentences.Has(i));
            EXPECT_EQ(sentences.Ended(i), i + 1 < n);
            EXPECT_EQ(sentences[i], c.sentences[i]);
            EXPECT_EQ(sentences.From(i), Marked(c.from[i]));
            EXPECT_EQ(sentences.Through(i), Marked(c.through[i]));
        }
        // Past the last sentence there is nothing, and "through" it is the whole statement.
        for (std::size_t past : {n, n + 1, std::numeric_limits<std::size_t>::max() - 1}) {
            SCOPED_TRACE(past);
            EXPECT_FALSE(sentences.Has(past));
            EXPECT_FALSE(sentences.Ended(past));
            EXPECT_EQ(sentences[past], "");
            EXPECT_EQ(sentences.From(past), "");
            EXPECT_EQ(sentences.Through(past), statement);
        }
    }
}

TEST(Sentences, AMarkedStatementSplitsWhereMarkSentencesEndedItsSentences) {
    Statement statement = "Tom St. Clair runs. He falls! That was Dive (1).";
    MarkSentences(statement);
    const Sentences sentences(statement);
    ASSERT_EQ(sentences.size(), 3u);
    EXPECT_EQ(sentences[0], "Tom St. Clair runs.");
    EXPECT_EQ(sentences[1], "He falls!");
    EXPECT_EQ(sentences[2], "That was Dive (1).");
}

}  // namespace
}  // namespace gridtally
