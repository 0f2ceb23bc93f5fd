#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace gridtally {

// The sentences of a marked statement: the pieces between its SentenceMarks. A
// statement with n marks has n + 1 sentences; all but the last are ended by a mark.
class Sentences {
public:
    explicit Sentences(std::string_view statement);

    std::size_t size() const { return pieces_.size(); }
    bool Has(std::size_t index) const { return index < pieces_.size(); }
    // Whether a mark ends the sentence (it is not the statement's last).
    bool Ended(std::size_t index) const { return index + 1 < pieces_.size(); }
    // The sentence without its mark; empty when there is no such sentence.
    std::string_view operator[](std::size_t index) const {
        return Has(index) ? pieces_[index] : std::string_view{};
    }
    // From the start of the sentence to the end of the statement, marks included.
    std::string_view From(std::size_t index) const;
    // From the start of the statement to the end of the sentence.
    std::string_view Through(std::size_t index) const;

private:
    std::string_view statement_;
    std::vector<std::string_view> pieces_;
};

}  // namespace gridtally
