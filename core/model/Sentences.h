#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace gridtally {

// The sentences of a marked statement: the pieces between its SentenceMarks. A
// statement with n marks has n + 1 sentences; all but the last are ended by a mark.
class Sentences {
public:
    explicit Sentences(std::string_view statement);

    std::size_t size() const { return count_; }
    bool Has(std::size_t index) const { return index < count_; }
    // Whether a mark ends the sentence (it is not the statement's last).
    bool Ended(std::size_t index) const { return index + 1 < count_; }
    // The sentence without its mark; empty when there is no such sentence.
    std::string_view operator[](std::size_t index) const {
        return Has(index) ? Piece(index) : std::string_view{};
    }
    // From the start of the sentence to the end of the statement, marks included.
    std::string_view From(std::size_t index) const;
    // From the start of the statement to the end of the sentence.
    std::string_view Through(std::size_t index) const;

private:
    // Statements rarely hold more sentences than fit here, so splitting one allocates
    // nothing; the rest go to the heap.
    static constexpr std::size_t kInline = 16;

    std::string_view Piece(std::size_t index) const {
        return index < kInline ? inline_[index] : overflow_[index - kInline];
    }
    void Add(std::string_view piece);

    std::string_view statement_;
    std::size_t count_ = 0;
    std::array<std::string_view, kInline> inline_;
    std::vector<std::string_view> overflow_;
};

}  // namespace gridtally
